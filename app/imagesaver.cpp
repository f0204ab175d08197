#include "imagesaver.h"

#include "appsettingsdialog.h"
#include "colorreducer.h"
#include "imagefile.h"
#include "writefailures.h"

#include <QImage>
#include <QPixmap>

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
        written = MGraphX::saveImageFile(picture.toImage(), path, format.toLocal8Bit(), 0, &reason);
    }
    if (!written)
        WriteFailures::report(path, reason);
}
