#include "common/ui/polski.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace common {

void PolskieTekstyQt(QCoreApplication& aplikacja) {
  const QLocale polski(QLocale::Polish, QLocale::Poland);
  QLocale::setDefault(polski);
  auto* tlumacz = new QTranslator(&aplikacja);
  if (tlumacz->load(polski, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(tlumacz);
  else
    delete tlumacz;
}

}  // namespace common
