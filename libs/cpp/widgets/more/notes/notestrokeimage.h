#pragma once

#include "notetools.h"

#include <QImage>
#include <QPolygon>
#include <QRect>

class QPainter;

namespace QMWidgets {

// The freehand line being drawn, kept drawn over the picture so that a move
// costs only the part of the line near its new points, however long the line
// has grown. Each such part is drawn from every piece of the line that reaches
// it, all in one path, so the drawing holds exactly what drawing the whole line
// at once gives: the same antialiased edges, joins and crossings, a
// translucent line blended once. The part of a wide line is drawn in bands on
// the threads of the global pool; the call returns when all are done. The
// drawing is kept in tiles, made as the line reaches them, so that a line over
// a small part of a big picture takes little memory.
//
// A line that replaces what lies under it (the eraser) is kept as the mask of
// what it takes away. Dashed lines and lines of one pixel are not kept: where
// their dashes fall and how a thin line's pixels join depends on more of the
// line than the part near a point, and drawing them whole is cheap anyway.
class NoteStrokeImage
{
public:
    // Whether lines of this style can be kept.
    static bool keeps(const NoteTools::Style& style);

    // Brings the image up to date with line, drawn in style over a picture of
    // this size: only the part near the points added since the last call is
    // drawn again, unless the style, the size or the line changed otherwise.
    // False, with nothing kept, when the style is not kept.
    bool update(const QPolygon& line, const NoteTools::Style& style, const QSize& size);
    // Draws the line as kept onto the painter inside area, as drawing it in
    // its style would: over what is there, or taking it away for the eraser.
    void paint(QPainter& painter, const QRect& area) const;
    // Forgets the line; the next update starts a new one.
    void clear();

    static constexpr int TileSize = 256;

private:
    void draw(const QPolygon& line, const QRect& area);
    // The line drawn inside area alone.
    QImage drawn(const QPolygon& line, const QRect& area) const;
    void store(const QImage& part, const QRect& area);
    QRect tileRect(int index) const;
    // The tiles that area touches, as indices.
    QVector<int> tilesIn(const QRect& area) const;

    QSize m_size;
    int m_columns = 0;
    QVector<QImage> m_tiles; // row by row; a null tile holds nothing of the line
    NoteTools::Style m_style;
    // How many points of the line the image holds, and the last of them.
    int m_drawn = 0;
    QPoint m_last;
};

} // namespace QMWidgets
