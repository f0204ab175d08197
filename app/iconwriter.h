#pragma once

#include <QColor>
#include <QPixmap>
#include <QSize>
#include <QString>

// The picture writers of an export run. Each one takes a folder path that
// ends with "/", scales or paints the master picture and saves every file
// through ImageSaver. None of them creates folders or reports failures.
class IconWriter
{
public:
    // Writes the square icon of nominal size `size` under the names of the
    // platform whose marker the folder path contains (see
    // IconNaming::squareIconFiles); `watch` selects the Apple Watch names.
    static void writeSquareIcon(const QString& folder, const int& size, const QPixmap& picture, bool watch);

    // Writes folder + name + ".png": an opaque white canvas of `size` with the
    // picture centred on it, its side being the shorter canvas side times
    // factor.
    static void writeTile(const QString& folder, const QSize& size, const QPixmap& picture,
                          const QString& name, float factor);

    // Writes the launch images that the end of the folder path asks for.
    static void writeLaunchScreens(const QString& folder, const QPixmap& picture);

    // A launch image: the background, "Please wait..." near the bottom edge and
    // the icon centred at the shorter side divided by divisor.
    static QPixmap paintLaunchImage(const QSize& size, const QPixmap& icon, const float& divisor,
                                    const QColor& textColor, const QColor& backgroundColor);

    // The picture scaled to side x side, ignoring its aspect ratio, smoothly:
    // how every icon of a run is made from its master.
    static QPixmap scaledSquare(const QPixmap& picture, int side);
};
