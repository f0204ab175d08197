#include "iconnaming.h"

#include <QtGlobal>

#include <algorithm>

namespace IconNaming {

namespace {

QString sizeText(int size)
{
    return QStringLiteral("%1x%1").arg(size);
}

QString plainFile(const QString& base)
{
    return base + QStringLiteral(".png");
}

QString file2x(const QString& base)
{
    return base + QStringLiteral("@2x.png");
}

QString file3x(const QString& base)
{
    return base + QStringLiteral("@3x.png");
}

// The 2x pictures are twice the nominal size, except for the sizes whose
// double the platform wants rounded up from a half-point size (83.5 pt).
int appleDoubleSize(int size, bool watch)
{
    if (size == 83)
        return 167;
    if (watch && size == 27)
        return 55;
    return 2 * size;
}

QVector<IconFile> iosFiles(int size, bool watch)
{
    QVector<IconFile> files;
    if (watch) {
        const QString base = QStringLiteral("AppleWatch-") + sizeText(size);
        files.append({ file2x(base), appleDoubleSize(size, true) });
        if (size == 29)
            files.append({ file3x(base), 3 * size });
        return files;
    }

    const QString base = QStringLiteral("Icon-") + sizeText(size);
    if (size == 83) {
        files.append({ file2x(base), appleDoubleSize(size, false) });
    } else if (size == 16 || size == 32 || size == 64 || size == 1024) {
        files.append({ plainFile(base), size });
    } else {
        files.append({ plainFile(base), size });
        files.append({ file2x(base), appleDoubleSize(size, false) });
    }
    if (size == 20 || size == 29 || size == 40 || size == 60)
        files.append({ file3x(base), 3 * size });
    return files;
}

QVector<IconFile> windowsPhoneFiles(int size)
{
    QString name;
    if (size == 150)
        name = QStringLiteral("large");
    else if (size == 50)
        name = QStringLiteral("store");
    else
        name = sizeText(size);
    return { { plainFile(QStringLiteral("logo_") + name), size } };
}

} // namespace

SquareScheme squareSchemeOf(const QString& folder)
{
    const auto has = [&folder](const char* marker) { return folder.contains(QLatin1String(marker)); };
    if (has(".iconset/"))
        return SquareScheme::Iconset;
    if (has(".iOS/"))
        return SquareScheme::IOS;
    if (has(".android/"))
        return has("AmazonAppStore") ? SquareScheme::AmazonAppStore : SquareScheme::Android;
    if (has(".windows/"))
        return SquareScheme::Windows;
    if (has(".windowsphone/"))
        return SquareScheme::WindowsPhone;
    if (has(".blackberry/"))
        return SquareScheme::BlackBerry;
    return SquareScheme::None;
}

QVector<IconFile> squareIconFiles(SquareScheme scheme, int size, bool watch)
{
    switch (scheme) {
    case SquareScheme::Iconset: {
        const QString base = QStringLiteral("icon_") + sizeText(size);
        return { { plainFile(base), size }, { file2x(base), appleDoubleSize(size, false) } };
    }
    case SquareScheme::IOS:
        return iosFiles(size, watch);
    case SquareScheme::Android:
        return { { QStringLiteral("icon.png"), size } };
    case SquareScheme::AmazonAppStore:
        return { { plainFile(QStringLiteral("icon-") + sizeText(size)), size } };
    case SquareScheme::Windows:
    case SquareScheme::BlackBerry:
        return { { plainFile(QStringLiteral("icon_") + sizeText(size)), size } };
    case SquareScheme::WindowsPhone:
        return windowsPhoneFiles(size);
    case SquareScheme::None:
        break;
    }
    return {};
}

int tileIconSide(const QSize& canvas, float factor)
{
    if (canvas.width() == canvas.height())
        return qRound(float(canvas.width()) * factor);
    const int shorter = std::min(canvas.width(), canvas.height());
    return int(float(shorter) * factor);
}

QPointF tilePosition(const QSize& canvas, const QSize& icon)
{
    return QPointF((canvas.width() - icon.width()) * 0.5, (canvas.height() - icon.height()) * 0.5);
}

QVector<LaunchImage> launchImages(const QString& folder)
{
    QVector<LaunchImage> images;
    if (folder.endsWith(QLatin1String(".windowsphone/")))
        images.append({ QSize(480, 800), QStringLiteral("logo_480x800.png"), false });
    if (folder.endsWith(QLatin1String("drawable/")))
        images.append({ QSize(480, 800), QStringLiteral("logo.png"), false });
    if (folder.endsWith(QLatin1String(".iOS_LaunchScreens/"))) {
        // The large pictures take long to paint and save; events are
        // processed before them so that the progress dialog stays alive.
        images += {
            { QSize(320, 480), QStringLiteral("iPhonePortrait_1x.png"), true },
            { QSize(640, 960), QStringLiteral("iPhonePortrait_2x.png"), false },
            { QSize(640, 1136), QStringLiteral("iPhonePortrait_Retina4.png"), false },
            { QSize(768, 1024), QStringLiteral("iPadPortrait_1x.png"), false },
            { QSize(1536, 2048), QStringLiteral("iPadPortrait_2x.png"), true },
            { QSize(1024, 768), QStringLiteral("iPadLandscape_1x.png"), false },
            { QSize(2048, 1536), QStringLiteral("iPadLandscape_2x.png"), true },
            { QSize(1024, 748), QStringLiteral("iPadLandscapeWithoutStatusBar_1x.png"), false },
            { QSize(2048, 1496), QStringLiteral("iPadLandscapeWithoutStatusBar_2x.png"), true },
            { QSize(768, 1004), QStringLiteral("iPadPortraitWithoutStatusBar_1x.png"), false },
            { QSize(1536, 2008), QStringLiteral("iPadPortraitWithoutStatusBar_2x.png"), true },
            { QSize(750, 1334), QStringLiteral("iPhonePortraitRetinaHD47.png"), true },
            { QSize(1242, 2208), QStringLiteral("iPhonePortraitRetinaHD55.png"), true },
            { QSize(2208, 1242), QStringLiteral("iPhoneLandscapeRetinaHD55.png"), true },
        };
    }
    return images;
}

LaunchLayout launchLayout(const QSize& size, float divisor)
{
    const int shorter = std::min(size.width(), size.height());
    LaunchLayout layout;
    // A divisor that is not positive leaves no room for an icon.
    layout.iconSide = divisor > 0.0f ? qRound(float(shorter) / divisor) : 0;
    layout.iconPosition = QPoint((size.width() - layout.iconSide) / 2, (size.height() - layout.iconSide) / 2);
    layout.fontPixelSize = shorter / 8;
    return layout;
}

} // namespace IconNaming
