#include "picturesaver.h"

#include "colorreducer.h"
#include "generatorsettings.h"
#include "imagefile.h"

#include <QColorSpace>
#include <QImage>

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

bool PictureSaver::save(const QImage& picture, const QString& path, const QString& format,
                        const GeneratorSettings& settings, QString* reason)
{
    if (settings.isOn(GeneratorSettings::LossyCompression))
        return MGraphX::ColorReducer::reduceAndSave(picture, path, settings.value(GeneratorSettings::Quality),
                                                    format, reason);
    // Quality 0 asks the writer for its strongest compression; for PNG the
    // pixels stay exactly as they are.
    return MGraphX::saveImageFile(losslessImage(picture, format), path, format.toLocal8Bit(), 0, reason);
}
