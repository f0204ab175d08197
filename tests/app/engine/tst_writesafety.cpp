// Export runs on machines, names and stored settings that fail them: files
// and folders that cannot be written, a full disk, base names that are paths
// or blank, and stored values out of range.

#include "iconsetexport.h"
#include "tooling.h"

#include <QDirIterator>
#include <QGuiApplication>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

using namespace TestSupport;
using G = GeneratorSettings;
Q_DECLARE_METATYPE(GeneratorSettings::Option)

namespace {
QImage master(const QColor& colour = Qt::yellow)
{
    QImage image(1024, 1024, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

GeneratorSettings only(G::Option option)
{
    GeneratorSettings settings;
    for (G::Option o : { G::Android, G::IOS, G::Icns, G::Ico, G::WindowsPhone, G::WindowsStore, G::BlackBerry,
                         G::WebFavicons })
        settings.set(o, o == option);
    return settings;
}
} // namespace

class TstWriteSafety : public QObject
{
    Q_OBJECT

private slots:
    void failures_data();
    void failures();
    void fullDiskLeavesOnlyWholeFilesAndAnExactCount();
    void baseNames_data();
    void baseNames();
    void storedSettings_data();
    void storedSettings();
};

void TstWriteSafety::failures_data()
{
    QTest::addColumn<G::Option>("option");
    QTest::addColumn<bool>("lossy");
    // A folder in the place of this file; a file in the place of a folder
    // ending in "!"; "": the chosen folder may not be written.
    QTest::addColumn<QString>("blocked");
    QTest::addColumn<int>("error"); // of a folder that could not be made; 0: one file failed

    QTest::newRow("icon") << G::BlackBerry << false << "A.blackberry/icon_480x480.png" << 0;
    QTest::newRow("lossy icon") << G::BlackBerry << true << "A.blackberry/icon_92x92.png" << 0;
    QTest::newRow("template") << G::WebFavicons << false << "A.webFavicons/readme.txt" << 0;
    QTest::newRow("ico") << G::Ico << false << "A.ico" << 0;
    QTest::newRow("resource script") << G::Ico << false << "winappicon.rc" << 0;
    QTest::newRow("tile") << G::WindowsStore << false << "A.windowsStore/StoreAppLogo71x71.png" << 0;
    QTest::newRow("Icons is a file") << G::BlackBerry << false << "!" << EEXIST;
    QTest::newRow("density folder is a file") << G::Android << false << "A.android/drawable-hdpi!" << EEXIST;
    QTest::newRow("read-only folder") << G::IOS << false << "" << EACCES;
}

void TstWriteSafety::failures()
{
    QFETCH(G::Option, option);
    QFETCH(bool, lossy);
    QFETCH(QString, blocked);
    QFETCH(int, error);

    QTemporaryDir dir;
    const QString path = QDir::cleanPath(dir.filePath("Icons/" + blocked.chopped(blocked.endsWith('!'))));
    if (blocked.isEmpty())
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    else if (error)
        QVERIFY(QDir().mkpath(QFileInfo(path).path()) && writeFile(path, QByteArray()));
    else
        QVERIFY(QDir().mkpath(path));
    GeneratorSettings settings = only(option);
    settings.set(G::LossyCompression, lossy);
    settings.set(G::BlackBerry, true); // a later block, skipped after a folder fails
    IconSetExport::Report report;
    {
        const PermissionsEnforced enforced;
        report = IconSetExport(dir.path(), "A", QString(), settings).run(master());
    }
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QVERIFY(!report.complete());
    QCOMPARE(report.failures.size(), int(error == 0));
    if (error == 0) {
        QCOMPARE(report.failures.first().path, path);
        QVERIFY(!report.failures.first().reason.isEmpty());
        QVERIFY(QFileInfo::exists(dir.filePath("Icons/A.blackberry/icon_68x68.png")));
    } else {
        // Named with the system's reason; nothing is written after it.
        QCOMPARE(QDir::cleanPath(report.failedFolder), blocked.isEmpty() ? dir.filePath("Icons") : path);
        QCOMPARE(report.failedFolderReason, QString::fromLocal8Bit(std::strerror(error)));
        QVERIFY(!QDir(dir.filePath("Icons/A.blackberry")).exists());
        QVERIFY(!blocked.isEmpty() || report.written.isEmpty());
    }
}

void TstWriteSafety::fullDiskLeavesOnlyWholeFilesAndAnExactCount()
{
    QSet<QString> expected; // the names of a full export
    for (const QByteArray& line : fileContents(LUMASTRAND_TEST_DATA "/export-all.txt").split('\n'))
        expected << QString::fromUtf8(line.split('\t').first()).replace("MyApp", "A");
    expected.remove(QString());
    QTemporaryDir dir;
    const QString icons = dir.filePath("Icons");
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
    QImage noisy(1024, 1024, QImage::Format_RGB32);
    for (int y = 0; y < 1024; ++y)
        for (int x = 0; x < 1024; ++x)
            noisy.setPixel(x, y, qRgb(x / 4, y / 4, (x ^ y) & 255));
    IconSetExport run(dir.path(), "A", QString(), GeneratorSettings());

    IconSetExport::Report report;
    {
        // No file may grow beyond 10000 bytes, as on a disk that is nearly full.
        const FileSizeLimit limit(10000);
        report = run.run(noisy);
    }
    const int written = wholeFiles();
    QVERIFY2(written > 20 && report.failures.size() > 20, qPrintable(QString::number(written)));
    QCOMPARE(report.written.size(), written);
    QCOMPARE(written + report.failures.size(), expected.size());
    QCOMPARE(report.failures.first().reason, QString::fromLocal8Bit(std::strerror(EFBIG)));

    // Room again: the next run writes everything, the copies that failed included.
    QVERIFY(run.run(noisy).complete());
    QCOMPARE(wholeFiles(), expected.size());
}

void TstWriteSafety::baseNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("script"); // the resource script; empty: the name is refused
    for (const char* refused : { "../../logo", "a/b", "a\\b", ".", "..", "a\"b", "a\tb", "a:b", "", "   " })
        QTest::addRow("refused %s", refused) << QString::fromLatin1(refused) << QByteArray();
    QTest::newRow("dots and blank inside")
        << "..my logo" << QByteArray("IDI_ICON1\tICON\tDISCARDABLE\t\"..my logo.ico\"");
    QTest::newRow("Latin-1") << QStringLiteral("Caf\u00e9")
                             << QByteArray("IDI_ICON1\tICON\tDISCARDABLE\t\"Caf\xe9.ico\"");
    QTest::newRow("Cyrillic") << QStringLiteral("\u0438\u043a\u043e\u043d\u043a\u0430")
                              << QByteArray("#pragma code_page(65001)\nIDI_ICON1\tICON\tDISCARDABLE\t\""
                                            "\xd0\xb8\xd0\xba\xd0\xbe\xd0\xbd\xd0\xba\xd0\xb0.ico\"");
}

void TstWriteSafety::baseNames()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, script);
    QCOMPARE(IconSetExport::isUsableBaseName(name), !script.isEmpty());
    QTemporaryDir dir;
    const IconSetExport::Report report
        = IconSetExport(dir.path(), name, QString(), only(G::Ico)).run(master());
    // A name refused writes nothing at all.
    QCOMPARE(QDir(dir.path()).isEmpty(), script.isEmpty());
    if (script.isEmpty())
        return;
    QVERIFY(report.complete());
    QCOMPARE(fileContents(dir.filePath("Icons/winappicon.rc")), script);
    // The resource compiler finds the icon the script names. (A Latin-1
    // script names "é" in the Windows code page, not as this file system does.)
    if (!script.startsWith("#pragma"))
        return;
    const ToolRun ran
        = runTool("i686-w64-mingw32-windres",
                  { "winappicon.rc", "-O", "coff", "-o", dir.filePath("icon.res") }, dir.filePath("Icons"));
    QVERIFY2(ran.finished && ran.exitCode == 0, qPrintable(ran.output));
}

