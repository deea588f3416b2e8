// The column-fill menu in the real main window, offscreen: a header press
// opens it beside the column, OK, Enter and Escape, the key filter of its
// combo box, and the pointer leaving the grid area.
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QtTest>

#include "common/core/dialogi.h"
#include "kreator/ui/program.h"

using namespace kreator;

class MenuWypelnianiaTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<common::RecordingDialogService> d;
  std::unique_ptr<Program> program;
  TGlowna* g = nullptr;
  MenuWypelniania* m = nullptr;

  void wpisz(const QString& tekst) {
    g->DaneE->clear();
    QTest::keyClicks(g->DaneE, tekst);
    QTest::keyClick(g->DaneE, Qt::Key_Return);
  }
  QHeaderView* naglowek() { return g->LinieSG->horizontalHeader(); }
  // The middle of the header of the line table's column `kolumna`.
  QPoint srodekNaglowka(int kolumna) {
    return {naglowek()->sectionViewportPosition(kolumna - 1) + naglowek()->sectionSize(kolumna - 1) / 2,
            naglowek()->height() / 2};
  }
  // The press alone opens the menu (the release then meets a disabled grid).
  void nacisnijNaglowek(int kolumna) {
    QTest::mousePress(naglowek()->viewport(), Qt::LeftButton, {}, srodekNaglowka(kolumna));
  }
  // Column `kolumna`'s left and right edge in the coordinates of LinieP.
  std::pair<int, int> krawedzie(int kolumna) {
    const int x = naglowek()->mapTo(g->LinieP, QPoint(naglowek()->sectionViewportPosition(kolumna - 1), 0)).x();
    return {x, x + naglowek()->sectionSize(kolumna - 1)};
  }
  bool otwarte() const { return m->isVisible() && !g->LinieSG->isEnabled(); }
  bool zamkniete() const { return !m->isVisible() && g->LinieSG->isEnabled(); }

 private slots:
  void init() {
    d = std::make_unique<common::RecordingDialogService>();
    program = std::make_unique<Program>(*d);
    g = program->glowna.get();
    m = g->MenuP;
    program->pokaz();
    QVERIFY(QTest::qWaitForWindowExposed(g));
    g->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(g));
    // To the line page with three lines and no transformers.
    g->DalejBBClick();
    wpisz("3");
    wpisz("3");
    wpisz("0");
    QCOMPARE(program->przypadek.Krok, 4);
    QVERIFY(zamkniete());
    QVERIFY(!m->KolNrL->isVisible());
  }
  void cleanup() {
    program.reset();
    d.reset();
  }

  void okFillsTheRowsOfTheColumnOnly() {
    auto& linie = program->przypadek.LinieSG;
    for (int w = 1; w <= 3; ++w)
      for (int k = 1; k <= 8; ++k) linie.setCell(k, w, std::to_string(10 * w + k));
    const common::TextGrid przed = linie;
    // The cell editor stands open in the column being filled.
    const QModelIndex komorka = g->LinieSG->model()->index(1, 3);
    g->LinieSG->setCurrentIndex(komorka);
    QVERIFY(qobject_cast<QLineEdit*>(g->LinieSG->indexWidget(komorka)));

    nacisnijNaglowek(4);
    QVERIFY(otwarte());
    QCOMPARE(m->Label1->text(), QString::fromUtf8("Wypełnij kolumnę następującą wartością"));
    QCOMPARE(m->KolNrL->text(), QString("05"));
    QCOMPARE(m->WypelnijCB->count(), 3);
    QCOMPARE(m->WypelnijCB->currentText(), QString("0,0552"));
    QVERIFY(m->WypelnikOKSB->isEnabled());
    QCOMPARE(QApplication::focusWidget(), m->WypelnijCB);
    // Just below the header, 3 pixels right of the column's left edge.
    QCOMPARE(m->x(), krawedzie(4).first + 3);
    QCOMPARE(m->y(), naglowek()->mapTo(g->LinieP, QPoint(0, naglowek()->height())).y() + 3);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);  // the next item of the list
    QCOMPARE(m->WypelnijCB->currentText(), QString("0,08"));
    QTest::mouseClick(m->WypelnikOKSB, Qt::LeftButton);
    QVERIFY(zamkniete());
    for (int w = 0; w <= 3; ++w)
      for (int k = 0; k <= 8; ++k)
        QCOMPARE(linie.cell(k, w), k == 4 && w >= 1 ? std::string("0,08") : przed.cell(k, w));
    // The cell editor shows the new text, so leaving it does not bring the old one back.
    QCOMPARE(qobject_cast<QLineEdit*>(g->LinieSG->indexWidget(komorka))->text(), QString("0,08"));
    QTest::keyClick(g->LinieSG->indexWidget(komorka), Qt::Key_Return);
    QCOMPARE(linie.cell(4, 2), std::string("0,08"));
  }

  void onlyTheHeadersOfColumnsThreeToEightOpenIt() {
    for (int k : {1, 2}) {
      nacisnijNaglowek(k);
      QVERIFY2(zamkniete(), qPrintable(QString::number(k)));
    }
    // A press on a cell below the header is the grid's own.
    const QPoint komorka(g->LinieSG->columnViewportPosition(3) + 5, 5);
    QTest::mouseClick(g->LinieSG->viewport(), Qt::LeftButton, {}, komorka);
    QVERIFY(zamkniete());

    const char* domyslne[] = {"220", "0,0552", "0,412", "2,76", "100", "1"};
    for (int k = 3; k <= 8; ++k) {
      nacisnijNaglowek(k);
      QVERIFY2(otwarte(), qPrintable(QString::number(k)));
      QCOMPARE(m->KolNrL->text(), QString("0%1").arg(k + 1));
      QCOMPARE(m->WypelnijCB->currentText(), QString(domyslne[k - 3]));
      // Beside its column: the menu overlaps the column and stays in the panel.
      const auto [lewa, prawa] = krawedzie(k);
      QVERIFY2(m->x() < prawa && m->x() + m->width() > lewa, qPrintable(QString::number(k)));
      QVERIFY(m->x() >= 0 && m->x() + m->width() <= g->LinieP->width());
      // The last two reach past the column's right edge, the last one no
      // further than the panel's edge.
      if (k == 7) QCOMPARE(m->x() + m->width(), prawa + 8);
      if (k == 8) QCOMPARE(m->x() + m->width(), std::min(prawa + 10, g->LinieP->width()));
      QTest::mouseClick(m->WypenijAnulujSB, Qt::LeftButton);
      QVERIFY(zamkniete());
    }
    QCOMPARE(m->WypelnijCB->count(), 3);  // the last list, not the lengths added to it
  }

  void comboTakesOnlyNumbersEnterFillsEscapeCancels() {
    auto& linie = program->przypadek.LinieSG;
    nacisnijNaglowek(7);
    QCOMPARE(m->WypelnijCB->count(), 30);
    QWidget* pole = QApplication::focusWidget();
    QCOMPARE(pole, m->WypelnijCB);
    QTest::keyClick(pole, Qt::Key_Backspace);  // the default is selected on opening
    QCOMPARE(m->WypelnijCB->currentText(), QString());
    QVERIFY(!m->WypelnikOKSB->isEnabled());
    QTest::keyClick(pole, Qt::Key_Return);  // an empty text cannot be applied
    QVERIFY(otwarte());
    QTest::keyClicks(pole, "-.a");
    QCOMPARE(m->WypelnijCB->currentText(), QString());
    QVERIFY(!m->WypelnikOKSB->isEnabled());
    QTest::keyClicks(pole, "4");
    QVERIFY(m->WypelnikOKSB->isEnabled());
    QTest::keyClicks(pole, "2,5");
    QTest::keyClick(pole, Qt::Key_Return);
    QVERIFY(zamkniete());
    QCOMPARE(program->przypadek.Krok, 4);  // Enter in the combo is not Next
    for (int w = 1; w <= 3; ++w) QCOMPARE(linie.cell(7, w), std::string("42,5"));

    // What is typed is written, even where a suggestion starts the same (0,439).
    nacisnijNaglowek(5);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    QTest::keyClicks(QApplication::focusWidget(), "0,4");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    for (int w = 1; w <= 3; ++w) QCOMPARE(linie.cell(5, w), std::string("0,4"));

    nacisnijNaglowek(8);
    QTest::keyClicks(QApplication::focusWidget(), "3");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(zamkniete());
    QVERIFY(d->wpisy.empty());  // Escape in the combo does not ask to close the program
    QVERIFY(g->isVisible());
    for (int w = 1; w <= 3; ++w) QCOMPARE(linie.cell(8, w), std::string());
  }

  void pointerLeavingTheGridAreaClosesIt() {
    nacisnijNaglowek(5);
    QTest::mouseMove(m, QPoint(m->width() / 2, m->height() / 2));
    QTest::mouseMove(m->WypelnikOKSB);
    // The disabled grid passes the move on to the window, which still
    // keeps the menu: the pointer has not left the grid area.
    QTest::mouseMove(g->LinieSG->viewport(), QPoint(5, 5));
    QTest::mouseMove(g->LinieSG->viewport(), QPoint(20, 40));
    QVERIFY(otwarte());
    QTest::mouseMove(g->DalejBB);
    QVERIFY(zamkniete());

    nacisnijNaglowek(5);
    QTest::mouseMove(g->L1);
    QVERIFY(zamkniete());

    // The window's bare background, between the grid panel and the buttons.
    nacisnijNaglowek(5);
    const QPoint tlo(g->LinieP->x() + 10, g->LinieP->geometry().bottom() + 3);
    QVERIFY(!g->childAt(tlo));
    QTest::mouseMove(g, tlo);
    QVERIFY(zamkniete());
  }

  void leavingTheLinePageClosesIt() {
    nacisnijNaglowek(3);
    QVERIFY(otwarte());
    g->WsteczBBClick();
    QCOMPARE(program->przypadek.Krok, 3);
    QVERIFY(zamkniete());
    wpisz("0");
    QVERIFY(g->LinieP->isVisible());
    QVERIFY(!m->isVisible());
  }
};

QTEST_MAIN(MenuWypelnianiaTest)
#include "menu_wypelniania_ui_test.moc"
