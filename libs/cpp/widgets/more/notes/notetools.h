#pragma once

#include "imagenoteworkarea.h"

#include <QBrush>
#include <QColor>
#include <QCursor>
#include <QPainter>
#include <QPen>
#include <QPolygon>
#include <QVector>

namespace QMWidgets {

// How each note tool draws: its pen, brush and painter settings, the shapes,
// the arrow, freehand lines and the tool cursors. An unknown mode draws as the
// pen.
namespace NoteTools {

using Mode = ImageNoteWorkArea::Mode;

struct Style
{
    QPen pen;
    QBrush brush = Qt::NoBrush;
    qreal opacity = 1.0;
    QPainter::CompositionMode composition = QPainter::CompositionMode_SourceOver;
};

// The style of a tool in the drawing colour and line width. Dashed pens are
// dashed only where the tool allows it; a small oval is always solid.
Style style(Mode mode, const QColor& color, int thickness, bool dashed, bool smallOval = false);
// The frame drawn round a newly placed text box.
QPen textFramePen();
void apply(QPainter& painter, const Style& style);

// Draws the rectangle, filled rectangle, oval, filled oval, line or arrow that
// was dragged from press to current with the painter's pen and brush.
void drawShape(QPainter& painter, Mode mode, const QPoint& press, const QPoint& current);
// The shaft from start to end with the painter's pen, and the head at end,
// never dashed. An arrow without length gets no head.
void drawArrow(QPainter& painter, const QPoint& start, const QPoint& end);
// Each freehand line as one path with the painter's pen, so that a dash
// pattern runs on along the whole line and a translucent line is blended
// once; a line of one point is a dot of the pen's width.
void drawLines(QPainter& painter, const QVector<QPolygon>& lines);
// How far from its points a freehand line or a shape of this style may paint.
int reach(const Style& style);

// The cursor of a tool: the host's picture, its blue parts recoloured to the
// drawing colour for the tools that draw in it, the hot spot at its centre. A
// missing picture gives a standard cursor.
QCursor cursor(Mode mode, const QColor& color);

} // namespace NoteTools
} // namespace QMWidgets
