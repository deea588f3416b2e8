#include "kreator/core/raport.h"

#include <algorithm>
#include <span>

#include "common/core/liczby.h"

namespace kreator {
namespace {

using Linie = std::vector<std::string>;

const std::string kSeparator(73, '-');

std::string Odstep(int n) { return std::string(static_cast<size_t>(n), ' '); }
std::string Calkowita(int n) { return common::CalkowitaNaTekst(n); }

// One line of an element block: fixed text, a cell of the element's row, unit.
struct Pole {
  const char* przed;
  int kolumna;
  const char* po;
};

constexpr Pole kPolaTrafo[] = {
    {"         numer węzła dla uzw. górnego napięcia ", 1, ""},
    {"         numer węzła dla uzw. dolnego napięcia ", 2, ""},
    {"         napięcie znamionowe górne ", 3, " kV"},
    {"         napięcie znamionowe dolne ", 4, " kV"},
    {"         znamionowa moc pozorna Sn=", 5, " MVA"},
    {"         straty w miedzi dPCu=", 6, " kW"},
    {"         straty w żelazie dPFe=", 7, " kW"},
    {"         napięcie zwarcia  duz=", 8, "%"},
    {"         prąd stanu jałowego  I0r=", 9, "%"},
};

// The primes of R', X', B' are written as backquotes.
constexpr Pole kPolaLinii[] = {
    {"         numer węzła na początku linii ", 1, ""},
    {"         numer węzła na końcu linii ", 2, ""},
    {"         napięcie znamionowe Un=", 3, " kV"},
    {"         rezystancja jednostkowa R`=", 4, " om/km"},
    {"         reaktancja jednostkowa X`=", 5, " om/km"},
    {"         susceptancja jednostkowa B`=", 6, " µS/km"},
    {"         długość linii l=", 7, " km"},
    {"         ilość torów ", 8, ""},
};

constexpr Pole kPolaWEl[] = {
    {"         numer węzła ", 1, ""},
    {"         wartość skuteczna napięcia Un=", 2, " kV"},
    {"         moc czynna dostarczona Sn=", 3, " MW"},
};

constexpr Pole kPolaWObc[] = {
    {"         numer węzła ", 1, ""},
    {"         moc czynna odbierana w węźle P=", 2, " MW"},
    {"         moc bierna odbierana w węźle Q=", 3, " Mvar"},
};

// Nodes that are neither generator nor load nodes.
int LiczbaPozostalych(const Przypadek& p) {
  return p.LiczbaWezlow - p.LiczbaWezlowElektrownianych - p.LiczbaWezlowObciazeniowych;
}

void Tytul(Linie& r) {
  r.push_back("                     OBLICZANIE  ROZPŁYW  MOCY ");
  r.push_back(std::string(67, '='));
  r.insert(r.end(), {"", ""});
  r.push_back("W układzie jak na rysunku wyznaczyć:");
  r.push_back("  1. moc czynną i bierną węzła bilansującego");
  r.push_back("  2. fazę napięć i moc bierną węzłów elektrownianych");
  r.push_back("  3. wartości skuteczne i fazę napięć w węzłach obciążeniowych");
  r.insert(r.end(), {"", ""});
}

void Liczebnosci(Linie& r, const Przypadek& p) {
  r.push_back(" Dane wprowadzonego układu:");
  r.push_back(kSeparator);
  r.push_back(" Liczba węzłów sieci: " + Calkowita(p.LiczbaWezlow));
  r.push_back(" Liczba węzłów elektrownianych: " + Calkowita(p.LiczbaWezlowElektrownianych));
  r.push_back(" Liczba węzłów obciążeniowych: " + Calkowita(p.LiczbaWezlowObciazeniowych));
  if (LiczbaPozostalych(p) > 0) r.push_back(" Liczba węzłów pozostałych: " + Calkowita(LiczbaPozostalych(p)));
  r.push_back(" Liczba transformatorów: " + Calkowita(p.LiczbaTransformatorow));
  r.push_back(" Liczba linii: " + Calkowita(p.LiczbaLinii));
}

// A section of element blocks: separator, heading, then per row an empty
// line, the row's title with its number and one line per field.
void Elementy(Linie& r, const char* naglowek, const common::TextGrid& g, int liczba, const char* tytulWiersza,
              std::span<const Pole> pola) {
  r.push_back(kSeparator);
  r.push_back(naglowek);
  for (int i = 1; i <= liczba; ++i) {
    r.push_back("");
    r.push_back(tytulWiersza + Calkowita(i));
    for (const Pole& pole : pola) r.push_back(pole.przed + g.cell(pole.kolumna, i) + pole.po);
  }
}

// WezlyBezTypu ends with a comma after its last number; the report drops it.
void WezlyPozostale(Linie& r, const Przypadek& p) {
  if (LiczbaPozostalych(p) <= 0) return;
  const std::string& bezTypu = p.WezlyBezTypu;
  const std::string numery = bezTypu.empty() ? "" : bezTypu.substr(0, bezTypu.size() - 1);
  r.push_back(kSeparator);
  r.push_back(" Dane węzłów pozostałych:");
  r.push_back("");
  r.push_back("    Dla węzła nr " + numery + " nie został podany typ więc przyjęto,");
  r.push_back("    że jest to węzeł obciążeniowy o mocach");
  r.push_back("         moc czynna odbierana w węźle P=0");
  r.push_back("         moc bierna odbierana w węźle Q=0");
}

void ProcesIteracyjny(Linie& r, const Przypadek& p, const WynikRozplywu& w) {
  r.push_back("");
  r.push_back(kSeparator);
  r.push_back(" Dane procesu iteracyjnego:");
  r.push_back("         numer węzła elektrownianego bilansującego " + Calkowita(p.WezelBilansujacy));
  r.push_back("         wartość skuteczna napięcia w węźle bilansującym Un=" + Calkowita(p.NapiecieBilansujace) +
              " kV");
  r.push_back("         dopuszczalna różnica między dwoma ostatnimi krokami \"epsilon\" " +
              common::LiczbaNaTekst(p.Epsilon));
  // The method, then what it took; r belongs to Gauss-Seidel alone.
  if (w.metoda == MetodaRozplywu::NewtonRaphson) {
    r.push_back("         metoda Newtona-Raphsona");
    r.push_back("         liczba wykonanych iteracji " + Calkowita(w.iteracje));
  } else {
    r.push_back("         metoda Gaussa-Seidla");
    r.push_back("         parametr relaksacji \"r\" " + common::LiczbaNaTekst(p.ParametrRelaksacji));
    r.push_back("         liczba wykonanych kroków iteracyjnych " + Calkowita(w.iteracje));
  }
  r.push_back("         największe niezbilansowanie mocy " + common::WedlugWzorca("0.0000", w.niezbilansowanie) +
              " MVA (węzeł nr " + Calkowita(w.wezelNiezbilansowania) + ")");
}

// The nodes the result can speak for: a failed or foreign result may hold
// fewer than the case's nodes, and the report must not read past its arrays.
int WezlyWyniku(const Przypadek& p, const WynikRozplywu& w) {
  const size_t n = std::min({w.URe.size(), w.UIm.size(), w.SRe.size(), w.SIm.size()});
  return std::min(p.LiczbaWezlow, static_cast<int>(n));
}

void Wyniki(Linie& r, const Przypadek& p, const WynikRozplywu& w) {
  r.push_back("");
  r.push_back(kSeparator);
  r.push_back("Otrzymane wyniki:");
  r.push_back("         węzeł       wartość skuteczna                  faza początkowa           moc czynna"
              "              moc bierna");
  r.push_back("         numer      napięcia węźle Un [kV]         napięcia [rad]                        [MW]"
              "                        [Mvar]");
  for (int k = 1; k <= WezlyWyniku(p, w); ++k) r.push_back(LiniaWyniku(w, k));
}

std::string MocZespolona(const char* nazwa, const char* p, const char* q, std::complex<double> s) {
  return std::string(nazwa) + p + common::WedlugWzorca("0.000", s.real()) + " MW, " + q +
         common::WedlugWzorca("0.000", s.imag()) + " Mvar";
}

// The flows through every element, the balance of the network and the
// nodes outside their voltage band. The file is Windows-1250, which has
// no Greek letters: losses are written dP, dQ.
void Przeplywy(Linie& r, const WynikRozplywu& w) {
  if (w.przeplywy.empty() && w.bilans.wytwarzana == 0.0 && w.bilans.odbierana == 0.0) return;
  r.push_back("");
  r.push_back(kSeparator);
  r.push_back("Przepływy mocy w gałęziach:");
  r.push_back("  gałąź   od   do    P od [MW]  Q od [Mvar]    P do [MW]  Q do [Mvar]      dP [MW]"
              "    dQ [Mvar]    I od [kA]    I do [kA]   obciążenie [%]");
  for (const PrzeplywGalezi& g : w.przeplywy) {
    std::string linia = common::Formatuj("  %-5s%5d%5d", {g.element, static_cast<long long>(g.od),
                                                         static_cast<long long>(g.do_)});
    for (double x : {g.Sod.real(), g.Sod.imag(), g.Sdo.real(), g.Sdo.imag(), g.straty().real(), g.straty().imag(),
                     g.Iod, g.Ido})
      linia += common::Formatuj("%13.3f", {x});
    if (g.obciazenie) linia += common::Formatuj("%17.1f", {*g.obciazenie});
    r.push_back(linia);
  }
  r.push_back("");
  r.push_back(MocZespolona("Moc wytwarzana: ", "P=", "Q=", w.bilans.wytwarzana));
  r.push_back(MocZespolona("Moc odbierana: ", "P=", "Q=", w.bilans.odbierana));
  r.push_back(MocZespolona("Straty mocy: ", "dP=", "dQ=", w.bilans.straty));
  for (const OstrzezenieNapiecia& o : w.ostrzezenia)
    r.push_back("Uwaga: napięcie w węźle nr " + Calkowita(o.wezel) + " wynosi " + common::WedlugWzorca("0.000", o.UkV) +
                " kV, poza przedziałem 0,9–1,1 napięcia znamionowego " + common::LiczbaNaTekst(o.znamionowe) + " kV.");
}

}  // namespace

std::string LiniaWyniku(const WynikRozplywu& w, int k) {
  // The padding before a number is one or two blanks shorter when the
  // number carries a minus sign, so the digits stay roughly in column.
  const double fi = w.KatRad(k);
  const double p = w.PMW(k);
  const double q = w.QMvar(k);
  return Odstep(11) + common::Formatuj("%4d", {static_cast<long long>(k)}) + Odstep(18) +
         common::Formatuj("%4.3f ", {w.UkV(k)}) + Odstep(fi >= 0 ? 39 : 38) + common::Formatuj("%2.3f ", {fi}) +
         Odstep(27) + Odstep(p >= 0 ? 3 : 2) + common::Formatuj("%5.3f ", {p}) + Odstep(17) +
         Odstep(q >= 0 ? 4 : 2) + common::Formatuj("%5.3f ", {q});
}

std::vector<std::string> RaportRozplywu(const Przypadek& p, const WynikRozplywu& w) {
  Linie r;
  Tytul(r);
  Liczebnosci(r, p);
  Elementy(r, " Dane transformatorów:", p.TrafoSG, p.LiczbaTransformatorow, "     Transformator nr T", kPolaTrafo);
  Elementy(r, " Dane linii:", p.LinieSG, p.LiczbaLinii, "     Linia nr L", kPolaLinii);
  // Generator and load blocks are numbered by table row, not by node.
  Elementy(r, " Dane węzłów elektrownianych:", p.WElSG, p.LiczbaWezlowElektrownianych, "    Węzeł nr ", kPolaWEl);
  Elementy(r, " Dane węzłów obciążeniowych:", p.WObcSG, p.LiczbaWezlowObciazeniowych, "    Węzeł nr ", kPolaWObc);
  WezlyPozostale(r, p);
  ProcesIteracyjny(r, p, w);
  Wyniki(r, p, w);
  Przeplywy(r, w);
  return r;
}

}  // namespace kreator
