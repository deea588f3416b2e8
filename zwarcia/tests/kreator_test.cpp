#include "zwarcia/core/kreator.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "common/core/liczby.h"

using namespace zwarcia;
using common::Ikona;

namespace {

const char* kNiepelna =
    "Wprowadzone dane są nieprawidłowe lub niekompletne (sprawdź, czy wszystkie pola zostały wypełnione) !!!";

const char* kZachety[] = {
    "Witam w kreatorze tworzenia nowego schematu.\n\n"
    "     Kreator ten pomaga bezbłędnie utworzyć wieloelementowy schemat\n"
    "     łacznie z podawaniem wszystkich parametrów lini,\n"
    "     transformatorów, systemów i generatorów.\n\n"
    "Kliknij przycisk \"Dalej\" aby rozpocząć pracę.",
    "Podaj liczbę węzłów sieci",
    "Podaj liczbę węzłów zasilanych z systemów",
    "Podaj dane węzłów zasilanych z systemów",
    "Podaj liczbę wezłów zasilanych z generatorów",
    "Podaj dane węzłów zasilanych z generatorów",
    "Podaj liczbę transformatorów",
    "Podaj dane transformatorów",
    "Podaj liczbę linii",
    "Podaj dane linii",
    "Podaj numer węzła, w którym jest zwarcie",
    "Podaj znamionową wartość napięcia sieci w miejscu zwarcia [kV]",
    "Podaj czas trwania zwarcia [s]",
    "Zakończyłeś wprowadzanie parametrów wybranego układu\n"
    "Po kliknięciu na przycisk \"Oblicz\"\n"
    "nastąpi obliczenie rozpływu i parametrów prądu zwarciowego\n"
    "w modelowanym układzie",
};

// Lamp (PP1..PP13) current on each page 0..13: the fault node and its voltage share PP11.
const int kBiezaca[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 11, 12, 13};
// Panel shown on each page; pages with none but 0 and 13 show DaneE.
const Panel kPanel[] = {Panel::Brak, Panel::Brak, Panel::Brak,        Panel::SystemyP, Panel::Brak,
                        Panel::GeneratoryP, Panel::Brak, Panel::TransformatoryP, Panel::Brak, Panel::LinieP,
                        Panel::Brak, Panel::Brak, Panel::Brak, Panel::Brak};

// Where the focus goes on arrival at each page 0..13.
const Fokus kFokus[] = {Fokus::DaneE,   Fokus::DaneE,   Fokus::DaneE, Fokus::SystemySG, Fokus::DaneE,
                        Fokus::GeneratorySG, Fokus::DaneE, Fokus::TrafoSG, Fokus::DaneE, Fokus::LinieSG,
                        Fokus::DaneE, Fokus::DaneE, Fokus::DaneE, Fokus::DalejBB};

void Wiersz(common::TextGrid& g, int w, std::initializer_list<const char*> komorki) {
  int k = 1;
  for (const char* c : komorki) g.setCell(k++, w, c);
}

class KreatorZwarcTest : public ::testing::Test {
 protected:
  KreatorZwarcTest() : k(p, d) {}

  // What a student types on each page of a 3-node case with one system, one
  // generator, one transformer and two lines.
  static std::string wpis(int strona) {
    switch (strona) {
      case 1: return "3";
      case 2: case 4: case 6: return "1";
      case 8: return "2";
      case 10: return "3";
      case 11: return "110";
      case 12: return "0,2";
      default: return "";
    }
  }
  void wypelnijTabele() {
    switch (p.Krok) {
      case 3: Wiersz(p.SystemySG, 1, {"1", "2500"}); break;
      case 5: Wiersz(p.GeneratorySG, 1, {"3", "120", "12,5", "2"}); break;
      case 7: Wiersz(p.TrafoSG, 1, {"1", "2", "160", "500", "12", "1"}); break;
      case 9:
        for (int w = 1; w < p.LinieSG.rowCount(); ++w) Wiersz(p.LinieSG, w, {"2", "3", "110", "0,12", "0,4", "30", "1"});
        break;
    }
  }
  void idzDo(int strona) {
    while (p.Krok < strona) {
      const int przed = p.Krok;
      wypelnijTabele();
      ostatnie = k.DalejBBClick(wpis(p.Krok));
      ASSERT_GT(p.Krok, przed) << "odmowa na stronie " << przed << ": " << d.ostatni();
    }
  }
  void odNowa() {
    p = Przypadek();
    k.FormCreate();
    d.wpisy.clear();
  }
  void sprawdzLampy(int strona) {
    for (int l = 1; l <= kLiczbaLamp; ++l) {
      Lampa oczekiwana = l < kBiezaca[strona] ? Lampa::Wykonana
                         : l == kBiezaca[strona] ? Lampa::Biezaca : Lampa::Neutralna;
      EXPECT_EQ(k.widok().lampy[static_cast<size_t>(l - 1)], oczekiwana) << "strona " << strona << " PP" << l;
    }
  }

