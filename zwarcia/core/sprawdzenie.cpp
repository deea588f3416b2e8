#include "zwarcia/core/sprawdzenie.h"

#include <functional>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "common/core/liczby.h"
#include "zwarcia/core/siec.h"

namespace zwarcia {
namespace {

using common::TextGrid;

// The text of a refusal; empty when the rule passes.
using Odmowa = std::optional<std::string>;

// The rules below address node columns by number: column 1 is the node of
// every table (kSystemWezel, kGeneratorWezel, kTrafoWezelGorny,
// kLiniaPoczatek), column 2 the lower node of a transformer or the end of a
// line (kTrafoWezelDolny, kLiniaKoniec).

const std::string kZlaKonfiguracja = "Konfiguracja schematu nie jest prawidłowa. ";

std::string Nr(long long x) { return common::CalkowitaNaTekst(x); }

// Node cells are read as the computation's network model reads them.
int Wezel(const TextGrid& g, int kolumna, int wiersz) { return NumerWezla(g.cell(kolumna, wiersz)); }

double Wartosc(const TextGrid& g, int kolumna, int wiersz) { return common::NaLiczbe(g.cell(kolumna, wiersz)); }

const char* Strona(int kolumna) { return kolumna == 1 ? "Początek " : "Koniec "; }

// Lines and transformers go through the same node rules; only the words of
// the messages differ.
struct Galezie {
  const TextGrid& g;
  int n;
  const char* mianownik;   // "Linia L"
  const char* dopelniacz;  // "linii L", after "Początek " or "Koniec "
};

Galezie Linie(const Przypadek& p) { return {p.LinieSG, p.LiczbaLinii, "Linia L", "linii L"}; }
Galezie Trafa(const Przypadek& p) {
  return {p.TrafoSG, p.LiczbaTransformatorow, "Transformator T", "transformatora T"};
}

// The same for the two source tables. The two out-of-range messages differ
// by a comma before "a taki"; users know them in this form.
struct Zrodla {
  const TextGrid& g;
  int n;
  const char* mnoga;      // "generatorów", as in "oznaczenia dla ..."
  const char* biernik;    // "generator G", as in "Przyjęto że ..."
  const char* mianownik;  // "Generator G", opening a sentence
  const char* przedATaki;  // "," or nothing
};

Zrodla Generatory(const Przypadek& p) {
  return {p.GeneratorySG, p.LiczbaWezlowGeneratorow, "generatorów", "generator G", "Generator G", ","};
}
Zrodla Systemy(const Przypadek& p) {
  return {p.SystemySG, p.LiczbaWezlowSystemow, "systemów", "system S", "System S", ""};
}

// A cell connects the node it reads as ("03" is node 3); one that is not a
// whole number ("3,0") connects nothing and is not refused yet, the later
// rules convert it. Systems and generators feed a node but do not connect it.
Odmowa NiepodlaczonyWezel(const Przypadek& p) {
  std::set<int> konce;
  for (const Galezie& b : {Linie(p), Trafa(p)})
    for (int i = 1; i <= b.n; ++i)
      for (int kolumna = 1; kolumna <= 2; ++kolumna)
        if (const auto wezel = NumerWezlaJesliJest(b.g.cell(kolumna, i))) konce.insert(*wezel);
  for (int k = 1; k <= p.LiczbaWezlow; ++k)
    if (!konce.contains(k)) return kZlaKonfiguracja + "Sprawdź, czy wszystkie węzły zostały podłączone !!!";
  return {};
}

// "2" and "02" are one node.
Odmowa KonceWTymSamymWezle(const Galezie& b) {
  for (int i = 1; i <= b.n; ++i)
    if (Wezel(b.g, 1, i) == Wezel(b.g, 2, i))
      return kZlaKonfiguracja + b.mianownik + Nr(i) + " ma początek i koniec w tym samym węźle " + b.g.cell(1, i) +
             " !!!";
  return {};
}

Odmowa KoniecPozaSchematem(const Galezie& b, int kolumna, int n) {
  for (int i = 1; i <= b.n; ++i)
    if (Wezel(b.g, kolumna, i) > n)
      return kZlaKonfiguracja + Strona(kolumna) + b.dopelniacz + Nr(i) + " jest podłączony do węzła nr " +
             b.g.cell(kolumna, i) + ", który nie istnieje. W schemacie tym istnieje tylko " + Nr(n) + " węzłów !!!";
  return {};
}

Odmowa ZrodloPozaSchematem(const Zrodla& z, int n) {
  for (int r = 1; r <= z.n; ++r)
    if (Wezel(z.g, 1, r) > n)
      return std::string("Podano nieprawidłowe oznaczenia dla ") + z.mnoga +
             " lub obwód jest nieprawidłowo skonfigurowany.\nPrzyjęto że " + z.biernik + Nr(r) +
             " jest podłączony do węzla " + z.g.cell(1, r) + z.przedATaki +
             " a taki węzeł na schemacie nie istnieje. We wprowadzonym schemacie jest tylko " + Nr(n) +
             " węzły(ów) !!!";
  return {};
}

// Parallel transformers must be alike. Only neighbouring rows are compared,
// so parallel units are expected to be entered one after another; the nodes
// count as the same in the same orientation only.
Odmowa RozneTrafaRownolegle(const Przypadek& p) {
  const TextGrid& g = p.TrafoSG;
  for (int i = 1; i < p.LiczbaTransformatorow; ++i) {
    if (Wezel(g, 1, i) != Wezel(g, 1, i + 1) || Wezel(g, 2, i) != Wezel(g, 2, i + 1)) continue;
    for (int k : {kTrafoMoc, kTrafoPCu, kTrafoUz, kTrafoLiczba})
      if (Wartosc(g, k, i) != Wartosc(g, k, i + 1))
        return "Konfiguracja schematu nie jest prawidłowa.\nTransformator T" + Nr(i) + " i transformator T" +
               Nr(i + 1) + " mają początek i koniec w tym samym węźle (węzły " + g.cell(1, i) + "," + g.cell(2, i) +
               "). Wynika z tego, że pracują równolegle, co jest w ich przypadku niemożliwe ponieważ różnią się "
               "danymi znamionowymi.";
  }
  return {};
}

// A line between the two ends of a transformer, in either direction, shorts it.
// Here the node cells are compared as typed, so "01" does not name node 1.
Odmowa LiniaRownoleglaDoTrafa(const Przypadek& p) {
  const TextGrid& l = p.LinieSG;
  const TextGrid& t = p.TrafoSG;
  for (int i = 1; i <= p.LiczbaLinii; ++i)
    for (int j = 1; j <= p.LiczbaTransformatorow; ++j) {
      const bool wprost = t.cell(1, j) == l.cell(1, i) && t.cell(2, j) == l.cell(2, i);
      const bool nakrzyz = t.cell(1, j) == l.cell(2, i) && t.cell(2, j) == l.cell(1, i);
      if (wprost || nakrzyz)
        return kZlaKonfiguracja + "Transformator T" + Nr(j) + " i linia L" + Nr(i) +
               " są podłączone między dwa takie same węzły nr " + t.cell(1, j) + " i " + t.cell(2, j) +
               " co w praktyce oznacza ZWARCIE !!!.\nW rzeczywistości takie połączenie jest NIEDOPUSZCZALNE !!!";
    }
  return {};
}

// Nodes are numbered from 1; a 0 or a negative number (from a file, or a 0
// typed in) passes every rule above but would index outside the
// computation's arrays.
Odmowa WezelPonizejJedynki(const Przypadek& p) {
  for (const Galezie& b : {Linie(p), Trafa(p)})
    for (int i = 1; i <= b.n; ++i)
      for (int kolumna = 1; kolumna <= 2; ++kolumna)
        if (Wezel(b.g, kolumna, i) < 1)
          return kZlaKonfiguracja + Strona(kolumna) + b.dopelniacz + Nr(i) + " jest podłączony do węzła nr " +
                 b.g.cell(kolumna, i) + ", a węzły są numerowane od 1 !!!";
  for (const Zrodla& z : {Generatory(p), Systemy(p)})
    for (int r = 1; r <= z.n; ++r)
      if (Wezel(z.g, 1, r) < 1)
        return std::string("Podano nieprawidłowe oznaczenia dla ") + z.mnoga + ".\n" + z.mianownik + Nr(r) +
               " jest podłączony do węzła nr " + z.g.cell(1, r) + ", a węzły są numerowane od 1 !!!";
  return {};
}

// A part of the network that no system or generator feeds has a singular
// nodal matrix: every node must be reachable from some source node through
// lines and transformers. Maps and sets keyed by node number, so no number
// can index outside anything.
Odmowa CzescBezZasilania(const Przypadek& p) {
  std::map<int, std::vector<int>> sasiedzi;
  for (const Galezie& b : {Linie(p), Trafa(p)})
    for (int i = 1; i <= b.n; ++i) {
      const int a = Wezel(b.g, 1, i), c = Wezel(b.g, 2, i);
      sasiedzi[a].push_back(c);
      sasiedzi[c].push_back(a);
    }
  std::set<int> zasilane;
  std::vector<int> kolejka;
  for (const Zrodla& z : {Generatory(p), Systemy(p)})
    for (int r = 1; r <= z.n; ++r)
      if (const int k = Wezel(z.g, 1, r); zasilane.insert(k).second) kolejka.push_back(k);
  for (size_t j = 0; j < kolejka.size(); ++j)
    for (int m : sasiedzi[kolejka[j]])
      if (zasilane.insert(m).second) kolejka.push_back(m);
  for (int k = 1; k <= p.LiczbaWezlow; ++k)
    if (!zasilane.contains(k))
      return kZlaKonfiguracja + "Węzeł nr " + Nr(k) +
             " nie jest połączony przez linie i transformatory z żadnym węzłem zasilanym z systemu lub generatora, "
             "więc nie można w nim obliczyć zwarcia !!!";
  return {};
}

// The element data below are what the impedance formulas divide by.

// The computation takes Sz as a whole number; converting it here already
// makes "2500,5" fail with the conversion error before anything is computed
// rather than halfway through.
Odmowa ZleDaneSystemu(const Przypadek& p) {
  for (int r = 1; r <= p.LiczbaWezlowSystemow; ++r)
    if (Wezel(p.SystemySG, kSystemMoc, r) <= 0)
      return "Nieprawidłowe dane systemu S" + Nr(r) + ": moc zwarciowa musi być większa od zera !!!";
  return {};
}

Odmowa ZleDaneGeneratora(const Przypadek& p) {
  const TextGrid& g = p.GeneratorySG;
  for (int r = 1; r <= p.LiczbaWezlowGeneratorow; ++r) {
    const std::string przed = "Nieprawidłowe dane generatora G" + Nr(r) + ": ";
    if (Wartosc(g, kGeneratorMoc, r) <= 0) return przed + "moc znamionowa musi być większa od zera !!!";
    if (Wartosc(g, kGeneratorXd, r) <= 0) return przed + "reaktancja przejściowa musi być większa od zera !!!";
    if (Wartosc(g, kGeneratorLiczba, r) <= 0) return przed + "liczba generatorów musi być większa od zera !!!";
  }
  return {};
}

// uR in per cent: kW / (10 * MVA) = kW / kVA * 100. The reactance is the
// root of uz² - uR², so uz may not be below uR.
Odmowa ZleDaneTrafa(const Przypadek& p) {
  const TextGrid& g = p.TrafoSG;
  for (int i = 1; i <= p.LiczbaTransformatorow; ++i) {
    const std::string przed = "Nieprawidłowe dane transformatora T" + Nr(i) + ": ";
    const double sn = Wartosc(g, kTrafoMoc, i);
    if (sn <= 0) return przed + "moc znamionowa musi być większa od zera !!!";
    const double uz = Wartosc(g, kTrafoUz, i);
    if (uz <= 0) return przed + "napięcie zwarcia musi być większe od zera !!!";
    const double uR = Wartosc(g, kTrafoPCu, i) / (10 * sn);
    if (uz < uR)
      return przed + "napięcie zwarcia " + g.cell(kTrafoUz, i) +
             " % jest mniejsze od spadku napięcia na rezystancji uR = " + common::LiczbaNaTekst(uR) +
             " % (straty w miedzi " + g.cell(kTrafoPCu, i) + " kW) !!!";
    if (Wartosc(g, kTrafoLiczba, i) <= 0) return przed + "liczba transformatorów musi być większa od zera !!!";
  }
  return {};
}

Odmowa ZleDaneLinii(const Przypadek& p) {
  const TextGrid& g = p.LinieSG;
  for (int i = 1; i <= p.LiczbaLinii; ++i) {
    const std::string przed = "Nieprawidłowe dane linii L" + Nr(i) + ": ";
    if (Wartosc(g, kLiniaTory, i) <= 0) return przed + "liczba torów musi być większa od zera !!!";
    if (Wartosc(g, kLiniaDlugosc, i) <= 0) return przed + "długość linii musi być większa od zera !!!";
    if (Wartosc(g, kLiniaR, i) == 0 && Wartosc(g, kLiniaX, i) == 0)
      return przed + "rezystancja i reaktancja jednostkowa nie mogą być jednocześnie równe zeru !!!";
  }
  return {};
}

}  // namespace

// The rule of a line beside a transformer compares the node cells as typed;
// a branch end not written as its plain number ("02") is refused last, so
// no accepted network is read one way there and another in the computation.
Odmowa ZapisWezlowGalezi(const Przypadek& p) {
  for (const Galezie& b : {Linie(p), Trafa(p)})
    for (int i = 1; i <= b.n; ++i)
      for (int kolumna = 1; kolumna <= 2; ++kolumna) {
        const std::string& komorka = b.g.cell(kolumna, i);
        const std::string wprost = common::CalkowitaNaTekst(Wezel(b.g, kolumna, i));
        if (komorka != wprost)
          return kZlaKonfiguracja + (kolumna == 1 ? "Początek " : "Koniec ") + b.dopelniacz + common::CalkowitaNaTekst(i) +
                 " jest podłączony do węzła \"" + komorka +
                 "\". Numer węzła wpisuje się bez zer na początku, spacji i znaku +, tu: " + wprost + " !!!";
      }
  return {};
}

bool SprawdzKonfiguracje(const Przypadek& p, common::DialogService& dialogi) {
  const int n = p.LiczbaWezlow;
  // In this order; the first rule that fails gives the only message. The
  // later rules rely on the earlier ones: the source search and the data
  // checks see node numbers from 1 to n only.
  const std::function<Odmowa()> reguly[] = {
      [&] { return NiepodlaczonyWezel(p); },
      [&] { return KonceWTymSamymWezle(Linie(p)); },
      [&] { return KoniecPozaSchematem(Linie(p), 1, n); },
      [&] { return KoniecPozaSchematem(Linie(p), 2, n); },
      [&] { return ZrodloPozaSchematem(Generatory(p), n); },
      [&] { return ZrodloPozaSchematem(Systemy(p), n); },
      [&] { return KonceWTymSamymWezle(Trafa(p)); },
      [&] { return KoniecPozaSchematem(Trafa(p), 1, n); },
      [&] { return KoniecPozaSchematem(Trafa(p), 2, n); },
      [&] { return RozneTrafaRownolegle(p); },
      [&] { return LiniaRownoleglaDoTrafa(p); },
      [&] { return WezelPonizejJedynki(p); },
      [&] { return CzescBezZasilania(p); },
      [&] { return ZleDaneSystemu(p); },
      [&] { return ZleDaneGeneratora(p); },
      [&] { return ZleDaneTrafa(p); },
      [&] { return ZleDaneLinii(p); },
      [&] { return ZapisWezlowGalezi(p); },
  };
  for (const auto& regula : reguly)
    if (Odmowa komunikat = regula()) {
      dialogi.error(*komunikat);
      return false;
    }
  return true;
}

std::vector<std::string> OstrzezeniaZwarcia(const Przypadek& p) {
  const TextGrid& g = p.LinieSG;
  const int f = p.WezelZwarcia;
  int linie = 0;
  std::set<double> poziomy;  // kV, ascending, each level once
  for (int i = 1; i <= p.LiczbaLinii; ++i)
    if (Wezel(g, 1, i) == f || Wezel(g, 2, i) == f) {
      ++linie;
      poziomy.insert(Wartosc(g, kLiniaNapiecie, i));
    }
  if (poziomy.empty() || (poziomy.size() == 1 && *poziomy.begin() == p.NapiecieZwarcia)) return {};
  // "110 kV", "110 i 220 kV", "110, 220 i 400 kV".
  std::string lista;
  for (auto it = poziomy.begin(); it != poziomy.end(); ++it)
    lista += (it == poziomy.begin() ? "" : std::next(it) == poziomy.end() ? " i " : ", ") + common::LiczbaNaTekst(*it);
  const char* linieMaja = linie == 1            ? "linia dołączona do tego węzła ma napięcie znamionowe "
                          : poziomy.size() == 1 ? "linie dołączone do tego węzła mają napięcie znamionowe "
                                                : "linie dołączone do tego węzła mają napięcia znamionowe ";
  const std::string kV = common::LiczbaNaTekst(p.NapiecieZwarcia) + " kV";
  return {"Napięcie znamionowe w miejscu zwarcia (węzeł nr " + Nr(f) + ") podano " + kV + ", a " + linieMaja + lista +
          " kV. Obliczenia wykonano dla " + kV + "."};
}

}  // namespace zwarcia
