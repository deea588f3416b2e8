#pragma once

#include <QPainterPath>
#include <QString>
#include <QWidget>

namespace controls {

// Decorative heading for the programs' start windows: large bold serif letters
// raised in 3-D (drop shadow plus embossed edges) and filled with a
// silver-grey-black-blue gradient. The background stays transparent and the
// control ignores the mouse, so it can sit over any part of a window.
class NapisWypukly : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
    Q_PROPERTY(int pixelSize READ pixelSize WRITE setPixelSize)

public:
    static constexpr int kDefaultPixelSize = 36;
    // How far the drop shadow is pushed right and down, in pixels.
    static constexpr int kShadowOffset = 3;

    explicit NapisWypukly(QWidget *parent = nullptr);
    explicit NapisWypukly(const QString &text, QWidget *parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString &text);

    int pixelSize() const { return m_pixelSize; }
    void setPixelSize(int pixels);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QFont captionFont() const;
    // Outline of the caption with its baseline origin at (0, 0).
    QPainterPath glyphs() const;
    // Box taken by the letters together with the edges and the shadow,
    // in the same coordinates as glyphs().
    static QRectF decoratedBounds(const QPainterPath &path);

    QString m_text;
    int m_pixelSize = kDefaultPixelSize;
};

} // namespace controls
