// The whole short-circuit run and its last stage: the three-phase fault at
// WezelZwarcia, solved with complex values (std::complex<double>) by
// superposition on the pre-fault state. The sparse nodal matrix Yw is
// factored once (LU with partial pivoting); the pre-fault voltages and the
// one column of Zw = Yw⁻¹ the fault needs are solved from it, so Zw itself
// is never formed.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "zwarcia/core/impedancje.h"
#include "zwarcia/core/macierze.h"
#include "zwarcia/core/przypadek.h"

namespace zwarcia {

// A dense matrix, row first, indexed from 0, for small matrices only.
template <typename T>
struct Macierz {
  int wiersze = 0, kolumny = 0;
  std::vector<T> dane;  // row first

  Macierz() = default;
  Macierz(int w, int k) : wiersze(w), kolumny(k), dane(size_t(w) * size_t(k), T{}) {}
  T& operator()(int w, int k) { return dane[size_t(w) * size_t(kolumny) + size_t(k)]; }
  const T& operator()(int w, int k) const { return dane[size_t(w) * size_t(kolumny) + size_t(k)]; }
};
using MacierzZespolona = Macierz<Zespolona>;

// Inverse of a small dense matrix by LU decomposition with partial
// pivoting: in each column the row of the largest modulus, the first of
// equal moduli. No tolerance: std::nullopt only when a pivot is exactly
// zero.
std::optional<MacierzZespolona> OdwrocMacierz(const MacierzZespolona& W);

struct WynikZwarcia {
  bool poprawny = false;
  std::string blad;  // why the run was refused, in Polish; then nothing else is filled

  WielkosciBazowe baza;            // MVA, kV, Ω, kA; NapiecieZrodla per unit
  ImpedancjeElementow impedancje;  // ohms for the element tables, per unit for the branches
  MacierzeSieci sieci;             // branches (and A), the diagonal of Yg, PradyZrodel, Jw, sparse Yw

  // Per unit; node j at j-1, branch b at b-1.
  std::vector<Zespolona> NapieciaPrzedZwarciem;  // V0, Yw·V0 = Jw: E at every node of a sound network
  std::vector<Zespolona> NapieciaWezlowe;        // U = V0 - Zw[:, f]·If during the fault, 0 at f
  std::vector<Zespolona> PradyGaleziowe;         // J_b - y_b·(A·U)_b, in the branch's incidence sense
  Zespolona ImpedancjaZwarciowa;                 // Zk = Zw[f][f]
  Zespolona PradZwarciowy;                       // If = V0_f / Zk

  double PradPoczatkowy = 0;  // kA, |Σ_b a[b][f]·PradyGaleziowe_b|·PradBazowy
  double StosunekRdoX = 0;    // Re(Zk) / Im(Zk); X/R is its inverse
};

// Zk in ohms at the fault point: Zk in per unit times the base impedance of
// the fault's level, (1,05·Un)² / MocBazowa. Since I″k = c·Un/(√3·|Zk|) with
// c = 1,1, this is the IEC 60909 short-circuit impedance.
Zespolona ImpedancjaZwarciowaOm(const WynikZwarcia& w);

// Runs the computation on the case as the wizard leaves it, after the
// configuration check: the element tables are read once into the network
// model (siec.h) and everything after reads that. Never throws: a cell that
// is not a number (its conversion message), a value that cannot be
// computed, a node outside the network, a singular Yw, results that are not
// finite or a network too large for the memory come back with
// poprawny == false and the reason in `blad`. Keeps no state between calls,
// so runs may go on in other threads.
WynikZwarcia ObliczZwarcie(const Przypadek& p);

}  // namespace zwarcia
