// The load-flow run: element parameters, the admittance matrix, the node
// voltages by a Gauss-Seidel or a Newton-Raphson iteration, the node
// currents and powers.
#pragma once

#include <complex>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "kreator/core/macierz.h"
#include "kreator/core/parametry.h"
#include "kreator/core/przeplywy.h"
#include "kreator/core/przypadek.h"
#include "kreator/core/siec.h"

namespace kreator {

inline constexpr int kMaksLiczbaIteracji = 1000;        // Gauss-Seidel sweeps
inline constexpr int kMaksLiczbaIteracjiNewtona = 50;   // Newton-Raphson iterations

enum class TypWezla { BezTypu, Obciazeniowy, Elektrowniany, Bilansujacy };

// Gauss-Seidel with relaxation r is what the wizard teaches; Newton-Raphson
// solves the same model in a few iterations where Gauss-Seidel needs
// hundreds of sweeps or never settles.
enum class MetodaRozplywu { GaussSeidel, NewtonRaphson };

// One Gauss-Seidel sweep or one Newton-Raphson iteration.
struct KrokZbieznosci {
  double zmiana = 0;            // largest |U_new - U_old| of the step, per unit
  double niezbilansowanie = 0;  // largest |ΔS| after the step, MVA (as WynikRozplywu::niezbilansowanie)
};

struct OpcjeRozplywu {
  MetodaRozplywu metoda = MetodaRozplywu::GaussSeidel;
  // Record every step in WynikRozplywu::zbieznosc. Gauss-Seidel then
  // evaluates the mismatch after every sweep, which doubles its cost.
  bool zbieznosc = false;
};

struct WynikRozplywu {
  ParametryElementow parametry;
  WielkosciBazowe baza;
  MacierzAdmitancji MacierzY;
  // Per unit of the one base voltage and of MocBazowa; entry k-1 is node k.
  std::vector<double> URe, UIm;  // NapieciaWezlowe
  std::vector<double> IRe, IIm;  // PradyWezlowe, I = Y U
  std::vector<double> SRe, SIm;  // MoceWezlowe, S = U conj(I): the power the node injects
  std::vector<TypWezla> typy;
  int iteracje = 0;           // sweeps or iterations done
  double ostatniaZmiana = 0;  // largest |U_new - U_old| of the last step, per unit
  // The largest |ΔS| after the last step over the non-slack nodes, MVA: the
  // computed injection U conj(Σ Y U) less the specified one (only ΔP at a
  // generator node, whose Q is free), and the node where it is.
  double niezbilansowanie = 0;
  int wezelNiezbilansowania = 0;
  bool zbiezny = false;
  MetodaRozplywu metoda = MetodaRozplywu::GaussSeidel;
  std::vector<KrokZbieznosci> zbieznosc;  // when asked for, one entry per step, also of a failed run
  std::string blad;           // why the run failed, when it did
  // Of a converged run only.
  std::vector<PrzeplywGalezi> przeplywy;
  BilansMocy bilans;
  std::vector<OstrzezenieNapiecia> ostrzezenia;

  int N() const { return static_cast<int>(URe.size()); }
  std::complex<double> U(int wezel) const { return {URe[size_t(wezel - 1)], UIm[size_t(wezel - 1)]}; }
  double UkV(int wezel) const { return std::abs(U(wezel)) * baza.NapiecieBazowe; }
  double KatRad(int wezel) const { return std::arg(U(wezel)); }  // atan2, the true angle
  // The power taken at the node (loads positive), in MW and Mvar.
  double PMW(int wezel) const { return -SRe[size_t(wezel - 1)] * baza.MocBazowa; }
  double QMvar(int wezel) const { return -SIm[size_t(wezel - 1)] * baza.MocBazowa; }
};

// Runs the whole computation on a case that has passed the configuration
// check: reads its tables once into the network model, then computes from
// the model only. Never throws for numeric reasons: a run that does not
// converge in 1000 sweeps (Newton-Raphson: 50 iterations), whose numbers
// stop being finite, whose Jacobian is singular, or whose matrices do not
// fit in memory, comes back with zbiezny == false and the reason in
// `blad`. A cell that is not a number
// throws common::BladKonwersji. Either method ends with the same results:
// voltages, currents, node powers, flows, losses and warnings.
// `postep`, when given, hears after every sweep or iteration its number
// and its largest voltage change (per unit), for a window that shows how
// the run goes.
using PostepRozplywu = std::function<void(int krok, double zmiana)>;
WynikRozplywu ObliczRozplyw(const Przypadek& p, const PostepRozplywu& postep = {});
// The same on a model already read; touches nothing but its argument and
// the result.
WynikRozplywu ObliczRozplyw(const SiecRozplywu& s, const PostepRozplywu& postep = {});
WynikRozplywu ObliczRozplyw(const SiecRozplywu& s, const OpcjeRozplywu& opcje, const PostepRozplywu& postep = {});

}  // namespace kreator
