// The factor charts without a window: what the pointer reads, where the
// readout and the crosshair go, that the drawn curves and grid lie where
// the rules read them, and the instruction lines.
#include <gtest/gtest.h>

#include <cmath>

#include "zwarcia/core/wykresy.h"

using namespace zwarcia;

namespace {

struct Wskazanie {
  int x, y;
  const char* tekst;
};

TEST(WykresRdoX, ReadoutAtTheEdgesOfEveryRule) {
  const Wskazanie przypadki[] = {
      {0, 0, "X=0,50 Y=2,00"},      {38, 222, "X=1,00 Y=1,00"},  {155, 40, "X=10,00 Y=1,82"},
      {309, 89, "X=200,00 Y=1,60"}, {310, 90, "X=0,00 Y=1,60"},  {73, 223, "X=2,00 Y=1,00"},
      {74, 225, "X=2,07 Y=1,00"},   {-1, 224, "X=0,00 Y=1,00"},  {236, 111, "X=50,00 Y=1,50"},
      {237, 200, "X=51,35 Y=1,10"}, {120, 1, "X=5,14 Y=2,00"},   {273, 150, "X=100,00 Y=1,33"},
      {189, 100, "X=20,00 Y=1,55"},
  };
  for (const auto& p : przypadki) EXPECT_EQ(OdczytRdoX(p.x, p.y).tekst, p.tekst) << p.x << ", " << p.y;
}

TEST(WykresRdoX, BottomRowsReadExactlyOne) {
  // The results window accepts κ from 1,0: no row may give less.
  EXPECT_GT(KappaZWiersza(222), 1.0);
  for (int y : {223, 224, 225}) EXPECT_EQ(KappaZWiersza(y), 1.0) << y;
  EXPECT_NEAR(OdczytRdoX(100, 40).pionowo, 1.82, 1e-6);
}

TEST(WykresN, ReadoutAtTheEdgesOfEveryRule) {
  const Wskazanie przypadki[] = {
      {0, 0, "X=0,010 Y=1,98"},    {93, 93, "X=0,030 Y=1,40"},  {94, 94, "X=0,030 Y=1,39"},
      {194, 329, "X=0,100 Y=0,01"}, {388, 165, "X=0,990 Y=0,97"}, {58, 10, "X=0,020 Y=1,92"},
      {59, 10, "X=0,020 Y=1,92"},   {389, 0, "X=0,000 Y=1,98"},  {359, 200, "X=0,700 Y=0,77"},
      {-1, 50, "X=0,000 Y=1,67"},   {117, 20, "X=0,040 Y=1,86"},  {134, 40, "X=0,049 Y=1,73"},
      {162, 60, "X=0,069 Y=1,61"},  {252, 120, "X=0,197 Y=1,24"}, {285, 150, "X=0,297 Y=1,06"},
      {309, 250, "X=0,396 Y=0,47"}, {330, 300, "X=0,491 Y=0,18"},
  };
  for (const auto& p : przypadki) EXPECT_EQ(OdczytN(p.x, p.y).tekst, p.tekst) << p.x << ", " << p.y;
}

TEST(WykresN, TimeNeverFallsToTheRight) {
  for (int x = 0; x < 388; ++x) EXPECT_LE(TkZKolumny(x), TkZKolumny(x + 1)) << x;
}

struct Panel {
  int x, y;
  bool widoczny;
  std::optional<Piksel> polozenie;
};

TEST(WykresRdoX, ReadoutGoesToTheOppositeQuarter) {
  const Panel przypadki[] = {
      {10, 10, true, Piksel{231, 161}},  {200, 10, true, Piksel{77, 166}},   {10, 150, true, Piksel{231, 55}},
      {200, 150, true, Piksel{77, 55}},  {153, 110, true, Piksel{231, 161}}, {154, 111, true, Piksel{77, 55}},
      {308, 50, true, std::nullopt},     {0, 50, true, std::nullopt},        {50, 222, true, std::nullopt},
      {309, 223, true, std::nullopt},    {50, 0, false, std::nullopt},       {310, 100, false, std::nullopt},
      {100, 224, false, std::nullopt},
  };
  for (const auto& p : przypadki) {
    const Odczyt o = OdczytRdoX(p.x, p.y);
    EXPECT_EQ(o.widoczny, p.widoczny) << p.x << ", " << p.y;
    EXPECT_EQ(o.polozenie, p.polozenie) << p.x << ", " << p.y;
  }
}

TEST(WykresN, ReadoutIsCentredOnTheOppositeQuarter) {
  // W = 389, H = 330, panel 89 × 17: halves 194 and 165; left 291,75 − 44,5 + 40
  // and 97,25 − 44,5 + 40, top 247,5 − 8,5 and 82,5 − 8,5.
  const Panel przypadki[] = {
      {10, 10, true, Piksel{287, 239}},  {300, 10, true, Piksel{93, 239}},   {10, 200, true, Piksel{287, 74}},
      {300, 200, true, Piksel{93, 74}},  {193, 164, true, Piksel{287, 239}}, {194, 165, true, Piksel{93, 74}},
      {0, 10, true, std::nullopt},       {388, 328, true, Piksel{93, 74}},   {100, 0, false, std::nullopt},
      {100, 329, false, Piksel{287, 74}},
  };
  for (const auto& p : przypadki) {
    const Odczyt o = OdczytN(p.x, p.y);
    EXPECT_EQ(o.widoczny, p.widoczny) << p.x << ", " << p.y;
    EXPECT_EQ(o.polozenie, p.polozenie) << p.x << ", " << p.y;
  }
}

TEST(Wykresy, CrosshairInWindowPixels) {
  const Odczyt k = OdczytRdoX(10, 20);
  EXPECT_EQ(k.pionowa, (Linia{{56, 15}, {56, 237}}));
  EXPECT_EQ(k.pozioma, (Linia{{46, 34}, {356, 34}}));
  const Odczyt m = OdczytN(10, 20);
  EXPECT_EQ(m.pionowa, (Linia{{55, 3}, {55, 333}}));
  EXPECT_EQ(m.pozioma, (Linia{{47, 23}, {434, 23}}));
}

TEST(Wykresy, StandardCurves) {
  // κ = 1,02 + 0,98·e^(−3/(X/R)), by hand.
  const std::pair<double, double> kappa[] = {{0.5, 1.022429}, {1, 1.068791}, {3, 1.380522},
                                             {10, 1.746002},  {100, 1.971037}};
  for (auto [r, k] : kappa) EXPECT_NEAR(KappaZRdoX(r), k, 2e-6) << r;
  // m = (1 − (κ−1)^(200·Tk)) / (−100·Tk·ln(κ−1)), by hand.
  const std::array<double, 3> m[] = {{1.9, 0.01, 1.803334}, {1.1, 0.01, 0.429952}, {1.5, 0.05, 0.288257},
                                     {1.8, 0.1, 0.442975},  {1.9, 0.5, 0.189819}};
  for (auto [k, t, w] : m) EXPECT_NEAR(MZKappaICzasu(k, t), w, 2e-6) << k << ", " << t;
}

// The value the standard gives, written out here apart from the code.
double Kappa(double r) { return 1.02 + 0.98 * std::exp(-3 / r); }
double M(double k, double t) {
  const double l = std::log(k - 1);
  return (std::exp(200 * t * l) - 1) / (100 * t * l);
}

TEST(WykresRdoX, ClickOnTheDrawnCurveReadsTheStandardsValue) {
  // X/R and κ by hand.
  const std::pair<double, double> punkty[] = {{0.5, 1.022429}, {1, 1.068791},  {2, 1.238668},
                                              {3, 1.380522},   {5, 1.557835},  {10, 1.746002},
                                              {30, 1.906741},  {100, 1.971037}, {200, 1.985410}};
  for (auto [r, k] : punkty) {
    const Piksel p = PikselKrzywejKappa(r);
    const double rOdczyt = RdoXZKolumny(p.x), kOdczyt = KappaZWiersza(p.y);
    // One column is at most 3,3 % of X/R on this axis, one row 0,0045 of κ.
    EXPECT_NEAR(std::log(rOdczyt / r), 0, 0.033) << r;
    EXPECT_NEAR(kOdczyt, Kappa(rOdczyt), 0.0046) << r;
    EXPECT_NEAR(kOdczyt, k, 0.01) << r;
  }
}

TEST(WykresN, ClickOnTheDrawnCurvesReadsTheStandardsValue) {
  // κ, Tk and m by hand.
  const std::array<double, 3> punkty[] = {{1.9, 0.01, 1.803334}, {1.1, 0.01, 0.429952}, {1.7, 0.03, 0.824608},
                                          {1.3, 0.02, 0.411928}, {1.5, 0.05, 0.288257}, {1.6, 0.07, 0.279440},
                                          {1.8, 0.1, 0.442975},  {1.9, 0.2, 0.467547},  {1.9, 0.5, 0.189819}};
  for (auto [k, t, m] : punkty) {
    const Piksel p = PikselKrzywejM(k, t);
    const double tOdczyt = TkZKolumny(p.x), mOdczyt = MZWiersza(p.y);
    // One column is at most 1,7 % of Tk, one row 0,00625 of m.
    EXPECT_NEAR(std::log(tOdczyt / t), 0, 0.017) << k << ", " << t;
    EXPECT_NEAR(mOdczyt, M(k, tOdczyt), 0.00625) << k << ", " << t;
    EXPECT_NEAR(mOdczyt, m, 0.01) << k << ", " << t;
  }
}

// A grid line is drawn at the pixel that reads its value most closely (two
// pixels that agree to the rules' eight digits are equally good).
template <class F>
void NajblizszyPiksel(F odczyt, double polozenie, double wartosc, int ostatni) {
  const int p = static_cast<int>(std::lround(polozenie));
  for (int s : {p - 1, p + 1})
    if (s >= 0 && s <= ostatni) {
      EXPECT_LE(std::abs(odczyt(p) - wartosc), std::abs(odczyt(s) - wartosc) + 1e-7) << wartosc;
    }
}

TEST(Wykresy, GridLinesLieWhereTheRulesReadThem) {
  for (double r : kSiatkaRdoX) NajblizszyPiksel(RdoXZKolumny, KolumnaRdoX(r), r, 309);
  for (double k : kSiatkaKappa) NajblizszyPiksel(KappaZWiersza, WierszKappa(k), k, 222);
  for (double t : SiatkaTk())
    if (t < 1) NajblizszyPiksel(TkZKolumny, KolumnaTk(t), t, 388);
  for (int i = 1; i <= 9; ++i) NajblizszyPiksel(MZWiersza, WierszM(0.2 * i), 0.2 * i, 329);
  // Hand positions of a few: X/R 10 at column 155, κ 1,0 at row 223, Tk 0,1 s
  // at column 194 (the rule's 0,07 + 31 · 0,000967741), m 1,4 at row 93.
  EXPECT_EQ(std::lround(KolumnaRdoX(10)), 155);
  EXPECT_EQ(std::lround(WierszKappa(1.0)), 223);
  EXPECT_EQ(std::lround(KolumnaTk(0.1)), 194);
  EXPECT_EQ(std::lround(WierszM(1.4)), 93);
}

TEST(Wykresy, InstructionLines) {
  EXPECT_EQ(InstrukcjaRdoX("12,3718857570036"),
            (std::array<std::string, 2>{"Dla X/R = 12,37 na osi poziomej (OX) wyznaczyć",
                                        "współczynnik udaru x na osi pionowej (OY)"}));
  EXPECT_EQ(InstrukcjaRdoX("0,5")[0], "Dla X/R = 0,50 na osi poziomej (OX) wyznaczyć");
  // Without resistance there is nothing to find on the chart: κ is typed.
  const auto nieskonczony = InstrukcjaRdoX("∞");
  EXPECT_EQ(nieskonczony[0].find("Dla X/R = "), std::string::npos);
  EXPECT_NE((nieskonczony[0] + nieskonczony[1]).find("wpisz"), std::string::npos);

  const std::string druga = " na osi poziomej (OX), wyznaczyć współczynnik m na osi pionowej (OY)";
  const std::array<const char*, 3> n[] = {
      {"1,8", "0,5", "Dla x=1,8 (1,8) przyjętego na jednej z krzywych i czasu trwania zwarcia Tk=0,5s"},
      {"1,85", "0,25", "Dla x=1,9 (1,85) przyjętego na jednej z krzywych i czasu trwania zwarcia Tk=0,25s"},
      {"1,84", "1", "Dla x=1,8 (1,84) przyjętego na jednej z krzywych i czasu trwania zwarcia Tk=1s"},
      {"2", "0,1", "Dla x=2,0 (2) przyjętego na jednej z krzywych i czasu trwania zwarcia Tk=0,1s"},
  };
  for (auto [k, t, l1] : n) EXPECT_EQ(InstrukcjaN(k, t), (std::array<std::string, 2>{l1, druga})) << k;
}

}  // namespace
