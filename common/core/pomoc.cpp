#include "common/core/pomoc.h"

namespace common {

const std::vector<std::string>& StronyPomocy() {
  static const std::vector<std::string> strony = {"index.html", "uzycie.html", "tabele.html", "wyniki.html",
                                                  "model.html", "przyklad.html", "pliki.html"};
  return strony;
}

std::string PomocStrony(int krok, int ostatnia) {
  if (krok < 0 || krok > ostatnia) return "index.html";
  return "uzycie.html#strona-" + std::to_string(krok);
}

}  // namespace common
