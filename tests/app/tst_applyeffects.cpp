#include "creator.h"

#include <QPainter>
#include <QtTest>

#include <cstdlib>

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

QPixmap solidPicture(int side, const QColor& color = BaseColor)
{
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(color);
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

bool close(QRgb a, QRgb b, int tolerance)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance
        && std::abs(qBlue(a) - qBlue(b)) <= tolerance && std::abs(qAlpha(a) - qAlpha(b)) <= tolerance;
}

QString describe(QRgb c)
{
    return QStringLiteral("rgba(%1,%2,%3,%4)").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c)).arg(qAlpha(c));
}

bool hasVisiblePixels(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0)
                return true;
    return false;
}
} // namespace

class TestApplyEffects : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void leavesPictureAlone_data();
    void leavesPictureAlone();
    void overlayIsLaidOverPicture_data();
    void overlayIsLaidOverPicture();
    void maskCutsToRoundedSquare_data();
    void maskCutsToRoundedSquare();
    void maskReplacesAlpha();
    void freeLabelLiesOverLiteLabel();
    void overlaysCoverPreviewSize();
    void highPixelRatioIsCoveredOnce();
};

void TestApplyEffects::initTestCase()
{
    const QStringList art = { ":/glossytop.png", ":/glossymiddle.png", ":/volume.png",       ":/frame.png",
                              ":/litelabel.png", ":/freelabel.png",    ":/roundrectmask.png" };
    for (const QString& path : art) {
        const QImage image(path);
        QVERIFY2(!image.isNull(), qPrintable(path));
        QCOMPARE(image.size(), QSize(1024, 1024));
    }
}

void TestApplyEffects::leavesPictureAlone_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<bool>("mask");
    QTest::newRow("nothing on, masked") << QString() << true;
    QTest::newRow("nothing on, plain") << QString() << false;
    QTest::newRow("volume without mask") << "VolumeItem;" << false;
    QTest::newRow("frame without mask") << "FrameItem;" << false;
    QTest::newRow("rounded edges without mask") << "RoundedEdgesItem;" << false;
    QTest::newRow("all three without mask") << "VolumeItem;FrameItem;RoundedEdgesItem;" << false;
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

void TestApplyEffects::overlayIsLaidOverPicture_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("overlay");
    QTest::addColumn<bool>("mask");
    QTest::newRow("top gloss") << "TopGlossyItem;"
                               << ":/glossytop.png" << false;
    QTest::newRow("top gloss, masked") << "TopGlossyItem;"
                                       << ":/glossytop.png" << true;
    QTest::newRow("centre gloss") << "CenterGlossyItem;"
                                  << ":/glossymiddle.png" << false;
    QTest::newRow("volume") << "VolumeItem;"
                            << ":/volume.png" << true;
    QTest::newRow("frame") << "FrameItem;"
                           << ":/frame.png" << true;
    QTest::newRow("lite label") << "LiteLabelItem;"
                                << ":/litelabel.png" << false;
    QTest::newRow("free label") << "FreeLabelItem;"
                                << ":/freelabel.png" << false;
}

void TestApplyEffects::overlayIsLaidOverPicture()
{
    QFETCH(QString, state);
    QFETCH(QString, overlay);
    QFETCH(bool, mask);

    const QImage art = resource(overlay);
    QVERIFY(hasVisiblePixels(art));
    // Volume and frame bring the rounded mask along.
    const bool masked
        = mask && (state == QLatin1String("VolumeItem;") || state == QLatin1String("FrameItem;"));
    const QImage maskImage = resource(QStringLiteral(":/roundrectmask.png"));

    QPixmap picture = solidPicture(1024);
    Creator::applyEffects(picture, state, mask);
    const QImage result = pixels(picture);
    QCOMPARE(result.size(), QSize(1024, 1024));

    int mismatches = 0;
    for (int y = 0; y < 1024; y += 3) {
        for (int x = 0; x < 1024; x += 3) {
            const QRgb got = result.pixel(x, y);
            const int alpha = masked ? qRed(maskImage.pixel(x, y)) : 255;
            QRgb want = over(art.pixel(x, y), BaseColor.rgb());
            want = qPremultiply(qRgba(qRed(want), qGreen(want), qBlue(want), alpha));
            if (!close(got, want, 2)) {
                if (++mismatches <= 5)
                    qWarning() << x << y << describe(got) << "expected" << describe(want);
            }
        }
    }
    QCOMPARE(mismatches, 0);
}

