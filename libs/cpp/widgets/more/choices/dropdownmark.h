#pragma once

class QPainter;
class QSize;

namespace QMWidgets {

// Finishes the painting of a widget that opens a drop-down: a small white
// triangle pointing down in the lower right corner of a widget of the given
// size, outlined with the painter's current pen. The painter's state is kept.
void drawDropDownMark(QPainter& painter, const QSize& size);

} // namespace QMWidgets
