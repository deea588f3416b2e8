// The real main window of the short-circuit program, offscreen: typing,
// Enter in the box and the tables, refusals, Back, Start over, the exit
// question, the background and a task file with its pictures.
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QScreen>
#include <QtTest>

#include "common/core/dialogi.h"
#include "common/core/liczby.h"
#include "common/tests/widoczne.h"
#include "common/ui/tekst.h"
#include <cmath>
#include "zwarcia/ui/program.h"

using namespace zwarcia;

class TGlownaZwarcTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<common::RecordingDialogService> d;
  std::unique_ptr<Program> program;
  TGlowna* g = nullptr;
  QStringList uciete;  // what some page did not show whole

  void uruchom(const std::string& argument = "") {
    program.reset();
    program = std::make_unique<Program>(*d);
    program->argument = argument;
    g = program->glowna.get();
    // Every page the window turns to shows its prompt and grid headers whole.
    g->poZmianie = [this, dalej = g->poZmianie](const Widok& w) {
      if (dalej) dalej(w);
      if (QString z = common::test::ZachetaUcieta(g->L1, {g->DaneE, g->SystemyP, g->GeneratoryP, g->TransformatoryP,
                                                          g->LinieP, g->KoniecP, g->DalejBB});
          !z.isEmpty())
        uciete << z;
      for (common::SiatkaWidok* s : {g->SystemySG, g->GeneratorySG, g->TrafoSG, g->LinieSG})
        if (s->isVisible()) uciete << common::test::NaglowkiUciete(s);
    };
    program->pokaz();
    QVERIFY(QTest::qWaitForWindowExposed(g));
    g->activateWindow();
  }
  void wpisz(const QString& tekst) {
    g->DaneE->clear();
    QTest::keyClicks(g->DaneE, tekst);
    QTest::keyClick(g->DaneE, Qt::Key_Return);
  }
  // Fills the data cells of a table's row and presses Enter in the table.
  void tabela(common::SiatkaWidok* siatka, common::TextGrid& tekst, std::vector<std::vector<const char*>> wiersze) {
    for (size_t w = 0; w < wiersze.size(); ++w)
      for (size_t k = 0; k < wiersze[w].size(); ++k) tekst.setCell(int(k) + 1, int(w) + 1, wiersze[w][k]);
    siatka->odswiez(90);
    siatka->setFocus();
    QTest::keyClick(siatka, Qt::Key_Return);
  }

 private slots:
  void init() {
    d = std::make_unique<common::RecordingDialogService>();
    uciete.clear();
    uruchom();
  }
  void cleanup() {
    program.reset();
    d.reset();
    QVERIFY2(uciete.isEmpty(), qPrintable(uciete.join('\n')));
  }

  void walksAllPagesWithTypingAndEnter() {
    QCOMPARE(g->windowTitle(), QString("Zwarcia"));
    QCOMPARE(g->size(), QSize(600, 245));
    auto& p = program->przypadek;
    QTest::keyClick(g->DalejBB, Qt::Key_Return);
    QCOMPARE(p.Krok, 1);
    QTest::keyClicks(g->DaneE, "-1.x");
    QCOMPARE(g->DaneE->text(), QString("1"));  // only digits and the comma reach the box
    wpisz("1,4");                               // rounds to 1: refused
    QCOMPARE(d->ostatni(), std::string("Podano nieprawidłową liczbę węzłów !!!"));
    QCOMPARE(p.Krok, 1);
    wpisz("2,5");  // halves to even: 2
    QCOMPARE(p.LiczbaWezlow, 2);
    wpisz("1");
    QVERIFY(g->SystemySG->isVisible());
    tabela(g->SystemySG, p.SystemySG, {{"1", ""}});  // an empty cell refuses the whole table
    QCOMPARE(d->ostatni(), std::string("Wprowadzone dane są nieprawidłowe lub niekompletne (sprawdź, czy wszystkie "
                                       "pola zostały wypełnione) !!!"));
    QCOMPARE(p.Krok, 3);
    QCOMPARE(g->SystemySG->currentIndex(), g->SystemySG->model()->index(0, 1));  // the empty cell
    tabela(g->SystemySG, p.SystemySG, {{"1", "2500"}});
    QCOMPARE(p.Krok, 4);
    wpisz("1");
    tabela(g->GeneratorySG, p.GeneratorySG, {{"2", "100", "12", "1"}});
    wpisz("1");
    tabela(g->TrafoSG, p.TrafoSG, {{"1", "2", "160", "500", "11", "1"}});
    wpisz("1");
    QCOMPARE(g->LinieSG->model()->headerData(3, Qt::Horizontal).toString(),
             QString::fromUtf8("Rezystancja jednostkowa [om/km]"));
    tabela(g->LinieSG, p.LinieSG, {{"1", "2", "110", "0,12", "0,4", "20", "1"}});
    QCOMPARE(p.Krok, 10);
    wpisz("2");
    wpisz("110,5");
    QCOMPARE(d->ostatni(), std::string("'110,5' is not a valid integer value"));
    QCOMPARE(d->wpisy.back().tytul, std::string("Zwarcia"));
    wpisz("110");
    wpisz("1,01");
    QCOMPARE(d->ostatni(),
             std::string("Podano nieprawidłowy czas zwarcia !!!\nCzas trwania zwarcia musi mieścić się w przedziale 0,01÷1."));
    wpisz("1");
    QCOMPARE(p.Krok, 13);
    QCOMPARE(g->DalejBB->text(), QString("&Oblicz"));
    QCOMPARE(g->PP[12]->palette().color(QPalette::Window), QColor(255, 255, 255));

    // "&Oblicz": the check refuses a transformer in parallel with a line.
    QTest::keyClick(g->DalejBB, Qt::Key_Return);
    QVERIFY(d->ostatni().rfind("Konfiguracja schematu nie jest prawidłowa. Transformator T1 i linia L1", 0) == 0);
    QCOMPARE(g->L1->text(), QString("Obliczenia przerwane ..."));

    g->WsteczBBClick();
    QCOMPARE(p.Krok, 12);
    QCOMPARE(g->DaneE->text(), QString("1"));  // the fault duration as entered
    QCOMPARE(g->DalejBB->text(), QString("&Dalej"));
  }

  void escapeStartOverAndTheBackground() {
    g->DalejBBClick();
    wpisz("3");
    d->odpowiedzi = {false};
    QTest::keyClick(g->DaneE, Qt::Key_Escape);
    QCOMPARE(d->wpisy.back().tytul, std::string("Koniec"));
    QVERIFY(g->isVisible());
    d->odpowiedzi = {true};
    QTest::mouseClick(g->NowyBB, Qt::LeftButton);
    QCOMPARE(d->wpisy.back().tytul, std::string("UWAGA"));
    QCOMPARE(program->przypadek.Krok, 0);
    QVERIFY(!g->NowyBB->isVisible());

    common::TF_Tlo* tlo = program->tlo.get();
    QVERIFY(tlo->isVisible());
    QCOMPARE(tlo->naglowki.size(), size_t(2));
    QCOMPARE(tlo->naglowki[0]->text(), QString::fromUtf8("ROZPŁYW I PARAMETRY"));
    QCOMPARE(tlo->naglowki[1]->text(), QString::fromUtf8("PRĄDU ZWARCIOWEGO"));
    QVERIFY(tlo->naglowki[1]->y() >= tlo->naglowki[0]->y() + tlo->naglowki[0]->height());
    QVERIFY(!tlo->sb_Schemat->isVisible());
    QTest::mouseClick(tlo->sb_Help, Qt::LeftButton);
    QVERIFY(program->pomoc->isVisible());
    QCOMPARE(program->pomoc->windowTitle(), QString::fromUtf8("Pomoc — zwarcia"));
    QCOMPARE(program->pomoc->adres(), QString("index.html"));
    program->pomoc->close();
  }

  void resultsWindowFactorsChartsAndPreview() {
    auto& p = program->przypadek;
    // The worked case of the help (solved by hand in raport_test.cpp: I″k = 8,8516 kA) with its
    // line split in two halves at node 3, as the check refuses a line beside the transformer;
    // two 25 km halves in series are the same 50 km line, so Zk and I″k stay as they were.
    g->DalejBBClick();
    wpisz("3");
    wpisz("1");
    tabela(g->SystemySG, p.SystemySG, {{"1", "2500"}});
    wpisz("1");
    tabela(g->GeneratorySG, p.GeneratorySG, {{"2", "100", "20", "1"}});
    wpisz("1");
    tabela(g->TrafoSG, p.TrafoSG, {{"1", "2", "100", "300", "10", "1"}});
    wpisz("2");
    tabela(g->LinieSG, p.LinieSG,
           {{"1", "3", "110", "0,12", "0,4", "25", "2"}, {"3", "2", "110", "0,12", "0,4", "25", "2"}});
    for (const char* t : {"2", "110", "0,2"}) wpisz(t);
    QTest::keyClick(g->DalejBB, Qt::Key_Return);  // "&Oblicz"
    QVERIFY2(g->KoniecP->isVisible(), d->ostatni().c_str());
    QTest::keyClick(g->Button1, Qt::Key_Return);  // Enter after a run: the report
    TF_wynik* w = program->wynik.get();
    QVERIFY(w->isVisible());
    QVERIFY(!g->isEnabled());
    QCOMPARE(w->Label1->text(), QString::fromUtf8("Otrzymane wyniki (dla zwarcia w węźle nr 2):"));
    // I″k = E / |Zk| · Ib = (1,1 / 1,05) / |0,0047397 + j0,0589715| · 100 / (√3 · 115,5)
    //     = 1,0476190 / 0,0591617 · 0,4998704 = 17,7077 · 0,4998704 = 8,8516 kA
    QCOMPARE(w->PrPoczE->text(), QString("8,8516"));
    QCOMPARE(w->PrWylSymE->text(), QString("8,8516"));
    QVERIFY(!w->WspME->isEnabled());
    QVERIFY(!w->SpeedButton2->isEnabled());

    // κ 2,1 is refused; κ 1,8 gives ip = √2·1,8·I″ from the I″ the box shows.
    QTest::keyClicks(w->WspUdaruE, "2,1");
    QVERIFY(d->ostatni().rfind("Podano nieprawidłową wartość współczynnika udaru.", 0) == 0);
    QCOMPARE(d->wpisy.back().tytul, std::string("BŁĄD !!!"));
    QCOMPARE(w->WspUdaruE->text(), QString());
    QTest::keyClicks(w->WspUdaruE, "1,8");
    // √2·1,8·8,8516 = 2,5455844·8,8516 = 22,53249 (with I″k unrounded the product lies below 22,5325)
    QCOMPARE(w->PrZwUdarE->text(), QString("22,5325"));
    QVERIFY(w->WspME->isEnabled());
    QTest::keyClicks(w->WspME, "0,5");  // Ith = I″·√(m + 1) = 8,8516·√1,5 = 8,8516·1,2247449 = 10,840952
    QCOMPARE(w->PrZwCieplnyE->text(), QString("10,8410"));
    QVERIFY(w->SpeedButton2->isEnabled());

    // The preview shows the three current lines once, however often it is pressed.
    QTest::mouseClick(w->SpeedButton5, Qt::LeftButton);
    QTest::mouseClick(w->SpeedButton5, Qt::LeftButton);
    const QString tekst = program->podglad->MemoGlowne->toPlainText();
    QCOMPARE(tekst.count(QString::fromUtf8("prąd zwarciowy udarowy")), 1);

    // The κ chart opens; the m chart closes it; a value picked there acts like a typed one.
    QTest::mouseClick(w->SpeedButton6, Qt::LeftButton);
    QVERIFY(program->wykresRdoX->isVisible());
    QTest::mouseClick(w->SpeedButton7, Qt::LeftButton);
    QVERIFY(program->wykresN->isVisible());
    QVERIFY(!program->wykresRdoX->isVisible());
    emit program->wykresN->odczytano("1,00");
    QCOMPARE(w->WspME->text(), QString("1,00"));
    QCOMPARE(w->PrZwCieplnyE->text(), QString("12,5181"));  // 8,8516·√2 = 8,8516·1,4142136 = 12,518053

    d->odpowiedzi = {false};
    QTest::keyClick(w, Qt::Key_Escape);  // unsaved: the question, answered No
    QVERIFY(w->isVisible());
    d->odpowiedzi = {true};
    QTest::mouseClick(w->SpeedButton1, Qt::LeftButton);
    QVERIFY(!w->isVisible());
    QVERIFY(g->isEnabled());
  }

  void aTaskFileWithItsPictures() {
    const QString folder = QDir::tempPath() + "/zwarcia_ui_zadanie";
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    QFile(folder + "/zad.srz").open(QIODevice::WriteOnly);
    QImage obraz(200, 120, QImage::Format_RGB32);
    obraz.fill(Qt::white);
    QVERIFY(obraz.save(folder + "/ZAD.URZ", "BMP"));
    uruchom((folder + "/zad.srz").toStdString());
    common::TF_Tlo* tlo = program->tlo.get();
    QVERIFY(tlo->sb_Schemat->isVisible());
    QVERIFY(tlo->sb_DaneElementow->isVisible());
    QTest::mouseClick(tlo->sb_Schemat, Qt::LeftButton);
    QVERIFY(program->schemat->isVisible());
    QCOMPARE(program->schemat->size(), QSize(200, 120));
    QTest::mouseDClick(program->schemat->obrazek, Qt::LeftButton);
    QCOMPARE(d->wpisy.back().tytul, std::string("HE HE HE :-) !!!"));
    QCOMPARE(d->ostatni(), std::string("Jestem tylko zwykłym obrazkiem !!!\nProszę zostawić mnie w spokoju :-)"));
    QTest::keyClick(program->schemat.get(), Qt::Key_Escape);
    QVERIFY(!program->schemat->isVisible());
    QTest::mouseClick(tlo->sb_DaneElementow, Qt::LeftButton);  // no .DRZ beside the task
    QVERIFY(d->ostatni().rfind("Brak pliku z danymi wybranego układu !!!", 0) == 0);
    QDir(folder).removeRecursively();
  }
};

QTEST_MAIN(TGlownaZwarcTest)
#include "tglowna_test.moc"
