// The one picture saver: lossless saves keep every pixel, lossy saves use a
// palette of the stored size, and the settings are read at every save.

#include "app.h"
#include "imagesaver.h"

#include <QPixmap>
#include <QSet>
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
            all << (qAlpha(argb.pixel(x, y)) == 0 ? 0u : argb.pixel(x, y));
    }
    return all;
}

int colourCount(const QImage& image)
{
    const QVector<QRgb> all = pixels(image);
    return QSet<QRgb>(all.begin(), all.end()).size();
}

void setLossy(bool lossy, int quality)
{
    QMWidgets::app()->setValue(QStringLiteral("KeyLossyCompression"), lossy);
    QMWidgets::app()->setValue(QStringLiteral("KeyQuality"), quality);
}

} // namespace

class TstImageSaver : public QObject
{
    Q_OBJECT

private slots:
    void losslessIgnoresQuality();
    void lossyLimitsColours_data();
    void lossyLimitsColours();

private:
    QTemporaryDir m_dir;
};

void TstImageSaver::losslessIgnoresQuality()
{
    setLossy(false, 4);
    const QPixmap picture = colourful();
    const QString file = m_dir.filePath(QStringLiteral("lossless.png"));
    ImageSaver::save(picture, file, QStringLiteral("png"));
    QCOMPARE(pixels(QImage(file)), pixels(picture.toImage()));

    // A missing folder is passed over, in either mode.
    ImageSaver::save(picture, m_dir.filePath(QStringLiteral("no/x.png")), QStringLiteral("png"));
    setLossy(true, 4);
    ImageSaver::save(picture, m_dir.filePath(QStringLiteral("no/x.png")), QStringLiteral("png"));
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("no/x.png"))));
}

void TstImageSaver::lossyLimitsColours_data()
{
    QTest::addColumn<int>("quality");
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("maximum");

    QTest::newRow("png 4") << 4 << "png" << 4;
    QTest::newRow("png 16") << 16 << "png" << 16;
    QTest::newRow("icns 4") << 4 << "ICNS" << 4;
    // Out of the dialog's range the stored value is passed on unchanged.
    QTest::newRow("png 1000") << 1000 << "png" << 256;
}

void TstImageSaver::lossyLimitsColours()
{
    QFETCH(int, quality);
    QFETCH(QString, format);
    QFETCH(int, maximum);

    setLossy(true, quality);
    const QString file = m_dir.filePath(QStringLiteral("lossy.") + format);
    ImageSaver::save(colourful(), file, format);
    const QImage saved(file);
    QCOMPARE(saved.size(), QSize(64, 64));
    QVERIFY(colourCount(saved) <= maximum);
    QVERIFY(colourCount(saved) > 1);
}

int main(int argc, char** argv)
{
    QMWidgets::App app(argc, argv, QStringLiteral("Halvick"), QStringLiteral("Lumastrand"));
    TstImageSaver test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_imagesaver.moc"
