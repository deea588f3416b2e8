#include "kreator/core/przypadek.h"

#include <array>


namespace kreator {

common::TextGrid& Przypadek::siatka(Tabela t) {
  switch (t) {
    case Tabela::Linie: return LinieSG;
    case Tabela::Trafo: return TrafoSG;
    case Tabela::WEl: return WElSG;
    case Tabela::WObc: return WObcSG;
  }
  return LinieSG;
}

void Przypadek::wyzeruj(bool tezLiczbyRzeczywiste) {
  Krok = 0;
  LiczbaWezlow = LiczbaLinii = LiczbaTransformatorow = WezelBilansujacy = NapiecieBilansujace =
      LiczbaWezlowElektrownianych = LiczbaWezlowObciazeniowych = -1;
  if (tezLiczbyRzeczywiste) Epsilon = ParametrRelaksacji = -1.0;
}

namespace {

const std::array<const char*, kKolumnyLinii> kNaglowkiLinii = {
    "Nr", "Początek w węźle", "Koniec w węźle", "Nap. linii [kV]", "R'  [om/km]", "X'  [om/km]",
    "B'  [µS/km]", "l [km]", "L. torów"};

const std::array<const char*, kKolumnyTrafo> kNaglowkiTrafo = {
    "Transformator", "Nr węzła dla uzw. górnego", "Nr węzła dla uzw. dolnego",
    "Napięcie znamionowe górne [kV]", "Napięcie znamionowe dolne [kV]", "Moc znamionowa pozorna [MVA]",
    "Straty w miedzi PCu [kW]", "Straty w żelazie PFe [kW]", "Napięcie zwarcia [%]", "Prąd stanu jałowego [%]"};

const std::array<const char*, kKolumnyWezlow> kNaglowkiWEl = {
    "", "Nr węzła", "Wartość skuteczna napięcia [kV]", "Moc czynna dostarczona [MW]"};

const std::array<const char*, kKolumnyWezlow> kNaglowkiWObc = {
    "", "Nr węzła", "Moc czynna odbierana w węźle [MW]", "Moc bierna odbierana w węźle [Mvar]"};

template <size_t K>
void Naglowki(common::TextGrid& g, const std::array<const char*, K>& naglowki, const std::string& etykieta,
              int n) {
  g.setColCount(static_cast<int>(K));
  g.setRowCount(n + 1);
  for (size_t k = 0; k < K; ++k) g.setCell(static_cast<int>(k), 0, naglowki[k]);
  for (int w = 1; w <= n; ++w) g.setCell(0, w, etykieta + std::to_string(w));
}

}  // namespace

void PrzygotujTabele(Przypadek& p, Tabela t, int n) {
  if (n < 0) n = 0;
  switch (t) {
    case Tabela::Linie: Naglowki(p.LinieSG, kNaglowkiLinii, "L", n); break;
    case Tabela::Trafo: Naglowki(p.TrafoSG, kNaglowkiTrafo, "T", n); break;
    case Tabela::WEl: Naglowki(p.WElSG, kNaglowkiWEl, "W. el. ", n); break;
    case Tabela::WObc: Naglowki(p.WObcSG, kNaglowkiWObc, "W. obc. ", n); break;
  }
}


}  // namespace kreator
