#include "imageprocess.h"

#include <QtTest>

#include <climits>

namespace {

// Columns of red 0, 100, 240 and 255 with fixed green and blue; translucent, so
// the buffer has to drop the alpha.
QImage sample()
{
    QImage image(4, 3, QImage::Format_ARGB32);
    const int reds[4] = { 0, 100, 240, 255 };
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgba(reds[x], 7, 250, 60));
    }
    return image;
}

template<typename T> QImage addAndConvert(int value)
{
    MGraphX::ImageProcessT<T> buffer(sample(), 0);
    buffer.addValue(value, 0);
    return buffer.toImage();
}

template<typename T> QImage roundTrip(const QImage& image)
{
    const MGraphX::ImageProcessT<T> buffer(image, 0);
    return buffer.toImage();
}

} // namespace

class TestImageProcess : public QObject
{
    Q_OBJECT

private slots:
    void fillsPlanesFromRgb();
    void roundTripDropsAlpha();
    void addValueClamps_data();
    void addValueClamps();
    void nullImage();
};

void TestImageProcess::fillsPlanesFromRgb()
{
    const MGraphX::ImageProcess buffer(sample(), 0);
    QCOMPARE(buffer.width(), 4);
    QCOMPARE(buffer.height(), 3);
    const unsigned char* red = buffer.plane(MGraphX::ImageProcess::Red);
    QCOMPARE(int(red[1]), 100);
    QCOMPARE(int(red[4 * 2 + 3]), 255);
    QCOMPARE(int(buffer.plane(MGraphX::ImageProcess::Green)[5]), 7);
    QCOMPARE(int(buffer.plane(MGraphX::ImageProcess::Blue)[11]), 250);
}

void TestImageProcess::roundTripDropsAlpha()
{
    QImage expected = sample().convertToFormat(QImage::Format_RGB32).convertToFormat(QImage::Format_ARGB32);
    for (const QImage& result :
         { roundTrip<unsigned char>(sample()), roundTrip<float>(sample()), roundTrip<double>(sample()) }) {
        QCOMPARE(result.format(), QImage::Format_ARGB32);
        QCOMPARE(result, expected);
    }
}

void TestImageProcess::addValueClamps_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QList<int>>("reds");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    QTest::newRow("30") << 30 << QList<int> { 30, 130, 255, 255 } << 37 << 255;
    QTest::newRow("-50") << -50 << QList<int> { 0, 50, 190, 205 } << 0 << 200;
    QTest::newRow("zero") << 0 << QList<int> { 0, 100, 240, 255 } << 7 << 250;
    QTest::newRow("1000") << 1000 << QList<int> { 255, 255, 255, 255 } << 255 << 255;
    QTest::newRow("highest int") << INT_MAX << QList<int> { 255, 255, 255, 255 } << 255 << 255;
    QTest::newRow("lowest int") << INT_MIN << QList<int> { 0, 0, 0, 0 } << 0 << 0;
}

void TestImageProcess::addValueClamps()
{
    QFETCH(int, value);
    QFETCH(QList<int>, reds);
    QFETCH(int, green);
    QFETCH(int, blue);
    for (const QImage& result :
         { addAndConvert<unsigned char>(value), addAndConvert<float>(value), addAndConvert<double>(value) }) {
        QCOMPARE(result.size(), QSize(4, 3));
        for (int x = 0; x < 4; ++x) {
            const QRgb pixel = result.pixel(x, 2);
            QCOMPARE(qRed(pixel), reds.at(x));
            QCOMPARE(qGreen(pixel), green);
            QCOMPARE(qBlue(pixel), blue);
            QCOMPARE(qAlpha(pixel), 255);
        }
    }
}

void TestImageProcess::nullImage()
{
    MGraphX::ImageProcessFloat buffer(QImage(), 0);
    QCOMPARE(buffer.width(), 0);
    QCOMPARE(buffer.height(), 0);
    buffer.addValue(30, 0);
    QVERIFY(buffer.toImage().isNull());
}

QTEST_GUILESS_MAIN(TestImageProcess)
#include "tst_imageprocess.moc"
