#include "imagesaver.h"

#include "appsettingsdialog.h"
#include "colorreducer.h"
#include "writefailures.h"

#include <QPixmap>

void ImageSaver::save(const QPixmap& picture, const QString& path, const QString& format)
{
    if (AppSettingsDialog::keyLossyCompression()) {
        if (!MGraphX::ColorReducer::reduceAndSave(picture.toImage(), path, AppSettingsDialog::keyQuality(),
                                                  format))
            WriteFailures::report(path);
        return;
    }
    // Quality 0 asks the writer for its strongest compression; for PNG the
    // pixels stay exactly as they are.
    if (!picture.save(path, format.toLocal8Bit().constData(), 0))
        WriteFailures::report(path);
}
