#include "masterpicture.h"

#include <QFileInfo>
#include <QImageReader>

namespace {
MasterPicture::Scaler& scaler()
{
    static MasterPicture::Scaler current;
    return current;
}
} // namespace

QPixmap MasterPicture::read(const QString& path)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return QPixmap();
    // Not QPixmap(path): that goes through the pixmap cache, keyed on the
    // modification time in whole seconds, and would give back the earlier
    // picture of a file saved again within the same second.
    return QPixmap::fromImage(QImageReader(path).read());
}

QPixmap MasterPicture::scaled(const QPixmap& picture, const QSize& size)
{
    QPixmap result = scaler() ? scaler()(picture, size)
                              : picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    result.setDevicePixelRatio(1.0);
    return result;
}

MasterPicture::Result MasterPicture::load(const QString& path, const QSize& size, QPixmap* result)
{
    const QPixmap picture = read(path);
    if (picture.isNull())
        return Unreadable;
    *result = scaled(picture, size);
    return result->isNull() ? TooLarge : Scaled;
}

void MasterPicture::setScaler(const Scaler& replacement)
{
    scaler() = replacement;
}