  Przypadek p;
  common::RecordingDialogService d;
  Kreator k;
  Skutki ostatnie;
};

}  // namespace

TEST_F(KreatorZwarcTest, WelcomePageAsCreated) {
  const Widok& w = k.widok();
  EXPECT_EQ(w.L1, kZachety[0]);
  sprawdzLampy(0);
  EXPECT_FALSE(w.daneEWidoczne || w.wsteczBB || w.nowyBB || w.koniecP);
  EXPECT_EQ(w.panel, Panel::Brak);
  EXPECT_EQ(w.dalejNapis, "&Dalej");
  EXPECT_TRUE(w.dalejAktywny);
  k.DalejBBClick("cokolwiek");  // the welcome page never refuses
  EXPECT_EQ(p.Krok, 1);
  EXPECT_TRUE(d.wpisy.empty());
}

TEST_F(KreatorZwarcTest, SingleValuePagesAcceptAndRefuse) {
  const std::string wezly = "Podano nieprawidłową liczbę węzłów !!!";
  const std::string sys = "Podano nieprawidłową liczbę węzłów zasilanych z systemów !!!";
  const std::string gen = "Podano nieprawidłową liczbę węzłów zasilanych z generatorów !!!";
  const std::string tr = "Podano nieprawidłową liczbę transformatorów !!!";
  const std::string lin = "Podano nieprawidłową liczbę linii !!!";
  const std::string wz = "Podano nieprawidłowy numer węzła, w którym jest zwarcie !!!";
  const std::string nap = "Podano nieprawidłową wartość napięcia w miejscu zwarcia !!!";
  const std::string czas =
      "Podano nieprawidłowy czas zwarcia !!!\nCzas trwania zwarcia musi mieścić się w przedziale 0,01÷1.";
  auto calk = [](const std::string& t) { return "'" + t + "' is not a valid integer value"; };
  auto limit = [](const std::string& m, int n) { return m + "\nProgram przyjmuje najwyżej " + std::to_string(n) + "."; };

  struct Wpis {
    int strona;
    std::string wpis;
    std::string komunikat;  // empty: accepted
    std::string tytul = "Błąd !!!";
  };
  // The node count is 3 from page 2 on.
  const Wpis przypadki[] = {
      {1, "", wezly}, {1, "1,4", wezly}, {1, "1", wezly}, {1, "x", wezly}, {1, "5001", limit(wezly, 5000)},
      {1, "2,4", ""}, {1, "2,5", ""}, {1, "1,6", ""}, {1, "5000", ""},
      {2, "3", ""}, {2, "4", sys}, {2, "0", sys}, {2, "", sys}, {2, "1,5", calk("1,5"), "Zwarcia"},
      {4, "3", ""}, {4, "4", gen}, {4, "0", gen},
      {6, "0", tr}, {6, "10000", ""}, {6, "10001", limit(tr, 10000)}, {6, "2,0", calk("2,0"), "Zwarcia"},
      {8, "0", lin}, {8, "10000", ""}, {8, "10001", limit(lin, 10000)},
      {10, "0", wz}, {10, "4", wz}, {10, "3", ""}, {10, "1", ""},
      {11, "110", ""}, {11, "999", ""}, {11, "0", nap}, {11, "1000", nap}, {11, "110,5", calk("110,5"), "Zwarcia"},
      {12, "0,01", ""}, {12, "1", ""}, {12, "0,009", czas}, {12, "1,01", czas}, {12, "", czas},
  };
  for (const auto& c : przypadki) {
    odNowa();
    idzDo(c.strona);
    const Przypadek przed = p;
    Skutki s = k.DalejBBClick(c.wpis);
    if (c.komunikat.empty()) {
      EXPECT_EQ(p.Krok, c.strona + 1) << c.strona << " '" << c.wpis << "': " << d.ostatni();
      continue;
    }
    EXPECT_EQ(p.Krok, c.strona) << c.strona << " '" << c.wpis << "'";
    ASSERT_EQ(d.wpisy.size(), 1u) << c.strona << " '" << c.wpis << "'";
    EXPECT_EQ(d.wpisy[0].tekst, c.komunikat);
    EXPECT_EQ(d.wpisy[0].tytul, c.tytul);
    EXPECT_EQ(d.wpisy[0].ikona, Ikona::Blad);
    // Nothing stored, the page as it was.
    EXPECT_EQ(p.LiczbaWezlow, przed.LiczbaWezlow);
    EXPECT_EQ(p.LiczbaWezlowSystemow, przed.LiczbaWezlowSystemow);
    EXPECT_EQ(p.LiczbaTransformatorow, przed.LiczbaTransformatorow);
    EXPECT_EQ(p.NapiecieZwarcia, przed.NapiecieZwarcia);
    EXPECT_EQ(k.widok().L1, kZachety[c.strona]);
    if (c.tytul == "Błąd !!!") {
      EXPECT_EQ(s.fokus, Fokus::DaneE);
    }
  }
}

