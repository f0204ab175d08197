// The engine's pictures without a widget or the application object: the
// effects, the tile and launch-image writers and the saver, on real files.

#include "effects.h"
#include "generatorsettings.h"
#include "picturesaver.h"
#include "picturewriters.h"
#include "pixelcompare.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

using TestSupport::pixelsClose;

namespace {

const QColor Base(96, 128, 160);
const QColor Blue(20, 60, 200);

QImage solid(int side, const QColor& colour = Base)
{
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

QImage argb(const QImage& image)
{
    return image.convertToFormat(QImage::Format_ARGB32);
}

// The source-over blend of a straight-alpha overlay pixel over an opaque pixel.
QRgb over(QRgb top, QRgb bottom)
{
    const int a = qAlpha(top);
    auto mix = [a](int t, int b) { return (t * a + b * (255 - a) + 127) / 255; };
    return qRgb(mix(qRed(top), qRed(bottom)), mix(qGreen(top), qGreen(bottom)),
                mix(qBlue(top), qBlue(bottom)));
}

// The overlays drawn in the given order over the base colour, cut by the mask when asked.
QImage composed(const QStringList& overlays, bool cut)
{
    QList<QImage> art;
    for (const QString& path : overlays)
        art.append(argb(QImage(path)));
    const QImage mask = argb(QImage(QStringLiteral(":/roundrectmask.png")));
    QImage want(1024, 1024, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < 1024; ++y) {
        for (int x = 0; x < 1024; ++x) {
            QRgb pixel = Base.rgb();
            for (const QImage& layer : art)
                pixel = over(layer.pixel(x, y), pixel);
            const int alpha = cut ? qRed(mask.pixel(x, y)) : 255;
            want.setPixel(x, y, qPremultiply(qRgba(qRed(pixel), qGreen(pixel), qBlue(pixel), alpha)));
        }
    }
    return want;
}

int mismatches(const QImage& got, const QImage& want, int tolerance)
{
    const QImage a = got.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage b = want.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += !pixelsClose(a.pixel(x, y), b.pixel(x, y), tolerance);
    return count;
}

// A blue square; `framed` leaves a transparent border of 1/8 of the side.
QImage master(bool framed)
{
    QImage image(1024, 1024, QImage::Format_ARGB32);
    image.fill(framed ? QColor(Qt::transparent) : Blue);
    QPainter(&image).fillRect(128, 128, 768, 768, Blue);
    return image;
}

template<typename Match> QRect extent(const QImage& image, Match match, QRect area = QRect())
{
    area = area.isNull() ? image.rect() : area;
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (match(image.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

bool near(QRgb pixel, const QColor& colour)
{
    return pixelsClose(pixel, colour.rgb(), 3) && qAlpha(pixel) == 255;
}

} // namespace

class TstPictures : public QObject
{
    Q_OBJECT

private slots:
    void effects_data();
    void effects();
    void overlaysCoverThePicture_data();
    void overlaysCoverThePicture();
    void tiles_data();
    void tiles();
    void launchScreens();
    void saver_data();
    void saver();

private:
    PictureWriters writers(const GeneratorSettings& settings = GeneratorSettings())
    {
        return PictureWriters(
            [settings](const QImage& picture, const QString& path, const QString& format, QString* reason) {
                return PictureSaver::save(picture, path, format, settings, reason);
            },
            [this] { ++m_between; });
    }

    QTemporaryDir m_dir;
    int m_between = 0;
};

void TstPictures::effects_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<bool>("mask");
    QTest::addColumn<QStringList>("overlays"); // in drawing order
    QTest::addColumn<bool>("cut");

    const QString lite(":/litelabel.png"), free(":/freelabel.png"), top(":/glossytop.png");
    const QString middle(":/glossymiddle.png"), volume(":/volume.png"), frame(":/frame.png");
    QTest::newRow("nothing on") << QString() << true << QStringList() << false;
    QTest::newRow("volume, frame, rounding without mask")
        << "VolumeItem;FrameItem;RoundedEdgesItem;" << false << QStringList() << false;
    // Only whole names count: a longer or shorter word is none of them.
    QTest::newRow("names inside other words")
        << "MyTopGlossyItem;Volume;FrameItems;" << true << QStringList() << false;
    QTest::newRow("top gloss, masked") << "TopGlossyItem;" << true << QStringList { top } << false;
    QTest::newRow("centre gloss") << "CenterGlossyItem;" << false << QStringList { middle } << false;
    // Where two layers meet the later one lies on top, whatever the order of the words.
    QTest::newRow("free over lite") << "FreeLabelItem;LiteLabelItem;" << false << QStringList { lite, free }
                                    << false;
    QTest::newRow("lite over top gloss")
        << "LiteLabelItem;TopGlossyItem;" << false << QStringList { top, lite } << false;
    QTest::newRow("free over frame") << "FreeLabelItem;FrameItem;" << true << QStringList { frame, free }
                                     << true;
    QTest::newRow("lite over volume")
        << "LiteLabelItem;VolumeItem;" << true << QStringList { volume, lite } << true;
    QTest::newRow("rounded edges") << "RoundedEdgesItem;" << true << QStringList() << true;
}

void TstPictures::effects()
{
    QFETCH(QString, state);
    QFETCH(bool, mask);
    QFETCH(QStringList, overlays);
    QFETCH(bool, cut);

    QImage picture = solid(1024);
    Effects::apply(picture, state, mask);
    QCOMPARE(picture.size(), QSize(1024, 1024));
    QCOMPARE(mismatches(picture, composed(overlays, cut), 2), 0);
    // Two bands meet somewhere, or this test could not tell their orders apart.
    if (overlays.size() == 2)
        QVERIFY(mismatches(composed({ overlays.last(), overlays.first() }, cut), composed(overlays, cut), 8)
                > 0);
}

void TstPictures::overlaysCoverThePicture_data()
{
    QTest::addColumn<int>("side");
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("preview") << 560 << qreal(1.0);
    // 1024 x 1024 pixels at ratio 2 are 512 x 512 in the painter's coordinates.
    QTest::newRow("pixel ratio 2") << 1024 << qreal(2.0);
}

void TstPictures::overlaysCoverThePicture()
{
    QFETCH(int, side);
    QFETCH(qreal, ratio);
    const QString state = QStringLiteral("TopGlossyItem;FreeLabelItem;VolumeItem;");
    QImage whole = solid(1024);
    Effects::apply(whole, state, true);
    QImage picture = solid(side);
    picture.setDevicePixelRatio(ratio);
    Effects::apply(picture, state, true);
    QCOMPARE(picture.devicePixelRatio(), ratio);

    // Each overlay is stretched once over the whole picture: it shows where it shows on the master.
    const QImage got = argb(picture), want = argb(whole);
    for (const QPoint& p :
         { QPoint(512, 40), QPoint(512, 990), QPoint(990, 300), QPoint(300, 700), QPoint(3, 3) })
        QVERIFY2(pixelsClose(got.pixel(p * side / 1024), want.pixel(p), 6),
                 qPrintable(QStringLiteral("%1, %2").arg(p.x()).arg(p.y())));
}

void TstPictures::tiles_data()
{
    QTest::addColumn<QSize>("canvas");
    QTest::addColumn<float>("factor");
    QTest::addColumn<bool>("framed");
    QTest::addColumn<QRect>("blue");

    // At (176.5, 56.5) the raster engine blits at whole pixels, rounding the half up.
    QTest::newRow("465x225 half") << QSize(465, 225) << 0.5f << false << QRect(177, 57, 112, 112);
    QTest::newRow("720x1080 portrait") << QSize(720, 1080) << 1.0f << false << QRect(0, 180, 720, 720);
    QTest::newRow("1240 quarter") << QSize(1240, 1240) << 0.25f << false << QRect(465, 465, 310, 310);
    QTest::newRow("too large") << QSize(100, 100) << 2.0f << false << QRect(0, 0, 100, 100);
    QTest::newRow("square side rounds half up") << QSize(5, 5) << 0.5f << false << QRect(1, 1, 3, 3);
    // Transparent parts of the picture show the opaque white canvas.
    QTest::newRow("framed") << QSize(465, 225) << 0.5f << true << QRect(191, 71, 84, 84);
}

void TstPictures::tiles()
{
    QFETCH(QSize, canvas);
    QFETCH(float, factor);
    QFETCH(bool, framed);
    QFETCH(QRect, blue);

    m_between = 0;
    const QString dir = m_dir.path() + QLatin1Char('/');
    QVERIFY(writers().writeTile(dir, canvas, master(framed), QStringLiteral("Tile"), factor));
    QCOMPARE(m_between, 1);
    const QImage tile(dir + QStringLiteral("Tile.png"));
    QCOMPARE(tile.size(), canvas);
    QVERIFY(!tile.hasAlphaChannel());
    QCOMPARE(extent(tile, [](QRgb p) { return !near(p, Qt::white); }), blue);
    QCOMPARE(extent(tile, [](QRgb p) { return near(p, Blue); }), blue);
}

void TstPictures::launchScreens()
{
    const QString dir = m_dir.filePath(QStringLiteral("A.iOS_LaunchScreens/"));
    QVERIFY(QDir().mkpath(dir));
    m_between = 0;
    QVERIFY(writers().writeLaunchScreens(dir, master(false)));
    QCOMPARE(m_between, 8); // before each of the eight large pictures
    QCOMPARE(QDir(dir).entryList(QDir::Files).size(), 14);

    const struct
    {
        const char* file;
        QRect icon;
        int fontPixelSize;
    } pictures[] = { { "iPhonePortraitRetinaHD47.png", QRect(187, 479, 375, 375), 93 },
                     { "iPhoneLandscapeRetinaHD55.png", QRect(793, 310, 621, 621), 155 } };
    for (const auto& picture : pictures) {
        const QImage image(dir + QLatin1String(picture.file));
        QCOMPARE(extent(image, [](QRgb p) { return near(p, Blue); }), picture.icon);
        QVERIFY(near(image.pixel(0, 0), Qt::black));
        // "Please wait..." in white below the icon, centred, inside the 10 pixel
        // margin, its capitals about 0.7 of the font's pixel size high.
        const QRect below(0, picture.icon.bottom() + 1, image.width(),
                          image.height() - picture.icon.bottom() - 1);
        const QRect text = extent(
            image, [](QRgb p) { return qRed(p) > 128 && qBlue(p) > 128; }, below);
        QVERIFY2(!text.isEmpty() && text.bottom() < image.height() - 10, picture.file);
        QVERIFY(qAbs(text.center().x() - image.width() / 2) <= picture.fontPixelSize / 10 + 2);
        QVERIFY(text.height() >= picture.fontPixelSize * 6 / 10
                && text.height() <= picture.fontPixelSize * 85 / 100);
    }
}

void TstPictures::saver_data()
{
    QTest::addColumn<bool>("lossy");
    QTest::addColumn<int>("quality");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QRgb>("corner"); // the one pixel unlike a grey ramp with alpha
    QTest::addColumn<int>("maximum"); // colours of a lossy save; 0: every pixel kept
    QTest::addColumn<bool>("greyFile");

    QTest::newRow("lossless ignores quality") << false << 4 << "png" << qRgba(0, 0, 0, 0) << 0 << false;
    QTest::newRow("png 4") << true << 4 << "png" << qRgba(0, 0, 0, 0) << 4 << false;
    QTest::newRow("icns 4") << true << 4 << "ICNS" << qRgba(0, 0, 0, 0) << 4 << false;
    // An opaque grey picture is written as grey, with the same pixels.
    QTest::newRow("opaque grey") << false << 256 << "png" << qRgb(9, 9, 9) << 0 << true;
    QTest::newRow("one coloured pixel") << false << 256 << "png" << qRgb(9, 10, 9) << 0 << false;
}

void TstPictures::saver()
{
    QFETCH(bool, lossy);
    QFETCH(int, quality);
    QFETCH(QString, format);
    QFETCH(QRgb, corner);
    QFETCH(int, maximum);
    QFETCH(bool, greyFile);

    const bool opaque = qAlpha(corner) == 255;
    QImage picture(64, 64, opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            picture.setPixel(
                x, y, opaque ? qRgb(x * 4, x * 4, x * 4) : qRgba(x * 4, y * 4, (x * y) % 256, 255 - y));
    picture.setPixel(63, 63, corner);
    GeneratorSettings settings;
    settings.set(GeneratorSettings::LossyCompression, lossy);
    settings.set(GeneratorSettings::Quality, quality);

    const QString file
        = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + QLatin1Char('.') + format);
    QString reason;
    QVERIFY2(PictureSaver::save(picture, file, format, settings, &reason), qPrintable(reason));
    const QImage saved(file);
    QCOMPARE(saved.format() == QImage::Format_Grayscale8, greyFile);
    if (maximum == 0) {
        QCOMPARE(argb(saved), argb(picture));
    } else {
        const int colours = TestSupport::colorsOf(saved).size();
        QVERIFY2(colours <= maximum && colours > 1, qPrintable(QString::number(colours)));
    }
    // A missing folder fails with the system's reason.
    QVERIFY(
        !PictureSaver::save(picture, m_dir.filePath(QStringLiteral("no/x.png")), format, settings, &reason));
    QVERIFY(!reason.isEmpty());
}

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    TstPictures test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_pictures.moc"
