#include "kreator/ui/tf_wynik.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QStyle>

#include "common/ui/tekst.h"

namespace kreator {

using common::Q;

namespace {
QPushButton* Przycisk(QWidget* rodzic, const char* nazwa, const QString& napis, const char* podpowiedz) {
  auto* b = new QPushButton(napis, rodzic);
  b->setObjectName(nazwa);
  b->setFlat(true);
  if (podpowiedz) b->setToolTip(QString::fromUtf8(podpowiedz));
  return b;
}
}  // namespace

TF_Wynik::TF_Wynik(OknoWynikow& stan, QWidget* rodzic)
    : QWidget(rodzic, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      stan_(stan) {
  setObjectName("TF_Wynik");
  Label1 = new QLabel("Otrzymane wyniki dla:", this);
  Label2 = new QLabel(this);
  Label3 = new QLabel(this);
  Label5 = new QLabel(QString::fromUtf8("dokładność obliczeń       = "), this);
  Label4 = new QLabel(this);
  int i = 1;
  for (QLabel* l : {Label1, Label2, Label3, Label4, Label5}) l->setObjectName(QString("Label%1").arg(i++));
  Label4->setObjectName("Label4");
  Label5->setObjectName("Label5");
  Label6 = new QLabel(this);
  Label6->setObjectName("Label6");
  QFont gruby = Label1->font();
  gruby.setBold(true);
  Label1->setFont(gruby);

  const QIcon lupa = style()->standardIcon(QStyle::SP_FileDialogContentsView);
  SpeedButton3 = Przycisk(this, "SpeedButton3", "Zapisz schemat", "Kliknij, aby zapisać symulowany schemat");
  SpeedButton4 = Przycisk(this, "SpeedButton4", "", "Kliknij, aby podglądnąć");
  SpeedButton4->setIcon(lupa);
  SpeedButton2 = Przycisk(this, "SpeedButton2", "Zapisz wyniki", "Kliknij, aby zobaczyć otrzymane wyniki");
  SpeedButton5 = Przycisk(this, "SpeedButton5", "", "Kliknij, aby podglądnąć");
  SpeedButton5->setIcon(lupa);
  SpeedButton1 = Przycisk(this, "SpeedButton1", "Zamknij", nullptr);
  SpeedButton2->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
  SpeedButton3->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
  SpeedButton1->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
  // The scheme buttons belong to exercises opened from files.
  SpeedButton3->hide();
  SpeedButton4->hide();

  auto* uklad = new QGridLayout(this);
  uklad->setSizeConstraint(QLayout::SetFixedSize);  // a small window of fixed size, as its contents need
  uklad->addWidget(Label1, 0, 0, 1, 3);
  uklad->addWidget(Label2, 1, 0, 1, 3);
  uklad->addWidget(Label3, 2, 0, 1, 3);
  auto* dokladnosc = new QHBoxLayout;
  dokladnosc->addWidget(Label5);
  dokladnosc->addWidget(Label4, 1);
  uklad->addLayout(dokladnosc, 3, 0, 1, 3);
  uklad->addWidget(Label6, 4, 0, 1, 3);
  uklad->addWidget(SpeedButton3, 5, 0);
  uklad->addWidget(SpeedButton4, 5, 1);
  uklad->addWidget(SpeedButton2, 6, 0);
  uklad->addWidget(SpeedButton5, 6, 1);
  uklad->addWidget(SpeedButton1, 7, 2);

  connect(SpeedButton5, &QPushButton::clicked, this, &TF_Wynik::podglad);
  connect(SpeedButton2, &QPushButton::clicked, this, &TF_Wynik::zapiszWyniki);
  connect(SpeedButton1, &QPushButton::clicked, this, &QWidget::close);
}

void TF_Wynik::odswiez() {
  setWindowTitle(Q(stan_.tytul));
  Label2->setText(Q(stan_.Label2));
  Label3->setText(Q(stan_.Label3));
  Label4->setText(Q(stan_.Label4));
  Label6->setText(Q(stan_.Label6));
  SpeedButton4->setVisible(!SpeedButton3->isHidden());
}

void TF_Wynik::closeEvent(QCloseEvent* e) {
  if (stan_.MoznaZamknac()) e->accept();
  else e->ignore();
}

void TF_Wynik::hideEvent(QHideEvent* e) {
  QWidget::hideEvent(e);
  emit ukryte();
}

}  // namespace kreator
