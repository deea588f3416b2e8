#include "kreator/core/raport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <complex>

#include "kreator/tests/przypadki.h"

using namespace kreator;
using namespace kreator::testy;

namespace {


// A result by hand: node k at voltage U[k-1] (per unit) injecting S[k-1] (per unit).
WynikRozplywu Wynik(std::vector<std::complex<double>> U, std::vector<std::complex<double>> S, double napiecieBazowe) {
  WynikRozplywu w;
  w.baza.NapiecieBazowe = napiecieBazowe;
  w.baza.MocBazowa = 100;
  for (auto u : U) w.URe.push_back(u.real()), w.UIm.push_back(u.imag());
  for (auto s : S) w.SRe.push_back(s.real()), w.SIm.push_back(s.imag());
  return w;
}

std::string B(int n) { return std::string(size_t(n), ' '); }
const std::string kSep(73, '-');

size_t Indeks(const std::vector<std::string>& r, const std::string& linia) {
  return size_t(std::find(r.begin(), r.end(), linia) - r.begin());
}

std::vector<std::string> Wycinek(const std::vector<std::string>& r, size_t od, size_t ile) {
  if (od + ile > r.size()) return {};
  return {r.begin() + long(od), r.begin() + long(od + ile)};
}

}  // namespace

TEST(Raport, WorkedExampleEveryLine) {
  const Przypadek p = DwaWezly();
  const WynikRozplywu w = ObliczRozplyw(p);
  ASSERT_TRUE(w.zbiezny) << w.blad;
  // Result lines from the independent Newton solution: U1 = 110 kV at 0 rad, taken
  // −51,6232 MW, −23,8209 Mvar; U2 = 103,0134 kV at −0,07813 rad, taken 50 MW, 20 Mvar.
  // Pieces: 11 blanks, "%4d", 18 blanks, |U|, 39 (φ ≥ 0) or 38 (φ < 0) blanks, φ,
  // 27 blanks, 3 (P ≥ 0) or 2 blanks, P, 17 blanks, 4 (Q ≥ 0) or 2 blanks, Q.
  const std::string wezel1 =
      B(11) + "   1" + B(18) + "110,000 " + B(39) + "0,000 " + B(27) + B(2) + "-51,623 " + B(17) + B(2) + "-23,821 ";
  const std::string wezel2 =
      B(11) + "   2" + B(18) + "103,013 " + B(38) + "-0,078 " + B(27) + B(3) + "50,000 " + B(17) + B(4) + "20,000 ";
  const std::vector<std::string> oczekiwane = {
      "                     OBLICZANIE  ROZPŁYW  MOCY ",
      std::string(67, '='),
      "",
      "",
      "W układzie jak na rysunku wyznaczyć:",
      "  1. moc czynną i bierną węzła bilansującego",
      "  2. fazę napięć i moc bierną węzłów elektrownianych",
      "  3. wartości skuteczne i fazę napięć w węzłach obciążeniowych",
      "",
      "",
      " Dane wprowadzonego układu:",
      kSep,
      " Liczba węzłów sieci: 2",
      " Liczba węzłów elektrownianych: 1",
      " Liczba węzłów obciążeniowych: 1",
      " Liczba transformatorów: 0",
      " Liczba linii: 1",
      kSep,
      " Dane transformatorów:",
      kSep,
      " Dane linii:",
      "",
      "     Linia nr L1",
      "         numer węzła na początku linii 1",
      "         numer węzła na końcu linii 2",
      "         napięcie znamionowe Un=110 kV",
      "         rezystancja jednostkowa R`=0,12 om/km",
      "         reaktancja jednostkowa X`=0,4 om/km",
      "         susceptancja jednostkowa B`=2,8 µS/km",
      "         długość linii l=50 km",
      "         ilość torów 1",
      kSep,
      " Dane węzłów elektrownianych:",
      "",
      "    Węzeł nr 1",
      "         numer węzła 1",
      "         wartość skuteczna napięcia Un=110 kV",
      "         moc czynna dostarczona Sn=0 MW",
      kSep,
      " Dane węzłów obciążeniowych:",
      "",
      "    Węzeł nr 1",
      "         numer węzła 2",
      "         moc czynna odbierana w węźle P=50 MW",
      "         moc bierna odbierana w węźle Q=20 Mvar",
      "",
      kSep,
      " Dane procesu iteracyjnego:",
      "         numer węzła elektrownianego bilansującego 1",
      "         wartość skuteczna napięcia w węźle bilansującym Un=110 kV",
      "         dopuszczalna różnica między dwoma ostatnimi krokami \"epsilon\" 1E-10",
      "         metoda Gaussa-Seidla",
      "         parametr relaksacji \"r\" 1,5",
      "         liczba wykonanych kroków iteracyjnych " + std::to_string(w.iteracje),
      "         największe niezbilansowanie mocy 0,0000 MVA (węzeł nr 2)",
      "",
      kSep,
      "Otrzymane wyniki:",
      "         węzeł       wartość skuteczna                  faza początkowa           moc czynna              moc bierna",
      "         numer      napięcia węźle Un [kV]         napięcia [rad]                        [MW]                        [Mvar]",
      wezel1,
      wezel2,
      "",
      kSep,
      "Przepływy mocy w gałęziach:",
      "  gałąź   od   do    P od [MW]  Q od [Mvar]    P do [MW]  Q do [Mvar]      dP [MW]    dQ [Mvar]    I od [kA]"
      "    I do [kA]   obciążenie [%]",
      // Node 1 delivers all that enters the line there: 51,6232 + j23,8209; node 2 takes its load,
      // so the line delivers 50 + j20 there. I = |S| / (√3 |U|): 56,8541 / (√3 · 110) = 0,29840 kA,
      // 53,8516 / (√3 · 103,0134) = 0,30182 kA.
      "  L1       1    2" + B(7) + "51,623" + B(7) + "23,821" + B(6) + "-50,000" + B(6) + "-20,000" + B(8) + "1,623" +
          B(8) + "3,821" + B(8) + "0,298" + B(8) + "0,302",
      "",
      "Moc wytwarzana: P=51,623 MW, Q=23,821 Mvar",
      "Moc odbierana: P=50,000 MW, Q=20,000 Mvar",
      "Straty mocy: dP=1,623 MW, dQ=3,821 Mvar",
  };
  const std::vector<std::string> raport = RaportRozplywu(p, w);
  ASSERT_EQ(raport.size(), oczekiwane.size());
  for (size_t i = 0; i < raport.size(); ++i) EXPECT_EQ(raport[i], oczekiwane[i]) << "line " << i;
}

