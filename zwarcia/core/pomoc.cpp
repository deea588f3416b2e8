#include "zwarcia/core/pomoc.h"

#include <map>

#include "common/core/pomoc.h"

#include "zwarcia/core/kreator.h"
#include "zwarcia/core/tabele.h"

namespace zwarcia {

const std::vector<std::string>& StronyPomocy() { return common::StronyPomocy(); }

std::string PomocStrony(int krok) { return common::PomocStrony(krok, kOstatniaStrona); }

std::string PomocTabeli(const std::string& tytul) {
  static const std::map<std::string, std::string> kotwice = {
      {kTytulSystemow, "systemy"}, {kTytulGeneratorow, "generatory"}, {kTytulTrafo, "trafo"},
      {kTytulLinii, "linie"},      {kTytulYg, "yg"},                  {kTytulStrukturalnej, "a"},
      {kTytulYw, "yw"},            {kTytulPradow, "prady"}};
  const auto it = kotwice.find(tytul);
  return it == kotwice.end() ? "tabele.html" : "tabele.html#" + it->second;
}

}  // namespace zwarcia
