// The bundled exercises in examples/kreator: their files are what the
// program expects, and the batch mode computes them to the same load flow
// as an independent Newton-Raphson solution written here from the raw file
// and the textbook formulas (no code of the program's computation is used).
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/core/cp1250.h"
#include "kreator/core/plik_zrm.h"
#include "kreator/core/rozplyw.h"
#include "kreator/core/wsadowy.h"
#include "kreator/tests/przypadki.h"

namespace fs = std::filesystem;
using Zespolona = std::complex<double>;

namespace {

// What the task statement of each exercise tells the student to type.
struct Przyklad {
  const char* nazwa;
  int bilansujacy;
  int napiecieKv;
  const char* r;
};
const Przyklad kPrzyklady[] = {{"ZAD1", 1, 117, "1,5"}, {"ZAD2", 1, 240, "1,5"}, {"ZAD3", 1, 410, "1,5"}};
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

// ---- the raw ".ZRM": lines by CR LF, cells by ";", decimal commas ----

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

struct Siec {
  int N = 0;
  std::vector<std::vector<std::string>> linie, trafa, generatory, odbiory;  // [column][row], columns from 0
};

Siec Rozbierz(const std::string& tekst) {
  std::vector<std::string> w{""};  // w[k] is line k
  std::istringstream s(tekst);
  for (std::string l; std::getline(s, l);) w.push_back(l.ends_with('\r') ? l.substr(0, l.size() - 1) : l);
  w.resize(31);
  const auto kolumny = [&](int od, int ile) {
    std::vector<std::vector<std::string>> k;
    for (int i = 0; i < ile; ++i) k.push_back(Komorki(w[size_t(od + i)]));
    return k;
  };
  Siec n;
  n.N = std::stoi(w[3]);
  n.linie = kolumny(6, 8);
  n.trafa = kolumny(14, 9);
  n.generatory = kolumny(24, 3);
  n.odbiory = kolumny(28, 3);
  EXPECT_EQ(n.linie[0].size(), size_t(std::stoi(w[4])));
  EXPECT_EQ(n.trafa[0].size(), size_t(std::stoi(w[5])));
  EXPECT_EQ(n.generatory[0].size(), size_t(std::stoi(w[23])));
  EXPECT_EQ(n.odbiory[0].size(), size_t(std::stoi(w[27])));
  return n;
}

// ---- the independent model ----

struct Model {
  double Ub = 0;                          // kV, the one base voltage
  std::vector<std::vector<Zespolona>> Y;  // per unit, nodes from 0
  std::vector<double> znamionowe;         // rated kV of each node
};

Model Zbuduj(const Siec& s) {
  Model m;
  int ile[3] = {0, 0, 0};
  for (const auto& kv : s.linie[2]) {
    ile[0] += kv == "110";
    ile[1] += kv == "220";
    ile[2] += kv == "400";
  }
  const int najwiecej = std::max({ile[0], ile[1], ile[2]});
  m.Ub = 1.05 * (ile[0] == najwiecej ? 110 : ile[1] == najwiecej ? 220 : 400);
  const double Zb = m.Ub * m.Ub / 100;
  m.Y.assign(size_t(s.N), std::vector<Zespolona>(size_t(s.N)));
  m.znamionowe.assign(size_t(s.N), 0.0);

  // Lines: pi sections, n circuits in parallel.
  for (size_t i = 0; i < s.linie[0].size(); ++i) {
    const size_t a = size_t(std::stoi(s.linie[0][i]) - 1), b = size_t(std::stoi(s.linie[1][i]) - 1);
    const double l = Liczba(s.linie[6][i]), n = Liczba(s.linie[7][i]);
    const double R = Liczba(s.linie[3][i]) * l / n, X = Liczba(s.linie[4][i]) * l / n;
    const double B = Liczba(s.linie[5][i]) * l * n * 1e-6;
    const Zespolona y = Zb / Zespolona(R, X), polowa(0, B * Zb / 2);
    m.Y[a][a] += y + polowa;
    m.Y[b][b] += y + polowa;
    m.Y[a][b] -= y;
    m.Y[b][a] -= y;
    m.znamionowe[a] = m.znamionowe[b] = Liczba(s.linie[2][i]);
  }
  // Transformers: series impedance and magnetising branch on the upper
  // side, then an ideal ratio t = Ug/Ud to the lower node.
  for (size_t i = 0; i < s.trafa[0].size(); ++i) {
    const size_t a = size_t(std::stoi(s.trafa[0][i]) - 1), d = size_t(std::stoi(s.trafa[1][i]) - 1);
    const double Ug = Liczba(s.trafa[2][i]), Ud = Liczba(s.trafa[3][i]), Sn = Liczba(s.trafa[4][i]);
    const double dPCu = Liczba(s.trafa[5][i]), dPFe = Liczba(s.trafa[6][i]);
    const double uz = Liczba(s.trafa[7][i]), i0 = Liczba(s.trafa[8][i]);
    const double R = dPCu * Ug * Ug / (1000 * Sn * Sn), Z = uz * Ug * Ug / (100 * Sn), X = std::sqrt(Z * Z - R * R);
    const double G = dPFe / (1000 * Ug * Ug), Ym = i0 * Sn / (100 * Ug * Ug), B = std::sqrt(Ym * Ym - G * G);
    const double t = Ug / Ud;
    const Zespolona y = Zb / Zespolona(R, X), ym = Zespolona(G, -B) * Zb;
    m.Y[a][a] += y + ym / 2.0;
    m.Y[d][d] += t * t * (y + ym / 2.0);
    m.Y[a][d] -= t * y;
    m.Y[d][a] -= t * y;
    if (m.znamionowe[a] == 0) m.znamionowe[a] = Ug;
    if (m.znamionowe[d] == 0) m.znamionowe[d] = Ud;
  }
  return m;
}

enum class Rodzaj { PQ, PV, Bilansujacy };

struct Rozplyw {
  std::vector<Zespolona> U;  // per unit
  std::vector<Zespolona> S;  // injected, per unit
};

std::vector<Zespolona> Moce(const Model& m, const std::vector<Zespolona>& U) {
  std::vector<Zespolona> S(U.size());
  for (size_t i = 0; i < U.size(); ++i) {
    Zespolona I = 0;
    for (size_t j = 0; j < U.size(); ++j) I += m.Y[i][j] * U[j];
    S[i] = U[i] * std::conj(I);
  }
  return S;
}

// Solves A x = b by Gaussian elimination with partial pivoting.
std::vector<double> Rozwiaz(std::vector<std::vector<double>> A, std::vector<double> b) {
  const size_t n = b.size();
  for (size_t k = 0; k < n; ++k) {
    size_t p = k;
    for (size_t i = k + 1; i < n; ++i)
      if (std::abs(A[i][k]) > std::abs(A[p][k])) p = i;
    std::swap(A[k], A[p]);
    std::swap(b[k], b[p]);
    for (size_t i = k + 1; i < n; ++i) {
      const double f = A[i][k] / A[k][k];
      for (size_t j = k; j < n; ++j) A[i][j] -= f * A[k][j];
      b[i] -= f * b[k];
    }
  }
  std::vector<double> x(n);
  for (size_t k = n; k-- > 0;) {
    double s = b[k];
    for (size_t j = k + 1; j < n; ++j) s -= A[k][j] * x[j];
    x[k] = s / A[k][k];
  }
  return x;
}

// Newton-Raphson in polar form: unknown angles of every node but the
// slack, unknown magnitudes of the PQ nodes; the Jacobian by central
// differences of the power mismatches.
Rozplyw NewtonRaphson(const Siec& s, const Model& m, const Przyklad& p) {
  const size_t N = size_t(s.N);
  std::vector<Rodzaj> rodzaj(N, Rodzaj::PQ);
  std::vector<Zespolona> zadane(N);  // injected power, per unit
  std::vector<double> modul(N), kat(N, 0.0);
  for (size_t k = 0; k < N; ++k) modul[k] = m.znamionowe[k] / m.Ub;
  for (size_t r = 0; r < s.generatory[0].size(); ++r) {
    const size_t k = size_t(std::stoi(s.generatory[0][r]) - 1);
    rodzaj[k] = Rodzaj::PV;
    modul[k] = Liczba(s.generatory[1][r]) / m.Ub;
    zadane[k] = Liczba(s.generatory[2][r]) / 100;
  }
  for (size_t r = 0; r < s.odbiory[0].size(); ++r) {
    const size_t k = size_t(std::stoi(s.odbiory[0][r]) - 1);
    zadane[k] = -Zespolona(Liczba(s.odbiory[1][r]), Liczba(s.odbiory[2][r])) / 100.0;
  }
  const size_t b = size_t(p.bilansujacy - 1);
  rodzaj[b] = Rodzaj::Bilansujacy;
  modul[b] = p.napiecieKv / m.Ub;

  // The unknowns: (node, true for an angle, false for a magnitude).
  std::vector<std::pair<size_t, bool>> x;
  for (size_t k = 0; k < N; ++k)
    if (rodzaj[k] != Rodzaj::Bilansujacy) x.push_back({k, true});
  for (size_t k = 0; k < N; ++k)
    if (rodzaj[k] == Rodzaj::PQ) x.push_back({k, false});
  const auto napiecia = [&] {
    std::vector<Zespolona> U(N);
    for (size_t k = 0; k < N; ++k) U[k] = std::polar(modul[k], kat[k]);
    return U;
  };
  // P mismatch for every unknown angle, Q mismatch for every unknown magnitude.
  const auto niezgodnosci = [&] {
    const auto S = Moce(m, napiecia());
    std::vector<double> f;
    for (auto [k, czyKat] : x) f.push_back(czyKat ? S[k].real() - zadane[k].real() : S[k].imag() - zadane[k].imag());
    return f;
  };
  const auto zmienna = [&](size_t i) -> double& { return x[i].second ? kat[x[i].first] : modul[x[i].first]; };

  for (int krok = 0; krok < 30; ++krok) {
    const std::vector<double> f = niezgodnosci();
    double najwieksza = 0;
    for (double v : f) najwieksza = std::max(najwieksza, std::abs(v));
    if (najwieksza < 1e-12) return {napiecia(), Moce(m, napiecia())};
    std::vector<std::vector<double>> J(f.size(), std::vector<double>(f.size()));
    const double h = 1e-7;
    for (size_t j = 0; j < x.size(); ++j) {
      const double pierwotna = zmienna(j);
      zmienna(j) = pierwotna + h;
      const auto fp = niezgodnosci();
      zmienna(j) = pierwotna - h;
      const auto fm = niezgodnosci();
      zmienna(j) = pierwotna;
      for (size_t i = 0; i < f.size(); ++i) J[i][j] = (fp[i] - fm[i]) / (2 * h);
    }
    std::vector<double> minusF(f.size());
    for (size_t i = 0; i < f.size(); ++i) minusF[i] = -f[i];
    const auto dx = Rozwiaz(J, minusF);
    for (size_t j = 0; j < x.size(); ++j) zmienna(j) += dx[j];
  }
  ADD_FAILURE() << "Newton-Raphson nie zbiegł się";
  return {napiecia(), Moce(m, napiecia())};
}

// The number after `klucz` in the JSON object of node `wezel`.
double ZJson(const std::string& s, int wezel, const std::string& klucz) {
  size_t p = s.find("{\"node\": " + std::to_string(wezel) + ",");
  p = s.find("\"" + klucz + "\": ", p);
  return std::stod(s.substr(p + klucz.size() + 4));
}

class Przyklady : public ::testing::TestWithParam<Przyklad> {};

TEST_P(Przyklady, PlikiSaKompletne) {
  const Przyklad& p = GetParam();
  kreator::Przypadek przypadek;
  EXPECT_TRUE(kreator::WczytajZrm(Czytaj(Plik(p, ".ZRM")), przypadek));
  for (const char* obraz : {".URM", ".DRM"}) {
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
  // The task statement names what the student types on the last pages.
  const std::string zadanie = common::Cp1250DoUtf8(Czytaj(Plik(p, ".SRM")));
  EXPECT_NE(zadanie.find("bilansujący: nr " + std::to_string(p.bilansujacy) + "\r\n"), std::string::npos) << zadanie;
  EXPECT_NE(zadanie.find(": " + std::to_string(p.napiecieKv) + " kV\r\n"), std::string::npos);
  EXPECT_NE(zadanie.find("\"epsilon\": 0,0001\r\n"), std::string::npos);
  EXPECT_NE(zadanie.find("\"r\": " + std::string(p.r) + "\r\n"), std::string::npos);
}

// Both methods of the batch mode; Newton-Raphson needs no r, and takes a
// few iterations where Gauss-Seidel takes tens of sweeps.
TEST_P(Przyklady, TrybWsadowyZgadzaSieZMetodaNewtonaRaphsona) {
  const Przyklad& p = GetParam();
  const Siec siec = Rozbierz(Czytaj(Plik(p, ".ZRM")));
  const Model m = Zbuduj(siec);
  const Rozplyw wzor = NewtonRaphson(siec, m, p);

  for (const std::string metoda : {"gauss-seidel", "newton"}) {
    SCOPED_TRACE(metoda);
    std::vector<std::string> argumenty = {"--batch", Plik(p, ".ZRM").string(), "--slack", std::to_string(p.bilansujacy),
                                          "--slack-kv", std::to_string(p.napiecieKv), "--epsilon", "0,0000000001",
                                          "--metoda", metoda, "--json"};
    if (metoda == "gauss-seidel") argumenty.insert(argumenty.end(), {"--r", p.r});
    std::ostringstream wyjscie, bledy;
    ASSERT_EQ(kreator::UruchomWsadowo(argumenty, wyjscie, bledy), 0) << bledy.str();
    const std::string json = wyjscie.str();
    EXPECT_NE(json.find("\"method\": \"" + metoda + "\""), std::string::npos);
    // One entry of "convergence" per step, numbered from 1.
    const int kroki = std::stoi(json.substr(json.find("\"iterations\": ") + 14));
    const std::string zbieznosc = json.substr(json.find("\"convergence\": ["));
    size_t wpisy = 0;
    for (size_t i = zbieznosc.find("{\"step\": "); i != std::string::npos; i = zbieznosc.find("{\"step\": ", i + 1))
      EXPECT_EQ(std::stoi(zbieznosc.substr(i + 9)), int(++wpisy));
    EXPECT_EQ(int(wpisy), kroki);
    if (metoda == "newton") {
      EXPECT_LE(kroki, 6);
    }
    EXPECT_NEAR(std::stod(json.substr(json.find("\"base_kv\": ") + 11)), m.Ub, 1e-12);
    for (int n = 1; n <= siec.N; ++n) {
      SCOPED_TRACE("węzeł " + std::to_string(n));
      const size_t k = size_t(n - 1);
      EXPECT_NEAR(ZJson(json, n, "u_kv"), std::abs(wzor.U[k]) * m.Ub, 1e-4);
      EXPECT_NEAR(ZJson(json, n, "angle_rad"), std::arg(wzor.U[k]), 1e-6);
      EXPECT_NEAR(ZJson(json, n, "p_mw"), -wzor.S[k].real() * 100, 1e-3);
      EXPECT_NEAR(ZJson(json, n, "q_mvar"), -wzor.S[k].imag() * 100, 1e-3);
    }
  }
}

// Both methods run to ε = 1e-10 pu (1e-8 MVA) on the same model reach the
// same voltages: with Y entries of order 10 pu a mismatch that small moves
// a voltage by some 1e-11 pu, 1e-9 kV, well inside 1e-8 kV.
TEST(MetodyRozplywu, NewtonRaphsonITeSameNapieciaCoGaussSeidel) {
  std::vector<std::pair<std::string, kreator::Przypadek>> przypadki = {{"DwaWezly", kreator::testy::DwaWezly()},
                                                                      {"DwaPoziomy", kreator::testy::DwaPoziomy()}};
  for (const Przyklad& p : kPrzyklady) {
    kreator::Przypadek z;
    ASSERT_TRUE(kreator::WczytajZrm(Czytaj(Plik(p, ".ZRM")), z));
    z.WezelBilansujacy = p.bilansujacy;
    z.NapiecieBilansujace = p.napiecieKv;
    z.Epsilon = 1e-10;
    z.ParametrRelaksacji = 1.5;
    przypadki.emplace_back(p.nazwa, z);
  }
  for (const auto& [nazwa, przypadek] : przypadki) {
    SCOPED_TRACE(nazwa);
    const kreator::SiecRozplywu s = kreator::ZbudujSiec(przypadek);
    const auto gs = kreator::ObliczRozplyw(s, {kreator::MetodaRozplywu::GaussSeidel, false});
    const auto nr = kreator::ObliczRozplyw(s, {kreator::MetodaRozplywu::NewtonRaphson, false});
    ASSERT_TRUE(gs.zbiezny) << gs.blad;
    ASSERT_TRUE(nr.zbiezny) << nr.blad;
    for (int n = 1; n <= s.N; ++n) {
      EXPECT_NEAR(std::abs(nr.U(n) - gs.U(n)) * gs.baza.NapiecieBazowe, 0.0, 1e-8) << "węzeł " << n;
      EXPECT_NEAR(nr.QMvar(n), gs.QMvar(n), 1e-5) << "węzeł " << n;  // as the node powers follow
    }
  }
}

// At the epsilon the exercise prescribes, the answer key is balanced: every
// node but the slack takes or delivers what the data say, within
// epsilon · 100 = 0,01 MW and Mvar (at generator nodes only P is given).
TEST_P(Przyklady, PrzyWlasnymEpsilonMoceSaZgodneZDanymi) {
  const Przyklad& p = GetParam();
  const Siec siec = Rozbierz(Czytaj(Plik(p, ".ZRM")));
  const Model m = Zbuduj(siec);
  const Rozplyw wzor = NewtonRaphson(siec, m, p);
  std::ostringstream wyjscie, bledy;
  ASSERT_EQ(kreator::UruchomWsadowo({"--batch", Plik(p, ".ZRM").string(), "--slack", std::to_string(p.bilansujacy),
                                     "--slack-kv", std::to_string(p.napiecieKv), "--epsilon", "0,0001", "--r", p.r,
                                     "--json"},
                                    wyjscie, bledy),
            0)
      << bledy.str();
  const std::string json = wyjscie.str();
  EXPECT_LT(std::stod(json.substr(json.find("\"mismatch_mva\": ") + 16)), 0.01);
  std::vector<bool> generator(size_t(siec.N), false);
  for (const auto& wezel : siec.generatory[0]) generator[size_t(std::stoi(wezel) - 1)] = true;
  for (int n = 1; n <= siec.N; ++n) {
    if (n == p.bilansujacy) continue;
    SCOPED_TRACE("węzeł " + std::to_string(n));
    EXPECT_NEAR(ZJson(json, n, "p_mw"), -wzor.S[size_t(n - 1)].real() * 100, 0.01);
    if (!generator[size_t(n - 1)]) {
      EXPECT_NEAR(ZJson(json, n, "q_mvar"), -wzor.S[size_t(n - 1)].imag() * 100, 0.01);
    }
  }
}

// The exercises are meant to be realistic: every node voltage within
// 0,9..1,1 of its rated level, by the independent solution.
TEST_P(Przyklady, NapieciaWGranicach) {
  const Przyklad& p = GetParam();
  const Siec siec = Rozbierz(Czytaj(Plik(p, ".ZRM")));
  const Model m = Zbuduj(siec);
  const Rozplyw wzor = NewtonRaphson(siec, m, p);
  for (size_t k = 0; k < wzor.U.size(); ++k) {
    const double u = std::abs(wzor.U[k]) * m.Ub / m.znamionowe[k];
    EXPECT_GE(u, 0.9) << "węzeł " << k + 1;
    EXPECT_LE(u, 1.1) << "węzeł " << k + 1;
  }
}

INSTANTIATE_TEST_SUITE_P(Zadania, Przyklady, ::testing::ValuesIn(kPrzyklady),
                         [](const auto& info) { return std::string(info.param.nazwa); });

}  // namespace