TEST(Raport, NewtonRaphsonNamesItsMethodAndIterationsInPlaceOfR) {
  const Przypadek p = DwaWezly();
  const SiecRozplywu s = ZbudujSiec(p);
  std::vector<std::string> gs = RaportRozplywu(p, ObliczRozplyw(s, {MetodaRozplywu::GaussSeidel, false}));
  const WynikRozplywu nr = ObliczRozplyw(s, {MetodaRozplywu::NewtonRaphson, false});
  ASSERT_TRUE(nr.zbiezny) << nr.blad;
  std::vector<std::string> r = RaportRozplywu(p, nr);
  const size_t e = Indeks(r, "         dopuszczalna różnica między dwoma ostatnimi krokami \"epsilon\" 1E-10");
  ASSERT_EQ(Indeks(gs, r[e]), e);
  EXPECT_EQ(Wycinek(r, e + 1, 3), (std::vector<std::string>{
                                      "         metoda Newtona-Raphsona",
                                      "         liczba wykonanych iteracji " + std::to_string(nr.iteracje),
                                      "         największe niezbilansowanie mocy 0,0000 MVA (węzeł nr 2)",
                                  }));
  // Every other line, the results and the flows included, as after Gauss-Seidel (three lines
  // there: the method, r and the sweeps).
  gs.erase(gs.begin() + long(e) + 1, gs.begin() + long(e) + 4);
  r.erase(r.begin() + long(e) + 1, r.begin() + long(e) + 3);
  EXPECT_EQ(r, gs);
}

