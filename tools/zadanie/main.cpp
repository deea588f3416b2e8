// kreator_zadanie: makes the four files of an exercise for either program,
// Kreator (load flow) or zwarcia (short circuit), from a data file and a
// layout description, and refuses to write anything the program would not
// accept or could not solve.
#include <QGuiApplication>
#include <algorithm>
#include <charconv>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <random>

#include "common/core/bledy_systemu.h"
#include "common/core/liczby.h"
#include "common/core/pliki.h"
#include "common/core/zapis.h"
#include "kreator/core/plik_zrm.h"
#include "tools/zadanie/klucz.h"
#include "tools/zadanie/opis.h"
#include "tools/zadanie/pliki.h"
#include "tools/zadanie/proba_zwarcia.h"
#include "tools/zadanie/przygotowanie.h"
#include "tools/zadanie/rysunki.h"
#include "tools/zadanie/siec.h"
#include "tools/zadanie/tabele_danych.h"
#include "tools/zadanie/warianty.h"
#include "tools/zadanie/z_matpower.h"
#include "zwarcia/core/plik_zrz.h"

namespace fs = std::filesystem;

namespace {

const char* kPomoc =
    "Użycie: kreator_zadanie OPIS.uklad [--katalog KATALOG] [--matpower WYNIK.m]\n"
    "       kreator_zadanie --z-matpower PRZYPADEK.m [--bez-przesuniec] [--katalog KATALOG]\n"
    "       kreator_zadanie OPIS.uklad --warianty N [--rozrzut PROCENT] [--ziarno LICZBA] [--katalog KATALOG]\n"
    "\n"
    "Tworzy pliki zadania programu Kreator: NAZWA.ZRM (dane), NAZWA.SRM (treść zadania),\n"
    "NAZWA.URM (schemat układu) i NAZWA.DRM (dane elementów), albo programu zwarcia:\n"
    "NAZWA.ZRZ, .SRZ, .URZ i .DRZ; bitmapy są 24-bitowymi plikami BMP. Sieć o więcej niż 100 węzłach\n"
    "dostaje tylko dane i treść (.ZRM i .SRM, .ZRZ i .SRZ): na rysunku 1000 × 700 jej schematu nie dałoby\n"
    "się odczytać, a program zamiast rysunku pokazuje komunikat o jego braku.\n"
    "  OPIS.uklad         opis zadania (plik tekstowy UTF-8 lub Windows-1250), wiersze:\n"
    "      rodzaj rozplyw|zwarcia  dla którego programu jest zadanie (domyślnie rozplyw)\n"
    "      dane PLIK            wiersze 3–30 pliku .ZRM albo 3–26 pliku .ZRZ (wiersze 1 i 2\n"
    "                           dopisuje narzędzie): liczby elementów i kolumny tabel,\n"
    "                           wartości zakończone znakiem ';'; '#' zaczyna komentarz,\n"
    "                           a wiersz z samym komentarzem nie jest wierszem pliku\n"
    "      wyjscie NAZWA        nazwa plików zadania, np. ZAD1\n"
    "      tytul TEKST          tytuł schematu\n"
    "      rozmiar SZER WYS     rozmiar schematu w pikselach (najwyżej 1000 × 700, domyślnie 900 × 600)\n"
    "      wezel NR X Y [dlugosc D] [pion] [symbol gora|dol|lewo|prawo [PRZESUNIECIE]] [opis DX DY]\n"
    "      linia NR [przez X Y [X Y ...]] [opis DX DY]\n"
    "      trafo NR [przez X Y [X Y ...]] [opis DX DY]\n"
    "      napis X Y TEKST      dowolny napis na schemacie od punktu (X, Y), np. poziom napięcia\n"
    "      bilansujacy NR KV    rozpływ: węzeł bilansujący i jego napięcie w kV\n"
    "      epsilon E            rozpływ: np. 0,0001\n"
    "      r R                  rozpływ: parametr relaksacji, np. 1,5\n"
    "      metoda gauss-seidel|newton\n"
    "                           rozpływ: metoda próbnego obliczenia i zadania; domyślnie Gaussa-Seidla\n"
    "                           z parametrem r, jak w oknie programu; newton: Newtona-Raphsona (tryb\n"
    "                           wsadowy Kreator --batch ... --metoda newton), bez „r”\n"
    "      zwarcie NR KV CZAS [gora|dol|lewo|prawo [PRZESUNIECIE]]\n"
    "                           zwarcia (wymagane): węzeł zwarcia, napięcie znamionowe w kV,\n"
    "                           czas trwania w s, strona szyny ze strzałką zwarcia\n"
    "      zadanie TEKST        wiersz treści zadania (można powtarzać); w zadaniu programu\n"
    "                           zwarcia pierwszy wiersz jest treścią drukowaną w raporcie\n"
    "      # komentarz\n"
    "  --katalog KATALOG  gdzie zapisać pliki (domyślnie katalog pliku opisu)\n"
    "  --warianty N       zamiast jednego zadania N wariantów (1–99) dla grupy: NAZWA_01.ZRM, .SRM,\n"
    "                     .URM, .DRM … NAZWA_NN (zwarcia: .ZRZ …) i klucz odpowiedzi NAZWA_klucz.csv.\n"
    "                     Rozpływ: każdy odbiór dostaje własne P i Q, każdy węzeł elektrowniany poza\n"
    "                     bilansującym własne P; zwarcia: każdy system własną moc zwarciową, każda\n"
    "                     linia własną długość\n"
    "  --rozrzut PROCENT  o ile procent wartość wariantu może różnić się od danych (więcej niż 0,\n"
    "                     mniej niż 100, domyślnie 20); wynik ma tyle miejsc po przecinku, ile wartość\n"
    "                     w pliku danych\n"
    "  --ziarno LICZBA    ziarno losowania, liczba całkowita 0–18446744073709551615: to samo ziarno\n"
    "                     daje te same pliki co do bajtu; bez tej opcji narzędzie wybiera ziarno\n"
    "                     i je wypisuje\n"
    "  --matpower WYNIK.m zapisuje też sieć zadania jako przypadek MATPOWER (wersja 2) z rozwiązaniem\n"
    "                     próbnego obliczenia w Vm i Va; runpf programu MATPOWER daje na nim te same\n"
    "                     napięcia węzłowe co Kreator (baseKV każdej szyny to napięcie bazowe programu)\n"
    "  --z-matpower PRZYPADEK.m\n"
    "                     zamienia przypadek MATPOWER (wersja 2: mpc.bus, mpc.gen, mpc.branch) na pliki\n"
    "                     NAZWA.dane i NAZWA.uklad (NAZWA jak plik przypadku), z których powstaje zadanie:\n"
    "                     kreator_zadanie NAZWA.uklad. Węzły są numerowane według tabeli szyn, położenia\n"
    "                     na schemacie dobierane samoczynnie; każde przybliżenie (kompensacja poprzeczna\n"
    "                     jako odbiór przy napięciu Vm przypadku, zaokrąglone napięcie węzła\n"
    "                     bilansującego) jest wypisywane i podane w treści zadania. Poziomy napięć łączą\n"
    "                     transformatory (także blokowe i bez rezystancji), generatory jednej szyny są\n"
    "                     sumowane, a węzeł elektrowniany utrzymuje napięcie Vg z tabeli generatorów.\n"
    "                     Transformator równoległy do wcześniejszego, lecz o innych danych, łączy się\n"
    "                     ze swoją szyną górną przez węzeł pomocniczy (numer po szynach): połowa\n"
    "                     impedancji w transformatorze, połowa w linii – dokładnie.\n"
    "                     Przesuwniki fazowe są odrzucane (wszystkie wymienione), tak samo elementy\n"
    "                     wyłączone, druga szyna bilansująca i linie prądu stałego. Zadanie liczy się\n"
    "                     metodą Gaussa-Seidla (r 1,6, 1,4, 1,2 albo 1,8); sieć o więcej niż 100\n"
    "                     węzłach, dla której ta metoda nie jest zbieżna, dostaje „metoda newton”\n"
    "                     (Newton-Raphson, Kreator --batch ... --metoda newton), a mniejsza jest odrzucana\n"
    "  --bez-przesuniec   z --z-matpower: pomija przesunięcia fazowe przesuwników (gałąź zachowuje\n"
    "                     przekładnię i impedancję); każde pominięte jest wypisywane jako ostrzeżenie\n"
    "                     i podane w treści zadania\n"
    "  --help             ten opis\n"
    "\n"
    "Pliki PLIK i NAZWA są względne wobec katalogu pliku opisu. Zadanie jest przeliczane\n"
    "próbnie tak jak w programie (rozpływ: gdy opis podaje węzeł bilansujący, epsilon i r\n"
    "albo „metoda newton”),\n"
    "a wartości do wpisania trafiają na koniec treści zadania. Nic nie jest zapisywane,\n"
    "gdy program nie przyjąłby danych albo nie policzyłby zadania.\n"
    "Każdy wariant jest sprawdzany jak pojedyncze zadanie. Wariant rozpływu, który nie jest zbieżny\n"
    "albo ma w którymś węźle napięcie poza przedziałem 0,9–1,1 znamionowego, i wariant zwarcia,\n"
    "którego program by nie policzył, są losowane ponownie, najwyżej 100 razy; potem narzędzie\n"
    "kończy pracę z komunikatem i nic nie zapisuje. Wartości wariantu są dopisane na końcu jego\n"
    "treści (.SRM) i widoczne na jego rysunku danych (.DRM); schemat jest wspólny.\n"
    "Klucz (UTF-8, pola rozdzielone znakiem ';', przecinek dziesiętny) ma liczby, które tryb\n"
    "--batch programu wypisuje dla wariantu z wartościami z treści, zaokrąglone tak jak w raporcie.\n"
    "Rozpływ: wiersz na wariant i węzeł – U [kV], kąt [rad], P [MW] i Q [Mvar] odbierane w węźle,\n"
    "do 0,001; po pustym wierszu drugi nagłówek i wiersz na wariant – moc, którą węzeł bilansujący\n"
    "oddaje do sieci, i straty mocy, do 0,001. Zwarcia: wiersz na wariant – węzeł zwarcia, Un,\n"
    "I\"k [kA] i R/X do 0,0001, κ = 1,02 + 0,98·e^(−3·R/X) do 0,0001 i ip = κ·√2·I\"k z tych\n"
    "zaokrąglonych liczb (tyle, ile poda zwarcia --batch z opcją --kappa κ).\n"
    "Kod wyjścia: 0 zapisano, 1 dane odrzucone, 2 błędne wywołanie.\n";

// The bytes written whole or not at all; the message with the system's
// reason, or empty.
std::string Zapisz(const std::string& sciezka, const std::string& bajty) {
  const int blad = common::ZapiszBajty(sciezka, bajty);
  return blad == 0 ? "" : "nie można zapisać „" + sciezka + "”: " + common::OpisBleduPliku(blad);
}

int Odmowa(const std::string& tekst) {
  std::cerr << "kreator_zadanie: " << tekst << '\n';
  return 1;
}

// The four files of one exercise, `baza` being the path without the
// extension; the message of the first that cannot be written, or empty.
// Null pictures (a network too big to draw) are not written, and any left
// from an earlier run of the same name go: they would show another network.
std::string ZapiszZadanie(const std::string& baza, const std::string& litera, const std::string& plik,
                          const std::vector<std::string>& tekst, const QImage& schemat, const QImage& dane) {
  const auto nazwa = [&](const char* rodzaj) { return baza + "." + rodzaj + "R" + litera; };
  if (std::string b = Zapisz(nazwa("Z"), plik); !b.empty()) return b;
  if (const int b = common::ZapiszTekstCp1250(nazwa("S"), tekst); b != 0)
    return "nie można zapisać „" + nazwa("S") + "”: " + common::OpisBleduPliku(b);
  for (const auto& [rysunek, rodzaj] : {std::pair{&schemat, "U"}, std::pair{&dane, "D"}}) {
    std::error_code ec;
    if (rysunek->isNull()) fs::remove(nazwa(rodzaj), ec);
    else if (!zadanie::ZapiszBmp(*rysunek, nazwa(rodzaj))) return "nie można zapisać „" + nazwa(rodzaj) + "”";
  }
  return "";
}

// Above the picture limit the exercise is its data and statement alone;
// the teacher is told so, and what the program shows instead.
bool Rysowac(const zadanie::Siec& s, const std::string& litera) {
  if (s.liczbaWezlow <= zadanie::kMaksWezlowRysunku) return true;
  std::cout << "Liczba węzłów sieci (" << s.liczbaWezlow << ") przekracza " << zadanie::kMaksWezlowRysunku
            << ": schematu (.UR" << litera << ") ani rysunku danych (.DR" << litera
            << ") nie tworzy się, bo na rysunku nie dałoby się ich odczytać; program otworzy zadanie bez nich "
               "i zamiast rysunku pokaże komunikat o jego braku.\n";
  return false;
}

void UtworzKatalog(const fs::path& cel) {
  std::error_code ec;
  if (!cel.empty()) fs::create_directories(cel, ec);
}

// A seed the teacher can type again: 32 bits are plenty for a class.
std::uint64_t NoweZiarno() {
  try {
    return std::random_device{}();
  } catch (const std::exception&) {
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()) & 0xFFFFFFFF;
  }
}

