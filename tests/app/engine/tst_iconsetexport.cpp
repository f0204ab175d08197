// Whole export runs of the engine, without a widget or the application
// object: the tree, what each option and a cancel leave out, which master
// each block shows, reruns, failures, and the files in the tools users build
// with.

#include "iconsetexport.h"
#include "pixelcompare.h"
#include "tooling.h"

#include <QDirIterator>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

using namespace TestSupport;
using Option = GeneratorSettings::Option;
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

// Every file under root, each picture with its size, one "path<tab>size" line each.
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

GeneratorSettings only(const QList<Option>& on, bool refinements = true)
{
    GeneratorSettings settings;
    for (Option o : { GeneratorSettings::Icns, GeneratorSettings::IOS, GeneratorSettings::Android,
                      GeneratorSettings::Ico, GeneratorSettings::WebFavicons, GeneratorSettings::WindowsPhone,
                      GeneratorSettings::WindowsStore, GeneratorSettings::BlackBerry })
        settings.set(o, on.contains(o));
    for (Option o : { GeneratorSettings::LaunchScreens, GeneratorSettings::XCAssetsIOS,
                      GeneratorSettings::AppleWatchIconsIOS })
        settings.set(o, refinements && !on.contains(o));
    return settings;
}

struct Run
{
    IconSetExport::Report report;
    QList<int> progress;
};

Run run(const QString& folder, const QString& name, const QString& effects, const GeneratorSettings& settings,
        const QImage& master, int cancelAt = -1)
{
    Run result;
    IconSetExport::Callbacks callbacks;
    bool canceled = false;
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
    void init() { m_dir.reset(new QTemporaryDir); }
    void wholeTreeLoadsInTheUsersTools();
    void optionsAndCancel_data();
    void optionsAndCancel();
    void blocksUseTheirMasters_data();
    void blocksUseTheirMasters();
    void rerunRewritesPicturesButKeepsTemplates();
    void failures_data();
    void failures();
    void resourceScriptNamesTheIcon_data();
    void resourceScriptNamesTheIcon();

private:
    QScopedPointer<QTemporaryDir> m_dir;
    QTemporaryDir m_masterRuns;
};

