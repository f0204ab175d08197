#include "imageeffects.h"

#include <QtTest>

namespace {

bool near(QRgb a, QRgb b, int tolerance)
{
    return qAbs(qRed(a) - qRed(b)) <= tolerance && qAbs(qGreen(a) - qGreen(b)) <= tolerance
        && qAbs(qBlue(a) - qBlue(b)) <= tolerance && qAbs(qAlpha(a) - qAlpha(b)) <= tolerance;
}

QString hex(QRgb color)
{
    return QStringLiteral("%1").arg(color, 8, 16, QLatin1Char('0'));
}

// Opaque black and white squares of 4 pixels.
QImage checkerboard(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, ((x / 4 + y / 4) % 2) ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    }
    return image;
}

} // namespace

class TestImageEffects : public QObject
{
    Q_OBJECT

private slots:
    void alphaMaskReplacesAlpha_data();
    void alphaMaskReplacesAlpha();
    void alphaMaskIsScaledToPicture();
    void alphaMaskNullInputs();

    void replaceColorRecoloursMatchingHues_data();
    void replaceColorRecoloursMatchingHues();
    void replaceColorGreyFromChangesNothing();

    void expBlurStaysInsideRect_data();
    void expBlurStaysInsideRect();
    void expBlurRadiusOutOfRangeActsLike16_data();
    void expBlurRadiusOutOfRangeActsLike16();
    void expBlurAlphaOnly();
    void expBlurNullImage();
};

void TestImageEffects::alphaMaskReplacesAlpha_data()
{
    QTest::addColumn<QRgb>("picture");
    QTest::addColumn<QRgb>("mask");
    QTest::addColumn<QRgb>("expected");
    QTest::newRow("replaces, does not multiply")
        << qRgba(10, 120, 230, 128) << qRgb(200, 200, 200) << qRgba(10, 120, 230, 200);
    QTest::newRow("raises alpha") << qRgba(90, 60, 30, 160) << qRgb(255, 255, 255) << qRgba(90, 60, 30, 255);
    QTest::newRow("only red of the mask counts")
        << qRgb(200, 100, 50) << qRgb(120, 255, 0) << qRgba(200, 100, 50, 120);
    QTest::newRow("black mask clears") << qRgb(200, 100, 50) << qRgb(0, 255, 255) << qRgba(0, 0, 0, 0);
}

void TestImageEffects::alphaMaskReplacesAlpha()
{
    QFETCH(QRgb, picture);
    QFETCH(QRgb, mask);
    QFETCH(QRgb, expected);
    QImage image(24, 16, QImage::Format_ARGB32);
    image.fill(picture);
    QImage maskImage(5, 7, QImage::Format_RGB32);
    maskImage.fill(mask);

    const QImage result = MGraphX::applyAlphaMask(QPixmap::fromImage(image), QPixmap::fromImage(maskImage))
                              .toImage()
                              .convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(result.size(), image.size());
    for (const QPoint& p : { QPoint(0, 0), QPoint(23, 15), QPoint(11, 8) }) {
        const QRgb pixel = result.pixel(p);
        QCOMPARE(qAlpha(pixel), qAlpha(expected));
        // Pixmaps store premultiplied colour, which rounds a little.
        if (qAlpha(expected) > 0)
            QVERIFY2(near(pixel, expected, 2), qPrintable(hex(pixel)));
    }
}

void TestImageEffects::alphaMaskIsScaledToPicture()
{
    // Four quadrants with red 0, 85, 170 and 255, stretched over a wide picture.
    QImage mask(2, 2, QImage::Format_RGB32);
    mask.setPixel(0, 0, qRgb(0, 9, 9));
    mask.setPixel(1, 0, qRgb(85, 9, 9));
    mask.setPixel(0, 1, qRgb(170, 9, 9));
    mask.setPixel(1, 1, qRgb(255, 9, 9));
    QImage picture(100, 40, QImage::Format_RGB32);
    picture.fill(qRgb(250, 250, 250));

    const QImage result = MGraphX::applyAlphaMask(QPixmap::fromImage(picture), QPixmap::fromImage(mask))
                              .toImage()
                              .convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(result.size(), picture.size());
    QCOMPARE(qAlpha(result.pixel(5, 5)), 0);
    QCOMPARE(qAlpha(result.pixel(49, 19)), 0);
    QCOMPARE(qAlpha(result.pixel(50, 5)), 85);
    QCOMPARE(qAlpha(result.pixel(99, 19)), 85);
    QCOMPARE(qAlpha(result.pixel(5, 20)), 170);
    QCOMPARE(qAlpha(result.pixel(49, 39)), 170);
    QCOMPARE(qAlpha(result.pixel(99, 39)), 255);
    QVERIFY(near(result.pixel(99, 39), qRgb(250, 250, 250), 0));
}

