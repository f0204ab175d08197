#include "imageeffects.h"
#include "imageprocess.h"
#include "pixelcompare.h"

#include <QtTest>

#include <climits>

using TestSupport::pixelsClose;

namespace {
QImage filled(const QSize& size, QRgb color)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(color);
    return image;
}

// A planar buffer of samples of type T with value added, back as a picture.
template<typename T> QImage addedThrough(const QImage& image, int value)
{
    MGraphX::ImageProcessT<T> buffer(image, 0);
    buffer.addValue(value, 0);
    return buffer.toImage();
}
} // namespace

class TestImageEffects : public QObject
{
    Q_OBJECT

private slots:
    void alphaMaskReplacesAlpha()
    {
        // A translucent picture and a 2 x 2 mask whose quadrants have red 0, 85, 170
        // and 255 (green and blue must not count), stretched over the wide picture:
        // the alpha is replaced, not multiplied, and may rise.
        const QRgb colour = qRgba(10, 120, 230, 128);
        const QPixmap picture = QPixmap::fromImage(filled(QSize(100, 40), colour));
        QImage mask(2, 2, QImage::Format_RGB32);
        const QRgb quadrants[4] = { qRgb(0, 255, 255), qRgb(85, 9, 9), qRgb(170, 0, 0), qRgb(255, 40, 200) };
        for (int i = 0; i < 4; ++i)
            mask.setPixel(i % 2, i / 2, quadrants[i]);
        const QImage result = MGraphX::applyAlphaMask(picture, QPixmap::fromImage(mask)).toImage();
        QCOMPARE(result.size(), QSize(100, 40));
        for (const QPoint& p :
             { QPoint(0, 0), QPoint(49, 19), QPoint(50, 19), QPoint(49, 20), QPoint(99, 39) }) {
            const int alpha = qRed(mask.pixel(p.x() / 50, p.y() / 20));
            const QRgb pixel = result.convertToFormat(QImage::Format_ARGB32).pixel(p);
            // Pixmaps store premultiplied colour, which rounds a little.
            QVERIFY2(qAlpha(pixel) == alpha
                         && (alpha == 0 || pixelsClose(pixel, (colour & 0xffffff) | (uint(alpha) << 24), 2)),
                     qPrintable(QString::number(pixel, 16)));
        }
        // Null inputs: no picture gives none, no mask leaves the picture as it is.
        QVERIFY(MGraphX::applyAlphaMask(QPixmap(), picture).isNull());
        QCOMPARE(MGraphX::applyAlphaMask(picture, QPixmap()).toImage(), picture.toImage());
        QVERIFY(MGraphX::replaceColor(QImage(), Qt::blue, Qt::red).isNull());
        QVERIFY(MGraphX::expBlur(QImage(), QRect(0, 0, 10, 10), 10, false).isNull());
    }

    void replaceColor_data()
    {
        QTest::addColumn<QColor>("from");
        QTest::addColumn<QColor>("to");
        QTest::addColumn<QColor>("pixel");
        QTest::addColumn<QColor>("expected");
        const auto hsv
            = [](int h, int s = 255, int v = 255, int a = 255) { return QColor::fromHsv(h, s, v, a); };
        const auto row = [&](const char* name, QColor from, QColor pixel, QColor expected) {
            QTest::newRow(name) << from << hsv(120) << pixel << expected;
        };
        row("10 below, darker", hsv(240), hsv(230, 255, 128), hsv(110, 255, 128));
        row("10 above, paler", hsv(240), hsv(250, 128), hsv(130, 128));
        row("11 away stays", hsv(240), hsv(229), hsv(229));
        row("translucent keeps its alpha", hsv(240), hsv(236, 255, 255, 160), hsv(116, 255, 255, 160));
        row("across 0 degrees", hsv(5), hsv(355), hsv(110));
        row("white stays", hsv(240), Qt::white, Qt::white);
        row("from grey: nothing", Qt::gray, hsv(0, 0, 128), hsv(0, 0, 128));
        QTest::newRow("to a paler, darker colour")
            << hsv(60) << hsv(300, 128, 128) << hsv(60, 200, 200) << hsv(300, 100, 100);
    }

    void replaceColor()
    {
        QFETCH(QColor, from);
        QFETCH(QColor, to);
        QFETCH(QColor, pixel);
        QFETCH(QColor, expected);
        // Among others of its colour, so that a remembered answer counts too.
        const QImage result = MGraphX::replaceColor(filled(QSize(3, 2), pixel.rgba()), from, to)
                                  .convertToFormat(QImage::Format_ARGB32);
        for (const QPoint& p : { QPoint(0, 0), QPoint(2, 1) })
            QVERIFY2(pixelsClose(result.pixel(p), expected.rgba(), 2),
                     qPrintable(QString::number(result.pixel(p), 16)));
    }

