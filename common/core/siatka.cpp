#include "common/core/siatka.h"

#include "common/core/liczby.h"

namespace common {

const std::string& TextGrid::cell(int kolumna, int wiersz) const {
  static const std::string pusty;
  auto it = komorki_.find({kolumna, wiersz});
  return it == komorki_.end() ? pusty : it->second;
}

void TextGrid::setCell(int kolumna, int wiersz, std::string tekst) {
  if (tekst.empty()) komorki_.erase({kolumna, wiersz});
  else komorki_[{kolumna, wiersz}] = std::move(tekst);
}

void TextGrid::clearData() {
  for (int w = 1; w < wiersze_; ++w)
    for (int k = 1; k < kolumny_; ++k) komorki_.erase({k, w});
}

bool WszystkieKomorkiSaLiczbami(const TextGrid& g) { return !PierwszaKomorkaNieLiczba(g); }

std::optional<Komorka> PierwszaKomorkaNieLiczba(const TextGrid& g) {
  for (int w = 1; w < g.rowCount(); ++w)
    for (int k = 1; k < g.colCount(); ++k)
      if (!CzyLiczba(g.cell(k, w))) return Komorka{k, w};
  return std::nullopt;
}

}  // namespace common
