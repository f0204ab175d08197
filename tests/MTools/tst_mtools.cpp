#include "mtools.h"
#include "ordinaryuser.h"
#include "tooling.h"
#include "wholefile.h"

#include <QtTest>

#include <memory>
#include <sys/stat.h>

using MTools::WholeFile;
using namespace TestSupport;

class TestMTools : public QObject
{
    Q_OBJECT

private slots:
    void monthName_data();
    void monthName();
    void emailRegExp_data();
    void emailRegExp();
    void wholeFileWrite_data();
    void wholeFileWrite();
    void wholeFileRead_data();
    void wholeFileRead();
};

void TestMTools::monthName_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("name");
    QTest::newRow("first") << 1 << "January";
    QTest::newRow("last") << 12 << "December";
    QTest::newRow("zero") << 0 << "Unknown";
}

void TestMTools::monthName()
{
    QFETCH(int, month);
    QFETCH(QString, name);
    QCOMPARE(MTools::monthName(month), name);
}

void TestMTools::emailRegExp_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("matches");
    QTest::newRow("plain") << "anna@example.com" << true;
    QTest::newRow("numeric top") << "root@10.0.0.1" << true;
    QTest::newRow("five letter top") << "x@y.museum" << false;
    QTest::newRow("four digit top") << "x@y.1234" << false;
    QTest::newRow("plus sign") << "a+b@example.com" << false;
    QTest::newRow("trailing text") << "anna@example.com more" << false;
}

void TestMTools::emailRegExp()
{
    QFETCH(QString, text);
    QFETCH(bool, matches);
    QCOMPARE(MTools::emailRegExp().exactMatch(text), matches);
}

void TestMTools::wholeFileWrite_data()
{
    QTest::addColumn<bool>("folderWritable");
    QTest::addColumn<bool>("fileWritable");
    QTest::addColumn<bool>("link"); // written through a link beside the file
    QTest::addColumn<qint64>("diskRoom"); // bytes a file may grow to, 0 for no limit
    QTest::addColumn<bool>("written");
    QTest::newRow("replaced whole") << true << true << false << qint64(0) << true;
    QTest::newRow("through a link") << true << true << true << qint64(0) << true;
    QTest::newRow("full disk keeps the old file") << true << true << false << qint64(5) << false;
    QTest::newRow("locked folder, in place") << false << true << false << qint64(0) << true;
    QTest::newRow("locked folder, through a link") << false << true << true << qint64(0) << true;
    QTest::newRow("locked folder, full disk") << false << true << false << qint64(5) << false;
    QTest::newRow("nothing writable") << false << false << false << qint64(0) << false;
}

void TestMTools::wholeFileWrite()
{
    QFETCH(bool, folderWritable);
    QFETCH(bool, fileWritable);
    QFETCH(bool, link);
    QFETCH(qint64, diskRoom);
    QFETCH(bool, written);
    const QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("folder"));
    const QString file = folder + QStringLiteral("/style.qss");
    QVERIFY(QDir().mkdir(folder) && writeFile(file, "old"));
    if (link)
        QVERIFY(QFile::link(file, folder + QStringLiteral("/link.qss")));
    const QString target = link ? folder + QStringLiteral("/link.qss") : file;
    chmod(QFile::encodeName(dir.path()).constData(), 0755);
    chmod(QFile::encodeName(folder).constData(), folderWritable ? 0777 : 0555);
    chmod(QFile::encodeName(file).constData(), fileWritable ? 0666 : 0444);

    QString reason;
    bool result = false;
    {
        const OrdinaryUser user;
        const std::unique_ptr<FileSizeLimit> limit(diskRoom ? new FileSizeLimit(diskRoom) : nullptr);
        result = WholeFile::write(target, "new content", &reason);
    }
    QCOMPARE(result, written);
    QCOMPARE(reason.isEmpty(), written);
    // A failure keeps the old file, unless it could only be written in place.
    if (written || folderWritable || !fileWritable)
        QCOMPARE(fileContents(file), QByteArray(written ? "new content" : "old"));
    QCOMPARE(QFileInfo(target).isSymLink(), link);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), link ? 2 : 1);
    chmod(QFile::encodeName(folder).constData(), 0755);
}

void TestMTools::wholeFileRead_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("result");
    QTest::newRow("file") << "file" << int(WholeFile::ReadResult::Read);
    QTest::newRow("one byte too large") << "large" << int(WholeFile::ReadResult::Refused);
    QTest::newRow("named pipe") << "pipe" << int(WholeFile::ReadResult::Refused);
    QTest::newRow("link to an endless device") << "device" << int(WholeFile::ReadResult::Refused);
    QTest::newRow("folder") << "folder" << int(WholeFile::ReadResult::Refused);
    QTest::newRow("missing") << "missing" << int(WholeFile::ReadResult::Failed);
}

void TestMTools::wholeFileRead()
{
    QFETCH(QString, kind);
    QFETCH(int, result);
    const QTemporaryDir dir;
    const QString path = dir.filePath(kind);
    if (kind == QLatin1String("file") || kind == QLatin1String("large"))
        QVERIFY(writeFile(path, kind == QLatin1String("file") ? "0123456789" : "0123456789A"));
    else if (kind == QLatin1String("pipe"))
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (kind == QLatin1String("device"))
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
    else if (kind == QLatin1String("folder"))
        QVERIFY(QDir().mkdir(path));

    QByteArray data("before");
    QString reason;
    QCOMPARE(int(WholeFile::read(path, 10, &data, &reason)), result);
    QCOMPARE(data, result == int(WholeFile::ReadResult::Read) ? QByteArray("0123456789") : QByteArray());
    QCOMPARE(reason.isEmpty(), result == int(WholeFile::ReadResult::Read));
}

QTEST_GUILESS_MAIN(TestMTools)
#include "tst_mtools.moc"
