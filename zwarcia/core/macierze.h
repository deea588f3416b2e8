// Second stage of the short-circuit run: every element row becomes a branch
// between its nodes (or a node and ground), and the network becomes the
// branch admittances (the diagonal of Yg), the incidence matrix A (each
// branch's one or two nodes), the source currents J and the nodal
// admittance matrix Yw = Aᵀ·Yg·A, stamped branch by branch as a sparse
// matrix. This module and the fault solution hold complex values as
// std::complex<double>, indexed from 0 (branch b and node j at b-1 and j-1).
#pragma once

#include <Eigen/SparseCore>
#include <complex>
#include <string>
#include <vector>

#include "zwarcia/core/impedancje.h"
#include "zwarcia/core/przypadek.h"
#include "zwarcia/core/siec.h"

namespace zwarcia {

using Zespolona = std::complex<double>;
// Column-major, only the entries a branch puts there are stored.
using MacierzRzadka = Eigen::SparseMatrix<Zespolona>;

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
  // They are also the incidence matrix A (M x N): row b holds +1 at
  // wezelPlus and -1 at wezelMinus, nothing for ground.
  std::vector<Galaz> galezie;
  int LiczbaWezlow = 0;                      // N, the columns of A
  std::vector<Zespolona> MacierzYg;          // M, y_b = 1 / z_b: the diagonal of Yg, per unit
  std::vector<Zespolona> PradyZrodel;        // M, J_b = E·y_b for systems and generators, 0 otherwise
  std::vector<Zespolona> WymuszeniaWezlowe;  // N, Jw = Aᵀ·J
  MacierzRzadka MacierzYw;                   // N x N, Aᵀ·Yg·A
  std::string blad;                          // why a branch was refused; empty when built

  // Single entries as the result tables show them, zero where nothing is stored.
  Zespolona Yg(int b, int c) const;
  int A(int b, int j) const;
  Zespolona Yw(int i, int j) const { return MacierzYw.coeff(i, j); }
};

// The branches in their fixed order, nodes from the model. Refuses, in
// `blad`, a node outside 1..LiczbaWezlow and a branch with both ends at one
// node.
std::vector<Galaz> UstalGalezie(const SiecZwarcia& s, const ImpedancjeElementow& e, std::string& blad);

// The first node (from 1) that no path through transformers and lines
// joins to a system or generator, 0 when there is none. Such a node makes
// Yw singular, which rounding can hide from an exact-zero pivot test.
int WezelBezZrodla(const std::vector<Galaz>& galezie, int liczbaWezlow);

// Aᵀ·Yg·A of branches whose nodes lie in 1..liczbaWezlow (UstalGalezie
// checks them): each branch adds y_b to the diagonal entries of its nodes
// and -y_b to the two entries between them. An entry is the sum of its
// terms in branch order, starting from zero; a branch with y_b = 0 adds
// nothing, so an entry is stored only where some branch puts a term.
MacierzRzadka ZbudujMacierzYw(const std::vector<Galaz>& galezie, const std::vector<Zespolona>& Yg, int liczbaWezlow);

// All of the above, with every source at the one voltage E (NapiecieZrodla).
MacierzeSieci ZbudujMacierze(const SiecZwarcia& s, const ImpedancjeElementow& e, double NapiecieZrodla);
// The same on the model read from the case here (common::BladKonwersji for
// a cell that is not a number).
MacierzeSieci ZbudujMacierze(const Przypadek& p, const ImpedancjeElementow& e, double NapiecieZrodla);

}  // namespace zwarcia
