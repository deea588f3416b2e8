// The tool for short-circuit exercises: the description's own statements,
// the ".ZRZ" data lines, the task file, and the trial run that refuses what
// the program would refuse.
#include <gtest/gtest.h>

#include "tools/zadanie/opis.h"
#include "tools/zadanie/pliki.h"
#include "tools/zadanie/proba_zwarcia.h"
#include "tools/zadanie/siec.h"
#include "zwarcia/core/plik_zrz.h"

using namespace zadanie;

namespace {

// The shortest short-circuit description the tool accepts, with `dalej` appended.
std::string Opis(const std::string& dalej) {
  return "rodzaj zwarcia\ndane a.dane\nwyjscie ZAD\nwezel 1 100 100\nzadanie Oblicz zwarcie.\n" + dalej;
}
const std::string kZwarcie = "zwarcie 2 110 0,5\n";

// Lines 3 to 26 of a ".ZRZ": node 1 fed by a system, a 20 km line to node
// 2, a transformer from node 2 down to node 3 with a generator.
const std::vector<std::string> kTrzyWezly = {"3",  "1",  "1;", "2000;", "1",     "3;",   "50;",   "12;",
                                             "1;", "1",  "2;", "3;",    "63;",   "250;", "10,5;", "1;",
                                             "1",  "1;", "2;", "110;",  "0,12;", "0,4;", "20;",   "1;"};

std::vector<std::string> Zmienione(std::vector<std::string> w, const std::vector<std::pair<size_t, std::string>>& z) {
  for (const auto& [i, tekst] : z) w[i] = tekst;
  return w;
}

std::string Wszystko(const std::vector<std::string>& wiersze) {
  std::string s;
  for (const auto& l : wiersze) s += l + "\n";
  return s;
}

TEST(OpisZwarcia, OdrzucaBlednyWierszZJegoNumerem) {
  struct Przyklad {
    std::string tekst;
    int wiersz;
    std::string fragment;
  };
  const Przyklad przyklady[] = {
      {Opis("rodzaj rozplyw\n"), 6, "„rodzaj” podano drugi raz"},
      {"rodzaj prad\n", 1, "rodzaj zadania musi być „rozplyw” albo „zwarcia”, a jest „prad”"},
      {Opis(""), 0, "brak wiersza „zwarcie NR KV CZAS”"},
      {Opis(kZwarcie + "bilansujacy 1 115\n"), 7, "„bilansujacy” należy do zadań rozpływu mocy"},
      {Opis(kZwarcie + "epsilon 0,001\n"), 7, "„epsilon” należy do zadań rozpływu mocy"},
      {"dane a\nwyjscie B\nwezel 1 10 10\nzadanie x\nzwarcie 2 110 0,5\n", 5,
       "„zwarcie” należy do zadań programu zwarcia (brak „rodzaj zwarcia”)"},
      {Opis("zwarcie 2 110 1,01\n"), 6, "czas trwania zwarcia [s] musi leżeć między 0,01 a 1 (z końcami)"},
      {Opis("zwarcie 2 110 0,009\n"), 6, "czas trwania zwarcia [s] musi leżeć między 0,01 a 1"},
      {Opis("zwarcie 2 110 pół\n"), 6, "czas trwania zwarcia [s] musi być liczbą, a jest „pół”"},
      {Opis("zwarcie 2 1000 0,5\n"), 6, "napięcie w miejscu zwarcia [kV] 1000 poza zakresem 1…999"},
      {Opis("zwarcie 0 110 0,5\n"), 6, "numer węzła zwarcia 0 poza zakresem"},
      {Opis("zwarcie 2 110\n"), 6, "brakuje: czas trwania zwarcia [s]"},
      {Opis("zwarcie 2 110 0,5 skos\n"), 6, "strona strzałki zwarcia musi być jedną z"},
      {Opis("zwarcie 2 110 0,5 dol 400\n"), 6, "przesunięcie strzałki 400 poza zakresem"},
      {Opis("zwarcie 2 110 0,5 dol 10 x\n"), 6, "nadmiarowy tekst „x”"},
      // The report prints the first task line as the statement.
      {"rodzaj zwarcia\ndane a\nwyjscie B\nwezel 1 10 10\nzadanie\nzadanie Oblicz.\n" + kZwarcie, 0,
       "pierwszy wiersz „zadanie” jest pusty"},
  };
  for (const auto& p : przyklady) {
    SCOPED_TRACE(p.tekst);
    try {
      CzytajOpis(p.tekst);
      ADD_FAILURE() << "przyjęto";
    } catch (const BladOpisu& b) {
      EXPECT_EQ(b.wiersz(), p.wiersz);
      EXPECT_NE(std::string(b.what()).find(p.fragment), std::string::npos) << b.what();
    }
  }
}

TEST(OpisZwarcia, CzytaDaneZwarciaJakJeWpisujeStudent) {
  struct Przyklad {
    std::string wiersz;
    std::string czas;
    std::optional<Strona> strona;
    int przesuniecie;
  };
  const Przyklad przyklady[] = {
      {"zwarcie 3 220 0,01", "0,01", std::nullopt, 0},
      {"zwarcie 3 220 1", "1", std::nullopt, 0},
      {"zwarcie 3 220 0.25 prawo", "0,25", Strona::Prawo, 0},
      {"zwarcie 3 220 0,5 gora -30", "0,5", Strona::Gora, -30},
  };
  for (const auto& p : przyklady) {
    SCOPED_TRACE(p.wiersz);
    const OpisUkladu o = CzytajOpis("Rodzaj  Zwarcia\n" + p.wiersz + "\ndane a\nwyjscie B\nwezel 1 1 1\nzadanie X.\n");
    EXPECT_EQ(o.rodzaj, Rodzaj::Zwarcie);
    ASSERT_TRUE(o.zwarcie);
    EXPECT_EQ(o.zwarcie->wezel, 3);
    EXPECT_EQ(o.zwarcie->napiecieKv, 220);
    EXPECT_EQ(o.zwarcie->czas, p.czas);
    EXPECT_EQ(o.zwarcie->strona, p.strona);
    EXPECT_EQ(o.zwarcie->przesuniecie, p.przesuniecie);
    EXPECT_EQ(o.zwarcie->wiersz, 2);
  }
  EXPECT_EQ(CzytajOpis("dane a\nwyjscie B\nwezel 1 1 1\nzadanie X.\n").rodzaj, Rodzaj::Rozplyw);
  EXPECT_EQ(CzytajOpis("rodzaj rozpływ\ndane a\nwyjscie B\nwezel 1 1 1\nzadanie X.\n").rodzaj, Rodzaj::Rozplyw);
}

TEST(OpisZwarcia, TekstZadaniaKonczySieDanymiZwarcia) {
  EXPECT_EQ(TekstZadania(CzytajOpis(Opis("zwarcie 4 110 0.3\n"))),
            (std::vector<std::string>{
                "Oblicz zwarcie.", "", "Dane do obliczeń:", "- węzeł, w którym jest zwarcie: nr 4",
                "- znamionowe napięcie sieci w miejscu zwarcia: 110 kV", "- czas trwania zwarcia: 0,3 s"}));
}

TEST(OpisZwarcia, NiezgodnosciZDanymi) {
  zwarcia::Przypadek p;
  ASSERT_TRUE(zwarcia::WczytajZrz(zwarcia::ZbudujZrz(kTrzyWezly), p));
  const std::string wezly = "wezel 2 200 100\nwezel 3 300 100\n";
  const std::pair<std::string, std::vector<std::string>> przyklady[] = {
      {wezly + kZwarcie, {}},
      {wezly + "zwarcie 4 110 0,5\n", {"wiersz 8: węzła zwarcia 4 nie ma w danych (węzłów jest 3)"}},
      {wezly + kZwarcie + "trafo 2\nlinia 1\n", {"wiersz 9: T2 nie istnieje (transformatorów w danych: 1)"}},
      {"wezel 2 200 100\n" + kZwarcie, {"węzeł 3 nie ma położenia na rysunku (brak „wezel 3 X Y”)"}},
  };
  for (const auto& [dalej, bledy] : przyklady) {
    SCOPED_TRACE(dalej);
    EXPECT_EQ(NiezgodnosciZDanymi(CzytajOpis(Opis(dalej)), SiecZwarciowa(p)), bledy);
  }
}

TEST(DaneZwarcia, BledyWskazujaWierszPlikuZrz) {
  struct Przyklad {
    size_t wiersz;  // of the data (0 = line 3 of the ".ZRZ"), replaced by `tekst`
    std::string tekst;
    size_t ile;            // messages
    std::string pierwszy;  // the first of them
  };
  // A comment heads the data file, so data line i is its line i + 2 and line i + 3
  // of the ".ZRZ", whose lines 1 and 2 are the integrity lines.
  const Przyklad przyklady[] = {
      {22, "20", 0, ""},  // the final ";" may be missing
      // A count that is no whole number counts as 0, so its two columns have a value too many.
      {1, "1,5", 3,
       "wiersz 3 pliku danych (wiersz 4 pliku .ZRZ, liczba węzłów zasilanych z systemów): „1,5” nie jest liczbą "
       "całkowitą nieujemną"},
      {7, "12x;", 1,
       "wiersz 9 pliku danych (wiersz 10 pliku .ZRZ, generatory: reaktancja przejściowa Xd\" [%]): wartość nr 1 "
       "„12x” nie jest liczbą"},
      {15, "1;;", 1,
       "wiersz 17 pliku danych (wiersz 18 pliku .ZRZ, transformatory: liczba transformatorów): 2 wartości, a "
       "elementów jest 1"},
      // One more line in the count: each of the seven line columns is one short.
      {16, "2", 7,
       "wiersz 19 pliku danych (wiersz 20 pliku .ZRZ, linie: początek w węźle): 1 wartości, a elementów jest 2"},
      // The last line the program reads is the last line of the file.
      {23, "0,5x;", 1,
       "wiersz 25 pliku danych (wiersz 26 pliku .ZRZ, linie: liczba torów): wartość nr 1 „0,5x” nie jest liczbą"},
  };
  for (const auto& p : przyklady) {
    SCOPED_TRACE(p.tekst);
    const std::string plik = "# trzy węzły\n" + Wszystko(Zmienione(kTrzyWezly, {{p.wiersz, p.tekst}}));
    std::vector<int> numery;
    const auto wiersze = WierszeDanych(plik, &numery, UkladZrz());
    const auto bledy = BledyDanych(wiersze, numery, UkladZrz());
    ASSERT_EQ(bledy.size(), p.ile);
    if (p.ile) {
      EXPECT_EQ(bledy[0], p.pierwszy);
    } else {
      // What the check lets through, the program's loader takes.
      zwarcia::Przypadek przypadek;
      EXPECT_TRUE(zwarcia::WczytajZrz(zwarcia::ZbudujZrz(wiersze), przypadek));
    }
  }
}

TEST(DaneZwarcia, OdrzucaWierszePo26) {
  const std::string plik = Wszystko(kTrzyWezly);
  EXPECT_EQ(WierszeDanych(plik + "\n\n", nullptr, UkladZrz()).size(), 24u);
  try {
    WierszeDanych(plik + "27\n", nullptr, UkladZrz());
    ADD_FAILURE() << "przyjęto";
  } catch (const std::runtime_error& b) {
    EXPECT_NE(std::string(b.what()).find("wiersze 3–26 pliku .ZRZ"), std::string::npos) << b.what();
  }
}

TEST(PrzeliczZwarcie, OdrzucaToCzegoProgramNiePrzyjmie) {
  struct Przyklad {
    std::vector<std::pair<size_t, std::string>> zmiany;  // of the data lines
    std::string zwarcie;
    bool dobre;
    std::string fragment;  // in one of the lines for the teacher
  };
  // A second line, from node 3 back to node 2, lies across the transformer.
  const std::vector<std::pair<size_t, std::string>> liniaPrzezTrafo = {
      {16, "2"},          {17, "1;3;"},     {18, "2;2;"},  {19, "110;110;"},
      {20, "0,12;0,12;"}, {21, "0,4;0,4;"}, {22, "20;5;"}, {23, "1;1;"}};
  const Przyklad przyklady[] = {
      {{}, kZwarcie, true, "Początkowy prąd zwarciowy I″k = "},
      {{}, "zwarcie 3 11 1\n", true, "Z krzywej: κ = "},
      {{{1, "0"}}, kZwarcie, false, "Program nie przyjmuje danych zadania:"},
      {{}, "zwarcie 4 110 0,5\n", false, "Program nie przyjmuje wartości „4”"},
      {liniaPrzezTrafo, kZwarcie, false, "co w praktyce oznacza ZWARCIE"},
      {{{3, "0;"}}, kZwarcie, false, "moc zwarciowa musi być większa od zera"},
      // At the bus of a strong system (no resistance) X/R runs into the hundreds.
      {{{3, "20000;"}}, "zwarcie 1 110 0,5\n", true, "leży poza osią wykresu współczynnika udaru (0,5–200)"},
  };
  for (const auto& pr : przyklady) {
    SCOPED_TRACE(pr.zwarcie + pr.fragment);
    const ProbneObliczenie w =
        PrzeliczZwarcie(zwarcia::ZbudujZrz(Zmienione(kTrzyWezly, pr.zmiany)), CzytajOpis(Opis(pr.zwarcie)));
    EXPECT_EQ(w.dobre, pr.dobre);
    std::string wszystko;
    for (const auto& l : w.wiersze) wszystko += l + "\n";
    EXPECT_NE(wszystko.find(pr.fragment), std::string::npos) << wszystko;
  }
}

}  // namespace
