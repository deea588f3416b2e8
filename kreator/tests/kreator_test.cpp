#include "kreator/core/kreator.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "common/core/limity.h"
#include "kreator/core/plik_zrm.h"

using namespace kreator;
using common::Ikona;

namespace {

const char* kNiepelna =
    "Wprowadzone dane są nieprawidłowe lub niekompletne (sprawdź, czy wszystkie pola zostały wypełnione)!!!";

void Wiersz(common::TextGrid& g, int w, std::initializer_list<const char*> komorki) {
  int k = 1;
  for (const char* c : komorki) g.setCell(k++, w, c);
}

class KreatorTest : public ::testing::Test {
 protected:
  KreatorTest() : k(p, d) { k.ustawEkran(1024, 768); }

  // What a student types on each page of a 3-node case with two lines,
  // `trafo` transformers, one generator node and one load node.
  std::string wpis(int strona) const {
    switch (strona) {
      case 1: return "3";
      case 2: return "2";
      case 3: return std::to_string(trafo);
      case 6: return std::to_string(generatory);
      case 8: return "1";
      case 10: return "1";
      case 11: return "115";
      case 12: return "0,001";
      case 13: return "1,5";
      default: return "";
    }
  }
  void wypelnijTabele() {
    if (p.Krok == 4) {
      Wiersz(p.LinieSG, 1, {"1", "2", "110", "0,08", "0,38", "1,8", "100", "1"});
      Wiersz(p.LinieSG, 2, {"2", "3", "110", "0,08", "0,38", "1,8", "50", "1"});
    } else if (p.Krok == 5) {
      for (int w = 1; w <= trafo; ++w)
        Wiersz(p.TrafoSG, w, {"1", "3", "220", "110", "160", "500", "100", "12", "0,5"});
    } else if (p.Krok == 7) {
      for (int w = 1; w <= generatory; ++w) Wiersz(p.WElSG, w, {w == 1 ? "1" : "2", "115", "0"});
    } else if (p.Krok == 9) {
      Wiersz(p.WObcSG, 1, {"3", "50", "20"});
    }
  }
  // Walks forward with valid data until page `strona` is shown.
  void idzDo(int strona) {
    while (p.Krok < strona) {
      int przed = p.Krok;
      wypelnijTabele();
      ostatnie = k.DalejBBClick(wpis(p.Krok));
      ASSERT_GT(p.Krok, przed) << "odmowa na stronie " << przed << ": " << d.ostatni();
    }
  }

  Przypadek p;
  common::RecordingDialogService d;
  Kreator k;
  Skutki ostatnie;
  int trafo = 1;
  int generatory = 1;
};

}  // namespace

TEST_F(KreatorTest, StartsOnTheWelcomePage) {
  EXPECT_EQ(p.Krok, 0);
  EXPECT_EQ(k.widok().L1.substr(0, 44), "Witam w kreatorze tworzenia nowego schematu.");
  EXPECT_NE(k.widok().L1.find("\n\n     Kreator ten pomaga"), std::string::npos);
  EXPECT_EQ(k.widok().lampy[0], Lampa::Biezaca);
  EXPECT_EQ(k.widok().lampy[1], Lampa::Neutralna);
  EXPECT_FALSE(k.widok().daneEWidoczne);
  EXPECT_EQ(k.widok().szerokosc, 600);
  EXPECT_EQ(k.widok().dalejNapis, "&Dalej");
  k.DalejBBClick("cokolwiek");  // the welcome page never refuses
  EXPECT_EQ(p.Krok, 1);
  EXPECT_TRUE(d.wpisy.empty());
}