void TstIconSetExport::wholeTreeLoadsInTheUsersTools()
{
    // With lossy compression: every file but the .ico files goes through the palette.
    GeneratorSettings settings;
    settings.set(GeneratorSettings::LossyCompression, true);
    settings.set(GeneratorSettings::Quality, 16);
    const Run done
        = run(m_dir->path(), "MyApp", "RoundedEdgesItem;", settings, makeMaster(QColor(30, 120, 220)));

    QCOMPARE(done.progress, (QList<int> { 2, 30, 32, 36, 38, 39, 40, 60, 70, 80, 90, 100 }));
    const QString icons = m_dir->filePath("Icons/");
    const QStringList tree = listTree(icons);
    QCOMPARE(tree,
             QString::fromUtf8(fileContents(LUMASTRAND_TEST_DATA "/export-all.txt"))
                 .split('\n', Qt::SkipEmptyParts));
    QVERIFY(done.report.complete());
    // Written in one go, once each: the catalog's copies of the pictures too.
    QCOMPARE(done.report.written.size(), tree.size());
    for (const QString& line : tree.filter(".png\t")) {
        const QImage image(icons + line.section('\t', 0, 0));
        QVERIFY2(image.format() == QImage::Format_Indexed8 && image.colorCount() <= 16, qPrintable(line));
    }
    QVERIFY(colorsOf(QImage(icons + "MyApp.icns"), false).size() <= 16);
    QVERIFY(colorsOf(QImage(icons + "MyApp.ico"), false).size() > 16);
    QVERIFY(colorsOf(QImage(icons + "MyApp.webFavicons/favicon.ico"), false).size() > 16);
    QCOMPARE(fileContents(icons + "winappicon.rc"),
             QByteArray("IDI_ICON1\tICON\tDISCARDABLE\t\"MyApp.ico\""));
    // The effect reaches the decorated master: its corners are cut.
    QCOMPARE(qAlpha(QImage(icons + "MyApp.android/drawable-xxxhdpi/icon.png").pixel(1, 1)), 0);
    // The templates are copied byte for byte.
    QCOMPARE(fileContents(icons + "MyApp.windowsStore/AppxManifest.xml"), fileContents(":/AppxManifest.xml"));

    const auto passes = [&](const char* tool, const QStringList& arguments) {
        const ToolRun ran = runTool(QLatin1String(tool), arguments, icons);
        return ran.finished && ran.exitCode == 0 ? QString()
                                                 : QLatin1String(tool) + QLatin1Char(' ') + ran.output;
    };
    for (const auto& [file, side] :
         { std::pair<const char*, int> { "MyApp.ico", 256 }, { "MyApp.webFavicons/favicon.ico", 48 } }) {
        // One 32-bit image of the size.
        const QString listed = runTool("icotool", { "-l", icons + file }).output.trimmed();
        QVERIFY2(listed.count('\n') == 0 && listed.contains(QStringLiteral("--width=%1 ").arg(side))
                     && listed.contains("--bit-depth=32"),
                 qPrintable(listed));
    }
    QVERIFY(runTool("icns2png", { "-l", icons + "MyApp.icns" }).output.contains("1024x1024"));
    QCOMPARE(passes("i686-w64-mingw32-windres",
                    { "winappicon.rc", "-O", "coff", "-o", m_dir->filePath("icon.res") }),
             QString());
    QCOMPARE(
        passes("xmllint",
               { "--noout", "MyApp.webFavicons/browserconfig.xml", "MyApp.windowsStore/AppxManifest.xml" }),
        QString());
    for (const char* json :
         { "MyApp.webFavicons/vorpix/manifest.json", "MyApp.iOS/Assets.xcassets/Contents.json",
           "MyApp.iOS/Assets.xcassets/AppIcon.appiconset/Contents.json",
           "MyApp.iOS/Assets.xcassets/LaunchImage.launchimage/Contents.json" })
        QCOMPARE(passes("jq", { ".", QLatin1String(json) }), QString());
    QStringList pngs = tree.filter(".png\t");
    for (QString& line : pngs)
        line = line.section('\t', 0, 0);
    QCOMPARE(passes("pngcheck", QStringList { "-q" } + pngs), QString());
}

void TstIconSetExport::optionsAndCancel_data()
{
    QTest::addColumn<QList<Option>>("on"); // platforms on; refinements named here are off
    QTest::addColumn<int>("cancelAt");
    QTest::addColumn<QList<int>>("progress");
    QTest::addColumn<QStringList>("entries"); // of "Icons", and of the iOS folder when it is made

    using G = GeneratorSettings;
    const QList<int> plain { 2, 30, 40, 60, 70, 80, 90, 100 };
    QTest::newRow("all off") << QList<Option>() << -1 << plain << QStringList();
    QTest::newRow("cancel in iOS finishes it")
        << QList<Option> { G::IOS, G::Android, G::BlackBerry } << 32
        << QList<int> { 2, 30, 32, 36, 38, 39, 40, 60, 70, 80, 90, 100 }
        << QStringList { "A.iOS", "A.iOS_LaunchScreens", "AppleWatch-24x24@2x.png", "Assets.xcassets" };
    QTest::newRow("no catalog, watch or launch images")
        << QList<Option> { G::IOS, G::XCAssetsIOS, G::AppleWatchIconsIOS, G::LaunchScreens } << -1
        << QList<int> { 2, 30, 32, 36, 38, 40, 60, 70, 80, 90, 100 } << QStringList { "A.iOS" };
    QTest::newRow("android without launch image")
        << QList<Option> { G::Android, G::LaunchScreens } << -1 << plain << QStringList { "A.android" };
    QTest::newRow("windows") << QList<Option> { G::Ico } << -1 << plain
                             << QStringList { "A.ico", "A.windows", "winappicon.rc" };
}

