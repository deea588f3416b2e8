#include "tools/zadanie/opis.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <set>

#include "common/core/liczby.h"
#include "common/core/limity.h"
#include "tools/zadanie/siec.h"

namespace zadanie {

namespace {

using Tokeny = std::vector<std::string>;

std::string Nr(long long n) { return std::to_string(n); }

// Keywords may be written with or without Polish letters ("węzeł", "wezel").
std::string BezOgonkow(std::string_view s) {
  static const std::pair<std::string_view, char> zamiany[] = {
      {"ą", 'a'}, {"ć", 'c'}, {"ę", 'e'}, {"ł", 'l'}, {"ń", 'n'}, {"ó", 'o'}, {"ś", 's'}, {"ź", 'z'}, {"ż", 'z'}};
  std::string wynik;
  for (size_t i = 0; i < s.size();) {
    bool zamieniono = false;
    for (const auto& [znak, litera] : zamiany)
      if (s.substr(i, znak.size()) == znak) {
        wynik += litera;
        i += znak.size();
        zamieniono = true;
        break;
      }
    if (!zamieniono) wynik += static_cast<char>(std::tolower(static_cast<unsigned char>(s[i++])));
  }
  return wynik;
}

bool Bialy(char c) { return c == ' ' || c == '\t'; }

std::string Przytnij(std::string_view s) {
  size_t a = 0, b = s.size();
  while (a < b && Bialy(s[a])) ++a;
  while (b > a && (Bialy(s[b - 1]) || s[b - 1] == '\r')) --b;
  return std::string(s.substr(a, b - a));
}

Tokeny Podziel(std::string_view s) {
  Tokeny t;
  size_t i = 0;
  while (i < s.size()) {
    while (i < s.size() && Bialy(s[i])) ++i;
    const size_t poczatek = i;
    while (i < s.size() && !Bialy(s[i])) ++i;
    if (i > poczatek) t.emplace_back(s.substr(poczatek, i - poczatek));
  }
  return t;
}

// Reads the tokens of one statement after its keyword, with the line
// number at hand for every refusal.
class Czytnik {
 public:
  Czytnik(int wiersz, std::string slowo, Tokeny t) : wiersz_(wiersz), slowo_(std::move(slowo)), t_(std::move(t)) {}

  [[noreturn]] void blad(const std::string& tresc) const { throw BladOpisu(wiersz_, tresc); }
  bool koniec() const { return i_ >= t_.size(); }
  std::string nastepny(const char* co) {
    if (koniec()) blad("w „" + slowo_ + "” brakuje: " + co);
    return t_[i_++];
  }
  bool czyLiczbaDalej() const {
    if (koniec()) return false;
    int x;
    const std::string& s = t_[i_];
    const char* start = s.data() + (s[0] == '+' ? 1 : 0);
    auto [p, ec] = std::from_chars(start, s.data() + s.size(), x);
    return ec == std::errc() && p == s.data() + s.size();
  }
  int calkowita(const char* co, int od, int doo) {
    const std::string s = nastepny(co);
    int x = 0;
    const char* start = s.data() + (s[0] == '+' ? 1 : 0);
    auto [p, ec] = std::from_chars(start, s.data() + s.size(), x);
    if (ec != std::errc() || p != s.data() + s.size())
      blad(std::string(co) + " musi być liczbą całkowitą, a jest „" + s + "”");
    if (x < od || x > doo) blad(std::string(co) + " " + s + " poza zakresem " + Nr(od) + "…" + Nr(doo));
    return x;
  }
  Punkt punkt(const char* co, int granica) {
    return {calkowita(co, -granica, granica), calkowita(co, -granica, granica)};
  }
  void bezReszty() const {
    if (!koniec()) blad("nadmiarowy tekst „" + t_[i_] + "” w „" + slowo_ + "”");
  }
  int wiersz() const { return wiersz_; }

