#include "colorreducer.h"

#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <climits>
#include <cmath>

using MGraphX::ColorReducer;

namespace {

// An icon-like picture: a rounded square with anti-aliased edges on a
// transparent background, filled with a two-way gradient of many colours.
QImage iconPicture(int size = 96)
{
    QImage mask(size, size, QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    QPainter painter(&mask);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(4.5, 4.5, size - 9, size - 9), size / 5.0, size / 5.0);
    painter.fillPath(shape, Qt::white);
    painter.end();

    QImage image(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const int alpha = qAlpha(mask.pixel(x, y));
            image.setPixel(x, y, qRgba(x * 255 / size, y * 255 / size, (x + y) * 127 / size, alpha));
        }
    }
    return image;
}

// Distinct colours of a picture, all fully transparent pixels counted as one.
QSet<QRgb> colorsOf(const QImage& picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    QSet<QRgb> colors;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            colors.insert(qAlpha(c) == 0 ? 0u : c);
        }
    }
    return colors;
}

QByteArray fileContents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The colour type byte of a PNG file's header chunk (3 = palette), -1 when the
// file is no PNG.
int pngColorType(const QByteArray& data)
{
    if (data.size() < 26 || !data.startsWith("\x89PNG\r\n\x1a\n") || data.mid(12, 4) != "IHDR")
        return -1;
    return static_cast<unsigned char>(data.at(25));
}

void verifyWithPngcheck(const QString& path)
{
    const QString pngcheck = QStandardPaths::findExecutable(QStringLiteral("pngcheck"));
    if (pngcheck.isEmpty())
        return;
    QProcess process;
    process.start(pngcheck, { QStringLiteral("-v"), path });
    QVERIFY(process.waitForFinished(30000));
    const QString report = QString::fromLocal8Bit(process.readAllStandardOutput());
    QVERIFY2(process.exitCode() == 0, qPrintable(report));
    QVERIFY2(report.contains(QLatin1String("palette")), qPrintable(report));
}

} // namespace

class TestColorReducer : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void savesPalettePngWithinCount_data();
    void savesPalettePngWithinCount();
    void keepsFewColorsExactly_data();
    void keepsFewColorsExactly();
    void clampsColorCount_data();
    void clampsColorCount();
    void extremeCountsAreSafe_data();
    void extremeCountsAreSafe();
    void handlesSpecialPictures_data();
    void handlesSpecialPictures();
    void nullPictureWritesNothing();
    void acceptsAnyInputFormat_data();
    void acceptsAnyInputFormat();
    void paletteEntriesAreClusterMeans();
    void reducesManyColors();
    void savesOtherFormats_data();
    void savesOtherFormats();

private:
    QScopedPointer<QTemporaryDir> m_dir;
};

void TestColorReducer::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
}

void TestColorReducer::savesPalettePngWithinCount_data()
{
    QTest::addColumn<int>("colors");
    QTest::newRow("2") << 2;
    QTest::newRow("4") << 4;
    QTest::newRow("16") << 16;
    QTest::newRow("256") << 256;
}

void TestColorReducer::savesPalettePngWithinCount()
{
    QFETCH(int, colors);
    const QImage original = iconPicture();
    QVERIFY(colorsOf(original).size() > 256);
    const QString path = m_dir->filePath(QStringLiteral("icon.png"));
    ColorReducer::reduceAndSave(original, path, colors, QStringLiteral("PNG"));

    const QByteArray data = fileContents(path);
    QCOMPARE(pngColorType(data), 3);
    QVERIFY(data.contains("PLTE"));
    QVERIFY(data.contains("tRNS"));
    verifyWithPngcheck(path);

    const QImage reduced = QImage(path).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(reduced.size(), original.size());
    QVERIFY(colorsOf(reduced).size() <= colors);

    // Transparent corners stay transparent and the opaque middle stays opaque at
    // every count; with room for a translucent entry the anti-aliased edge keeps
    // an intermediate alpha.
    int edgePixels = 0;
    for (int y = 0; y < original.height(); ++y) {
        for (int x = 0; x < original.width(); ++x) {
            const int before = qAlpha(original.pixel(x, y));
            const int after = qAlpha(reduced.pixel(x, y));
            if (before == 0 || before == 255) {
                QCOMPARE(after, before);
            } else if (colors >= 4) {
                ++edgePixels;
                QVERIFY2(after > 0 && after < 255, qPrintable(QStringLiteral("edge %1,%2").arg(x).arg(y)));
            }
        }
    }
    if (colors >= 4)
        QVERIFY(edgePixels > 20);
}

