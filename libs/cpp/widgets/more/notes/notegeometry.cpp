#include "notegeometry.h"

#include <cmath>

namespace QMWidgets {
namespace NoteGeometry {

namespace {
constexpr int ClickDistance = 100;
constexpr int ClickBoxWidth = 220;
constexpr int ClickBoxHeight = 90;
constexpr double HeadLength = 30.0;
constexpr double HeadHalfWidth = 12.0;
constexpr int ToolColumnRoom = 100;
constexpr int ControlBarRoom = 90;
} // namespace

QRect cornerRect(const QPoint& a, const QPoint& b)
{
    return QRect(a, b).normalized();
}

bool isSmallOval(const QRect& rect)
{
    return rect.right() - rect.left() <= 4 || rect.bottom() - rect.top() <= 4;
}

QRect textBox(const QPoint& press, const QPoint& current, const QRect& bounds, const QSize& minimum)
{
    QRect box = (press - current).manhattanLength() <= ClickDistance
        ? QRect(press, QSize(ClickBoxWidth, ClickBoxHeight))
        : cornerRect(press, current) & bounds;
    box.setSize(box.size().expandedTo(minimum.boundedTo(QSize(ClickBoxWidth, ClickBoxHeight))));
    return placeInside(box, bounds);
}

QRect placeInside(QRect box, const QRect& bounds)
{
    if (box.right() > bounds.right())
        box.moveRight(bounds.right());
    if (box.bottom() > bounds.bottom())
        box.moveBottom(bounds.bottom());
    if (box.left() < bounds.left())
        box.moveLeft(bounds.left());
    if (box.top() < bounds.top())
        box.moveTop(bounds.top());
    return box & bounds;
}

QVector<QLineF> arrowHead(const QPoint& start, const QPoint& end)
{
    const QPointF back = start - end;
    const double length = std::hypot(back.x(), back.y());
    if (length <= 0.0)
        return {};
    const QPointF along = back / length * HeadLength;
    const QPointF side = QPointF(-back.y(), back.x()) / length * HeadHalfWidth;
    const QPointF tip(end);
    return { QLineF(tip, tip + along + side), QLineF(tip, tip + along - side) };
}

QSize editorWindowSize(const QSize& picture, const QSize& desktop)
{
    const QSize limit(int(desktop.width() / 1.5), int(desktop.height() / 1.5));
    const QSize wanted = picture + QSize(ToolColumnRoom, ControlBarRoom);
    if (wanted.width() > limit.width() || wanted.height() > limit.height())
        return limit;
    return wanted;
}

} // namespace NoteGeometry
} // namespace QMWidgets
