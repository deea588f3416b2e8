#include "zwarcia/ui/wykresy.h"

#include <algorithm>
#include <cmath>

#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include "common/core/liczby.h"
#include "common/ui/okna.h"
#include "common/ui/tekst.h"

namespace zwarcia {

namespace {

constexpr int kWysokoscOpisowPoziomych = 34;
constexpr int kWysokoscPanelu = 66;  // room for two lines of each instruction
constexpr int kMarginesPrawy = 12;

const QColor kSiatkaJasna(200, 200, 200), kSiatkaCiemna(150, 150, 150), kRamka(60, 60, 60),
    kKrzywa(20, 40, 160), kOpis(30, 30, 30);

QFont Czcionka(int piksele, bool waska = false) {
  QFont f(waska ? "DejaVu Sans Condensed" : "DejaVu Sans");
  f.setStyleHint(QFont::SansSerif);
  f.setPixelSize(piksele);
  return f;
}

// The symbols of the quantities, as printed in formulas.
QFont Symbol(int piksele) {
  QFont f("DejaVu Serif");
  f.setStyleHint(QFont::Serif);
  f.setItalic(true);
  f.setPixelSize(piksele);
  return f;
}

// The peak factor's symbol: a serif italic whose kappa has the Greek
// form, not that of a small capital K, where the desktop has one.
QFont SymbolKappa(int piksele) {
  QFont f = Symbol(piksele);
  f.setFamilies({"C059", "Nimbus Roman", "TeX Gyre Schola", "TeX Gyre Termes", "Liberation Serif", "DejaVu Serif"});
  return f;
}

QImage BialyObraz(int szer, int wys) {
  QImage obraz(szer, wys, QImage::Format_RGB32);
  obraz.fill(Qt::white);
  return obraz;
}

int NaPiksel(double p) { return static_cast<int>(common::ZaokraglijDoParzystej(p)); }

// Aliased one-pixel lines fill exactly the pixel row or column given, the
// one the rules read the grid value at.
void LiniaPionowa(QPainter& p, int x, int y1, int y2, const QColor& kolor) {
  p.setPen(QPen(kolor, 0));
  p.drawLine(x, y1, x, y2);
}
void LiniaPozioma(QPainter& p, int y, int x1, int x2, const QColor& kolor) {
  p.setPen(QPen(kolor, 0));
  p.drawLine(x1, y, x2, y);
}

// A curve through the centres of its pixels.
void Krzywa(QPainter& p, const std::vector<PunktObrazu>& punkty) {
  QPainterPath sciezka;
  for (size_t i = 0; i < punkty.size(); ++i) {
    const QPointF q(punkty[i].x + 0.5, punkty[i].y + 0.5);
    i == 0 ? sciezka.moveTo(q) : sciezka.lineTo(q);
  }
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(QPen(kKrzywa, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(sciezka);
  p.setRenderHint(QPainter::Antialiasing, false);
}

// Text centred vertically on y and horizontally on x, or ending at x.
void Napis(QPainter& p, double x, double y, const QString& t, Qt::Alignment poziomo = Qt::AlignHCenter) {
  const double lewy = poziomo == Qt::AlignRight ? x - 200 : x - 100;
  p.drawText(QRectF(lewy, y - 20, 200, 40), int(poziomo | Qt::AlignVCenter), t);
}

// An arrow from a to b with its head at b.
void Strzalka(QPainter& p, QPointF a, QPointF b) {
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(QPen(kOpis, 1.2));
  p.drawLine(a, b);
  const QPointF k = (b - a) / std::hypot(b.x() - a.x(), b.y() - a.y());
  const QPointF n(-k.y(), k.x());
  p.setBrush(kOpis);
  p.drawPolygon(QPolygonF({b, b - 7 * k + 3 * n, b - 7 * k - 3 * n}));
  p.setRenderHint(QPainter::Antialiasing, false);
}

QString Liczba(double x) { return common::Q(common::LiczbaNaTekst(x)); }

}  // namespace

// The red crosshair is drawn over the pictures, in window pixels.
class KrzyzWykresu : public QWidget {
 public:
  explicit KrzyzWykresu(QWidget* okno) : QWidget(okno) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }
  void ustaw(std::optional<std::pair<Linia, Linia>> linie) {
    linie_ = linie;
    update();
  }
  const std::optional<std::pair<Linia, Linia>>& linie() const { return linie_; }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (!linie_) return;
    QPainter p(this);
    p.setPen(QPen(QColor(255, 0, 0), 0));
    for (const Linia& l : {linie_->first, linie_->second})
      p.drawLine(l.poczatek.x, l.poczatek.y, l.koniec.x, l.koniec.y);
  }

