#pragma once

#include <QByteArray>
#include <QString>

class QImage;

namespace MGraphX {

// Saves image to path in format ("png", "ICO", "ICNS", ...; empty: chosen by
// the path's suffix) with the writer's quality (-1 default, 0 strongest
// compression). The file is written whole or not at all (MTools::WholeFile):
// a failure leaves no empty or partial file. Returns whether the file was
// written; when not, reason (if given) says why in plain words.
bool saveImageFile(const QImage& image, const QString& path, const QByteArray& format, int quality,
                   QString* reason = nullptr);

} // namespace MGraphX
