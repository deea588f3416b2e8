#include "zwarcia/core/wsadowy.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "zwarcia/core/plik_zrz.h"
#include "zwarcia/core/wspolczynniki.h"

using namespace zwarcia;
namespace fs = std::filesystem;

namespace {

// The two-node example at 110 kV: S1 2500 MVA at node 1, G1 100 MVA 20 % at
// node 2, T1 1-2 100 MVA 300 kW 10 %, L1 1-2 0,12 / 0,4 Ω/km 50 km 2 circuits.
// The configuration check forbids a line beside a transformer, so it is
// computed with the line cut in two halves of 25 km through a node 3 that
// nothing else touches: the halves in series are the same branch between
// 1 and 2, and node 2's and node 1's fault currents are those of the example.
const std::string kDwaWezly =
    ZbudujZrz({"2", "1", "1;", "2500;", "1", "2;", "100;", "20;", "1;", "1", "1;", "2;", "100;", "300;", "10;", "1;",
               "1", "1;", "2;", "110;", "0,12;", "0,4;", "50;", "2;"});
const std::string kPrzyklad =
    ZbudujZrz({"3", "1", "1;", "2500;", "1", "2;", "100;", "20;", "1;", "1", "1;", "2;", "100;", "300;", "10;", "1;",
               "2", "1;3;", "3;2;", "110;110;", "0,12;0,12;", "0,4;0,4;", "25;25;", "2;2;"});

class WsadowyZwarc : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::temp_directory_path() / ("zwarcia_wsadowy_" + std::to_string(::getpid()));
    fs::create_directories(folder);
    zrz = plik("przyklad.ZRZ", kPrzyklad);
  }
  void TearDown() override { fs::remove_all(folder); }

  std::string plik(const std::string& nazwa, const std::string& tresc) {
    const fs::path p = folder / nazwa;
    std::ofstream(p, std::ios::binary) << tresc;
    return p.string();
  }
  int uruchom(const std::vector<std::string>& a) {
    out.str("");
    err.str("");
    return UruchomWsadowo(a, out, err);
  }
  // The number after "klucz": in the JSON output, from position `od`.
  double zJson(const std::string& klucz, size_t od = 0) {
    const std::string s = out.str();
    const size_t p = s.find("\"" + klucz + "\": ", od);
    EXPECT_NE(p, std::string::npos) << klucz;
    return p == std::string::npos ? 0 : std::stod(s.substr(p + klucz.size() + 4));
  }
  bool maKlucz(const std::string& klucz) { return out.str().find("\"" + klucz + "\"") != std::string::npos; }

  fs::path folder;
  std::string zrz;
  std::ostringstream out, err;
};

}  // namespace

// Expected values: the example solved by hand on the complex nodal matrix,
// E = 1,1 / 1,05 per unit, I_base = 100 / (√3·115,5) kA.
TEST_F(WsadowyZwarc, ComputesTheExampleAsJson) {
  ASSERT_EQ(uruchom({"--batch", zrz, "--fault-node", "2", "--fault-kv", "110", "--duration", "0.1", "--json"}), 0)
      << err.str();
  EXPECT_NEAR(zJson("ik_kA"), 8.8516, 5e-5);
  EXPECT_NEAR(zJson("r_over_x"), 0.080372, 5e-7);
  EXPECT_NEAR(zJson("x_over_r"), 12.4421, 5e-5);
  const size_t zk = out.str().find("\"zk_pu\"");
  EXPECT_NEAR(zJson("re", zk), 0.0047397, 5e-8);
  EXPECT_NEAR(zJson("im", zk), 0.0589715, 5e-8);
  const double galezie[] = {12.4796, 5.2316, 5.5253, 7.0600, 7.0600};  // S1, G1, T1, L1, L2
  size_t p = out.str().find("\"branch_currents_pu\": [") + 23;
  for (double oczekiwany : galezie) {
    EXPECT_NEAR(std::stod(out.str().substr(p)), oczekiwany, 5e-5);
    p = out.str().find_first_of(",]", p) + 1;
  }
  EXPECT_EQ(out.str()[p - 1], ']');  // exactly five branches
  // The same currents named: the system feeds node 1; L2 runs from node 3 to node 2.
  for (const char* obiekt : {"{\"element\": \"S1\", \"from_node\": 1, \"to_node\": null, \"i_pu\": 12.4",
                             "{\"element\": \"L2\", \"from_node\": 3, \"to_node\": 2, \"i_pu\": 7.06"})
    EXPECT_NE(out.str().find(obiekt), std::string::npos) << obiekt;
  // Zk in ohms: the per-unit values times 115,5² / 100 = 133,4025 Ω.
  const size_t om = out.str().find("\"zk_ohm\"");
  EXPECT_NEAR(zJson("re", om), 0.0047397 * 133.4025, 5e-5);
  EXPECT_NEAR(zJson("im", om), 0.0589715 * 133.4025, 5e-5);
  EXPECT_EQ(zJson("ib_kA"), 8.8516);  // as the breaking-current box shows it
  EXPECT_FALSE(maKlucz("ip_kA"));
  EXPECT_FALSE(maKlucz("ith_kA"));
  EXPECT_NE(out.str().find("\"warnings\": []"), std::string::npos);
  EXPECT_EQ(err.str(), "");

  ASSERT_EQ(uruchom({"--batch", zrz, "--fault-node", "1", "--fault-kv", "110", "--duration", "1", "--json"}), 0);
  EXPECT_NEAR(zJson("ik_kA"), 15.2311, 5e-5);
  EXPECT_NEAR(zJson("x_over_r"), 97.542, 5e-4);
}

