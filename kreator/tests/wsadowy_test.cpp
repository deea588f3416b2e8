#include "kreator/core/wsadowy.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <algorithm>
#include <sstream>

#include "kreator/core/plik_zrm.h"

using namespace kreator;
namespace fs = std::filesystem;

namespace {

// The two-node exercise: a 110 kV line 1-2 of 50 km (0,12 / 0,4 / 2,8 per km),
// generator node 1 (0 MW), load node 2 (50 MW, 20 Mvar). `obciazenie` sets the MW,
// `reaktancja` the X' per km.
std::string DwaWezly(const std::string& obciazenie = "50", const std::string& reaktancja = "0,4") {
  return ZbudujZrm({"2", "1", "0", "1;", "2;", "110;", "0,12;", reaktancja + ";", "2,8;", "50;", "1;", "", "", "", "",
                    "", "", "", "", "", "1", "1;", "110;", "0;", "1", "2;", obciazenie + ";", "20;"});
}

// Three nodes, node 2 without a type.
std::string TrzyWezly() {
  return ZbudujZrm({"3", "2", "0", "1;2;", "2;3;", "110;110;", "0,12;0,12;", "0,4;0,4;", "2,8;2,8;", "50;50;",
                    "1;1;", "", "", "", "", "", "", "", "", "", "1", "1;", "110;", "0;", "1", "3;", "30;", "10;"});
}

// Three nodes in a chain, generator nodes 1 and 3 (110 kV, 10 MW at node 3), load node 2.
std::string DwieElektrownie() {
  return ZbudujZrm({"3", "2", "0", "1;2;", "2;3;", "110;110;", "0,12;0,12;", "0,4;0,4;", "2,8;2,8;", "50;50;",
                    "1;1;", "", "", "", "", "", "", "", "", "", "2", "1;3;", "110;110;", "0;10;", "1", "2;", "30;",
                    "10;"});
}

class Wsadowy : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::temp_directory_path() / ("kreator_wsadowy_" + std::to_string(::getpid()));
    fs::create_directories(folder);
  }
  void TearDown() override { fs::remove_all(folder); }

  std::string plik(const std::string& nazwa, const std::string& tresc) {
    const fs::path p = folder / nazwa;
    std::ofstream(p, std::ios::binary) << tresc;
    return p.string();
  }
  int uruchom(std::vector<std::string> a) {
    out.str("");
    err.str("");
    return UruchomWsadowo(a, out, err);
  }
  // The number after `klucz` in the JSON object of node `wezel`.
  double zJson(int wezel, const std::string& klucz) {
    const std::string s = out.str();
    size_t p = s.find("{\"node\": " + std::to_string(wezel) + ",");
    p = s.find("\"" + klucz + "\": ", p);
    return std::stod(s.substr(p + klucz.size() + 4));
  }

  fs::path folder;
  std::ostringstream out, err;
};

}  // namespace

TEST_F(Wsadowy, ComputesTheExerciseAsJson) {
  const std::string zrm = plik("zad1.ZRM", DwaWezly());
  ASSERT_EQ(uruchom({"--batch", zrm, "--slack-kv", "110", "--epsilon", "0.000000001", "--r", "1,5", "--json"}), 0)
      << err.str();
  EXPECT_NE(out.str().find("\"converged\": true"), std::string::npos);
  EXPECT_NE(out.str().find("\"base_kv\": 115.5"), std::string::npos);  // 1,05 · 110
  // Newton's method by hand: U2 = 103,0134 kV at −0,07813 rad; node 1 delivers 51,623 MW, 23,821 Mvar.
  EXPECT_NEAR(zJson(2, "u_kv"), 103.0134, 5e-5);
  EXPECT_NEAR(zJson(2, "angle_rad"), -0.07813, 5e-6);
  EXPECT_NEAR(zJson(1, "p_mw"), -51.623, 5e-4);
  EXPECT_NEAR(zJson(1, "q_mvar"), -23.821, 5e-4);
  EXPECT_NEAR(zJson(2, "p_mw"), 50.0, 5e-4);
  EXPECT_NEAR(zJson(1, "u_re_pu"), 110 / 115.5, 1e-12);
  EXPECT_EQ(zJson(1, "u_im_pu"), 0.0);
}

