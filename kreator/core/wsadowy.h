// The batch mode: an exercise computed without any window, for answer keys
// and scripts. The same loader, page rules, check and run as the windows.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace kreator {

// Runs `Kreator --batch ...` with the arguments after the program name.
// Returns the exit code: 0 done, 1 refused (the Polish message is on
// `bledy`), 2 a usage error.
int UruchomWsadowo(const std::vector<std::string>& argumenty, std::ostream& wyjscie, std::ostream& bledy);

// True when the command line asks for the batch mode or its help.
bool TrybWsadowy(const std::vector<std::string>& argumenty);

}  // namespace kreator
