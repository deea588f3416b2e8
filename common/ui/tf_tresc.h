// The task statement of an exercise in a window of its own, opened from the
// background's "Treść zadania": the whole text, read only, wrapped to the
// window's width; OK or Escape closes it.
#pragma once

#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>
#include <string>

#include "common/core/dialogi.h"

namespace common {

class TF_Tresc : public QWidget {
  Q_OBJECT
 public:
  explicit TF_Tresc(QWidget* rodzic = nullptr);
  // Replaces the text shown and goes back to its beginning.
  void ustaw(const QString& tekst);

  QPlainTextEdit* MemoTresc;
  QPushButton* OkBB;

 protected:
  // Escape closes the window wherever the keyboard is inside it.
  bool eventFilter(QObject* obiekt, QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
};

// The task statement beside the exercise `argument` (its extension replaced
// by `rozszerzenie`) in the window, 10 pixels from the top left of the work
// area, 600 × 400 or less; a file that cannot be read gets its message.
void PokazTresc(DialogService& dialogi, TF_Tresc& okno, const std::string& argument, const char* rozszerzenie);

}  // namespace common
