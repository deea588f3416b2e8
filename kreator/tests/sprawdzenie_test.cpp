#include "kreator/core/sprawdzenie.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "common/core/liczby.h"
#include "kreator/core/rozplyw.h"

using namespace kreator;
using common::Ikona;

namespace {

void Wiersz(common::TextGrid& g, int w, std::initializer_list<const char*> komorki) {
  int k = 1;
  for (const char* c : komorki) g.setCell(k++, w, c);
}

// Element rows with sound data; only the node numbers vary between cases.
void Linia(Przypadek& p, int i, const char* a, const char* b) {
  Wiersz(p.LinieSG, i, {a, b, "110", "0,12", "0,4", "2,8", "50", "1"});
  p.LiczbaLinii = std::max(p.LiczbaLinii, i);
}
// Ug 110 kV, Ud 20 kV, Sn 25 MVA, PCu 120 kW, PFe 25 kW, uz 10,5 %, i0 0,6 %:
// uR = 120 / (10 * 25) = 0,48 % < 10,5 %; active part of i0 = 25 / 250 = 0,1 % < 0,6 %.
void Trafo(Przypadek& p, int i, const char* a, const char* b) {
  Wiersz(p.TrafoSG, i, {a, b, "110", "20", "25", "120", "25", "10,5", "0,6"});
  p.LiczbaTransformatorow = std::max(p.LiczbaTransformatorow, i);
}
void Elektrownie(Przypadek& p, std::initializer_list<const char*> wezly) {
  int r = 0;
  for (const char* w : wezly) Wiersz(p.WElSG, ++r, {w, "115", "40"});
  p.LiczbaWezlowElektrownianych = r;
}
void Obciazenia(Przypadek& p, std::initializer_list<const char*> wezly) {
  int r = 0;
  for (const char* w : wezly) Wiersz(p.WObcSG, ++r, {w, "20", "10"});
  p.LiczbaWezlowObciazeniowych = r;
}

// Four nodes: lines 1-2 and 2-3, a transformer 3-4, node 1 the slack
// generator, nodes 2, 3 and 4 loads. Every rule passes.
Przypadek Baza() {
  Przypadek p;
  p.LiczbaWezlow = 4;
  p.LiczbaLinii = p.LiczbaTransformatorow = 0;
  PrzygotujTabele(p, Tabela::Linie, 2);
  PrzygotujTabele(p, Tabela::Trafo, 1);
  PrzygotujTabele(p, Tabela::WEl, 1);
  PrzygotujTabele(p, Tabela::WObc, 3);
  Linia(p, 1, "1", "2");
  Linia(p, 2, "2", "3");
  Trafo(p, 1, "3", "4");
  Elektrownie(p, {"1"});
  Obciazenia(p, {"2", "3", "4"});
  p.WezelBilansujacy = 1;
  p.NapiecieBilansujace = 115;
  p.Epsilon = 0.001;
  p.ParametrRelaksacji = 1.5;
  return p;
}

const std::string kZla = "Konfiguracja schematu nie jest prawidłowa. ";
const std::string kNiepodlaczony = kZla + "Sprawdź, czy wszystkie węzły zostały podłączone !!!";

std::string Podwojny(const std::string& w) {
  return "Węzeł nr " + w +
         " został użyty podwójnie jakow węzeł elektrowniany i obciążeniowy jednocześnie.\n"
         "We wprowadzonym schemacie węzeł nr " + w +
         " jest użyty dwa razy co przedłuży proces liczenia. Popraw konfigurację schematu !!!";
}
std::string Rownolegle(const std::string& t1, const std::string& t2, const std::string& wezly) {
  return "Konfiguracja schematu nie jest prawidłowa.\nTransformator T" + t1 + " i transformator T" + t2 +
         " mają początek i koniec w tym samym węźle (węzły " + wezly +
         "). Wynika z tego, że pracują równolegle, co jest w ich przypadku niemożliwe ponieważ różnią się danymi "
         "znamionowymi.";
}
std::string Bilansujacy(const std::string& s) {
  return "Podano nieprawidłowy numer węzła bilansującego !!!\nPrzyjęto, że węzłem bilansującym jest węzeł numer " + s +
         ", który jest jednocześnie węzłem obciążeniowym (czyli nie jest jednym z węzłów elektrownianych).\nWęzeł " + s +
         " nie może być jednocześnie węzłem bilansującym i obciążeniowym !!!";
}
std::string Zwarcie(const std::string& t, const std::string& l, const std::string& a, const std::string& b) {
  return kZla + "Transformator T" + t + " i linia L" + l + " są podłączone między dwa takie same węzły nr " + a +
         " i " + b + " co w praktyce oznacza ZWARCIE !!!.\nW rzeczywistości takie połączenie jest NIEDOPUSZCZALNE !!!";
}
std::string Oddzielony(const std::string& k, const std::string& s) {
  return kZla + "Węzeł nr " + k + " nie jest połączony z węzłem bilansującym nr " + s +
         " przez linie i transformatory (sieć składa się z oddzielnych części) !!!";
}

struct Wariant {
  const char* nazwa;
  std::function<void(Przypadek&)> zmiana;
  bool przyjety;
  std::string komunikat;     // the only box shown; empty: none
  std::string bezTypu = "";  // WezlyBezTypu after an acceptance
};

}  // namespace