    void expBlurSpreadsFromEveryEdge_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("dot");
        QTest::addColumn<QPoint>("inwards");
        QTest::addColumn<bool>("alphaOnly");
        QTest::newRow("row, left end") << QSize(9, 1) << QPoint(0, 0) << QPoint(1, 0) << false;
        QTest::newRow("row, right end") << QSize(9, 1) << QPoint(8, 0) << QPoint(-1, 0) << false;
        QTest::newRow("column, top end") << QSize(1, 9) << QPoint(0, 0) << QPoint(0, 1) << false;
        QTest::newRow("column, bottom end") << QSize(1, 9) << QPoint(0, 8) << QPoint(0, -1) << false;
        QTest::newRow("alpha only, corner") << QSize(9, 9) << QPoint(0, 0) << QPoint(1, 1) << true;
        QTest::newRow("alpha only, middle") << QSize(9, 9) << QPoint(4, 4) << QPoint(1, 0) << true;
    }

    void expBlurSpreadsFromEveryEdge()
    {
        QFETCH(QSize, size);
        QFETCH(QPoint, dot);
        QFETCH(QPoint, inwards);
        QFETCH(bool, alphaOnly);
        // One white dot on a transparent picture loses its strength to its
        // neighbours wherever it lies; with alphaOnly they take only its alpha.
        QImage picture = filled(size, qRgba(0, 0, 0, 0));
        picture.setPixel(dot, qRgb(255, 255, 255));
        // A rectangle far over every edge is clipped; one beside the picture leaves it as it is.
        const QImage result
            = MGraphX::expBlur(picture, QRect(-50, -50, 100, 100), 3, alphaOnly); // premultiplied
        QCOMPARE(MGraphX::expBlur(picture, QRect(-50, 0, 50, 9), 3, alphaOnly).pixel(dot),
                 picture.pixel(dot));
        const QRgb next = result.pixel(dot + inwards);
        const int colour = alphaOnly ? 0 : qAlpha(next);
        QVERIFY(qAlpha(result.pixel(dot)) < 200);
        QVERIFY2(qAlpha(next) > 10 && qRed(next) == colour && qBlue(next) == colour,
                 qPrintable(QString::number(next, 16)));
    }

    void expBlurRadius()
    {
        // One white dot on black: a larger radius spreads it farther, and radii
        // out of 1 .. 17 blur like 16.
        QImage dot = filled(QSize(41, 1), qRgb(0, 0, 0));
        dot.setPixel(20, 0, qRgb(255, 255, 255));
        const auto spread = [&dot](int radius) {
            const QImage blurred = MGraphX::expBlur(dot, dot.rect(), radius, false);
            int sum = 0;
            for (int x = 25; x < 41; ++x)
                sum += qRed(blurred.pixel(x, 0));
            return sum;
        };
        for (int radius = 1; radius < 17; ++radius)
            QVERIFY2(spread(radius) < spread(radius + 1), qPrintable(QString::number(radius)));
        for (int radius : { INT_MIN, 0, 18 })
            QCOMPARE(spread(radius), spread(16));
    }

    void addValueClamps_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QList<int>>("reds"); // of the columns 0, 100, 240 and 255
        QTest::addColumn<int>("blue"); // 250 before
        QTest::newRow("30") << 30 << QList<int> { 30, 130, 255, 255 } << 255;
        QTest::newRow("-50") << -50 << QList<int> { 0, 50, 190, 205 } << 200;
        QTest::newRow("lowest int") << INT_MIN << QList<int> { 0, 0, 0, 0 } << 0;
    }

    void addValueClamps()
    {
        QFETCH(int, value);
        QFETCH(QList<int>, reds);
        QFETCH(int, blue);
        // Translucent, so the buffer has to drop the alpha; samples of bytes,
        // floats and doubles give the same.
        QImage image(4, 3, QImage::Format_ARGB32);
        for (int i = 0; i < 12; ++i)
            image.setPixel(i % 4, i / 4, qRgba(QVector<int> { 0, 100, 240, 255 }.at(i % 4), 7, 250, 60));
        for (const QImage& result : { addedThrough<uchar>(image, value), addedThrough<float>(image, value),
                                      addedThrough<double>(image, value) }) {
            QCOMPARE(result.size(), QSize(4, 3));
            for (int i = 0; i < 12; ++i)
                QCOMPARE(result.pixel(i % 4, i / 4),
                         qRgb(reds.at(i % 4), qBound(0, 7 + qMax(value, -7), 255), blue));
        }
    }
};

QTEST_MAIN(TestImageEffects)
#include "tst_imageeffects.moc"