// The values of --warianty, --rozrzut and --ziarno; false with the reason.
bool CzytajOpcjeWariantow(const std::string& liczba, const std::string& rozrzut, const std::string& ziarno,
                    zadanie::OpcjeWariantow& o, std::string& blad) {
  try {
    o.liczba = common::NaCalkowita(liczba);
  } catch (const common::BladKonwersji&) {
    o.liczba = 0;
  }
  if (o.liczba < 1 || o.liczba > zadanie::kMaksWariantow) {
    blad = "liczba wariantów musi być liczbą całkowitą od 1 do " + std::to_string(zadanie::kMaksWariantow) +
           ", a jest „" + liczba + "”";
    return false;
  }
  if (!rozrzut.empty()) {
    std::string r = rozrzut;
    std::replace(r.begin(), r.end(), '.', ',');
    o.rozrzut = common::CzyLiczba(r) ? common::NaLiczbe(r) : -1;
    if (!(o.rozrzut > 0 && o.rozrzut < 100)) {
      blad = "rozrzut musi być liczbą procent większą od 0 i mniejszą od 100, a jest „" + rozrzut + "”";
      return false;
    }
  }
  if (!ziarno.empty()) {
    const auto [koniec, ec] = std::from_chars(ziarno.data(), ziarno.data() + ziarno.size(), o.ziarno);
    if (ec != std::errc() || koniec != ziarno.data() + ziarno.size()) {
      blad = "ziarno musi być liczbą całkowitą od 0 do 18446744073709551615, a jest „" + ziarno + "”";
      return false;
    }
  } else {
    o.ziarno = NoweZiarno();
  }
  return true;
}

