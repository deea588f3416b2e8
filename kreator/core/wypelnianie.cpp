#include "kreator/core/wypelnianie.h"

namespace kreator {

namespace {
constexpr int kPierwszaKolumna = kLiniaNapiecie;
constexpr int kOstatniaKolumna = kLiniaTory;
}  // namespace

PodpowiedziKolumny Podpowiedzi(int kolumna) {
  switch (kolumna) {
    // Columns 3 to 6 offer the per-kilometre values of the 400, 220 and
    // 110 kV lines of the catalogue, in that order.
    case kLiniaNapiecie: return {{"400", "220", "110"}, "220"};
    case kLiniaR: return {{"0,0276", "0,0552", "0,08"}, "0,0552"};
    case kLiniaX: return {{"0,439", "0,412", "0,38"}, "0,412"};
    case kLiniaB: return {{"3,2", "2,76", "1,8"}, "2,76"};
    case kLiniaDlugosc: {
      PodpowiedziKolumny p{{}, "100"};
      for (int km = 10; km <= 300; km += 10) p.pozycje.push_back(std::to_string(km));
      return p;
    }
    case kLiniaTory: return {{"1", "2", "3"}, "1"};
    default: return {};
  }
}

std::string KodKolumny(int kolumna) {
  if (kolumna < kPierwszaKolumna || kolumna > kOstatniaKolumna) return {};
  return "0" + std::to_string(kolumna + 1);
}

int KolumnaZKodu(const std::string& kod) {
  for (int k = kPierwszaKolumna; k <= kOstatniaKolumna; ++k)
    if (kod == KodKolumny(k)) return k;
  return 0;
}

int KolumnaPodKursorem(int x, int y, int wysokoscWiersza0, const KoniecKolumn& S) {
  if (y >= wysokoscWiersza0) return 0;
  // The ranges overlap where a column reaches past its edge; they are
  // tried from the left and the first one that holds wins.
  struct Zakres {
    int kolumna, zapas;
  };
  constexpr Zakres zakresy[] = {{3, 0}, {4, 0}, {5, 10}, {6, 10}, {7, 10}, {8, 20}};
  for (const Zakres& z : zakresy)
    if (S[z.kolumna - 1] < x && x <= S[z.kolumna] + z.zapas) return z.kolumna;
  return 0;
}

int GoraMenu(int wysokoscWiersza0) { return wysokoscWiersza0 + 3; }

int LewaKrawedzMenu(int kolumna, int szerokoscMenu, const KoniecKolumn& S) {
  if (kolumna == kLiniaDlugosc) return S[kLiniaDlugosc] - szerokoscMenu + 8;
  if (kolumna == kLiniaTory) return S[kLiniaTory] - szerokoscMenu + 10;
  if (kolumna >= kPierwszaKolumna && kolumna <= kLiniaB) return S[kolumna - 1] + 3;
  return 0;
}

bool WypelnijKolumne(Przypadek& p, const std::string& kod, const std::string& tekst) {
  const int kolumna = KolumnaZKodu(kod);
  if (kolumna == 0) return false;
  for (int w = 1; w <= p.LiczbaLinii; ++w) p.LinieSG.setCell(kolumna, w, tekst);
  return true;
}

}  // namespace kreator
