// What the fuzz targets share: a batch input is a few option bytes followed
// by the exercise file, so that one input decides both the command line and
// the data the computation runs on. The seed generator writes inputs in the
// same layout.
#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace fuzz {

// Byte 0 holds the flags below, bytes 1.. the option values.
inline constexpr std::size_t kBajtyOpcji = 8;
inline constexpr unsigned char kJson = 1;         // --json
inline constexpr unsigned char kPlikSurowy = 2;   // the file as given, integrity lines included
inline constexpr unsigned char kBezWezla = 4;     // kreator: no --slack
inline constexpr unsigned char kKappa = 4;        // zwarcia: --kappa
inline constexpr unsigned char kM = 8;            // zwarcia: --m (with --kappa)

// Values offered to the options, valid ones first; a byte picks one
// (modulo the count). The odd ones check the refusals of the pages.
inline const std::vector<std::string> kEpsilon = {"0.0001", "0,001", "1e-6", "0.5", "0.9999", "1E-12", "0", "1", "-0.1", "x"};
inline const std::vector<std::string> kR = {"1.5", "1,2", "1.01", "1.99", "1.9999", "2", "1", "0,5", "abc"};
inline const std::vector<std::string> kCzas = {"0.1", "0,01", "1", "0.5", "0.25", "0.001", "2", "-1"};
inline const std::vector<std::string> kKappaW = {"1.8", "1,0", "2", "1.02", "2.5", "0.9", "k"};
inline const std::vector<std::string> kMW = {"0", "0.5", "2", "1,1", "3", "-0.1"};

inline const std::string& Wybierz(const std::vector<std::string>& t, unsigned char b) { return t[b % t.size()]; }
inline std::size_t Indeks(const std::vector<std::string>& t, const std::string& w) {
  for (std::size_t i = 0; i < t.size(); ++i)
    if (t[i] == w) return i;
  return 0;
}

// A voltage in kV from two bytes: 0..1099, so that 0 and values above 999
// are refused as the page would.
inline int Napiecie(unsigned char hi, unsigned char lo) { return ((hi << 8) | lo) % 1100; }

struct Wejscie {
  unsigned char opcje[kBajtyOpcji] = {};
  std::string_view plik;
};

inline Wejscie Podziel(const std::uint8_t* dane, std::size_t n) {
  Wejscie w;
  const std::size_t k = n < kBajtyOpcji ? n : kBajtyOpcji;
  for (std::size_t i = 0; i < k; ++i) w.opcje[i] = dane[i];
  w.plik = std::string_view(reinterpret_cast<const char*>(dane) + k, n - k);
  return w;
}

// The lines of a file without its first `pominiete`: what the file builders
// take, so that a mutated table still passes the integrity lines.
inline std::vector<std::string> WierszeOd(std::vector<std::string> wiersze, std::size_t pominiete) {
  wiersze.erase(wiersze.begin(), wiersze.begin() + static_cast<std::ptrdiff_t>(std::min(pominiete, wiersze.size())));
  return wiersze;
}

// Writes the bytes to `nazwa` in a folder of this process under the temp
// directory (scripts/fuzz points TMPDIR at /dev/shm) and returns its path;
// the batch mode reads its exercise by name.
inline std::string ZapiszTymczasowy(std::string_view bajty, const std::string& nazwa) {
  // Removed again when the fuzzer exits normally.
  static const struct Folder {
    std::filesystem::path sciezka =
        std::filesystem::temp_directory_path() / ("fuzz-" + std::to_string(::getpid()));
    Folder() { std::filesystem::create_directories(sciezka); }
    ~Folder() {
      std::error_code ec;
      std::filesystem::remove_all(sciezka, ec);
    }
  } folder;
  const std::string sciezka = (folder.sciezka / nazwa).string();
  std::ofstream(sciezka, std::ios::binary | std::ios::trunc).write(bajty.data(), static_cast<std::streamsize>(bajty.size()));
  return sciezka;
}

// With FUZZ_POKAZ set (running one saved input by hand), prints what the
// batch mode was asked and what it answered.
inline void Pokaz(const std::vector<std::string>& argumenty, int kod, const std::string& wyjscie,
                  const std::string& bledy) {
  if (!std::getenv("FUZZ_POKAZ")) return;
  for (const auto& a : argumenty) std::cerr << a << ' ';
  std::cerr << "\nkod " << kod << "\n" << wyjscie << bledy;
}

}  // namespace fuzz
