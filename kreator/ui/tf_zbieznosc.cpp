#include "kreator/ui/tf_zbieznosc.h"

#include <QBuffer>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <cmath>

#include "common/core/liczby.h"
#include "common/ui/okna.h"
#include "common/ui/tekst.h"

namespace kreator {

using common::Q;

namespace {

const QColor kKolorSerii[] = {QColor(20, 60, 170), QColor(200, 40, 30)};  // Gauss-Seidel, Newton-Raphson
const QColor kKolorProgu(0, 120, 60), kSiatka(222, 222, 222), kRamka(90, 90, 90), kOpis(30, 30, 30);
constexpr Wielkosc kPanele[] = {Wielkosc::Zmiana, Wielkosc::Niezbilansowanie};
constexpr int kMargines = 8;
constexpr int kOdstepPaneli = 14;
constexpr QSize kRozmiarPoczatkowy(800, 600);

QFont Czcionka(int piksele, bool gruba = false) {
  QFont f("DejaVu Sans");
  f.setStyleHint(QFont::SansSerif);
  f.setPixelSize(piksele);
  f.setBold(gruba);
  return f;
}

// Where everything of the chart stands for one size of it.
class Rysunek {
 public:
  Rysunek(QSize rozmiar, const Zbieznosc& z)
      : z_(z), fOpis_(Czcionka(12)), fTytul_(Czcionka(12, true)), opis_(fOpis_), tytul_(fTytul_) {
    const int wiersz = opis_.height() + 4;
    const int lewa = kMargines + opis_.horizontalAdvance(Q(NapisDekady(kNajnizszaDekada))) + 10;
    const int prawa = rozmiar.width() - kMargines - 8;
    // The legend on one row where both entries fit, else one under the other.
    int potrzeba = 0;
    for (const SeriaZbieznosci& s : z_.serie) potrzeba += kProbka + opis_.horizontalAdvance(Q(s.opis)) + 30;
    wierszeLegendy_ = potrzeba <= rozmiar.width() - 2 * kMargines ? 1 : 2;
    gornaLegendy_ = kMargines;
    const int podLegenda = gornaLegendy_ + wierszeLegendy_ * wiersz + 6;
    const int dol = rozmiar.height() - kMargines - 2 * wiersz;  // below: the step labels and the axis title
    const int wierszTytulu = tytul_.height() + 6;
    const int wysokosc = std::max(20, (dol - podLegenda - 2 * wierszTytulu - kOdstepPaneli) / 2);
    int gora = podLegenda + wierszTytulu;
    for (size_t i = 0; i < 2; ++i) {
      panele_[i] = QRect(QPoint(lewa, gora), QPoint(std::max(lewa + 20, prawa), gora + wysokosc));
      osie_[i] = ZakresOsi(z_, kPanele[i]);
      gora += wysokosc + kOdstepPaneli + wierszTytulu;
    }
    n_ = std::max(1, z_.liczbaKrokow());
  }

  const OsLogarytmiczna& os(size_t i) const { return osie_[i]; }

  double x(double krok) const {
    const QRect& r = panele_[0];
    return r.left() + krok / n_ * r.width();
  }
  double y(size_t i, double wartosc) const {
    const QRect& r = panele_[i];
    return r.bottom() - PolozenieNaOsi(osie_[i], wartosc) * r.height();
  }
  double yDekady(size_t i, int wykladnik) const {
    const QRect& r = panele_[i];
    return r.bottom() - double(wykladnik - osie_[i].dolna) / (osie_[i].gorna - osie_[i].dolna) * r.height();
  }
  QPointF punkt(size_t i, Punkt p) const {
    return {x(p.krok), y(i, Wartosc(z_.serie[size_t(p.seria)].kroki[size_t(p.krok - 1)], kPanele[i]))};
  }

  // The step and the axis position under a pixel of pane i, if it is over it.
  std::optional<std::pair<double, double>> podPikselem(size_t i, QPointF p) const {
    const QRect r = panele_[i].adjusted(-10, -6, 10, 6);
    if (!r.contains(p.toPoint())) return std::nullopt;
    const QRect& w = panele_[i];
    return std::pair{(p.x() - w.left()) / w.width() * n_, (w.bottom() - p.y()) / w.height()};
  }

  void rysuj(QPainter& p, const std::optional<std::pair<Wielkosc, Punkt>>& wskazany) const {
    p.setRenderHint(QPainter::TextAntialiasing, true);
    legenda(p);
    for (size_t i = 0; i < 2; ++i) rysujPanel(p, i);
    osX(p);
    if (wskazany) {
      const size_t i = wskazany->first == Wielkosc::Zmiana ? 0 : 1;
      const QPointF q = punkt(i, wskazany->second);
      p.setRenderHint(QPainter::Antialiasing, true);
      p.setPen(QPen(kOpis, 1.5));
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(q, 6, 6);
      p.setRenderHint(QPainter::Antialiasing, false);
    }
  }

