#include "zwarcia/core/plik_zrz.h"

#include <optional>

#include "common/core/cp1250.h"
#include "common/core/liczby.h"
#include "common/core/limity.h"

namespace zwarcia {
namespace {

bool CzyKoniecWiersza(char c) { return c == '\r' || c == '\n'; }

// The whole number a line holds, or nothing ("2,0", blanks, letters).
std::optional<long long> Calkowita(std::string_view tekst) {
  try {
    return common::NaCalkowita(tekst);
  } catch (const common::BladKonwersji&) {
    return std::nullopt;
  }
}

bool RowneRozmiarowi(std::string_view tekst, std::size_t rozmiar) {
  const auto liczba = Calkowita(tekst);
  return liczba && *liczba >= 0 && static_cast<unsigned long long>(*liczba) == rozmiar;
}

// A count must be a whole number from 0 to `maks`. Counts the wizard
// refuses (fewer than two nodes, no line) still load and are stopped by the
// replayed pages; a negative count is no count at all, and the limit keeps
// a file that claims millions of rows from exhausting memory.
bool WczytajLiczbe(std::string_view tekst, int maks, int& pole) {
  const auto n = Calkowita(tekst);
  if (!n || *n < 0 || *n > maks) return false;
  pole = static_cast<int>(*n);
  return true;
}

// Spreads one column line over the rows of column `kolumna`: ";" moves to
// the next row, a final ";" is tolerated. Values beyond the last row are
// dropped rather than kept as hidden cells that a larger count would bring
// back.
void RozlozKolumne(common::TextGrid& g, int kolumna, std::string_view tekst) {
  const int ostatni = g.rowCount() - 1;
  int wiersz = 1;
  std::string komorka;
  for (char c : tekst) {
    if (wiersz > ostatni) return;
    if (c != ';') {
      komorka += c;
      continue;
    }
    g.setCell(kolumna, wiersz++, std::move(komorka));
    komorka.clear();
  }
  if (wiersz <= ostatni) g.setCell(kolumna, wiersz, std::move(komorka));
}

// One table: emptied at its old size, shaped for n rows, columns 1.. filled
// from the lines from `pierwszyWiersz` on; every data cell must be a number.
bool WczytajTabele(Przypadek& p, Tabela t, int n, const std::vector<std::string>& w, int pierwszyWiersz) {
  common::TextGrid& g = p.siatka(t);
  g.clearData();
  PrzygotujTabele(p, t, n);
  for (int k = 1; k < g.colCount(); ++k)
    RozlozKolumne(g, k, common::Cp1250DoUtf8(w[static_cast<std::size_t>(pierwszyWiersz + k - 1)]));
  return WszystkieKomorkiSaLiczbami(g);
}

// The loader's steps in file order; the first failure ends the load.
bool Wypelnij(std::string_view bajty, Przypadek& p) {
  const auto w = PodzielNaWiersze(bajty);
  if (w.size() < static_cast<std::size_t>(kWierszeZrz)) return false;  // a required line is missing
  if (!RowneRozmiarowi(w[0], w.size()) || !RowneRozmiarowi(w[1], DlugoscZCrLf(w))) return false;
  using common::kMaksLiczbaElementow;
  using common::kMaksLiczbaWezlow;
  return WczytajLiczbe(w[2], kMaksLiczbaWezlow, p.LiczbaWezlow) &&
         WczytajLiczbe(w[3], kMaksLiczbaWezlow, p.LiczbaWezlowSystemow) &&
         WczytajTabele(p, Tabela::Systemy, p.LiczbaWezlowSystemow, w, 4) &&
         WczytajLiczbe(w[6], kMaksLiczbaWezlow, p.LiczbaWezlowGeneratorow) &&
         WczytajTabele(p, Tabela::Generatory, p.LiczbaWezlowGeneratorow, w, 7) &&
         WczytajLiczbe(w[11], kMaksLiczbaElementow, p.LiczbaTransformatorow) &&
         WczytajTabele(p, Tabela::Trafo, p.LiczbaTransformatorow, w, 12) &&
         WczytajLiczbe(w[18], kMaksLiczbaElementow, p.LiczbaLinii) &&
         WczytajTabele(p, Tabela::Linie, p.LiczbaLinii, w, 19);
}

// A refused file leaves the case as at a fresh start, tables emptied.
void Odrzuc(Przypadek& p) noexcept {
  p.wyzeruj();
  for (Tabela t : {Tabela::Linie, Tabela::Trafo, Tabela::Generatory, Tabela::Systemy}) p.siatka(t).clearData();
}

}  // namespace

std::vector<std::string> PodzielNaWiersze(std::string_view bajty) {
  std::vector<std::string> wiersze;
  std::size_t poczatek = 0;
  for (std::size_t i = 0; i < bajty.size(); ++i) {
    if (!CzyKoniecWiersza(bajty[i])) continue;
    wiersze.emplace_back(bajty.substr(poczatek, i - poczatek));
    if (bajty[i] == '\r' && i + 1 < bajty.size() && bajty[i + 1] == '\n') ++i;
    poczatek = i + 1;
  }
  if (poczatek < bajty.size()) wiersze.emplace_back(bajty.substr(poczatek));
  return wiersze;
}

std::size_t DlugoscZCrLf(const std::vector<std::string>& wiersze) {
  std::size_t n = 0;
  for (const auto& w : wiersze) n += w.size() + 2;
  return n;
}

bool WczytajZrz(std::string_view bajty, Przypadek& p) noexcept {
  bool dobry = false;
  try {
    dobry = Wypelnij(bajty, p);
  } catch (...) {  // memory or code-page conversion: refused like any other fault
    dobry = false;
  }
  if (!dobry) Odrzuc(p);
  return dobry;
}

std::string ZbudujZrz(const std::vector<std::string>& wierszeOd2) {
  std::string reszta;
  for (const auto& w : wierszeOd2) reszta += w + "\r\n";
  const std::string wiersz0 = std::to_string(wierszeOd2.size() + 2) + "\r\n";
  // Line 1 counts its own digits: the fewest digits d for which the total
  // with d digits is itself d digits long (98 other characters give "101").
  const std::size_t bezCyfr = wiersz0.size() + reszta.size() + 2;
  std::size_t cyfry = 1;
  while (std::to_string(bezCyfr + cyfry).size() != cyfry) ++cyfry;
  return wiersz0 + std::to_string(bezCyfr + cyfry) + "\r\n" + reszta;
}

}  // namespace zwarcia
