// The real main window, offscreen: typing, Enter, Escape, the key filter,
// refusals and the background's bar.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QScreen>
#include <QtTest>

#include "common/core/dialogi.h"
#include "common/tests/widoczne.h"
#include "kreator/core/plik_zrm.h"
#include "kreator/ui/program.h"

using namespace kreator;

class TGlownaTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<common::RecordingDialogService> d;
  std::unique_ptr<Program> program;
  TGlowna* g = nullptr;
  QStringList uciete;  // what some page did not show whole

  // Every page the window turns to shows its prompt and grid headers whole.
  void sprawdzajKazdaStrone() {
    g->poZmianie = [this, dalej = g->poZmianie](const Widok& w) {
      if (dalej) dalej(w);
      if (QString z = common::test::ZachetaUcieta(g->L1, {g->DaneE, g->LinieP, g->TrafoP, g->WElP, g->WObcP,
                                                          g->KoniecP, g->DalejBB});
          !z.isEmpty())
        uciete << z;
      for (common::SiatkaWidok* s : {g->LinieSG, g->TrafoSG, g->WElSG, g->WObcSG})
        if (s->isVisible()) uciete << common::test::NaglowkiUciete(s);
    };
  }

  // Types into the entry box and presses Enter, as a student does.
  void wpisz(const QString& tekst) {
    g->DaneE->clear();
    QTest::keyClicks(g->DaneE, tekst);
    QTest::keyClick(g->DaneE, Qt::Key_Return);
  }
  QLineEdit* edytorKomorki(common::SiatkaWidok* siatka) {
    return qobject_cast<QLineEdit*>(QApplication::focusWidget()) && siatka->isAncestorOf(QApplication::focusWidget())
               ? qobject_cast<QLineEdit*>(QApplication::focusWidget())
               : nullptr;
  }

 private slots:
  void init() {
    d = std::make_unique<common::RecordingDialogService>();
    program = std::make_unique<Program>(*d);
    g = program->glowna.get();
    sprawdzajKazdaStrone();
    uciete.clear();
    program->pokaz();
    QVERIFY(QTest::qWaitForWindowExposed(g));
    g->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(g));
  }
  void cleanup() {
    program.reset();
    d.reset();
    QVERIFY2(uciete.isEmpty(), qPrintable(uciete.join('\n')));
  }

  void enterWalksThePagesAndTheBoxFiltersKeys() {
    QCOMPARE(g->windowTitle(), QString("Kreator"));
    QCOMPARE(g->size(), QSize(600, 245));
    QTest::keyClick(g->DalejBB, Qt::Key_Return);  // a focused button takes Enter as its click
    QCOMPARE(program->przypadek.Krok, 1);
    QVERIFY(g->DaneE->isVisible());
    QCOMPARE(g->L1->text(), QString::fromUtf8("Podaj liczbę węzłów sieci"));

    // Only digits, the comma and Backspace reach the box.
    QTest::keyClicks(g->DaneE, "-1.a2,5");
    QCOMPARE(g->DaneE->text(), QString("12,5"));
    QTest::keyClick(g->DaneE, Qt::Key_Backspace);
    QCOMPARE(g->DaneE->text(), QString("12,"));
    QApplication::clipboard()->setText("99");
    QTest::keyClick(g->DaneE, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(g->DaneE->text(), QString("12,"));

    wpisz("1");
    QCOMPARE(d->ostatni(), std::string("Podano nieprawidłową liczbę węzłów !!!"));
    QCOMPARE(d->wpisy.back().tytul, std::string("Błąd !!!"));
    QCOMPARE(program->przypadek.Krok, 1);
    QCOMPARE(QApplication::focusWidget(), g->DaneE);

    wpisz("3");
    QCOMPARE(program->przypadek.Krok, 2);
    QVERIFY(g->WsteczBB->isVisible());
    QVERIFY(g->NowyBB->isVisible());
    QCOMPARE(g->PP[1]->palette().color(QPalette::Window), QColor(66, 113, 214));
    QCOMPARE(g->PP[2]->palette().color(QPalette::Window), QColor(255, 255, 255));
  }

  void gridCellsTakeTypingAndEnterPerformsNext() {
    g->DalejBBClick();
    wpisz("3");
    wpisz("2");
    wpisz("0");
    QCOMPARE(program->przypadek.Krok, 4);
    QVERIFY(g->LinieP->isVisible());
    QCOMPARE(g->size(), QSize(650, 245));
    QCOMPARE(g->LinieP->width(), 650 - 45);
    const QRect ekran = g->screen()->geometry();
    QCOMPARE(g->x(), ekran.x() + (ekran.width() - 650) / 2);

    // The editor of the first cell is open and filtered like the box.
    QLineEdit* edytor = edytorKomorki(g->LinieSG);
    QVERIFY(edytor);
    QTest::keyClicks(edytor, "-1.x");
    QCOMPARE(program->przypadek.LinieSG.cell(1, 1), std::string("1"));
    // Enter with empty cells: refused with the grid message, page unchanged.
    QTest::keyClick(edytor, Qt::Key_Return);
    QCOMPARE(program->przypadek.Krok, 4);
    QCOMPARE(d->ostatni(), std::string("Wprowadzone dane są nieprawidłowe lub niekompletne (sprawdź, czy "
                                       "wszystkie pola zostały wypełnione)!!!"));
    QCOMPARE(g->LinieSG->currentIndex(), g->LinieSG->model()->index(0, 1));  // the first empty cell
    QVERIFY(edytorKomorki(g->LinieSG));                                        // open for typing

    auto& linie = program->przypadek.LinieSG;
    for (int w = 1; w <= 2; ++w)
      for (int k = 1; k <= 8; ++k)
        if (!(w == 1 && k == 1)) linie.setCell(k, w, k == 2 ? "3" : "1");
    g->LinieSG->setFocus();
    edytor = edytorKomorki(g->LinieSG);
    QVERIFY(edytor);
    QTest::keyClick(edytor, Qt::Key_Return);
    // No transformers: the transformer page is passed over.
    QCOMPARE(program->przypadek.Krok, 6);
    QVERIFY(!g->LinieP->isVisible());
    QVERIFY(!g->TrafoP->isVisible());
    QCOMPARE(g->size(), QSize(600, 245));
    g->WsteczBBClick();
    QCOMPARE(program->przypadek.Krok, 4);
    QVERIFY(g->LinieP->isVisible());
  }

  void escapeAsksBeforeClosingAndStartOverEmpties() {
    g->DalejBBClick();
    wpisz("4");
    d->odpowiedzi = {false};
    QTest::keyClick(g->DaneE, Qt::Key_Escape);
    QCOMPARE(d->wpisy.back().tytul, std::string("Koniec"));
    QVERIFY(g->isVisible());
    QCOMPARE(program->przypadek.Krok, 2);

    d->odpowiedzi = {true};
    QTest::mouseClick(g->NowyBB, Qt::LeftButton);
    QCOMPARE(d->wpisy.back().tekst, std::string("Czy na pewno chcesz rozpocząć od nowa ?"));
    QCOMPARE(program->przypadek.Krok, 0);
    QCOMPARE(program->przypadek.LiczbaWezlow, -1);
    QVERIFY(!g->DaneE->isVisible());
    QVERIFY(!g->NowyBB->isVisible());
  }

  void backgroundBarAndHelp() {
    common::TF_Tlo* tlo = program->tlo.get();
    QVERIFY(tlo->isVisible());
    const QRect ekran = g->screen()->geometry();
    QCOMPARE(tlo->geometry(), ekran);
    QCOMPARE(tlo->p_PasekTlo->height(), 41);
    QCOMPARE(tlo->sb_CloseTlo->x() + tlo->sb_CloseTlo->width(), ekran.width() - 20);
    QCOMPARE(tlo->sb_Zapisz->x() + tlo->sb_Zapisz->width(), tlo->sb_CloseTlo->x() - 10);
    QVERIFY(!tlo->sb_Zapisz->isVisible());
    QVERIFY(!tlo->sb_Schemat->isVisible());
    // The side picture keeps the proportions 542 : 1830.
    QCOMPARE(tlo->img_Slop->width(), qRound(ekran.height() * 542.0 / 1830.0));
    QCOMPARE(tlo->naglowek->width(), ekran.width());

    // "Pomoc" opens the built-in help at its contents; F1 at the section of the page shown.
    common::TF_Pomoc* pomoc = program->pomoc.get();
    QTest::mouseClick(tlo->sb_Help, Qt::LeftButton);
    QVERIFY(pomoc->isVisible());
    QCOMPARE(pomoc->windowTitle(), QString::fromUtf8("Pomoc — Kreator"));
    QCOMPARE(pomoc->adres(), QString("index.html"));
    QVERIFY(pomoc->Tekst->toPlainText().size() > 100);  // the page came from the program's resources
    QVERIFY(pomoc->szukaj("epsilon"));
    QVERIFY(!pomoc->szukaj("qwertyuiop"));
    QTest::keyClick(pomoc->Tekst, Qt::Key_Escape);
    QVERIFY(!pomoc->isVisible());
    g->DalejBBClick();  // the node count
    g->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(g));
    QTest::keyClick(g->DaneE, Qt::Key_F1);
    QVERIFY(pomoc->isVisible());
    QCOMPARE(pomoc->adres(), QString("uzycie.html#strona-1"));
    pomoc->close();

    d->odpowiedzi = {false};
    QTest::mouseClick(tlo->sb_CloseTlo, Qt::LeftButton);
    QCOMPARE(d->wpisy.back().tekst, std::string("Czy na pewno chcesz zakończyć działanie programu ???"));
    QVERIFY(g->isVisible());
  }

  void computeShowsTheFinalPanelAndTheResultsButton() {
    auto& p = program->przypadek;
    g->DalejBBClick();
    wpisz("2");
    wpisz("1");
    wpisz("0");
    const char* linia[] = {"1", "2", "110", "0,12", "0,4", "2,8", "50", "1"};
    for (int k = 1; k <= 8; ++k) p.LinieSG.setCell(k, 1, linia[k - 1]);
    g->DalejBBClick();
    wpisz("1");
    p.WElSG.setCell(1, 1, "1");
    p.WElSG.setCell(2, 1, "110");
    p.WElSG.setCell(3, 1, "0");
    g->DalejBBClick();
    wpisz("1");
    p.WObcSG.setCell(1, 1, "2");
    p.WObcSG.setCell(2, 1, "50");
    p.WObcSG.setCell(3, 1, "20");
    g->DalejBBClick();
    QCOMPARE(g->DaneE->text(), QString("1"));  // the single generator node is the slack node
    for (const char* t : {"1", "110", "0,0001", "1,5"}) wpisz(t);
    QCOMPARE(program->przypadek.Krok, 14);
    QCOMPARE(g->DalejBB->text(), QString("&Oblicz"));
    QTest::keyClick(g->DalejBB, Qt::Key_Return);
    QVERIFY2(d->wpisy.empty(), d->ostatni().c_str());
    QCOMPARE(g->L1->text(), QString("Wybierz odpowiednie dane ..."));
    QVERIFY(g->KoniecP->isVisible());
    QVERIFY(!g->DalejBB->isEnabled());
    QCOMPARE(QApplication::focusWidget(), g->Button1);
    QVERIFY(program->tlo->sb_Zapisz->isVisible());

    // The final panel's tables in the inspector, with the explanation of a cell.
    QTest::mouseClick(g->SpeedButton1, Qt::LeftButton);
    common::TDane* dane = program->dane.get();
    QVERIFY(dane->isVisible());
    QCOMPARE(dane->windowTitle(), QString("Rezystancja, reaktancja i susceptancja linii"));
    dane->SG1->setCurrentIndex(dane->SG1->model()->index(0, 0));
    QCOMPARE(dane->Label1->text(), QString("Rezystancja linii L1  R = 6 om"));  // 0,12 Ω/km · 50 km
    // F1 in the inspector: the help's section about the table shown.
    dane->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(dane));
    QTest::keyClick(dane->SG1, Qt::Key_F1);
    QCOMPARE(program->pomoc->adres(), QString("tabele.html#linie"));
    program->pomoc->close();
    dane->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(dane));
    QTest::keyClick(dane->SG1, Qt::Key_Escape);
    QVERIFY(!dane->isVisible());
    QTest::mouseClick(g->SpeedButton3, Qt::LeftButton);  // no transformers: a notice only
    QCOMPARE(d->ostatni(), std::string("We wprowadzonym schemacie nie ma transformatorów !!!"));
    QVERIFY(!dane->isVisible());
    QTest::mouseClick(g->SpeedButton4, Qt::LeftButton);
    dane->SG1->setCurrentIndex(dane->SG1->model()->index(0, 1));
    QVERIFY(dane->Label1->text().startsWith("Linia L1  Y[2,1] = "));

    // "Otrzymane wyniki": the report in the preview, the results window, the main window disabled.
    QTest::mouseClick(program->tlo->sb_Zapisz, Qt::LeftButton);
    TF_Wynik* wynik = program->wynik.get();
    QVERIFY(wynik->isVisible());
    QCOMPARE(wynik->windowTitle(), QString("WYNIKI"));
    QCOMPARE(wynik->Label2->text(), QString::fromUtf8("węzła bilansującego nr 1"));
    QVERIFY(!g->isEnabled());
    QVERIFY(!wynik->SpeedButton3->isVisible());
    QVERIFY(program->podglad->MemoGlowne->toPlainText().startsWith(
        QString::fromUtf8("                     OBLICZANIE  ROZPŁYW  MOCY \n")));
    QTest::mouseClick(wynik->SpeedButton5, Qt::LeftButton);
    QVERIFY(program->podglad->isVisible());
    d->odpowiedzi = {false};
    QTest::mouseClick(wynik->SpeedButton1, Qt::LeftButton);  // unsaved: the question, answered No
    QVERIFY(wynik->isVisible());
    d->odpowiedzi = {true};
    QTest::mouseClick(wynik->SpeedButton1, Qt::LeftButton);
    QVERIFY(!wynik->isVisible());
    QVERIFY(g->isEnabled());

    g->WsteczBBClick();
    QVERIFY(!g->KoniecP->isVisible());
    QVERIFY(!program->tlo->sb_Zapisz->isVisible());
    QVERIFY(g->DalejBB->isEnabled());
  }

  void anExerciseFromTheCommandLineWithItsPictures() {
    // An exercise in a folder of its own: data, a readable scheme, a broken element-data picture.
    const QString folder = QDir::tempPath() + "/kreator_ui_zadanie";
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    const std::string zrm = ZbudujZrm({"2", "1", "0", "1;", "2;", "110;", "0,12;", "0,4;", "2,8;", "50;", "1;", "", "",
                                       "", "", "", "", "", "", "", "1", "1;", "110;", "0;", "1", "2;", "50;", "20;"});
    QFile plik(folder + "/zad1.zrm");
    QVERIFY(plik.open(QIODevice::WriteOnly));
    plik.write(zrm.data(), qint64(zrm.size()));
    plik.close();
    QImage schemat(320, 200, QImage::Format_RGB32);
    schemat.fill(Qt::white);
    QVERIFY(schemat.save(folder + "/zad1.URM", "BMP"));
    QFile zly(folder + "/ZAD1.drm");  // found ignoring case; not a bitmap
    QVERIFY(zly.open(QIODevice::WriteOnly));
    zly.write("to nie jest obraz");
    zly.close();

    program.reset();
    program = std::make_unique<Program>(*d);
    program->argument = (folder + "/zad1.zrm").toStdString();
    g = program->glowna.get();
    program->pokaz();
    QVERIFY(QTest::qWaitForWindowExposed(g));
    QCOMPARE(program->przypadek.Krok, 10);
    QCOMPARE(g->DaneE->text(), QString("1"));
    QVERIFY(program->tlo->sb_Schemat->isVisible());
    QVERIFY(!program->tlo->sb_DaneElementow->isVisible());

    QTest::mouseClick(program->tlo->sb_Schemat, Qt::LeftButton);
    QVERIFY(program->schemat->isVisible());
    QCOMPARE(program->schemat->size(), QSize(320, 200));
    // The whole window, frame included, 10 pixels from the right edge of the screen.
    const QRect ekran = g->screen()->availableGeometry();
    QCOMPARE(program->schemat->frameGeometry().right(), ekran.right() - 10);

    d->odpowiedzi = {true};
    g->NowyBBClick();  // after Start over the element-data picture is offered
    QVERIFY(program->tlo->sb_DaneElementow->isVisible());
    QTest::mouseClick(program->tlo->sb_DaneElementow, Qt::LeftButton);
    QVERIFY(d->ostatni().rfind("Brak pliku z danymi do wybranego układu (lub plik ten jest niepoprawnym plikiem DRM)", 0) == 0);
    QVERIFY(!program->daneElementow->isVisible());
    QDir(folder).removeRecursively();
  }

  void theTaskStatementInItsWindow() {
    program.reset();
    program = std::make_unique<Program>(*d);
    program->argument = PRZYKLADY "/ZAD1.ZRM";
    g = program->glowna.get();
    program->pokaz();
    QVERIFY(QTest::qWaitForWindowExposed(g));
    QVERIFY(program->tlo->sb_Tresc->isVisible());
    QTest::mouseClick(program->tlo->sb_Tresc, Qt::LeftButton);
    common::TF_Tresc* tresc = program->tresc.get();
    QVERIFY(tresc->isVisible());
    QCOMPARE(tresc->windowTitle(), QString::fromUtf8("Treść zadania"));
    QCOMPARE(tresc->MemoTresc->toPlainText().section('\n', 0, 0),
             QString::fromUtf8("Zadanie 1. Rozpływ mocy w sieci 110 kV z pętlą."));
    QTest::keyClick(tresc->MemoTresc, Qt::Key_Escape);
    QVERIFY(!tresc->isVisible());
  }

  void computesOnAWorkerThread() {
    program.reset();
    program = std::make_unique<Program>(*d);
    program->argument = PRZYKLADY "/ZAD1.ZRM";
    g = program->glowna.get();
    g->ustawPraceWTle(true);
    program->pokaz();
    QVERIFY(QTest::qWaitForWindowExposed(g));
    QTRY_COMPARE(program->przypadek.Krok, 10);
    for (const char* t : {"1", "117", "0,0001", "1,5"}) wpisz(t);
    // A load no line can carry: the run fails on the worker and its message reaches the window.
    auto& odbiory = program->przypadek.WObcSG;
    const std::string moc = odbiory.cell(2, 1);
    odbiory.setCell(2, 1, "90000");
    g->DalejBBClick();
    QVERIFY(g->pracuje());
    QVERIFY(!g->isEnabled());  // it waits, painting, but takes no input
    QTRY_VERIFY(!g->pracuje());
    QVERIFY(d->ostatni().rfind("Obliczenia nie są zbieżne", 0) == 0);
    QCOMPARE(g->L1->text(), QString("Obliczenia przerwane ..."));
    QVERIFY(!program->kreator.wyniki());
    // The data as given: the results come back and are offered.
    odbiory.setCell(2, 1, moc);
    g->DalejBBClick();
    QTRY_VERIFY(!g->pracuje());
    QVERIFY(g->isEnabled());
    QVERIFY(program->kreator.wyniki());
    QVERIFY(g->KoniecP->isVisible());
    QCOMPARE(program->przypadek.WezlyBezTypu, std::string("6,"));  // as the check on the worker left it
  }

  void windowsAreCreatedOnceAndHideOnStartOver() {
    program->podglad->show();
    program->schemat->show();
    g->DalejBBClick();
    wpisz("3");
    const QPoint naSrodku = g->pos();
    g->move(naSrodku + QPoint(100, 50));  // moved by the student
    d->odpowiedzi = {true};
    g->NowyBBClick();
    QCOMPARE(g->pos(), naSrodku);  // where it stood at the start
    QVERIFY(!program->podglad->isVisible());
    QVERIFY(!program->schemat->isVisible());
    QCOMPARE(program->podglad->windowTitle(), QString::fromUtf8("Podgląd pliku wynikowego"));
    QCOMPARE(program->schemat->windowTitle(), QString::fromUtf8("Schemat symulowanego układu"));
  }
};

QTEST_MAIN(TGlownaTest)
#include "tglowna_test.moc"
