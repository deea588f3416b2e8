#include "zwarcia/core/kreator.h"

#include <stdexcept>

#include <algorithm>
#include <limits>

#include "common/core/limity.h"
#include "common/core/liczby.h"
#include "common/core/zastepstwo.h"
#include "zwarcia/core/plik_zrz.h"
#include "zwarcia/core/sprawdzenie.h"
#include "zwarcia/core/zadanie.h"

namespace zwarcia {

using common::BladKonwersji;
using common::CzyLiczba;

namespace {

const std::string kPowitanie =
    "Witam w kreatorze tworzenia nowego schematu.\n\n"
    "     Kreator ten pomaga bezbłędnie utworzyć wieloelementowy schemat\n"
    "     łacznie z podawaniem wszystkich parametrów lini,\n"
    "     transformatorów, systemów i generatorów.\n\n"
    "Kliknij przycisk \"Dalej\" aby rozpocząć pracę.";

const std::string kZakonczenie =
    "Zakończyłeś wprowadzanie parametrów wybranego układu\n"
    "Po kliknięciu na przycisk \"Oblicz\"\n"
    "nastąpi obliczenie rozpływu i parametrów prądu zwarciowego\n"
    "w modelowanym układzie";

const std::string kZachety[kOstatniaStrona + 1] = {
    kPowitanie,
    "Podaj liczbę węzłów sieci",
    "Podaj liczbę węzłów zasilanych z systemów",
    "Podaj dane węzłów zasilanych z systemów",
    "Podaj liczbę wezłów zasilanych z generatorów",
    "Podaj dane węzłów zasilanych z generatorów",
    "Podaj liczbę transformatorów",
    "Podaj dane transformatorów",
    "Podaj liczbę linii",
    "Podaj dane linii",
    "Podaj numer węzła, w którym jest zwarcie",
    "Podaj znamionową wartość napięcia sieci w miejscu zwarcia [kV]",
    "Podaj czas trwania zwarcia [s]",
    kZakonczenie,
};

// The lamp (PP1..PP13) that is current on each page; the fault node and
// its voltage share PP11.
constexpr int kLampaStrony[kOstatniaStrona + 1] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 11, 12, 13};

const char* kNiepelnaTabela =
    "Wprowadzone dane są nieprawidłowe lub niekompletne (sprawdź, czy wszystkie pola zostały wypełnione) !!!";

constexpr int kBezGranicy = std::numeric_limits<int>::max();

// The table pages 3, 5, 7 and 9, each with its table, panel and count.
struct StronaTabeli {
  Tabela tabela;
  Panel panel;
  Fokus fokus;
  int Przypadek::*liczba;
};

std::optional<StronaTabeli> TabelaStrony(int strona) {
  switch (strona) {
    case 3: return StronaTabeli{Tabela::Systemy, Panel::SystemyP, Fokus::SystemySG, &Przypadek::LiczbaWezlowSystemow};
    case 5:
      return StronaTabeli{Tabela::Generatory, Panel::GeneratoryP, Fokus::GeneratorySG,
                          &Przypadek::LiczbaWezlowGeneratorow};
    case 7: return StronaTabeli{Tabela::Trafo, Panel::TransformatoryP, Fokus::TrafoSG, &Przypadek::LiczbaTransformatorow};
    case 9: return StronaTabeli{Tabela::Linie, Panel::LinieP, Fokus::LinieSG, &Przypadek::LiczbaLinii};
    default: return std::nullopt;
  }
}

std::string ZaDuzo(const std::string& komunikat, int limit) {
  return komunikat + "\nProgram przyjmuje najwyżej " + std::to_string(limit) + ".";
}

// A whole number typed in the box, from `od` to `doWlacznie`; above the
// practical limit `limit` the message names the limit. A text with a
// decimal part throws the conversion fault before anything is stored.
std::optional<std::string> Liczba(const std::string& tekst, int od, int doWlacznie, int limit,
                                  const std::string& komunikat, int& cel) {
  if (!CzyLiczba(tekst)) return komunikat;
  int n = common::NaCalkowita(tekst);
  if (n < od || n > doWlacznie) return komunikat;
  if (n > limit) return ZaDuzo(komunikat, limit);
  cel = n;
  return std::nullopt;
}

Lampa& LampaNr(Widok& w, int numer) { return w.lampy[static_cast<size_t>(numer - 1)]; }

}  // namespace

const std::string& Zacheta(int strona) { return kZachety[strona]; }

Kreator::Kreator(Przypadek& przypadek, common::DialogService& dialogi) : p_(przypadek), dialogi_(dialogi) {
  sprawdzKonfiguracje = [this] { return SprawdzKonfiguracje(p_, dialogi_); };
  obliczZwarcie = [this] {
    WynikZwarcia wynik = ObliczZwarcie(p_);
    if (!wynik.poprawny) {
      dialogi_.error(wynik.blad);
      return false;
    }
    wyniki_ = std::move(wynik);
    return true;
  };
  FormCreate();
}

