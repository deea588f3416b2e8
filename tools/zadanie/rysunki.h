// The two pictures of an exercise, drawn with Qt into memory: the one-line
// scheme (".URM") and the table of element data (".DRM"). Black on white,
// DejaVu Sans, sized so that a student reads them at their own size.
#pragma once

#include <QImage>
#include <string>

#include "kreator/core/przypadek.h"
#include "tools/zadanie/opis.h"

namespace zadanie {

// The scheme: bus bars with their numbers, lines "L1".., transformers
// (two circles) "T1".., generator circles "G" (the slack one marked) and
// load arrows, the title on top. The size is the description's.
QImage RysujSchemat(const OpisUkladu& opis, const kreator::Przypadek& p);

// The element data as four gridded tables with Polish headers: lines,
// transformers, generator nodes, load nodes; the cells as the data give
// them. The height follows the number of rows.
QImage RysujDane(const OpisUkladu& opis, const kreator::Przypadek& p);

// Writes a 24-bit Windows bitmap; false when the file cannot be written.
bool ZapiszBmp(const QImage& obraz, const std::string& sciezka);

}  // namespace zadanie
