// The ".ZRM" loader on any bytes, then the same tables with valid integrity
// lines through the wizard's replay, loaded over a case that already holds
// another file: a refused file leaves the fresh-start state behind.
#include <cstdint>
#include <string_view>

#include "common/core/dialogi.h"
#include "kreator/core/kreator.h"
#include "kreator/core/plik_zrm.h"
#include "wejscie.h"

namespace {

void Sprawdz(bool warunek) {
  if (!warunek) __builtin_trap();
}

bool Odrzucony(const kreator::Przypadek& p) {
  return p.Krok == 0 && p.LiczbaWezlow == -1 && p.LiczbaLinii == -1 && p.LiczbaTransformatorow == -1 &&
         p.LiczbaWezlowElektrownianych == -1 && p.LiczbaWezlowObciazeniowych == -1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t n) {
  const std::string_view bajty(reinterpret_cast<const char*>(dane), n);
  {
    kreator::Przypadek p;
    if (!kreator::WczytajZrm(bajty, p)) Sprawdz(Odrzucony(p));
  }
  const std::string naprawiony = kreator::ZbudujZrm(fuzz::WierszeOd(kreator::PodzielNaWiersze(bajty), 2));
  kreator::Przypadek p;
  common::RecordingDialogService dialogi;
  kreator::Kreator k(p, dialogi);
  k.WczytajPlikZrm(naprawiony);
  k.WczytajPlikZrm(bajty);
  if (!kreator::WczytajZrm(bajty, p)) Sprawdz(Odrzucony(p));
  return 0;
}
