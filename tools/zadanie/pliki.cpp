#include "tools/zadanie/pliki.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <sstream>
#include <stdexcept>
#include <unordered_map>

#include "common/core/cp1250.h"
#include "common/core/dialogi.h"
#include "common/core/liczby.h"
#include "kreator/core/kreator.h"
#include "kreator/core/plik_zrm.h"

namespace zadanie {

namespace {

bool CzyUtf8(std::string_view s) {
  for (size_t i = 0; i < s.size();) {
    const auto c = static_cast<unsigned char>(s[i]);
    const size_t dalsze = c < 0x80 ? 0 : (c >> 5) == 0x6 ? 1 : (c >> 4) == 0xE ? 2 : (c >> 3) == 0x1E ? 3 : 99;
    if (dalsze == 99 || c == 0xC0 || c == 0xC1 || i + dalsze >= s.size()) return false;
    for (size_t k = 1; k <= dalsze; ++k)
      if ((static_cast<unsigned char>(s[i + k]) >> 6) != 0x2) return false;
    i += dalsze + 1;
  }
  return true;
}

std::string Przytnij(std::string_view s) {
  const size_t a = s.find_first_not_of(" \t");
  if (a == std::string_view::npos) return "";
  return std::string(s.substr(a, s.find_last_not_of(" \t") - a + 1));
}

std::string Liczba(const char* forma, double x) { return common::Formatuj(forma, {x}); }

// The count on data line `i` (from 0: line 3 of the ".ZRM"), or 0.
int LiczbaZWiersza(const std::vector<std::string>& wiersze, size_t i) {
  try {
    return i < wiersze.size() ? std::max(0, common::NaCalkowita(wiersze[i])) : 0;
  } catch (const common::BladKonwersji&) {
    return 0;
  }
}

}  // namespace

std::string NaUtf8(std::string_view bajty) {
  if (bajty.substr(0, 3) == "\xEF\xBB\xBF") bajty.remove_prefix(3);  // a byte-order mark some editors write
  return CzyUtf8(bajty) ? std::string(bajty) : common::Cp1250DoUtf8(bajty);
}

const UkladPliku& UkladZrm() {
  // Data line i is ".ZRM" line i + 3; the counts stand on lines 3, 4, 5, 23, 27.
  static const UkladPliku u{".ZRM",
                            3,
                            {{"liczba węzłów", -1},
                             {"liczba linii", -1},
                             {"liczba transformatorów", -1},
                             {"linie: początek w węźle", 1},
                             {"linie: koniec w węźle", 1},
                             {"linie: napięcie [kV]", 1},
                             {"linie: R' [om/km]", 1},
                             {"linie: X' [om/km]", 1},
                             {"linie: B' [µS/km]", 1},
                             {"linie: długość [km]", 1},
                             {"linie: liczba torów", 1},
                             {"transformatory: węzeł górny", 2},
                             {"transformatory: węzeł dolny", 2},
                             {"transformatory: napięcie górne [kV]", 2},
                             {"transformatory: napięcie dolne [kV]", 2},
                             {"transformatory: moc znamionowa [MVA]", 2},
                             {"transformatory: straty w miedzi [kW]", 2},
                             {"transformatory: straty w żelazie [kW]", 2},
                             {"transformatory: napięcie zwarcia [%]", 2},
                             {"transformatory: prąd stanu jałowego [%]", 2},
                             {"liczba węzłów elektrownianych", -1},
                             {"węzły elektrowniane: węzeł", 20},
                             {"węzły elektrowniane: napięcie [kV]", 20},
                             {"węzły elektrowniane: moc czynna [MW]", 20},
                             {"liczba węzłów obciążeniowych", -1},
                             {"węzły obciążeniowe: węzeł", 24},
                             {"węzły obciążeniowe: moc czynna [MW]", 24},
                             {"węzły obciążeniowe: moc bierna [Mvar]", 24}}};
  return u;
}

const UkladPliku& UkladZrz() {
  // Data line i is ".ZRZ" line i + 3, after the two integrity lines; the
  // counts stand on lines 3, 4, 7, 12, 19.
  static const UkladPliku u{".ZRZ",
                            3,
                            {{"liczba węzłów", -1},
                             {"liczba węzłów zasilanych z systemów", -1},
                             {"systemy: węzeł", 1},
                             {"systemy: moc zwarciowa Sz [MVA]", 1},
                             {"liczba węzłów zasilanych z generatorów", -1},
                             {"generatory: węzeł", 4},
                             {"generatory: moc znamionowa Sn [MVA]", 4},
                             {"generatory: reaktancja przejściowa Xd\" [%]", 4},
                             {"generatory: liczba generatorów", 4},
                             {"liczba transformatorów", -1},
                             {"transformatory: węzeł górny", 9},
                             {"transformatory: węzeł dolny", 9},
                             {"transformatory: moc znamionowa [MVA]", 9},
                             {"transformatory: straty w miedzi PCu [kW]", 9},
                             {"transformatory: napięcie zwarcia [%]", 9},
                             {"transformatory: liczba transformatorów", 9},
                             {"liczba linii", -1},
                             {"linie: początek w węźle", 16},
                             {"linie: koniec w węźle", 16},
                             {"linie: napięcie znamionowe [kV]", 16},
                             {"linie: rezystancja jednostkowa [om/km]", 16},
                             {"linie: reaktancja jednostkowa [om/km]", 16},
                             {"linie: długość [km]", 16},
                             {"linie: liczba torów", 16}}};
  return u;
}

std::vector<std::string> WierszeDanych(std::string_view bajty, std::vector<int>* numery, const UkladPliku& uklad) {
  const size_t wierszeDanych = uklad.wiersze.size();
  std::vector<std::string> wiersze;
  std::vector<int> nr;
  int biezacy = 0;
  for (const std::string& w : kreator::PodzielNaWiersze(NaUtf8(bajty))) {
    ++biezacy;
    // A comment line is no line of the file; an empty line is one (the
    // transformer columns of a network without transformers).
    if (Przytnij(w).starts_with('#')) continue;
    wiersze.push_back(common::Utf8DoCp1250(Przytnij(std::string_view(w).substr(0, w.find('#')))));
    nr.push_back(biezacy);
  }
  // Empty lines at the end are no data; a line after the last one read
  // would be counted in the integrity lines but never read, so it is a mistake.
  while (wiersze.size() > wierszeDanych && wiersze.back().empty()) {
    wiersze.pop_back();
    nr.pop_back();
  }
  if (numery) *numery = nr;
  if (wiersze.size() > wierszeDanych)
    throw std::runtime_error("plik danych ma " + std::to_string(wiersze.size()) +
                             " wierszy danych, a program czyta tylko wiersze " + std::to_string(uklad.pierwszy) + "–" +
                             std::to_string(uklad.pierwszy + int(wierszeDanych) - 1) + " pliku " + uklad.rozszerzenie +
                             " (wierszy danych: " + std::to_string(wierszeDanych) + ")");
  return wiersze;
}

std::vector<std::string> BledyDanych(const std::vector<std::string>& wiersze, const std::vector<int>& numery,
                                     const UkladPliku& uklad) {
  std::vector<std::string> bledy;
  const auto gdzie = [&](size_t i) {
    const std::string plik =
        i < numery.size() ? "wiersz " + std::to_string(numery[i]) + " pliku danych" : "brak wiersza";
    return plik + " (wiersz " + std::to_string(int(i) + uklad.pierwszy) + " pliku " + uklad.rozszerzenie + ", " +
           uklad.wiersze[i].znaczenie + "): ";
  };
  for (size_t i = 0; i < uklad.wiersze.size(); ++i) {
    const std::string w = i < wiersze.size() ? common::Cp1250DoUtf8(wiersze[i]) : "";
    const int liczba = uklad.wiersze[i].liczba;
    if (liczba < 0) {
      bool dobra = true;
      try {
        dobra = common::NaCalkowita(w) >= 0;
      } catch (const common::BladKonwersji&) {
        dobra = false;
      }
      if (!dobra) bledy.push_back(gdzie(i) + "„" + w + "” nie jest liczbą całkowitą nieujemną");
      continue;
    }
    const int elementy = LiczbaZWiersza(wiersze, size_t(liczba));
    // The loader's rule: ";" ends a value, a missing final ";" is tolerated.
    std::vector<std::string> wartosci;
    std::string biezaca;
    for (char c : w) {
      if (c != ';') {
        biezaca += c;
        continue;
      }
      wartosci.push_back(biezaca);
      biezaca.clear();
    }
    if (!biezaca.empty()) wartosci.push_back(biezaca);
    if (int(wartosci.size()) != elementy)
      bledy.push_back(gdzie(i) + std::to_string(wartosci.size()) + " wartości, a elementów jest " +
                      std::to_string(elementy));
    for (size_t k = 0; k < wartosci.size() && int(k) < elementy; ++k)
      if (!common::CzyLiczba(wartosci[k]))
        bledy.push_back(gdzie(i) + "wartość nr " + std::to_string(k + 1) + " „" + wartosci[k] + "” nie jest liczbą");
  }
  return bledy;
}

std::vector<std::string> TekstZadania(const OpisUkladu& o) {
  std::vector<std::string> t = o.zadanie;
  if (o.zwarcie) {
    t.insert(t.end(),
             {"", "Dane do obliczeń:", "- węzeł, w którym jest zwarcie: nr " + std::to_string(o.zwarcie->wezel),
              "- znamionowe napięcie sieci w miejscu zwarcia: " + std::to_string(o.zwarcie->napiecieKv) + " kV",
              "- czas trwania zwarcia: " + o.zwarcie->czas + " s"});
    return t;
  }
  if (!o.bilansujacy && !o.epsilon && !o.r) return t;
  t.push_back("");
  t.push_back("Dane do obliczeń:");
  if (o.bilansujacy) {
    t.push_back("- węzeł elektrowniany bilansujący: nr " + std::to_string(o.bilansujacy->wezel));
    t.push_back("- napięcie w węźle bilansującym: " + std::to_string(o.bilansujacy->napiecieKv) + " kV");
  }
  if (o.epsilon) t.push_back("- maksymalna różnica między dwoma krokami iteracyjnymi \"epsilon\": " + *o.epsilon);
  if (o.r) t.push_back("- parametr relaksacji \"r\": " + *o.r);
  if (o.metoda == Metoda::Newton)
    t.push_back(
        "- metoda obliczeń: Newtona-Raphsona (Kreator --batch PLIK.ZRM ... --metoda newton; \"r\" "
        "nie jest potrzebny)");
  return t;
}

namespace {

// Every node's rated voltage cell at once, by the node number as written:
// the first line that reaches it, else the first transformer winding. One
// pass over the tables, so a national grid's trial run is not N × lines.
std::unordered_map<std::string, std::string> NapieciaZnamionowe(const kreator::Przypadek& p) {
  std::unordered_map<std::string, std::string> u;
  for (int i = 1; i <= p.LiczbaLinii; ++i)
    for (int kolumna : {kreator::kLiniaPoczatek, kreator::kLiniaKoniec})
      u.emplace(p.LinieSG.cell(kolumna, i), p.LinieSG.cell(kreator::kLiniaNapiecie, i));
  for (int i = 1; i <= p.LiczbaTransformatorow; ++i)
    for (int strona : {1, 2}) u.emplace(p.TrafoSG.cell(strona, i), p.TrafoSG.cell(strona + 2, i));
  return u;
}

double Napiecie(const std::unordered_map<std::string, std::string>& napiecia, int wezel) {
  const auto it = napiecia.find(std::to_string(wezel));
  return it == napiecia.end() ? 0 : common::NaLiczbe(it->second);
}

}  // namespace

double NapiecieZnamionowe(const kreator::Przypadek& p, int wezel) { return Napiecie(NapieciaZnamionowe(p), wezel); }

ProbneObliczenie Przelicz(std::string_view zrm, const OpisUkladu& o) {
  ProbneObliczenie wynik;
  const bool newton = o.metoda == Metoda::Newton;
  if (!o.bilansujacy || !o.epsilon || (!o.r && !newton)) {
    wynik.wiersze.push_back("Opis nie podaje „bilansujacy”, „epsilon” i „r”, więc zadania nie przeliczono próbnie.");
    wynik.dobre = true;
    return wynik;
  }
  std::ostringstream komunikaty;
  common::ConsoleDialogService dialogi(komunikaty);
  kreator::Przypadek p;
  kreator::Kreator k(p, dialogi);
  const auto odmowa = [&](const std::string& dlaczego) {
    wynik.wiersze.push_back(dlaczego);
    std::istringstream s(komunikaty.str());
    for (std::string w; std::getline(s, w);) wynik.wiersze.push_back("  " + w);
    return wynik;
  };
  try {
    k.WczytajPlikZrm(zrm);
    if (p.Krok != 10) return odmowa("Program nie przyjmuje danych zadania:");
    // The four values as the student types them on the last pages; the
    // page of r asks even when Newton-Raphson will not use it, as the
    // batch mode answers it.
    for (const std::string& wartosc : {std::to_string(o.bilansujacy->wezel), std::to_string(o.bilansujacy->napiecieKv),
                                       *o.epsilon, o.r.value_or("1,5")}) {
      const int przed = p.Krok;
      k.DalejBBClick(wartosc);
      if (p.Krok == przed) return odmowa("Program nie przyjmuje wartości „" + wartosc + "”:");
    }
    if (newton)  // "Oblicz" as Kreator --batch ... --metoda newton computes
      k.PrzyjmijObliczenie(kreator::Oblicz(p, kreator::OpcjeRozplywu{kreator::MetodaRozplywu::NewtonRaphson, false}));
    else
      k.DalejBBClick("");  // "Oblicz"
  } catch (const common::BladKonwersji& b) {
    return odmowa(std::string("Błąd konwersji: ") + b.what());
  }
  if (!k.wyniki()) return odmowa("Obliczenia przerwane:");

  const kreator::WynikRozplywu& w = *k.wyniki();
  wynik.dobre = true;
  wynik.rozplyw = std::make_shared<const kreator::WynikRozplywu>(w);
  std::istringstream uwagi(komunikaty.str());
  for (std::string u; std::getline(uwagi, u);) wynik.wiersze.push_back(u);
  wynik.wiersze.push_back("Próbne obliczenie zbieżne po " + std::to_string(w.iteracje) +
                          (newton ? " iteracjach metody Newtona-Raphsona" : " krokach iteracyjnych") +
                          "; napięcie bazowe " + common::LiczbaNaTekst(w.baza.NapiecieBazowe) + " kV.");
  wynik.wiersze.push_back("Węzeł    U [kV]   U/Un   kąt [°]     P [MW]  Q [Mvar]  (moce odbierane)");
  std::vector<std::string> ostrzezenia;
  const auto napiecia = NapieciaZnamionowe(p);
  for (int n = 1; n <= w.N(); ++n) {
    const double un = Napiecie(napiecia, n), u = w.UkV(n);
    wynik.wiersze.push_back(common::Formatuj("%5d", {static_cast<long long>(n)}) + Liczba(" %9.3f", u) +
                            Liczba(" %6.3f", un > 0 ? u / un : 0.0) +
                            Liczba(" %9.3f", w.KatRad(n) * 180 / std::numbers::pi) + Liczba(" %10.3f", w.PMW(n)) +
                            Liczba(" %9.3f", w.QMvar(n)));
    if (un > 0 && (u < 0.9 * un || u > 1.1 * un))
      ostrzezenia.push_back("Uwaga: w węźle " + std::to_string(n) + " napięcie " + Liczba("%.2f", u) +
                            " kV leży poza przedziałem 0,9–1,1 napięcia znamionowego " + common::LiczbaNaTekst(un) +
                            " kV.");
  }
  wynik.wiersze.insert(wynik.wiersze.end(), ostrzezenia.begin(), ostrzezenia.end());
  return wynik;
}

}  // namespace zadanie
