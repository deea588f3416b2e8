// The built-in help holds together and its worked example is what the
// program computes.
#include <gtest/gtest.h>

#include "common/tests/strony_pomocy.h"
#include "kreator/core/kreator.h"
#include "kreator/core/macierz.h"
#include "kreator/core/pomoc.h"
#include "kreator/core/rozplyw.h"
#include "kreator/core/tabele.h"
#include "kreator/tests/przypadki.h"

using namespace kreator;
using namespace common::testy;

TEST(Pomoc, LinksPagesAndSections) {
  SprawdzOdnosniki(POMOC, StronyPomocy());
  // F1 finds a section for every wizard page and every table.
  for (int krok = 0; krok <= kOstatniaStrona; ++krok) EXPECT_TRUE(SekcjaIstnieje(POMOC, PomocStrony(krok))) << krok;
  for (const char* tytul : {kTytulLinii, kTytulTrafo, kTytulMacierzy, kTytulNapiec, kTytulMocy, kTytulPrzeplywow})
    EXPECT_TRUE(SekcjaIstnieje(POMOC, PomocTabeli(tytul))) << tytul;
  EXPECT_TRUE(SekcjaIstnieje(POMOC, kPomocWynikow));
  EXPECT_TRUE(SekcjaIstnieje(POMOC, kPomocZbieznosci));
}

TEST(Pomoc, TheWorkedExampleIsWhatTheProgramComputes) {
  const Przypadek p = testy::DwaWezly();
  const WynikRozplywu w = ObliczRozplyw(p);
  ASSERT_TRUE(w.zbiezny) << w.blad;
  const double zb = w.baza.ImpedancjaBazowa;
  const auto y = AdmitancjaLinii(w.parametry, w.baza, 1);
  const auto& Y = w.MacierzY;
  const PrzeplywGalezi& l = w.przeplywy.at(0);
  SprawdzLiczby(POMOC, StronyPomocy(),
                {{"Ub", w.baza.NapiecieBazowe},
                 {"Zb", zb},
                 {"R", w.parametry.RLinii[0]},
                 {"X", w.parametry.XLinii[0]},
                 {"B", w.parametry.BLinii[0]},
                 {"r_pu", w.parametry.RLinii[0] / zb},
                 {"x_pu", w.parametry.XLinii[0] / zb},
                 {"b2_pu", PolowaSusceptancjiLinii(w.parametry, w.baza, 1).imag()},
                 {"y_re", y.real()},
                 {"y_im", y.imag()},
                 {"Y11_re", Y.re(1, 1)},
                 {"Y11_im", Y.im(1, 1)},
                 {"Y12_re", Y.re(1, 2)},
                 {"Y12_im", Y.im(1, 2)},
                 {"Y22_re", Y.re(2, 2)},
                 {"Y22_im", Y.im(2, 2)},
                 {"U2_kV", w.UkV(2)},
                 {"kat2", w.KatRad(2)},
                 {"U2_re", w.URe[1]},
                 {"U2_im", w.UIm[1]},
                 {"P1", w.PMW(1)},
                 {"Q1", w.QMvar(1)},
                 {"P2", w.PMW(2)},
                 {"Q2", w.QMvar(2)},
                 {"Pod", l.Sod.real()},
                 {"Qod", l.Sod.imag()},
                 {"Pdo", l.Sdo.real()},
                 {"Qdo", l.Sdo.imag()},
                 {"dP", l.straty().real()},
                 {"dQ", l.straty().imag()},
                 {"Iod", l.Iod},
                 {"Ido", l.Ido}});
}
