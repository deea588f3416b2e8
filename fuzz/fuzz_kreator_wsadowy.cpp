// `Kreator --batch` end to end: the option bytes pick the slack node, its
// voltage, epsilon, r and --json; the rest is the ".ZRM" file, by default
// with its integrity lines rebuilt so that mutated tables reach the check
// and the load-flow run (up to 1000 Gauss-Seidel sweeps).
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "kreator/core/plik_zrm.h"
#include "kreator/core/wsadowy.h"
#include "wejscie.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t n) {
  const fuzz::Wejscie w = fuzz::Podziel(dane, n);
  const unsigned char* o = w.opcje;
  const std::string plik = (o[0] & fuzz::kPlikSurowy)
                               ? std::string(w.plik)
                               : kreator::ZbudujZrm(fuzz::WierszeOd(kreator::PodzielNaWiersze(w.plik), 2));
  std::vector<std::string> a = {"--batch", fuzz::ZapiszTymczasowy(plik, "zadanie.ZRM"),
                                "--slack-kv", std::to_string(fuzz::Napiecie(o[2], o[3])),
                                "--epsilon", fuzz::Wybierz(fuzz::kEpsilon, o[4]),
                                "--r", fuzz::Wybierz(fuzz::kR, o[5])};
  if (!(o[0] & fuzz::kBezWezla)) a.insert(a.end(), {"--slack", std::to_string(o[1])});
  if (o[0] & fuzz::kJson) a.push_back("--json");
  std::ostringstream wyjscie, bledy;
  const int kod = kreator::UruchomWsadowo(a, wyjscie, bledy);
  fuzz::Pokaz(a, kod, wyjscie.str(), bledy.str());
  if (kod != 0 && kod != 1) __builtin_trap();  // the command line itself is always well formed
  return 0;
}
