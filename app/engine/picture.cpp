#include "picture.h"

namespace Picture {

namespace {

bool hasTranslucentPixel(const QImage& image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(line[x]) != 255)
                return true;
        }
    }
    return false;
}

} // namespace

QImage normalized(const QImage& image)
{
    if (image.isNull())
        return image;
    // A one-bit picture keeps its alpha whenever its format has one.
    const bool translucent = image.hasAlphaChannel() && (image.depth() == 1 || hasTranslucentPixel(image));
    if (translucent)
        return image.format() == QImage::Format_ARGB32_Premultiplied
            ? image
            : image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (image.format() == QImage::Format_RGB32)
        return image;
    if (image.format() == QImage::Format_ARGB32 || image.format() == QImage::Format_ARGB32_Premultiplied) {
        // Every alpha is 255: the same bits read as RGB.
        QImage opaque = image;
        opaque.reinterpretAsFormat(QImage::Format_RGB32);
        return opaque;
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage scaledSquare(const QImage& picture, int side)
{
    return normalized(picture.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

} // namespace Picture
