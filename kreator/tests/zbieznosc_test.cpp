#include "kreator/core/zbieznosc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>

#include "kreator/core/okno_wynikow.h"
#include "kreator/tests/przypadki.h"

using namespace kreator;

TEST(WykresZbieznosci, BothRunsOfTheTwoNodeCaseTheFirstSweepByHand) {
  // The two-node case: Zb = 115,5²/100 = 133,4025 Ω, y = Zb/(6 + j20) = 1,835814 − j6,119381,
  // B/2 = 70 µS · Zb = 0,009338; Y21 = −y, Y22 = y + jB/2 = 1,835814 − j6,110043.
  // Start: U1 = U2 = 110/115,5 = 0,952381; S2 = −(50 + j20)/100 = −0,5 − j0,2.
  // Sweep 1: S2*/U2* = −0,525 + j0,21; Y21·U1 = −1,748394 + j5,827982;
  //   (S2*/U2* − Y21·U1)/Y22 = (1,223394 − j5,617982)/(1,835814 − j6,110043) = 0,898513 − j0,069739;
  //   U2' = U2 + 1,5·(0,898513 − j0,069739 − U2) = 0,871579 − j0,104609;
  //   change |U2' − U2| = 1,5·|−0,053868 − j0,069739| = 1,5·0,088121 = 0,132181 j.w.
  // Mismatch after it: I2 = Y21·U1 + Y22·U2' = (−1,748394 + j5,827982) + (0,960894 − j5,517429)
  //   = −0,787500 + j0,310553; U2'·I2* = −0,718855 − j0,188292; ΔS = U2'·I2* − S2 = −0,218855 + j0,011708;
  //   |ΔS| = 0,219168 j.w. = 21,9168 MVA.
  const Zbieznosc z = ObliczZbieznosc(testy::DwaWezly());
  ASSERT_EQ(z.blad, "");
  const SeriaZbieznosci& gs = z.serie[0];
  const SeriaZbieznosci& nr = z.serie[1];
  ASSERT_EQ(gs.metoda, MetodaRozplywu::GaussSeidel);
  ASSERT_EQ(nr.metoda, MetodaRozplywu::NewtonRaphson);
  ASSERT_TRUE(gs.zbiezna) << gs.blad;
  ASSERT_GE(gs.kroki.size(), 2u);
  EXPECT_NEAR(gs.kroki[0].zmiana, 0.132181, 2e-6);
  EXPECT_NEAR(gs.kroki[0].niezbilansowanie, 21.9168, 1e-4);
  // The lines to get under: epsilon 1e-10 per unit, and on 100 MVA 1e-8 MVA.
  EXPECT_DOUBLE_EQ(z.prog(Wielkosc::Zmiana), 1e-10);
  EXPECT_DOUBLE_EQ(z.prog(Wielkosc::Niezbilansowanie), 1e-8);
  EXPECT_LT(gs.kroki.back().zmiana, 1e-10);
  EXPECT_LT(gs.kroki.back().niezbilansowanie, 1e-8);
  EXPECT_EQ(gs.opis, "Gauss-Seidel (r = 1,5): zbieżność po " + std::to_string(gs.kroki.size()) + " krokach");
  // Newton-Raphson on the same case: a curve of its own that gets under the line in a few iterations.
  ASSERT_TRUE(nr.zbiezna) << nr.blad;
  ASSERT_FALSE(nr.kroki.empty());
  EXPECT_LE(nr.kroki.size(), 6u);
  EXPECT_LT(nr.kroki.back().niezbilansowanie, 1e-8);
  EXPECT_EQ(z.liczbaKrokow(), int(gs.kroki.size()));
  // The mismatch pane reaches from 21,9 MVA (under 10²) to below epsilon (10⁻⁸).
  const OsLogarytmiczna os = ZakresOsi(z, Wielkosc::Niezbilansowanie);
  EXPECT_EQ(os.gorna, 2);
  EXPECT_LE(os.dolna, -8);
}

