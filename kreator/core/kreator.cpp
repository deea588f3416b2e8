#include "kreator/core/kreator.h"

#include <stdexcept>

#include <limits>

#include "common/core/limity.h"
#include "common/core/liczby.h"
#include "common/core/zastepstwo.h"
#include "kreator/core/plik_zrm.h"
#include "kreator/core/sprawdzenie.h"
#include "kreator/core/zadanie.h"

namespace kreator {

using common::BladKonwersji;
using common::CzyLiczba;

namespace {

const std::string kPowitanie =
    "Witam w kreatorze tworzenia nowego schematu.\n\n"
    "     Kreator ten pomaga bezbłędnie utworzyć wieloelementowy schemat\n"
    "     łacznie z podawaniem wszystkich parametrów lini,\n"
    "     transformatorów i węzłów.\n\n"
    "Kliknij przycisk \"Dalej\" aby rozpocząć pracę.";

const std::string kZakonczenie =
    "Zakończyłeś wprowadzanie parametrów wybranego układu\n"
    "Po kliknięciu na przycisk \"Oblicz\"\n"
    "nastąpi obliczenie rozpływu mocy w modelowanym układzie";

const std::string kZachety[kOstatniaStrona + 1] = {
    kPowitanie,
    "Podaj liczbę węzłów sieci",
    "Podaj liczbę linii",
    "Podaj liczbę transformatorów",
    "Podaj dane wszystkich linii",
    "Podaj dane wszystkich transformatorów",
    "Podaj liczbę węzłów elektrownianych",
    "Podaj dane węzłów elektrownianych",
    "Podaj liczbę węzłów obciążeniowych",
    "Podaj dane węzłów obciążeniowych",
    "Podaj numer węzła elektrownianego bilansującego",
    "Podaj wartość skuteczną napięcia w węźle bilansującym [kV]",
    "Maksymalna różnica między dwoma krokami iteracyjnymi \"epsilon\"",
    "Parametr relaksacji \"r\"",
    kZakonczenie,
};

const char* kNiepelnaTabela =
    "Wprowadzone dane są nieprawidłowe lub niekompletne (sprawdź, czy wszystkie pola zostały wypełnione)!!!";

constexpr int kBezGranicy = std::numeric_limits<int>::max();

// The grid pages 4, 5, 7 and 9: their table and the focus that reaches its grid.
struct StronaSiatki {
  Tabela tabela;
  Fokus fokus;
};

std::optional<StronaSiatki> SiatkaStrony(int strona) {
  switch (strona) {
    case 4: return StronaSiatki{Tabela::Linie, Fokus::LinieSG};
    case 5: return StronaSiatki{Tabela::Trafo, Fokus::TrafoSG};
    case 7: return StronaSiatki{Tabela::WEl, Fokus::WElSG};
    case 9: return StronaSiatki{Tabela::WObc, Fokus::WObcSG};
    default: return std::nullopt;
  }
}

std::string ZaDuzo(const std::string& komunikat, int limit) {
  return komunikat + "\nProgram przyjmuje najwyżej " + std::to_string(limit) + ".";
}

// A whole number typed in the box, from `od` to `doWlacznie`; above the
// practical limit `limit` the message names the limit.
std::optional<std::string> Liczba(const std::string& tekst, int od, int doWlacznie, int limit,
                                  const std::string& komunikat, int& cel) {
  if (!CzyLiczba(tekst)) return komunikat;
  int n = common::NaCalkowita(tekst);
  if (n < od || n > doWlacznie) return komunikat;
  if (n > limit) return ZaDuzo(komunikat, limit);
  cel = n;
  return std::nullopt;
}

}  // namespace

const std::string& Zacheta(int strona) { return kZachety[strona]; }

Kreator::Kreator(Przypadek& przypadek, common::DialogService& dialogi) : p_(przypadek), dialogi_(dialogi) {
  sprawdzKonfiguracje = [this] { return SprawdzKonfiguracje(p_, dialogi_); };
  obliczRozplyw = [this] {
    WynikRozplywu wynik = ObliczRozplyw(p_);
    if (!wynik.zbiezny) {
      dialogi_.error(wynik.blad);
      return false;
    }
    wyniki_ = std::move(wynik);
    return true;
  };
  FormCreate();
}

void Kreator::ustawEkran(int szerokosc, int) { ekranSzerokosc_ = szerokosc; }

void Kreator::ustawRozmiar(int szerokosc) {
  widok_.szerokosc = szerokosc;
  widok_.wysokosc = kWysokoscOkna;
}

void Kreator::lampy(int wykonana, int biezaca) {
  if (wykonana >= 1) widok_.lampy[static_cast<size_t>(wykonana - 1)] = Lampa::Wykonana;
  if (biezaca >= 1) widok_.lampy[static_cast<size_t>(biezaca - 1)] = Lampa::Biezaca;
}

void Kreator::pokazPole(int wartosc, Skutki& s) {
  widok_.daneEWidoczne = true;
  widok_.daneE = wartosc < 0 ? std::string() : std::to_string(wartosc);
  s.fokus = Fokus::DaneE;
}

void Kreator::pokazPole(double wartosc, Skutki& s) {
  widok_.daneEWidoczne = true;
  widok_.daneE = wartosc <= -1.0 ? std::string() : common::LiczbaNaTekst(wartosc);
  s.fokus = Fokus::DaneE;
}

Skutki Kreator::FormCreate() {
  Skutki s;
  widok_.L1 = kPowitanie;
  widok_.daneE.clear();
  widok_.daneEWidoczne = false;
  widok_.wsteczBB = widok_.nowyBB = widok_.katalogBB = false;
  widok_.panel = Panel::Brak;
  widok_.koniecP = false;
  widok_.zbieznoscBB = false;
  ustawRozmiar(kSzerokoscOkna);
  widok_.dalejNapis = "&Dalej";
  widok_.dalejAktywny = true;
  widok_.lampy.fill(Lampa::Neutralna);
  widok_.lampy[0] = Lampa::Biezaca;
  // The welcome page asks for Enter: the Next button holds the keyboard.
  s.fokus = Fokus::DalejBB;
  return s;
}

std::optional<std::string> Kreator::przyjmij(int krok, const std::string& t) {
  using common::kMaksLiczbaElementow;
  using common::kMaksLiczbaWezlow;
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
      return Liczba(t, 1, kBezGranicy, kMaksLiczbaElementow, "Podano nieprawidłową liczbę linii !!!",
                    p_.LiczbaLinii);
    case 3:
      return Liczba(t, 0, kBezGranicy, kMaksLiczbaElementow, "Podano nieprawidłową liczbę transformatorów !!!",
                    p_.LiczbaTransformatorow);
    case 4:
      if (!WszystkieKomorkiSaLiczbami(p_.LinieSG)) return kNiepelnaTabela;
      return std::nullopt;
    case 5:
      if (!WszystkieKomorkiSaLiczbami(p_.TrafoSG)) return kNiepelnaTabela;
      return std::nullopt;
    case 6:
      return Liczba(t, 1, kBezGranicy, kMaksLiczbaWezlow, "Podano nieprawidłową liczbę węzłów elektrownianych !!!",
                    p_.LiczbaWezlowElektrownianych);
    case 7:
      if (!WszystkieKomorkiSaLiczbami(p_.WElSG)) return kNiepelnaTabela;
      // With a single generator node that node is the slack node.
      if (p_.LiczbaWezlowElektrownianych == 1) p_.WezelBilansujacy = common::NaCalkowita(p_.WElSG.cell(1, 1));
      return std::nullopt;
    case 8:
      return Liczba(t, 1, kBezGranicy, kMaksLiczbaWezlow, "Podano nieprawidłową liczbę węzłów obciążeniowych !!!",
                    p_.LiczbaWezlowObciazeniowych);
    case 9:
      if (!WszystkieKomorkiSaLiczbami(p_.WObcSG)) return kNiepelnaTabela;
      return std::nullopt;
    case 10: {
      const char* komunikat = "Podano nieprawidłowy numer węzła elektrownianego bilansującego !!!";
      if (!CzyLiczba(t)) return komunikat;
      int n = common::NaCalkowita(t);
      if (n < 1 || n > p_.LiczbaWezlow) return komunikat;
      p_.WezelBilansujacy = n;
      return std::nullopt;
    }
    case 11:
      return Liczba(t, 1, 999, kBezGranicy,
                    "Podano nieprawidłową wartość napięcia w węźle elektrownianym bilansującym !!!",
                    p_.NapiecieBilansujace);
    case 12: {
      const char* komunikat =
          "Podano nieprawidłową wartość maksymalnej różnicy między dwoma ostatnimi krokami iteracyjnymi "
          "(mieści się ona w przedziale (0 < \"epsilon\" < 1) !!!";
      if (!CzyLiczba(t)) return komunikat;
      double e = common::NaLiczbe(t);
      if (!(e > 0 && e < 1)) return komunikat;
      p_.Epsilon = e;
      return std::nullopt;
    }
    case 13: {
      const char* komunikat =
          "Podano nieprawidłową wartość parametru relaksacji \"r\" !!!\n"
          "Wartość tego parametry powinna znajdować się w przedziale między 1 a 2, (1<r<2).";
      if (!CzyLiczba(t)) return komunikat;
      double r = common::NaLiczbe(t);
      if (!(r > 1 && r < 2)) return komunikat;
      p_.ParametrRelaksacji = r;
      return std::nullopt;
    }
    default:
      return std::nullopt;
  }
}

