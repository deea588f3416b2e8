#include "common/core/cp1250.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace common {
namespace {

// How many bytes of `t` make the one UTF-8 character at its start: the
// lead byte and the continuation bytes that follow it, at least 1.
size_t DlugoscZnaku(const char* t, size_t zostalo) {
  auto c = static_cast<unsigned char>(t[0]);
  size_t dlugosc = c >= 0xF0 && c < 0xF8 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
  size_t i = 1;
  while (i < dlugosc && i < zostalo && (static_cast<unsigned char>(t[i]) & 0xC0) == 0x80) ++i;
  return i;
}

// The conversion descriptor, closed however the conversion ends (a
// growing result may throw std::bad_alloc).
class Konwerter {
 public:
  Konwerter(const char* do_, const char* z) : cd_(iconv_open(do_, z)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv: brak przekodowania");
  }
  ~Konwerter() { iconv_close(cd_); }
  Konwerter(const Konwerter&) = delete;
  Konwerter& operator=(const Konwerter&) = delete;
  operator iconv_t() const { return cd_; }

 private:
  iconv_t cd_;
};

std::string Przekoduj(std::string_view tekst, const char* do_, const char* z, bool zUtf8) {
  const Konwerter cd(do_, z);
  std::string wynik;
  char bufor[256];
  char* we = const_cast<char*>(tekst.data());
  size_t zostalo = tekst.size();
  while (zostalo > 0) {
    char* wy = bufor;
    size_t miejsce = sizeof bufor;
    size_t r = iconv(cd, &we, &zostalo, &wy, &miejsce);
    wynik.append(bufor, static_cast<size_t>(wy - bufor));
    if (r == static_cast<size_t>(-1) && errno != E2BIG) {
      // An unconvertible or broken character: write '?' and go past it.
      size_t krok = zUtf8 ? DlugoscZnaku(we, zostalo) : 1;
      we += krok;
      zostalo -= krok;
      wynik += '?';
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
  }
  return wynik;
}

}  // namespace

std::string Utf8DoCp1250(std::string_view utf8) { return Przekoduj(utf8, "CP1250", "UTF-8", true); }

std::string Cp1250DoUtf8(std::string_view cp1250) { return Przekoduj(cp1250, "UTF-8", "CP1250", false); }

}  // namespace common