void TstWriteSafety::storedSettings_data()
{
    QTest::addColumn<QString>("key"); // the one key in the store
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<G::Option>("option");
    QTest::addColumn<int>("value");
    QTest::newRow("empty store") << QString() << QVariant() << G::OptionCount << 0;
    QTest::newRow("quality above") << "KeyQuality" << QVariant(1000) << G::Quality << 256;
    QTest::newRow("quality below") << "KeyQuality" << QVariant(3) << G::Quality << 4;
    QTest::newRow("quality as text") << "KeyQuality" << QVariant("5") << G::Quality << 5;
    QTest::newRow("quality no number") << "KeyQuality" << QVariant("many") << G::Quality << 256;
    QTest::newRow("switch as text") << "KeyIOS" << QVariant("false") << G::IOS << 0;
    QTest::newRow("switch as number") << "KeyLossyCompression" << QVariant(7) << G::LossyCompression << 1;
}

void TstWriteSafety::storedSettings()
{
    QFETCH(QString, key);
    QFETCH(QVariant, stored);
    QFETCH(G::Option, option);
    QFETCH(int, value);
    const GeneratorSettings read = GeneratorSettings::read(
        [&](const QString& asked, const QVariant& fallback) { return asked == key ? stored : fallback; });
    // Every other option has the value of a fresh snapshot.
    for (int o = 0; o < G::OptionCount; ++o)
        QCOMPARE(read.value(G::Option(o)), o == option ? value : GeneratorSettings().value(G::Option(o)));
}

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    TstWriteSafety test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_writesafety.moc"
