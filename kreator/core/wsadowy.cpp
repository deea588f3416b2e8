#include "kreator/core/wsadowy.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <map>
#include <string_view>

#include "common/core/zapis.h"
#include "common/core/bledy_systemu.h"
#include "common/core/dialogi.h"
#include "common/core/liczby.h"
#include "kreator/core/eksport_matpower.h"
#include "kreator/core/kreator.h"
#include "kreator/core/plik_zrm.h"
#include "kreator/core/raport.h"
#include "kreator/core/sprawdzenie.h"
#include "kreator/core/zadanie.h"

namespace kreator {

namespace {

const char* kPomoc =
    "Użycie: Kreator --batch PLIK.ZRM [--slack N] --slack-kv U --epsilon E [--r R] [--metoda M]\n"
    "       [--output RAPORT.TXT] [--json]\n"
    "       [--matpower WYNIK.m]\n"
    "\n"
    "Oblicza rozpływ mocy zadania z pliku .ZRM bez okien, tak jak przycisk \"Oblicz\".\n"
    "  --batch PLIK.ZRM  plik z danymi zadania\n"
    "  --slack N         numer węzła elektrownianego bilansującego (zbędny przy jednym węźle elektrownianym)\n"
    "  --slack-kv U      wartość skuteczna napięcia w węźle bilansującym [kV], liczba całkowita 1..999\n"
    "  --epsilon E       maksymalna różnica między dwoma krokami iteracyjnymi, 0 < E < 1\n"
    "  --r R             parametr relaksacji, 1 < R < 2; wymagany przy metodzie Gaussa-Seidla\n"
    "  --metoda M        metoda obliczeń: gauss-seidel (Gaussa-Seidla z relaksacją r, jak w oknie; domyślna)\n"
    "                    albo newton (Newtona-Raphsona, najwyżej 50 iteracji; --r zbędny)\n"
    "  --output PLIK     zapisuje raport także do pliku tekstowego (Windows-1250, CR LF)\n"
    "  --json            wypisuje wyniki jako obiekt JSON zamiast raportu\n"
    "  --matpower PLIK   zapisuje też układ jako przypadek MATPOWER (plik .m) z rozwiązaniem w Vm i Va;\n"
    "                    runpf programu MATPOWER daje na nim te same napięcia węzłowe co Kreator\n"
    "                    (napięcie bazowe baseKV każdej szyny to napięcie bazowe programu). Zapisywany\n"
    "                    także wtedy, gdy obliczenia nie są zbieżne (z wartościami początkowymi)\n"
    "  --help            ten opis\n"
    "Liczby można pisać z przecinkiem albo z kropką dziesiętną.\n"
    "Kod wyjścia: 0 obliczono, 1 dane odrzucone (komunikat na standardowym wyjściu błędów), 2 błędne wywołanie.\n";

struct Opcje {
  std::string plik, slack, slackKv, epsilon, r, output, matpower, metoda;
  bool json = false, pomoc = false;
};

// Parses the options; false with the reason on a usage error.
bool Parsuj(const std::vector<std::string>& a, Opcje& o, std::string& blad) {
  const std::map<std::string, std::string Opcje::*> zWartoscia = {
      {"--batch", &Opcje::plik}, {"--slack", &Opcje::slack}, {"--slack-kv", &Opcje::slackKv},
      {"--epsilon", &Opcje::epsilon}, {"--r", &Opcje::r}, {"--output", &Opcje::output},
      {"--matpower", &Opcje::matpower}, {"--metoda", &Opcje::metoda}};
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i] == "--help" || a[i] == "-h") { o.pomoc = true; continue; }
    if (a[i] == "--json") { o.json = true; continue; }
    auto it = zWartoscia.find(a[i]);
    if (it == zWartoscia.end()) { blad = "nieznana opcja: " + a[i]; return false; }
    if (i + 1 >= a.size()) { blad = "brak wartości opcji " + a[i]; return false; }
    o.*(it->second) = a[++i];
  }
  if (o.pomoc) return true;
  if (o.plik.empty()) { blad = "brak opcji --batch PLIK.ZRM"; return false; }
  if (!o.metoda.empty() && o.metoda != "gauss-seidel" && o.metoda != "newton") {
    blad = "nieznana metoda obliczeń: " + o.metoda + " (dozwolone: gauss-seidel, newton)";
    return false;
  }
  for (auto [nazwa, pole] : {std::pair{"--slack-kv", &o.slackKv}, {"--epsilon", &o.epsilon}, {"--r", &o.r}})
    if (pole->empty() && !(pole == &o.r && o.metoda == "newton")) {
      blad = std::string("brak opcji ") + nazwa;
      return false;
    }
  return true;
}

