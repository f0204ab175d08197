// Export runs on machines that fail them: a full disk, a base name that is a
// path, a picture path that blocks, a picture too large to scale, a stored
// quality out of range; and grey pictures saved as such.

#include "appsettingsdialog.h"
#include "comboslider.h"
#include "creator.h"
#include "creatordroparea.h"
#include "creatoreffects.h"
#include "desktoprecorder.h"
#include "dialogseams.h"
#include "imagesaver.h"
#include "masterpicture.h"
#include "messagebox.h"
#include "os.h"
#include "testapp.h"
#include "tooling.h"

#include <QDirIterator>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>
#include <sys/stat.h>

using QMWidgets::MessageBox;
using namespace TestSupport;

class TstWriteSafety : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void pathLikeBaseNameIsRefused_data();
    void pathLikeBaseNameIsRefused();
    void unusablePictureWritesNothing_data();
    void unusablePictureWritesNothing();
    void storedQualityFollowsTheDialog_data();
    void storedQualityFollowsTheDialog();
    void greyPictureIsSavedAsGrey_data();
    void greyPictureIsSavedAsGrey();
    // Last: the only run that asks for a review, which happens once a program run.
    void fullDiskLeavesOnlyWholeFilesAndAnExactCount();

private:
    QString take(const QString& name); // a 1024 x 1024 picture, taken through the open dialog
    void convert();
    bool exported() const { return QDir(m_dir->filePath(QStringLiteral("out/Icons"))).exists(); }

    DesktopRecorder m_desktop;
    QScopedPointer<QTemporaryDir> m_dir;
    QScopedPointer<Creator> m_creator;
};

void TstWriteSafety::init()
{
    m_creator.reset(new Creator);
    m_dir.reset(new QTemporaryDir);
    clearDialogSeams();
    MasterPicture::setScaler({});
    QMWidgets::app()->settings()->clear();
    QMWidgets::app()->setValue(QStringLiteral("AutoReminder"), false);
}

QString TstWriteSafety::take(const QString& name)
{
    QImage master(1024, 1024, QImage::Format_RGB32);
    for (int y = 0; y < 1024; ++y) {
        for (int x = 0; x < 1024; ++x)
            master.setPixel(x, y, qRgb(x / 4, y / 4, (x ^ y) & 255));
    }
    const QString path = m_dir->filePath(name);
    if (!QFileInfo::exists(path)) // never into a pipe: that would wait for a reader
        master.save(path);
    Os::setNextFileDialogAnswer({ path });
    m_creator->dropArea()->slotOpenClicked();
    m_creator->effects()->setSaveName(QStringLiteral("MyApp"));
    return path;
}

void TstWriteSafety::convert()
{
    QDir().mkpath(m_dir->filePath(QStringLiteral("out")));
    Os::setNextFileDialogAnswer({ m_dir->filePath(QStringLiteral("out")) });
    MessageBox::setNextAnswer(QMessageBox::Ok);
    m_creator->slotConvert();
}

void TstWriteSafety::pathLikeBaseNameIsRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("refused");
    QTest::newRow("leaves the folder") << "../../logo" << true;
    QTest::newRow("subfolder") << "a/b" << true;
    QTest::newRow("backslash") << "a\\b" << true;
    QTest::newRow("dot") << "." << true;
    QTest::newRow("dot dot") << ".." << true;
    QTest::newRow("quotation mark") << "a\"b" << true;
    QTest::newRow("control character") << "a\tb" << true;
    QTest::newRow("colon") << "a:b" << true;
    QTest::newRow("dots inside a name") << "..logo" << false;
    QTest::newRow("empty") << "" << true;
    QTest::newRow("blanks only") << "  " << true;
}

void TstWriteSafety::pathLikeBaseNameIsRefused()
{
    QFETCH(QString, name);
    QFETCH(bool, refused);
    take(QStringLiteral("p.png"));
    m_creator->effects()->setSaveName(name);
    // A usable name goes on to the folder chooser, cancelled here.
    Os::setNextFileDialogAnswer(QStringList());
    MessageBox::setNextAnswer(QMessageBox::Ok);
    m_creator->slotConvert();

    QCOMPARE(Os::fileDialogRequests().size(), refused ? 1 : 2);
    QCOMPARE(MessageBox::shown().size(), refused ? 1 : 0);
    if (refused)
        QVERIFY(MessageBox::shown().first().text.contains(QLatin1Char('"') + name + QLatin1Char('"')));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList { "p.png" });
}

void TstWriteSafety::unusablePictureWritesNothing_data()
{
    QTest::addColumn<bool>("pipe");
    QTest::newRow("named pipe") << true;
    QTest::newRow("too large to scale") << false;
}

