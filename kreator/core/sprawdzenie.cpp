#include "kreator/core/sprawdzenie.h"

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "common/core/liczby.h"
#include "kreator/core/siec.h"

namespace kreator {
namespace {

using common::TextGrid;

// The text of a refusal; empty when the rule passes.
using Odmowa = std::optional<std::string>;

const std::string kZlaKonfiguracja = "Konfiguracja schematu nie jest prawidłowa. ";

std::string Nr(long long x) { return common::CalkowitaNaTekst(x); }

// The one reading of a node cell, the computation's.
int Wezel(const TextGrid& g, int kolumna, int wiersz) { return NumerWezla(g, kolumna, wiersz); }

double Wartosc(const TextGrid& g, int kolumna, int wiersz) { return common::NaLiczbe(g.cell(kolumna, wiersz)); }

bool WSchemacie(int wezel, int n) { return wezel >= 1 && wezel <= n; }

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

// The same for the two node grids.
struct Wezly {
  const TextGrid& g;
  int n;
  const char* mnoga;      // "elektrownianych", as in "dla węzłów ..."
  const char* narzednik;  // "elektrownianym", as in "jest węzłem ..."
  const char* etykieta;   // "W. el. "
};

Wezly Elektrowniane(const Przypadek& p) {
  return {p.WElSG, p.LiczbaWezlowElektrownianych, "elektrownianych", "elektrownianym", "W. el. "};
}
Wezly Obciazeniowe(const Przypadek& p) {
  return {p.WObcSG, p.LiczbaWezlowObciazeniowych, "obciążeniowych", "obciążeniowym", "W. obc. "};
}

Odmowa ZaDuzoWezlowZTypem(const Przypadek& p) {
  if (p.LiczbaWezlowElektrownianych + p.LiczbaWezlowObciazeniowych <= p.LiczbaWezlow) return {};
  return "Suma węzłów elektrownianych i obciążeniowych jest większa od liczby węzłów w schemacie !!!";
}

// A connection counts only when the cell names the node plainly, so "02"
// does not connect node 2 here (a network using "02" is refused in the end
// anyway, by ZapisWezlow).
Odmowa NiepodlaczonyWezel(const Przypadek& p) {
  std::set<std::string> konce;
  for (const Galezie& b : {Linie(p), Trafa(p)})
    for (int i = 1; i <= b.n; ++i) {
      konce.insert(b.g.cell(1, i));
      konce.insert(b.g.cell(2, i));
    }
  for (int k = 1; k <= p.LiczbaWezlow; ++k)
    if (!konce.contains(Nr(k)))
      return kZlaKonfiguracja + "Sprawdź, czy wszystkie węzły zostały podłączone !!!";
  return {};
}

Odmowa KonceWTymSamymWezle(const Galezie& b) {
  for (int i = 1; i <= b.n; ++i)
    if (b.g.cell(1, i) == b.g.cell(2, i))
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

Odmowa WezelPozaSchematem(const Wezly& w, int n) {
  for (int r = 1; r <= w.n; ++r)
    if (Wezel(w.g, 1, r) > n)
      return std::string("Podano nieprawidłowe oznaczenia dla węzłów ") + w.mnoga +
             " lub obwód jest nieprawidłowo skonfigurowany.\nPrzyjęto że węzeł " + w.g.cell(1, r) + " jest węzłem " +
             w.narzednik + " a taki węzeł na schemacie nie istnieje. We wprowadzonym schemacie jest tylko " + Nr(n) +
             " węzłów !!!";
  return {};
}

// A set rather than flags by node number: numbers below 1 have not been
// refused yet at this point.
Odmowa WezelUzytyDwaRazy(const Przypadek& p) {
  std::set<int> uzyte;
  for (const Wezly& w : {Elektrowniane(p), Obciazeniowe(p)})
    for (int r = 1; r <= w.n; ++r)
      if (!uzyte.insert(Wezel(w.g, 1, r)).second) {
        const std::string& jak = w.g.cell(1, r);
        return "Węzeł nr " + jak +
               " został użyty podwójnie jakow węzeł elektrowniany i obciążeniowy jednocześnie.\n"
               "We wprowadzonym schemacie węzeł nr " +
               jak + " jest użyty dwa razy co przedłuży proces liczenia. Popraw konfigurację schematu !!!";
      }
  return {};
}

// Nodes are numbered from 1; a 0 or a negative number (from a file) would
// index outside the computation's arrays.
Odmowa WezelPonizejJedynki(const Przypadek& p) {
  for (const Galezie& b : {Linie(p), Trafa(p)})
    for (int i = 1; i <= b.n; ++i)
      for (int kolumna = 1; kolumna <= 2; ++kolumna)
        if (Wezel(b.g, kolumna, i) < 1)
          return kZlaKonfiguracja + Strona(kolumna) + b.dopelniacz + Nr(i) + " jest podłączony do węzła nr " +
                 b.g.cell(kolumna, i) + ", a węzły są numerowane od 1 !!!";
  for (const Wezly& w : {Elektrowniane(p), Obciazeniowe(p)})
    for (int r = 1; r <= w.n; ++r)
      if (Wezel(w.g, 1, r) < 1)
        return std::string("Podano nieprawidłowe oznaczenia dla węzłów ") + w.mnoga + ".\nWiersz " + w.etykieta +
               Nr(r) + " podaje węzeł nr " + w.g.cell(1, r) + ", a węzły są numerowane od 1 !!!";
  return {};
}

// Parallel transformers must be alike. Only neighbouring rows are compared,
// so parallel units are expected to be entered one after another.
Odmowa RozneTrafaRownolegle(const Przypadek& p) {
  const TextGrid& g = p.TrafoSG;
  for (int i = 1; i < p.LiczbaTransformatorow; ++i) {
    if (Wezel(g, 1, i) != Wezel(g, 1, i + 1) || Wezel(g, 2, i) != Wezel(g, 2, i + 1)) continue;
    for (int k = 3; k <= 9; ++k)
      if (Wartosc(g, k, i) != Wartosc(g, k, i + 1))
        return "Konfiguracja schematu nie jest prawidłowa.\nTransformator T" + Nr(i) +
               " i transformator T" + Nr(i + 1) + " mają początek i koniec w tym samym węźle (węzły " + g.cell(1, i) +
               "," + g.cell(2, i) +
               "). Wynika z tego, że pracują równolegle, co jest w ich przypadku niemożliwe ponieważ różnią się "
               "danymi znamionowymi.";
  }
  return {};
}

Odmowa BilansujacyNieElektrowniany(const Przypadek& p) {
  const Wezly el = Elektrowniane(p);
  for (int r = 1; r <= el.n; ++r)
    if (Wezel(el.g, 1, r) == p.WezelBilansujacy) return {};
  const std::string s = Nr(p.WezelBilansujacy);
  return "Podano nieprawidłowy numer węzła bilansującego !!!\nPrzyjęto, że węzłem bilansującym jest węzeł numer " + s +
         ", który jest jednocześnie węzłem obciążeniowym (czyli nie jest jednym z węzłów elektrownianych).\nWęzeł " + s +
         " nie może być jednocześnie węzłem bilansującym i obciążeniowym !!!";
}

// The two end cells of a branch as an unordered pair, as written.
std::pair<std::string, std::string> Konce(const TextGrid& g, int wiersz) {
  return std::minmax(g.cell(1, wiersz), g.cell(2, wiersz));
}

// A line between the two ends of a transformer, in either direction, shorts
// it. The first line that does is reported, with the first such transformer.
Odmowa LiniaRownoleglaDoTrafa(const Przypadek& p) {
  const TextGrid& t = p.TrafoSG;
  std::map<std::pair<std::string, std::string>, int> trafa;
  for (int j = 1; j <= p.LiczbaTransformatorow; ++j) trafa.emplace(Konce(t, j), j);
  for (int i = 1; i <= p.LiczbaLinii; ++i) {
    const auto it = trafa.find(Konce(p.LinieSG, i));
    if (it == trafa.end()) continue;
    const int j = it->second;
    return kZlaKonfiguracja + "Transformator T" + Nr(j) + " i linia L" + Nr(i) +
           " są podłączone między dwa takie same węzły nr " + t.cell(1, j) + " i " + t.cell(2, j) +
           " co w praktyce oznacza ZWARCIE !!!.\nW rzeczywistości takie połączenie jest NIEDOPUSZCZALNE !!!";
  }
  return {};
}

// Every node being the end of some element does not make the network one
// piece: in an island without the slack node the iteration has no reference
// voltage. Node numbers are within 1..N by now; the range
// test only keeps the arrays safe.
Odmowa CzescOddzielona(const Przypadek& p) {
  const int n = std::max(p.LiczbaWezlow, 0);
  std::vector<std::vector<int>> sasiedzi(n + 1);
  for (const Galezie& b : {Linie(p), Trafa(p)})
    for (int i = 1; i <= b.n; ++i) {
      const int a = Wezel(b.g, 1, i), c = Wezel(b.g, 2, i);
      if (!WSchemacie(a, n) || !WSchemacie(c, n)) continue;
      sasiedzi[a].push_back(c);
      sasiedzi[c].push_back(a);
    }
  std::vector<bool> osiagniety(n + 1, false);
  std::vector<int> kolejka;
  if (WSchemacie(p.WezelBilansujacy, n)) {
    osiagniety[p.WezelBilansujacy] = true;
    kolejka.push_back(p.WezelBilansujacy);
  }
  for (size_t j = 0; j < kolejka.size(); ++j)
    for (int m : sasiedzi[kolejka[j]])
      if (!osiagniety[m]) {
        osiagniety[m] = true;
        kolejka.push_back(m);
      }
  for (int k = 1; k <= n; ++k)
    if (!osiagniety[k])
      return kZlaKonfiguracja + "Węzeł nr " + Nr(k) + " nie jest połączony z węzłem bilansującym nr " +
             Nr(p.WezelBilansujacy) + " przez linie i transformatory (sieć składa się z oddzielnych części) !!!";
  return {};
}

// A value that may be zero but not below it: "rezystancja jednostkowa
// (kolumna "R'  [om/km]") nie może być ujemna, a wpisano -0,12 !!!". The column
// is named by its header, so the user finds the cell at once.
struct Nieujemna {
  int kolumna;
  const char* wielkosc;  // "rezystancja jednostkowa"
  const char* ujemna;    // "nie może być ujemna", agreeing with `wielkosc`
};

Odmowa Ujemna(const TextGrid& g, int wiersz, const std::string& przed, std::initializer_list<Nieujemna> wartosci) {
  for (const Nieujemna& w : wartosci)
    if (Wartosc(g, w.kolumna, wiersz) < 0)
      // The column as its header reads in the table itself.
      return przed + w.wielkosc + " (kolumna \"" + g.cell(w.kolumna, 0) + "\") " + w.ujemna + ", a wpisano " +
             g.cell(w.kolumna, wiersz) + " !!!";
  return {};
}

// Element data the parameter formulas divide by or take roots of, and the
// per-length and loss data, which a real element never has below zero: a
// negative X' turns the admittance matrix into one the iteration runs away on.
Odmowa ZleDaneLinii(const Przypadek& p) {
  const TextGrid& g = p.LinieSG;
  for (int i = 1; i <= p.LiczbaLinii; ++i) {
    const std::string przed = "Nieprawidłowe dane linii L" + Nr(i) + ": ";
    if (Wartosc(g, kLiniaTory, i) <= 0) return przed + "liczba torów musi być większa od zera !!!";
    if (Wartosc(g, kLiniaDlugosc, i) <= 0) return przed + "długość linii musi być większa od zera !!!";
    if (Wartosc(g, kLiniaNapiecie, i) <= 0) return przed + "napięcie linii musi być większe od zera !!!";
    if (Odmowa o = Ujemna(g, i, przed,
                          {{kLiniaR, "rezystancja jednostkowa", "nie może być ujemna"},
                           {kLiniaX, "reaktancja jednostkowa", "nie może być ujemna"},
                           {kLiniaB, "susceptancja jednostkowa", "nie może być ujemna"}}))
      return o;
    if (Wartosc(g, kLiniaR, i) == 0 && Wartosc(g, kLiniaX, i) == 0)
      return przed + "rezystancja R' i reaktancja X' nie mogą być jednocześnie równe zeru !!!";
  }
  return {};
}

// uR and the active part of i0 are in per cent: kW / (10 * MVA) = kW / kVA * 100.
Odmowa ZleDaneTrafa(const Przypadek& p) {
  const TextGrid& g = p.TrafoSG;
  for (int i = 1; i <= p.LiczbaTransformatorow; ++i) {
    const std::string przed = "Nieprawidłowe dane transformatora T" + Nr(i) + ": ";
    const double sn = Wartosc(g, kTrafoSn, i);
    if (sn <= 0) return przed + "moc znamionowa musi być większa od zera !!!";
    if (Wartosc(g, kTrafoUg, i) <= 0 || Wartosc(g, kTrafoUd, i) <= 0)
      return przed + "napięcia znamionowe muszą być większe od zera !!!";
    const double uz = Wartosc(g, kTrafoUz, i);
    if (uz <= 0) return przed + "napięcie zwarcia musi być większe od zera !!!";
    if (Odmowa o = Ujemna(g, i, przed,
                          {{kTrafoPCu, "straty w miedzi", "nie mogą być ujemne"},
                           {kTrafoPFe, "straty w żelazie", "nie mogą być ujemne"},
                           {kTrafoI0, "prąd stanu jałowego", "nie może być ujemny"}}))
      return o;
    const double uR = Wartosc(g, kTrafoPCu, i) / (10 * sn);
    if (uz < uR)
      return przed + "napięcie zwarcia " + g.cell(8, i) + " % jest mniejsze od spadku napięcia na rezystancji uR = " +
             common::LiczbaNaTekst(uR) + " % (straty w miedzi " + g.cell(6, i) + " kW) !!!";
    const double iFe = Wartosc(g, kTrafoPFe, i) / (10 * sn);
    if (Wartosc(g, kTrafoI0, i) < iFe)
      return przed + "prąd stanu jałowego " + g.cell(9, i) + " % jest mniejszy od składowej czynnej " +
             common::LiczbaNaTekst(iFe) + " % (straty w żelazie " + g.cell(7, i) + " kW) !!!";
  }
  return {};
}

// The slack node's voltage comes from its own page, so its row is not asked.
Odmowa ZleDaneGeneratora(const Przypadek& p) {
  const TextGrid& g = p.WElSG;
  for (int r = 1; r <= p.LiczbaWezlowElektrownianych; ++r)
    if (Wezel(g, 1, r) != p.WezelBilansujacy && Wartosc(g, 2, r) <= 0)
      return "Nieprawidłowe dane węzła elektrownianego W. el. " + Nr(r) + ": napięcie musi być większe od zera !!!";
  return {};
}

// The rules above compare branch ends as written, the computation reads
// them as numbers: the two agree only when every node cell is written as
// its number, "2" rather than "02", " 2" or "+2".
bool ZapisanyWprost(const TextGrid& g, int kolumna, int wiersz) {
  return g.cell(kolumna, wiersz) == Nr(Wezel(g, kolumna, wiersz));
}

const char* kJakPisac = ". Numer węzła wpisuje się bez zer na początku, spacji i znaku +, tu: ";

Odmowa ZapisWezlow(const Przypadek& p) {
  for (const Galezie& b : {Linie(p), Trafa(p)})
    for (int i = 1; i <= b.n; ++i)
      for (int kolumna = 1; kolumna <= 2; ++kolumna)
        if (!ZapisanyWprost(b.g, kolumna, i))
          return kZlaKonfiguracja + Strona(kolumna) + b.dopelniacz + Nr(i) + " jest podłączony do węzła \"" +
                 b.g.cell(kolumna, i) + "\"" + kJakPisac + Nr(Wezel(b.g, kolumna, i)) + " !!!";
  for (const Wezly& w : {Elektrowniane(p), Obciazeniowe(p)})
    for (int r = 1; r <= w.n; ++r)
      if (!ZapisanyWprost(w.g, 1, r))
        return std::string("Podano nieprawidłowe oznaczenia dla węzłów ") + w.mnoga + ".\nWiersz " + w.etykieta +
               Nr(r) + " podaje węzeł \"" + w.g.cell(1, r) + "\"" + kJakPisac + Nr(Wezel(w.g, 1, r)) + " !!!";
  return {};
}

// "3,5," for nodes 3 and 5 that are listed in neither node grid.
std::string ListaWezlowBezTypu(const Przypadek& p) {
  const int n = std::max(p.LiczbaWezlow, 0);
  std::vector<bool> maTyp(n + 1, false);
  for (const Wezly& w : {Elektrowniane(p), Obciazeniowe(p)})
    for (int r = 1; r <= w.n; ++r) {
      const int k = Wezel(w.g, 1, r);
      if (WSchemacie(k, n)) maTyp[k] = true;
    }
  std::string lista;
  for (int k = 1; k <= n; ++k)
    if (!maTyp[k]) lista += Nr(k) + ",";
  return lista;
}

}  // namespace

bool SprawdzKonfiguracje(Przypadek& p, common::DialogService& dialogi) {
  const int n = p.LiczbaWezlow;
  // In this order; the first rule that fails gives the only message. Later
  // rules rely on the earlier ones (node numbers in range, slack node known).
  const std::function<Odmowa()> reguly[] = {
      [&] { return ZaDuzoWezlowZTypem(p); },
      [&] { return NiepodlaczonyWezel(p); },
      [&] { return KonceWTymSamymWezle(Linie(p)); },
      [&] { return KoniecPozaSchematem(Linie(p), 1, n); },
      [&] { return KoniecPozaSchematem(Linie(p), 2, n); },
      [&] { return WezelPozaSchematem(Elektrowniane(p), n); },
      [&] { return WezelPozaSchematem(Obciazeniowe(p), n); },
      [&] { return WezelUzytyDwaRazy(p); },
      [&] { return KonceWTymSamymWezle(Trafa(p)); },
      [&] { return KoniecPozaSchematem(Trafa(p), 1, n); },
      [&] { return KoniecPozaSchematem(Trafa(p), 2, n); },
      [&] { return WezelPonizejJedynki(p); },
      [&] { return RozneTrafaRownolegle(p); },
      [&] { return BilansujacyNieElektrowniany(p); },
      [&] { return LiniaRownoleglaDoTrafa(p); },
      [&] { return CzescOddzielona(p); },
      [&] { return ZleDaneLinii(p); },
      [&] { return ZleDaneTrafa(p); },
      [&] { return ZleDaneGeneratora(p); },
      [&] { return ZapisWezlow(p); },
  };
  for (const auto& regula : reguly)
    if (Odmowa komunikat = regula()) {
      dialogi.error(*komunikat);
      return false;
    }

  p.WezlyBezTypu = ListaWezlowBezTypu(p);
  if (!p.WezlyBezTypu.empty())
    dialogi.message(common::Ikona::Informacja, "Uwaga !!!",
                    "Nie wszystkie węzły zostały zdefiniowane\nDla węzła(ów) " +
                        p.WezlyBezTypu.substr(0, p.WezlyBezTypu.size() - 1) +
                        " nie został podany typ, więc przyjęto, że jest(są) węzłem(ami) obciążeniowym(i) o mocach "
                        "P = 0 i Q = 0");
  return true;
}

}  // namespace kreator
