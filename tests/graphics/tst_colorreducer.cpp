#include "colorreducer.h"
#include "pixelcompare.h"
#include "tooling.h"

#include <QTemporaryDir>
#include <QtTest>

#include <climits>
#include <cmath>

using MGraphX::ColorReducer;
using namespace TestSupport;

namespace {

// An icon-like picture: a disc with a soft edge on a transparent background,
// filled with a two-way gradient of many colours.
QImage iconPicture(int size = 96)
{
    QImage image(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const double inside = size * 0.45 - std::hypot(x + 0.5 - size / 2.0, y + 0.5 - size / 2.0);
            const int alpha = qBound(0, int(128 + 128 * inside), 255);
            image.setPixel(x, y, qRgba(x * 255 / size, y * 255 / size, (x + y) * 127 / size, alpha));
        }
    }
    return image;
}

// A picture cycling through the given colours.
QImage pattern(const QList<QRgb>& colors, int width = 37, int height = 23)
{
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, colors.at((x / 3 + y) % colors.size()));
    }
    return image;
}

// Pixels whose kind of alpha the reduction changed: fully transparent and opaque
// pixels must keep their alpha, translucent ones (with `translucent`) must stay
// translucent.
int alphaFaults(const QImage& original, const QImage& reduced, bool translucent)
{
    int faults = 0;
    for (int y = 0; y < original.height(); ++y) {
        for (int x = 0; x < original.width(); ++x) {
            const int before = qAlpha(original.pixel(x, y));
            const int after = qAlpha(reduced.pixel(x, y));
            if (before == 0 || before == 255 ? after != before : translucent && (after == 0 || after == 255))
                ++faults;
        }
    }
    return faults;
}

} // namespace

class TestColorReducer : public QObject
{
    Q_OBJECT

private slots:
    void savesPalettePngWithinCount_data();
    void savesPalettePngWithinCount();
    void keepsFewColorsExactly_data();
    void keepsFewColorsExactly();
    void paletteEntriesAreClusterMeans();
    void reducesManyColors();

private:
    QTemporaryDir m_dir;
};

void TestColorReducer::savesPalettePngWithinCount_data()
{
    QTest::addColumn<int>("requested");
    QTest::addColumn<int>("colors"); // the count the request is clamped to
    QTest::newRow("lowest int") << INT_MIN << 2;
    QTest::newRow("one") << 1 << 2;
    QTest::newRow("seven") << 7 << 7;
    QTest::newRow("256") << 256 << 256;
    QTest::newRow("highest int") << INT_MAX << 256;
}

void TestColorReducer::savesPalettePngWithinCount()
{
    QFETCH(int, requested);
    QFETCH(int, colors);
    QCOMPARE(ColorReducer::clampColorCount(requested), colors);

    const QImage original = iconPicture();
    QVERIFY(colorsOf(original).size() > 256);
    const QString path = m_dir.filePath(QStringLiteral("icon.png"));
    QVERIFY(ColorReducer::reduceAndSave(original, path, requested, QStringLiteral("PNG")));
    QCOMPARE(QImage(path).format(), QImage::Format_Indexed8); // a palette PNG
    QVERIFY(fileContents(path).contains("PLTE") && fileContents(path).contains("tRNS"));

    const QImage reduced = QImage(path).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(reduced.size(), original.size());
    const int count = colorsOf(reduced).size();
    // 256 colours are worth using when the picture has more.
    QVERIFY2(count <= colors && (colors < 256 || count > 128), qPrintable(QString::number(count)));
    // With room for a translucent entry the anti-aliased edge keeps an
    // intermediate alpha.
    QCOMPARE(alphaFaults(original, reduced, colors >= 4), 0);
}

void TestColorReducer::keepsFewColorsExactly_data()
{
    QTest::addColumn<QImage>("original");
    QTest::addColumn<int>("colors");

    QTest::newRow("3 opaque at 256") << pattern({ qRgb(255, 0, 0), qRgb(10, 200, 30), qRgb(0, 0, 255) })
                                     << 256;
    QTest::newRow("translucent and clear at 256")
        << pattern({ qRgba(12, 34, 56, 255), qRgba(200, 100, 50, 77), qRgba(0, 0, 0, 0) }) << 256;
    QTest::newRow("exactly as many as asked")
        << pattern({ qRgb(1, 2, 3), qRgb(4, 5, 6), qRgba(7, 8, 9, 10), qRgb(250, 251, 252) }) << 4;

    // Invisible pixels may carry any colour; they are all one transparent colour.
    QTest::newRow("transparent with colours")
        << pattern({ qRgba(1, 2, 3, 0), qRgba(200, 100, 50, 0), qRgba(9, 250, 9, 0) }, 40, 30) << 2;

    // Any input format; a premultiplied translucent colour comes out with its real colour.
    const QImage straight = pattern({ qRgba(200, 100, 50, 128), qRgba(20, 220, 120, 255) }, 16, 8);
    QTest::newRow("premultiplied") << straight.convertToFormat(QImage::Format_ARGB32_Premultiplied) << 256;

    // More colours than asked: only the count and the transparency are kept.
    QImage line(300, 1, QImage::Format_ARGB32);
    for (int x = 0; x < line.width(); ++x)
        line.setPixel(x, 0, qRgba(x % 256, (x * 7) % 256, 5, x < 20 ? 0 : 255));
    QTest::newRow("single row") << line << 8;
}