void Kreator::zbuduj(int strona, Skutki& s) {
  if (strona <= kOstatniaStrona) widok_.L1 = kZachety[strona];
  switch (strona) {
    case 1: lampy(1, 2); pokazPole(p_.LiczbaWezlow, s); break;
    case 2:
      lampy(2, 3);
      pokazPole(p_.LiczbaLinii, s);
      widok_.wsteczBB = widok_.nowyBB = true;
      break;
    case 3: lampy(3, 4); pokazPole(p_.LiczbaTransformatorow, s); break;
    case 4:
      widok_.daneEWidoczne = false;
      widok_.panel = Panel::Linie;
      ustawRozmiar(kSzerokoscOknaLinii);
      widok_.katalogBB = true;
      PrzygotujTabele(p_, Tabela::Linie, p_.LiczbaLinii);
      s.tabele = true;
      s.fokus = Fokus::LinieSG;
      break;
    case 5:
      widok_.panel = Panel::Trafo;
      s.zamknij.push_back(Okno::TKatalogLini);
      widok_.katalogBB = true;
      ustawRozmiar(ekranSzerokosc_ >= kSzerokoscOknaTrafo ? kSzerokoscOknaTrafo : ekranSzerokosc_);
      PrzygotujTabele(p_, Tabela::Trafo, p_.LiczbaTransformatorow);
      s.tabele = true;
      s.fokus = Fokus::TrafoSG;
      break;
    case 6:
      lampy(4, 5);
      widok_.panel = Panel::Brak;
      s.zamknij.push_back(Okno::TKatalogTrafo);
      widok_.katalogBB = false;
      ustawRozmiar(kSzerokoscOkna);
      pokazPole(p_.LiczbaWezlowElektrownianych, s);
      break;
    case 7:
      lampy(5, 6);
      widok_.daneEWidoczne = false;
      widok_.panel = Panel::WEl;
      PrzygotujTabele(p_, Tabela::WEl, p_.LiczbaWezlowElektrownianych);
      s.tabele = true;
      s.fokus = Fokus::WElSG;
      break;
    case 8: lampy(6, 7); widok_.panel = Panel::Brak; pokazPole(p_.LiczbaWezlowObciazeniowych, s); break;
    case 9:
      lampy(7, 8);
      widok_.panel = Panel::WObc;
      widok_.daneEWidoczne = false;
      PrzygotujTabele(p_, Tabela::WObc, p_.LiczbaWezlowObciazeniowych);
      s.tabele = true;
      s.fokus = Fokus::WObcSG;
      break;
    case 10: lampy(8, 9); widok_.panel = Panel::Brak; pokazPole(p_.WezelBilansujacy, s); break;
    case 11: lampy(9, 10); pokazPole(p_.NapiecieBilansujace, s); break;
    case 12: lampy(10, 11); pokazPole(p_.Epsilon, s); break;
    case 13: lampy(11, 12); pokazPole(p_.ParametrRelaksacji, s); break;
    case 14:
      lampy(12, 13);
      widok_.daneEWidoczne = false;
      p_.Krok = kOstatniaStrona;
      widok_.dalejNapis = "&Oblicz";
      s.fokus = Fokus::DalejBB;  // so that Enter computes, not starts over
      break;
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
    } else if (auto strona = SiatkaStrony(krok)) {
      // A grid page refuses only a cell that is not a number: the grid
      // takes the keyboard at the first such cell, ready for the fix.
      s.fokus = strona->fokus;
      s.komorka = common::PierwszaKomorkaNieLiczba(p_.siatka(strona->tabela));
    }
    return;
  }
  zbuduj(krok + 1, s);
  if (widok_.dalejNapis != "&Oblicz") p_.Krok = krok + 1;
  // With no transformers the transformer page is passed over in the same press.
  if (p_.Krok == 5 && p_.LiczbaTransformatorow == 0) dalej(daneE, s);
}

