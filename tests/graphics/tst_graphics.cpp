// The graphics library: recolouring, alpha masks, blur, buffers and the colour reducer.

#include "colorreducer.h"
#include "imageeffects.h"
#include "imageprocess.h"
#include "pixelcompare.h"

#include <QtTest>

#include <climits>
#include <cmath>

using MGraphX::ColorReducer;
using namespace TestSupport;

namespace {
QImage filled(const QSize& size, QRgb color)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(color);
    return image;
}

// A picture whose pixels the function gives.
QImage drawn(int width, int height, const std::function<QRgb(int x, int y)>& pixel)
{
    QImage image(width, height, QImage::Format_ARGB32);
    for (int i = 0; i < width * height; ++i)
        image.setPixel(i % width, i / width, pixel(i % width, i / width));
    return image;
}

// A planar buffer of samples of type T with value added, back as a picture.
template<typename T> QImage addedThrough(const QImage& image, int value)
{
    MGraphX::ImageProcessT<T> buffer(image, 0);
    buffer.addValue(value, 0);
    return buffer.toImage();
}

// An icon: a disc of many colours with a soft edge on a transparent background.
QImage iconPicture()
{
    return drawn(96, 96, [](int x, int y) {
        const int alpha = qBound(0, int(128 + 128 * (43.2 - std::hypot(x - 47.5, y - 47.5))), 255);
        return qRgba(x * 255 / 96, y * 255 / 96, (x + y) * 127 / 96, alpha);
    });
}

// Every pixel its own colour, with a transparent border and a translucent ring inside it.
QImage everyPixelItsOwnColour()
{
    return drawn(320, 256, [](int x, int y) {
        const int border = qMin(qMin(x, y), qMin(319 - x, 255 - y));
        const int alpha = border < 2 ? 0 : (border < 8 ? 30 * (border - 1) : 255);
        return qRgba(x % 256, y, (x / 256) * 128 + (x + y) % 128, alpha);
    });
}

// The blur written as plainly as it can be, one channel at a time: every row
// forwards and backwards, then every column, each step pulling by weight.
QImage plainBlur(const QImage& image, const QRect& rect, float weight, bool alphaOnly)
{
    QImage result = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QRect area = rect & result.rect();
    const int w = area.width(), h = area.height();
    std::vector<float> samples(size_t(w) * h * 4);
    const auto at = [&](int x, int y, int c) -> float& { return samples[(size_t(y) * w + x) * 4 + c]; };
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const QRgb pixel = result.pixel(area.left() + x, area.top() + y);
            at(x, y, 0) = qRed(pixel), at(x, y, 1) = qGreen(pixel), at(x, y, 2) = qBlue(pixel);
            at(x, y, 3) = qAlpha(pixel);
        }
    }
    const auto pass = [&](int count, const std::function<float&(int)>& sample) {
        float z = sample(0);
        for (int i = 1; i < count; ++i)
            sample(i) = z += weight * (sample(i) - z);
        z = sample(count - 1);
        for (int i = count - 2; i >= 0; --i)
            sample(i) = z += weight * (sample(i) - z);
    };
    for (int c = alphaOnly ? 3 : 0; c < 4; ++c) {
        for (int y = 0; y < h; ++y)
            pass(w, [&](int x) -> float& { return at(x, y, c); });
        for (int x = 0; x < w; ++x)
            pass(h, [&](int y) -> float& { return at(x, y, c); });
    }
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int alpha = qBound(0, int(std::lround(at(x, y, 3))), 255);
            const auto channel = [&](int c) { return qBound(0, int(std::lround(at(x, y, c))), alpha); };
            result.setPixel(area.left() + x, area.top() + y,
                            qRgba(channel(0), channel(1), channel(2), alpha));
        }
    }
    return result;
}

