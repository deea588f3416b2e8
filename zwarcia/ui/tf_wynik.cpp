#include "zwarcia/ui/tf_wynik.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QStyle>

#include "common/ui/tekst.h"

namespace zwarcia {

using common::Q;
using common::S;

namespace {

QLineEdit* Pole(QWidget* rodzic, const char* nazwa, bool edytowalne) {
  auto* p = new QLineEdit(rodzic);
  p->setObjectName(nazwa);
  p->setFrame(false);
  p->setReadOnly(!edytowalne);
  p->setFixedWidth(90);
  p->setAlignment(Qt::AlignRight);
  return p;
}

// The symbol of a quantity, drawn as rich text: I″k, κ, ip, Ib, m, Ith;
// before a box it reads "symbol =".
QLabel* Symbol(QWidget* rodzic, const QString& html, bool rowna = true) {
  auto* l = new QLabel(rowna ? html + " =" : html, rodzic);
  QFont f = l->font();
  f.setItalic(true);
  f.setPointSizeF(f.pointSizeF() * 1.15);
  l->setFont(f);
  return l;
}

QPushButton* Przycisk(QWidget* rodzic, const char* nazwa, const char* napis, const char* podpowiedz,
                      QStyle::StandardPixmap ikona) {
  auto* b = new QPushButton(QString::fromUtf8(napis), rodzic);
  b->setObjectName(nazwa);
  b->setFlat(true);
  if (podpowiedz) b->setToolTip(QString::fromUtf8(podpowiedz));
  b->setIcon(rodzic->style()->standardIcon(ikona));
  return b;
}

}  // namespace

TF_wynik::TF_wynik(OknoWyniku& stan, QWidget* rodzic)
    : QWidget(rodzic, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      stan_(stan) {
  setObjectName("F_wynik");
  Label1 = new QLabel("Otrzymane wyniki:", this);
  Label1->setObjectName("Label1");
  QFont gruby = Label1->font();
  gruby.setBold(true);
  Label1->setFont(gruby);
  PrPoczE = Pole(this, "PrPoczE", false);
  WspUdaruE = Pole(this, "WspUdaruE", true);
  PrZwUdarE = Pole(this, "PrZwUdarE", false);
  PrWylSymE = Pole(this, "PrWylSymE", false);
  WspME = Pole(this, "WspME", true);
  PrZwCieplnyE = Pole(this, "PrZwCieplnyE", false);
  filtr_.pilnujPola(WspUdaruE);
  filtr_.pilnujPola(WspME);

  SpeedButton6 = Przycisk(this, "SpeedButton6", "", "Kliknij, aby wyświetlić wykres", QStyle::SP_FileDialogDetailedView);
  SpeedButton7 = Przycisk(this, "SpeedButton7", "", "Kliknij, aby wyświetlić wykres", QStyle::SP_FileDialogDetailedView);
  SpeedButton3 = Przycisk(this, "SpeedButton3", "Zapisz schemat", "Kliknij, aby zapisać symulowany schemat",
                          QStyle::SP_DialogSaveButton);
  SpeedButton4 = Przycisk(this, "SpeedButton4", "", "Kliknij, aby podglądnąć", QStyle::SP_FileDialogContentsView);
  SpeedButton2 = Przycisk(this, "SpeedButton2", "Zapisz wyniki", "Kliknij, aby zobaczyć otrzymane wyniki",
                          QStyle::SP_DialogSaveButton);
  SpeedButton5 = Przycisk(this, "SpeedButton5", "", "Kliknij, aby podglądnąć", QStyle::SP_FileDialogContentsView);
  SpeedButton1 = Przycisk(this, "SpeedButton1", "Zamknij", nullptr, QStyle::SP_DialogCloseButton);
  SpeedButton3->hide();
  SpeedButton4->hide();

  // Columns: the factor's symbol before its caption, the caption, "symbol ="
  // before the box, the box, its unit, the chart button.
  auto* u = new QGridLayout(this);
  u->setSizeConstraint(QLayout::SetFixedSize);  // a small window of fixed size, as its contents need
  int w = 0;
  u->addWidget(Label1, w++, 0, 1, 6);
  auto wiersz = [&](const char* opis, QLabel* przedOpisem, QLabel* przedPolem, QLineEdit* pole, bool kA,
                    QWidget* koniec = nullptr) {
    if (przedOpisem) u->addWidget(przedOpisem, w, 0);
    u->addWidget(new QLabel(QString::fromUtf8(opis), this), w, 1);
    if (przedPolem) u->addWidget(przedPolem, w, 2);
    u->addWidget(pole, w, 3);
    if (kA) u->addWidget(new QLabel("kA", this), w, 4);
    if (koniec) u->addWidget(koniec, w, 5);
    ++w;
  };
  wiersz("Prąd zwarciowy początkowy:", nullptr, Symbol(this, "I″<sub>k</sub>"), PrPoczE, true);
  wiersz("- współczynnik udaru odczytany z wykresu", Symbol(this, "κ", false), nullptr, WspUdaruE, false,
         SpeedButton6);
  wiersz("Prąd zwarciowy udarowy:", nullptr, Symbol(this, "i<sub>p</sub>"), PrZwUdarE, true);
  wiersz("Prąd wyłączeniowy symetryczny:", nullptr, Symbol(this, "I<sub>b</sub>"), PrWylSymE, true);
  wiersz("- współczynnik uwzględniający wpływ cieplny składowej \n  nieokresowej prądu zwarciowego odczytany z wykresu",
         Symbol(this, "m", false), Symbol(this, "m"), WspME, false, SpeedButton7);
  wiersz("Prąd zwarciowy cieplny:", nullptr, Symbol(this, "I<sub>th</sub>"), PrZwCieplnyE, true);
  auto* dol = new QHBoxLayout;
  for (QPushButton* b : {SpeedButton3, SpeedButton4, SpeedButton2, SpeedButton5}) dol->addWidget(b);
  dol->addStretch();
  dol->addWidget(SpeedButton1);
  u->addLayout(dol, w, 0, 1, 6);

  connect(WspUdaruE, &QLineEdit::textEdited, this, [this](const QString& t) { wpiszWspUdaru(t); });
  connect(WspME, &QLineEdit::textEdited, this, [this](const QString& t) { wpiszWspM(t); });
  connect(&filtr_, &common::FiltrKlawiszy::escape, this, &QWidget::close);
  connect(SpeedButton6, &QPushButton::clicked, this, &TF_wynik::wykresUdaru);
  connect(SpeedButton7, &QPushButton::clicked, this, &TF_wynik::wykresM);
  connect(SpeedButton5, &QPushButton::clicked, this, &TF_wynik::podglad);
  connect(SpeedButton2, &QPushButton::clicked, this, &TF_wynik::zapiszWyniki);
  connect(SpeedButton1, &QPushButton::clicked, this, &QWidget::close);
  odswiez();
}

void TF_wynik::odswiez() {
  setWindowTitle(Q(stan_.tytul));
  Label1->setText(Q(stan_.Label1.empty() ? std::string("Otrzymane wyniki:") : stan_.Label1));
  const std::pair<QLineEdit*, const std::string*> pola[] = {
      {PrPoczE, &stan_.PrPoczE}, {WspUdaruE, &stan_.WspUdaruE}, {PrZwUdarE, &stan_.PrZwUdarE},
      {PrWylSymE, &stan_.PrWylSymE}, {WspME, &stan_.WspME}, {PrZwCieplnyE, &stan_.PrZwCieplnyE}};
  for (auto [pole, tekst] : pola)
    if (pole->text() != Q(*tekst)) pole->setText(Q(*tekst));
  WspME->setEnabled(stan_.wspMAktywne);
  SpeedButton7->setEnabled(stan_.wspMAktywne);
  SpeedButton2->setEnabled(stan_.zapisMozliwy());
  SpeedButton5->setEnabled(stan_.zapisMozliwy());
  SpeedButton4->setVisible(!SpeedButton3->isHidden());
}

void TF_wynik::wpiszWspUdaru(const QString& tekst) {
  stan_.ZmienWspUdaru(S(tekst));
  odswiez();
}

void TF_wynik::wpiszWspM(const QString& tekst) {
  stan_.ZmienWspM(S(tekst));
  odswiez();
}

void TF_wynik::closeEvent(QCloseEvent* e) {
  if (stan_.MoznaZamknac()) e->accept();
  else e->ignore();
}

void TF_wynik::hideEvent(QHideEvent* e) {
  QWidget::hideEvent(e);
  emit ukryte();
}

void TF_wynik::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape) close();
  else QWidget::keyPressEvent(e);
}

}  // namespace zwarcia
