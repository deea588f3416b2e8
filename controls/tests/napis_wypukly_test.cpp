#include "controls/napis_wypukly.h"

#include <QImage>
#include <QTest>

using controls::NapisWypukly;

namespace {

const QString kHeading = QStringLiteral("ROZPŁYW MOCY");

// Straight (not premultiplied) ARGB, so the colours of antialiased edge
// pixels can be compared directly.
QImage render(NapisWypukly &w, QSize size)
{
    w.resize(size);
    return w.grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

// Smallest rectangle holding every pixel that is not fully transparent.
QRect paintedBounds(const QImage &img)
{
    QRect r;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) > 0)
                r |= QRect(x, y, 1, 1);
    return r;
}

// True when row y has painted pixels and every one of them satisfies pred.
template <typename Pred> bool rowIsAll(const QImage &img, int y, Pred pred)
{
    bool any = false;
    for (int x = 0; x < img.width(); ++x) {
        const QRgb px = img.pixel(x, y);
        if (qAlpha(px) == 0)
            continue;
        if (!pred(px))
            return false;
        any = true;
    }
    return any;
}

// Remembers which widget Qt delivered a mouse press to first.
struct FirstPressReceiver : QObject {
    QObject *receiver = nullptr;
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::MouseButtonPress && o->isWidgetType() && !receiver)
            receiver = o;
        return false;
    }
};

} // namespace

class NapisWypuklyTest : public QObject {
    Q_OBJECT
private slots:
    void centredOnTransparentBackground_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("pixelSize");
        QTest::addColumn<QSize>("size");
        QTest::newRow("wide heading") << kHeading << 36 << QSize(800, 120);
        QTest::newRow("short, large") << QStringLiteral("ZWARCIA") << 60 << QSize(500, 150);
        QTest::newRow("small font") << QStringLiteral("Kreator sieci") << 14 << QSize(300, 40);
    }

    void centredOnTransparentBackground()
    {
        QFETCH(QString, text);
        QFETCH(int, pixelSize);
        QFETCH(QSize, size);
        NapisWypukly w(text);
        w.setPixelSize(pixelSize);
        const QImage img = render(w, size);

        const int r = size.width() - 1, b = size.height() - 1;
        for (const QPoint corner : {QPoint(0, 0), QPoint(r, 0), QPoint(0, b), QPoint(r, b)})
            QCOMPARE(qAlpha(img.pixel(corner)), 0);

        // Solid letter pixels somewhere in the middle band of the widget.
        const QPoint c(size.width() / 2, size.height() / 2);
        int opaque = 0;
        for (int y = c.y() - pixelSize / 3; y <= c.y() + pixelSize / 3; ++y)
            for (int x = c.x() - 2 * pixelSize; x <= c.x() + 2 * pixelSize; ++x)
                opaque += qAlpha(img.pixel(x, y)) == 255;
        QVERIFY2(opaque > 0, "no opaque pixels near the centre");

        const QRect painted = paintedBounds(img);
        QVERIFY(qAbs(painted.center().x() - c.x()) <= 3);
        QVERIFY(qAbs(painted.center().y() - c.y()) <= 3);
        QVERIFY(painted.height() >= pixelSize / 2); // the font size is honoured
    }

    void embossedEdgesAndShadow()
    {
        NapisWypukly w(kHeading);
        const QImage img = render(w, {800, 120});
        const QRect painted = paintedBounds(img);
        auto dark = [](QRgb px) { return qGray(px) < 80; };
        auto light = [](QRgb px) { return qGray(px) > 200; };

        // Only the shadow shows below the letters, only the highlight above.
        QVERIFY(rowIsAll(img, painted.bottom(), dark));
        QVERIFY(rowIsAll(img, painted.bottom() - 1, dark));
        QVERIFY(rowIsAll(img, painted.top(), light));

        // The shadow is pushed 3 px down, so it hangs that far below the
        // lowest solid light pixel of the letters.
        int lowestLight = -1;
        for (int y = painted.top(); y <= painted.bottom(); ++y)
            for (int x = painted.left(); x <= painted.right(); ++x)
                if (qAlpha(img.pixel(x, y)) == 255 && qGray(img.pixel(x, y)) > 150)
                    lowestLight = y;
        QVERIFY(painted.bottom() - lowestLight >= NapisWypukly::kShadowOffset);
    }

    void gradientRunsFromSilverToBlue()
    {
        NapisWypukly w(kHeading);
        const QImage img = render(w, {800, 120});
        const QRect painted = paintedBounds(img);

        // Mean blue excess (b - r) and brightness of the opaque pixels in a strip.
        auto strip = [&](int x0, int x1) {
            double blueExcess = 0, grey = 0;
            int n = 0;
            for (int y = painted.top(); y <= painted.bottom(); ++y)
                for (int x = x0; x <= x1; ++x)
                    if (const QRgb px = img.pixel(x, y); qAlpha(px) == 255) {
                        blueExcess += qBlue(px) - qRed(px);
                        grey += qGray(px);
                        ++n;
                    }
            return std::pair{blueExcess / n, grey / n};
        };
        const int w6 = painted.width() / 6;
        const auto [leftBlue, leftGrey] = strip(painted.left(), painted.left() + w6);
        const auto [rightBlue, rightGrey] = strip(painted.right() - w6, painted.right());

        QVERIFY2(leftBlue < 20, qPrintable(QString::number(leftBlue)));  // neutral silver/grey
        QVERIFY2(leftGrey > 110, qPrintable(QString::number(leftGrey))); // and fairly bright
        QVERIFY2(rightBlue > leftBlue + 60, qPrintable(QString::number(rightBlue)));
    }

    void sizeHintHoldsLettersAndShadow()
    {
        NapisWypukly w(kHeading);
        const QSize hint = w.sizeHint();
        const QRect painted = paintedBounds(render(w, hint));
        // Nothing clipped at the border, yet no wasted room either.
        QVERIFY(QRect(QPoint(1, 1), hint - QSize(2, 2)).contains(painted));
        QVERIFY(hint.width() - painted.width() <= 6);
        QVERIFY(hint.height() - painted.height() <= 6);

        w.setPixelSize(2 * NapisWypukly::kDefaultPixelSize);
        QVERIFY(w.sizeHint().height() > hint.height());
        w.setText(kHeading + QStringLiteral(" W SIECI"));
        QVERIFY(w.sizeHint().width() > 2 * hint.width());
    }

    void clicksReachWidgetBeneath()
    {
        QWidget parent;
        parent.resize(800, 200);
        auto *caption = new NapisWypukly(kHeading, &parent);
        caption->setGeometry(0, 40, 800, 120);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));

        const QPoint onCaption(400, 100);
        QVERIFY(caption->geometry().contains(onCaption));
        QCOMPARE(parent.childAt(onCaption), nullptr);

        // Clicked through the window so Qt's own hit-testing picks the receiver.
        FirstPressReceiver spy;
        qApp->installEventFilter(&spy);
        QTest::mouseClick(parent.windowHandle(), Qt::LeftButton, {}, onCaption);
        qApp->removeEventFilter(&spy);
        QCOMPARE(spy.receiver, &parent);
    }
};

QTEST_MAIN(NapisWypuklyTest)
#include "napis_wypukly_test.moc"
