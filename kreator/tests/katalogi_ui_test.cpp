// The real catalogue windows, offscreen: choosing an entry, picking a row,
// Wstaw by click and by Enter, the key filter, refusals and Escape.
#include <QSignalSpy>
#include <QtTest>

#include "common/core/dialogi.h"
#include "kreator/ui/katalogi.h"

using namespace kreator;

class KatalogiTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<Przypadek> p;
  std::unique_ptr<common::RecordingDialogService> d;
  std::unique_ptr<Katalog> kl, kt;
  std::unique_ptr<TKatalogLini> linie;
  std::unique_ptr<TKatalogTrafo> trafo;

  QStringList wiersz(const common::TextGrid& g, int w) {
    QStringList t;
    for (int k = 1; k < g.colCount(); ++k) t << QString::fromStdString(g.cell(k, w));
    return t;
  }
  static QStringList teksty(std::initializer_list<QLineEdit*> pola) {
    QStringList t;
    for (auto* e : pola) t << e->text();
    return t;
  }
  // The label that names a control.
  QString etykieta(QWidget* okno, QWidget* pole) {
    for (auto* l : okno->findChildren<QLabel*>())
      if (l->buddy() == pole) return l->text();
    return {};
  }
  // Types a row label as the user does: the old text selected and replaced.
  void wpiszNumer(QComboBox* cb, const QString& tekst) {
    cb->lineEdit()->selectAll();
    QTest::keyClick(cb->lineEdit(), Qt::Key_Backspace);
    QTest::keyClicks(cb->lineEdit(), tekst);
  }

 private slots:
  void init() {
    p = std::make_unique<Przypadek>();
    d = std::make_unique<common::RecordingDialogService>();
    PrzygotujTabele(*p, Tabela::Linie, 3);
    PrzygotujTabele(*p, Tabela::Trafo, 2);
    kl = std::make_unique<Katalog>(Tabela::Linie, *p, *d);
    kt = std::make_unique<Katalog>(Tabela::Trafo, *p, *d);
    linie = std::make_unique<TKatalogLini>(*kl);
    trafo = std::make_unique<TKatalogTrafo>(*kt);
  }
  void cleanup() {
    linie.reset();
    trafo.reset();
    kl.reset();
    kt.reset();
    d.reset();
    p.reset();
  }

  void windowsCarryTheirControls() {
    QCOMPARE(linie->objectName(), QString("TKatalogLini"));
    QCOMPARE(linie->windowTitle(), QString::fromUtf8("Katalog linii"));
    QCOMPARE(trafo->objectName(), QString("TKatalogTrafo"));
    QCOMPARE(trafo->windowTitle(), QString::fromUtf8("Katalog transformatorów"));
    for (QWidget* okno : {static_cast<QWidget*>(linie.get()), static_cast<QWidget*>(trafo.get())}) {
      QVERIFY(okno->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
      QCOMPARE(okno->windowType(), Qt::Tool);
      QVERIFY(!okno->findChild<QPushButton*>("WstawBB")->isEnabled());
      QCOMPARE(okno->findChild<QPushButton*>("WstawBB")->text(), QString("Wstaw"));
      QCOMPARE(okno->findChild<QPushButton*>("okBB")->text(), QString("OK"));
    }
    QCOMPARE(linie->NaglowekL->text(), QString::fromUtf8("Dostępne linie w katalogu"));
    QCOMPARE(trafo->NaglowekL->text(), QString::fromUtf8("Dostępne transformatory w katalogu"));
    QCOMPARE(linie->KatalogLiniCB->count(), 96);
    QCOMPARE(trafo->KatalogTrafoCB->count(), 7);

    struct Proba {
      QWidget* okno;
      const char *nazwa, *tekst;
    };
    QWidget *l = linie.get(), *t = trafo.get();
    const Proba pola[] = {
        {l, "RezE", "Rezystancja jednostkowa linii [om/km]"}, {l, "ReakE", "Reaktancja jednostkowa linii [om/km]"},
        {l, "SuscE", "Susceptancja jednostkowa linii [µS/km]"}, {l, "DlugE", "Długość linii [km]"},
        {l, "ToryE", "Liczba torów"},                           {l, "NrLiniCB", "Wstaw jako linia"},
        {t, "NapGE", "Napięcie znamionowe górne [kV]"},          {t, "NapDE", "Napięcie znamionowe dolne [kV]"},
        {t, "MocPE", "Moc znamionowa pozorna [MVA]"},            {t, "PCuE", "Straty w miedzi PCu [kW]"},
        {t, "PFeE", "Straty w żelazie PFe [kW]"},                {t, "UzPrE", "Napięcie zwarcia [%]"},
        {t, "I0PrE", "Prąd stanu jałowego [%]"},                 {t, "NrTrafoCB", "Wstaw jako transformator"},
    };
    for (const auto& c : pola) {
      QWidget* pole = c.okno->findChild<QWidget*>(c.nazwa);
      QVERIFY2(pole, c.nazwa);
      QCOMPARE(etykieta(c.okno, pole), QString::fromUtf8(c.tekst));
    }
  }

  void chooseRowAndInsertByClickAndEnter() {
    p->LinieSG.setCell(1, 2, "1");
    p->LinieSG.setCell(2, 2, "3");
    QSignalSpy wstawiono(linie.get(), &OknoKatalogu::wstawiono);
    linie->otworz(3, 2);
    QVERIFY(QTest::qWaitForWindowExposed(linie.get()));
    QCOMPARE(linie->NrLiniCB->count(), 3);
    QCOMPARE(linie->NrLiniCB->itemText(2), QString("L3"));
    QCOMPARE(linie->NrLiniCB->currentText(), QString("L2"));

    // An entry typed into the combo: the combo completes it. Its length is
    // missing, so Wstaw stays disabled and Enter does nothing.
    QTest::keyClicks(linie->KatalogLiniCB->lineEdit(), "Linia 110kV dow");
    QCOMPARE(linie->KatalogLiniCB->currentText(), QString::fromUtf8("Linia 110kV dowolnej długości"));
    QCOMPARE(teksty({linie->RezE, linie->ReakE, linie->SuscE, linie->DlugE, linie->ToryE}),
             QStringList({"0,08", "0,38", "1,8", "", "1"}));
    QVERIFY(!linie->WstawBB->isEnabled());
    QTest::keyClick(linie->DlugE, Qt::Key_Return);
    QCOMPARE(wiersz(p->LinieSG, 2), QStringList({"1", "3", "", "", "", "", "", ""}));
    QVERIFY(d->wpisy.empty());

    // An entry picked from the list.
    linie->KatalogLiniCB->setCurrentIndex(linie->KatalogLiniCB->findText(QString::fromUtf8("Linia 220kV, długość 150km")));
    QCOMPARE(teksty({linie->RezE, linie->ReakE, linie->SuscE, linie->DlugE, linie->ToryE}),
             QStringList({"0,0552", "0,412", "2,76", "150", "1"}));
    QVERIFY(linie->WstawBB->isEnabled());
    QTest::mouseClick(linie->WstawBB, Qt::LeftButton);
    QCOMPARE(wiersz(p->LinieSG, 2), QStringList({"1", "3", "220", "0,0552", "0,412", "2,76", "150", "1"}));
    QCOMPARE(wstawiono.count(), 1);
    QCOMPARE(linie->NrLiniCB->currentText(), QString("L3"));
    QCOMPARE(linie->KatalogLiniCB->currentText(), QString());
    QCOMPARE(linie->RezE->text(), QString());
    QVERIFY(!linie->WstawBB->isEnabled());

    linie->KatalogLiniCB->setCurrentIndex(linie->KatalogLiniCB->findText(QString::fromUtf8("Linia 110kV dowolnej długości")));
    QCOMPARE(linie->DlugE->text(), QString());
    // The key filter: a minus and a point are dropped.
    QTest::keyClicks(linie->DlugE, "-4.5");
    QCOMPARE(linie->DlugE->text(), QString("45"));
    QTest::keyClicks(linie->DlugE, ",5");
    QVERIFY(linie->WstawBB->isEnabled());
    QTest::keyClick(linie->DlugE, Qt::Key_Return);
    QCOMPARE(wiersz(p->LinieSG, 3), QStringList({"", "", "110", "0,08", "0,38", "1,8", "45,5", "1"}));
    QCOMPARE(wstawiono.count(), 2);
    QCOMPARE(linie->NrLiniCB->currentText(), QString("L3"));
    QVERIFY(linie->isVisible());
  }

  void typedValuesAndABadRowLabel() {
    QSignalSpy wstawiono(linie.get(), &OknoKatalogu::wstawiono);
    linie->otworz(3, 1);
    // ToryE takes any text; the other boxes only digits and the comma.
    QTest::keyClicks(linie->RezE, "0,1");
    QTest::keyClicks(linie->ReakE, "0,4");
    QTest::keyClicks(linie->SuscE, "2");
    QTest::keyClicks(linie->DlugE, "30");
    QTest::keyClicks(linie->ToryE, "2.x");
    QCOMPARE(linie->ToryE->text(), QString("2.x"));
    QVERIFY(linie->WstawBB->isEnabled());

    for (const char* zly : {"L4", "L0", "Lb"}) {
      wpiszNumer(linie->NrLiniCB, zly);
      QCOMPARE(linie->NrLiniCB->currentText(), QString(zly));
      QTest::mouseClick(linie->WstawBB, Qt::LeftButton);
      QCOMPARE(d->ostatni(), std::string("Wybrano nieprawidłowy numer linii !!!"));
      QCOMPARE(d->wpisy.back().tytul, std::string("Błąd !!!"));
    }
    QCOMPARE(d->wpisy.size(), size_t(3));
    QCOMPARE(wstawiono.count(), 0);
    for (int w = 1; w <= 3; ++w) QCOMPARE(wiersz(p->LinieSG, w), QStringList(8, ""));

    // Enter in the row combo inserts; no entry was chosen, so no voltage.
    wpiszNumer(linie->NrLiniCB, "L2");
    QTest::keyClick(linie->NrLiniCB->lineEdit(), Qt::Key_Return);
    QCOMPARE(wiersz(p->LinieSG, 2), QStringList({"", "", "", "0,1", "0,4", "2", "30", "2.x"}));
    QCOMPARE(wstawiono.count(), 1);
    QCOMPARE(linie->NrLiniCB->currentText(), QString("L3"));
  }

  void escapeAndOkCloseAndOpeningClears() {
    for (QWidget* pole : {static_cast<QWidget*>(linie->RezE), static_cast<QWidget*>(linie->ToryE),
                          static_cast<QWidget*>(linie->KatalogLiniCB->lineEdit()),
                          static_cast<QWidget*>(linie->NrLiniCB->lineEdit())}) {
      linie->otworz(3, 1);
      QVERIFY(QTest::qWaitForWindowExposed(linie.get()));
      QTest::keyClick(pole, Qt::Key_Escape);
      QVERIFY2(!linie->isVisible(), qPrintable(pole->objectName()));
    }
    linie->otworz(3, 1);
    linie->KatalogLiniCB->setCurrentIndex(5);
    QVERIFY(!linie->RezE->text().isEmpty());
    QTest::mouseClick(linie->okBB, Qt::LeftButton);
    QVERIFY(!linie->isVisible());

    linie->otworz(3, 3);
    QVERIFY(linie->isVisible());
    QCOMPARE(linie->KatalogLiniCB->currentText(), QString());
    QCOMPARE(teksty({linie->RezE, linie->ReakE, linie->SuscE, linie->DlugE, linie->ToryE}), QStringList(5, ""));
    QCOMPARE(linie->NrLiniCB->currentText(), QString("L3"));
    QVERIFY(!linie->WstawBB->isEnabled());
    QVERIFY(d->wpisy.empty());
  }

  void transformerCatalogue() {
    QSignalSpy wstawiono(trafo.get(), &OknoKatalogu::wstawiono);
    trafo->otworz(2, 1);
    QVERIFY(QTest::qWaitForWindowExposed(trafo.get()));
    QCOMPARE(trafo->NrTrafoCB->currentText(), QString("T1"));
    trafo->KatalogTrafoCB->setCurrentIndex(5);
    QCOMPARE(trafo->KatalogTrafoCB->currentText(), QString("Ug = 410V  Ud = 245V  Sn = 330MVA"));
    QCOMPARE(teksty({trafo->NapGE, trafo->NapDE, trafo->MocPE, trafo->PCuE, trafo->PFeE, trafo->UzPrE, trafo->I0PrE}),
             QStringList({"410", "245", "330", "1850", "300", "11,5", "0,8"}));

    // The filter on a value box; emptying one box disables Wstaw.
    trafo->I0PrE->selectAll();
    QTest::keyClick(trafo->I0PrE, Qt::Key_Backspace);
    QVERIFY(!trafo->WstawBB->isEnabled());
    QTest::keyClicks(trafo->I0PrE, "-0.7");
    QCOMPARE(trafo->I0PrE->text(), QString("07"));
    QVERIFY(trafo->WstawBB->isEnabled());

    QTest::keyClick(trafo->KatalogTrafoCB->lineEdit(), Qt::Key_Return);
    QCOMPARE(wiersz(p->TrafoSG, 1), QStringList({"", "", "410", "245", "330", "1850", "300", "11,5", "07"}));
    QCOMPARE(wstawiono.count(), 1);
    QCOMPARE(trafo->NrTrafoCB->currentText(), QString("T2"));

    wpiszNumer(trafo->NrTrafoCB, "T3");
    trafo->KatalogTrafoCB->setCurrentIndex(0);
    QTest::mouseClick(trafo->WstawBB, Qt::LeftButton);
    QCOMPARE(d->ostatni(), std::string("Wybrano nieprawidłowy numer transformatora !!!"));
    QCOMPARE(wiersz(p->TrafoSG, 2), QStringList(9, ""));
    QCOMPARE(wstawiono.count(), 1);
  }
};

QTEST_MAIN(KatalogiTest)
#include "katalogi_ui_test.moc"
