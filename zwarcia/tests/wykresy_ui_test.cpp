// The chart windows offscreen: a click writes into the results window's
// box, the crosshair and the readout follow the pointer and leave with it,
// only one chart is open, and the instruction lines.
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

#include "common/core/liczby.h"
#include "common/ui/tekst.h"
#include "zwarcia/ui/wykresy.h"

using namespace zwarcia;

class WykresyTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TF_WykresRdoX> rdoX;
  std::unique_ptr<TF_WykresN> n;
  std::unique_ptr<QLineEdit> wspUdaruE, wspME;

  void pokaz(OknoWykresu& w) {
    w.pokaz();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
  }
  // Moves over the chart picture and clicks there.
  static void kliknij(OknoWykresu& w, Piksel p) {
    QTest::mouseMove(w.Image3, QPoint(p.x, p.y));
    QTest::mouseClick(w.Image3, Qt::LeftButton, {}, QPoint(p.x, p.y));
  }
  static bool czerwony(const QImage& obraz, int x, int y) { return obraz.pixelColor(x, y) == QColor(255, 0, 0); }
  // The curve's ink, dark blue on white.
  static bool krzywa(const QImage& obraz, Piksel p) {
    const QColor c = obraz.pixelColor(p.x, p.y);
    return c.blue() - c.red() > 60 && c.red() < 150;
  }

 private slots:
  void init() {
    rdoX = std::make_unique<TF_WykresRdoX>();
    n = std::make_unique<TF_WykresN>();
    PolaczWykresy(*rdoX, *n);
    wspUdaruE = std::make_unique<QLineEdit>();
    wspME = std::make_unique<QLineEdit>();
    rdoX->ustawCel(wspUdaruE.get());
    n->ustawCel(wspME.get());
  }
  void cleanup() {
    rdoX.reset();
    n.reset();
  }

  void windowsAsGiven() {
    QVERIFY(!rdoX->isVisible() && !n->isVisible());
    QCOMPARE(rdoX->windowTitle(), QString("Wykres X/R"));
    QCOMPARE(n->windowTitle(), QString::fromUtf8("Wykres do wyznaczenia współczynnika m"));
    QCOMPARE(rdoX->Image3->geometry(), QRect(45, 13, 313, 226));
    QCOMPARE(n->Image3->geometry(), QRect(46, 3, 389, 330));
    QCOMPARE(rdoX->PolozenieP->size(), QSize(97, 17));
    QCOMPARE(n->PolozenieP->size(), QSize(89, 17));
    QVERIFY(rdoX->PolozenieP->isHidden());
  }

  void clickAtRow40WritesKappa() {
    QSignalSpy odczyty(rdoX.get(), &OknoWykresu::odczytano);
    pokaz(*rdoX);
    kliknij(*rdoX, {100, 40});
    QCOMPARE(wspUdaruE->text(), QString("1,82"));
    QCOMPARE(odczyty.size(), 1);
    QCOMPARE(odczyty[0][0].toString(), QString("1,82"));
  }

  void clickOnTheCurvesGivesTheStandardsValue() {
    // κ for X/R = 10 and m for κ = 1,8, Tk = 0,1 s, by hand.
    struct Punkt {
      OknoWykresu* okno;
      QLineEdit* cel;
      Piksel p;
      double wartosc;
    } punkty[] = {{rdoX.get(), wspUdaruE.get(), PikselKrzywejKappa(10), 1.746002},
                  {rdoX.get(), wspUdaruE.get(), PikselKrzywejKappa(2), 1.238668},
                  {n.get(), wspME.get(), PikselKrzywejM(1.8, 0.1), 0.442975},
                  {n.get(), wspME.get(), PikselKrzywejM(1.3, 0.02), 0.411928}};
    for (const Punkt& t : punkty) {
      QVERIFY2(krzywa(t.okno->obraz(), t.p), "the picture shows the curve at the pixel");
      pokaz(*t.okno);
      kliknij(*t.okno, t.p);
      QCOMPARE(t.cel->text().size(), 4);  // two decimals
      QVERIFY(std::abs(common::NaLiczbe(common::S(t.cel->text())) - t.wartosc) <= 0.01);
    }
  }

  void crosshairAndReadoutFollowThePointer() {
    pokaz(*rdoX);
    QTest::mouseMove(rdoX->Image3, QPoint(155, 40));
    QVERIFY(rdoX->PolozenieP->isVisible());
    QCOMPARE(rdoX->PolozenieP->text(), QString("X=10,00 Y=1,82"));
    QCOMPARE(rdoX->PolozenieP->pos(), QPoint(77, 166));
    QImage obraz = rdoX->grab().toImage();
    QVERIFY(czerwony(obraz, 155 + 46, 100) && czerwony(obraz, 200, 40 + 14));

    QTest::mouseMove(rdoX->Image3, QPoint(20, 150));
    QCOMPARE(rdoX->PolozenieP->pos(), QPoint(231, 55));
    obraz = rdoX->grab().toImage();
    QVERIFY(!czerwony(obraz, 155 + 46, 100) && czerwony(obraz, 20 + 46, 100) && czerwony(obraz, 200, 150 + 14));

    // Onto the axis labels: the crosshair and the readout go.
    QTest::mouseMove(rdoX->Image1, QPoint(20, 100));
    QVERIFY(rdoX->PolozenieP->isHidden());
    QVERIFY(!rdoX->krzyz());
    obraz = rdoX->grab().toImage();
    QVERIFY(!czerwony(obraz, 20 + 46, 100));

    // A click without a movement before it writes the last value read.
    QTest::mouseClick(rdoX->Image3, Qt::LeftButton, {}, QPoint(20, 10));
    QCOMPARE(wspUdaruE->text(), QString("1,33"));  // row 150: 2,07 − 0,004494382·165

    pokaz(*n);
    QTest::mouseMove(n->Image3, QPoint(93, 93));
    QCOMPARE(n->PolozenieP->text(), QString("X=0,030 Y=1,40"));
    QCOMPARE(n->PolozenieP->pos(), QPoint(287, 239));
    QVERIFY(czerwony(n->grab().toImage(), 93 + 45, 200));
    QTest::mouseMove(n->BitBtn1, QPoint(3, 3));
    QVERIFY(n->PolozenieP->isHidden() && !n->krzyz());
  }

  void onlyOneChartIsOpen() {
    pokaz(*rdoX);
    QCOMPARE(rdoX->pos(), QPoint(10, 10));
    pokaz(*n);
    QVERIFY(n->isVisible() && !rdoX->isVisible());
    pokaz(*rdoX);
    QVERIFY(rdoX->isVisible() && !n->isVisible());
    // Shown by any means, the other still closes.
    n->show();
    QVERIFY(!rdoX->isVisible());
    QTest::keyClick(n.get(), Qt::Key_Escape);
    QVERIFY(!n->isVisible());
  }

  void instructionLines() {
    const auto k = InstrukcjaRdoX("12,3718857570036");
    rdoX->ustawInstrukcje(common::Q(k[0]), common::Q(k[1]));
    QCOMPARE(rdoX->L1->text(), QString::fromUtf8("Dla X/R = 12,37 na osi poziomej (OX) wyznaczyć"));
    QCOMPARE(rdoX->L2->text(), QString::fromUtf8("współczynnik udaru x na osi pionowej (OY)"));
    const auto m = InstrukcjaN("1,82", "0,5");
    n->ustawInstrukcje(common::Q(m[0]), common::Q(m[1]));
    QCOMPARE(n->L1->text(),
             QString::fromUtf8("Dla x=1,8 (1,82) przyjętego na jednej z krzywych i czasu trwania zwarcia Tk=0,5s"));
    // The whole of both lines is shown, the R = 0 ones too.
    const auto r0 = InstrukcjaRdoX(common::S(QString::fromUtf8("∞")));
    rdoX->ustawInstrukcje(common::Q(r0[0]), common::Q(r0[1]));
    pokaz(*n);
    pokaz(*rdoX);
    for (QLabel* l : {n->L1, n->L2, rdoX->L1, rdoX->L2}) {
      const QRect potrzeba = l->fontMetrics().boundingRect(QRect(0, 0, l->width(), 1000), Qt::TextWordWrap, l->text());
      const bool wJednejLinii = l->fontMetrics().horizontalAdvance(l->text()) <= l->width();
      QVERIFY2(potrzeba.width() <= l->width() && potrzeba.height() <= l->height(), qPrintable(l->text()));
      QVERIFY2(wJednejLinii || l->wordWrap(), qPrintable(l->text()));
    }
  }

  // With WYKRESY_PNG set to a folder, both windows are saved there for a look.
  void savePictures() {
    if (!qEnvironmentVariableIsSet("WYKRESY_PNG")) return;
    const QString folder = qEnvironmentVariable("WYKRESY_PNG");
    const auto k = InstrukcjaRdoX("12,3718857570036");
    rdoX->ustawInstrukcje(common::Q(k[0]), common::Q(k[1]));
    const auto m = InstrukcjaN("1,82", "0,25");
    n->ustawInstrukcje(common::Q(m[0]), common::Q(m[1]));
    pokaz(*n);
    const Piksel p = PikselKrzywejM(1.8, 0.1);
    QTest::mouseMove(n->Image3, QPoint(p.x, p.y));
    n->grab().save(folder + "/wykres_n.png");
    pokaz(*rdoX);
    QTest::mouseMove(rdoX->Image3, QPoint(155, 40));
    rdoX->grab().save(folder + "/wykres_rdox.png");
  }
};

QTEST_MAIN(WykresyTest)
#include "wykresy_ui_test.moc"
