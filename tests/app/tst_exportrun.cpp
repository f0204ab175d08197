#include "app.h"
#include "creator.h"
#include "creatordroparea.h"
#include "creatoreffects.h"
#include "desktoprecorder.h"
#include "dialogseams.h"
#include "exportrun.h"
#include "messagebox.h"
#include "os.h"
#include "pixelcompare.h"
#include "testapp.h"
#include "tooling.h"
#include "writefailures.h"

#include <QDirIterator>
#include <QImageReader>
#include <QPainter>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace TestSupport;

namespace {

const char* const kKeys[] = { "KeyIcns",
                              "KeyIOS",
                              "KeyAndroid",
                              "KeyIco",
                              "KeyWebFavicons",
                              "KeyWindowsPhone",
                              "KeyWindowsStore",
                              "KeyBlackBerry",
                              "KeyLaunchScreens",
                              "KeyXCAssetsIOS",
                              "KeyAppleWatchIconsIOS",
                              "KeyLossyCompression" };

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

// A one-pixel checkerboard of two shades: only smooth scaling gives the mean
// colour of the two in every pixel.
QPixmap checker(QRgb a, QRgb b)
{
    QImage image(1024, 1024, QImage::Format_ARGB32);
    for (int y = 0; y < 1024; ++y)
        for (int x = 0; x < 1024; ++x)
            image.setPixel(x, y, (x + y) % 2 ? a : b);
    return QPixmap::fromImage(image);
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

} // namespace

class TestExportRun : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void fullExportWritesTheWholeTree();
    void everythingOffCreatesNothing();
    void cancelDuringIOSFinishesTheBlockAndSkipsTheRest();
    void refusedRunWritesNothing_data();
    void refusedRunWritesNothing();
    void overwriteRewritesPicturesButKeepsTemplates();
    void blocksUseTheirMasters_data();
    void blocksUseTheirMasters();
    void failuresAreReported_data();
    void failuresAreReported();
    void vanishedPictureStopsBeforeWriting();
    void resourceScriptNamesTheIcon_data();
    void resourceScriptNamesTheIcon();
    void masterSavedAgainInTheSameSecondIsReadAgain();

private:
    void setFlag(const char* key, bool on) { QMWidgets::app()->setValue(QLatin1String(key), on); }
    void enableOnly(const QList<QByteArray>& keys);
    void takePicture(const QImage& image, const QString& name = QStringLiteral("MyApp.png"));
    QList<int> convert(const QString& folder, std::function<void(int, QProgressDialog*)> onProgress = {});

    DesktopRecorder m_desktop; // records the folder shown after a run
    QScopedPointer<QTemporaryDir> m_dir;
    QScopedPointer<Creator> m_creator;
    QString m_picture;
    QMap<bool, QString> m_masterRuns; // output folder per "KeyNotMaskedIconsIOS"
    QTemporaryDir m_masterDir;
};

void TestExportRun::init()
{
    m_dir.reset(new QTemporaryDir);
    clearDialogSeams();
    QMWidgets::app()->settings()->clear();
    m_desktop.shownItems.clear();
    // No rate dialog in these runs: the review request itself is the shell's to test.
    QMWidgets::app()->setValue(QStringLiteral("AutoReminder"), false);
    m_creator.reset(new Creator);
    m_creator->show();
}

void TestExportRun::cleanup()
{
    m_creator.reset();
    m_dir.reset();
}

void TestExportRun::enableOnly(const QList<QByteArray>& keys)
{
    for (const char* key : kKeys)
        setFlag(key, keys.contains(key));
}

