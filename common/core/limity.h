// Practical limits on what a user or a file may ask of the programs. A
// count above them is refused with a message that names the limit.
#pragma once

namespace common {

inline constexpr int kMaksLiczbaWezlow = 1000;
inline constexpr int kMaksLiczbaElementow = 2000;  // rows of one element table
inline constexpr int kMaksLiczbaGalezi = 2000;     // short circuit: systems, generators, transformers, lines
inline constexpr int kMaksNapiecieKv = 999;   // slack-node and fault-node voltage, whole kV
inline constexpr long long kMaksRozmiarPliku = 16ll << 20;  // an exercise data file, bytes
inline constexpr int kMaksBokObrazu = 10000;  // pixels of an exercise picture, each side

}  // namespace common
