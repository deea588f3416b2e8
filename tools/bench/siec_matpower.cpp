// Writes a synthetic national grid of about N buses as a MATPOWER case
// (siec_krajowa.h): a test network of a real grid's size and shape for the
// MATPOWER tools and the benchmarks. The same seed gives the same file.
//   siec_matpower N PLIK.m [--ziarno S]
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "tools/bench/siec_krajowa.h"

namespace {

const char* kUzycie = "Użycie: siec_matpower N PLIK.m [--ziarno S]; N od ";

// MATLAB's function name from the file name: letters, digits and "_",
// starting with a letter.
std::string NazwaFunkcji(const std::string& plik) {
  std::string n;
  for (char c : std::filesystem::path(plik).stem().string()) n += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  if (n.empty() || !std::isalpha(static_cast<unsigned char>(n[0]))) n = "case_" + n;
  return n;
}

// A whole number written plainly, nothing after it.
bool Calkowita(const std::string& tekst, long long& wynik) {
  try {
    size_t koniec = 0;
    wynik = std::stoll(tekst, &koniec);
    return koniec == tekst.size() && std::isdigit(static_cast<unsigned char>(tekst[0]));
  } catch (const std::exception&) { return false; }
}

}  // namespace

int main(int argc, char** argv) {
  long long n = 0, ziarno = 1;
  const bool dobre = (argc == 3 || (argc == 5 && std::string(argv[3]) == "--ziarno" && Calkowita(argv[4], ziarno))) &&
                     Calkowita(argv[1], n) && n >= bench::kNajmniejSzyn && n <= bench::kNajwiecejSzyn;
  if (!dobre) {
    std::cerr << kUzycie << bench::kNajmniejSzyn << " do " << bench::kNajwiecejSzyn
              << ", S (ziarno losowania, domyślnie 1) liczba całkowita nieujemna\n";
    return 2;
  }
  const bench::SiecKrajowa s = bench::ZbudujSiecKrajowa(static_cast<int>(n), static_cast<std::uint64_t>(ziarno));
  std::ofstream plik(argv[2], std::ios::binary);
  plik << bench::TekstMatpower(s, NazwaFunkcji(argv[2]));
  plik.close();
  if (!plik) {
    std::cerr << "Nie udało się zapisać pliku " << argv[2] << "\n";
    return 1;
  }
  int przesuwniki = 0;
  for (const auto& t : s.trafa) przesuwniki += t.kat != 0;
  std::cout << "Zapisano " << argv[2] << ": " << s.szyny.size() << " szyn, " << s.generatory.size() << " generatorów, "
            << s.linie.size() + s.trafa.size() << " gałęzi (" << s.linie.size() << " linii, " << s.trafa.size()
            << " transformatorów, w tym " << przesuwniki << " z przesunięciem fazowym); węzeł "
            << "bilansujący " << s.bilansujacy << "\n";
  return 0;
}
