#include "common/core/okno.h"

#include "common/core/liczby.h"

namespace common {

Prostokat Wysrodkuj(int szerokoscEkranu, int wysokoscEkranu, int szerokosc, int wysokosc) {
  auto polowa = [](int wolne) { return static_cast<int>(ZaokraglijDoParzystej(wolne / 2.0)); };
  return {polowa(szerokoscEkranu - szerokosc), polowa(wysokoscEkranu - wysokosc), szerokosc, wysokosc};
}

}  // namespace common
