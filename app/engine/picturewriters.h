#pragma once

#include "iconnaming.h"

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

#include <functional>

// The picture writers of an export run. Each one takes a folder path that
// ends with "/", scales or paints the master picture and saves every file
// through the save function it was given. None of them creates folders.
// Each returns whether all its files were written; when not, reason (if
// given) says why the first of them failed.
class PictureWriters
{
public:
    // Saves one picture; returns whether the file was written and, when not,
    // why.
    using Save = std::function<bool(const QImage& picture, const QString& path, const QString& format,
                                    QString* reason)>;

    // betweenPictures is called where a long run may let the user interface
    // catch up: once per square icon and tile, and before the large launch
    // images.
    PictureWriters(Save save, std::function<void()> betweenPictures);

    // The square icon of nominal size `size` under the names of the scheme
    // (see IconNaming::squareIconFiles); `watch` selects the Apple Watch names.
    bool writeSquareIcon(const QString& folder, IconNaming::SquareScheme scheme, int size,
                         const QImage& picture, bool watch, QString* reason = nullptr) const;

    // folder + name + ".png": an opaque white canvas of `size` with the
    // picture centred on it, its side being the shorter canvas side times
    // factor.
    bool writeTile(const QString& folder, const QSize& size, const QImage& picture, const QString& name,
                   float factor, QString* reason = nullptr) const;

    // The launch images that the end of the folder path asks for.
    bool writeLaunchScreens(const QString& folder, const QImage& picture, QString* reason = nullptr) const;

    // A launch image: the background, "Please wait..." near the bottom edge and
    // the icon centred at the shorter side divided by divisor.
    static QImage paintLaunchImage(const QSize& size, const QImage& icon, float divisor,
                                   const QColor& textColor, const QColor& backgroundColor);

private:
    bool save(const QImage& picture, const QString& path, bool* allWritten, QString* reason) const;
    void between() const;

    Save m_save;
    std::function<void()> m_betweenPictures;
};
