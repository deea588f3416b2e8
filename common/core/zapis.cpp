#include "common/core/zapis.h"

#include <cerrno>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "common/core/cp1250.h"

namespace common {

namespace {

// Writes to a temporary file beside the target and renames it over the
// target only when every byte is on disk.
int ZapiszBezpiecznie(const std::string& sciezka, const std::string& bajty) {
  const std::string tymczasowy = sciezka + ".~zapis";
  errno = 0;
  std::FILE* plik = std::fopen(tymczasowy.c_str(), "wb");
  if (!plik) return errno ? errno : EIO;
  bool dobrze = std::fwrite(bajty.data(), 1, bajty.size(), plik) == bajty.size();
  dobrze = std::fflush(plik) == 0 && dobrze;
  int blad = dobrze ? 0 : (errno ? errno : EIO);
  if (std::fclose(plik) != 0 && blad == 0) blad = errno ? errno : EIO;
  if (blad == 0) {
    std::error_code ec;
    std::filesystem::rename(tymczasowy, sciezka, ec);
    if (ec) blad = ec.value();
  }
  if (blad != 0) std::remove(tymczasowy.c_str());
  return blad;
}

}  // namespace

int ZapiszTekstCp1250(const std::string& sciezka, const std::vector<std::string>& wiersze) {
  std::string bajty;
  for (const std::string& w : wiersze) bajty += Utf8DoCp1250(w) + "\r\n";
  return ZapiszBezpiecznie(sciezka, bajty);
}

int ZapiszBajty(const std::string& sciezka, const std::string& bajty) { return ZapiszBezpiecznie(sciezka, bajty); }

int KopiujPlik(const std::string& zrodlo, const std::string& cel) {
  std::ifstream we(zrodlo, std::ios::binary);
  if (!we) return errno ? errno : ENOENT;
  std::string bajty((std::istreambuf_iterator<char>(we)), std::istreambuf_iterator<char>());
  if (we.bad()) return EIO;
  return ZapiszBezpiecznie(cel, bajty);
}

std::string RozszerzenieDuze(const std::string& sciezka) {
  const std::filesystem::path p(sciezka);
  std::string r = p.filename().extension().string();
  for (char& c : r) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return r;
}

}  // namespace common
