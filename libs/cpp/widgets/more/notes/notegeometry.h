#pragma once

#include <QLineF>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QVector>

namespace QMWidgets {

// The geometry of the note tools, free of any widget.
namespace NoteGeometry {

// The rectangle spanned by two corner points, whichever way it was dragged;
// both points lie inside it.
QRect cornerRect(const QPoint& a, const QPoint& b);

// Whether an ellipse in this (normalised) rectangle is too small for a dashed
// outline: at most 5 pixels wide or high.
bool isSmallOval(const QRect& rect);

// The box of a text note dragged from press to current: a short drag (at most
// 100 pixels, counted along both axes) is taken for a click and gives a box of
// 220 x 90 pixels from the press point; a longer one spans the two points as
// far as they lie inside bounds. The box is at least of the minimum size (but
// need not be larger than a click's box) and is placed inside bounds (see
// placeInside).
QRect textBox(const QPoint& press, const QPoint& current, const QRect& bounds, const QSize& minimum);

// The box moved the least so that it lies inside bounds, cut to bounds where
// it is larger.
QRect placeInside(QRect box, const QRect& bounds);

// The two strokes of an arrow head at end, each 30 pixels back along the shaft
// from end towards start and 12 pixels to one side of it. An arrow without
// length has no direction and so no head: the result is empty.
QVector<QLineF> arrowHead(const QPoint& start, const QPoint& end);

// The size of the note editor window for a picture of this size: the picture
// with room for the tool column and the control bar, but at most two thirds of
// the desktop in each direction; when either side would be larger the window
// takes exactly that largest size and its scroll area scrolls.
QSize editorWindowSize(const QSize& picture, const QSize& desktop);

} // namespace NoteGeometry
} // namespace QMWidgets
