#include "app.h"
#include "creator.h"
#include "creatordroparea.h"
#include "creatoreffects.h"
#include "desktoprecorder.h"
#include "dialogrunner.h"
#include "dialogseams.h"
#include "messagebox.h"
#include "os.h"
#include "pixelcompare.h"
#include "testapp.h"
#include "tooling.h"

#include <QDirIterator>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace TestSupport;

namespace {

const char* const kPlatformKeys[]
    = { "KeyIcns",        "KeyIOS",          "KeyAndroid",      "KeyIco",
        "KeyWebFavicons", "KeyWindowsPhone", "KeyWindowsStore", "KeyBlackBerry" };
const char* const kRefinementKeys[] = { "KeyLaunchScreens", "KeyXCAssetsIOS", "KeyAppleWatchIconsIOS" };

// An opaque 1024 x 1024 master with a gradient and a few shapes in one main colour.
QImage makeMaster(const QColor& colour)
{
    QImage image(1024, 1024, QImage::Format_ARGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, 1024, 1024);
    gradient.setColorAt(0, colour);
    gradient.setColorAt(1, colour.darker(250));
    painter.fillRect(image.rect(), gradient);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(255, 220, 40));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(512, 512), 260, 260);
    painter.end();
    return image;
}

QMap<QString, QString> listTree(const QString& root)
{
    QMap<QString, QString> listing;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = QDir(root).relativeFilePath(path);
        if (path.endsWith(QLatin1String(".png"))) {
            const QSize size = QImageReader(path).size();
            listing.insert(relative, QStringLiteral("%1x%2").arg(size.width()).arg(size.height()));
        } else {
            listing.insert(relative, QStringLiteral("-"));
        }
    }
    return listing;
}

QMap<QString, QString> expectedListing()
{
    QMap<QString, QString> listing;
    for (const QByteArray& line :
         fileContents(QStringLiteral(LUMASTRAND_TEST_DATA "/export-all.txt")).split('\n')) {
        const QStringList fields = QString::fromUtf8(line).trimmed().split(QLatin1Char('\t'));
        if (fields.size() == 2)
            listing.insert(fields.at(0), fields.at(1));
    }
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
    void outputsPassTheToolchainChecks();
    void everythingOffCreatesNothing();
    void cancelDuringIOSFinishesTheBlockAndSkipsTheRest();
    void cancelledFolderChooserDoesNothing();
    void overwriteAnswerNoWritesNothing();
    void overwriteAnswerYesRewritesPicturesButKeepsCopies();
    void notMaskedIOSIconsKeepDecoratedLaunchImages();
    void lossyModeReducesEveryPngAndTheIcnsButNotTheIco();
    void emptyBaseNameWritesHiddenNames();
    void unwritableTargetIsReported();
    void vanishedPictureStopsBeforeWriting();
    void nextChooserStartsInTheParentFolder();

private:
    void setAll(bool on);
    void enableOnly(const QList<QByteArray>& keys);
    QString outFolder(const QString& name = QStringLiteral("out"));
    void takePicture(const QImage& image, const QString& name = QStringLiteral("MyApp.png"));
    QList<int> convert(const QString& folder, std::function<void(int, QProgressDialog*)> onProgress = {});

    DesktopRecorder m_desktop; // records the folder shown after a run
    QScopedPointer<QTemporaryDir> m_dir;
    QScopedPointer<Creator> m_creator;
    QString m_picture;
};

void TestExportRun::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    clearDialogSeams();
    QMWidgets::app()->settings()->clear();
    m_desktop.shownItems.clear();
    // No rate dialog in these runs: the review request itself is the shell's to test.
    QMWidgets::app()->setValue(QStringLiteral("AutoReminder"), false);
    setAll(true);
    m_creator.reset(new Creator);
    m_creator->show();
}

void TestExportRun::cleanup()
{
    m_creator.reset();
    m_dir.reset();
}

void TestExportRun::setAll(bool on)
{
    for (const char* key : kPlatformKeys)
        QMWidgets::app()->setValue(QLatin1String(key), on);
    for (const char* key : kRefinementKeys)
        QMWidgets::app()->setValue(QLatin1String(key), on);
    QMWidgets::app()->setValue(QStringLiteral("KeyNotMaskedIconsIOS"), false);
    QMWidgets::app()->setValue(QStringLiteral("KeyLossyCompression"), false);
}

QString TestExportRun::outFolder(const QString& name)
{
    const QString out = m_dir->filePath(name);
    QDir().mkpath(out);
    return out;
}