// Each variant changes the sound base case so that exactly the rule under
// test decides; where two faults are present, the one reported shows the
// order of the rules and of the loops inside a rule.
TEST(SprawdzenieTest, AcceptsOrRefusesWithTheRuleMessage) {
  const Wariant warianty[] = {
      {"sound case", [](Przypadek&) {}, true, ""},
      {"rows beyond the line count are not checked", [](Przypadek& p) { Linia(p, 3, "9", "9"); p.LiczbaLinii = 2; },
       true, ""},

      // Rule 1; the base case has 1 + 3 = 4 = N and passes.
      {"3 nodes, 2 generator and 2 load nodes",
       [](Przypadek& p) { p.LiczbaWezlow = 3; Elektrownie(p, {"1", "2"}); Obciazenia(p, {"2", "3"}); }, false,
       "Suma węzłów elektrownianych i obciążeniowych jest większa od liczby węzłów w schemacie !!!"},

      // Rule 2.
      {"node N is the end of nothing", [](Przypadek& p) { p.LiczbaWezlow = 5; }, false, kNiepodlaczony},
      {"02 does not connect node 2",
       [](Przypadek& p) { p.LinieSG.setCell(2, 1, "02"); p.LinieSG.setCell(1, 2, "02"); }, false, kNiepodlaczony},

      // Rule 3.
      {"line from 2 to 2", [](Przypadek& p) { Linia(p, 2, "2", "2"); }, false,
       kZla + "Linia L2 ma początek i koniec w tym samym węźle 2 !!!"},

      {"02 is not the same end as 2; the line is refused later for its data",
       [](Przypadek& p) { Linia(p, 3, "2", "02"); p.LinieSG.setCell(8, 3, "0"); }, false,
       "Nieprawidłowe dane linii L3: liczba torów musi być większa od zera !!!"},

      // Rules 4 and 5: nodes 1 to 5 connected, then a line to node 7.
      {"line starting at node 7 of 5",
       [](Przypadek& p) { p.LiczbaWezlow = 5; Linia(p, 3, "4", "5"); Linia(p, 4, "7", "5"); }, false,
       kZla + "Początek linii L4 jest podłączony do węzła nr 7, który nie istnieje. W schemacie tym istnieje tylko 5 "
              "węzłów !!!"},
      {"line ending at node 7 of 5",
       [](Przypadek& p) { p.LiczbaWezlow = 5; Linia(p, 3, "4", "5"); Linia(p, 4, "5", "7"); }, false,
       kZla + "Koniec linii L4 jest podłączony do węzła nr 7, który nie istnieje. W schemacie tym istnieje tylko 5 "
              "węzłów !!!"},
      {"all line starts are checked before any line end",
       [](Przypadek& p) { p.LinieSG.setCell(2, 1, "9"); Linia(p, 3, "8", "2"); }, false,
       kZla + "Początek linii L3 jest podłączony do węzła nr 8, który nie istnieje. W schemacie tym istnieje tylko 4 "
              "węzłów !!!"},

      // Rules 6 and 7.
      {"generator node 6 of 4", [](Przypadek& p) { Elektrownie(p, {"1", "6"}); Obciazenia(p, {"2", "3"}); }, false,
       "Podano nieprawidłowe oznaczenia dla węzłów elektrownianych lub obwód jest nieprawidłowo skonfigurowany.\n"
       "Przyjęto że węzeł 6 jest węzłem elektrownianym a taki węzeł na schemacie nie istnieje. We wprowadzonym "
       "schemacie jest tylko 4 węzłów !!!"},
      {"load node 9 of 4", [](Przypadek& p) { Obciazenia(p, {"2", "9"}); }, false,
       "Podano nieprawidłowe oznaczenia dla węzłów obciążeniowych lub obwód jest nieprawidłowo skonfigurowany.\n"
       "Przyjęto że węzeł 9 jest węzłem obciążeniowym a taki węzeł na schemacie nie istnieje. We wprowadzonym "
       "schemacie jest tylko 4 węzłów !!!"},

      // Rule 8, quoting the second listing as it is written.
      {"node 3 both generator and load", [](Przypadek& p) { Elektrownie(p, {"1", "3"}); Obciazenia(p, {"3", "4"}); },
       false, Podwojny("3")},
      {"03 as written", [](Przypadek& p) { Elektrownie(p, {"1", "3"}); Obciazenia(p, {"2", "03"}); }, false,
       Podwojny("03")},
      {"twice among the loads", [](Przypadek& p) { Obciazenia(p, {"2", "4", "2"}); }, false, Podwojny("2")},
      {"twice among the generators", [](Przypadek& p) { Elektrownie(p, {"1", "1"}); Obciazenia(p, {"2", "3"}); },
       false, Podwojny("1")},
      {"node 0 twice does not crash", [](Przypadek& p) { Elektrownie(p, {"1", "0"}); Obciazenia(p, {"0", "3"}); },
       false, Podwojny("0")},

      // Rules 9 to 11.
      {"transformer from 4 to 4", [](Przypadek& p) { Trafo(p, 1, "4", "4"); Linia(p, 3, "3", "4"); }, false,
       kZla + "Transformator T1 ma początek i koniec w tym samym węźle 4 !!!"},
      {"transformer starting at node 8 of 4", [](Przypadek& p) { p.TrafoSG.setCell(1, 1, "8"); }, false,
       kZla + "Początek transformatora T1 jest podłączony do węzła nr 8, który nie istnieje. W schemacie tym istnieje "
              "tylko 4 węzłów !!!"},
      {"transformer ending at node 8 of 4", [](Przypadek& p) { Linia(p, 3, "3", "4"); p.TrafoSG.setCell(2, 1, "8"); },
       false,
       kZla + "Koniec transformatora T1 jest podłączony do węzła nr 8, który nie istnieje. W schemacie tym istnieje "
              "tylko 4 węzłów !!!"},

      // Node numbers below 1.
      {"start before end: line from 0 to -1", [](Przypadek& p) { Linia(p, 3, "0", "-1"); }, false,
       kZla + "Początek linii L3 jest podłączony do węzła nr 0, a węzły są numerowane od 1 !!!"},
      {"lines before transformers: line ending at node -1",
       [](Przypadek& p) { Linia(p, 3, "4", "-1"); Trafo(p, 2, "0", "3"); }, false,
       kZla + "Koniec linii L3 jest podłączony do węzła nr -1, a węzły są numerowane od 1 !!!"},
      {"transformer starting at node 0", [](Przypadek& p) { Trafo(p, 2, "0", "3"); }, false,
       kZla + "Początek transformatora T2 jest podłączony do węzła nr 0, a węzły są numerowane od 1 !!!"},
      {"transformers before the node grids",
       [](Przypadek& p) { Trafo(p, 2, "4", "0"); Obciazenia(p, {"2", "3", "-1"}); }, false,
       kZla + "Koniec transformatora T2 jest podłączony do węzła nr 0, a węzły są numerowane od 1 !!!"},
      {"generator node 0", [](Przypadek& p) { Elektrownie(p, {"1", "0"}); Obciazenia(p, {"2", "3"}); }, false,
       "Podano nieprawidłowe oznaczenia dla węzłów elektrownianych.\nWiersz W. el. 2 podaje węzeł nr 0, a węzły są "
       "numerowane od 1 !!!"},
      {"load node -1", [](Przypadek& p) { Obciazenia(p, {"2", "3", "-1"}); }, false,
       "Podano nieprawidłowe oznaczenia dla węzłów obciążeniowych.\nWiersz W. obc. 3 podaje węzeł nr -1, a węzły są "
       "numerowane od 1 !!!"},

      // Rule 12: neighbouring rows only, values compared as numbers.
      {"T1, T2 parallel and equal", [](Przypadek& p) { Trafo(p, 2, "3", "4"); }, true, ""},
      {"25 and 25,0 are the same rated power",
       [](Przypadek& p) { Trafo(p, 2, "3", "4"); p.TrafoSG.setCell(5, 2, "25,0"); }, true, ""},
      {"T1, T2 parallel, different rated power",
       [](Przypadek& p) { Trafo(p, 2, "3", "4"); p.TrafoSG.setCell(5, 2, "40"); }, false, Rownolegle("1", "2", "3,4")},
      {"T1, T2 parallel, different no-load current (last column)",
       [](Przypadek& p) { Trafo(p, 2, "3", "4"); p.TrafoSG.setCell(9, 2, "0,7"); }, false,
       Rownolegle("1", "2", "3,4")},
      {"T2, T3 parallel, different short-circuit voltage",
       [](Przypadek& p) { Trafo(p, 2, "2", "4"); Trafo(p, 3, "2", "4"); p.TrafoSG.setCell(8, 3, "11"); }, false,
       Rownolegle("2", "3", "2,4")},
      {"T1 and T3 parallel with T2 between are not compared",
       [](Przypadek& p) { Trafo(p, 2, "2", "4"); Trafo(p, 3, "3", "4"); p.TrafoSG.setCell(5, 3, "40"); }, true, ""},

      // Rule 13.
      {"slack 4, generators 1 and 2",
       [](Przypadek& p) { Elektrownie(p, {"1", "2"}); Obciazenia(p, {"3", "4"}); p.WezelBilansujacy = 4; }, false,
       Bilansujacy("4")},
      {"slack 0 does not crash", [](Przypadek& p) { p.WezelBilansujacy = 0; }, false, Bilansujacy("0")},

      // Rule 14, lines in the outer loop.
      {"line 1-2, transformer 2-1", [](Przypadek& p) { Trafo(p, 2, "2", "1"); }, false, Zwarcie("2", "1", "2", "1")},
      {"line 1 is reported before line 2",
       [](Przypadek& p) { Trafo(p, 2, "3", "2"); Trafo(p, 3, "1", "2"); }, false, Zwarcie("3", "1", "1", "2")},

      {"01 does not name the line's node 1; the transformer is refused later for its data",
       [](Przypadek& p) { Trafo(p, 2, "01", "2"); p.TrafoSG.setCell(5, 2, "0"); }, false,
       "Nieprawidłowe dane transformatora T2: moc znamionowa musi być większa od zera !!!"},

      // Every node reachable from the slack node: {1, 2} and {3, 4, 5} are apart.
      {"island without the slack node",
       [](Przypadek& p) { p.LiczbaWezlow = 5; Linia(p, 2, "3", "5"); }, false, Oddzielony("3", "1")},
      {"slack node in the other island",
       [](Przypadek& p) {
         p.LiczbaWezlow = 5;
         Linia(p, 2, "3", "5");
         Elektrownie(p, {"4"});
         Obciazenia(p, {"1", "2", "3"});
         p.WezelBilansujacy = 4;
       },
       false, Oddzielony("1", "4")},

      // Element data the computation cannot handle.
      {"line without circuits", [](Przypadek& p) { p.LinieSG.setCell(8, 2, "0"); }, false,
       "Nieprawidłowe dane linii L2: liczba torów musi być większa od zera !!!"},
      {"circuits are asked before the length",
       [](Przypadek& p) { p.LinieSG.setCell(7, 1, "0"); p.LinieSG.setCell(8, 1, "0"); }, false,
       "Nieprawidłowe dane linii L1: liczba torów musi być większa od zera !!!"},
      {"line of length 0", [](Przypadek& p) { p.LinieSG.setCell(7, 1, "0"); }, false,
       "Nieprawidłowe dane linii L1: długość linii musi być większa od zera !!!"},
      {"line of negative length", [](Przypadek& p) { p.LinieSG.setCell(7, 1, "-5"); }, false,
       "Nieprawidłowe dane linii L1: długość linii musi być większa od zera !!!"},
      {"line of 0 kV", [](Przypadek& p) { p.LinieSG.setCell(3, 1, "0"); }, false,
       "Nieprawidłowe dane linii L1: napięcie linii musi być większe od zera !!!"},
      {"line with R' = X' = 0", [](Przypadek& p) { p.LinieSG.setCell(4, 1, "0"); p.LinieSG.setCell(5, 1, "0"); },
       false, "Nieprawidłowe dane linii L1: rezystancja R' i reaktancja X' nie mogą być jednocześnie równe zeru !!!"},
      {"line with R' = 0 alone", [](Przypadek& p) { p.LinieSG.setCell(4, 1, "0"); }, true, ""},
      {"line with R' < 0", [](Przypadek& p) { p.LinieSG.setCell(4, 2, "-0,12"); }, false,
       "Nieprawidłowe dane linii L2: rezystancja jednostkowa (kolumna \"R'  [om/km]\") nie może być ujemna, a wpisano "
       "-0,12 !!!"},
      {"line with X' < 0", [](Przypadek& p) { p.LinieSG.setCell(5, 1, "-0,4"); }, false,
       "Nieprawidłowe dane linii L1: reaktancja jednostkowa (kolumna \"X'  [om/km]\") nie może być ujemna, a wpisano "
       "-0,4 !!!"},
      {"line with B' < 0", [](Przypadek& p) { p.LinieSG.setCell(6, 1, "-2,8"); }, false,
       "Nieprawidłowe dane linii L1: susceptancja jednostkowa (kolumna \"B'  [µS/km]\") nie może być ujemna, a "
       "wpisano -2,8 !!!"},
      // With PFe = 0 the active part of i0 is 0 %, so i0 = 0 passes too.
      {"zero X', B', PCu, PFe and i0 are allowed",
       [](Przypadek& p) {
         p.LinieSG.setCell(5, 1, "0");
         p.LinieSG.setCell(6, 2, "0");
         Wiersz(p.TrafoSG, 1, {"3", "4", "110", "20", "25", "0", "0", "10,5", "0"});
       },
       true, ""},
      {"lines are asked before transformers",
       [](Przypadek& p) { p.LinieSG.setCell(7, 2, "0"); p.TrafoSG.setCell(5, 1, "0"); }, false,
       "Nieprawidłowe dane linii L2: długość linii musi być większa od zera !!!"},
      {"rated power is asked before uz", [](Przypadek& p) { p.TrafoSG.setCell(5, 1, "0"); p.TrafoSG.setCell(8, 1, "0"); },
       false, "Nieprawidłowe dane transformatora T1: moc znamionowa musi być większa od zera !!!"},
      {"transformer upper voltage 0", [](Przypadek& p) { p.TrafoSG.setCell(3, 1, "0"); }, false,
       "Nieprawidłowe dane transformatora T1: napięcia znamionowe muszą być większe od zera !!!"},
      {"transformer lower voltage 0", [](Przypadek& p) { p.TrafoSG.setCell(4, 1, "0"); }, false,
       "Nieprawidłowe dane transformatora T1: napięcia znamionowe muszą być większe od zera !!!"},
      {"transformer uz 0", [](Przypadek& p) { p.TrafoSG.setCell(8, 1, "0"); }, false,
       "Nieprawidłowe dane transformatora T1: napięcie zwarcia musi być większe od zera !!!"},
      // uR = 920 / (10 * 160) = 920 / 1600 = 0,575 %.
      {"uz below uR",
       [](Przypadek& p) { Wiersz(p.TrafoSG, 1, {"3", "4", "110", "20", "160", "920", "100", "0,5", "0,6"}); }, false,
       "Nieprawidłowe dane transformatora T1: napięcie zwarcia 0,5 % jest mniejsze od spadku napięcia na rezystancji "
       "uR = 0,575 % (straty w miedzi 920 kW) !!!"},
      {"uz equal to uR",
       [](Przypadek& p) { Wiersz(p.TrafoSG, 1, {"3", "4", "110", "20", "160", "920", "100", "0,575", "0,6"}); }, true,
       ""},
      // Active part of i0 = 100 / (10 * 160) = 100 / 1600 = 0,0625 %; uR = 120 / 1600 = 0,075 % passes.
      {"i0 below its active part",
       [](Przypadek& p) { Wiersz(p.TrafoSG, 1, {"3", "4", "110", "20", "160", "120", "100", "10,5", "0,05"}); },
       false,
       "Nieprawidłowe dane transformatora T1: prąd stanu jałowego 0,05 % jest mniejszy od składowej czynnej 0,0625 % "
       "(straty w żelazie 100 kW) !!!"},
      // Below zero, uR and the active part of i0 would be below zero too and let
      // the two comparisons above pass.
      {"transformer PCu < 0", [](Przypadek& p) { p.TrafoSG.setCell(6, 1, "-120"); }, false,
       "Nieprawidłowe dane transformatora T1: straty w miedzi (kolumna \"Straty w miedzi PCu [kW]\") nie mogą być "
       "ujemne, a wpisano -120 !!!"},
      {"transformer PFe < 0", [](Przypadek& p) { p.TrafoSG.setCell(7, 1, "-25"); }, false,
       "Nieprawidłowe dane transformatora T1: straty w żelazie (kolumna \"Straty w żelazie PFe [kW]\") nie mogą być "
       "ujemne, a wpisano -25 !!!"},
      {"transformer i0 < 0, not compared with its active part",
       [](Przypadek& p) { p.TrafoSG.setCell(9, 1, "-0,6"); }, false,
       "Nieprawidłowe dane transformatora T1: prąd stanu jałowego (kolumna \"Prąd stanu jałowego [%]\") nie może być "
       "ujemny, a wpisano -0,6 !!!"},
      {"generator node at 0 kV",
       [](Przypadek& p) { Elektrownie(p, {"1", "2"}); Obciazenia(p, {"3", "4"}); p.WElSG.setCell(2, 2, "0"); }, false,
       "Nieprawidłowe dane węzła elektrownianego W. el. 2: napięcie musi być większe od zera !!!"},
      {"the slack node's voltage cell is not asked", [](Przypadek& p) { p.WElSG.setCell(2, 1, "0"); }, true, ""},

      // Rule 15: nodes 3 and 5 of 5 have no type.
      {"nodes 3 and 5 without a type",
       [](Przypadek& p) { p.LiczbaWezlow = 5; Linia(p, 3, "4", "5"); Obciazenia(p, {"2", "4"}); }, true,
       "Nie wszystkie węzły zostały zdefiniowane\nDla węzła(ów) 3,5 nie został podany typ, więc przyjęto, że "
       "jest(są) węzłem(ami) obciążeniowym(i) o mocach P = 0 i Q = 0",
       "3,5,"},
  };

  for (const Wariant& w : warianty) {
    SCOPED_TRACE(w.nazwa);
    Przypadek p = Baza();
    w.zmiana(p);
    p.WezlyBezTypu = "7,";  // left from an earlier run
    common::RecordingDialogService d;

    EXPECT_EQ(SprawdzKonfiguracje(p, d), w.przyjety);
    EXPECT_EQ(p.WezlyBezTypu, w.przyjety ? w.bezTypu : "7,");
    if (w.komunikat.empty()) {
      EXPECT_TRUE(d.wpisy.empty()) << d.ostatni();
      continue;
    }
    ASSERT_EQ(d.wpisy.size(), 1u);
    EXPECT_EQ(d.wpisy[0].tekst, w.komunikat);
    EXPECT_EQ(d.wpisy[0].tytul, w.przyjety ? "Uwaga !!!" : "Błąd !!!");
    EXPECT_EQ(d.wpisy[0].ikona, w.przyjety ? Ikona::Informacja : Ikona::Blad);
  }
}

