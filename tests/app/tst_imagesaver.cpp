// The one picture saver: lossless saves keep every pixel, lossy saves use a
// palette of the stored size, and the settings are read at every save.

#include "imagesaver.h"
#include "pixelcompare.h"
#include "testapp.h"
#include "writefailures.h"

#include <QPixmap>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Many colours and alpha levels; the top rows are fully transparent.
QPixmap colourful()
{
    QImage image(64, 64, QImage::Format_ARGB32);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x)
            image.setPixel(x, y, qRgba(x * 4, y * 4, (x * y) % 256, y < 8 ? 0 : 255 - y));
    }
    return QPixmap::fromImage(image);
}

// The picture's pixels, all fully transparent ones counted as one.
QVector<QRgb> pixels(const QImage& image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    QVector<QRgb> all;
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x)
            all << TestSupport::normalizedPixel(argb.pixel(x, y));
    }
    return all;
}

} // namespace

class TstImageSaver : public QObject
{
    Q_OBJECT

private slots:
    void saves_data();
    void saves();

private:
    QTemporaryDir m_dir;
};

void TstImageSaver::saves_data()
{
    QTest::addColumn<int>("quality");
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("maximum"); // colours of a lossy save; 0: lossless, every pixel kept

    QTest::newRow("lossless ignores quality") << 4 << "png" << 0;
    QTest::newRow("png 4") << 4 << "png" << 4;
    QTest::newRow("icns 4") << 4 << "ICNS" << 4;
    // Out of the dialog's range the stored value is clamped into it.
    QTest::newRow("png 1000") << 1000 << "png" << 256;
}

void TstImageSaver::saves()
{
    QFETCH(int, quality);
    QFETCH(QString, format);
    QFETCH(int, maximum);

    // The settings are read at every save.
    QMWidgets::app()->setValue(QStringLiteral("KeyLossyCompression"), maximum > 0);
    QMWidgets::app()->setValue(QStringLiteral("KeyQuality"), quality);
    const QString file
        = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + QLatin1Char('.') + format);
    ImageSaver::save(colourful(), file, format);
    const QImage saved(file);
    QCOMPARE(saved.size(), QSize(64, 64));
    const QVector<QRgb> all = pixels(saved);
    if (maximum == 0) {
        QCOMPARE(all, pixels(colourful().toImage()));
    } else {
        const int colours = TestSupport::colorsOf(saved).size();
        QVERIFY2(colours <= maximum && colours > 1, qPrintable(QString::number(colours)));
    }

    // A missing folder is passed over, and counted as a failed file.
    WriteFailures failures;
    ImageSaver::save(colourful(), m_dir.filePath(QStringLiteral("no/x.png")), format);
    QCOMPARE(failures.count(), 1);
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("no/x.png"))));
}

LUMASTRAND_APP_TEST_MAIN(TstImageSaver)

#include "tst_imagesaver.moc"
