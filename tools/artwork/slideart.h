#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// The introduction slides of the program's Resources folder: a walk through
// the program in five pictures (open a picture, choose effects, the settings,
// saving, the output folder), each with a caption in the slide's language.
namespace SlideArt {

// The slides are drawn at the size the introduction dialog shows them.
constexpr int kWidth = 480;
constexpr int kHeight = 300;
constexpr int kSlideCount = 5;

// The slide's file name in the Resources folder: "Slide<number>_<language>.jpg".
QString fileName(int number, const QString& language);

// Slide number (1 to kSlideCount) with the caption in the given language;
// opaque, kWidth x kHeight.
QImage slide(int number, const QString& language);

// Writes a slide as a JPEG of quality 85; false when it cannot be written.
bool writeJpeg(const QImage& image, const QString& path);

// Draws and writes every slide in every language into folder; returns the
// number of slides that could not be written.
int writeAll(const QString& folder);

} // namespace SlideArt
