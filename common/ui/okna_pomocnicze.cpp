#include "common/ui/okna_pomocnicze.h"

#include "common/core/limity.h"
#include "common/ui/okna.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QScreen>
#include <QKeyEvent>
#include <QScrollArea>
#include <QVBoxLayout>

namespace common {

TF_Podglad::TF_Podglad(QWidget* rodzic)
    : QWidget(rodzic, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setObjectName("TF_Podglad");
  setWindowTitle(QString::fromUtf8("Podgląd pliku wynikowego"));
  MemoGlowne = new QPlainTextEdit(this);
  MemoGlowne->setObjectName("MemoGlowne");
  MemoGlowne->setReadOnly(true);
  MemoGlowne->setFrameShape(QFrame::NoFrame);
  MemoGlowne->setLineWrapMode(QPlainTextEdit::NoWrap);
  MemoGlowne->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  MemoGlowne->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  QFont staly("DejaVu Sans Mono");
  staly.setStyleHint(QFont::Monospace);
  MemoGlowne->setFont(staly);
  MemoGlowne->installEventFilter(this);
  auto* uklad = new QVBoxLayout(this);
  uklad->setContentsMargins(0, 0, 0, 0);
  uklad->addWidget(MemoGlowne);
  resize(640, 600);
}

bool TF_Podglad::eventFilter(QObject*, QEvent* e) {
  if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) {
    close();
    return true;
  }
  return false;
}

void TF_Podglad::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape) close();
  else QWidget::keyPressEvent(e);
}

OknoObrazka::OknoObrazka(const char* nazwa, const char* tytul, const char* nazwaObrazka, bool rozciagaj,
                         QWidget* rodzic)
    : QWidget(rodzic, Qt::Tool | Qt::WindowStaysOnTopHint) {
  setObjectName(nazwa);
  setWindowTitle(QString::fromUtf8(tytul));
  obrazek = new QLabel;
  obrazek->setObjectName(nazwaObrazka);
  obrazek->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  obrazek->installEventFilter(this);
  auto* uklad = new QVBoxLayout(this);
  uklad->setContentsMargins(0, 0, 0, 0);
  if (rozciagaj) {
    // The picture follows the window when the user resizes it.
    obrazek->setScaledContents(true);
    obrazek->setMinimumSize(1, 1);
    uklad->addWidget(obrazek);
  } else {
    auto* przewijanie = new QScrollArea;
    przewijanie->setWidget(obrazek);
    przewijanie->setFrameShape(QFrame::NoFrame);
    przewijanie->setBackgroundRole(QPalette::Window);
    uklad->addWidget(przewijanie);
  }
}

bool OknoObrazka::eventFilter(QObject*, QEvent* e) {
  if (e->type() == QEvent::MouseButtonDblClick) emit podwojneKlikniecie();
  return false;
}

void OknoObrazka::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape) close();
  else QWidget::keyPressEvent(e);
}

void OknoObrazka::ustaw(const QImage& obraz) {
  obrazek->setPixmap(QPixmap::fromImage(obraz));
  if (!obrazek->hasScaledContents()) obrazek->resize(obraz.size());
}

QImage WczytajBitmape(const QString& sciezka) {
  QImageReader czytnik(sciezka, "bmp");
  czytnik.setDecideFormatFromContent(false);
  const QSize rozmiar = czytnik.size();
  // A picture larger than any screen is refused before it is decoded.
  if (!rozmiar.isValid() || rozmiar.width() > kMaksBokObrazu || rozmiar.height() > kMaksBokObrazu) return {};
  return czytnik.read();
}


namespace {
// The picture read from `plik`, or a null picture after the right message.
QImage Obraz(DialogService& dialogi, const std::optional<std::string>& plik, const char* brakPliku,
             const char* zlyPlik) {
  if (!plik) {
    dialogi.error(brakPliku);
    return {};
  }
  QImage obraz = WczytajBitmape(QString::fromStdString(*plik));
  if (obraz.isNull()) dialogi.error(zlyPlik);
  return obraz;
}
}  // namespace

void PokazPodglad(TF_Podglad* podglad, const QWidget* wyniki) {
  const QRect obszar = ObszarEkranu();
  const Ramka ramka = RamkaOkien(podglad);
  const int szer = podglad->width(), wys = podglad->height();
  std::optional<Prostokat> miejsce;
  if (wyniki && wyniki->isVisible()) {
    const Prostokat zajete = CaleOkno(wyniki);
    for (Strona s : {Strona::Prawa, Strona::Lewa, Strona::Dol, Strona::Gora})
      if (!miejsce) miejsce = ObokOkna(zajete, s, szer, wys, 240, ramka, NaProstokat(obszar));
  }
  // The usual place: 10 pixels from the top and right edges.
  PokazOkno(podglad, miejsce ? NaQRect(*miejsce)
                             : QRect(obszar.right() + 1 - szer - ramka.prawo - 10, obszar.top() + ramka.gora + 10,
                                     szer, wys));
}

void PokazSchemat(DialogService& dialogi, OknoObrazka& okno, const std::optional<std::string>& plik,
                  const char* brakPliku, const char* zlyPlik, const QWidget* kreator) {
  const QImage obraz = Obraz(dialogi, plik, brakPliku, zlyPlik);
  if (obraz.isNull()) return;
  okno.ustaw(obraz);
  const QRect obszar = ObszarEkranu();
  const Ramka ramka = RamkaOkien(&okno);
  const int szer = obraz.width(), wys = obraz.height();
  QRect miejsce(obszar.right() + 1 - szer - ramka.prawo - 10, obszar.top() + ramka.gora + 10, szer, wys);
  if (kreator && kreator->isVisible()) {
    const Prostokat zajete = CaleOkno(kreator);
    if (Nachodza(ZRamka(ZmiescWObszarze(NaProstokat(miejsce), ramka, NaProstokat(obszar)), ramka), zajete))
      for (Strona s : {Strona::Prawa, Strona::Gora, Strona::Lewa, Strona::Dol})
        if (auto o = ObokOkna(zajete, s, szer, wys, wys, ramka, NaProstokat(obszar))) {
          miejsce = NaQRect(*o);
          break;
        }
  }
  PokazOkno(&okno, miejsce);
}

void PokazDaneElementow(DialogService& dialogi, OknoObrazka& okno, const std::optional<std::string>& plik,
                        const char* brakPliku, const char* zlyPlik) {
  const QImage obraz = Obraz(dialogi, plik, brakPliku, zlyPlik);
  if (obraz.isNull()) return;
  okno.ustaw(obraz);
  // The frame, not its inside, at 10, 10: the title bar stays on the screen.
  const QRect obszar = ObszarEkranu();
  const Ramka ramka = RamkaOkien(&okno);
  PokazOkno(&okno, QRect(obszar.left() + ramka.lewo + 10, obszar.top() + ramka.gora + 10, obraz.width() + 30, 200));
}

}  // namespace common
