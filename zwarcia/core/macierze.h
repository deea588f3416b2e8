// Second stage of the short-circuit run: every element row becomes a branch
// between its nodes (or a node and ground), and the network becomes the
// branch admittance matrix Yg, the incidence matrix A, the source currents
// J and the nodal admittance matrix Yw = Aᵀ·Yg·A. This module and the fault
// solution hold complex values as std::complex<double>; matrices are dense,
// row first, indexed from 0 (branch b and node j at b-1 and j-1).
#pragma once

#include <complex>
#include <string>
#include <vector>

#include "zwarcia/core/impedancje.h"
#include "zwarcia/core/przypadek.h"

namespace zwarcia {

using Zespolona = std::complex<double>;

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
using MacierzCalkowita = Macierz<int>;

enum class RodzajGalezi { System, Generator, Transformator, Linia };

struct Galaz {
  RodzajGalezi rodzaj = RodzajGalezi::System;
  int element = 0;     // row of its table, from 1
  int wezelPlus = 0;   // +1 in the incidence row: the fed node, the upper winding, the line start
  int wezelMinus = 0;  // -1: the lower winding, the line end; 0 for ground
  Zespolona z;         // per unit, all parallel units together
};

// "S1", "G2", "T1", "L3": the element a branch stands for.
std::string NazwaGalezi(const Galaz& g);
// "węzeł 1" for a system or generator, "węzły 2-3" for a transformer or line.
std::string WezlyGalezi(const Galaz& g);

struct MacierzeSieci {
  // Branch order: systems, generators, transformers, lines, each from row 1.
  std::vector<Galaz> galezie;
  MacierzZespolona MacierzYg;                // M x M, y_b = 1 / z_b on the diagonal, per unit
  std::vector<Zespolona> PradyZrodel;        // M, J_b = E·y_b for systems and generators, 0 otherwise
  MacierzCalkowita MacierzStrukturalna;      // M x N, entries +1, -1, 0
  std::vector<Zespolona> WymuszeniaWezlowe;  // N, Jw = Aᵀ·J
  MacierzZespolona MacierzYw;                // N x N, Aᵀ·Yg·A
  std::string blad;                          // why a branch was refused; empty when built
};

// The branches in their fixed order, nodes read as whole numbers
// (common::BladKonwersji for a cell that is not one). Refuses, in `blad`,
// a node outside 1..LiczbaWezlow and a branch with both ends at one node.
std::vector<Galaz> UstalGalezie(const Przypadek& p, const ImpedancjeElementow& e, std::string& blad);

// The first node (from 1) that no path through transformers and lines
// joins to a system or generator, 0 when there is none. Such a node makes
// Yw singular, which rounding can hide from an exact-zero pivot test.
int WezelBezZrodla(const std::vector<Galaz>& galezie, int liczbaWezlow);

// The nodes of the branches must lie in 1..liczbaWezlow (UstalGalezie checks them).
MacierzCalkowita ZbudujMacierzStrukturalna(const std::vector<Galaz>& galezie, int liczbaWezlow);
MacierzZespolona ZbudujMacierzYg(const std::vector<Galaz>& galezie);
// Aᵀ·Yg·A as two dense products, each entry summed over the inner index in
// increasing order.
MacierzZespolona ZbudujMacierzYw(const MacierzCalkowita& A, const MacierzZespolona& Yg);

// All of the above, with every source at the one voltage E (NapiecieZrodla).
MacierzeSieci ZbudujMacierze(const Przypadek& p, const ImpedancjeElementow& e, double NapiecieZrodla);

}  // namespace zwarcia
