#include "kreator/core/katalog.h"

#include <algorithm>
#include <stdexcept>

#include "common/core/liczby.h"

namespace kreator {

namespace {

struct KlasaLinii {
  const char* napiecie;
  const char *R, *X, *B;
};
// In the order of the catalogue: 110, 220, 400 kV.
constexpr KlasaLinii kKlasy[] = {
    {"110", "0,08", "0,38", "1,8"},
    {"220", "0,0552", "0,412", "2,76"},
    {"400", "0,0276", "0,439", "3,2"},
};

PozycjaKatalogu Linia(const KlasaLinii& k, std::string nazwa, std::string dlugosc) {
  return {std::move(nazwa), k.napiecie, {k.R, k.X, k.B, std::move(dlugosc), "1"}};
}

std::vector<PozycjaKatalogu> ZbudujLinie() {
  std::vector<PozycjaKatalogu> v;
  for (const auto& k : kKlasy) v.push_back(Linia(k, std::string("Linia ") + k.napiecie + "kV dowolnej długości", ""));
  for (const auto& k : kKlasy) {
    v.push_back({});
    for (int l = 10; l <= 300; l += 10)
      v.push_back(Linia(k, std::string("Linia ") + k.napiecie + "kV, długość " + std::to_string(l) + "km",
                        std::to_string(l)));
  }
  return v;
}

// The grid column of the first value box; lines put the class voltage
// before it, into column 3.
int PierwszaKolumna(Tabela t) { return t == Tabela::Linie ? kLiniaR : kLiniaNapiecie; }
// ToryE may stay empty; every other box is required.
std::size_t WymaganePola(Tabela t) { return t == Tabela::Linie ? 4 : 7; }
char Litera(Tabela t) { return t == Tabela::Linie ? 'L' : 'T'; }

}  // namespace

const std::vector<PozycjaKatalogu>& PozycjeLinii() {
  static const std::vector<PozycjaKatalogu> linie = ZbudujLinie();
  return linie;
}

const std::vector<PozycjaKatalogu>& PozycjeTrafo() {
  static const std::vector<PozycjaKatalogu> trafo = {
      {"Ug = 405V  Ud = 220V  Sn = 450MVA", "", {"405", "220", "450", "2100", "390", "12,5", "0,9"}},
      {"Ug = 410V  Ud = 244V  Sn = 350MVA", "", {"410", "244", "350", "1450", "200", "11", "0,6"}},
      {"Ug = 420V  Ud = 240V  Sn = 300MVA", "", {"420", "240", "300", "1900", "350", "12", "0,8"}},
      {"Ug = 400V  Ud = 231V  Sn = 260MVA", "", {"400", "231", "260", "1220", "250", "11", "0,6"}},
      {"Ug = 410V  Ud = 245V  Sn = 350MVA", "", {"410", "245", "350", "980", "180", "11,5", "0,5"}},
      {"Ug = 410V  Ud = 245V  Sn = 330MVA", "", {"410", "245", "330", "1850", "300", "11,5", "0,8"}},
      {"Ug = 231V  Ud = 110V  Sn = 160MVA", "", {"231", "110", "160", "920", "260", "12", "0,6"}},
  };
  return trafo;
}

Katalog::Katalog(Tabela tabela, Przypadek& przypadek, common::DialogService& dialogi)
    : tabela_(tabela), p_(przypadek), dialogi_(dialogi) {
  if (tabela != Tabela::Linie && tabela != Tabela::Trafo) throw std::invalid_argument("Katalog: linie albo trafo");
  pola_.assign(pozycje().front().wartosci.size(), "");
}

const std::vector<PozycjaKatalogu>& Katalog::pozycje() const {
  return tabela_ == Tabela::Linie ? PozycjeLinii() : PozycjeTrafo();
}

void Katalog::otworz(int liczba, int wiersz) {
  numery_.clear();
  for (int i = 1; i <= liczba; ++i) numery_.push_back(Litera(tabela_) + std::to_string(i));
  numer_ = Litera(tabela_) + std::to_string(wiersz);
  zmienPozycje("");
}

void Katalog::zmienPozycje(const std::string& tekst) {
  pozycja_ = tekst;
  std::fill(pola_.begin(), pola_.end(), std::string());
  if (tekst.empty()) return;  // the separators are no entries
  for (const auto& poz : pozycje()) {
    if (poz.nazwa != tekst) continue;
    pola_ = poz.wartosci;
    if (!poz.napiecie.empty()) napiecie_ = poz.napiecie;
    return;
  }
}

void Katalog::ustawPole(int indeks, const std::string& tekst) {
  if (indeks >= 0 && indeks < static_cast<int>(pola_.size())) pola_[indeks] = tekst;
}

void Katalog::ustawNumer(const std::string& tekst) { numer_ = tekst; }

bool Katalog::wstawAktywny() const {
  if (numer_.empty()) return false;
  return std::all_of(pola_.begin(), pola_.begin() + WymaganePola(tabela_), [](const auto& s) { return !s.empty(); });
}

bool Katalog::Wstaw() {
  if (!wstawAktywny()) return false;
  // The label must be the row letter followed by an existing row number.
  const int liczba = static_cast<int>(numery_.size());
  int n = 0;
  try {
    if (numer_[0] != Litera(tabela_)) throw common::BladKonwersji(numer_);
    n = common::NaCalkowita(std::string_view(numer_).substr(1));
  } catch (const common::BladKonwersji&) {
    n = 0;
  }
  if (n <= 0 || n > liczba) {
    dialogi_.error(tabela_ == Tabela::Linie ? kZlyNumerLinii : kZlyNumerTrafo);
    return false;
  }

  common::TextGrid& g = p_.siatka(tabela_);
  if (tabela_ == Tabela::Linie) g.setCell(kLiniaNapiecie, n, napiecie_);
  for (std::size_t i = 0; i < pola_.size(); ++i)
    g.setCell(PierwszaKolumna(tabela_) + static_cast<int>(i), n, pola_[i]);

  zmienPozycje("");
  if (n < liczba) numer_ = Litera(tabela_) + std::to_string(n + 1);
  return true;
}

}  // namespace kreator
