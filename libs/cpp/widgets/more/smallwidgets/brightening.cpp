#include "brightening.h"

#include "imageprocess.h"

namespace QMWidgets {

QImage brightened(const QImage& picture, int amount)
{
    if (picture.isNull())
        return QImage();
    // Straight colours, so that half-transparent pixels brighten like opaque ones.
    const QImage straight = picture.convertToFormat(QImage::Format_ARGB32);
    MGraphX::ImageProcess planes(straight, 0);
    planes.addValue(amount, 0);
    // The planes carry no alpha; it is taken back from the picture.
    QImage result = planes.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y) {
        const QRgb* source = reinterpret_cast<const QRgb*>(straight.constScanLine(y));
        QRgb* target = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x)
            target[x] = qRgba(qRed(target[x]), qGreen(target[x]), qBlue(target[x]), qAlpha(source[x]));
    }
    return result;
}

} // namespace QMWidgets
