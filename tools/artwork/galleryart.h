#pragma once

#include <QImage>
#include <QString>
#include <QVector>

#include <functional>

// Pictures that a host of the widget library supplies (":/pix/search.png" and
// the like), drawn for the widget gallery. They are not part of the program's
// resource bundle: the artwork generator draws them only when asked for their
// group, and the gallery's build does so into its own bundle.
namespace GalleryArt {

// The catalogue group of these pictures.
QString group();

struct Picture
{
    QString path; // the resource path without ":/", e.g. "pix/search.png"
    std::function<QImage()> draw;
};
QVector<Picture> pictures();

// A magnifier for an empty search field: side x side, grey on transparent.
QImage magnifier(int side);
// A small pictogram (a 24 x 24 design grid path) in one colour on transparent.
QImage pictogram(const QPainterPath& glyph, int side, const QColor& colour);

} // namespace GalleryArt
