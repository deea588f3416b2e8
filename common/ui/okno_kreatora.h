// What the main windows of both programs share: a fixed-size window on top
// with the strip of thirteen step lamps, the prompt L1, the entry box DaneE,
// the hidden Button1, the key filter, Escape and the exit question.
#pragma once

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QThread>
#include <QWidget>
#include <array>
#include <functional>
#include <string>

#include "common/core/dialogi.h"
#include "common/core/lampa.h"
#include "common/ui/filtr_klawiszy_qt.h"

namespace common {

class OknoKreatora : public QWidget {
  Q_OBJECT
 public:
  OknoKreatora(const char* tytul, DialogService& dialogi, QWidget* rodzic = nullptr);
  // Waits for work still running on the worker thread.
  ~OknoKreatora() override;

  // "Oblicz" does its work on a worker thread while the window waits,
  // responsive (the program); off, a click finishes its work at once.
  void ustawPraceWTle(bool tak) { praceWTle_ = tak; }
  bool pracuje() const { return watek_ != nullptr; }

  // Called when the window is shown for the first time.
  std::function<void()> poPierwszymPokazaniu;

  QLabel* L1;
  QLineEdit* DaneE;
  QPushButton* Button1;  // never seen; holds the focus so that Enter after a run clicks it
  QWidget* Panel1;
  std::array<QFrame*, kLiczbaLamp> PP{};

 public slots:
  void ZamknijBBClick() { close(); }

 protected:
  // A bottom button: Enter clicks it when focused, Escape closes the window.
  QPushButton* przycisk(const char* nazwa, const char* napis, const char* podpowiedz,
                        QStyle::StandardPixmap ikona = QStyle::SP_CustomBase);
  void ustawL1(const std::string& tekst);
  // Places the prompt at the top, `szerokosc` wide and at least `wysokosc`
  // high, above the part of the window whose top is at `gora`. Returns how
  // far that part and everything under it move down so that the prompt,
  // wrapped at word boundaries, shows in full above them.
  int rozmiescL1(int szerokosc, int wysokosc, int gora);
  void ustawLampy(const std::array<Lampa, kLiczbaLamp>& lampy);
  // Fixed size; centred on the screen whenever the size changes.
  void ustawRozmiar(int szerokosc, int wysokosc);
  // Centred on the screen, as at the start.
  void wysrodkuj();
  // Runs a handler; whatever fails inside is shown and the program goes on.
  void bezpiecznie(const std::function<void()>& akcja);
  // Runs `praca` on a worker thread, the window disabled with `napis` as its
  // prompt; then `koniec` on the window thread. The work must not touch the window.
  void wTle(const std::string& napis, std::function<void()> praca, std::function<void()> koniec);

  void closeEvent(QCloseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void showEvent(QShowEvent* e) override;

  static constexpr int kPasekLamp = 36;  // width of the lamp strip
  static constexpr int kLewaKrawedz = 45;
  static constexpr int kGoraPrzyciskow = 207;
  static constexpr int kWysokoscPrzycisku = 30;

  DialogService& dialogi_;
  FiltrKlawiszy filtr_;
  const char* tytul_;
  bool pokazane_ = false;
  bool praceWTle_ = false;
  QThread* watek_ = nullptr;
};

}  // namespace common
