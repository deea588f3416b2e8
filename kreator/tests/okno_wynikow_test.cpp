#include "kreator/core/okno_wynikow.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace kreator;
namespace fs = std::filesystem;

namespace {

// A tiny finished run: the report only needs the counts and one node.
struct Stan {
  Przypadek p;
  WynikRozplywu w;
  Stan() {
    p.LiczbaWezlow = 1;
    p.LiczbaLinii = p.LiczbaTransformatorow = p.LiczbaWezlowElektrownianych = p.LiczbaWezlowObciazeniowych = 0;
    p.WezelBilansujacy = 1;
    p.NapiecieBilansujace = 231;
    p.Epsilon = 0.001;
    p.ParametrRelaksacji = 1.5;
    w.baza.NapiecieBazowe = 231;
    w.URe = {1};
    w.UIm = {0};
    w.SRe = {0};
    w.SIm = {0};
  }
};

std::string Czytaj(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

}  // namespace

TEST(OknoWynikow, LabelsAndTheSaveDialog) {
  Stan s;
  common::RecordingDialogService d;
  OknoWynikow o(d);
  o.Button1Click(s.p, s.w);
  EXPECT_EQ(o.tytul, "WYNIKI");
  EXPECT_EQ(o.Label2, "węzła bilansującego nr 1");
  EXPECT_EQ(o.Label3, "napięcia w węźle bilansującyn 231 kV");
  EXPECT_EQ(o.Label4, "0,001");
  EXPECT_FALSE(o.WynikiZapisane);
  EXPECT_EQ(o.raport.front(), "                     OBLICZANIE  ROZPŁYW  MOCY ");

  // Cancelled: nothing happens. Then the dialog's settings.
  EXPECT_FALSE(o.ZapiszWyniki());
  ASSERT_EQ(d.dialogiZapisu.size(), 1u);
  EXPECT_EQ(d.dialogiZapisu[0].tytul, "Zapisz otrzymany winik");
  EXPECT_EQ(d.dialogiZapisu[0].filtr, "Plik tekstowy (*.txt)");
  EXPECT_EQ(d.dialogiZapisu[0].domyslneRozszerzenie, "txt");
  EXPECT_EQ(d.dialogiZapisu[0].nazwa, "Wynik symulacji");
  EXPECT_EQ(d.dialogiZapisu[0].folder, OknoWynikow::FolderStartowy());
  EXPECT_TRUE(d.wpisy.empty());
}

TEST(OknoWynikow, SavingRefusalsFailureAndClosing) {
  const fs::path folder = fs::temp_directory_path() / "okno_wynikow_test";
  fs::remove_all(folder);
  fs::create_directories(folder);
  Stan s;
  common::RecordingDialogService d;
  OknoWynikow o(d);
  o.Button1Click(s.p, s.w);

  struct Wpis { std::string nazwa; bool zapisane; std::string komunikat; };
  const Wpis przypadki[] = {
      {(folder / "wynik.doc").string(), false, kZleRozszerzenie},
      {(folder / "wynik").string(), false, ""},  // no extension: nothing more happens
      {(folder / "brak" / "wynik.txt").string(), false,
       "Nie mogę zapisać pliku. Wystąpił błąd nr 2. Sprawdź gdzie zapisujesz wskazany plik, czy zapisanie w tym "
       "miejscu jest możliwe !!!"},  // ENOENT = 2
      {(folder / "wynik.TxT").string(), true, ""},
  };
  for (const auto& p : przypadki) {
    d.wpisy.clear();
    d.nazwyPlikow = {p.nazwa};
    EXPECT_EQ(o.ZapiszWyniki(), p.zapisane) << p.nazwa;
    EXPECT_EQ(o.WynikiZapisane, p.zapisane) << p.nazwa;
    EXPECT_EQ(d.ostatni(), p.komunikat) << p.nazwa;
  }
  // The saved file: Windows-1250 with CR LF; "ROZPŁYW" has Ł = 0xA3.
  const std::string zapis = Czytaj(folder / "wynik.TxT");
  EXPECT_EQ(zapis.rfind("                     OBLICZANIE  ROZP\xA3YW  MOCY \r\n" + std::string(67, '=') + "\r\n", 0), 0u);
  EXPECT_EQ(zapis.substr(zapis.size() - 2), "\r\n");
  EXPECT_EQ(d.dialogiZapisu.back().nazwa, (folder / "brak" / "wynik.txt").string());  // the last name offered

  // Saved: closing asks nothing. A new report is unsaved again, and closing asks.
  EXPECT_TRUE(o.MoznaZamknac());
  o.Button1Click(s.p, s.w);
  d.odpowiedzi = {false, true};
  EXPECT_FALSE(o.MoznaZamknac());
  EXPECT_EQ(d.wpisy.back().tytul, "Koniec");
  EXPECT_TRUE(o.MoznaZamknac());
  fs::remove_all(folder);
}

TEST(OknoWynikow, NodesOutsideTheVoltageBand) {
  const std::pair<size_t, const char*> przypadki[] = {
      {0, "Napięcia wszystkich węzłów w przedziale 0,9–1,1 Un"},
      {1, "Napięcia poza przedziałem 0,9–1,1 Un: 1 węzeł"},
      {2, "Napięcia poza przedziałem 0,9–1,1 Un: 2 węzły"},
      {5, "Napięcia poza przedziałem 0,9–1,1 Un: 5 węzłów"},
      {12, "Napięcia poza przedziałem 0,9–1,1 Un: 12 węzłów"},
      {22, "Napięcia poza przedziałem 0,9–1,1 Un: 22 węzły"},
  };
  for (const auto& [liczba, tekst] : przypadki) {
    Stan s;
    s.w.ostrzezenia.assign(liczba, OstrzezenieNapiecia{1, 260, 231});  // 260/231 = 1,126 Un
    common::RecordingDialogService d;
    OknoWynikow o(d);
    o.Button1Click(s.p, s.w);
    EXPECT_EQ(o.Label6, tekst) << liczba;
  }
}
