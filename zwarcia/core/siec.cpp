#include "zwarcia/core/siec.h"

#include <algorithm>

#include "common/core/liczby.h"

namespace zwarcia {

int NumerWezla(std::string_view komorka) { return common::NaCalkowita(komorka); }

std::optional<int> NumerWezlaJesliJest(std::string_view komorka) {
  try {
    return NumerWezla(komorka);
  } catch (const common::BladKonwersji&) {
    return std::nullopt;
  }
}

namespace {

size_t Wiersze(int liczba) { return size_t(std::max(0, liczba)); }

double Liczba(const common::TextGrid& g, int kolumna, size_t k) {
  return common::NaLiczbe(g.cell(kolumna, int(k) + 1));
}

int Wezel(const common::TextGrid& g, int kolumna, size_t k) { return NumerWezla(g.cell(kolumna, int(k) + 1)); }

}  // namespace

SiecZwarcia ZbudujSiec(const Przypadek& p) {
  SiecZwarcia s;
  s.LiczbaWezlow = p.LiczbaWezlow;
  s.systemy.resize(Wiersze(p.LiczbaWezlowSystemow));
  s.generatory.resize(Wiersze(p.LiczbaWezlowGeneratorow));
  s.trafo.resize(Wiersze(p.LiczbaTransformatorow));
  s.linie.resize(Wiersze(p.LiczbaLinii));

  // Sz enters the ohmic value as a whole number: "2500,5" throws here.
  for (size_t k = 0; k < s.systemy.size(); ++k)
    s.systemy[k].moc = common::NaCalkowita(p.SystemySG.cell(kSystemMoc, int(k) + 1));
  for (size_t k = 0; k < s.generatory.size(); ++k) {
    DaneGeneratora& g = s.generatory[k];
    g.moc = Liczba(p.GeneratorySG, kGeneratorMoc, k);
    g.xd = Liczba(p.GeneratorySG, kGeneratorXd, k);
    g.liczba = Liczba(p.GeneratorySG, kGeneratorLiczba, k);
  }
  for (size_t k = 0; k < s.trafo.size(); ++k) {
    DaneTransformatora& t = s.trafo[k];
    t.moc = Liczba(p.TrafoSG, kTrafoMoc, k);
    t.pcu = Liczba(p.TrafoSG, kTrafoPCu, k);
    t.uz = Liczba(p.TrafoSG, kTrafoUz, k);
    t.liczba = Liczba(p.TrafoSG, kTrafoLiczba, k);
  }
  for (size_t k = 0; k < s.linie.size(); ++k) {
    DaneLinii& l = s.linie[k];
    l.napiecie = Liczba(p.LinieSG, kLiniaNapiecie, k);
    l.r = Liczba(p.LinieSG, kLiniaR, k);
    l.x = Liczba(p.LinieSG, kLiniaX, k);
    l.dlugosc = Liczba(p.LinieSG, kLiniaDlugosc, k);
    l.tory = Liczba(p.LinieSG, kLiniaTory, k);
  }

  for (size_t k = 0; k < s.systemy.size(); ++k) s.systemy[k].wezel = Wezel(p.SystemySG, kSystemWezel, k);
  for (size_t k = 0; k < s.generatory.size(); ++k) s.generatory[k].wezel = Wezel(p.GeneratorySG, kGeneratorWezel, k);
  for (size_t k = 0; k < s.trafo.size(); ++k) {
    s.trafo[k].wezelGorny = Wezel(p.TrafoSG, kTrafoWezelGorny, k);
    s.trafo[k].wezelDolny = Wezel(p.TrafoSG, kTrafoWezelDolny, k);
  }
  for (size_t k = 0; k < s.linie.size(); ++k) {
    s.linie[k].poczatek = Wezel(p.LinieSG, kLiniaPoczatek, k);
    s.linie[k].koniec = Wezel(p.LinieSG, kLiniaKoniec, k);
  }
  return s;
}

}  // namespace zwarcia