Skutki Kreator::FormCreate() {
  widok_.L1 = kPowitanie;
  widok_.daneE.clear();
  widok_.daneEWidoczne = false;
  widok_.wsteczBB = widok_.nowyBB = false;
  widok_.panel = Panel::Brak;
  widok_.koniecP = false;
  widok_.szerokosc = kSzerokoscOkna;
  widok_.wysokosc = kWysokoscOkna;
  widok_.dalejNapis = "&Dalej";
  widok_.dalejAktywny = true;
  widok_.lampy.fill(Lampa::Neutralna);
  widok_.lampy[0] = Lampa::Biezaca;
  // The welcome page asks for Enter: the Next button holds the keyboard.
  Skutki s;
  s.fokus = Fokus::DalejBB;
  return s;
}

void Kreator::pokazPole(int wartosc, Skutki& s) {
  widok_.daneEWidoczne = true;
  widok_.daneE = wartosc < 0 ? std::string() : std::to_string(wartosc);
  s.fokus = Fokus::DaneE;
}

void Kreator::pokazPole(double wartosc, Skutki& s) {
  widok_.daneEWidoczne = true;
  widok_.daneE = wartosc < 0 ? std::string() : common::LiczbaNaTekst(wartosc);
  s.fokus = Fokus::DaneE;
}

std::optional<std::string> Kreator::przyjmij(int krok, const std::string& t) {
  using common::kMaksLiczbaElementow;
  using common::kMaksLiczbaWezlow;
  if (auto tabela = TabelaStrony(krok)) {
    if (!WszystkieKomorkiSaLiczbami(p_.siatka(tabela->tabela))) return kNiepelnaTabela;
    return std::nullopt;
  }
  switch (krok) {
    case 1: {
      const char* komunikat = "Podano nieprawidłową liczbę węzłów !!!";
      if (!CzyLiczba(t)) return komunikat;
      double n = common::ZaokraglijDoParzystej(common::NaLiczbe(t));
      if (n <= 1) return komunikat;
      if (n > kMaksLiczbaWezlow) return ZaDuzo(komunikat, kMaksLiczbaWezlow);
      p_.LiczbaWezlow = static_cast<int>(n);
      return std::nullopt;
    }
    case 2:
      return Liczba(t, 1, p_.LiczbaWezlow, kMaksLiczbaWezlow,
                    "Podano nieprawidłową liczbę węzłów zasilanych z systemów !!!", p_.LiczbaWezlowSystemow);
    case 4:
      return Liczba(t, 1, p_.LiczbaWezlow, kMaksLiczbaWezlow,
                    "Podano nieprawidłową liczbę węzłów zasilanych z generatorów !!!", p_.LiczbaWezlowGeneratorow);
    case 6:
      return Liczba(t, 1, kBezGranicy, kMaksLiczbaElementow, "Podano nieprawidłową liczbę transformatorów !!!",
                    p_.LiczbaTransformatorow);
    case 8:
      return Liczba(t, 1, kBezGranicy, kMaksLiczbaElementow, "Podano nieprawidłową liczbę linii !!!",
                    p_.LiczbaLinii);
    case 10:
      return Liczba(t, 1, p_.LiczbaWezlow, kBezGranicy,
                    "Podano nieprawidłowy numer węzła, w którym jest zwarcie !!!", p_.WezelZwarcia);
    case 11: {
      int kV = 0;
      auto odmowa = Liczba(t, 1, 999, kBezGranicy, "Podano nieprawidłową wartość napięcia w miejscu zwarcia !!!", kV);
      if (!odmowa) p_.NapiecieZwarcia = kV;
      return odmowa;
    }
    case 12: {
      const char* komunikat =
          "Podano nieprawidłowy czas zwarcia !!!\n"
          "Czas trwania zwarcia musi mieścić się w przedziale 0,01÷1.";
      if (!CzyLiczba(t)) return komunikat;
      double czas = common::NaLiczbe(t);
      if (!(czas >= 0.01 && czas <= 1)) return komunikat;
      p_.CzasZwarcia = czas;
      return std::nullopt;
    }
    default:
      return std::nullopt;
  }
}