Skutki Kreator::DalejBBClick(const std::string& daneE) {
  Skutki s;
  try {
    dalej(daneE, s);
  } catch (const BladKonwersji& e) {
    // A conversion fault abandons the action; nothing was stored before it.
    dialogi_.message(common::Ikona::Blad, kTytulProgramu, e.what());
    s = Skutki{};
  }
  return s;
}

void Kreator::oblicz(Skutki& s) {
  if (!sprawdzKonfiguracje || !obliczRozplyw) return;
  const Widok przed = widok_;
  bool udane = false;
  try {
    udane = sprawdzKonfiguracje();
    if (udane) {
      widok_.lampy[12] = Lampa::Wykonana;
      s.zamknij.push_back(Okno::TDane);
      widok_.L1 = "Trwają obliczenie ... proszę czekać";
      if (odswiezTeraz) odswiezTeraz();
      udane = obliczRozplyw();
    }
  } catch (...) {
    // A conversion fault abandons the step as if it had not been pressed.
    widok_ = przed;
    throw;
  }
  // A chart of an earlier run would describe other data.
  s.zamknij.push_back(Okno::TF_Zbieznosc);
  widok_.zbieznoscBB = udane;
  if (udane) {
    widok_.koniecP = true;
    widok_.L1 = "Wybierz odpowiednie dane ...";
    widok_.dalejAktywny = false;
    s.fokus = Fokus::Button1;
    widok_.sbZapisz = true;
    s.zamknij.push_back(Okno::TF_Wynik);
  } else {
    // A refused check or a run that did not converge: no results are offered.
    widok_.lampy[12] = Lampa::Biezaca;
    s.zamknij.push_back(Okno::TDane);
    widok_.L1 = "Obliczenia przerwane ...";
    widok_.koniecP = false;
    s.fokus = Fokus::DalejBB;
  }
}

