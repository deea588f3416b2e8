// The built-in help holds together and its worked example is what the
// program computes.
#include <gtest/gtest.h>

#include <cmath>

#include "common/tests/strony_pomocy.h"
#include "zwarcia/core/kreator.h"
#include "zwarcia/core/pomoc.h"
#include "zwarcia/core/tabele.h"
#include "zwarcia/core/wykresy.h"
#include "zwarcia/core/zwarcie.h"

using namespace zwarcia;
using namespace common::testy;

namespace {

// Two nodes at 110 kV: S1 2500 MVA at node 1; G1 100 MVA, x″d 20 % at node 2;
// T1 1-2 100 MVA, 300 kW, 10 %; L1 1-2 110 kV, 0,12 + j0,4 Ω/km, 50 km, two
// circuits; the fault at node 2, Un = 110 kV, 0,25 s.
Przypadek Przyklad() {
  Przypadek p;
  p.LiczbaWezlow = 2;
  p.WezelZwarcia = 2;
  p.NapiecieZwarcia = 110;
  p.CzasZwarcia = 0.25;
  auto tabela = [&p](Tabela t, int& licznik, std::vector<std::vector<const char*>> wiersze) {
    licznik = static_cast<int>(wiersze.size());
    PrzygotujTabele(p, t, licznik);
    for (size_t w = 0; w < wiersze.size(); ++w)
      for (size_t k = 0; k < wiersze[w].size(); ++k) p.siatka(t).setCell(int(k) + 1, int(w) + 1, wiersze[w][k]);
  };
  tabela(Tabela::Systemy, p.LiczbaWezlowSystemow, {{"1", "2500"}});
  tabela(Tabela::Generatory, p.LiczbaWezlowGeneratorow, {{"2", "100", "20", "1"}});
  tabela(Tabela::Trafo, p.LiczbaTransformatorow, {{"1", "2", "100", "300", "10", "1"}});
  tabela(Tabela::Linie, p.LiczbaLinii, {{"1", "2", "110", "0,12", "0,4", "50", "2"}});
  return p;
}

}  // namespace

TEST(Pomoc, LinksPagesAndSections) {
  SprawdzOdnosniki(POMOC, StronyPomocy());
  for (int krok = 0; krok <= kOstatniaStrona; ++krok) EXPECT_TRUE(SekcjaIstnieje(POMOC, PomocStrony(krok))) << krok;
  for (const char* tytul : {kTytulSystemow, kTytulGeneratorow, kTytulTrafo, kTytulLinii, kTytulYg,
                            kTytulStrukturalnej, kTytulYw, kTytulPradow})
    EXPECT_TRUE(SekcjaIstnieje(POMOC, PomocTabeli(tytul))) << tytul;
  EXPECT_TRUE(SekcjaIstnieje(POMOC, kPomocWynikow));
  EXPECT_TRUE(SekcjaIstnieje(POMOC, kPomocWykresow));
}

TEST(Pomoc, TheWorkedExampleIsWhatTheProgramComputes) {
  const WynikZwarcia w = ObliczZwarcie(Przyklad());
  ASSERT_TRUE(w.poprawny) << w.blad;
  const auto& g = w.sieci.galezie;  // S1, G1, T1, L1
  ASSERT_EQ(g.size(), 4u);
  const auto Yw = [&w](int i, int j) { return w.sieci.Yw(i, j); };
  const Zespolona zkOm = ImpedancjaZwarciowaOm(w);
  const double xDoR = 1 / w.StosunekRdoX, kappa = KappaZRdoX(xDoR);
  SprawdzLiczby(POMOC, StronyPomocy(),
                {{"Ub", w.baza.NapiecieBazowe},
                 {"Zb", w.baza.ImpedancjaBazowa},
                 {"Ib", w.baza.PradBazowy},
                 {"E", w.baza.NapiecieZrodla},
                 {"zS_re", g[0].z.real()},
                 {"zS_im", g[0].z.imag()},
                 {"zG_re", g[1].z.real()},
                 {"zG_im", g[1].z.imag()},
                 {"zT_re", g[2].z.real()},
                 {"zT_im", g[2].z.imag()},
                 {"zL_re", g[3].z.real()},
                 {"zL_im", g[3].z.imag()},
                 {"Yw11_re", Yw(0, 0).real()},
                 {"Yw11_im", Yw(0, 0).imag()},
                 {"Yw12_re", Yw(0, 1).real()},
                 {"Yw12_im", Yw(0, 1).imag()},
                 {"Yw22_re", Yw(1, 1).real()},
                 {"Yw22_im", Yw(1, 1).imag()},
                 {"Zk_re", w.ImpedancjaZwarciowa.real()},
                 {"Zk_im", w.ImpedancjaZwarciowa.imag()},
                 {"Zk_om_re", zkOm.real()},
                 {"Zk_om_im", zkOm.imag()},
                 {"RdoX", w.StosunekRdoX},
                 {"XdoR", xDoR},
                 {"If", std::abs(w.PradZwarciowy)},
                 {"Ik", w.PradPoczatkowy},
                 {"U1_re", w.NapieciaWezlowe.at(0).real()},
                 {"U1_im", w.NapieciaWezlowe.at(0).imag()},
                 {"I_S1", std::abs(w.PradyGaleziowe.at(0))},
                 {"I_G1", std::abs(w.PradyGaleziowe.at(1))},
                 {"I_T1", std::abs(w.PradyGaleziowe.at(2))},
                 {"I_L1", std::abs(w.PradyGaleziowe.at(3))},
                 {"kappa", kappa},
                 {"ip", kappa * std::sqrt(2.0) * w.PradPoczatkowy},
                 {"Ith", w.PradPoczatkowy * std::sqrt(1.5)}});
}
