// Placement rules shared by the windows of both programs.
#pragma once

namespace common {

struct Prostokat {
  int lewo, gora, szerokosc, wysokosc;
};

// A window of the given size centred on the screen: each offset is half the
// free space, rounded to the nearest integer (halves to the even neighbour).
Prostokat Wysrodkuj(int szerokoscEkranu, int wysokoscEkranu, int szerokosc, int wysokosc);

}  // namespace common
