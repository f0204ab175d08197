#include "exportrun.h"

#include "app.h"
#include "appsettingsdialog.h"
#include "creator.h"
#include "iconwriter.h"
#include "imagefile.h"
#include "imagesaver.h"
#include "wholefile.h"
#include "writefailures.h"

#include <QDir>
#include <QSize>

#include <algorithm>
#include <cerrno>

namespace {

const int kMacSizes[] = { 16, 32, 128, 256, 512 };
const int kIOSSizes[] = { 16, 20, 32, 64, 29, 40, 48, 50, 57, 58, 60, 72, 76, 83, 1024 };
const int kWatchSizes[] = { 24, 27, 29, 40, 44, 86, 98 };
const int kWindowsSizes[] = { 256, 48, 32, 24, 16 };
const int kWindowsPhoneSizes[] = { 200, 173, 150, 99, 62, 30, 44, 71, 50 };
const int kBlackBerrySizes[] = { 480, 150, 114, 94, 92, 68 };

struct Density
{
    const char* folder;
    int size;
};
const Density kAndroidDensities[] = {
    { "drawable-xxxhdpi/", 192 }, { "drawable-xxhdpi/", 144 }, { "drawable-xhdpi/", 96 },
    { "drawable-hdpi/", 72 },     { "drawable-mdpi/", 48 },    { "drawable-ldpi/", 36 },
};

struct WebIcon
{
    const char* name;
    int size;
};
const WebIcon kWebIcons[] = {
    { "ms-icon-70x70.png", 70 },         { "ms-icon-144x144.png", 144 },
    { "ms-icon-150x150.png", 150 },      { "ms-icon-310x310.png", 310 },
    { "apple-icon-60x60.png", 60 },      { "apple-icon-76x76.png", 76 },
    { "apple-icon-120x120.png", 120 },   { "apple-icon-152x152.png", 152 },
    { "apple-icon-180x180.png", 180 },   { "android-icon-36x36.png", 36 },
    { "android-icon-48x48.png", 48 },    { "android-icon-72x72.png", 72 },
    { "android-icon-96x96.png", 96 },    { "android-icon-144x144.png", 144 },
    { "android-icon-192x192.png", 192 }, { "favicon-16x16.png", 16 },
    { "favicon-32x32.png", 32 },         { "favicon-48x48.png", 48 },
};

struct Tile
{
    const char* name;
    int width;
    int height;
    float factor;
};
const Tile kWindowsPhoneTiles[] = {
    { "Win8xIcon358x358", 358, 358, 1.0f },
    { "Win8xIcon1000x800", 1000, 800, 1.0f },
    { "Win8xIcon414x180", 414, 180, 1.0f },
};
const Tile kStoreTiles[] = {
    { "Square44x44Logo.scale-100", 44, 44, 1.0f },
    { "Square44x44Logo.scale-125", 55, 55, 1.0f },
    { "Square44x44Logo.scale-150", 66, 66, 1.0f },
    { "Square44x44Logo.scale-200", 88, 88, 1.0f },
    { "Square44x44Logo.scale-400", 176, 176, 1.0f },
    { "Square44x44Logo.targetsize-16_altform-unplated", 16, 16, 1.0f },
    { "Square44x44Logo.targetsize-16", 16, 16, 1.0f },
    { "Square44x44Logo.targetsize-24_altform-unplated", 24, 24, 1.0f },
    { "Square44x44Logo.targetsize-24", 24, 24, 1.0f },
    { "Square44x44Logo.targetsize-32_altform-unplated", 32, 32, 1.0f },
    { "Square44x44Logo.targetsize-32", 32, 32, 1.0f },
    { "Square44x44Logo.targetsize-48_altform-unplated", 48, 48, 1.0f },
    { "Square44x44Logo.targetsize-48", 48, 48, 1.0f },
    { "Square44x44Logo.targetsize-256_altform-unplated", 256, 256, 1.0f },
    { "Square44x44Logo.targetsize-256", 256, 256, 1.0f },
    { "Square71x71Logo.scale-100", 71, 71, 1.0f },
    { "Square71x71Logo.scale-125", 89, 89, 1.0f },
    { "Square71x71Logo.scale-150", 107, 107, 1.0f },
    { "Square71x71Logo.scale-200", 142, 142, 1.0f },
    { "Square71x71Logo.scale-400", 284, 284, 1.0f },
    { "Square150x150Logo.scale-100", 150, 150, 1.0f },
    { "Square150x150Logo.scale-125", 188, 188, 1.0f },
    { "Square150x150Logo.scale-150", 225, 225, 1.0f },
    { "Square150x150Logo.scale-200", 300, 300, 1.0f },
    { "Square150x150Logo.scale-400", 600, 600, 1.0f },
    { "Square310x310Logo.scale-100", 310, 310, 1.0f },
    { "Square310x310Logo.scale-125", 388, 388, 1.0f },
    { "Square310x310Logo.scale-150", 465, 465, 1.0f },
    { "Square310x310Logo.scale-200", 620, 620, 1.0f },
    { "Square310x310Logo.scale-400", 1240, 1240, 0.25f },
    { "StoreLogo.scale-100", 50, 50, 1.0f },
    { "StoreLogo.scale-125", 63, 63, 1.0f },
    { "StoreLogo.scale-150", 75, 75, 1.0f },
    { "StoreLogo.scale-200", 100, 100, 1.0f },
    { "StoreLogo.scale-400", 200, 200, 1.0f },
    { "Wide310x150Logo.scale-100", 310, 150, 0.5f },
    { "Wide310x150Logo.scale-125", 388, 188, 0.5f },
    { "Wide310x150Logo.scale-150", 465, 225, 0.5f },
    { "Wide310x150Logo.scale-200", 620, 300, 0.5f },
    { "Wide310x150Logo.scale-400", 1240, 600, 0.5f },
};
const Tile kStoreLogos[] = {
    { "StoreAppLogo300x300", 300, 300, 1.0f },     { "StoreAppLogo150x150", 150, 150, 1.0f },
    { "StoreAppLogo71x71", 71, 71, 1.0f },         { "StoreAppLogo720x1080", 720, 1080, 1.0f },
    { "StoreAppLogo1080x1080", 1080, 1080, 1.0f },
};

// The icon-set pictures of the iOS folder that the asset catalog's icon set names.
const char* const kCatalogIcons[] = {
    "Icon-20x20.png",    "Icon-20x20@2x.png", "Icon-20x20@3x.png", "Icon-29x29.png",    "Icon-29x29@2x.png",
    "Icon-29x29@3x.png", "Icon-40x40.png",    "Icon-40x40@2x.png", "Icon-40x40@3x.png", "Icon-60x60@2x.png",
    "Icon-60x60@3x.png", "Icon-76x76.png",    "Icon-76x76@2x.png", "Icon-83x83@2x.png", "Icon-1024x1024.png",
};

// The launch images that the asset catalog's launch set names.
const char* const kCatalogLaunchImages[] = {
    "iPadLandscape_1x.png",
    "iPadLandscape_2x.png",
    "iPadLandscapeWithoutStatusBar_1x.png",
    "iPadLandscapeWithoutStatusBar_2x.png",
    "iPadPortrait_1x.png",
    "iPadPortrait_2x.png",
    "iPadPortraitWithoutStatusBar_1x.png",
    "iPadPortraitWithoutStatusBar_2x.png",
    "iPhoneLandscapeRetinaHD55.png",
    "iPhonePortrait_1x.png",
    "iPhonePortrait_2x.png",
    "iPhonePortrait_Retina4.png",
    "iPhonePortraitRetinaHD47.png",
    "iPhonePortraitRetinaHD55.png",
};

} // namespace

