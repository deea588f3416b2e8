// A synthetic national grid: three voltage levels (400, 220 and 110 kV),
// each meshed over a square "country", joined by transformers, with
// generating units behind their step-up transformers and loads mostly at
// 110 kV. Sizes follow a real national grid: for 2383 buses about 2896
// branches. The same seed always gives the same network, so a benchmark or
// a test can name one by its size and seed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace bench {

inline constexpr double kMocBazowaMatpower = 100.0;  // MVA
inline constexpr int kNajmniejSzyn = 30;             // enough for every level and a few units
inline constexpr int kNajwiecejSzyn = 20000;         // the meshing compares every pair of a level

struct SiecKrajowa {
  struct Szyna {
    int typ = 1;            // 1 load (PQ), 2 generator (PV), 3 slack: MATPOWER's numbers
    double kV = 0;          // rated voltage, the bus's base
    double Pd = 0, Qd = 0;  // load, MW and Mvar
    int obszar = 1;         // quarter of the country, 1..4
    double x = 0, y = 0;    // position, km
  };
  // An overhead line: the data of one circuit per kilometre.
  struct Linia {
    int od = 0, do_ = 0;  // buses, from 1
    double R = 0, X = 0;  // Ω/km
    double B = 0;         // µS/km
    double dlugosc = 0;   // km
    int tory = 1;         // parallel circuits
    double rateA = 0;     // MVA, all circuits together
  };
  // A two-winding transformer; the tap and the phase shift sit at the upper winding.
  struct Transformator {
    int gorny = 0, dolny = 0;  // buses of the upper and the lower winding
    double Sn = 0;             // MVA
    double uz = 0;             // %
    double PCu = 0;            // kW; 0 for a generator transformer, whose resistance is neglected
    double przekladnia = 1;    // off-nominal ratio, upper winding, 0,95–1,05
    double kat = 0;            // phase shift, degrees; nonzero only at a phase-shifting transformer
  };
  struct Generator {
    int szyna = 0;
    double Pg = 0, Pmax = 0;    // MW
    double Qmax = 0, Qmin = 0;  // Mvar
    double Vg = 1;              // held voltage, pu
  };

  std::vector<Szyna> szyny;  // bus k is szyny[k - 1]
  std::vector<Linia> linie;
  std::vector<Transformator> trafa;
  std::vector<Generator> generatory;  // the slack's generator first
  int bilansujacy = 0;                // the slack bus, on 400 kV
};

// `n` buses, from kNajmniejSzyn to kNajwiecejSzyn (std::invalid_argument otherwise).
SiecKrajowa ZbudujSiecKrajowa(int n, std::uint64_t ziarno);

// A row of MATPOWER's branch matrix: the π model per unit on baseMVA and
// the buses' own base voltages; ratio 0 for a line.
struct GalazMatpower {
  int od = 0, do_ = 0;
  double r = 0, x = 0, b = 0, rateA = 0, ratio = 0, kat = 0;
};
// Lines first, then transformers, each in its own order.
std::vector<GalazMatpower> GalezieMatpower(const SiecKrajowa& s);

// The network as a MATPOWER case, version 2, as MATPOWER writes one: the
// function line `function mpc = NAZWA`, baseMVA = 100, the bus, generator
// and branch matrices under their header comments.
std::string TekstMatpower(const SiecKrajowa& s, const std::string& nazwa);

}  // namespace bench
