#pragma once

#include "notetools.h"

#include <QImage>
#include <QPolygon>
#include <QRect>

class QPainter;

namespace QMWidgets {

// The freehand line being drawn, kept drawn in an image of the picture's size
// so that a move costs only the part of the line near its new points, however
// long the line has grown. Each such part is drawn from every piece of the line
// that reaches it, all in one path, so the image holds exactly what drawing the
// whole line at once gives: the same antialiased edges, joins and crossings, a
// translucent line blended once.
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
    // False, with nothing kept, when the style is not kept or there is no
    // memory for the image.
    bool update(const QPolygon& line, const NoteTools::Style& style, const QSize& size);
    // Draws the line as kept onto the painter inside area, as drawing it in
    // its style would: over what is there, or taking it away for the eraser.
    void paint(QPainter& painter, const QRect& area) const;
    // Forgets the line; the next update starts a new one.
    void clear();

private:
    void draw(const QPolygon& line, const QRect& area);

    QImage m_image;
    NoteTools::Style m_style;
    // How many points of the line the image holds, and the last of them.
    int m_drawn = 0;
    QPoint m_last;
};

} // namespace QMWidgets
