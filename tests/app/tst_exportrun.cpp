// What the creator adds to the engine's export: the questions, the progress
// dialog, the messages, the remembered folder and the review request.

#include "app.h"
#include "creator.h"
#include "creatordroparea.h"
#include "creatoreffects.h"
#include "desktoprecorder.h"
#include "dialogseams.h"
#include "masterpicture.h"
#include "messagebox.h"
#include "os.h"
#include "testapp.h"
#include "tooling.h"

#include <QProgressDialog>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using QMWidgets::MessageBox;
using namespace TestSupport;

class TestExportRun : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_creator.reset(); }

    void refusedRunWritesNothing_data();
    void refusedRunWritesNothing();
    void failuresAreReported_data();
    void failuresAreReported();
    void unusablePictureWritesNothing_data();
    void unusablePictureWritesNothing();
    // Last: the only run that asks for a review, which happens once a program run.
    void progressAndTheNextChooser();

private:
    void setOnly(const char* key);
    void take(const QString& name = QStringLiteral("MyApp.png"));
    QList<int> convert(const QString& folder, std::function<void(int, QProgressDialog*)> onProgress = {});

    DesktopRecorder m_desktop; // records the folder shown after a run
    QScopedPointer<QTemporaryDir> m_dir;
    QScopedPointer<Creator> m_creator;
};

void TestExportRun::init()
{
    m_dir.reset(new QTemporaryDir);
    clearDialogSeams();
    MasterPicture::setScaler({});
    QMWidgets::app()->settings()->clear();
    m_desktop.shownItems.clear();
    // No rate dialog in these runs: the review request itself is the shell's to test.
    QMWidgets::app()->setValue(QStringLiteral("AutoReminder"), false);
    m_creator.reset(new Creator);
    m_creator->show();
}

void TestExportRun::setOnly(const char* key)
{
    for (const char* platform : { "KeyIcns", "KeyIOS", "KeyAndroid", "KeyIco", "KeyWebFavicons",
                                  "KeyWindowsPhone", "KeyWindowsStore", "KeyBlackBerry" })
        QMWidgets::app()->setValue(QLatin1String(platform), key && qstrcmp(key, platform) == 0);
}

void TestExportRun::take(const QString& name)
{
    const QString path = m_dir->filePath(name);
    if (!QFileInfo::exists(path)) { // never into a pipe: that would wait for a reader
        QImage master(1024, 1024, QImage::Format_RGB32);
        master.fill(Qt::darkCyan);
        QVERIFY(master.save(path, "PNG"));
    }
    Os::setNextFileDialogAnswer({ path });
    m_creator->dropArea()->slotOpenClicked();
    m_creator->effects()->setSaveName(QStringLiteral("MyApp"));
}

QList<int> TestExportRun::convert(const QString& folder,
                                  std::function<void(int, QProgressDialog*)> onProgress)
{
    QList<int> values;
    const auto connection = connect(m_creator.data(), &Creator::exportProgress, this, [&](int value) {
        values.append(value);
        if (onProgress)
            onProgress(value, m_creator->findChild<QProgressDialog*>());
    });
    Os::setNextFileDialogAnswer({ folder });
    m_creator->slotConvert();
    disconnect(connection);
    return values;
}

void TestExportRun::progressAndTheNextChooser()
{
    setOnly("KeyIOS");
    take();
    const QString out = m_dir->filePath(QStringLiteral("parent/chosen"));
    QVERIFY(QDir().mkpath(out));
    bool modal = false;
    // Cancel inside the iOS block: it finishes, the rest is skipped, the values still come.
    const QList<int> values = convert(out, [&](int value, QProgressDialog* dialog) {
        modal = modal
            || (dialog && dialog->isVisible() && dialog->windowModality() == Qt::WindowModal
                && dialog->labelText() == QStringLiteral("Please, Wait..."));
        if (value == 32 && dialog)
            dialog->cancel();
    });
    QCOMPARE(values, (QList<int> { 20, 2, 30, 32, 36, 38, 39, 40, 60, 70, 80, 90, 100 }));
    QVERIFY(modal);
    QVERIFY(!m_creator->findChild<QProgressDialog*>());
    QVERIFY(QFile::exists(out + "/Icons/MyApp.iOS/Assets.xcassets/AppIcon.appiconset/Icon-1024x1024.png"));
    QVERIFY(MessageBox::shown().isEmpty());
    QCOMPARE(m_desktop.shownItems, QStringList { QDir::toNativeSeparators(out + QStringLiteral("/Icons")) });
    QVERIFY(QMWidgets::app()->reviewRequestedThisRun());

    // The next chooser starts in the parent of the folder chosen now.
    convert(QString());
    QCOMPARE(Os::fileDialogRequests().last().caption, QStringLiteral("Select Path to Store the Icons"));
    QCOMPARE(Os::fileDialogRequests().last().dir, m_dir->filePath(QStringLiteral("parent")));
}

void TestExportRun::refusedRunWritesNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("reason"); // 0 chooser cancelled, 1 overwrite refused, 2 name refused
    QTest::newRow("folder chooser cancelled") << "MyApp" << 0;
    QTest::newRow("overwrite refused") << "MyApp" << 1;
    QTest::newRow("name is a path") << "../logo" << 2;
    QTest::newRow("name is blank") << " " << 2;
}

