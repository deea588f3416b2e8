// The windows over a national grid's data, offscreen: the inspector opens a
// matrix of thousands of nodes having formatted only a bounded number of
// cells, with every column wide enough; a wizard grid of thousands of rows
// shows its longest label whole; a message listing thousands of nodes is
// shown whole in a scrolled field.
#include <QApplication>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QTimer>
#include <QtTest>

#include "common/ui/dialogi_qt.h"
#include "common/ui/siatka_widok.h"
#include "common/ui/tdane.h"

class DuzeSieciTest : public QObject {
  Q_OBJECT

 private slots:
  void aLargeMatrixOpensWithoutFormattingEveryColumn() {
    // A 5000 × 5000 matrix: "0" off the diagonal, a long complex number on it.
    constexpr int n = 5000;
    const std::string przekatna = "-123,4567 - j1234,5678";
    long long formatowane = 0;
    common::TabelaWynikow t;
    t.tytul = "Macierz";
    t.kolumny = t.wiersze = n + 1;
    t.szerokosci = {45, 95};
    t.komorka = [&](int c, int r) -> std::string {
      ++formatowane;
      if (r == 0 || c == 0) return std::to_string(r + c);
      return c == r ? przekatna : "0";
    };
    common::TDane dane;
    dane.pokazTabele(t, {});
    QVERIFY(QTest::qWaitForWindowExposed(&dane));
    QApplication::processEvents();
    // Measuring 100 rows of every column would be 500 000 cells; the widths
    // come from at most 50 columns × 100 rows, and the view draws one screen.
    QVERIFY2(formatowane < 20000, qPrintable(QString::number(formatowane)));
    const int potrzeba = dane.SG1->fontMetrics().horizontalAdvance(QString::fromStdString(przekatna));
    for (int kolumna : {0, 49, 50, 2382, n - 1})
      QVERIFY2(dane.SG1->columnWidth(kolumna) > potrzeba, qPrintable(QString::number(kolumna)));
    // The last cell is reachable.
    dane.SG1->scrollTo(dane.SG1->model()->index(n - 1, n - 1));
    QApplication::processEvents();
    QCOMPARE(dane.SG1->model()->data(dane.SG1->model()->index(n - 1, n - 1)).toString(),
             QString::fromStdString(przekatna));
  }

  void theLabelOfTheLastRowFitsTheLabelColumn() {
    // Rows labelled as the line table labels them, given a column for "L1".
    common::TextGrid g;
    g.setColCount(2);
    g.setRowCount(10001);
    for (int w = 1; w <= 10000; ++w) g.setCell(0, w, "L" + std::to_string(w));
    common::SiatkaWidok widok(g);
    widok.resize(400, 200);
    widok.odswiez(30);
    QVERIFY(widok.verticalHeader()->width() > widok.verticalHeader()->fontMetrics().horizontalAdvance("L10000"));
    QCOMPARE(widok.poczatekKolumny(1), widok.verticalHeader()->width());
  }

  void aMessageListingThousandsOfNodesIsShownWhole() {
    std::string lista;
    for (int k = 1; k <= 3000; ++k) lista += std::to_string(k) + ",";
    const std::string tekst = "Dla węzła(ów) " + lista + " nie został podany typ";
    QString pokazany;
    bool przewijany = false;
    QTimer::singleShot(0, [&] {
      QWidget* okno = QApplication::activeModalWidget();
      if (!okno) return;
      if (auto* pole = okno->findChild<QPlainTextEdit*>()) {
        pokazany = pole->toPlainText().remove(QChar(0x200B));
        przewijany = true;
      }
      QTest::keyClick(okno, Qt::Key_Return);  // OK has the keyboard
    });
    common::QtDialogService dialogi;
    dialogi.message(common::Ikona::Informacja, "Uwaga !!!", tekst);
    QVERIFY(przewijany);
    QCOMPARE(pokazany, QString::fromStdString(tekst));
  }
};

QTEST_MAIN(DuzeSieciTest)
#include "duze_sieci_test.moc"