// Every single-value page: what is accepted, what is stored, what is refused
// with which message.
TEST_F(KreatorTest, SingleValuePagesAcceptAndRefuse) {
  const std::string wezly = "Podano nieprawidłową liczbę węzłów !!!";
  const std::string linie = "Podano nieprawidłową liczbę linii !!!";
  const std::string trafa = "Podano nieprawidłową liczbę transformatorów !!!";
  const std::string el = "Podano nieprawidłową liczbę węzłów elektrownianych !!!";
  const std::string obc = "Podano nieprawidłową liczbę węzłów obciążeniowych !!!";
  const std::string bil = "Podano nieprawidłowy numer węzła elektrownianego bilansującego !!!";
  const std::string nap = "Podano nieprawidłową wartość napięcia w węźle elektrownianym bilansującym !!!";
  const std::string eps =
      "Podano nieprawidłową wartość maksymalnej różnicy między dwoma ostatnimi krokami iteracyjnymi "
      "(mieści się ona w przedziale (0 < \"epsilon\" < 1) !!!";
  const std::string rel =
      "Podano nieprawidłową wartość parametru relaksacji \"r\" !!!\n"
      "Wartość tego parametry powinna znajdować się w przedziale między 1 a 2, (1<r<2).";
  auto calk = [](const std::string& t) { return "'" + t + "' is not a valid integer value"; };
  auto limit = [](const std::string& m, int n) { return m + "\nProgram przyjmuje najwyżej " + std::to_string(n) + "."; };

  struct Wpis {
    int strona;
    std::string wpis;
    std::string komunikat;  // empty: accepted
    std::string tytul = "Błąd !!!";
  };
  const Wpis przypadki[] = {
      {1, "", wezly}, {1, "1", wezly}, {1, "1,4", wezly},  // 1,4 rounds to 1
      {1, "abc", wezly}, {1, "1e300", limit(wezly, 5000)}, {1, "5001", limit(wezly, 5000)}, {1, "5000", ""},
      {1, "2", ""}, {1, "2,5", ""}, {1, "3,5", ""},
      {2, "0", linie}, {2, "", linie}, {2, "2,5", calk("2,5"), "Kreator"}, {2, "1", ""},
      {2, "10001", limit(linie, 10000)}, {2, "10000", ""},
      {3, "0", ""}, {3, "-1", trafa}, {3, "1,0", calk("1,0"), "Kreator"},
      {6, "0", el}, {6, "1", ""}, {8, "0", obc}, {8, "3", ""},
      {10, "0", bil}, {10, "4", bil}, {10, "3", ""}, {10, "1,5", calk("1,5"), "Kreator"},
      {11, "0", nap}, {11, "1000", nap}, {11, "999", ""}, {11, "1", ""},
      {12, "0", eps}, {12, "1", eps}, {12, "0,001", ""}, {12, "0,999", ""}, {12, "", eps},
      {13, "1", rel}, {13, "2", rel}, {13, "1,5", ""}, {13, "1,99", ""},
  };
  for (const auto& c : przypadki) {
    p = kreator::Przypadek();
    k.FormCreate();
    d.wpisy.clear();
    idzDo(c.strona);
    const int przedWezly = p.LiczbaWezlow;
    k.DalejBBClick(c.wpis);
    if (c.komunikat.empty()) {
      EXPECT_EQ(p.Krok, c.strona + 1) << c.strona << " '" << c.wpis << "'";
      EXPECT_TRUE(d.wpisy.empty()) << d.ostatni();
    } else {
      EXPECT_EQ(p.Krok, c.strona) << c.strona << " '" << c.wpis << "'";
      ASSERT_EQ(d.wpisy.size(), 1u) << c.strona << " '" << c.wpis << "'";
      EXPECT_EQ(d.wpisy[0].tekst, c.komunikat);
      EXPECT_EQ(d.wpisy[0].tytul, c.tytul);
      EXPECT_EQ(d.wpisy[0].ikona, Ikona::Blad);
      if (c.strona == 1) {
        EXPECT_EQ(p.LiczbaWezlow, przedWezly);  // nothing stored on refusal
      }
    }
  }
}

