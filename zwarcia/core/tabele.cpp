#include "zwarcia/core/tabele.h"

#include <cmath>
#include <utility>
#include <vector>

#include "common/core/liczby.h"

namespace zwarcia {

using common::CalkowitaNaTekst;
using common::TabelaWynikow;
using common::WedlugWzorca;

namespace {

std::string Nr(int x) { return CalkowitaNaTekst(x); }
int Rozmiar(const std::vector<double>& v) { return static_cast<int>(v.size()); }

TabelaWynikow Szkielet(const char* tytul, int kolumny, int wiersze, std::vector<int> szerokosci) {
  TabelaWynikow t;
  t.tytul = tytul;
  t.kolumny = kolumny;
  t.wiersze = wiersze;
  t.szerokosci = std::move(szerokosci);
  return t;
}

// "G - jB" of the impedance whose R and X are the texts already shown, read
// back, so that the admittance agrees with the rounded values beside it.
std::string Admitancja(const std::string& r, const std::string& x) {
  const double R = common::NaLiczbe(r), X = common::NaLiczbe(x);
  const double m = R * R + X * X;
  return WedlugWzorca("0.0000", R / m) + " - j" + WedlugWzorca("0.0000", X / m);
}

// The element tables of transformers and lines differ only in their
// title, headers, widths and the pattern of R and X.
TabelaWynikow TabelaGalezi(const char* tytul, std::vector<int> szerokosci, std::vector<const char*> naglowki,
                           const char* litera, const char* wzorzec, const std::vector<double>& R,
                           const std::vector<double>& X) {
  TabelaWynikow t = Szkielet(tytul, 5, Rozmiar(R) + 1, std::move(szerokosci));
  t.komorka = [=, &R, &X](int c, int r) -> std::string {
    if (r == 0) return naglowki[size_t(c)];
    if (c == 0) return litera + Nr(r);
    const std::string r1 = WedlugWzorca(wzorzec, R[size_t(r - 1)]);
    const std::string x1 = WedlugWzorca(wzorzec, X[size_t(r - 1)]);
    switch (c) {
      case 1: return r1;
      case 2: return x1;
      case 3: return r1 + " + j" + x1;
      default: return Admitancja(r1, x1);
    }
  };
  return t;
}

// A square n x n matrix per unit with branch or node numbers as labels and
// an empty corner; `element` gives entry [i][j] (zero where nothing is
// stored), `wpis` writes a nonzero entry.
template <typename Element, typename Wpis>
TabelaWynikow TabelaMacierzy(const char* tytul, int n, Element element, Wpis wpis) {
  TabelaWynikow t = Szkielet(tytul, n + 1, n + 1, {45, 95});
  t.komorka = [element, wpis](int c, int r) -> std::string {
    if (r == 0) return c == 0 ? "" : Nr(c);
    if (c == 0) return Nr(r);
    const Zespolona y = element(c - 1, r - 1);
    if (y.real() == 0 && y.imag() == 0) return "0";
    return wpis(y);
  };
  return t;
}

}  // namespace

TabelaWynikow TabelaSystemow(const WynikZwarcia& w) {
  const auto& X = w.impedancje.XSystemow;
  TabelaWynikow t = Szkielet(kTytulSystemow, 3, Rozmiar(X) + 1, {30, 140, 60});
  t.komorka = [&X](int c, int r) -> std::string {
    static const char* naglowki[] = {"Nr", "Reaktancja systemu Xs [om]", "1/Xs [S]"};
    if (r == 0) return naglowki[c];
    if (c == 0) return "S" + Nr(r);
    const double x = X[size_t(r - 1)];
    return c == 1 ? " j" + WedlugWzorca("0.0000", x) : "-j" + WedlugWzorca("0.0000", 1 / x);
  };
  return t;
}

TabelaWynikow TabelaGeneratorow(const WynikZwarcia& w) {
  const auto& R = w.impedancje.RGeneratorow;
  const auto& X = w.impedancje.XGeneratorow;
  TabelaWynikow t = Szkielet(kTytulGeneratorow, 4, Rozmiar(R) + 1, {30, 130, 130, 130});
  t.komorka = [&R, &X](int c, int r) -> std::string {
    static const char* naglowki[] = {"Nr", "Rezystncja gen. Rg [om]", "Reaktancja gen. Xg [om]",
                                     "Impedancja gen. Zg [om]"};
    if (r == 0) return naglowki[c];
    if (c == 0) return "G" + Nr(r);
    const std::string r1 = WedlugWzorca("0.0000", R[size_t(r - 1)]);
    const std::string x1 = "j" + WedlugWzorca("0.0000", X[size_t(r - 1)]);
    return c == 1 ? r1 : c == 2 ? x1 : r1 + " + " + x1;
  };
  return t;
}

std::optional<TabelaWynikow> TabelaTrafo(const WynikZwarcia& w) {
  if (w.impedancje.RTrafo.empty()) return std::nullopt;
  return TabelaGalezi(kTytulTrafo, {45, 109, 104, 104, 117},
                      {"Tr nr", "Rezystancja tr R [om]", "Reaktancja tr X [om]", "Impedancja tr Z [om]", "1/Zt [S]"},
                      "T", "0.0000", w.impedancje.RTrafo, w.impedancje.XTrafo);
}

TabelaWynikow TabelaLinii(const WynikZwarcia& w) {
  return TabelaGalezi(kTytulLinii, {50, 117, 114, 134, 117},
                      {"Linia nr", "Rezystancja linii R [om]", "Reaktancja linii X [om]", "Impedancja linii Z [om]",
                       "1/Z [S]"},
                      "L", "0.000", w.impedancje.RLinii, w.impedancje.XLinii);
}

// The branch admittances of the sound computation: a line is per unit on
// its own level's base, which for a one-level network is the common base.
TabelaWynikow TabelaYg(const WynikZwarcia& w) {
  const MacierzeSieci& s = w.sieci;
  const auto element = [&s](int i, int j) { return s.Yg(i, j); };
  return TabelaMacierzy(kTytulYg, static_cast<int>(s.MacierzYg.size()), element, [](Zespolona y) {
    if (y.imag() > 0) return WedlugWzorca("0.0000", y.real()) + " + j" + WedlugWzorca("0.0000", y.imag());
    return WedlugWzorca(" 0.0000", y.real()) + " - j" + WedlugWzorca("0.0000", std::fabs(y.imag()));
  });
}

TabelaWynikow TabelaYw(const WynikZwarcia& w) {
  const MacierzeSieci& s = w.sieci;
  const auto element = [&s](int i, int j) { return s.Yw(i, j); };
  return TabelaMacierzy(kTytulYw, static_cast<int>(s.MacierzYw.rows()), element, [](Zespolona y) {
    const std::string re = WedlugWzorca("0.0000", y.real());
    if (y.imag() > 0) return re + " + j" + WedlugWzorca("0.0000", y.imag());
    return re + " - j" + WedlugWzorca("0.0000", std::fabs(y.imag()));
  });
}

// Columns are branches, rows nodes.
TabelaWynikow TabelaStrukturalna(const WynikZwarcia& w) {
  const MacierzeSieci& s = w.sieci;
  TabelaWynikow t = Szkielet(kTytulStrukturalnej, static_cast<int>(s.galezie.size()) + 1, s.LiczbaWezlow + 1, {25});
  t.komorka = [&s](int c, int r) -> std::string {
    if (r == 0) return c == 0 ? "[i,j]" : Nr(c);
    if (c == 0) return Nr(r);
    const int a = s.A(c - 1, r - 1);
    return a >= 0 ? WedlugWzorca("  0", a) : WedlugWzorca(" -0", std::abs(a));
  };
  return t;
}

// The moduli of the complex branch currents during the fault, per unit:
// the sound solution's currents, not the signed real values built from
// moduli of admittances.
TabelaWynikow TabelaPradow(const WynikZwarcia& w) {
  const auto& I = w.PradyGaleziowe;
  const auto& galezie = w.sieci.galezie;
  TabelaWynikow t = Szkielet(kTytulPradow, 2, static_cast<int>(I.size()) + 1, {130, 110});
  t.komorka = [&I, &galezie](int c, int r) -> std::string {
    if (r == 0) return c == 0 ? "Gałąź" : "Ik [j.w.]";
    // Each row named by its element and nodes: "T1 (węzły 2-3)".
    if (c == 0)
      return size_t(r) <= galezie.size()
                 ? NazwaGalezi(galezie[size_t(r - 1)]) + " (" + WezlyGalezi(galezie[size_t(r - 1)]) + ")"
                 : Nr(r);
    return WedlugWzorca("0.0000", std::abs(I[size_t(r - 1)]));
  };
  return t;
}

namespace {

// Label texts of the four element tables, by column; "" where the column
// has no explanation.
struct Opis {
  const char* tytul;
  const char* elementy[5];  // "<what> <kind> <letter>", column 1..4
  const char* symbole[5];   // "  R = " and so on
  const char* jednostki[5];
};

const Opis kOpisy[] = {
    {kTytulSystemow,
     {"", "Reaktancja systemu S", "Admitancja systemu S", "", ""},
     {"", "  X = ", "  Y = ", "", ""},
     {"", " om", " S", "", ""}},
    {kTytulGeneratorow,
     {"", "Rezystancja generatora G", "Reaktancja generatora G", "Impedancja generatora G", ""},
     {"", "  R = ", "  X = ", "  Z = ", ""},
     {"", " om", " om", " om", ""}},
    {kTytulTrafo,
     {"", "Rezystancja transformatora T", "Reaktancja transformatora T", "Impedancja transformatora T",
      "Admitancja transformatora T"},
     {"", "  R = ", "  X = ", "  Z = ", "  Y = "},
     {"", " om", " om", " om", " S"}},
    {kTytulLinii,
     {"", "Rezystancja linii L", "Reaktancja linii L", "Impedancja linii L", "Admitancja linii L"},
     {"", "  R = ", "  X = ", "  Z = ", "  Y = "},
     {"", " om", " om", " om", " S"}},
};

// Branch order: systems, generators, transformers, lines. The element
// number is taken from the row; only diagonal cells are not "0".
std::string ObjasnienieYg(int c, int r, const std::string& komorka, const Przypadek& p) {
  if (komorka == "0") return "";
  const int S = p.LiczbaWezlowSystemow, G = p.LiczbaWezlowGeneratorow, T = p.LiczbaTransformatorow;
  std::string element;
  if (c <= S) element = "Admitancja systemu S" + Nr(r);
  else if (c <= S + G) element = "Admitancja generatora G" + Nr(r - S);
  else if (c <= S + G + T) element = "Admitancja transformatora T" + Nr(r - S - G);
  else element = "Admitancja linii L" + Nr(r - S - G - T);
  return element + "   Y = " + komorka + "  S";
}

std::string ObjasnienieYw(int c, int r, const std::string& komorka) {
  if (komorka == "0") return "Brak jakiegokolwiek połączenia między węzłami " + Nr(c) + " i " + Nr(r);
  if (c == r) return "Admitancja własna węzła " + Nr(r) + "    Yw = " + komorka;
  return "Admitancja wzajemna między węzłem " + Nr(r) + " i " + Nr(c) + "    Yw = " + komorka;
}

}  // namespace

std::string ObjasnienieKomorki(const TabelaWynikow& t, int c, int r, const Przypadek& p) {
  if (c < 1 || r < 1 || c >= t.kolumny || r >= t.wiersze || !t.komorka) return "";
  const std::string komorka = t.komorka(c, r);
  for (const Opis& o : kOpisy) {
    if (t.tytul != o.tytul) continue;
    if (c > 4 || *o.elementy[c] == '\0') return "";
    return o.elementy[c] + Nr(r) + o.symbole[c] + komorka + o.jednostki[c];
  }
  if (t.tytul == kTytulYg) return ObjasnienieYg(c, r, komorka, p);
  if (t.tytul == kTytulYw) return ObjasnienieYw(c, r, komorka);
  if (t.tytul == kTytulStrukturalnej) {
    if (komorka == "  1") return "Do węzła nr " + Nr(r) + " wpływa prąd I" + Nr(c);
    if (komorka == " -1") return "Z węzła nr " + Nr(r) + " wypływa prąd I" + Nr(c);
  }
  return "";
}

}  // namespace zwarcia
