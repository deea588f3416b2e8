#include "zwarcia/core/impedancje.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "common/core/liczby.h"

namespace zwarcia {

namespace {

// Intermediate products in the widest type; each stored entry is a double.
using Szeroka = long double;

const std::string kNieMozna = "Nie można obliczyć zwarcia: ";

// Checks the values of one element row, as the model holds them. The first
// value it refuses is kept in `blad`, quoting the cell `kolumna` of the row
// as typed; the caller stops once the row has been checked.
class Wiersz {
 public:
  Wiersz(const common::TextGrid& g, int wiersz, std::string element, std::string& blad)
      : g_(g), wiersz_(wiersz), element_(std::move(element)), blad_(blad) {}

  Szeroka dodatnia(double x, int kolumna, const char* nazwa) {
    if (!(x > 0)) odmow(kolumna, nazwa, "musi być większa od zera");
    return x;
  }
  Szeroka nieujemna(double x, int kolumna, const char* nazwa) {
    if (x < 0) odmow(kolumna, nazwa, "nie może być ujemna");
    return x;
  }
  // Sz enters the ohmic value as a whole number (the model reads it so).
  int dodatniaCalkowita(int x, int kolumna, const char* nazwa) {
    if (x <= 0) odmow(kolumna, nazwa, "musi być większa od zera");
    return x;
  }
  void odmow(const std::string& powod) {
    if (blad_.empty()) blad_ = kNieMozna + powod;
  }
  bool odmowa() const { return !blad_.empty(); }
  const std::string& element() const { return element_; }

  // The values of the row are all finite and R + jX is not zero, so the
  // branch has an admittance.
  bool impedancjaPoprawna(std::initializer_list<double> omy, double R, double X) {
    const bool skonczone = std::isfinite(R) && std::isfinite(X) &&
                           std::all_of(omy.begin(), omy.end(), [](double x) { return std::isfinite(x); });
    if (!skonczone)
      odmow("impedancja " + element_ + " nie jest liczbą skończoną (dane są zbyt duże lub zbyt małe) !!!");
    else if (R == 0 && X == 0)
      odmow("impedancja " + element_ + " jest równa zeru, więc nie można wyznaczyć jej admitancji !!!");
    return !odmowa();
  }

 private:
  const std::string& tekst(int kolumna) const { return g_.cell(kolumna, wiersz_); }
  void odmow(int kolumna, const char* nazwa, const char* warunek) {
    odmow("wartość \"" + std::string(nazwa) + "\" " + element_ + " " + warunek + ", a wpisano " + tekst(kolumna) +
          " !!!");
  }

