// Export runs on machines and names that fail them: a full disk and base names
// that are paths or blank.

#include "iconsetexport.h"
#include "tooling.h"

#include <QDirIterator>
#include <QGuiApplication>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

using namespace TestSupport;

class TstWriteSafety : public QObject
{
    Q_OBJECT

private slots:
    void baseNames_data();
    void baseNames();
    void fullDiskLeavesOnlyWholeFilesAndAnExactCount();
};

void TstWriteSafety::baseNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("usable");
    QTest::newRow("leaves the folder") << "../../logo" << false;
    QTest::newRow("subfolder") << "a/b" << false;
    QTest::newRow("backslash") << "a\\b" << false;
    QTest::newRow("dot") << "." << false;
    QTest::newRow("dot dot") << ".." << false;
    QTest::newRow("quotation mark") << "a\"b" << false;
    QTest::newRow("control character") << "a\tb" << false;
    QTest::newRow("colon") << "a:b" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("blanks") << "   " << false;
    QTest::newRow("dots inside a name") << "..logo" << true;
    QTest::newRow("blank inside") << "My App" << true;
}

void TstWriteSafety::baseNames()
{
    QFETCH(QString, name);
    QFETCH(bool, usable);
    QCOMPARE(IconSetExport::isUsableBaseName(name), usable);
    // A name refused writes nothing at all.
    QTemporaryDir dir;
    QImage master(1024, 1024, QImage::Format_RGB32);
    master.fill(Qt::red);
    GeneratorSettings settings;
    settings.set(GeneratorSettings::IOS, false);
    IconSetExport(dir.filePath("out"), name, QString(), settings).run(master);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty(), !usable);
}

void TstWriteSafety::fullDiskLeavesOnlyWholeFilesAndAnExactCount()
{
    QSet<QString> expected; // the names of a full export
    for (const QByteArray& line :
         fileContents(QStringLiteral(LUMASTRAND_TEST_DATA "/export-all.txt")).split('\n'))
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
    QImage master(1024, 1024, QImage::Format_RGB32);
    for (int y = 0; y < 1024; ++y)
        for (int x = 0; x < 1024; ++x)
            master.setPixel(x, y, qRgb(x / 4, y / 4, (x ^ y) & 255));
    IconSetExport run(dir.path(), "A", QString(), GeneratorSettings());

    IconSetExport::Report report;
    {
        // No file may grow beyond 10000 bytes, as on a disk that is nearly full.
        const FileSizeLimit limit(10000);
        report = run.run(master);
    }
    const int written = wholeFiles();
    QVERIFY2(written > 20 && report.failures.size() > 20, qPrintable(QString::number(written)));
    QCOMPARE(report.written.size(), written);
    QCOMPARE(written + report.failures.size(), expected.size());
    QCOMPARE(report.failures.first().reason, QString::fromLocal8Bit(std::strerror(EFBIG)));

    // Room again: the next run writes everything, the copies that failed included.
    QVERIFY(run.run(master).complete());
    QCOMPARE(wholeFiles(), expected.size());
}

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    TstWriteSafety test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_writesafety.moc"
