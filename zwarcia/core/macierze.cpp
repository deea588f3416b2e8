#include "zwarcia/core/macierze.h"

#include <algorithm>

#include "common/core/liczby.h"
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

namespace {

const std::string kNieMozna = "Nie można obliczyć zwarcia: ";

struct Opis {
  RodzajGalezi rodzaj;
  const common::TextGrid* tabela;
  int liczba;
  const ImpedancjeWzgledne* z;
  const char* biernik;     // "linię" L1
  const char* dopelniacz;  // "linii" L1
  const char* litera;
};

int Wezel(const common::TextGrid& g, int kolumna, int wiersz) { return common::NaCalkowita(g.cell(kolumna, wiersz)); }

}  // namespace

std::vector<Galaz> UstalGalezie(const Przypadek& p, const ImpedancjeElementow& e, std::string& blad) {
  const Opis rodzaje[] = {
      {RodzajGalezi::System, &p.SystemySG, p.LiczbaWezlowSystemow, &e.wzgSystemow, "system", "systemu", "S"},
      {RodzajGalezi::Generator, &p.GeneratorySG, p.LiczbaWezlowGeneratorow, &e.wzgGeneratorow, "generator",
       "generatora", "G"},
      {RodzajGalezi::Transformator, &p.TrafoSG, p.LiczbaTransformatorow, &e.wzgTrafo, "transformator",
       "transformatora", "T"},
      {RodzajGalezi::Linia, &p.LinieSG, p.LiczbaLinii, &e.wzgLinii, "linię", "linii", "L"},
  };
  std::vector<Galaz> galezie;
  for (const Opis& o : rodzaje) {
    for (int i = 1; i <= o.liczba; ++i) {
      Galaz g;
      g.rodzaj = o.rodzaj;
      g.element = i;
      g.z = {o.z->R[size_t(i - 1)], o.z->X[size_t(i - 1)]};
      const bool doZiemi = o.rodzaj == RodzajGalezi::System || o.rodzaj == RodzajGalezi::Generator;
      g.wezelPlus = Wezel(*o.tabela, 1, i);
      g.wezelMinus = doZiemi ? 0 : Wezel(*o.tabela, 2, i);
      const std::string nazwa = o.litera + std::to_string(i);
      for (int koniec = 0; koniec < (doZiemi ? 1 : 2); ++koniec) {
        const int wezel = koniec == 0 ? g.wezelPlus : g.wezelMinus;
        // Node numbers index the matrices, so none may lie outside the network.
        if (wezel < 1 || wezel > p.LiczbaWezlow) {
          blad = kNieMozna + "węzeł nr " + std::to_string(wezel) + ", do którego podłączono " + o.biernik + " " +
                 nazwa + ", nie istnieje (sieć ma węzły od 1 do " + std::to_string(p.LiczbaWezlow) + ") !!!";
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
  for (const Galaz& g : galezie)
    if (g.wezelMinus == 0) zasilany[size_t(g.wezelPlus - 1)] = true;
  // Spread the mark along transformers and lines until nothing changes.
  for (bool zmiana = true; zmiana;) {
    zmiana = false;
    for (const Galaz& g : galezie) {
      if (g.wezelMinus == 0) continue;
      const size_t a = size_t(g.wezelPlus - 1), b = size_t(g.wezelMinus - 1);
      if (zasilany[a] != zasilany[b]) {
        zasilany[a] = zasilany[b] = true;
        zmiana = true;
      }
    }
  }
  for (int j = 1; j <= liczbaWezlow; ++j)
    if (!zasilany[size_t(j - 1)]) return j;
  return 0;
}

MacierzCalkowita ZbudujMacierzStrukturalna(const std::vector<Galaz>& galezie, int liczbaWezlow) {
  MacierzCalkowita A(int(galezie.size()), liczbaWezlow);
  for (size_t b = 0; b < galezie.size(); ++b) {
    // Ground has no column: a branch to ground has a single entry.
    A(int(b), galezie[b].wezelPlus - 1) = 1;
    if (galezie[b].wezelMinus > 0) A(int(b), galezie[b].wezelMinus - 1) = -1;
  }
  return A;
}

MacierzZespolona ZbudujMacierzYg(const std::vector<Galaz>& galezie) {
  const int M = int(galezie.size());
  MacierzZespolona Yg(M, M);
  for (int b = 0; b < M; ++b) Yg(b, b) = 1.0 / galezie[size_t(b)].z;
  return Yg;
}

MacierzZespolona ZbudujMacierzYw(const MacierzCalkowita& A, const MacierzZespolona& Yg) {
  const int M = A.wiersze, N = A.kolumny;
  // Aᵀ·Yg·A over the non-zero entries only: a branch row of A has one or two
  // of them, so the products cost the branches, not M²·N. The terms left out
  // are exact zeros, so the sums are the same.
  std::vector<std::vector<std::pair<int, int>>> wiersz(static_cast<size_t>(M));  // row b of A: (node, ±1)
  for (int b = 0; b < M; ++b)
    for (int j = 0; j < N; ++j)
      if (A(b, j) != 0) wiersz[size_t(b)].push_back({j, A(b, j)});
  MacierzZespolona P(N, M), Yw(N, N);  // P = Aᵀ·Yg
  for (int b = 0; b < M; ++b)
    for (int c = 0; c < M; ++c) {
      const Zespolona y = Yg(b, c);
      if (y == Zespolona{}) continue;
      for (auto [j, a] : wiersz[size_t(b)]) P(j, c) += double(a) * y;
    }
  for (int c = 0; c < M; ++c)
    for (auto [k, a] : wiersz[size_t(c)])
      for (int i = 0; i < N; ++i)
        if (P(i, c) != Zespolona{}) Yw(i, k) += P(i, c) * double(a);
  return Yw;
}

MacierzeSieci ZbudujMacierze(const Przypadek& p, const ImpedancjeElementow& e, double NapiecieZrodla) {
  MacierzeSieci s;
  s.galezie = UstalGalezie(p, e, s.blad);
  if (!s.blad.empty()) return s;
  const int M = int(s.galezie.size()), N = p.LiczbaWezlow;
  if (M > common::kMaksLiczbaGalezi) {
    s.blad = "Sieć ma " + std::to_string(M) + " gałęzi; program oblicza sieci o najwyżej " +
             std::to_string(common::kMaksLiczbaGalezi) + " gałęziach (systemy, generatory, transformatory i linie "
             "razem) !!!";
    return s;
  }
  s.MacierzYg = ZbudujMacierzYg(s.galezie);
  // Every source is replaced by its Norton equivalent E·y with one E for all.
  s.PradyZrodel.assign(size_t(M), Zespolona{});
  for (int b = 0; b < M; ++b) {
    const RodzajGalezi r = s.galezie[size_t(b)].rodzaj;
    if (r == RodzajGalezi::System || r == RodzajGalezi::Generator)
      s.PradyZrodel[size_t(b)] = NapiecieZrodla * s.MacierzYg(b, b);
  }
  s.MacierzStrukturalna = ZbudujMacierzStrukturalna(s.galezie, N);
  s.WymuszeniaWezlowe.assign(size_t(N), Zespolona{});
  for (int j = 0; j < N; ++j)
    for (int b = 0; b < M; ++b)
      s.WymuszeniaWezlowe[size_t(j)] += double(s.MacierzStrukturalna(b, j)) * s.PradyZrodel[size_t(b)];
  s.MacierzYw = ZbudujMacierzYw(s.MacierzStrukturalna, s.MacierzYg);
  return s;
}

}  // namespace zwarcia
