// The wizard of the load-flow program: fifteen pages from the welcome page
// through the counts, the four element tables and the iteration values to
// the final page with Compute. It decides everything the main window
// shows (the view) and what else the windows must do after each action
// (the effects); the window only draws the view.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string_view>
#include <string>
#include <vector>

#include "common/core/dialogi.h"
#include "common/core/lampa.h"
#include "common/core/siatka.h"
#include "kreator/core/przypadek.h"
#include "kreator/core/rozplyw.h"

namespace kreator {

inline constexpr const char* kTytulProgramu = "Kreator";
using common::kLiczbaLamp;
using common::Lampa;
inline constexpr int kSzerokoscOkna = 600;
inline constexpr int kSzerokoscOknaLinii = 650;
inline constexpr int kSzerokoscOknaTrafo = 900;
inline constexpr int kWysokoscOkna = 245;
inline constexpr int kOstatniaStrona = 14;

enum class Panel { Brak, Linie, Trafo, WEl, WObc };
enum class Fokus { DaneE, LinieSG, TrafoSG, WElSG, WObcSG, DalejBB, Button1 };
enum class Okno { TDane, TF_DaneElementow, TF_Schemat, TF_Wynik, TKatalogLini, TKatalogTrafo, TF_Podglad, TF_Zbieznosc };

// What the main window and the background's button bar show.
struct Widok {
  std::string L1;
  bool daneEWidoczne = false;
  std::string daneE;
  Panel panel = Panel::Brak;  // the one grid panel shown, if any
  bool koniecP = false;
  int szerokosc = kSzerokoscOkna;
  int wysokosc = kWysokoscOkna;
  std::array<Lampa, kLiczbaLamp> lampy{};  // PP1 .. PP13
  bool wsteczBB = false, nowyBB = false, katalogBB = false;
  std::string dalejNapis = "&Dalej";
  bool dalejAktywny = true;
  bool sbSchemat = false, sbDaneElementow = false, sbZapisz = false;
  bool zapiszSchemat = false;  // "Zapisz schemat" of the results window
  bool sbTresc = false;        // "Treść zadania": the exercise has its task statement
  bool zbieznoscBB = false;    // "Zbieżność" of the final panel: the chart of the computed case
};

// What one action asks of the windows besides the new view.
struct Skutki {
  std::optional<Fokus> fokus;   // none: the focus stays where it is
  std::vector<Okno> zamknij;    // windows to hide
  bool tabele = false;          // a table changed its counts, headers or cells
  // A refused grid page: the cell of its grid to select and scroll to, the
  // first one that is not a number; the focus then goes to that grid.
  std::optional<common::Komorka> komorka;
};

// What "Oblicz" works out apart from the window: the configuration check's
// messages and verdict, and the computation's result. It reads only its
// own copy of the case, so a window can run it on a worker thread.
struct Obliczenie {
  std::vector<common::RecordingDialogService::Wpis> komunikaty;  // in the order the check showed them
  bool sprawdzony = false;
  std::optional<WynikRozplywu> wynik;  // when the check passed
  std::optional<std::string> blad;  // a fault that ended it, as its message
  std::string WezlyBezTypu;  // as the check leaves it
};
Obliczenie Oblicz(Przypadek kopia, const PostepRozplywu& postep = {});
// The same by the method of `opcje` (the batch mode's --metoda).
Obliczenie Oblicz(Przypadek kopia, const OpcjeRozplywu& opcje, const PostepRozplywu& postep = {});

class Kreator {
 public:
  Kreator(Przypadek& przypadek, common::DialogService& dialogi);

  // The screen size decides the width of the transformer page.
  void ustawEkran(int szerokosc, int wysokosc);

  Skutki FormCreate();
  // Next with the text now in the entry box.
  Skutki DalejBBClick(const std::string& daneE);
  Skutki WsteczBBClick();
  Skutki NowyBBClick();
  // True on the final page while "Oblicz" is offered.
  bool czekaNaOblicz() const;
  // "Oblicz" with the work done elsewhere (by Oblicz on a copy of the case):
  // the messages shown and the result taken as if the work had run here.
  Skutki PrzyjmijObliczenie(Obliczenie o);

  const Widok& widok() const { return widok_; }
  Widok& widok() { return widok_; }
  Przypadek& przypadek() { return p_; }

  // Opens the exercise named on the command line: a ".ZRM" is loaded, a
  // ".SRM" makes the pictures available; anything else is ignored.
  Skutki OtworzZadanie(const std::string& argument);
  const std::string& argument() const { return argument_; }

  // Fills the case from the bytes of a ".ZRM" file and replays Next up to
  // the slack-node page; a file that is not valid leaves an empty wizard
  // on its welcome page after one message.
  Skutki WczytajPlikZrm(std::string_view bajty);

  // The results of the last successful run.
  const std::optional<WynikRozplywu>& wyniki() const { return wyniki_; }

  // Compute on the final page: the configuration check (true accepts) and
  // the run (true when it converged). Both are the real ones unless a test
  // replaces them. `odswiezTeraz` lets the window repaint the "please wait"
  // text before the run.
  std::function<bool()> sprawdzKonfiguracje;
  std::function<bool()> obliczRozplyw;
  std::function<void()> odswiezTeraz;

 private:
  // Accepts the input of page `krok`; the refusal message, if refused.
  std::optional<std::string> przyjmij(int krok, const std::string& daneE);
  void zbuduj(int strona, Skutki& s);
  void wroc(int strona, Skutki& s);
  void oblicz(Skutki& s);
  void dalej(const std::string& daneE, Skutki& s);
  void pokazPole(int wartosc, Skutki& s);
  void pokazPole(double wartosc, Skutki& s);
  void lampy(int wykonana, int biezaca);
  void ustawRozmiar(int szerokosc);

  Przypadek& p_;
  common::DialogService& dialogi_;
  Widok widok_;
  int ekranSzerokosc_ = 1024;
  std::optional<WynikRozplywu> wyniki_;
  std::string argument_;
};

// The prompt of each page 0..14.
const std::string& Zacheta(int strona);

// The prompt while the computation runs on a worker thread, after sweep `krok`.
std::string PostepObliczen(int krok, double zmiana);

}  // namespace kreator
