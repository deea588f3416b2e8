// The two pictures of an exercise, drawn with Qt into memory: the one-line
// scheme (".URM", ".URZ") and the tables of element data (".DRM", ".DRZ").
// Black on white, DejaVu Sans, sized so that a student reads them at their
// own size.
#pragma once

#include <QImage>
#include <string>

#include "tools/zadanie/opis.h"
#include "tools/zadanie/siec.h"
#include "tools/zadanie/tabele_danych.h"

namespace zadanie {

// The scheme: bus bars with their numbers, lines "L1".., transformers
// (two circles) "T1".., generator circles "G" (the slack one marked),
// system boxes "S", load arrows, the fault's red lightning arrow "k", the
// title on top and a legend for the program's symbols at the bottom. The
// size is the description's.
QImage RysujSchemat(const OpisUkladu& opis, const Siec& s);

// The element data: the title, the rows of gridded tables, the remark
// under them. The size follows the tables.
QImage RysujDane(const std::string& tytul, const DaneElementow& dane);

// Writes a 24-bit Windows bitmap; false when the file cannot be written.
bool ZapiszBmp(const QImage& obraz, const std::string& sciezka);

}  // namespace zadanie