ExportRun::ExportRun(const QString& chosenFolder, const QString& baseName, const QString& effectState,
                     QObject* parent)
    : QObject(parent)
    , m_icons(chosenFolder + QStringLiteral("/Icons/"))
    , m_baseName(baseName)
    , m_base(m_icons + baseName)
    , m_effectState(effectState)
{
}

bool ExportRun::isUsableBaseName(const QString& name)
{
    // An empty name would hide every file and folder behind a leading dot.
    if (name.trimmed().isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    // No path separators, nothing Windows forbids in file names, and no quote
    // or control character that would break the resource script's line.
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control || QStringLiteral("/\\\"<>:|?*").contains(c))
            return false;
    }
    return true;
}

void ExportRun::run(const QPixmap& decorated, const QPixmap& plain, const std::function<bool()>& canceled)
{
    if (!isUsableBaseName(m_baseName))
        return;
    m_canceled = canceled;

    emit progress(2);
    if (enterBlock(AppSettingsDialog::keyIcns(), m_base + QStringLiteral(".iconset/")))
        writeMacOS(decorated);
    emit progress(30);
    if (enterBlock(AppSettingsDialog::keyIOS(), m_base + QStringLiteral(".iOS/")))
        writeIOS(decorated, plain);
    emit progress(40);
    if (enterBlock(AppSettingsDialog::keyAndroid(), m_base + QStringLiteral(".android/")))
        writeAndroid(decorated);
    emit progress(60);
    if (enterBlock(AppSettingsDialog::keyIco(), m_base + QStringLiteral(".windows/")))
        writeWindows(decorated);
    if (enterBlock(AppSettingsDialog::keyWebFavicons(), m_base + QStringLiteral(".webFavicons/")))
        writeWebIcons(decorated);
    emit progress(70);
    if (enterBlock(AppSettingsDialog::keyWindowsPhone(), m_base + QStringLiteral(".windowsphone/")))
        writeWindowsPhone(decorated);
    emit progress(80);
    if (enterBlock(AppSettingsDialog::keyWindowsStore(), m_base + QStringLiteral(".windowsStore/")))
        writeWindowsStore(plain);
    emit progress(90);
    if (enterBlock(AppSettingsDialog::keyBlackBerry(), m_base + QStringLiteral(".blackberry/")))
        writeBlackBerry(decorated);
    emit progress(100);
}