// A node number with a decimal part is a number for the data pages but not
// a node; the conversion error reaches the caller, and the check shows nothing.
TEST(SprawdzenieTest, NonIntegerNodeNumberThrows) {
  const struct {
    const char* nazwa;
    std::function<void(Przypadek&)> zmiana;
    const char* blad;
  } warianty[] = {
      {"line start", [](Przypadek& p) { p.LinieSG.setCell(1, 2, "2,5"); }, "'2,5' is not a valid integer value"},
      {"generator node", [](Przypadek& p) { p.WElSG.setCell(1, 1, "1,0"); }, "'1,0' is not a valid integer value"},
      {"transformer start", [](Przypadek& p) { p.TrafoSG.setCell(1, 1, "3,5"); },
       "'3,5' is not a valid integer value"},
  };
  for (const auto& w : warianty) {
    SCOPED_TRACE(w.nazwa);
    Przypadek p = Baza();
    w.zmiana(p);
    common::RecordingDialogService d;
    try {
      SprawdzKonfiguracje(p, d);
      ADD_FAILURE() << "no conversion error";
    } catch (const common::BladKonwersji& e) {
      EXPECT_STREQ(e.what(), w.blad);
    }
    EXPECT_TRUE(d.wpisy.empty());
  }
}

// The check reads a node cell as the computation does. Where the two could
// differ ("02" is node 2 as a number but not as text), the check refuses
// and says how to write the number.
TEST(SprawdzenieTest, ANodeCellIsCheckedAsItIsComputed) {
  const std::string kJak = ". Numer węzła wpisuje się bez zer na początku, spacji i znaku +, tu: ";
  const struct {
    std::function<void(Przypadek&)> zmiana;
    std::string komunikat;  // empty: accepted
  } warianty[] = {
      {[](Przypadek& p) { p.LinieSG.setCell(1, 2, "2"); }, ""},
      {[](Przypadek& p) { p.LinieSG.setCell(1, 2, "02"); },
       kZla + "Początek linii L2 jest podłączony do węzła \"02\"" + kJak + "2 !!!"},
      {[](Przypadek& p) { p.LinieSG.setCell(1, 2, " 2"); },
       kZla + "Początek linii L2 jest podłączony do węzła \" 2\"" + kJak + "2 !!!"},
      {[](Przypadek& p) { p.TrafoSG.setCell(1, 1, "+3"); },
       kZla + "Początek transformatora T1 jest podłączony do węzła \"+3\"" + kJak + "3 !!!"},
      {[](Przypadek& p) { Obciazenia(p, {"2", "03", "4"}); },
       "Podano nieprawidłowe oznaczenia dla węzłów obciążeniowych.\nWiersz W. obc. 2 podaje węzeł \"03\"" + kJak +
           "3 !!!"},
  };
  for (const auto& w : warianty) {
    SCOPED_TRACE(w.komunikat);
    Przypadek p = Baza();
    w.zmiana(p);
    common::RecordingDialogService d;
    EXPECT_EQ(SprawdzKonfiguracje(p, d), w.komunikat.empty());
    if (!w.komunikat.empty()) EXPECT_EQ(d.ostatni(), w.komunikat);
    // Accepted, the line L2 joins nodes 2 and 3 in the computation as in the check.
    else EXPECT_NE(ObliczRozplyw(p).MacierzY.y(2, 3), 0.0);
  }
}
