// kreator_zadanie: makes the four files of an exercise for either program,
// Kreator (load flow) or zwarcia (short circuit), from a data file and a
// layout description, and refuses to write anything the program would not
// accept or could not solve.
#include <QGuiApplication>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "common/core/zapis.h"
#include "kreator/core/plik_zrm.h"
#include "tools/zadanie/opis.h"
#include "tools/zadanie/pliki.h"
#include "tools/zadanie/proba_zwarcia.h"
#include "tools/zadanie/rysunki.h"
#include "tools/zadanie/siec.h"
#include "tools/zadanie/tabele_danych.h"
#include "zwarcia/core/plik_zrz.h"

namespace fs = std::filesystem;

namespace {

const char* kPomoc =
    "Użycie: kreator_zadanie OPIS.uklad [--katalog KATALOG]\n"
    "\n"
    "Tworzy pliki zadania programu Kreator: NAZWA.ZRM (dane), NAZWA.SRM (treść zadania),\n"
    "NAZWA.URM (schemat układu) i NAZWA.DRM (dane elementów), albo programu zwarcia:\n"
    "NAZWA.ZRZ, .SRZ, .URZ i .DRZ; bitmapy są 24-bitowymi plikami BMP.\n"
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
    "      zwarcie NR KV CZAS [gora|dol|lewo|prawo [PRZESUNIECIE]]\n"
    "                           zwarcia (wymagane): węzeł zwarcia, napięcie znamionowe w kV,\n"
    "                           czas trwania w s, strona szyny ze strzałką zwarcia\n"
    "      zadanie TEKST        wiersz treści zadania (można powtarzać); w zadaniu programu\n"
    "                           zwarcia pierwszy wiersz jest treścią drukowaną w raporcie\n"
    "      # komentarz\n"
    "  --katalog KATALOG  gdzie zapisać pliki (domyślnie katalog pliku opisu)\n"
    "  --help             ten opis\n"
    "\n"
    "Pliki PLIK i NAZWA są względne wobec katalogu pliku opisu. Zadanie jest przeliczane\n"
    "próbnie tak jak w programie (rozpływ: gdy opis podaje węzeł bilansujący, epsilon i r),\n"
    "a wartości do wpisania trafiają na koniec treści zadania. Nic nie jest zapisywane,\n"
    "gdy program nie przyjąłby danych albo nie policzyłby zadania.\n"
    "Kod wyjścia: 0 zapisano, 1 dane odrzucone, 2 błędne wywołanie.\n";

bool Czytaj(const fs::path& sciezka, std::string& bajty) {
  std::ifstream plik(sciezka, std::ios::binary);
  if (!plik) return false;
  std::ostringstream s;
  s << plik.rdbuf();
  bajty = s.str();
  return true;
}

bool ZapiszBajty(const fs::path& sciezka, const std::string& bajty) {
  std::ofstream plik(sciezka, std::ios::binary | std::ios::trunc);
  plik << bajty;
  return bool(plik.flush());
}

int Odmowa(const std::string& tekst) {
  std::cerr << "kreator_zadanie: " << tekst << '\n';
  return 1;
}

// The data file as the program will read it, loaded back by its loader,
// and what the pictures need from it.
struct Przygotowane {
  std::string plik;
  zadanie::Siec siec;
  zadanie::DaneElementow dane;
  std::string odmowa;  // the loader's message when it refuses the file
};

bool PrzygotujRozplyw(const zadanie::OpisUkladu& opis, const std::vector<std::string>& wiersze, Przygotowane& z) {
  z.plik = kreator::ZbudujZrm(wiersze);
  kreator::Przypadek p;
  if (!kreator::WczytajZrm(z.plik, p)) {
    z.odmowa = kreator::kZlyPlikZrm;
    return false;
  }
  z.siec = zadanie::SiecRozplywu(p);
  z.dane = zadanie::DaneRozplywu(opis, p);
  return true;
}

bool PrzygotujZwarcie(const zadanie::OpisUkladu& opis, const std::vector<std::string>& wiersze, Przygotowane& z) {
  z.plik = zwarcia::ZbudujZrz(wiersze);
  zwarcia::Przypadek p;
  if (!zwarcia::WczytajZrz(z.plik, p)) {
    z.odmowa = zwarcia::kZlyPlikZrz;
    return false;
  }
  z.siec = zadanie::SiecZwarciowa(p);
  z.dane = zadanie::DaneZwarcia(opis, p);
  return true;
}

int Uruchom(const std::vector<std::string>& a) {
  std::string opisPlik, katalog;
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i] == "--help" || a[i] == "-h") {
      std::cout << kPomoc;
      return 0;
    }
    if (a[i] == "--katalog" && i + 1 < a.size()) {
      katalog = a[++i];
    } else if (!a[i].starts_with("--") && opisPlik.empty()) {
      opisPlik = a[i];
    } else {
      std::cerr << "kreator_zadanie: niezrozumiały argument „" << a[i] << "”\n\n" << kPomoc;
      return 2;
    }
  }
  if (opisPlik.empty()) {
    std::cerr << "kreator_zadanie: brak pliku opisu\n\n" << kPomoc;
    return 2;
  }

  std::string bajty;
  if (!Czytaj(opisPlik, bajty)) return Odmowa("nie można odczytać pliku opisu „" + opisPlik + "”");
  zadanie::OpisUkladu opis;
  try {
    opis = zadanie::CzytajOpis(zadanie::NaUtf8(bajty));
  } catch (const zadanie::BladOpisu& b) {
    return Odmowa(opisPlik + ", " + b.what());
  }

  const bool zwarcie = opis.rodzaj == zadanie::Rodzaj::Zwarcie;
  const fs::path folder = fs::path(opisPlik).parent_path();
  const fs::path danePlik = folder / opis.dane;
  std::vector<std::string> wiersze;
  std::vector<int> numery;
  const zadanie::UkladPliku& uklad = zwarcie ? zadanie::UkladZrz() : zadanie::UkladZrm();
  if (!Czytaj(danePlik, bajty)) return Odmowa("nie można odczytać pliku danych „" + danePlik.string() + "”");
  try {
    wiersze = zadanie::WierszeDanych(bajty, &numery, uklad);
  } catch (const std::exception& b) {
    return Odmowa(danePlik.string() + ": " + b.what());
  }
  if (const auto bledy = zadanie::BledyDanych(wiersze, numery, uklad); !bledy.empty()) {
    for (const auto& b : bledy) std::cerr << "kreator_zadanie: " << danePlik.string() << ", " << b << '\n';
    return 1;
  }

  // The file as the program will read it, loaded back by the program's own loader.
  Przygotowane z;
  if (!(zwarcie ? PrzygotujZwarcie(opis, wiersze, z) : PrzygotujRozplyw(opis, wiersze, z)))
    return Odmowa("dane z pliku „" + danePlik.string() + "” nie tworzą prawidłowego pliku " + uklad.rozszerzenie +
                  " (program odpowie: „" + z.odmowa + "”).");
  if (const auto bledy = zadanie::NiezgodnosciZDanymi(opis, z.siec); !bledy.empty()) {
    for (const auto& b : bledy) std::cerr << "kreator_zadanie: " << opisPlik << ", " << b << '\n';
    return 1;
  }
  const zadanie::ProbneObliczenie proba =
      zwarcie ? zadanie::PrzeliczZwarcie(z.plik, opis) : zadanie::Przelicz(z.plik, opis);
  for (const auto& w : proba.wiersze) (proba.dobre ? std::cout : std::cerr) << w << '\n';
  if (!proba.dobre) return Odmowa("zadanie odrzucone, nic nie zapisano.");

  const fs::path cel = katalog.empty() ? folder : fs::path(katalog);
  std::error_code ec;
  if (!cel.empty()) fs::create_directories(cel, ec);
  const std::string baza = (cel / opis.wyjscie).string(), litera = zwarcie ? "Z" : "M";
  const auto nazwa = [&](const char* rodzaj) { return baza + "." + rodzaj + "R" + litera; };
  if (!ZapiszBajty(nazwa("Z"), z.plik)) return Odmowa("nie można zapisać „" + nazwa("Z") + "”");
  if (common::ZapiszTekstCp1250(nazwa("S"), zadanie::TekstZadania(opis)) != 0)
    return Odmowa("nie można zapisać „" + nazwa("S") + "”");
  if (!zadanie::ZapiszBmp(zadanie::RysujSchemat(opis, z.siec), nazwa("U")))
    return Odmowa("nie można zapisać „" + nazwa("U") + "”");
  if (!zadanie::ZapiszBmp(zadanie::RysujDane(opis.tytul, z.dane), nazwa("D")))
    return Odmowa("nie można zapisać „" + nazwa("D") + "”");
  std::cout << "Zapisano " << nazwa("Z") << ", .SR" << litera << ", .UR" << litera << ", .DR" << litera << '\n';
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
  return Uruchom(argumenty);
}