void TestColorReducer::keepsFewColorsExactly_data()
{
    QTest::addColumn<QList<QRgb>>("palette");
    QTest::addColumn<int>("colors");
    QTest::newRow("3 opaque at 256") << QList<QRgb> { qRgb(255, 0, 0), qRgb(10, 200, 30), qRgb(0, 0, 255) }
                                     << 256;
    QTest::newRow("translucent and clear at 256")
        << QList<QRgb> { qRgba(12, 34, 56, 255), qRgba(200, 100, 50, 77), qRgba(0, 0, 0, 0) } << 256;
    QTest::newRow("exactly as many as asked")
        << QList<QRgb> { qRgb(1, 2, 3), qRgb(4, 5, 6), qRgba(7, 8, 9, 10), qRgb(250, 251, 252) } << 4;
}

void TestColorReducer::keepsFewColorsExactly()
{
    QFETCH(QList<QRgb>, palette);
    QFETCH(int, colors);
    QImage original(37, 23, QImage::Format_ARGB32);
    for (int y = 0; y < original.height(); ++y) {
        for (int x = 0; x < original.width(); ++x)
            original.setPixel(x, y, palette.at((x / 3 + y) % palette.size()));
    }
    const QString path = m_dir->filePath(QStringLiteral("few.png"));
    ColorReducer::reduceAndSave(original, path, colors, QStringLiteral("PNG"));
    const QImage reduced = QImage(path).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(reduced, original);
    QCOMPARE(pngColorType(fileContents(path)), 3);
}

void TestColorReducer::clampsColorCount_data()
{
    QTest::addColumn<int>("requested");
    QTest::addColumn<int>("expected");
    QTest::newRow("zero") << 0 << 2;
    QTest::newRow("negative") << -5 << 2;
    QTest::newRow("one") << 1 << 2;
    QTest::newRow("lowest int") << INT_MIN << 2;
    QTest::newRow("two") << 2 << 2;
    QTest::newRow("seven") << 7 << 7;
    QTest::newRow("256") << 256 << 256;
    QTest::newRow("257") << 257 << 256;
    QTest::newRow("100000") << 100000 << 256;
    QTest::newRow("highest int") << INT_MAX << 256;
}

void TestColorReducer::clampsColorCount()
{
    QFETCH(int, requested);
    QFETCH(int, expected);
    QCOMPARE(ColorReducer::clampColorCount(requested), expected);
}

void TestColorReducer::extremeCountsAreSafe_data()
{
    QTest::addColumn<int>("requested");
    QTest::addColumn<int>("palette");
    QTest::newRow("zero") << 0 << 2;
    QTest::newRow("negative") << -5 << 2;
    QTest::newRow("one") << 1 << 2;
    QTest::newRow("100000") << 100000 << 256;
}

void TestColorReducer::extremeCountsAreSafe()
{
    QFETCH(int, requested);
    QFETCH(int, palette);
    const QImage original = iconPicture();
    const QImage indexed = ColorReducer(original).reduce(requested);
    QCOMPARE(indexed.format(), QImage::Format_Indexed8);
    QCOMPARE(indexed.size(), original.size());
    QVERIFY(indexed.colorCount() <= palette);
    // 256 colours are worth using when the picture has more.
    if (palette == 256)
        QVERIFY(indexed.colorCount() > 128);

    const QString path = m_dir->filePath(QStringLiteral("extreme.png"));
    ColorReducer::reduceAndSave(original, path, requested, QStringLiteral("PNG"));
    const QImage reduced(path);
    QVERIFY(!reduced.isNull());
    QVERIFY(colorsOf(reduced).size() <= palette);
}

