#include "imagefile.h"

#include "wholefile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>

namespace MGraphX {

bool saveImageFile(const QImage& image, const QString& path, const QByteArray& format, int quality,
                   QString* reason)
{
    // Encoded in memory first, so that the file itself gets one plain write
    // whose failure names its cause.
    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format.isEmpty() ? QFileInfo(path).suffix().toLatin1() : format);
    writer.setQuality(quality);
    if (!writer.write(image)) {
        if (reason)
            *reason = writer.errorString();
        return false;
    }
    return MTools::WholeFile::write(path, encoded, reason);
}

} // namespace MGraphX
