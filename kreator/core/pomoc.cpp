#include "kreator/core/pomoc.h"

#include <map>

#include "common/core/pomoc.h"

#include "kreator/core/kreator.h"
#include "kreator/core/tabele.h"

namespace kreator {

const std::vector<std::string>& StronyPomocy() { return common::StronyPomocy(); }

std::string PomocStrony(int krok) { return common::PomocStrony(krok, kOstatniaStrona); }

std::string PomocTabeli(const std::string& tytul) {
  static const std::map<std::string, std::string> kotwice = {
      {kTytulLinii, "linie"},     {kTytulTrafo, "trafo"}, {kTytulMacierzy, "macierz"},
      {kTytulNapiec, "napiecia"}, {kTytulMocy, "moce"},   {kTytulPrzeplywow, "przeplywy"}};
  const auto it = kotwice.find(tytul);
  return it == kotwice.end() ? "tabele.html" : "tabele.html#" + it->second;
}

}  // namespace kreator
