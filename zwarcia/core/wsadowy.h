// The batch mode of the short-circuit program: an exercise computed without
// any window, for answer keys and scripts. The same loader, page rules,
// check, computation and factor rules as the windows.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "zwarcia/core/przypadek.h"
#include "zwarcia/core/zwarcie.h"

namespace zwarcia {

// True when the command line asks for the batch mode or its help.
bool TrybWsadowy(const std::vector<std::string>& argumenty);

// Runs `zwarcia --batch ...` with the arguments after the program name.
// Returns the exit code: 0 done, 1 refused (the Polish message is on
// `bledy`), 2 a usage error.
int UruchomWsadowo(const std::vector<std::string>& argumenty, std::ostream& wyjscie, std::ostream& bledy);

// The currents of the results window as their boxes show them; the peak
// and thermal currents only when their factors were given.
struct PradyZwarciowe {
  std::string PrPocz, PrWylSym;
  std::optional<std::string> WspUdaru, PrZwUdar, WspM, PrZwCieplny;
};

}  // namespace zwarcia