void TestExportRun::takePicture(const QImage& image, const QString& name)
{
    m_picture = m_dir->filePath(name);
    QVERIFY(image.save(m_picture));
    Os::setNextFileDialogAnswer({ m_picture });
    m_creator->dropArea()->slotOpenClicked();
    QCOMPARE(m_creator->dropArea()->fileName(), m_picture);
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

void TestExportRun::fullExportWritesTheWholeTree()
{
    // With lossy compression: every file but the .ico files goes through the palette.
    QMWidgets::app()->setValue(QStringLiteral("KeyLossyCompression"), true);
    QMWidgets::app()->setValue(QStringLiteral("KeyQuality"), 16);
    takePicture(makeMaster(QColor(30, 120, 220)));
    QTest::mouseClick(m_creator->optionsButton(), Qt::LeftButton);
    QTest::mouseClick(m_creator->effects()->findChild<QPushButton*>(QStringLiteral("RoundedEdgesItem")),
                      Qt::LeftButton);
    const QString out = m_dir->filePath(QStringLiteral("parent/chosen"));
    QVERIFY(QDir().mkpath(out));

    QCOMPARE(convert(out), (QList<int> { 20, 2, 30, 32, 36, 38, 39, 40, 60, 70, 80, 90, 100 }));

    // Every file of the tree, each picture at its size, and nothing else.
    const QString icons = out + QStringLiteral("/Icons/");
    const QStringList tree = listTree(icons);
    QCOMPARE(tree,
             QString::fromUtf8(fileContents(LUMASTRAND_TEST_DATA "/export-all.txt"))
                 .split('\n', Qt::SkipEmptyParts));
    for (const QString& line : tree.filter(".png\t")) {
        const QImage image(icons + line.section('\t', 0, 0));
        QVERIFY2(image.format() == QImage::Format_Indexed8 && image.colorCount() <= 16, qPrintable(line));
    }
    // Every colour counts here, the fully transparent ones too.
    QVERIFY(colorsOf(QImage(icons + "MyApp.icns"), false).size() <= 16);
    QVERIFY(colorsOf(QImage(icons + "MyApp.ico"), false).size() > 16);
    QVERIFY(colorsOf(QImage(icons + "MyApp.webFavicons/favicon.ico"), false).size() > 16);

    // The resource script names the icon file beside it, in one line without a line end.
    QCOMPARE(fileContents(icons + "winappicon.rc"),
             QByteArray("IDI_ICON1\tICON\tDISCARDABLE\t\"MyApp.ico\""));
    // The chosen effect reaches the decorated master: its corners are cut.
    QCOMPARE(qAlpha(QImage(icons + "MyApp.android/drawable-xxxhdpi/icon.png").pixel(1, 1)), 0);
    QVERIFY(QMWidgets::MessageBox::shown().isEmpty());
    QCOMPARE(m_desktop.shownItems, QStringList { QDir::toNativeSeparators(out + QStringLiteral("/Icons")) });

    // The files load in the tools the users build with.
    const auto passes = [&](const char* tool, const QStringList& arguments) {
        const ToolRun run = runTool(QLatin1String(tool), arguments, icons);
        return run.finished && run.exitCode == 0 ? QString()
                                                 : QLatin1String(tool) + QLatin1Char(' ') + run.output;
    };
    const struct
    {
        const char* file;
        int side;
    } icos[] = { { "MyApp.ico", 256 }, { "MyApp.webFavicons/favicon.ico", 48 } };
    for (const auto& ico : icos) {
        // One 32-bit image of the size.
        const QString listed
            = runTool(QStringLiteral("icotool"), { QStringLiteral("-l"), icons + ico.file }).output.trimmed();
        QVERIFY2(listed.count('\n') == 0 && listed.contains(QStringLiteral("--width=%1 ").arg(ico.side))
                     && listed.contains(QStringLiteral("--bit-depth=32")),
                 qPrintable(ico.file + QLatin1Char(' ') + listed));
    }
    QVERIFY(runTool(QStringLiteral("icns2png"), { QStringLiteral("-l"), icons + "MyApp.icns" })
                .output.contains(QStringLiteral("1024x1024")));
    QCOMPARE(passes("i686-w64-mingw32-windres",
                    { QStringLiteral("winappicon.rc"), QStringLiteral("-O"), QStringLiteral("coff"),
                      QStringLiteral("-o"), m_dir->filePath(QStringLiteral("icon.res")) }),
             QString());
    QCOMPARE(passes("xmllint",
                    { QStringLiteral("--noout"), QStringLiteral("MyApp.webFavicons/browserconfig.xml"),
                      QStringLiteral("MyApp.windowsStore/AppxManifest.xml") }),
             QString());
    for (const char* json :
         { "MyApp.webFavicons/vorpix/manifest.json", "MyApp.iOS/Assets.xcassets/Contents.json",
           "MyApp.iOS/Assets.xcassets/AppIcon.appiconset/Contents.json",
           "MyApp.iOS/Assets.xcassets/LaunchImage.launchimage/Contents.json" })
        QCOMPARE(passes("jq", { QStringLiteral("."), QLatin1String(json) }), QString());
    QStringList pngs = tree.filter(".png\t");
    for (QString& line : pngs)
        line = line.section('\t', 0, 0);
    QCOMPARE(passes("pngcheck", QStringList { QStringLiteral("-q") } + pngs), QString());

    // The next chooser starts in the parent of the folder chosen now.
    convert(QString());
    QCOMPARE(Os::fileDialogRequests().last().caption, QStringLiteral("Select Path to Store the Icons"));
    QCOMPARE(Os::fileDialogRequests().last().dir, m_dir->filePath(QStringLiteral("parent")));
}

void TestExportRun::everythingOffCreatesNothing()
{
    enableOnly({});
    takePicture(makeMaster(Qt::darkGreen));
    const QString out = m_dir->path();

    QCOMPARE(convert(out), (QList<int> { 20, 2, 30, 40, 60, 70, 80, 90, 100 }));
    QVERIFY(!QDir(out + QStringLiteral("/Icons")).exists());
    // The file manager is still asked to show the (missing) folder.
    QCOMPARE(m_desktop.shownItems.size(), 1);
}

void TestExportRun::cancelDuringIOSFinishesTheBlockAndSkipsTheRest()
{
    takePicture(makeMaster(Qt::darkCyan));
    setFlag("KeyIcns", false);
    const QString out = m_dir->path();

    const QList<int> values = convert(out, [](int value, QProgressDialog* dialog) {
        if (value == 32 && dialog)
            dialog->cancel();
    });

    QCOMPARE(values, (QList<int> { 20, 2, 30, 32, 36, 38, 39, 40, 60, 70, 80, 90, 100 }));
    const QDir icons(out + QStringLiteral("/Icons"));
    QVERIFY(QFile::exists(icons.filePath("MyApp.iOS/Assets.xcassets/AppIcon.appiconset/Icon-1024x1024.png")));
    QCOMPARE(icons.entryList(QDir::Dirs | QDir::NoDotAndDotDot),
             (QStringList { QStringLiteral("MyApp.iOS"), QStringLiteral("MyApp.iOS_LaunchScreens") }));
    QVERIFY(!QFile::exists(icons.filePath("winappicon.rc")));
}

void TestExportRun::refusedRunWritesNothing_data()
{
    QTest::addColumn<bool>("chooserCancelled"); // else: the overwrite question is answered No
    QTest::newRow("folder chooser cancelled") << true;
    QTest::newRow("overwrite refused") << false;
}

void TestExportRun::refusedRunWritesNothing()
{
    QFETCH(bool, chooserCancelled);
    takePicture(makeMaster(Qt::red));
    const QString out = m_dir->path();
    QVERIFY(QDir().mkpath(out + QStringLiteral("/Icons")));
    QMWidgets::app()->setLastOpenDirectory(QStringLiteral("/somewhere/else"));
    if (!chooserCancelled)
        QMWidgets::MessageBox::setNextAnswer(QMessageBox::No);

    QVERIFY(convert(chooserCancelled ? QString() : out).isEmpty());
    QCOMPARE(QMWidgets::MessageBox::shown().size(), chooserCancelled ? 0 : 1);
    if (!chooserCancelled)
        QCOMPARE(QMWidgets::MessageBox::shown().first().text,
                 "The directory \"" + out + "/Icons/\" already exists. Overwrite?");
    QVERIFY(QDir(out + QStringLiteral("/Icons")).isEmpty());
    QCOMPARE(QMWidgets::app()->lastOpenDirectory(), QStringLiteral("/somewhere"));
}

void TestExportRun::overwriteRewritesPicturesButKeepsTemplates()
{
    enableOnly({ "KeyIOS", "KeyWebFavicons", "KeyXCAssetsIOS", "KeyLaunchScreens" });
    const QString out = m_dir->path();
    const QString icons = out + QStringLiteral("/Icons/");
    const QString catalog = icons + "MyApp.iOS/Assets.xcassets/";
    QPushButton* label = m_creator->effects()->findChild<QPushButton*>(QStringLiteral("FreeLabelItem"));

    takePicture(makeMaster(Qt::red));
    label->click();
    convert(out);
    QVERIFY(writeFile(catalog + "Contents.json", "edited by the user"));
    label->click();
    QMWidgets::MessageBox::setNextAnswer(QMessageBox::Yes);
    convert(out);

    // Every catalog picture is the one this run made; the edited template stays.
    int copies = 0;
    for (QDirIterator it(catalog, { "*.png" }, QDir::Files, QDirIterator::Subdirectories); it.hasNext();
         ++copies) {
        const char* made = it.next().contains(".appiconset/") ? "MyApp.iOS/" : "MyApp.iOS_LaunchScreens/";
        QVERIFY2(fileContents(it.filePath()) == fileContents(icons + made + it.fileName()),
                 qPrintable(it.filePath()));
    }
    QCOMPARE(copies, 15 + 14);
    QCOMPARE(fileContents(catalog + "Contents.json"), QByteArray("edited by the user"));
    QCOMPARE(fileContents(icons + "MyApp.webFavicons/vorpix/manifest.json", "<missing>"),
             fileContents(QStringLiteral(":/manifest.json")));
}

void TestExportRun::blocksUseTheirMasters_data()
{
    // Which master shows at a point of a file: 'D' the decorated one, 'P' the
    // plain one untouched, 'E' the plain one under the effects, 'W' the white
    // tile canvas, 'T' cut away by the rounded mask.
    QTest::addColumn<bool>("notMasked");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<char>("kind");

    const auto row = [](bool notMasked, const char* file, QSize size, QPoint point, char kind) {
        QTest::addRow("%s%s (%d, %d)", file, notMasked ? ", not masked" : "", point.x(), point.y())
            << notMasked << QString::fromLatin1(file) << size << point << kind;
    };
    row(false, "A.icns", { 1024, 1024 }, { 512, 512 }, 'D');
    row(false, "A.iconset/icon_16x16.png", { 16, 16 }, { 8, 8 }, 'D');
    row(false, "A.ico", { 256, 256 }, { 128, 128 }, 'D');
    row(false, "A.webFavicons/vorpix/favicon-16x16.png", { 16, 16 }, { 8, 8 }, 'D');
    row(false, "A.iOS/Icon-1024x1024.png", { 1024, 1024 }, { 2, 2 }, 'T');
    row(false, "A.iOS/Icon-1024x1024.png", { 1024, 1024 }, { 512, 512 }, 'E');
    row(false, "A.iOS/Icon-29x29@3x.png", { 87, 87 }, { 43, 43 }, 'E');
    row(true, "A.iOS/Icon-1024x1024.png", { 1024, 1024 }, { 512, 1000 }, 'P');
    row(true, "A.iOS/AppleWatch-40x40@2x.png", { 80, 80 }, { 40, 78 }, 'P');
    // The launch images and the Windows Phone tiles keep the decorated master.
    row(true, "A.iOS_LaunchScreens/iPhonePortrait_1x.png", { 320, 480 }, { 160, 240 }, 'D');
    row(false, "A.windowsphone/Win8xIcon1000x800.png", { 1000, 800 }, { 500, 400 }, 'D');
    row(false, "A.windowsphone/Win8xIcon1000x800.png", { 1000, 800 }, { 90, 400 }, 'W');
    // The Store shows the plain master, with no volume, frame or rounding, at its factor.
    row(false, "A.windowsStore/Assets/Square44x44Logo.scale-100.png", { 44, 44 }, { 0, 0 }, 'P');
    row(false, "A.windowsStore/Assets/Square44x44Logo.scale-100.png", { 44, 44 }, { 22, 42 }, 'P');
    row(false, "A.windowsStore/Assets/Square310x310Logo.scale-400.png", { 1240, 1240 }, { 470, 620 }, 'P');
    row(false, "A.windowsStore/Assets/Square310x310Logo.scale-400.png", { 1240, 1240 }, { 455, 620 }, 'W');
    row(false, "A.windowsStore/Assets/Wide310x150Logo.scale-100.png", { 310, 150 }, { 155, 75 }, 'P');
    row(false, "A.windowsStore/Assets/Wide310x150Logo.scale-100.png", { 310, 150 }, { 112, 75 }, 'W');
    row(false, "A.windowsStore/StoreAppLogo720x1080.png", { 720, 1080 }, { 360, 185 }, 'P');
    row(false, "A.windowsStore/StoreAppLogo720x1080.png", { 720, 1080 }, { 360, 175 }, 'W');
}

void TestExportRun::blocksUseTheirMasters()
{
    QFETCH(bool, notMasked);
    QFETCH(QString, file);
    QFETCH(QSize, size);
    QFETCH(QPoint, point);
    QFETCH(char, kind);

    // The run is given masters of two colours: red for the decorated, blue for
    // the plain one; volume and frame need the mask flag.
    if (!m_masterRuns.contains(notMasked)) {
        setFlag("KeyNotMaskedIconsIOS", notMasked);
        const QString out = m_masterDir.filePath(QString::number(notMasked));
        ExportRun run(out, QStringLiteral("A"), QStringLiteral("VolumeItem;FrameItem;"));
        run.run(checker(qRgb(240, 40, 40), qRgb(160, 40, 40)), checker(qRgb(40, 40, 240), qRgb(40, 40, 160)),
                {});
        m_masterRuns.insert(notMasked, out + QStringLiteral("/Icons/"));
    }
    const QImage image = QImage(m_masterRuns.value(notMasked) + file).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(image.size(), size);

    // The mean of the 2 x 2 pixels from the point, so that an unscaled checkerboard gives its mean too.
    int red = 0, green = 0, blue = 0;
    for (const QPoint& p : { point, point + QPoint(1, 0), point + QPoint(0, 1), point + QPoint(1, 1) }) {
        const QRgb pixel = image.pixel(p);
        QCOMPARE(qAlpha(pixel), kind == 'T' ? 0 : 255);
        red += qRed(pixel) / 4, green += qGreen(pixel) / 4, blue += qBlue(pixel) / 4;
    }
    const QRgb mean = qRgb(red, green, blue);
    const QMap<char, QRgb> expected { { 'D', qRgb(200, 40, 40) },
                                      { 'P', qRgb(40, 40, 200) },
                                      { 'W', qRgb(255, 255, 255) } };
    if (kind == 'E')
        QVERIFY2(blue > red + 60, qPrintable(QString::number(mean, 16)));
    else if (kind != 'T')
        QVERIFY2(pixelsClose(mean, expected[kind], 8), qPrintable(QString::number(mean, 16)));
}

void TestExportRun::failuresAreReported_data()
{
    // The settings on; what stands in the way below the chosen folder ("…/" a
    // folder, else a file; none: the chosen folder takes no new entry); the
    // warning's start, %1 standing for the chosen folder.
    QTest::addColumn<QList<QByteArray>>("keys");
    QTest::addColumn<QString>("inTheWay");
    QTest::addColumn<QString>("text");
    const auto row = [](const char* name, const QList<QByteArray>& keys, const char* inTheWay,
                        const QString& text) { QTest::newRow(name) << keys << QString(inTheWay) << text; };
    const auto reason = [](int error) { return QStringLiteral("\n\nReason: ") + qt_error_string(error); };
    const auto files = [&](int count, const char* first) {
        return QStringLiteral("%1 files could not be written. The first of them:\n%2/Icons/A.")
                   .arg(count)
                   .arg("%1")
            + first + reason(EFBIG);
    };
    const QString folder
        = QStringLiteral("The export stopped because this folder could not be created:\n%1/Icons");

    row("icons", { "KeyBlackBerry" }, "Icons/", files(6, "blackberry/icon_480x480.png"));
    row("lossy icons", { "KeyBlackBerry", "KeyLossyCompression" }, "Icons/",
        files(6, "blackberry/icon_480x480.png"));
    // Three copies, the favicon, the touch icon and the 18 pictures of "vorpix".
    row("copies and icons", { "KeyWebFavicons" }, "Icons/", files(23, "webFavicons/readme.txt"));
    row("resource script too", { "KeyIco" }, "Icons/", files(7, "windows/icon_256x256.png"));
    row("resource script alone", { "KeyIco", "KeyBlackBerry" }, "Icons/winappicon.rc/",
        "1 file could not be written:\n%1/Icons/winappicon.rc\n\nReason: ");
    // A folder that cannot be made stops the run before any picture is written.
    row("read-only folder", { "KeyIco", "KeyBlackBerry" }, "", folder + reason(EACCES));
    row("block folder", { "KeyIco", "KeyBlackBerry" }, "Icons/A.windows",
        folder + "/A.windows" + reason(EEXIST));
}

void TestExportRun::failuresAreReported()
{
    QFETCH(QList<QByteArray>, keys);
    QFETCH(QString, inTheWay);
    QFETCH(QString, text);
    enableOnly(keys);
    takePicture(makeMaster(Qt::magenta));
    m_creator->effects()->setSaveName(QStringLiteral("A"));
    const QString out = m_dir->filePath(QStringLiteral("out"));
    if (inTheWay.isEmpty())
        QVERIFY(QDir().mkpath(out) && QFile::setPermissions(out, QFile::ReadOwner | QFile::ExeOwner));
    else if (inTheWay.endsWith('/'))
        QVERIFY(QDir().mkpath(out + '/' + inTheWay));
    else
        QVERIFY(QDir().mkpath(out + "/Icons") && writeFile(out + '/' + inTheWay, {}));
    if (!inTheWay.isEmpty())
        QMWidgets::MessageBox::setNextAnswer(QMessageBox::Yes); // overwrite
    QMWidgets::MessageBox::setNextAnswer(QMessageBox::Ok);
    {
        // Several files fail on a disk too full for any: none may grow beyond 16 bytes.
        QScopedPointer<FileSizeLimit> limit(text.contains(" files ") ? new FileSizeLimit(16) : nullptr);
        const PermissionsEnforced enforced;
        convert(out);
    }

    const auto shown = QMWidgets::MessageBox::shown();
    const QString warning = shown.isEmpty() ? QString() : shown.last().text;
    QVERIFY2(warning.startsWith(text.arg(out)), qPrintable(warning));
    for (const char* file : { "/Icons/A.ico", "/Icons/A.blackberry/icon_68x68.png" })
        QCOMPARE(QFile::exists(out + file), text.startsWith('1'));
}

void TestExportRun::vanishedPictureStopsBeforeWriting()
{
    takePicture(makeMaster(Qt::green));
    QVERIFY(QFile::remove(m_picture));
    const QString out = m_dir->path();

    QMWidgets::MessageBox::setNextAnswer(QMessageBox::Ok);
    convert(out);

    QVERIFY(!QDir(out + QStringLiteral("/Icons")).exists());
    QCOMPARE(QMWidgets::MessageBox::shown().size(), 1);
    QVERIFY(QMWidgets::MessageBox::shown().first().text.contains(m_picture));
    QVERIFY(m_desktop.shownItems.isEmpty());
}

void TestExportRun::resourceScriptNamesTheIcon_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("script");
    QTest::newRow("Latin-1") << QStringLiteral("Caf\u00e9")
                             << QByteArray("IDI_ICON1\tICON\tDISCARDABLE\t\"Caf\xe9.ico\"");
    QTest::newRow("Cyrillic") << QStringLiteral("\u0438\u043a\u043e\u043d\u043a\u0430")
                              << QByteArray("#pragma code_page(65001)\nIDI_ICON1\tICON\tDISCARDABLE\t\""
                                            "\xd0\xb8\xd0\xba\xd0\xbe\xd0\xbd\xd0\xba\xd0\xb0.ico\"");
}

