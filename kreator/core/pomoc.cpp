#include "kreator/core/pomoc.h"

#include <map>

#include "kreator/core/kreator.h"
#include "kreator/core/tabele.h"

namespace kreator {

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
      {kTytulLinii, "linie"},     {kTytulTrafo, "trafo"}, {kTytulMacierzy, "macierz"},
      {kTytulNapiec, "napiecia"}, {kTytulMocy, "moce"},   {kTytulPrzeplywow, "przeplywy"}};
  const auto it = kotwice.find(tytul);
  return it == kotwice.end() ? "tabele.html" : "tabele.html#" + it->second;
}

}  // namespace kreator
