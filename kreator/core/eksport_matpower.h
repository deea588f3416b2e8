// Kreator's network as a MATPOWER case, so that an exercise can be checked
// against MATPOWER's own load flow: runpf on the written case gives the
// node voltages Kreator computes. Every bus takes Kreator's one base
// voltage as its baseKV, so Vm × baseKV is the node voltage in kV.
#pragma once

#include <string>

#include "kreator/core/matpower.h"
#include "kreator/core/rozplyw.h"
#include "kreator/core/siec.h"

namespace kreator {

// Lines become branches with their π model; a transformer a branch from its
// lower node to its upper one with tap Ud/Ug and its series admittance,
// its magnetising admittance bus shunts (half at the upper node, t² × half
// at the lower one); the slack node the type-3 bus, generator nodes PV
// buses, loads Pd/Qd. With a converged `wynik` the solution stands in
// Vm/Va and the generators' Pg/Qg; otherwise the buses hold the start
// values of the iteration. `s` has passed the configuration check.
PrzypadekMatpower SiecJakoMatpower(const SiecRozplywu& s, const WynikRozplywu* wynik, const std::string& nazwa);

}  // namespace kreator