void TestImageEffects::alphaMaskNullInputs()
{
    QImage mask(4, 4, QImage::Format_RGB32);
    mask.fill(Qt::white);
    QVERIFY(MGraphX::applyAlphaMask(QPixmap(), QPixmap::fromImage(mask)).isNull());

    QImage picture(8, 6, QImage::Format_ARGB32);
    picture.fill(qRgba(1, 2, 3, 77));
    const QPixmap pixmap = QPixmap::fromImage(picture);
    const QPixmap result = MGraphX::applyAlphaMask(pixmap, QPixmap());
    QCOMPARE(result.size(), picture.size());
    QCOMPARE(result.toImage(), pixmap.toImage());
}

void TestImageEffects::replaceColorRecoloursMatchingHues_data()
{
    QTest::addColumn<QColor>("from");
    QTest::addColumn<QColor>("to");
    QTest::addColumn<QRgb>("pixel");
    QTest::addColumn<QRgb>("expected");

    const QColor blue(0, 0, 255);
    const QColor green(0, 255, 0);
    QTest::newRow("pure blue") << blue << green << qRgb(0, 0, 255) << qRgb(0, 255, 0);
    QTest::newRow("dark blue keeps its darkness") << blue << green << qRgb(0, 0, 128) << qRgb(0, 128, 0);
    QTest::newRow("translucent blue keeps alpha")
        << blue << green << qRgba(0, 0, 255, 128) << qRgba(0, 255, 0, 128);
    QTest::newRow("hue 8 away is recoloured")
        << blue << green << QColor::fromHsv(232, 255, 255).rgb() << QColor::fromHsv(112, 255, 255).rgb();
    QTest::newRow("hue 20 away is kept")
        << blue << green << QColor::fromHsv(220, 255, 255).rgb() << QColor::fromHsv(220, 255, 255).rgb();
    QTest::newRow("red is kept") << blue << green << qRgb(255, 0, 0) << qRgb(255, 0, 0);
    QTest::newRow("white is kept") << blue << green << qRgb(255, 255, 255) << qRgb(255, 255, 255);
    QTest::newRow("black is kept") << blue << green << qRgb(0, 0, 0) << qRgb(0, 0, 0);
    QTest::newRow("pale blue to pale green")
        << blue << green << QColor::fromHsv(240, 100, 200).rgb() << QColor::fromHsv(120, 100, 200).rgb();
    QTest::newRow("half saturated target")
        << blue << QColor::fromHsv(120, 128, 255) << qRgb(0, 0, 255) << QColor::fromHsv(120, 128, 255).rgb();
    QTest::newRow("black target") << blue << QColor(Qt::black) << qRgb(0, 0, 255) << qRgb(0, 0, 0);
    QTest::newRow("hue wraps round 0") << QColor(255, 0, 0) << blue << QColor::fromHsv(355, 255, 255).rgb()
                                       << QColor::fromHsv(235, 255, 255).rgb();
}

void TestImageEffects::replaceColorRecoloursMatchingHues()
{
    QFETCH(QColor, from);
    QFETCH(QColor, to);
    QFETCH(QRgb, pixel);
    QFETCH(QRgb, expected);
    QImage image(7, 5, QImage::Format_ARGB32);
    image.fill(qRgb(255, 255, 255));
    image.setPixel(3, 2, pixel);

    const QImage result = MGraphX::replaceColor(image, from, to);
    QCOMPARE(result.size(), image.size());
    QCOMPARE(result.format(), QImage::Format_ARGB32_Premultiplied);
    const QImage straight = result.convertToFormat(QImage::Format_ARGB32);
    QVERIFY2(near(straight.pixel(3, 2), expected, 2),
             qPrintable(hex(straight.pixel(3, 2)) + QStringLiteral(" instead of ") + hex(expected)));
    QCOMPARE(straight.pixel(0, 0), qRgb(255, 255, 255));
}

