// Writes real icon, tile and launch-image files and checks them as a user's
// tools would: names, pixel sizes, alpha, placement in pixels, the painted
// text, the event processing that keeps the progress dialog alive, pngcheck.

#include "app.h"
#include "iconwriter.h"

#include <QDir>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QColor kBlue(20, 60, 200);

// A blue square; `framed` leaves a transparent border of 1/8 of the side.
QPixmap master(bool framed = true)
{
    QImage image(1024, 1024, QImage::Format_ARGB32);
    image.fill(framed ? QColor(Qt::transparent) : kBlue);
    QPainter(&image).fillRect(128, 128, 768, 768, kBlue);
    return QPixmap::fromImage(image);
}

bool near(QRgb pixel, const QColor& colour)
{
    return qAbs(qRed(pixel) - colour.red()) <= 3 && qAbs(qGreen(pixel) - colour.green()) <= 3
        && qAbs(qBlue(pixel) - colour.blue()) <= 3 && qAlpha(pixel) == 255;
}

// Bounding box of the pixels for which `match` holds.
template<typename Match> QRect extent(const QImage& image, const QRect& area, Match match)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (match(image.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

// Counts the rounds of posted-event delivery while it lives: each delivery
// posts the next event, which only the next round delivers.
class EventRounds : public QObject
{
public:
    EventRounds() { post(); }
    int rounds = 0;

protected:
    void customEvent(QEvent*) override
    {
        ++rounds;
        post();
    }

private:
    void post() { QCoreApplication::postEvent(this, new QEvent(QEvent::User)); }
};

} // namespace

class TstIconWriter : public QObject
{
    Q_OBJECT

private slots:
    void squareIcons_data();
    void squareIcons();
    void tiles_data();
    void tiles();
    void launchImage_data();
    void launchImage();
    void iosLaunchScreens();
    void pngcheckAcceptsFiles();

private:
    QString folder(const QString& relative)
    {
        const QString path
            = m_dir.filePath(QString::fromLatin1(QTest::currentTestFunction()) + QLatin1Char('/')
                             + QString::fromLatin1(QTest::currentDataTag()) + QLatin1Char('/') + relative);
        QDir().mkpath(path);
        return path;
    }

    QTemporaryDir m_dir;
};

void TstIconWriter::squareIcons_data()
{
    QTest::addColumn<QString>("relative");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("watch");
    QTest::addColumn<QStringList>("files"); // "name:side", sorted by name

    QTest::newRow("iconset") << "A.iconset/" << 16 << false
                             << QStringList { "icon_16x16.png:16", "icon_16x16@2x.png:32" };
    QTest::newRow("iOS 83") << "A.iOS/" << 83 << false << QStringList { "Icon-83x83@2x.png:167" };
    QTest::newRow("iOS 20") << "A.iOS/" << 20 << false
                            << QStringList { "Icon-20x20.png:20", "Icon-20x20@2x.png:40",
                                             "Icon-20x20@3x.png:60" };
    QTest::newRow("watch 27") << "A.iOS/" << 27 << true << QStringList { "AppleWatch-27x27@2x.png:55" };
    QTest::newRow("android") << "A.android/drawable-mdpi/" << 48 << false << QStringList { "icon.png:48" };
    QTest::newRow("no marker") << "A/" << 48 << false << QStringList {};
}

void TstIconWriter::squareIcons()
{
    QFETCH(QString, relative);
    QFETCH(int, size);
    QFETCH(bool, watch);
    QFETCH(QStringList, files);

    const QString dir = folder(relative);
    EventRounds events;
    IconWriter::writeSquareIcon(dir, size, master(), watch);
    QCOMPARE(events.rounds, 1); // once per call, whatever is written

    QStringList written;
    for (const QString& name : QDir(dir).entryList(QDir::Files, QDir::Name)) {
        const QImage icon(dir + name);
        written << QStringLiteral("%1:%2").arg(name).arg(icon.width());
        QCOMPARE(icon.height(), icon.width());
        // The master's transparent frame stays transparent.
        QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
        QVERIFY(near(icon.pixel(icon.width() / 2, icon.height() / 2), kBlue));
    }
    QCOMPARE(written, files);
}

void TstIconWriter::tiles_data()
{
    QTest::addColumn<QSize>("canvas");
    QTest::addColumn<float>("factor");
    QTest::addColumn<QRect>("icon");

    QTest::newRow("1240 quarter") << QSize(1240, 1240) << 0.25f << QRect(465, 465, 310, 310);
    QTest::newRow("1000x800") << QSize(1000, 800) << 1.0f << QRect(100, 0, 800, 800);
    QTest::newRow("720x1080") << QSize(720, 1080) << 1.0f << QRect(0, 180, 720, 720);
    // At (176.5, 56.5) the raster engine blits at whole pixels, rounding the
    // half up: 112 full columns and rows from (177, 57), no partial edge.
    QTest::newRow("465x225 half") << QSize(465, 225) << 0.5f << QRect(177, 57, 112, 112);
    QTest::newRow("too large") << QSize(100, 100) << 2.0f << QRect(0, 0, 100, 100);
}

void TstIconWriter::tiles()
{
    QFETCH(QSize, canvas);
    QFETCH(float, factor);
    QFETCH(QRect, icon);

    const QString dir = folder(QString());
    EventRounds events;
    IconWriter::writeTile(dir, canvas, master(false), QStringLiteral("Tile"), factor);
    QCOMPARE(events.rounds, 1);
    const QImage tile(dir + QStringLiteral("Tile.png"));
    QCOMPARE(tile.size(), canvas);
    QCOMPARE(extent(tile, tile.rect(), [](QRgb p) { return !near(p, Qt::white); }), icon);
    QCOMPARE(extent(tile, tile.rect(), [](QRgb p) { return near(p, kBlue); }), icon);

    // Transparent parts of the picture show the opaque white canvas.
    IconWriter::writeTile(dir, QSize(150, 150), master(), QStringLiteral("Framed"), 1.0f);
    const QImage framed(dir + QStringLiteral("Framed.png"));
    QVERIFY(near(framed.pixel(2, 2), Qt::white));
    QVERIFY(near(framed.pixel(75, 75), kBlue));
}

void TstIconWriter::launchImage_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("icon");
    QTest::addColumn<int>("fontPixelSize");

    QTest::newRow("480x800") << QSize(480, 800) << QRect(120, 280, 240, 240) << 60;
    QTest::newRow("2208x1242") << QSize(2208, 1242) << QRect(793, 310, 621, 621) << 155;
    QTest::newRow("750x1334") << QSize(750, 1334) << QRect(187, 479, 375, 375) << 93;
}

