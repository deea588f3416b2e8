#include "zwarcia/core/raport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "common/core/liczby.h"

using namespace zwarcia;

namespace {

using Wiersze = std::vector<std::vector<const char*>>;

void Wypelnij(Przypadek& p, Tabela t, int& licznik, const Wiersze& wiersze) {
  licznik = int(wiersze.size());
  PrzygotujTabele(p, t, licznik);
  for (size_t w = 0; w < wiersze.size(); ++w)
    for (size_t k = 0; k < wiersze[w].size(); ++k) p.siatka(t).setCell(int(k) + 1, int(w) + 1, wiersze[w][k]);
}

Przypadek Siec(int wezly, const Wiersze& s, const Wiersze& g, const Wiersze& t, const Wiersze& l) {
  Przypadek p;
  p.LiczbaWezlow = wezly;
  p.WezelZwarcia = 2;
  p.NapiecieZwarcia = 110;
  p.CzasZwarcia = 0.25;
  Wypelnij(p, Tabela::Systemy, p.LiczbaWezlowSystemow, s);
  Wypelnij(p, Tabela::Generatory, p.LiczbaWezlowGeneratorow, g);
  Wypelnij(p, Tabela::Trafo, p.LiczbaTransformatorow, t);
  Wypelnij(p, Tabela::Linie, p.LiczbaLinii, l);
  return p;
}

// The two-node example at 110 kV with the fault at node 2.
Przypadek Przyklad() {
  return Siec(2, {{"1", "2500"}}, {{"2", "100", "20", "1"}}, {{"1", "2", "100", "300", "10", "1"}},
              {{"1", "2", "110", "0,12", "0,4", "50", "2"}});
}

const std::string kKreska(73, '-');

}  // namespace

