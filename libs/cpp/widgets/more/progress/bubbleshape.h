#pragma once

#include <QPolygonF>

namespace QMWidgets {

// The outline of a speech bubble of width x height pixels with a tail 40 wide
// and 20 high at the centre of its bottom (pointsDown) or top edge. With the
// tail down it has 7 corners and square corners; with the tail up 11 corners,
// its four corners cut by 3 pixels. The tail's x positions keep the real half
// of an odd width.
QPolygonF bubbleOutline(int width, int height, bool pointsDown);

} // namespace QMWidgets
