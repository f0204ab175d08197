#include "imageprocess.h"

#include <QtTest>

#include <climits>

class TestImageProcess : public QObject
{
    Q_OBJECT

private slots:
    void addValueClamps_data();
    void addValueClamps();
};

void TestImageProcess::addValueClamps_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QList<int>>("reds"); // of the columns 0, 100, 240 and 255
    QTest::addColumn<int>("blue"); // 250 before

    QTest::newRow("zero: a round trip without alpha") << 0 << QList<int> { 0, 100, 240, 255 } << 250;
    QTest::newRow("30") << 30 << QList<int> { 30, 130, 255, 255 } << 255;
    QTest::newRow("-50") << -50 << QList<int> { 0, 50, 190, 205 } << 200;
    QTest::newRow("lowest int") << INT_MIN << QList<int> { 0, 0, 0, 0 } << 0;
}

void TestImageProcess::addValueClamps()
{
    QFETCH(int, value);
    QFETCH(QList<int>, reds);
    QFETCH(int, blue);

    // Translucent, so the buffer has to drop the alpha.
    QImage image(4, 3, QImage::Format_ARGB32);
    for (int i = 0; i < 12; ++i)
        image.setPixel(i % 4, i / 4, qRgba(QVector<int> { 0, 100, 240, 255 }.at(i % 4), 7, 250, 60));
    MGraphX::ImageProcessT<unsigned char> buffer(image, 0);
    buffer.addValue(value, 0);
    const QImage result = buffer.toImage();
    QCOMPARE(result.size(), QSize(4, 3));
    for (int i = 0; i < 12; ++i)
        QCOMPARE(result.pixel(i % 4, i / 4), qRgb(reds.at(i % 4), qBound(0, 7 + qMax(value, -7), 255), blue));
}

QTEST_GUILESS_MAIN(TestImageProcess)
#include "tst_imageprocess.moc"