 private:
  static constexpr int kProbka = 34;  // the line sample before a legend entry

  void znacznik(QPainter& p, size_t seria, QPointF q) const {
    p.setPen(Qt::NoPen);
    p.setBrush(kKolorSerii[seria]);
    if (seria == 0) p.drawEllipse(q, 2.6, 2.6);
    else p.drawRect(QRectF(q.x() - 3, q.y() - 3, 6, 6));
  }

  void legenda(QPainter& p) const {
    p.setFont(fOpis_);
    const int wiersz = opis_.height() + 4;
    double x = kMargines, y = gornaLegendy_ + wiersz / 2.0;
    for (size_t s = 0; s < 2; ++s) {
      if (s == 1 && wierszeLegendy_ == 2) {
        x = kMargines;
        y += wiersz;
      }
      p.setRenderHint(QPainter::Antialiasing, true);
      p.setPen(QPen(kKolorSerii[s], 2));
      p.drawLine(QPointF(x + 2, y), QPointF(x + kProbka - 6, y));
      znacznik(p, s, QPointF(x + kProbka / 2.0 - 2, y));
      p.setRenderHint(QPainter::Antialiasing, false);
      p.setPen(kOpis);
      const QString t = Q(z_.serie[s].opis);
      p.drawText(QRectF(x + kProbka, y - wiersz / 2.0, opis_.horizontalAdvance(t) + 4, wiersz),
                 Qt::AlignLeft | Qt::AlignVCenter, t);
      x += kProbka + opis_.horizontalAdvance(t) + 30;
    }
  }

