// What flows through each line and transformer of a solved load flow: the
// powers entering it at both ends, the currents, the losses and the loading
// of transformers; the balance of the whole network; and the nodes whose
// voltage lies outside 0,9–1,1 of their rated voltage.
#pragma once

#include <complex>
#include <optional>
#include <string>
#include <vector>

#include "kreator/core/siec.h"

namespace kreator {

struct WynikRozplywu;

struct PrzeplywGalezi {
  std::string element;  // "L1" .. lines first, then "T1" ..
  int od = 0, do_ = 0;  // line start and end; transformer upper and lower node
  // Power entering the element at each end, MW + j Mvar.
  std::complex<double> Sod, Sdo;
  double Iod = 0, Ido = 0;           // current at each end, kA
  std::optional<double> obciazenie;  // transformers: the larger |S| of the ends / Sn, %
  std::complex<double> straty() const { return Sod + Sdo; }
};

// MW + j Mvar: delivered by the generator nodes (the slack node included),
// taken at load nodes and nodes without a type, lost in the branches.
struct BilansMocy {
  std::complex<double> wytwarzana, odbierana, straty;
};

// A node outside 0,9–1,1 of its rated voltage: that of the first line (in
// table order) touching it, else of the first transformer winding on it.
struct OstrzezenieNapiecia {
  int wezel = 0;
  double UkV = 0, znamionowe = 0;
};

// Fills the flows, the balance and the voltage warnings of a converged run
// of network `s` from its voltages and the elements' own parts of the
// admittance matrix.
void ObliczPrzeplywy(const SiecRozplywu& s, WynikRozplywu& w);

}  // namespace kreator
