#include "zwarcia/core/sprawdzenie.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <string>

#include "common/core/liczby.h"

using namespace zwarcia;

namespace {

void Wiersz(common::TextGrid& g, int w, std::initializer_list<const char*> komorki) {
  int k = 1;
  for (const char* c : komorki) g.setCell(k++, w, c);
}

// Element rows with sound data; the node numbers vary between cases.
void System(Przypadek& p, int r, const char* wezel) {
  Wiersz(p.SystemySG, r, {wezel, "2500"});
  p.LiczbaWezlowSystemow = std::max(p.LiczbaWezlowSystemow, r);
}
void Generator(Przypadek& p, int r, const char* wezel) {
  Wiersz(p.GeneratorySG, r, {wezel, "125", "12,5", "1"});
  p.LiczbaWezlowGeneratorow = std::max(p.LiczbaWezlowGeneratorow, r);
}
// Sn 125 MVA, PCu 380 kW, uz 11 %: uR = 380 / (10 * 125) = 0,304 % < 11 %.
void Trafo(Przypadek& p, int i, const char* a, const char* b) {
  Wiersz(p.TrafoSG, i, {a, b, "125", "380", "11", "1"});
  p.LiczbaTransformatorow = std::max(p.LiczbaTransformatorow, i);
}
void Linia(Przypadek& p, int i, const char* a, const char* b) {
  Wiersz(p.LinieSG, i, {a, b, "110", "0,12", "0,4", "30", "1"});
  p.LiczbaLinii = std::max(p.LiczbaLinii, i);
}

// Four nodes: a system at 1, lines 1-2 and 2-3, a transformer 3-4 and a
// generator at 4. Every rule passes.
Przypadek Baza() {
  Przypadek p;
  p.LiczbaWezlow = 4;
  p.LiczbaWezlowSystemow = p.LiczbaWezlowGeneratorow = p.LiczbaTransformatorow = p.LiczbaLinii = 0;
  System(p, 1, "1");
  Generator(p, 1, "4");
  Trafo(p, 1, "3", "4");
  Linia(p, 1, "1", "2");
  Linia(p, 2, "2", "3");
  p.WezelZwarcia = 2;
  p.NapiecieZwarcia = 110;
  p.CzasZwarcia = 0.2;
  return p;
}

// Two transformers between nodes 1 and 2 in rows 1 and 2; lines 1-3, 2-3
// and 2-4 keep every node connected and none parallel to them.
void DwaTrafa12(Przypadek& p) {
  Trafo(p, 1, "1", "2");
  Trafo(p, 2, "1", "2");
  Linia(p, 1, "1", "3");
  Linia(p, 3, "2", "4");
}

const std::string kZla = "Konfiguracja schematu nie jest prawidłowa. ";
const std::string kNiepodlaczony = kZla + "Sprawdź, czy wszystkie węzły zostały podłączone !!!";

std::string Poza(const std::string& kto, const std::string& a, const std::string& n) {
  return kZla + kto + " jest podłączony do węzła nr " + a + ", który nie istnieje. W schemacie tym istnieje tylko " +
         n + " węzłów !!!";
}
std::string OdJedynki(const std::string& kto, const std::string& a) {
  return kZla + kto + " jest podłączony do węzła nr " + a + ", a węzły są numerowane od 1 !!!";
}
std::string Rownolegle(const std::string& t1, const std::string& t2, const std::string& wezly) {
  return "Konfiguracja schematu nie jest prawidłowa.\nTransformator T" + t1 + " i transformator T" + t2 +
         " mają początek i koniec w tym samym węźle (węzły " + wezly +
         "). Wynika z tego, że pracują równolegle, co jest w ich przypadku niemożliwe ponieważ różnią się danymi "
         "znamionowymi.";
}
std::string Zwarcie(const std::string& t, const std::string& l, const std::string& a, const std::string& b) {
  return kZla + "Transformator T" + t + " i linia L" + l + " są podłączone między dwa takie same węzły nr " + a +
         " i " + b + " co w praktyce oznacza ZWARCIE !!!.\nW rzeczywistości takie połączenie jest NIEDOPUSZCZALNE !!!";
}
std::string BezZasilania(const std::string& k) {
  return kZla + "Węzeł nr " + k +
         " nie jest połączony przez linie i transformatory z żadnym węzłem zasilanym z systemu lub generatora, więc "
         "nie można w nim obliczyć zwarcia !!!";
}
std::string Dane(const std::string& kto, const std::string& co) { return "Nieprawidłowe dane " + kto + ": " + co; }
const std::string kWiekszaOdZera = " musi być większa od zera !!!";

struct Wariant {
  const char* nazwa;
  std::function<void(Przypadek&)> zmiana;
  bool przyjety;
  std::string komunikat;  // the only box of a refusal
  std::string blad = "";  // instead: the conversion error that escapes
};

}  // namespace

