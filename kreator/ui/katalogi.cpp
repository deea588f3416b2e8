#include "kreator/ui/katalogi.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>

#include "common/ui/okna.h"
#include "common/ui/tekst.h"

namespace kreator {

using common::Q;
using common::S;

namespace {

QComboBox* NowyCombo(QWidget* rodzic, const char* nazwa) {
  auto* cb = new QComboBox(rodzic);
  cb->setObjectName(nazwa);
  cb->setEditable(true);
  // A typed text is a choice, never a new item of the list.
  cb->setInsertPolicy(QComboBox::NoInsert);
  return cb;
}

// Puts a text into a combo: its item when it is one, otherwise as typed.
void UstawTekst(QComboBox* cb, const QString& tekst) {
  if (cb->currentText() == tekst && (!tekst.isEmpty() || cb->currentIndex() == -1)) return;
  const int i = tekst.isEmpty() ? -1 : cb->findText(tekst, Qt::MatchExactly);
  cb->setCurrentIndex(i);
  if (i < 0) cb->setEditText(tekst);
}

}  // namespace

OknoKatalogu::OknoKatalogu(Katalog& katalog, const char* nazwa, const char* tytul, const char* naglowek,
                           const char* nazwaKatalogu, const std::vector<Pole>& pola, const char* nazwaNumeru,
                           const char* etykietaNumeru, QWidget* rodzic)
    : QWidget(rodzic, Qt::Tool | Qt::WindowStaysOnTopHint), k_(katalog) {
  setObjectName(nazwa);
  setWindowTitle(QString::fromUtf8(tytul));

  NaglowekL = new QLabel(QString::fromUtf8(naglowek), this);
  NaglowekL->setObjectName("NaglowekL");
  katalogCB_ = NowyCombo(this, nazwaKatalogu);
  for (const auto& poz : k_.pozycje()) katalogCB_->addItem(Q(poz.nazwa));
  katalogCB_->setMaxVisibleItems(20);
  katalogCB_->setMinimumContentsLength(32);

  auto* uklad = new QGridLayout(this);
  uklad->addWidget(NaglowekL, 0, 0, 1, 2);
  uklad->addWidget(katalogCB_, 1, 0, 1, 2);
  int wiersz = 2;
  for (const Pole& p : pola) {
    auto* etykieta = new QLabel(QString::fromUtf8(p.etykieta), this);
    auto* pole = new QLineEdit(this);
    pole->setObjectName(p.nazwa);
    etykieta->setObjectName(QString(p.nazwa).chopped(1) + "L");
    etykieta->setBuddy(pole);
    uklad->addWidget(etykieta, wiersz, 0);
    uklad->addWidget(pole, wiersz++, 1);
    if (p.filtr) filtr_.pilnujPola(pole);
    else pole->installEventFilter(this);
    pola_.push_back(pole);
  }
  auto* numerL = new QLabel(QString::fromUtf8(etykietaNumeru), this);
  numerCB_ = NowyCombo(this, nazwaNumeru);
  numerL->setObjectName(QString(nazwaNumeru).chopped(2) + "L");
  numerL->setBuddy(numerCB_);
  uklad->addWidget(numerL, wiersz, 0);
  uklad->addWidget(numerCB_, wiersz++, 1);

  WstawBB = new QPushButton("Wstaw", this);
  WstawBB->setObjectName("WstawBB");
  okBB = new QPushButton("OK", this);
  okBB->setObjectName("okBB");
  auto* przyciski = new QHBoxLayout;
  przyciski->addStretch();
  przyciski->addWidget(WstawBB);
  przyciski->addWidget(okBB);
  uklad->addLayout(przyciski, wiersz, 0, 1, 2);

  // The keys of the whole window: Enter inserts, Escape closes.
  for (QObject* o : std::initializer_list<QObject*>{katalogCB_, katalogCB_->lineEdit(), numerCB_,
                                                    numerCB_->lineEdit(), WstawBB, okBB})
    o->installEventFilter(this);
  connect(&filtr_, &common::FiltrKlawiszy::enter, this, [this] { enter(nullptr); });
  connect(&filtr_, &common::FiltrKlawiszy::escape, this, &QWidget::close);

  connect(katalogCB_, &QComboBox::currentTextChanged, this, [this](const QString& t) {
    if (rysuje_) return;
    k_.zmienPozycje(S(t));
    rysuj();
  });
  for (std::size_t i = 0; i < pola_.size(); ++i)
    connect(pola_[i], &QLineEdit::textChanged, this, [this, i](const QString& t) {
      if (rysuje_) return;
      k_.ustawPole(static_cast<int>(i), S(t));
      rysuj();
    });
  connect(numerCB_, &QComboBox::currentTextChanged, this, [this](const QString& t) {
    if (rysuje_) return;
    k_.ustawNumer(S(t));
    rysuj();
  });
  connect(WstawBB, &QPushButton::clicked, this, &OknoKatalogu::WstawBBClick);
  connect(okBB, &QPushButton::clicked, this, &QWidget::close);

  rysuj();
}

void OknoKatalogu::otworz(int liczba, int wiersz) {
  k_.otworz(liczba, wiersz);
  rysuj();
  katalogCB_->setFocus();
  common::PokazOkno(this);
}

void OknoKatalogu::WstawBBClick() {
  const bool wstawiony = k_.Wstaw();
  rysuj();
  if (wstawiony) emit wstawiono();
}

void OknoKatalogu::rysuj() {
  rysuje_ = true;
  UstawTekst(katalogCB_, Q(k_.pozycja()));
  for (std::size_t i = 0; i < pola_.size(); ++i)
    if (pola_[i]->text() != Q(k_.pola()[i])) pola_[i]->setText(Q(k_.pola()[i]));
  QStringList numery;
  for (const auto& n : k_.numery()) numery << Q(n);
  QStringList sa;
  for (int i = 0; i < numerCB_->count(); ++i) sa << numerCB_->itemText(i);
  if (sa != numery) {
    numerCB_->clear();
    numerCB_->addItems(numery);
  }
  UstawTekst(numerCB_, Q(k_.numer()));
  WstawBB->setEnabled(k_.wstawAktywny());
  rysuje_ = false;
}

// Enter on a focused button is that button's click; elsewhere it is
// "Wstaw" while that is enabled.
void OknoKatalogu::enter(QObject* obiekt) {
  if (obiekt == okBB) close();
  else if (WstawBB->isEnabled()) WstawBBClick();
}

bool OknoKatalogu::eventFilter(QObject* obiekt, QEvent* e) {
  if (e->type() != QEvent::KeyPress) return false;
  switch (static_cast<QKeyEvent*>(e)->key()) {
    case Qt::Key_Escape: close(); return true;
    case Qt::Key_Return: case Qt::Key_Enter: enter(obiekt); return true;
    default: return false;
  }
}

void OknoKatalogu::keyPressEvent(QKeyEvent* e) {
  if (!eventFilter(this, e)) QWidget::keyPressEvent(e);
}

TKatalogLini::TKatalogLini(Katalog& katalog, QWidget* rodzic)
    : OknoKatalogu(katalog, "TKatalogLini", "Katalog linii", "Dostępne linie w katalogu", "KatalogLiniCB",
                   {{"RezE", "Rezystancja jednostkowa linii [om/km]", true},
                    {"ReakE", "Reaktancja jednostkowa linii [om/km]", true},
                    {"SuscE", "Susceptancja jednostkowa linii [µS/km]", true},
                    {"DlugE", "Długość linii [km]", true},
                    {"ToryE", "Liczba torów", false}},
                   "NrLiniCB", "Wstaw jako linia", rodzic) {
  KatalogLiniCB = katalogCB_;
  NrLiniCB = numerCB_;
  RezE = pola_[0];
  ReakE = pola_[1];
  SuscE = pola_[2];
  DlugE = pola_[3];
  ToryE = pola_[4];
}

TKatalogTrafo::TKatalogTrafo(Katalog& katalog, QWidget* rodzic)
    : OknoKatalogu(katalog, "TKatalogTrafo", "Katalog transformatorów", "Dostępne transformatory w katalogu",
                   "KatalogTrafoCB",
                   {{"NapGE", "Napięcie znamionowe górne [kV]", true},
                    {"NapDE", "Napięcie znamionowe dolne [kV]", true},
                    {"MocPE", "Moc znamionowa pozorna [MVA]", true},
                    {"PCuE", "Straty w miedzi PCu [kW]", true},
                    {"PFeE", "Straty w żelazie PFe [kW]", true},
                    {"UzPrE", "Napięcie zwarcia [%]", true},
                    {"I0PrE", "Prąd stanu jałowego [%]", true}},
                   "NrTrafoCB", "Wstaw jako transformator", rodzic) {
  KatalogTrafoCB = katalogCB_;
  NrTrafoCB = numerCB_;
  NapGE = pola_[0];
  NapDE = pola_[1];
  MocPE = pola_[2];
  PCuE = pola_[3];
  PFeE = pola_[4];
  UzPrE = pola_[5];
  I0PrE = pola_[6];
}

}  // namespace kreator