bool ExportRun::enterBlock(bool enabled, const QString& folder)
{
    if (!enabled || !m_failedFolder.isEmpty())
        return false;
    if (m_canceled && m_canceled())
        return false;
    // "Icons" first, so that a chosen folder that takes no new folder is
    // named as the one at fault rather than the block's.
    return makeFolder(m_icons) && makeFolder(folder);
}

bool ExportRun::makeFolder(const QString& folder)
{
    if (QDir(folder).exists())
        return true;
    errno = 0;
    if (QDir().mkpath(folder))
        return true;
    // The system's reason is left in errno by the failed mkdir.
    const int error = errno;
    m_failedFolder = folder;
    m_failedFolderReason = error ? qt_error_string(error) : QString();
    return false;
}

void ExportRun::copyFile(const QString& source, const QString& folder, const QString& name,
                         QMWidgets::App::ExistingTarget existing) const
{
    QString reason;
    if (!QMWidgets::app()->copyFile(source, folder, name, &reason, existing))
        WriteFailures::report(QDir(folder).filePath(name), reason);
}

void ExportRun::saveIco(const QPixmap& picture, int side, const QString& path) const
{
    // The .ico files bypass the saver: they are never palette-reduced.
    QString reason;
    if (!MGraphX::saveImageFile(IconWriter::scaledSquare(picture, side).toImage(), path, "ICO", -1, &reason))
        WriteFailures::report(path, reason);
}

void ExportRun::saveIcon(const QPixmap& picture, int side, const QString& path) const
{
    ImageSaver::save(IconWriter::scaledSquare(picture, side), path, QStringLiteral("png"));
}