// Node 2 is reached by the 110 kV line L2 (3-2), by T1 and by G1; 220 kV
// typed there is computed as typed and reported as a notice.
TEST_F(WsadowyZwarc, FaultVoltageOtherThanTheLinesIsComputedWithANotice) {
  ASSERT_EQ(uruchom({"--batch", zrz, "--fault-node", "2", "--fault-kv", "220", "--duration", "0,1", "--json"}), 0)
      << err.str();
  const std::string uwaga =
      "Napięcie znamionowe w miejscu zwarcia (węzeł nr 2) podano 220 kV, a linia dołączona do tego węzła ma "
      "napięcie znamionowe 110 kV. Obliczenia wykonano dla 220 kV.";
  EXPECT_EQ(err.str(), uwaga + "\n");
  EXPECT_NE(out.str().find("\"warnings\": [\"" + uwaga + "\"]"), std::string::npos) << out.str();
  EXPECT_EQ(zJson("fault_kv"), 220);
}

TEST_F(WsadowyZwarc, FactorsGiveThePeakAndThermalCurrents) {
  ASSERT_EQ(uruchom({"--batch", zrz, "--fault-node", "2", "--fault-kv", "110", "--duration", "0,1", "--kappa", "1.8",
                     "--m", "0,5", "--json"}),
            0)
      << err.str();
  EXPECT_EQ(zJson("ip_kA"), 22.5325);   // √2·1,8·8,8516
  EXPECT_EQ(zJson("ith_kA"), 10.8410);  // 8,8516·√1,5
  EXPECT_EQ(zJson("kappa"), 1.8);
  EXPECT_EQ(zJson("m"), 0.5);

  ASSERT_EQ(uruchom({"--batch", zrz, "--fault-node", "2", "--fault-kv", "110", "--duration", "0,1", "--kappa", "2",
                     "--json"}),
            0);
  EXPECT_EQ(zJson("ip_kA"), 25.0361);  // 2·√2·8,8516
  EXPECT_FALSE(maKlucz("ith_kA"));
}

TEST_F(WsadowyZwarc, ListingAndItsFile) {
  const std::string txt = (folder / "wynik.txt").string();
  ASSERT_EQ(uruchom({"--batch", zrz, "--fault-node", "2", "--fault-kv", "110", "--duration", "0,1", "--kappa", "1",
                     "--m", "2", "--output", txt}),
            0)
      << err.str();
  const std::string s = out.str();
  // The text report, ending with the initial current, Zk with R/X (the worked case of the
  // report test: 0,6323 + j7,8669 Ω) and the three current lines:
  // ip = √2·1·8,8516 = 12,5181; Ith = 8,8516·√3 = 15,3314.
  const std::string koniec = "  - prąd początkowy I=8,8516 kA\n"
                             "  - impedancja obwodu zwarciowego Zk=0,6323 + j7,8669 om\n"
                             "  - stosunek R/X=0,0804 (X/R=12,44)\n"
                             "  - prąd zwarciowy udarowy I=12,5181 kA\n"
                             "  - prąd wyłączeniowy symetryczny I=8,8516 kA\n  - prąd zwarciowy cieplny I=15,3314 kA\n";
  ASSERT_GE(s.size(), koniec.size());
  EXPECT_EQ(s.substr(s.size() - koniec.size()), koniec) << s;
  std::ifstream f(txt, std::ios::binary);
  std::stringstream zapis;
  zapis << f.rdbuf();
  // The same report in Windows-1250 with CR LF: "prąd" has ą = 0xB9.
  EXPECT_NE(zapis.str().find("  - pr\xB9" "d pocz\xB9tkowy I=8,8516 kA\r\n"), std::string::npos);
  const std::string z = zapis.str();
  EXPECT_EQ(std::count(z.begin(), z.end(), '\n'), std::count(z.begin(), z.end(), '\r'));
  EXPECT_EQ(std::count(z.begin(), z.end(), '\n'), std::count(s.begin(), s.end(), '\n'));

  // A folder that does not exist: the write is refused with a message.
  EXPECT_EQ(uruchom({"--batch", zrz, "--fault-node", "2", "--fault-kv", "110", "--duration", "0,1", "--output",
                     (folder / "brak" / "w.txt").string()}),
            1);
  EXPECT_EQ(err.str().rfind("Nie udało się zapisać pliku", 0), 0u) << err.str();
  EXPECT_EQ(out.str(), "");
}

