// The step lamps of the wizards: the page being worked on, pages done, and
// pages not reached yet.
#pragma once

namespace common {

enum class Lampa { Neutralna, Biezaca, Wykonana };
inline constexpr int kLiczbaLamp = 13;

}  // namespace common
