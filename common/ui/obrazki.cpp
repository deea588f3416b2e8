#include "common/ui/obrazki.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace common {

namespace {

// A lattice tower of a high-voltage line, standing on the baseline y = h,
// centred at x, `w` wide at the foot.
void Slup(QPainter& p, double x, double h, double w, double wysokosc) {
  const double gora = h - wysokosc;
  const double szczyt = w * 0.18;
  QPainterPath nogi;
  nogi.moveTo(x - w / 2, h);
  nogi.lineTo(x - szczyt, gora + wysokosc * 0.2);
  nogi.lineTo(x, gora);
  nogi.lineTo(x + szczyt, gora + wysokosc * 0.2);
  nogi.lineTo(x + w / 2, h);
  p.drawPath(nogi);
  // Cross bracing between the legs.
  const int pola = 9;
  for (int i = 0; i < pola; ++i) {
    double y1 = h - wysokosc * 0.8 * i / pola, y2 = h - wysokosc * 0.8 * (i + 1) / pola;
    auto polSzer = [&](double y) { return szczyt + (w / 2 - szczyt) * (y - (gora + wysokosc * 0.2)) / (wysokosc * 0.8); };
    p.drawLine(QPointF(x - polSzer(y1), y1), QPointF(x + polSzer(y2), y2));
    p.drawLine(QPointF(x + polSzer(y1), y1), QPointF(x - polSzer(y2), y2));
  }
  // Two cross-arms with insulator strings.
  for (double poziom : {0.28, 0.42}) {
    double y = gora + wysokosc * poziom;
    double ramie = w * (poziom < 0.3 ? 1.1 : 1.4);
    p.drawLine(QPointF(x - ramie, y), QPointF(x + ramie, y));
    for (double k : {-ramie, ramie}) p.drawLine(QPointF(x + k * 0.95, y), QPointF(x + k * 0.95, y + wysokosc * 0.05));
  }
}

}  // namespace

QPixmap ObrazekBoczny() {
  QPixmap obraz(kObrazekBocznySzerokosc, kObrazekBocznyWysokosc);
  obraz.fill(Qt::transparent);
  QPainter p(&obraz);
  p.setRenderHint(QPainter::Antialiasing);
  const double w = kObrazekBocznySzerokosc, h = kObrazekBocznyWysokosc;
  QLinearGradient niebo(0, 0, 0, h);
  niebo.setColorAt(0, QColor(18, 38, 92));
  niebo.setColorAt(0.7, QColor(66, 113, 214));
  niebo.setColorAt(1, QColor(200, 215, 240));
  QPainterPath ksztalt;  // a strip with a soft right edge
  ksztalt.moveTo(0, 0);
  ksztalt.lineTo(w * 0.78, 0);
  ksztalt.cubicTo(w * 1.02, h * 0.3, w * 0.7, h * 0.7, w, h);
  ksztalt.lineTo(0, h);
  ksztalt.closeSubpath();
  p.fillPath(ksztalt, niebo);
  p.setPen(QPen(QColor(20, 20, 30), 5));
  Slup(p, w * 0.38, h * 0.97, w * 0.34, h * 0.55);
  p.setPen(QPen(QColor(20, 20, 30, 150), 3));
  Slup(p, w * 0.72, h * 0.93, w * 0.14, h * 0.22);
  return obraz;
}

QPixmap Godlo(int bok) {
  QPixmap obraz(bok, bok);
  obraz.fill(Qt::transparent);
  QPainter p(&obraz);
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient tlo(bok / 2.0, bok / 2.0, bok / 2.0);
  tlo.setColorAt(0, QColor(255, 255, 255));
  tlo.setColorAt(1, QColor(66, 113, 214));
  p.setBrush(tlo);
  p.setPen(QPen(QColor(20, 40, 100), 1));
  p.drawEllipse(QRectF(1, 1, bok - 2, bok - 2));
  // A lightning bolt.
  QPolygonF piorun({{bok * 0.55, bok * 0.12}, {bok * 0.28, bok * 0.55}, {bok * 0.48, bok * 0.55},
                    {bok * 0.40, bok * 0.88}, {bok * 0.72, bok * 0.42}, {bok * 0.52, bok * 0.42}});
  p.setBrush(QColor(250, 200, 30));
  p.drawPolygon(piorun);
  return obraz;
}

}  // namespace common
