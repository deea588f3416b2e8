#include "zwarcia/core/pomoc.h"

#include <map>

#include "zwarcia/core/kreator.h"
#include "zwarcia/core/tabele.h"

namespace zwarcia {

const std::vector<std::string>& StronyPomocy() {
  static const std::vector<std::string> strony = {"index.html", "uzycie.html", "tabele.html", "wyniki.html",
                                                  "model.html", "przyklad.html", "pliki.html"};
  return strony;
}

std::string PomocStrony(int krok) {
  if (krok < 0 || krok > kOstatniaStrona) return kPomocSpisTresci;
  return "uzycie.html#strona-" + std::to_string(krok);
}

std::string PomocTabeli(const std::string& tytul) {
  static const std::map<std::string, std::string> kotwice = {
      {kTytulSystemow, "systemy"}, {kTytulGeneratorow, "generatory"}, {kTytulTrafo, "trafo"},
      {kTytulLinii, "linie"},      {kTytulYg, "yg"},                  {kTytulStrukturalnej, "a"},
      {kTytulYw, "yw"},            {kTytulPradow, "prady"}};
  const auto it = kotwice.find(tytul);
  return it == kotwice.end() ? "tabele.html" : "tabele.html#" + it->second;
}

}  // namespace zwarcia
