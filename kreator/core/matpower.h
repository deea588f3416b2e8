// The case file of MATPOWER (format version 2), the common language of
// textbook test networks: reading one into its three tables (buses,
// generators, branches) and writing one. Per unit on each bus's own baseKV
// and on baseMVA, angles in degrees, as the format defines them.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kreator {

struct PrzypadekMatpower {
  // A row of mpc.bus: bus_i type Pd Qd Gs Bs area Vm Va baseKV zone Vmax Vmin.
  struct Szyna {
    int numer = 0;
    int typ = 1;            // 1 PQ, 2 PV, 3 slack, 4 isolated
    double Pd = 0, Qd = 0;  // load, MW, Mvar
    double Gs = 0, Bs = 0;  // shunt, MW and Mvar at 1 pu
    double obszar = 1;
    double Vm = 1, Va = 0;  // pu, degrees
    double baseKV = 0;
    double strefa = 1;
    double Vmax = 1.1, Vmin = 0.9;
    int wiersz = 0;  // of the file; 0 when not read from one
  };
  // A row of mpc.gen: bus Pg Qg Qmax Qmin Vg mBase status Pmax Pmin.
  struct Generator {
    int szyna = 0;
    double Pg = 0, Qg = 0, Qmax = 0, Qmin = 0;
    double Vg = 1;  // pu
    double mBase = 100;
    double status = 1;  // in service when > 0
    double Pmax = 0, Pmin = 0;
    int wiersz = 0;
  };
  // A row of mpc.branch: fbus tbus r x b rateA rateB rateC ratio angle status angmin angmax.
  struct Galaz {
    int od = 0, do_ = 0;
    double r = 0, x = 0, b = 0;  // pu; b the total charging
    double rateA = 0, rateB = 0, rateC = 0;
    double ratio = 0;  // off-nominal tap at the "from" end; 0 means none
    double angle = 0;  // phase shift, degrees
    double status = 1;
    double angmin = -360, angmax = 360;
    int wiersz = 0;
  };

  std::string nazwa;                   // of the function line
  std::vector<std::string> komentarz;  // lines written under the function line
  double baseMVA = 100;
  std::vector<Szyna> szyny;
  std::vector<Generator> generatory;
  std::vector<Galaz> galezie;
  int wierszDcline = 0;  // where a non-empty mpc.dcline starts; 0 when there is none
};

// A file refused: the message names the line ("wiersz 12: ..."); wiersz()
// is 0 for something missing from the whole file.
class BladMatpower : public std::runtime_error {
 public:
  BladMatpower(int wiersz, const std::string& tresc);
  int wiersz() const { return wiersz_; }

 private:
  int wiersz_;
};

// Reads `function mpc = NAME`, mpc.version (must be '2'), mpc.baseMVA and
// the matrices mpc.bus, mpc.gen, mpc.branch; notes a non-empty mpc.dcline;
// skips every other field (gencost, bus_name, areas ...) and the comments.
// Refuses with BladMatpower: a missing matrix, too few columns, rows of
// different widths, a value that is no number, a bus number given twice or
// unknown, more rows than the programs take (common/core/limity.h).
PrzypadekMatpower CzytajMatpower(std::string_view tekst);

// The case as MATPOWER writes one: the function line, the version,
// baseMVA, the three matrices under their header comments; numbers to ten
// significant digits.
std::string ZapiszMatpower(const PrzypadekMatpower& c);

// A name MATLAB accepts for the function: letters, digits and "_",
// starting with a letter ("2-zad" -> "case_2_zad").
std::string NazwaFunkcjiMatpower(std::string_view nazwa);

}  // namespace kreator
