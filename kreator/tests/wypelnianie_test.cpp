// The column-fill menu's rules: suggestions, codes, the header hit test,
// the menu's place and the fill of the line table.
#include "kreator/core/wypelnianie.h"

#include <gtest/gtest.h>

using namespace kreator;

namespace {

// Column 0 is 30 wide, the data columns 70 each: S = 30, 100, ..., 590.
const KoniecKolumn kRowne{30, 100, 170, 240, 310, 380, 450, 520, 590};
// Columns 6 and 7 only 5 wide, so the extended ranges reach across them.
const KoniecKolumn kWaskie{30, 100, 170, 240, 310, 380, 385, 390, 460};

TEST(Wypelnianie, PodpowiedziIKodyKolumn) {
  struct Wiersz {
    int kolumna;
    const char* kod;
    size_t liczba;
    const char *pierwsza, *ostatnia, *domyslna;
  } wiersze[] = {
      {3, "04", 3, "400", "110", "220"},     {4, "05", 3, "0,0276", "0,08", "0,0552"},
      {5, "06", 3, "0,439", "0,38", "0,412"}, {6, "07", 3, "3,2", "1,8", "2,76"},
      {7, "08", 30, "10", "300", "100"},      {8, "09", 3, "1", "3", "1"},
  };
  for (const auto& p : wiersze) {
    SCOPED_TRACE(p.kolumna);
    const PodpowiedziKolumny podp = Podpowiedzi(p.kolumna);
    ASSERT_EQ(podp.pozycje.size(), p.liczba);
    EXPECT_EQ(podp.pozycje.front(), p.pierwsza);
    EXPECT_EQ(podp.pozycje.back(), p.ostatnia);
    EXPECT_EQ(podp.domyslna, p.domyslna);
    EXPECT_EQ(KodKolumny(p.kolumna), p.kod);
    EXPECT_EQ(KolumnaZKodu(p.kod), p.kolumna);
  }
  // The middle values of the short lists are the 220 kV ones.
  EXPECT_EQ(Podpowiedzi(4).pozycje[1], "0,0552");
  EXPECT_EQ(Podpowiedzi(6).pozycje[1], "2,76");
  // The lengths go up in steps of 10 km.
  const auto dlugosci = Podpowiedzi(7).pozycje;
  for (size_t i = 0; i < dlugosci.size(); ++i) EXPECT_EQ(dlugosci[i], std::to_string(10 * (i + 1)));

  // Columns without a menu, and codes that fill nothing.
  for (int k : {0, 1, 2, 9}) {
    EXPECT_TRUE(Podpowiedzi(k).pozycje.empty()) << k;
    EXPECT_EQ(KodKolumny(k), "") << k;
  }
  for (const char* kod : {"", "03", "10", "4", "004", "05 "}) EXPECT_EQ(KolumnaZKodu(kod), 0) << kod;
}

TEST(Wypelnianie, KolumnaPodKursoremNaGranicachIZapasach) {
  const int h = 36;
  struct Wiersz {
    const KoniecKolumn* S;
    int x, y, kolumna;
  } wiersze[] = {
      // Columns 0 to 2: nothing.
      {&kRowne, 10, 5, 0}, {&kRowne, 60, 5, 0}, {&kRowne, 170, 5, 0},
      // A border belongs to the column on its left.
      {&kRowne, 171, 5, 3}, {&kRowne, 240, 5, 3}, {&kRowne, 241, 5, 4}, {&kRowne, 310, 5, 4},
      // Columns 5 to 7 reach 10 pixels past their right edge, and the
      // first range that holds wins over the next column.
      {&kRowne, 311, 5, 5}, {&kRowne, 390, 5, 5}, {&kRowne, 391, 5, 6}, {&kRowne, 460, 5, 6},
      {&kRowne, 461, 5, 7}, {&kRowne, 530, 5, 7}, {&kRowne, 531, 5, 8},
      // Column 8 reaches 20 past its edge; beyond that nothing.
      {&kRowne, 610, 5, 8}, {&kRowne, 611, 5, 0},
      // Only above the height of row 0.
      {&kRowne, 200, 0, 3}, {&kRowne, 200, h - 1, 3}, {&kRowne, 200, h, 0}, {&kRowne, 200, 50, 0},
      // Narrow columns 6 and 7: the earlier column's extension takes over
      // the whole of a narrower neighbour.
      {&kWaskie, 386, 5, 5}, {&kWaskie, 390, 5, 5}, {&kWaskie, 391, 5, 6}, {&kWaskie, 395, 5, 6},
      {&kWaskie, 396, 5, 7}, {&kWaskie, 400, 5, 7}, {&kWaskie, 401, 5, 8}, {&kWaskie, 480, 5, 8},
      {&kWaskie, 481, 5, 0},
  };
  for (const auto& p : wiersze)
    EXPECT_EQ(KolumnaPodKursorem(p.x, p.y, h, *p.S), p.kolumna) << "x=" << p.x << " y=" << p.y;
}

TEST(Wypelnianie, PolozenieMenu) {
  const int szer = 170;
  EXPECT_EQ(GoraMenu(36), 39);
  struct Wiersz {
    int kolumna, lewo;
  } wiersze[] = {
      {3, 173},              // S(2) + 3
      {4, 243}, {5, 313},
      {6, 383},              // S(5) + 3
      {7, 520 - szer + 8},   // right edge 8 past the column's right edge
      {8, 590 - szer + 10},  // and 10 for the last column
      {2, 0}, {9, 0},
  };
  for (const auto& p : wiersze) EXPECT_EQ(LewaKrawedzMenu(p.kolumna, szer, kRowne), p.lewo) << p.kolumna;
}

TEST(Wypelnianie, WypelniaTylkoWierszeLiniiWybranejKolumny) {
  Przypadek p;
  PrzygotujTabele(p, Tabela::Linie, 4);
  for (int w = 1; w <= 4; ++w)
    for (int k = 1; k < kKolumnyLinii; ++k) p.LinieSG.setCell(k, w, "x");
  // Three lines now: row 4 keeps its old text for when the count grows again.
  p.LiczbaLinii = 3;
  PrzygotujTabele(p, Tabela::Linie, 3);
  const common::TextGrid przed = p.LinieSG;

  ASSERT_TRUE(WypelnijKolumne(p, "05", "0,08"));
  for (int w = 0; w <= 4; ++w)
    for (int k = 0; k < kKolumnyLinii; ++k) {
      const bool wypelniona = k == 4 && w >= 1 && w <= 3;
      EXPECT_EQ(p.LinieSG.cell(k, w), wypelniona ? "0,08" : przed.cell(k, w)) << k << "," << w;
    }

  // The last column too, replacing what was there.
  ASSERT_TRUE(WypelnijKolumne(p, "09", "2"));
  EXPECT_EQ(p.LinieSG.cell(8, 3), "2");
  EXPECT_EQ(p.LinieSG.cell(8, 4), "x");

  // An unknown code, or no lines entered yet: nothing is written.
  const common::TextGrid po = p.LinieSG;
  EXPECT_FALSE(WypelnijKolumne(p, "03", "7"));
  p.LiczbaLinii = -1;
  EXPECT_TRUE(WypelnijKolumne(p, "04", "7"));
  for (int w = 0; w <= 4; ++w)
    for (int k = 0; k < kKolumnyLinii; ++k) EXPECT_EQ(p.LinieSG.cell(k, w), po.cell(k, w)) << k << "," << w;
}

}  // namespace
