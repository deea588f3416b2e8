#include "zwarcia/core/wykresy.h"

#include <climits>
#include <cmath>
#include <span>

#include "common/core/liczby.h"

namespace zwarcia {

namespace {

// One straight piece of an axis rule: over pixels `pierwszy` … `ostatni`
// the value is a + b·(p − p0).
struct Kawalek {
  int pierwszy, ostatni;
  double a, b, p0;
  double wartosc(double p) const { return a + b * (p - p0); }
};
using Regula = std::span<const Kawalek>;

// The constants are the chart's own; they were fitted to the printed grid,
// which is why neighbouring pieces do not always meet exactly.
constexpr Kawalek kKolumnyRdoX[] = {
    {0, 38, 0.5, 0.01315, 0},          {39, 73, -0.15, 0.029411764, 0},
    {74, 119, -2.76, 0.065217391, 0},  {120, 155, 5.14, 0.13888888, 120},
    {156, 189, 10.29, 0.294117647, 156}, {190, 236, 20.64, 0.638297872, 190},
    {237, 273, 51.35, 1.351351351, 237}, {274, 309, 102.78, 2.777777778, 274},
};
// Below the grid's last line (κ = 1,0 at row 223) the rule would read less
// than 1, which the results window refuses; those rows read 1,00.
constexpr Kawalek kWierszeKappa[] = {
    {INT_MIN, 89, 2.07, -0.004545454, -15},
    {90, 222, 2.07, -0.004494382022, -15},
    {223, INT_MAX, 1.0, 0, 0},
};
constexpr Kawalek kKolumnyTk[] = {
    {0, 58, 0.01, 0.00016948, 0},          {59, 93, 0.02, 0.000294117, 59},
    {94, 117, 0.03, 0.000434782, 94},      {118, 134, 0.04, 0.000555555, 118},
    {135, 162, 0.05, 0.000714285, 135},    {163, 194, 0.07, 0.000967741, 163},
    {195, 252, 0.1, 0.001694915, 195},     {253, 285, 0.2, 0.003030303, 253},
    {286, 309, 0.3, 0.00416666666, 286},   {310, 330, 0.4, 0.004545454545, 310},
    {331, 359, 0.5, 0.007142857, 331},     {360, 388, 0.7, 0.010344827, 360},
};
constexpr Kawalek kWierszeM[] = {
    {INT_MIN, 93, 2, -0.00625, -3},
    {94, INT_MAX, 1.96, -0.005882352, -3},
};

std::optional<double> Wartosc(Regula r, int p) {
  for (const Kawalek& k : r)
    if (p >= k.pierwszy && p <= k.ostatni) return k.wartosc(p);
  return std::nullopt;
}

// The fractional pixel at which a monotonic rule reads `v`. A piece covers
// its values and half a pixel's step beyond each end, so that a value where
// two pieces overlap or nearly meet goes to the pixel that reads it most
// closely; a wider gap between two pieces is bridged linearly. Constant
// pieces are skipped; past the ends the outer pieces are extended.
double Polozenie(Regula r, double v) {
  double kierunek = 0;
  for (const Kawalek& k : r)
    if (k.b != 0) {
      kierunek = k.b > 0 ? 1 : -1;
      break;
    }
  const Kawalek* poprzedni = nullptr;
  const double g = kierunek * v;
  for (const Kawalek& k : r) {
    if (k.b == 0) continue;
    const double od = kierunek * k.wartosc(k.pierwszy - 0.5), doKonca = kierunek * k.wartosc(k.ostatni + 0.5);
    if (g < od && poprzedni) {
      const double p = poprzedni->ostatni + 0.5, gp = kierunek * poprzedni->wartosc(p);
      return p + (g - gp) / (od - gp) * (k.pierwszy - 0.5 - p);
    }
    if (g <= doKonca) return k.p0 + (v - k.a) / k.b;
    poprzedni = &k;
  }
  return poprzedni->p0 + (v - poprzedni->a) / poprzedni->b;
}

Linia Pionowa(int x, int y1, int y2) { return {{x, y1}, {x, y2}}; }
Linia Pozioma(int y, int x1, int x2) { return {{x1, y}, {x2, y}}; }

int Zaokraglij(double x) { return static_cast<int>(common::ZaokraglijDoParzystej(x)); }

Piksel NaPiksel(PunktObrazu p) { return {Zaokraglij(p.x), Zaokraglij(p.y)}; }

}  // namespace

double RdoXZKolumny(int x) { return Wartosc(kKolumnyRdoX, x).value_or(0); }
double KappaZWiersza(int y) { return *Wartosc(kWierszeKappa, y); }
double TkZKolumny(int x) { return Wartosc(kKolumnyTk, x).value_or(0); }
double MZWiersza(int y) { return *Wartosc(kWierszeM, y); }

Odczyt OdczytRdoX(int x, int y) {
  const UkladWykresu& u = kUkladRdoX;
  Odczyt o;
  o.widoczny = x >= 0 && x <= 309 && y >= 1 && y <= 223;
  // The readout goes to the quarter diagonally opposite the pointer.
  const bool lewo = x >= 1 && x < 154, prawo = x >= 154 && x < 308;
  const bool gora = y >= 1 && y < 111, dol = y >= 111 && y < 222;
  if (lewo && gora) o.polozenie = Piksel{231, 161};
  else if (prawo && gora) o.polozenie = Piksel{77, 166};
  else if (lewo && dol) o.polozenie = Piksel{231, 55};
  else if (prawo && dol) o.polozenie = Piksel{77, 55};
  o.poziomo = RdoXZKolumny(x);
  o.pionowo = KappaZWiersza(y);
  o.tekst = "X=" + common::WedlugWzorca("0.00", o.poziomo) + " Y=" + common::WedlugWzorca("0.00", o.pionowo);
  o.pionowa = Pionowa(x + 46, 15, 11 + u.wysokosc);
  o.pozioma = Pozioma(y + 14, 46, 43 + u.szerokosc);
  return o;
}

Odczyt OdczytN(int x, int y) {
  const UkladWykresu& u = kUkladN;
  const int w = u.szerokosc, h = u.wysokosc;
  Odczyt o;
  o.widoczny = x >= 0 && x <= 389 && y >= 1 && y <= 328;
  // The readout is centred on the quarter diagonally opposite the pointer,
  // 40 pixels further right.
  const int w2 = Zaokraglij(w / 2.0), h2 = Zaokraglij(h / 2.0);
  const int lewyBrzeg = Zaokraglij(3.0 * w / 4 - u.panelSzerokosc / 2.0 + 40);
  const int prawyBrzeg = Zaokraglij(w / 4.0 - u.panelSzerokosc / 2.0 + 40);
  const int gornyBrzeg = Zaokraglij(3.0 * h / 4 - u.panelWysokosc / 2.0);
  const int dolnyBrzeg = Zaokraglij(h / 4.0 - u.panelWysokosc / 2.0);
  const bool lewo = x >= 1 && x < w2, prawo = x >= w2 && x < w;
  const bool gora = y >= 1 && y < h2, dol = y >= h2 && y < h;
  if ((lewo || prawo) && (gora || dol))
    o.polozenie = Piksel{lewo ? lewyBrzeg : prawyBrzeg, gora ? gornyBrzeg : dolnyBrzeg};
  o.poziomo = TkZKolumny(x);
  o.pionowo = MZWiersza(y);
  o.tekst = "X=" + common::WedlugWzorca("0.000", o.poziomo) + " Y=" + common::WedlugWzorca("0.00", o.pionowo);
  o.pionowa = Pionowa(x + 45, 3, 3 + h);
  o.pozioma = Pozioma(y + 3, 47, 45 + w);
  return o;
}

double KappaZRdoX(double rdoX) { return 1.02 + 0.98 * std::exp(-3 / rdoX); }

double MZKappaICzasu(double kappa, double tk) {
  constexpr double f = 50;
  const double l = std::log(kappa - 1);
  return (std::exp(4 * f * tk * l) - 1) / (2 * f * tk * l);
}

double KolumnaRdoX(double rdoX) { return Polozenie(kKolumnyRdoX, rdoX); }
double WierszKappa(double kappa) { return Polozenie(kWierszeKappa, kappa); }
double KolumnaTk(double tk) { return Polozenie(kKolumnyTk, tk); }
double WierszM(double m) { return Polozenie(kWierszeM, m); }

std::vector<PunktObrazu> KrzywaKappa() {
  std::vector<PunktObrazu> punkty;
  for (int x = 0; x <= 309; ++x) punkty.push_back({double(x), WierszKappa(KappaZRdoX(RdoXZKolumny(x)))});
  return punkty;
}

std::vector<PunktObrazu> KrzywaM(double kappa) {
  std::vector<PunktObrazu> punkty;
  for (int x = 0; x <= 388; ++x) punkty.push_back({double(x), WierszM(MZKappaICzasu(kappa, TkZKolumny(x)))});
  return punkty;
}

Piksel PikselKrzywejKappa(double rdoX) {
  const int x = Zaokraglij(KolumnaRdoX(rdoX));
  return NaPiksel(KrzywaKappa().at(x));
}

Piksel PikselKrzywejM(double kappa, double tk) {
  const int x = Zaokraglij(KolumnaTk(tk));
  return NaPiksel(KrzywaM(kappa).at(x));
}

std::vector<double> SiatkaTk() {
  std::vector<double> t;
  for (double dekada : {0.01, 0.1})
    for (int i = 1; i <= 9; ++i) t.push_back(dekada * i);
  t.push_back(1);
  return t;
}

std::array<std::string, 2> InstrukcjaRdoX(std::string_view tekstRdoX) {
  if (!common::CzyLiczba(tekstRdoX))
    return {"Dla R = 0 stosunek X/R jest nieskończony i nie ma go na osi",
            "poziomej (OX): wpisz współczynnik udaru x w oknie wyników"};
  return {"Dla X/R = " + common::WedlugWzorca("0.00", common::NaLiczbe(tekstRdoX)) + " na osi poziomej (OX) wyznaczyć",
          "współczynnik udaru x na osi pionowej (OY)"};
}

std::array<std::string, 2> InstrukcjaN(std::string_view tekstKappa, std::string_view tekstCzasu) {
  return {"Dla x=" + common::WedlugWzorca("0.0", common::NaLiczbe(tekstKappa)) + " (" + std::string(tekstKappa) +
              ") przyjętego na jednej z krzywych i czasu trwania zwarcia Tk=" + std::string(tekstCzasu) + "s",
          " na osi poziomej (OX), wyznaczyć współczynnik m na osi pionowej (OY)"};
}

}  // namespace zwarcia
