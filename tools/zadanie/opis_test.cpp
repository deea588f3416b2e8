#include "tools/zadanie/opis.h"

#include <gtest/gtest.h>

#include "common/core/cp1250.h"
#include "kreator/core/plik_zrm.h"
#include "tools/zadanie/pliki.h"
#include "tools/zadanie/siec.h"

using namespace zadanie;

namespace {

// The shortest description the tool accepts, with `dalej` appended.
std::string Opis(const std::string& dalej) {
  return "dane a.dane\nwyjscie ZAD\nwezel 1 100 100\nzadanie Oblicz.\n" + dalej;
}

// Two nodes joined by one 110 kV line; node 1 a generator, node 2 a load.
const std::vector<std::string> kDwaWezly = {"2",  "1",  "0",    "1;", "2;", "110;", "0,08;", "0,38;", "1,8;", "40;",
                                            "1;", "",   "",     "",   "",   "",     "",      "",      "",     "",
                                            "1",  "1;", "115;", "0;", "1",  "2;",   "30;",   "10;"};

kreator::Przypadek Wczytany(const std::vector<std::string>& wiersze) {
  kreator::Przypadek p;
  EXPECT_TRUE(kreator::WczytajZrm(kreator::ZbudujZrm(wiersze), p));
  return p;
}

TEST(CzytajOpis, OdrzucaBlednyWierszZJegoNumerem) {
  struct Przyklad {
    std::string tekst;
    int wiersz;
    std::string fragment;
  };
  const Przyklad przyklady[] = {
      {"dane a\nwyjscie B\nwezel 1 10 10\nzadanie x\nkolor czarny\n", 5, "nieznane słowo „kolor”"},
      {"dane a\n\n# komentarz\nwezel 1 10 x\n", 4, "musi być liczbą całkowitą, a jest „x”"},
      {Opis("wezel 1 50 50\n"), 5, "opisano drugi raz (pierwszy raz w wierszu 3)"},
      {Opis("dane b\n"), 5, "„dane” podano drugi raz (pierwszy raz w wierszu 1)"},
      {Opis("rozmiar 1200 600\n"), 5, "szerokość rysunku 1200 poza zakresem"},
      {Opis("rozmiar 900 701\n"), 5, "wysokość rysunku 701 poza zakresem"},
      // The place is tested against the size wherever "rozmiar" stands.
      {Opis("wezel 2 450 300\nrozmiar 400 400\n"), 5, "punkt (450, 300) leży poza rysunkiem 400 × 400"},
      {Opis("linia 1 przez 10 20 990 20\n"), 5, "punkt (990, 20) leży poza rysunkiem"},
      {Opis("wezel 2 10 10 symbol skos\n"), 5, "strona symbolu musi być jedną z"},
      {Opis("wezel 2 10 10 dlugosc 5\n"), 5, "długość szyny 5 poza zakresem 20…600"},
      {Opis("wezel 2 10 10 kolor\n"), 5, "nieznana opcja węzła „kolor”"},
      {Opis("linia 1 przez 10\n"), 5, "brakuje: punkt załamania"},
      {Opis("trafo 1 opis 5\n"), 5, "brakuje: przesunięcie opisu"},
      {Opis("epsilon 1\n"), 5, "epsilon musi leżeć między 0 a 1"},
      {Opis("epsilon 0,0001a\n"), 5, "epsilon musi być liczbą"},
      {Opis("r 2,5\n"), 5, "parametr relaksacji r musi leżeć między 1 a 2"},
      {Opis("metoda euler\n"), 5, "metoda obliczeń musi być „gauss-seidel” albo „newton”, a jest „euler”"},
      {Opis("r 1,5\nmetoda newton\n"), 5, "„r” jest parametrem relaksacji metody Gaussa-Seidla"},
      {Opis("bilansujacy 1 1000\n"), 5, "napięcie węzła bilansującego [kV] 1000 poza zakresem"},
      // The programs' limits: 5000 nodes, 10 000 lines or transformers.
      {Opis("wezel 5001 10 10\n"), 5, "numer węzła 5001 poza zakresem 1…5000"},
      {Opis("trafo 10001\n"), 5, "numer elementu 10001 poza zakresem 1…10000"},
      {Opis("bilansujacy 5001 110\n"), 5, "numer węzła bilansującego 5001 poza zakresem 1…5000"},
      {Opis("bilansujacy 1\n"), 5, "brakuje: napięcie węzła bilansującego"},
      {Opis("wyjscie A B\n"), 5, "„wyjscie” podano drugi raz"},
      {"dane a b\n", 1, "nadmiarowy tekst „b”"},
      {Opis("napis 10 10\n"), 5, "„napis” bez tekstu"},
      {Opis("tytul\n"), 5, "„tytul” bez tekstu"},
      {"wyjscie A\nwezel 1 1 1\nzadanie x\n", 0, "brak wiersza „dane PLIK”"},
      {"dane a\nwezel 1 1 1\nzadanie x\n", 0, "brak wiersza „wyjscie NAZWA”"},
      {"dane a\nwyjscie A\nzadanie x\n", 0, "brak wierszy „wezel NR X Y”"},
      {"dane a\nwyjscie A\nwezel 1 1 1\n", 0, "brak wierszy „zadanie TEKST”"},
  };
  for (const auto& p : przyklady) {
    SCOPED_TRACE(p.tekst);
    try {
      CzytajOpis(p.tekst);
      ADD_FAILURE() << "przyjęto";
    } catch (const BladOpisu& b) {
      EXPECT_EQ(b.wiersz(), p.wiersz);
      EXPECT_NE(std::string(b.what()).find(p.fragment), std::string::npos) << b.what();
      if (p.wiersz > 0) {
        EXPECT_TRUE(std::string(b.what()).starts_with("wiersz " + std::to_string(p.wiersz) + ": "));
      }
    }
  }
}

TEST(CzytajOpis, CzytaWszystkieWiersze) {
  const OpisUkladu o = CzytajOpis(
      "# przykład\r\n"
      "dane  zad.dane   # komentarz\r\n"
      "Wyjście ZAD7\r\n"
      "tytuł Sieć 110 kV # z krzyżykiem\r\n"
      "rozmiar 800 500\r\n"
      "węzeł 1 100 200\r\n"
      "wezel 2 300 200 dlugosc 120 pion symbol dół -15 opis 10 -20\n"
      "linia 2 przez 100 50 300 50 opis 0 -8\r"
      "trafo 1 opis -40 0\n"
      "napis 20 480 110 kV, 2 linie\n"
      "bilansujący 1 117\n"
      "epsilon 0.0001\n"
      "r 1,5\n"
      "zadanie Wyznacz rozpływ mocy # wszystko to tekst\n"
      "zadanie\n"
      "zadanie   Drugi akapit.  \n");
  EXPECT_EQ(o.dane, "zad.dane");
  EXPECT_EQ(o.wyjscie, "ZAD7");
  EXPECT_EQ(o.tytul, "Sieć 110 kV # z krzyżykiem");
  EXPECT_EQ(o.szerokosc, 800);
  EXPECT_EQ(o.wysokosc, 500);
  ASSERT_EQ(o.wezly.size(), 2u);
  EXPECT_EQ(o.wezly.at(1).srodek, (Punkt{100, 200}));
  EXPECT_EQ(o.wezly.at(1).dlugosc, 80);
  EXPECT_FALSE(o.wezly.at(1).pion);
  EXPECT_FALSE(o.wezly.at(1).symbol);
  const OpisWezla& w2 = o.wezly.at(2);
  EXPECT_EQ(w2.dlugosc, 120);
  EXPECT_TRUE(w2.pion);
  EXPECT_EQ(w2.symbol, Strona::Dol);
  EXPECT_EQ(w2.przesuniecieSymbolu, -15);
  EXPECT_EQ(w2.opis, (Punkt{10, -20}));
  EXPECT_EQ(w2.wiersz, 7);
  ASSERT_EQ(o.linie.count(2), 1u);
  EXPECT_EQ(o.linie.at(2).przez, (std::vector<Punkt>{{100, 50}, {300, 50}}));
  EXPECT_EQ(o.linie.at(2).opis, (Punkt{0, -8}));
  EXPECT_EQ(o.linie.at(2).wiersz, 8);  // a lone CR ends a line too
  EXPECT_EQ(o.trafa.at(1).opis, (Punkt{-40, 0}));
  EXPECT_TRUE(o.trafa.at(1).przez.empty());
  ASSERT_EQ(o.napisy.size(), 1u);
  EXPECT_EQ(o.napisy[0].miejsce, (Punkt{20, 480}));
  EXPECT_EQ(o.napisy[0].tekst, "110 kV, 2 linie");
  ASSERT_TRUE(o.bilansujacy);
  EXPECT_EQ(o.bilansujacy->wezel, 1);
  EXPECT_EQ(o.bilansujacy->napiecieKv, 117);
  EXPECT_EQ(o.epsilon, "0,0001");  // as the student types it
  EXPECT_EQ(o.r, "1,5");
  EXPECT_EQ(o.zadanie, (std::vector<std::string>{"Wyznacz rozpływ mocy # wszystko to tekst", "", "Drugi akapit."}));
}

TEST(NiezgodnosciZDanymi, WskazujeCoNiePasujeDoDanych) {
  const kreator::Przypadek p = Wczytany(kDwaWezly);
  struct Przyklad {
    std::string dalej;  // appended to a description that places node 1 only
    std::vector<std::string> bledy;
  };
  const Przyklad przyklady[] = {
      {"wezel 2 200 100\n", {}},
      {"wezel 2 200 100\nbilansujacy 1 115\nlinia 1 opis 0 5\n", {}},
      {"", {"węzeł 2 nie ma położenia na rysunku (brak „wezel 2 X Y”)"}},
      {"wezel 2 200 100\nwezel 3 300 100\n", {"wiersz 6: węzła 3 nie ma w danych (węzłów jest 2)"}},
      {"wezel 2 200 100\nlinia 2\ntrafo 1\n",
       {"wiersz 6: L2 nie istnieje (linii w danych: 1)", "wiersz 7: T1 nie istnieje (transformatorów w danych: 0)"}},
      {"wezel 2 200 100\nbilansujacy 2 110\n", {"węzeł bilansujący 2 nie jest węzłem elektrownianym w danych"}},
  };
  for (const auto& pr : przyklady) {
    SCOPED_TRACE(pr.dalej);
    EXPECT_EQ(NiezgodnosciZDanymi(CzytajOpis(Opis(pr.dalej)), SiecRozplywu(p)), pr.bledy);
  }
}

TEST(WierszeDanych, KomentarzePomijaPusteZachowuje) {
  const std::string plik =
      "\xEF\xBB\xBF# nagłówek\r\n"
      "2      # węzły\r\n"
      "  1;2;  \n"
      "\n"
      "   # sam komentarz\n"
      "\t\n"
      "30;10;# bez odstępu\n";
  EXPECT_EQ(WierszeDanych(plik), (std::vector<std::string>{"2", "1;2;", "", "", "30;10;"}));
}

TEST(WierszeDanych, TekstWWindows1250IUtf8DajeTeSameBajty) {
  const std::string utf8 = "1;\nżółć;\n";
  const auto zUtf8 = WierszeDanych(utf8);
  const auto zCp1250 = WierszeDanych(common::Utf8DoCp1250(utf8));
  EXPECT_EQ(zUtf8, zCp1250);
  EXPECT_EQ(zUtf8[1], common::Utf8DoCp1250("żółć;"));
}

TEST(WierszeDanych, OdrzucaWierszePo30) {
  std::string plik;
  for (int i = 3; i <= 30; ++i) plik += std::to_string(i) + "\n";
  EXPECT_EQ(WierszeDanych(plik + "\n\n").size(), 28u);  // empty lines at the end are no data
  EXPECT_THROW(WierszeDanych(plik + "31\n"), std::runtime_error);
}

TEST(WierszeDanych, ZrmZTychWierszyPrzyjmujeProgram) {
  std::string plik = "# dwa węzły\n";
  for (const auto& w : kDwaWezly) plik += w + (w.empty() ? "\n" : "   # opis\n");
  kreator::Przypadek p;
  ASSERT_TRUE(kreator::WczytajZrm(kreator::ZbudujZrm(WierszeDanych(plik)), p));
  EXPECT_EQ(p.LiczbaWezlow, 2);
  EXPECT_EQ(p.LinieSG.cell(7, 1), "40");
  EXPECT_EQ(p.WObcSG.cell(3, 1), "10");
}

TEST(BledyDanych, WskazujeWierszIWartosc) {
  struct Przyklad {
    size_t wiersz;  // of the data (0 = line 3 of the ".ZRM"), replaced by `tekst`
    std::string tekst;
    std::vector<std::string> bledy;
  };
  // A comment heads the data file, so data line i is file line i + 2.
  const Przyklad przyklady[] = {
      {9, "40;", {}},
      {9, "40", {}},  // the final ";" may be missing
      {0,
       "2,0",
       {"wiersz 2 pliku danych (wiersz 3 pliku .ZRM, liczba węzłów): „2,0” nie jest liczbą całkowitą nieujemną"}},
      {2,
       "-1",
       {"wiersz 4 pliku danych (wiersz 5 pliku .ZRM, liczba transformatorów): „-1” nie jest liczbą całkowitą "
        "nieujemną"}},
      {4,
       "0,38x;",
       {"wiersz 6 pliku danych (wiersz 7 pliku .ZRM, linie: koniec w węźle): wartość nr 1 „0,38x” nie jest "
        "liczbą"}},
      {9,
       "40;;",
       {"wiersz 11 pliku danych (wiersz 12 pliku .ZRM, linie: długość [km]): 2 wartości, a elementów jest 1"}},
      {11,
       "1;",
       {"wiersz 13 pliku danych (wiersz 14 pliku .ZRM, transformatory: węzeł górny): 1 wartości, a elementów "
        "jest 0"}},
      {27,
       "",
       {"wiersz 29 pliku danych (wiersz 30 pliku .ZRM, węzły obciążeniowe: moc bierna [Mvar]): 0 wartości, a "
        "elementów jest 1"}},
      // One more load node in the count: every load column is one short.
      {24,
       "2",
       {"wiersz 27 pliku danych (wiersz 28 pliku .ZRM, węzły obciążeniowe: węzeł): 1 wartości, a elementów jest 2",
        "wiersz 28 pliku danych (wiersz 29 pliku .ZRM, węzły obciążeniowe: moc czynna [MW]): 1 wartości, a "
        "elementów jest 2",
        "wiersz 29 pliku danych (wiersz 30 pliku .ZRM, węzły obciążeniowe: moc bierna [Mvar]): 1 wartości, a "
        "elementów jest 2"}},
  };
  for (const auto& p : przyklady) {
    SCOPED_TRACE(p.tekst);
    std::vector<std::string> dane = kDwaWezly;
    dane[p.wiersz] = p.tekst;
    std::string plik = "# dwa węzły\n";
    for (const auto& w : dane) plik += w + "\n";
    std::vector<int> numery;
    const auto wiersze = WierszeDanych(plik, &numery);
    EXPECT_EQ(BledyDanych(wiersze, numery), p.bledy);
    // What the check lets through, the program's loader takes.
    kreator::Przypadek przypadek;
    if (p.bledy.empty()) {
      EXPECT_TRUE(kreator::WczytajZrm(kreator::ZbudujZrm(wiersze), przypadek));
    }
  }
}

TEST(TekstZadania, DopisujeWartosciDoWpisania) {
  EXPECT_EQ(TekstZadania(CzytajOpis(Opis(""))), std::vector<std::string>{"Oblicz."});
  EXPECT_EQ(TekstZadania(CzytajOpis(Opis("bilansujacy 3 231\nepsilon 0,001\nr 1.4\n"))),
            (std::vector<std::string>{"Oblicz.", "", "Dane do obliczeń:", "- węzeł elektrowniany bilansujący: nr 3",
                                      "- napięcie w węźle bilansującym: 231 kV",
                                      "- maksymalna różnica między dwoma krokami iteracyjnymi \"epsilon\": 0,001",
                                      "- parametr relaksacji \"r\": 1,4"}));
}

TEST(NapiecieZnamionowe, ZLiniiAlboZUzwojeniaTransformatora) {
  // Nodes 1-2 by a 220 kV line, transformer 2 -> 3 (231/110), node 4 only
  // on the lower side of a second transformer 2 -> 4.
  const kreator::Przypadek p =
      Wczytany({"4",  "1",    "2",    "1;",       "2;",       "220;",     "0,05;",    "0,4;",     "2,7;",   "50;",
                "1;", "2;2;", "3;4;", "231;231;", "110;115;", "160;160;", "920;920;", "260;260;", "12;12;", "0,6;0,6;",
                "1",  "1;",   "231;", "0;",       "1",        "3;",       "10;",      "5;"});
  const std::pair<int, double> przyklady[] = {{1, 220}, {2, 220}, {3, 110}, {4, 115}, {5, 0}};
  for (auto [wezel, kv] : przyklady) EXPECT_EQ(NapiecieZnamionowe(p, wezel), kv) << "węzeł " << wezel;
}

TEST(Przelicz, OdrzucaToCzegoProgramNiePrzyjmieIOstrzegaONapieciu) {
  const std::string zrm = kreator::ZbudujZrm(kDwaWezly);
  struct Przyklad {
    std::string dalej;
    bool dobre;
    std::string fragment;  // in one of the lines for the teacher
  };
  // A 40 km line carrying 30 MW keeps node 2 within a few kV of node 1: at
  // 115 kV inside the band, at 125 kV above 1,1 x 110 = 121 kV.
  const Przyklad przyklady[] = {
      {"wezel 2 200 100\n", true, "zadania nie przeliczono próbnie"},
      {"wezel 2 200 100\nbilansujacy 1 115\nepsilon 0,0001\nr 1,5\n", true, "Próbne obliczenie zbieżne"},
      {"wezel 2 200 100\nbilansujacy 1 125\nepsilon 0,0001\nr 1,5\n", true,
       "Uwaga: w węźle 1 napięcie 125,00 kV leży poza przedziałem 0,9–1,1 napięcia znamionowego 110 kV."},
      {"wezel 2 200 100\nbilansujacy 2 115\nepsilon 0,0001\nr 1,5\n", false, "Obliczenia przerwane:"},
      {"wezel 2 200 100\nbilansujacy 3 115\nepsilon 0,0001\nr 1,5\n", false, "Program nie przyjmuje wartości „3”"},
  };
  for (const auto& pr : przyklady) {
    SCOPED_TRACE(pr.dalej);
    const ProbneObliczenie w = Przelicz(zrm, CzytajOpis(Opis(pr.dalej)));
    EXPECT_EQ(w.dobre, pr.dobre);
    std::string wszystko;
    for (const auto& l : w.wiersze) wszystko += l + "\n";
    EXPECT_NE(wszystko.find(pr.fragment), std::string::npos) << wszystko;
  }
}

}  // namespace
