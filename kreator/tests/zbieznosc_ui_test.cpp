// The convergence chart offscreen: offered only after a successful run,
// opened on an exercise with both methods' curves, the point under the
// pointer on the bottom line, F1, Escape, closed when the data may change,
// and saved as a PNG picture.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QScreen>
#include <QtTest>

#include "common/core/dialogi.h"
#include "common/tests/widoczne.h"
#include "kreator/ui/program.h"

using namespace kreator;

class ZbieznoscUiTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<common::RecordingDialogService> d;
  std::unique_ptr<Program> program;
  TGlowna* g = nullptr;

  void wpisz(const QString& tekst) {
    g->DaneE->clear();
    QTest::keyClicks(g->DaneE, tekst);
    QTest::keyClick(g->DaneE, Qt::Key_Return);
  }

  // ZAD1 up to its final page, computed.
  void obliczZad1() {
    for (const char* t : {"1", "117", "0,0001", "1,5"}) wpisz(t);
    QCOMPARE(program->przypadek.Krok, 14);
    g->DalejBBClick();
    QVERIFY(program->kreator.wyniki());
  }

  TF_Zbieznosc* otworz() {
    QTest::mouseClick(g->ZbieznoscBB, Qt::LeftButton);
    TF_Zbieznosc* z = program->zbieznosc.get();
    if (!QTest::qWaitForWindowActive(z)) return nullptr;
    return z;
  }

 private slots:
  void init() {
    d = std::make_unique<common::RecordingDialogService>();
    program = std::make_unique<Program>(*d);
    program->argument = PRZYKLADY "/ZAD1.ZRM";
    g = program->glowna.get();
    program->pokaz();
    QVERIFY(QTest::qWaitForWindowExposed(g));
    QCOMPARE(program->przypadek.Krok, 10);
  }
  void cleanup() {
    program.reset();
    d.reset();
  }

  void offeredAfterASuccessfulRunAndShowsBothMethods() {
    QVERIFY(!g->ZbieznoscBB->isVisible());
    // A load no line can carry: the run fails and no chart is offered.
    auto& odbiory = program->przypadek.WObcSG;
    const std::string moc = odbiory.cell(2, 1);
    odbiory.setCell(2, 1, "90000");
    for (const char* t : {"1", "117", "0,0001", "1,5"}) wpisz(t);
    g->DalejBBClick();
    QVERIFY(d->ostatni().rfind("Obliczenia nie są zbieżne", 0) == 0);
    QVERIFY(!g->ZbieznoscBB->isVisible());
    odbiory.setCell(2, 1, moc);
    g->DalejBBClick();
    QVERIFY(program->kreator.wyniki());
    QVERIFY(g->ZbieznoscBB->isVisible());
    // The seventh button of the final panel lies inside the panel and the window.
    QVERIFY(g->KoniecP->rect().contains(g->ZbieznoscBB->geometry()));
    QCOMPARE(common::test::ZachetaUcieta(g->L1, {g->KoniecP, g->DalejBB}), QString());

    TF_Zbieznosc* z = otworz();
    QVERIFY(z);
    QCOMPARE(z->windowTitle(), QString::fromUtf8("Zbieżność obliczeń"));
    QVERIFY(z->screen()->availableGeometry().contains(z->frameGeometry()));
    // Both methods on the same case, each down to the epsilon line.
    const Zbieznosc& dane = z->dane();
    for (const SeriaZbieznosci& s : dane.serie) {
      QVERIFY2(!s.kroki.empty() && s.zbiezna, s.opis.c_str());
      QVERIFY(s.kroki.back().niezbilansowanie < dane.prog(Wielkosc::Niezbilansowanie));
    }
    QCOMPARE(int(dane.serie[0].kroki.size()), program->kreator.wyniki()->iteracje);  // the run the wizard made
    QVERIFY(dane.serie[1].kroki.size() < dane.serie[0].kroki.size());

    // The pointer on a drawn point: the bottom line explains that point.
    for (auto [wielkosc, punkt] : {std::pair{Wielkosc::Niezbilansowanie, Punkt{0, 3}},
                                   std::pair{Wielkosc::Zmiana, Punkt{1, 1}}}) {
      // Sent to the chart itself: offscreen, a moved cursor reaches whichever window the platform puts there.
      const QPointF gdzie = z->Wykres->polozenie(wielkosc, punkt).toPoint();
      QMouseEvent ruch(QEvent::MouseMove, gdzie, z->Wykres->mapToGlobal(gdzie), Qt::NoButton, Qt::NoButton,
                       Qt::NoModifier);
      QApplication::sendEvent(z->Wykres, &ruch);
      QCOMPARE(z->StatusL->text(), QString::fromStdString(OpisPunktu(dane, punkt)));
    }
    QVERIFY(z->StatusL->text().startsWith(QString::fromUtf8("iteracja 1 (Newton-Raphson): największa zmiana")));

    QTest::keyClick(z->ZamknijBB, Qt::Key_F1);
    QCOMPARE(program->pomoc->adres(), QString("wyniki.html#zbieznosc"));
    program->pomoc->close();
    z->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(z));
    QTest::keyClick(z->ZamknijBB, Qt::Key_Escape);
    QVERIFY(!z->isVisible());

    // Going back to the data, or starting over, takes an open chart away.
    QVERIFY(otworz());
    g->WsteczBBClick();
    QVERIFY(!z->isVisible());
    QVERIFY(!g->ZbieznoscBB->isVisible());
    g->DalejBBClick();
    g->DalejBBClick();
    QVERIFY(otworz());
    d->odpowiedzi = {true};
    g->NowyBBClick();
    QVERIFY(!z->isVisible());
  }

  void savedAsAReadablePng() {
    obliczZad1();
    // As the program runs: the chart's runs on the worker thread, the wizard waiting meanwhile.
    g->ustawPraceWTle(true);
    QTest::mouseClick(g->ZbieznoscBB, Qt::LeftButton);
    QVERIFY(g->pracuje());
    QVERIFY(!g->isEnabled());
    TF_Zbieznosc* z = program->zbieznosc.get();
    QTRY_VERIFY(z->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(z));
    QVERIFY(g->isEnabled());
    QCOMPARE(g->L1->text(), QString("Wybierz odpowiednie dane ..."));
    const QString folder = QDir::tempPath() + "/kreator_zbieznosc_ui";
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    d->nazwyPlikow = {(folder + "/wykres.png").toStdString()};
    QTest::mouseClick(z->ZapiszBB, Qt::LeftButton);
    QImage obraz(folder + "/wykres.png", "PNG");
    QVERIFY(!obraz.isNull());
    QCOMPARE(obraz.size(), z->Wykres->size());
    // The Gauss-Seidel curve is in the picture at its first point.
    const QPoint p = z->Wykres->polozenie(Wielkosc::Zmiana, {0, 1}).toPoint();
    const QColor c = obraz.pixelColor(p);
    QVERIFY2(c.blue() > 120 && c.red() < 100, qPrintable(c.name()));

    d->nazwyPlikow = {(folder + "/brak/wykres.png").toStdString()};  // no such folder
    QTest::mouseClick(z->ZapiszBB, Qt::LeftButton);
    QVERIFY(d->ostatni().rfind("Nie mogę zapisać pliku. Wystąpił błąd nr ", 0) == 0);
    QVERIFY(z->isVisible());
    QDir(folder).removeRecursively();
  }
};

QTEST_MAIN(ZbieznoscUiTest)
#include "zbieznosc_ui_test.moc"