// Initial current of the example for the fault at node 2, per unit on
// 100 MVA and 115,5 kV:
//   Yw11 = 3,9716284 − j47,2342605, Yw22 = 4,2210050 − j27,2217916, Yw12 = −3,9716284 + j22,2342605
//   det = Yw11·Yw22 − Yw12² = (−1269,0369 − j307,4909) − (−478,5885 − j176,6124) = −790,4484 − j130,8784
//   Zk = Yw11 / det = 0,0047397 + j0,0589715, |Zk| = 0,0591617
//   |If| = E / |Zk| = 1,0476190 / 0,0591617 = 17,7077
//   I″ = 17,7077 · 100 / (√3 · 115,5) = 17,7077 · 0,4998704 = 8,8516 kA
// Zk in ohms on the base impedance 115,5² / 100 = 133,4025 Ω:
//   0,0047397 · 133,4025 = 0,6323 Ω, 0,0589715 · 133,4025 = 7,8669 Ω;
//   R/X = 0,0047397 / 0,0589715 = 0,0804, X/R = 12,44
// Branch currents with node 2 at zero (E = 1,0476190 at both sources):
//   y_S = Yw11 − (y_T + y_L) = −j25; y_G = Yw22 − (y_T + y_L) = 0,2493766 − j4,9875311
//   y_L = 1 / ((3 + j10) / 133,4025) = 3,671628 − j12,238761, y_T = −Yw12 − y_L = 0,3000000 − j9,995499
//   U1 = y_S·E / Yw11 = −j25 · 1,0476190 · (3,9716284 + j47,2342605) / 2246,8491 = 0,550588 − j0,0462954
//   S1: |y_S (E − U1)| = 25 · |0,497031 + j0,0462954| = 12,4796; G1: |y_G|·E = 4,993762 · 1,047619 = 5,2316
//   T1: |y_T|·|U1| = 10,000000 · 0,552531 = 5,5253; L1: |y_L|·|U1| = 12,777642 · 0,552531 = 7,0600
TEST(RaportZwarcia, WorkedCaseLineByLine) {
  const Przypadek p = Przyklad();
  const WynikZwarcia w = ObliczZwarcie(p);
  ASSERT_TRUE(w.poprawny) << w.blad;
  const std::vector<std::string> oczekiwany = {
      "       OBLICZANIE  PARAMETRÓW  I  ROZPŁYW  PRĄDU  ZWARCIOWEGO",
      std::string(67, '='),
      "",
      " Dane wprowadzonego układu:",
      kKreska,
      " Liczba węzłów sieci: 2",
      " Liczba węzłów zasilanych z sytemów: 1",
      " Liczba węzłów zasilanych z generatorów: 1",
      " Liczba transformatorów: 1",
      " Liczba linii: 1",
      kKreska,
      " Dane systemów:",
      "",
      "     System nr S1",
      "         numer węzła 1",
      "         moc zwarciowa Sz=2500 MVA",
      kKreska,
      " Dane generatorów:",
      "",
      "     Generator nr G1",
      "         numer węzła 2",
      "         moc znamionowa Sn=100 MVA",
      "         reaktancja przejsciowa x``d=20%",
      "         liczba generatorów 1",
      kKreska,
      " Dane transformatorów:",
      "",
      "     Transformator nr T1",
      "         numer węzła dla uzw. górnego napięcia 1",
      "         numer węzła dla uzw. dolnego napięcia 2",
      "         znamionowa moc pozorna Sn=100 MVA",
      "         straty w miedzi dPCu=300 kW",
      "         napiecie zwarcia  duz=10%",
      "         liczba transformatorów 1",
      kKreska,
      " Dane linii:",
      "",
      "     Linia nr L1",
      "         numer węzła na początku linii 1",
      "         numer węzła na końcu linii 2",
      "         napięcie znamionowe Un=110 kV",
      "         rezystancja jednostkowa R`=0,12 om/km",
      "         reaktancja jednostkowa X`=0,4 om/km",
      "         długość linii l=50 km",
      "         ilość torów 2",
      "",
      kKreska,
      " Numer węzła w którym jest zwarcie : 2",
      " Napiecie znamionowe sieci w miejscu zwarcia Un=110 kV",
      " Czas trwania zwarcia t=0,25 s",
      kKreska,
      " Prądy w gałęziach podczas zwarcia [j.w.]:",
      "     S1 (węzeł 1): 12,4796",
      "     G1 (węzeł 2): 5,2316",
      "     T1 (węzły 1-2): 5,5253",
      "     L1 (węzły 1-2): 7,0600",
      kKreska,
      " Parametry prądu zwarciowego w miejscu zwarcia:",
      "  - prąd początkowy I=8,8516 kA",
      "  - impedancja obwodu zwarciowego Zk=0,6323 + j7,8669 om",
      "  - stosunek R/X=0,0804 (X/R=12,44)",
  };
  // 53 lines of the data and I″, the branch block (heading, four branches, dash line), Zk and R/X.
  EXPECT_EQ(oczekiwany.size(), 61u);
  EXPECT_EQ(RaportZwarcia(p, w, std::nullopt), oczekiwany);

  // With a task: its block between the blank line 3 and the data, 64 lines.
  std::vector<std::string> zZadaniem = oczekiwany;
  zZadaniem.insert(zZadaniem.begin() + 3, {"Zadanie:", "Wyznaczyć prąd zwarciowy w węźle 2.", ""});
  EXPECT_EQ(RaportZwarcia(p, w, "Wyznaczyć prąd zwarciowy w węźle 2."), zZadaniem);
}

// Element blocks of 4, 6, 8 and 9 lines per row, numbered by row, cells copied as typed.
TEST(RaportZwarcia, ElementBlocksPerRow) {
  const Przypadek p = Siec(3, {{"1", "2500"}, {"3", "1500"}}, {{"2", "100", "20", "1"}},
                           {{"1", "2", "100", "300", "10", "1"}, {"2", "3", "63", "250", "11", "2"},
                            {"3", "1", "40", "180", "10,5", "1"}},
                           {{"1", "2", "110", "0,12", "0,4", "50", "2"}, {"2", "3", "220", "0,06", "0,41", "120,5", "1"}});
  WynikZwarcia w;
  const auto r = RaportZwarcia(p, w, std::nullopt);
  // 3 + 7 + 8 + 4·2 + 6·1 + 8·3 + 9·2 + 8 = 82
  EXPECT_EQ(r.size(), 82u);
  for (const char* linia : {"     System nr S2", "         moc zwarciowa Sz=1500 MVA", "     Transformator nr T3",
                            "         napiecie zwarcia  duz=10,5%", "         liczba transformatorów 2",
                            "     Linia nr L2", "         długość linii l=120,5 km", "         napięcie znamionowe Un=220 kV"})
    EXPECT_NE(std::find(r.begin(), r.end(), linia), r.end()) << linia;
  // The first system block follows its heading; the second system follows the first.
  const auto s1 = std::find(r.begin(), r.end(), std::string("     System nr S1"));
  ASSERT_NE(s1, r.end());
  EXPECT_EQ(*(s1 - 2), " Dane systemów:");
  EXPECT_EQ(*(s1 + 4), "     System nr S2");
  EXPECT_EQ(*(s1 + 7), kKreska);
  EXPECT_EQ(*(s1 + 8), " Dane generatorów:");
}

