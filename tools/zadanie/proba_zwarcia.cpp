#include "tools/zadanie/proba_zwarcia.h"

#include <cmath>
#include <sstream>

#include "common/core/dialogi.h"
#include "common/core/liczby.h"
#include "zwarcia/core/kreator.h"

namespace zadanie {

namespace {

std::string Liczba(const char* forma, double x) { return common::Formatuj(forma, {x}); }

// The span of the κ chart's X/R axis.
constexpr double kNajmniejszeXdoR = 0.5, kNajwiekszeXdoR = 200;

std::string Etykieta(const zwarcia::Galaz& g) {
  static const char* const litery[] = {"S", "G", "T", "L"};
  return litery[static_cast<int>(g.rodzaj)] + std::to_string(g.element);
}

}  // namespace

ProbneObliczenie PrzeliczZwarcie(std::string_view zrz, const OpisUkladu& o) {
  ProbneObliczenie wynik;
  if (!o.zwarcie) {
    wynik.wiersze.push_back("Opis nie podaje „zwarcie NR KV CZAS”, więc zadania nie przeliczono.");
    return wynik;
  }
  std::ostringstream komunikaty;
  common::ConsoleDialogService dialogi(komunikaty);
  zwarcia::Przypadek p;
  zwarcia::Kreator k(p, dialogi);
  const auto odmowa = [&](const std::string& dlaczego) {
    wynik.wiersze.push_back(dlaczego);
    std::istringstream s(komunikaty.str());
    for (std::string w; std::getline(s, w);) wynik.wiersze.push_back("  " + w);
    return wynik;
  };
  k.WczytajPlikZrz(zrz);
  if (p.Krok != 10) return odmowa("Program nie przyjmuje danych zadania:");
  for (const std::string& wartosc :
       {std::to_string(o.zwarcie->wezel), std::to_string(o.zwarcie->napiecieKv), o.zwarcie->czas}) {
    const int przed = p.Krok;
    k.DalejBBClick(wartosc);
    if (p.Krok == przed) return odmowa("Program nie przyjmuje wartości „" + wartosc + "”:");
  }
  k.DalejBBClick("");  // "&Oblicz"
  if (!k.wyniki()) return odmowa("Obliczenia przerwane:");

  const zwarcia::WynikZwarcia& w = *k.wyniki();
  wynik.dobre = true;
  wynik.zwarcie = std::make_shared<const zwarcia::WynikZwarcia>(w);
  const double rDoX = w.StosunekRdoX, xDoR = 1 / rDoX;
  const double kappa = 1.02 + 0.98 * std::exp(-3 * rDoX);
  wynik.wiersze = {
      "Próbne obliczenie: zwarcie w węźle " + std::to_string(p.WezelZwarcia) + ", Un = " +
          common::LiczbaNaTekst(p.NapiecieZwarcia) + " kV, tk = " + common::LiczbaNaTekst(p.CzasZwarcia) + " s.",
      "Napięcie bazowe " + Liczba("%.2f", w.baza.NapiecieBazowe) + " kV, prąd bazowy " +
          Liczba("%.5f", w.baza.PradBazowy) + " kA, napięcie źródeł " + Liczba("%.5f", w.baza.NapiecieZrodla) + " j.w.",
      "Zk = " + Liczba("%.6f", w.ImpedancjaZwarciowa.real()) + " + j" + Liczba("%.6f", w.ImpedancjaZwarciowa.imag()) +
          " j.w.,  R/X = " + Liczba("%.4f", rDoX) + ",  X/R = " + Liczba("%.3f", xDoR),
      "Początkowy prąd zwarciowy I″k = " + Liczba("%.4f", w.PradPoczatkowy) + " kA",
      "Z krzywej: κ = " + Liczba("%.3f", kappa) +
          ", prąd udarowy ip = √2·κ·I″k = " + Liczba("%.3f", std::sqrt(2.0) * kappa * w.PradPoczatkowy) + " kA",
      "Gałąź  |I| [j.w.]"};
  for (size_t b = 0; b < w.PradyGaleziowe.size(); ++b)
    wynik.wiersze.push_back(common::Formatuj("%-6s", {Etykieta(w.sieci.galezie[b])}) +
                            Liczba(" %9.5f", std::abs(w.PradyGaleziowe[b])));
  if (xDoR < kNajmniejszeXdoR || xDoR > kNajwiekszeXdoR)
    wynik.wiersze.push_back(
        "Uwaga: X/R = " + Liczba("%.3f", xDoR) +
        " leży poza osią wykresu współczynnika udaru (0,5–200), więc κ nie da się z niego odczytać.");
  return wynik;
}

}  // namespace zadanie