// The prompt, the control in the middle and its value, the same whether the
// page is reached by Next or by Back.
void Kreator::pokazStrone(int strona, Skutki& s) {
  widok_.L1 = kZachety[strona];
  widok_.daneEWidoczne = false;
  widok_.panel = Panel::Brak;
  widok_.koniecP = false;
  if (auto tabela = TabelaStrony(strona)) {
    widok_.panel = tabela->panel;
    s.fokus = tabela->fokus;
    s.tabele = true;
    return;
  }
  switch (strona) {
    case 1: pokazPole(p_.LiczbaWezlow, s); break;
    case 2: pokazPole(p_.LiczbaWezlowSystemow, s); break;
    case 4: pokazPole(p_.LiczbaWezlowGeneratorow, s); break;
    case 6: pokazPole(p_.LiczbaTransformatorow, s); break;
    case 8: pokazPole(p_.LiczbaLinii, s); break;
    case 10: pokazPole(p_.WezelZwarcia, s); break;
    case 11: pokazPole(p_.NapiecieZwarcia, s); break;
    case 12: pokazPole(p_.CzasZwarcia, s); break;
    case kOstatniaStrona: s.fokus = Fokus::DalejBB; break;  // so that Enter computes
    default: break;
  }
}

void Kreator::dalej(const std::string& daneE, Skutki& s) {
  const int krok = p_.Krok;
  if (krok == kOstatniaStrona) {
    oblicz(s);
    return;
  }
  if (auto odmowa = przyjmij(krok, daneE)) {
    dialogi_.error(*odmowa);
    if (widok_.daneEWidoczne) {
      s.fokus = Fokus::DaneE;
    } else if (auto tabela = TabelaStrony(krok)) {
      // A table page refuses only a cell that is not a number: the table
      // takes the keyboard at the first such cell, ready for the fix.
      s.fokus = tabela->fokus;
      s.komorka = common::PierwszaKomorkaNieLiczba(p_.siatka(tabela->tabela));
    }
    return;
  }
  const int strona = krok + 1;
  if (kLampaStrony[krok] != kLampaStrony[strona]) LampaNr(widok_, kLampaStrony[krok]) = Lampa::Wykonana;
  LampaNr(widok_, kLampaStrony[strona]) = Lampa::Biezaca;
  if (strona == 2) widok_.wsteczBB = widok_.nowyBB = true;
  // A table page sizes its table to the count just entered; rows cut off
  // earlier come back with their data.
  if (auto tabela = TabelaStrony(strona)) PrzygotujTabele(p_, tabela->tabela, p_.*(tabela->liczba));
  pokazStrone(strona, s);
  if (strona == kOstatniaStrona) widok_.dalejNapis = "&Oblicz";
  p_.Krok = strona;
}

Skutki Kreator::DalejBBClick(const std::string& daneE) {
  Skutki s;
  // After a successful computation Enter belongs to the report, not to a
  // second computation.
  if (!widok_.dalejAktywny) return s;
  try {
    dalej(daneE, s);
  } catch (const BladKonwersji& e) {
    // A conversion fault abandons the action; nothing was stored before it.
    dialogi_.message(common::Ikona::Blad, kTytulProgramu, e.what());
    s = Skutki{};
  }
  return s;
}

void Kreator::przerwane(Skutki& s) {
  LampaNr(widok_, 13) = Lampa::Biezaca;
  if (std::find(s.zamknij.begin(), s.zamknij.end(), Okno::TDane) == s.zamknij.end())
    s.zamknij.push_back(Okno::TDane);
  widok_.L1 = "Obliczenia przerwane ...";
  widok_.koniecP = false;
  widok_.dalejAktywny = true;  // "&Oblicz" again once the data are corrected
  widok_.sbZapisz = false;
  s.fokus = Fokus::DalejBB;
}

void Kreator::oblicz(Skutki& s) {
  if (!sprawdzKonfiguracje || !obliczZwarcie) return;
  const Widok przed = widok_;
  try {
    if (!sprawdzKonfiguracje()) {
      przerwane(s);
      return;
    }
    LampaNr(widok_, 13) = Lampa::Wykonana;
    s.zamknij.push_back(Okno::TDane);
    widok_.L1 = "Trwają obliczenie ... proszę czekać";
    if (odswiezTeraz) odswiezTeraz();
    widok_.koniecP = true;
    widok_.L1 = "Wybierz odpowiednie dane ...";
    widok_.dalejAktywny = false;
    s.fokus = Fokus::Button1;
    if (!obliczZwarcie()) {
      przerwane(s);
      return;
    }
    // Computed as typed; what the user should know is told before the results.
    for (const std::string& uwaga : OstrzezeniaZwarcia(p_))
      dialogi_.message(common::Ikona::Informacja, kTytulUwagi, uwaga);
  } catch (...) {
    // A fault abandons the step as if it had not been pressed; the caller
    // shows its message.
    widok_ = przed;
    throw;
  }
  widok_.sbZapisz = true;
  s.zamknij.push_back(Okno::TF_wynik);
}

