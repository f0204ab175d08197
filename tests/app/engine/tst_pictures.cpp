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

QImage argb(const QImage& image)
{
    return image.convertToFormat(QImage::Format_ARGB32);
}

QImage solid(int side)
{
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(Base);
    return image;
}

// The overlays painted in the given order over the base colour, cut by the
// mask (whose grey is the alpha kept) when asked.
QImage composed(const QStringList& overlays, bool cut)
{
    QImage want = solid(1024);
    QPainter painter(&want);
    for (const QString& path : overlays)
        painter.drawImage(0, 0, QImage(path));
    QImage mask = argb(QImage(":/roundrectmask.png"));
    for (int y = 0; y < 1024; ++y)
        for (int x = 0; x < 1024; ++x)
            mask.setPixel(x, y, qRgba(0, 0, 0, cut ? qRed(mask.pixel(x, y)) : 255));
    painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    painter.drawImage(0, 0, mask);
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
    QTest::newRow("nothing on") << QString() << true << QStringList() << false;
    QTest::newRow("volume, frame, rounding without mask")
        << "VolumeItem;FrameItem;RoundedEdgesItem;" << false << QStringList() << false;
    // Only whole names count: a longer or shorter word is none of them.
    QTest::newRow("names inside other words")
        << "MyTopGlossyItem;Volume;FrameItems;" << true << QStringList() << false;
    QTest::newRow("centre gloss") << "CenterGlossyItem;" << false << QStringList { ":/glossymiddle.png" }
                                  << false;
    // Where two layers meet the later one lies on top, whatever the order of the words.
    QTest::newRow("free over lite") << "FreeLabelItem;LiteLabelItem;" << false << QStringList { lite, free }
                                    << false;
    QTest::newRow("lite over top gloss, masked")
        << "LiteLabelItem;TopGlossyItem;" << true << QStringList { top, lite } << false;
    QTest::newRow("free over frame") << "FreeLabelItem;FrameItem;" << true
                                     << QStringList { ":/frame.png", free } << true;
    QTest::newRow("lite over volume")
        << "LiteLabelItem;VolumeItem;" << true << QStringList { ":/volume.png", lite } << true;
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
    QCOMPARE(mismatches(picture, composed(overlays, cut), 2), 0);
    // Two bands meet somewhere, or this test could not tell their orders apart.
    if (overlays.size() == 2)
        QVERIFY(mismatches(composed({ overlays.last(), overlays.first() }, cut), composed(overlays, cut), 8)
                > 0);
}

void TstPictures::overlaysCoverThePicture()
{
    const QString state = QStringLiteral("TopGlossyItem;FreeLabelItem;VolumeItem;");
    QImage whole = solid(1024);
    Effects::apply(whole, state, true);
    // A preview, and 1024 x 1024 pixels at ratio 2 (512 x 512 in the painter's coordinates).
    for (const auto& [side, ratio] : { std::pair<int, qreal> { 560, 1.0 }, { 1024, 2.0 } }) {
        QImage picture = solid(side);
        picture.setDevicePixelRatio(ratio);
        Effects::apply(picture, state, true);
        QCOMPARE(picture.devicePixelRatio(), ratio);
        // Each overlay is stretched once over the whole picture: it shows where it shows on the master.
        for (const QPoint& p :
             { QPoint(512, 40), QPoint(512, 990), QPoint(990, 300), QPoint(300, 700), QPoint(3, 3) })
            QVERIFY(pixelsClose(argb(picture).pixel(p * side / 1024), argb(whole).pixel(p), 6));
    }
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
    QVERIFY(writers().writeTile(m_dir.path() + '/', canvas, master(framed), QStringLiteral("Tile"), factor));
    QCOMPARE(m_between, 1);
    const QImage tile(m_dir.filePath("Tile.png"));
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

    for (const auto& [file, icon, fontPixelSize] :
         { std::tuple<const char*, QRect, int> { "iPhonePortraitRetinaHD47.png", QRect(187, 479, 375, 375),
                                                 93 },
           { "iPhoneLandscapeRetinaHD55.png", QRect(793, 310, 621, 621), 155 } }) {
        const QImage image(dir + QLatin1String(file));
        QCOMPARE(extent(image, [](QRgb p) { return near(p, Blue); }), icon);
        QVERIFY(near(image.pixel(0, 0), Qt::black));
        // "Please wait..." in white, centred at the bottom of the picture less a 10 pixel margin.
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(fontPixelSize);
        const QFontMetrics metrics(font);
        const QString text = QStringLiteral("Please wait...");
        const QPoint baseline(10 + (image.width() - 20 - metrics.horizontalAdvance(text)) / 2,
                              image.height() - 10 - metrics.descent());
        const QRect want = metrics.tightBoundingRect(text).translated(baseline);
        const QRect below(0, icon.bottom() + 1, image.width(), image.height() - icon.bottom() - 1);
        const QRect got = extent(
            image, [](QRgb p) { return qRed(p) > 128 && qBlue(p) > 128; }, below);
        // The ink's right end is not where the metrics put it; its start and height are.
        for (const int edge :
             { got.left() - want.left(), got.top() - want.top(), got.bottom() - want.bottom() })
            QVERIFY2(qAbs(edge) <= 2, file);
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

    const QString file = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + '.' + format);
    QString reason;
    QVERIFY2(PictureSaver::save(picture, file, format, settings, &reason), qPrintable(reason));
    const QImage saved(file);
    QCOMPARE(saved.format() == QImage::Format_Grayscale8, greyFile);
    const int colours = TestSupport::colorsOf(saved).size();
    QVERIFY(maximum ? colours <= maximum && colours > 1 : argb(saved) == argb(picture));
    // A missing folder fails with the system's reason.
    QVERIFY(!PictureSaver::save(picture, m_dir.filePath("no/x.png"), format, settings, &reason));
    QVERIFY(!reason.isEmpty());
}

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    TstPictures test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_pictures.moc"
