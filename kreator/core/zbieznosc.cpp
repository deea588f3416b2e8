#include "kreator/core/zbieznosc.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <limits>

#include "common/core/liczby.h"
#include "common/core/zapis.h"
#include "kreator/core/kreator.h"
#include "kreator/core/okno_wynikow.h"
#include "kreator/core/siec.h"

namespace kreator {

using common::CalkowitaNaTekst;

namespace {

const char* NazwaMetody(MetodaRozplywu m) {
  return m == MetodaRozplywu::GaussSeidel ? "Gauss-Seidel" : "Newton-Raphson";
}

// "po 1 kroku", "po 57 krokach"; "po 1 iteracji", "po 4 iteracjach".
std::string PoKrokach(MetodaRozplywu m, size_t n) {
  const bool gs = m == MetodaRozplywu::GaussSeidel;
  const char* slowo = n == 1 ? (gs ? " kroku" : " iteracji") : (gs ? " krokach" : " iteracjach");
  return "po " + CalkowitaNaTekst(static_cast<long long>(n)) + slowo;
}

std::string OpisSerii(const SeriaZbieznosci& s, double r) {
  std::string opis = NazwaMetody(s.metoda);
  // Only Gauss-Seidel relaxes; r is what the student compares runs by.
  if (s.metoda == MetodaRozplywu::GaussSeidel) opis += " (r = " + common::LiczbaNaTekst(r) + ")";
  if (s.zbiezna) return opis + ": zbieżność " + PoKrokach(s.metoda, s.kroki.size());
  opis += ": brak zbieżności";
  if (!s.kroki.empty()) opis += " " + PoKrokach(s.metoda, s.kroki.size());
  return opis;
}

// A small value in the scientific form, which keeps its digits however small.
std::string Wykladniczo(double x) { return common::Formatuj("%.3E", {x}); }

// Megavolt-amperes as the run's messages write them while four decimals
// still show three digits; below that in the scientific form.
std::string Moc(double x) {
  return std::isfinite(x) && std::fabs(x) >= 0.01 ? common::WedlugWzorca("0.0000", x) : Wykladniczo(x);
}

}  // namespace

int Zbieznosc::liczbaKrokow() const {
  size_t n = 0;
  for (const SeriaZbieznosci& s : serie) n = std::max(n, s.kroki.size());
  return static_cast<int>(n);
}

Zbieznosc ObliczZbieznosc(Przypadek kopia) {
  Zbieznosc z;
  try {
    const SiecRozplywu siec = ZbudujSiec(kopia);
    z.epsilon = siec.epsilon;
    const MetodaRozplywu metody[] = {MetodaRozplywu::GaussSeidel, MetodaRozplywu::NewtonRaphson};
    for (size_t i = 0; i < z.serie.size(); ++i) {
      WynikRozplywu w = ObliczRozplyw(siec, OpcjeRozplywu{metody[i], true});
      SeriaZbieznosci& s = z.serie[i];
      s.metoda = metody[i];
      s.kroki = std::move(w.zbieznosc);
      s.zbiezna = w.zbiezny;
      if (!w.zbiezny) s.blad = w.blad;
      s.opis = OpisSerii(s, siec.relaksacja);
      z.mocBazowa = w.baza.MocBazowa;
    }
  } catch (const std::exception& e) {
    // A case that was computed once does not fail here; should it, the
    // window says why instead of drawing half a chart.
    z = Zbieznosc{};
    z.blad = e.what();
  }
  return z;
}

double Wartosc(const KrokZbieznosci& k, Wielkosc w) {
  return w == Wielkosc::Zmiana ? k.zmiana : k.niezbilansowanie;
}

const char* TytulPanelu(Wielkosc w) {
  return w == Wielkosc::Zmiana ? "Największa zmiana napięcia w kroku [j.w.]"
                               : "Największe niezbilansowanie mocy po kroku [MVA]";
}

std::string OpisProgu(const Zbieznosc& z, Wielkosc w) {
  if (w == Wielkosc::Zmiana) return "epsilon = " + common::LiczbaNaTekst(z.prog(w)) + " j.w.";
  return "epsilon · MocBazowa = " + common::LiczbaNaTekst(z.prog(w)) + " MVA";
}

OsLogarytmiczna ZakresOsi(const std::vector<double>& wartosci) {
  double najmniejsza = std::numeric_limits<double>::infinity(), najwieksza = 0;
  for (double v : wartosci)
    if (v > 0 && std::isfinite(v)) {
      najmniejsza = std::min(najmniejsza, v);
      najwieksza = std::max(najwieksza, v);
    }
  if (najwieksza == 0) return {};
  OsLogarytmiczna os{static_cast<int>(std::floor(std::log10(najmniejsza))),
                     static_cast<int>(std::ceil(std::log10(najwieksza)))};
  if (os.gorna == os.dolna) ++os.gorna;  // a value on a decade still gets one
  os.dolna = std::max(os.dolna, kNajnizszaDekada);
  os.gorna = std::min(os.gorna, kNajwyzszaDekada);
  if (os.dolna >= os.gorna) {
    // Everything beyond one end: the decade at that end.
    if (os.gorna <= kNajnizszaDekada) os.gorna = kNajnizszaDekada + 1;
    else os.dolna = kNajwyzszaDekada - 1;
  }
  return os;
}

OsLogarytmiczna ZakresOsi(const Zbieznosc& z, Wielkosc w) {
  std::vector<double> wartosci{z.prog(w)};
  for (const SeriaZbieznosci& s : z.serie)
    for (const KrokZbieznosci& k : s.kroki) wartosci.push_back(Wartosc(k, w));
  return ZakresOsi(wartosci);
}

double PolozenieNaOsi(const OsLogarytmiczna& os, double wartosc) {
  if (std::isnan(wartosc) || std::isinf(wartosc)) return 1;
  if (wartosc <= 0) return 0;
  const double t = (std::log10(wartosc) - os.dolna) / (os.gorna - os.dolna);
  return std::clamp(t, 0.0, 1.0);
}

std::string NapisDekady(int wykladnik) {
  static const char* const kIndeksy[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
  std::string napis = "10";
  for (char c : CalkowitaNaTekst(wykladnik)) napis += c == '-' ? "⁻" : kIndeksy[c - '0'];
  return napis;
}

int KrokPodzialki(int dlugosc, int mieszczace) {
  const int mnozniki[] = {1, 2, 5};
  for (int dekada = 1;; dekada *= 10)
    for (int m : mnozniki) {
      const int krok = m * dekada;
      if (dlugosc / krok + 1 <= mieszczace || krok >= dlugosc) return krok;
    }
}

std::optional<Punkt> NajblizszyPunkt(const Zbieznosc& z, Wielkosc w, const OsLogarytmiczna& os, double x,
                                     double y) {
  const int n = z.liczbaKrokow();
  if (n == 0 || std::isnan(x)) return std::nullopt;
  const int krok = static_cast<int>(std::clamp(std::round(x), 1.0, double(n)));
  std::optional<Punkt> najblizszy;
  double odleglosc = 0;
  for (int i = 0; i < int(z.serie.size()); ++i) {
    const auto& kroki = z.serie[size_t(i)].kroki;
    if (int(kroki.size()) < krok) continue;
    const double d = std::fabs(PolozenieNaOsi(os, Wartosc(kroki[size_t(krok - 1)], w)) - y);
    if (!najblizszy || d < odleglosc) {
      najblizszy = Punkt{i, krok};
      odleglosc = d;
    }
  }
  return najblizszy;
}

std::string OpisPunktu(const Zbieznosc& z, Punkt p) {
  const SeriaZbieznosci& s = z.serie[size_t(p.seria)];
  const KrokZbieznosci& k = s.kroki[size_t(p.krok - 1)];
  return std::string(s.metoda == MetodaRozplywu::GaussSeidel ? "krok " : "iteracja ") + CalkowitaNaTekst(p.krok) +
         " (" + NazwaMetody(s.metoda) + "): największa zmiana napięcia " + Wykladniczo(k.zmiana) +
         " j.w., niezbilansowanie " + Moc(k.niezbilansowanie) + " MVA";
}

bool ZapisWykresu::Zapisz(const std::function<std::string()>& png) {
  const auto nazwa = dialogi_.askSaveFileName({"Zapisz wykres jako", "Obraz PNG (*.png)", "png",
                                               OknoWynikow::FolderStartowy(),
                                               plik.empty() ? "Wykres zbieżności" : plik});
  if (!nazwa || nazwa->empty()) return false;
  std::string sciezka = *nazwa;
  const std::string rozszerzenie = common::RozszerzenieDuze(sciezka);
  if (rozszerzenie.empty()) {
    sciezka += ".png";
  } else if (rozszerzenie != ".PNG") {
    dialogi_.error(kZleRozszerzenie);
    return false;
  }
  plik = sciezka;
  const std::string bajty = png();
  const int blad = bajty.empty() ? EIO : common::ZapiszBajty(sciezka, bajty);
  if (blad) {
    dialogi_.message(common::Ikona::Blad, kTytulProgramu, NieMogeZapisac(blad));
    return false;
  }
  return true;
}

}  // namespace kreator