TEST(WykresZbieznosci, TheLogAxisCoversWholeDecades) {
  const double inf = std::numeric_limits<double>::infinity(), nan = std::numeric_limits<double>::quiet_NaN();
  struct Wpis {
    std::vector<double> wartosci;
    OsLogarytmiczna os;
  } tabela[] = {
      {{0.132, 1e-10}, {-10, 0}},
      {{12.3, 0.004}, {-3, 2}},              // log10 12,3 = 1,09 up to 2; log10 0,004 = −2,4 down to −3
      {{0.001}, {-3, -2}},                   // a value on a decade still gets a whole one
      {{0, -1, 5e-7, 0.5}, {-7, 0}},         // zero and negatives leave the range alone
      {{inf, nan, 1000}, {3, 4}},            // so do the values of a run that ran away
      {{1e-20, 1}, {kNajnizszaDekada, 0}},   // below the rounding noise: at the bottom
      {{1e-20}, {kNajnizszaDekada, kNajnizszaDekada + 1}},
      {{1e40, 1e-3}, {-3, kNajwyzszaDekada}},
      {{1e40}, {kNajwyzszaDekada - 1, kNajwyzszaDekada}},
      {{}, {-1, 0}},
  };
  for (const Wpis& w : tabela) {
    const OsLogarytmiczna os = ZakresOsi(w.wartosci);
    EXPECT_EQ(os.dolna, w.os.dolna) << w.wartosci.size() << " wartości, pierwsza " << (w.wartosci.empty() ? 0 : w.wartosci[0]);
    EXPECT_EQ(os.gorna, w.os.gorna) << w.wartosci.size() << " wartości, pierwsza " << (w.wartosci.empty() ? 0 : w.wartosci[0]);
  }
  // On 10⁻¹⁰ … 10⁰: 10⁻⁵ in the middle, 10⁻² at 8/10; zero and below on the floor, infinity at the top.
  const OsLogarytmiczna os{-10, 0};
  EXPECT_NEAR(PolozenieNaOsi(os, 1e-5), 0.5, 1e-12);
  EXPECT_NEAR(PolozenieNaOsi(os, 1e-2), 0.8, 1e-12);
  EXPECT_EQ(PolozenieNaOsi(os, 0), 0);
  EXPECT_EQ(PolozenieNaOsi(os, -3), 0);
  EXPECT_EQ(PolozenieNaOsi(os, 1e-14), 0);
  EXPECT_EQ(PolozenieNaOsi(os, inf), 1);
  EXPECT_EQ(PolozenieNaOsi(os, 50), 1);
  for (auto [wykladnik, napis] : {std::pair{-6, "10⁻⁶"}, {0, "10⁰"}, {2, "10²"}, {-12, "10⁻¹²"}})
    EXPECT_EQ(NapisDekady(wykladnik), napis);
  // Labelled ticks: 1000 steps with room for 11 labels every 100; 57 with room for 8 every 10;
  // 16 decades with room for 5 every 5; 4 steps with room for 9 every one.
  for (auto [dlugosc, mieszczace, krok] : {std::tuple{1000, 11, 100}, {57, 8, 10}, {16, 5, 5}, {4, 9, 1}, {3, 0, 5}})
    EXPECT_EQ(KrokPodzialki(dlugosc, mieszczace), krok) << dlugosc << " " << mieszczace;
}

