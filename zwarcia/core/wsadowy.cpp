#include "zwarcia/core/wsadowy.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <map>
#include <sstream>

#include "common/core/bledy_systemu.h"
#include "common/core/dialogi.h"
#include "common/core/liczby.h"
#include "common/core/pliki.h"
#include "common/core/zapis.h"
#include "zwarcia/core/kreator.h"
#include "zwarcia/core/plik_zrz.h"
#include "zwarcia/core/raport.h"
#include "zwarcia/core/sprawdzenie.h"
#include "zwarcia/core/wspolczynniki.h"
#include "zwarcia/core/zadanie.h"

namespace zwarcia {

namespace {

const char* kPomoc =
    "Użycie: zwarcia --batch PLIK.ZRZ --fault-node N --fault-kv U --duration T [--kappa K] [--m M]\n"
    "                [--output RAPORT.TXT] [--json]\n"
    "\n"
    "Oblicza zwarcie trójfazowe zadania z pliku .ZRZ bez okien, tak jak przycisk \"Oblicz\".\n"
    "  --batch PLIK.ZRZ  plik z danymi zadania\n"
    "  --fault-node N    numer węzła, w którym jest zwarcie\n"
    "  --fault-kv U      znamionowe napięcie sieci w miejscu zwarcia [kV], liczba całkowita 1..999\n"
    "  --duration T      czas trwania zwarcia [s], od 0,01 do 1\n"
    "  --kappa K         współczynnik udaru, od 1,0 do 2,0: daje prąd zwarciowy udarowy\n"
    "  --m M             współczynnik wpływu cieplnego składowej nieokresowej, od 0 do 2:\n"
    "                    daje prąd zwarciowy cieplny (tylko razem z --kappa)\n"
    "  --output PLIK     zapisuje raport także do pliku tekstowego (Windows-1250, CR LF)\n"
    "  --json            wypisuje wyniki jako obiekt JSON zamiast raportu\n"
    "  --help            ten opis\n"
    "Liczby można pisać z przecinkiem albo z kropką dziesiętną.\n"
    "Impedancja obwodu zwarciowego Zk [om] = Zk [j.w.] · (1,05·Un)² / 100 MVA, czyli c·Un / (√3·I\"k) z c = 1,1\n"
    "(definicja normy IEC 60909); R/X i X/R to stosunki jej części rzeczywistej i urojonej.\n"
    "Kod wyjścia: 0 obliczono, 1 dane odrzucone (komunikat na standardowym wyjściu błędów), 2 błędne wywołanie.\n";

struct Opcje {
  std::string plik, wezel, napiecie, czas, output;
  std::optional<std::string> kappa, m;
  bool json = false, pomoc = false;
};

// Parses the options; false with the reason on a usage error.
bool Parsuj(const std::vector<std::string>& a, Opcje& o, std::string& blad) {
  const std::map<std::string, std::string Opcje::*> zWartoscia = {
      {"--batch", &Opcje::plik}, {"--fault-node", &Opcje::wezel}, {"--fault-kv", &Opcje::napiecie},
      {"--duration", &Opcje::czas}, {"--output", &Opcje::output}};
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i] == "--help" || a[i] == "-h") { o.pomoc = true; continue; }
    if (a[i] == "--json") { o.json = true; continue; }
    const auto it = zWartoscia.find(a[i]);
    const bool czynnik = a[i] == "--kappa" || a[i] == "--m";
    if (it == zWartoscia.end() && !czynnik) { blad = "nieznana opcja: " + a[i]; return false; }
    if (i + 1 >= a.size()) { blad = "brak wartości opcji " + a[i]; return false; }
    if (czynnik) (a[i] == "--m" ? o.m : o.kappa) = a[i + 1];
    else o.*(it->second) = a[i + 1];
    ++i;
  }
  if (o.pomoc) return true;
  for (auto [nazwa, pole] : {std::pair{"--batch", &o.plik}, {"--fault-node", &o.wezel}, {"--fault-kv", &o.napiecie},
                             {"--duration", &o.czas}})
    if (pole->empty()) { blad = std::string("brak opcji ") + nazwa; return false; }
  // In the results window m can only be typed once κ is accepted.
  if (o.m && !o.kappa) { blad = "opcja --m wymaga opcji --kappa"; return false; }
  return true;
}