 private:
  int wiersz_;
  std::string slowo_;
  Tokeny t_;
  size_t i_ = 0;
};

constexpr int kGranica = 10000;  // any coordinate or offset, pixels

std::optional<Strona> NaStrone(const std::string& s) {
  const std::string b = BezOgonkow(s);
  if (b == "gora") return Strona::Gora;
  if (b == "dol") return Strona::Dol;
  if (b == "lewo") return Strona::Lewo;
  if (b == "prawo") return Strona::Prawo;
  return std::nullopt;
}

OpisWezla CzytajWezel(Czytnik& c) {
  OpisWezla w;
  w.wiersz = c.wiersz();
  w.srodek = c.punkt("współrzędna węzła", kGranica);
  while (!c.koniec()) {
    const std::string opcja = BezOgonkow(c.nastepny("opcja"));
    if (opcja == "dlugosc") {
      w.dlugosc = c.calkowita("długość szyny", 20, 600);
    } else if (opcja == "pion") {
      w.pion = true;
    } else if (opcja == "symbol") {
      const std::string s = c.nastepny("strona symbolu");
      w.symbol = NaStrone(s);
      if (!w.symbol) c.blad("strona symbolu musi być jedną z: gora, dol, lewo, prawo, a jest „" + s + "”");
      if (c.czyLiczbaDalej()) w.przesuniecieSymbolu = c.calkowita("przesunięcie symbolu", -300, 300);
    } else if (opcja == "opis") {
      w.opis = c.punkt("przesunięcie opisu", kGranica);
    } else {
      c.blad("nieznana opcja węzła „" + opcja + "” (dozwolone: dlugosc, pion, symbol, opis)");
    }
  }
  return w;
}

OpisGalezi CzytajGalaz(Czytnik& c) {
  OpisGalezi g;
  g.wiersz = c.wiersz();
  while (!c.koniec()) {
    const std::string opcja = BezOgonkow(c.nastepny("opcja"));
    if (opcja == "przez") {
      do g.przez.push_back(c.punkt("punkt załamania", kGranica));
      while (c.czyLiczbaDalej());
    } else if (opcja == "opis") {
      g.opis = c.punkt("przesunięcie opisu", kGranica);
    } else {
      c.blad("nieznana opcja „" + opcja + "” (dozwolone: przez, opis)");
    }
  }
  return g;
}

// A real number as the program's entry box takes it (decimal comma; a
// point is accepted and turned into the comma), between od and doo, the
// ends included only when `zKoncami`.
std::string Rzeczywista(Czytnik& c, const char* co, double od, double doo, bool zKoncami = false) {
  std::string s = c.nastepny(co);
  std::replace(s.begin(), s.end(), '.', ',');
  if (!common::CzyLiczba(s)) c.blad(std::string(co) + " musi być liczbą, a jest „" + s + "”");
  const double x = common::NaLiczbe(s);
  if (zKoncami ? !(x >= od && x <= doo) : !(x > od && x < doo))
    c.blad(std::string(co) + " musi leżeć między " + common::LiczbaNaTekst(od) + " a " + common::LiczbaNaTekst(doo) +
           (zKoncami ? " (z końcami)" : " (bez końców)"));
  return s;
}

// The fault data as the wizard's pages accept them: a node, a whole kV
// up to the programs' limit, a duration from 0,01 to 1 s; then the arrow's side.
Zwarcie CzytajZwarcie(Czytnik& c) {
  Zwarcie z;
  z.wiersz = c.wiersz();
  z.wezel = c.calkowita("numer węzła zwarcia", 1, common::kMaksLiczbaWezlow);
  z.napiecieKv = c.calkowita("napięcie w miejscu zwarcia [kV]", 1, common::kMaksNapiecieKv);
  z.czas = Rzeczywista(c, "czas trwania zwarcia [s]", 0.01, 1, true);
  if (!c.koniec()) {
    const std::string s = c.nastepny("strona strzałki");
    z.strona = NaStrone(s);
    if (!z.strona) c.blad("strona strzałki zwarcia musi być jedną z: gora, dol, lewo, prawo, a jest „" + s + "”");
    if (c.czyLiczbaDalej()) z.przesuniecie = c.calkowita("przesunięcie strzałki", -300, 300);
  }
  return z;
}

void PunktWObrazie(const OpisUkladu& o, Punkt p, int wiersz) {
  if (p.x < 0 || p.y < 0 || p.x >= o.szerokosc || p.y >= o.wysokosc)
    throw BladOpisu(wiersz, "punkt (" + Nr(p.x) + ", " + Nr(p.y) + ") leży poza rysunkiem " + Nr(o.szerokosc) + " × " +
                                Nr(o.wysokosc));
}

}  // namespace

BladOpisu::BladOpisu(int wiersz, const std::string& tresc)
    : std::runtime_error(wiersz > 0 ? "wiersz " + Nr(wiersz) + ": " + tresc : tresc), wiersz_(wiersz) {}

OpisUkladu CzytajOpis(std::string_view tekst) {
  OpisUkladu o;
  std::map<std::string, int> pojedyncze;  // statement allowed once -> its line
  int nr = 0;
  size_t poczatek = 0;
  while (poczatek <= tekst.size()) {
    size_t koniec = tekst.find_first_of("\r\n", poczatek);
    if (koniec == std::string_view::npos) koniec = tekst.size();
    std::string_view wiersz = tekst.substr(poczatek, koniec - poczatek);
    ++nr;
    // CR LF is one break; a lone CR or LF also ends a line.
    poczatek = koniec + ((koniec + 1 < tekst.size() && tekst[koniec] == '\r' && tekst[koniec + 1] == '\n') ? 2 : 1);

    const std::string caly = Przytnij(wiersz);
    if (caly.empty() || caly[0] == '#') continue;
    const size_t odstep = caly.find_first_of(" \t");
    const std::string slowo = BezOgonkow(caly.substr(0, odstep));
    const std::string reszta = odstep == std::string::npos ? "" : Przytnij(std::string_view(caly).substr(odstep));

    // The texts of "zadanie", "tytul" and "napis" run to the end of the line, "#" included.
    if (slowo == "zadanie") {
      o.zadanie.push_back(reszta);
      continue;
    }
    static const std::set<std::string> raz = {"rodzaj",      "dane",    "wyjscie", "tytul",   "rozmiar",
                                              "bilansujacy", "epsilon", "r",       "zwarcie", "metoda"};
    if (raz.count(slowo)) {
      auto [it, nowy] = pojedyncze.emplace(slowo, nr);
      if (!nowy)
        throw BladOpisu(nr, "„" + slowo + "” podano drugi raz (pierwszy raz w wierszu " + Nr(it->second) + ")");
    }
    if (slowo == "tytul") {
      if (reszta.empty()) throw BladOpisu(nr, "„tytul” bez tekstu");
      o.tytul = reszta;
      continue;
    }
    if (slowo == "napis") {
      const Tokeny t = Podziel(reszta);
      Czytnik c(nr, slowo, t);
      const Punkt miejsce = c.punkt("współrzędna napisu", kGranica);
      // The text is what follows the two numbers, blanks inside kept.
      const size_t od = reszta.find(t[1], t[0].size()) + t[1].size();
      const std::string tekst = Przytnij(std::string_view(reszta).substr(od));
      if (tekst.empty()) c.blad("„napis” bez tekstu");
      o.napisy.push_back({miejsce, tekst, nr});
      continue;
    }

    const std::string bezKomentarza = Przytnij(std::string_view(reszta).substr(0, reszta.find('#')));
    Czytnik c(nr, slowo, Podziel(bezKomentarza));
    if (slowo == "rodzaj") {
      const std::string r = BezOgonkow(c.nastepny("rodzaj zadania"));
      if (r != "rozplyw" && r != "zwarcia")
        c.blad("rodzaj zadania musi być „rozplyw” albo „zwarcia”, a jest „" + r + "”");
      o.rodzaj = r == "zwarcia" ? Rodzaj::Zwarcie : Rodzaj::Rozplyw;
    } else if (slowo == "zwarcie") {
      o.zwarcie = CzytajZwarcie(c);
    } else if (slowo == "dane") {
      o.dane = c.nastepny("nazwa pliku z danymi");
    } else if (slowo == "wyjscie") {
      o.wyjscie = c.nastepny("nazwa plików wynikowych");
    } else if (slowo == "rozmiar") {
      o.szerokosc = c.calkowita("szerokość rysunku", 200, kMaksSzerokosc);
      o.wysokosc = c.calkowita("wysokość rysunku", 150, kMaksWysokosc);
    } else if (slowo == "wezel" || slowo == "linia" || slowo == "trafo") {
      const int numer = slowo == "wezel" ? c.calkowita("numer węzła", 1, common::kMaksLiczbaWezlow)
                                         : c.calkowita("numer elementu", 1, common::kMaksLiczbaElementow);
      auto& mapa = slowo == "linia" ? o.linie : o.trafa;
      const int poprzedni = slowo == "wezel" ? (o.wezly.count(numer) ? o.wezly[numer].wiersz : 0)
                                             : (mapa.count(numer) ? mapa[numer].wiersz : 0);
      if (poprzedni)
        c.blad("„" + slowo + " " + Nr(numer) + "” opisano drugi raz (pierwszy raz w wierszu " + Nr(poprzedni) + ")");
      if (slowo == "wezel")
        o.wezly[numer] = CzytajWezel(c);
      else
        mapa[numer] = CzytajGalaz(c);
    } else if (slowo == "bilansujacy") {
      const int wezel = c.calkowita("numer węzła bilansującego", 1, common::kMaksLiczbaWezlow);
      const int kv = c.calkowita("napięcie węzła bilansującego [kV]", 1, common::kMaksNapiecieKv);
      o.bilansujacy = Bilansujacy{wezel, kv};
    } else if (slowo == "epsilon") {
      o.epsilon = Rzeczywista(c, "epsilon", 0, 1);
    } else if (slowo == "r") {
      o.r = Rzeczywista(c, "parametr relaksacji r", 1, 2);
    } else if (slowo == "metoda") {
      const std::string m = c.nastepny("metoda obliczeń");
      if (m != "gauss-seidel" && m != "newton")
        c.blad("metoda obliczeń musi być „gauss-seidel” albo „newton”, a jest „" + m + "”");
      o.metoda = m == "newton" ? Metoda::Newton : Metoda::GaussSeidel;
    } else {
      c.blad("nieznane słowo „" + slowo +
             "” (dozwolone: rodzaj, dane, wyjscie, tytul, rozmiar, wezel, linia, trafo, napis, bilansujacy, "
             "epsilon, r, metoda, zwarcie, zadanie)");
    }
    c.bezReszty();
  }

  if (o.dane.empty()) throw BladOpisu(0, "brak wiersza „dane PLIK” z danymi układu");
  if (o.wyjscie.empty()) throw BladOpisu(0, "brak wiersza „wyjscie NAZWA” z nazwą plików zadania");
  if (o.wezly.empty()) throw BladOpisu(0, "brak wierszy „wezel NR X Y” z położeniem węzłów");
  if (o.zadanie.empty()) throw BladOpisu(0, "brak wierszy „zadanie TEKST” z treścią zadania");
  // Each program has its own values to type on the last pages.
  if (o.rodzaj == Rodzaj::Zwarcie) {
    for (const char* slowo : {"bilansujacy", "epsilon", "r", "metoda"})
      if (pojedyncze.count(slowo))
        throw BladOpisu(pojedyncze.at(slowo),
                        std::string("„") + slowo + "” należy do zadań rozpływu mocy, a opis ma „rodzaj zwarcia”");
    if (!o.zwarcie) throw BladOpisu(0, "brak wiersza „zwarcie NR KV CZAS” z danymi zwarcia");
    if (o.zadanie.front().empty())
      throw BladOpisu(0,
                      "pierwszy wiersz „zadanie” jest pusty, a program zwarcia drukuje go w raporcie jako treść "
                      "zadania");
  } else if (o.zwarcie) {
    throw BladOpisu(o.zwarcie->wiersz, "„zwarcie” należy do zadań programu zwarcia (brak „rodzaj zwarcia”)");
  } else if (o.metoda == Metoda::Newton && o.r) {
    throw BladOpisu(pojedyncze.at("r"),
                    "„r” jest parametrem relaksacji metody Gaussa-Seidla, a opis ma „metoda newton”, która go nie "
                    "używa");
  }
  // Every place is tested once the picture's size is known, wherever "rozmiar" stood.
  for (const auto& [numer, w] : o.wezly) PunktWObrazie(o, w.srodek, w.wiersz);
  for (const auto* mapa : {&o.linie, &o.trafa})
    for (const auto& [numer, g] : *mapa)
      for (Punkt p : g.przez) PunktWObrazie(o, p, g.wiersz);
  for (const Napis& n : o.napisy) PunktWObrazie(o, n.miejsce, n.wiersz);
  return o;
}

std::vector<std::string> NiezgodnosciZDanymi(const OpisUkladu& o, const Siec& s) {
  std::vector<std::string> bledy;
  for (int k = 1; k <= s.liczbaWezlow; ++k)
    if (!o.wezly.count(k))
      bledy.push_back("węzeł " + Nr(k) + " nie ma położenia na rysunku (brak „wezel " + Nr(k) + " X Y”)");
  for (const auto& [numer, w] : o.wezly)
    if (numer > s.liczbaWezlow)
      bledy.push_back("wiersz " + Nr(w.wiersz) + ": węzła " + Nr(numer) + " nie ma w danych (węzłów jest " +
                      Nr(s.liczbaWezlow) + ")");
  const auto elementy = [&](const std::map<int, OpisGalezi>& mapa, int liczba, const char* jakie, const char* litera) {
    for (const auto& [numer, g] : mapa)
      if (numer > liczba)
        bledy.push_back("wiersz " + Nr(g.wiersz) + ": " + litera + Nr(numer) + " nie istnieje (" + jakie +
                        " w danych: " + Nr(liczba) + ")");
  };
  elementy(o.linie, int(s.linie.size()), "linii", "L");
  elementy(o.trafa, int(s.trafa.size()), "transformatorów", "T");
  if (o.bilansujacy) {
    bool elektrowniany = false;
    for (const Zasilanie& z : s.symbole)
      elektrowniany |= z.symbol == Symbol::Generator && z.wezel == o.bilansujacy->wezel;
    if (!elektrowniany)
      bledy.push_back("węzeł bilansujący " + Nr(o.bilansujacy->wezel) + " nie jest węzłem elektrownianym w danych");
  }
  if (o.zwarcie && o.zwarcie->wezel > s.liczbaWezlow)
    bledy.push_back("wiersz " + Nr(o.zwarcie->wiersz) + ": węzła zwarcia " + Nr(o.zwarcie->wezel) +
                    " nie ma w danych (węzłów jest " + Nr(s.liczbaWezlow) + ")");
  return bledy;
}

}  // namespace zadanie