TEST(Raport, TransformerAndGeneratorBlocksCopyCellsAsTheyStand) {
  Przypadek p = DwaPoziomy();
  p.TrafoSG.setCell(6, 1, "920,50");  // copied, not reformatted
  const std::vector<std::string> r = RaportRozplywu(p, Wynik({1, 1, 1, 1}, {0, 0, 0, 0}, 115.5));
  const size_t trafo = Indeks(r, " Dane transformatorów:");
  EXPECT_EQ(r[trafo - 1], kSep);
  EXPECT_EQ(Wycinek(r, trafo + 1, 12), (std::vector<std::string>{
                                           "",
                                           "     Transformator nr T1",
                                           "         numer węzła dla uzw. górnego napięcia 2",
                                           "         numer węzła dla uzw. dolnego napięcia 3",
                                           "         napięcie znamionowe górne 231 kV",
                                           "         napięcie znamionowe dolne 110 kV",
                                           "         znamionowa moc pozorna Sn=160 MVA",
                                           "         straty w miedzi dPCu=920,50 kW",
                                           "         straty w żelazie dPFe=260 kW",
                                           "         napięcie zwarcia  duz=12%",
                                           "         prąd stanu jałowego  I0r=0,6%",
                                           kSep,
                                       }));
  // The second line and generator rows: numbered by table row, not by node.
  const size_t linia2 = Indeks(r, "     Linia nr L2");
  EXPECT_EQ(Wycinek(r, linia2 + 1, 2), (std::vector<std::string>{"         numer węzła na początku linii 3",
                                                                  "         numer węzła na końcu linii 4"}));
  const size_t el = Indeks(r, " Dane węzłów elektrownianych:");
  EXPECT_EQ(Wycinek(r, el + 6, 5), (std::vector<std::string>{
                                       "",
                                       "    Węzeł nr 2",
                                       "         numer węzła 3",
                                       "         wartość skuteczna napięcia Un=112 kV",
                                       "         moc czynna dostarczona Sn=20 MW",
                                   }));
  // Result lines for all four nodes, the last one node 4.
  EXPECT_EQ(r.back().substr(0, 15), B(11) + "   4");
}

TEST(Raport, NodesWithoutATypeGetTheirCountAndBlock) {
  struct Wpis {
    int wezly, el, obc;
    const char* bezTypu;
    const char* liczba;  // nullptr: no count line and no block
    const char* numery;
  };
  const Wpis wpisy[] = {
      {5, 2, 2, "3,", "1", "3"},
      {6, 2, 2, "3,5,", "2", "3,5"},
      {5, 3, 2, "", nullptr, nullptr},
      {4, 3, 2, "", nullptr, nullptr},  // more typed rows than nodes: M < 0
  };
  for (const Wpis& t : wpisy) {
    SCOPED_TRACE(t.bezTypu);
    Przypadek p = DwaPoziomy();
    p.LiczbaWezlow = t.wezly;
    p.LiczbaWezlowElektrownianych = t.el;
    p.LiczbaWezlowObciazeniowych = t.obc;
    p.WezlyBezTypu = t.bezTypu;
    Wiersz(p.WObcSG, 2, {"5", "10", "4"});
    const std::vector<std::string> r = RaportRozplywu(p, WynikRozplywu{});
    const size_t obc = Indeks(r, " Liczba węzłów obciążeniowych: 2");
    ASSERT_LT(obc, r.size());
    const size_t proces = Indeks(r, " Dane procesu iteracyjnego:");
    ASSERT_LT(proces, r.size());
    if (t.liczba == nullptr) {
      EXPECT_EQ(r[obc + 1], " Liczba transformatorów: 1");
      EXPECT_EQ(Indeks(r, " Dane węzłów pozostałych:"), r.size());
      // The last load row's block runs straight into the iteration block.
      EXPECT_EQ(r[proces - 3], "         moc bierna odbierana w węźle Q=4 Mvar");
      continue;
    }
    EXPECT_EQ(r[obc + 1], std::string(" Liczba węzłów pozostałych: ") + t.liczba);
    EXPECT_EQ(r[obc + 2], " Liczba transformatorów: 1");
    EXPECT_EQ(Wycinek(r, proces - 9, 10),
              (std::vector<std::string>{
                  kSep,
                  " Dane węzłów pozostałych:",
                  "",
                  std::string("    Dla węzła nr ") + t.numery + " nie został podany typ więc przyjęto,",
                  "    że jest to węzeł obciążeniowy o mocach",
                  "         moc czynna odbierana w węźle P=0",
                  "         moc bierna odbierana w węźle Q=0",
                  "",
                  kSep,
                  " Dane procesu iteracyjnego:",
              }));
  }
}

