// The task statement of an exercise in a window of its own, opened from the
// background's "Treść zadania": the whole text, read only, wrapped to the
// window's width; OK or Escape closes it.
#pragma once

#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

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

}  // namespace common
