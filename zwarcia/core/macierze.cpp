#include "zwarcia/core/macierze.h"

#include <algorithm>
#include <tuple>

#include "common/core/limity.h"

namespace zwarcia {

std::string NazwaGalezi(const Galaz& g) {
  static const char* kLitery[] = {"S", "G", "T", "L"};
  return kLitery[static_cast<int>(g.rodzaj)] + std::to_string(g.element);
}

std::string WezlyGalezi(const Galaz& g) {
  if (g.rodzaj == RodzajGalezi::System || g.rodzaj == RodzajGalezi::Generator)
    return "węzeł " + std::to_string(g.wezelPlus);
  return "węzły " + std::to_string(g.wezelPlus) + "-" + std::to_string(g.wezelMinus);
}

Zespolona MacierzeSieci::Yg(int b, int c) const { return b == c ? MacierzYg[size_t(b)] : Zespolona{}; }

int MacierzeSieci::A(int b, int j) const {
  const Galaz& g = galezie[size_t(b)];
  if (g.wezelPlus == j + 1) return 1;
  return g.wezelMinus == j + 1 ? -1 : 0;
}

namespace {

const std::string kNieMozna = "Nie można obliczyć zwarcia: ";

// One kind of element: its rows become branches with these words in the messages.
struct Opis {
  RodzajGalezi rodzaj;
  const ImpedancjeWzgledne* z;
  const char* biernik;     // "linię" L1
  const char* dopelniacz;  // "linii" L1
  const char* litera;
};

// The two nodes of row k of each table; ground is 0.
std::vector<std::pair<int, int>> Wezly(const SiecZwarcia& s, RodzajGalezi r) {
  std::vector<std::pair<int, int>> w;
  switch (r) {
    case RodzajGalezi::System:
      for (const DaneSystemu& d : s.systemy) w.push_back({d.wezel, 0});
      break;
    case RodzajGalezi::Generator:
      for (const DaneGeneratora& d : s.generatory) w.push_back({d.wezel, 0});
      break;
    case RodzajGalezi::Transformator:
      for (const DaneTransformatora& d : s.trafo) w.push_back({d.wezelGorny, d.wezelDolny});
      break;
    case RodzajGalezi::Linia:
      for (const DaneLinii& d : s.linie) w.push_back({d.poczatek, d.koniec});
      break;
  }
  return w;
}

}  // namespace

std::vector<Galaz> UstalGalezie(const SiecZwarcia& s, const ImpedancjeElementow& e, std::string& blad) {
  const Opis rodzaje[] = {
      {RodzajGalezi::System, &e.wzgSystemow, "system", "systemu", "S"},
      {RodzajGalezi::Generator, &e.wzgGeneratorow, "generator", "generatora", "G"},
      {RodzajGalezi::Transformator, &e.wzgTrafo, "transformator", "transformatora", "T"},
      {RodzajGalezi::Linia, &e.wzgLinii, "linię", "linii", "L"},
  };
  std::vector<Galaz> galezie;
  for (const Opis& o : rodzaje) {
    const auto wezly = Wezly(s, o.rodzaj);
    for (size_t k = 0; k < wezly.size(); ++k) {
      Galaz g;
      g.rodzaj = o.rodzaj;
      g.element = int(k) + 1;
      g.z = {o.z->R[k], o.z->X[k]};
      const bool doZiemi = o.rodzaj == RodzajGalezi::System || o.rodzaj == RodzajGalezi::Generator;
      g.wezelPlus = wezly[k].first;
      g.wezelMinus = wezly[k].second;
      const std::string nazwa = o.litera + std::to_string(g.element);
      for (int koniec = 0; koniec < (doZiemi ? 1 : 2); ++koniec) {
        const int wezel = koniec == 0 ? g.wezelPlus : g.wezelMinus;
        // Node numbers index the matrices, so none may lie outside the network.
        if (wezel < 1 || wezel > s.LiczbaWezlow) {
          blad = kNieMozna + "węzeł nr " + std::to_string(wezel) + ", do którego podłączono " + o.biernik + " " +
                 nazwa + ", nie istnieje (sieć ma węzły od 1 do " + std::to_string(s.LiczbaWezlow) + ") !!!";
          return galezie;
        }
      }
      if (g.wezelPlus == g.wezelMinus) {
        blad = kNieMozna + "oba końce " + o.dopelniacz + " " + nazwa + " są w tym samym węźle nr " +
               std::to_string(g.wezelPlus) + " !!!";
        return galezie;
      }
      galezie.push_back(g);
    }
  }
  return galezie;
}

int WezelBezZrodla(const std::vector<Galaz>& galezie, int liczbaWezlow) {
  std::vector<bool> zasilany(size_t(std::max(0, liczbaWezlow)), false);
  std::vector<std::vector<int>> sasiedzi(zasilany.size());
  std::vector<int> kolejka;
  for (const Galaz& g : galezie) {
    const int a = g.wezelPlus - 1;
    if (g.wezelMinus == 0) {
      if (!zasilany[size_t(a)]) kolejka.push_back(a);
      zasilany[size_t(a)] = true;
      continue;
    }
    const int b = g.wezelMinus - 1;
    sasiedzi[size_t(a)].push_back(b);
    sasiedzi[size_t(b)].push_back(a);
  }
  // Spread the mark from the fed nodes along transformers and lines.
  for (size_t i = 0; i < kolejka.size(); ++i)
    for (int m : sasiedzi[size_t(kolejka[i])])
      if (!zasilany[size_t(m)]) {
        zasilany[size_t(m)] = true;
        kolejka.push_back(m);
      }
  for (int j = 1; j <= liczbaWezlow; ++j)
    if (!zasilany[size_t(j - 1)]) return j;
  return 0;
}

MacierzRzadka ZbudujMacierzYw(const std::vector<Galaz>& galezie, const std::vector<Zespolona>& Yg, int liczbaWezlow) {
  struct Wyraz {
    int kolumna, wiersz;
    Zespolona y;
  };
  std::vector<Wyraz> wyrazy;
  wyrazy.reserve(4 * galezie.size());
  for (size_t b = 0; b < galezie.size(); ++b) {
    const Zespolona y = Yg[b];
    if (y == Zespolona{}) continue;
    const int a = galezie[b].wezelPlus - 1, c = galezie[b].wezelMinus - 1;
    wyrazy.push_back({a, a, y});
    if (c < 0) continue;  // ground has no row or column
    wyrazy.push_back({c, c, y});
    wyrazy.push_back({c, a, -y});
    wyrazy.push_back({a, c, -y});
  }
  // By column, then row; a stable sort keeps the branch order within an entry.
  std::stable_sort(wyrazy.begin(), wyrazy.end(), [](const Wyraz& x, const Wyraz& y) {
    return std::tie(x.kolumna, x.wiersz) < std::tie(y.kolumna, y.wiersz);
  });
  std::vector<Eigen::Triplet<Zespolona>> wpisy;
  wpisy.reserve(wyrazy.size());
  for (size_t i = 0; i < wyrazy.size();) {
    Zespolona suma{};
    size_t k = i;
    for (; k < wyrazy.size() && wyrazy[k].kolumna == wyrazy[i].kolumna && wyrazy[k].wiersz == wyrazy[i].wiersz; ++k)
      suma += wyrazy[k].y;
    wpisy.emplace_back(wyrazy[i].wiersz, wyrazy[i].kolumna, suma);
    i = k;
  }
  MacierzRzadka Yw(liczbaWezlow, liczbaWezlow);
  Yw.setFromTriplets(wpisy.begin(), wpisy.end());
  return Yw;
}

MacierzeSieci ZbudujMacierze(const Przypadek& p, const ImpedancjeElementow& e, double NapiecieZrodla) {
  return ZbudujMacierze(ZbudujSiec(p), e, NapiecieZrodla);
}

MacierzeSieci ZbudujMacierze(const SiecZwarcia& siec, const ImpedancjeElementow& e, double NapiecieZrodla) {
  MacierzeSieci s;
  s.galezie = UstalGalezie(siec, e, s.blad);
  if (!s.blad.empty()) return s;
  const int M = int(s.galezie.size()), N = siec.LiczbaWezlow;
  if (M > common::kMaksLiczbaGalezi) {
    s.blad = "Sieć ma " + std::to_string(M) + " gałęzi; program oblicza sieci o najwyżej " +
             std::to_string(common::kMaksLiczbaGalezi) + " gałęziach (systemy, generatory, transformatory i linie "
             "razem) !!!";
    return s;
  }
  s.LiczbaWezlow = N;
  s.MacierzYg.resize(size_t(M));
  for (size_t b = 0; b < size_t(M); ++b) s.MacierzYg[b] = 1.0 / s.galezie[b].z;
  // Every source is replaced by its Norton equivalent E·y with one E for all.
  s.PradyZrodel.assign(size_t(M), Zespolona{});
  for (size_t b = 0; b < size_t(M); ++b) {
    const RodzajGalezi r = s.galezie[b].rodzaj;
    if (r == RodzajGalezi::System || r == RodzajGalezi::Generator) s.PradyZrodel[b] = NapiecieZrodla * s.MacierzYg[b];
  }
  // Jw = Aᵀ·J: a source current enters its node; branches to ground carry the only sources.
  s.WymuszeniaWezlowe.assign(size_t(N), Zespolona{});
  for (size_t b = 0; b < size_t(M); ++b) {
    s.WymuszeniaWezlowe[size_t(s.galezie[b].wezelPlus - 1)] += s.PradyZrodel[b];
    if (s.galezie[b].wezelMinus > 0) s.WymuszeniaWezlowe[size_t(s.galezie[b].wezelMinus - 1)] -= s.PradyZrodel[b];
  }
  s.MacierzYw = ZbudujMacierzYw(s.galezie, s.MacierzYg, N);
  return s;
}

}  // namespace zwarcia
