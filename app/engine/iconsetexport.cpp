#include "iconsetexport.h"

#include "effects.h"
#include "iconnaming.h"
#include "imagefile.h"
#include "picture.h"
#include "picturesaver.h"
#include "picturewriters.h"
#include "wholefile.h"

#include <QDir>
#include <QSize>

#include <algorithm>
#include <cerrno>

namespace {

using IconNaming::SquareScheme;

// Progress values inside the iOS block: after its icons, after the watch
// icons, after the launch images, and after the catalog's icon set.
enum IOSProgress { IOSIconsDone = 32, WatchIconsDone = 36, LaunchImagesDone = 38, CatalogIconsDone = 39 };
// The progress value the run starts with, and the value of a block that sets none.
constexpr int StartProgress = 2;
constexpr int NoProgress = -1;

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

IconSetExport::IconSetExport(const QString& chosenFolder, const QString& baseName, const QString& effectState,
                             const GeneratorSettings& settings)
    : m_icons(chosenFolder + QStringLiteral("/Icons/"))
    , m_baseName(baseName)
    , m_base(m_icons + baseName)
    , m_effectState(effectState)
    , m_settings(settings)
{
}

bool IconSetExport::isUsableBaseName(const QString& name)
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

IconSetExport::Report IconSetExport::run(const QImage& master, const Callbacks& callbacks)
{
    m_report = Report();
    m_callbacks = callbacks;
    if (!isUsableBaseName(m_baseName)) {
        m_report.baseNameRefused = true;
        return m_report;
    }

    // Both masters are made once: the plain one for the blocks that decorate
    // it their own way, the decorated one (effects with the mask) for the rest.
    m_plain = Picture::normalized(master);
    m_decorated = m_plain;
    Effects::apply(m_decorated, m_effectState, true);
    if (m_decorated.isNull() && !m_plain.isNull()) {
        m_report.masterTooLarge = true;
        return m_report;
    }

    const PictureWriters writers([this](const QImage& picture, const QString& path, const QString& format,
                                        QString* reason) { return save(picture, path, format, reason); },
                                 m_callbacks.betweenPictures);
    m_writers = &writers;

    struct Block
    {
        GeneratorSettings::Option option;
        const char* suffix;
        void (IconSetExport::*write)(const QString& folder);
        int progressAfter;
    };
    static const Block Blocks[] = {
        { GeneratorSettings::Icns, ".iconset/", &IconSetExport::writeMacOS, 30 },
        { GeneratorSettings::IOS, ".iOS/", &IconSetExport::writeIOS, 40 },
        { GeneratorSettings::Android, ".android/", &IconSetExport::writeAndroid, 60 },
        { GeneratorSettings::Ico, ".windows/", &IconSetExport::writeWindows, NoProgress },
        { GeneratorSettings::WebFavicons, ".webFavicons/", &IconSetExport::writeWebIcons, 70 },
        { GeneratorSettings::WindowsPhone, ".windowsphone/", &IconSetExport::writeWindowsPhone, 80 },
        { GeneratorSettings::WindowsStore, ".windowsStore/", &IconSetExport::writeWindowsStore, 90 },
        { GeneratorSettings::BlackBerry, ".blackberry/", &IconSetExport::writeBlackBerry, 100 },
    };

    progress(StartProgress);
    for (const Block& block : Blocks) {
        // A folder that could not be made ends the run as a cancel does.
        if (on(block.option) && m_report.failedFolder.isEmpty()
            && !(m_callbacks.canceled && m_callbacks.canceled())) {
            const QString folder = m_base + QLatin1String(block.suffix);
            // "Icons" first, so that a chosen folder that takes no new folder
            // is named as the one at fault rather than the block's.
            if (makeFolder(m_icons) && makeFolder(folder))
                (this->*block.write)(folder);
        }
        if (block.progressAfter != NoProgress)
            progress(block.progressAfter);
    }
    m_writers = nullptr;
    return m_report;
}

void IconSetExport::progress(int value) const
{
    if (m_callbacks.progress)
        m_callbacks.progress(value);
}

bool IconSetExport::makeFolder(const QString& folder)
{
    if (QDir(folder).exists())
        return true;
    errno = 0;
    if (QDir().mkpath(folder))
        return true;
    // The system's reason is left in errno by the failed mkdir.
    const int error = errno;
    m_report.failedFolder = folder;
    m_report.failedFolderReason = error ? qt_error_string(error) : QString();
    return false;
}

void IconSetExport::record(bool written, const QString& path, const QString& reason)
{
    if (written)
        m_report.written.append(path);
    else
        m_report.failures.append({ path, reason });
}

bool IconSetExport::save(const QImage& picture, const QString& path, const QString& format, QString* reason)
{
    QString why;
    const bool written = PictureSaver::save(picture, path, format, m_settings, &why);
    record(written, path, why);
    if (reason)
        *reason = why;
    return written;
}

void IconSetExport::copyFile(const QString& source, const QString& folder, const QString& name, bool replace)
{
    if (!makeFolder(folder))
        return;
    const QString target = QDir(folder).filePath(name);
    QString reason;
    record(MTools::WholeFile::copy(source, target, replace, &reason), target, reason);
}

void IconSetExport::saveIco(const QImage& picture, int side, const QString& path)
{
    // The .ico files bypass the saver: they are never palette-reduced.
    QString reason;
    record(MGraphX::saveImageFile(Picture::scaledSquare(picture, side), path, "ICO", -1, &reason), path,
           reason);
}

void IconSetExport::saveIcon(const QImage& picture, int side, const QString& path)
{
    save(Picture::scaledSquare(picture, side), path, QStringLiteral("png"), nullptr);
}

void IconSetExport::writeMacOS(const QString& folder)
{
    for (int size : kMacSizes)
        m_writers->writeSquareIcon(folder, SquareScheme::Iconset, size, m_decorated, false);
    save(Picture::scaledSquare(m_decorated, Picture::MasterSide), m_base + QStringLiteral(".icns"),
         QStringLiteral("ICNS"), nullptr);
}

void IconSetExport::writeIOS(const QString& folder)
{
    QImage iosMaster = m_plain;
    Effects::apply(iosMaster, m_effectState, !on(GeneratorSettings::NotMaskedIconsIOS));

    for (int size : kIOSSizes)
        m_writers->writeSquareIcon(folder, SquareScheme::IOS, size, iosMaster, false);
    progress(IOSIconsDone);
    m_writers->writeSquareIcon(folder, SquareScheme::IOS, 512, iosMaster, false);
    if (on(GeneratorSettings::AppleWatchIconsIOS)) {
        for (int size : kWatchSizes)
            m_writers->writeSquareIcon(folder, SquareScheme::IOS, size, iosMaster, true);
    }
    progress(WatchIconsDone);
    if (on(GeneratorSettings::LaunchScreens)) {
        const QString launchFolder = m_base + QStringLiteral(".iOS_LaunchScreens/");
        if (!makeFolder(launchFolder))
            return;
        m_writers->writeLaunchScreens(launchFolder, m_decorated);
    }
    progress(LaunchImagesDone);
    if (on(GeneratorSettings::XCAssetsIOS))
        writeAssetCatalog(folder);
}

void IconSetExport::writeAssetCatalog(const QString& iosFolder)
{
    const QString catalog = iosFolder + QStringLiteral("Assets.xcassets/");
    const QString iconSet = catalog + QStringLiteral("AppIcon.appiconset/");
    const QString contents = QStringLiteral("Contents.json");

    // The pictures are this run's output and replace those of an earlier
    // run; the templates keep what the user may have edited in them.
    if (!makeFolder(iconSet))
        return;
    copyFile(QStringLiteral(":XCode9/main_contents.json"), catalog, contents);
    copyFile(QStringLiteral(":XCode9/icon_contents.json"), iconSet, contents);
    for (const char* name : kCatalogIcons)
        copyFile(iosFolder + QLatin1String(name), iconSet, QLatin1String(name), true);
    progress(CatalogIconsDone);

    if (on(GeneratorSettings::LaunchScreens)) {
        const QString launchSet = catalog + QStringLiteral("LaunchImage.launchimage/");
        const QString launchImages = m_base + QStringLiteral(".iOS_LaunchScreens/");
        if (!makeFolder(launchSet))
            return;
        copyFile(QStringLiteral(":XCode9/launch_contents.json"), launchSet, contents);
        for (const char* name : kCatalogLaunchImages)
            copyFile(launchImages + QLatin1String(name), launchSet, QLatin1String(name), true);
    }
}

void IconSetExport::writeAndroid(const QString& folder)
{
    if (on(GeneratorSettings::LaunchScreens)) {
        const QString drawable = folder + QStringLiteral("drawable/");
        if (!makeFolder(drawable))
            return;
        m_writers->writeLaunchScreens(drawable, m_decorated);
    }
    for (const Density& density : kAndroidDensities) {
        const QString densityFolder = folder + QLatin1String(density.folder);
        if (!makeFolder(densityFolder))
            return;
        m_writers->writeSquareIcon(densityFolder, SquareScheme::Android, density.size, m_decorated, false);
    }
    const QString amazon = folder + QStringLiteral("AmazonAppStore/");
    for (int size : { 114, 512 }) {
        if (!makeFolder(amazon))
            return;
        m_writers->writeSquareIcon(amazon, SquareScheme::AmazonAppStore, size, m_decorated, false);
    }
}

void IconSetExport::writeWindows(const QString& folder)
{
    for (int size : kWindowsSizes)
        m_writers->writeSquareIcon(folder, SquareScheme::Windows, size, m_decorated, false);

    saveIco(m_decorated, 256, m_base + QStringLiteral(".ico"));

    // One line without a line end, naming the .ico beside the script, in
    // Latin-1. A name beyond Latin-1 would turn into question marks there, so
    // such a script is UTF-8 and says so in a first line.
    const QString scriptPath = m_icons + QStringLiteral("winappicon.rc");
    const QString line
        = QStringLiteral("IDI_ICON1\tICON\tDISCARDABLE\t\"") + m_baseName + QStringLiteral(".ico\"");
    const bool latin1 = std::all_of(line.begin(), line.end(), [](QChar c) { return c.unicode() < 0x100; });
    const QByteArray script = latin1 ? line.toLatin1() : "#pragma code_page(65001)\n" + line.toUtf8();
    QString reason;
    record(MTools::WholeFile::write(scriptPath, script, &reason), scriptPath, reason);
}

void IconSetExport::writeWebIcons(const QString& folder)
{
    copyFile(QStringLiteral(":/touchiconsreadme.txt"), folder, QStringLiteral("readme.txt"));
    copyFile(QStringLiteral(":/browserconfig.xml"), folder, QStringLiteral("browserconfig.xml"));

    saveIco(m_decorated, 48, folder + QStringLiteral("favicon.ico"));

    saveIcon(m_decorated, 180, folder + QStringLiteral("apple-touch-icon.png"));

    const QString vorpix = folder + QStringLiteral("vorpix/");
    if (!makeFolder(vorpix))
        return;
    copyFile(QStringLiteral(":/manifest.json"), vorpix, QStringLiteral("manifest.json"));
    for (const WebIcon& icon : kWebIcons)
        saveIcon(m_decorated, icon.size, vorpix + QLatin1String(icon.name));
}

void IconSetExport::writeWindowsPhone(const QString& folder)
{
    for (int size : kWindowsPhoneSizes)
        m_writers->writeSquareIcon(folder, SquareScheme::WindowsPhone, size, m_decorated, false);
    for (const Tile& tile : kWindowsPhoneTiles)
        m_writers->writeTile(folder, QSize(tile.width, tile.height), m_decorated, QLatin1String(tile.name),
                             tile.factor);
    if (on(GeneratorSettings::LaunchScreens))
        m_writers->writeLaunchScreens(folder, m_decorated);
}

void IconSetExport::writeWindowsStore(const QString& folder)
{
    const QString assets = folder + QStringLiteral("Assets/");
    if (!makeFolder(assets))
        return;

    QImage storeMaster = m_plain;
    Effects::apply(storeMaster, m_effectState, false);

    for (const Tile& tile : kStoreTiles)
        m_writers->writeTile(assets, QSize(tile.width, tile.height), storeMaster, QLatin1String(tile.name),
                             tile.factor);
    for (const Tile& tile : kStoreLogos)
        m_writers->writeTile(folder, QSize(tile.width, tile.height), storeMaster, QLatin1String(tile.name),
                             tile.factor);
    copyFile(QStringLiteral(":/AppxManifest.xml"), folder, QStringLiteral("AppxManifest.xml"));
}

void IconSetExport::writeBlackBerry(const QString& folder)
{
    for (int size : kBlackBerrySizes)
        m_writers->writeSquareIcon(folder, SquareScheme::BlackBerry, size, m_decorated, false);
}