void Kreator::wroc(int strona, Skutki& s) {
  p_.Krok = strona;
  if (strona >= 1 && strona <= kOstatniaStrona) widok_.L1 = kZachety[strona];
  auto lampyWstecz = [this](int biezaca) {
    widok_.lampy[static_cast<size_t>(biezaca - 1)] = Lampa::Biezaca;
    widok_.lampy[static_cast<size_t>(biezaca)] = Lampa::Neutralna;
  };
  switch (strona) {
    case 1: lampyWstecz(2); pokazPole(p_.LiczbaWezlow, s); widok_.wsteczBB = false; break;
    case 2: lampyWstecz(3); pokazPole(p_.LiczbaLinii, s); widok_.wsteczBB = true; break;
    case 3:
      lampyWstecz(4);
      ustawRozmiar(kSzerokoscOkna);
      widok_.panel = Panel::Brak;
      s.zamknij.push_back(Okno::TKatalogLini);
      pokazPole(p_.LiczbaTransformatorow, s);
      widok_.wsteczBB = true;
      widok_.katalogBB = false;
      break;
    case 4:
      lampyWstecz(4);
      ustawRozmiar(kSzerokoscOknaLinii);
      s.zamknij.push_back(Okno::TKatalogTrafo);
      widok_.panel = Panel::Linie;
      widok_.daneEWidoczne = false;
      widok_.wsteczBB = widok_.katalogBB = true;
      s.tabele = true;
      s.fokus = Fokus::LinieSG;
      break;
    case 5:
      if (p_.LiczbaTransformatorow == 0) {
        wroc(4, s);
        return;
      }
      // The transformer page belongs to lamp PP4, as on the way forward.
      lampyWstecz(4);
      ustawRozmiar(ekranSzerokosc_ >= kSzerokoscOknaTrafo ? kSzerokoscOknaTrafo : ekranSzerokosc_);
      widok_.panel = Panel::Trafo;
      widok_.daneEWidoczne = false;
      widok_.wsteczBB = widok_.katalogBB = true;
      s.tabele = true;
      s.fokus = Fokus::TrafoSG;
      break;
    case 6:
      lampyWstecz(5);
      ustawRozmiar(kSzerokoscOkna);
      pokazPole(p_.LiczbaWezlowElektrownianych, s);
      widok_.panel = Panel::Brak;
      break;
    case 7:
      lampyWstecz(6);
      widok_.daneEWidoczne = false;
      widok_.panel = Panel::WEl;
      widok_.wsteczBB = true;
      s.tabele = true;
      s.fokus = Fokus::WElSG;
      break;
    case 8: lampyWstecz(7); widok_.panel = Panel::Brak; pokazPole(p_.LiczbaWezlowObciazeniowych, s); break;
    case 9:
      lampyWstecz(8);
      widok_.panel = Panel::WObc;
      widok_.daneEWidoczne = false;
      s.tabele = true;
      s.fokus = Fokus::WObcSG;
      break;
    case 10: lampyWstecz(9); pokazPole(p_.WezelBilansujacy, s); break;
    case 11: lampyWstecz(10); pokazPole(p_.NapiecieBilansujace, s); break;
    case 12: lampyWstecz(11); pokazPole(p_.Epsilon, s); break;
    case 13:
      lampyWstecz(12);
      pokazPole(p_.ParametrRelaksacji, s);
      widok_.koniecP = false;
      widok_.dalejNapis = "&Dalej";
      widok_.dalejAktywny = true;
      widok_.sbZapisz = false;
      // Back to the data: the chart goes with the results it showed.
      widok_.zbieznoscBB = false;
      s.zamknij.push_back(Okno::TF_Zbieznosc);
      break;
    default: break;
  }
}

