// The ".ZRZ" loader on any bytes, then the same tables with valid integrity
// lines through the wizard's replay, loaded over a case that already holds
// another file: a refused file leaves the fresh-start state behind.
#include <cstdint>
#include <string_view>

#include "common/core/dialogi.h"
#include "wejscie.h"
#include "zwarcia/core/kreator.h"
#include "zwarcia/core/plik_zrz.h"

namespace {

void Sprawdz(bool warunek) {
  if (!warunek) __builtin_trap();
}

bool Odrzucony(const zwarcia::Przypadek& p) {
  return p.Krok == 0 && p.LiczbaWezlow == -1 && p.LiczbaWezlowSystemow == -1 && p.LiczbaWezlowGeneratorow == -1 &&
         p.LiczbaTransformatorow == -1 && p.LiczbaLinii == -1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t n) {
  const std::string_view bajty(reinterpret_cast<const char*>(dane), n);
  {
    zwarcia::Przypadek p;
    if (!zwarcia::WczytajZrz(bajty, p)) Sprawdz(Odrzucony(p));
  }
  const std::string naprawiony = zwarcia::ZbudujZrz(fuzz::WierszeOd(zwarcia::PodzielNaWiersze(bajty), 2));
  zwarcia::Przypadek p;
  common::RecordingDialogService dialogi;
  zwarcia::Kreator k(p, dialogi);
  k.WczytajPlikZrz(naprawiony);
  k.WczytajPlikZrz(bajty);
  if (!zwarcia::WczytajZrz(bajty, p)) Sprawdz(Odrzucony(p));
  return 0;
}