// A number typed as an option: the decimal point becomes the comma of the boxes.
std::string JakWPolu(std::string t) {
  std::replace(t.begin(), t.end(), '.', ',');
  return t;
}

std::string Json(double x) {
  char bufor[64];
  if (!std::isfinite(x)) return "null";
  auto [koniec, blad] = std::to_chars(bufor, bufor + sizeof bufor, x);
  return blad == std::errc() ? std::string(bufor, koniec) : "null";
}

// X/R of the fault loop; without resistance it has no finite value.
std::optional<double> XdoR(const WynikZwarcia& w) {
  if (w.StosunekRdoX == 0) return std::nullopt;
  return 1.0 / w.StosunekRdoX;
}

// A UTF-8 text as a JSON string.
std::string JsonNapis(const std::string& t) {
  std::string s = "\"";
  for (const char c : t) {
    if (c == '"' || c == '\\') {
      s += '\\';
      s += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char kod[8];
      std::snprintf(kod, sizeof kod, "\\u%04x", static_cast<unsigned>(c));
      s += kod;
    } else {
      s += c;
    }
  }
  return s + "\"";
}

std::string JsonTekst(const Przypadek& p, const WynikZwarcia& w, const PradyZwarciowe& pr) {
  const auto x = XdoR(w);
  std::ostringstream s;
  s << "{\"fault_node\": " << p.WezelZwarcia << ", \"fault_kv\": " << Json(p.NapiecieZwarcia)
    << ", \"duration_s\": " << Json(p.CzasZwarcia) << ", \"base_kv\": " << Json(w.baza.NapiecieBazowe)
    << ", \"ik_kA\": " << Json(w.PradPoczatkowy) << ", \"r_over_x\": " << Json(w.StosunekRdoX)
    << ", \"x_over_r\": " << (x ? Json(*x) : "null") << ", \"zk_pu\": {\"re\": " << Json(w.ImpedancjaZwarciowa.real())
    << ", \"im\": " << Json(w.ImpedancjaZwarciowa.imag()) << "}, \"branch_currents_pu\": [";
  for (size_t b = 0; b < w.PradyGaleziowe.size(); ++b) s << (b ? ", " : "") << Json(std::abs(w.PradyGaleziowe[b]));
  // The same currents named by their elements and nodes; Zk in ohms at the fault point.
  s << "], \"branches\": [";
  for (size_t b = 0; b < w.PradyGaleziowe.size() && b < w.sieci.galezie.size(); ++b) {
    const Galaz& g = w.sieci.galezie[b];
    const bool zrodlo = g.rodzaj == RodzajGalezi::System || g.rodzaj == RodzajGalezi::Generator;
    s << (b ? ", " : "") << "{\"element\": \"" << NazwaGalezi(g) << "\", \"from_node\": " << g.wezelPlus
      << ", \"to_node\": " << (zrodlo ? std::string("null") : std::to_string(g.wezelMinus))
      << ", \"i_pu\": " << Json(std::abs(w.PradyGaleziowe[b])) << "}";
  }
  const Zespolona zk = ImpedancjaZwarciowaOm(w);
  s << "], \"zk_ohm\": {\"re\": " << Json(zk.real()) << ", \"im\": " << Json(zk.imag()) << "}";
  // The currents of the results window, as their boxes show them.
  s << ", \"ib_kA\": " << Json(common::NaLiczbe(pr.PrWylSym));
  if (pr.PrZwUdar) s << ", \"kappa\": " << Json(common::NaLiczbe(*pr.WspUdaru)) << ", \"ip_kA\": " << Json(common::NaLiczbe(*pr.PrZwUdar));
  if (pr.PrZwCieplny) s << ", \"m\": " << Json(common::NaLiczbe(*pr.WspM)) << ", \"ith_kA\": " << Json(common::NaLiczbe(*pr.PrZwCieplny));
  // The notices the window shows after the computation, as written on the error stream.
  s << ", \"warnings\": [";
  const std::vector<std::string> uwagi = OstrzezeniaZwarcia(p);
  for (size_t i = 0; i < uwagi.size(); ++i) s << (i ? ", " : "") << JsonNapis(uwagi[i]);
  s << "]}\n";
  return s.str();
}