 private:
  std::optional<std::pair<Linia, Linia>> linie_;
};

// --- pictures ---

QImage ObrazRdoX() {
  const UkladWykresu& u = kUkladRdoX;
  QImage obraz = BialyObraz(u.szerokosc, u.wysokosc);
  QPainter p(&obraz);
  const int lewa = NaPiksel(KolumnaRdoX(kSiatkaRdoX.front())), prawa = NaPiksel(KolumnaRdoX(kSiatkaRdoX.back()));
  const int gora = NaPiksel(WierszKappa(kSiatkaKappa.back())), dol = NaPiksel(WierszKappa(kSiatkaKappa.front()));
  for (double k : kSiatkaKappa) {
    const int y = NaPiksel(WierszKappa(k));
    LiniaPozioma(p, y, lewa, prawa, y == gora || y == dol ? kRamka : kSiatkaJasna);
  }
  for (double r : kSiatkaRdoX) {
    const int x = NaPiksel(KolumnaRdoX(r));
    LiniaPionowa(p, x, gora, dol, x == lewa || x == prawa ? kRamka : kSiatkaJasna);
  }
  Krzywa(p, KrzywaKappa());
  return obraz;
}

QImage OpisyPionoweRdoX() {
  const UkladWykresu& u = kUkladRdoX;
  QImage obraz = BialyObraz(u.obrazX, u.obrazY + u.wysokosc);
  QPainter p(&obraz);
  p.setPen(kOpis);
  p.setFont(Czcionka(11));
  // Each value beside its grid line; the bottom one, on the picture's last
  // rows, stands just above it so as to show whole.
  const double polowa = QFontMetricsF(p.font()).height() / 2;
  for (double k : kSiatkaKappa)
    Napis(p, u.obrazX - 4, std::min(u.obrazY + WierszKappa(k) + 0.5, obraz.height() - polowa),
          common::Q(common::WedlugWzorca("0.0", k)), Qt::AlignRight);
  Strzalka(p, QPointF(7, u.obrazY + WierszKappa(1.4)), QPointF(7, u.obrazY + 2));
  // The symbol right of the arrow, between the values 2,0 and 1,8.
  p.setPen(kOpis);
  p.setFont(SymbolKappa(24));
  Napis(p, 24, u.obrazY + (WierszKappa(2.0) + WierszKappa(1.8)) / 2 - 2, QString::fromUtf8("κ"));
  return obraz;
}

QImage OpisyPoziomeRdoX() {
  const UkladWykresu& u = kUkladRdoX;
  QImage obraz = BialyObraz(u.obrazX + u.szerokosc + kMarginesPrawy, kWysokoscOpisowPoziomych);
  QPainter p(&obraz);
  p.setPen(kOpis);
  p.setFont(Czcionka(11));
  for (double r : kSiatkaRdoX) Napis(p, u.obrazX + KolumnaRdoX(r) + 0.5, 8, Liczba(r));
  const double prawa = u.obrazX + KolumnaRdoX(kSiatkaRdoX.back()) + 0.5;
  p.setFont(Czcionka(13));
  Napis(p, prawa - 62, 24, "X/R", Qt::AlignRight);
  Strzalka(p, QPointF(prawa - 56, 24), QPointF(prawa, 24));
  return obraz;
}

QImage ObrazN() {
  const UkladWykresu& u = kUkladN;
  QImage obraz = BialyObraz(u.szerokosc, u.wysokosc);
  QPainter p(&obraz);
  const int lewa = 0, prawa = u.szerokosc - 1, gora = 0, dol = u.wysokosc - 1;
  // m = 0 and Tk = 1 s lie a pixel past the picture; its edges stand for them.
  for (int i = 1; i <= 9; ++i) LiniaPozioma(p, NaPiksel(WierszM(0.2 * i)), lewa, prawa, kSiatkaJasna);
  for (double t : SiatkaTk()) {
    const bool opisana =
        std::any_of(kOpisyTk.begin(), kOpisyTk.end(), [t](double o) { return std::abs(o - t) < 1e-9; });
    LiniaPionowa(p, std::min(NaPiksel(KolumnaTk(t)), prawa), gora, dol, opisana ? kSiatkaCiemna : kSiatkaJasna);
  }
  p.setPen(QPen(kRamka, 0));
  p.drawRect(lewa, gora, prawa - lewa, dol - gora);
  for (double k : kKrzyweKappa) Krzywa(p, KrzywaM(k));
  // Each curve is named just above its left end, where the curves lie
  // furthest apart; the name of the top one carries the symbol.
  p.setFont(Czcionka(10));
  const QFontMetricsF miara(p.font());
  const int x = 6;
  for (double k : kKrzyweKappa) {
    const QString t = (k == kKrzyweKappa.front() ? QString::fromUtf8("κ = ") : QString()) +
                      common::Q(common::WedlugWzorca("0.0", k));
    const QRectF r(x, KrzywaM(k)[x].y - 13, miara.horizontalAdvance(t) + 2, 11);
    p.fillRect(r, Qt::white);
    p.setPen(kOpis);
    p.drawText(r, Qt::AlignCenter, t);
  }
  return obraz;
}

QImage OpisyPionoweN() {
  const UkladWykresu& u = kUkladN;
  QImage obraz = BialyObraz(u.obrazX, u.obrazY + u.wysokosc);
  QPainter p(&obraz);
  p.setPen(kOpis);
  p.setFont(Czcionka(11));
  for (double m : kOpisyM)
    Napis(p, u.obrazX - 4, u.obrazY + WierszM(m) + 0.5, common::Q(common::WedlugWzorca("0.0", m)), Qt::AlignRight);
  p.setFont(Symbol(17));
  Napis(p, 14, u.obrazY + WierszM(1.6) + 0.5, "m");
  return obraz;
}

QImage OpisyPoziomeN() {
  const UkladWykresu& u = kUkladN;
  QImage obraz = BialyObraz(u.obrazX + u.szerokosc + kMarginesPrawy, kWysokoscOpisowPoziomych);
  QPainter p(&obraz);
  p.setPen(kOpis);
  p.setFont(Czcionka(11));
  for (double t : kOpisyTk)
    Napis(p, u.obrazX + std::min(KolumnaTk(t), u.szerokosc - 1.0) + 0.5, 8, Liczba(t));
  p.setFont(Czcionka(13));
  Napis(p, u.obrazX + u.szerokosc - 4, 24, "Tk, s", Qt::AlignRight);
  return obraz;
}

// --- windows ---

OknoWykresu::OknoWykresu(const char* nazwa, const char* tytul, const UkladWykresu& u, Regula regula, QImage obraz,
                         QImage opisyPionowe, QImage opisyPoziome, QWidget* rodzic)
    : QWidget(rodzic, Qt::Tool | Qt::WindowStaysOnTopHint), regula_(std::move(regula)), obraz_(std::move(obraz)) {
  setObjectName(nazwa);
  setWindowTitle(QString::fromUtf8(tytul));
  QPalette biala = palette();
  biala.setColor(QPalette::Window, Qt::white);
  setPalette(biala);
  setAutoFillBackground(true);

  auto obrazek = [this](const char* nazwa, const QImage& obraz, QPoint gdzie) {
    auto* l = new QLabel(this);
    l->setObjectName(nazwa);
    l->setPixmap(QPixmap::fromImage(obraz));
    l->setGeometry(QRect(gdzie, obraz.size()));
    return l;
  };
  Image1 = obrazek("Image1", opisyPionowe, {0, 0});
  Image2 = obrazek("Image2", opisyPoziome, {0, u.obrazY + u.wysokosc});
  Image3 = obrazek("Image3", obraz_, {u.obrazX, u.obrazY});
  const int szerokosc = opisyPoziome.width();
  const int gornaKrawedzPanelu = Image2->geometry().bottom() + 1;

  auto* panel = new QFrame(this);
  panel->setObjectName("Panel1");
  panel->setFrameShape(QFrame::StyledPanel);
  panel->setGeometry(0, gornaKrawedzPanelu, szerokosc, kWysokoscPanelu);
  L1 = new QLabel(panel);
  L1->setObjectName("L1");
  L2 = new QLabel(panel);
  L2->setObjectName("L2");
  for (QLabel* l : {L1, L2}) {
    l->setFont(Czcionka(11));
    l->setWordWrap(true);
  }
  BitBtn1 = new QPushButton("OK", panel);
  BitBtn1->setObjectName("BitBtn1");
  auto* uklad = new QGridLayout(panel);
  uklad->setContentsMargins(6, 3, 6, 3);
  uklad->setVerticalSpacing(2);
  uklad->addWidget(L1, 0, 0, 1, 2);
  uklad->addWidget(L2, 1, 0);
  uklad->addWidget(BitBtn1, 1, 1, Qt::AlignBottom);
  uklad->setColumnStretch(0, 1);
  BitBtn1->setFixedWidth(75);
  connect(BitBtn1, &QPushButton::clicked, this, &QWidget::close);

  krzyz_ = new KrzyzWykresu(this);
  krzyz_->setGeometry(0, 0, szerokosc, gornaKrawedzPanelu + kWysokoscPanelu);

  PolozenieP = new QLabel(this);
  PolozenieP->setObjectName("PolozenieP");
  PolozenieP->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  PolozenieP->setAlignment(Qt::AlignCenter);
  PolozenieP->setFont(Czcionka(10, true));
  PolozenieP->setAutoFillBackground(true);
  QPalette zolta = PolozenieP->palette();
  zolta.setColor(QPalette::Window, QColor(255, 255, 128));
  PolozenieP->setPalette(zolta);
  PolozenieP->resize(u.panelSzerokosc, u.panelWysokosc);
  PolozenieP->setAttribute(Qt::WA_TransparentForMouseEvents);
  PolozenieP->hide();

  // Every part of the window follows the pointer: the chart to read it,
  // everything else to take the crosshair and the readout away.
  setMouseTracking(true);
  installEventFilter(this);
  for (QWidget* w : std::initializer_list<QWidget*>{Image1, Image2, Image3, panel, L1, L2, BitBtn1}) {
    w->setMouseTracking(true);
    w->installEventFilter(this);
  }
  setFixedSize(szerokosc, gornaKrawedzPanelu + kWysokoscPanelu);
}

void OknoWykresu::ustawInstrukcje(const QString& l1, const QString& l2) {
  L1->setText(l1);
  L2->setText(l2);
}

void OknoWykresu::pokaz() {
  // The frame at 10, 10 from the top left of the work area.
  const QRect obszar = common::ObszarEkranu();
  const common::Ramka ramka = common::RamkaOkien(this);
  common::PokazOkno(this, QRect(obszar.left() + ramka.lewo + 10, obszar.top() + ramka.gora + 10, width(), height()));
}

std::optional<std::pair<Linia, Linia>> OknoWykresu::krzyz() const { return krzyz_->linie(); }

bool OknoWykresu::eventFilter(QObject* obiekt, QEvent* e) {
  if (e->type() == QEvent::MouseMove) {
    if (obiekt != Image3) {
      ruchPozaWykresem();
      return false;
    }
    ruchNadWykresem(static_cast<QMouseEvent*>(e)->position().toPoint());
    return true;  // not again as a movement over the window
  }
  if (obiekt == Image3 && e->type() == QEvent::MouseButtonRelease) {
    auto* m = static_cast<QMouseEvent*>(e);
    if (m->button() == Qt::LeftButton && Image3->rect().contains(m->position().toPoint())) {
      const QString tekst = common::Q(common::WedlugWzorca("0.00", WartoscOdczytana));
      if (cel_) cel_->setText(tekst);
      emit odczytano(tekst);
    }
  }
  return false;
}

void OknoWykresu::ruchNadWykresem(QPoint p) {
  const Odczyt o = regula_(p.x(), p.y());
  PolozenieP->setVisible(o.widoczny);
  if (o.polozenie) PolozenieP->move(o.polozenie->x, o.polozenie->y);
  WartoscOdczytana = o.pionowo;
  PolozenieP->setText(common::Q(o.tekst));
  krzyz_->ustaw(std::pair{o.pionowa, o.pozioma});
}

void OknoWykresu::ruchPozaWykresem() {
  krzyz_->ustaw(std::nullopt);
  PolozenieP->hide();
}

void OknoWykresu::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape) close();
  else QWidget::keyPressEvent(e);
}

void OknoWykresu::showEvent(QShowEvent* e) {
  if (drugie_ && drugie_->isVisible()) drugie_->close();
  QWidget::showEvent(e);
}

void OknoWykresu::hideEvent(QHideEvent* e) {
  krzyz_->ustaw(std::nullopt);  // a window shown again is redrawn without it
  QWidget::hideEvent(e);
}

TF_WykresRdoX::TF_WykresRdoX(QWidget* rodzic)
    : OknoWykresu("TF_WykresRdoX", "Wykres X/R", kUkladRdoX, OdczytRdoX, ObrazRdoX(), OpisyPionoweRdoX(),
                  OpisyPoziomeRdoX(), rodzic) {}

TF_WykresN::TF_WykresN(QWidget* rodzic)
    : OknoWykresu("TF_WykresN", "Wykres do wyznaczenia współczynnika m", kUkladN, OdczytN, ObrazN(),
                  OpisyPionoweN(), OpisyPoziomeN(), rodzic) {}

void PolaczWykresy(OknoWykresu& a, OknoWykresu& b) {
  a.ustawDrugie(&b);
  b.ustawDrugie(&a);
}

}  // namespace zwarcia
