// The Newton-Raphson iteration of the load flow, beside Gauss-Seidel: the
// same model, matrix, start values and node types, judged by the same
// power mismatch. It solves in a few iterations the networks on which
// Gauss-Seidel needs hundreds of sweeps or never settles.
#pragma once

#include "kreator/core/rozplyw.h"
#include "kreator/core/siec.h"
#include "kreator/core/wezly_rozplywu.h"

namespace kreator {

// Polar form: the unknowns are the angle of every node but the slack and
// the magnitude of every load and untyped node; a generator node holds
// its magnitude, the slack its voltage. Each iteration solves the sparse
// Jacobian for the corrections. Starts from d.U and leaves the voltages
// there; reads w.MacierzY and w.baza, and fills of `w` what Gauss-Seidel
// fills: iteracje, ostatniaZmiana, niezbilansowanie and its node,
// zbiezny, blad, and zbieznosc when opcje.zbieznosc is set. Converged
// once the largest mismatch is below s.epsilon (per unit of MocBazowa).
void NewtonRaphson(const SiecRozplywu& s, DaneWezlow& d, const OpcjeRozplywu& opcje, const PostepRozplywu& postep,
                   WynikRozplywu& w);

}  // namespace kreator
