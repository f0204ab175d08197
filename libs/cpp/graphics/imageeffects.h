#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QRect>

namespace MGraphX {

// The picture as 32-bit ARGB with its alpha replaced (not multiplied) by the red
// channel of the mask, which is first scaled to the picture's size (ignoring the
// aspect ratio, fast transformation). A null picture gives a null result; a null
// mask leaves the picture as it is.
QPixmap applyAlphaMask(const QPixmap& picture, const QPixmap& mask);
// The same on images; the result is a 32-bit ARGB image.
QImage applyAlphaMask(const QImage& picture, const QImage& mask);

// A copy of the image (premultiplied ARGB32) in which every pixel whose HSV hue
// lies within 10 degrees of the hue of from is recoloured: its hue is turned by
// the difference of the two hues, its saturation and value are scaled by the
// ratios of to and from. Other pixels, and every pixel when from is a grey
// without hue, are copied unchanged.
QImage replaceColor(const QImage& image, const QColor& from, const QColor& to);

// A copy of the image (premultiplied ARGB32) in which the rectangle, clipped to
// the image, is blurred with an exponential blur, rows first, then columns.
// Radius 1 .. 17 selects the strength; any other radius blurs like 16. With
// alphaOnly only the alpha channel is blurred. A big rectangle is blurred on
// several threads of the global thread pool; the call returns when it is done.
QImage expBlur(const QImage& image, const QRect& rect, int radius, bool alphaOnly);
// The rectangle of the image (clipped to it) blurred as expBlur blurs it, as an
// image of the rectangle's size: the same pixels as that part of expBlur's
// result, without copying the rest of the picture. A rectangle outside the
// image gives a null image.
QImage expBlurPart(const QImage& image, const QRect& rect, int radius, bool alphaOnly);

} // namespace MGraphX
