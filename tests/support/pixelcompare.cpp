#include "pixelcompare.h"

#include <QImage>

#include <cstdlib>

namespace TestSupport {

bool pixelsClose(QRgb a, QRgb b, int tolerance)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance
        && std::abs(qBlue(a) - qBlue(b)) <= tolerance && std::abs(qAlpha(a) - qAlpha(b)) <= tolerance;
}

QRgb normalizedPixel(QRgb pixel)
{
    return qAlpha(pixel) == 0 ? 0u : pixel;
}

QSet<QRgb> colorsOf(const QImage& picture, bool transparentAsOne)
{
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    QSet<QRgb> colors;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            colors.insert(transparentAsOne ? normalizedPixel(image.pixel(x, y)) : image.pixel(x, y));
    }
    return colors;
}

} // namespace TestSupport
