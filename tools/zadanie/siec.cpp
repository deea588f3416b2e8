#include "tools/zadanie/siec.h"

#include <algorithm>

#include "common/core/liczby.h"

namespace zadanie {

namespace {

int Wezel(const common::TextGrid& g, int kolumna, int wiersz) {
  try {
    return common::NaCalkowita(g.cell(kolumna, wiersz));
  } catch (const common::BladKonwersji&) {
    return 0;
  }
}

std::vector<Polaczenie> Polaczenia(const common::TextGrid& g, int n) {
  std::vector<Polaczenie> w;
  for (int i = 1; i <= n; ++i) w.push_back({Wezel(g, 1, i), Wezel(g, 2, i)});
  return w;
}

void Symbole(Siec& s, const common::TextGrid& g, int n, Symbol symbol, const char* litera) {
  for (int r = 1; r <= n; ++r)
    s.symbole.push_back({Wezel(g, 1, r), symbol, litera ? litera + std::to_string(r) : std::string()});
}

}  // namespace

Siec SiecRozplywu(const kreator::Przypadek& p) {
  Siec s;
  s.liczbaWezlow = std::max(0, p.LiczbaWezlow);
  s.linie = Polaczenia(p.LinieSG, p.LiczbaLinii);
  s.trafa = Polaczenia(p.TrafoSG, p.LiczbaTransformatorow);
  Symbole(s, p.WElSG, p.LiczbaWezlowElektrownianych, Symbol::Generator, nullptr);
  Symbole(s, p.WObcSG, p.LiczbaWezlowObciazeniowych, Symbol::Odbior, nullptr);
  return s;
}

Siec SiecZwarciowa(const zwarcia::Przypadek& p) {
  Siec s;
  s.liczbaWezlow = std::max(0, p.LiczbaWezlow);
  s.linie = Polaczenia(p.LinieSG, p.LiczbaLinii);
  s.trafa = Polaczenia(p.TrafoSG, p.LiczbaTransformatorow);
  Symbole(s, p.SystemySG, p.LiczbaWezlowSystemow, Symbol::System, "S");
  Symbole(s, p.GeneratorySG, p.LiczbaWezlowGeneratorow, Symbol::Generator, "G");
  return s;
}

}  // namespace zadanie