TEST_F(KreatorZwarcTest, StoredValuesAreShownOnArrival) {
  struct Wpis { const char* tekst; int liczba; };
  // Rounded to the nearest whole number, halves to the even neighbour.
  for (Wpis w : {Wpis{"2,4", 2}, Wpis{"2,5", 2}, Wpis{"1,6", 2}, Wpis{"3,5", 4}}) {
    odNowa();
    idzDo(1);
    k.DalejBBClick(w.tekst);
    EXPECT_EQ(p.LiczbaWezlow, w.liczba) << w.tekst;
    EXPECT_EQ(k.widok().daneE, "");  // the system count is not entered yet
    k.WsteczBBClick();
    EXPECT_EQ(k.widok().daneE, std::to_string(w.liczba)) << w.tekst;
  }
  odNowa();
  idzDo(13);
  EXPECT_EQ(p.NapiecieZwarcia, 110.0);
  EXPECT_DOUBLE_EQ(p.CzasZwarcia, 0.2);
  const std::pair<int, const char*> pokazane[] = {{12, "0,2"}, {11, "110"}, {10, "3"}, {8, "2"}, {6, "1"}, {2, "1"}};
  for (auto [strona, tekst] : pokazane) {
    while (p.Krok > strona) k.WsteczBBClick();
    EXPECT_EQ(k.widok().daneE, tekst) << strona;
  }
}

TEST_F(KreatorZwarcTest, PagesForwardAndBack) {
  for (int strona = 1; strona <= kOstatniaStrona; ++strona) {
    idzDo(strona);
    const Widok& w = k.widok();
    EXPECT_EQ(w.L1, kZachety[strona]) << strona;
    sprawdzLampy(strona);
    EXPECT_EQ(w.panel, kPanel[strona]) << strona;
    EXPECT_EQ(w.daneEWidoczne, kPanel[strona] == Panel::Brak && strona < 13) << strona;
    EXPECT_EQ(w.szerokosc, 600);
    EXPECT_EQ(w.wysokosc, 245);
    EXPECT_EQ(w.wsteczBB, strona >= 2);
    EXPECT_EQ(w.nowyBB, strona >= 2);
    EXPECT_EQ(w.dalejNapis, strona == 13 ? "&Oblicz" : "&Dalej");
    EXPECT_EQ(ostatnie.fokus, kFokus[strona]) << strona;
  }
  for (int strona = 12; strona >= 1; --strona) {
    Skutki s = k.WsteczBBClick();
    ASSERT_EQ(p.Krok, strona);
    const Widok& w = k.widok();
    EXPECT_EQ(w.L1, kZachety[strona]) << strona;
    sprawdzLampy(strona);  // the lamps of earlier pages stay completed
    EXPECT_EQ(w.panel, kPanel[strona]) << strona;
    EXPECT_EQ(w.daneEWidoczne, kPanel[strona] == Panel::Brak) << strona;
    EXPECT_EQ(s.fokus, kFokus[strona]) << strona;
    EXPECT_EQ(w.wsteczBB, strona >= 2);
    EXPECT_TRUE(w.nowyBB);
    EXPECT_EQ(w.dalejNapis, "&Dalej");
  }
  k.WsteczBBClick();  // never back to the welcome page
  EXPECT_EQ(p.Krok, 1);
  k.DalejBBClick("3");
  EXPECT_TRUE(k.widok().wsteczBB);
}

