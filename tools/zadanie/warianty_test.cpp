// Variants of an exercise and their answer key: the values drawn within
// the spread and rounded as the teacher wrote them, the same set from the
// same seed, the key equal to what the batch mode prints, and a set that
// cannot be drawn refused with its reason.
#include "tools/zadanie/warianty.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

#include "common/core/liczby.h"
#include "kreator/core/wsadowy.h"
#include "tools/zadanie/klucz.h"

using namespace zadanie;
namespace fs = std::filesystem;

namespace {

// Three nodes on two 110 kV lines: node 1 the slack, node 3 a generator
// of 20 MW, node 2 a load of 40,5 MW and 15 Mvar.
const std::vector<std::string> kRozplyw = {
    "3", "2", "0", "1;2;", "2;3;", "110;110;", "0,12;0,12;", "0,4;0,4;", "2,8;2,8;", "30;20;", "1;1;",
    "",  "",  "",  "",     "",     "",         "",           "",         "",         // no transformers
    "2", "1;3;", "115;112;", "0;20;", "1", "2;", "40,5;", "15;"};
const std::string kOpisRozplywu =
    "dane a.dane\nwyjscie ZAD\nwezel 1 100 100\nwezel 2 200 100\nwezel 3 300 100\nzadanie Oblicz.\n"
    "epsilon 0,0001\nr 1,5\n";

// A system of Sz = 2000 MVA at node 1, a 20 km line to node 2, where the
// fault is, a 50 MVA generator with X″d = 12 % at node 2, and a
// transformer from node 2 down to node 3, where nothing feeds the fault.
const std::vector<std::string> kZwarcie = {"3",  "1", "1;", "2000;", "1",   "2;",    "50;",   "12;",
                                           "1;", "1", "2;", "3;",    "63;", "250;",  "10,5;", "1;",
                                           "1",  "1;", "2;", "110;", "0,12;", "0,4;", "20;",  "1;"};
const std::string kOpisZwarcia =
    "rodzaj zwarcia\ndane a.dane\nwyjscie ZAD\nwezel 1 100 100\nwezel 2 300 100\nwezel 3 300 300\nzadanie Oblicz zwarcie.\n"
    "zwarcie 2 110 0,5\n";

std::vector<std::string> Pola(const std::string& s, char sep) {
  std::vector<std::string> w;
  std::string biezace;
  std::istringstream in(s);
  while (std::getline(in, biezace, sep)) w.push_back(biezace);
  return w;
}

int Miejsca(const std::string& liczba) {
  const size_t p = liczba.find(',');
  return p == std::string::npos ? 0 : int(liczba.size() - p - 1);
}

TEST(Warianty, PrzeskalujZaokraglaDoMiejscDanychINieWychodziPozaRozrzut) {
  struct Przyklad {
    std::string wartosc;
    double czynnik, rozrzut;
    std::string wynik;
  };
  const Przyklad przyklady[] = {
      {"12", 0.8, 20, "10"},              // 9,6 -> 10
      {"0,60", 0.9, 20, "0,54"},          // two decimals written, two kept
      {"0,6", 1.15, 20, "0,7"},           // 0,69 -> 0,7
      {"2,345", 0.97, 5, "2,275"},        // 2,27465 -> 2,275
      {"10", 0.75, 30, "8"},              // 7,5: halves away from zero
      {"-10", 0.75, 30, "-8"},            // -7,5 -> -8
      {"150", 1.2, 20, "180"},            // the edge itself is allowed
      {"5", 1.1, 10, "5"},                // 5,5 would round to 6, +20 %: one unit back
      {"1,5E3", 1.0134, 20, "1520"},      // 1500 · 1,0134 = 1520,1, the exponent written out
      {"0", 1.17, 20, "0"},
  };
  for (const auto& p : przyklady) {
    SCOPED_TRACE(p.wartosc);
    EXPECT_EQ(Przeskaluj(p.wartosc, p.czynnik, p.rozrzut), p.wynik);
  }
}

TEST(Warianty, CzynnikiZGeneratoraOpisanegoWNormie) {
  // The standard fixes the 10000th output of std::mt19937_64 seeded with
  // 5489: 9981545732273789042. Its top 53 bits over 2^53 are u =
  // 0,54110067838473…, so the factor is 1 + 0,2·(2u − 1) = 1,01644027135…
  // at a 20 % spread.
  Losowanie los(5489);
  for (int i = 1; i < 10000; ++i) los.czynnik(20);
  EXPECT_NEAR(los.czynnik(20), 1.0164402713538931, 1e-15);
}

TEST(Warianty, WartosciWRozrzucieZMiejscamiDanychITeSameZTegoSamegoZiarna) {
  const OpisUkladu opis = CzytajOpis(kOpisRozplywu + "bilansujacy 1 115\n");
  ASSERT_EQ(kRozplyw.size(), 28u);
  const std::vector<ZmiennaWartosc> zmienne = ZmienneWartosci(opis, kRozplyw);
  // Node 3's P, node 2's P and Q; the slack node's P is no datum.
  ASSERT_EQ(zmienne.size(), 3u);
  const auto warianty = LosujWarianty(opis, kRozplyw, {6, 20, 7});
  ASSERT_EQ(warianty.size(), 6u);
  std::set<std::string> rozne;
  for (const Wariant& w : warianty) {
    SCOPED_TRACE(w.numer);
    for (size_t i = 0; i < kRozplyw.size(); ++i) {
      const auto wzor = Pola(kRozplyw[i], ';'), wartosci = Pola(w.wiersze[i], ';');
      ASSERT_EQ(wartosci.size(), wzor.size()) << w.wiersze[i];
      for (size_t k = 0; k < wzor.size(); ++k) {
        const bool zmienna = std::any_of(zmienne.begin(), zmienne.end(),
                                         [&](const ZmiennaWartosc& z) { return z.wiersz == i && z.pozycja == k; });
        if (!zmienna) {
          EXPECT_EQ(wartosci[k], wzor[k]) << "wiersz " << i;
          continue;
        }
        const double b = common::NaLiczbe(wzor[k]), v = common::NaLiczbe(wartosci[k]);
        EXPECT_LE(std::abs(v - b), 0.2 * std::abs(b) + 1e-9) << wartosci[k] << " wobec " << wzor[k];
        EXPECT_EQ(Miejsca(wartosci[k]), Miejsca(wzor[k])) << wartosci[k];
        rozne.insert(std::to_string(i) + ":" + wartosci[k]);
      }
    }
    // The task file carries the variant's own values.
    EXPECT_EQ(w.tekst.back(), "- węzeł 2 (obciążeniowy): P = " + Pola(w.wiersze[26], ';')[0] +
                                  " MW, Q = " + Pola(w.wiersze[27], ';')[0] + " Mvar");
  }
  EXPECT_GT(rozne.size(), 6u) << "warianty się nie różnią";

  const auto znowu = LosujWarianty(opis, kRozplyw, {6, 20, 7});
  const auto inne = LosujWarianty(opis, kRozplyw, {6, 20, 8});
  EXPECT_EQ(KluczCsv(opis, znowu), KluczCsv(opis, warianty));
  EXPECT_NE(KluczCsv(opis, inne), KluczCsv(opis, warianty));
  for (size_t k = 0; k < warianty.size(); ++k) {
    EXPECT_EQ(znowu[k].z.plik, warianty[k].z.plik);
    EXPECT_EQ(znowu[k].tekst, warianty[k].tekst);
  }
  EXPECT_NE(inne[0].z.plik, warianty[0].z.plik);
}

TEST(Warianty, KluczRozplywuToLiczbyTrybuWsadowego) {
  const OpisUkladu opis = CzytajOpis(kOpisRozplywu + "bilansujacy 1 115\n");
  const auto warianty = LosujWarianty(opis, kRozplyw, {2, 20, 11});
  const std::vector<std::string> klucz = Klucz(opis, warianty);
  const fs::path plik = fs::temp_directory_path() / ("kreator_warianty_" + std::to_string(::getpid()) + ".ZRM");
  std::ofstream(plik, std::ios::binary) << warianty[1].z.plik;
  std::ostringstream wyjscie, bledy;
  const int kod = kreator::UruchomWsadowo(
      {"--batch", plik.string(), "--slack", "1", "--slack-kv", "115", "--epsilon", "0,0001", "--r", "1,5"}, wyjscie,
      bledy);
  fs::remove(plik);
  ASSERT_EQ(kod, 0) << bledy.str();

  // The report's node lines: number, U, angle, P, Q; then the losses.
  std::vector<std::vector<std::string>> wezly;
  std::string straty;
  std::istringstream raport(wyjscie.str());
  bool wyniki = false;
  for (std::string l; std::getline(raport, l);) {
    if (l.starts_with("Otrzymane wyniki:")) wyniki = true;
    std::istringstream s(l);
    std::vector<std::string> t{std::istream_iterator<std::string>(s), {}};
    if (wyniki && t.size() == 5 && t[0] == std::to_string(wezly.size() + 1)) wezly.push_back(t);
    if (l.starts_with("Straty mocy: ")) straty = l;
  }
  ASSERT_EQ(wezly.size(), 3u) << wyjscie.str();

  const auto wiersz = [&](const std::string& poczatek) {
    for (const std::string& l : klucz)
      if (l.starts_with(poczatek)) return Pola(l, ';');
    return std::vector<std::string>{};
  };
  for (size_t n = 1; n <= 3; ++n) {
    const auto k = wiersz("02;" + std::to_string(n) + ";");
    ASSERT_EQ(k.size(), 6u);
    EXPECT_EQ(std::vector<std::string>(k.begin() + 1, k.end()), wezly[n - 1]);
  }
  // After the second header: the slack node sends out what its node line shows taken, with the opposite sign.
  const auto it = std::find(klucz.begin(), klucz.end(), "");
  ASSERT_NE(it, klucz.end());
  const auto b = Pola(it[3], ';');
  ASSERT_EQ(b.size(), 6u);
  EXPECT_EQ(b[0] + ";" + b[1], "02;1");
  EXPECT_DOUBLE_EQ(common::NaLiczbe(b[2]), -common::NaLiczbe(wezly[0][3]));
  EXPECT_DOUBLE_EQ(common::NaLiczbe(b[3]), -common::NaLiczbe(wezly[0][4]));
  EXPECT_EQ(straty, "Straty mocy: dP=" + b[4] + " MW, dQ=" + b[5] + " Mvar");
}

TEST(Warianty, KluczZwarciaWedlugWzoru) {
  const OpisUkladu opis = CzytajOpis(kOpisZwarcia);
  const auto warianty = LosujWarianty(opis, kZwarcie, {5, 20, 3});
  const auto klucz = Klucz(opis, warianty);
  ASSERT_EQ(klucz.size(), 6u);
  EXPECT_EQ(klucz[0], "wariant;węzeł zwarcia;Un [kV];I\"k [kA];R/X;κ;ip [kA]");
  for (size_t i = 0; i < warianty.size(); ++i) {
    SCOPED_TRACE(klucz[i + 1]);
    const auto k = Pola(klucz[i + 1], ';');
    ASSERT_EQ(k.size(), 7u);
    // By hand, per unit of 100 MVA and 1,05·110 = 115,5 kV (Zb = 133,4025 Ω,
    // Ib = 100 / (√3·115,5) = 0,499875 kA), the sources at 1,1/1,05: the
    // system j·100/Sz in series with the line (0,12 + j0,4)·l / Zb, in
    // parallel with the generator 0,02 + j0,12·100/50 (R 1 % of its rated
    // impedance). With Sz = 2000 MVA and l = 20 km: 0,017991 + j0,109969
    // against 0,02 + j0,24 give Zk = 0,010424 + j0,075517, so I″k =
    // 1,047619 / |Zk| · 0,499875 = 6,8693 kA, R/X = 0,13804 and
    // κ = 1,02 + 0,98·e^(−0,41412) = 1,6677.
    const double sz = common::NaLiczbe(Pola(warianty[i].wiersze[3], ';')[0]);
    const double l = common::NaLiczbe(Pola(warianty[i].wiersze[22], ';')[0]);
    const double zb = 115.5 * 115.5 / 100;
    const std::complex<double> linia(0.12 * l / zb, 0.4 * l / zb + 100 / sz), generator(0.02, 0.24);
    const std::complex<double> zk = 1.0 / (1.0 / linia + 1.0 / generator);
    const double ik = 1.1 / 1.05 / std::abs(zk) * 100 / (std::sqrt(3.0) * 115.5);
    const double kappa = 1.02 + 0.98 * std::exp(-3 * zk.real() / zk.imag());
    EXPECT_EQ(k[0], warianty[i].numer);
    EXPECT_EQ(k[1] + ";" + k[2], "2;110");
    EXPECT_NEAR(common::NaLiczbe(k[3]), ik, 0.00005 + 1e-9);
    EXPECT_NEAR(common::NaLiczbe(k[4]), zk.real() / zk.imag(), 0.00005 + 1e-9);
    EXPECT_NEAR(common::NaLiczbe(k[5]), kappa, 0.00005 + 1e-9);
    // ip from the two texts, as the results window takes them.
    EXPECT_NEAR(common::NaLiczbe(k[6]), common::NaLiczbe(k[5]) * std::sqrt(2.0) * common::NaLiczbe(k[3]),
                0.00005 + 1e-9);
  }
}

TEST(Warianty, OdmawiaZPowodem) {
  struct Przyklad {
    std::string opis;
    std::vector<std::string> dane;
    std::string fragment;
  };
  const Przyklad przyklady[] = {
      // Without the slack node a variant cannot be computed, so not checked.
      {kOpisRozplywu, kRozplyw, "wymagają w opisie wierszy „bilansujacy”, „epsilon” i „r”"},
      // 125 kV at the slack node of a 110 kV network is above 1,1·110 = 121 kV whatever the loads.
      {kOpisRozplywu + "bilansujacy 1 125\n", kRozplyw,
       "wariantu 01 nie udało się wylosować: żadne ze 100 losowań nie dało zadania, które jest zbieżne i ma "
       "napięcia w przedziale 0,9–1,1 znamionowych (ostatnie odrzucone: w węźle 1 napięcie 125,000 kV leży poza "
       "przedziałem 0,9–1,1 napięcia znamionowego 110 kV)"},
  };
  for (const auto& p : przyklady) {
    SCOPED_TRACE(p.fragment);
    const OpisUkladu opis = CzytajOpis(p.opis);
    // The exercise itself passes: a single one is only warned about its voltages.
    ASSERT_TRUE(Przygotuj(opis, p.dane).dobre());
    try {
      LosujWarianty(opis, p.dane, {3, 20, 1});
      ADD_FAILURE() << "przyjęto";
    } catch (const BladWariantow& b) {
      EXPECT_NE(std::string(b.what()).find(p.fragment), std::string::npos) << b.what();
    }
  }
}

}  // namespace