// The peak and thermal currents from the typed factors, by the window's
// rules. An unreadable factor, which the window's key filter would never
// let through, is refused like one out of range.
bool Czynniki(const Opcje& o, PradyZwarciowe& pr, std::ostream& bledy) {
  if (!o.kappa) return true;
  pr.WspUdaru = JakWPolu(*o.kappa);
  const ZmianaUdaru u = ZmienWspolczynnikUdaru(*pr.WspUdaru, pr.PrPocz);
  if (!u.wspMAktywne) {
    bledy << kZlyWspolczynnikUdaru << '\n';
    return false;
  }
  pr.PrZwUdar = u.prZwUdar;
  if (!o.m) return true;
  pr.WspM = JakWPolu(*o.m);
  const ZmianaM m = ZmienWspolczynnikM(*pr.WspM, pr.PrPocz);
  if (m.prZwCieplny.empty()) {
    bledy << kZlyWspolczynnikM << '\n';
    return false;
  }
  pr.PrZwCieplny = m.prZwCieplny;
  return true;
}

}  // namespace

bool TrybWsadowy(const std::vector<std::string>& a) {
  return std::any_of(a.begin(), a.end(), [](const std::string& s) { return s == "--batch" || s == "--help"; });
}

int UruchomWsadowo(const std::vector<std::string>& argumenty, std::ostream& wyjscie, std::ostream& bledy) {
  Opcje o;
  std::string blad;
  if (!Parsuj(argumenty, o, blad)) {
    bledy << "zwarcia: " << blad << "\n\n" << kPomoc;
    return 2;
  }
  if (o.pomoc) {
    wyjscie << kPomoc;
    return 0;
  }
  if (common::RozszerzenieDuze(o.plik) != ".ZRZ") {
    bledy << kZleRozszerzenieZrz << '\n';
    return 1;
  }
  std::string bajty;
  if (!common::CzytajPlik(o.plik, bajty, blad)) {
    bledy << blad << '\n';
    return 1;
  }

  common::ConsoleDialogService dialogi(bledy);
  Przypadek p;
  Kreator k(p, dialogi);
  k.WczytajPlikZrz(bajty);
  if (p.Krok != 10) return 1;
  // The three values as typed on pages 10 to 12, each under its page's rule.
  for (const std::string* wartosc : {&o.wezel, &o.napiecie, &o.czas}) {
    const int przed = p.Krok;
    k.DalejBBClick(JakWPolu(*wartosc));
    if (p.Krok == przed) return 1;
  }
  k.DalejBBClick("");  // "&Oblicz"
  if (!k.widok().koniecP || !k.wyniki()) return 1;
  const WynikZwarcia& w = *k.wyniki();

  PradyZwarciowe pr;
  pr.PrPocz = TekstPradu(w.PradPoczatkowy);
  pr.PrWylSym = PradWylaczeniowySymetryczny(pr.PrPocz);
  if (!Czynniki(o, pr, bledy)) return 1;

  // The text report as "Zapisz wyniki" writes it: the three current lines
  // follow when both factors were given.
  std::vector<std::string> wiersze = RaportZwarcia(p, w, PierwszaLiniaZadania(o.plik));
  if (pr.PrZwUdar && pr.PrZwCieplny)
    for (const auto& l : LiniePradowZwarciowych(*pr.PrZwUdar, pr.PrWylSym, *pr.PrZwCieplny)) wiersze.push_back(l);
  if (!o.output.empty()) {
    if (const int kod = common::ZapiszTekstCp1250(o.output, wiersze)) {
      bledy << "Nie udało się zapisać pliku \"" << o.output << "\": " << common::OpisBleduPliku(kod) << '\n';
      return 1;
    }
  }
  if (o.json) {
    wyjscie << JsonTekst(p, w, pr);
  } else {
    for (const auto& l : wiersze) wyjscie << l << '\n';
  }
  return 0;
}

}  // namespace zwarcia