  void rysujPanel(QPainter& p, size_t i) const {
    const QRect& r = panele_[i];
    const OsLogarytmiczna& os = osie_[i];
    p.fillRect(r, Qt::white);
    // The heading with its unit above the pane.
    p.setFont(fTytul_);
    p.setPen(kOpis);
    p.drawText(QRect(r.left(), r.top() - tytul_.height() - 4, r.width(), tytul_.height()),
               Qt::AlignLeft | Qt::AlignVCenter, Q(TytulPanelu(kPanele[i])));
    // A grid line at every decade, a label where they have room.
    p.setFont(fOpis_);
    const int dekady = os.gorna - os.dolna;
    const int co = KrokPodzialki(dekady, r.height() / (opis_.height() + 2));
    for (int e = os.dolna; e <= os.gorna; ++e) {
      const double y = yDekady(i, e);
      if (r.height() / dekady >= 4 || e % co == 0) {
        p.setPen(QPen(kSiatka, 1));
        p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
      }
      if (e % co != 0) continue;
      p.setPen(kOpis);
      p.drawText(QRectF(kMargines, y - opis_.height() / 2.0, r.left() - kMargines - 6, opis_.height()),
                 Qt::AlignRight | Qt::AlignVCenter, Q(NapisDekady(e)));
    }
    const int coKrok = KrokPodzialki(n_, r.width() / (opis_.horizontalAdvance("0000") + 14));
    p.setPen(QPen(kSiatka, 1));
    for (int k = coKrok; k <= n_; k += coKrok) p.drawLine(QPointF(x(k), r.top()), QPointF(x(k), r.bottom()));
    p.setPen(QPen(kRamka, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);

    p.save();
    p.setClipRect(r.adjusted(-4, -4, 4, 4));
    p.setRenderHint(QPainter::Antialiasing, true);
    // Epsilon: the line both quantities must get under, named where the curves leave room.
    const double yProgu = y(i, z_.prog(kPanele[i]));
    p.setPen(QPen(kKolorProgu, 1.5, Qt::DashLine));
    p.drawLine(QPointF(r.left(), yProgu), QPointF(r.right(), yProgu));
    const QString opisProgu = Q(OpisProgu(z_, kPanele[i]));
    const QRectF napis = miejsceNapisu(i, yProgu, QSizeF(opis_.horizontalAdvance(opisProgu) + 6, opis_.height()));
    p.fillRect(napis, QColor(255, 255, 255, 220));
    p.setPen(kKolorProgu);
    p.drawText(napis, Qt::AlignCenter, opisProgu);
    // Gauss-Seidel under Newton-Raphson, whose few points would be hidden under the long curve.
    for (size_t s = 0; s < 2; ++s) {
      const auto& kroki = z_.serie[s].kroki;
      if (kroki.empty()) continue;
      QPainterPath krzywa;
      for (size_t k = 0; k < kroki.size(); ++k) {
        const QPointF q = punkt(i, {int(s), int(k) + 1});
        k == 0 ? krzywa.moveTo(q) : krzywa.lineTo(q);
      }
      p.setPen(QPen(kKolorSerii[s], 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.setBrush(Qt::NoBrush);
      p.drawPath(krzywa);
      if (kroki.size() <= 12 || r.width() / n_ >= 6)
        for (size_t k = 0; k < kroki.size(); ++k) znacznik(p, s, punkt(i, {int(s), int(k) + 1}));
    }
    p.restore();
  }

  // Where the name of the epsilon line at height y of pane i covers the
  // least of the curves: beside the line at its right end, in its middle
  // (where Gauss-Seidel is mostly still above it and Newton-Raphson done)
  // or near its left end, under it or over it.
  QRectF miejsceNapisu(size_t i, double y, QSizeF rozmiar) const {
    const QRect& r = panele_[i];
    std::vector<QPointF> probki;  // points along both curves, 3 pixels apart
    for (size_t s = 0; s < 2; ++s) {
      const auto& kroki = z_.serie[s].kroki;
      for (size_t k = 0; k < kroki.size(); ++k) {
        const QPointF b = punkt(i, {int(s), int(k) + 1});
        const QPointF a = k == 0 ? b : punkt(i, {int(s), int(k)});
        const int n = std::max(1, int(std::hypot(b.x() - a.x(), b.y() - a.y()) / 3));
        for (int j = 0; j <= n; ++j) probki.push_back(a + (b - a) * (double(j) / n));
      }
    }
    const double w = rozmiar.width(), h = rozmiar.height();
    const double lewo[] = {r.right() - w - 4, r.center().x() - w / 2, r.left() + r.width() * 0.15};
    std::optional<QRectF> najlepsze;
    size_t najmniej = 0;
    for (double x : lewo)
      for (double gora : {y - h - 3, y + 3}) {
        const QRectF kandydat(std::max(x, r.left() + 2.0), gora, w, h);
        if (kandydat.top() < r.top() || kandydat.bottom() > r.bottom()) continue;
        const QRectF obszar = kandydat.adjusted(-2, -2, 2, 2);
        const size_t pod = size_t(std::count_if(probki.begin(), probki.end(),
                                                [&](const QPointF& q) { return obszar.contains(q); }));
        if (!najlepsze || pod < najmniej) {
          najlepsze = kandydat;
          najmniej = pod;
        }
      }
    return najlepsze.value_or(QRectF(r.right() - w - 4, r.top() + 2, w, h));
  }

  void osX(QPainter& p) const {
    const QRect& r = panele_[1];
    p.setFont(fOpis_);
    p.setPen(kOpis);
    const int co = KrokPodzialki(n_, r.width() / (opis_.horizontalAdvance("0000") + 14));
    const int wiersz = opis_.height() + 4;
    for (int k = 0; k <= n_; k += co) {
      p.drawLine(QPointF(x(k), r.bottom()), QPointF(x(k), r.bottom() + 3));
      p.drawText(QRectF(x(k) - 40, r.bottom() + 3, 80, wiersz), Qt::AlignHCenter | Qt::AlignTop,
                 Q(common::CalkowitaNaTekst(k)));
    }
    p.drawText(QRectF(r.left(), r.bottom() + 3 + wiersz, r.width(), wiersz), Qt::AlignHCenter | Qt::AlignTop,
               QString::fromUtf8(kOpisOsiKrokow));
  }

  const Zbieznosc& z_;
  QFont fOpis_, fTytul_;
  QFontMetrics opis_, tytul_;
  int wierszeLegendy_ = 1, gornaLegendy_ = 0;
  std::array<QRect, 2> panele_;
  std::array<OsLogarytmiczna, 2> osie_;
  int n_ = 1;
};

}  // namespace

WykresZbieznosci::WykresZbieznosci(QWidget* rodzic) : QWidget(rodzic) {
  setObjectName("WykresZbieznosci");
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(480, 320);
}

void WykresZbieznosci::ustaw(const Zbieznosc* dane) {
  dane_ = dane;
  wskazany_.reset();
  update();
}

QImage WykresZbieznosci::obraz(QSize rozmiar) const {
  QImage obraz(rozmiar, QImage::Format_RGB32);
  obraz.fill(palette().color(QPalette::Window));
  if (dane_) {
    QPainter p(&obraz);
    Rysunek(rozmiar, *dane_).rysuj(p, std::nullopt);
  }
  return obraz;
}

QPointF WykresZbieznosci::polozenie(Wielkosc w, Punkt p) const {
  if (!dane_) return {};
  return Rysunek(size(), *dane_).punkt(w == Wielkosc::Zmiana ? 0 : 1, p);
}

void WykresZbieznosci::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().color(QPalette::Window));
  if (dane_) Rysunek(size(), *dane_).rysuj(p, wskazany_);
}

void WykresZbieznosci::mouseMoveEvent(QMouseEvent* e) {
  std::optional<std::pair<Wielkosc, Punkt>> punkt;
  if (dane_) {
    const Rysunek r(size(), *dane_);
    for (size_t i = 0; i < 2 && !punkt; ++i)
      if (const auto pod = r.podPikselem(i, e->position()))
        if (const auto p = NajblizszyPunkt(*dane_, kPanele[i], r.os(i), pod->first, pod->second))
          punkt = std::pair{kPanele[i], *p};
  }
  wskaz(punkt);
}

void WykresZbieznosci::leaveEvent(QEvent*) { wskaz(std::nullopt); }

void WykresZbieznosci::wskaz(std::optional<std::pair<Wielkosc, Punkt>> punkt) {
  if (punkt == wskazany_) return;
  wskazany_ = punkt;
  update();
  emit wskazano(punkt && dane_ ? Q(OpisPunktu(*dane_, punkt->second)) : QString::fromUtf8(kPodpowiedzZbieznosci));
}

TF_Zbieznosc::TF_Zbieznosc(common::DialogService& dialogi, QWidget* rodzic)
    : QWidget(rodzic, Qt::Window | Qt::WindowStaysOnTopHint), zapis(dialogi) {
  setObjectName("TF_Zbieznosc");
  setWindowTitle(QString::fromUtf8(kTytulZbieznosci));
  Wykres = new WykresZbieznosci(this);
  StatusL = new QLabel(QString::fromUtf8(kPodpowiedzZbieznosci), this);
  StatusL->setObjectName("StatusL");
  // The whole width under the chart; a narrow window wraps the text instead of cutting it.
  StatusL->setWordWrap(true);
  StatusL->setMinimumHeight(StatusL->fontMetrics().height() + 4);
  StatusL->setTextInteractionFlags(Qt::TextSelectableByMouse);
  ZapiszBB = new QPushButton(QString::fromUtf8("Zapisz jako PNG…"), this);
  ZapiszBB->setObjectName("ZapiszBB");
  ZapiszBB->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
  ZamknijBB = new QPushButton("Zamknij", this);
  ZamknijBB->setObjectName("ZamknijBB");
  ZamknijBB->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
  auto* dol = new QHBoxLayout;
  dol->addStretch(1);
  dol->addWidget(ZapiszBB);
  dol->addWidget(ZamknijBB);
  auto* uklad = new QVBoxLayout(this);
  uklad->setContentsMargins(6, 6, 6, 6);
  uklad->addWidget(Wykres, 1);
  uklad->addWidget(StatusL);
  uklad->addLayout(dol);
  connect(Wykres, &WykresZbieznosci::wskazano, StatusL, &QLabel::setText);
  connect(ZapiszBB, &QPushButton::clicked, this, [this] { zapiszPng(); });
  connect(ZamknijBB, &QPushButton::clicked, this, &QWidget::close);
  resize(kRozmiarPoczatkowy);
}

void TF_Zbieznosc::pokaz(Zbieznosc dane) {
  dane_ = std::move(dane);
  Wykres->ustaw(&dane_);
  // Why a method did not converge, over the chart where its legend says it did not.
  QStringList bledy;
  for (const SeriaZbieznosci& s : dane_.serie)
    if (!s.blad.empty()) bledy << Q(s.blad);
  Wykres->setToolTip(bledy.join("\n\n"));
  StatusL->setText(QString::fromUtf8(kPodpowiedzZbieznosci));
  common::PokazNaSrodku(this);  // moved and if need be shrunk into the work area
  ZamknijBB->setFocus();
}

bool TF_Zbieznosc::zapiszPng() {
  return zapis.Zapisz([this] {
    QByteArray bajty;
    QBuffer bufor(&bajty);
    if (!bufor.open(QIODevice::WriteOnly) || !Wykres->obraz(Wykres->size()).save(&bufor, "PNG")) return std::string();
    return std::string(bajty.constData(), size_t(bajty.size()));
  });
}

void TF_Zbieznosc::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape) close();
  else QWidget::keyPressEvent(e);
}

}  // namespace kreator
