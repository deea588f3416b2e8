// The load-flow case: the four element tables and the single values the
// wizard collects. The tables are the store of what the user typed; the
// computation reads them once, by column number, into the typed network
// of siec.h.
#pragma once

#include <string>

#include "common/core/siatka.h"

namespace kreator {

// Columns of the line table LinieSG.
enum KolumnaLinii { kLiniaPoczatek = 1, kLiniaKoniec, kLiniaNapiecie, kLiniaR, kLiniaX, kLiniaB, kLiniaDlugosc,
                    kLiniaTory };
// Columns of the transformer table TrafoSG.
enum KolumnaTrafo { kTrafoGorny = 1, kTrafoDolny, kTrafoUg, kTrafoUd, kTrafoSn, kTrafoPCu, kTrafoPFe, kTrafoUz,
                    kTrafoI0 };
// Columns of the generator table WElSG and of the load table WObcSG.
enum KolumnaWezlaElektrownianego { kElWezel = 1, kElNapiecie, kElMoc };
enum KolumnaOdbioru { kObcWezel = 1, kObcP, kObcQ };
inline constexpr int kKolumnyLinii = 9;
inline constexpr int kKolumnyTrafo = 10;
inline constexpr int kKolumnyWezlow = 4;  // WElSG and WObcSG
inline constexpr int kSzerokoscKolumny0Linii = 30;

enum class Tabela { Linie, Trafo, WEl, WObc };

struct Przypadek {
  common::TextGrid LinieSG, TrafoSG, WElSG, WObcSG;

  // Wizard state; a negative value means "not entered yet".
  int Krok = 0;
  int LiczbaWezlow = -1;
  int LiczbaLinii = -1;
  int LiczbaTransformatorow = -1;
  int WezelBilansujacy = -1;
  int NapiecieBilansujace = -1;
  int LiczbaWezlowElektrownianych = -1;
  int LiczbaWezlowObciazeniowych = -1;
  double Epsilon = -1.0;
  double ParametrRelaksacji = -1.0;
  std::string WezlyBezTypu;

  common::TextGrid& siatka(Tabela t);
  // Back to the values of a fresh start: Krok 0 and the seven counts -1;
  // with `tezLiczbyRzeczywiste` also epsilon and r.
  void wyzeruj(bool tezLiczbyRzeczywiste);
};

// Gives the table its column count, n + 1 rows, the header row and the row
// labels ("L1", "T1", "W. el. 1", "W. obc. 1").
void PrzygotujTabele(Przypadek& p, Tabela t, int n);

using common::WszystkieKomorkiSaLiczbami;

}  // namespace kreator
