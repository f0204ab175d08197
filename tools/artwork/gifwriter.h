#pragma once

#include <QImage>
#include <QString>
#include <QVector>

// Writes looping GIF animations for the pictures that are animations (a
// loading spinner a host supplies). Qt reads GIF but cannot write it.
namespace GifWriter {

// The square frames of a horizontal strip, as wide as it is high each.
QVector<QImage> framesOfStrip(const QImage& strip);

// Writes the frames as an endlessly looping animation with delay hundredths of
// a second per frame. Colours are reduced to a 6 x 6 x 6 cube; pixels less
// than half opaque become transparent. False when the file cannot be written.
bool writeAnimation(const QVector<QImage>& frames, int delay, const QString& path);

} // namespace GifWriter
