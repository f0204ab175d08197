#pragma once

#include <QPoint>
#include <QPointF>
#include <QSize>
#include <QString>
#include <QVector>

// The naming schemes and picture geometry of the icon writers, kept apart from
// any painting or saving so that they can be checked on their own.
namespace IconNaming {

// One file a writer saves: its name inside the folder and the side (or size)
// of the picture saved under it.
struct IconFile
{
    QString fileName;
    int pixelSize = 0;
};

// One launch image: its pixel size, its file name inside the folder and
// whether pending events are processed before it is painted.
struct LaunchImage
{
    QSize size;
    QString fileName;
    bool processEventsBefore = false;
};

// Where a launch image puts its parts.
struct LaunchLayout
{
    int iconSide = 0;
    QPoint iconPosition;
    int fontPixelSize = 0;
};

// The file-name schemes of the square icons: one per platform, and Android's
// own for the Amazon store folder.
enum class SquareScheme { None, Iconset, IOS, Android, AmazonAppStore, Windows, WindowsPhone, BlackBerry };

// The scheme of a folder path that names its platform by a marker anywhere
// in it (".iconset/", ".iOS/", ".android/", ".windows/", ".windowsphone/",
// ".blackberry/", tested in this order; ".android/" with "AmazonAppStore" in
// the path is the Amazon scheme); None without a marker. An export passes
// each block's scheme instead, as the folder chosen for it may be named so.
SquareScheme squareSchemeOf(const QString& folder);

// The files a square icon of nominal size `size` becomes under `scheme`, in
// the order they are written; `watch` picks the Apple Watch names of the iOS
// scheme. The scheme None has no files.
QVector<IconFile> squareIconFiles(SquareScheme scheme, int size, bool watch);

// Side of the square master drawn on a tile canvas: the shorter canvas side
// times factor, rounded for a square canvas and truncated for an oblong one.
int tileIconSide(const QSize& canvas, float factor);

// Top-left corner of an icon of `icon` size centred on the canvas; not
// rounded, so an odd difference lands on a half pixel.
QPointF tilePosition(const QSize& canvas, const QSize& icon);

// The launch images written into `folder`, chosen by the end of its path
// (".windowsphone/", "drawable/", ".iOS_LaunchScreens/"), in writing order.
QVector<LaunchImage> launchImages(const QString& folder);

// Icon side and position and the font's pixel size of a launch image of the
// given size whose icon is the shorter side divided by divisor.
LaunchLayout launchLayout(const QSize& size, float divisor);

} // namespace IconNaming