TEST_F(KreatorTest, StoredValuesAndTheirDisplay) {
  struct Wpis { const char* tekst; int liczba; };
  // Halves go to the even neighbour: 2,5 -> 2, 3,5 -> 4; 2,6 -> 3.
  for (Wpis w : {Wpis{"2,5", 2}, Wpis{"3,5", 4}, Wpis{"2,6", 3}, Wpis{"7", 7}}) {
    p = Przypadek();
    k.FormCreate();
    idzDo(1);
    k.DalejBBClick(w.tekst);
    EXPECT_EQ(p.LiczbaWezlow, w.liczba) << w.tekst;
    k.WsteczBBClick();
    EXPECT_EQ(k.widok().daneE, std::to_string(w.liczba));  // Back shows the stored value
  }
  p = Przypadek();
  k.FormCreate();
  idzDo(14);
  EXPECT_DOUBLE_EQ(p.Epsilon, 0.001);
  EXPECT_DOUBLE_EQ(p.ParametrRelaksacji, 1.5);
  EXPECT_EQ(p.NapiecieBilansujace, 115);
  k.WsteczBBClick();
  EXPECT_EQ(k.widok().daneE, "1,5");
  k.WsteczBBClick();
  EXPECT_EQ(k.widok().daneE, "0,001");
}

TEST_F(KreatorTest, GridPagesRefuseAnyCellThatIsNotANumber) {
  struct Wpis { int strona; int kolumna; int wiersz; const char* tekst; bool przyjete; };
  const Wpis przypadki[] = {
      {4, 5, 2, "", false},      {4, 8, 1, "1.5", false}, {4, 1, 1, "02", true},  // 02 is a number
      {4, 3, 2, "1,1E2", true},  {5, 9, 1, "", false},    {5, 9, 1, "abc", false},
      {7, 3, 1, "", false},      {9, 2, 1, "x", false},   {9, 3, 1, "0", true},
  };
  for (const auto& c : przypadki) {
    p = Przypadek();
    k.FormCreate();
    d.wpisy.clear();
    idzDo(c.strona);
    wypelnijTabele();
    p.siatka(c.strona == 4 ? Tabela::Linie : c.strona == 5 ? Tabela::Trafo : c.strona == 7 ? Tabela::WEl
                                                                                             : Tabela::WObc)
        .setCell(c.kolumna, c.wiersz, c.tekst);
    Skutki s = k.DalejBBClick("");
    if (c.przyjete) {
      EXPECT_EQ(p.Krok, c.strona + 1);
    } else {
      EXPECT_EQ(p.Krok, c.strona);
      EXPECT_EQ(d.ostatni(), kNiepelna);
      // The page's grid takes the focus at the refused cell.
      EXPECT_EQ(s.fokus, c.strona == 4   ? Fokus::LinieSG
                         : c.strona == 5 ? Fokus::TrafoSG
                         : c.strona == 7 ? Fokus::WElSG
                                         : Fokus::WObcSG);
      EXPECT_EQ(s.komorka, (common::Komorka{c.kolumna, c.wiersz})) << c.strona;
    }
  }
}

// With several cells refused, the one pointed at is the first in reading
// order: row by row, left to right, as the check goes.
TEST_F(KreatorTest, GridRefusalPointsAtTheFirstBadCellRowByRow) {
  struct Zla { int kolumna, wiersz; const char* tekst; };
  struct Wpis { int strona; Tabela tabela; std::vector<Zla> zle; common::Komorka pierwsza; };
  const Wpis przypadki[] = {
      {4, Tabela::Linie, {{5, 2, ""}, {8, 1, "1.5"}, {3, 1, "x"}}, {3, 1}},
      {4, Tabela::Linie, {{1, 2, ""}, {8, 1, ""}}, {8, 1}},  // a later column of an earlier row
      {5, Tabela::Trafo, {{9, 2, ""}, {1, 2, "-"}}, {1, 2}},
      {7, Tabela::WEl, {{3, 2, ""}, {2, 2, "abc"}}, {2, 2}},
  };
  trafo = 2;
  generatory = 2;
  for (const auto& c : przypadki) {
    p = Przypadek();
    k.FormCreate();
    idzDo(c.strona);
    wypelnijTabele();
    for (const Zla& z : c.zle) p.siatka(c.tabela).setCell(z.kolumna, z.wiersz, z.tekst);
    const Skutki s = k.DalejBBClick("");
    EXPECT_EQ(p.Krok, c.strona);
    EXPECT_EQ(s.komorka, c.pierwsza) << c.strona << ": " << s.komorka.value_or(common::Komorka{}).kolumna << ","
                                     << s.komorka.value_or(common::Komorka{}).wiersz;
  }
}

