#include "controls/napis_wypukly.h"

#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace controls {

namespace {
const QColor kShadow(0, 0, 0, 150);    // translucent, so it darkens whatever lies beneath
const QColor kHighlight(255, 255, 255); // lit upper-left edge
const QColor kDarkEdge(64, 64, 64);     // unlit lower-right edge
} // namespace

NapisWypukly::NapisWypukly(QWidget *parent) : NapisWypukly(QString(), parent) {}

NapisWypukly::NapisWypukly(const QString &text, QWidget *parent)
    : QWidget(parent), m_text(text)
{
    // Only the letters are painted; the window shows through everywhere else.
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    // The caption is purely decorative: clicks go to whatever is underneath.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void NapisWypukly::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    updateGeometry();
    update();
}

void NapisWypukly::setPixelSize(int pixels)
{
    pixels = std::max(pixels, 1);
    if (pixels == m_pixelSize)
        return;
    m_pixelSize = pixels;
    updateGeometry();
    update();
}

QFont NapisWypukly::captionFont() const
{
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setStyleHint(QFont::Serif);
    f.setBold(true);
    f.setPixelSize(m_pixelSize);
    return f;
}

QPainterPath NapisWypukly::glyphs() const
{
    QPainterPath path;
    path.addText(0, 0, captionFont(), m_text);
    return path;
}

QRectF NapisWypukly::decoratedBounds(const QPainterPath &path)
{
    // The highlight sticks out 1 px up-left; the shadow reaches further
    // down-right than the 1 px dark edge.
    return path.boundingRect().adjusted(-1, -1, kShadowOffset, kShadowOffset);
}

QSize NapisWypukly::sizeHint() const
{
    const QPainterPath path = glyphs();
    if (path.isEmpty()) {
        const QFontMetrics fm(captionFont());
        return {kShadowOffset + 4, fm.height() + kShadowOffset + 4};
    }
    const QRectF box = decoratedBounds(path);
    // Two spare pixels each side: whole-pixel placement in paintEvent may
    // shift the block by half a pixel, and antialiasing adds a fringe.
    return {int(std::ceil(box.width())) + 4, int(std::ceil(box.height())) + 4};
}

QSize NapisWypukly::minimumSizeHint() const
{
    return sizeHint();
}

void NapisWypukly::paintEvent(QPaintEvent *)
{
    const QPainterPath path = glyphs();
    if (path.isEmpty())
        return;

    // Centre the whole decorated block; whole-pixel placement keeps the
    // 1 px edges crisp instead of smearing them over two pixel rows.
    const QPointF shift = QPointF(width() / 2.0, height() / 2.0) - decoratedBounds(path).center();
    const QPainterPath face = path.translated(std::round(shift.x()), std::round(shift.y()));

    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);

    // Back to front: shadow, then the two bevel edges, then the letter face.
    p.fillPath(face.translated(kShadowOffset, kShadowOffset), kShadow);
    p.fillPath(face.translated(1, 1), kDarkEdge);
    p.fillPath(face.translated(-1, -1), kHighlight);

    const QRectF r = face.boundingRect();
    QLinearGradient fill(r.left(), 0, r.right(), 0);
    fill.setColorAt(0.0, QColor(192, 192, 192));
    fill.setColorAt(1.0 / 3, QColor(128, 128, 128));
    fill.setColorAt(2.0 / 3, QColor(0, 0, 0));
    fill.setColorAt(1.0, QColor(0, 0, 255));
    p.fillPath(face, fill);
}

} // namespace controls