TEST_F(Wsadowy, PlainListingAndItsFile) {
  const std::string zrm = plik("zad1.zrm", DwaWezly());  // the extension in any case
  const std::string txt = (folder / "wynik.txt").string();
  ASSERT_EQ(uruchom({"--batch", zrm, "--slack", "1", "--slack-kv", "110", "--epsilon", "1e-9", "--r", "1.2",
                     "--output", txt}),
            0)
      << err.str();
  // The text report: its title, and node 2's result line (11 blanks, "%4d", 18 blanks, |U| "%4.3f ").
  EXPECT_EQ(out.str().rfind("                     OBLICZANIE  ROZPŁYW  MOCY \n", 0), 0u);
  EXPECT_NE(out.str().find("\n" + std::string(11, ' ') + "   2" + std::string(18, ' ') + "103,013 "), std::string::npos)
      << out.str();
  std::ifstream f(txt, std::ios::binary);
  std::stringstream zapis;
  zapis << f.rdbuf();
  // The same report in Windows-1250 with CR LF: "ROZPŁYW" has Ł = 0xA3.
  EXPECT_EQ(zapis.str().rfind("                     OBLICZANIE  ROZP\xA3YW  MOCY \r\n", 0), 0u);
  const std::string plikTekst = zapis.str(), wypisane = out.str();
  EXPECT_EQ(std::count(plikTekst.begin(), plikTekst.end(), '\n'), std::count(wypisane.begin(), wypisane.end(), '\n'));

  // A folder that does not exist: the write fails with a message.
  EXPECT_EQ(uruchom({"--batch", zrm, "--slack-kv", "110", "--epsilon", "1e-9", "--r", "1.2", "--output",
                     (folder / "brak" / "w.txt").string()}),
            1);
  EXPECT_EQ(err.str().rfind("Nie udało się zapisać pliku", 0), 0u);
  EXPECT_NE(err.str().find("\": nie ma takiego pliku lub katalogu\n"), std::string::npos) << err.str();
}