TEST_F(KreatorTest, GridPagesGetHeadersLabelsAndSizes) {
  trafo = 2;
  idzDo(4);
  EXPECT_EQ(k.widok().szerokosc, 650);
  EXPECT_EQ(k.widok().panel, Panel::Linie);
  EXPECT_TRUE(k.widok().katalogBB);
  EXPECT_EQ(p.LinieSG.colCount(), 9);
  EXPECT_EQ(p.LinieSG.rowCount(), 3);
  EXPECT_EQ(p.LinieSG.cell(4, 0), "R'  [om/km]");
  EXPECT_EQ(p.LinieSG.cell(6, 0), "B'  [µS/km]");
  EXPECT_EQ(p.LinieSG.cell(0, 2), "L2");
  idzDo(5);
  EXPECT_EQ(k.widok().szerokosc, 900);  // the screen is 1024 wide
  EXPECT_EQ(p.TrafoSG.colCount(), 10);
  EXPECT_EQ(p.TrafoSG.cell(0, 2), "T2");
  EXPECT_EQ(p.TrafoSG.cell(9, 0), "Prąd stanu jałowego [%]");
  idzDo(7);
  EXPECT_EQ(k.widok().szerokosc, 600);
  EXPECT_EQ(p.WElSG.cell(0, 1), "W. el. 1");
  EXPECT_EQ(p.WElSG.cell(2, 0), "Wartość skuteczna napięcia [kV]");
  idzDo(9);
  EXPECT_EQ(p.WObcSG.cell(0, 1), "W. obc. 1");
  EXPECT_EQ(p.WObcSG.cell(3, 0), "Moc bierna odbierana w węźle [Mvar]");
  EXPECT_EQ(p.WObcSG.cell(0, 0), "");

  // On a screen narrower than 900 pixels the transformer page is as wide as the screen.
  p = Przypadek();
  k.FormCreate();
  k.ustawEkran(800, 600);
  idzDo(5);
  EXPECT_EQ(k.widok().szerokosc, 800);
}

