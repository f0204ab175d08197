#include "colorreducer.h"
#include "pixelcompare.h"

#include <QtTest>

#include <climits>
#include <cmath>

using MGraphX::ColorReducer;
using namespace TestSupport;

namespace {

// An icon-like picture: a disc with a soft edge on a transparent background,
// filled with a two-way gradient of many colours.
QImage iconPicture()
{
    QImage image(96, 96, QImage::Format_ARGB32);
    for (int y = 0; y < 96; ++y) {
        for (int x = 0; x < 96; ++x) {
            const int alpha = qBound(0, int(128 + 128 * (43.2 - std::hypot(x - 47.5, y - 47.5))), 255);
            image.setPixel(x, y, qRgba(x * 255 / 96, y * 255 / 96, (x + y) * 127 / 96, alpha));
        }
    }
    return image;
}

// Every pixel its own colour (more than the reducer sorts one by one), with a
// transparent border and a translucent ring inside it.
QImage everyPixelItsOwnColour()
{
    QImage image(320, 256, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int border = qMin(qMin(x, y), qMin(319 - x, 255 - y));
            const int alpha = border < 2 ? 0 : (border < 8 ? 30 * (border - 1) : 255);
            image.setPixel(x, y, qRgba(x % 256, y, (x / 256) * 128 + (x + y) % 128, alpha));
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

// Fully transparent and opaque pixels must keep their alpha, translucent ones
// (with `translucent`) stay translucent: the pixels that do not. Adds the squares
// of the channel differences of visible pixels.
int alphaFaults(const QImage& original, const QImage& reduced, bool translucent, double* squares)
{
    int faults = 0;
    for (int i = 0; i < original.width() * original.height(); ++i) {
        const QRgb a = original.pixel(i % original.width(), i / original.width());
        const QRgb b = reduced.pixel(i % original.width(), i / original.width());
        if (qAlpha(a) == 0 || qAlpha(a) == 255 ? qAlpha(b) != qAlpha(a)
                                               : translucent && (qAlpha(b) == 0 || qAlpha(b) == 255))
            ++faults;
        for (int d : { qRed(a) - qRed(b), qGreen(a) - qGreen(b), qBlue(a) - qBlue(b), qAlpha(a) - qAlpha(b) })
            *squares += qAlpha(a) == 0 ? 0.0 : double(d) * d;
    }
    return faults;
}

} // namespace

class TestColorReducer : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void savesPalettePngWithinCount_data()
    {
        QTest::addColumn<QImage>("original");
        QTest::addColumn<int>("requested");
        QTest::addColumn<int>("colors"); // the count the request is clamped to
        QTest::addColumn<double>("error"); // largest root mean square difference, 0: any
        QTest::newRow("lowest int") << iconPicture() << INT_MIN << 2 << 0.0;
        QTest::newRow("one") << iconPicture() << 1 << 2 << 0.0;
        QTest::newRow("seven") << iconPicture() << 7 << 7 << 0.0;
        QTest::newRow("highest int") << iconPicture() << INT_MAX << 256 << 4.0;
        QTest::newRow("every pixel its own colour") << everyPixelItsOwnColour() << 256 << 256 << 8.0;
        // Few colours are kept exactly; invisible pixels may carry any colour, they are one transparent
        // colour.
        QTest::newRow("3 opaque") << pattern({ qRgb(255, 0, 0), qRgb(10, 200, 30), qRgb(0, 0, 255) }) << 256
                                  << 256 << 0.0;
        QTest::newRow("translucent and clear")
            << pattern({ qRgba(12, 34, 56, 255), qRgba(200, 100, 50, 77), qRgba(0, 0, 0, 0) }) << 256 << 256
            << 0.0;
        QTest::newRow("exactly as many as asked")
            << pattern({ qRgb(1, 2, 3), qRgb(4, 5, 6), qRgba(7, 8, 9, 10), qRgb(250, 251, 252) }) << 4 << 4
            << 0.0;
        QTest::newRow("transparent with colours") << pattern(
            { qRgba(1, 2, 3, 0), qRgba(200, 100, 50, 0), qRgb(9, 250, 9), qRgb(250, 9, 9) }, 40, 30)
                                                  << 3 << 3 << 0.0;
        // Any input format; a premultiplied translucent colour comes out with its real colour.
        QTest::newRow("premultiplied")
            << pattern({ qRgba(200, 100, 50, 128), qRgba(20, 220, 120, 255) }, 16, 8)
                   .convertToFormat(QImage::Format_ARGB32_Premultiplied)
            << 256 << 256 << 0.0;
        QImage line(300, 1, QImage::Format_ARGB32);
        for (int x = 0; x < line.width(); ++x)
            line.setPixel(x, 0, qRgba(x % 256, (x * 7) % 256, 5, x < 20 ? 0 : 255));
        QTest::newRow("single row") << line << 8 << 8 << 0.0;
    }

    void savesPalettePngWithinCount()
    {
        QFETCH(QImage, original);
        QFETCH(int, requested);
        QFETCH(int, colors);
        QFETCH(double, error);
        QCOMPARE(ColorReducer::clampColorCount(requested), colors);
        const QString path = m_dir.filePath(QStringLiteral("icon.png"));
        QVERIFY(ColorReducer::reduceAndSave(original, path, requested, QStringLiteral("PNG")));
        QCOMPARE(QImage(path).format(), QImage::Format_Indexed8); // a palette PNG
        const QImage expected = original.convertToFormat(QImage::Format_ARGB32);
        const QImage reduced = QImage(path).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(reduced.size(), original.size());
        const int count = colorsOf(reduced).size();
        if (colorsOf(expected).size() <= colors) {
            for (int i = 0; i < original.width() * original.height(); ++i) {
                const QPoint p(i % original.width(), i / original.width());
                QCOMPARE(normalizedPixel(reduced.pixel(p)), normalizedPixel(expected.pixel(p)));
            }
            return;
        }
        // 256 colours are worth using when the picture has more.
        QVERIFY2(count <= colors && (colors < 256 || count > 200), qPrintable(QString::number(count)));
        // With room for a translucent entry the anti-aliased edge keeps an intermediate alpha.
        double squares = 0.0;
        QCOMPARE(alphaFaults(expected, reduced, colors >= 4, &squares), 0);
        const double rootMeanSquare = std::sqrt(squares / (original.width() * original.height() * 4.0));
        QVERIFY2(error == 0.0 || rootMeanSquare < error, qPrintable(QString::number(rootMeanSquare)));
    }

    void paletteEntriesAreClusterMeans_data()
    {
        QTest::addColumn<int>("runLength"); // of the upper cloud's last colour
        QTest::newRow("single pixels") << 0;
        QTest::newRow("long runs and single pixels") << 40;
    }

    void paletteEntriesAreClusterMeans()
    {
        QFETCH(int, runLength);
        // Two clouds of colours, the upper of 3 times as many pixels: the two
        // entries must be the clouds' pixel-weighted means, however the pixels run.
        QImage image(64, 64, QImage::Format_ARGB32);
        double sums[2][3] = {};
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 64; ++x) {
                // -4 .. 4, and 16 along the run at the row's end
                const int d = x >= 64 - runLength ? 16 : (x * 7 + y * 3) % 9 - 4;
                const QRgb pixel = y < 48 ? qRgb(40 + d, 60 - d, 200 + d) : qRgb(220 - d, 180 + d, 20 + d);
                image.setPixel(x, y, pixel);
                for (int c = 0; c < 3; ++c)
                    sums[y / 48][c] += (pixel >> (16 - 8 * c) & 0xff) / (y < 48 ? 48.0 * 64 : 16.0 * 64);
            }
        }
        const QImage reduced = ColorReducer(image).reduce(2);
        QCOMPARE(reduced.colorCount(), 2);
        for (int cloud : { 0, 1 }) {
            const QRgb entry = reduced.color(reduced.pixelIndex(5, cloud * 63));
            const QRgb mean = qRgb(qRound(sums[cloud][0]), qRound(sums[cloud][1]), qRound(sums[cloud][2]));
            QVERIFY2(pixelsClose(entry, mean, 1), qPrintable(QString::number(entry, 16)));
        }
    }
};

QTEST_GUILESS_MAIN(TestColorReducer)
#include "tst_colorreducer.moc"
