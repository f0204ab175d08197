#include "creator.h"
#include "pixelcompare.h"

#include <QtTest>

using TestSupport::pixelsClose;

namespace {
const QColor BaseColor(96, 128, 160);

// Compared premultiplied: the colour of a nearly clear pixel carries little.
QImage pixels(const QPixmap& pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage resource(const QString& path)
{
    return QImage(path).convertToFormat(QImage::Format_ARGB32);
}

QPixmap solidPicture(int side)
{
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(BaseColor);
    return QPixmap::fromImage(image);
}

// The source-over blend of a straight-alpha overlay pixel over an opaque pixel.
QRgb over(QRgb top, QRgb bottom)
{
    const int a = qAlpha(top);
    auto mix = [a](int t, int b) { return (t * a + b * (255 - a) + 127) / 255; };
    return qRgb(mix(qRed(top), qRed(bottom)), mix(qGreen(top), qGreen(bottom)),
                mix(qBlue(top), qBlue(bottom)));
}

// The pixels of two same-sized images that differ by more than tolerance; reports the first few.
int mismatches(const QImage& got, const QImage& want, int tolerance, bool report = true)
{
    int count = 0;
    for (int y = 0; y < got.height(); ++y) {
        for (int x = 0; x < got.width(); ++x) {
            if (!pixelsClose(got.pixel(x, y), want.pixel(x, y), tolerance) && ++count <= 3 && report)
                qWarning("(%d, %d): %08x, expected %08x", x, y, got.pixel(x, y), want.pixel(x, y));
        }
    }
    return count;
}
} // namespace

class TestApplyEffects : public QObject
{
    Q_OBJECT

private slots:
    void leavesPictureAlone_data();
    void leavesPictureAlone();
    void overlaysAndMask_data();
    void overlaysAndMask();
    void overlaysCoverThePicture_data();
    void overlaysCoverThePicture();
};

void TestApplyEffects::leavesPictureAlone_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<bool>("mask");
    QTest::newRow("nothing on, masked") << QString() << true;
    QTest::newRow("nothing on, plain") << QString() << false;
    // Volume and frame belong to the masked pictures only.
    QTest::newRow("volume, frame and rounding without mask")
        << "VolumeItem;FrameItem;RoundedEdgesItem;" << false;
    QTest::newRow("unknown words") << "Sparkles;Shadow;" << true;
}

void TestApplyEffects::leavesPictureAlone()
{
    QFETCH(QString, state);
    QFETCH(bool, mask);

    // A gradient with transparency, so that any change of colour or alpha shows.
    QImage image(300, 300, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgba(x % 256, y % 256, 77, (x + y) % 256));
    QPixmap picture = QPixmap::fromImage(image);
    const QImage before = pixels(picture);

    Creator::applyEffects(picture, state, mask);
    QCOMPARE(pixels(picture), before);
}

void TestApplyEffects::overlaysAndMask_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<bool>("mask");
    QTest::addColumn<QStringList>("overlays"); // in drawing order
    QTest::addColumn<bool>("cut"); // to the rounded square

    const QString lite(":/litelabel.png"), free(":/freelabel.png"), top(":/glossytop.png");
    const QString middle(":/glossymiddle.png"), volume(":/volume.png"), frame(":/frame.png");
    // Without a rounding effect the mask flag cuts nothing.
    QTest::newRow("top gloss, masked") << "TopGlossyItem;" << true << QStringList { top } << false;
    QTest::newRow("centre gloss") << "CenterGlossyItem;" << false << QStringList { middle } << false;
    // Where two layers meet the later one lies on top, whatever the order of the words.
    QTest::newRow("free over lite") << "FreeLabelItem;LiteLabelItem;" << false << QStringList { lite, free }
                                    << false;
    QTest::newRow("lite over top gloss")
        << "LiteLabelItem;TopGlossyItem;" << false << QStringList { top, lite } << false;
    QTest::newRow("free over centre gloss")
        << "FreeLabelItem;CenterGlossyItem;" << false << QStringList { middle, free } << false;
    // Volume and frame bring the rounded mask along, and lie under the bands.
    QTest::newRow("free over frame") << "FreeLabelItem;FrameItem;" << true << QStringList { frame, free }
                                     << true;
    QTest::newRow("lite over volume")
        << "LiteLabelItem;VolumeItem;" << true << QStringList { volume, lite } << true;
    QTest::newRow("rounded edges") << "RoundedEdgesItem;" << true << QStringList() << true;
    QTest::newRow("all three") << "VolumeItem;FrameItem;RoundedEdgesItem;" << true
                               << QStringList { volume, frame } << true;
}

void TestApplyEffects::overlaysAndMask()
{
    QFETCH(QString, state);
    QFETCH(bool, mask);
    QFETCH(QStringList, overlays);
    QFETCH(bool, cut);

    QList<QImage> art;
    for (const QString& path : overlays)
        art.append(resource(path));
    const QImage maskImage = resource(QStringLiteral(":/roundrectmask.png"));
    auto expected = [&](bool reversed) {
        QImage want(1024, 1024, QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < 1024; ++y) {
            for (int x = 0; x < 1024; ++x) {
                QRgb pixel = BaseColor.rgb();
                for (int i = 0; i < art.size(); ++i)
                    pixel = over(art.at(reversed ? art.size() - 1 - i : i).pixel(x, y), pixel);
                const int alpha = cut ? qRed(maskImage.pixel(x, y)) : 255;
                want.setPixel(x, y, qPremultiply(qRgba(qRed(pixel), qGreen(pixel), qBlue(pixel), alpha)));
            }
        }
        return want;
    };

    QPixmap picture = solidPicture(1024);
    Creator::applyEffects(picture, state, mask);
    const QImage result = pixels(picture);
    QCOMPARE(result.size(), QSize(1024, 1024));
    const QImage want = expected(false);
    QCOMPARE(mismatches(result, want, 2), 0);
    // Two bands meet somewhere, or this test could not tell their orders apart.
    if (art.size() == 2)
        QVERIFY(mismatches(want, expected(true), 8, false) > 0);
}

void TestApplyEffects::overlaysCoverThePicture_data()
{
    QTest::addColumn<int>("side");
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("preview") << 560 << qreal(1.0);
    // 1024 x 1024 pixels at ratio 2 are 512 x 512 in the painter's coordinates.
    QTest::newRow("pixel ratio 2") << 1024 << qreal(2.0);
}

void TestApplyEffects::overlaysCoverThePicture()
{
    QFETCH(int, side);
    QFETCH(qreal, ratio);
    const QString state = QStringLiteral("TopGlossyItem;FreeLabelItem;VolumeItem;");
    QPixmap master = solidPicture(1024);
    Creator::applyEffects(master, state, true);
    QPixmap picture = solidPicture(side);
    picture.setDevicePixelRatio(ratio);
    Creator::applyEffects(picture, state, true);
    QCOMPARE(picture.devicePixelRatio(), ratio);

    // Each overlay is stretched once over the whole picture: it shows where it
    // shows on the master.
    const QImage got = pixels(picture), want = pixels(master);
    QCOMPARE(got.size(), QSize(side, side));
    for (const QPoint& p :
         { QPoint(512, 40), QPoint(512, 990), QPoint(990, 300), QPoint(300, 700), QPoint(3, 3) })
        QVERIFY2(pixelsClose(got.pixel(p * side / 1024), want.pixel(p), 6),
                 qPrintable(QStringLiteral("%1, %2").arg(p.x()).arg(p.y())));
}

QTEST_MAIN(TestApplyEffects)
#include "tst_applyeffects.moc"
