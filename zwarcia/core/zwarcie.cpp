#include "zwarcia/core/zwarcie.h"

#include <Eigen/SparseLU>
#include <algorithm>
#include <cmath>
#include <new>
#include <numeric>
#include <span>
#include <stdexcept>
#include <utility>

#include "common/core/liczby.h"

namespace zwarcia {

namespace {

// Sums carried at extended precision, stored as doubles.
using Szeroka = std::complex<long double>;

Szeroka S(Zespolona z) { return {z.real(), z.imag()}; }
Zespolona D(Szeroka z) { return {double(z.real()), double(z.imag())}; }

const std::string kNieMozna = "Nie można obliczyć zwarcia: ";

WynikZwarcia Odmowa(std::string powod) {
  WynikZwarcia w;
  w.blad = std::move(powod);
  return w;
}

bool Skonczona(Zespolona z) { return std::isfinite(z.real()) && std::isfinite(z.imag()); }
bool Skonczone(std::span<const Zespolona> v) {
  for (const Zespolona& z : v)
    if (!Skonczona(z)) return false;
  return true;
}

std::string Numer(int n) { return std::to_string(n); }

using Wektor = Eigen::Matrix<Zespolona, Eigen::Dynamic, 1>;
using DwaWektory = Eigen::Matrix<Zespolona, Eigen::Dynamic, 2>;

// B - Yw·X, each entry summed at extended precision.
DwaWektory Reszta(const MacierzRzadka& Yw, const DwaWektory& B, const DwaWektory& X) {
  DwaWektory r(B.rows(), 2);
  std::vector<Szeroka> suma(size_t(B.rows()));
  for (int k = 0; k < 2; ++k) {
    for (Eigen::Index i = 0; i < B.rows(); ++i) suma[size_t(i)] = S(B(i, k));
    for (Eigen::Index j = 0; j < Yw.outerSize(); ++j)
      for (MacierzRzadka::InnerIterator it(Yw, j); it; ++it) suma[size_t(it.row())] -= S(it.value()) * S(X(j, k));
    for (Eigen::Index i = 0; i < B.rows(); ++i) r(i, k) = D(suma[size_t(i)]);
  }
  return r;
}

// Yw·V0 = Jw and Yw·z = e_f from one factorisation of Yw: the pre-fault
// voltages and column f of Zw = Yw⁻¹. One step of refinement, with the
// residual at extended precision, takes the rounding of a long chain of
// small impedances out of the solution. Nothing when a pivot is zero.
std::optional<std::pair<Wektor, Wektor>> Rozwiaz(const MacierzRzadka& Yw, const std::vector<Zespolona>& Jw, int f) {
  Eigen::SparseLU<MacierzRzadka> lu;
  lu.compute(Yw);
  // Eigen reports running out of working memory in the same way as a zero
  // pivot; only the words tell them apart.
  if (lu.lastErrorMessage().rfind("UNABLE TO", 0) == 0) throw std::bad_alloc();
  if (!lu.lastErrorMessage().empty() || lu.info() != Eigen::Success) return std::nullopt;
  const Eigen::Index N = Yw.rows();
  DwaWektory prawe = DwaWektory::Zero(N, 2);
  for (Eigen::Index i = 0; i < N; ++i) prawe(i, 0) = Jw[size_t(i)];
  prawe(f, 1) = 1.0;
  DwaWektory x = lu.solve(prawe);
  x += lu.solve(Reszta(Yw, prawe, x));
  return std::pair<Wektor, Wektor>{x.col(0), x.col(1)};
}

WynikZwarcia Oblicz(const Przypadek& p) {
  const int N = p.LiczbaWezlow, f = p.WezelZwarcia - 1;
  if (N < 1) return Odmowa(kNieMozna + "sieć nie ma żadnego węzła !!!");
  if (f < 0 || f >= N)
    return Odmowa(kNieMozna + "węzeł zwarcia nr " + Numer(p.WezelZwarcia) + " nie istnieje (sieć ma węzły od 1 do " +
                  Numer(N) + ") !!!");
  if (!(p.NapiecieZwarcia > 0) || !std::isfinite(p.NapiecieZwarcia))
    return Odmowa(kNieMozna + "napięcie znamionowe sieci w miejscu zwarcia musi być większe od zera, a wynosi " +
                  common::LiczbaNaTekst(p.NapiecieZwarcia) + " kV !!!");

  // The cells are read here, once; everything below reads the model.
  const SiecZwarcia siec = ZbudujSiec(p);
  WynikZwarcia w;
  w.baza = UstalWielkosciBazowe(p.NapiecieZwarcia);
  w.impedancje = ObliczImpedancje(p, siec, w.baza);
  if (!w.impedancje.blad.empty()) return Odmowa(w.impedancje.blad);
  w.sieci = ZbudujMacierze(siec, w.impedancje, w.baza.NapiecieZrodla);
  if (!w.sieci.blad.empty()) return Odmowa(w.sieci.blad);
  const MacierzeSieci& s = w.sieci;
  const std::string nieskonczone =
      kNieMozna + "wyniki obliczeń nie są liczbami skończonymi (dane są zbyt duże lub zbyt małe) !!!";
  const std::span<const Zespolona> wpisyYw(s.MacierzYw.valuePtr(), size_t(s.MacierzYw.nonZeros()));
  if (!Skonczone(wpisyYw) || !Skonczone(s.MacierzYg)) return Odmowa(nieskonczone);

  if (const int wezel = WezelBezZrodla(s.galezie, N))
    return Odmowa(kNieMozna + "macierz admitancji węzłowych Yw jest osobliwa, bo węzeł nr " + Numer(wezel) +
                  " nie jest połączony (przez transformatory i linie) z żadnym systemem ani generatorem !!!");
  const auto rozwiazanie = Rozwiaz(s.MacierzYw, s.WymuszeniaWezlowe, f);
  if (!rozwiazanie)
    return Odmowa(kNieMozna +
                  "macierz admitancji węzłowych Yw jest osobliwa (przy jej odwracaniu wystąpił zerowy element "
                  "główny). Sprawdź, czy każda część sieci jest połączona z systemem lub generatorem !!!");
  const auto& [V0, z] = *rozwiazanie;

  // Pre-fault state: every source drives the same E, so V0 = E at every
  // node of a network without islands.
  w.NapieciaPrzedZwarciem.assign(V0.data(), V0.data() + N);

  w.ImpedancjaZwarciowa = z(f);
  const Zespolona Zk = w.ImpedancjaZwarciowa;
  if (Zk == Zespolona{})
    return Odmowa(kNieMozna + "impedancja obwodu zwarciowego w węźle nr " + Numer(f + 1) + " jest równa zeru !!!");
  if (Zk.imag() == 0)
    return Odmowa(kNieMozna + "reaktancja obwodu zwarciowego w węźle nr " + Numer(f + 1) +
                  " jest równa zeru, więc nie można wyznaczyć stosunku R/X !!!");
  w.PradZwarciowy = w.NapieciaPrzedZwarciem[size_t(f)] / Zk;

  // Superposition: the fault current leaves the network at f and pulls
  // every node down by Zw[:, f]·If; f itself is at zero.
  w.NapieciaWezlowe.assign(size_t(N), Zespolona{});
  for (int i = 0; i < N; ++i)
    if (i != f) w.NapieciaWezlowe[size_t(i)] = w.NapieciaPrzedZwarciem[size_t(i)] - z(i) * w.PradZwarciowy;

  // A branch row of A holds +1 at wezelPlus and -1 at wezelMinus (none for ground).
  const auto U = [&w](int wezel) { return wezel > 0 ? S(w.NapieciaWezlowe[size_t(wezel - 1)]) : Szeroka(0); };
  const int M = int(s.galezie.size());
  w.PradyGaleziowe.assign(size_t(M), Zespolona{});
  Szeroka doWezla = 0;
  for (int b = 0; b < M; ++b) {
    const Galaz& g = s.galezie[size_t(b)];
    const Szeroka u = U(g.wezelPlus) - U(g.wezelMinus);
    w.PradyGaleziowe[size_t(b)] = D(S(s.PradyZrodel[size_t(b)]) - S(s.MacierzYg[size_t(b)]) * u);
    if (g.wezelPlus == f + 1) doWezla += S(w.PradyGaleziowe[size_t(b)]);
    if (g.wezelMinus == f + 1) doWezla -= S(w.PradyGaleziowe[size_t(b)]);
  }
  // The branch currents meeting at f add up to If (Kirchhoff's current law).
  w.PradPoczatkowy = double(std::abs(doWezla)) * w.baza.PradBazowy;
  w.StosunekRdoX = Zk.real() / Zk.imag();

  if (!Skonczone(w.NapieciaPrzedZwarciem) || !Skonczone(w.NapieciaWezlowe) || !Skonczone(w.PradyGaleziowe) ||
      !Skonczona(w.PradZwarciowy) || !std::isfinite(w.PradPoczatkowy) || !std::isfinite(w.StosunekRdoX) ||
      !std::all_of(z.data(), z.data() + N, Skonczona))
    return Odmowa(nieskonczone);
  w.poprawny = true;
  return w;
}

}  // namespace

std::optional<MacierzZespolona> OdwrocMacierz(const MacierzZespolona& wejscie) {
  const int n = wejscie.wiersze;
  if (n != wejscie.kolumny) return std::nullopt;
  MacierzZespolona W = wejscie, V(n, n);
  if (n == 0) return V;
  std::vector<int> kolejnosc(static_cast<size_t>(n));
  std::iota(kolejnosc.begin(), kolejnosc.end(), 0);

  // PW = LU in place: L (unit diagonal implied) below the diagonal, U on and above it.
  for (int k = 0; k + 1 < n; ++k) {
    int q = k;
    double najwiekszy = std::abs(W(k, k));
    for (int r = k + 1; r < n; ++r)
      if (std::abs(W(r, k)) > najwiekszy) {
        najwiekszy = std::abs(W(r, k));
        q = r;
      }
    if (najwiekszy == 0) return std::nullopt;
    if (q != k) {
      std::swap(kolejnosc[size_t(k)], kolejnosc[size_t(q)]);
      for (int c = 0; c < n; ++c) std::swap(W(k, c), W(q, c));
    }
    for (int r = k + 1; r < n; ++r) {
      const Zespolona l = W(r, k) / W(k, k);
      W(r, k) = l;
      for (int c = k + 1; c < n; ++c) W(r, c) -= l * W(k, c);
    }
  }
  if (W(n - 1, n - 1) == Zespolona{}) return std::nullopt;

  // L⁻¹ into the strict lower triangle of V.
  for (int c = 0; c + 1 < n; ++c) {
    V(c + 1, c) = -W(c + 1, c);
    for (int r = c + 2; r < n; ++r) {
      Szeroka suma = -S(W(r, c));
      for (int s = c + 1; s < r; ++s) suma -= S(W(r, s)) * S(V(s, c));
      V(r, c) = D(suma);
    }
  }
  // U⁻¹ into the diagonal and upper triangle of V, column by column.
  for (int c = 0; c < n; ++c) {
    V(c, c) = 1.0 / W(c, c);
    for (int r = c - 1; r >= 0; --r) {
      Szeroka suma = 0;
      for (int s = r + 1; s <= c; ++s) suma -= S(W(r, s)) * S(V(s, c));
      V(r, c) = D(suma / S(W(r, r)));
    }
  }
  // U⁻¹·L⁻¹ back into W; the unit diagonal of L⁻¹ is implied.
  for (int r = 0; r < n; ++r)
    for (int c = 0; c < n; ++c) {
      Szeroka suma = c < r ? Szeroka(0) : S(V(r, c));
      for (int s = std::max(r, c + 1); s < n; ++s) suma += S(V(r, s)) * S(V(s, c));
      W(r, c) = D(suma);
    }
  // (PW)⁻¹ = U⁻¹L⁻¹, so W⁻¹ = U⁻¹L⁻¹P: column k goes to column kolejnosc[k].
  for (int c = 0; c < n; ++c)
    for (int r = 0; r < n; ++r) V(r, kolejnosc[size_t(c)]) = W(r, c);
  return V;
}

WynikZwarcia ObliczZwarcie(const Przypadek& p) {
  try {
    return Oblicz(p);
  } catch (const common::BladKonwersji& b) {
    return Odmowa(b.what());
  } catch (const std::bad_alloc&) {
    return Odmowa(kNieMozna + "sieć jest zbyt duża, brakuje pamięci na jej macierze !!!");
  } catch (const std::length_error&) {
    return Odmowa(kNieMozna + "sieć jest zbyt duża, brakuje pamięci na jej macierze !!!");
  }
}

Zespolona ImpedancjaZwarciowaOm(const WynikZwarcia& w) { return w.ImpedancjaZwarciowa * w.baza.ImpedancjaBazowa; }

}  // namespace zwarcia
