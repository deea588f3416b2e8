// Where windows open: inside the screen's work area, and beside one another.
#include <gtest/gtest.h>

#include "common/core/okno.h"

using namespace common;

namespace {
void Rowne(const Prostokat& a, const Prostokat& b) {
  EXPECT_EQ(a.lewo, b.lewo);
  EXPECT_EQ(a.gora, b.gora);
  EXPECT_EQ(a.szerokosc, b.szerokosc);
  EXPECT_EQ(a.wysokosc, b.wysokosc);
}
}  // namespace

TEST(ZmiescWObszarze, TheWholeFrameStaysOnTheWorkArea) {
  const Ramka r{1, 24, 1, 1};
  struct Przypadek {
    Prostokat chciane, obszar, wynik;
  } przypadki[] = {
      // The inside at 10,10 would put the 24-pixel title bar above the screen: down to 24.
      {{10, 10, 300, 200}, {0, 0, 1280, 800}, {10, 24, 300, 200}},
      // Past the bottom right: 1280 - 1 - 400 = 879, 800 - 1 - 300 = 499.
      {{1000, 700, 400, 300}, {0, 0, 1280, 800}, {879, 499, 400, 300}},
      // Larger than the screen: 1280 - 2 = 1278 wide, 800 - 25 = 775 high, at 1,24.
      {{0, 0, 2000, 1000}, {0, 0, 1280, 800}, {1, 24, 1278, 775}},
      // A panel takes the top 30 pixels: the title bar starts at 30, the inside at 54.
      {{10, 10, 100, 100}, {0, 30, 1024, 738}, {10, 54, 100, 100}},
  };
  for (const auto& p : przypadki) Rowne(ZmiescWObszarze(p.chciane, r, p.obszar), p.wynik);
}

TEST(ObokOkna, BesideWhenThereIsRoomElseUnderOrOver) {
  const Ramka r{1, 24, 1, 1};
  const Prostokat ekran{0, 0, 1280, 800};
  const Prostokat wynik{440, 275, 400, 250};  // a centred window, frame included
  struct Przypadek {
    Strona strona;
    int szer, wys, min;
    std::optional<Prostokat> oczekiwane;
  } przypadki[] = {
      // 440 + 400 + 4 = 844; 844 + 642 = 1486 > 1280: no room on the right.
      {Strona::Prawa, 640, 600, 200, std::nullopt},
      // 440 - 4 - 642 < 0: none on the left.
      {Strona::Lewa, 640, 600, 200, std::nullopt},
      // Under it from 275 + 250 + 4 = 529 to 800: 271 - 25 = 246 high, left at 440 + 1.
      {Strona::Dol, 640, 600, 200, Prostokat{441, 553, 640, 246}},
      // Over it: the same 246, the frame ending 4 pixels above 275: 275 - 4 - 271 = 0.
      {Strona::Gora, 640, 600, 200, Prostokat{441, 24, 640, 246}},
      // 246 is less than the 300 asked for at least.
      {Strona::Dol, 640, 600, 300, std::nullopt},
      // A small window fits on the right at 844 + 1, its top with the other's 275 + 24.
      {Strona::Prawa, 300, 200, 200, Prostokat{845, 299, 300, 200}},
  };
  for (const auto& p : przypadki) {
    const auto o = ObokOkna(wynik, p.strona, p.szer, p.wys, p.min, r, ekran);
    ASSERT_EQ(o.has_value(), p.oczekiwane.has_value());
    if (o) {
      Rowne(*o, *p.oczekiwane);
      EXPECT_FALSE(Nachodza(ZRamka(*o, r), wynik));
    }
  }
}
