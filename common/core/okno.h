// Placement rules shared by the windows of both programs.
#pragma once

#include <optional>

namespace common {

struct Prostokat {
  int lewo, gora, szerokosc, wysokosc;
};

// What the window manager adds around a window's inside: borders and title bar.
struct Ramka {
  int lewo = 0, gora = 0, prawo = 0, dol = 0;
};

// A window of the given size centred on the screen: each offset is half the
// free space, rounded to the nearest integer (halves to the even neighbour).
Prostokat Wysrodkuj(int szerokoscEkranu, int wysokoscEkranu, int szerokosc, int wysokosc);

// The whole window, frame included, around the inside `wnetrze`.
Prostokat ZRamka(const Prostokat& wnetrze, const Ramka& ramka);

// The inside `chciane` moved and, where it must, shrunk so that the whole
// window, frame included, lies within `obszar` (the screen less its panels):
// a window asked for partly off the screen opens where its title bar, close
// box and buttons can be reached.
Prostokat ZmiescWObszarze(const Prostokat& chciane, const Ramka& ramka, const Prostokat& obszar);

// True when the two rectangles share some area.
bool Nachodza(const Prostokat& a, const Prostokat& b);

enum class Strona { Prawa, Lewa, Dol, Gora };

// The inside of a window `szerokosc` × `wysokosc` opened on one side of
// `zajete` (a whole window, frame included) so that it covers nothing of it
// and lies, frame included, within `obszar`: beside it aligned with its top,
// or under or over it aligned with its left edge. Where the side is lower
// than `wysokosc` the window gets what is there, down to `minWysokosc`.
// Nothing when that side has no room.
std::optional<Prostokat> ObokOkna(const Prostokat& zajete, Strona strona, int szerokosc, int wysokosc,
                                  int minWysokosc, const Ramka& ramka, const Prostokat& obszar);

}  // namespace common
