#include "tools/zadanie/z_matpower.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>
#include <map>
#include <set>

#include "common/core/liczby.h"
#include "common/core/limity.h"
#include "kreator/core/eksport_matpower.h"
#include "kreator/core/plik_zrm.h"
#include "kreator/core/rozplyw.h"
#include "kreator/core/siec.h"

namespace zadanie {

namespace {

using Przypadek = kreator::PrzypadekMatpower;

std::string Nr(long long n) { return std::to_string(n); }
// Data values: 15 significant digits, as exact as the file can hold them.
std::string Dana(double x) { return common::LiczbaNaTekst(x); }
// Values in sentences.
std::string Liczba(double x) { return common::Formatuj("%.6g", {x}); }

[[noreturn]] void Odmow(int wiersz, const std::string& tresc) {
  throw BladImportu((wiersz > 0 ? "wiersz " + Nr(wiersz) + ": " : std::string()) + tresc);
}

bool Calkowite(double x) { return std::abs(x - std::round(x)) < 1e-9 * std::max(1.0, std::abs(x)); }

// The slack voltage is typed in whole kV, 1 to 999.
bool CalkowiteKv(double kv) {
  return Calkowite(kv) && std::round(kv) >= 1 && std::round(kv) <= common::kMaksNapiecieKv;
}

// The one rated voltage for a case without baseKV: the slack voltage Vg × U
// a whole number of kV, the usual levels first.
std::optional<int> NapiecieDlaCalychKv(double vg) {
  for (int u : {110, 220, 400})
    if (CalkowiteKv(vg * u)) return u;
  for (int u = 100; u <= common::kMaksNapiecieKv; ++u)
    if (CalkowiteKv(vg * u)) return u;
  return std::nullopt;
}

// "1 linię", "3 linie", "5 linii": the form after a count.
std::string Ile(long long n, const char* jeden, const char* kilka, const char* wiele) {
  const long long j = n % 10, d = n % 100;
  return Nr(n) + " " + (n == 1 ? jeden : j >= 2 && j <= 4 && (d < 12 || d > 14) ? kilka : wiele);
}

std::string Galaz(const Przypadek::Galaz& g) { return "gałąź " + Nr(g.od) + "–" + Nr(g.do_); }
std::string GalazZDuzej(const Przypadek::Galaz& g) { return "Gałąź " + Nr(g.od) + "–" + Nr(g.do_); }

// "2384" or "2384…2390".
std::string Zakres(int od, int doo) { return Nr(od) + (doo > od ? "…" + Nr(doo) : ""); }

// Lines of at most `szerokosc` characters, broken at blanks.
std::vector<std::string> Zawijaj(const std::string& tekst, size_t szerokosc, const std::string& wciecie = "") {
  std::vector<std::string> wynik;
  std::string wiersz;
  size_t znaki = 0, od = 0;
  const auto dlugosc = [](const std::string& s) {
    return size_t(
        std::count_if(s.begin(), s.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
  };
  while (od < tekst.size()) {
    size_t koniec = tekst.find(' ', od);
    if (koniec == std::string::npos) koniec = tekst.size();
    const std::string slowo = tekst.substr(od, koniec - od);
    od = koniec + 1;
    if (!wiersz.empty() && znaki + 1 + dlugosc(slowo) > szerokosc) {
      wynik.push_back(wiersz);
      wiersz = wciecie;
      znaki = dlugosc(wciecie);
    } else if (!wiersz.empty() && wiersz != wciecie) {
      wiersz += ' ';
      ++znaki;
    }
    wiersz += slowo;
    znaki += dlugosc(slowo);
  }
  if (!wiersz.empty()) wynik.push_back(wiersz);
  return wynik;
}

std::string Kolumna(const std::vector<std::string>& wartosci) {
  std::string s;
  for (const std::string& w : wartosci) s += w + ";";
  return s;
}

// What the import makes of one bus.
struct Wezel {
  const Przypadek::Szyna* szyna = nullptr;
  double kV = 0;          // rated voltage
  double Pg = 0, Qg = 0;  // in-service generators together
  int generatory = 0;
  double Vg = 0;          // of the first of them
  double Gs = 0, Bs = 0;  // the bus shunt and capacitive transformer charging
  double BsTrafo = 0;     // the latter alone
};

struct Linia {
  int a = 0, b = 0;  // nodes
  double kV = 0, R = 0, X = 0, B = 0;
};
struct Trafo {
  int gorny = 0, dolny = 0;
  double Ug = 0, Ud = 0, Sn = 0, PCu = 0, uz = 0, i0 = 0;
};
struct Elektrownia {
  int wezel = 0;
  double kV = 0, P = 0;
};
struct Odbior {
  int wezel = 0;
  double P = 0, Q = 0;
};

// Every check of what Kreator cannot represent, before anything is built.
void Sprawdz(const Przypadek& c, const OpcjeImportu& opcje) {
  if (c.wierszDcline)
    Odmow(c.wierszDcline, "linia prądu stałego (mpc.dcline): program Kreator nie ma takiego elementu");
  if (c.szyny.size() < 2) Odmow(0, "przypadek ma mniej niż dwie szyny, a program liczy sieci od dwóch węzłów");
  const Przypadek::Szyna* bilansujaca = nullptr;
  for (const auto& s : c.szyny) {
    if (s.typ == 4)
      Odmow(s.wiersz, "szyna " + Nr(s.numer) +
                          " jest odłączona (typ 4); program liczy tylko elementy w ruchu, usuń ją z przypadku");
    if (s.typ != 3) continue;
    if (bilansujaca)
      Odmow(s.wiersz, "druga szyna bilansująca (typ 3): szyna " + Nr(s.numer) + ", a pierwsza to szyna " +
                          Nr(bilansujaca->numer) + " (wiersz " + Nr(bilansujaca->wiersz) +
                          "); program ma jeden węzeł bilansujący");
    bilansujaca = &s;
  }
  if (!bilansujaca) Odmow(0, "brak szyny bilansującej (typ 3 w macierzy mpc.bus)");
  for (const auto& g : c.generatory) {
    if (!(g.status > 0))
      Odmow(g.wiersz, "generator przy szynie " + Nr(g.szyna) +
                          " jest wyłączony (status 0); program liczy tylko elementy w ruchu, usuń go z przypadku");
    if (!(g.Vg > 0))
      Odmow(g.wiersz, "generator przy szynie " + Nr(g.szyna) + " ma napięcie Vg " + Liczba(g.Vg) + " ≤ 0");
  }
  std::set<int> polaczone;
  std::vector<const Przypadek::Galaz*> przesuwniki;
  for (const auto& g : c.galezie) {
    if (!(g.status > 0))
      Odmow(g.wiersz,
            Galaz(g) + " jest wyłączona (status 0); program liczy tylko elementy w ruchu, usuń ją z przypadku");
    if (g.angle != 0) przesuwniki.push_back(&g);
    if (g.od == g.do_) Odmow(g.wiersz, Galaz(g) + " zaczyna się i kończy w tej samej szynie");
    if (g.r < 0 || g.x < 0)
      Odmow(g.wiersz, Galaz(g) + " ma ujemną " +
                          (g.r < 0 ? "rezystancję r = " + Liczba(g.r) : "reaktancję x = " + Liczba(g.x)) +
                          "; program nie ma takiego elementu (linie i transformatory mają R ≥ 0 i X ≥ 0)");
    if (g.r == 0 && g.x == 0) Odmow(g.wiersz, Galaz(g) + " ma zerową impedancję (r = x = 0)");
    if (g.ratio < 0) Odmow(g.wiersz, Galaz(g) + " ma ujemną przekładnię ratio = " + Liczba(g.ratio));
    polaczone.insert(g.od);
    polaczone.insert(g.do_);
  }
  // A grid has several shifters: the teacher learns of every one at once,
  // a line each, and of the option that drops their shifts.
  if (!przesuwniki.empty() && !opcje.bezPrzesuniec) {
    const Przypadek::Galaz& g = *przesuwniki.front();
    std::string tresc = Galaz(g) + " jest przesuwnikiem fazowym (angle = " + Liczba(g.angle) +
                        "°); program nie ma transformatorów przesuwających fazę";
    if (przesuwniki.size() > 1) {
      tresc += ". Wszystkie przesuwniki fazowe przypadku (" + Nr(long(przesuwniki.size())) + "):";
      for (const auto* p : przesuwniki)
        tresc += "\n  wiersz " + Nr(p->wiersz) + ": " + Galaz(*p) + ", angle = " + Liczba(p->angle) + "°";
    }
    tresc +=
        "\nOpcja --bez-przesuniec pomija przesunięcia fazowe (gałąź zachowuje przekładnię i impedancję), "
        "każde z ostrzeżeniem i uwagą w treści zadania.";
    Odmow(g.wiersz, tresc);
  }
  for (const auto& s : c.szyny)
    if (!polaczone.count(s.numer)) Odmow(s.wiersz, "szyna " + Nr(s.numer) + " nie jest połączona żadną gałęzią");
  bool generator = false;
  for (const auto& g : c.generatory) generator |= g.szyna == bilansujaca->numer;
  if (!generator)
    Odmow(bilansujaca->wiersz, "szyna bilansująca " + Nr(bilansujaca->numer) + " nie ma generatora w macierzy mpc.gen");
}

// ---- the layout ----

struct Miejsce {
  int x = 0, y = 0, dlugosc = 80;
};

struct Uklad {
  int szerokosc = 900, wysokosc = 600;
  std::vector<Miejsce> wezly;                       // node k at k - 1
  std::vector<std::pair<int, std::string>> napisy;  // y, level
  std::vector<int> rzad, pozycja;                   // of each node
};

// Rows of bus bars: the levels from the highest voltage down, within a
// level by the distance from the slack node; within a row next to the
// neighbours already placed.
Uklad Rozmiesc(const std::vector<Wezel>& w, const std::vector<std::pair<int, int>>& galezie, int bilansujacy) {
  const int n = int(w.size());
  std::vector<std::vector<int>> sasiedzi(size_t(n) + 1);
  for (auto [a, b] : galezie) {
    sasiedzi[size_t(a)].push_back(b);
    sasiedzi[size_t(b)].push_back(a);
  }
  std::vector<int> odleglosc(size_t(n) + 1, -1);
  std::vector<int> kolejka{bilansujacy};
  odleglosc[size_t(bilansujacy)] = 0;
  for (size_t i = 0; i < kolejka.size(); ++i)
    for (int m : sasiedzi[size_t(kolejka[i])])
      if (odleglosc[size_t(m)] < 0) {
        odleglosc[size_t(m)] = odleglosc[size_t(kolejka[i])] + 1;
        kolejka.push_back(m);
      }
  const int najdalej = *std::max_element(odleglosc.begin(), odleglosc.end());
  std::set<double, std::greater<double>> poziomy;
  for (const Wezel& x : w) poziomy.insert(x.kV);
  std::map<std::pair<int, int>, std::vector<int>> rzedy;  // (level, distance) -> nodes
  for (int k = 1; k <= n; ++k) {
    const int poziom = int(std::distance(poziomy.begin(), poziomy.find(w[size_t(k - 1)].kV)));
    rzedy[{poziom, odleglosc[size_t(k)] < 0 ? najdalej + 1 : odleglosc[size_t(k)]}].push_back(k);
  }

  Uklad u;
  size_t najwiekszy = 0;
  for (const auto& [klucz, wezly] : rzedy) najwiekszy = std::max(najwiekszy, wezly.size());
  if (n > 20 || rzedy.size() > 5 || najwiekszy > 7) u.szerokosc = kMaksSzerokosc, u.wysokosc = kMaksWysokosc;
  const int gora = 110, dol = u.wysokosc - 75, R = int(rzedy.size());
  const int odstep = R > 1 ? std::min(130, (dol - gora) / (R - 1)) : 0;
  u.wezly.resize(size_t(n));
  u.rzad.assign(size_t(n), 0);
  u.pozycja.assign(size_t(n), 0);
  std::vector<double> x(size_t(n) + 1, -1);
  int r = 0, poprzedniPoziom = -1;
  for (auto& [klucz, wezly] : rzedy) {
    const int y = R > 1 ? gora + r * odstep : (gora + dol) / 2;
    // Under the neighbours already placed; the others keep the case's order.
    std::vector<std::pair<double, int>> kolejnosc;
    for (int k : wezly) {
      double suma = 0;
      int ile = 0;
      for (int m : sasiedzi[size_t(k)])
        if (x[size_t(m)] >= 0) suma += x[size_t(m)], ++ile;
      kolejnosc.push_back({ile ? suma / ile : std::numeric_limits<double>::max(), k});
    }
    std::stable_sort(kolejnosc.begin(), kolejnosc.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    const double x0 = 100, x1 = u.szerokosc - 30, miejsce = (x1 - x0) / double(kolejnosc.size());
    const int dlugosc = std::clamp(int(miejsce) - 30, 20, 110);
    for (size_t i = 0; i < kolejnosc.size(); ++i) {
      const int k = kolejnosc[i].second;
      x[size_t(k)] = x0 + miejsce * (double(i) + 0.5);
      u.wezly[size_t(k - 1)] = {int(std::lround(x[size_t(k)])), y, dlugosc};
      u.rzad[size_t(k - 1)] = r;
      u.pozycja[size_t(k - 1)] = int(i);
    }
    if (klucz.first != poprzedniPoziom) u.napisy.push_back({y, Dana(*std::next(poziomy.begin(), klucz.first)) + " kV"});
    poprzedniPoziom = klucz.first;
    ++r;
  }
  return u;
}

}  // namespace

ImportMatpower ZMatpower(const Przypadek& przypadek, const std::string& nazwa, const OpcjeImportu& opcje) {
  Sprawdz(przypadek, opcje);
  // The shifts dropped, if asked: the rest of the import sees the case without them.
  std::vector<std::string> pominiete;
  Przypadek c = przypadek;
  for (auto& g : c.galezie) {
    if (g.angle == 0) continue;
    pominiete.push_back(GalazZDuzej(g) + " (wiersz " + Nr(g.wiersz) + ") przesuwa fazę o " + Liczba(g.angle) +
                        "° (angle); program nie ma przesuwników fazowych, więc przesunięcie pominięto, "
                        "a gałąź zachowała przekładnię i impedancję: rozpływ różni się od rozpływu przypadku.");
    g.angle = 0;
  }
  ImportMatpower im;
  // One word in the description's "dane" and "wyjscie".
  for (char z : nazwa) im.nazwa += z == ' ' || z == '\t' || z == '#' ? '_' : z;
  const double S = c.baseMVA;
  const int N = int(c.szyny.size());
  std::map<int, int> wezel;  // bus number -> node
  for (int k = 1; k <= N; ++k) wezel[c.szyny[size_t(k - 1)].numer] = k;
  std::vector<Wezel> w(static_cast<size_t>(N));
  int bilansujacy = 0;
  for (int k = 1; k <= N; ++k) {
    w[size_t(k - 1)].szyna = &c.szyny[size_t(k - 1)];
    w[size_t(k - 1)].Gs = c.szyny[size_t(k - 1)].Gs;
    w[size_t(k - 1)].Bs = c.szyny[size_t(k - 1)].Bs;
    if (c.szyny[size_t(k - 1)].typ == 3) bilansujacy = k;
  }
  for (const auto& g : c.generatory) {
    Wezel& x = w[size_t(wezel.at(g.szyna) - 1)];
    if (x.generatory++ == 0) x.Vg = g.Vg;
    x.Pg += g.Pg;
    x.Qg += g.Qg;
  }
  Wezel& slack = w[size_t(bilansujacy - 1)];
  std::vector<std::string> uwagi;                     // said in the statement and to the teacher
  std::vector<std::string> przyblizenia = pominiete;  // the same, approximations: also warned about

  // Rated voltages: baseKV, or one chosen voltage where the case gives none.
  const bool bezBaseKV = std::all_of(c.szyny.begin(), c.szyny.end(), [](const auto& s) { return s.baseKV == 0; });
  const bool czescBezBaseKV = std::any_of(c.szyny.begin(), c.szyny.end(), [](const auto& s) { return s.baseKV == 0; });
  double wybrane = slack.szyna->baseKV;
  if (wybrane == 0) {
    const std::optional<int> u = NapiecieDlaCalychKv(slack.Vg);
    wybrane = u.value_or(110);
  }
  for (Wezel& x : w) x.kV = x.szyna->baseKV > 0 ? x.szyna->baseKV : wybrane;
  const double slackKv = slack.Vg * slack.kV;
  const int slackWpisane = int(std::lround(slackKv));
  if (bezBaseKV || czescBezBaseKV) {
    const std::string ktore = bezBaseKV ? "Przypadek nie podaje napięć bazowych szyn (baseKV = 0)"
                                        : "Część szyn nie ma napięcia bazowego (baseKV = 0)";
    uwagi.push_back(ktore + "; przyjęto dla " + (bezBaseKV ? "całej sieci" : "nich") + " napięcie znamionowe " +
                    Dana(wybrane) + " kV" +
                    (CalkowiteKv(slackKv) && slack.szyna->baseKV == 0
                         ? ", przy którym napięcie węzła bilansującego (Vg = " + Dana(slack.Vg) +
                               ") jest całkowitą liczbą kV: " + Dana(std::round(slackKv)) + " kV."
                         : "."));
  }
  if (!CalkowiteKv(slackKv)) {
    if (slackWpisane < 1 || slackWpisane > common::kMaksNapiecieKv)
      Odmow(slack.szyna->wiersz, "napięcie węzła bilansującego " + Liczba(slackKv) +
                                     " kV nie mieści się w zakresie 1…999 kV, który przyjmuje program");
    przyblizenia.push_back("Napięcie węzła bilansującego w przypadku wynosi " + Liczba(slackKv) + " kV (Vg = " +
                           Dana(slack.Vg) + " × " + Dana(slack.kV) + " kV), a program przyjmuje całe kV: wpisuje się " +
                           Nr(slackWpisane) + " kV, co przesuwa rozwiązanie względem przypadku.");
  }

  // Branches: lines where there is no tap between one rated voltage, transformers elsewhere.
  std::vector<Linia> linie;
  std::vector<Trafo> trafa;
  std::vector<std::pair<int, int>> polaczenia;  // every branch's nodes
  std::vector<std::string> elementy;            // and its name, "L3" or "T1"
  int doLinii = 0;
  // The program takes transformers in parallel only when they are alike.
  // A later one that differs (by its tap, as a rule) reaches its upper bus
  // through an auxiliary node X: the transformer with half the series
  // impedance up to X, a line X–upper bus with the other half. MATPOWER's
  // series impedance sits on the "to" side of its ideal tap, which is X's
  // side, so the split is exact; the charging of such a transformer goes
  // to the two buses as a bus shunt.
  std::map<std::pair<int, int>, std::vector<std::string>> rownolegle;  // (upper, lower) -> the first one's data
  std::vector<double> pomocnicze;                                      // rated kV of node N + 1, N + 2 ...
  std::vector<std::string> uwagiPomocnicze;
  for (const auto& g : c.galezie) {
    const int f = wezel.at(g.od), t = wezel.at(g.do_);
    Wezel &wf = w[size_t(f - 1)], &wt = w[size_t(t - 1)];
    if (g.ratio == 0 && wf.kV == wt.kV && g.b >= 0) {
      const double kv2 = wf.kV * wf.kV;
      linie.push_back({f, t, wf.kV, g.r * kv2 / S, g.x * kv2 / S, g.b * S / kv2 * 1e6});
      polaczenia.push_back({f, t});
      elementy.push_back("linia " + Nr(long(linie.size())));
      continue;
    }
    if (g.ratio == 0 && wf.kV == wt.kV) ++doLinii;
    const double tau = g.ratio == 0 ? 1.0 : g.ratio;
    Trafo tr{t, f, wt.kV, tau * wf.kV, S, g.r * S * 1000, 100 * std::hypot(g.r, g.x), g.b < 0 ? -100 * g.b : 0.0};
    const std::vector<std::string> znamionowe{Dana(tr.Ug),  Dana(tr.Ud), Dana(tr.Sn),
                                              Dana(tr.PCu), Dana(tr.uz), Dana(tr.i0)};
    const auto [pierwszy, nowy] = rownolegle.emplace(std::pair{t, f}, znamionowe);
    const bool pomocniczy = !nowy && pierwszy->second != znamionowe;
    if (pomocniczy) {
      const int x = N + 1 + int(pomocnicze.size());
      pomocnicze.push_back(wt.kV);
      tr.gorny = x;
      tr.PCu /= 2;
      tr.uz /= 2;
      tr.i0 = 0;
    }
    trafa.push_back(tr);
    polaczenia.push_back({f, tr.gorny});
    elementy.push_back("trafo " + Nr(long(trafa.size())));
    if (g.b > 0 || (pomocniczy && g.b != 0)) {
      // Charging is inductive in a transformer's model: the capacitive
      // one goes to the buses, as MATPOWER splits it (the "from" half seen
      // through the tap).
      wt.Bs += g.b / 2 * S;
      wt.BsTrafo += g.b / 2 * S;
      wf.Bs += g.b / 2 / (tau * tau) * S;
      wf.BsTrafo += g.b / 2 / (tau * tau) * S;
    }
    if (pomocniczy) {
      const double kv2 = wt.kV * wt.kV;
      linie.push_back({tr.gorny, t, wt.kV, g.r / 2 * kv2 / S, g.x / 2 * kv2 / S, 0.0});
      polaczenia.push_back({tr.gorny, t});
      elementy.push_back("linia " + Nr(long(linie.size())));
      uwagiPomocnicze.push_back(
          GalazZDuzej(g) + " (wiersz " + Nr(g.wiersz) +
          ") pracuje równolegle z wcześniejszym transformatorem tych szyn, ale ma inne dane (przekładnię " + Dana(tau) +
          "), a program przyjmuje tylko jednakowe transformatory równoległe: transformator T" + Nr(long(trafa.size())) +
          " z połową impedancji gałęzi łączy szynę " + Nr(g.od) + " z węzłem pomocniczym " + Nr(tr.gorny) + " (" +
          Dana(wt.kV) + " kV, bez mocy), a linia L" + Nr(long(linie.size())) + " z drugą połową – węzeł " +
          Nr(tr.gorny) + " z szyną " + Nr(g.do_) + "; dokładnie tak samo.");
    }
  }
  uwagi.insert(uwagi.end(), uwagiPomocnicze.begin(), uwagiPomocnicze.end());
  const int Nw = N + int(pomocnicze.size());  // nodes: the buses, then the auxiliary ones
  if (Nw > common::kMaksLiczbaWezlow)
    Odmow(0, "z węzłami pomocniczymi transformatorów równoległych sieć miałaby " + Nr(Nw) +
                 " węzłów, a program przyjmuje najwyżej " + Nr(common::kMaksLiczbaWezlow));
  if (linie.empty())
    Odmow(0, "wszystkie gałęzie przypadku są transformatorami, a program wymaga co najmniej jednej linii");
  if (doLinii)
    uwagi.push_back("Gałęzie bez przekładni o ujemnej susceptancji b (" + Nr(doLinii) +
                    ") zapisano jako transformatory o przekładni 1 z prądem stanu jałowego i0 = 100·|b| %.");

  // Nodes: the slack, the generator nodes, the loads.
  std::vector<Elektrownia> elektrownie;
  std::vector<Odbior> odbiory;
  std::vector<int> bezTypu;
  for (int k = 1; k <= N; ++k) {
    Wezel& x = w[size_t(k - 1)];
    const Przypadek::Szyna& s = *x.szyna;
    const std::string kto = "W węźle " + Nr(k) + (s.numer != k ? " (szyna " + Nr(s.numer) + ")" : "");
    if (x.BsTrafo != 0)
      uwagi.push_back(kto + " susceptancję poprzeczną transformatora (" + Liczba(x.BsTrafo) +
                      " Mvar przy 1 j.w.) dołączono do kompensacji poprzecznej szyny.");
    if (s.typ == 3) {
      elektrownie.push_back({k, slackKv, 0.0});
      if (s.Pd != 0 || s.Qd != 0 || x.Gs != 0 || x.Bs != 0)
        uwagi.push_back(kto + " (bilansującym) pominięto odbiór " + Liczba(s.Pd) + " MW, " + Liczba(s.Qd) + " Mvar" +
                        (x.Gs != 0 || x.Bs != 0 ? " i kompensację poprzeczną" : "") +
                        ": moc węzła bilansującego w wynikach jest mocą netto (wytwarzana minus odbierana).");
      continue;
    }
    if (s.typ == 2 && x.generatory > 0) {
      // The magnitude is held at Vg, so the shunt's power there is exactly Gs·Vg².
      const double P = x.Pg - s.Pd - x.Gs * x.Vg * x.Vg;
      elektrownie.push_back({k, x.Vg * x.kV, P});
      if (s.Pd != 0 || s.Qd != 0 || x.Gs != 0)
        uwagi.push_back(kto + " odbiór " + Liczba(s.Pd) + " MW, " + Liczba(s.Qd) + " Mvar" +
                        (x.Gs != 0 ? " i moc czynną kompensacji " + Liczba(x.Gs * x.Vg * x.Vg) + " MW" : "") +
                        " odjęto od mocy elektrowni (" + Liczba(x.Pg) + " MW): węzeł elektrowniany oddaje " +
                        Liczba(P) + " MW netto; jego moc bierna wynika z obliczeń.");
      if (x.generatory > 1)
        uwagi.push_back(kto + " liczba generatorów: " + Nr(x.generatory) +
                        "; ich moce zsumowano, napięcie to Vg pierwszego.");
      continue;
    }
    if (s.typ == 2)
      uwagi.push_back(kto + " (typ 2 bez generatora) przyjęto jako obciążeniowy, tak jak robi to MATPOWER.");
    double P = s.Pd - x.Pg, Q = s.Qd - x.Qg;
    if (x.generatory > 0)
      uwagi.push_back(kto + " (typ 1) moc generatora " + Liczba(x.Pg) + " MW, " + Liczba(x.Qg) +
                      " Mvar odjęto od odbioru.");
    if (x.Gs != 0 || x.Bs != 0) {
      const double v2 = s.Vm * s.Vm, Pk = x.Gs * v2, Qk = -x.Bs * v2;
      P += Pk;
      Q += Qk;
      przyblizenia.push_back(kto + " kompensację poprzeczną Gs = " + Liczba(x.Gs) + " MW, Bs = " + Liczba(x.Bs) +
                             " Mvar (przy 1 j.w.) zastąpiono odbiorem " + Liczba(Pk) + " MW, " + Liczba(Qk) +
                             " Mvar przy napięciu Vm = " + Dana(s.Vm) +
                             " z tabeli szyn przypadku: dokładnie przy tym napięciu, w przybliżeniu przy innym.");
    }
    if (P != 0 || Q != 0) odbiory.push_back({k, P, Q});
    else bezTypu.push_back(k);
  }
  for (int k = N + 1; k <= Nw; ++k) bezTypu.push_back(k);
  if (odbiory.empty()) {
    if (bezTypu.empty())
      Odmow(0,
            "przypadek nie ma żadnej szyny obciążeniowej, a program wymaga co najmniej jednego węzła obciążeniowego");
    odbiory.push_back({bezTypu.front(), 0.0, 0.0});
    bezTypu.erase(bezTypu.begin());
  }

  // ---- the data file ----
  std::vector<std::string>& d = im.dane;
  // A column of no elements stays an empty line: a comment alone would be
  // no line of the file at all.
  const auto kolumna = [&](auto const& v, auto pole, const char* opis) {
    std::vector<std::string> t;
    for (const auto& e : v) t.push_back(pole(e));
    return v.empty() ? std::string() : Kolumna(t) + "    # " + opis;
  };
  d.push_back("# Przypadek MATPOWER „" + c.nazwa + "” jako dane programu Kreator (kreator_zadanie --z-matpower).");
  d.push_back("# Wiersze 3–30 pliku .ZRM; węzły 1…" + Nr(N) + " w kolejności tabeli szyn przypadku" +
              (Nw > N ? ", " + Zakres(N + 1, Nw) + " pomocnicze." : "."));
  d.push_back(Nr(Nw) + "    # liczba węzłów");
  d.push_back(Nr(long(linie.size())) + "    # liczba linii");
  d.push_back(Nr(long(trafa.size())) + "    # liczba transformatorów");
  d.push_back("# linie: gałęzie bez przekładni, po 1 km, jednotorowe");
  d.push_back(kolumna(
      linie, [](const Linia& l) { return Nr(l.a); }, "początek w węźle"));
  d.push_back(kolumna(
      linie, [](const Linia& l) { return Nr(l.b); }, "koniec w węźle"));
  d.push_back(kolumna(
      linie, [](const Linia& l) { return Dana(l.kV); }, "napięcie [kV]"));
  d.push_back(kolumna(
      linie, [](const Linia& l) { return Dana(l.R); }, "R' [om/km]"));
  d.push_back(kolumna(
      linie, [](const Linia& l) { return Dana(l.X); }, "X' [om/km]"));
  d.push_back(kolumna(
      linie, [](const Linia& l) { return Dana(l.B); }, "B' [µS/km]"));
  d.push_back(kolumna(
      linie, [](const Linia&) { return std::string("1"); }, "długość [km]"));
  d.push_back(kolumna(
      linie, [](const Linia&) { return std::string("1"); }, "liczba torów"));
  d.push_back("# transformatory: uzwojenie górne po stronie szyny końcowej gałęzi (tbus)");
  d.push_back(kolumna(
      trafa, [](const Trafo& t) { return Nr(t.gorny); }, "węzeł górny"));
  d.push_back(kolumna(
      trafa, [](const Trafo& t) { return Nr(t.dolny); }, "węzeł dolny"));
  d.push_back(kolumna(
      trafa, [](const Trafo& t) { return Dana(t.Ug); }, "napięcie górne [kV]"));
  d.push_back(kolumna(
      trafa, [](const Trafo& t) { return Dana(t.Ud); }, "napięcie dolne [kV]"));
  d.push_back(kolumna(
      trafa, [](const Trafo& t) { return Dana(t.Sn); }, "moc znamionowa [MVA]"));
  d.push_back(kolumna(
      trafa, [](const Trafo& t) { return Dana(t.PCu); }, "straty w miedzi [kW]"));
  d.push_back(kolumna(
      trafa, [](const Trafo&) { return std::string("0"); }, "straty w żelazie [kW]"));
  d.push_back(kolumna(
      trafa, [](const Trafo& t) { return Dana(t.uz); }, "napięcie zwarcia [%]"));
  d.push_back(kolumna(
      trafa, [](const Trafo& t) { return Dana(t.i0); }, "prąd stanu jałowego [%]"));
  d.push_back("# węzły elektrowniane");
  d.push_back(Nr(long(elektrownie.size())) + "    # liczba");
  d.push_back(kolumna(
      elektrownie, [](const Elektrownia& e) { return Nr(e.wezel); }, "węzeł"));
  d.push_back(kolumna(
      elektrownie, [](const Elektrownia& e) { return Dana(e.kV); }, "napięcie [kV]"));
  d.push_back(kolumna(
      elektrownie, [](const Elektrownia& e) { return Dana(e.P); },
      "moc czynna [MW] (dla bilansującego bez znaczenia)"));
  d.push_back("# węzły obciążeniowe");
  d.push_back(Nr(long(odbiory.size())) + "    # liczba");
  d.push_back(kolumna(
      odbiory, [](const Odbior& o) { return Nr(o.wezel); }, "węzeł"));
  d.push_back(kolumna(
      odbiory, [](const Odbior& o) { return Dana(o.P); }, "moc czynna [MW]"));
  d.push_back(kolumna(
      odbiory, [](const Odbior& o) { return Dana(o.Q); }, "moc bierna [Mvar]"));

  // ---- the description ----
  std::string plik;  // the exercise's name: the case's in capitals
  for (char z : im.nazwa) plik += char(std::toupper(static_cast<unsigned char>(z)));
  for (double kv : pomocnicze) w.push_back(Wezel{.kV = kv});
  const Uklad u = Rozmiesc(w, polaczenia, bilansujacy);
  std::vector<std::string>& o = im.uklad;
  o.push_back("# Zadanie z przypadku MATPOWER „" + c.nazwa + "” (kreator_zadanie --z-matpower).");
  o.push_back("# Położenia węzłów dobrano samoczynnie (poziomy napięć od góry, w nich rzędy według odległości");
  o.push_back("# od węzła bilansującego); popraw je, a potem utwórz zadanie: kreator_zadanie " + im.nazwa + ".uklad");
  if (Nw > kMaksWezlowRysunku)
    o.push_back("# Sieć ma więcej niż " + Nr(kMaksWezlowRysunku) +
                " węzłów, więc zadanie nie będzie miało schematu ani rysunku danych: położenia są tu tylko dlatego, "
                "że opis ich wymaga.");
  o.push_back("dane " + im.nazwa + ".dane");
  o.push_back("wyjscie " + plik);
  o.push_back("tytul Przypadek MATPOWER „" + c.nazwa + "”");
  o.push_back("rozmiar " + Nr(u.szerokosc) + " " + Nr(u.wysokosc));
  // A branch along a row past other bars goes round above them, each
  // detour of a row higher and nearer its bars' ends than the one before.
  struct Objazd {
    int xa, xb, y;
  };
  std::map<size_t, Objazd> objazdy;  // branch -> its two bends
  std::map<int, int> wRzedzie;       // row -> detours so far
  for (size_t i = 0; i < polaczenia.size(); ++i) {
    const size_t a = size_t(polaczenia[i].first - 1), b = size_t(polaczenia[i].second - 1);
    if (u.rzad[a] != u.rzad[b] || std::abs(u.pozycja[a] - u.pozycja[b]) < 2) continue;
    const Miejsce &ma = u.wezly[a], &mb = u.wezly[b];
    const int ku = mb.x > ma.x ? 1 : -1, j = wRzedzie[u.rzad[a]]++;
    const auto odKonca = [j](const Miejsce& m) { return std::max(8, m.dlugosc / 2 - 10 - 10 * (j % 4)); };
    objazdy[i] = {ma.x + ku * odKonca(ma), mb.x - ku * odKonca(mb), std::max(5, ma.y - 30 - 14 * (j % 4))};
  }
  // Where branches join each bar from above and from below, as the picture
  // draws them: a bar overlapping the other end's bar is joined square
  // midway along the overlap, any other end straight towards its centre.
  std::vector<std::vector<int>> zGory(static_cast<size_t>(Nw)), zDolu(static_cast<size_t>(Nw));
  const auto dolacz = [&](size_t k, int x, int yInny) {
    const Miejsce& m = u.wezly[k];
    (yInny <= m.y ? zGory : zDolu)[k].push_back(std::clamp(x, m.x - m.dlugosc / 2 + 8, m.x + m.dlugosc / 2 - 8));
  };
  for (size_t i = 0; i < polaczenia.size(); ++i) {
    const size_t a = size_t(polaczenia[i].first - 1), b = size_t(polaczenia[i].second - 1);
    const Miejsce &ma = u.wezly[a], &mb = u.wezly[b];
    const int od = std::max(ma.x - ma.dlugosc / 2, mb.x - mb.dlugosc / 2) + 8,
              doo = std::min(ma.x + ma.dlugosc / 2, mb.x + mb.dlugosc / 2) - 8;
    if (objazdy.count(i)) {
      dolacz(a, objazdy[i].xa, ma.y - 1);
      dolacz(b, objazdy[i].xb, mb.y - 1);
    } else if (od <= doo) {
      dolacz(a, (od + doo) / 2, mb.y);
      dolacz(b, (od + doo) / 2, ma.y);
    } else {
      dolacz(a, mb.x, mb.y);
      dolacz(b, ma.x, ma.y);
    }
  }
  // A generator hangs above its bar (below when a detour passes over it),
  // a load below, each where it stays farthest from the branches joining
  // that side.
  std::vector<bool> podObjazdem(static_cast<size_t>(Nw), false);
  for (const auto& [i, d] : objazdy) {
    const size_t a = size_t(polaczenia[i].first - 1), b = size_t(polaczenia[i].second - 1);
    for (size_t k = 0; k < size_t(Nw); ++k)
      podObjazdem[k] =
          podObjazdem[k] || (u.rzad[k] == u.rzad[a] && u.pozycja[k] > std::min(u.pozycja[a], u.pozycja[b]) &&
                             u.pozycja[k] < std::max(u.pozycja[a], u.pozycja[b]));
  }
  std::map<int, bool> gora;  // node with a symbol -> the symbol above
  for (const Elektrownia& e : elektrownie) gora[e.wezel] = !podObjazdem[size_t(e.wezel - 1)];
  for (const Odbior& e : odbiory) gora[e.wezel] = false;
  for (int k = 1; k <= Nw; ++k) {
    const Miejsce& m = u.wezly[size_t(k - 1)];
    std::string wiersz = "wezel " + Nr(k) + " " + Nr(m.x) + " " + Nr(m.y) + " dlugosc " + Nr(m.dlugosc);
    if (gora.count(k)) {
      const std::vector<int>& galezie = (gora[k] ? zGory : zDolu)[size_t(k - 1)];
      int najlepsze = 0, odstep = -1;
      for (int p : {0, m.dlugosc / 4, -m.dlugosc / 4, m.dlugosc / 2 - 16, -(m.dlugosc / 2 - 16)}) {
        int najblizej = std::numeric_limits<int>::max();
        for (int x : galezie) najblizej = std::min(najblizej, std::abs(x - (m.x + p)));
        if (najblizej > odstep) najlepsze = p, odstep = najblizej;
      }
      wiersz += std::string(" symbol ") + (gora[k] ? "gora " : "dol ") + Nr(najlepsze);
    }
    o.push_back(wiersz);
  }
  for (const auto& [i, d] : objazdy)
    o.push_back(elementy[i] + " przez " + Nr(d.xa) + " " + Nr(d.y) + " " + Nr(d.xb) + " " + Nr(d.y));
  for (const auto& [y, tekst] : u.napisy) o.push_back("napis 10 " + Nr(y) + " " + tekst);
  o.push_back("bilansujacy " + Nr(bilansujacy) + " " + Nr(slackWpisane));

  // ---- the statement ----
  std::vector<std::string>& z = im.zadanie;
  z.push_back("Rozpływ mocy w sieci przypadku testowego MATPOWER „" + c.nazwa + "”.");
  z.push_back("");
  for (const std::string& t :
       Zawijaj("Sieć ma " + Ile(Nw, "węzeł", "węzły", "węzłów") + ", " +
                   Ile(long(linie.size()), "linię", "linie", "linii") + " i " +
                   Ile(long(trafa.size()), "transformator", "transformatory", "transformatorów") +
                   "; moc bazowa przypadku " + Dana(S) + " MVA. Węzeł " + Nr(bilansujacy) +
                   " jest bilansujący (napięcie " + Liczba(slackKv) +
                   " kV), węzły elektrowniane utrzymują napięcia Vg "
                   "przypadku, a odbiory pobierają moce podane w tabeli danych.",
               95))
    z.push_back(t);
  bool poKolei = true;
  for (int k = 1; k <= N; ++k) poKolei &= c.szyny[size_t(k - 1)].numer == k;
  if (poKolei) {
    z.push_back("Numery węzłów są numerami szyn przypadku MATPOWER.");
  } else {
    std::string mapa = "Węzły programu i szyny MATPOWER (w nawiasach):";
    for (int k = 1; k <= N; ++k)
      mapa += " " + Nr(k) + " (" + Nr(c.szyny[size_t(k - 1)].numer) + ")" + (k < N ? "," : ".");
    for (const std::string& t : Zawijaj(mapa, 95)) z.push_back(t);
  }
  z.push_back("Linie to gałęzie bez przekładni (dane na 1 km, jednotorowe)" + std::string(trafa.empty() ? "." : ","));
  if (!trafa.empty())
    z.push_back(
        "transformatory to gałęzie z przekładnią albo między różnymi napięciami (uzwojenie górne po stronie "
        "szyny końcowej).");
  if (!uwagi.empty() || !przyblizenia.empty()) {
    z.push_back("");
    z.push_back("Przekształcenie danych przypadku:");
    for (const auto* lista : {&uwagi, &przyblizenia})
      for (const std::string& t : *lista)
        for (const std::string& s : Zawijaj("- " + t, 95, "  ")) z.push_back(s);
  }
  z.push_back("");
  if (pominiete.empty()) {
    z.push_back("Wyznacz napięcia we wszystkich węzłach i moc węzła bilansującego; porównaj napięcia");
    z.push_back("z rozwiązaniem przypadku (Vm, Va w tabeli szyn MATPOWER).");
  } else {
    z.push_back("Wyznacz napięcia we wszystkich węzłach i moc węzła bilansującego. Bez przesunięć fazowych");
    z.push_back("napięcia różnią się od rozwiązania przypadku (Vm, Va w tabeli szyn MATPOWER).");
  }

  // ---- for the teacher ----
  im.opis.push_back("Przypadek „" + c.nazwa + "”: " + Ile(N, "szyna", "szyny", "szyn") + ", " +
                    Ile(long(c.generatory.size()), "generator", "generatory", "generatorów") + ", " +
                    Ile(long(c.galezie.size()), "gałąź", "gałęzie", "gałęzi") + ", moc bazowa " + Dana(S) + " MVA.");
  const auto zakres = [](const char* litera, size_t n) {
    return std::string(litera) + "1" + (n > 1 ? std::string("…") + litera + Nr(long(n)) : "");
  };
  im.opis.push_back(
      "Węzły 1…" + Nr(N) + " w kolejności tabeli szyn" + (Nw > N ? " (" + Zakres(N + 1, Nw) + " pomocnicze)" : "") +
      "; linie " + zakres("L", linie.size()) + (trafa.empty() ? "" : " i transformatory " + zakres("T", trafa.size())) +
      " w kolejności gałęzi; węzły elektrowniane: " + Nr(long(elektrownie.size())) +
      ", obciążeniowe: " + Nr(long(odbiory.size())) + ", bez typu (P = Q = 0): " + Nr(long(bezTypu.size())) + ".");
  im.opis.push_back("Węzeł bilansujący " + Nr(bilansujacy) + ": " + Nr(slackWpisane) + " kV.");
  im.opis.insert(im.opis.end(), uwagi.begin(), uwagi.end());
  for (const std::string& t : przyblizenia) im.ostrzezenia.push_back("Uwaga: " + t);
  return im;
}

std::string TekstDanych(const ImportMatpower& i) {
  std::string s;
  for (const std::string& w : i.dane) s += w + "\n";
  return s;
}

std::string TekstUkladu(const ImportMatpower& i) {
  std::string s;
  for (const std::string& w : i.uklad) s += w + "\n";
  s += "epsilon " + i.epsilon + "\n" + (i.newton ? "metoda newton" : "r " + i.r) + "\n";
  for (const std::string& w : i.zadanie) s += "zadanie " + w + "\n";
  return s;
}

std::string ZrmImportu(const ImportMatpower& i) { return kreator::ZbudujZrm(WierszeDanych(TekstDanych(i))); }

OpisUkladu OpisImportu(const ImportMatpower& i) { return CzytajOpis(TekstUkladu(i)); }

WynikImportu ImportujMatpower(std::string_view tekst, const std::string& nazwa, const OpcjeImportu& opcje) {
  WynikImportu w;
  // A message of several lines (every phase shifter) is several lines for the teacher.
  const auto odmowa = [&w](std::string tresc) {
    for (size_t od = 0, nl; od <= tresc.size(); od = nl + 1) {
      nl = std::min(tresc.find('\n', od), tresc.size());
      w.wiersze.push_back(tresc.substr(od, nl - od));
    }
    return w;
  };
  try {
    w.import = ZMatpower(kreator::CzytajMatpower(tekst), nazwa, opcje);
  } catch (const kreator::BladMatpower& b) {
    return odmowa(std::string("plik przypadku odrzucony, ") + b.what());
  } catch (const BladImportu& b) {
    return odmowa(std::string("przypadku nie można przedstawić w programie Kreator, ") + b.what());
  }
  ImportMatpower& im = w.import;
  const std::string zrm = ZrmImportu(im);
  const auto dobra = [&](const ProbneObliczenie& proba, const std::string& metoda) {
    w.dobry = true;
    w.wiersze = im.opis;
    w.wiersze.insert(w.wiersze.end(), im.ostrzezenia.begin(), im.ostrzezenia.end());
    w.wiersze.push_back("Epsilon " + im.epsilon + ", " + metoda + ".");
    w.wiersze.insert(w.wiersze.end(), proba.wiersze.begin(), proba.wiersze.end());
    return w;
  };
  ProbneObliczenie pierwsza;
  for (const char* r : {"1,6", "1,4", "1,2", "1,8"}) {
    im.r = r;
    const ProbneObliczenie proba = Przelicz(zrm, OpisImportu(im));
    if (proba.dobre) return dobra(proba, "parametr relaksacji r " + im.r);
    if (pierwsza.wiersze.empty()) pierwsza = proba;
  }
  const std::string gaussSeidel = "metoda Gaussa-Seidla, epsilon " + im.epsilon + ", r 1,6, 1,4, 1,2 i 1,8";
  const OpisUkladu opis = OpisImportu(im);
  if (int(opis.wezly.size()) > kMaksWezlowRysunku) {
    // A real grid: Gauss–Seidel's corrections spread one branch a sweep,
    // too slowly for thousands of nodes; Newton–Raphson solves it whole.
    im.newton = true;
    im.zadanie.push_back("");
    for (const std::string& t :
         Zawijaj("Metoda Gaussa-Seidla nie jest zbieżna dla tej sieci w 1000 krokach (r 1,6, 1,4, 1,2 i 1,8), więc "
                 "zadanie liczy się metodą Newtona-Raphsona: Kreator --batch " +
                     opis.wyjscie + ".ZRM --slack " + Nr(opis.bilansujacy->wezel) + " --slack-kv " +
                     Nr(opis.bilansujacy->napiecieKv) + " --epsilon " + im.epsilon + " --metoda newton.",
                 95))
      im.zadanie.push_back(t);
    const ProbneObliczenie proba = Przelicz(zrm, OpisImportu(im));
    if (proba.dobre) {
      im.opis.push_back("Próbne obliczenie (" + gaussSeidel +
                        ") nie jest zbieżne, więc zadanie liczy się metodą Newtona-Raphsona (opis: „metoda "
                        "newton”, treść: Kreator --batch ... --metoda newton).");
      return dobra(proba, "metoda Newtona-Raphsona");
    }
    w.wiersze = proba.wiersze;
    w.wiersze.push_back("Próbne obliczenie programem Kreator (" + gaussSeidel +
                        "; potem metoda Newtona-Raphsona) nie powiodło się, więc z tego przypadku nie powstanie "
                        "zadanie; nic nie zapisano.");
    return w;
  }
  w.wiersze = pierwsza.wiersze;
  w.wiersze.push_back("Próbne obliczenie programem Kreator (" + gaussSeidel +
                      ") nie powiodło się, więc z tego przypadku nie powstanie zadanie; nic nie zapisano.");
  return w;
}

std::optional<std::string> ZadanieJakoMatpower(std::string_view zrm, const OpisUkladu& opis, const std::string& nazwa) {
  const bool newton = opis.metoda == Metoda::Newton;
  if (!opis.bilansujacy || !opis.epsilon || (!opis.r && !newton)) return std::nullopt;
  kreator::Przypadek p;
  if (!kreator::WczytajZrm(zrm, p)) return std::nullopt;
  p.WezelBilansujacy = opis.bilansujacy->wezel;
  p.NapiecieBilansujace = opis.bilansujacy->napiecieKv;
  p.Epsilon = common::NaLiczbe(*opis.epsilon);
  p.ParametrRelaksacji = common::NaLiczbe(opis.r.value_or("1,5"));
  const kreator::SiecRozplywu s = kreator::ZbudujSiec(p);
  const kreator::WynikRozplywu w = kreator::ObliczRozplyw(
      s, {newton ? kreator::MetodaRozplywu::NewtonRaphson : kreator::MetodaRozplywu::GaussSeidel, false});
  return kreator::ZapiszMatpower(kreator::SiecJakoMatpower(s, &w, nazwa));
}

}  // namespace zadanie