void TestExportRun::enableOnly(const QList<QByteArray>& keys)
{
    for (const char* key : kPlatformKeys)
        QMWidgets::app()->setValue(QLatin1String(key), keys.contains(key));
}

void TestExportRun::takePicture(const QImage& image, const QString& name)
{
    m_picture = m_dir->filePath(name);
    QVERIFY(image.save(m_picture));
    Os::setNextFileDialogAnswer({ m_picture });
    m_creator->dropArea()->slotOpenClicked();
    QCOMPARE(m_creator->dropArea()->fileName(), m_picture);
}

QList<int> TestExportRun::convert(const QString& folder,
                                  std::function<void(int, QProgressDialog*)> onProgress)
{
    QList<int> values;
    QMetaObject::Connection connection
        = connect(m_creator.data(), &Creator::exportProgress, this, [&](int value) {
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
    takePicture(makeMaster(QColor(30, 120, 220)));
    m_creator->effects()->setSaveName(QStringLiteral("MyApp"));
    const QString out = outFolder();

    QCOMPARE(convert(out), (QList<int> { 20, 2, 30, 32, 36, 38, 39, 40, 60, 70, 80, 90, 100 }));

    const QMap<QString, QString> expected = expectedListing();
    QVERIFY(!expected.isEmpty());
    const QMap<QString, QString> actual = listTree(out + QStringLiteral("/Icons"));
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        QVERIFY2(actual.contains(it.key()), qPrintable(QStringLiteral("missing: ") + it.key()));
        QVERIFY2(actual.value(it.key()) == it.value(),
                 qPrintable(it.key() + QStringLiteral(": ") + actual.value(it.key()) + QStringLiteral(" != ")
                            + it.value()));
    }
    for (auto it = actual.cbegin(); it != actual.cend(); ++it)
        QVERIFY2(expected.contains(it.key()), qPrintable(QStringLiteral("unexpected: ") + it.key()));

    // The resource script names the icon file beside it, in one line without a line end.
    QCOMPARE(fileContents(out + QStringLiteral("/Icons/winappicon.rc")),
             QByteArray("IDI_ICON1\tICON\tDISCARDABLE\t\"MyApp.ico\""));
    // Nothing went wrong, so nothing was reported, and the file manager shows the result.
    QVERIFY(QMWidgets::MessageBox::shown().isEmpty());
    QCOMPARE(m_desktop.shownItems, QStringList { QDir::toNativeSeparators(out + QStringLiteral("/Icons")) });
}

void TestExportRun::outputsPassTheToolchainChecks()
{
    takePicture(makeMaster(QColor(200, 60, 90)));
    m_creator->effects()->setSaveName(QStringLiteral("MyApp"));
    const QString out = outFolder();
    convert(out);
    const QString icons = out + QStringLiteral("/Icons/");

    // The two Windows icons: one 32-bit image each, 256 and 48 pixels.
    const struct
    {
        const char* file;
        int side;
    } icos[] = { { "MyApp.ico", 256 }, { "MyApp.webFavicons/favicon.ico", 48 } };
    for (const auto& ico : icos) {
        const ToolRun listed = runTool(QStringLiteral("icotool"), { QStringLiteral("-l"), icons + ico.file });
        QVERIFY2(listed.started, "icotool is missing (package icoutils)");
        QCOMPARE(listed.exitCode, 0);
        const QStringList lines = listed.output.trimmed().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines.first().contains(QStringLiteral("--width=%1 --height=%1").arg(ico.side)),
                 qPrintable(lines.first()));
        QVERIFY2(lines.first().contains(QStringLiteral("--bit-depth=32")), qPrintable(lines.first()));
    }

    const ToolRun icns = runTool(QStringLiteral("icns2png"), { QStringLiteral("-l"), icons + "MyApp.icns" });
    QVERIFY2(icns.started, "icns2png is missing (package icnsutils)");
    QCOMPARE(icns.exitCode, 0);
    QVERIFY2(icns.output.contains(QStringLiteral("1024x1024"))
                 || icns.output.contains(QStringLiteral("512x512")),
             qPrintable(icns.output));

    const ToolRun windres
        = runTool(QStringLiteral("i686-w64-mingw32-windres"),
                  { QStringLiteral("winappicon.rc"), QStringLiteral("-O"), QStringLiteral("coff"),
                    QStringLiteral("-o"), m_dir->filePath(QStringLiteral("icon.res")) },
                  icons);
    QVERIFY2(windres.started, "i686-w64-mingw32-windres is missing (package binutils-mingw-w64-i686)");
    QVERIFY2(windres.exitCode == 0, qPrintable(windres.output));

    const QStringList xml
        = { icons + "MyApp.webFavicons/browserconfig.xml", icons + "MyApp.windowsStore/AppxManifest.xml" };
    const ToolRun xmllint
        = runTool(QStringLiteral("xmllint"), QStringList { QStringLiteral("--noout") } + xml);
    QVERIFY2(xmllint.started, "xmllint is missing (package libxml2-utils)");
    QVERIFY2(xmllint.exitCode == 0, qPrintable(xmllint.output));

    const QStringList json = { icons + "MyApp.webFavicons/vorpix/manifest.json",
                               icons + "MyApp.iOS/Assets.xcassets/Contents.json",
                               icons + "MyApp.iOS/Assets.xcassets/AppIcon.appiconset/Contents.json",
                               icons + "MyApp.iOS/Assets.xcassets/LaunchImage.launchimage/Contents.json" };
    for (const QString& file : json) {
        const ToolRun jq = runTool(QStringLiteral("jq"), { QStringLiteral("."), file });
        QVERIFY2(jq.started, "jq is missing");
        QVERIFY2(jq.exitCode == 0, qPrintable(file + QLatin1Char(' ') + jq.output));
    }

    QStringList pngs;
    QDirIterator it(icons, { QStringLiteral("*.png") }, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        pngs << it.next();
    QCOMPARE(pngs.size(), 189);
    const ToolRun pngcheck = runTool(QStringLiteral("pngcheck"), QStringList { QStringLiteral("-q") } + pngs);
    QVERIFY2(pngcheck.started, "pngcheck is missing");
    QVERIFY2(pngcheck.exitCode == 0, qPrintable(pngcheck.output));
}

void TestExportRun::everythingOffCreatesNothing()
{
    setAll(false);
    takePicture(makeMaster(Qt::darkGreen));
    const QString out = outFolder();

    QCOMPARE(convert(out), (QList<int> { 20, 2, 30, 40, 60, 70, 80, 90, 100 }));
    QVERIFY(!QDir(out + QStringLiteral("/Icons")).exists());
    // The file manager is still asked to show the (missing) folder.
    QCOMPARE(m_desktop.shownItems.size(), 1);
}

void TestExportRun::cancelDuringIOSFinishesTheBlockAndSkipsTheRest()
{
    takePicture(makeMaster(Qt::darkCyan));
    m_creator->effects()->setSaveName(QStringLiteral("MyApp"));
    QMWidgets::app()->setValue(QStringLiteral("KeyIcns"), false);
    const QString out = outFolder();

    const QList<int> values = convert(out, [](int value, QProgressDialog* dialog) {
        if (value == 32 && dialog)
            dialog->cancel();
    });

    QCOMPARE(values, (QList<int> { 20, 2, 30, 32, 36, 38, 39, 40, 60, 70, 80, 90, 100 }));
    const QDir icons(out + QStringLiteral("/Icons"));
    QVERIFY(QFile::exists(icons.filePath("MyApp.iOS/Assets.xcassets/AppIcon.appiconset/Icon-1024x1024.png")));
    QVERIFY(QFile::exists(icons.filePath("MyApp.iOS/Icon-512x512@2x.png")));
    QCOMPARE(icons.entryList(QDir::Dirs | QDir::NoDotAndDotDot),
             (QStringList { QStringLiteral("MyApp.iOS"), QStringLiteral("MyApp.iOS_LaunchScreens") }));
    QVERIFY(!QFile::exists(icons.filePath("winappicon.rc")));
}

void TestExportRun::cancelledFolderChooserDoesNothing()
{
    takePicture(makeMaster(Qt::red));
    const QString before = QMWidgets::app()->lastOpenDirectory();
    QList<int> values;
    connect(m_creator.data(), &Creator::exportProgress, this, [&](int value) { values.append(value); });
    Os::setNextFileDialogAnswer({});
    m_creator->slotConvert();
    QVERIFY(values.isEmpty());
    QVERIFY(QMWidgets::MessageBox::shown().isEmpty());
    QCOMPARE(QMWidgets::app()->lastOpenDirectory(), before);
    QCOMPARE(QMWidgets::DialogRunner::pendingHandlers(), 0);
}

void TestExportRun::overwriteAnswerNoWritesNothing()
{
    takePicture(makeMaster(Qt::red));
    const QString out = m_dir->filePath(QStringLiteral("out"));
    QVERIFY(QDir().mkpath(out + QStringLiteral("/Icons")));
    QMWidgets::app()->setLastOpenDirectory(QStringLiteral("/somewhere/else"));

    QMWidgets::MessageBox::setNextAnswer(QMessageBox::No);
    QVERIFY(convert(out).isEmpty());

    QCOMPARE(QMWidgets::MessageBox::shown().size(), 1);
    const QMWidgets::MessageBox::Shown question = QMWidgets::MessageBox::shown().first();
    QCOMPARE(question.title, QStringLiteral("Warning"));
    QCOMPARE(question.text,
             QStringLiteral("The directory \"") + out
                 + QStringLiteral("/Icons/\" already exists. Overwrite?"));
    QCOMPARE(question.buttons, QMessageBox::Yes | QMessageBox::No);
    QVERIFY(QDir(out + QStringLiteral("/Icons")).isEmpty());
    QCOMPARE(QMWidgets::app()->lastOpenDirectory(), QStringLiteral("/somewhere"));
}

void TestExportRun::overwriteAnswerYesRewritesPicturesButKeepsCopies()
{
    enableOnly({ "KeyIOS", "KeyWebFavicons" });
    QMWidgets::app()->setValue(QStringLiteral("KeyLaunchScreens"), false);
    m_creator->effects()->setSaveName(QStringLiteral("MyApp"));
    const QString out = outFolder();

    takePicture(makeMaster(Qt::red), QStringLiteral("first.png"));
    m_creator->effects()->setSaveName(QStringLiteral("MyApp"));
    convert(out);

    const QString icons = out + QStringLiteral("/Icons/");
    const QString contents = icons + "MyApp.iOS/Assets.xcassets/Contents.json";
    QVERIFY(writeFile(contents, "edited by the user"));

    takePicture(makeMaster(Qt::blue), QStringLiteral("second.png"));
    m_creator->effects()->setSaveName(QStringLiteral("MyApp"));
    QMWidgets::MessageBox::setNextAnswer(QMessageBox::Yes);
    convert(out);

    // (100, 100) lies in the gradient, away from the yellow disc.
    auto pixel = [&](const char* file) { return QColor(QImage(icons + file).pixel(100, 100)); };
    QVERIFY(pixel("MyApp.iOS/Icon-1024x1024.png").blue() > 150);
    QVERIFY(pixel("MyApp.iOS/Assets.xcassets/AppIcon.appiconset/Icon-1024x1024.png").red() > 150);
    QCOMPARE(fileContents(contents), QByteArray("edited by the user"));
    const QByteArray original = fileContents(QStringLiteral(":/manifest.json"));
    QVERIFY(!original.isEmpty());
    QCOMPARE(fileContents(icons + "MyApp.webFavicons/vorpix/manifest.json", "<missing>"), original);
}

void TestExportRun::notMaskedIOSIconsKeepDecoratedLaunchImages()
{
    enableOnly({ "KeyIOS", "KeyAndroid" });
    QMWidgets::app()->setValue(QStringLiteral("KeyNotMaskedIconsIOS"), true);
    takePicture(makeMaster(Qt::darkMagenta));
    m_creator->effects()->setSaveName(QStringLiteral("MyApp"));
    QTest::mouseClick(m_creator->optionsButton(), Qt::LeftButton);
    QTest::mouseClick(m_creator->effects()->findChild<QPushButton*>(QStringLiteral("RoundedEdgesItem")),
                      Qt::LeftButton);
    QCOMPARE(m_creator->effects()->effectState(), QStringLiteral("RoundedEdgesItem;"));
    const QString out = outFolder();
    convert(out);

    const QString icons = out + QStringLiteral("/Icons/");
    // The iOS icons keep their square corners ...
    QCOMPARE(qAlpha(QImage(icons + "MyApp.iOS/Icon-1024x1024.png").pixel(2, 2)), 255);
    QCOMPARE(
        qAlpha(QImage(icons + "MyApp.iOS/Assets.xcassets/AppIcon.appiconset/Icon-1024x1024.png").pixel(2, 2)),
        255);
    // ... while the other sets and the iOS launch images are rounded.
    QCOMPARE(qAlpha(QImage(icons + "MyApp.android/drawable-xxxhdpi/icon.png").pixel(1, 1)), 0);
    // 320 x 480 launch image: the icon is 160 x 160 at (80, 160) on black.
    const QColor corner(QImage(icons + "MyApp.iOS_LaunchScreens/iPhonePortrait_1x.png").pixel(81, 161));
    QVERIFY2(corner.red() < 40 && corner.green() < 40 && corner.blue() < 40, qPrintable(corner.name()));
    const QColor inside(QImage(icons + "MyApp.iOS_LaunchScreens/iPhonePortrait_1x.png").pixel(100, 200));
    QVERIFY(inside.red() > 40 || inside.blue() > 40);
}

void TestExportRun::lossyModeReducesEveryPngAndTheIcnsButNotTheIco()
{
    QMWidgets::app()->setValue(QStringLiteral("KeyLossyCompression"), true);
    QMWidgets::app()->setValue(QStringLiteral("KeyQuality"), 16);
    takePicture(makeMaster(QColor(250, 120, 20)));
    m_creator->effects()->setSaveName(QStringLiteral("MyApp"));
    const QString out = outFolder();
    convert(out);

    const QString icons = out + QStringLiteral("/Icons/");
    int pngs = 0;
    QDirIterator it(icons, { QStringLiteral("*.png") }, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        // Catalog copies and launch images alike: every picture goes through the palette.
        const QImage image(path);
        QVERIFY2(image.format() == QImage::Format_Indexed8, qPrintable(path));
        QVERIFY2(image.colorCount() <= 16, qPrintable(path));
        ++pngs;
    }
    QCOMPARE(pngs, 189);
    // Every colour counts here, the fully transparent ones too.
    QVERIFY(colorsOf(QImage(icons + "MyApp.icns"), false).size() <= 16);
    QVERIFY(colorsOf(QImage(icons + "MyApp.ico"), false).size() > 16);
    QVERIFY(colorsOf(QImage(icons + "MyApp.webFavicons/favicon.ico"), false).size() > 16);
}

void TestExportRun::emptyBaseNameWritesHiddenNames()
{
    enableOnly({ "KeyIcns", "KeyIco" });
    takePicture(makeMaster(Qt::gray));
    m_creator->effects()->setSaveName(QString());
    const QString out = outFolder();
    convert(out);

    const QString icons = out + QStringLiteral("/Icons/");
    QVERIFY(QFile::exists(icons + ".iconset/icon_16x16.png"));
    QVERIFY(QFile::exists(icons + ".icns"));
    QVERIFY(QFile::exists(icons + ".windows/icon_256x256.png"));
    QVERIFY(QFile::exists(icons + ".ico"));
    QVERIFY(fileContents(icons + "winappicon.rc").endsWith("\t\".ico\""));
}

void TestExportRun::unwritableTargetIsReported()
{
    enableOnly({ "KeyBlackBerry" });
    takePicture(makeMaster(Qt::yellow));
    m_creator->effects()->setSaveName(QStringLiteral("MyApp"));
    const QString out = outFolder();
    // A plain file where the "Icons" folder would go: no folder can be made
    // below it, whoever runs the test.
    QVERIFY(writeFile(out + QStringLiteral("/Icons"), QByteArray()));

    QMWidgets::MessageBox::setNextAnswer(QMessageBox::Ok);
    const QList<int> values = convert(out);
    QCOMPARE(values.last(), 100);
    QCOMPARE(QMWidgets::MessageBox::shown().size(), 1);
    const QMWidgets::MessageBox::Shown warning = QMWidgets::MessageBox::shown().first();
    QCOMPARE(warning.icon, QMessageBox::Warning);
    QVERIFY2(warning.text.contains(QStringLiteral("6 files could not be written")), qPrintable(warning.text));
    QVERIFY2(warning.text.contains(out + QStringLiteral("/Icons/MyApp.blackberry/icon_480x480.png")),
             qPrintable(warning.text));
}

void TestExportRun::vanishedPictureStopsBeforeWriting()
{
    takePicture(makeMaster(Qt::green));
    QVERIFY(QFile::remove(m_picture));
    const QString out = outFolder();

    QMWidgets::MessageBox::setNextAnswer(QMessageBox::Ok);
    convert(out);

    QVERIFY(!QDir(out + QStringLiteral("/Icons")).exists());
    QCOMPARE(QMWidgets::MessageBox::shown().size(), 1);
    QVERIFY(QMWidgets::MessageBox::shown().first().text.contains(m_picture));
    QVERIFY(m_desktop.shownItems.isEmpty());
}

void TestExportRun::nextChooserStartsInTheParentFolder()
{
    enableOnly({});
    takePicture(makeMaster(Qt::blue));
    const QString out = outFolder(QStringLiteral("parent/chosen"));
    convert(out);
    convert(out);

    const QList<Os::FileDialogRequest> requests = Os::fileDialogRequests();
    QVERIFY(requests.size() >= 2);
    QCOMPARE(requests.last().caption, QStringLiteral("Select Path to Store the Icons"));
    QCOMPARE(requests.last().dir, m_dir->filePath(QStringLiteral("parent")));
    QVERIFY(requests.last().options.testFlag(QFileDialog::ShowDirsOnly));
}

LUMASTRAND_APP_TEST_MAIN(TestExportRun)

#include "tst_exportrun.moc"
