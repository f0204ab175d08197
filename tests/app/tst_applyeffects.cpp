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
    void maskReplacesAlpha();
    void overlaysCoverPreviewSize();
    void highPixelRatioIsCoveredOnce();
};

void TestApplyEffects::leavesPictureAlone_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<bool>("mask");
    QTest::newRow("nothing on, masked") << QString() << true;
    QTest::newRow("nothing on, plain") << QString() << false;
    // Volume and frame belong to the masked pictures only.
    QTest::newRow("volume without mask") << "VolumeItem;" << false;
    QTest::newRow("frame without mask") << "FrameItem;" << false;
    QTest::newRow("rounded edges without mask") << "RoundedEdgesItem;" << false;
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

    const QString lite(":/litelabel.png");
    const QString free(":/freelabel.png");
    QTest::newRow("top gloss") << "TopGlossyItem;" << false << QStringList { ":/glossytop.png" } << false;
    QTest::newRow("top gloss, masked")
        << "TopGlossyItem;" << true << QStringList { ":/glossytop.png" } << false;
    QTest::newRow("centre gloss") << "CenterGlossyItem;" << false << QStringList { ":/glossymiddle.png" }
                                  << false;
    QTest::newRow("lite label") << "LiteLabelItem;" << false << QStringList { lite } << false;
    QTest::newRow("free label") << "FreeLabelItem;" << false << QStringList { free } << false;
    // The order of the words does not matter: the free band lies over the lite one.
    QTest::newRow("free and lite") << "FreeLabelItem;LiteLabelItem;" << false << QStringList { lite, free }
                                   << false;
    QTest::newRow("lite and free") << "LiteLabelItem;FreeLabelItem;" << false << QStringList { lite, free }
                                   << false;
    // Volume and frame bring the rounded mask along.
    QTest::newRow("volume") << "VolumeItem;" << true << QStringList { ":/volume.png" } << true;
    QTest::newRow("frame") << "FrameItem;" << true << QStringList { ":/frame.png" } << true;
    QTest::newRow("rounded edges") << "RoundedEdgesItem;" << true << QStringList() << true;
    QTest::newRow("all three") << "VolumeItem;FrameItem;RoundedEdgesItem;" << true
                               << QStringList { ":/volume.png", ":/frame.png" } << true;
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

void TestApplyEffects::maskReplacesAlpha()
{
    // Left half clear, right half half-transparent.
    QImage image(1024, 1024, QImage::Format_ARGB32);
    image.fill(QColor(10, 200, 30, 128));
    for (int y = 0; y < 1024; ++y)
        for (int x = 0; x < 512; ++x)
            image.setPixel(x, y, qRgba(0, 0, 0, 0));
    QPixmap picture = QPixmap::fromImage(image);

    Creator::applyEffects(picture, QStringLiteral("RoundedEdgesItem;"), true);
    const QImage result = pixels(picture);
    // The alpha is replaced, not multiplied: inside the outline both halves are opaque.
    QCOMPARE(qAlpha(result.pixel(256, 512)), 255);
    QVERIFY(pixelsClose(result.pixel(768, 512), qRgb(10, 200, 30), 2));
    QCOMPARE(qAlpha(result.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(result.pixel(1023, 1023)), 0);
}

void TestApplyEffects::overlaysCoverPreviewSize()
{
    // The preview is smaller than the overlays: they are stretched over it
    // without smoothing, so each pixel of the result comes from one overlay pixel.
    const QImage art = resource(QStringLiteral(":/freelabel.png"));
    QPixmap picture = solidPicture(560);
    Creator::applyEffects(picture, QStringLiteral("FreeLabelItem;"), false);
    const QImage result = pixels(picture);
    QCOMPARE(result.size(), QSize(560, 560));

    const double scale = 1024.0 / 560.0;
    int mismatches = 0;
    for (int y = 0; y < 560; y += 2) {
        for (int x = 0; x < 560; x += 2) {
            // Sampling positions may differ by a pixel: compare with the nearest
            // of the neighbouring overlay pixels.
            const int sx = int((x + 0.5) * scale);
            const int sy = int((y + 0.5) * scale);
            bool found = false;
            for (int dy = -1; dy <= 1 && !found; ++dy)
                for (int dx = -1; dx <= 1 && !found; ++dx)
                    found = pixelsClose(
                        result.pixel(x, y),
                        over(art.pixel(qBound(0, sx + dx, 1023), qBound(0, sy + dy, 1023)), BaseColor.rgb()),
                        2);
            mismatches += !found;
        }
    }
    QCOMPARE(mismatches, 0);
}

void TestApplyEffects::highPixelRatioIsCoveredOnce()
{
    const QString state = QStringLiteral("TopGlossyItem;FreeLabelItem;VolumeItem;");
    QPixmap plain = solidPicture(1024);
    Creator::applyEffects(plain, state, true);

    // 1024 x 1024 pixels at ratio 2 are 512 x 512 in the painter's coordinates;
    // the overlays must cover exactly that, giving the same pixels.
    QPixmap sharp = solidPicture(1024);
    sharp.setDevicePixelRatio(2.0);
    Creator::applyEffects(sharp, state, true);
    QCOMPARE(sharp.devicePixelRatio(), 2.0);
    QCOMPARE(sharp.size(), QSize(1024, 1024));
    QCOMPARE(mismatches(pixels(sharp), pixels(plain), 1), 0);
}

QTEST_MAIN(TestApplyEffects)
#include "tst_applyeffects.moc"