void TstIconWriter::launchImage()
{
    QFETCH(QSize, size);
    QFETCH(QRect, icon);
    QFETCH(int, fontPixelSize);

    const QImage image
        = IconWriter::paintLaunchImage(size, master(false), 2.0f, Qt::white, Qt::black).toImage();
    QCOMPARE(image.size(), size);
    QCOMPARE(extent(image, image.rect(), [](QRgb p) { return near(p, kBlue); }), icon);
    QVERIFY(near(image.pixel(0, 0), Qt::black));

    // "Please wait..." in white below the icon, centred, inside the 10 pixel
    // margin, its capitals about 0.7 of the font's pixel size high.
    const QRect below(0, icon.bottom() + 1, size.width(), size.height() - icon.bottom() - 1);
    const QRect text = extent(image, below, [](QRgb p) { return qRed(p) > 128 && qBlue(p) > 128; });
    QVERIFY(!text.isEmpty());
    QVERIFY(text.bottom() < size.height() - 10);
    QVERIFY(qAbs(text.center().x() - size.width() / 2) <= fontPixelSize / 10 + 2);
    QVERIFY2(text.height() >= fontPixelSize * 6 / 10 && text.height() <= fontPixelSize * 85 / 100,
             qPrintable(QString::number(text.height())));
}

void TstIconWriter::iosLaunchScreens()
{
    const QString dir = folder(QStringLiteral("A.iOS_LaunchScreens/"));
    EventRounds events;
    IconWriter::writeLaunchScreens(dir, master());
    QCOMPARE(events.rounds, 8); // before each of the eight large pictures

    QCOMPARE(QDir(dir).entryList(QDir::Files).size(), 14);
    QCOMPARE(QImage(dir + QStringLiteral("iPadLandscapeWithoutStatusBar_2x.png")).size(), QSize(2048, 1496));
    QCOMPARE(QImage(dir + QStringLiteral("iPhonePortrait_1x.png")).size(), QSize(320, 480));
}

void TstIconWriter::pngcheckAcceptsFiles()
{
    const QString pngcheck = QStandardPaths::findExecutable(QStringLiteral("pngcheck"));
    if (pngcheck.isEmpty())
        QSKIP("pngcheck is not installed (scripts/install-deps.sh installs it)");

    QStringList written;
    for (bool lossy : { false, true }) {
        QMWidgets::app()->setValue(QStringLiteral("KeyLossyCompression"), lossy);
        QMWidgets::app()->setValue(QStringLiteral("KeyQuality"), 16);
        const QString dir
            = folder(lossy ? QStringLiteral("lossy/A.iOS/") : QStringLiteral("lossless/A.iOS/"));
        IconWriter::writeSquareIcon(dir, 29, master(), true);
        IconWriter::writeTile(dir, QSize(465, 225), master(), QStringLiteral("Wide"), 0.5f);
        for (const QString& name : QDir(dir).entryList(QDir::Files))
            written << dir + name;
        // The palette keeps the master's transparency too.
        QCOMPARE(qAlpha(QImage(dir + QStringLiteral("AppleWatch-29x29@3x.png")).pixel(0, 0)), 0);
    }
    QCOMPARE(written.size(), 6);

    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(pngcheck, QStringList { QStringLiteral("-q") } + written);
    QVERIFY(process.waitForFinished(60000));
    QVERIFY2(process.exitCode() == 0, process.readAll().constData());
}

int main(int argc, char** argv)
{
    QMWidgets::App app(argc, argv, QStringLiteral("Halvick"), QStringLiteral("Lumastrand"));
    TstIconWriter test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_iconwriter.moc"