TEST(RaportZwarcia, NumbersOfTheFaultAndTheInitialCurrent) {
  struct Przyklad_ {
    double kV, czas, prad;
    const char* un;
    const char* t;
    const char* i;
  };
  const Przyklad_ przyklady[] = {
      {110, 0.25, 8.85157, " Napiecie znamionowe sieci w miejscu zwarcia Un=110 kV", " Czas trwania zwarcia t=0,25 s",
       "  - prąd początkowy I=8,8516 kA"},
      {220, 1, 12.5, " Napiecie znamionowe sieci w miejscu zwarcia Un=220 kV", " Czas trwania zwarcia t=1 s",
       "  - prąd początkowy I=12,5000 kA"},
      // Half away from zero at the fifth decimal; 0,01 s in the shortest form.
      {15, 0.01, 0.00005, " Napiecie znamionowe sieci w miejscu zwarcia Un=15 kV", " Czas trwania zwarcia t=0,01 s",
       "  - prąd początkowy I=0,0001 kA"},
  };
  for (const Przyklad_& d : przyklady) {
    Przypadek p = Przyklad();
    p.NapiecieZwarcia = d.kV;
    p.CzasZwarcia = d.czas;
    WynikZwarcia w;
    w.PradPoczatkowy = d.prad;
    const auto r = RaportZwarcia(p, w, std::nullopt);
    ASSERT_EQ(r.size(), 53u);
    EXPECT_EQ(r[48], d.un);
    EXPECT_EQ(r[49], d.t);
    EXPECT_EQ(r[52], d.i);
  }
}

// I″ = 8,8516 kA: ip = √2·1,8·8,8516 = 2,5455844·8,8516 = 22,5325; Ith = 8,8516·√1,5 = 8,8516·1,2247449 = 10,8410.
TEST(RaportZwarcia, ThreeCurrentLines) {
  const std::vector<std::string> oczekiwane = {"  - prąd zwarciowy udarowy I=22,5325 kA",
                                               "  - prąd wyłączeniowy symetryczny I=8,8516 kA",
                                               "  - prąd zwarciowy cieplny I=10,8410 kA"};
  EXPECT_EQ(LiniePradowZwarciowych("22,5325", "8,8516", "10,8410"), oczekiwane);
  const double i = 8.8516;
  EXPECT_EQ(LiniePradowZwarciowych(std::sqrt(2.0) * 1.8 * i, i, i * std::sqrt(1.5)), oczekiwane);
  // An empty box is written as it stands.
  EXPECT_EQ(LiniePradowZwarciowych("", "8,8516", "")[2], "  - prąd zwarciowy cieplny I= kA");
}

TEST(RaportZwarcia, XOverRForTheChart) {
  struct Przyklad_ {
    double rx;
    const char* tekst;
  };
  // 1/0,25 = 4; 1/0,08 = 12,5; 1/0,5 = 2; no resistance: no finite X/R.
  const Przyklad_ przyklady[] = {{0.25, "4"}, {0.08, "12,5"}, {0.5, "2"}, {0, "∞"}};
  for (const Przyklad_& d : przyklady) {
    WynikZwarcia w;
    w.StosunekRdoX = d.rx;
    EXPECT_EQ(TekstRdoX(w), d.tekst) << d.rx;
  }
  // The example: X/R = 0,0589715 / 0,0047397 = 12,4421.
  const WynikZwarcia w = ObliczZwarcie(Przyklad());
  ASSERT_TRUE(w.poprawny) << w.blad;
  EXPECT_NEAR(common::NaLiczbe(TekstRdoX(w)), 12.4421, 5e-5);
}
