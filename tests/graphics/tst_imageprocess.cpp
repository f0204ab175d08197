#include "imageprocess.h"

#include <QtTest>

#include <climits>

namespace {

// Columns of red 0, 100, 240 and 255 with fixed green and blue; translucent, so
// the buffer has to drop the alpha.
QImage sample()
{
    QImage image(4, 3, QImage::Format_ARGB32);
    for (int i = 0; i < 12; ++i)
        image.setPixel(i % 4, i / 4, qRgba(QVector<int> { 0, 100, 240, 255 }.at(i % 4), 7, 250, 60));
    return image;
}

template<typename T> QImage addAndConvert(int value)
{
    MGraphX::ImageProcessT<T> buffer(sample(), 0);
    buffer.addValue(value, 0);
    return buffer.toImage();
}

} // namespace

class TestImageProcess : public QObject
{
    Q_OBJECT

private slots:
    void fillsPlanesFromRgb();
    void addValueClamps_data();
    void addValueClamps();
};

void TestImageProcess::fillsPlanesFromRgb()
{
    const MGraphX::ImageProcess buffer(sample(), 0);
    QCOMPARE(buffer.width(), 4);
    QCOMPARE(buffer.height(), 3);
    QCOMPARE(int(buffer.plane(MGraphX::ImageProcess::Red)[4 * 2 + 1]), 100);
    QCOMPARE(int(buffer.plane(MGraphX::ImageProcess::Green)[5]), 7);
    QCOMPARE(int(buffer.plane(MGraphX::ImageProcess::Blue)[11]), 250);

    MGraphX::ImageProcessFloat empty(QImage(), 0);
    QCOMPARE(empty.width(), 0);
    QVERIFY(!empty.plane(MGraphX::ImageProcessFloat::Red));
    empty.addValue(30, 0);
    QVERIFY(empty.toImage().isNull());
}

void TestImageProcess::addValueClamps_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QList<int>>("reds");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    QTest::newRow("zero: a round trip without alpha") << 0 << QList<int> { 0, 100, 240, 255 } << 7 << 250;
    QTest::newRow("30") << 30 << QList<int> { 30, 130, 255, 255 } << 37 << 255;
    QTest::newRow("-50") << -50 << QList<int> { 0, 50, 190, 205 } << 0 << 200;
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
        QCOMPARE(result.format(), QImage::Format_ARGB32);
        QCOMPARE(result.size(), QSize(4, 3));
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < 4; ++x)
                QCOMPARE(result.pixel(x, y), qRgb(reds.at(x), green, blue));
        }
    }
}

QTEST_GUILESS_MAIN(TestImageProcess)
#include "tst_imageprocess.moc"