void TestColorReducer::keepsFewColorsExactly()
{
    QFETCH(QImage, original);
    QFETCH(int, colors);
    const QImage expected = original.convertToFormat(QImage::Format_ARGB32);
    const QString path = m_dir.filePath(QStringLiteral("few.png"));
    QVERIFY(ColorReducer::reduceAndSave(original, path, colors, QStringLiteral("PNG")));
    QCOMPARE(QImage(path).format(), QImage::Format_Indexed8); // a palette PNG
    const QImage reduced = QImage(path).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(reduced.size(), original.size());
    QVERIFY(colorsOf(reduced).size() <= colors);
    const bool few = colorsOf(original).size() <= colors;
    for (int y = 0; y < original.height(); ++y) {
        for (int x = 0; x < original.width(); ++x) {
            const QRgb before = normalizedPixel(expected.pixel(x, y));
            if (few || qAlpha(before) == 0)
                QCOMPARE(normalizedPixel(reduced.pixel(x, y)), before);
        }
    }
}

void TestColorReducer::paletteEntriesAreClusterMeans()
{
    // Two clouds of colours, one of 3 times as many pixels: two colours must be
    // the clouds' pixel-weighted means, not a compromise between them.
    QImage image(64, 64, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int d = (x * 7 + y * 3) % 9 - 4; // -4 .. 4, evenly spread
            image.setPixel(x, y, y < 48 ? qRgb(40 + d, 60 - d, 200 + d) : qRgb(220 - d, 180 + d, 20 + d));
        }
    }
    const QImage reduced = ColorReducer(image).reduce(2);
    QCOMPARE(reduced.colorCount(), 2);
    for (QRgb entry : reduced.colorTable()) {
        QVERIFY2(pixelsClose(entry, qRgb(40, 60, 200), 1) || pixelsClose(entry, qRgb(220, 180, 20), 1),
                 qPrintable(QString::number(entry, 16)));
    }
    QVERIFY(reduced.pixelIndex(0, 0) != reduced.pixelIndex(0, 63));
}

void TestColorReducer::reducesManyColors()
{
    // Every pixel its own colour (more than the reducer sorts one by one), with a
    // transparent border and a translucent ring inside it.
    QImage original(320, 256, QImage::Format_ARGB32);
    for (int y = 0; y < original.height(); ++y) {
        for (int x = 0; x < original.width(); ++x) {
            const int border = qMin(qMin(x, y), qMin(original.width() - 1 - x, original.height() - 1 - y));
            const int alpha = border < 2 ? 0 : (border < 8 ? 30 * (border - 1) : 255);
            original.setPixel(x, y, qRgba(x % 256, y, (x / 256) * 128 + (x + y) % 128, alpha));
        }
    }
    QVERIFY(colorsOf(original).size() > 70000);

    const QImage reduced = ColorReducer(original).reduce(256).convertToFormat(QImage::Format_ARGB32);
    const int count = colorsOf(reduced).size();
    QVERIFY2(count <= 256 && count > 200, qPrintable(QString::number(count)));
    QCOMPARE(alphaFaults(original, reduced, true), 0);
    double squares = 0.0;
    for (int y = 0; y < original.height(); ++y) {
        for (int x = 0; x < original.width(); ++x) {
            const QRgb a = original.pixel(x, y);
            const QRgb b = reduced.pixel(x, y);
            for (int d :
                 { qRed(a) - qRed(b), qGreen(a) - qGreen(b), qBlue(a) - qBlue(b), qAlpha(a) - qAlpha(b) })
                squares += qAlpha(a) == 0 ? 0.0 : double(d) * d;
        }
    }
    const double rootMeanSquare = std::sqrt(squares / (original.width() * original.height() * 4.0));
    QVERIFY2(rootMeanSquare < 8.0, qPrintable(QString::number(rootMeanSquare)));
}

QTEST_GUILESS_MAIN(TestColorReducer)
#include "tst_colorreducer.moc"