TEST(Raport, ResultLinePaddingFollowsTheSignsAndTheTrueAngle) {
  struct Wpis {
    const char* co;
    int wezel;
    std::complex<double> U, S;  // S injected, per unit; the line shows P + jQ = −S · 100
    double baza;
    std::string linia;
  };
  const double fi = -0.052;
  const Wpis wpisy[] = {
      // 115,5 kV at −0,052 rad; taken −40,2 MW and 12,3 Mvar: 38, 2 and 4 blanks.
      {"negative angle and P", 1, std::polar(1.0, fi), {0.402, -0.123}, 115.5,
       B(11) + "   1" + B(18) + "115,500 " + B(38) + "-0,052 " + B(27) + B(2) + "-40,200 " + B(17) + B(4) + "12,300 "},
      // |0,6 + j0,8| = 1 → 110 kV; atan2(0,8; 0,6) = 0,92730; taken 12,5 MW and −3,75 Mvar: 39, 3 and 2 blanks.
      {"positive angle and P", 12, {0.6, 0.8}, {-0.125, 0.0375}, 110,
       B(11) + "  12" + B(18) + "110,000 " + B(39) + "0,927 " + B(27) + B(3) + "12,500 " + B(17) + B(2) + "-3,750 "},
      // −0,5 + j0,5: |U| = 0,70711 · 110 = 77,782 kV, true angle 3π/4 = 2,35619 (the plain
      // arctangent of the quotient would give −π/4); no power: −0 counts as ≥ 0 and prints 0,000.
      {"second quadrant", 1, {-0.5, 0.5}, {0, 0}, 110,
       B(11) + "   1" + B(18) + "77,782 " + B(39) + "2,356 " + B(27) + B(3) + "0,000 " + B(17) + B(4) + "0,000 "},
      // −0,5 − j0,5: −3π/4 = −2,35619.
      {"third quadrant", 1, {-0.5, -0.5}, {0, 0}, 110,
       B(11) + "   1" + B(18) + "77,782 " + B(38) + "-2,356 " + B(27) + B(3) + "0,000 " + B(17) + B(4) + "0,000 "},
      // Real part exactly 0: ±π/2 = ±1,57080.
      {"real part 0, up", 1, {0, 1}, {0, 0}, 110,
       B(11) + "   1" + B(18) + "110,000 " + B(39) + "1,571 " + B(27) + B(3) + "0,000 " + B(17) + B(4) + "0,000 "},
      {"real part 0, down", 1, {0, -1}, {0, 0}, 110,
       B(11) + "   1" + B(18) + "110,000 " + B(38) + "-1,571 " + B(27) + B(3) + "0,000 " + B(17) + B(4) + "0,000 "},
  };
  for (const Wpis& t : wpisy) {
    SCOPED_TRACE(t.co);
    std::vector<std::complex<double>> U(size_t(t.wezel), 1.0), S(size_t(t.wezel), 0.0);
    U.back() = t.U;
    S.back() = t.S;
    EXPECT_EQ(LiniaWyniku(Wynik(U, S, t.baza), t.wezel), t.linia);
  }
}

TEST(Raport, ResultLinesStopAtTheNodesTheResultHolds) {
  // A failed run holds no voltages: the report ends with the two heading lines.
  const Przypadek p = DwaWezly();
  const std::vector<std::string> r = RaportRozplywu(p, WynikRozplywu{});
  EXPECT_EQ(r.back().substr(0, 18), "         numer    ");
  // A result with more nodes than the case prints only the case's nodes.
  const std::vector<std::string> wiecej = RaportRozplywu(p, Wynik({1, 1, 1}, {0, 0, 0}, 115.5));
  EXPECT_EQ(wiecej.size(), r.size() + 2);
}
