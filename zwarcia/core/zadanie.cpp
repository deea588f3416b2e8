#include "zwarcia/core/zadanie.h"

#include "common/core/zapis.h"

namespace zwarcia {

RodzajZadania Rozpoznaj(const std::string& argument) {
  if (argument.empty() || !common::JestPlikiem(argument)) return RodzajZadania::Zaden;
  const std::string r = common::RozszerzenieDuze(argument);
  if (r == ".ZRZ") return RodzajZadania::Dane;
  if (r == ".SRZ") return RodzajZadania::BezDanych;
  return RodzajZadania::Zaden;
}

}  // namespace zwarcia