// A picture cycling through the given colours.
QImage pattern(const QList<QRgb>& colors, int width = 37, int height = 23)
{
    return drawn(width, height, [&colors](int x, int y) { return colors.at((x / 3 + y) % colors.size()); });
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

class TestGraphics : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void alphaMaskReplacesAlpha()
    {
        // A translucent picture and a 2 x 2 mask whose quadrants have red 0, 85, 170
        // and 255 (green and blue must not count), stretched over the wide picture:
        // the alpha is replaced, not multiplied, and may rise.
        const QRgb colour = qRgba(10, 120, 230, 128);
        const QPixmap picture = QPixmap::fromImage(filled(QSize(100, 40), colour));
        const QRgb quadrants[4] = { qRgb(0, 255, 255), qRgb(85, 9, 9), qRgb(170, 0, 0), qRgb(255, 40, 200) };
        const QImage mask = drawn(2, 2, [&quadrants](int x, int y) { return quadrants[x + 2 * y]; });
        const QImage result = MGraphX::applyAlphaMask(picture, QPixmap::fromImage(mask)).toImage();
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
        // A larger radius spreads a white dot farther; radii out of 1 .. 17 blur like 16.
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

    void expBlurIsThePlainBlur_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<bool>("alphaOnly");
        // Big ones are shared out over threads; odd sizes leave short strips and rows.
        QTest::newRow("small") << QSize(61, 37) << QRect(0, 0, 61, 37) << false;
        QTest::newRow("big") << QSize(703, 405) << QRect(0, 0, 703, 405) << false;
        QTest::newRow("big, alpha only") << QSize(703, 405) << QRect(0, 0, 703, 405) << true;
        QTest::newRow("big part over two edges") << QSize(900, 500) << QRect(-20, 33, 851, 600) << false;
    }

    void expBlurIsThePlainBlur()
    {
        QFETCH(QSize, size);
        QFETCH(QRect, rect);
        QFETCH(bool, alphaOnly);
        QRandomGenerator random(7);
        const QImage picture = drawn(size.width(), size.height(), [&random](int, int) {
            return random.bounded(4) ? random.generate() : qRgb(random.bounded(256), 0, 255); // some opaque
        });
        constexpr int Radius = 10; // pulls by 0.1887 per step
        const QImage plain = plainBlur(picture, rect, 0.1887f, alphaOnly);
        QCOMPARE(MGraphX::expBlur(picture, rect, Radius, alphaOnly), plain);
        // The part alone is that part of the whole, from any kind of picture.
        const QRect part = rect & picture.rect();
        QCOMPARE(MGraphX::expBlurPart(picture, rect, Radius, alphaOnly), plain.copy(part));
        const QImage opaque = picture.convertToFormat(QImage::Format_RGB32);
        QCOMPARE(MGraphX::expBlurPart(opaque, rect, Radius, alphaOnly),
                 plainBlur(opaque, rect, 0.1887f, alphaOnly).copy(part));
        QVERIFY(MGraphX::expBlurPart(picture, QRect(-10, 0, 10, 9), Radius, alphaOnly).isNull());
    }

    // A host blurring pictures on the threads of the pool, every thread at once: each call shares
    // its work out, and none may wait for work that no free thread takes.
    void expBlurOnEveryThreadOfThePool()
    {
        QThreadPool* pool = QThreadPool::globalInstance();
        const int threads = pool->maxThreadCount();
        pool->setMaxThreadCount(2);
        const QImage picture = drawn(703, 405, [](int x, int y) { return qRgba(x % 256, y % 256, 90, 200); });
        const QImage expected = MGraphX::expBlur(picture, picture.rect(), 10, false);
        constexpr int Calls = 4;
        QVector<QImage> results(Calls);
        QSemaphore done;
        for (int call = 0; call < Calls; ++call) {
            pool->start([&, call] {
                results[call] = MGraphX::expBlur(picture, picture.rect(), 10, false);
                done.release();
            });
        }
        // Stuck threads could not be ended: the program stops there.
        if (!done.tryAcquire(Calls, 30000))
            qFatal("blurs on the threads of the pool never ended");
        pool->setMaxThreadCount(threads);
        for (const QImage& result : qAsConst(results))
            QCOMPARE(result, expected);
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
        // Translucent, so the buffer drops the alpha; bytes, floats and doubles give the same.
        const QImage image = drawn(4, 3, [](int x, int) {
            return qRgba(QVector<int> { 0, 100, 240, 255 }.at(x), 7, 250, 60);
        });
        for (const QImage& result : { addedThrough<uchar>(image, value), addedThrough<float>(image, value),
                                      addedThrough<double>(image, value) }) {
            for (int i = 0; i < 12; ++i)
                QCOMPARE(result.pixel(i % 4, i / 4),
                         qRgb(reds.at(i % 4), qBound(0, 7 + qMax(value, -7), 255), blue));
        }
    }

    void savesPalettePngWithinCount_data()
    {
        QTest::addColumn<QImage>("original");
        QTest::addColumn<int>("requested");
        QTest::addColumn<int>("colors"); // the count the request is clamped to
        QTest::addColumn<double>("error"); // largest root mean square difference, 0: any
        QTest::newRow("lowest int") << iconPicture() << INT_MIN << 2 << 0.0;
        QTest::newRow("seven") << iconPicture() << 7 << 7 << 0.0;
        QTest::newRow("highest int") << iconPicture() << INT_MAX << 256 << 4.0;
        QTest::newRow("every pixel its own colour") << everyPixelItsOwnColour() << 256 << 256 << 8.0;
        // Few colours are kept exactly; invisible pixels of any colour are one transparent colour.
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
        QTest::newRow("single row") << drawn(300, 1, [](int x, int) {
            return qRgba(x % 256, x * 7 % 256, 5, x < 20 ? 0 : 255);
        }) << 8 << 8 << 0.0;
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

    void lossySaveMapsEveryPixelToItsNearestEntry_data()
    {
        QTest::addColumn<QImage>("original");
        QTest::addColumn<int>("colors");
        const QImage hues = drawn(
            128, 64, [](int x, int y) { return QColor::fromHsv(x * 359 / 127, 255, 255 - y * 3).rgb(); });
        const QImage ramps
            = drawn(320, 256, [](int x, int y) { return qRgb(x % 256, y, (x / 256) * 128 + (x + y) % 128); });
        for (int colors : { 16, 32, 64 }) {
            QTest::addRow("icon, %d", colors) << iconPicture() << colors;
            QTest::addRow("hues, %d", colors) << hues << colors;
            QTest::addRow("ramps, %d", colors) << ramps << colors;
        }
    }

    void lossySaveMapsEveryPixelToItsNearestEntry()
    {
        QFETCH(QImage, original);
        QFETCH(int, colors);
        const QString path = m_dir.filePath(QStringLiteral("nearest.png"));
        QVERIFY(ColorReducer::reduceAndSave(original, path, colors, QStringLiteral("PNG")));
        const QImage saved(path);
        const QVector<QRgb> table = saved.colorTable();
        // Transparent, translucent and opaque pixels each keep to entries of their kind;
        // among those the nearest by red, green, blue and alpha, as a search of all finds it.
        const auto kind = [](QRgb c) { return qAlpha(c) == 0 ? 0 : (qAlpha(c) == 255 ? 2 : 1); };
        const auto distance = [](QRgb a, QRgb b) {
            int sum = 0;
            for (int shift : { 0, 8, 16, 24 }) {
                const int d = int(a >> shift & 0xff) - int(b >> shift & 0xff);
                sum += d * d;
            }
            return sum;
        };
        int faults = 0;
        for (int i = 0; i < original.width() * original.height(); ++i) {
            const QPoint p(i % original.width(), i / original.width());
            const QRgb pixel = original.pixel(p), entry = table.at(saved.pixelIndex(p));
            int nearest = INT_MAX;
            for (QRgb e : table)
                nearest = kind(e) == kind(pixel) ? qMin(nearest, distance(pixel, e)) : nearest;
            faults += kind(entry) != kind(pixel) || (kind(pixel) && distance(pixel, entry) > nearest);
        }
        QCOMPARE(faults, 0);
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
        double sums[2][3] = {};
        const QImage image = drawn(64, 64, [&](int x, int y) {
            // -4 .. 4, and 16 along the run at the row's end
            const int d = x >= 64 - runLength ? 16 : (x * 7 + y * 3) % 9 - 4;
            const QRgb pixel = y < 48 ? qRgb(40 + d, 60 - d, 200 + d) : qRgb(220 - d, 180 + d, 20 + d);
            for (int c = 0; c < 3; ++c)
                sums[y / 48][c] += (pixel >> (16 - 8 * c) & 0xff) / (y < 48 ? 48.0 * 64 : 16.0 * 64);
            return pixel;
        });
        const QImage reduced = ColorReducer(image).reduce(2);
        QCOMPARE(reduced.colorCount(), 2);
        for (int cloud : { 0, 1 }) {
            const QRgb entry = reduced.color(reduced.pixelIndex(5, cloud * 63));
            const QRgb mean = qRgb(qRound(sums[cloud][0]), qRound(sums[cloud][1]), qRound(sums[cloud][2]));
            QVERIFY2(pixelsClose(entry, mean, 1), qPrintable(QString::number(entry, 16)));
        }
    }
};

QTEST_MAIN(TestGraphics)
#include "tst_graphics.moc"
