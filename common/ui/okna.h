// How the windows of both programs behave on a desktop with a window
// manager: which window each one belongs to, where it opens, and that it
// takes the keyboard when it does.
#pragma once

#include <QRect>
#include <QWidget>

#include "common/core/okno.h"

namespace common {

// Marks `okno` as belonging to `wlasciciel` (transient for it): every window
// manager keeps it above its owner and gives the owner the focus back when
// it closes. Unlike a Qt parent this neither disables it with its owner nor
// deletes it with it.
void UstawWlasciciela(QWidget* okno, QWidget* wlasciciel);

// While `okno` is open the disabled `zablokowane` waits for it: when the
// window manager gives the keyboard to `zablokowane` (after a click on it,
// or when a window above closes), `okno` takes it instead.
void PrzekazujAktywacje(QWidget* zablokowane, QWidget* okno);

// The screen's work area (less the desktop's panels) and the frame the
// window manager puts around `okno`: its own where the platform knows it,
// else that of a window already shown.
QRect ObszarEkranu();
Ramka RamkaOkien(QWidget* okno = nullptr);
Prostokat NaProstokat(const QRect& r);
QRect NaQRect(const Prostokat& p);
// The whole window, frame included; a hidden window's from its inside.
Prostokat CaleOkno(const QWidget* okno);

// Shows a window with its inside at `wnetrze`, moved and if need be shrunk
// into the work area, in front of its owner and with the keyboard focus.
void PokazOkno(QWidget* okno, const QRect& wnetrze);
// The same where it stands now.
void PokazOkno(QWidget* okno);
// The same in the middle of the screen.
void PokazNaSrodku(QWidget* okno);
// Gives an already shown window the keyboard focus again.
void Aktywuj(QWidget* okno);

}  // namespace common