  const common::TextGrid& g_;
  int wiersz_;
  std::string element_;
  std::string& blad_;
};

void Rozmiar(size_t n, std::initializer_list<std::vector<double>*> tablice) {
  for (auto* t : tablice) t->assign(n, 0.0);
}

std::string Element(const char* rodzaj, const char* litera, int wiersz) {
  return std::string(rodzaj) + " " + litera + std::to_string(wiersz);
}

}  // namespace

double ImpedancjaBazowaPoziomu(double napiecieZnamionowe) {
  const double ub = kWspolczynnikBazy * napiecieZnamionowe;
  return ub * ub / kMocBazowa;
}

WielkosciBazowe UstalWielkosciBazowe(double NapiecieZwarcia) {
  WielkosciBazowe b;
  b.NapiecieBazowe = kWspolczynnikBazy * NapiecieZwarcia;
  b.ImpedancjaBazowa = b.NapiecieBazowe * b.NapiecieBazowe / b.MocBazowa;
  b.PradBazowy = b.MocBazowa / (std::sqrt(3.0) * b.NapiecieBazowe);
  // c·Un on the base 1,05·Un: 1,1 / 1,05 whatever the level.
  b.NapiecieZrodla = kWspolczynnikNapieciowy * NapiecieZwarcia / b.NapiecieBazowe;
  return b;
}

ImpedancjeElementow ObliczImpedancje(const Przypadek& p, const WielkosciBazowe& baza) {
  return ObliczImpedancje(p, ZbudujSiec(p), baza);
}

ImpedancjeElementow ObliczImpedancje(const Przypadek& p, const SiecZwarcia& s, const WielkosciBazowe& baza) {
  ImpedancjeElementow e;
  const Szeroka Un2 = Szeroka(p.NapiecieZwarcia) * p.NapiecieZwarcia;
  const Szeroka Sb = baza.MocBazowa;

  const int S = int(s.systemy.size());
  Rozmiar(size_t(S), {&e.XSystemow, &e.wzgSystemow.R, &e.wzgSystemow.X});
  for (int i = 1; i <= S; ++i) {
    Wiersz w(p.SystemySG, i, Element("systemu", "S", i), e.blad);
    const int sz = w.dodatniaCalkowita(s.systemy[size_t(i - 1)].moc, kSystemMoc, "Moc zwarciowa Sz [MVA]");
    if (w.odmowa()) return e;
    const size_t k = size_t(i - 1);
    e.XSystemow[k] = double(Un2 / sz);
    e.wzgSystemow.X[k] = double(Sb / sz);
    if (!w.impedancjaPoprawna({e.XSystemow[k]}, 0.0, e.wzgSystemow.X[k])) return e;
  }

  const int G = int(s.generatory.size());
  Rozmiar(size_t(G), {&e.RGeneratorow, &e.XGeneratorow, &e.wzgGeneratorow.R, &e.wzgGeneratorow.X});
  for (int i = 1; i <= G; ++i) {
    Wiersz w(p.GeneratorySG, i, Element("generatora", "G", i), e.blad);
    const DaneGeneratora& d = s.generatory[size_t(i - 1)];
    const Szeroka sn = w.dodatnia(d.moc, kGeneratorMoc, "Moc znamionowa Sn [MVA]");
    const Szeroka xd = w.nieujemna(d.xd, kGeneratorXd, "Reaktancja przejściowa Xd\" [%]");
    const Szeroka n = w.dodatnia(d.liczba, kGeneratorLiczba, "L. generatorów");
    if (w.odmowa()) return e;
    const size_t k = size_t(i - 1);
    // The resistance of a generator is taken as 1 % of its rated impedance.
    e.XGeneratorow[k] = double(Un2 * xd / 100 / sn / n);
    e.RGeneratorow[k] = double(Un2 / 100 / sn / n);
    e.wzgGeneratorow.X[k] = double(xd / 100 * Sb / sn / n);
    e.wzgGeneratorow.R[k] = double(Sb / sn / 100 / n);
    if (!w.impedancjaPoprawna({e.RGeneratorow[k], e.XGeneratorow[k]}, e.wzgGeneratorow.R[k], e.wzgGeneratorow.X[k]))
      return e;
  }

  const int T = int(s.trafo.size());
  Rozmiar(size_t(T), {&e.RTrafo, &e.XTrafo, &e.wzgTrafo.R, &e.wzgTrafo.X});
  for (int i = 1; i <= T; ++i) {
    Wiersz w(p.TrafoSG, i, Element("transformatora", "T", i), e.blad);
    const DaneTransformatora& d = s.trafo[size_t(i - 1)];
    const Szeroka sn = w.dodatnia(d.moc, kTrafoMoc, "Moc znamionowa pozorna [MVA]");
    const Szeroka pcu = w.nieujemna(d.pcu, kTrafoPCu, "Straty w miedzi PCu [kW]");
    const Szeroka uz = w.dodatnia(d.uz, kTrafoUz, "Napięcie zwarcia [%]");
    const Szeroka n = w.dodatnia(d.liczba, kTrafoLiczba, "L. trans.");
    if (w.odmowa()) return e;
    // uR, the resistive part of uz in %, cannot exceed uz itself.
    const Szeroka ur = pcu / sn / 10;
    if (ur > uz) {
      w.odmow("straty w miedzi " + w.element() +
              " są większe, niż pozwala jego napięcie zwarcia: uR = PCu / (10·Sn) = " +
              common::LiczbaNaTekst(double(ur)) + " % przekracza uz = " + common::LiczbaNaTekst(double(uz)) + " % !!!");
      return e;
    }
    const Szeroka ux = std::sqrt(uz * uz - ur * ur);
    const size_t k = size_t(i - 1);
    e.RTrafo[k] = double(Un2 * pcu / 1000 / sn / sn / n);
    const Szeroka z = Un2 * uz / 100 / sn / n;
    // z >= R since uR <= uz; max() only guards a last-digit rounding.
    e.XTrafo[k] = double(std::sqrt(std::max<Szeroka>(0, z * z - Szeroka(e.RTrafo[k]) * e.RTrafo[k])));
    e.wzgTrafo.R[k] = double(ur * Sb / 100 / sn / n);
    e.wzgTrafo.X[k] = double(ux * Sb / 100 / sn / n);
    if (!w.impedancjaPoprawna({e.RTrafo[k], e.XTrafo[k]}, e.wzgTrafo.R[k], e.wzgTrafo.X[k])) return e;
  }

  const int L = int(s.linie.size());
  Rozmiar(size_t(L), {&e.RLinii, &e.XLinii, &e.ImpedancjaBazowaLinii, &e.wzgLinii.R, &e.wzgLinii.X});
  for (int i = 1; i <= L; ++i) {
    Wiersz w(p.LinieSG, i, Element("linii", "L", i), e.blad);
    const DaneLinii& d = s.linie[size_t(i - 1)];
    const Szeroka un = w.dodatnia(d.napiecie, kLiniaNapiecie, "Napięcie znamionowe [kV]");
    const Szeroka r = w.nieujemna(d.r, kLiniaR, "Rezystancja jednostkowa [om/km]");
    const Szeroka x = w.nieujemna(d.x, kLiniaX, "Reaktancja jednostkowa [om/km]");
    const Szeroka l = w.dodatnia(d.dlugosc, kLiniaDlugosc, "Długość linii [km]");
    const Szeroka n = w.dodatnia(d.tory, kLiniaTory, "L. torów");
    if (w.odmowa()) return e;
    const size_t k = size_t(i - 1);
    e.RLinii[k] = double(r * l / n);
    e.XLinii[k] = double(x * l / n);
    // Per unit on the base of the line's own level, not of the fault's.
    e.ImpedancjaBazowaLinii[k] = ImpedancjaBazowaPoziomu(double(un));
    if (!(e.ImpedancjaBazowaLinii[k] > 0) || !std::isfinite(e.ImpedancjaBazowaLinii[k])) {
      w.odmow("impedancja bazowa " + w.element() +
              " nie jest dodatnią liczbą skończoną (napięcie znamionowe jest zbyt duże lub zbyt małe) !!!");
      return e;
    }
    e.wzgLinii.R[k] = e.RLinii[k] / e.ImpedancjaBazowaLinii[k];
    e.wzgLinii.X[k] = e.XLinii[k] / e.ImpedancjaBazowaLinii[k];
    if (!w.impedancjaPoprawna({e.RLinii[k], e.XLinii[k]}, e.wzgLinii.R[k], e.wzgLinii.X[k])) return e;
  }
  return e;
}

}  // namespace zwarcia