void TestApplyEffects::maskCutsToRoundedSquare_data()
{
    QTest::addColumn<QString>("state");
    QTest::newRow("rounded edges") << "RoundedEdgesItem;";
    QTest::newRow("volume implies the mask") << "VolumeItem;";
    QTest::newRow("frame implies the mask") << "FrameItem;";
    QTest::newRow("all three") << "VolumeItem;FrameItem;RoundedEdgesItem;";
}

void TestApplyEffects::maskCutsToRoundedSquare()
{
    QFETCH(QString, state);

    const QImage maskImage = resource(QStringLiteral(":/roundrectmask.png"));
    QCOMPARE(qRed(maskImage.pixel(0, 0)), 0);
    QCOMPARE(qRed(maskImage.pixel(512, 512)), 255);

    QPixmap picture = solidPicture(1024);
    Creator::applyEffects(picture, state, true);
    const QImage result = pixels(picture);

    int mismatches = 0;
    for (int y = 0; y < 1024; ++y) {
        for (int x = 0; x < 1024; ++x) {
            if (qAlpha(result.pixel(x, y)) != qRed(maskImage.pixel(x, y)))
                ++mismatches;
        }
    }
    QCOMPARE(mismatches, 0);
    if (state == QLatin1String("RoundedEdgesItem;")) {
        // No overlay belongs to rounded edges: inside, the picture is untouched.
        QCOMPARE(result.pixel(512, 512), BaseColor.rgb());
    }
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
    QVERIFY2(close(result.pixel(768, 512), qRgb(10, 200, 30), 2),
             qPrintable(describe(result.pixel(768, 512))));
    QCOMPARE(qAlpha(result.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(result.pixel(1023, 1023)), 0);
}

void TestApplyEffects::freeLabelLiesOverLiteLabel()
{
    const QImage free = resource(QStringLiteral(":/freelabel.png"));
    const QImage lite = resource(QStringLiteral(":/litelabel.png"));

    // The order of the words in the state does not matter, the drawing order does.
    for (const QString& state :
         { QStringLiteral("FreeLabelItem;LiteLabelItem;"), QStringLiteral("LiteLabelItem;FreeLabelItem;") }) {
        QPixmap picture = solidPicture(1024);
        Creator::applyEffects(picture, state, false);
        const QImage result = pixels(picture);

        int overlapping = 0;
        int mismatches = 0;
        for (int y = 0; y < 1024; ++y) {
            for (int x = 0; x < 1024; ++x) {
                const QRgb want = over(free.pixel(x, y), over(lite.pixel(x, y), BaseColor.rgb()));
                if (!close(result.pixel(x, y), want, 2))
                    ++mismatches;
                const QRgb liteOnTop = over(lite.pixel(x, y), over(free.pixel(x, y), BaseColor.rgb()));
                if (!close(want, liteOnTop, 8))
                    ++overlapping;
            }
        }
        QCOMPARE(mismatches, 0);
        // The bands meet somewhere, or this test would not tell the orders apart.
        QVERIFY(overlapping > 0);
    }
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
            const QRgb got = result.pixel(x, y);
            // Sampling positions may differ by a pixel: compare with the nearest
            // of the neighbouring overlay pixels.
            const int sx = int((x + 0.5) * scale);
            const int sy = int((y + 0.5) * scale);
            bool found = false;
            for (int dy = -1; dy <= 1 && !found; ++dy)
                for (int dx = -1; dx <= 1 && !found; ++dx)
                    found = close(
                        got,
                        over(art.pixel(qBound(0, sx + dx, 1023), qBound(0, sy + dy, 1023)), BaseColor.rgb()),
                        2);
            if (!found)
                ++mismatches;
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

    const QImage want = pixels(plain);
    const QImage got = pixels(sharp);
    int mismatches = 0;
    for (int y = 0; y < 1024; ++y)
        for (int x = 0; x < 1024; ++x)
            if (!close(got.pixel(x, y), want.pixel(x, y), 1))
                ++mismatches;
    QCOMPARE(mismatches, 0);
}

QTEST_MAIN(TestApplyEffects)
#include "tst_applyeffects.moc"
