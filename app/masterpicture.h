#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

#include <functional>

// Reads the master picture from its file and scales it, for the preview and
// for an export run. Only regular files are read: opening a named pipe or a
// device could block the program for good.
class MasterPicture
{
public:
    enum Result {
        Scaled, // the scaled picture is ready
        Unreadable, // no regular file, or no picture the program can read
        TooLarge, // read, but scaling it failed (out of memory)
    };

    // The picture in the file at path; null when it is no regular file or no
    // picture.
    static QPixmap read(const QString& path);

    // picture scaled to size, ignoring its aspect ratio, smoothly, at the
    // device-pixel ratio 1; null when scaling failed.
    static QPixmap scaled(const QPixmap& picture, const QSize& size);

    // Reads the file at path and scales it to size into *result.
    static Result load(const QString& path, const QSize& size, QPixmap* result);

    // Test seam: replaces the scaling step (a null result stands for a
    // picture too large for the memory); an empty function restores it.
    using Scaler = std::function<QPixmap(const QPixmap& picture, const QSize& size)>;
    static void setScaler(const Scaler& scaler);
};