void ExportRun::writeMacOS(const QPixmap& decorated)
{
    const QString folder = m_base + QStringLiteral(".iconset/");
    for (int size : kMacSizes)
        IconWriter::writeSquareIcon(folder, size, decorated, false);
    ImageSaver::save(IconWriter::scaledSquare(decorated, 1024), m_base + QStringLiteral(".icns"),
                     QStringLiteral("ICNS"));
}

void ExportRun::writeIOS(const QPixmap& decorated, const QPixmap& plain)
{
    const QString folder = m_base + QStringLiteral(".iOS/");

    QPixmap iosMaster = plain;
    Creator::applyEffects(iosMaster, m_effectState, !AppSettingsDialog::keyNotMaskedIconsIOS());

    for (int size : kIOSSizes)
        IconWriter::writeSquareIcon(folder, size, iosMaster, false);
    emit progress(32);
    IconWriter::writeSquareIcon(folder, 512, iosMaster, false);
    if (AppSettingsDialog::keyAppleWatchIconsIOS()) {
        for (int size : kWatchSizes)
            IconWriter::writeSquareIcon(folder, size, iosMaster, true);
    }
    emit progress(36);
    if (AppSettingsDialog::keyLaunchScreens()) {
        const QString launchFolder = m_base + QStringLiteral(".iOS_LaunchScreens/");
        if (!makeFolder(launchFolder))
            return;
        IconWriter::writeLaunchScreens(launchFolder, decorated);
    }
    emit progress(38);
    if (AppSettingsDialog::keyXCAssetsIOS())
        writeAssetCatalog();
}

void ExportRun::writeAssetCatalog()
{
    const QString ios = m_base + QStringLiteral(".iOS/");
    const QString catalog = ios + QStringLiteral("Assets.xcassets/");
    const QString iconSet = catalog + QStringLiteral("AppIcon.appiconset/");
    const QString contents = QStringLiteral("Contents.json");

    // The pictures are this run's output and replace those of an earlier
    // run; the templates keep what the user may have edited in them.
    if (!makeFolder(iconSet))
        return;
    copyFile(QStringLiteral(":XCode9/main_contents.json"), catalog, contents);
    copyFile(QStringLiteral(":XCode9/icon_contents.json"), iconSet, contents);
    for (const char* name : kCatalogIcons)
        copyFile(ios + QLatin1String(name), iconSet, QLatin1String(name),
                 QMWidgets::App::ExistingTarget::Replace);
    emit progress(39);

    if (AppSettingsDialog::keyLaunchScreens()) {
        const QString launchSet = catalog + QStringLiteral("LaunchImage.launchimage/");
        const QString launchImages = m_base + QStringLiteral(".iOS_LaunchScreens/");
        if (!makeFolder(launchSet))
            return;
        copyFile(QStringLiteral(":XCode9/launch_contents.json"), launchSet, contents);
        for (const char* name : kCatalogLaunchImages)
            copyFile(launchImages + QLatin1String(name), launchSet, QLatin1String(name),
                     QMWidgets::App::ExistingTarget::Replace);
    }
}

void ExportRun::writeAndroid(const QPixmap& decorated)
{
    const QString folder = m_base + QStringLiteral(".android/");
    if (AppSettingsDialog::keyLaunchScreens()) {
        const QString drawable = folder + QStringLiteral("drawable/");
        if (!makeFolder(drawable))
            return;
        IconWriter::writeLaunchScreens(drawable, decorated);
    }
    for (const Density& density : kAndroidDensities) {
        const QString densityFolder = folder + QLatin1String(density.folder);
        if (!makeFolder(densityFolder))
            return;
        IconWriter::writeSquareIcon(densityFolder, density.size, decorated, false);
    }
    const QString amazon = folder + QStringLiteral("AmazonAppStore/");
    for (int size : { 114, 512 }) {
        if (!makeFolder(amazon))
            return;
        IconWriter::writeSquareIcon(amazon, size, decorated, false);
    }
}

