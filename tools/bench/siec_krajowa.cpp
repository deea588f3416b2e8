#include "tools/bench/siec_krajowa.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <numeric>
#include <set>
#include <stdexcept>
#include <utility>

namespace bench {
namespace {

// splitmix64: the same numbers from a seed on every compiler and library,
// which the standard distributions do not promise.
class Los {
 public:
  explicit Los(std::uint64_t ziarno) : s_(ziarno) {}
  std::uint64_t nastepna() {
    std::uint64_t z = (s_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  double z(double a, double b) { return a + (b - a) * static_cast<double>(nastepna() >> 11) * 0x1.0p-53; }
  int calkowita(int a, int b) { return a + static_cast<int>(nastepna() % static_cast<std::uint64_t>(b - a + 1)); }
  bool szansa(double p) { return z(0, 1) < p; }
  template <typename T>
  void tasuj(std::vector<T>& v) {
    for (size_t i = v.size(); i > 1; --i) std::swap(v[i - 1], v[nastepna() % i]);
  }

 private:
  std::uint64_t s_;
};

// x to `cyfry` decimals, the double nearest to the decimal written in the file.
double Dziesietne(double x, int cyfry) {
  const double skala = std::pow(10.0, cyfry);
  return std::round(x * skala) / skala;
}
// x to a whole multiple of `krok`.
double Wielokrotnosc(double x, double krok) { return std::round(x / krok) * krok; }

// What a level's lines are made of; per circuit, by the usual conductors.
struct DaneLinii {
  double R[2], X[2], B[2];  // ranges, Ω/km and µS/km
  double obciazalnosc[2];   // MVA per circuit
  double dwaTory;           // share of double-circuit lines
  double oczkowanie;        // extra lines per bus beyond a tree, before scaling
};
const DaneLinii kLinie400 = {{0.025, 0.035}, {0.30, 0.34}, {3.3, 3.7}, {1300, 1700}, 0.25, 0.35};
const DaneLinii kLinie220 = {{0.055, 0.080}, {0.39, 0.42}, {2.7, 2.9}, {350, 450}, 0.15, 0.30};
const DaneLinii kLinie110 = {{0.11, 0.25}, {0.38, 0.42}, {2.6, 2.9}, {90, 150}, 0.15, 0.20};

// The buses pierwsza .. pierwsza + liczba - 1 of one voltage level.
struct Poziom {
  int pierwsza, liczba;
  const DaneLinii* linie;
};

double Odleglosc(const SiecKrajowa::Szyna& a, const SiecKrajowa::Szyna& b) { return std::hypot(a.x - b.x, a.y - b.y); }

class Budowa {
 public:
  Budowa(int n, std::uint64_t ziarno) : los_(ziarno), n_(n) {}
  SiecKrajowa zbuduj();

 private:
  SiecKrajowa::Szyna& szyna(int k) { return s_.szyny[size_t(k - 1)]; }
  int dodajSzyny(double kV, int ile);
  void przenies(int k, const SiecKrajowa::Szyna& gdzie);
  bool polaczone(int a, int b) const { return pary_.contains(std::minmax(a, b)); }
  void linia(const Poziom& p, int a, int b);
  void trafo(int gorny, int dolny, double Sn, double uz, double PCu, double przekladnia);
  void siecPoziomu(const Poziom& p, int dodatkowe);
  std::vector<int> rozproszone(const Poziom& p, const std::vector<int>& zrodla, int ile);
  double zaczep(double od, double do_);

  Los los_;
  int n_;
  double bok_ = 0;
  SiecKrajowa s_;
  std::set<std::pair<int, int>> pary_;
};

int Budowa::dodajSzyny(double kV, int ile) {
  const int pierwsza = static_cast<int>(s_.szyny.size()) + 1;
  for (int i = 0; i < ile; ++i) {
    SiecKrajowa::Szyna sz;
    sz.kV = kV;
    s_.szyny.push_back(sz);
  }
  return pierwsza;
}

// Bus k at the place of `gdzie`; the region follows the place.
void Budowa::przenies(int k, const SiecKrajowa::Szyna& gdzie) {
  SiecKrajowa::Szyna& sz = szyna(k);
  sz.x = gdzie.x;
  sz.y = gdzie.y;
  sz.obszar = 1 + (sz.x > bok_ / 2) + 2 * (sz.y > bok_ / 2);
}

void Budowa::linia(const Poziom& p, int a, int b) {
  const DaneLinii& d = *p.linie;
  SiecKrajowa::Linia l;
  l.od = a;
  l.do_ = b;
  l.R = Dziesietne(los_.z(d.R[0], d.R[1]), 3);
  l.X = Dziesietne(los_.z(d.X[0], d.X[1]), 3);
  l.B = Dziesietne(los_.z(d.B[0], d.B[1]), 2);
  // Lines follow roads and valleys: some 15 % longer than the straight distance.
  l.dlugosc = std::max(2.0, Dziesietne(1.15 * Odleglosc(szyna(a), szyna(b)), 1));
  l.tory = los_.szansa(d.dwaTory) ? 2 : 1;
  l.rateA = l.tory * Wielokrotnosc(los_.z(d.obciazalnosc[0], d.obciazalnosc[1]), 10);
  s_.linie.push_back(l);
  pary_.insert(std::minmax(a, b));
}

void Budowa::trafo(int gorny, int dolny, double Sn, double uz, double PCu, double przekladnia) {
  s_.trafa.push_back({gorny, dolny, Sn, uz, PCu, przekladnia, 0});
  pary_.insert(std::minmax(gorny, dolny));
}

// A tree of the shortest links (Prim's, every pair compared) keeps the level
// in one piece; then `dodatkowe` more lines between near neighbours mesh it.
void Budowa::siecPoziomu(const Poziom& p, int dodatkowe) {
  const int n = p.liczba;
  auto miejsce = [&](int i) -> const SiecKrajowa::Szyna& { return szyna(p.pierwsza + i); };
  std::vector<double> najblizej(size_t(n), INFINITY);
  std::vector<int> skad(size_t(n), -1);
  std::vector<bool> wDrzewie(size_t(n), false);
  int biezaca = 0;
  for (int krok = 1; krok < n; ++krok) {
    wDrzewie[size_t(biezaca)] = true;
    int nastepna = -1;
    for (int j = 0; j < n; ++j) {
      if (wDrzewie[size_t(j)]) continue;
      const double d = Odleglosc(miejsce(biezaca), miejsce(j));
      if (d < najblizej[size_t(j)]) najblizej[size_t(j)] = d, skad[size_t(j)] = biezaca;
      if (nastepna < 0 || najblizej[size_t(j)] < najblizej[size_t(nastepna)]) nastepna = j;
    }
    linia(p, p.pierwsza + skad[size_t(nastepna)], p.pierwsza + nastepna);
    biezaca = nastepna;
  }
  // Candidates: each bus to its five nearest neighbours, shortest first,
  // each taken at its turn with an even chance until enough are.
  constexpr size_t kSasiedzi = 5;
  std::vector<std::pair<double, std::pair<int, int>>> kandydaci;
  for (int i = 0; i < n; ++i) {
    std::vector<std::pair<double, int>> d;
    for (int j = 0; j < n; ++j)
      if (j != i) d.push_back({Odleglosc(miejsce(i), miejsce(j)), j});
    const size_t k = std::min(kSasiedzi, d.size());
    std::partial_sort(d.begin(), d.begin() + static_cast<std::ptrdiff_t>(k), d.end());
    for (size_t m = 0; m < k; ++m)
      if (i < d[m].second) kandydaci.push_back({d[m].first, {p.pierwsza + i, p.pierwsza + d[m].second}});
  }
  std::sort(kandydaci.begin(), kandydaci.end());
  for (int przebieg = 0; przebieg < 8 && dodatkowe > 0; ++przebieg)
    for (const auto& [dl, para] : kandydaci) {
      if (dodatkowe == 0) break;
      if (polaczone(para.first, para.second) || !los_.szansa(0.5)) continue;
      linia(p, para.first, para.second);
      --dodatkowe;
    }
}

// `ile` buses of a level, each in turn the one most lines away from every
// source so far (the `zrodla`, then those already picked): where a real
// grid puts its supply points, so that no substation hangs at the end of a
// long chain of lines.
std::vector<int> Budowa::rozproszone(const Poziom& p, const std::vector<int>& zrodla, int ile) {
  std::vector<std::vector<int>> sasiedzi(size_t(p.liczba));
  auto wPoziomie = [&](int k) { return k >= p.pierwsza && k < p.pierwsza + p.liczba; };
  for (const SiecKrajowa::Linia& l : s_.linie)
    if (wPoziomie(l.od) && wPoziomie(l.do_)) {
      sasiedzi[size_t(l.od - p.pierwsza)].push_back(l.do_ - p.pierwsza);
      sasiedzi[size_t(l.do_ - p.pierwsza)].push_back(l.od - p.pierwsza);
    }
  std::vector<int> odleglosc(size_t(p.liczba), std::numeric_limits<int>::max());
  auto dodajZrodlo = [&](int i) {
    odleglosc[size_t(i)] = 0;
    std::vector<int> kolejka = {i};
    for (size_t k = 0; k < kolejka.size(); ++k)
      for (int m : sasiedzi[size_t(kolejka[k])])
        if (odleglosc[size_t(m)] > odleglosc[size_t(kolejka[k])] + 1) {
          odleglosc[size_t(m)] = odleglosc[size_t(kolejka[k])] + 1;
          kolejka.push_back(m);
        }
  };
  for (int z : zrodla) dodajZrodlo(z - p.pierwsza);
  std::vector<int> kolejnosc(size_t(p.liczba));  // ties go to a random bus
  std::iota(kolejnosc.begin(), kolejnosc.end(), 0);
  los_.tasuj(kolejnosc);
  std::vector<int> wybrane;
  for (int k = 0; k < ile; ++k) {
    int najdalej = kolejnosc[0];
    for (int i : kolejnosc)
      if (odleglosc[size_t(i)] > odleglosc[size_t(najdalej)]) najdalej = i;
    dodajZrodlo(najdalej);
    wybrane.push_back(p.pierwsza + najdalej);
  }
  return wybrane;
}

// A tap position between `od` and `do_` in steps of 1,25 % (1/80).
double Budowa::zaczep(double od, double do_) {
  const int k =
      los_.calkowita(static_cast<int>(std::lround((od - 1) * 80)), static_cast<int>(std::lround((do_ - 1) * 80)));
  return (80 + k) / 80.0;
}

SiecKrajowa Budowa::zbuduj() {
  if (n_ < kNajmniejSzyn || n_ > kNajwiecejSzyn)
    throw std::invalid_argument("liczba szyn spoza zakresu " + std::to_string(kNajmniejSzyn) + "–" +
                                std::to_string(kNajwiecejSzyn));
  // Shares of a national grid: a few 400 kV substations, twice as many at
  // 220 kV, one generating unit in nine buses, the rest 110 kV.
  const int n400 = std::max(3, static_cast<int>(std::lround(0.035 * n_)));
  const int n220 = std::max(4, static_cast<int>(std::lround(0.075 * n_)));
  const int nGen = std::max(3, static_cast<int>(std::lround(0.11 * n_)));
  const int n110 = n_ - n400 - n220 - nGen;
  // The country grows with the grid, so that line lengths stay those of a
  // real one: some 14 km between 110 kV substations, 65 km at 400 kV.
  bok_ = 600.0 * std::sqrt(n_ / 2383.0);
  const Poziom p400{dodajSzyny(400, n400), n400, &kLinie400};
  const Poziom p220{dodajSzyny(220, n220), n220, &kLinie220};
  const Poziom p110{dodajSzyny(110, n110), n110, &kLinie110};

  // Branches as in the real grid: 2896 for 2383 buses. Every 220 kV
  // substation feeds 110 kV, every 400 kV one 220 kV (60 %) or 110 kV;
  // every unit has its step-up transformer; the rest are lines, a tree of
  // each level and the meshes shared out by how meshed a level usually is.
  const int t400_220 = std::max(1, static_cast<int>(std::lround(0.6 * n400)));
  const int t400_110 = n400 - t400_220;
  const int galezie = static_cast<int>(std::lround(n_ * 2896.0 / 2383.0));
  const int dodatkowe = std::max(0, galezie - n400 - n220 - nGen - (n400 + n220 + n110 - 3));
  double wagi = 0;
  for (const Poziom* p : {&p400, &p220, &p110}) wagi += p->liczba * p->linie->oczkowanie;
  auto oczka = [&](const Poziom& p) {
    return static_cast<int>(std::lround(dodatkowe * p.liczba * p.linie->oczkowanie / wagi));
  };

  // Units in plants of one to four on one substation, the large ones on 400 and 220 kV.
  struct Blok {
    const Poziom* siec;
    double kV, Pmin, Pmax, uzMin, uzMax;
  };
  const Blok bloki[] = {
      {&p400, 21, 360, 560, 14, 16}, {&p220, 15.75, 120, 250, 12, 14}, {&p110, 10.5, 15, 110, 10, 12}};
  // A small grid has smaller plants, so that none outweighs its load; at
  // 110 kV a plant has at most two units, which its lines can carry away.
  std::vector<std::pair<const Blok*, int>> jednostki;  // kind, substation
  std::vector<int> elektrownie220;
  const int najwiecejBlokow = std::clamp(static_cast<int>(std::lround(4.0 * n_ / 2383)), 1, 4);
  while (static_cast<int>(jednostki.size()) < nGen) {
    const double u = los_.z(0, 1);
    const Blok* b = u < 0.15 ? &bloki[0] : u < 0.45 ? &bloki[1] : &bloki[2];
    const int stacja = b->siec->pierwsza + los_.calkowita(0, b->siec->liczba - 1);
    if (b->siec == &p220) elektrownie220.push_back(stacja);
    const int ile = los_.calkowita(1, b->siec == &p110 ? std::min(2, najwiecejBlokow) : najwiecejBlokow);
    for (int k = ile; k > 0 && static_cast<int>(jednostki.size()) < nGen; --k) jednostki.push_back({b, stacja});
  }

  // 110 kV substations all over the country; the higher levels stand
  // where they feed it, at its substations most lines away from a source.
  // Taps near the middle: the light load and the charging of the long lines
  // already hold the voltages up.
  for (int k = p110.pierwsza; k < p110.pierwsza + n110; ++k) {
    SiecKrajowa::Szyna gdzie;
    gdzie.x = los_.z(0, bok_);
    gdzie.y = los_.z(0, bok_);
    przenies(k, gdzie);
  }
  siecPoziomu(p110, dodatkowe - oczka(p400) - oczka(p220));
  const std::vector<int> zasilane110 = rozproszone(p110, {}, n220 + t400_110);
  for (int i = 0; i < n220; ++i) {
    const int g = p220.pierwsza + i, d = zasilane110[size_t(i)];
    przenies(g, szyna(d));
    const double Sn = std::array{160.0, 250.0, 275.0}[size_t(los_.calkowita(0, 2))];
    trafo(g, d, Sn, Dziesietne(los_.z(11, 13), 1), Wielokrotnosc(los_.z(400, 700), 10), zaczep(0.975, 1.0125));
  }
  siecPoziomu(p220, oczka(p220));
  const std::vector<int> zasilane220 = rozproszone(p220, elektrownie220, t400_220);
  const int pierwszySprzeg = static_cast<int>(s_.trafa.size());
  for (int i = 0; i < n400; ++i) {
    const int g = p400.pierwsza + i;
    const bool do220 = i < t400_220;
    const int d = do220 ? zasilane220[size_t(i)] : zasilane110[size_t(n220 + i - t400_220)];
    przenies(g, szyna(d));
    if (do220)
      trafo(g, d, los_.szansa(0.5) ? 400 : 500, Dziesietne(los_.z(12, 14), 1), Wielokrotnosc(los_.z(800, 1100), 10),
            zaczep(0.975, 1.025));
    else
      trafo(g, d, los_.szansa(0.5) ? 250 : 330, Dziesietne(los_.z(13, 15), 1), Wielokrotnosc(los_.z(600, 900), 10),
            zaczep(0.9875, 1.0125));
  }
  siecPoziomu(p400, oczka(p400));
  // A few of the 400/220 kV transformers also turn the phase, as the
  // phase-shifting transformers at a grid's borders do.
  for (int i = 0; i < std::min(t400_220, std::max(1, n_ / 600)); ++i) {
    const double kat = Wielokrotnosc(los_.z(2, 6), 0.5);
    s_.trafa[size_t(pierwszySprzeg + i)].kat = los_.szansa(0.5) ? kat : -kat;
  }

  // Loads: most 110 kV substations, a few large works at 220 kV.
  double obciazenie = 0;
  for (SiecKrajowa::Szyna& sz : s_.szyny) {
    if (sz.kV == 400) continue;
    if (sz.kV == 110 ? los_.szansa(0.9) : los_.szansa(0.15)) {
      sz.Pd = Dziesietne(sz.kV == 110 ? los_.z(1.5, 11) : los_.z(20, 80), 1);
      sz.Qd = Dziesietne(sz.Pd * los_.z(0.05, 0.2), 1);
      obciazenie += sz.Pd;
    }
  }

  // The slack: the 400 kV substation nearest the middle of the country (an
  // interconnection's equivalent), its voltage a whole number of kV.
  auto odSrodka = [&](int k) { return std::hypot(szyna(k).x - bok_ / 2, szyna(k).y - bok_ / 2); };
  int srodek = p400.pierwsza;
  for (int k = p400.pierwsza; k < p400.pierwsza + n400; ++k)
    if (odSrodka(k) < odSrodka(srodek)) srodek = k;
  s_.bilansujacy = srodek;
  szyna(srodek).typ = 3;
  const double udzialBilansujacego = 0.05 * obciazenie;
  s_.generatory.push_back({srodek, Dziesietne(udzialBilansujacego, 1), Wielokrotnosc(4 * udzialBilansujacego, 10),
                           Wielokrotnosc(2 * udzialBilansujacego, 10), -Wielokrotnosc(udzialBilansujacego, 10),
                           los_.calkowita(404, 416) / 400.0});

  // The units share the load and some 1 % of losses, the slack takes what
  // is left over. Each region (a square of some 150 km) runs its units in
  // proportion to its own load, as a real dispatch keeps the transfers
  // between regions small; then all together are scaled to the load.
  std::vector<double> Pmax;
  for (const auto& [b, stacja] : jednostki) Pmax.push_back(Wielokrotnosc(los_.z(b->Pmin, b->Pmax), 5));
  const int pola = std::max(1, static_cast<int>(std::lround(bok_ / 150)));
  auto pole = [&](int k) {
    auto i = [&](double v) { return std::clamp(static_cast<int>(v / bok_ * pola), 0, pola - 1); };
    return i(szyna(k).x) * pola + i(szyna(k).y);
  };
  std::vector<double> obciazeniePola(size_t(pola * pola)), mocPola(size_t(pola * pola));
  for (int k = 1; k <= static_cast<int>(s_.szyny.size()); ++k) obciazeniePola[size_t(pole(k))] += szyna(k).Pd;
  for (size_t i = 0; i < jednostki.size(); ++i) mocPola[size_t(pole(jednostki[i].second))] += Pmax[i];
  std::vector<double> wykorzystanie(jednostki.size());
  double razem = 0;
  for (size_t i = 0; i < jednostki.size(); ++i) {
    const size_t p = size_t(pole(jednostki[i].second));
    wykorzystanie[i] = std::clamp(obciazeniePola[p] / mocPola[p], 0.3, 0.9);
    razem += wykorzystanie[i] * Pmax[i];
  }
  const double skala = (1.01 * obciazenie - udzialBilansujacego) / razem;
  // Each unit on its terminal bus behind a step-up transformer with a fixed tap.
  for (size_t i = 0; i < jednostki.size(); ++i) {
    const auto& [b, stacja] = jednostki[i];
    const int zacisk = dodajSzyny(b->kV, 1);
    przenies(zacisk, szyna(stacja));
    szyna(zacisk).typ = 2;
    trafo(stacja, zacisk, 5 * std::ceil(1.2 * Pmax[i] / 5), Dziesietne(los_.z(b->uzMin, b->uzMax), 1), 0,
          zaczep(0.95, 1.0));
    s_.generatory.push_back({zacisk, Dziesietne(std::min(1.0, skala * wykorzystanie[i]) * Pmax[i], 1), Pmax[i],
                             Dziesietne(0.6 * Pmax[i], 0), -Dziesietne(0.3 * Pmax[i], 0),
                             (200 + los_.calkowita(0, 10)) / 200.0});
  }
  return std::move(s_);
}

// Shortest text that reads back as the same double, with a decimal point
// as MATLAB wants it.
std::string Liczba(double x) {
  char bufor[32];
  const auto wynik = std::to_chars(bufor, bufor + sizeof bufor, x == 0 ? 0.0 : x);
  return std::string(bufor, wynik.ptr);
}

// The value to 10 significant digits: what the file carries of a computed one.
double Cyfry10(double x) {
  if (x == 0) return 0;
  char bufor[32];
  const auto wynik = std::to_chars(bufor, bufor + sizeof bufor, x, std::chars_format::general, 10);
  double y = 0;
  std::from_chars(bufor, wynik.ptr, y);
  return y;
}

std::string Wiersz(std::initializer_list<double> wartosci) {
  std::string w;
  for (double x : wartosci) w += "\t" + Liczba(x);
  return w + ";\n";
}

}  // namespace

SiecKrajowa ZbudujSiecKrajowa(int n, std::uint64_t ziarno) { return Budowa(n, ziarno).zbuduj(); }

std::vector<GalazMatpower> GalezieMatpower(const SiecKrajowa& s) {
  std::vector<GalazMatpower> g;
  for (const SiecKrajowa::Linia& l : s.linie) {
    // Ohms and siemens of all circuits together over the base impedance of the level.
    const double kV = s.szyny[size_t(l.od - 1)].kV, Zb = kV * kV / kMocBazowaMatpower;
    g.push_back({l.od, l.do_, Cyfry10(l.R * l.dlugosc / l.tory / Zb), Cyfry10(l.X * l.dlugosc / l.tory / Zb),
                 Cyfry10(l.B * 1e-6 * l.dlugosc * l.tory * Zb), l.rateA, 0, 0});
  }
  for (const SiecKrajowa::Transformator& t : s.trafa) {
    // uz and ΔPCu of the rated power, per unit of the base power; the
    // impedance sits on the lower winding's side of the tap, as in MATPOWER.
    const double z = t.uz / 100 * kMocBazowaMatpower / t.Sn;
    const double r = t.PCu / 1000 * kMocBazowaMatpower / (t.Sn * t.Sn);
    g.push_back({t.gorny, t.dolny, Cyfry10(r), Cyfry10(std::sqrt(z * z - r * r)), 0, t.Sn, t.przekladnia, t.kat});
  }
  return g;
}

std::string TekstMatpower(const SiecKrajowa& s, const std::string& nazwa) {
  std::string t = "function mpc = " + nazwa + "\n";
  t += "%" + nazwa + "  Syntetyczna sieć krajowa 400, 220 i 110 kV: " + std::to_string(s.szyny.size()) + " szyn, " +
       std::to_string(s.generatory.size()) + " generatorów, " + std::to_string(s.linie.size() + s.trafa.size()) +
       " gałęzi.\n\n";
  t += "%% MATPOWER Case Format : Version 2\nmpc.version = '2';\n\n";
  t += "%%-----  Power Flow Data  -----%%\n%% system MVA base\nmpc.baseMVA = " + Liczba(kMocBazowaMatpower) + ";\n\n";

  t += "%% bus data\n%\tbus_i\ttype\tPd\tQd\tGs\tBs\tarea\tVm\tVa\tbaseKV\tzone\tVmax\tVmin\nmpc.bus = [\n";
  for (size_t k = 0; k < s.szyny.size(); ++k) {
    const SiecKrajowa::Szyna& sz = s.szyny[k];
    t += Wiersz({double(k + 1), double(sz.typ), sz.Pd, sz.Qd, 0, 0, double(sz.obszar), 1, 0, sz.kV, 1, 1.1, 0.9});
  }
  t += "];\n\n";

  t += "%% generator data\n%\tbus\tPg\tQg\tQmax\tQmin\tVg\tmBase\tstatus\tPmax\tPmin\tPc1\tPc2\tQc1min\tQc1max\t"
       "Qc2min\tQc2max\tramp_agc\tramp_10\tramp_30\tramp_q\tapf\nmpc.gen = [\n";
  for (const SiecKrajowa::Generator& g : s.generatory)
    t += Wiersz({double(g.szyna),
                 g.Pg,
                 0,
                 g.Qmax,
                 g.Qmin,
                 g.Vg,
                 kMocBazowaMatpower,
                 1,
                 g.Pmax,
                 0,
                 0,
                 0,
                 0,
                 0,
                 0,
                 0,
                 0,
                 0,
                 0,
                 0,
                 0});
  t += "];\n\n";

  t += "%% branch data\n%\tfbus\ttbus\tr\tx\tb\trateA\trateB\trateC\tratio\tangle\tstatus\tangmin\tangmax\n"
       "mpc.branch = [\n";
  for (const GalazMatpower& g : GalezieMatpower(s))
    t += Wiersz({double(g.od), double(g.do_), g.r, g.x, g.b, g.rateA, g.rateA, g.rateA, g.ratio, g.kat, 1, -360, 360});
  t += "];\n";
  return t;
}

}  // namespace bench
