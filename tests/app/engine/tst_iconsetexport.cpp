// Whole export runs of the engine, without a widget or the application
// object: the tree and its files in the tools users build with, what each
// option and a cancel leave out, which master each block shows, reruns, a
// full disk, base names and stored settings that must not be taken as they
// are.

#include "iconsetexport.h"
#include "pixelcompare.h"
#include "tooling.h"

#include <QDirIterator>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

using namespace TestSupport;
using G = GeneratorSettings;
Q_DECLARE_METATYPE(GeneratorSettings::Option)

namespace {

// An opaque master: a gradient with a yellow disc in the middle.
QImage makeMaster(const QColor& colour)
{
    QImage image(1024, 1024, QImage::Format_ARGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, 1024, 1024);
    gradient.setColorAt(0, colour);
    gradient.setColorAt(1, colour.darker(250));
    painter.fillRect(image.rect(), gradient);
    painter.setBrush(QColor(255, 220, 40));
    painter.drawEllipse(QPointF(512, 512), 260, 260);
    return image;
}

// Every file under root, one "path<tab>size" line each ("-" for no picture).
QStringList listTree(const QString& root)
{
    QStringList listing;
    for (QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();) {
        const QString path = it.next();
        const QSize size = QImageReader(path).size();
        listing << QDir(root).relativeFilePath(path) + '\t'
                + (path.endsWith(".png") ? QStringLiteral("%1x%2").arg(size.width()).arg(size.height())
                                         : "-");
    }
    listing.sort();
    return listing;
}

// The platforms in on, and the refinements except those in on.
GeneratorSettings only(const QList<G::Option>& on)
{
    GeneratorSettings settings; // every refinement on
    for (G::Option o : { G::Android, G::IOS, G::Icns, G::Ico, G::WindowsPhone, G::WindowsStore, G::BlackBerry,
                         G::WebFavicons })
        settings.set(o, false);
    for (G::Option o : on)
        settings.set(o, !settings.isOn(o));
    return settings;
}

// Empty when the tool ran well in folder, else what it said.
QString failedTool(const char* tool, const QStringList& arguments, const QString& folder)
{
    const ToolRun ran = runTool(QLatin1String(tool), arguments, folder);
    return ran.finished && ran.exitCode == 0 ? QString() : QLatin1String(tool) + ' ' + ran.output;
}

struct Run
{
    IconSetExport::Report report;
    QList<int> progress;
};

Run run(const QString& folder, const QString& effects, const GeneratorSettings& settings,
        const QImage& master, int cancelAt = -1, const QString& name = "A")
{
    Run result;
    bool canceled = false;
    IconSetExport::Callbacks callbacks;
    callbacks.progress = [&](int value) {
        result.progress << value;
        canceled = canceled || value == cancelAt;
    };
    callbacks.canceled = [&] { return canceled; };
    result.report = IconSetExport(folder, name, effects, settings).run(master, callbacks);
    return result;
}

} // namespace

class TstIconSetExport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { m_dir.reset(new QTemporaryDir); }
    void wholeTree();
    void writtenFilesPassTheUsersTools();
    void optionsAndCancel_data();
    void optionsAndCancel();
    void blocksUseTheirMasters_data();
    void blocksUseTheirMasters();
    void rerunRewritesPicturesButKeepsTemplates();
    void fullDiskLeavesOnlyWholeFilesAndAnExactCount();
    void baseNames_data();
    void baseNames();
    void storedSettings_data();
    void storedSettings();

private:
    QTemporaryDir m_whole; // a full lossy run, made once
    QString m_icons;
    Run m_run;
    QStringList m_tree;
    QScopedPointer<QTemporaryDir> m_dir;
    QTemporaryDir m_masterRuns;
};

void TstIconSetExport::initTestCase()
{
    // Lossy: every file but the .ico files goes through a palette of 16 colours.
    GeneratorSettings settings;
    settings.set(G::LossyCompression, true);
    settings.set(G::Quality, 16);
    m_run = run(m_whole.path(), "RoundedEdgesItem;", settings, makeMaster(QColor(30, 120, 220)), -1, "MyApp");
    m_icons = m_whole.filePath("Icons/");
    m_tree = listTree(m_icons);
}