Skutki Kreator::OtworzZadanie(const std::string& argument) {
  argument_ = argument;
  const RodzajZadania rodzaj = Rozpoznaj(argument);
  // The task statement beside the exercise is offered whatever its data hold.
  if (rodzaj != RodzajZadania::Zaden) widok_.sbTresc = PlikTowarzyszacy(argument, ".SRM").has_value();
  switch (rodzaj) {
    case RodzajZadania::Dane: {
      std::string bajty, blad;
      if (!CzytajPlik(argument, bajty, blad)) {
        widok_.sbSchemat = widok_.zapiszSchemat = true;
        dialogi_.error(blad);
        return {};
      }
      return WczytajPlikZrm(bajty);
    }
    case RodzajZadania::BezDanych:
      widok_.sbSchemat = widok_.sbDaneElementow = widok_.zapiszSchemat = true;
      return {};
    case RodzajZadania::Zaden:
      break;
  }
  return {};
}

Skutki Kreator::WczytajPlikZrm(std::string_view bajty) {
  Skutki s;
  // The main window back at its start, whatever the file holds.
  p_.Krok = 0;
  FormCreate();
  widok_.sbSchemat = widok_.zapiszSchemat = true;
  if (!WczytajZrm(bajty, p_)) {
    dialogi_.error(kZlyPlikZrm);
    s.tabele = true;
    return s;
  }
  // Next as the user would press it, each page checked as it is left.
  for (int i = 0; i < 10 && p_.Krok != 10; ++i) {
    const int przed = p_.Krok;
    Skutki krok = DalejBBClick(widok_.daneE);
    s.fokus = krok.fokus;
    s.komorka = krok.komorka;
    for (Okno o : krok.zamknij) s.zamknij.push_back(o);
    if (p_.Krok == przed) break;  // refused: its message was shown once
  }
  s.tabele = true;
  if (p_.Krok == 10) {
    for (int l = 0; l < 8; ++l) widok_.lampy[static_cast<size_t>(l)] = Lampa::Wykonana;
    widok_.lampy[8] = Lampa::Biezaca;
    widok_.wsteczBB = widok_.nowyBB = true;
  }
  return s;
}

