// The export engine without a widget or the application object: the
// effects, the tile and launch-image writers and the saver on real files;
// whole runs: the tree and its files in the tools users build with, the
// same tree in folders named like platforms, what each option leaves out,
// which master each block shows, reruns, a full disk and base names that
// must not be taken.

#include "effects.h"
#include "iconsetexport.h"
#include "picturesaver.h"
#include "picturewriters.h"
#include "pixelcompare.h"
#include "tooling.h"

#include <QtGui>
#include <QtTest>

#include <cstring>

using namespace TestSupport;
using G = GeneratorSettings;

namespace {

const QColor Base(96, 128, 160);
const QColor Blue(20, 60, 200);

QImage argb(const QImage& image)
{
    return image.convertToFormat(QImage::Format_ARGB32);
}

QImage solid(int side)
{
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(Base);
    return image;
}

// The overlays painted in the given order over the base colour, cut by the
// mask (whose grey is the alpha kept) when asked.
QImage composed(const QStringList& overlays, bool cut)
{
    QImage want = solid(1024);
    QPainter painter(&want);
    for (const QString& path : overlays)
        painter.drawImage(0, 0, QImage(path));
    QImage mask = argb(QImage(":/roundrectmask.png"));
    for (int y = 0; y < 1024; ++y)
        for (int x = 0; x < 1024; ++x)
            mask.setPixel(x, y, qRgba(0, 0, 0, cut ? qRed(mask.pixel(x, y)) : 255));
    painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    painter.drawImage(0, 0, mask);
    return want;
}

int mismatches(const QImage& got, const QImage& want, int tolerance)
{
    const QImage a = got.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage b = want.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += !pixelsClose(a.pixel(x, y), b.pixel(x, y), tolerance);
    return count;
}

// A blue square; `framed` leaves a transparent border of 1/8 of the side.
QImage master(bool framed)
{
    QImage image(1024, 1024, QImage::Format_ARGB32);
    image.fill(framed ? QColor(Qt::transparent) : Blue);
    QPainter(&image).fillRect(128, 128, 768, 768, Blue);
    return image;
}

template<typename Match> QRect extent(const QImage& image, Match match, QRect area = QRect())
{
    area = area.isNull() ? image.rect() : area;
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (match(image.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

bool near(QRgb pixel, const QColor& colour)
{
    return pixelsClose(pixel, colour.rgb(), 3) && qAlpha(pixel) == 255;
}

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

// The pictures a catalog, manifest or web instruction names, as paths under
// "Icons", each with the size in pixels it claims (none where it claims none).
QList<QPair<QString, QSize>> namedPictures(const QString& icons, const QString& file)
{
    const QString folder = file.section('/', 0, -2) + '/', root = file.section('/', 0, 0) + '/';
    const QString text = QString::fromUtf8(fileContents(icons + file));
    QList<QPair<QString, QSize>> named;
    if (!file.endsWith(".json")) {
        // A name in quotes or an element, its claim the last size before it in its tag or line.
        const QRegularExpression reference(R"([">](/|Assets\\)?([\w/-]+)(\.png|\.ico)["<])");
        for (auto it = reference.globalMatch(text); it.hasNext();) {
            const QRegularExpressionMatch name = it.next();
            const QRegularExpressionMatch claim
                = QRegularExpression(R"((\d+)x(\d+)\D*$)")
                      .match(text.left(name.capturedStart()).section(QRegularExpression("[<\n]"), -1));
            // A Store manifest names its logos without their scale.
            const bool store = name.captured(1) == "Assets\\";
            named << qMakePair((store ? folder + "Assets/" : root) + name.captured(2)
                                   + (store ? ".scale-100" : "") + name.captured(3),
                               claim.hasMatch() ? QSize(claim.captured(1).toInt(), claim.captured(2).toInt())
                                                : QSize());
        }
        return named;
    }
    // Launch screens in points, upright and under the status bar, by idiom and subtype.
    const QHash<QString, QSize> screens { { "iphone", { 320, 480 } },
                                          { "iphoneretina4", { 320, 568 } },
                                          { "iphone667h", { 375, 667 } },
                                          { "iphone736h", { 414, 736 } },
                                          { "ipad", { 768, 1024 } } };
    const QJsonObject json = QJsonDocument::fromJson(text.toUtf8()).object();
    for (const QJsonValue& value : json.value(json.contains("icons") ? "icons" : "images").toArray()) {
        const QJsonObject entry = value.toObject();
        const auto field = [&entry](const char* key) { return entry.value(QLatin1String(key)).toString(); };
        const double scale = field("scale").section('x', 0, 0).toDouble();
        if (entry.contains("src")) { // a web manifest: pixels, and a density of 48 pixels
            const QString path = root + field("src").mid(1);
            const int side = qRound(field("density").toDouble() * 48);
            named << qMakePair(
                path,
                QSize(field("sizes").section('x', 0, 0).toInt(), field("sizes").section('x', 1).toInt()))
                  << qMakePair(path, QSize(side, side));
        } else if (entry.contains("size")) { // an icon: points at a scale
            const int side = qRound(field("size").section('x', 0, 0).toDouble() * scale);
            named << qMakePair(folder + field("filename"), QSize(side, side));
        } else {
            QSize points = screens.value(field("idiom") + field("subtype"));
            if (field("orientation") == "landscape")
                points.transpose();
            points.rheight() -= field("extent") == "to-status-bar" ? 20 : 0;
            named << qMakePair(folder + field("filename"), points * scale);
        }
    }
    return named;
}

// Every file under icons, one "path<tab>size" line each ("-" for no picture), sorted.
QStringList treeOf(const QString& icons)
{
    QStringList tree;
    for (QDirIterator it(icons, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();) {
        const QString path = it.next();
        const QSize size = QImageReader(path).size();
        tree << QDir(icons).relativeFilePath(path) + '\t'
                + (path.endsWith(".png") ? QStringLiteral("%1x%2").arg(size.width()).arg(size.height())
                                         : "-");
    }
    tree.sort();
    return tree;
}

IconSetExport::Report run(const QString& folder, const QString& effects, const GeneratorSettings& settings,
                          const QImage& master, const QString& name = "A", QList<int>* progress = nullptr)
{
    IconSetExport::Callbacks callbacks;
    callbacks.progress = [progress](int value) { progress ? progress->append(value) : void(); };
    return IconSetExport(folder, name, effects, settings).run(master, callbacks);
}

} // namespace

class TstEngine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { m_dir.reset(new QTemporaryDir); }
    void effects_data();
    void effects();
    void tiles_data();
    void tiles();
    void launchScreens();
    void saver_data();
    void saver();
    void wholeTree();
    void writtenFilesPassTheUsersTools();
    void foldersNamedLikePlatformsChangeNothing_data();
    void foldersNamedLikePlatformsChangeNothing();
    void blocksUseTheirMasters_data();
    void blocksUseTheirMasters();
    void templatesNameTheWrittenPictures_data();
    void templatesNameTheWrittenPictures();
    void rerunRewritesPicturesButKeepsTemplates();
    void fullDiskLeavesOnlyWholeFilesAndAnExactCount();
    void baseNames_data();
    void baseNames();

private:
    PictureWriters writers()
    {
        return PictureWriters(
            [](const QImage& picture, const QString& path, const QString& format, QString* reason) {
                return PictureSaver::save(picture, path, format, GeneratorSettings(), reason);
            },
            [this] { ++m_between; });
    }

    int m_between = 0;
    QTemporaryDir m_whole; // a full lossy run, made once
    QString m_icons;
    IconSetExport::Report m_report;
    QList<int> m_progress;
    QStringList m_tree;
    QScopedPointer<QTemporaryDir> m_dir;
    QTemporaryDir m_masterRuns;
    QTemporaryDir m_plainRun; // the square-icon platforms, into a folder named like none
    QStringList m_plainTree;
};

void TstEngine::initTestCase()
{
    // Lossy: every file but the .ico files goes through a palette of 16 colours.
    GeneratorSettings settings;
    settings.set(G::LossyCompression, true);
    settings.set(G::Quality, 16);
    m_report = run(m_whole.path(), "RoundedEdgesItem;", settings, makeMaster(QColor(30, 120, 220)), "MyApp",
                   &m_progress);
    m_icons = m_whole.filePath("Icons/");
    m_tree = treeOf(m_icons);
}

void TstEngine::effects_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<bool>("mask");
    QTest::addColumn<QStringList>("overlays"); // in drawing order
    QTest::addColumn<bool>("cut");

    const QString lite(":/litelabel.png"), free(":/freelabel.png"), top(":/glossytop.png");
    QTest::newRow("volume, frame, rounding without mask")
        << "VolumeItem;FrameItem;RoundedEdgesItem;" << false << QStringList() << false;
    // Only whole names count: a longer or shorter word is none of them.
    QTest::newRow("names inside other words")
        << "MyTopGlossyItem;Volume;FrameItems;" << true << QStringList() << false;
    QTest::newRow("centre gloss") << "CenterGlossyItem;" << false << QStringList { ":/glossymiddle.png" }
                                  << false;
    // Where two layers meet the later one lies on top, whatever the order of the words.
    QTest::newRow("free over lite") << "FreeLabelItem;LiteLabelItem;" << false << QStringList { lite, free }
                                    << false;
    QTest::newRow("lite over top gloss, masked")
        << "LiteLabelItem;TopGlossyItem;" << true << QStringList { top, lite } << false;
    QTest::newRow("free over frame") << "FreeLabelItem;FrameItem;" << true
                                     << QStringList { ":/frame.png", free } << true;
    QTest::newRow("lite over volume")
        << "LiteLabelItem;VolumeItem;" << true << QStringList { ":/volume.png", lite } << true;
    QTest::newRow("rounded edges") << "RoundedEdgesItem;" << true << QStringList() << true;
}

void TstEngine::effects()
{
    QFETCH(QString, state);
    QFETCH(bool, mask);
    QFETCH(QStringList, overlays);
    QFETCH(bool, cut);

    QImage picture = solid(1024);
    Effects::apply(picture, state, mask);
    QCOMPARE(mismatches(picture, composed(overlays, cut), 2), 0);
    // Two bands meet somewhere, or this test could not tell their orders apart.
    if (overlays.size() == 2)
        QVERIFY(mismatches(composed({ overlays.last(), overlays.first() }, cut), composed(overlays, cut), 8)
                > 0);
}

void TstEngine::tiles_data()
{
    QTest::addColumn<QSize>("canvas");
    QTest::addColumn<float>("factor");
    QTest::addColumn<bool>("framed");
    QTest::addColumn<QRect>("blue");

    // At (176.5, 56.5) the raster engine blits at whole pixels, rounding the half up.
    QTest::newRow("465x225 half") << QSize(465, 225) << 0.5f << false << QRect(177, 57, 112, 112);
    QTest::newRow("720x1080 portrait") << QSize(720, 1080) << 1.0f << false << QRect(0, 180, 720, 720);
    QTest::newRow("1240 quarter") << QSize(1240, 1240) << 0.25f << false << QRect(465, 465, 310, 310);
    QTest::newRow("too large") << QSize(100, 100) << 2.0f << false << QRect(0, 0, 100, 100);
    QTest::newRow("square side rounds half up") << QSize(5, 5) << 0.5f << false << QRect(1, 1, 3, 3);
    // Transparent parts of the picture show the opaque white canvas.
    QTest::newRow("framed") << QSize(465, 225) << 0.5f << true << QRect(191, 71, 84, 84);
    QTest::newRow("framed, smooth edge") << QSize(100, 100) << 1.0f << true << QRect(13, 13, 74, 74);
}

void TstEngine::tiles()
{
    QFETCH(QSize, canvas);
    QFETCH(float, factor);
    QFETCH(bool, framed);
    QFETCH(QRect, blue);

    m_between = 0;
    QVERIFY(writers().writeTile(m_dir->path() + '/', canvas, master(framed), QStringLiteral("Tile"), factor));
    QCOMPARE(m_between, 1);
    const QImage tile(m_dir->filePath("Tile.png"));
    QCOMPARE(tile.size(), canvas);
    QVERIFY(!tile.hasAlphaChannel());
    // A smooth scaling blends the picture's edge where it falls inside a pixel.
    const int rim = QTest::currentDataTag() == QByteArray("framed, smooth edge");
    QCOMPARE(extent(tile, [](QRgb p) { return !near(p, Qt::white); }), blue.adjusted(-rim, -rim, rim, rim));
    QCOMPARE(extent(tile, [](QRgb p) { return near(p, Blue); }), blue);
}

void TstEngine::launchScreens()
{
    const QString dir = m_dir->filePath(QStringLiteral("A.iOS_LaunchScreens/"));
    QVERIFY(QDir().mkpath(dir));
    m_between = 0;
    QVERIFY(writers().writeLaunchScreens(dir, master(false)));
    QCOMPARE(m_between, 8); // before each of the eight large pictures
    QCOMPARE(QDir(dir).entryList(QDir::Files).size(), 14);

    for (const auto& [file, icon, fontPixelSize] :
         { std::tuple<const char*, QRect, int> { "iPhonePortraitRetinaHD47.png", QRect(187, 479, 375, 375),
                                                 93 },
           { "iPhoneLandscapeRetinaHD55.png", QRect(793, 310, 621, 621), 155 } }) {
        const QImage image(dir + QLatin1String(file));
        QCOMPARE(extent(image, [](QRgb p) { return near(p, Blue); }), icon);
        QVERIFY(near(image.pixel(0, 0), Qt::black));
        // "Please wait..." in white, centred at the bottom of the picture less a 10 pixel margin.
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(fontPixelSize);
        const QFontMetrics metrics(font);
        const QString text = QStringLiteral("Please wait...");
        const QPoint baseline(10 + (image.width() - 20 - metrics.horizontalAdvance(text)) / 2,
                              image.height() - 10 - metrics.descent());
        const QRect want = metrics.tightBoundingRect(text).translated(baseline);
        const QRect below(0, icon.bottom() + 1, image.width(), image.height() - icon.bottom() - 1);
        const QRect got = extent(
            image, [](QRgb p) { return qRed(p) > 128 && qBlue(p) > 128; }, below);
        // The ink's right end is not where the metrics put it; its start and height are.
        for (const int edge :
             { got.left() - want.left(), got.top() - want.top(), got.bottom() - want.bottom() })
            QVERIFY2(qAbs(edge) <= 2, file);
    }
}

void TstEngine::saver_data()
{
    QTest::addColumn<QRgb>("corner"); // the one pixel unlike a grey ramp
    QTest::addColumn<bool>("greyFile");
    // Lossless keeps every pixel; an opaque grey picture is written as grey.
    QTest::newRow("translucent") << qRgba(9, 9, 9, 0) << false;
    QTest::newRow("opaque grey") << qRgb(9, 9, 9) << true;
    QTest::newRow("one coloured pixel") << qRgb(9, 10, 9) << false;
}

void TstEngine::saver()
{
    QFETCH(QRgb, corner);
    QFETCH(bool, greyFile);
    QImage picture(64, 64, qAlpha(corner) == 255 ? QImage::Format_RGB32 : QImage::Format_ARGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            picture.setPixel(x, y, qRgb(x * 4, x * 4, x * 4));
    picture.setPixel(63, 63, corner);
    GeneratorSettings settings;
    settings.set(GeneratorSettings::Quality, 4); // only for a lossy save
    const QString file = m_dir->filePath(QString::fromLatin1(QTest::currentDataTag()) + ".png");
    QVERIFY(PictureSaver::save(picture, file, "png", settings));
    QCOMPARE(QImage(file).format() == QImage::Format_Grayscale8, greyFile);
    QCOMPARE(argb(QImage(file)), argb(picture));
}

void TstEngine::wholeTree()
{
    QCOMPARE(m_progress, (QList<int> { 2, 30, 32, 36, 38, 39, 40, 60, 70, 80, 90, 100 }));
    QCOMPARE(m_tree,
             QString(fileContents(LUMASTRAND_TEST_DATA "/export-all.txt")).split('\n', Qt::SkipEmptyParts));
    QVERIFY(m_report.complete());
    // Written once each, the catalog's copies of the pictures too.
    QCOMPARE(m_report.written.size(), m_tree.size());
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
}

void TstEngine::writtenFilesPassTheUsersTools()
{
    // Each .ico holds one 32-bit image of its size.
    const QString icons
        = runTool("icotool", { "-l", m_icons + "MyApp.ico", m_icons + "MyApp.webFavicons/favicon.ico" })
              .output;
    QVERIFY2(icons.count('\n') == 2 && icons.count("--bit-depth=32") == 2 && icons.contains("--width=256 ")
                 && icons.contains("--width=48 "),
             qPrintable(icons));
    QVERIFY(runTool("icns2png", { "-l", m_icons + "MyApp.icns" }).output.contains("1024x1024"));
    QList<QStringList> runs { { "i686-w64-mingw32-windres", "winappicon.rc", "-O", "coff", "-o",
                                m_dir->filePath("i.res") },
                              { "xmllint", "--noout", "MyApp.webFavicons/browserconfig.xml",
                                "MyApp.windowsStore/AppxManifest.xml" },
                              { "pngcheck", "-q" } };
    for (const QString& line : m_tree) {
        const QString file = line.section('\t', 0, 0);
        if (file.endsWith(".json"))
            runs.append({ "jq", ".", file });
        if (file.endsWith(".png"))
            runs[2].append(file);
    }
    for (QStringList arguments : runs)
        QCOMPARE(failedTool(qPrintable(arguments.takeFirst()), arguments, m_icons), QString());
}

void TstEngine::templatesNameTheWrittenPictures_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("named"); // pictures, or claims of sizes
    QTest::newRow("icon set") << "MyApp.iOS/Assets.xcassets/AppIcon.appiconset/Contents.json" << 19;
    QTest::newRow("launch images") << "MyApp.iOS/Assets.xcassets/LaunchImage.launchimage/Contents.json" << 20;
    QTest::newRow("web manifest") << "MyApp.webFavicons/vorpix/manifest.json" << 12;
    QTest::newRow("browser configuration") << "MyApp.webFavicons/browserconfig.xml" << 3;
    QTest::newRow("web instructions") << "MyApp.webFavicons/readme.txt" << 17;
    QTest::newRow("Store manifest") << "MyApp.windowsStore/AppxManifest.xml" << 6;
}

void TstEngine::templatesNameTheWrittenPictures()
{
    QFETCH(QString, file);
    QFETCH(int, named);
    const QList<QPair<QString, QSize>> pictures = namedPictures(m_icons, file);
    QCOMPARE(pictures.size(), named);
    QSet<QString> names;
    for (const auto& [path, claimed] : pictures) {
        const QSize real = QImageReader(m_icons + path).size();
        QVERIFY2(real.isValid() && (claimed.isEmpty() || real == claimed),
                 qPrintable(QStringLiteral("%1: %2x%3").arg(path).arg(real.width()).arg(real.height())));
        names << path.section('/', -1);
    }
    // A catalog's set holds exactly the pictures its entries name.
    const QStringList held = QDir(m_icons + file.section('/', 0, -2)).entryList({ "*.png" });
    if (file.contains(".xcassets/"))
        QCOMPARE(names, QSet<QString>(held.begin(), held.end()));
}

void TstEngine::foldersNamedLikePlatformsChangeNothing_data()
{
    QTest::addColumn<QString>("chosen"); // below the temporary folder
    for (const char* chosen : { "MyApp.iOS", "Brand.iconset", "app.android", "x.windows", "y.windowsphone",
                                "z.blackberry", "AmazonAppStore", "Brand.iconset/work" })
        QTest::newRow(chosen) << QString::fromLatin1(chosen);
}

void TstEngine::foldersNamedLikePlatformsChangeNothing()
{
    QFETCH(QString, chosen);
    // Every platform with square icons, with the catalog's copies of the iOS
    // icons; without the launch images, which take long.
    const GeneratorSettings settings = only({ G::Icns, G::IOS, G::Android, G::Ico, G::WindowsPhone,
                                              G::BlackBerry, G::LaunchScreens, G::LossyCompression });
    const QImage master = makeMaster(Qt::blue);
    if (m_plainTree.isEmpty()) {
        QVERIFY(run(m_plainRun.path(), QString(), settings, master).complete());
        m_plainTree = treeOf(m_plainRun.filePath("Icons"));
    }
    const QString folder = m_dir->filePath(chosen);
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(run(folder, QString(), settings, master).complete());
    QCOMPARE(treeOf(folder + "/Icons"), m_plainTree);
}

void TstEngine::blocksUseTheirMasters_data()
{
    // What shows at a point of a file: 'P' the blue master untouched, 'V' the
    // volume drawn over it, 'T' cut away by the rounded mask, 'W' the white
    // tile canvas, 'X' no such file: without the mask the run is also made
    // without the catalog, the watch icons and the launch images.
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
    row(false, "A.iOS/AppleWatch-40x40@2x.png", {}, 'X');
    row(false, "A.iOS/Assets.xcassets/Contents.json", {}, 'X');
    row(false, "A.iOS_LaunchScreens/iPhonePortrait_1x.png", {}, 'X');
    row(false, "A.android/drawable/logo.png", {}, 'X');
    row(true, "A.android/drawable/logo.png", { 240, 400 }, 'V');
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

void TstEngine::blocksUseTheirMasters()
{
    QFETCH(bool, notMasked);
    QFETCH(QString, file);
    QFETCH(QPoint, point);
    QFETCH(char, kind);

    // Volume draws only with the mask; the master is one blue. One run for each flag.
    const QString out = m_masterRuns.filePath(QString::number(notMasked));
    if (!QDir(out).exists()) {
        QList<G::Option> on { G::Icns, G::IOS, G::Android, G::WindowsPhone, G::WindowsStore };
        if (!notMasked)
            on << G::XCAssetsIOS << G::AppleWatchIconsIOS << G::LaunchScreens;
        GeneratorSettings settings = only(on);
        settings.set(G::NotMaskedIconsIOS, notMasked);
        settings.set(G::LossyCompression, true); // quicker; 256 colours keep these pixels
        QImage blue(1024, 1024, QImage::Format_RGB32);
        blue.fill(QColor(40, 40, 200));
        run(out, "VolumeItem;", settings, blue);
    }
    if (kind == 'X') {
        QVERIFY(!QFileInfo::exists(out + "/Icons/" + file));
        return;
    }
    const QRgb pixel = QImage(out + "/Icons/" + file).convertToFormat(QImage::Format_ARGB32).pixel(point);
    const QRgb blue = qRgb(40, 40, 200);
    const bool shows = kind == 'T' ? qAlpha(pixel) == 0
        : kind == 'V'              ? qAlpha(pixel) == 255 && !pixelsClose(pixel, blue, 2)
                                   : pixelsClose(pixel, kind == 'P' ? blue : qRgb(255, 255, 255), 2);
    QVERIFY2(shows, qPrintable(QString::number(pixel, 16)));
}

void TstEngine::rerunRewritesPicturesButKeepsTemplates()
{
    const GeneratorSettings settings = only({ G::IOS, G::WebFavicons });
    const QString icons = m_dir->filePath("Icons/");
    const QString contents = icons + "A.iOS/Assets.xcassets/Contents.json";
    run(m_dir->path(), QString(), settings, makeMaster(Qt::red));
    QVERIFY(writeFile(contents, "edited by the user"));
    QVERIFY(run(m_dir->path(), QString(), settings, makeMaster(Qt::blue)).complete());

    // (100, 100) lies in the gradient, away from the disc.
    for (const char* file :
         { "A.iOS/Icon-1024x1024.png", "A.iOS/Assets.xcassets/AppIcon.appiconset/Icon-1024x1024.png",
           "A.iOS/Assets.xcassets/LaunchImage.launchimage/iPadPortrait_2x.png" })
        QVERIFY2(QColor(QImage(icons + file).pixel(100, 100)).red() < 100, file);
    QCOMPARE(fileContents(contents), QByteArray("edited by the user"));
}

void TstEngine::fullDiskLeavesOnlyWholeFilesAndAnExactCount()
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

void TstEngine::baseNames_data()
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

void TstEngine::baseNames()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, script);
    // A name refused writes nothing at all, and the report says so.
    const IconSetExport::Report report
        = run(m_dir->path(), QString(), only({ G::Ico }), makeMaster(Qt::red), name);
    QCOMPARE(QDir(m_dir->path()).isEmpty(), script.isEmpty());
    QCOMPARE(report.baseNameRefused, script.isEmpty());
    QCOMPARE(report.complete(), !script.isEmpty());
    QCOMPARE(fileContents(m_dir->filePath("Icons/winappicon.rc")), script);
    // The resource compiler finds the icon the script names. (A Latin-1
    // script names "é" in the Windows code page, not as this file system does.)
    if (script.startsWith("#pragma"))
        QCOMPARE(failedTool("i686-w64-mingw32-windres", { "winappicon.rc", "-O", "coff", "-o", "i.res" },
                            m_dir->filePath("Icons")),
                 QString());
}

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    TstEngine test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_engine.moc"