TEST_F(WsadowyZwarc, RefusalsAndUsage) {
  const std::string zly = plik("zly.ZRZ", "5\r\n1\r\n");
  auto z = [&](std::string plik, std::string wezel, std::string kV, std::string czas,
               std::vector<std::string> reszta = {}) {
    std::vector<std::string> a = {"--batch", plik, "--fault-node", wezel, "--fault-kv", kV, "--duration", czas};
    a.insert(a.end(), reszta.begin(), reszta.end());
    return a;
  };
  struct Wpis {
    std::vector<std::string> argumenty;
    int kod;
    std::string poczatekBledu;
  };
  const std::vector<Wpis> przypadki = {
      {z(zrz, "4", "110", "0,1"), 1, "Podano nieprawidłowy numer węzła, w którym jest zwarcie !!!\n"},
      {z(zrz, "0", "110", "0,1"), 1, "Podano nieprawidłowy numer węzła, w którym jest zwarcie !!!\n"},
      {z(zrz, "2", "110,5", "0,1"), 1, "'110,5' is not a valid integer value"},
      {z(zrz, "2", "110.5", "0,1"), 1, "'110,5' is not a valid integer value"},
      {z(zrz, "2", "1000", "0,1"), 1, "Podano nieprawidłową wartość napięcia w miejscu zwarcia !!!\n"},
      {z(zrz, "2", "110", "1,01"), 1, "Podano nieprawidłowy czas zwarcia !!!\n"},
      {z(zrz, "2", "110", "0.009"), 1, "Podano nieprawidłowy czas zwarcia !!!\n"},
      {z(zrz, "2", "110", "0,1", {"--kappa", "2,1"}), 1, kZlyWspolczynnikUdaru},
      {z(zrz, "2", "110", "0,1", {"--kappa", "0.99"}), 1, kZlyWspolczynnikUdaru},
      {z(zrz, "2", "110", "0,1", {"--kappa", "abc"}), 1, kZlyWspolczynnikUdaru},
      {z(zrz, "2", "110", "0,1", {"--kappa", "1,8", "--m", "2,5"}), 1, kZlyWspolczynnikM},
      {z(zly, "2", "110", "0,1"), 1, kZlyPlikZrz},
      {z(plik("dwa.ZRZ", kDwaWezly), "2", "110", "0,1"), 1,
       "Konfiguracja schematu nie jest prawidłowa. Transformator T1 i linia L1 są podłączone między dwa takie same "
       "węzły nr 1 i 2"},
      {z((folder / "brak.ZRZ").string(), "2", "110", "0,1"), 1, "Nie można odczytać pliku"},
      {z(plik("przyklad.ZRM", kPrzyklad), "2", "110", "0,1"), 1, kZleRozszerzenieZrz},
      {{"--batch", zrz, "--fault-node", "2", "--duration", "0,1"}, 2, "zwarcia: brak opcji --fault-kv"},
      {z(zrz, "2", "110", "0,1", {"--m", "0,5"}), 2, "zwarcia: opcja --m wymaga opcji --kappa"},
      {z(zrz, "2", "110", "0,1", {"--kappa"}), 2, "zwarcia: brak wartości opcji --kappa"},
      {z(zrz, "2", "110", "0,1", {"--fast"}), 2, "zwarcia: nieznana opcja: --fast"},
      {{"--batch"}, 2, "zwarcia: brak wartości opcji --batch"},
  };
  for (const auto& p : przypadki) {
    EXPECT_EQ(uruchom(p.argumenty), p.kod) << p.argumenty[1] << " " << err.str();
    EXPECT_EQ(err.str().rfind(p.poczatekBledu, 0), 0u) << err.str();
    EXPECT_EQ(out.str(), "");
  }
  EXPECT_EQ(uruchom({"--help"}), 0);
  EXPECT_EQ(out.str().rfind("Użycie: zwarcia --batch PLIK.ZRZ --fault-node N", 0), 0u);
  EXPECT_TRUE(TrybWsadowy({"--batch", "x"}));
  EXPECT_FALSE(TrybWsadowy({"zadanie.ZRZ"}));
}
