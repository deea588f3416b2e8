// Message boxes and questions as real Qt dialogs, with Polish buttons.
#pragma once

#include <QPointer>
#include <QWidget>

#include "common/core/dialogi.h"

namespace common {

class QtDialogService : public DialogService {
 public:
  // Boxes are owned by `rodzic` so that they stay above it.
  void setParent(QWidget* rodzic) { rodzic_ = rodzic; }

  void message(Ikona ikona, const std::string& tytul, const std::string& tekst) override;
  bool askYesNo(const std::string& tytul, const std::string& tekst) override;
  std::optional<std::string> askSaveFileName(const ZapisPliku& zapis) override;

 private:
  QPointer<QWidget> rodzic_;
};

}  // namespace common
