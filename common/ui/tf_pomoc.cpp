#include "common/ui/tf_pomoc.h"

#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QTextDocument>
#include <QVBoxLayout>
#include <QWindow>

#include "common/core/pomoc.h"
#include "common/ui/okna.h"

namespace common {

TF_Pomoc::TF_Pomoc(const QString& tytul, const QString& katalog, QWidget* rodzic)
    // On top like the wizard, so that it opens in front of it; a click on either brings it forward.
    : QWidget(rodzic, Qt::Window | Qt::WindowStaysOnTopHint), katalog_(katalog) {
  for (const std::string& s : StronyPomocy()) strony_ << QString::fromStdString(s);
  setObjectName("TF_Pomoc");
  setWindowTitle(tytul);
  Tekst = new QTextBrowser(this);
  Tekst->setObjectName("Tekst");
  Tekst->setOpenLinks(true);
  Tekst->setOpenExternalLinks(false);
  SpisBB = new QPushButton(QString::fromUtf8("Spis treści"), this);
  WsteczBB = new QPushButton(QString::fromUtf8("◀ Wstecz"), this);
  DalejBB = new QPushButton(QString::fromUtf8("Dalej ▶"), this);
  SzukajE = new QLineEdit(this);
  SzukajE->setPlaceholderText(QString::fromUtf8("szukane słowo"));
  SzukajBB = new QPushButton("Szukaj", this);
  StatusL = new QLabel(this);
  SpisBB->setObjectName("SpisBB");
  WsteczBB->setObjectName("WsteczBB");
  DalejBB->setObjectName("DalejBB");
  SzukajE->setObjectName("SzukajE");
  SzukajBB->setObjectName("SzukajBB");
  StatusL->setObjectName("StatusL");
  WsteczBB->setEnabled(false);
  DalejBB->setEnabled(false);

  auto* pasek = new QHBoxLayout;
  for (QWidget* w : std::initializer_list<QWidget*>{SpisBB, WsteczBB, DalejBB}) pasek->addWidget(w);
  pasek->addSpacing(12);
  pasek->addWidget(SzukajE, 1);
  pasek->addWidget(SzukajBB);
  auto* uklad = new QVBoxLayout(this);
  uklad->setContentsMargins(4, 4, 4, 4);
  uklad->addLayout(pasek);
  uklad->addWidget(Tekst, 1);
  uklad->addWidget(StatusL);

  connect(SpisBB, &QPushButton::clicked, this, [this] { Tekst->setSource(url(strony_.value(0))); });
  connect(WsteczBB, &QPushButton::clicked, Tekst, &QTextBrowser::backward);
  connect(DalejBB, &QPushButton::clicked, Tekst, &QTextBrowser::forward);
  connect(Tekst, &QTextBrowser::backwardAvailable, WsteczBB, &QWidget::setEnabled);
  connect(Tekst, &QTextBrowser::forwardAvailable, DalejBB, &QWidget::setEnabled);
  connect(Tekst, &QTextBrowser::sourceChanged, StatusL, &QLabel::clear);
  auto szukajWpisanego = [this] {
    if (!SzukajE->text().isEmpty()) szukaj(SzukajE->text());
  };
  connect(SzukajBB, &QPushButton::clicked, this, szukajWpisanego);
  connect(SzukajE, &QLineEdit::returnPressed, this, szukajWpisanego);
  for (QObject* o : std::initializer_list<QObject*>{Tekst, SzukajE, SpisBB, WsteczBB, DalejBB, SzukajBB})
    o->installEventFilter(this);
  resize(780, 580);
}

QUrl TF_Pomoc::url(const QString& adres) const {
  // "qrc:" is how the browser resolves the pages' relative links inside the resources.
  return QUrl("qrc" + katalog_ + "/" + adres);
}

void TF_Pomoc::pokaz(const QString& adres) {
  Tekst->setSource(url(adres));
  if (isVisible()) {
    Aktywuj(this);
    return;
  }
  // 10 pixels from the top left of the work area, frame included.
  const QRect obszar = ObszarEkranu();
  const Ramka ramka = RamkaOkien(this);
  PokazOkno(this, QRect(obszar.left() + ramka.lewo + 10, obszar.top() + ramka.gora + 10, width(), height()));
}

QString TF_Pomoc::adres() const {
  const QUrl u = Tekst->source();
  const QString plik = u.path().section('/', -1);
  return u.hasFragment() ? plik + "#" + u.fragment() : plik;
}

bool TF_Pomoc::szukaj(const QString& tekst) {
  StatusL->clear();
  if (Tekst->find(tekst)) return true;
  // From the beginning of the page shown, then the other pages in order.
  const QString biezaca = Tekst->source().path().section('/', -1);
  const int od = std::max(0, static_cast<int>(strony_.indexOf(biezaca)));
  for (int i = 0; i <= strony_.size(); ++i) {
    const QString strona = strony_.value((od + i) % std::max<qsizetype>(1, strony_.size()));
    if (i > 0) {
      QFile plik(katalog_ + "/" + strona);
      if (!plik.open(QIODevice::ReadOnly)) continue;
      QTextDocument dokument;
      dokument.setHtml(QString::fromUtf8(plik.readAll()));
      if (!dokument.toPlainText().contains(tekst, Qt::CaseInsensitive)) continue;
      Tekst->setSource(url(strona));
    }
    QTextCursor kursor = Tekst->textCursor();
    kursor.movePosition(QTextCursor::Start);
    Tekst->setTextCursor(kursor);
    if (Tekst->find(tekst)) return true;
  }
  StatusL->setText(QString::fromUtf8("Nie znaleziono: „") + tekst + QString::fromUtf8("”"));
  return false;
}

bool TF_Pomoc::eventFilter(QObject*, QEvent* e) {
  if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) {
    close();
    return true;
  }
  return false;
}

void TF_Pomoc::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape) close();
  else QWidget::keyPressEvent(e);
}

namespace {
class KlawiszPomocy : public QObject {
 public:
  KlawiszPomocy(TF_Pomoc* okno, std::function<QString(QWidget*)> adres)
      : QObject(okno), okno_(okno), adres_(std::move(adres)) {}
  bool eventFilter(QObject* obiekt, QEvent* e) override {
    if (e->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(e)->key() != Qt::Key_F1) return false;
    // The window of the widget the key went to: that is where the user looks.
    QWidget* cel = qobject_cast<QWidget*>(obiekt);
    if (auto* okno = qobject_cast<QWindow*>(obiekt)) cel = QWidget::find(okno->winId());
    QWidget* aktywne = cel ? cel->window() : QApplication::activeWindow();
    // In the help itself F1 changes nothing.
    if (aktywne != okno_) okno_->pokaz(adres_(aktywne));
    return true;
  }

 private:
  TF_Pomoc* okno_;
  std::function<QString(QWidget*)> adres_;
};
}  // namespace

void PodepnijF1(TF_Pomoc* okno, std::function<QString(QWidget* aktywne)> adres) {
  qApp->installEventFilter(new KlawiszPomocy(okno, std::move(adres)));
}

}  // namespace common
