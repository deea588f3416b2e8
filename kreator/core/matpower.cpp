#include "kreator/core/matpower.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <map>
#include <optional>

#include "common/core/limity.h"

namespace kreator {

namespace {

using Wiersze = std::vector<std::vector<double>>;

std::string Nr(long long n) { return std::to_string(n); }

bool Bialy(char c) { return c == ' ' || c == '\t'; }

std::string_view Przytnij(std::string_view s) {
  while (!s.empty() && Bialy(s.front())) s.remove_prefix(1);
  while (!s.empty() && (Bialy(s.back()) || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

// The line without its comment: "%" outside a quoted text to the end.
std::string_view BezKomentarza(std::string_view s) {
  char cudzyslow = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    if (cudzyslow) {
      if (c == cudzyslow) cudzyslow = 0;
    } else if (c == '\'' || c == '"') {
      cudzyslow = c;
    } else if (c == '%') {
      return s.substr(0, i);
    }
  }
  return s;
}

// A number as MATLAB writes it: 1, -0.5, .5, 1e-3, Inf. NaN is none.
std::optional<double> Liczba(std::string_view t) {
  bool minus = false;
  if (!t.empty() && (t[0] == '+' || t[0] == '-')) {
    minus = t[0] == '-';
    t.remove_prefix(1);
  }
  if (t.empty() || t[0] == '+' || t[0] == '-') return std::nullopt;
  double x = 0;
  if (t == "Inf" || t == "inf") {
    x = std::numeric_limits<double>::infinity();
  } else {
    const auto [p, ec] = std::from_chars(t.data(), t.data() + t.size(), x);
    if (ec != std::errc() || p != t.data() + t.size() || !(std::isfinite(x))) return std::nullopt;
  }
  return minus ? -x : x;
}

std::optional<int> Calkowita(double x) {
  if (!std::isfinite(x) || x != std::floor(x) || std::abs(x) > 2e9) return std::nullopt;
  return static_cast<int>(x);
}

// One of the matrices the programs read, with what it needs and allows.
struct Rodzaj {
  const char* pole;         // "bus"
  const char* kolumny[13];  // MATPOWER's names of the columns used, for messages
  int minimum;              // columns
  int maksimum;             // rows
  const char* wiersze;      // "szyn", for the row limit's message
  unsigned skonczone;       // bit k: column k must be finite
};

const Rodzaj kSzyny{"bus",
                    {"bus_i", "type", "Pd", "Qd", "Gs", "Bs", "area", "Vm", "Va", "baseKV", "zone", "Vmax", "Vmin"},
                    13,
                    common::kMaksLiczbaWezlow,
                    "szyn (węzłów)",
                    0x3FF};
const Rodzaj kGeneratory{"gen",
                         {"bus", "Pg", "Qg", "Qmax", "Qmin", "Vg", "mBase", "status", "Pmax", "Pmin"},
                         10,
                         common::kMaksLiczbaElementow,
                         "generatorów",
                         0b10100111};
const Rodzaj kGalezie{
    "branch",
    {"fbus", "tbus", "r", "x", "b", "rateA", "rateB", "rateC", "ratio", "angle", "status", "angmin", "angmax"},
    11,
    common::kMaksLiczbaElementow,
    "gałęzi",
    0b11100011111};

// The rows of one matrix as they are read, line by line.
class Macierz {
 public:
  Macierz(std::string pole, int wiersz, const Rodzaj* rodzaj)
      : pole_(std::move(pole)), start_(wiersz), rodzaj_(rodzaj) {}

  // Reads the text of one line; true when "]" closed the matrix.
  bool czytaj(std::string_view s, int wiersz) {
    size_t i = 0;
    while (i < s.size()) {
      const char c = s[i];
      if (Bialy(c) || c == ',' || c == '\r') {
        ++i;
      } else if (c == ';') {
        zakonczWiersz();
        ++i;
      } else if (c == ']') {
        zakonczWiersz();
        const std::string_view reszta = Przytnij(s.substr(i + 1));
        if (!reszta.empty() && reszta != ";")
          throw BladMatpower(wiersz, "po „]” macierzy mpc." + pole_ + " stoi jeszcze „" + std::string(reszta) + "”");
        return true;
      } else if (s.substr(i, 3) == "...") {
        return false;  // continued on the next line: the row goes on
      } else {
        const size_t od = i;
        while (i < s.size() && !Bialy(s[i]) && s[i] != ',' && s[i] != ';' && s[i] != ']' && s[i] != '\r') ++i;
        const std::string_view t = s.substr(od, i - od);
        const std::optional<double> x = Liczba(t);
        if (!x) throw BladMatpower(wiersz, "„" + std::string(t) + "” w macierzy mpc." + pole_ + " nie jest liczbą");
        if (biezacy_.empty()) wierszBiezacego_ = wiersz;
        biezacy_.push_back(*x);
      }
    }
    zakonczWiersz();  // the line end ends a row
    return false;
  }

  const std::string& pole() const { return pole_; }
  int start() const { return start_; }
  const Rodzaj* rodzaj() const { return rodzaj_; }
  const Wiersze& wiersze() const { return wiersze_; }
  const std::vector<int>& numery() const { return numery_; }

 private:
  void zakonczWiersz() {
    if (biezacy_.empty()) return;
    if (!wiersze_.empty() && biezacy_.size() != wiersze_.front().size())
      throw BladMatpower(wierszBiezacego_, "wiersz macierzy mpc." + pole_ + " ma " + Nr(long(biezacy_.size())) +
                                               " wartości, a poprzednie po " + Nr(long(wiersze_.front().size())));
    if (rodzaj_) {
      if (int(biezacy_.size()) < rodzaj_->minimum) {
        std::string nazwy;
        for (int k = 0; k < rodzaj_->minimum; ++k) nazwy += std::string(k ? " " : "") + rodzaj_->kolumny[k];
        throw BladMatpower(wierszBiezacego_, "macierz mpc." + pole_ + " ma kolumn: " + Nr(long(biezacy_.size())) +
                                                 ", a potrzeba co najmniej " + Nr(rodzaj_->minimum) + " (" + nazwy +
                                                 ")");
      }
      if (int(wiersze_.size()) >= rodzaj_->maksimum)
        throw BladMatpower(wierszBiezacego_, "macierz mpc." + pole_ + " ma więcej niż " + Nr(rodzaj_->maksimum) +
                                                 " wierszy " + rodzaj_->wiersze + ", a program przyjmuje najwyżej " +
                                                 Nr(rodzaj_->maksimum));
      for (int k = 0; k < rodzaj_->minimum; ++k)
        if ((rodzaj_->skonczone >> k & 1) && !std::isfinite(biezacy_[size_t(k)]))
          throw BladMatpower(wierszBiezacego_, std::string("w kolumnie „") + rodzaj_->kolumny[k] + "” macierzy mpc." +
                                                   pole_ + " stoi nieskończoność, a potrzebna jest liczba skończona");
    }
    wiersze_.push_back(std::move(biezacy_));
    numery_.push_back(wierszBiezacego_);
    biezacy_.clear();
  }

  std::string pole_;
  int start_;
  const Rodzaj* rodzaj_;  // none: a matrix only counted (dcline)
  Wiersze wiersze_;
  std::vector<int> numery_;
  std::vector<double> biezacy_;
  int wierszBiezacego_ = 0;
};

// A field the programs do not read, skipped to its closing bracket.
class Pominiety {
 public:
  // True when the value is complete after this text.
  bool czytaj(std::string_view s) {
    for (char c : s) {
      if (cudzyslow_) {
        if (c == cudzyslow_) cudzyslow_ = 0;
      } else if (c == '\'' || c == '"') {
        cudzyslow_ = c;
      } else if (c == '[' || c == '{') {
        ++glebokosc_;
      } else if (c == ']' || c == '}') {
        --glebokosc_;
      }
    }
    cudzyslow_ = 0;  // a text does not run over a line end
    return glebokosc_ <= 0;
  }

 private:
  int glebokosc_ = 0;
  char cudzyslow_ = 0;
};

int CalkowitaWKolumnie(const Macierz& m, size_t r, int kolumna, int od, int doo, const char* co) {
  const double x = m.wiersze()[r][size_t(kolumna)];
  const std::optional<int> n = Calkowita(x);
  if (!n || *n < od || *n > doo) {
    char bufor[32];
    const auto [p, ec] = std::to_chars(bufor, bufor + sizeof bufor, x);
    throw BladMatpower(m.numery()[r], std::string(co) + " „" + std::string(bufor, ec == std::errc() ? p : bufor) +
                                          "” w macierzy mpc." + m.pole() + " musi być liczbą całkowitą " + Nr(od) +
                                          "…" + Nr(doo));
  }
  return *n;
}

void Szyny(const Macierz& m, PrzypadekMatpower& c) {
  std::map<int, int> numery;  // bus number -> line
  for (size_t r = 0; r < m.wiersze().size(); ++r) {
    const std::vector<double>& w = m.wiersze()[r];
    PrzypadekMatpower::Szyna s;
    s.numer = CalkowitaWKolumnie(m, r, 0, 1, std::numeric_limits<int>::max(), "numer szyny");
    s.typ = CalkowitaWKolumnie(m, r, 1, 1, 4, "typ szyny");
    s.Pd = w[2], s.Qd = w[3], s.Gs = w[4], s.Bs = w[5], s.obszar = w[6], s.Vm = w[7], s.Va = w[8];
    s.baseKV = w[9], s.strefa = w[10], s.Vmax = w[11], s.Vmin = w[12];
    s.wiersz = m.numery()[r];
    if (s.baseKV < 0) throw BladMatpower(s.wiersz, "ujemne napięcie bazowe baseKV szyny " + Nr(s.numer));
    if (const auto [it, nowy] = numery.emplace(s.numer, s.wiersz); !nowy)
      throw BladMatpower(
          s.wiersz, "numer szyny " + Nr(s.numer) + " podano drugi raz (pierwszy raz w wierszu " + Nr(it->second) + ")");
    c.szyny.push_back(s);
  }
}

void Generatory(const Macierz& m, PrzypadekMatpower& c) {
  for (size_t r = 0; r < m.wiersze().size(); ++r) {
    const std::vector<double>& w = m.wiersze()[r];
    PrzypadekMatpower::Generator g;
    g.szyna = CalkowitaWKolumnie(m, r, 0, 1, std::numeric_limits<int>::max(), "numer szyny generatora");
    g.Pg = w[1], g.Qg = w[2], g.Qmax = w[3], g.Qmin = w[4], g.Vg = w[5], g.mBase = w[6], g.status = w[7];
    g.Pmax = w[8], g.Pmin = w[9];
    g.wiersz = m.numery()[r];
    c.generatory.push_back(g);
  }
}

void Galezie(const Macierz& m, PrzypadekMatpower& c) {
  for (size_t r = 0; r < m.wiersze().size(); ++r) {
    const std::vector<double>& w = m.wiersze()[r];
    PrzypadekMatpower::Galaz g;
    g.od = CalkowitaWKolumnie(m, r, 0, 1, std::numeric_limits<int>::max(), "numer szyny początkowej gałęzi");
    g.do_ = CalkowitaWKolumnie(m, r, 1, 1, std::numeric_limits<int>::max(), "numer szyny końcowej gałęzi");
    g.r = w[2], g.x = w[3], g.b = w[4], g.rateA = w[5], g.rateB = w[6], g.rateC = w[7], g.ratio = w[8];
    g.angle = w[9], g.status = w[10];
    if (w.size() > 12) g.angmin = w[11], g.angmax = w[12];
    g.wiersz = m.numery()[r];
    c.galezie.push_back(g);
  }
}

// The field name and the value text of "mpc.NAME = VALUE".
std::optional<std::pair<std::string, std::string_view>> Przypisanie(std::string_view s) {
  if (s.substr(0, 4) != "mpc.") return std::nullopt;
  size_t i = 4;
  while (i < s.size() && (std::isalnum(static_cast<unsigned char>(s[i])) || s[i] == '_')) ++i;
  const std::string pole(s.substr(4, i - 4));
  const std::string_view reszta = Przytnij(s.substr(i));
  if (pole.empty() || reszta.empty() || reszta[0] != '=' || reszta.substr(0, 2) == "==") return std::nullopt;
  return std::pair{pole, Przytnij(reszta.substr(1))};
}

// A statement quoted in a message: its first 60 bytes or so, not cutting a UTF-8 character.
std::string Skrot(std::string_view s) {
  if (s.size() <= 60) return std::string(s);
  size_t n = 60;
  while (n > 0 && (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80) --n;
  return std::string(s.substr(0, n)) + "…";
}

std::string_view BezSrednika(std::string_view s) {
  s = Przytnij(s);
  if (!s.empty() && s.back() == ';') s = Przytnij(s.substr(0, s.size() - 1));
  return s;
}

std::string Tekst(double x) {
  if (x == 0) return "0";  // also -0
  if (std::isinf(x)) return x > 0 ? "Inf" : "-Inf";
  char bufor[48];
  const auto [p, ec] = std::to_chars(bufor, bufor + sizeof bufor, x, std::chars_format::general, 10);
  return ec == std::errc() ? std::string(bufor, p) : "NaN";
}

void Wiersz(std::string& s, std::initializer_list<double> wartosci) {
  s += '\t';
  bool pierwsza = true;
  for (double x : wartosci) {
    if (!pierwsza) s += '\t';
    s += Tekst(x);
    pierwsza = false;
  }
  s += ";\n";
}

}  // namespace

BladMatpower::BladMatpower(int wiersz, const std::string& tresc)
    : std::runtime_error(wiersz > 0 ? "wiersz " + Nr(wiersz) + ": " + tresc : tresc), wiersz_(wiersz) {}

PrzypadekMatpower CzytajMatpower(std::string_view tekst) {
  PrzypadekMatpower c;
  bool funkcja = false, wersja = false, baza = false;
  std::optional<Macierz> macierz;
  Pominiety pominiety;
  bool pomijany = false;            // inside a field that is skipped
  std::map<std::string, int> pola;  // field -> line of its assignment
  std::map<std::string, Macierz> macierze;

  int nr = 0;
  size_t poczatek = 0;
  while (poczatek < tekst.size()) {
    size_t koniec = tekst.find_first_of("\r\n", poczatek);
    if (koniec == std::string_view::npos) koniec = tekst.size();
    const std::string_view linia = BezKomentarza(tekst.substr(poczatek, koniec - poczatek));
    ++nr;
    poczatek = koniec + ((koniec + 1 < tekst.size() && tekst[koniec] == '\r' && tekst[koniec + 1] == '\n') ? 2 : 1);

    if (macierz) {
      if (macierz->czytaj(linia, nr)) {
        macierze.emplace(macierz->pole(), std::move(*macierz));
        macierz.reset();
      }
      continue;
    }
    if (pomijany) {
      pomijany = !pominiety.czytaj(linia);
      continue;
    }
    const std::string_view s = Przytnij(linia);
    if (s.empty() || s == "end" || s == "end;" || s == "return" || s == "return;") continue;
    if (s.substr(0, 8) == "function") {
      const std::string_view reszta = Przytnij(s.substr(8));
      const size_t rowna = reszta.find('=');
      if (funkcja || rowna == std::string_view::npos || Przytnij(reszta.substr(0, rowna)) != "mpc")
        throw BladMatpower(nr,
                           "oczekiwano wiersza „function mpc = NAZWA”: program czyta przypadki w formacie wersji 2 "
                           "(mpc.bus, mpc.gen, mpc.branch)");
      c.nazwa = std::string(BezSrednika(reszta.substr(rowna + 1)));
      funkcja = true;
      continue;
    }
    const auto przypisanie = Przypisanie(s);
    if (!przypisanie)
      throw BladMatpower(nr, "niezrozumiała instrukcja „" + Skrot(s) +
                                 "”; plik przypadku MATPOWER zawiera tylko przypisania pól „mpc.POLE = ...”");
    if (!funkcja) throw BladMatpower(nr, "przypisanie przed wierszem „function mpc = NAZWA”");
    const auto& [pole, wartosc] = *przypisanie;
    if (const auto [it, nowe] = pola.emplace(pole, nr); !nowe)
      throw BladMatpower(nr,
                         "pole mpc." + pole + " przypisano drugi raz (pierwszy raz w wierszu " + Nr(it->second) + ")");
    if (pole == "version") {
      const std::string_view v = BezSrednika(wartosc);
      if (v != "'2'" && v != "\"2\"")
        throw BladMatpower(
            nr, "wersja formatu " + std::string(v) + "; program czyta tylko przypadki w wersji 2 (mpc.version = '2')");
      wersja = true;
    } else if (pole == "baseMVA") {
      const std::string_view v = BezSrednika(wartosc);
      const std::optional<double> x = Liczba(v);
      if (!x || !(*x > 0) || std::isinf(*x))
        throw BladMatpower(nr, "mpc.baseMVA musi być liczbą dodatnią, a jest „" + std::string(v) + "”");
      c.baseMVA = *x;
      baza = true;
    } else if (pole == "bus" || pole == "gen" || pole == "branch" || pole == "dcline") {
      if (wartosc.empty() || wartosc[0] != '[')
        throw BladMatpower(nr, "mpc." + pole + " musi być macierzą liczb w nawiasach [ ]");
      const Rodzaj* rodzaj = pole == "bus"      ? &kSzyny
                             : pole == "gen"    ? &kGeneratory
                             : pole == "branch" ? &kGalezie
                                                : nullptr;
      Macierz m(pole, nr, rodzaj);
      if (m.czytaj(wartosc.substr(1), nr)) macierze.emplace(pole, std::move(m));
      else macierz.emplace(std::move(m));
    } else {
      pominiety = Pominiety();
      pomijany = !pominiety.czytaj(wartosc);
    }
  }
  if (macierz)
    throw BladMatpower(macierz->start(), "macierz mpc." + macierz->pole() + " nie jest zamknięta znakiem „]”");
  if (pomijany) throw BladMatpower(0, "plik kończy się przed zamknięciem nawiasu ostatniego pola");
  if (!funkcja) throw BladMatpower(0, "brak wiersza „function mpc = NAZWA”: to nie jest przypadek MATPOWER");
  if (!wersja) throw BladMatpower(0, "brak wiersza „mpc.version = '2';” (program czyta tylko format w wersji 2)");
  if (!baza) throw BladMatpower(0, "brak wiersza „mpc.baseMVA = ...;” z mocą bazową");
  for (const char* pole : {"bus", "gen", "branch"})
    if (!macierze.count(pole) || macierze.at(pole).wiersze().empty())
      throw BladMatpower(macierze.count(pole) ? macierze.at(pole).start() : 0,
                         std::string(macierze.count(pole) ? "pusta macierz" : "brak macierzy") + " mpc." + pole);
  Szyny(macierze.at("bus"), c);
  Generatory(macierze.at("gen"), c);
  Galezie(macierze.at("branch"), c);
  if (macierze.count("dcline") && !macierze.at("dcline").wiersze().empty())
    c.wierszDcline = macierze.at("dcline").start();

  std::map<int, int> szyny;
  for (const PrzypadekMatpower::Szyna& s : c.szyny) szyny[s.numer] = s.wiersz;
  for (const PrzypadekMatpower::Generator& g : c.generatory)
    if (!szyny.count(g.szyna))
      throw BladMatpower(g.wiersz, "generator przy szynie " + Nr(g.szyna) + ", której nie ma w macierzy mpc.bus");
  for (const PrzypadekMatpower::Galaz& g : c.galezie)
    for (int k : {g.od, g.do_})
      if (!szyny.count(k))
        throw BladMatpower(g.wiersz, "gałąź " + Nr(g.od) + "–" + Nr(g.do_) + " dochodzi do szyny " + Nr(k) +
                                         ", której nie ma w macierzy mpc.bus");
  return c;
}

std::string ZapiszMatpower(const PrzypadekMatpower& c) {
  std::string s;
  s.reserve(512 + 120 * (c.szyny.size() + c.galezie.size()) + 160 * c.generatory.size());
  s += "function mpc = " + NazwaFunkcjiMatpower(c.nazwa) + "\n";
  for (const std::string& k : c.komentarz) s += "%" + k + "\n";
  s += "\n%% MATPOWER Case Format : Version 2\nmpc.version = '2';\n\n%%-----  Power Flow Data  -----%%\n";
  s += "%% system MVA base\nmpc.baseMVA = " + Tekst(c.baseMVA) + ";\n\n";
  s += "%% bus data\n%\tbus_i\ttype\tPd\tQd\tGs\tBs\tarea\tVm\tVa\tbaseKV\tzone\tVmax\tVmin\nmpc.bus = [\n";
  for (const auto& b : c.szyny)
    Wiersz(s, {double(b.numer), double(b.typ), b.Pd, b.Qd, b.Gs, b.Bs, b.obszar, b.Vm, b.Va, b.baseKV, b.strefa, b.Vmax,
               b.Vmin});
  s += "];\n\n%% generator data\n%\tbus\tPg\tQg\tQmax\tQmin\tVg\tmBase\tstatus\tPmax\tPmin\tPc1\tPc2\tQc1min"
       "\tQc1max\tQc2min\tQc2max\tramp_agc\tramp_10\tramp_30\tramp_q\tapf\nmpc.gen = [\n";
  for (const auto& g : c.generatory)
    Wiersz(s, {double(g.szyna),
               g.Pg,
               g.Qg,
               g.Qmax,
               g.Qmin,
               g.Vg,
               g.mBase,
               g.status,
               g.Pmax,
               g.Pmin,
               0,
               0,
               0,
               0,
               0,
               0,
               0,
               0,
               0,
               0,
               0});
  s += "];\n\n%% branch data\n%\tfbus\ttbus\tr\tx\tb\trateA\trateB\trateC\tratio\tangle\tstatus\tangmin\tangmax\n"
       "mpc.branch = [\n";
  for (const auto& g : c.galezie)
    Wiersz(s, {double(g.od), double(g.do_), g.r, g.x, g.b, g.rateA, g.rateB, g.rateC, g.ratio, g.angle, g.status,
               g.angmin, g.angmax});
  s += "];\n";
  return s;
}

std::string NazwaFunkcjiMatpower(std::string_view nazwa) {
  std::string n;
  for (char c : nazwa)
    n += std::isalnum(static_cast<unsigned char>(c)) && static_cast<unsigned char>(c) < 0x80 ? c : '_';
  if (n.empty() || !std::isalpha(static_cast<unsigned char>(n[0]))) n = "case_" + n;
  return n.substr(0, 63);  // MATLAB's longest name
}

}  // namespace kreator