void TestColorReducer::handlesSpecialPictures_data()
{
    QTest::addColumn<QImage>("original");
    QTest::addColumn<int>("colors");

    QImage single(1, 1, QImage::Format_ARGB32);
    single.setPixel(0, 0, qRgba(10, 20, 30, 40));
    QTest::newRow("1 x 1") << single << 16;

    QImage clear(40, 30, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    QTest::newRow("fully transparent") << clear << 16;

    // Invisible pixels may carry any colour; they are all one transparent colour.
    QImage clearColored(40, 30, QImage::Format_ARGB32);
    for (int y = 0; y < clearColored.height(); ++y) {
        for (int x = 0; x < clearColored.width(); ++x)
            clearColored.setPixel(x, y, qRgba(x * 6, y * 8, 99, 0));
    }
    QTest::newRow("transparent with colours") << clearColored << 2;

    QImage one(50, 20, QImage::Format_ARGB32);
    one.fill(qRgb(12, 200, 99));
    QTest::newRow("one colour") << one << 2;

    QImage line(300, 1, QImage::Format_ARGB32);
    for (int x = 0; x < line.width(); ++x)
        line.setPixel(x, 0, qRgb(x % 256, (x * 7) % 256, 5));
    QTest::newRow("single row") << line << 8;
}

void TestColorReducer::handlesSpecialPictures()
{
    QFETCH(QImage, original);
    QFETCH(int, colors);
    const QString path = m_dir->filePath(QStringLiteral("special.png"));
    ColorReducer::reduceAndSave(original, path, colors, QStringLiteral("PNG"));
    const QImage reduced = QImage(path).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(reduced.size(), original.size());
    QVERIFY(colorsOf(reduced).size() <= colors);
    if (colorsOf(original).size() <= colors)
        QCOMPARE(colorsOf(reduced), colorsOf(original));
    for (int y = 0; y < original.height(); ++y) {
        for (int x = 0; x < original.width(); ++x) {
            if (qAlpha(original.pixel(x, y)) == 0)
                QCOMPARE(qAlpha(reduced.pixel(x, y)), 0);
        }
    }
}

void TestColorReducer::nullPictureWritesNothing()
{
    const QString path = m_dir->filePath(QStringLiteral("null.png"));
    ColorReducer::reduceAndSave(QImage(), path, 256, QStringLiteral("PNG"));
    QVERIFY(!QFile::exists(path));
    const ColorReducer reducer { QImage() };
    QVERIFY(reducer.isNull());
    QVERIFY(reducer.reduce(16).isNull());
}

void TestColorReducer::acceptsAnyInputFormat_data()
{
    QTest::addColumn<QImage>("original");
    QTest::addColumn<QImage>("expected");

    // A premultiplied translucent colour must come out with its real colour.
    QImage straight(16, 8, QImage::Format_ARGB32);
    straight.fill(qRgba(200, 100, 50, 128));
    for (int x = 0; x < 8; ++x)
        straight.setPixel(x, 0, qRgba(20, 220, 120, 255));
    QTest::newRow("premultiplied") << straight.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                                   << straight;

    QImage rgb(16, 8, QImage::Format_RGB888);
    rgb.fill(QColor(1, 2, 3));
    rgb.setPixel(3, 3, qRgb(250, 128, 7));
    QTest::newRow("rgb888") << rgb << rgb.convertToFormat(QImage::Format_ARGB32);

    QImage gray(16, 8, QImage::Format_Grayscale8);
    for (int y = 0; y < gray.height(); ++y) {
        for (int x = 0; x < gray.width(); ++x)
            gray.scanLine(y)[x] = uchar(x * 16);
    }
    QTest::newRow("grayscale") << gray << gray.convertToFormat(QImage::Format_ARGB32);

    QImage indexed(16, 8, QImage::Format_Indexed8);
    indexed.setColorTable({ qRgba(0, 0, 0, 0), qRgba(255, 0, 0, 90), qRgb(0, 0, 255) });
    for (int y = 0; y < indexed.height(); ++y) {
        for (int x = 0; x < indexed.width(); ++x)
            indexed.setPixel(x, y, uint((x + y) % 3));
    }
    QTest::newRow("indexed") << indexed << indexed.convertToFormat(QImage::Format_ARGB32);

    QImage mono(16, 8, QImage::Format_Mono);
    mono.setColorTable({ qRgb(255, 255, 255), qRgb(0, 0, 0) });
    mono.fill(0);
    mono.setPixel(5, 5, 1);
    QTest::newRow("mono") << mono << mono.convertToFormat(QImage::Format_ARGB32);

    QImage rgba(16, 8, QImage::Format_RGBA8888);
    rgba.fill(QColor(30, 60, 90, 200));
    QTest::newRow("rgba8888") << rgba << rgba.convertToFormat(QImage::Format_ARGB32);
}

void TestColorReducer::acceptsAnyInputFormat()
{
    QFETCH(QImage, original);
    QFETCH(QImage, expected);
    const QImage reduced = ColorReducer(original).reduce(256).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(reduced.size(), expected.size());
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            const QRgb a = expected.pixel(x, y);
            const QRgb b = reduced.pixel(x, y);
            QCOMPARE(qAlpha(b), qAlpha(a));
            if (qAlpha(a) == 0)
                continue;
            // Premultiplied storage rounds the colour of translucent pixels a little.
            QVERIFY2(qAbs(qRed(a) - qRed(b)) <= 2 && qAbs(qGreen(a) - qGreen(b)) <= 2
                         && qAbs(qBlue(a) - qBlue(b)) <= 2,
                     qPrintable(QStringLiteral("%1,%2: %3 instead of %4")
                                    .arg(x)
                                    .arg(y)
                                    .arg(b, 8, 16, QLatin1Char('0'))
                                    .arg(a, 8, 16, QLatin1Char('0'))));
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
    QSet<QRgb> expected { qRgb(40, 60, 200), qRgb(220, 180, 20) };
    for (QRgb entry : reduced.colorTable()) {
        bool near = false;
        for (QRgb e : expected) {
            near = near
                || (qAbs(qRed(entry) - qRed(e)) <= 1 && qAbs(qGreen(entry) - qGreen(e)) <= 1
                    && qAbs(qBlue(entry) - qBlue(e)) <= 1 && qAlpha(entry) == 255);
        }
        QVERIFY2(near, qPrintable(QString::number(entry, 16)));
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
    QVERIFY(colorsOf(reduced).size() <= 256);
    QVERIFY(colorsOf(reduced).size() > 200);
    double squares = 0.0;
    for (int y = 0; y < original.height(); ++y) {
        for (int x = 0; x < original.width(); ++x) {
            const QRgb a = original.pixel(x, y);
            const QRgb b = reduced.pixel(x, y);
            if (qAlpha(a) == 0 || qAlpha(a) == 255)
                QCOMPARE(qAlpha(b), qAlpha(a));
            else
                QVERIFY(qAlpha(b) > 0 && qAlpha(b) < 255);
            if (qAlpha(a) == 0)
                continue;
            for (int d :
                 { qRed(a) - qRed(b), qGreen(a) - qGreen(b), qBlue(a) - qBlue(b), qAlpha(a) - qAlpha(b) })
                squares += double(d) * d;
        }
    }
    const double rootMeanSquare = std::sqrt(squares / (original.width() * original.height() * 4.0));
    QVERIFY2(rootMeanSquare < 8.0, qPrintable(QString::number(rootMeanSquare)));
}

void TestColorReducer::savesOtherFormats_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("keepsAlpha");
    QTest::newRow("icns") << "ICNS"
                          << "icon.icns" << true;
    QTest::newRow("tiff") << "TIFF"
                          << "icon.tif" << true;
    QTest::newRow("bmp") << "BMP"
                         << "icon.bmp" << false;
    QTest::newRow("format from suffix") << ""
                                        << "icon.png" << true;
}

void TestColorReducer::savesOtherFormats()
{
    QFETCH(QString, format);
    QFETCH(QString, fileName);
    QFETCH(bool, keepsAlpha);
    // Power-of-two size: the ICNS writer stores such pictures unscaled.
    const QImage original = iconPicture(64);
    const QString path = m_dir->filePath(fileName);
    ColorReducer::reduceAndSave(original, path, 16, format);
    const QImage reduced = QImage(path).convertToFormat(QImage::Format_ARGB32);
    QVERIFY2(!reduced.isNull(), "the file was not written or does not load");
    QCOMPARE(reduced.size(), original.size());
    QVERIFY(colorsOf(reduced).size() <= 16);
    if (keepsAlpha) {
        QCOMPARE(qAlpha(reduced.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(reduced.pixel(32, 32)), 255);
    }
}

QTEST_GUILESS_MAIN(TestColorReducer)
#include "tst_colorreducer.moc"