void TstIconSetExport::wholeTree()
{
    QCOMPARE(m_run.progress, (QList<int> { 2, 30, 32, 36, 38, 39, 40, 60, 70, 80, 90, 100 }));
    QCOMPARE(m_tree,
             QString(fileContents(LUMASTRAND_TEST_DATA "/export-all.txt")).split('\n', Qt::SkipEmptyParts));
    QVERIFY(m_run.report.complete());
    // Written once each, the catalog's copies of the pictures too.
    QCOMPARE(m_run.report.written.size(), m_tree.size());
    for (const QString& line : m_tree.filter(".png\t")) {
        const QImage image(m_icons + line.section('\t', 0, 0));
        QVERIFY2(image.format() == QImage::Format_Indexed8 && image.colorCount() <= 16, qPrintable(line));
    }
    QVERIFY(colorsOf(QImage(m_icons + "MyApp.icns"), false).size() <= 16);
    for (const char* ico : { "MyApp.ico", "MyApp.webFavicons/favicon.ico" })
        QVERIFY(colorsOf(QImage(m_icons + ico), false).size() > 16);
    QCOMPARE(fileContents(m_icons + "winappicon.rc"),
             QByteArray("IDI_ICON1\tICON\tDISCARDABLE\t\"MyApp.ico\""));
    // The effect reaches the decorated master: its corners are cut.
    QCOMPARE(qAlpha(QImage(m_icons + "MyApp.android/drawable-xxxhdpi/icon.png").pixel(1, 1)), 0);
    QCOMPARE(fileContents(m_icons + "MyApp.windowsStore/AppxManifest.xml"),
             fileContents(":/AppxManifest.xml"));
}

void TstIconSetExport::writtenFilesPassTheUsersTools()
{
    const auto failed = [&](const char* tool, const QStringList& arguments) {
        return failedTool(tool, arguments, m_icons);
    };
    for (const auto& [file, side] :
         { std::pair<const char*, int> { "MyApp.ico", 256 }, { "MyApp.webFavicons/favicon.ico", 48 } }) {
        // One 32-bit image of the size.
        const QString listed = runTool("icotool", { "-l", m_icons + file }).output.trimmed();
        QVERIFY2(listed.count('\n') == 0 && listed.contains(QStringLiteral("--width=%1 ").arg(side))
                     && listed.contains("--bit-depth=32"),
                 qPrintable(listed));
    }
    QVERIFY(runTool("icns2png", { "-l", m_icons + "MyApp.icns" }).output.contains("1024x1024"));
    QCOMPARE(
        failed("i686-w64-mingw32-windres", { "winappicon.rc", "-O", "coff", "-o", m_dir->filePath("i.res") }),
        QString());
    QCOMPARE(
        failed("xmllint",
               { "--noout", "MyApp.webFavicons/browserconfig.xml", "MyApp.windowsStore/AppxManifest.xml" }),
        QString());
    QStringList pngs;
    for (const QString& line : m_tree) {
        const QString file = line.section('\t', 0, 0);
        if (file.endsWith(".json"))
            QCOMPARE(failed("jq", { ".", file }), QString());
        if (file.endsWith(".png"))
            pngs << file;
    }
    QCOMPARE(failed("pngcheck", QStringList { "-q" } + pngs), QString());
}

void TstIconSetExport::optionsAndCancel_data()
{
    QTest::addColumn<QList<G::Option>>("on"); // platforms on; refinements named here are off
    QTest::addColumn<int>("cancelAt");
    QTest::addColumn<QList<int>>("progress");
    QTest::addColumn<QStringList>("entries"); // of "Icons", and of the iOS folder when it is made

    QTest::newRow("all off") << QList<G::Option>() << -1 << QList<int> { 2, 30, 40, 60, 70, 80, 90, 100 }
                             << QStringList();
    QTest::newRow("cancel in iOS finishes it")
        << QList<G::Option> { G::IOS, G::Android, G::BlackBerry } << 32
        << QList<int> { 2, 30, 32, 36, 38, 39, 40, 60, 70, 80, 90, 100 }
        << QStringList { "A.iOS", "A.iOS_LaunchScreens", "AppleWatch-24x24@2x.png", "Assets.xcassets" };
    QTest::newRow("no catalog, watch or launch images")
        << QList<G::Option> { G::IOS, G::Android, G::XCAssetsIOS, G::AppleWatchIconsIOS, G::LaunchScreens }
        << -1 << QList<int> { 2, 30, 32, 36, 38, 40, 60, 70, 80, 90, 100 }
        << QStringList { "A.android", "A.iOS" };
}

