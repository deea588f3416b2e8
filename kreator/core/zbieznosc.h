// The convergence chart of a computed case: the largest voltage change and
// the largest power mismatch after every Gauss-Seidel sweep, beside those of
// every Newton-Raphson iteration on the same case, on logarithmic axes with
// epsilon as the line to get under. Everything but the pixels: the runs,
// the axes, the legend, the text about a point and saving the picture.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/core/dialogi.h"
#include "kreator/core/przypadek.h"
#include "kreator/core/rozplyw.h"

namespace kreator {

inline constexpr const char* kTytulZbieznosci = "Zbieżność obliczeń";
inline constexpr const char* kOpisOsiKrokow = "numer kroku (Gauss-Seidel) lub iteracji (Newton-Raphson)";
// The wizard's prompt while the chart's runs go on a worker thread.
inline constexpr const char* kObliczanieZbieznosci = "Trwają obliczenia do wykresu zbieżności ... proszę czekać";
inline constexpr const char* kPodpowiedzZbieznosci =
    "Wskaż punkt wykresu, aby zobaczyć jego wartości. Zbieżność: obie wielkości poniżej linii epsilon.";

// One method's run on the case, step by step.
struct SeriaZbieznosci {
  MetodaRozplywu metoda = MetodaRozplywu::GaussSeidel;
  std::vector<KrokZbieznosci> kroki;  // step k at index k - 1
  bool zbiezna = false;
  std::string blad;   // why the run stopped without converging
  std::string opis;   // the legend: the method, r and how many steps it took
};

// The two panes of the chart, one quantity each, both methods in each.
enum class Wielkosc { Zmiana, Niezbilansowanie };

struct Zbieznosc {
  std::array<SeriaZbieznosci, 2> serie;  // Gauss-Seidel, then Newton-Raphson
  double epsilon = 0;     // per unit
  double mocBazowa = 0;   // MVA
  std::string blad;       // the case could not be computed at all; then no series

  // The line to get under: epsilon for the change (per unit), epsilon on
  // MocBazowa for the mismatch (MVA), as the run compares them.
  double prog(Wielkosc w) const { return w == Wielkosc::Zmiana ? epsilon : epsilon * mocBazowa; }
  // Steps of the longer run: the length of the step axis.
  int liczbaKrokow() const;
};

// Runs both methods, recording every step, on its own copy of a case that
// has passed the configuration check (so a worker thread may run it).
Zbieznosc ObliczZbieznosc(Przypadek kopia);

double Wartosc(const KrokZbieznosci& k, Wielkosc w);
// The pane's heading with its unit, and the label of its epsilon line.
const char* TytulPanelu(Wielkosc w);
std::string OpisProgu(const Zbieznosc& z, Wielkosc w);

// A logarithmic axis of whole decades: from 10^dolna to 10^gorna.
struct OsLogarytmiczna {
  int dolna = -1, gorna = 0;
  bool operator==(const OsLogarytmiczna&) const = default;
};
// No axis reaches below 10^-16 (rounding noise of values of order one) or
// above 10^10 (a run that ran away); values beyond stand at its ends.
inline constexpr int kNajnizszaDekada = -16;
inline constexpr int kNajwyzszaDekada = 10;
// The whole decades that cover every positive finite value, at least one;
// zero, negative and non-finite values leave the axis as it is.
OsLogarytmiczna ZakresOsi(const std::vector<double>& wartosci);
// A pane's axis: both series and the epsilon line.
OsLogarytmiczna ZakresOsi(const Zbieznosc& z, Wielkosc w);
// Where a value stands on the axis: 0 at the bottom, 1 at the top. A value
// of zero or below stands on the bottom, an infinite or NaN one at the top.
double PolozenieNaOsi(const OsLogarytmiczna& os, double wartosc);
// The label of a decade: "10⁻⁶", "10⁰", "10²".
std::string NapisDekady(int wykladnik);
// The step between labelled ticks on an axis `dlugosc` long where at most
// `mieszczace` labels fit: 1, 2, 5, 10, 20, 50, …
int KrokPodzialki(int dlugosc, int mieszczace);

// A point of the chart: a series (0 Gauss-Seidel, 1 Newton-Raphson) and its step, from 1.
struct Punkt {
  int seria = 0;
  int krok = 1;
  bool operator==(const Punkt&) const = default;
};
// The point under the pointer of a pane: `x` in steps along the step axis,
// `y` as PolozenieNaOsi. The step is the one nearest to x (within the
// longer run); of the methods that have it, the one whose value stands
// nearer to y. Nothing when neither method has a step.
std::optional<Punkt> NajblizszyPunkt(const Zbieznosc& z, Wielkosc w, const OsLogarytmiczna& os, double x, double y);
// The status line about a point: "krok 12 (Gauss-Seidel): największa zmiana
// napięcia 1,234E-05 j.w., niezbilansowanie 0,0123 MVA".
std::string OpisPunktu(const Zbieznosc& z, Punkt p);

// "Zapisz jako PNG…" of the chart window: asks for a ".png" name, the last
// one offered again, and writes the picture there.
class ZapisWykresu {
 public:
  explicit ZapisWykresu(common::DialogService& dialogi) : dialogi_(dialogi) {}
  // `png` gives the picture's bytes once a name is chosen. True when the
  // file was written; a refused name or a failed write has its message.
  bool Zapisz(const std::function<std::string()>& png);
  std::string plik;  // the last name chosen

 private:
  common::DialogService& dialogi_;
};

}  // namespace kreator