TEST_F(KreatorZwarcTest, TablePagesBuildTheirTableAndRefuseAnyInvalidCell) {
  struct Wpis { int strona; Tabela tabela; int kolumny; const char* naglowek; const char* etykieta; int kolumna; const char* tekst; };
  const Wpis przypadki[] = {
      {3, Tabela::Systemy, 3, "Moc zwarciowa Sz [MVA]", "S1", 2, ""},
      {5, Tabela::Generatory, 5, "L. generatorów", "G1", 4, ""},
      {7, Tabela::Trafo, 7, "L. trans.", "T1", 6, "1.5"},
      {9, Tabela::Linie, 8, "L. torów", "L2", 7, ""},
  };
  for (const auto& c : przypadki) {
    odNowa();
    idzDo(c.strona);
    common::TextGrid& g = p.siatka(c.tabela);
    const int ostatni = g.rowCount() - 1;
    EXPECT_EQ(g.colCount(), c.kolumny) << c.strona;
    EXPECT_EQ(ostatni, c.strona == 9 ? 2 : 1) << c.strona;
    EXPECT_EQ(g.cell(c.kolumny - 1, 0), c.naglowek);
    EXPECT_EQ(g.cell(0, ostatni), c.etykieta);
    EXPECT_TRUE(ostatnie.tabele);
    wypelnijTabele();
    g.setCell(c.kolumna, ostatni, c.tekst);
    Skutki s = k.DalejBBClick("");
    EXPECT_EQ(p.Krok, c.strona) << c.strona;
    EXPECT_EQ(d.ostatni(), kNiepelna);
    EXPECT_EQ(s.fokus, kFokus[c.strona]);  // the table takes the keyboard at the refused cell
    EXPECT_EQ(s.komorka, (common::Komorka{c.kolumna, ostatni})) << c.strona;
    g.setCell(c.kolumna, ostatni, "1");
    k.DalejBBClick("");
    EXPECT_EQ(p.Krok, c.strona + 1) << c.strona;
  }
}

// With several cells refused, the one pointed at is the first in reading
// order: row by row, left to right, as the check goes.
TEST_F(KreatorZwarcTest, TableRefusalPointsAtTheFirstBadCellRowByRow) {
  struct Zla { int kolumna, wiersz; const char* tekst; };
  struct Wpis { int strona; Tabela tabela; std::vector<Zla> zle; common::Komorka pierwsza; };
  const Wpis przypadki[] = {
      {9, Tabela::Linie, {{6, 2, ""}, {7, 1, ""}, {2, 1, "1.5"}}, {2, 1}},
      {9, Tabela::Linie, {{1, 2, "x"}, {7, 1, ""}}, {7, 1}},  // a later column of an earlier row
      {3, Tabela::Systemy, {{2, 1, ""}, {1, 1, ""}}, {1, 1}},
      {7, Tabela::Trafo, {{6, 1, ""}, {3, 1, "abc"}}, {3, 1}},
  };
  for (const auto& c : przypadki) {
    odNowa();
    idzDo(c.strona);
    wypelnijTabele();
    for (const Zla& z : c.zle) p.siatka(c.tabela).setCell(z.kolumna, z.wiersz, z.tekst);
    const Skutki s = k.DalejBBClick("");
    EXPECT_EQ(p.Krok, c.strona);
    EXPECT_EQ(s.komorka, c.pierwsza) << c.strona << ": " << s.komorka.value_or(common::Komorka{}).kolumna << ","
                                     << s.komorka.value_or(common::Komorka{}).wiersz;
  }
}

TEST_F(KreatorZwarcTest, ChangingACountKeepsTheTableData) {
  idzDo(9);
  wypelnijTabele();
  p.LinieSG.setCell(6, 2, "45");
  k.WsteczBBClick();
  k.DalejBBClick("3");  // one more line: the new row is labelled and empty
  EXPECT_EQ(p.LinieSG.rowCount(), 4);
  EXPECT_EQ(p.LinieSG.cell(0, 3), "L3");
  EXPECT_EQ(p.LinieSG.cell(6, 2), "45");
  EXPECT_EQ(p.LinieSG.cell(6, 3), "");
  k.DalejBBClick("");
  EXPECT_EQ(d.ostatni(), kNiepelna);
  k.WsteczBBClick();
  k.DalejBBClick("1");
  EXPECT_EQ(p.LinieSG.rowCount(), 2);
  EXPECT_EQ(p.LinieSG.cell(3, 1), "110");
  k.DalejBBClick("");
  EXPECT_EQ(p.Krok, 10);
  // Back to a table page shows the table as left, without rebuilding it.
  k.WsteczBBClick();
  EXPECT_EQ(k.widok().panel, Panel::LinieP);
  EXPECT_EQ(p.LinieSG.cell(6, 1), "30");
}