Skutki Kreator::WsteczBBClick() {
  Skutki s;
  if (p_.Krok > 0) wroc(p_.Krok - 1, s);
  return s;
}

Skutki Kreator::NowyBBClick() {
  Skutki s;
  if (!dialogi_.askYesNo("UWAGA", "Czy na pewno chcesz rozpocząć od nowa ?")) return s;
  p_.wyzeruj(true);
  s.zamknij = {Okno::TDane, Okno::TF_DaneElementow, Okno::TF_Schemat, Okno::TF_Wynik,
               Okno::TKatalogLini, Okno::TKatalogTrafo, Okno::TF_Podglad, Okno::TF_Zbieznosc};
  widok_.sbZapisz = false;
  widok_.sbDaneElementow = widok_.sbSchemat;
  for (Tabela t : {Tabela::Linie, Tabela::Trafo, Tabela::WEl, Tabela::WObc}) p_.siatka(t).clearData();
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
    p_.WezlyBezTypu = o.WezlyBezTypu;
    if (o.blad) throw std::runtime_error(*o.blad);
    return o.sprawdzony;
  });
  const common::Zastepstwo<Krok> licz(obliczRozplyw, [&] {
    if (!o.wynik) return false;
    if (!o.wynik->zbiezny) {
      dialogi_.error(o.wynik->blad);
      return false;
    }
    wyniki_ = std::move(*o.wynik);
    return true;
  });
  const common::Zastepstwo<std::function<void()>> bezOdswiezania(odswiezTeraz, {});
  return DalejBBClick("");
}

Obliczenie Oblicz(Przypadek kopia, const PostepRozplywu& postep) {
  return Oblicz(std::move(kopia), OpcjeRozplywu{}, postep);
}

Obliczenie Oblicz(Przypadek kopia, const OpcjeRozplywu& opcje, const PostepRozplywu& postep) {
  Obliczenie o;
  common::RecordingDialogService zapis;
  try {
    o.sprawdzony = SprawdzKonfiguracje(kopia, zapis);
    o.WezlyBezTypu = kopia.WezlyBezTypu;
    if (o.sprawdzony) o.wynik = ObliczRozplyw(ZbudujSiec(kopia), opcje, postep);
  } catch (const std::exception& e) {
    o.blad = e.what();
  }
  o.komunikaty = std::move(zapis.wpisy);
  return o;
}

std::string PostepObliczen(int krok, double zmiana) {
  return "Trwają obliczenie ... proszę czekać (krok " + common::CalkowitaNaTekst(krok) +
         ", największa zmiana napięcia " + common::WedlugWzorca("0.000000", zmiana) + " j.w.)";
}

}  // namespace kreator
