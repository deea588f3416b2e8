// The bundled exercises in examples/zwarcia: their files are what the
// program expects, and the batch mode computes each fault to the same
// currents as an independent calculation written here from the raw ".ZRZ"
// and the textbook formulas: per-unit element impedances, the nodal
// admittance matrix stamped branch by branch, and the fault solved by
// complex Gaussian elimination (no code of the program's computation is used).
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/core/cp1250.h"
#include "zwarcia/core/plik_zrz.h"
#include "zwarcia/core/wsadowy.h"

namespace fs = std::filesystem;
using Zespolona = std::complex<double>;

namespace {

// The fault data each task file tells the student to type.
struct Przyklad {
  const char* nazwa;
  int wezel;
  int napiecieKv;
  const char* czas;
};
const Przyklad kPrzyklady[] = {{"ZAD1", 2, 110, "0,5"}, {"ZAD2", 4, 110, "0,3"}, {"ZAD3", 4, 110, "0,2"}};
void PrintTo(const Przyklad& p, std::ostream* os) { *os << p.nazwa; }

std::string Czytaj(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

fs::path Plik(const Przyklad& p, const char* rozszerzenie) {
  return fs::path(PRZYKLADY) / (std::string(p.nazwa) + rozszerzenie);
}

// ---- the raw ".ZRZ": lines by CR LF, cells by ";", decimal commas ----

std::vector<std::string> Komorki(const std::string& wiersz) {
  std::vector<std::string> k;
  std::string biezaca;
  for (char c : wiersz) {
    if (c == ';') {
      k.push_back(biezaca);
      biezaca.clear();
    } else {
      biezaca += c;
    }
  }
  if (!biezaca.empty()) k.push_back(biezaca);
  return k;
}

double Liczba(std::string s) {
  for (char& c : s)
    if (c == ',') c = '.';
  return std::stod(s);
}

// One branch of the equivalent circuit; koniec 0 is ground (a source).
struct Galaz {
  int poczatek = 0, koniec = 0;
  Zespolona z;  // per unit on 100 MVA
};

constexpr double kSb = 100;  // MVA

// Systems, generators, transformers, lines: the order of the branch currents.
std::vector<Galaz> Galezie(const std::string& tekst, int& N) {
  std::vector<std::string> w;  // w[k] is line k
  std::istringstream s(tekst);
  for (std::string l; std::getline(s, l);) w.push_back(l.ends_with('\r') ? l.substr(0, l.size() - 1) : l);
  w.resize(26);
  N = std::stoi(w[2]);
  const auto kolumny = [&](int od, int ile, int liczba) {
    std::vector<std::vector<double>> k;
    for (int i = 0; i < ile; ++i) {
      k.emplace_back();
      for (const auto& c : Komorki(w[size_t(od + i)])) k.back().push_back(Liczba(c));
      EXPECT_EQ(k.back().size(), size_t(liczba)) << "wiersz " << od + i;
    }
    return k;
  };
  const auto sys = kolumny(4, 2, std::stoi(w[3]));
  const auto gen = kolumny(7, 4, std::stoi(w[6]));
  const auto tr = kolumny(12, 6, std::stoi(w[11]));
  const auto lin = kolumny(19, 7, std::stoi(w[18]));

  std::vector<Galaz> g;
  // A system: only the reactance of its short-circuit power.
  for (size_t i = 0; i < sys[0].size(); ++i) g.push_back({int(sys[0][i]), 0, Zespolona(0, kSb / sys[1][i])});
  // A generator: X''d on its rating, R of 1 % of its rated impedance; n units in parallel.
  for (size_t i = 0; i < gen[0].size(); ++i) {
    const double Sn = gen[1][i], xd = gen[2][i], n = gen[3][i];
    g.push_back({int(gen[0][i]), 0, Zespolona(0.01, xd / 100) * (kSb / Sn) / n});
  }
  // A transformer: uR = PCu / Sn in per cent, uX from uz; n units in parallel.
  for (size_t i = 0; i < tr[0].size(); ++i) {
    const double Sn = tr[2][i], uR = tr[3][i] / (Sn * 1000) * 100, uz = tr[4][i], n = tr[5][i];
    const double uX = std::sqrt(uz * uz - uR * uR);
    g.push_back({int(tr[0][i]), int(tr[1][i]), Zespolona(uR, uX) / 100.0 * (kSb / Sn) / n});
  }
  // A line: ohms of its n circuits, per unit on its own level's 1,05·Un base.
  for (size_t i = 0; i < lin[0].size(); ++i) {
    const double Ub = 1.05 * lin[2][i], l = lin[5][i], n = lin[6][i];
    g.push_back({int(lin[0][i]), int(lin[1][i]), Zespolona(lin[3][i], lin[4][i]) * l / n / (Ub * Ub / kSb)});
  }
  return g;
}

// Solves A x = b by Gaussian elimination with partial pivoting.
std::vector<Zespolona> Rozwiaz(std::vector<std::vector<Zespolona>> A, std::vector<Zespolona> b) {
  const size_t n = b.size();
  for (size_t k = 0; k < n; ++k) {
    size_t p = k;
    for (size_t i = k + 1; i < n; ++i)
      if (std::abs(A[i][k]) > std::abs(A[p][k])) p = i;
    std::swap(A[k], A[p]);
    std::swap(b[k], b[p]);
    for (size_t i = k + 1; i < n; ++i) {
      const Zespolona f = A[i][k] / A[k][k];
      for (size_t j = k; j < n; ++j) A[i][j] -= f * A[k][j];
      b[i] -= f * b[k];
    }
  }
  std::vector<Zespolona> x(n);
  for (size_t k = n; k-- > 0;) {
    Zespolona s = b[k];
    for (size_t j = k + 1; j < n; ++j) s -= A[k][j] * x[j];
    x[k] = s / A[k][k];
  }
  return x;
}

struct Wzor {
  Zespolona Zk;
  double ikKA = 0;
  std::vector<double> pradyGalezi;  // |I| per unit, in branch order
};

// Every source behind its impedance at E = 1,1·Un on the 1,05·Un base; the
// fault by superposition: the pre-fault voltages minus the response to If.
Wzor Zwarcie(const std::vector<Galaz>& galezie, int N, const Przyklad& p) {
  const double E = 1.1 / 1.05;
  const size_t n = static_cast<size_t>(N);
  std::vector<std::vector<Zespolona>> Y(n, std::vector<Zespolona>(n));
  std::vector<Zespolona> J(n);
  for (const Galaz& g : galezie) {
    const Zespolona y = 1.0 / g.z;
    const size_t a = size_t(g.poczatek - 1);
    Y[a][a] += y;
    if (g.koniec == 0) {
      J[a] += E * y;
      continue;
    }
    const size_t b = size_t(g.koniec - 1);
    Y[b][b] += y;
    Y[a][b] -= y;
    Y[b][a] -= y;
  }
  const size_t f = size_t(p.wezel - 1);
  std::vector<Zespolona> jednostkowy(n);
  jednostkowy[f] = 1;
  const std::vector<Zespolona> kolumna = Rozwiaz(Y, jednostkowy);  // column f of Zw
  const std::vector<Zespolona> U0 = Rozwiaz(Y, J);
  Wzor w;
  w.Zk = kolumna[f];
  const Zespolona If = U0[f] / w.Zk;
  std::vector<Zespolona> U(n);
  for (size_t k = 0; k < n; ++k) U[k] = U0[k] - kolumna[k] * If;
  for (const Galaz& g : galezie) {
    const Zespolona ua = U[size_t(g.poczatek - 1)], ub = g.koniec == 0 ? E : U[size_t(g.koniec - 1)];
    w.pradyGalezi.push_back(std::abs((ua - ub) / g.z));
  }
  const double Ib = kSb / (std::sqrt(3.0) * 1.05 * p.napiecieKv);
  w.ikKA = std::abs(If) * Ib;
  return w;
}

double ZJson(const std::string& s, const std::string& klucz) {
  const size_t p = s.find("\"" + klucz + "\": ");
  EXPECT_NE(p, std::string::npos) << klucz;
  return std::stod(s.substr(p + klucz.size() + 4));
}

std::vector<double> TablicaZJson(const std::string& s, const std::string& klucz) {
  size_t p = s.find("\"" + klucz + "\": [");
  EXPECT_NE(p, std::string::npos) << klucz;
  const size_t koniec = s.find(']', p);
  std::vector<double> t;
  for (p = s.find('[', p) + 1; p < koniec; p = s.find_first_of(",]", p) + 1) t.push_back(std::stod(s.substr(p)));
  return t;
}

class ZadaniaZwarcia : public ::testing::TestWithParam<Przyklad> {};

TEST_P(ZadaniaZwarcia, PlikiSaKompletne) {
  const Przyklad& p = GetParam();
  zwarcia::Przypadek przypadek;
  EXPECT_TRUE(zwarcia::WczytajZrz(Czytaj(Plik(p, ".ZRZ")), przypadek));
  EXPECT_GE(przypadek.LiczbaWezlow, p.wezel);
  for (const char* obraz : {".URZ", ".DRZ"}) {
    SCOPED_TRACE(obraz);
    const std::string b = Czytaj(Plik(p, obraz));
    ASSERT_GE(b.size(), 54u);
    EXPECT_EQ(b.substr(0, 2), "BM");
    const auto slowo = [&](size_t i, int bajty) {
      long v = 0;
      for (int k = bajty - 1; k >= 0; --k) v = v * 256 + static_cast<unsigned char>(b[i + size_t(k)]);
      return v;
    };
    const long szer = slowo(18, 4), wys = slowo(22, 4);
    EXPECT_EQ(slowo(28, 2), 24);  // bits per pixel
    EXPECT_GE(szer, 400);
    EXPECT_LE(szer, 1000);
    EXPECT_GE(wys, 300);
    EXPECT_LE(wys, 700);
    // The header, then rows of 3 bytes per pixel padded to 4.
    EXPECT_EQ(long(b.size()), slowo(10, 4) + (szer * 3 + 3) / 4 * 4 * wys);
  }
  // The report prints the first line as the task statement: one Polish
  // sentence, read back from Windows-1250 with its Polish letters.
  const std::string zadanie = common::Cp1250DoUtf8(Czytaj(Plik(p, ".SRZ")));
  const std::string pierwsza = zadanie.substr(0, zadanie.find("\r\n"));
  EXPECT_TRUE(pierwsza.starts_with("Zadanie ")) << pierwsza;
  EXPECT_TRUE(pierwsza.ends_with(".")) << pierwsza;
  EXPECT_NE(pierwsza.find("zwarcia trójfazowego w węźle " + std::to_string(p.wezel) + " "), std::string::npos)
      << pierwsza;
  // The rest of the task file names what the student types.
  EXPECT_NE(zadanie.find("zwarcie: nr " + std::to_string(p.wezel) + "\r\n"), std::string::npos) << zadanie;
  EXPECT_NE(zadanie.find(": " + std::to_string(p.napiecieKv) + " kV\r\n"), std::string::npos);
  EXPECT_NE(zadanie.find("czas trwania zwarcia: " + std::string(p.czas) + " s\r\n"), std::string::npos);
}

TEST_P(ZadaniaZwarcia, TrybWsadowyZgadzaSieZNiezaleznymObliczeniem) {
  const Przyklad& p = GetParam();
  int N = 0;
  const std::vector<Galaz> galezie = Galezie(Czytaj(Plik(p, ".ZRZ")), N);
  const Wzor wzor = Zwarcie(galezie, N, p);

  std::ostringstream wyjscie, bledy;
  const int kod = zwarcia::UruchomWsadowo({"--batch", Plik(p, ".ZRZ").string(), "--fault-node", std::to_string(p.wezel),
                                           "--fault-kv", std::to_string(p.napiecieKv), "--duration", p.czas, "--json"},
                                          wyjscie, bledy);
  ASSERT_EQ(kod, 0) << bledy.str();
  const std::string json = wyjscie.str();
  EXPECT_NEAR(ZJson(json, "ik_kA"), wzor.ikKA, 1e-4);
  EXPECT_NEAR(ZJson(json, "x_over_r"), wzor.Zk.imag() / wzor.Zk.real(), 1e-6);
  const std::vector<double> prady = TablicaZJson(json, "branch_currents_pu");
  ASSERT_EQ(prady.size(), wzor.pradyGalezi.size());
  for (size_t b = 0; b < prady.size(); ++b) EXPECT_NEAR(prady[b], wzor.pradyGalezi[b], 1e-6) << "gałąź " << b + 1;
  // Zk in ohms on the fault's level, 1,05·Un: the independent Zk times (1,05·Un)² / 100 MVA,
  // the digits the report shows.
  const double zb = std::pow(1.05 * p.napiecieKv, 2) / kSb;
  const size_t om = json.find("\"zk_ohm\"");
  ASSERT_NE(om, std::string::npos);
  EXPECT_NEAR(std::stod(json.substr(json.find("\"re\": ", om) + 6)), wzor.Zk.real() * zb, 5e-5);
  EXPECT_NEAR(std::stod(json.substr(json.find("\"im\": ", om) + 6)), wzor.Zk.imag() * zb, 5e-5);
  // The labelled branches carry the same currents, one per branch.
  size_t od = json.find("\"branches\": [");
  for (size_t b = 0; b < prady.size(); ++b) {
    od = json.find("\"i_pu\": ", od);
    ASSERT_NE(od, std::string::npos) << "gałąź " << b + 1;
    od += 8;
    EXPECT_NEAR(std::stod(json.substr(od)), wzor.pradyGalezi[b], 5e-5) << "gałąź " << b + 1;
  }
  // The student picks κ off a chart whose X/R axis runs from 0,5 to 200.
  EXPECT_GE(wzor.Zk.imag() / wzor.Zk.real(), 0.5);
  EXPECT_LE(wzor.Zk.imag() / wzor.Zk.real(), 200);
}

INSTANTIATE_TEST_SUITE_P(Przyklady, ZadaniaZwarcia, ::testing::ValuesIn(kPrzyklady),
                         [](const auto& info) { return std::string(info.param.nazwa); });

}  // namespace