TEST_F(KreatorZwarcTest, StartOverAsksFirst) {
  idzDo(10);
  d.odpowiedzi = {false};
  Skutki s = k.NowyBBClick();
  ASSERT_EQ(d.wpisy.size(), 1u);
  EXPECT_EQ(d.wpisy[0].tytul, "UWAGA");
  EXPECT_EQ(d.wpisy[0].tekst, "Czy na pewno chcesz rozpocząć od nowa ?");
  EXPECT_EQ(p.Krok, 10);
  EXPECT_EQ(p.LinieSG.cell(3, 1), "110");
  EXPECT_TRUE(s.zamknij.empty());

  k.widok().sbSchemat = true;
  k.widok().sbZapisz = true;
  d.odpowiedzi = {true};
  s = k.NowyBBClick();
  EXPECT_EQ(p.Krok, 0);
  EXPECT_EQ(p.LiczbaWezlow, -1);
  EXPECT_EQ(p.LiczbaLinii, -1);
  EXPECT_EQ(p.WezelZwarcia, -1);
  for (Tabela t : {Tabela::Systemy, Tabela::Generatory, Tabela::Trafo, Tabela::Linie})
    EXPECT_EQ(p.siatka(t).cell(1, 1), "");
  EXPECT_EQ(p.TrafoSG.cell(0, 1), "T1");  // labels stay
  EXPECT_EQ(s.zamknij, (std::vector<Okno>{Okno::TDane, Okno::TF_DaneElementow, Okno::TF_Schemat, Okno::TF_wynik,
                                          Okno::TF_Podglad, Okno::TF_WykresRdoX, Okno::TF_WykresN}));
  EXPECT_FALSE(k.widok().sbZapisz);
  EXPECT_TRUE(k.widok().sbDaneElementow);  // follows sbSchemat
  EXPECT_FALSE(k.widok().wsteczBB || k.widok().nowyBB || k.widok().daneEWidoczne);
  EXPECT_EQ(k.widok().L1, kZachety[0]);
  sprawdzLampy(0);
  k.DalejBBClick("");
  EXPECT_EQ(k.widok().daneE, "");  // the node count is forgotten
}

TEST_F(KreatorZwarcTest, ComputeWithCheckAndComputation) {
  idzDo(13);
  k.sprawdzKonfiguracje = nullptr;
  k.obliczZwarcie = nullptr;
  k.DalejBBClick("");  // without a check or a computation nothing happens
  EXPECT_EQ(k.widok().L1, kZachety[13]);
  EXPECT_TRUE(d.wpisy.empty());

  bool przyjmij = false, udane = true;
  int obliczenia = 0;
  std::string napisWTrakcie;
  k.sprawdzKonfiguracje = [&] { return przyjmij; };
  k.obliczZwarcie = [&] {
    ++obliczenia;
    EXPECT_TRUE(k.widok().koniecP);
    EXPECT_FALSE(k.widok().dalejAktywny);
    return udane;
  };
  k.odswiezTeraz = [&] { napisWTrakcie = k.widok().L1; };
  auto przerwane = [&](const Skutki& s) {
    EXPECT_EQ(k.widok().L1, "Obliczenia przerwane ...");
    EXPECT_EQ(k.widok().lampy[12], Lampa::Biezaca);
    EXPECT_FALSE(k.widok().koniecP);
    EXPECT_FALSE(k.widok().sbZapisz);
    EXPECT_TRUE(k.widok().dalejAktywny);
    EXPECT_EQ(k.widok().dalejNapis, "&Oblicz");
    EXPECT_EQ(s.fokus, Fokus::DalejBB);
    EXPECT_EQ(p.Krok, 13);
  };

  przerwane(k.DalejBBClick(""));
  EXPECT_EQ(obliczenia, 0);

  przyjmij = true;
  udane = false;  // the computation refuses: as a failed check
  przerwane(k.DalejBBClick(""));
  EXPECT_EQ(obliczenia, 1);

  udane = true;
  Skutki s = k.DalejBBClick("");
  EXPECT_EQ(obliczenia, 2);
  EXPECT_EQ(napisWTrakcie, "Trwają obliczenie ... proszę czekać");
  EXPECT_EQ(k.widok().L1, "Wybierz odpowiednie dane ...");
  EXPECT_TRUE(k.widok().koniecP);
  EXPECT_FALSE(k.widok().dalejAktywny);
  EXPECT_TRUE(k.widok().sbZapisz);
  EXPECT_EQ(k.widok().lampy[12], Lampa::Wykonana);
  EXPECT_EQ(s.fokus, Fokus::Button1);
  EXPECT_EQ(s.zamknij, (std::vector<Okno>{Okno::TDane, Okno::TF_wynik}));

  // While DalejBB is disabled Next does nothing: Enter then belongs to the report.
  s = k.DalejBBClick("");
  EXPECT_EQ(obliczenia, 2);
  EXPECT_FALSE(s.fokus.has_value());

  k.WsteczBBClick();
  EXPECT_EQ(p.Krok, 12);
  EXPECT_FALSE(k.widok().koniecP);
  EXPECT_FALSE(k.widok().sbZapisz);
  EXPECT_TRUE(k.widok().dalejAktywny);
  EXPECT_EQ(k.widok().dalejNapis, "&Dalej");
  EXPECT_EQ(k.widok().daneE, "0,2");
  sprawdzLampy(12);
  k.DalejBBClick("0,5");
  EXPECT_EQ(k.widok().dalejNapis, "&Oblicz");
  EXPECT_EQ(k.widok().L1, kZachety[13]);
  EXPECT_DOUBLE_EQ(p.CzasZwarcia, 0.5);
}