void TestExportRun::refusedRunWritesNothing()
{
    QFETCH(QString, name);
    QFETCH(int, reason);
    take();
    m_creator->effects()->setSaveName(name);
    const QString out = m_dir->filePath("out");
    QVERIFY(QDir().mkpath(out + QStringLiteral("/Icons")));
    QMWidgets::app()->setLastOpenDirectory(QStringLiteral("/somewhere/else"));
    if (reason > 0)
        MessageBox::setNextAnswer(reason == 1 ? QMessageBox::No : QMessageBox::Ok);

    QVERIFY(convert(reason == 0 ? QString() : out).isEmpty());
    QCOMPARE(MessageBox::shown().size(), reason == 0 ? 0 : 1);
    if (reason == 1)
        QCOMPARE(MessageBox::shown().first().text,
                 "The directory \"" + out + "/Icons/\" already exists. Overwrite?");
    if (reason == 2)
        QVERIFY(MessageBox::shown().first().text.contains('"' + name + '"'));
    QVERIFY(QDir(out + QStringLiteral("/Icons")).isEmpty());
    QCOMPARE(QMWidgets::app()->lastOpenDirectory(), QStringLiteral("/somewhere"));
}

void TestExportRun::failuresAreReported_data()
{
    QTest::addColumn<QString>(
        "inTheWay"); // folders in the place of these files; a file for one ending in "!"
    QTest::addColumn<QString>("start"); // of the warning, up to the path named
    QTest::addColumn<QString>("named");
    QTest::newRow("one file") << "MyApp.ico"
                              << "1 file could not be written:\n"
                              << "MyApp.ico";
    QTest::newRow("two files") << "MyApp.ico winappicon.rc"
                               << "2 files could not be written. The first of them:\n"
                               << "MyApp.ico";
    // A folder that cannot be made stops the run before any picture is written into it.
    QTest::newRow("block folder") << "MyApp.windows!"
                                  << "The export stopped because this folder could not be created:\n"
                                  << "MyApp.windows";
}

void TestExportRun::failuresAreReported()
{
    QFETCH(QString, inTheWay);
    QFETCH(QString, start);
    QFETCH(QString, named);
    setOnly("KeyIco");
    take();
    const QString out = m_dir->filePath("out");
    for (const QString& entry : inTheWay.split(' ')) {
        if (entry.endsWith('!'))
            QVERIFY(QDir().mkpath(out + "/Icons") && writeFile(out + "/Icons/" + entry.chopped(1), {}));
        else
            QVERIFY(QDir().mkpath(out + "/Icons/" + entry));
    }

    MessageBox::setNextAnswer(QMessageBox::Yes); // overwrite
    MessageBox::setNextAnswer(QMessageBox::Ok);
    QCOMPARE(convert(out).last(), 100);
    QCOMPARE(MessageBox::shown().size(), 2);
    const MessageBox::Shown warning = MessageBox::shown().last();
    QCOMPARE(warning.icon, QMessageBox::Warning);
    QVERIFY2(
        warning.text.startsWith(start + QDir::toNativeSeparators(out + "/Icons/" + named) + "\n\nReason: "),
        qPrintable(warning.text));
    QVERIFY(!warning.text.endsWith("Reason: "));
    QCOMPARE(m_desktop.shownItems.size(), 1);
    QVERIFY(!QMWidgets::app()->reviewRequestedThisRun());
}

void TestExportRun::unusablePictureWritesNothing_data()
{
    QTest::addColumn<int>("spoil"); // 0 removed, 1 named pipe, 2 too large to scale
    QTest::newRow("removed") << 0;
    QTest::newRow("named pipe") << 1;
    QTest::newRow("too large to scale") << 2;
}

void TestExportRun::unusablePictureWritesNothing()
{
    QFETCH(int, spoil);
    take();
    // Taken while it was fine, exported after it went wrong. A named pipe
    // blocks whoever opens it until a writer comes; scaling that runs out of
    // memory gives a null picture.
    const QString picture = m_dir->filePath(QStringLiteral("MyApp.png"));
    QVERIFY(QFile::remove(picture));
    if (spoil == 1)
        QCOMPARE(mkfifo(QFile::encodeName(picture).constData(), 0600), 0);
    if (spoil == 2) {
        take();
        MasterPicture::setScaler([](const QPixmap&, const QSize&) { return QPixmap(); });
    }
    MessageBox::setNextAnswer(QMessageBox::Ok);
    convert(m_dir->filePath("out"));

    QVERIFY(!QDir(m_dir->filePath("out/Icons")).exists());
    QCOMPARE(MessageBox::shown().size(), 1);
    QVERIFY(MessageBox::shown().first().text.contains(picture));
    QVERIFY(MessageBox::shown().first().text.endsWith("Nothing was saved."));
    QVERIFY(m_desktop.shownItems.isEmpty());
}

LUMASTRAND_APP_TEST_MAIN(TestExportRun)

#include "tst_exportrun.moc"