// Each variant changes the sound base case so that the rule under test
// decides; where two faults are present, the one reported shows the order of
// the rules and of the loops inside a rule.
TEST(SprawdzenieZwarciaTest, AcceptsOrRefusesWithTheRuleMessage) {
  const Wariant warianty[] = {
      {"sound case", [](Przypadek&) {}, true, ""},
      {"rows beyond the counts are not checked",
       [](Przypadek& p) { Linia(p, 3, "9", "9"); p.LiczbaLinii = 2; Trafo(p, 2, "0", "0"); p.LiczbaTransformatorow = 1; },
       true, ""},

      // Rule 1: only lines and transformers connect, by the plain digits.
      {"last node fed only by a system", [](Przypadek& p) { p.LiczbaWezlow = 5; System(p, 2, "5"); }, false,
       kNiepodlaczony},
      {"last node fed only by a generator", [](Przypadek& p) { p.LiczbaWezlow = 5; Generator(p, 2, "5"); }, false,
       kNiepodlaczony},
      {"3,0 does not connect node 3, and nothing is converted before",
       [](Przypadek& p) { p.LinieSG.setCell(2, 2, "3,0"); p.TrafoSG.setCell(1, 1, "3,0"); }, false, kNiepodlaczony},

      // A node that is a number but not a whole one, once rule 1 has passed.
      {"line start 3,0 with node 3 connected by the transformer", [](Przypadek& p) { Linia(p, 3, "3,0", "1"); },
       false, "", "'3,0' is not a valid integer value"},
      {"generator node 4,0", [](Przypadek& p) { p.GeneratorySG.setCell(1, 1, "4,0"); }, false, "",
       "'4,0' is not a valid integer value"},
      {"transformer lower node 2,5", [](Przypadek& p) { Trafo(p, 2, "1", "2,5"); }, false, "",
       "'2,5' is not a valid integer value"},

      // Rules 2 to 4.
      {"line from 2 to 2", [](Przypadek& p) { Linia(p, 2, "2", "2"); }, false,
       kZla + "Linia L2 ma początek i koniec w tym samym węźle 2 !!!"},
      {"line from 0 to 0 is closed on itself first", [](Przypadek& p) { Linia(p, 3, "0", "0"); }, false,
       kZla + "Linia L3 ma początek i koniec w tym samym węźle 0 !!!"},
      {"line starting at node 7 of 4", [](Przypadek& p) { Linia(p, 3, "7", "4"); }, false,
       Poza("Początek linii L3", "7", "4")},
      {"every line start before any line end",
       [](Przypadek& p) { p.LinieSG.setCell(2, 1, "9"); Linia(p, 3, "8", "2"); }, false,
       Poza("Początek linii L3", "8", "4")},
      {"line ending at node 7 of 4", [](Przypadek& p) { Linia(p, 3, "4", "7"); }, false,
       Poza("Koniec linii L3", "7", "4")},

      // Rules 5 and 6, their wording differing by one comma.
      {"generator at node 6 of 4", [](Przypadek& p) { Generator(p, 2, "6"); }, false,
       "Podano nieprawidłowe oznaczenia dla generatorów lub obwód jest nieprawidłowo skonfigurowany.\nPrzyjęto że "
       "generator G2 jest podłączony do węzla 6, a taki węzeł na schemacie nie istnieje. We wprowadzonym schemacie "
       "jest tylko 4 węzły(ów) !!!"},
      {"lines before generators", [](Przypadek& p) { Linia(p, 2, "2", "2"); Generator(p, 2, "9"); }, false,
       kZla + "Linia L2 ma początek i koniec w tym samym węźle 2 !!!"},
      {"system at node 5 of 4", [](Przypadek& p) { System(p, 2, "5"); }, false,
       "Podano nieprawidłowe oznaczenia dla systemów lub obwód jest nieprawidłowo skonfigurowany.\nPrzyjęto że "
       "system S2 jest podłączony do węzla 5 a taki węzeł na schemacie nie istnieje. We wprowadzonym schemacie jest "
       "tylko 4 węzły(ów) !!!"},
      {"generators before systems", [](Przypadek& p) { Generator(p, 2, "6"); System(p, 1, "5"); }, false,
       "Podano nieprawidłowe oznaczenia dla generatorów lub obwód jest nieprawidłowo skonfigurowany.\nPrzyjęto że "
       "generator G2 jest podłączony do węzla 6, a taki węzeł na schemacie nie istnieje. We wprowadzonym schemacie "
       "jest tylko 4 węzły(ów) !!!"},

      // Rules 7 to 9.
      {"transformer from 2 to 2", [](Przypadek& p) { Trafo(p, 2, "2", "2"); }, false,
       kZla + "Transformator T2 ma początek i koniec w tym samym węźle 2 !!!"},
      {"systems before transformers", [](Przypadek& p) { Trafo(p, 2, "2", "2"); System(p, 2, "9"); }, false,
       "Podano nieprawidłowe oznaczenia dla systemów lub obwód jest nieprawidłowo skonfigurowany.\nPrzyjęto że "
       "system S2 jest podłączony do węzla 9 a taki węzeł na schemacie nie istnieje. We wprowadzonym schemacie jest "
       "tylko 4 węzły(ów) !!!"},
      {"transformer upper node 8 of 4", [](Przypadek& p) { Trafo(p, 2, "8", "2"); }, false,
       Poza("Początek transformatora T2", "8", "4")},
      {"transformer lower node 8 of 4", [](Przypadek& p) { Trafo(p, 2, "2", "8"); }, false,
       Poza("Koniec transformatora T2", "8", "4")},

      // Rule 10: neighbouring rows, nodes as integers in one orientation,
      // data as numbers.
      {"T1, T2 between 1 and 2, equal", [](Przypadek& p) { DwaTrafa12(p); }, true, ""},
      {"T1, T2 between 1 and 2, different rated power",
       [](Przypadek& p) { DwaTrafa12(p); p.TrafoSG.setCell(3, 2, "160"); }, false, Rownolegle("1", "2", "1,2")},
      {"T1 and T3 between 1 and 2 with T2 between are not compared",
       [](Przypadek& p) { DwaTrafa12(p); Trafo(p, 2, "3", "4"); Trafo(p, 3, "1", "2"); p.TrafoSG.setCell(3, 3, "160"); },
       true, ""},
      {"125 and 125,0 are the same rated power",
       [](Przypadek& p) { Trafo(p, 2, "3", "4"); p.TrafoSG.setCell(3, 2, "125,0"); }, true, ""},
      {"T1, T2 parallel, different rated power",
       [](Przypadek& p) { Trafo(p, 2, "3", "4"); p.TrafoSG.setCell(3, 2, "160"); }, false,
       Rownolegle("1", "2", "3,4")},
      {"T1, T2 parallel, different number of units (last column)",
       [](Przypadek& p) { Trafo(p, 2, "3", "4"); p.TrafoSG.setCell(6, 2, "2"); }, false,
       Rownolegle("1", "2", "3,4")},
      {"03 and 3 are the same node as integers; the first row's cells are quoted",
       [](Przypadek& p) { Trafo(p, 2, "03", "4"); p.TrafoSG.setCell(3, 2, "160"); }, false,
       Rownolegle("1", "2", "3,4")},
      {"4-3 is not parallel to 3-4", [](Przypadek& p) { Trafo(p, 2, "4", "3"); p.TrafoSG.setCell(3, 2, "160"); },
       true, ""},
      {"T2, T3 parallel, different short-circuit voltage",
       [](Przypadek& p) { Trafo(p, 2, "1", "4"); Trafo(p, 3, "1", "4"); p.TrafoSG.setCell(5, 3, "12"); }, false,
       Rownolegle("2", "3", "1,4")},

      // Rule 11, lines in the outer loop, cells as text.
      {"line 1-2, transformer 2-1", [](Przypadek& p) { Trafo(p, 2, "2", "1"); }, false, Zwarcie("2", "1", "2", "1")},
      {"line 2-3, transformer 2-3", [](Przypadek& p) { Trafo(p, 2, "2", "3"); }, false, Zwarcie("2", "2", "2", "3")},
      {"line 1 is reported before line 2", [](Przypadek& p) { Trafo(p, 2, "3", "2"); Trafo(p, 3, "1", "2"); },
       false, Zwarcie("3", "1", "1", "2")},
      {"01 does not name the line's node 1; the transformer is refused later for its data",
       [](Przypadek& p) { Trafo(p, 2, "01", "2"); p.TrafoSG.setCell(3, 2, "0"); }, false,
       Dane("transformatora T2", "moc znamionowa" + kWiekszaOdZera)},
      // With valid data, "01" beside the line is refused for how it is written, not read two ways.
      {"01 written plainly is refused", [](Przypadek& p) { Trafo(p, 2, "01", "2"); }, false,
       "Konfiguracja schematu nie jest prawidłowa. Początek transformatora T2 jest podłączony do węzła \"01\". "
       "Numer węzła wpisuje się bez zer na początku, spacji i znaku +, tu: 1 !!!"},

      // Node numbers below 1: lines (start, end), transformers, generators, systems.
      {"line from 0 to -1", [](Przypadek& p) { Linia(p, 3, "0", "-1"); }, false, OdJedynki("Początek linii L3", "0")},
      {"lines before transformers", [](Przypadek& p) { Linia(p, 3, "4", "-1"); Trafo(p, 2, "0", "3"); }, false,
       OdJedynki("Koniec linii L3", "-1")},
      {"transformer upper node 0", [](Przypadek& p) { Trafo(p, 2, "0", "3"); }, false,
       OdJedynki("Początek transformatora T2", "0")},
      {"transformers before generators", [](Przypadek& p) { Trafo(p, 2, "4", "0"); Generator(p, 2, "0"); }, false,
       OdJedynki("Koniec transformatora T2", "0")},
      {"generators before systems", [](Przypadek& p) { Generator(p, 2, "0"); System(p, 2, "-1"); }, false,
       "Podano nieprawidłowe oznaczenia dla generatorów.\nGenerator G2 jest podłączony do węzła nr 0, a węzły są "
       "numerowane od 1 !!!"},
      {"system node -1", [](Przypadek& p) { System(p, 2, "-1"); }, false,
       "Podano nieprawidłowe oznaczenia dla systemów.\nSystem S2 jest podłączony do węzła nr -1, a węzły są "
       "numerowane od 1 !!!"},
      {"rule 11 before the lower bound", [](Przypadek& p) { Trafo(p, 2, "2", "1"); Linia(p, 3, "0", "1"); }, false,
       Zwarcie("2", "1", "2", "1")},

      // Every part of the network needs a source.
      {"island 5-6 without a source", [](Przypadek& p) { p.LiczbaWezlow = 6; Linia(p, 3, "5", "6"); }, false,
       BezZasilania("5")},
      {"island 5-6 with a generator of its own",
       [](Przypadek& p) { p.LiczbaWezlow = 6; Linia(p, 3, "5", "6"); Generator(p, 2, "6"); }, true, ""},
      {"system part 1-2 and generator part 3-4 apart", [](Przypadek& p) { p.LiczbaLinii = 1; }, true, ""},
      {"part 3-4 without a source, both sources in 1-2",
       [](Przypadek& p) { p.LiczbaLinii = 1; p.GeneratorySG.setCell(1, 1, "2"); }, false, BezZasilania("3")},
      {"the lower bound before the sources",
       [](Przypadek& p) { p.LiczbaWezlow = 6; Linia(p, 3, "5", "6"); System(p, 2, "0"); }, false,
       "Podano nieprawidłowe oznaczenia dla systemów.\nSystem S2 jest podłączony do węzła nr 0, a węzły są "
       "numerowane od 1 !!!"},
      {"sources before the element data",
       [](Przypadek& p) { p.LiczbaWezlow = 6; Linia(p, 3, "5", "6"); p.SystemySG.setCell(2, 1, "0"); }, false,
       BezZasilania("5")},

      // Element data the impedances divide by: systems, generators,
      // transformers, lines.
      {"system Sz 0", [](Przypadek& p) { p.SystemySG.setCell(2, 1, "0"); }, false,
       Dane("systemu S1", "moc zwarciowa" + kWiekszaOdZera)},
      {"system Sz -100", [](Przypadek& p) { System(p, 2, "2"); p.SystemySG.setCell(2, 2, "-100"); }, false,
       Dane("systemu S2", "moc zwarciowa" + kWiekszaOdZera)},
      {"system Sz 2500,5 is not a whole number", [](Przypadek& p) { p.SystemySG.setCell(2, 1, "2500,5"); }, false, "",
       "'2500,5' is not a valid integer value"},
      {"systems before generators",
       [](Przypadek& p) { p.SystemySG.setCell(2, 1, "0"); p.GeneratorySG.setCell(2, 1, "0"); }, false,
       Dane("systemu S1", "moc zwarciowa" + kWiekszaOdZera)},
      {"generator Sn before Xd\"",
       [](Przypadek& p) { p.GeneratorySG.setCell(2, 1, "0"); p.GeneratorySG.setCell(3, 1, "0"); }, false,
       Dane("generatora G1", "moc znamionowa" + kWiekszaOdZera)},
      {"generator Xd\" 0", [](Przypadek& p) { p.GeneratorySG.setCell(3, 1, "0"); }, false,
       Dane("generatora G1", "reaktancja przejściowa" + kWiekszaOdZera)},
      {"generator without units", [](Przypadek& p) { p.GeneratorySG.setCell(4, 1, "0"); }, false,
       Dane("generatora G1", "liczba generatorów" + kWiekszaOdZera)},
      {"generators before transformers",
       [](Przypadek& p) { p.GeneratorySG.setCell(4, 1, "0"); p.TrafoSG.setCell(3, 1, "0"); }, false,
       Dane("generatora G1", "liczba generatorów" + kWiekszaOdZera)},
      {"transformer Sn before uz", [](Przypadek& p) { p.TrafoSG.setCell(3, 1, "0"); p.TrafoSG.setCell(5, 1, "0"); },
       false, Dane("transformatora T1", "moc znamionowa" + kWiekszaOdZera)},
      {"transformer uz 0", [](Przypadek& p) { p.TrafoSG.setCell(5, 1, "0"); }, false,
       Dane("transformatora T1", "napięcie zwarcia musi być większe od zera !!!")},
      // uR = 920 / (10 * 16) = 920 / 160 = 5,75 %.
      {"uz 5 below uR 5,75", [](Przypadek& p) { Wiersz(p.TrafoSG, 1, {"3", "4", "16", "920", "5", "1"}); }, false,
       Dane("transformatora T1",
            "napięcie zwarcia 5 % jest mniejsze od spadku napięcia na rezystancji uR = 5,75 % (straty w miedzi 920 "
            "kW) !!!")},
      {"uz equal to uR", [](Przypadek& p) { Wiersz(p.TrafoSG, 1, {"3", "4", "16", "920", "5,75", "1"}); }, true, ""},
      {"transformer without units", [](Przypadek& p) { p.TrafoSG.setCell(6, 1, "0"); }, false,
       Dane("transformatora T1", "liczba transformatorów" + kWiekszaOdZera)},
      {"transformers before lines", [](Przypadek& p) { p.TrafoSG.setCell(6, 1, "0"); p.LinieSG.setCell(6, 1, "0"); },
       false, Dane("transformatora T1", "liczba transformatorów" + kWiekszaOdZera)},
      {"line circuits before length", [](Przypadek& p) { p.LinieSG.setCell(7, 2, "0"); p.LinieSG.setCell(6, 2, "0"); },
       false, Dane("linii L2", "liczba torów" + kWiekszaOdZera)},
      {"line of length 0", [](Przypadek& p) { p.LinieSG.setCell(6, 1, "0"); }, false,
       Dane("linii L1", "długość linii" + kWiekszaOdZera)},
      {"line of negative length", [](Przypadek& p) { p.LinieSG.setCell(6, 2, "-5"); }, false,
       Dane("linii L2", "długość linii" + kWiekszaOdZera)},
      {"line with R' = X' = 0", [](Przypadek& p) { p.LinieSG.setCell(4, 1, "0"); p.LinieSG.setCell(5, 1, "0"); },
       false, Dane("linii L1", "rezystancja i reaktancja jednostkowa nie mogą być jednocześnie równe zeru !!!")},
      {"line with R' = 0 alone", [](Przypadek& p) { p.LinieSG.setCell(4, 1, "0"); }, true, ""},
  };

  for (const Wariant& w : warianty) {
    SCOPED_TRACE(w.nazwa);
    Przypadek p = Baza();
    w.zmiana(p);
    common::RecordingDialogService d;

    if (!w.blad.empty()) {
      try {
        SprawdzKonfiguracje(p, d);
        ADD_FAILURE() << "no conversion error";
      } catch (const common::BladKonwersji& e) {
        EXPECT_STREQ(e.what(), w.blad.c_str());
      }
      EXPECT_TRUE(d.wpisy.empty()) << d.ostatni();
      continue;
    }
    EXPECT_EQ(SprawdzKonfiguracje(p, d), w.przyjety);
    if (w.przyjety) {
      EXPECT_TRUE(d.wpisy.empty()) << d.ostatni();
      continue;
    }
    ASSERT_EQ(d.wpisy.size(), 1u);
    EXPECT_EQ(d.wpisy[0].tekst, w.komunikat);
    EXPECT_EQ(d.wpisy[0].tytul, "Błąd !!!");
    EXPECT_EQ(d.wpisy[0].ikona, common::Ikona::Blad);
  }
}

