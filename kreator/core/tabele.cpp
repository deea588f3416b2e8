#include "kreator/core/tabele.h"

#include <cmath>

#include "common/core/liczby.h"

namespace kreator {

using common::CalkowitaNaTekst;
using common::LiczbaNaTekst;
using common::TabelaWynikow;
using common::WedlugWzorca;

namespace {

std::string Nr(int x) { return CalkowitaNaTekst(x); }

// 1/Z of a series impedance R + jX in ohms, as "G - jB" in siemens.
std::string Odwrotnosc(double r, double x) {
  const double m = r * r + x * x;
  return WedlugWzorca("0.0000", r / m) + " - j" + WedlugWzorca("0.0000", x / m);
}

// Rows of a table with a fixed header row and a label column.
TabelaWynikow Szkielet(const char* tytul, std::vector<int> szerokosci, int wiersze) {
  TabelaWynikow t;
  t.tytul = tytul;
  t.kolumny = static_cast<int>(szerokosci.size());
  t.wiersze = wiersze + 1;
  t.szerokosci = std::move(szerokosci);
  return t;
}

}  // namespace

TabelaWynikow TabelaLinii(const Przypadek& p, const WynikRozplywu& w) {
  TabelaWynikow t = Szkielet(kTytulLinii, {50, 117, 114, 134, 117, 117, 100}, p.LiczbaLinii);
  const auto& e = w.parametry;
  t.komorka = [&e](int c, int r) -> std::string {
    static const char* naglowki[] = {"Linia nr", "Rezystancja linii R [om]", "Reaktancja linii X [om]",
                                     "Susceptancja linii B [µS]", "Admitancja linii Y [µS]",
                                     "Impedancja linii Z [om]", "1/Z [S]"};
    if (r == 0) return naglowki[c];
    const size_t i = static_cast<size_t>(r - 1);
    const double R = e.RLinii[i], X = e.XLinii[i], B = e.BLinii[i];
    switch (c) {
      case 0: return "L" + Nr(r);
      case 1: return LiczbaNaTekst(R);
      case 2: return "j" + LiczbaNaTekst(X);
      case 3: case 4: return "j" + LiczbaNaTekst(B);
      case 5: return LiczbaNaTekst(R) + " + j" + LiczbaNaTekst(X);
      default: return Odwrotnosc(R, X);
    }
  };
  return t;
}

std::optional<TabelaWynikow> TabelaTrafo(const Przypadek& p, const WynikRozplywu& w) {
  if (p.LiczbaTransformatorow < 1) return std::nullopt;
  TabelaWynikow t = Szkielet(kTytulTrafo, {45, 109, 104, 104, 117, 117, 102, 67, 90}, p.LiczbaTransformatorow);
  const auto& e = w.parametry;
  t.komorka = [&e](int c, int r) -> std::string {
    static const char* naglowki[] = {"Tr nr", "Rezystancja tr R [om]", "Reaktancja tr X [om]",
                                     "Impedancja tr Z [om]", "Konduktancja tr G [µS]", "Susceptancja tr B [µS]",
                                     "Admitancja tr Y [µS]", "Przekładnia", "1/Zt [S]"};
    if (r == 0) return naglowki[c];
    const size_t i = static_cast<size_t>(r - 1);
    switch (c) {
      case 0: return "T" + Nr(r);
      case 1: return WedlugWzorca("0.000", e.RTrafo[i]);
      case 2: return WedlugWzorca("0.000", e.XTrafo[i]);
      case 3: return WedlugWzorca("0.000", e.ZTrafo[i]);
      case 4: return WedlugWzorca("0.000", e.GTrafo[i] * 1e6);
      case 5: return WedlugWzorca("0.000", e.BTrafo[i] * 1e6);
      case 6: return WedlugWzorca("0.000", e.YTrafo[i] * 1e6);
      case 7: return WedlugWzorca("0.000", e.PrzekladniaTrafo[i]);
      default: return Odwrotnosc(e.RTrafo[i], e.XTrafo[i]);
    }
  };
  return t;
}

TabelaWynikow TabelaMacierzy(const WynikRozplywu& w) {
  const int n = w.MacierzY.N();
  TabelaWynikow t = Szkielet(kTytulMacierzy, {45, 95}, n);
  t.kolumny = n + 1;
  const auto& Y = w.MacierzY;
  t.komorka = [&Y](int c, int r) -> std::string {
    if (r == 0 && c == 0) return "";
    if (r == 0) return Nr(c);
    if (c == 0) return Nr(r);
    const double g = Y.re(c, r), b = Y.im(c, r);
    if (g == 0 && b == 0) return "0";
    if (b > 0) return WedlugWzorca("0.0000", g) + " + j" + WedlugWzorca("0.0000", b);
    return WedlugWzorca(" 0.0000", g) + " - j" + WedlugWzorca("0.0000", std::fabs(b));
  };
  return t;
}

TabelaWynikow TabelaNapiec(const WynikRozplywu& w) {
  TabelaWynikow t = Szkielet(kTytulNapiec, {40, 130, 50}, w.N());
  t.komorka = [&w](int c, int r) -> std::string {
    static const char* naglowki[] = {"k", "Uk [kV]", "arg Uk"};
    if (r == 0) return naglowki[c];
    if (c == 0) return Nr(r);
    const double re = w.URe[size_t(r - 1)] * w.baza.NapiecieBazowe, im = w.UIm[size_t(r - 1)] * w.baza.NapiecieBazowe;
    if (c == 1) {
      if (im >= 0) return WedlugWzorca("0.000", re) + " + j" + WedlugWzorca("0.000", im);
      return WedlugWzorca("0.0000", re) + " - j" + WedlugWzorca("0.000", std::fabs(im));
    }
    // The true angle of the voltage, whatever the quadrant.
    return WedlugWzorca("0.0000", w.KatRad(r));
  };
  return t;
}

TabelaWynikow TabelaMocy(const WynikRozplywu& w) {
  TabelaWynikow t = Szkielet(kTytulMocy, {40, 110, 70, 70}, w.N());
  t.komorka = [&w](int c, int r) -> std::string {
    static const char* naglowki[] = {"k", "Sk = Pk + jQk [MVA]", "Pk [MW]", "Qk [Mvar]"};
    if (r == 0) return naglowki[c];
    if (c == 0) return Nr(r);
    // The power taken at the node, as the title says.
    const double P = w.PMW(r), Q = w.QMvar(r);
    switch (c) {
      case 1:
        return WedlugWzorca(P >= 0 ? " 0.000" : "0.000", P) +
               (Q >= 0 ? " + j" + WedlugWzorca("0.000", Q) : " - j" + WedlugWzorca("0.000", std::fabs(Q)));
      case 2: return WedlugWzorca(P > 0 ? " 0.000" : "0.000", P);
      default: return WedlugWzorca(Q > 0 ? " 0.000" : "0.000", Q);
    }
  };
  return t;
}

TabelaWynikow TabelaPrzeplywow(const WynikRozplywu& w) {
  TabelaWynikow t = Szkielet(kTytulPrzeplywow, {50, 70, 70, 80, 85, 80, 85, 75, 80, 75, 75, 100},
                             static_cast<int>(w.przeplywy.size()));
  const auto& g = w.przeplywy;
  t.komorka = [&g](int c, int r) -> std::string {
    static const char* naglowki[] = {"Gałąź", "Od węzła", "Do węzła", "P od [MW]", "Q od [Mvar]",
                                     "P do [MW]", "Q do [Mvar]", "ΔP [MW]", "ΔQ [Mvar]", "I od [kA]",
                                     "I do [kA]", "Obciążenie [%]"};
    if (r == 0) return naglowki[c];
    const PrzeplywGalezi& e = g[size_t(r - 1)];
    auto liczba = [](double x) { return WedlugWzorca("0.000", x); };
    switch (c) {
      case 0: return e.element;
      case 1: return Nr(e.od);
      case 2: return Nr(e.do_);
      case 3: return liczba(e.Sod.real());
      case 4: return liczba(e.Sod.imag());
      case 5: return liczba(e.Sdo.real());
      case 6: return liczba(e.Sdo.imag());
      case 7: return liczba(e.straty().real());
      case 8: return liczba(e.straty().imag());
      case 9: return liczba(e.Iod);
      case 10: return liczba(e.Ido);
      default: return e.obciazenie ? liczba(*e.obciazenie) : "";
    }
  };
  return t;
}

namespace {

std::string ObjasnienieMacierzy(const TabelaWynikow& t, int c, int r, const Przypadek& p, int liczbaLinii) {
  const std::string C = Nr(c), R = Nr(r);
  const std::string para = "  Y[" + C + "," + R + "] = " + t.komorka(c, r) + "      Y[" + R + "," + C + "] = " +
                           t.komorka(r, c);
  if (r == c) return "Admitancja własna węzła " + C + "  Y[" + C + "," + C + "] = " + t.komorka(c, c) + "      Y[" +
                     C + "," + C + "] = " + t.komorka(c, c);
  // Node numbers compared as written in the tables: a computed network
  // writes every node as its number, so this finds the element the matrix
  // reads there.
  auto laczy = [&](const common::TextGrid& g, int i) {
    return (g.cell(1, i) == C && g.cell(2, i) == R) || (g.cell(1, i) == R && g.cell(2, i) == C);
  };
  const int T = p.LiczbaTransformatorow;
  for (int i = 1; i <= std::max(liczbaLinii, T); ++i) {
    if (i <= liczbaLinii && laczy(p.LinieSG, i)) return "Linia L" + Nr(i) + para;
    if (i <= T && laczy(p.TrafoSG, i)) return "Transformator T" + Nr(i) + para;
  }
  return "Brak jakiegokolwiek połączenia między węzłami " + R + " i " + C + "  Y[" + R + "," + C +
         "] = " + t.komorka(r, c) + "      Y[" + C + "," + R + "] = " + t.komorka(c, r);
}

// Read back from the row's own cells: the element, its ends and the value shown.
std::string ObjasnieniePrzeplywu(const TabelaWynikow& t, int c, int r) {
  auto k = [&](int kolumna) { return t.komorka(kolumna, r); };
  const std::string element = k(0);
  const bool trafo = element.rfind("T", 0) == 0;
  const std::string rodzaj = trafo ? "transformatora " : "linii ";
  const std::string w = trafo ? "w transformatorze " : "w linii ";
  const std::string od = " od węzła " + k(1), do_ = " od węzła " + k(2);
  switch (c) {
    case 1:
      return (trafo ? "Węzeł górnego napięcia transformatora " : "Węzeł początkowy linii ") + element + "  " + k(1);
    case 2:
      return (trafo ? "Węzeł dolnego napięcia transformatora " : "Węzeł końcowy linii ") + element + "  " + k(2);
    case 3: return "Moc czynna wpływająca do " + rodzaj + element + od + "  P = " + k(3) + " MW";
    case 4: return "Moc bierna wpływająca do " + rodzaj + element + od + "  Q = " + k(4) + " Mvar";
    case 5: return "Moc czynna wpływająca do " + rodzaj + element + do_ + "  P = " + k(5) + " MW";
    case 6: return "Moc bierna wpływająca do " + rodzaj + element + do_ + "  Q = " + k(6) + " Mvar";
    case 7: return "Straty mocy czynnej " + w + element + "  ΔP = " + k(7) + " MW";
    case 8: return "Straty mocy biernej " + w + element + "  ΔQ = " + k(8) + " Mvar";
    case 9: return "Prąd " + rodzaj + element + " przy węźle " + k(1) + "  I = " + k(9) + " kA";
    case 10: return "Prąd " + rodzaj + element + " przy węźle " + k(2) + "  I = " + k(10) + " kA";
    case 11:
      if (k(11).empty()) return "";
      return "Obciążenie " + rodzaj + element + "  S/Sn = " + k(11) + " %";
    default: return "";
  }
}

}  // namespace

std::string ObjasnienieKomorki(const TabelaWynikow& t, int c, int r, const Przypadek& p, int liczbaLinii) {
  const std::string i = Nr(r);
  auto k = [&](int kolumna) { return t.komorka(kolumna, r); };
  if (t.tytul == kTytulLinii) {
    switch (c) {
      case 1: return "Rezystancja linii L" + i + "  R = " + k(1) + " om";
      case 2: return "Reaktancja linii L" + i + "  X = " + k(2) + " om";
      case 3: return "Susceptancja linii L" + i + "  B = " + k(3) + " µS";
      case 4: return "Admitancja linii L" + i + "  Y = " + k(4) + " µS";
      case 5: return "Impedancja linii L" + i + "  Z = (" + k(5) + ")om";
      default: return "";
    }
  }
  if (t.tytul == kTytulTrafo) {
    switch (c) {
      case 1: return "Rezystancja transformatora T" + i + "  R = " + k(1) + " om";
      case 2: return "Reaktancja transformatora T" + i + "  X = " + k(2) + " om";
      case 3: return "Impedancja transformatora T" + i + "  |Z| = " + k(3) + " om";
      case 4: return "Konduktancja transformatora T" + i + "  G = " + k(4) + " µS";
      case 5: return "Susceptancja transformatora T" + i + "  B = " + k(5) + " µS";
      case 6: return "Admitancja transformatora T" + i + "  Y = " + k(6) + " µS";
      case 7: return "Przekładnia transformatora T" + i + "  " + k(7);
      default: return "";
    }
  }
  if (t.tytul == kTytulMacierzy) return ObjasnienieMacierzy(t, c, r, p, liczbaLinii);
  if (t.tytul == kTytulPrzeplywow) return ObjasnieniePrzeplywu(t, c, r);
  return "";
}

}  // namespace kreator
