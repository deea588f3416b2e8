// The pictures of the windows, drawn by the program: a tall strip with a
// transmission tower for the background's left edge and a small emblem for
// the lamp strip of the main window.
#pragma once

#include <QPixmap>

namespace common {

// Proportions of the background's side picture: width : height = 542 : 1830.
inline constexpr int kObrazekBocznySzerokosc = 542;
inline constexpr int kObrazekBocznyWysokosc = 1830;

QPixmap ObrazekBoczny();
QPixmap Godlo(int bok);

}  // namespace common
