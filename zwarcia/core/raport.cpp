#include "zwarcia/core/raport.h"

#include <span>

#include "common/core/liczby.h"

namespace zwarcia {
namespace {

using Linie = std::vector<std::string>;

const std::string kKreska(73, '-');

std::string Calkowita(int n) { return common::CalkowitaNaTekst(n); }

// One line of an element block: fixed text, a cell of the element's row, unit.
struct Pole {
  const char* przed;
  int kolumna;
  const char* po;
};

constexpr Pole kPolaSystemow[] = {
    {"         numer węzła ", kSystemWezel, ""},
    {"         moc zwarciowa Sz=", kSystemMoc, " MVA"},
};

// The double prime of x''d is written as two backquotes, the primes of R`
// and X` as one.
constexpr Pole kPolaGeneratorow[] = {
    {"         numer węzła ", kGeneratorWezel, ""},
    {"         moc znamionowa Sn=", kGeneratorMoc, " MVA"},
    {"         reaktancja przejsciowa x``d=", kGeneratorXd, "%"},
    {"         liczba generatorów ", kGeneratorLiczba, ""},
};

constexpr Pole kPolaTrafo[] = {
    {"         numer węzła dla uzw. górnego napięcia ", kTrafoWezelGorny, ""},
    {"         numer węzła dla uzw. dolnego napięcia ", kTrafoWezelDolny, ""},
    {"         znamionowa moc pozorna Sn=", kTrafoMoc, " MVA"},
    {"         straty w miedzi dPCu=", kTrafoPCu, " kW"},
    {"         napiecie zwarcia  duz=", kTrafoUz, "%"},
    {"         liczba transformatorów ", kTrafoLiczba, ""},
};

constexpr Pole kPolaLinii[] = {
    {"         numer węzła na początku linii ", kLiniaPoczatek, ""},
    {"         numer węzła na końcu linii ", kLiniaKoniec, ""},
    {"         napięcie znamionowe Un=", kLiniaNapiecie, " kV"},
    {"         rezystancja jednostkowa R`=", kLiniaR, " om/km"},
    {"         reaktancja jednostkowa X`=", kLiniaX, " om/km"},
    {"         długość linii l=", kLiniaDlugosc, " km"},
    {"         ilość torów ", kLiniaTory, ""},
};

// Per row an empty line, the row's title with its number and one line per field.
void Elementy(Linie& r, const common::TextGrid& g, int liczba, const char* tytulWiersza, std::span<const Pole> pola) {
  for (int i = 1; i <= liczba; ++i) {
    r.push_back("");
    r.push_back(tytulWiersza + Calkowita(i));
    for (const Pole& pole : pola) r.push_back(pole.przed + g.cell(pole.kolumna, i) + pole.po);
  }
}

void Sekcja(Linie& r, const char* naglowek) {
  r.push_back(kKreska);
  r.push_back(naglowek);
}

// The modulus of every branch current during the fault, labelled with its
// element and nodes, in branch order.
void PradyGalezi(Linie& r, const WynikZwarcia& w) {
  const auto& galezie = w.sieci.galezie;
  if (!w.poprawny || galezie.size() != w.PradyGaleziowe.size()) return;  // nothing computed to show
  r.push_back(" Prądy w gałęziach podczas zwarcia [j.w.]:");
  for (size_t b = 0; b < galezie.size(); ++b)
    r.push_back("     " + NazwaGalezi(galezie[b]) + " (" + WezlyGalezi(galezie[b]) +
                "): " + common::WedlugWzorca("0.0000", std::abs(w.PradyGaleziowe[b])));
  r.push_back(kKreska);
}

// Zk in ohms at the fault point and its R/X.
void ImpedancjaObwodu(Linie& r, const WynikZwarcia& w) {
  if (!w.poprawny) return;
  const Zespolona zk = ImpedancjaZwarciowaOm(w);
  r.push_back("  - impedancja obwodu zwarciowego Zk=" + common::WedlugWzorca("0.0000", zk.real()) +
              (zk.imag() < 0 ? " - j" : " + j") + common::WedlugWzorca("0.0000", std::abs(zk.imag())) + " om");
  if (zk.real() == 0) {
    r.push_back("  - stosunek R/X=0,0000");
  } else if (zk.imag() == 0) {
    r.push_back("  - stosunek R/X nieskończenie duży (X/R=0,00)");
  } else {
    r.push_back("  - stosunek R/X=" + common::WedlugWzorca("0.0000", zk.real() / zk.imag()) +
                " (X/R=" + common::WedlugWzorca("0.00", zk.imag() / zk.real()) + ")");
  }
}

}  // namespace

std::vector<std::string> RaportZwarcia(const Przypadek& p, const WynikZwarcia& w,
                                       const std::optional<std::string>& pierwszaLiniaZadania) {
  Linie r;
  r.push_back("       OBLICZANIE  PARAMETRÓW  I  ROZPŁYW  PRĄDU  ZWARCIOWEGO");
  r.push_back(std::string(67, '='));
  r.push_back("");
  if (pierwszaLiniaZadania) r.insert(r.end(), {"Zadanie:", *pierwszaLiniaZadania, ""});

  r.push_back(" Dane wprowadzonego układu:");
  r.push_back(kKreska);
  r.push_back(" Liczba węzłów sieci: " + Calkowita(p.LiczbaWezlow));
  r.push_back(" Liczba węzłów zasilanych z sytemów: " + Calkowita(p.LiczbaWezlowSystemow));
  r.push_back(" Liczba węzłów zasilanych z generatorów: " + Calkowita(p.LiczbaWezlowGeneratorow));
  r.push_back(" Liczba transformatorów: " + Calkowita(p.LiczbaTransformatorow));
  r.push_back(" Liczba linii: " + Calkowita(p.LiczbaLinii));

  Sekcja(r, " Dane systemów:");
  Elementy(r, p.SystemySG, p.LiczbaWezlowSystemow, "     System nr S", kPolaSystemow);
  Sekcja(r, " Dane generatorów:");
  Elementy(r, p.GeneratorySG, p.LiczbaWezlowGeneratorow, "     Generator nr G", kPolaGeneratorow);
  Sekcja(r, " Dane transformatorów:");
  Elementy(r, p.TrafoSG, p.LiczbaTransformatorow, "     Transformator nr T", kPolaTrafo);
  Sekcja(r, " Dane linii:");
  Elementy(r, p.LinieSG, p.LiczbaLinii, "     Linia nr L", kPolaLinii);

  r.push_back("");
  r.push_back(kKreska);
  r.push_back(" Numer węzła w którym jest zwarcie : " + Calkowita(p.WezelZwarcia));
  r.push_back(" Napiecie znamionowe sieci w miejscu zwarcia Un=" + common::LiczbaNaTekst(p.NapiecieZwarcia) + " kV");
  r.push_back(" Czas trwania zwarcia t=" + common::LiczbaNaTekst(p.CzasZwarcia) + " s");
  r.push_back(kKreska);
  PradyGalezi(r, w);
  r.push_back(" Parametry prądu zwarciowego w miejscu zwarcia:");
  r.push_back("  - prąd początkowy I=" + common::WedlugWzorca("0.0000", w.PradPoczatkowy) + " kA");
  ImpedancjaObwodu(r, w);
  return r;
}

std::vector<std::string> LiniePradowZwarciowych(const std::string& udarowy, const std::string& wylaczeniowy,
                                                const std::string& cieplny) {
  return {"  - prąd zwarciowy udarowy I=" + udarowy + " kA",
          "  - prąd wyłączeniowy symetryczny I=" + wylaczeniowy + " kA",
          "  - prąd zwarciowy cieplny I=" + cieplny + " kA"};
}

std::vector<std::string> LiniePradowZwarciowych(double udarowy, double wylaczeniowy, double cieplny) {
  return LiniePradowZwarciowych(common::WedlugWzorca("0.0000", udarowy), common::WedlugWzorca("0.0000", wylaczeniowy),
                                common::WedlugWzorca("0.0000", cieplny));
}

std::string TekstRdoX(const WynikZwarcia& w) {
  if (w.StosunekRdoX == 0) return "∞";
  return common::LiczbaNaTekst(1 / w.StosunekRdoX);
}

}  // namespace zwarcia
