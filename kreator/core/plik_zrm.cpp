#include "kreator/core/plik_zrm.h"

#include <optional>

#include "common/core/cp1250.h"
#include "common/core/liczby.h"
#include "common/core/limity.h"

namespace kreator {
namespace {

bool CzyKoniecWiersza(char c) { return c == '\r' || c == '\n'; }

// Line `nr` (from 1), read whole; a line the file lacks is empty. The file
// size limit is what bounds a line.
std::string_view Wiersz(const std::vector<std::string>& wiersze, int nr) {
  if (nr < 1 || static_cast<std::size_t>(nr) > wiersze.size()) return {};
  return wiersze[static_cast<std::size_t>(nr - 1)];
}

// The whole number a line holds, or nothing ("2,0", blanks, letters).
std::optional<int> Calkowita(std::string_view tekst) {
  try {
    return common::NaCalkowita(tekst);
  } catch (const common::BladKonwersji&) {
    return std::nullopt;
  }
}

bool RowneRozmiarowi(std::optional<int> liczba, std::size_t rozmiar) {
  return liczba && *liczba >= 0 && static_cast<std::size_t>(*liczba) == rozmiar;
}

// Lines 1 and 2 against the text: both are evaluated, as both belong to
// the one integrity test.
bool ZgodnaIntegralnosc(std::string_view bajty, const std::vector<std::string>& wiersze) {
  const bool dlugosc = RowneRozmiarowi(Calkowita(Wiersz(wiersze, 1)), DlugoscZCrLf(bajty));
  const bool liczbaWierszy = RowneRozmiarowi(Calkowita(Wiersz(wiersze, 2)), wiersze.size());
  return dlugosc && liczbaWierszy;
}

// A count must be a whole number from 0 to `maks`: the limit keeps a file
// that claims billions of rows from exhausting memory.
bool WczytajLiczbe(std::string_view tekst, int maks, int& pole) {
  const auto n = Calkowita(tekst);
  if (!n) return false;
  pole = *n;
  return *n >= 0 && *n <= maks;
}

// Spreads one column line over the rows of column `kolumna`: ";" ends a
// cell, a missing final ";" is tolerated. Values beyond the last row are
// dropped instead of being kept as hidden cells, which would otherwise
// reappear if the user later raised the count.
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

// One table: emptied within its present size, shaped for n rows, its
// columns 1.. filled from the lines from `pierwszyWiersz` on; every data
// cell must then be a number.
bool WczytajTabele(Przypadek& p, Tabela t, int n, const std::vector<std::string>& wiersze, int pierwszyWiersz) {
  common::TextGrid& g = p.siatka(t);
  g.clearData();
  PrzygotujTabele(p, t, n);
  for (int k = 1; k < g.colCount(); ++k)
    RozlozKolumne(g, k, common::Cp1250DoUtf8(Wiersz(wiersze, pierwszyWiersz + k - 1)));
  return WszystkieKomorkiSaLiczbami(g);
}

// The loader's steps in file order; the first failure ends the load.
bool Wypelnij(std::string_view bajty, Przypadek& p) {
  const auto w = PodzielNaWiersze(bajty);
  if (!ZgodnaIntegralnosc(bajty, w)) return false;
  using common::kMaksLiczbaElementow;
  using common::kMaksLiczbaWezlow;
  return WczytajLiczbe(Wiersz(w, 3), kMaksLiczbaWezlow, p.LiczbaWezlow) &&
         WczytajLiczbe(Wiersz(w, 4), kMaksLiczbaElementow, p.LiczbaLinii) &&
         WczytajLiczbe(Wiersz(w, 5), kMaksLiczbaElementow, p.LiczbaTransformatorow) &&
         WczytajTabele(p, Tabela::Linie, p.LiczbaLinii, w, 6) &&
         WczytajTabele(p, Tabela::Trafo, p.LiczbaTransformatorow, w, 14) &&
         WczytajLiczbe(Wiersz(w, 23), kMaksLiczbaWezlow, p.LiczbaWezlowElektrownianych) &&
         WczytajTabele(p, Tabela::WEl, p.LiczbaWezlowElektrownianych, w, 24) &&
         WczytajLiczbe(Wiersz(w, 27), kMaksLiczbaWezlow, p.LiczbaWezlowObciazeniowych) &&
         WczytajTabele(p, Tabela::WObc, p.LiczbaWezlowObciazeniowych, w, 28);
}

// A refused file leaves no partial data: the wizard state of a fresh start
// (epsilon and r are kept) and empty tables.
void Odrzuc(Przypadek& p) noexcept {
  p.wyzeruj(false);
  for (Tabela t : {Tabela::Linie, Tabela::Trafo, Tabela::WEl, Tabela::WObc}) p.siatka(t).clearData();
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

std::size_t DlugoscZCrLf(std::string_view bajty) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < bajty.size(); ++i) {
    if (bajty[i] == '\r' && i + 1 < bajty.size() && bajty[i + 1] == '\n') ++i;  // one break, not two
    n += CzyKoniecWiersza(bajty[i]) ? 2u : 1u;
  }
  return n;
}

bool WczytajZrm(std::string_view bajty, Przypadek& p) noexcept {
  bool dobry = false;
  try {
    dobry = Wypelnij(bajty, p);
  } catch (...) {  // memory or code-page conversion: the file is refused like any other fault
    dobry = false;
  }
  if (!dobry) Odrzuc(p);
  return dobry;
}

std::string ZbudujZrm(const std::vector<std::string>& wierszeOd3) {
  std::string reszta = std::to_string(wierszeOd3.size() + 2) + "\r\n";
  for (const auto& w : wierszeOd3) reszta += w + "\r\n";
  // Line 1 counts its own digits: take the fewest digits d for which the
  // total with d digits is itself d digits long (98 other characters give "101").
  const std::size_t bezCyfr = reszta.size() + 2;
  std::size_t cyfry = 1;
  while (std::to_string(bezCyfr + cyfry).size() != cyfry) ++cyfry;
  return std::to_string(bezCyfr + cyfry) + "\r\n" + reszta;
}

}  // namespace kreator
