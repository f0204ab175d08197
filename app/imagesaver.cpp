#include "imagesaver.h"

#include "appsettingsdialog.h"
#include "colorreducer.h"
#include "imagefile.h"
#include "writefailures.h"

#include <QColorSpace>
#include <QImage>
#include <QPixmap>

namespace {

// An opaque picture in shades of grey is written as an 8-bit grey PNG: the
// same pixels, a third of the data, and no slow compression of three equal
// channels (zlib at its strongest setting crawls over the repeated triples).
QImage losslessImage(const QImage& image, const QString& format)
{
    if (format.compare(QLatin1String("png"), Qt::CaseInsensitive) != 0 || image.hasAlphaChannel()
        || !image.allGray())
        return image;
    QImage gray = image.convertToFormat(QImage::Format_Grayscale8);
    // A colour profile has no place in a grey PNG.
    gray.setColorSpace(QColorSpace());
    return gray;
}

} // namespace

void ImageSaver::save(const QPixmap& picture, const QString& path, const QString& format)
{
    QString reason;
    bool written = false;
    if (AppSettingsDialog::keyLossyCompression()) {
        written = MGraphX::ColorReducer::reduceAndSave(picture.toImage(), path,
                                                       AppSettingsDialog::keyQuality(), format, &reason);
    } else {
        // Quality 0 asks the writer for its strongest compression; for PNG the
        // pixels stay exactly as they are.
        written = MGraphX::saveImageFile(losslessImage(picture.toImage(), format), path, format.toLocal8Bit(),
                                         0, &reason);
    }
    if (!written)
        WriteFailures::report(path, reason);
}
