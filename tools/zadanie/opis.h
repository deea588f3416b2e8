// The layout description of an exercise (".uklad") for either program:
// which data file holds the network, where each node is drawn, the task
// statement, the names of the files to write. A line-oriented text, one
// statement a line:
//
//   # comment; outside the texts of "tytul", "napis" and "zadanie" a "#"
//   ends the line
//   rodzaj rozplyw|zwarcia  the program: Kreator (the default) or zwarcia
//   dane PLIK              the data lines of the ".ZRM" (3..30) or ".ZRZ" (3..26)
//   wyjscie NAZWA          base name of ZAD1.ZRM, .SRM, .URM, .DRM (.ZRZ ...)
//   tytul TEKST            title of the scheme picture
//   rozmiar SZER WYS       scheme picture size in pixels (at most 1000 x 700)
//   wezel NR X Y [dlugosc D] [pion] [symbol gora|dol|lewo|prawo [PRZESUNIECIE]] [opis DX DY]
//   linia NR [przez X Y [X Y ...]] [opis DX DY]
//   trafo NR [przez X Y [X Y ...]] [opis DX DY]
//   napis X Y TEKST        free text on the scheme from (X, Y), e.g. "110 kV"
//   bilansujacy NR KV      slack node and its voltage (whole kV)
//   epsilon E              e.g. 0,0001
//   r R                    relaxation parameter, e.g. 1,5
//   metoda gauss-seidel|newton
//                          the method of the trial run and of the task: Gauss-Seidel
//                          with r (the default, as the window computes), or
//                          Newton-Raphson (Kreator --batch ... --metoda newton),
//                          which takes no r: for grids Gauss-Seidel cannot solve
//   zwarcie NR KV CZAS [gora|dol|lewo|prawo [PRZESUNIECIE]]
//                          fault node, rated kV there, duration in s; where
//                          the lightning arrow hangs on the node's bar
//   zadanie TEKST          one line of the task statement (repeatable); for
//                          zwarcia the first one is the statement its report
//                          prints, so it may not be empty
//
// "bilansujacy", "epsilon", "r" and "metoda" belong to load-flow exercises only,
// "zwarcie" to short-circuit ones, where it is required.
//
// Pure C++: the tool, its tests and anything else may read a description
// without a display.
#pragma once

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zadanie {

struct Punkt {
  int x = 0, y = 0;
  bool operator==(const Punkt&) const = default;
};

enum class Strona { Gora, Dol, Lewo, Prawo };

struct OpisWezla {
  Punkt srodek;
  int dlugosc = 80;  // of the bus bar, pixels
  bool pion = false;
  // Where the generator circle, the system box or the load arrow hangs;
  // none: the usual side (sources above or left, loads below or right).
  std::optional<Strona> symbol;
  int przesuniecieSymbolu = 0;  // along the bar, from its centre
  std::optional<Punkt> opis;    // number label centre relative to the bar centre
  int wiersz = 0;               // of the description, for messages
};

// A line or a transformer: bend points and the label offset.
struct OpisGalezi {
  std::vector<Punkt> przez;
  std::optional<Punkt> opis;  // label centre relative to the default place
  int wiersz = 0;
};

// Free text on the scheme: starts at x, centred on y.
struct Napis {
  Punkt miejsce;
  std::string tekst;
  int wiersz = 0;
};

struct Bilansujacy {
  int wezel = 0;
  int napiecieKv = 0;
};

enum class Rodzaj { Rozplyw, Zwarcie };
enum class Metoda { GaussSeidel, Newton };

// The values the student types on the fault pages, and the arrow's place.
struct Zwarcie {
  int wezel = 0;
  int napiecieKv = 0;
  std::string czas;              // as typed: "0,5"
  std::optional<Strona> strona;  // none: below a level bar, right of an upright one
  int przesuniecie = 0;          // along the bar, from its centre
  int wiersz = 0;
};

struct OpisUkladu {
  Rodzaj rodzaj = Rodzaj::Rozplyw;
  std::string dane, wyjscie;  // as written, relative to the description's folder
  std::string tytul = "Schemat układu";
  int szerokosc = 900, wysokosc = 600;
  std::map<int, OpisWezla> wezly;
  std::map<int, OpisGalezi> linie, trafa;
  std::vector<Napis> napisy;
  std::optional<Bilansujacy> bilansujacy;
  std::optional<std::string> epsilon, r;  // as the student types them: "0,0001"
  Metoda metoda = Metoda::GaussSeidel;
  std::optional<Zwarcie> zwarcie;
  std::vector<std::string> zadanie;  // UTF-8 lines
};

inline constexpr int kMaksSzerokosc = 1000;
inline constexpr int kMaksWysokosc = 700;
// Above this many nodes no scheme or data picture is made: at 1000 × 700
// pixels their bars and labels could not be told apart.
inline constexpr int kMaksWezlowRysunku = 100;

// A refused description: the message names the line ("wiersz 7: ...");
// wiersz() is 0 for something missing from the whole file.
class BladOpisu : public std::runtime_error {
 public:
  BladOpisu(int wiersz, const std::string& tresc);
  int wiersz() const { return wiersz_; }

 private:
  int wiersz_;
};

// Parses the description (UTF-8 text, any line ends). Throws BladOpisu.
OpisUkladu CzytajOpis(std::string_view tekst);

struct Siec;

// What does not fit between the description and the loaded data: a node
// without a place, a drawn element the data lack, a slack node that is no
// generator node, a fault node outside the network. Empty when all fits.
std::vector<std::string> NiezgodnosciZDanymi(const OpisUkladu& opis, const Siec& s);

}  // namespace zadanie