Skutki Kreator::WsteczBBClick() {
  Skutki s;
  const int krok = p_.Krok;
  if (krok < 2) return s;  // never back to the welcome page
  const int strona = krok - 1;
  if (kLampaStrony[krok] != kLampaStrony[strona]) LampaNr(widok_, kLampaStrony[krok]) = Lampa::Neutralna;
  LampaNr(widok_, kLampaStrony[strona]) = Lampa::Biezaca;
  if (strona == 1) widok_.wsteczBB = false;
  if (krok == kOstatniaStrona) {
    widok_.dalejNapis = "&Dalej";
    widok_.dalejAktywny = true;
    widok_.sbZapisz = false;
  }
  pokazStrone(strona, s);
  p_.Krok = strona;
  return s;
}

Skutki Kreator::OtworzZadanie(const std::string& argument) {
  argument_ = argument;
  const RodzajZadania rodzaj = Rozpoznaj(argument);
  // The task statement beside the exercise is offered whatever its data hold.
  if (rodzaj != RodzajZadania::Zaden) widok_.sbTresc = PlikTowarzyszacy(argument, ".SRZ").has_value();
  switch (rodzaj) {
    case RodzajZadania::Dane: {
      std::string bajty, blad;
      if (!common::CzytajPlik(argument, bajty, blad)) {
        widok_.sbSchemat = widok_.zapiszSchemat = true;
        dialogi_.error(blad);
        return {};
      }
      return WczytajPlikZrz(bajty);
    }
    case RodzajZadania::BezDanych:
      widok_.sbSchemat = widok_.sbDaneElementow = widok_.zapiszSchemat = true;
      return {};
    case RodzajZadania::Zaden:
      break;
  }
  return {};
}

Skutki Kreator::WczytajPlikZrz(std::string_view bajty) {
  Skutki s;
  s.tabele = true;
  // The main window back at its start, whatever the file holds.
  p_.Krok = 0;
  FormCreate();
  widok_.sbSchemat = widok_.zapiszSchemat = true;
  if (!WczytajZrz(bajty, p_)) {
    dialogi_.error(kZlyPlikZrz);
    return s;
  }
  // Next as the user would press it, each page checked as it is left; the
  // pages move the lamps themselves.
  while (p_.Krok < 10) {
    const int przed = p_.Krok;
    const Skutki krok = DalejBBClick(widok_.daneE);
    s.fokus = krok.fokus;
    s.komorka = krok.komorka;
    if (p_.Krok == przed) return s;  // refused: its message was shown once
  }
  widok_.wsteczBB = widok_.nowyBB = true;
  return s;
}

Skutki Kreator::NowyBBClick() {
  Skutki s;
  if (!dialogi_.askYesNo("UWAGA", "Czy na pewno chcesz rozpocząć od nowa ?")) return s;
  p_.wyzeruj();
  s.zamknij = {Okno::TDane,   Okno::TF_DaneElementow, Okno::TF_Schemat, Okno::TF_wynik,
               Okno::TF_Podglad, Okno::TF_WykresRdoX, Okno::TF_WykresN};
  widok_.sbZapisz = false;
  widok_.sbDaneElementow = widok_.sbSchemat;
  for (Tabela t : {Tabela::Linie, Tabela::Trafo, Tabela::Systemy, Tabela::Generatory}) p_.siatka(t).clearData();
  s.tabele = true;
  s.fokus = FormCreate().fokus;
  return s;
}

bool Kreator::czekaNaOblicz() const { return p_.Krok == kOstatniaStrona && widok_.dalejAktywny; }

Skutki Kreator::PrzyjmijObliczenie(Obliczenie o) {
  // The same step as a click on "Oblicz", its two halves answered by the work done elsewhere.
  using Krok = std::function<bool()>;
  const common::Zastepstwo<Krok> sprawdz(sprawdzKonfiguracje, [&] {
    for (const auto& k : o.komunikaty) dialogi_.message(k.ikona, k.tytul, k.tekst);
    if (o.blad) throw std::runtime_error(*o.blad);
    return o.sprawdzony;
  });
  const common::Zastepstwo<Krok> licz(obliczZwarcie, [&] {
    if (!o.wynik) return false;
    if (!o.wynik->poprawny) {
      dialogi_.error(o.wynik->blad);
      return false;
    }
    wyniki_ = std::move(*o.wynik);
    return true;
  });
  const common::Zastepstwo<std::function<void()>> bezOdswiezania(odswiezTeraz, {});
  return DalejBBClick("");
}

Obliczenie Oblicz(Przypadek kopia) {
  Obliczenie o;
  common::RecordingDialogService zapis;
  try {
    o.sprawdzony = SprawdzKonfiguracje(kopia, zapis);
    if (o.sprawdzony) o.wynik = ObliczZwarcie(kopia);
  } catch (const std::exception& e) {
    o.blad = e.what();
  }
  o.komunikaty = std::move(zapis.wpisy);
  return o;
}

}  // namespace zwarcia
