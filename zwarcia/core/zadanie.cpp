#include "zwarcia/core/zadanie.h"

#include "common/core/cp1250.h"
#include "common/core/zapis.h"

namespace zwarcia {

RodzajZadania Rozpoznaj(const std::string& argument) {
  if (argument.empty() || !common::JestPlikiem(argument)) return RodzajZadania::Zaden;
  const std::string r = common::RozszerzenieDuze(argument);
  if (r == ".ZRZ") return RodzajZadania::Dane;
  if (r == ".SRZ") return RodzajZadania::BezDanych;
  return RodzajZadania::Zaden;
}

std::optional<std::string> PierwszaLiniaZadania(const std::string& argument) {
  const auto srz = PlikTowarzyszacy(argument, ".SRZ");
  if (!srz) return std::nullopt;
  std::string bajty, blad;
  if (!common::CzytajPlik(*srz, bajty, blad)) return std::nullopt;
  return common::Cp1250DoUtf8(bajty.substr(0, bajty.find_first_of("\r\n")));
}

}  // namespace zwarcia
