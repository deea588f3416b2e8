// Writes the seed corpora: `fuzz_ziarna EXAMPLES OUT` fills OUT/<target>/
// from the exercises in EXAMPLES (kreator/*.ZRM with the values of their
// .uklad sources, zwarcia/*.ZRZ when there are any) and from a few small
// ".ZRZ" cases made by ZbudujZrz, so the short-circuit targets have seeds
// even without exercises.
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "common/core/pliki.h"
#include "kreator/core/plik_zrm.h"
#include "wejscie.h"
#include "zwarcia/core/plik_zrz.h"

namespace fs = std::filesystem;

namespace {

fs::path wyjscie;

void Zapisz(const std::string& cel, const std::string& nazwa, const std::string& tresc) {
  fs::create_directories(wyjscie / cel);
  std::ofstream(wyjscie / cel / nazwa, std::ios::binary) << tresc;
}

std::string Czytaj(const fs::path& p) {
  std::string bajty, blad;
  common::CzytajPlik(p.string(), bajty, blad);
  return bajty;
}

std::string Opcje(unsigned char flagi, int wezel, int kv, std::size_t a, std::size_t b, std::size_t c) {
  const unsigned char o[fuzz::kBajtyOpcji] = {flagi, static_cast<unsigned char>(wezel), static_cast<unsigned char>(kv >> 8),
                                              static_cast<unsigned char>(kv & 255), static_cast<unsigned char>(a),
                                              static_cast<unsigned char>(b), static_cast<unsigned char>(c), 0};
  return std::string(reinterpret_cast<const char*>(o), sizeof o);
}

// "bilansujacy N U", "epsilon E" and "r R" of an exercise source, by the
// name of the file it makes ("wyjscie ZAD1").
struct Wartosci {
  int wezel = 1, kv = 110;
  std::string epsilon = "0.0001", r = "1.5";
};
Wartosci ZUkladu(const fs::path& folder, const std::string& baza) {
  Wartosci w;
  for (const auto& e : fs::directory_iterator(folder)) {
    if (e.path().extension() != ".uklad") continue;
    std::ifstream f(e.path());
    std::string l;
    Wartosci z;
    bool ten = false;
    while (std::getline(f, l)) {
      std::istringstream s(l);
      std::string klucz;
      s >> klucz;
      if (klucz == "wyjscie") { std::string n; s >> n; ten = n == baza; }
      else if (klucz == "bilansujacy") s >> z.wezel >> z.kv;
      else if (klucz == "epsilon") s >> z.epsilon;
      else if (klucz == "r") s >> z.r;
    }
    if (ten) w = z;
  }
  for (std::string* t : {&w.epsilon, &w.r})
    for (char& c : *t)
      if (c == ',') c = '.';
  return w;
}

// Small cases the computation accepts; the fault is at the last node.
const std::vector<std::vector<std::string>> kMaleZrz = {
    // S1 at 1, G1 at 4 behind T1 3-4, a ring of lines 1-2-3.
    {"4", "1", "1;", "3000;", "1", "4;", "120;", "18;", "1;", "1", "3;", "4;", "125;", "400;", "10,5;", "1;",
     "3", "1;2;1;", "2;3;3;", "110;110;110;", "0,12;0,12;0,12;", "0,4;0,4;0,4;", "30;20;40;", "1;1;2;"},
    // S1 at 1, G1 at 2, T1 1-2, node 3 fed by two lines.
    {"3", "1", "1;", "2500;", "1", "2;", "100;", "20;", "1;", "1", "1;", "2;", "100;", "300;", "10;", "1;",
     "2", "1;3;", "3;2;", "110;110;", "0,12;0,12;", "0,4;0,4;", "25;25;", "2;2;"},
    // S1 at 1, G1 at 3 behind two units of T1 2-3, line L1 1-2.
    {"3", "1", "1;", "5000;", "1", "3;", "50;", "15;", "1;", "1", "2;", "3;", "40;", "150;", "11;", "2;",
     "1", "1;", "2;", "220;", "0,06;", "0,4;", "80;", "1;"},
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "użycie: fuzz_ziarna PRZYKLADY WYJSCIE\n";
    return 2;
  }
  const fs::path przyklady = argv[1];
  wyjscie = argv[2];

  std::vector<std::string> zrz;
  for (const auto& w : kMaleZrz) zrz.push_back(zwarcia::ZbudujZrz(w));
  if (fs::is_directory(przyklady / "zwarcia"))
    for (const auto& e : fs::directory_iterator(przyklady / "zwarcia"))
      if (e.path().extension() == ".ZRZ") zrz.push_back(Czytaj(e.path()));
  for (std::size_t i = 0; i < zrz.size(); ++i) {
    const std::string nr = std::to_string(i + 1);
    Zapisz("fuzz_zrz", "zrz" + nr, zrz[i]);
    const int wezel = std::atoi(zwarcia::PodzielNaWiersze(zrz[i]).at(2).c_str());  // the last node
    Zapisz("fuzz_zwarcia_wsadowy", "zrz" + nr, Opcje(0, wezel, 110, 0, 0, 0) + zrz[i]);
    Zapisz("fuzz_zwarcia_wsadowy", "zrz" + nr + "_json_kappa_m",
           Opcje(fuzz::kJson | fuzz::kKappa | fuzz::kM, wezel, 110, 0, 0, 1) + zrz[i]);
  }

  if (fs::is_directory(przyklady / "kreator"))
    for (const auto& e : fs::directory_iterator(przyklady / "kreator")) {
      if (e.path().extension() != ".ZRM") continue;
      const std::string zrm = Czytaj(e.path());
      const std::string baza = e.path().stem().string();
      const Wartosci w = ZUkladu(przyklady / "kreator", baza);
      const std::size_t eps = fuzz::Indeks(fuzz::kEpsilon, w.epsilon), r = fuzz::Indeks(fuzz::kR, w.r);
      Zapisz("fuzz_zrm", baza, zrm);
      Zapisz("fuzz_kreator_wsadowy", baza, Opcje(0, w.wezel, w.kv, eps, r, 0) + zrm);
      Zapisz("fuzz_kreator_wsadowy", baza + "_json", Opcje(fuzz::kJson, w.wezel, w.kv, eps, r, 0) + zrm);
    }

  // Texts in and around the Polish number form, and doubles (their eight
  // bytes first) with a pattern after them.
  const std::vector<std::string> teksty = {"1,5E3", " -2 ", "0,0001", "2147483647", "-2147483648", "2,0", "+7",
                                           "1E", ",5", "%4.3f ", "%-8s|%+05d", "%%%e"};
  for (std::size_t i = 0; i < teksty.size(); ++i) Zapisz("fuzz_liczby", "t" + std::to_string(i), teksty[i]);
  const std::vector<std::pair<double, std::string>> wartosci = {
      {4.5375, "0.000"}, {-0.00004, " 0.0000"}, {2.675, "#0.00 kV"}, {1e20, "0"}, {-123456.789, "00000.0"}};
  for (std::size_t i = 0; i < wartosci.size(); ++i) {
    char b[sizeof(double)];
    std::memcpy(b, &wartosci[i].first, sizeof b);
    Zapisz("fuzz_liczby", "x" + std::to_string(i), std::string(b, sizeof b) + wartosci[i].second);
  }
  return 0;
}