void TstIconSetExport::optionsAndCancel()
{
    QFETCH(QList<Option>, on);
    QFETCH(int, cancelAt);
    QFETCH(QList<int>, progress);
    QFETCH(QStringList, entries);

    const Run done = run(m_dir->path(), "A", QString(), only(on), makeMaster(Qt::darkCyan), cancelAt);
    QCOMPARE(done.progress, progress);
    const QDir icons(m_dir->filePath("Icons"));
    QStringList found = icons.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    const QDir ios(icons.filePath("A.iOS"));
    for (const QString& name :
         { QStringLiteral("AppleWatch-24x24@2x.png"), QStringLiteral("Assets.xcassets") })
        if (ios.exists(name))
            found << name;
    QCOMPARE(found, entries);
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
    row(false, "A.windowsphone/Win8xIcon1000x800.png", { 90, 400 }, 'W');
    // The Store shows the master without the mask, at its factor.
    row(false, "A.windowsStore/Assets/Square44x44Logo.scale-100.png", { 0, 0 }, 'P');
    row(false, "A.windowsStore/Assets/Square310x310Logo.scale-400.png", { 466, 466 }, 'P');
    row(false, "A.windowsStore/Assets/Square310x310Logo.scale-400.png", { 455, 620 }, 'W');
    row(false, "A.windowsStore/Assets/Wide310x150Logo.scale-100.png", { 118, 38 }, 'P');
    row(false, "A.windowsStore/Assets/Wide310x150Logo.scale-100.png", { 116, 75 }, 'W');
    row(false, "A.windowsStore/StoreAppLogo720x1080.png", { 0, 181 }, 'P');
    row(false, "A.windowsStore/StoreAppLogo720x1080.png", { 360, 178 }, 'W');
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
        GeneratorSettings settings;
        settings.set(GeneratorSettings::NotMaskedIconsIOS, notMasked);
        QImage blue(1024, 1024, QImage::Format_RGB32);
        blue.fill(QColor(40, 40, 200));
        run(out, "A", "VolumeItem;", settings, blue);
    }

    const QRgb pixel = QImage(out + "/Icons/" + file).convertToFormat(QImage::Format_ARGB32).pixel(point);
    const QMap<char, QRgb> expected { { 'P', qRgb(40, 40, 200) }, { 'W', qRgb(255, 255, 255) }, { 'T', 0 } };
    const bool shows = kind == 'T' ? qAlpha(pixel) == 0
        : kind == 'V'              ? qAlpha(pixel) == 255 && !pixelsClose(pixel, expected['P'], 2)
                                   : pixelsClose(pixel, expected[kind], 2);
    QVERIFY2(shows, qPrintable(QString::number(pixel, 16)));
}

void TstIconSetExport::rerunRewritesPicturesButKeepsTemplates()
{
    const GeneratorSettings settings = only({ GeneratorSettings::IOS, GeneratorSettings::WebFavicons });
    const QString icons = m_dir->filePath("Icons/");
    const QString contents = icons + "A.iOS/Assets.xcassets/Contents.json";
    run(m_dir->path(), "A", QString(), settings, makeMaster(Qt::red));
    QVERIFY(writeFile(contents, "edited by the user"));
    QVERIFY(run(m_dir->path(), "A", QString(), settings, makeMaster(Qt::blue)).report.complete());

    // (100, 100) lies in the gradient, away from the disc.
    for (const char* file :
         { "A.iOS/Icon-1024x1024.png", "A.iOS/Assets.xcassets/AppIcon.appiconset/Icon-1024x1024.png",
           "A.iOS/Assets.xcassets/LaunchImage.launchimage/iPadPortrait_2x.png" })
        QVERIFY2(QColor(QImage(icons + file).pixel(100, 100)).red() < 100, file);
    QCOMPARE(fileContents(contents), QByteArray("edited by the user"));
    QCOMPARE(fileContents(icons + "A.webFavicons/vorpix/manifest.json", "<missing>"),
             fileContents(":/manifest.json"));
}

