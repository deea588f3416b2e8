#include "kreator/core/zadanie.h"

#include "common/core/zapis.h"

namespace kreator {

RodzajZadania Rozpoznaj(const std::string& argument) {
  if (argument.empty() || !common::JestPlikiem(argument)) return RodzajZadania::Zaden;
  const std::string r = common::RozszerzenieDuze(argument);
  if (r == ".ZRM") return RodzajZadania::Dane;
  if (r == ".SRM") return RodzajZadania::BezDanych;
  return RodzajZadania::Zaden;
}

}  // namespace kreator
