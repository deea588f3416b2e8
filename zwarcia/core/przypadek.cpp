#include "zwarcia/core/przypadek.h"

#include <array>


namespace zwarcia {

common::TextGrid& Przypadek::siatka(Tabela t) {
  return const_cast<common::TextGrid&>(static_cast<const Przypadek*>(this)->siatka(t));
}

const common::TextGrid& Przypadek::siatka(Tabela t) const {
  switch (t) {
    case Tabela::Systemy: return SystemySG;
    case Tabela::Generatory: return GeneratorySG;
    case Tabela::Trafo: return TrafoSG;
    case Tabela::Linie: return LinieSG;
  }
  return LinieSG;
}

void Przypadek::wyzeruj() {
  Krok = 0;
  LiczbaWezlow = LiczbaWezlowSystemow = LiczbaWezlowGeneratorow = LiczbaTransformatorow = LiczbaLinii =
      WezelZwarcia = -1;
  NapiecieZwarcia = CzasZwarcia = -1.0;
}

namespace {

const std::array<const char*, kKolumnySystemow> kNaglowkiSystemow = {"System", "Nr węzła",
                                                                     "Moc zwarciowa Sz [MVA]"};
const std::array<const char*, kKolumnyGeneratorow> kNaglowkiGeneratorow = {
    "Generator", "Nr węzła", "Moc znamionowa Sn [MVA]", "Reaktancja przejsciowa Xd\" [%]", "L. generatorów"};
const std::array<const char*, kKolumnyTrafo> kNaglowkiTrafo = {
    "Transformator", "Nr węzła dla uzw. górnego", "Nr węzła dla uzw. dolnego", "Moc znamionowa pozorna [MVA]",
    "Straty w miedzi PCu [kW]", "Napięcie zwarcia [%]", "L. trans."};
const std::array<const char*, kKolumnyLinii> kNaglowkiLinii = {
    "Linia nr", "Początek w węźle", "Koniec w węźle", "Napięcie znamionowe [kV]", "Rezystancja jednostkowa [om/km]",
    "Reaktancja jednostkowa [om/km]", "Długość linii [km]", "L. torów"};

template <size_t K>
void Naglowki(common::TextGrid& g, const std::array<const char*, K>& naglowki, const char* litera, int n) {
  g.setColCount(static_cast<int>(K));
  g.setRowCount(n + 1);
  for (size_t k = 0; k < K; ++k) g.setCell(static_cast<int>(k), 0, naglowki[k]);
  for (int w = 1; w <= n; ++w) g.setCell(0, w, litera + std::to_string(w));
}

}  // namespace

void PrzygotujTabele(Przypadek& p, Tabela t, int n) {
  if (n < 0) n = 0;
  switch (t) {
    case Tabela::Systemy: Naglowki(p.SystemySG, kNaglowkiSystemow, "S", n); break;
    case Tabela::Generatory: Naglowki(p.GeneratorySG, kNaglowkiGeneratorow, "G", n); break;
    case Tabela::Trafo: Naglowki(p.TrafoSG, kNaglowkiTrafo, "T", n); break;
    case Tabela::Linie: Naglowki(p.LinieSG, kNaglowkiLinii, "L", n); break;
  }
}


}  // namespace zwarcia
