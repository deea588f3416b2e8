// The typed network of a load-flow case: the four tables read once, after
// the configuration check has passed, into node numbers and values. The
// computation, its tables and its flows read this model, not cell text.
#pragma once

#include <vector>

#include "kreator/core/przypadek.h"

namespace kreator {

struct SiecRozplywu {
  // A line row: per-kilometre data as typed, for all circuits of the row.
  struct Linia {
    int poczatek = 0, koniec = 0;  // nodes, from 1
    double napiecie = 0;           // rated voltage, kV
    // 110, 220 or 400 when the voltage cell reads exactly that level, else
    // 0: the base voltage counts the levels as written ("110,0" is none).
    int poziom = 0;
    double R = 0, X = 0;           // Ω/km
    double B = 0;                  // µS/km
    double dlugosc = 0;            // km
    double tory = 0;               // parallel circuits
  };

  // A transformer row: nameplate data.
  struct Transformator {
    int gorny = 0, dolny = 0;    // nodes of the upper and the lower winding
    double Ug = 0, Ud = 0;       // rated voltages, kV
    double Sn = 0;               // MVA
    double PCu = 0, PFe = 0;     // kW
    double uz = 0, i0 = 0;       // %
  };

  // A generator node: the magnitude it holds and the active power it delivers.
  struct WezelElektrowniany {
    int wezel = 0;
    double napiecie = 0;  // kV
    double P = 0;         // MW
  };

  // A load node: the power taken there.
  struct Odbior {
    int wezel = 0;
    double P = 0;  // MW
    double Q = 0;  // Mvar
  };

  int N = 0;  // nodes 1..N
  std::vector<Linia> linie;
  std::vector<Transformator> trafa;
  std::vector<WezelElektrowniany> elektrownie;
  std::vector<Odbior> odbiory;
  int bilansujacy = 0;              // slack node
  double napiecieBilansujace = 0;   // kV
  double epsilon = 0;
  double relaksacja = 0;            // r
};

// The one reading of a node-number cell: common::NaCalkowita. The check
// and the computation both use it.
int NumerWezla(const common::TextGrid& g, int kolumna, int wiersz);

// The level a line's voltage cell names, as SiecRozplywu::Linia::poziom.
int PoziomNapiecia(const std::string& komorka);

// Reads rows 1..count of each table. A cell that is not a number (or a node
// cell that is not an integer) throws common::BladKonwersji.
SiecRozplywu ZbudujSiec(const Przypadek& p);

}  // namespace kreator
