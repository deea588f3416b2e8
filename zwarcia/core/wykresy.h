// The two factor charts of the results window: the peak factor κ against
// X/R and the thermal factor m against the fault duration Tk. A pointer
// position on a chart picture is turned into axis values by fixed
// piecewise-linear rules (the charts' axes are logarithmic, approximated
// between grid values); the pictures are drawn with the inverse of the same
// rules, so a curve lies exactly where a click reads the standard's value.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zwarcia {

struct Piksel {
  int x = 0, y = 0;
  bool operator==(const Piksel&) const = default;
};
// A position in pixel units of a picture, fractional: (3, 4) is the centre
// of the pixel in column 3, row 4.
struct PunktObrazu {
  double x = 0, y = 0;
};
struct Linia {
  Piksel poczatek, koniec;
  bool operator==(const Linia&) const = default;
};

// Where a chart sits in its window and how large its readout is.
struct UkladWykresu {
  int obrazX, obrazY;       // top left of the chart picture in the window
  int szerokosc, wysokosc;  // of the chart picture
  int panelSzerokosc, panelWysokosc;
};
inline constexpr UkladWykresu kUkladRdoX{45, 13, 313, 226, 97, 17};
inline constexpr UkladWykresu kUkladN{46, 3, 389, 330, 89, 17};

// What one pointer movement over a chart picture changes.
struct Odczyt {
  bool widoczny = false;            // the readout panel is shown
  std::optional<Piksel> polozenie;  // its new top left in the window; none: it stays
  double poziomo = 0, pionowo = 0;  // axis values; `pionowo` is the value a click writes
  std::string tekst;                // the readout's text
  Linia pionowa, pozioma;           // the red crosshair, in window pixels
};

// Peak-factor chart: X/R from a column (0 outside columns 0 … 309), κ from
// a row (1,00 on the bottom rows 223 … 225, below the last grid line).
double RdoXZKolumny(int x);
double KappaZWiersza(int y);
Odczyt OdczytRdoX(int x, int y);

// Thermal-factor chart: Tk in seconds from a column (0 outside 0 … 388),
// m from a row.
double TkZKolumny(int x);
double MZWiersza(int y);
Odczyt OdczytN(int x, int y);

// The curves the charts show: κ = 1,02 + 0,98·e^(−3·R/X), and the thermal
// factor of the aperiodic component for 50 Hz,
// m = (e^(4·f·Tk·ln(κ−1)) − 1) / (2·f·Tk·ln(κ−1)).
double KappaZRdoX(double rdoX);
double MZKappaICzasu(double kappa, double tk);

// The inverse rules: the fractional column or row at which a chart reads a
// value. Between two segments whose values do not meet, the position is
// interpolated across the gap.
double KolumnaRdoX(double rdoX);
double WierszKappa(double kappa);
double KolumnaTk(double tk);
double WierszM(double m);

// The drawn curves, one point per column of the chart's readable range:
// each point lies at the row that reads the curve's value for the column's
// reading.
std::vector<PunktObrazu> KrzywaKappa();
std::vector<PunktObrazu> KrzywaM(double kappa);
// The pixel of the drawn curve at the column nearest to the given argument.
Piksel PikselKrzywejKappa(double rdoX);
Piksel PikselKrzywejM(double kappa, double tk);

// Grid and label values of the pictures.
inline constexpr std::array<double, 9> kSiatkaRdoX{0.5, 1, 2, 5, 10, 20, 50, 100, 200};
inline constexpr std::array<double, 6> kSiatkaKappa{1.0, 1.2, 1.4, 1.6, 1.8, 2.0};
inline constexpr std::array<double, 7> kOpisyTk{0.01, 0.02, 0.05, 0.1, 0.2, 0.5, 1};
inline constexpr std::array<double, 5> kOpisyM{0.2, 0.6, 1.0, 1.4, 1.8};
inline constexpr std::array<double, 9> kKrzyweKappa{1.9, 1.8, 1.7, 1.6, 1.5, 1.4, 1.3, 1.2, 1.1};
// The logarithmic time grid: 1 … 9 in each decade from 0,01 s to 1 s.
std::vector<double> SiatkaTk();

// The instruction lines of the peak-factor chart for the text of the X/R
// label of the results window. Without a number there (R = 0 makes X/R
// infinite, shown as "∞") the lines say that κ is typed instead.
std::array<std::string, 2> InstrukcjaRdoX(std::string_view tekstRdoX);
// The instruction lines of the thermal-factor chart, from the texts of the
// κ box and of the fault duration label. Throws common::BladKonwersji when
// the κ text is not a number.
std::array<std::string, 2> InstrukcjaN(std::string_view tekstKappa, std::string_view tekstCzasu);

}  // namespace zwarcia
