// Checks the main-window tests of both programs make on every page: the
// prompt and the grid headers show whole, nothing cut off at an edge.
#pragma once

#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QStringList>
#include <QStyle>
#include <initializer_list>

#include "common/ui/siatka_widok.h"

namespace common::test {

// What is wrong with the prompt `L1` as laid out: empty when its text fits
// the label and ends above every visible control under it, all of them
// inside the window.
inline QString ZachetaUcieta(const QLabel* L1, std::initializer_list<const QWidget*> ponizej) {
  const QSize potrzebna(L1->wordWrap() ? 0 : L1->sizeHint().width(),
                        L1->wordWrap() ? L1->heightForWidth(L1->width()) : L1->sizeHint().height());
  const QString tekst = "\"" + L1->text() + "\": ";
  if (potrzebna.width() > L1->width() || potrzebna.height() > L1->height()) return tekst + "cut off";
  for (const QWidget* w : ponizej) {
    if (!w->isVisible()) continue;
    if (L1->y() + potrzebna.height() > w->y()) return tekst + "runs into " + w->objectName();
    if (w->geometry().bottom() >= L1->window()->height()) return tekst + w->objectName() + " below the window";
  }
  return {};
}

// The headers of `siatka` that do not show whole: a word wider than the room
// for text in its column, or wrapped lines taller than the header row.
inline QStringList NaglowkiUciete(const SiatkaWidok* siatka) {
  QStringList uciete;
  const QHeaderView* h = siatka->horizontalHeader();
  const int margines = h->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, h);
  const QFontMetrics fm(h->font());
  for (int c = 0; c < h->count(); ++c) {
    const QString tekst = siatka->model()->headerData(c, Qt::Horizontal).toString();
    const int miejsce = h->sectionSize(c) - 2 * margines;
    bool cale = true;
    for (const QString& slowo : tekst.split(' ', Qt::SkipEmptyParts))
      cale = cale && fm.horizontalAdvance(slowo) <= miejsce;
    const QRect r = fm.boundingRect(QRect(0, 0, miejsce, 1000), Qt::TextWordWrap | Qt::AlignCenter, tekst);
    if (!cale || r.height() > h->height() - 2 * margines) uciete << siatka->objectName() + ": " + tekst;
  }
  return uciete;
}

}  // namespace common::test