void TstWriteSafety::unusablePictureWritesNothing()
{
    QFETCH(bool, pipe);
    const QString picture = m_dir->filePath(QStringLiteral("p.png"));
    // A named pipe blocks whoever opens it for reading until a writer comes;
    // none comes here, so a test that opens it never ends. Scaling that runs
    // out of memory gives a null picture.
    auto spoil = [&] {
        if (!pipe)
            MasterPicture::setScaler([](const QPixmap&, const QSize&) { return QPixmap(); });
        return !pipe || (QFile::remove(picture), mkfifo(QFile::encodeName(picture).constData(), 0600) == 0);
    };
    QVERIFY(spoil());
    MessageBox::setNextAnswer(QMessageBox::Ok);
    take(QStringLiteral("p.png"));
    QVERIFY(m_creator->dropArea()->fileName().isEmpty());

    // Taken while it was fine, exported after it went wrong.
    QFile::remove(picture);
    MasterPicture::setScaler({});
    take(QStringLiteral("p.png"));
    const qint64 preview = m_creator->dropArea()->pixmap().cacheKey();
    QVERIFY(spoil());
    m_creator->dropArea()->updatePreview();
    if (!pipe) // the preview shown stays; a file gone leaves it empty as before
        QCOMPARE(m_creator->dropArea()->pixmap().cacheKey(), preview);
    convert();
    QVERIFY(!exported());
    QCOMPARE(MessageBox::shown().size(), 2);
}

void TstWriteSafety::storedQualityFollowsTheDialog_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("used");
    QTest::newRow("zero") << QVariant(0) << 4;
    QTest::newRow("negative") << QVariant(-7) << 4;
    QTest::newRow("too many") << QVariant(5000) << 256;
    QTest::newRow("text") << QVariant(QStringLiteral("many")) << 256;
    QTest::newRow("number as text") << QVariant(QStringLiteral("12")) << 12;
}

void TstWriteSafety::storedQualityFollowsTheDialog()
{
    QFETCH(QVariant, stored);
    QFETCH(int, used);
    QMWidgets::app()->setValue(QStringLiteral("KeyQuality"), stored);
    QCOMPARE(AppSettingsDialog::keyQuality(), used);
    QCOMPARE(AppSettingsDialog().findChild<QMWidgets::ComboSlider*>()->value(), used);
}

void TstWriteSafety::greyPictureIsSavedAsGrey_data()
{
    QTest::addColumn<QRgb>("corner"); // the one pixel that differs from a grey ramp
    QTest::addColumn<bool>("greyFile");
    QTest::newRow("opaque grey") << qRgb(9, 9, 9) << true;
    QTest::newRow("one coloured pixel") << qRgb(9, 10, 9) << false;
    QTest::newRow("grey with alpha") << qRgba(0, 0, 0, 0) << false;
}

void TstWriteSafety::greyPictureIsSavedAsGrey()
{
    QFETCH(QRgb, corner);
    QFETCH(bool, greyFile);
    QImage picture(64, 64, qAlpha(corner) < 255 ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x)
            picture.setPixel(x, y, qRgb(x * 4, x * 4, x * 4));
    }
    picture.setPixel(63, 63, corner);
    const QString path = m_dir->filePath(QStringLiteral("p.png"));
    ImageSaver::save(QPixmap::fromImage(picture), path, QStringLiteral("png"));
    const QImage saved(path);
    QCOMPARE(saved.format() == QImage::Format_Grayscale8, greyFile);
    QCOMPARE(saved.convertToFormat(QImage::Format_ARGB32), picture.convertToFormat(QImage::Format_ARGB32));
}

void TstWriteSafety::fullDiskLeavesOnlyWholeFilesAndAnExactCount()
{
    QSet<QString> expected; // the names of a full export
    for (const QByteArray& line :
         fileContents(QStringLiteral(LUMASTRAND_TEST_DATA "/export-all.txt")).split('\n'))
        expected << QString::fromUtf8(line.split('\t').first());
    expected.remove(QString());
    const QString icons = m_dir->filePath(QStringLiteral("out/Icons"));
    // Every file is whole: an expected name (no left-over temporary file), not
    // empty, and a picture decodes. Returns how many there are.
    auto wholeFiles = [&]() {
        int count = 0;
        for (QDirIterator it(icons, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();
             ++count) {
            const QString path = it.next();
            const bool picture = QStringList { "png", "ico", "icns" }.contains(it.fileInfo().suffix());
            if (!expected.contains(QDir(icons).relativeFilePath(path)) || it.fileInfo().size() == 0
                || (picture && QImageReader(path).read().isNull()))
                return -1;
        }
        return count;
    };
    take(QStringLiteral("master.png"));

    // No file may grow beyond 10000 bytes, as on a disk that is nearly full.
    {
        const TestSupport::FileSizeLimit limit(10000);
        convert();
    }

    QCOMPARE(MessageBox::shown().size(), 1);
    const QString text = MessageBox::shown().first().text;
    const int failed = text.section(QLatin1Char(' '), 0, 0).toInt();
    const int written = wholeFiles();
    QVERIFY2(written > 20 && failed > 20, qPrintable(text));
    QCOMPARE(written + failed, expected.size());
    QVERIFY2(text.endsWith(QStringLiteral("Reason: ") + QString::fromLocal8Bit(std::strerror(EFBIG))),
             qPrintable(text));
    QVERIFY(!QMWidgets::app()->reviewRequestedThisRun());

    // Room again: the next run writes everything, the copies that failed included.
    MessageBox::clearShown();
    MessageBox::setNextAnswer(QMessageBox::Yes); // overwrite
    convert();
    QCOMPARE(MessageBox::shown().size(), 1); // the question only, no warning
    QCOMPARE(wholeFiles(), expected.size());
    QVERIFY(QMWidgets::app()->reviewRequestedThisRun());
}

LUMASTRAND_APP_TEST_MAIN(TstWriteSafety)

#include "tst_writesafety.moc"