TEST_F(KreatorTest, LampsFollowThePages) {
  // Lamp (1-based) that is current on each page 0..14.
  const int biezaca[] = {1, 2, 3, 4, 4, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
  for (int strona = 0; strona <= 14; ++strona) {
    idzDo(strona);
    for (int l = 1; l <= kLiczbaLamp; ++l) {
      Lampa oczekiwana = l < biezaca[strona] ? Lampa::Wykonana : l == biezaca[strona] ? Lampa::Biezaca
                                                                                       : Lampa::Neutralna;
      EXPECT_EQ(k.widok().lampy[static_cast<size_t>(l - 1)], oczekiwana) << "strona " << strona << " PP" << l;
    }
    EXPECT_EQ(k.widok().L1, Zacheta(strona));
  }
  EXPECT_EQ(k.widok().dalejNapis, "&Oblicz");
  EXPECT_FALSE(k.widok().daneEWidoczne);
}

TEST_F(KreatorTest, BackRestoresEveryPage) {
  idzDo(14);
  const int biezaca[] = {1, 2, 3, 4, 4, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
  const bool pole[] = {false, true, true, true, false, false, true, false, true, false, true, true, true, true};
  const Panel panel[] = {Panel::Brak, Panel::Brak, Panel::Brak, Panel::Brak, Panel::Linie, Panel::Trafo,
                         Panel::Brak, Panel::WEl,  Panel::Brak, Panel::WObc, Panel::Brak, Panel::Brak,
                         Panel::Brak, Panel::Brak};
  const int szerokosc[] = {600, 600, 600, 600, 650, 900, 600, 600, 600, 600, 600, 600, 600, 600};
  for (int strona = 13; strona >= 1; --strona) {
    k.WsteczBBClick();
    ASSERT_EQ(p.Krok, strona);
    EXPECT_EQ(k.widok().L1, Zacheta(strona));
    EXPECT_EQ(k.widok().daneEWidoczne, pole[strona]) << strona;
    EXPECT_EQ(k.widok().panel, panel[strona]) << strona;
    EXPECT_EQ(k.widok().szerokosc, szerokosc[strona]) << strona;
    EXPECT_EQ(k.widok().lampy[static_cast<size_t>(biezaca[strona] - 1)], Lampa::Biezaca) << strona;
    EXPECT_EQ(k.widok().lampy[static_cast<size_t>(biezaca[strona])], Lampa::Neutralna) << strona;
    EXPECT_EQ(k.widok().wsteczBB, strona >= 2) << strona;
    EXPECT_EQ(k.widok().katalogBB, strona == 4 || strona == 5) << strona;
    EXPECT_EQ(k.widok().dalejNapis, "&Dalej");
  }
  // Forward again: every value is shown as it was entered.
  k.DalejBBClick("3");
  EXPECT_EQ(k.widok().daneE, "2");
}

TEST_F(KreatorTest, TransformerPageIsPassedOverBothWaysWithoutTransformers) {
  trafo = 0;
  idzDo(4);
  wypelnijTabele();
  k.DalejBBClick("");
  EXPECT_EQ(p.Krok, 6);
  EXPECT_EQ(k.widok().L1, "Podaj liczbę węzłów elektrownianych");
  EXPECT_EQ(k.widok().szerokosc, 600);
  EXPECT_EQ(p.TrafoSG.rowCount(), 1);  // header row only
  k.WsteczBBClick();
  EXPECT_EQ(p.Krok, 4);
  EXPECT_EQ(k.widok().panel, Panel::Linie);
  EXPECT_EQ(k.widok().L1, "Podaj dane wszystkich linii");
  EXPECT_EQ(k.widok().szerokosc, 650);
}

TEST_F(KreatorTest, SingleGeneratorNodeBecomesTheSlackNode) {
  idzDo(10);
  EXPECT_EQ(p.WezelBilansujacy, 1);
  EXPECT_EQ(k.widok().daneE, "1");

  p = Przypadek();
  k.FormCreate();
  generatory = 2;
  idzDo(10);
  EXPECT_EQ(p.WezelBilansujacy, -1);
  EXPECT_EQ(k.widok().daneE, "");

  // A non-integer node number of the single generator stops Next with the conversion message.
  p = Przypadek();
  k.FormCreate();
  d.wpisy.clear();
  generatory = 1;
  idzDo(7);
  wypelnijTabele();
  p.WElSG.setCell(1, 1, "1,0");
  k.DalejBBClick("");
  EXPECT_EQ(p.Krok, 7);
  EXPECT_EQ(d.ostatni(), "'1,0' is not a valid integer value");
  EXPECT_EQ(p.WezelBilansujacy, -1);
}

TEST_F(KreatorTest, LoweringACountKeepsTheHiddenRows) {
  idzDo(2);
  k.DalejBBClick("4");
  idzDo(4);
  for (int w = 1; w <= 4; ++w) p.LinieSG.setCell(7, w, std::to_string(10 * w));
  k.WsteczBBClick();
  k.WsteczBBClick();  // page 2
  k.DalejBBClick("2");
  k.DalejBBClick("1");
  EXPECT_EQ(p.LinieSG.rowCount(), 3);
  k.WsteczBBClick();
  k.WsteczBBClick();
  k.DalejBBClick("4");
  k.DalejBBClick("1");
  EXPECT_EQ(p.LinieSG.cell(7, 3), "30");
  EXPECT_EQ(p.LinieSG.cell(7, 4), "40");
}

TEST_F(KreatorTest, StartOverAsksFirst) {
  idzDo(8);
  d.odpowiedzi = {false};
  Skutki s = k.NowyBBClick();
  EXPECT_EQ(d.wpisy.back().tytul, "UWAGA");
  EXPECT_EQ(d.wpisy.back().tekst, "Czy na pewno chcesz rozpocząć od nowa ?");
  EXPECT_EQ(p.Krok, 8);
  EXPECT_EQ(p.LinieSG.cell(3, 1), "110");
  EXPECT_TRUE(s.zamknij.empty());

  k.widok().sbSchemat = true;
  k.widok().sbZapisz = true;
  d.odpowiedzi = {true};
  s = k.NowyBBClick();
  EXPECT_EQ(p.Krok, 0);
  EXPECT_EQ(p.LiczbaWezlow, -1);
  EXPECT_EQ(p.LiczbaLinii, -1);
  EXPECT_EQ(p.LiczbaWezlowElektrownianych, -1);
  EXPECT_EQ(p.WezelBilansujacy, -1);
  EXPECT_EQ(p.LinieSG.cell(3, 1), "");
  EXPECT_EQ(p.WElSG.cell(2, 1), "");
  EXPECT_EQ(p.LinieSG.cell(0, 1), "L1");  // labels stay
  EXPECT_EQ(s.zamknij.size(), 8u);  // every other window, the convergence chart too
  EXPECT_FALSE(k.widok().sbZapisz);
  EXPECT_TRUE(k.widok().sbDaneElementow);  // follows sbSchemat
  EXPECT_FALSE(k.widok().wsteczBB);
  EXPECT_FALSE(k.widok().nowyBB);
  EXPECT_EQ(k.widok().lampy[0], Lampa::Biezaca);
  EXPECT_EQ(k.widok().lampy[5], Lampa::Neutralna);
  EXPECT_EQ(k.widok().L1, Zacheta(0));
}

TEST_F(KreatorTest, ComputeStepWithCheckAndRun) {
  idzDo(14);
  bool przyjmij = false;
  int przebiegi = 0;
  std::string napisWTrakcie;
  k.sprawdzKonfiguracje = [&] { return przyjmij; };
  bool zbiezny = true;
  k.obliczRozplyw = [&] {
    ++przebiegi;
    return zbiezny;
  };
  k.odswiezTeraz = [&] { napisWTrakcie = k.widok().L1; };

  Skutki s = k.DalejBBClick("");
  EXPECT_EQ(przebiegi, 0);
  EXPECT_EQ(k.widok().L1, "Obliczenia przerwane ...");
  EXPECT_EQ(k.widok().lampy[12], Lampa::Biezaca);
  EXPECT_EQ(s.fokus, Fokus::DalejBB);
  EXPECT_EQ(p.Krok, 14);

  przyjmij = true;
  s = k.DalejBBClick("");
  EXPECT_EQ(przebiegi, 1);
  EXPECT_EQ(napisWTrakcie, "Trwają obliczenie ... proszę czekać");
  EXPECT_EQ(k.widok().L1, "Wybierz odpowiednie dane ...");
  EXPECT_TRUE(k.widok().koniecP);
  EXPECT_FALSE(k.widok().dalejAktywny);
  EXPECT_TRUE(k.widok().sbZapisz);
  EXPECT_TRUE(k.widok().zbieznoscBB);
  EXPECT_EQ(k.widok().lampy[12], Lampa::Wykonana);
  EXPECT_EQ(s.fokus, Fokus::Button1);
  EXPECT_EQ(p.Krok, 14);

  // A run that does not converge offers no results, like a refused check.
  zbiezny = false;
  s = k.DalejBBClick("");
  EXPECT_EQ(przebiegi, 2);
  EXPECT_EQ(k.widok().L1, "Obliczenia przerwane ...");
  EXPECT_FALSE(k.widok().koniecP);
  EXPECT_FALSE(k.widok().zbieznoscBB);
  // The chart of the run before goes: it would show other data.
  EXPECT_NE(std::find(s.zamknij.begin(), s.zamknij.end(), Okno::TF_Zbieznosc), s.zamknij.end());
  EXPECT_EQ(s.fokus, Fokus::DalejBB);
  zbiezny = true;
  k.DalejBBClick("");

  s = k.WsteczBBClick();
  EXPECT_EQ(p.Krok, 13);
  EXPECT_FALSE(k.widok().koniecP);
  EXPECT_FALSE(k.widok().zbieznoscBB);
  EXPECT_NE(std::find(s.zamknij.begin(), s.zamknij.end(), Okno::TF_Zbieznosc), s.zamknij.end());
  EXPECT_TRUE(k.widok().dalejAktywny);
  EXPECT_FALSE(k.widok().sbZapisz);
  EXPECT_EQ(k.widok().dalejNapis, "&Dalej");
  EXPECT_EQ(k.widok().lampy[12], Lampa::Neutralna);
  EXPECT_EQ(k.widok().lampy[11], Lampa::Biezaca);
}

TEST_F(KreatorTest, ComputeRunsTheRealCheckAndLoadFlow) {
  trafo = 0;
  idzDo(14);
  k.DalejBBClick("");
  // Node 2 has no type: a notice, then the run.
  ASSERT_EQ(d.wpisy.size(), 1u);
  EXPECT_EQ(d.wpisy[0].ikona, Ikona::Informacja);
  EXPECT_EQ(p.WezlyBezTypu, "2,");
  EXPECT_TRUE(k.widok().koniecP);
  ASSERT_TRUE(k.wyniki().has_value());
  EXPECT_TRUE(k.wyniki()->zbiezny);
  EXPECT_NEAR(k.wyniki()->UkV(1), 115.0, 1e-9);  // the slack node keeps its voltage
  // The load node takes its load, to the accuracy that epsilon 0,001 per unit allows.
  EXPECT_NEAR(k.wyniki()->PMW(3), 50.0, 0.5);

  // A node-number cell with a decimal part stops the check with the conversion
  // message; the step is abandoned without "Obliczenia przerwane ...".
  k.WsteczBBClick();
  k.DalejBBClick("1,5");
  p.LinieSG.setCell(1, 2, "2,5");
  d.wpisy.clear();
  k.DalejBBClick("");
  EXPECT_EQ(d.ostatni(), "'2,5' is not a valid integer value");
  EXPECT_EQ(k.widok().L1, Zacheta(14));
  EXPECT_FALSE(k.widok().koniecP);
}

TEST_F(KreatorTest, LoadedFileReplaysNextToTheSlackNodePage) {
  // Two nodes, one line, no transformers: the replay takes nine steps.
  const std::string plik = ZbudujZrm({"2", "1", "0", "1;", "2;", "110;", "0,12;", "0,4;", "2,8;", "50;", "1;", "", "", "",
                                      "", "", "", "", "", "", "1", "1;", "110;", "0;", "1", "2;", "50;", "20;"});
  k.WczytajPlikZrm(plik);
  EXPECT_TRUE(d.wpisy.empty()) << d.ostatni();
  EXPECT_EQ(p.Krok, 10);
  EXPECT_EQ(k.widok().L1, Zacheta(10));
  EXPECT_EQ(k.widok().daneE, "1");  // the single generator node is offered as the slack node
  for (int l = 0; l < 8; ++l) EXPECT_EQ(k.widok().lampy[static_cast<size_t>(l)], Lampa::Wykonana);
  EXPECT_EQ(k.widok().lampy[8], Lampa::Biezaca);
  EXPECT_TRUE(k.widok().wsteczBB);
  EXPECT_TRUE(k.widok().sbSchemat);

  // A broken file: one message, the wizard empty on its welcome page.
  k.WczytajPlikZrm("12\r\n1\r\n");
  EXPECT_EQ(d.ostatni(), kZlyPlikZrm);
  EXPECT_EQ(p.Krok, 0);
  EXPECT_EQ(p.LiczbaWezlow, -1);
  EXPECT_EQ(p.LinieSG.cell(3, 1), "");
  EXPECT_EQ(k.widok().L1, Zacheta(0));

  // A file whose node count the first page refuses stops there with that page's message once.
  d.wpisy.clear();
  const std::string jedenWezel = ZbudujZrm({"1", "1", "0", "1;", "2;", "110;", "0,12;", "0,4;", "2,8;", "50;", "1;", "",
                                            "", "", "", "", "", "", "", "", "1", "1;", "110;", "0;", "1", "2;", "50;",
                                            "20;"});
  k.WczytajPlikZrm(jedenWezel);
  ASSERT_EQ(d.wpisy.size(), 1u);
  EXPECT_EQ(d.wpisy[0].tekst, "Podano nieprawidłową liczbę węzłów !!!");
  EXPECT_EQ(p.Krok, 1);
}
