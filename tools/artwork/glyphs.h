#pragma once

#include <QPainterPath>

#include <initializer_list>

// Pictograms of the buttons, as filled outlines in a 24 x 24 design grid.
namespace Glyphs {

QPainterPath gear();
QPainterPath star();
QPainterPath share();
QPainterPath question();
QPainterPath threeDots();
QPainterPath people();
QPainterPath tileGrid();
QPainterPath appMark();
QPainterPath chevronDown();
QPainterPath chevronLeft();
QPainterPath chevronRight();
QPainterPath envelope();
QPainterPath play();
QPainterPath plus();
QPainterPath arrowOut();
QPainterPath check();

// The outline of a stroke of the given width along path, as a fillable path.
// An open path through the points, in order.
QPainterPath polyline(std::initializer_list<QPointF> points);
QPainterPath stroked(const QPainterPath& path, double width);

} // namespace Glyphs
