#pragma once

#include <QImage>

// How the generator keeps its pictures in memory.
namespace Picture {

// The side of the square master picture every export starts from.
constexpr int MasterSide = 1024;

// The image in the format that Qt's raster engine paints fastest and that a
// QPixmap of it would have: 32-bit RGB when every pixel is opaque, else
// premultiplied 32-bit ARGB. An opaque picture is so saved without an alpha
// channel, whatever format it was read or made in.
QImage normalized(const QImage& image);

// The picture scaled to side x side, ignoring its aspect ratio, smoothly: how
// every icon of a run is made from its master.
QImage scaledSquare(const QImage& picture, int side);

} // namespace Picture