void ExportRun::writeWindows(const QPixmap& decorated)
{
    const QString folder = m_base + QStringLiteral(".windows/");
    for (int size : kWindowsSizes)
        IconWriter::writeSquareIcon(folder, size, decorated, false);

    saveIco(decorated, 256, m_base + QStringLiteral(".ico"));

    // One line without a line end, naming the .ico beside the script, in
    // Latin-1. A name beyond Latin-1 would turn into question marks there, so
    // such a script is UTF-8 and says so in a first line.
    const QString scriptPath = m_icons + QStringLiteral("winappicon.rc");
    const QString line
        = QStringLiteral("IDI_ICON1\tICON\tDISCARDABLE\t\"") + m_baseName + QStringLiteral(".ico\"");
    const bool latin1 = std::all_of(line.begin(), line.end(), [](QChar c) { return c.unicode() < 0x100; });
    const QByteArray script = latin1 ? line.toLatin1() : "#pragma code_page(65001)\n" + line.toUtf8();
    QString reason;
    if (!MTools::WholeFile::write(scriptPath, script, &reason))
        WriteFailures::report(scriptPath, reason);
}

void ExportRun::writeWebIcons(const QPixmap& decorated)
{
    const QString folder = m_base + QStringLiteral(".webFavicons/");
    copyFile(QStringLiteral(":/touchiconsreadme.txt"), folder, QStringLiteral("readme.txt"));
    copyFile(QStringLiteral(":/browserconfig.xml"), folder, QStringLiteral("browserconfig.xml"));

    saveIco(decorated, 48, folder + QStringLiteral("favicon.ico"));

    saveIcon(decorated, 180, folder + QStringLiteral("apple-touch-icon.png"));

    const QString vorpix = folder + QStringLiteral("vorpix/");
    if (!makeFolder(vorpix))
        return;
    copyFile(QStringLiteral(":/manifest.json"), vorpix, QStringLiteral("manifest.json"));
    for (const WebIcon& icon : kWebIcons)
        saveIcon(decorated, icon.size, vorpix + QLatin1String(icon.name));
}

void ExportRun::writeWindowsPhone(const QPixmap& decorated)
{
    const QString folder = m_base + QStringLiteral(".windowsphone/");
    for (int size : kWindowsPhoneSizes)
        IconWriter::writeSquareIcon(folder, size, decorated, false);
    for (const Tile& tile : kWindowsPhoneTiles)
        IconWriter::writeTile(folder, QSize(tile.width, tile.height), decorated, QLatin1String(tile.name),
                              tile.factor);
    if (AppSettingsDialog::keyLaunchScreens())
        IconWriter::writeLaunchScreens(folder, decorated);
}

void ExportRun::writeWindowsStore(const QPixmap& plain)
{
    const QString folder = m_base + QStringLiteral(".windowsStore/");
    const QString assets = folder + QStringLiteral("Assets/");
    if (!makeFolder(assets))
        return;

    QPixmap storeMaster = plain;
    Creator::applyEffects(storeMaster, m_effectState, false);

    for (const Tile& tile : kStoreTiles)
        IconWriter::writeTile(assets, QSize(tile.width, tile.height), storeMaster, QLatin1String(tile.name),
                              tile.factor);
    for (const Tile& tile : kStoreLogos)
        IconWriter::writeTile(folder, QSize(tile.width, tile.height), storeMaster, QLatin1String(tile.name),
                              tile.factor);
    copyFile(QStringLiteral(":/AppxManifest.xml"), folder, QStringLiteral("AppxManifest.xml"));
}

void ExportRun::writeBlackBerry(const QPixmap& decorated)
{
    const QString folder = m_base + QStringLiteral(".blackberry/");
    for (int size : kBlackBerrySizes)
        IconWriter::writeSquareIcon(folder, size, decorated, false);
}
