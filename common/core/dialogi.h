// Every message box and question of both programs goes through this
// interface: the windows show real boxes, the tests record what was asked
// and answer from a script, so no test ever waits on a modal dialog.
#pragma once

#include <deque>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace common {

enum class Ikona { Blad, Informacja, Pytanie };

// A file-save dialog: the filter as "Description (*.ext)", the extension
// added to a name typed without one, the folder and name offered. The
// dialog asks before overwriting and only accepts an existing folder.
struct ZapisPliku {
  std::string tytul, filtr, domyslneRozszerzenie, folder, nazwa;
};

// Captions used throughout both programs.
inline constexpr const char* kTytulBledu = "Błąd !!!";

class DialogService {
 public:
  virtual ~DialogService() = default;
  // A box with one OK button.
  virtual void message(Ikona ikona, const std::string& tytul, const std::string& tekst) = 0;
  // A Yes/No question with the question icon; true for Yes.
  virtual bool askYesNo(const std::string& tytul, const std::string& tekst) = 0;
  // The chosen path, or nothing when the user cancels.
  virtual std::optional<std::string> askSaveFileName(const ZapisPliku& zapis) = 0;

  void error(const std::string& tekst) { message(Ikona::Blad, kTytulBledu, tekst); }
};

// The test implementation: records every box, answers questions from a
// queue (then with `domyslnaOdpowiedz`).
class RecordingDialogService : public DialogService {
 public:
  struct Wpis {
    Ikona ikona;
    std::string tytul;
    std::string tekst;
  };

  void message(Ikona ikona, const std::string& tytul, const std::string& tekst) override;
  bool askYesNo(const std::string& tytul, const std::string& tekst) override;
  std::optional<std::string> askSaveFileName(const ZapisPliku& zapis) override;

  std::vector<Wpis> wpisy;
  std::vector<ZapisPliku> dialogiZapisu;              // every save dialog asked
  std::deque<std::optional<std::string>> nazwyPlikow;  // answers; empty: cancelled
  std::deque<bool> odpowiedzi;
  bool domyslnaOdpowiedz = false;

  // The text of the last box, or empty.
  std::string ostatni() const { return wpisy.empty() ? std::string() : wpisy.back().tekst; }
};

}  // namespace common

namespace common {

// For the batch mode: every box becomes a line on the error stream, every
// question is answered No.
class ConsoleDialogService : public DialogService {
 public:
  explicit ConsoleDialogService(std::ostream& strumien) : strumien_(strumien) {}
  void message(Ikona ikona, const std::string& tytul, const std::string& tekst) override;
  bool askYesNo(const std::string&, const std::string&) override { return false; }
  std::optional<std::string> askSaveFileName(const ZapisPliku&) override { return std::nullopt; }
  int bledy = 0;  // error boxes shown

 private:
  std::ostream& strumien_;
};

}  // namespace common