void TestImageEffects::replaceColorGreyFromChangesNothing()
{
    QImage image(3, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgb(128, 128, 128));
    image.setPixel(1, 0, qRgb(0, 0, 255));
    image.setPixel(2, 0, qRgb(255, 0, 0));
    const QImage result = MGraphX::replaceColor(image, QColor(128, 128, 128), QColor(0, 255, 0));
    QCOMPARE(result.convertToFormat(QImage::Format_ARGB32), image);
    QVERIFY(MGraphX::replaceColor(QImage(), Qt::blue, Qt::red).isNull());
}

void TestImageEffects::expBlurStaysInsideRect_data()
{
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QRect>("clipped");
    QTest::newRow("inside") << QRect(10, 12, 30, 20) << QRect(10, 12, 30, 20);
    QTest::newRow("over the right bottom edge") << QRect(40, 30, 100, 100) << QRect(40, 30, 24, 18);
    QTest::newRow("over the left top edge") << QRect(-20, -5, 40, 25) << QRect(0, 0, 20, 20);
    QTest::newRow("whole picture") << QRect(0, 0, 64, 48) << QRect(0, 0, 64, 48);
    QTest::newRow("outside") << QRect(100, 100, 10, 10) << QRect();
    QTest::newRow("empty") << QRect() << QRect();
}

void TestImageEffects::expBlurStaysInsideRect()
{
    QFETCH(QRect, rect);
    QFETCH(QRect, clipped);
    const QImage original = checkerboard(64, 48);
    const QImage result = MGraphX::expBlur(original, rect, 10, false);
    QCOMPARE(result.size(), original.size());
    QCOMPARE(result.format(), QImage::Format_ARGB32_Premultiplied);

    int changed = 0;
    for (int y = 0; y < original.height(); ++y) {
        for (int x = 0; x < original.width(); ++x) {
            const QRgb before = original.pixel(x, y);
            const QRgb after = result.pixel(x, y);
            if (!clipped.contains(x, y))
                QVERIFY2(after == before, qPrintable(QStringLiteral("%1,%2 changed").arg(x).arg(y)));
            else if (after != before)
                ++changed;
        }
    }
    // A blur of radius 10 turns nearly every square of the board into grey.
    if (!clipped.isEmpty())
        QVERIFY(changed > clipped.width() * clipped.height() * 3 / 4);
    else
        QCOMPARE(changed, 0);
}

void TestImageEffects::expBlurRadiusOutOfRangeActsLike16_data()
{
    QTest::addColumn<int>("radius");
    QTest::newRow("zero") << 0;
    QTest::newRow("negative") << -3;
    QTest::newRow("18") << 18;
    QTest::newRow("large") << 1000;
}

void TestImageEffects::expBlurRadiusOutOfRangeActsLike16()
{
    QFETCH(int, radius);
    const QImage original = checkerboard(40, 40);
    const QRect rect(5, 5, 30, 30);
    QCOMPARE(MGraphX::expBlur(original, rect, radius, false), MGraphX::expBlur(original, rect, 16, false));
    QVERIFY(MGraphX::expBlur(original, rect, 1, false) != MGraphX::expBlur(original, rect, 16, false));
}

void TestImageEffects::expBlurAlphaOnly()
{
    // An opaque board has nothing to blur in its alpha channel.
    const QImage board = checkerboard(32, 32);
    QCOMPARE(MGraphX::expBlur(board, board.rect(), 5, true),
             board.convertToFormat(QImage::Format_ARGB32_Premultiplied));

    // Black with a pattern in alpha: alpha is blurred, colour stays black.
    QImage shadow(32, 32, QImage::Format_ARGB32);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x)
            shadow.setPixel(x, y, qRgba(0, 0, 0, ((x / 4 + y / 4) % 2) ? 255 : 0));
    }
    const QImage blurred = MGraphX::expBlur(shadow, shadow.rect(), 5, true);
    int between = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb p = blurred.pixel(x, y);
            QCOMPARE(qRed(p) | qGreen(p) | qBlue(p), 0);
            if (qAlpha(p) > 20 && qAlpha(p) < 235)
                ++between;
        }
    }
    QVERIFY(between > 32 * 32 / 2);
}

void TestImageEffects::expBlurNullImage()
{
    QVERIFY(MGraphX::expBlur(QImage(), QRect(0, 0, 10, 10), 10, false).isNull());
}

QTEST_MAIN(TestImageEffects)
#include "tst_imageeffects.moc"
