// The layout description of an exercise (".uklad"): which data file holds
// the network, where each node is drawn, the task statement, the names of
// the files to write. A line-oriented text, one statement a line:
//
//   # comment; outside the texts of "tytul", "napis" and "zadanie" a "#"
//   ends the line
//   dane PLIK              lines 3.. of the ".ZRM" (counts and column lines)
//   wyjscie NAZWA          base name of ZAD1.ZRM, .SRM, .URM, .DRM
//   tytul TEKST            title of the scheme picture
//   rozmiar SZER WYS       scheme picture size in pixels (at most 1000 x 700)
//   wezel NR X Y [dlugosc D] [pion] [symbol gora|dol|lewo|prawo [PRZESUNIECIE]] [opis DX DY]
//   linia NR [przez X Y [X Y ...]] [opis DX DY]
//   trafo NR [przez X Y [X Y ...]] [opis DX DY]
//   napis X Y TEKST        free text on the scheme from (X, Y), e.g. "110 kV"
//   bilansujacy NR KV      slack node and its voltage (whole kV)
//   epsilon E              e.g. 0,0001
//   r R                    relaxation parameter, e.g. 1,5
//   zadanie TEKST          one line of the task statement (repeatable)
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

#include "kreator/core/przypadek.h"

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
  // Where the generator circle or the load arrow hangs; none: the usual
  // side (generators above or left, loads below or right).
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

struct OpisUkladu {
  std::string dane, wyjscie;  // as written, relative to the description's folder
  std::string tytul = "Schemat układu";
  int szerokosc = 900, wysokosc = 600;
  std::map<int, OpisWezla> wezly;
  std::map<int, OpisGalezi> linie, trafa;
  std::vector<Napis> napisy;
  std::optional<Bilansujacy> bilansujacy;
  std::optional<std::string> epsilon, r;  // as the student types them: "0,0001"
  std::vector<std::string> zadanie;       // UTF-8 lines
};

inline constexpr int kMaksSzerokosc = 1000;
inline constexpr int kMaksWysokosc = 700;

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

// What does not fit between the description and the loaded data: a node
// without a place, a drawn element the data lack, a slack node that is no
// generator node, a point outside the picture. Empty when all fits.
std::vector<std::string> NiezgodnosciZDanymi(const OpisUkladu& opis, const kreator::Przypadek& p);

}  // namespace zadanie