// --warianty: the whole set is drawn and checked before the first file is
// written, so a set that cannot be completed leaves nothing behind.
int Warianty(const zadanie::OpisUkladu& opis, const std::vector<std::string>& wiersze,
             const zadanie::OpcjeWariantow& o, const zadanie::Przygotowane& wzor, const fs::path& cel) {
  std::cout << "Ziarno losowania: " << o.ziarno << " (te same pliki da opcja --ziarno " << o.ziarno << ")\n";
  std::vector<zadanie::Wariant> warianty;
  try {
    warianty = zadanie::LosujWarianty(opis, wiersze, o);
  } catch (const zadanie::BladWariantow& b) {
    return Odmowa(b.what());
  }
  for (const std::string& u : zadanie::OstrzezeniaTresci(opis, wiersze)) std::cout << u << '\n';
  UtworzKatalog(cel);
  const std::string litera = opis.rodzaj == zadanie::Rodzaj::Zwarcie ? "Z" : "M";
  // The network is the same in every variant, so is its scheme.
  const bool rysunki = Rysowac(wzor.siec, litera);
  const QImage schemat = rysunki ? zadanie::RysujSchemat(opis, wzor.siec) : QImage();
  int losowania = 0;
  for (const zadanie::Wariant& w : warianty) {
    const std::string blad = ZapiszZadanie(
        (cel / (opis.wyjscie + "_" + w.numer)).string(), litera, w.z.plik, w.tekst, schemat,
        rysunki ? zadanie::RysujDane(opis.tytul + " – wariant " + w.numer, w.z.dane) : QImage());
    if (!blad.empty()) return Odmowa(blad);
    losowania += w.losowania;
  }
  const std::string klucz = (cel / zadanie::NazwaKlucza(opis)).string();
  if (const std::string b = Zapisz(klucz, zadanie::KluczCsv(opis, warianty)); !b.empty()) return Odmowa(b);
  std::cout << "Zapisano warianty 01–" << warianty.back().numer << ": " << (cel / opis.wyjscie).string() << "_NN.ZR"
            << litera << ", .SR" << litera << (rysunki ? ", .UR" + litera + ", .DR" + litera : std::string())
            << ", i klucz " << klucz << '\n'
            << "Losowań: " << losowania << ", odrzuconych: " << losowania - int(warianty.size()) << ".\n";
  return 0;
}