// Node 3 is reached by the two 110 kV lines 2-3 (and by G1); 220 kV typed
// for it is computed as typed, with a notice before the results.
TEST_F(KreatorZwarcTest, FaultVoltageOtherThanTheLinesIsToldAndComputed) {
  idzDo(13);
  k.WsteczBBClick();
  k.WsteczBBClick();
  k.DalejBBClick("220");
  k.DalejBBClick("0,2");
  d.wpisy.clear();
  k.DalejBBClick("");  // "&Oblicz"
  ASSERT_EQ(d.wpisy.size(), 1u) << d.ostatni();
  EXPECT_EQ(d.wpisy[0].ikona, Ikona::Informacja);
  EXPECT_EQ(d.wpisy[0].tytul, "Uwaga");
  EXPECT_EQ(d.wpisy[0].tekst,
            "Napięcie znamionowe w miejscu zwarcia (węzeł nr 3) podano 220 kV, a linie dołączone do tego węzła mają "
            "napięcie znamionowe 110 kV. Obliczenia wykonano dla 220 kV.");
  ASSERT_TRUE(k.wyniki().has_value());
  EXPECT_DOUBLE_EQ(k.wyniki()->baza.NapiecieBazowe, 231);  // 1,05 x 220 kV
  EXPECT_TRUE(k.widok().koniecP);
  EXPECT_TRUE(k.widok().sbZapisz);
}

TEST_F(KreatorZwarcTest, FaultsInsideComputeLeaveTheViewAsItWas) {
  idzDo(13);
  const Widok przed = k.widok();
  k.sprawdzKonfiguracje = [] { return common::NaCalkowita("2,5") > 0; };
  k.obliczZwarcie = [] { return true; };
  Skutki s = k.DalejBBClick("");
  ASSERT_EQ(d.wpisy.size(), 1u);
  EXPECT_EQ(d.wpisy[0].tekst, "'2,5' is not a valid integer value");
  EXPECT_EQ(d.wpisy[0].tytul, "Zwarcia");
  EXPECT_TRUE(s.zamknij.empty());

  // Faults other than a conversion go on to the window's general handler.
  k.sprawdzKonfiguracje = [] { return true; };
  k.obliczZwarcie = []() -> bool { throw std::domain_error("dzielenie przez zero"); };
  EXPECT_THROW(k.DalejBBClick(""), std::domain_error);
  const Widok& w = k.widok();
  EXPECT_EQ(w.L1, przed.L1);
  EXPECT_EQ(w.koniecP, przed.koniecP);
  EXPECT_EQ(w.dalejAktywny, przed.dalejAktywny);
  EXPECT_EQ(w.sbZapisz, przed.sbZapisz);
  EXPECT_EQ(w.lampy, przed.lampy);
}