TEST(WykresZbieznosci, ThePointUnderThePointerAndItsText) {
  Zbieznosc z;
  z.epsilon = 1e-4;
  z.mocBazowa = 100;
  z.serie[0].metoda = MetodaRozplywu::GaussSeidel;
  z.serie[0].kroki = {{0.1, 50}, {1e-3, 2}, {1.234e-5, 0.0123}};
  z.serie[1].metoda = MetodaRozplywu::NewtonRaphson;
  z.serie[1].kroki = {{0.12, 40}, {2.5e-3, 4.567e-9}};
  // On 10⁻¹⁰ … 10² a value v stands at (log10 v + 10)/12. Mismatch of step 1: GS 50 MVA at 0,9749,
  // NR 40 MVA at 0,9668; of step 2: GS 2 MVA at 0,8584, NR 4,567e-9 MVA at 0,1383. Change of
  // step 1: GS 0,1 at 0,75, NR 0,12 at 0,7566.
  const OsLogarytmiczna os{-10, 2};
  struct Wpis {
    Wielkosc wielkosc;
    double x, y;
    Punkt punkt;
  } tabela[] = {
      {Wielkosc::Niezbilansowanie, 1.2, 0.95, {1, 1}},  // both have step 1; NR's 0,9668 is nearer 0,95
      {Wielkosc::Niezbilansowanie, 2.4, 0.1, {1, 2}},   // step 2 low down: NR
      {Wielkosc::Niezbilansowanie, 2.4, 0.9, {0, 2}},   // step 2 high up: GS
      {Wielkosc::Niezbilansowanie, 2.6, 0.1, {0, 3}},   // step 3: only GS has it, however low
      {Wielkosc::Niezbilansowanie, 40, 0.5, {0, 3}},    // past the axis: the last step
      {Wielkosc::Zmiana, -5, 0.0, {0, 1}},              // before it: step 1; GS's 0,75 is nearer 0
  };
  for (const Wpis& w : tabela) {
    const auto p = NajblizszyPunkt(z, w.wielkosc, os, w.x, w.y);
    ASSERT_TRUE(p.has_value()) << w.x << " " << w.y;
    EXPECT_EQ(*p, w.punkt) << w.x << " " << w.y;
  }
  EXPECT_FALSE(NajblizszyPunkt(Zbieznosc{}, Wielkosc::Zmiana, os, 1, 0.5).has_value());

  EXPECT_EQ(OpisPunktu(z, {0, 3}),
            "krok 3 (Gauss-Seidel): największa zmiana napięcia 1,234E-05 j.w., niezbilansowanie 0,0123 MVA");
  EXPECT_EQ(OpisPunktu(z, {1, 2}),
            "iteracja 2 (Newton-Raphson): największa zmiana napięcia 2,500E-03 j.w., niezbilansowanie 4,567E-09 MVA");
  EXPECT_EQ(OpisPunktu(z, {0, 1}),
            "krok 1 (Gauss-Seidel): największa zmiana napięcia 1,000E-01 j.w., niezbilansowanie 50,0000 MVA");
  EXPECT_EQ(OpisProgu(z, Wielkosc::Zmiana), "epsilon = 0,0001 j.w.");
  EXPECT_EQ(OpisProgu(z, Wielkosc::Niezbilansowanie), "epsilon · MocBazowa = 0,01 MVA");
}

TEST(WykresZbieznosci, SavingThePictureChecksTheName) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "kreator_zbieznosc_test";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  common::RecordingDialogService d;
  ZapisWykresu zapis(d);
  auto png = [] { return std::string("\x89PNG obraz", 10); };

  d.nazwyPlikow = {(folder / "wykres.bmp").string()};
  EXPECT_FALSE(zapis.Zapisz(png));
  EXPECT_EQ(d.ostatni(), kZleRozszerzenie);
  EXPECT_FALSE(std::filesystem::exists(folder / "wykres.bmp"));

  d.nazwyPlikow = {(folder / "wykres").string()};  // no extension: the picture's own
  EXPECT_TRUE(zapis.Zapisz(png));
  EXPECT_EQ(std::filesystem::file_size(folder / "wykres.png"), 10u);
  EXPECT_EQ(d.dialogiZapisu.back().filtr, "Obraz PNG (*.png)");

  d.nazwyPlikow = {(folder / "brak" / "wykres.png").string()};  // a folder that is not there
  EXPECT_FALSE(zapis.Zapisz(png));
  EXPECT_EQ(d.ostatni().rfind("Nie mogę zapisać pliku. Wystąpił błąd nr ", 0), 0u) << d.ostatni();
  EXPECT_EQ(d.dialogiZapisu.back().nazwa, (folder / "wykres.png").string());  // the last name offered again
  std::filesystem::remove_all(folder);
}