// --z-matpower: the case's data file and description, written beside each
// other once the trial computation has converged.
int ZMatpower(const std::string& przypadek, const std::string& katalog, const zadanie::OpcjeImportu& opcje) {
  std::string bajty, blad;
  if (!common::CzytajPlik(przypadek, bajty, blad)) return Odmowa(blad);
  const fs::path sciezka(przypadek);
  const std::string nazwa = sciezka.stem().string();
  const zadanie::WynikImportu w = zadanie::ImportujMatpower(zadanie::NaUtf8(bajty), nazwa, opcje);
  for (const auto& t : w.wiersze)
    (w.dobry ? std::cout : std::cerr) << (w.dobry ? "" : "kreator_zadanie: ") << t << '\n';
  if (!w.dobry) return 1;
  const fs::path cel = katalog.empty() ? sciezka.parent_path() : fs::path(katalog);
  std::error_code ec;
  if (!cel.empty()) fs::create_directories(cel, ec);
  const std::string dane = (cel / (w.import.nazwa + ".dane")).string(),
                    uklad = (cel / (w.import.nazwa + ".uklad")).string();
  for (const auto& [plik, tekst] : {std::pair{dane, zadanie::TekstDanych(w.import)},
                                    std::pair{uklad, zadanie::TekstUkladu(w.import)}})
    if (const std::string b = Zapisz(plik, tekst); !b.empty()) return Odmowa(b);
  std::cout << "Zapisano " << dane << " i " << uklad << "; zadanie: kreator_zadanie " << uklad << '\n';
  return 0;
}

