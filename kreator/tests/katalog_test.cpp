#include "kreator/core/katalog.h"

#include <gtest/gtest.h>

using namespace kreator;
using Teksty = std::vector<std::string>;

namespace {

class KatalogTest : public ::testing::Test {
 protected:
  KatalogTest() : linie(Tabela::Linie, p, d), trafo(Tabela::Trafo, p, d) {
    p.LiczbaLinii = 3;
    p.LiczbaTransformatorow = 2;
    PrzygotujTabele(p, Tabela::Linie, 3);
    PrzygotujTabele(p, Tabela::Trafo, 2);
  }
  Teksty wiersz(const common::TextGrid& g, int w) const {
    Teksty t;
    for (int k = 1; k < g.colCount(); ++k) t.push_back(g.cell(k, w));
    return t;
  }
  void wpiszPola(Katalog& k, const Teksty& pola) {
    for (std::size_t i = 0; i < pola.size(); ++i) k.ustawPole(static_cast<int>(i), pola[i]);
  }

  Przypadek p;
  common::RecordingDialogService d;
  Katalog linie, trafo;
};

TEST(PozycjeKatalogu, LineItemsInTheirOrderWithSeparators) {
  const auto& poz = PozycjeLinii();
  ASSERT_EQ(poz.size(), 96u);
  const std::pair<int, const char*> oczekiwane[] = {
      {0, "Linia 110kV dowolnej długości"}, {1, "Linia 220kV dowolnej długości"},
      {2, "Linia 400kV dowolnej długości"}, {3, ""},
      {4, "Linia 110kV, długość 10km"},     {33, "Linia 110kV, długość 300km"},
      {34, ""},                              {35, "Linia 220kV, długość 10km"},
      {49, "Linia 220kV, długość 150km"},   {65, ""},
      {66, "Linia 400kV, długość 10km"},    {95, "Linia 400kV, długość 300km"},
  };
  for (auto [i, nazwa] : oczekiwane) EXPECT_EQ(poz[i].nazwa, nazwa) << "pozycja " << i;
  int puste = 0;
  for (const auto& x : poz) puste += x.nazwa.empty();
  EXPECT_EQ(puste, 3);
}

TEST(PozycjeKatalogu, TransformerItemsKeepTheirDoubleBlanks) {
  const auto& poz = PozycjeTrafo();
  ASSERT_EQ(poz.size(), 7u);
  EXPECT_EQ(poz[0].nazwa, "Ug = 405V  Ud = 220V  Sn = 450MVA");
  EXPECT_EQ(poz[4].nazwa, "Ug = 410V  Ud = 245V  Sn = 350MVA");
  EXPECT_EQ(poz[5].nazwa, "Ug = 410V  Ud = 245V  Sn = 330MVA");
  EXPECT_EQ(poz[6].nazwa, "Ug = 231V  Ud = 110V  Sn = 160MVA");
}

// Choosing an entry (with row L1 / T1 chosen) fills the boxes, sets the
// catalogue voltage of a line class and decides whether "Wstaw" is enabled.
TEST_F(KatalogTest, ChoosingAnEntryFillsTheBoxes) {
  struct Proba {
    Tabela tabela;
    const char* pozycja;
    Teksty pola;
    const char* napiecie;
    bool wstaw;
  };
  const Teksty puste5(5, ""), puste7(7, "");
  const Proba tabela[] = {
      {Tabela::Linie, "Linia 220kV, długość 150km", {"0,0552", "0,412", "2,76", "150", "1"}, "220", true},
      {Tabela::Linie, "Linia 110kV dowolnej długości", {"0,08", "0,38", "1,8", "", "1"}, "110", false},
      {Tabela::Linie, "Linia 400kV, długość 300km", {"0,0276", "0,439", "3,2", "300", "1"}, "400", true},
      {Tabela::Linie, "Linia 110kV, długość 10km", {"0,08", "0,38", "1,8", "10", "1"}, "110", true},
      {Tabela::Linie, "", puste5, "", false},
      {Tabela::Linie, "Linia 500kV dowolnej długości", puste5, "", false},
      {Tabela::Linie, "Linia 220kV, długość 15km", puste5, "", false},
      {Tabela::Linie, "linia 110kV dowolnej długości", puste5, "", false},
      {Tabela::Trafo, "Ug = 410V  Ud = 245V  Sn = 330MVA", {"410", "245", "330", "1850", "300", "11,5", "0,8"}, "",
       true},
      {Tabela::Trafo, "Ug = 405V  Ud = 220V  Sn = 450MVA", {"405", "220", "450", "2100", "390", "12,5", "0,9"}, "",
       true},
      {Tabela::Trafo, "Ug = 231V  Ud = 110V  Sn = 160MVA", {"231", "110", "160", "920", "260", "12", "0,6"}, "",
       true},
      {Tabela::Trafo, "Ug = 410V Ud = 245V Sn = 330MVA", puste7, "", false},
  };
  for (const auto& c : tabela) {
    Katalog k(c.tabela, p, d);
    k.otworz(3, 1);
    k.zmienPozycje(c.pozycja);
    EXPECT_EQ(k.pola(), c.pola) << c.pozycja;
    EXPECT_EQ(k.napiecie(), c.napiecie) << c.pozycja;
    EXPECT_EQ(k.wstawAktywny(), c.wstaw) << c.pozycja;
  }
}

// "Wstaw" needs every value box except ToryE, and a row label.
TEST_F(KatalogTest, WstawIsEnabledByTheRequiredBoxesAndTheRow) {
  struct Proba {
    Tabela tabela;
    Teksty pola;
    const char* numer;
    bool wstaw;
  };
  const Proba tabela[] = {
      {Tabela::Linie, {"1", "2", "3", "4", "5"}, "L1", true},
      {Tabela::Linie, {"1", "2", "3", "4", ""}, "L1", true},
      {Tabela::Linie, {"1", "2", "3", "", "5"}, "L1", false},
      {Tabela::Linie, {"", "2", "3", "4", "5"}, "L1", false},
      {Tabela::Linie, {"1", "2", "3", "4", "5"}, "", false},
      {Tabela::Linie, {"1", "2", "3", "4", "5"}, "x", true},  // a bad label is refused only by Wstaw
      {Tabela::Trafo, {"1", "2", "3", "4", "5", "6", "7"}, "T1", true},
      {Tabela::Trafo, {"1", "2", "3", "4", "5", "6", ""}, "T1", false},
      {Tabela::Trafo, {"1", "", "3", "4", "5", "6", "7"}, "T1", false},
      {Tabela::Trafo, {"1", "2", "3", "4", "5", "6", "7"}, "", false},
  };
  for (const auto& c : tabela) {
    Katalog k(c.tabela, p, d);
    k.otworz(2, 1);
    wpiszPola(k, c.pola);
    k.ustawNumer(c.numer);
    EXPECT_EQ(k.wstawAktywny(), c.wstaw) << ::testing::PrintToString(c.pola) << " " << c.numer;
  }
}

TEST_F(KatalogTest, OpeningListsTheRowsAndClearsTheEntryButKeepsTheVoltage) {
  linie.otworz(3, 2);
  EXPECT_EQ(linie.numery(), (Teksty{"L1", "L2", "L3"}));
  EXPECT_EQ(linie.numer(), "L2");
  linie.zmienPozycje("Linia 400kV, długość 20km");
  linie.otworz(3, 3);
  EXPECT_EQ(linie.pozycja(), "");
  EXPECT_EQ(linie.pola(), Teksty(5, ""));
  EXPECT_FALSE(linie.wstawAktywny());
  EXPECT_EQ(linie.numer(), "L3");
  // Typed values inserted now still get the class of the entry chosen before.
  wpiszPola(linie, {"1", "2", "3", "4", "2"});
  ASSERT_TRUE(linie.Wstaw());
  EXPECT_EQ(wiersz(p.LinieSG, 3), (Teksty{"", "", "400", "1", "2", "3", "4", "2"}));

  trafo.otworz(2, 1);
  EXPECT_EQ(trafo.numery(), (Teksty{"T1", "T2"}));
  EXPECT_EQ(trafo.numer(), "T1");
}

// Column 3 comes from the catalogue voltage, never from a box: empty until
// an entry was chosen, and kept when the entry is emptied again.
TEST_F(KatalogTest, ColumnThreeIsTheVoltageOfTheLastEntryChosen) {
  linie.otworz(3, 1);
  wpiszPola(linie, {"0,1", "0,4", "2", "55", "2"});
  ASSERT_TRUE(linie.Wstaw());
  EXPECT_EQ(wiersz(p.LinieSG, 1), (Teksty{"", "", "", "0,1", "0,4", "2", "55", "2"}));

  linie.zmienPozycje("Linia 400kV dowolnej długości");
  linie.zmienPozycje("");
  EXPECT_EQ(linie.pola(), Teksty(5, ""));
  wpiszPola(linie, {"0,1", "0,4", "2", "55", ""});
  ASSERT_TRUE(linie.Wstaw());
  EXPECT_EQ(wiersz(p.LinieSG, 2), (Teksty{"", "", "400", "0,1", "0,4", "2", "55", ""}));
}

// Consecutive insertions walk down the grid and stop at the last row; the
// node columns and the other rows stay as they were.
TEST_F(KatalogTest, InsertionWritesTheRowAndMovesTheChoiceDown) {
  p.LinieSG.setCell(1, 2, "4");
  p.LinieSG.setCell(2, 2, "7");
  p.LinieSG.setCell(4, 1, "stare");
  linie.otworz(3, 2);
  linie.zmienPozycje("Linia 220kV, długość 150km");
  ASSERT_TRUE(linie.Wstaw());
  EXPECT_EQ(wiersz(p.LinieSG, 2), (Teksty{"4", "7", "220", "0,0552", "0,412", "2,76", "150", "1"}));
  EXPECT_EQ(p.LinieSG.cell(4, 1), "stare");
  EXPECT_EQ(wiersz(p.LinieSG, 3), Teksty(8, ""));
  EXPECT_EQ(linie.numer(), "L3");
  EXPECT_EQ(linie.pozycja(), "");
  EXPECT_EQ(linie.pola(), Teksty(5, ""));
  EXPECT_FALSE(linie.wstawAktywny());

  linie.zmienPozycje("Linia 110kV, długość 300km");
  ASSERT_TRUE(linie.Wstaw());
  EXPECT_EQ(wiersz(p.LinieSG, 3), (Teksty{"", "", "110", "0,08", "0,38", "1,8", "300", "1"}));
  EXPECT_EQ(linie.numer(), "L3");
  EXPECT_TRUE(d.wpisy.empty());

  trafo.otworz(2, 1);
  trafo.zmienPozycje("Ug = 410V  Ud = 245V  Sn = 330MVA");
  ASSERT_TRUE(trafo.Wstaw());
  EXPECT_EQ(wiersz(p.TrafoSG, 1), (Teksty{"", "", "410", "245", "330", "1850", "300", "11,5", "0,8"}));
  EXPECT_EQ(trafo.numer(), "T2");
  trafo.zmienPozycje("Ug = 231V  Ud = 110V  Sn = 160MVA");
  ASSERT_TRUE(trafo.Wstaw());
  EXPECT_EQ(wiersz(p.TrafoSG, 2), (Teksty{"", "", "231", "110", "160", "920", "260", "12", "0,6"}));
  EXPECT_EQ(trafo.numer(), "T2");
}

// A label that does not name an existing row is refused with its message;
// nothing is written and the window keeps its entry.
TEST_F(KatalogTest, BadRowLabelsAreRefused) {
  struct Proba {
    Tabela tabela;
    const char* numer;
  };
  const Proba tabela[] = {
      {Tabela::Linie, "L0"}, {Tabela::Linie, "L4"},   {Tabela::Linie, "La"},  {Tabela::Linie, "L2a"},
      {Tabela::Linie, "L"},  {Tabela::Linie, "L2,0"}, {Tabela::Linie, "L-1"}, {Tabela::Linie, "T2"},
      {Tabela::Trafo, "T0"}, {Tabela::Trafo, "T3"},   {Tabela::Trafo, "Tx"},  {Tabela::Trafo, "L1"},
  };
  for (const auto& c : tabela) {
    const bool czyLinie = c.tabela == Tabela::Linie;
    Katalog k(c.tabela, p, d);
    k.otworz(czyLinie ? 3 : 2, 1);
    const char* pozycja = czyLinie ? "Linia 220kV, długość 50km" : "Ug = 420V  Ud = 240V  Sn = 300MVA";
    k.zmienPozycje(pozycja);
    k.ustawNumer(c.numer);
    const std::size_t przed = d.wpisy.size();
    EXPECT_FALSE(k.Wstaw()) << c.numer;
    ASSERT_EQ(d.wpisy.size(), przed + 1) << c.numer;
    EXPECT_EQ(d.wpisy.back().tytul, "Błąd !!!");
    EXPECT_EQ(d.wpisy.back().ikona, common::Ikona::Blad);
    EXPECT_EQ(d.ostatni(), czyLinie ? "Wybrano nieprawidłowy numer linii !!!"
                                    : "Wybrano nieprawidłowy numer transformatora !!!");
    EXPECT_EQ(k.pozycja(), pozycja);
    EXPECT_EQ(k.numer(), c.numer);
  }
  for (int w = 1; w <= 3; ++w) EXPECT_EQ(wiersz(p.LinieSG, w), Teksty(8, "")) << w;
  for (int w = 1; w <= 2; ++w) EXPECT_EQ(wiersz(p.TrafoSG, w), Teksty(9, "")) << w;
}

TEST_F(KatalogTest, WstawWhileDisabledDoesNothing) {
  linie.otworz(3, 1);
  linie.zmienPozycje("Linia 110kV dowolnej długości");
  EXPECT_FALSE(linie.Wstaw());
  linie.ustawNumer("L9");
  EXPECT_FALSE(linie.Wstaw());
  EXPECT_TRUE(d.wpisy.empty());
  EXPECT_EQ(wiersz(p.LinieSG, 1), Teksty(8, ""));
}

}  // namespace