// A number typed as an option: the decimal point becomes the comma of the boxes.
std::string JakWPolu(std::string t) {
  std::replace(t.begin(), t.end(), '.', ',');
  return t;
}

std::string Duze(std::string t) {
  for (char& c : t) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return t;
}

std::string Json(double x) {
  char bufor[64];
  auto [koniec, blad] = std::to_chars(bufor, bufor + sizeof bufor, x);
  return blad == std::errc() ? std::string(bufor, koniec) : "null";
}

// The JSON text, appended piece by piece: a network of a thousand nodes
// writes some thirty thousand numbers.
class Pisarz {
 public:
  Pisarz& operator<<(std::string_view t) {
    s_ += t;
    return *this;
  }
  Pisarz& operator<<(long long n) {
    s_ += common::CalkowitaNaTekst(n);
    return *this;
  }
  std::string& tekst() { return s_; }

 private:
  std::string s_;
};

std::string JsonTekst(const WynikRozplywu& w) {
  Pisarz s;
  s.tekst().reserve(static_cast<size_t>(w.N()) * 200 + w.przeplywy.size() * 330 + w.zbieznosc.size() * 90 + 512);
  s << "{\"converged\": true, \"method\": \""
    << (w.metoda == MetodaRozplywu::NewtonRaphson ? "newton" : "gauss-seidel") << "\", \"iterations\": " << w.iteracje
    << ", \"base_kv\": " << Json(w.baza.NapiecieBazowe)
    << ", \"base_mva\": " << Json(w.baza.MocBazowa) << ", \"last_change_pu\": " << Json(w.ostatniaZmiana)
    << ", \"nodes\": [";
  for (int n = 1; n <= w.N(); ++n) {
    s << (n > 1 ? ", " : "") << "{\"node\": " << n << ", \"u_kv\": " << Json(w.UkV(n))
      << ", \"angle_rad\": " << Json(w.KatRad(n)) << ", \"u_re_pu\": " << Json(w.URe[size_t(n - 1)])
      << ", \"u_im_pu\": " << Json(w.UIm[size_t(n - 1)]) << ", \"p_mw\": " << Json(w.PMW(n))
      << ", \"q_mvar\": " << Json(w.QMvar(n)) << "}";
  }
  s << "], \"mismatch_mva\": " << Json(w.niezbilansowanie) << ", \"mismatch_node\": " << w.wezelNiezbilansowania
    << ", \"branches\": [";
  for (size_t i = 0; i < w.przeplywy.size(); ++i) {
    const PrzeplywGalezi& g = w.przeplywy[i];
    s << (i > 0 ? ", " : "") << "{\"element\": \"" << g.element << "\", \"from_node\": " << g.od
      << ", \"to_node\": " << g.do_ << ", \"p_from_mw\": " << Json(g.Sod.real())
      << ", \"q_from_mvar\": " << Json(g.Sod.imag()) << ", \"p_to_mw\": " << Json(g.Sdo.real())
      << ", \"q_to_mvar\": " << Json(g.Sdo.imag()) << ", \"i_from_ka\": " << Json(g.Iod)
      << ", \"i_to_ka\": " << Json(g.Ido) << ", \"loss_mw\": " << Json(g.straty().real())
      << ", \"loss_mvar\": " << Json(g.straty().imag())
      << ", \"loading_pct\": " << (g.obciazenie ? Json(*g.obciazenie) : "null") << "}";
  }
  const BilansMocy& b = w.bilans;
  s << "], \"totals\": {\"generation_mw\": " << Json(b.wytwarzana.real())
    << ", \"generation_mvar\": " << Json(b.wytwarzana.imag()) << ", \"load_mw\": " << Json(b.odbierana.real())
    << ", \"load_mvar\": " << Json(b.odbierana.imag()) << ", \"loss_mw\": " << Json(b.straty.real())
    << ", \"loss_mvar\": " << Json(b.straty.imag()) << "}, \"voltage_warnings\": [";
  for (size_t i = 0; i < w.ostrzezenia.size(); ++i) {
    const OstrzezenieNapiecia& o = w.ostrzezenia[i];
    s << (i > 0 ? ", " : "") << "{\"node\": " << o.wezel << ", \"u_kv\": " << Json(o.UkV)
      << ", \"rated_kv\": " << Json(o.znamionowe) << "}";
  }
  // Last, so that the run's own "mismatch_mva" comes before those of its steps.
  s << "], \"convergence\": [";
  for (size_t i = 0; i < w.zbieznosc.size(); ++i)
    s << (i > 0 ? ", " : "") << "{\"step\": " << static_cast<long long>(i + 1)
      << ", \"largest_change_pu\": " << Json(w.zbieznosc[i].zmiana)
      << ", \"mismatch_mva\": " << Json(w.zbieznosc[i].niezbilansowanie) << "}";
  s << "]}\n";
  return std::move(s.tekst());
}

