// An exercise checked as its program will take it: the data lines built
// into the exercise file, that file loaded back with the program's own
// loader, the description held against what was loaded, and the trial run.
// A single exercise and every variant of one pass through here, so a
// variant is accepted exactly when it would be accepted on its own.
#pragma once

#include <string>
#include <vector>

#include "tools/zadanie/opis.h"
#include "tools/zadanie/pliki.h"
#include "tools/zadanie/siec.h"
#include "tools/zadanie/tabele_danych.h"

namespace zadanie {

struct Przygotowane {
  std::string plik;                       // the ".ZRM" or ".ZRZ" bytes as they are written
  Siec siec;                              // what the scheme draws
  DaneElementow dane;                     // what the data picture shows; none above kMaksWezlowRysunku
  std::string odmowaPliku;                // the loader's message when it refuses the file
  std::vector<std::string> niezgodnosci;  // between the description and the data
  ProbneObliczenie proba;                 // run only once the file and the description fit

  bool dobre() const { return odmowaPliku.empty() && niezgodnosci.empty() && proba.dobre; }
};

// The data lines (Windows-1250, as WierszeDanych gives them) of the
// description's program, checked in this order; each stage runs only when
// the one before passed.
Przygotowane Przygotuj(const OpisUkladu& opis, const std::vector<std::string>& wiersze);

}  // namespace zadanie
