#include "kreator/core/newton.h"

#include <Eigen/SparseCore>
#include <Eigen/SparseLU>
#include <cmath>
#include <new>
#include <string>
#include <vector>

#include "common/core/liczby.h"

namespace kreator {

using common::CalkowitaNaTekst;
using common::LiczbaNaTekst;
using Zespolona = std::complex<double>;

namespace {

using MacierzRzadka = Eigen::SparseMatrix<double>;
using Wpis = Eigen::Triplet<double>;
constexpr Zespolona kJ{0.0, 1.0};

bool Skonczona(Zespolona z) { return std::isfinite(z.real()) && std::isfinite(z.imag()); }

// Where the unknowns of each node sit among the corrections: its angle,
// whose row in the Jacobian is its ΔP, and its magnitude, whose row is its
// ΔQ; -1 where the node has none (the slack has neither, a generator node
// no magnitude).
struct Niewiadome {
  std::vector<int> kat, modul;
  int liczba = 0;
};

Niewiadome Ponumeruj(const DaneWezlow& d) {
  Niewiadome n{std::vector<int>(d.typ.size(), -1), std::vector<int>(d.typ.size(), -1), 0};
  for (size_t i = 0; i < d.typ.size(); ++i) {
    if (d.typ[i] == TypWezla::Bilansujacy) continue;
    n.kat[i] = n.liczba++;
    if (d.typ[i] != TypWezla::Elektrowniany) n.modul[i] = n.liczba++;
  }
  return n;
}

// The mismatch vector f (computed injection less specified: ΔP, and ΔQ
// where the magnitude is unknown) and the Jacobian ∂f/∂(θ, |U|) as
// triplets, row by row of the admittance matrix. With U_j = |U_j| e_j,
// e_j = e^{jθ_j}, and S_i = U_i conj(Σ Y_ij U_j):
//   ∂S_i/∂θ_j   = −j U_i conj(Y_ij U_j),        ∂S_i/∂|U_j| = U_i conj(Y_ij e_j)   (j ≠ i),
//   ∂S_i/∂θ_i   =  j U_i conj(I_i − Y_ii U_i),  ∂S_i/∂|U_i| = conj(I_i) e_i + U_i conj(Y_ii e_i).
// The real parts go to the ΔP row, the imaginary ones to the ΔQ row. The
// entries are the same every iteration, so the pattern is too.
void Jakobian(const MacierzAdmitancji& Y, const DaneWezlow& d, const Niewiadome& n, const std::vector<Zespolona>& e,
              std::vector<Wpis>& wpisy, Eigen::VectorXd& f) {
  const std::vector<Zespolona>& U = d.U;
  wpisy.clear();
  const auto dodaj = [&](int p, int q, int kolumna, Zespolona pochodna) {
    wpisy.emplace_back(p, kolumna, pochodna.real());
    if (q >= 0) wpisy.emplace_back(q, kolumna, pochodna.imag());
  };
  for (size_t i = 0; i < U.size(); ++i) {
    const int p = n.kat[i], q = n.modul[i];
    if (p < 0) continue;
    const Zespolona I = PradWezla(Y, U, i);
    const Zespolona roznica = U[i] * std::conj(I) - d.S[i];
    f[p] = roznica.real();
    if (q >= 0) f[q] = roznica.imag();
    for (const auto& [kolumna, yij] : Y.wiersz(int(i) + 1)) {
      if (yij == 0.0) continue;
      const size_t j = size_t(kolumna - 1);
      if (n.kat[j] >= 0) dodaj(p, q, n.kat[j], -kJ * U[i] * std::conj(yij * U[j]));
      if (n.modul[j] >= 0) dodaj(p, q, n.modul[j], U[i] * std::conj(yij * e[j]));
    }
    const Zespolona yii = Y.przekatna(int(i) + 1);
    dodaj(p, q, p, kJ * U[i] * std::conj(I - yii * U[i]));
    if (q >= 0) dodaj(p, q, q, std::conj(I) * e[i] + U[i] * std::conj(yii * e[i]));
  }
}

std::string Iteracja(int krok) { return "w iteracji nr " + CalkowitaNaTekst(krok) + " metody Newtona-Raphsona"; }

}  // namespace

void NewtonRaphson(const SiecRozplywu& s, DaneWezlow& d, const OpcjeRozplywu& opcje, const PostepRozplywu& postep,
                   WynikRozplywu& w) {
  const MacierzAdmitancji& Y = w.MacierzY;
  std::vector<Zespolona>& U = d.U;
  const Niewiadome n = Ponumeruj(d);
  // Magnitudes, angles and unit phasors of the voltages; the start values
  // are real, so the angles start at 0 (or π for a negative one).
  std::vector<double> modul(U.size()), kat(U.size());
  std::vector<Zespolona> e(U.size());
  for (size_t i = 0; i < U.size(); ++i) {
    modul[i] = std::abs(U[i]);
    kat[i] = std::arg(U[i]);
    e[i] = {std::cos(kat[i]), std::sin(kat[i])};
  }
  const auto niezbilansowanie = [&] {
    const auto [najwieksze, wezel] = Niezbilansowanie(Y, d, U);
    w.niezbilansowanie = najwieksze * w.baza.MocBazowa;
    w.wezelNiezbilansowania = wezel;
    return najwieksze;
  };

  MacierzRzadka J(n.liczba, n.liczba);
  Eigen::VectorXd f(n.liczba), dx(n.liczba);
  std::vector<Wpis> wpisy;
  Eigen::SparseLU<MacierzRzadka> lu;
  std::vector<Zespolona> nowe;
  for (int krok = 1; krok <= kMaksLiczbaIteracjiNewtona && !w.zbiezny; ++krok) {
    Jakobian(Y, d, n, e, wpisy, f);
    if (n.liczba > 0) {
      J.setFromTriplets(wpisy.begin(), wpisy.end());
      // The pattern follows the matrix and the node types alone: ordered once.
      if (krok == 1) lu.analyzePattern(J);
      lu.factorize(J);
      // Eigen reports running out of working memory in the same way as a
      // zero pivot; only the words tell them apart.
      if (lu.lastErrorMessage().rfind("UNABLE TO", 0) == 0) throw std::bad_alloc();
      if (lu.info() != Eigen::Success) {
        niezbilansowanie();
        w.blad = "Obliczenia przerwane: " + Iteracja(krok) +
                 " macierz Jacobiego jest osobliwa, więc nie można wyznaczyć poprawek napięć węzłowych.\n"
                 "Sprawdź dane układu !!!";
        return;
      }
      dx = lu.solve(-f);
    }

    nowe = U;
    NajwiekszyModul zmiana;
    for (size_t i = 0; i < U.size(); ++i) {
      if (n.kat[i] < 0) continue;
      const double m = n.modul[i] < 0 ? modul[i] : modul[i] + dx[n.modul[i]];
      const double fi = kat[i] + dx[n.kat[i]];
      const Zespolona ei{std::cos(fi), std::sin(fi)};
      nowe[i] = m * ei;
      if (!Skonczona(nowe[i])) {
        niezbilansowanie();
        w.blad = "Obliczenia nie są zbieżne: " + Iteracja(krok) + " napięcie węzła nr " + CalkowitaNaTekst(int(i) + 1) +
                 " przestało być liczbą skończoną.\nSprawdź dane układu !!!";
        return;
      }
      zmiana.dodaj(nowe[i] - U[i]);
      modul[i] = m;
      kat[i] = fi;
      e[i] = ei;
    }
    U.swap(nowe);

    w.iteracje = krok;
    w.ostatniaZmiana = zmiana.modul();
    if (postep) postep(krok, w.ostatniaZmiana);
    w.zbiezny = niezbilansowanie() < s.epsilon;
    if (opcje.zbieznosc) w.zbieznosc.push_back({w.ostatniaZmiana, w.niezbilansowanie});
  }
  if (!w.zbiezny)
    w.blad = "Obliczenia nie są zbieżne: po " + CalkowitaNaTekst(w.iteracje) +
             " iteracjach metody Newtona-Raphsona największa zmiana napięcia węzłowego wynosi " +
             LiczbaNaTekst(w.ostatniaZmiana) + " j.w., a największe niezbilansowanie mocy " +
             common::WedlugWzorca("0.0000", w.niezbilansowanie) + " MVA (węzeł nr " +
             CalkowitaNaTekst(w.wezelNiezbilansowania) + "); dopuszczalne niezbilansowanie \"epsilon\" to " +
             LiczbaNaTekst(s.epsilon) + " (" + LiczbaNaTekst(s.epsilon * w.baza.MocBazowa) +
             " MVA).\nSprawdź dane układu: sieć może nie być w stanie przesłać zadanych mocy !!!";
}

}  // namespace kreator
