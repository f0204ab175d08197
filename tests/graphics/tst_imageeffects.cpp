#include "imageeffects.h"
#include "pixelcompare.h"

#include <QtTest>

using TestSupport::pixelsClose;

class TestImageEffects : public QObject
{
    Q_OBJECT

private slots:
    void alphaMaskReplacesAlpha();
    void nullInputs();
    void replaceColorRecoloursMatchingHues();
    void expBlurStaysInsideRect_data();
    void expBlurStaysInsideRect();
    void expBlurSpreadsAlongRowsAndColumns();
};

void TestImageEffects::alphaMaskReplacesAlpha()
{
    // A translucent picture and a 2 x 2 mask whose quadrants have red 0, 85, 170
    // and 255 (green and blue must not count), stretched over the wide picture:
    // the alpha is replaced, not multiplied, and may rise.
    const QRgb colour = qRgba(10, 120, 230, 128);
    QImage picture(100, 40, QImage::Format_ARGB32);
    picture.fill(colour);
    QImage mask(2, 2, QImage::Format_RGB32);
    mask.setPixel(0, 0, qRgb(0, 255, 255));
    mask.setPixel(1, 0, qRgb(85, 9, 9));
    mask.setPixel(0, 1, qRgb(170, 0, 0));
    mask.setPixel(1, 1, qRgb(255, 40, 200));

    const QImage result = MGraphX::applyAlphaMask(QPixmap::fromImage(picture), QPixmap::fromImage(mask))
                              .toImage()
                              .convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(result.size(), picture.size());
    const int alphas[2][2] = { { 0, 85 }, { 170, 255 } };
    for (int y : { 0, 19, 20, 39 }) {
        for (int x : { 0, 49, 50, 99 }) { // the corners of each quadrant
            const int alpha = alphas[y / 20][x / 50];
            const QRgb pixel = result.pixel(x, y);
            QCOMPARE(qAlpha(pixel), alpha);
            // Pixmaps store premultiplied colour, which rounds a little.
            if (alpha > 0)
                QVERIFY2(pixelsClose(pixel, (colour & 0xffffff) | (uint(alpha) << 24), 2),
                         qPrintable(QString::number(pixel, 16)));
        }
    }
}

void TestImageEffects::nullInputs()
{
    QImage picture(8, 6, QImage::Format_ARGB32);
    picture.fill(qRgba(1, 2, 3, 77));
    const QPixmap pixmap = QPixmap::fromImage(picture);
    QVERIFY(MGraphX::applyAlphaMask(QPixmap(), pixmap).isNull());
    // A null mask leaves the picture as it is.
    QCOMPARE(MGraphX::applyAlphaMask(pixmap, QPixmap()).toImage(), pixmap.toImage());
    QVERIFY(MGraphX::replaceColor(QImage(), Qt::blue, Qt::red).isNull());
    QVERIFY(MGraphX::expBlur(QImage(), QRect(0, 0, 10, 10), 10, false).isNull());
}

void TestImageEffects::replaceColorRecoloursMatchingHues()
{
    // Blue, a hue 8 away and a darker blue become green alike; a hue 20 away and white stay.
    const QRgb pixels[] = { qRgb(0, 0, 255), QColor::fromHsv(232, 255, 255).rgb(), qRgb(0, 0, 128),
                            QColor::fromHsv(220, 255, 255).rgb(), qRgb(255, 255, 255) };
    const QRgb expected[] = { qRgb(0, 255, 0), QColor::fromHsv(112, 255, 255).rgb(), qRgb(0, 128, 0),
                              QColor::fromHsv(220, 255, 255).rgb(), qRgb(255, 255, 255) };
    QImage image(5, 1, QImage::Format_ARGB32);
    for (int x = 0; x < 5; ++x)
        image.setPixel(x, 0, pixels[x]);
    const QImage result
        = MGraphX::replaceColor(image, Qt::blue, Qt::green).convertToFormat(QImage::Format_ARGB32);
    for (int x = 0; x < 5; ++x)
        QVERIFY2(pixelsClose(result.pixel(x, 0), expected[x], 2), qPrintable(QString::number(x)));
}

void TestImageEffects::expBlurStaysInsideRect_data()
{
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QRect>("clipped");
    QTest::newRow("inside") << QRect(10, 12, 30, 20) << QRect(10, 12, 30, 20);
    QTest::newRow("over the right bottom edge") << QRect(40, 30, 100, 100) << QRect(40, 30, 24, 18);
    QTest::newRow("over the left top edge") << QRect(-20, -5, 40, 25) << QRect(0, 0, 20, 20);
    QTest::newRow("outside") << QRect(100, 100, 10, 10) << QRect();
}

void TestImageEffects::expBlurStaysInsideRect()
{
    QFETCH(QRect, rect);
    QFETCH(QRect, clipped);
    // Squares of 4 black and white pixels.
    QImage original(64, 48, QImage::Format_ARGB32);
    for (int y = 0; y < original.height(); ++y)
        for (int x = 0; x < original.width(); ++x)
            original.setPixel(x, y, (x / 4 + y / 4) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    const QImage result = MGraphX::expBlur(original, rect, 10, false);
    QCOMPARE(result.size(), original.size());
    QCOMPARE(result.format(), QImage::Format_ARGB32_Premultiplied);

    int changed = 0;
    for (int y = 0; y < original.height(); ++y) {
        for (int x = 0; x < original.width(); ++x) {
            const bool same = result.pixel(x, y) == original.pixel(x, y);
            QVERIFY2(same || clipped.contains(x, y),
                     qPrintable(QStringLiteral("%1,%2 changed").arg(x).arg(y)));
            changed += same ? 0 : 1;
        }
    }
    // A blur of radius 10 turns nearly every square of the board into grey.
    QVERIFY(changed >= clipped.width() * clipped.height() * 3 / 4);
}

void TestImageEffects::expBlurSpreadsAlongRowsAndColumns()
{
    // One white dot on black spreads alike to the left, right, up and down.
    QImage dot(41, 41, QImage::Format_ARGB32);
    dot.fill(Qt::black);
    dot.setPixel(20, 20, qRgb(255, 255, 255));
    const QImage blurred = MGraphX::expBlur(dot, dot.rect(), 5, false);
    const int right = qRed(blurred.pixel(23, 20));
    QVERIFY2(right > 2 && qRed(blurred.pixel(20, 20)) > right, qPrintable(QString::number(right)));
    for (const QPoint& p : { QPoint(17, 20), QPoint(20, 23), QPoint(20, 17) })
        QVERIFY(qAbs(qRed(blurred.pixel(p)) - right) <= 1);
    QVERIFY(qRed(blurred.pixel(23, 23)) > 0);
}

QTEST_MAIN(TestImageEffects)
#include "tst_imageeffects.moc"
