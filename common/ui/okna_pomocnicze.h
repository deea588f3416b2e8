// The secondary windows of the load-flow program. All are created once at
// start-up; closing one only hides it.
#pragma once

#include <QImage>
#include <optional>
#include <string>

#include "common/core/dialogi.h"
#include <QLabel>
#include <QPlainTextEdit>
#include <QWidget>

namespace common {

// Report preview: a read-only text filling the window.
class TF_Podglad : public QWidget {
  Q_OBJECT
 public:
  explicit TF_Podglad(QWidget* rodzic = nullptr);
  QPlainTextEdit* MemoGlowne;

 protected:
  bool eventFilter(QObject* obiekt, QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
};

// A resizable tool window that shows one picture of an exercise: the
// network scheme stretched with the window, or the element data at its own
// size with scroll bars.
class OknoObrazka : public QWidget {
  Q_OBJECT
 public:
  OknoObrazka(const char* nazwa, const char* tytul, const char* nazwaObrazka, bool rozciagaj,
              QWidget* rodzic = nullptr);
  void ustaw(const QImage& obraz);
  QLabel* obrazek;

 signals:
  void podwojneKlikniecie();  // on the picture

 protected:
  bool eventFilter(QObject* obiekt, QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
};

// Reads a Windows bitmap, refusing what is not one or is too large to show.
QImage WczytajBitmape(const QString& sciezka);

// The report preview beside the results window when there is room, else
// under or over it, else at the top right of the screen.
void PokazPodglad(TF_Podglad* podglad, const QWidget* wyniki);

// The scheme picture of an exercise in its window at the top right of the
// screen, at the picture's size, or, when the wizard `kreator` would lie
// under it there, beside the wizard where the picture fits; `plik` is the
// companion file if there is one. The messages say why there is nothing to show.
void PokazSchemat(DialogService& dialogi, OknoObrazka& okno, const std::optional<std::string>& plik,
                  const char* brakPliku, const char* zlyPlik, const QWidget* kreator);
// The element-data picture at the top left, 200 pixels high, as wide as the picture.
void PokazDaneElementow(DialogService& dialogi, OknoObrazka& okno, const std::optional<std::string>& plik,
                        const char* brakPliku, const char* zlyPlik);


}  // namespace common