void TestExportRun::resourceScriptNamesTheIcon()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, script);
    enableOnly({ "KeyIco" });
    WriteFailures failures;
    ExportRun(m_dir->path(), name, QString()).run(QPixmap::fromImage(makeMaster(Qt::blue)), QPixmap(), {});
    QCOMPARE(failures.count(), 0);
    const QString icons = m_dir->filePath(QStringLiteral("Icons"));
    QCOMPARE(fileContents(icons + "/winappicon.rc"), script);
    // The resource compiler finds the icon the script names. (A Latin-1
    // script names "é" in the Windows code page, not as this file system does.)
    if (!script.startsWith("#pragma"))
        return;
    const ToolRun run
        = runTool(QStringLiteral("i686-w64-mingw32-windres"),
                  { QStringLiteral("winappicon.rc"), QStringLiteral("-O"), QStringLiteral("coff"),
                    QStringLiteral("-o"), m_dir->filePath(QStringLiteral("icon.res")) },
                  icons);
    QVERIFY2(run.finished && run.exitCode == 0, qPrintable(run.output));
}

void TestExportRun::masterSavedAgainInTheSameSecondIsReadAgain()
{
    // BMP: two pictures of one size give files of one size.
    QImage picture(1024, 1024, QImage::Format_RGB32);
    picture.fill(Qt::red);
    takePicture(picture, QStringLiteral("master.bmp"));
    const QDateTime modified = QFileInfo(m_picture).lastModified();
    picture.fill(Qt::blue);
    QVERIFY(picture.save(m_picture));
    QFile file(m_picture);
    QVERIFY(file.open(QIODevice::ReadWrite) && file.setFileTime(modified, QFileDevice::FileModificationTime));
    file.close();

    enableOnly({ "KeyIco" });
    convert(m_dir->path());
    QCOMPARE(QImage(m_dir->filePath(QStringLiteral("Icons/MyApp.ico"))).pixel(128, 128), qRgb(0, 0, 255));
}

LUMASTRAND_APP_TEST_MAIN(TestExportRun)

#include "tst_exportrun.moc"
