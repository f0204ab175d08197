#pragma once

#include <QString>

class GeneratorSettings;
class QImage;

// The one place where the generator turns a finished picture into a file.
class PictureSaver
{
public:
    // Saves picture to path in format ("png", "ICNS", ...). With lossy
    // compression on in settings the picture goes through a palette of as many
    // colours as its quality says; otherwise it is saved unchanged with the
    // strongest compression. The file is written whole or not at all. Returns
    // whether it was written; when not, reason (if given) says why.
    static bool save(const QImage& picture, const QString& path, const QString& format,
                     const GeneratorSettings& settings, QString* reason = nullptr);
};