int Uruchom(const std::vector<std::string>& a) {
  std::string opisPlik, katalog, zMatpower, matpower;
  std::string liczbaWariantow, rozrzut, ziarno;
  zadanie::OpcjeImportu opcjeImportu;
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i] == "--help" || a[i] == "-h") {
      std::cout << kPomoc;
      return 0;
    }
    if (a[i] == "--katalog" && i + 1 < a.size()) {
      katalog = a[++i];
    } else if (a[i] == "--z-matpower" && i + 1 < a.size()) {
      zMatpower = a[++i];
    } else if (a[i] == "--bez-przesuniec") {
      opcjeImportu.bezPrzesuniec = true;
    } else if (a[i] == "--matpower" && i + 1 < a.size()) {
      matpower = a[++i];
    } else if (a[i] == "--warianty" && i + 1 < a.size()) {
      liczbaWariantow = a[++i];
    } else if (a[i] == "--rozrzut" && i + 1 < a.size()) {
      rozrzut = a[++i];
    } else if (a[i] == "--ziarno" && i + 1 < a.size()) {
      ziarno = a[++i];
    } else if (!a[i].starts_with("--") && opisPlik.empty()) {
      opisPlik = a[i];
    } else {
      std::cerr << "kreator_zadanie: niezrozumiały argument „" << a[i] << "”\n\n" << kPomoc;
      return 2;
    }
  }
  if (!zMatpower.empty()) {
    if (!opisPlik.empty() || !matpower.empty()) {
      std::cerr << "kreator_zadanie: --z-matpower nie łączy się z plikiem opisu ani z --matpower\n\n" << kPomoc;
      return 2;
    }
    return ZMatpower(zMatpower, katalog, opcjeImportu);
  }
  if (opcjeImportu.bezPrzesuniec) {
    std::cerr << "kreator_zadanie: --bez-przesuniec działa tylko z --z-matpower\n\n" << kPomoc;
    return 2;
  }
  if (opisPlik.empty()) {
    std::cerr << "kreator_zadanie: brak pliku opisu\n\n" << kPomoc;
    return 2;
  }
  const bool sWariantami = !liczbaWariantow.empty();
  zadanie::OpcjeWariantow opcjeWariantow;
  std::string blad;
  if (!sWariantami && (!rozrzut.empty() || !ziarno.empty())) blad = "--rozrzut i --ziarno działają tylko z --warianty";
  if (sWariantami && !matpower.empty()) blad = "--matpower zapisuje jedno zadanie, nie łączy się z --warianty";
  if (blad.empty() && sWariantami) CzytajOpcjeWariantow(liczbaWariantow, rozrzut, ziarno, opcjeWariantow, blad);
  if (!blad.empty()) {
    std::cerr << "kreator_zadanie: " << blad << "\n\n" << kPomoc;
    return 2;
  }

  std::string bajty;
  if (!common::CzytajPlik(opisPlik, bajty, blad)) return Odmowa(blad);
  zadanie::OpisUkladu opis;
  try {
    opis = zadanie::CzytajOpis(zadanie::NaUtf8(bajty));
  } catch (const zadanie::BladOpisu& b) {
    return Odmowa(opisPlik + ", " + b.what());
  }

  const bool zwarcie = opis.rodzaj == zadanie::Rodzaj::Zwarcie;
  if (!matpower.empty() && (zwarcie || !opis.bilansujacy || !opis.epsilon ||
                            (!opis.r && opis.metoda != zadanie::Metoda::Newton)))
    return Odmowa("przypadek MATPOWER (--matpower) zapisuje się tylko z zadania rozpływu mocy, którego opis "
                  "podaje „bilansujacy”, „epsilon” i „r” (albo „metoda newton”); nic nie zapisano.");
  const fs::path folder = fs::path(opisPlik).parent_path();
  const fs::path danePlik = folder / opis.dane;
  std::vector<std::string> wiersze;
  std::vector<int> numery;
  const zadanie::UkladPliku& uklad = zwarcie ? zadanie::UkladZrz() : zadanie::UkladZrm();
  if (!common::CzytajPlik(danePlik.string(), bajty, blad)) return Odmowa(blad);
  try {
    wiersze = zadanie::WierszeDanych(bajty, &numery, uklad);
  } catch (const std::exception& b) {
    return Odmowa(danePlik.string() + ": " + b.what());
  }
  if (const auto bledy = zadanie::BledyDanych(wiersze, numery, uklad); !bledy.empty()) {
    for (const auto& b : bledy) std::cerr << "kreator_zadanie: " << danePlik.string() << ", " << b << '\n';
    return 1;
  }

  // The file as the program will read it, loaded back by the program's own
  // loader, held against the description and computed: what every variant
  // passes too.
  const zadanie::Przygotowane z = zadanie::Przygotuj(opis, wiersze);
  if (!z.odmowaPliku.empty())
    return Odmowa("dane z pliku „" + danePlik.string() + "” nie tworzą prawidłowego pliku " + uklad.rozszerzenie +
                  " (program odpowie: „" + z.odmowaPliku + "”).");
  if (!z.niezgodnosci.empty()) {
    for (const auto& b : z.niezgodnosci) std::cerr << "kreator_zadanie: " << opisPlik << ", " << b << '\n';
    return 1;
  }
  const zadanie::ProbneObliczenie& proba = z.proba;
  // The variants have their key; the exercise's own node table would only mislead.
  if (!proba.dobre || !sWariantami)
    for (const auto& w : proba.wiersze) (proba.dobre ? std::cout : std::cerr) << w << '\n';
  if (!proba.dobre) return Odmowa("zadanie odrzucone, nic nie zapisano.");

  const fs::path cel = katalog.empty() ? folder : fs::path(katalog);
  if (sWariantami) return Warianty(opis, wiersze, opcjeWariantow, z, cel);
  UtworzKatalog(cel);
  const std::string baza = (cel / opis.wyjscie).string(), litera = zwarcie ? "Z" : "M";
  const auto nazwa = [&](const char* rodzaj) { return baza + "." + rodzaj + "R" + litera; };
  const bool rysunki = Rysowac(z.siec, litera);
  if (const std::string b = ZapiszZadanie(baza, litera, z.plik, zadanie::TekstZadania(opis),
                                          rysunki ? zadanie::RysujSchemat(opis, z.siec) : QImage(),
                                          rysunki ? zadanie::RysujDane(opis.tytul, z.dane) : QImage());
      !b.empty())
    return Odmowa(b);
  std::cout << "Zapisano " << nazwa("Z") << ", .SR" << litera
            << (rysunki ? ", .UR" + litera + ", .DR" + litera : std::string()) << '\n';
  if (!matpower.empty()) {
    const auto przypadek = zadanie::ZadanieJakoMatpower(z.plik, opis, fs::path(matpower).stem().string());
    if (!przypadek) return Odmowa("nie można zapisać zadania jako przypadku MATPOWER.");
    if (const std::string b = Zapisz(matpower, *przypadek); !b.empty()) return Odmowa(b);
    std::cout << "Zapisano " << matpower << '\n';
  }
  return 0;
}

}  // namespace

// Qt's note about a missing XDG_RUNTIME_DIR concerns nothing this tool
// does and would only puzzle a teacher on a machine without a desktop.
void Komunikat(QtMsgType typ, const QMessageLogContext& kontekst, const QString& tekst) {
  if (typ != QtFatalMsg && tekst.startsWith("QStandardPaths:")) return;
  std::cerr << qFormatLogMessage(typ, kontekst, tekst).toStdString() << '\n';
}

int main(int argc, char** argv) {
  // Drawing only: no display is needed or wanted.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(Komunikat);
  QGuiApplication aplikacja(argc, argv);
  std::vector<std::string> argumenty;
  for (const QString& a : aplikacja.arguments().mid(1)) argumenty.push_back(a.toStdString());
  // Every refusal has its own message; this one is for what no check
  // foresaw (memory running out on a huge case, say), so that the teacher
  // reads a sentence instead of an abort.
  try {
    return Uruchom(argumenty);
  } catch (const std::exception& e) {
    std::cerr << "kreator_zadanie: nieoczekiwany błąd (" << e.what() << "); nic więcej nie zapisano.\n";
    return 1;
  }
}
