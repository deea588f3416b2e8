// Variants of one exercise for a class: the same network with its loads
// and generation (load flow) or its system short-circuit powers and line
// lengths (short circuit) drawn anew for each student. Every value gets its
// own factor within ±rozrzut per cent and is rounded to as many decimals as
// the teacher wrote it with; each variant then passes the very checks of a
// single exercise (przygotowanie.h), and a load flow must also keep every
// node within 0,9–1,1 of its rated voltage, or it is drawn again.
//
// The draws come from std::mt19937_64, whose sequence the C++ standard
// fixes for every seed, mapped to the factors by hand (the standard
// distributions differ between libraries), so one seed gives the same set
// of files on any machine.
#pragma once

#include <cstdint>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "tools/zadanie/opis.h"
#include "tools/zadanie/przygotowanie.h"

namespace zadanie {

inline constexpr int kMaksWariantow = 99;  // the file names carry a two-digit number
inline constexpr int kLosowanNaWariant = 100;
inline constexpr double kDomyslnyRozrzut = 20;

struct OpcjeWariantow {
  int liczba = 1;
  double rozrzut = kDomyslnyRozrzut;  // per cent, more than 0 and less than 100
  std::uint64_t ziarno = 0;
};

// A value that differs between variants: value `pozycja` of data line
// `wiersz` (both from 0), and how the task file names it.
struct ZmiennaWartosc {
  size_t wiersz = 0, pozycja = 0;
  std::string element;   // "węzeł 2 (obciążeniowy)", "linia L1 (1–2)"
  std::string wielkosc;  // "P", "Q", "Sz", "l"
  std::string jednostka;
};

// The varied values of the description's program, in data-line order:
// load flow, P and Q of every load node and P of every generator node but
// the slack one; short circuit, Sz of every system and the length of every
// line. `wiersze` are the checked data lines.
std::vector<ZmiennaWartosc> ZmienneWartosci(const OpisUkladu& opis, const std::vector<std::string>& wiersze);

// A variant refused as a whole: the Polish message says why.
class BladWariantow : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// `wartosc` (as the data file writes it) times `czynnik`, rounded to the
// value's own decimals (half away from zero) and kept within ±rozrzut per
// cent of it: a rounding that would step outside steps back by one unit.
// The result has as many decimals as the value (an exponent is written
// out: "1,5E3" has none). Throws BladWariantow for a value with more than
// 15 digits, which cannot be rounded exactly.
std::string Przeskaluj(std::string_view wartosc, double czynnik, double rozrzut);

// The factors 1 + rozrzut/100·(2u − 1), u = the top 53 bits of each
// output over 2^53, so within [1 − rozrzut/100, 1 + rozrzut/100).
class Losowanie {
 public:
  explicit Losowanie(std::uint64_t ziarno);
  double czynnik(double rozrzut);

 private:
  std::mt19937_64 generator_;
};

struct Wariant {
  std::string numer;                 // "01", the suffix of its file names
  std::vector<std::string> wiersze;  // its data lines
  Przygotowane z;                    // its file, its pictures' data, its trial run
  std::vector<std::string> tekst;    // its task file: the statement, the values to type, its own values
  int losowania = 1;                 // draws it took, the accepted one included
};

// Draws the variants in order from one generator seeded with o.ziarno; a
// refused draw is drawn again, at most kLosowanNaWariant times. The
// exercise itself must pass Przygotuj. Throws BladWariantow when a load
// flow lacks the slack node, epsilon or r (a variant could not be
// checked), when the data hold nothing to vary, or when a variant cannot
// be drawn, naming the last draw's fault.
std::vector<Wariant> LosujWarianty(const OpisUkladu& opis, const std::vector<std::string>& wiersze,
                                   const OpcjeWariantow& o);

// Statement lines that quote a varied value with its unit ("oddaje 150
// MW"): every variant would repeat the exercise's own number there. One
// warning per such value, for the teacher.
std::vector<std::string> OstrzezeniaTresci(const OpisUkladu& opis, const std::vector<std::string>& wiersze);

}  // namespace zadanie
