// The short-circuit case: the four element tables and the single values the
// wizard collects. The tables are the store of what the user typed; once
// the configuration check has passed, the computation turns them once into
// the typed network model of siec.h and works on that.
#pragma once

#include <string>

#include "common/core/siatka.h"

namespace zwarcia {

enum class Tabela { Systemy, Generatory, Trafo, Linie };

// Columns of the four element tables; column 0 holds the row labels.
enum KolumnaSystemu { kSystemWezel = 1, kSystemMoc };
enum KolumnaGeneratora { kGeneratorWezel = 1, kGeneratorMoc, kGeneratorXd, kGeneratorLiczba };
enum KolumnaTrafo { kTrafoWezelGorny = 1, kTrafoWezelDolny, kTrafoMoc, kTrafoPCu, kTrafoUz, kTrafoLiczba };
enum KolumnaLinii { kLiniaPoczatek = 1, kLiniaKoniec, kLiniaNapiecie, kLiniaR, kLiniaX, kLiniaDlugosc, kLiniaTory };

inline constexpr int kKolumnySystemow = 3;
inline constexpr int kKolumnyGeneratorow = 5;
inline constexpr int kKolumnyTrafo = 7;
inline constexpr int kKolumnyLinii = 8;

struct Przypadek {
  common::TextGrid SystemySG, GeneratorySG, TrafoSG, LinieSG;

  // Wizard state; a negative value means "not entered yet".
  int Krok = 0;
  int LiczbaWezlow = -1;
  int LiczbaWezlowSystemow = -1;
  int LiczbaWezlowGeneratorow = -1;
  int LiczbaTransformatorow = -1;
  int LiczbaLinii = -1;
  int WezelZwarcia = -1;
  double NapiecieZwarcia = -1.0;  // kV, a whole number
  double CzasZwarcia = -1.0;      // s

  common::TextGrid& siatka(Tabela t);
  const common::TextGrid& siatka(Tabela t) const;
  // Every value back to its initial value.
  void wyzeruj();
};

// Gives the table its column count, n + 1 rows, the header row and the row
// labels ("S1", "G1", "T1", "L1"); data cells keep their text.
void PrzygotujTabele(Przypadek& p, Tabela t, int n);

using common::WszystkieKomorkiSaLiczbami;

}  // namespace zwarcia
