#include "kreator/core/siec.h"

#include <algorithm>
#include <string>

#include "common/core/liczby.h"

namespace kreator {

namespace {

double Wartosc(const common::TextGrid& g, int kolumna, int wiersz) { return common::NaLiczbe(g.cell(kolumna, wiersz)); }

size_t Liczba(int n) { return static_cast<size_t>(std::max(0, n)); }

}  // namespace

int NumerWezla(const common::TextGrid& g, int kolumna, int wiersz) {
  return common::NaCalkowita(g.cell(kolumna, wiersz));
}

int PoziomNapiecia(const std::string& komorka) {
  if (komorka == "110") return 110;
  if (komorka == "220") return 220;
  if (komorka == "400") return 400;
  return 0;
}

SiecRozplywu ZbudujSiec(const Przypadek& p) {
  SiecRozplywu s;
  s.N = p.LiczbaWezlow;
  s.bilansujacy = p.WezelBilansujacy;
  s.napiecieBilansujace = p.NapiecieBilansujace;
  s.epsilon = p.Epsilon;
  s.relaksacja = p.ParametrRelaksacji;

  const common::TextGrid& l = p.LinieSG;
  s.linie.resize(Liczba(p.LiczbaLinii));
  for (int i = 1; i <= p.LiczbaLinii; ++i) {
    SiecRozplywu::Linia& e = s.linie[size_t(i - 1)];
    e.poczatek = NumerWezla(l, kLiniaPoczatek, i);
    e.koniec = NumerWezla(l, kLiniaKoniec, i);
    e.napiecie = Wartosc(l, kLiniaNapiecie, i);
    e.poziom = PoziomNapiecia(l.cell(kLiniaNapiecie, i));
    e.R = Wartosc(l, kLiniaR, i);
    e.X = Wartosc(l, kLiniaX, i);
    e.B = Wartosc(l, kLiniaB, i);
    e.dlugosc = Wartosc(l, kLiniaDlugosc, i);
    e.tory = Wartosc(l, kLiniaTory, i);
  }

  const common::TextGrid& t = p.TrafoSG;
  s.trafa.resize(Liczba(p.LiczbaTransformatorow));
  for (int i = 1; i <= p.LiczbaTransformatorow; ++i) {
    SiecRozplywu::Transformator& e = s.trafa[size_t(i - 1)];
    e.gorny = NumerWezla(t, kTrafoGorny, i);
    e.dolny = NumerWezla(t, kTrafoDolny, i);
    e.Ug = Wartosc(t, kTrafoUg, i);
    e.Ud = Wartosc(t, kTrafoUd, i);
    e.Sn = Wartosc(t, kTrafoSn, i);
    e.PCu = Wartosc(t, kTrafoPCu, i);
    e.PFe = Wartosc(t, kTrafoPFe, i);
    e.uz = Wartosc(t, kTrafoUz, i);
    e.i0 = Wartosc(t, kTrafoI0, i);
  }

  s.elektrownie.resize(Liczba(p.LiczbaWezlowElektrownianych));
  for (int r = 1; r <= p.LiczbaWezlowElektrownianych; ++r)
    s.elektrownie[size_t(r - 1)] = {NumerWezla(p.WElSG, kElWezel, r), Wartosc(p.WElSG, kElNapiecie, r),
                                    Wartosc(p.WElSG, kElMoc, r)};

  s.odbiory.resize(Liczba(p.LiczbaWezlowObciazeniowych));
  for (int r = 1; r <= p.LiczbaWezlowObciazeniowych; ++r)
    s.odbiory[size_t(r - 1)] = {NumerWezla(p.WObcSG, kObcWezel, r), Wartosc(p.WObcSG, kObcP, r),
                                Wartosc(p.WObcSG, kObcQ, r)};
  return s;
}

}  // namespace kreator