void TstIconSetExport::failures_data()
{
    QTest::addColumn<Option>("option");
    QTest::addColumn<bool>("lossy");
    QTest::addColumn<QString>(
        "blocked"); // a folder in the place of this file, or a file in the place of this folder
    QTest::addColumn<int>("failures");
    QTest::addColumn<bool>("stopped"); // at a folder that could not be made

    QTest::newRow("icon") << GeneratorSettings::BlackBerry << false << "A.blackberry/icon_480x480.png" << 1
                          << false;
    QTest::newRow("lossy icon") << GeneratorSettings::BlackBerry << true << "A.blackberry/icon_92x92.png" << 1
                                << false;
    QTest::newRow("template") << GeneratorSettings::WebFavicons << false << "A.webFavicons/readme.txt" << 1
                              << false;
    QTest::newRow("ico") << GeneratorSettings::Ico << false << "A.ico" << 1 << false;
    QTest::newRow("resource script") << GeneratorSettings::Ico << false << "winappicon.rc" << 1 << false;
    QTest::newRow("tile") << GeneratorSettings::WindowsStore << false
                          << "A.windowsStore/StoreAppLogo71x71.png" << 1 << false;
    QTest::newRow("Icons is a file") << GeneratorSettings::BlackBerry << false << "" << 0 << true;
    QTest::newRow("density folder is a file")
        << GeneratorSettings::Android << false << "A.android/drawable-hdpi" << 0 << true;
}

void TstIconSetExport::failures()
{
    QFETCH(Option, option);
    QFETCH(bool, lossy);
    QFETCH(QString, blocked);
    QFETCH(int, failures);
    QFETCH(bool, stopped);

    const QString path = m_dir->filePath("Icons/" + blocked);
    QVERIFY(stopped ? QDir().mkpath(QFileInfo(QDir::cleanPath(path)).path())
                    && writeFile(QDir::cleanPath(path), QByteArray())
                    : QDir().mkpath(path));
    GeneratorSettings settings = only({ option });
    settings.set(GeneratorSettings::LossyCompression, lossy);
    // A later block is skipped after a folder fails.
    settings.set(GeneratorSettings::BlackBerry, true);
    const IconSetExport::Report report
        = run(m_dir->path(), "A", QString(), settings, makeMaster(Qt::yellow)).report;

    QCOMPARE(report.failures.size(), failures);
    QVERIFY(!report.complete());
    if (failures) {
        QCOMPARE(report.failures.first().path, path);
        QVERIFY(!report.failures.first().reason.isEmpty());
        QVERIFY(QFileInfo::exists(m_dir->filePath("Icons/A.blackberry/icon_68x68.png")));
    } else {
        QCOMPARE(QDir::cleanPath(report.failedFolder).startsWith(QDir::cleanPath(path)), true);
        QVERIFY(!report.failedFolderReason.isEmpty());
        QVERIFY(!QDir(m_dir->filePath("Icons/A.blackberry")).exists() || blocked.isEmpty());
    }
}

void TstIconSetExport::resourceScriptNamesTheIcon_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("script");
    QTest::newRow("Latin-1") << QStringLiteral("Caf\u00e9")
                             << QByteArray("IDI_ICON1\tICON\tDISCARDABLE\t\"Caf\xe9.ico\"");
    QTest::newRow("Cyrillic") << QStringLiteral("\u0438\u043a\u043e\u043d\u043a\u0430")
                              << QByteArray("#pragma code_page(65001)\nIDI_ICON1\tICON\tDISCARDABLE\t\""
                                            "\xd0\xb8\xd0\xba\xd0\xbe\xd0\xbd\xd0\xba\xd0\xb0.ico\"");
}

void TstIconSetExport::resourceScriptNamesTheIcon()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, script);
    QVERIFY(run(m_dir->path(), name, QString(), only({ GeneratorSettings::Ico }), makeMaster(Qt::blue))
                .report.complete());
    const QString icons = m_dir->filePath("Icons");
    QCOMPARE(fileContents(icons + "/winappicon.rc"), script);
    // The resource compiler finds the icon the script names. (A Latin-1
    // script names "é" in the Windows code page, not as this file system does.)
    if (!script.startsWith("#pragma"))
        return;
    const ToolRun ran = runTool("i686-w64-mingw32-windres",
                                { "winappicon.rc", "-O", "coff", "-o", m_dir->filePath("icon.res") }, icons);
    QVERIFY2(ran.finished && ran.exitCode == 0, qPrintable(ran.output));
}

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    TstIconSetExport test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_iconsetexport.moc"