void TstIconSetExport::optionsAndCancel()
{
    QFETCH(QList<G::Option>, on);
    QFETCH(int, cancelAt);
    QFETCH(QList<int>, progress);
    QFETCH(QStringList, entries);

    const Run done = run(m_dir->path(), QString(), only(on), makeMaster(Qt::darkCyan), cancelAt);
    QCOMPARE(done.progress, progress);
    const QDir icons(m_dir->filePath("Icons"));
    QStringList found = icons.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    for (const QString& name :
         { QStringLiteral("AppleWatch-24x24@2x.png"), QStringLiteral("Assets.xcassets") })
        if (QDir(icons.filePath("A.iOS")).exists(name))
            found << name;
    QCOMPARE(found, entries);
    // Without launch images, no "drawable" beside the six density folders and the Amazon one.
    if (found.contains("A.android"))
        QCOMPARE(QDir(icons.filePath("A.android")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 7);
}

void TstIconSetExport::blocksUseTheirMasters_data()
{
    // What shows at a point of a file: 'P' the blue master untouched, 'V' the
    // volume drawn over it, 'T' cut away by the rounded mask, 'W' the white
    // tile canvas.
    QTest::addColumn<bool>("notMasked");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<char>("kind");

    const auto row = [](bool notMasked, const char* file, QPoint point, char kind) {
        QTest::addRow("%s%s (%d, %d)", file, notMasked ? ", not masked" : "", point.x(), point.y())
            << notMasked << QString::fromLatin1(file) << point << kind;
    };
    row(false, "A.iconset/icon_16x16@2x.png", { 0, 0 }, 'T');
    row(false, "A.iconset/icon_16x16@2x.png", { 16, 16 }, 'V');
    row(false, "A.iOS/Icon-1024x1024.png", { 2, 2 }, 'T');
    row(true, "A.iOS/Icon-1024x1024.png", { 2, 2 }, 'P');
    row(true, "A.iOS/AppleWatch-40x40@2x.png", { 0, 79 }, 'P');
    // The launch images and the Windows Phone tiles keep the decorated master.
    row(true, "A.iOS_LaunchScreens/iPhonePortrait_1x.png", { 160, 240 }, 'V');
    row(false, "A.windowsphone/Win8xIcon1000x800.png", { 101, 1 }, 'W');
    // The Store shows the master without the mask, at its factor.
    row(false, "A.windowsStore/Assets/Square44x44Logo.scale-100.png", { 0, 0 }, 'P');
    row(false, "A.windowsStore/Assets/Square310x310Logo.scale-400.png", { 466, 466 }, 'P');
    row(false, "A.windowsStore/Assets/Square310x310Logo.scale-400.png", { 455, 620 }, 'W');
    row(false, "A.windowsStore/Assets/Wide310x150Logo.scale-100.png", { 118, 38 }, 'P');
    row(false, "A.windowsStore/StoreAppLogo720x1080.png", { 0, 181 }, 'P');
}

void TstIconSetExport::blocksUseTheirMasters()
{
    QFETCH(bool, notMasked);
    QFETCH(QString, file);
    QFETCH(QPoint, point);
    QFETCH(char, kind);

    // Volume draws only with the mask; the master is one blue. One run for each flag.
    const QString out = m_masterRuns.filePath(QString::number(notMasked));
    if (!QDir(out).exists()) {
        GeneratorSettings settings = only({ G::Icns, G::IOS, G::WindowsPhone, G::WindowsStore });
        settings.set(G::NotMaskedIconsIOS, notMasked);
        settings.set(G::LaunchScreens, notMasked);
        settings.set(G::LossyCompression, true); // quicker; 256 colours keep these pixels
        QImage blue(1024, 1024, QImage::Format_RGB32);
        blue.fill(QColor(40, 40, 200));
        run(out, "VolumeItem;", settings, blue);
    }
    const QRgb pixel = QImage(out + "/Icons/" + file).convertToFormat(QImage::Format_ARGB32).pixel(point);
    const QRgb blue = qRgb(40, 40, 200);
    const bool shows = kind == 'T' ? qAlpha(pixel) == 0
        : kind == 'V'              ? qAlpha(pixel) == 255 && !pixelsClose(pixel, blue, 2)
                                   : pixelsClose(pixel, kind == 'P' ? blue : qRgb(255, 255, 255), 2);
    QVERIFY2(shows, qPrintable(QString::number(pixel, 16)));
}

void TstIconSetExport::rerunRewritesPicturesButKeepsTemplates()
{
    const GeneratorSettings settings = only({ G::IOS, G::WebFavicons });
    const QString icons = m_dir->filePath("Icons/");
    const QString contents = icons + "A.iOS/Assets.xcassets/Contents.json";
    run(m_dir->path(), QString(), settings, makeMaster(Qt::red));
    QVERIFY(writeFile(contents, "edited by the user"));
    QVERIFY(run(m_dir->path(), QString(), settings, makeMaster(Qt::blue)).report.complete());

    // (100, 100) lies in the gradient, away from the disc.
    for (const char* file :
         { "A.iOS/Icon-1024x1024.png", "A.iOS/Assets.xcassets/AppIcon.appiconset/Icon-1024x1024.png",
           "A.iOS/Assets.xcassets/LaunchImage.launchimage/iPadPortrait_2x.png" })
        QVERIFY2(QColor(QImage(icons + file).pixel(100, 100)).red() < 100, file);
    QCOMPARE(fileContents(contents), QByteArray("edited by the user"));
    QCOMPARE(fileContents(icons + "A.webFavicons/vorpix/manifest.json", "<missing>"),
             fileContents(":/manifest.json"));
}

void TstIconSetExport::fullDiskLeavesOnlyWholeFilesAndAnExactCount()
{
    QSet<QString> expected; // the names of a full export
    for (const QString& line : m_tree)
        expected << line.section('\t', 0, 0).replace("MyApp", "A");
    const QString icons = m_dir->filePath("Icons");
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
    // Lossy, which is the quicker.
    const QImage noisy = makeMaster(Qt::blue);
    GeneratorSettings lossy;
    lossy.set(G::LossyCompression, true);
    lossy.set(G::Quality, 16);
    IconSetExport run(m_dir->path(), "A", QString(), lossy);

    IconSetExport::Report report;
    {
        // No file may grow beyond 4000 bytes, as on a disk that is nearly full.
        const FileSizeLimit limit(4000);
        report = run.run(noisy);
    }
    const int written = wholeFiles();
    QVERIFY2(written > 20 && report.failures.size() > 20,
             qPrintable(QString::number(written) + " written, " + QString::number(report.failures.size())
                        + " failed"));
    QCOMPARE(report.written.size(), written);
    QCOMPARE(written + report.failures.size(), expected.size());
    QCOMPARE(report.failures.first().reason, QString::fromLocal8Bit(std::strerror(EFBIG)));

    // Room again: the next run writes everything, the copies that failed included.
    QVERIFY(run.run(noisy).complete());
    QCOMPARE(wholeFiles(), expected.size());
}

void TstIconSetExport::baseNames_data()
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

void TstIconSetExport::baseNames()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, script);
    QCOMPARE(IconSetExport::isUsableBaseName(name), !script.isEmpty());
    // A name refused writes nothing at all.
    run(m_dir->path(), QString(), only({ G::Ico }), makeMaster(Qt::red), -1, name);
    QCOMPARE(QDir(m_dir->path()).isEmpty(), script.isEmpty());
    QCOMPARE(fileContents(m_dir->filePath("Icons/winappicon.rc")), script);
    // The resource compiler finds the icon the script names. (A Latin-1
    // script names "é" in the Windows code page, not as this file system does.)
    if (script.startsWith("#pragma"))
        QCOMPARE(failedTool("i686-w64-mingw32-windres", { "winappicon.rc", "-O", "coff", "-o", "i.res" },
                            m_dir->filePath("Icons")),
                 QString());
}

void TstIconSetExport::storedSettings_data()
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

void TstIconSetExport::storedSettings()
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
    TstIconSetExport test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_iconsetexport.moc"
