#include "common/core/powloka.h"

namespace common {

bool PotwierdzZamkniecie(DialogService& dialogi) {
  return dialogi.askYesNo("Koniec", "Czy na pewno chcesz zakończyć działanie programu ???");
}

}  // namespace common
