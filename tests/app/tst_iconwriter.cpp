// Writes real icon, tile and launch-image files and checks their pixels: alpha, placement,
// painted text, and the event rounds that keep the progress dialog alive.

#include "iconwriter.h"
#include "pixelcompare.h"
#include "testapp.h"

#include <QDir>
#include <QPainter>
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
    return TestSupport::pixelsClose(pixel, colour.rgb(), 3) && qAlpha(pixel) == 255;
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
    void tiles_data();
    void tiles();
    void launchScreens();

private:
    QTemporaryDir m_dir;
};

void TstIconWriter::tiles_data()
{
    QTest::addColumn<QSize>("canvas");
    QTest::addColumn<float>("factor");
    QTest::addColumn<bool>("framed");
    QTest::addColumn<QRect>("blue");

    // At (176.5, 56.5) the raster engine blits at whole pixels, rounding the
    // half up: 112 full columns and rows from (177, 57), no partial edge.
    QTest::newRow("465x225 half") << QSize(465, 225) << 0.5f << false << QRect(177, 57, 112, 112);
    QTest::newRow("too large") << QSize(100, 100) << 2.0f << false << QRect(0, 0, 100, 100);
    QTest::newRow("square side rounds half up") << QSize(5, 5) << 0.5f << false << QRect(1, 1, 3, 3);
    // Transparent parts of the picture show the opaque white canvas.
    QTest::newRow("framed") << QSize(465, 225) << 0.5f << true << QRect(191, 71, 84, 84);
}

void TstIconWriter::tiles()
{
    QFETCH(QSize, canvas);
    QFETCH(float, factor);
    QFETCH(bool, framed);
    QFETCH(QRect, blue);

    const QString dir = m_dir.path() + QLatin1Char('/');
    EventRounds events;
    IconWriter::writeTile(dir, canvas, master(framed), QStringLiteral("Tile"), factor);
    QCOMPARE(events.rounds, 1);
    const QImage tile(dir + QStringLiteral("Tile.png"));
    QCOMPARE(tile.size(), canvas);
    QCOMPARE(extent(tile, tile.rect(), [](QRgb p) { return !near(p, Qt::white); }), blue);
    QCOMPARE(extent(tile, tile.rect(), [](QRgb p) { return near(p, kBlue); }), blue);
}

void TstIconWriter::launchScreens()
{
    const QString dir = m_dir.filePath(QStringLiteral("A.iOS_LaunchScreens/"));
    QVERIFY(QDir().mkpath(dir));
    EventRounds events;
    IconWriter::writeLaunchScreens(dir, master(false));
    QCOMPARE(events.rounds, 8); // before each of the eight large pictures

    const struct
    {
        QString file;
        QRect icon;
        int fontPixelSize;
    } pictures[] = { { QStringLiteral("iPhonePortraitRetinaHD47.png"), QRect(187, 479, 375, 375), 93 },
                     { QStringLiteral("iPhoneLandscapeRetinaHD55.png"), QRect(793, 310, 621, 621), 155 } };
    for (const auto& [file, icon, fontPixelSize] : pictures) {
        const QImage image(dir + file);
        QCOMPARE(extent(image, image.rect(), [](QRgb p) { return near(p, kBlue); }), icon);
        QVERIFY(near(image.pixel(0, 0), Qt::black));

        // "Please wait..." in white below the icon, centred, inside the 10 pixel
        // margin, its capitals about 0.7 of the font's pixel size high.
        const QRect below(0, icon.bottom() + 1, image.width(), image.height() - icon.bottom() - 1);
        const QRect text = extent(image, below, [](QRgb p) { return qRed(p) > 128 && qBlue(p) > 128; });
        QVERIFY2(!text.isEmpty() && text.bottom() < image.height() - 10, qPrintable(file));
        QVERIFY(qAbs(text.center().x() - image.width() / 2) <= fontPixelSize / 10 + 2);
        QVERIFY2(text.height() >= fontPixelSize * 6 / 10 && text.height() <= fontPixelSize * 85 / 100,
                 qPrintable(QString::number(text.height())));
    }
}

LUMASTRAND_APP_TEST_MAIN(TstIconWriter)

#include "tst_iconwriter.moc"