// The base case has lines 1-2 and 2-3 at 110 kV, a transformer 3-4 and a
// generator at 4; each variant sets the fault node, the typed voltage and
// the line levels.
TEST(SprawdzenieZwarciaTest, VoltageAtTheFaultNodeAgainstItsLines) {
  const std::string kPoczatek = "Napięcie znamionowe w miejscu zwarcia (węzeł nr ";
  struct Przyklad {
    const char* nazwa;
    int wezel;
    double kV;
    std::function<void(Przypadek&)> zmiana;
    std::string uwaga;  // empty: nothing to tell
  };
  const Przyklad przyklady[] = {
      {"same level", 2, 110, [](Przypadek&) {}, ""},
      {"110,0 is 110", 2, 110, [](Przypadek& p) { p.LinieSG.setCell(3, 1, "110,0"); }, ""},
      {"node touched only by a transformer and a generator", 4, 30, [](Przypadek&) {}, ""},
      {"one line at the node", 1, 220, [](Przypadek&) {},
       kPoczatek + "1) podano 220 kV, a linia dołączona do tego węzła ma napięcie znamionowe 110 kV. Obliczenia "
                   "wykonano dla 220 kV."},
      {"two lines, one level", 2, 220, [](Przypadek&) {},
       kPoczatek + "2) podano 220 kV, a linie dołączone do tego węzła mają napięcie znamionowe 110 kV. Obliczenia "
                   "wykonano dla 220 kV."},
      {"two levels, one of them typed", 2, 110, [](Przypadek& p) { p.LinieSG.setCell(3, 2, "220"); },
       kPoczatek + "2) podano 110 kV, a linie dołączone do tego węzła mają napięcia znamionowe 110 i 220 kV. "
                   "Obliczenia wykonano dla 110 kV."},
      {"three levels in ascending order, the node as the line's end", 2, 110,
       [](Przypadek& p) { p.LinieSG.setCell(3, 1, "400"); p.LinieSG.setCell(3, 2, "220"); Linia(p, 3, "4", "2"); },
       kPoczatek + "2) podano 110 kV, a linie dołączone do tego węzła mają napięcia znamionowe 110, 220 i 400 kV. "
                   "Obliczenia wykonano dla 110 kV."},
  };
  for (const auto& c : przyklady) {
    SCOPED_TRACE(c.nazwa);
    Przypadek p = Baza();
    p.WezelZwarcia = c.wezel;
    p.NapiecieZwarcia = c.kV;
    c.zmiana(p);
    const auto uwagi = OstrzezeniaZwarcia(p);
    EXPECT_EQ(uwagi, c.uwaga.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.uwaga});
  }
}
