// `zwarcia --batch` end to end: the option bytes pick the fault node, its
// voltage, the duration, κ and m and --json; the rest is the ".ZRZ" file,
// by default with its integrity lines rebuilt so that mutated tables reach
// the check and the short-circuit computation (LU inversion of Yw).
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "wejscie.h"
#include "zwarcia/core/plik_zrz.h"
#include "zwarcia/core/wsadowy.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t n) {
  const fuzz::Wejscie w = fuzz::Podziel(dane, n);
  const unsigned char* o = w.opcje;
  const std::string plik = (o[0] & fuzz::kPlikSurowy)
                               ? std::string(w.plik)
                               : zwarcia::ZbudujZrz(fuzz::WierszeOd(zwarcia::PodzielNaWiersze(w.plik), 2));
  std::vector<std::string> a = {"--batch", fuzz::ZapiszTymczasowy(plik, "zadanie.ZRZ"),
                                "--fault-node", std::to_string(o[1]),
                                "--fault-kv", std::to_string(fuzz::Napiecie(o[2], o[3])),
                                "--duration", fuzz::Wybierz(fuzz::kCzas, o[4])};
  if (o[0] & fuzz::kKappa) {
    a.insert(a.end(), {"--kappa", fuzz::Wybierz(fuzz::kKappaW, o[5])});
    if (o[0] & fuzz::kM) a.insert(a.end(), {"--m", fuzz::Wybierz(fuzz::kMW, o[6])});
  }
  if (o[0] & fuzz::kJson) a.push_back("--json");
  std::ostringstream wyjscie, bledy;
  const int kod = zwarcia::UruchomWsadowo(a, wyjscie, bledy);
  fuzz::Pokaz(a, kod, wyjscie.str(), bledy.str());
  if (kod != 0 && kod != 1) __builtin_trap();  // the command line itself is always well formed
  return 0;
}