bool Zapisz(const std::string& sciezka, const std::vector<std::string>& wiersze, std::ostream& bledy) {
  if (const int blad = common::ZapiszTekstCp1250(sciezka, wiersze)) {
    bledy << "Nie udało się zapisać pliku \"" << sciezka << "\": " << common::OpisBleduPliku(blad) << '\n';
    return false;
  }
  return true;
}

// The case as MATPOWER's, once the check has passed: with the solution
// when the run converged, with the start values when it did not. A case
// the check refuses writes nothing (its message is already out).
bool ZapiszMatpowerWsadowo(const Przypadek& p, const std::optional<WynikRozplywu>& wynik, const std::string& sciezka,
                           std::ostream& bledy) {
  if (!wynik) {
    Przypadek kopia = p;
    common::RecordingDialogService cisza;
    if (!SprawdzKonfiguracje(kopia, cisza)) return true;
  }
  const std::string nazwa = std::filesystem::path(sciezka).stem().string();
  const std::string tekst = ZapiszMatpower(SiecJakoMatpower(ZbudujSiec(p), wynik ? &*wynik : nullptr, nazwa));
  if (const int blad = common::ZapiszBajty(sciezka, tekst)) {
    bledy << "Nie udało się zapisać pliku \"" << sciezka << "\": " << common::OpisBleduPliku(blad) << '\n';
    return false;
  }
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
    bledy << "Kreator: " << blad << "\n\n" << kPomoc;
    return 2;
  }
  if (o.pomoc) {
    wyjscie << kPomoc;
    return 0;
  }
  if (Duze(o.plik).size() < 4 || Duze(o.plik).substr(Duze(o.plik).size() - 4) != ".ZRM") {
    bledy << kZleRozszerzenieZrm << '\n';
    return 1;
  }
  std::string bajty;
  if (!CzytajPlik(o.plik, bajty, blad)) {
    bledy << blad << '\n';
    return 1;
  }

  common::ConsoleDialogService dialogi(bledy);
  Przypadek p;
  Kreator k(p, dialogi);
  k.WczytajPlikZrm(bajty);
  if (p.Krok != 10) return 1;
  // Only a single generator node can stand for the slack node unasked.
  if (o.slack.empty() && p.LiczbaWezlowElektrownianych > 1) {
    std::string wezly;
    for (int r = 1; r <= p.LiczbaWezlowElektrownianych; ++r) wezly += (r > 1 ? ", " : "") + p.WElSG.cell(1, r);
    bledy << "Kreator: w zadaniu jest więcej niż jeden węzeł elektrowniany (węzły " << wezly
          << "); podaj numer węzła bilansującego opcją --slack N.\n\n"
          << kPomoc;
    return 2;
  }
  // The four values as typed on pages 10 to 13; the slack node may come
  // preset from a single generator node. Newton-Raphson has no r, yet the
  // page asks for one: any it accepts will do.
  const bool newton = o.metoda == "newton";
  std::string r = o.r.empty() && newton ? "1,5" : o.r;
  for (const std::string* wartosc : {&o.slack, &o.slackKv, &o.epsilon, &r}) {
    const int przed = p.Krok;
    k.DalejBBClick(wartosc->empty() ? k.widok().daneE : JakWPolu(*wartosc));
    if (p.Krok == przed) return 1;
  }
  // "&Oblicz" by the method asked for, every step recorded for the JSON.
  const OpcjeRozplywu opcje{newton ? MetodaRozplywu::NewtonRaphson : MetodaRozplywu::GaussSeidel, o.json};
  try {
    k.PrzyjmijObliczenie(Oblicz(p, opcje));
  } catch (const std::exception& e) {
    // A fault that ended the computation comes back as its message; the
    // wizard passes on what is not a conversion fault, and main must not see it.
    bledy << "Kreator: " << e.what() << '\n';
    return 1;
  }
  if (!o.matpower.empty() && !ZapiszMatpowerWsadowo(p, k.wyniki(), o.matpower, bledy)) return 1;
  if (!k.widok().koniecP || !k.wyniki()) return 1;

  const WynikRozplywu& w = *k.wyniki();
  // The text report, as "Zapisz wyniki" writes it; only when it is shown or saved.
  const std::vector<std::string> wiersze =
      !o.json || !o.output.empty() ? RaportRozplywu(p, w) : std::vector<std::string>{};
  if (o.json) {
    wyjscie << JsonTekst(w);
  } else {
    for (const auto& l : wiersze) wyjscie << l << '\n';
  }
  if (!o.output.empty() && !Zapisz(o.output, wiersze, bledy)) return 1;
  return 0;
}

}  // namespace kreator
