#pragma once

#include <QRgb>
#include <QSet>

class QImage;

namespace TestSupport {

// Whether every channel, alpha included, of the two pixels differs by at most tolerance.
bool pixelsClose(QRgb a, QRgb b, int tolerance);

// The pixel, with every fully transparent colour made one (0).
QRgb normalizedPixel(QRgb pixel);

// The distinct colours of a picture, read as straight ARGB; with
// transparentAsOne all fully transparent colours count as one.
QSet<QRgb> colorsOf(const QImage& picture, bool transparentAsOne = true);

} // namespace TestSupport
