#include "dropdownmark.h"

#include <QPainter>
#include <QSize>

namespace QMWidgets {

void drawDropDownMark(QPainter& painter, const QSize& size)
{
    static const QPointF triangle[3] = { { 0.0, 0.0 }, { 8.0, 0.0 }, { 4.0, 4.0 } };
    painter.save();
    painter.setBrush(Qt::white);
    painter.translate(size.width() - 10, size.height() - 8);
    painter.drawPolygon(triangle, 3, Qt::OddEvenFill);
    painter.restore();
}

} // namespace QMWidgets
