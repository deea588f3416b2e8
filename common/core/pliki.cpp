#include "common/core/pliki.h"

#include <cctype>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/core/bledy_systemu.h"
#include "common/core/cp1250.h"
#include "common/core/limity.h"

namespace common {

namespace fs = std::filesystem;

namespace {

bool JestPlikiemP(const fs::path& p) {
  std::error_code ec;
  return fs::is_regular_file(p, ec);
}

std::string Duze(std::string t) {
  for (char& c : t) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return t;
}

}  // namespace

bool JestPlikiem(const std::string& sciezka) { return JestPlikiemP(sciezka); }

std::string NazwaTowarzyszaca(const std::string& argument, const std::string& rozszerzenie) {
  return argument.size() < 4 ? argument : argument.substr(0, argument.size() - 4) + rozszerzenie;
}

std::optional<std::string> PlikTowarzyszacy(const std::string& argument, const std::string& rozszerzenie) {
  if (argument.size() < 4 || !JestPlikiemP(argument)) return std::nullopt;
  const fs::path nazwa = NazwaTowarzyszaca(argument, rozszerzenie);
  if (JestPlikiemP(nazwa)) return nazwa.string();
  // The name in capital letters, as the exercises are written.
  const fs::path wielkimi = nazwa.parent_path() / Duze(nazwa.filename().string());
  if (JestPlikiemP(wielkimi)) return wielkimi.string();
  // On a file system that tells letter cases apart: the one file whose
  // name matches ignoring case.
  const fs::path folder = nazwa.has_parent_path() ? nazwa.parent_path() : fs::path(".");
  const std::string szukana = Duze(nazwa.filename().string());
  std::optional<std::string> znaleziona;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), koniec; !ec && it != koniec; it.increment(ec)) {
    if (Duze(it->path().filename().string()) != szukana || !JestPlikiemP(it->path())) continue;
    if (znaleziona) return std::nullopt;  // two candidates: neither is taken
    znaleziona = (nazwa.has_parent_path() ? folder / it->path().filename() : it->path().filename()).string();
  }
  return znaleziona;
}

bool CzytajPlik(const std::string& sciezka, std::string& bajty, std::string& blad) {
  std::error_code ec;
  const auto rozmiar = fs::file_size(sciezka, ec);
  if (!ec && rozmiar > static_cast<std::uintmax_t>(kMaksRozmiarPliku)) {
    blad = "Plik \"" + sciezka + "\" jest za duży na plik zadania (ponad " +
           std::to_string(kMaksRozmiarPliku >> 20) + " MB).";
    return false;
  }
  errno = 0;
  std::ifstream plik(sciezka, std::ios::binary);
  if (!plik) {
    blad = "Nie można odczytać pliku \"" + sciezka + "\": " + OpisBleduPliku(errno ? errno : ENOENT) + ".";
    return false;
  }
  std::ostringstream s;
  s << plik.rdbuf();
  if (plik.bad()) {
    blad = "Nie można odczytać pliku \"" + sciezka + "\".";
    return false;
  }
  bajty = s.str();
  return true;
}

std::optional<std::string> TrescZadania(const std::string& argument, const std::string& rozszerzenie,
                                        std::string& blad) {
  const auto plik = PlikTowarzyszacy(argument, rozszerzenie);
  if (!plik) {
    blad = "Nie znaleziono pliku z treścią zadania \"" + NazwaTowarzyszaca(argument, rozszerzenie) + "\" !!!";
    return std::nullopt;
  }
  std::string bajty;
  if (!CzytajPlik(*plik, bajty, blad)) return std::nullopt;
  // CR LF and a lone CR alike end a line.
  std::string tekst;
  tekst.reserve(bajty.size());
  for (size_t i = 0; i < bajty.size(); ++i) {
    if (bajty[i] != '\r') tekst += bajty[i];
    else if (i + 1 == bajty.size() || bajty[i + 1] != '\n') tekst += '\n';
  }
  return Cp1250DoUtf8(tekst);
}

}  // namespace common
