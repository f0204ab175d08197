#pragma once

#include <QString>

class QPixmap;

// The one place where the generator turns a finished picture into a file.
class ImageSaver
{
public:
    // Saves picture to path in format ("png", "ICNS", ...). With lossy
    // compression switched on the picture goes through a palette of as many
    // colours as the quality setting says; otherwise it is saved unchanged with
    // the strongest compression. Both settings are read at every call. The file
    // is written whole or not at all; a failed save goes with its reason to the
    // current WriteFailures collector, if any.
    static void save(const QPixmap& picture, const QString& path, const QString& format);
};
