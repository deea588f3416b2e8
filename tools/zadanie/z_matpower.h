// A MATPOWER case turned into a load-flow exercise: the data file (".dane")
// and the layout description (".uklad") kreator_zadanie makes the exercise
// from, with every approximation said both to the teacher and in the task
// statement; and an exercise written back as a MATPOWER case.
//
// Kreator has one per-unit base voltage and takes lines in Ω/km and
// transformers by their nameplates; MATPOWER is per unit on each bus's own
// baseKV with the tap at the branch's "from" end. With our per unit
// u_i = v_i·k_i, k_i = baseKV_i / Vb, its admittances become Y_ij/(k_i k_j),
// which is what these elements give:
//  - a branch without a tap between buses of one baseKV: a line of 1 km, one
//    circuit, R' + jX' = (r + jx)·kV²/MVA, B' = b·MVA/kV² (µS);
//  - any other: a transformer with its upper winding at the "to" bus,
//    Ug = baseKV_to, Ud = τ·baseKV_from, Sn = baseMVA, ΔPCu = r·baseMVA
//    (kW ×1000), uz = 100·|r + jx|, inductive charging as i0 = 100·|b|.
// Both exact; so is a transformer parallel to an unlike one, split at an
// auxiliary node (see ZMatpower). Bus shunts (and capacitive transformer
// charging) become loads at the case's own Vm, exact at that solution only.
//
// Pure C++.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "kreator/core/matpower.h"
#include "tools/zadanie/opis.h"
#include "tools/zadanie/pliki.h"

namespace zadanie {

// What Kreator cannot represent, named: phase shifters, an element out of
// service, a second slack bus, a DC line, a bus without connections ...
class BladImportu : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct ImportMatpower {
  std::string nazwa;                 // of the files: "case14" gives case14.dane, case14.uklad
  std::vector<std::string> dane;     // lines of the data file (UTF-8)
  std::vector<std::string> uklad;    // lines of the description before "epsilon" and "r"
  std::vector<std::string> zadanie;  // its "zadanie" lines, after them
  std::string epsilon = "0,0001", r = "1,6";
  bool newton = false;                   // "metoda newton" in place of "r"
  std::vector<std::string> opis;         // what was done, for the teacher
  std::vector<std::string> ostrzezenia;  // the approximations and roundings
};

struct OpcjeImportu {
  // Phase shifters are refused, all of them named, unless their shift is
  // dropped (the branch keeps its tap and impedance): each one dropped is
  // warned about and said in the statement.
  bool bezPrzesuniec = false;
};

// The exercise's files from the case; `nazwa` names them. Throws BladImportu.
ImportMatpower ZMatpower(const kreator::PrzypadekMatpower& c, const std::string& nazwa, const OpcjeImportu& opcje = {});

// The texts of NAZWA.dane and NAZWA.uklad.
std::string TekstDanych(const ImportMatpower& i);
std::string TekstUkladu(const ImportMatpower& i);

// The exercise as kreator_zadanie will make it from the two files: the
// ".ZRM" bytes and the description read back.
std::string ZrmImportu(const ImportMatpower& i);
OpisUkladu OpisImportu(const ImportMatpower& i);

// The whole import of a case file's text: read, converted and computed on
// trial as the program will compute it, trying r = 1,6, 1,4, 1,2, 1,8 in
// turn until Gauss–Seidel converges. A grid of more than
// kMaksWezlowRysunku nodes, no hand exercise anyway, that Gauss–Seidel
// cannot solve in its 1000 sweeps is computed by Newton–Raphson instead,
// and its statement says the exercise is meant for --metoda newton; a
// smaller case stays a Gauss–Seidel exercise or none. Not good (with the
// reason in `wiersze`) when the file is refused, the case cannot be
// represented or the trial does not converge.
struct WynikImportu {
  bool dobry = false;
  ImportMatpower import;
  std::vector<std::string> wiersze;  // for the teacher
};
WynikImportu ImportujMatpower(std::string_view tekst, const std::string& nazwa, const OpcjeImportu& opcje = {});

// The exercise's network as a MATPOWER case (its text), solved as the trial
// solves it, the function named `nazwa`; none when the description lacks
// the slack node, epsilon or r (by Gauss–Seidel).
std::optional<std::string> ZadanieJakoMatpower(std::string_view zrm, const OpisUkladu& opis, const std::string& nazwa);

}  // namespace zadanie
