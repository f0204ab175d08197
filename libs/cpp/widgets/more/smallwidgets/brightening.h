#pragma once

#include <QImage>

namespace QMWidgets {

// The picture with amount added to the red, green and blue of every pixel
// (clamped to 0 .. 255) and its alpha kept, as straight 32-bit ARGB; so
// transparent parts stay transparent. A null picture gives a null picture.
QImage brightened(const QImage& picture, int amount);

} // namespace QMWidgets
