// Practical limits on what a user or a file may ask of the programs. A
// count above them is refused with a message that names the limit.
#pragma once

namespace common {

// A national grid (some 2400 nodes, 2900 branches) fits with room to
// spare: both programs store their matrices sparse and format the tables
// on demand, so they stay quick at these sizes.
inline constexpr int kMaksLiczbaWezlow = 5000;
inline constexpr int kMaksLiczbaElementow = 10000;  // rows of one element table
// Short circuit: systems, generators, transformers and lines together,
// every table full.
inline constexpr int kMaksLiczbaGalezi = 2 * kMaksLiczbaWezlow + 2 * kMaksLiczbaElementow;
inline constexpr int kMaksNapiecieKv = 999;   // slack-node and fault-node voltage, whole kV
inline constexpr long long kMaksRozmiarPliku = 16ll << 20;  // an exercise data file, bytes
inline constexpr int kMaksBokObrazu = 10000;  // pixels of an exercise picture, each side

}  // namespace common