TEST_F(Wsadowy, RefusalsAndUsage) {
  const std::string zrm = plik("zad1.ZRM", DwaWezly());
  const std::string zly = plik("zly.ZRM", "5\r\n1\r\n");
  const std::string ujemna = plik("ujemna.ZRM", DwaWezly("50", "-0,4"));
  const std::string dwie = plik("dwie.ZRM", DwieElektrownie());
  struct Wpis {
    std::vector<std::string> argumenty;
    int kod;
    std::string poczatekBledu;
  };
  const std::vector<Wpis> przypadki = {
      {{"--batch", zrm, "--slack-kv", "110", "--epsilon", "0,001", "--r", "2"}, 1,
       "Podano nieprawidłową wartość parametru relaksacji \"r\" !!!\n"},
      {{"--batch", zrm, "--slack-kv", "1000", "--epsilon", "0,001", "--r", "1,5"}, 1,
       "Podano nieprawidłową wartość napięcia w węźle elektrownianym bilansującym !!!"},
      {{"--batch", zrm, "--slack-kv", "110", "--epsilon", "1", "--r", "1,5"}, 1,
       "Podano nieprawidłową wartość maksymalnej różnicy"},
      {{"--batch", zrm, "--slack", "3", "--slack-kv", "110", "--epsilon", "0,1", "--r", "1,5"}, 1,
       "Podano nieprawidłowy numer węzła elektrownianego bilansującego !!!"},
      {{"--batch", zrm, "--slack-kv", "110,5", "--epsilon", "0,1", "--r", "1,5"}, 1,
       "'110,5' is not a valid integer value"},
      {{"--batch", zly, "--slack-kv", "110", "--epsilon", "0,1", "--r", "1,5"}, 1,
       "Wskazany plik nie jest prawidłowym plikiem zawierającym dane do zadania (.ZRM) !!!"},
      {{"--batch", (folder / "zad1.TXT").string(), "--slack-kv", "110", "--epsilon", "0,1", "--r", "1,5"}, 1,
       "Wskazany plik nie jest prawidłowym plikiem zawierającym dane schematu"},
      {{"--batch", (folder / "brak.ZRM").string(), "--slack-kv", "110", "--epsilon", "0,1", "--r", "1,5"}, 1,
       "Nie można odczytać pliku"},
      {{"--batch", zrm, "--epsilon", "0,1", "--r", "1,5"}, 2, "Kreator: brak opcji --slack-kv"},
      {{"--batch", zrm, "--slack-kv"}, 2, "Kreator: brak wartości opcji --slack-kv"},
      {{"--batch", zrm, "--fast"}, 2, "Kreator: nieznana opcja: --fast"},
      {{"--batch", zrm, "--slack-kv", "110", "--epsilon", "0,1", "--metoda", "jacobi"}, 2,
       "Kreator: nieznana metoda obliczeń: jacobi (dozwolone: gauss-seidel, newton)\n\nUżycie: Kreator --batch"},
      // Only Newton-Raphson does without r.
      {{"--batch", zrm, "--slack-kv", "110", "--epsilon", "0,1", "--metoda", "gauss-seidel"}, 2,
       "Kreator: brak opcji --r"},
      {{"--batch", ujemna, "--slack-kv", "110", "--epsilon", "0,1", "--r", "1,5"}, 1,
       "Nieprawidłowe dane linii L1: reaktancja jednostkowa (kolumna \"X'  [om/km]\") nie może być ujemna, a wpisano "
       "-0,4 !!!\n"},
      {{"--batch", dwie, "--slack-kv", "110", "--epsilon", "0,1", "--r", "1,5"}, 2,
       "Kreator: w zadaniu jest więcej niż jeden węzeł elektrowniany (węzły 1, 3); podaj numer węzła bilansującego "
       "opcją --slack N.\n\nUżycie: Kreator --batch"},
  };
  for (const auto& p : przypadki) {
    EXPECT_EQ(uruchom(p.argumenty), p.kod) << p.argumenty[2] << " " << err.str();
    EXPECT_EQ(err.str().rfind(p.poczatekBledu, 0), 0u) << err.str();
    EXPECT_EQ(out.str(), "");
  }
  EXPECT_EQ(uruchom({"--help"}), 0);
  EXPECT_EQ(out.str().rfind("Użycie: Kreator --batch", 0), 0u);
  // Given the slack node, the same two-generator exercise computes.
  EXPECT_EQ(uruchom({"--batch", dwie, "--slack", "1", "--slack-kv", "110", "--epsilon", "1e-6", "--r", "1,5"}), 0)
      << err.str();
}

TEST_F(Wsadowy, NoticeGoesToTheErrorStreamAndTheRunGoesOn) {
  const std::string zrm = plik("trzy.ZRM", TrzyWezly());
  EXPECT_EQ(uruchom({"--batch", zrm, "--slack-kv", "110", "--epsilon", "1e-6", "--r", "1,5", "--json"}), 0);
  EXPECT_EQ(err.str().rfind("Nie wszystkie węzły zostały zdefiniowane\nDla węzła(ów) 2 nie został podany typ", 0), 0u)
      << err.str();
  EXPECT_NEAR(zJson(2, "p_mw"), 0.0, 1e-3);  // an untyped node takes nothing

  // A load the line cannot carry: no convergence, exit 1, no results.
  const std::string ciezki = plik("ciezki.ZRM", DwaWezly("900"));
  EXPECT_EQ(uruchom({"--batch", ciezki, "--slack-kv", "110", "--epsilon", "1e-6", "--r", "1,5", "--json"}), 1);
  EXPECT_EQ(err.str().rfind("Obliczenia nie są zbieżne", 0), 0u) << err.str();
  EXPECT_EQ(out.str(), "");
}
