#include "mtools.h"
#include "tooling.h"
#include "wholefile.h"

#include <QtTest>

#include <memory>
#include <sys/stat.h>

using namespace TestSupport;

class TestMTools : public QObject
{
    Q_OBJECT

private slots:
    void monthName()
    {
        for (int month = 1; month <= 12; ++month)
            QCOMPARE(MTools::monthName(month), QLocale::c().monthName(month));
        QCOMPARE(MTools::monthName(0) + MTools::monthName(13), QStringLiteral("UnknownUnknown"));
    }

    void emailRegExp_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("matches");
        QTest::newRow("plain") << "anna@example.com" << true;
        QTest::newRow("numeric top") << "root@10.0.0.1" << true;
        QTest::newRow("five letter top") << "x@y.email" << false;
        QTest::newRow("four digit top") << "x@y.1234" << false;
        QTest::newRow("plus sign") << "a+b@example.com" << false;
        QTest::newRow("trailing text") << "anna@example.com more" << false;
    }

    void emailRegExp()
    {
        QFETCH(QString, text);
        QFETCH(bool, matches);
        QCOMPARE(MTools::emailRegExp().exactMatch(text), matches);
    }

    void wholeFileRead_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("result");
        using Result = MTools::WholeFile::ReadResult;
        QTest::newRow("as large as allowed") << "8 bytes" << int(Result::Read);
        QTest::newRow("one byte more") << "9 bytes" << int(Result::Refused);
        QTest::newRow("folder") << "folder" << int(Result::Refused);
        QTest::newRow("named pipe") << "pipe" << int(Result::Refused);
        QTest::newRow("missing") << "missing" << int(Result::Failed);
    }

    void wholeFileRead()
    {
        QFETCH(QString, kind);
        QFETCH(int, result);
        const QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("file"));
        if (kind.endsWith(QLatin1String("bytes")))
            QVERIFY(writeFile(path, QByteArray(kind.front().digitValue(), 'x')));
        else if (kind == QLatin1String("folder"))
            QVERIFY(QDir().mkdir(path));
        else if (kind == QLatin1String("pipe"))
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        QByteArray data = "old";
        QString reason;
        QCOMPARE(int(MTools::WholeFile::read(path, 8, &data, &reason)), result);
        QCOMPARE(data, result ? QByteArray() : QByteArray(8, 'x'));
        QCOMPARE(reason.isEmpty(), !result);
    }

    void wholeFileWrite_data()
    {
        // "link": written through a link beside the file; "locked": the folder is read-only,
        // "read-only" the file too; "full": the disk has room for 5 bytes a file.
        QTest::addColumn<QString>("setup");
        QTest::addColumn<bool>("written");
        QTest::newRow("replaced whole") << "" << true;
        QTest::newRow("through a link") << "link" << true;
        QTest::newRow("full disk keeps the old file") << "full" << false;
        QTest::newRow("locked folder, in place") << "locked" << true;
        QTest::newRow("locked folder, full disk") << "locked full" << false;
        QTest::newRow("nothing writable") << "locked read-only" << false;
    }

    void wholeFileWrite()
    {
        QFETCH(QString, setup);
        QFETCH(bool, written);
        const bool link = setup.contains("link"), locked = setup.contains("locked");
        const QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("style.qss"));
        const QString target = link ? dir.filePath(QStringLiteral("link.qss")) : file;
        QVERIFY(writeFile(file, "old") && (!link || QFile::link(file, target)));
        chmod(QFile::encodeName(dir.path()).constData(), locked ? 0555 : 0777);
        chmod(QFile::encodeName(file).constData(), setup.contains("read-only") ? 0444 : 0666);

        QString reason;
        bool result = false;
        {
            const PermissionsEnforced enforced;
            const std::unique_ptr<FileSizeLimit> limit(setup.contains("full") ? new FileSizeLimit(5)
                                                                              : nullptr);
            result = MTools::WholeFile::write(target, "new content", &reason);
        }
        QCOMPARE(result, written);
        QCOMPARE(reason.isEmpty(), written);
        // A failure keeps the old file, unless it could only be written in place.
        if (written || !locked || setup.contains("read-only"))
            QCOMPARE(fileContents(file), QByteArray(written ? "new content" : "old"));
        QCOMPARE(QFileInfo(target).isSymLink(), link);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), link ? 2 : 1);
        chmod(QFile::encodeName(dir.path()).constData(), 0700);
    }
};

QTEST_GUILESS_MAIN(TestMTools)
#include "tst_mtools.moc"
