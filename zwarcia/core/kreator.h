// The wizard of the short-circuit program: fourteen pages from the welcome
// page through the counts, the four element tables and the fault data to
// the final page with Compute. It decides everything the main window shows
// (the view) and what else the windows must do after each action (the
// effects); the window only draws the view.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/core/dialogi.h"
#include "common/core/lampa.h"
#include "common/core/siatka.h"
#include "zwarcia/core/przypadek.h"
#include "zwarcia/core/zwarcie.h"

namespace zwarcia {

inline constexpr const char* kTytulProgramu = "Zwarcia";
using common::kLiczbaLamp;
using common::Lampa;
inline constexpr int kSzerokoscOkna = 600;
inline constexpr int kWysokoscOkna = 245;
inline constexpr int kOstatniaStrona = 13;

enum class Panel { Brak, SystemyP, GeneratoryP, TransformatoryP, LinieP };
enum class Fokus { DaneE, SystemySG, GeneratorySG, TrafoSG, LinieSG, DalejBB, Button1 };
enum class Okno { TDane, TF_DaneElementow, TF_Schemat, TF_wynik, TF_Podglad, TF_WykresRdoX, TF_WykresN };

// What the main window and the background's button bar show.
struct Widok {
  std::string L1;
  bool daneEWidoczne = false;
  std::string daneE;
  Panel panel = Panel::Brak;  // the one table panel shown, if any
  bool koniecP = false;
  int szerokosc = kSzerokoscOkna;
  int wysokosc = kWysokoscOkna;
  std::array<Lampa, kLiczbaLamp> lampy{};  // PP1 .. PP13
  bool wsteczBB = false, nowyBB = false;
  std::string dalejNapis = "&Dalej";
  bool dalejAktywny = true;
  bool sbSchemat = false, sbDaneElementow = false, sbZapisz = false;
  bool zapiszSchemat = false;  // "Zapisz schemat" of the results window
  bool sbTresc = false;        // "Treść zadania": the exercise has its task statement
};

// What one action asks of the windows besides the new view.
struct Skutki {
  std::optional<Fokus> fokus;  // none: the focus stays where it is
  std::vector<Okno> zamknij;   // windows to hide
  bool tabele = false;         // a table changed its counts, headers or cells
  // A refused table page: the cell of its table to select and scroll to,
  // the first one that is not a number; the focus then goes to that table.
  std::optional<common::Komorka> komorka;
};

// What "Oblicz" works out apart from the window: the configuration check's
// messages and verdict, and the computation's result. It reads only its
// own copy of the case, so a window can run it on a worker thread.
struct Obliczenie {
  std::vector<common::RecordingDialogService::Wpis> komunikaty;  // in the order the check showed them
  bool sprawdzony = false;
  std::optional<WynikZwarcia> wynik;  // when the check passed
  std::optional<std::string> blad;  // a fault that ended it, as its message

};
Obliczenie Oblicz(Przypadek kopia);

class Kreator {
 public:
  Kreator(Przypadek& przypadek, common::DialogService& dialogi);

  Skutki FormCreate();
  // Next with the text now in the entry box. While DalejBB is disabled
  // (after a successful computation) it does nothing.
  Skutki DalejBBClick(const std::string& daneE);
  Skutki WsteczBBClick();
  Skutki NowyBBClick();
  // True on the final page while "Oblicz" is offered.
  bool czekaNaOblicz() const;
  // "Oblicz" with the work done elsewhere (by Oblicz on a copy of the case):
  // the messages shown and the result taken as if the work had run here.
  Skutki PrzyjmijObliczenie(Obliczenie o);

  // Opens the exercise named on the command line: a ".ZRZ" is loaded, a
  // ".SRZ" makes the pictures available; anything else is ignored.
  Skutki OtworzZadanie(const std::string& argument);
  const std::string& argument() const { return argument_; }

  // Fills the case from the bytes of a ".ZRZ" file and replays Next up to
  // the fault-node page; a file that is not valid leaves an empty wizard on
  // its welcome page after one message, a replayed page that refuses stays
  // shown after its message, once.
  Skutki WczytajPlikZrz(std::string_view bajty);

  const Widok& widok() const { return widok_; }
  Widok& widok() { return widok_; }
  Przypadek& przypadek() { return p_; }

  // The results of the last successful computation.
  const std::optional<WynikZwarcia>& wyniki() const { return wyniki_; }

  // Compute on the final page: the configuration check (true accepts) and
  // the computation (false: it refused and shows no results); the real ones
  // unless a test replaces them. While either is empty, Compute does nothing. `odswiezTeraz` lets the window repaint
  // the "please wait" text before the computation.
  std::function<bool()> sprawdzKonfiguracje;
  std::function<bool()> obliczZwarcie;
  std::function<void()> odswiezTeraz;

 private:
  // Accepts the input of page `krok`; the refusal message, if refused.
  std::optional<std::string> przyjmij(int krok, const std::string& daneE);
  void pokazStrone(int strona, Skutki& s);
  void pokazPole(int wartosc, Skutki& s);
  void pokazPole(double wartosc, Skutki& s);
  void dalej(const std::string& daneE, Skutki& s);
  void oblicz(Skutki& s);
  void przerwane(Skutki& s);

  Przypadek& p_;
  common::DialogService& dialogi_;
  Widok widok_;
  std::optional<WynikZwarcia> wyniki_;
  std::string argument_;
};

// The prompt of each page 0..13.
const std::string& Zacheta(int strona);

}  // namespace zwarcia
