#include "glyphs.h"

#include "artkit.h"

#include <QPainterPathStroker>

#include <cmath>
#include <initializer_list>

namespace Glyphs {

QPainterPath polyline(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    for (const QPointF& point : points) {
        if (path.elementCount() == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    return path;
}

QPainterPath stroked(const QPainterPath& path, double width)
{
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(path).simplified();
}

QPainterPath gear()
{
    const QPointF c(12.0, 12.0);
    const int teeth = 8;
    const double outer = 10.6;
    const double root = 8.0;
    QPolygonF outline;
    for (int i = 0; i < teeth; ++i) {
        const double base = 2.0 * M_PI * i / teeth;
        const double step = 2.0 * M_PI / teeth;
        // A tooth: flat top a bit narrower than its foot.
        const double angles[]
            = { base - 0.30 * step, base - 0.17 * step, base + 0.17 * step, base + 0.30 * step };
        const double radii[] = { root, outer, outer, root };
        for (int k = 0; k < 4; ++k)
            outline << c + QPointF(radii[k] * std::cos(angles[k]), radii[k] * std::sin(angles[k]));
    }
    QPainterPath path;
    path.addPolygon(outline);
    path.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(c, 3.6, 3.6);
    return path.subtracted(hole);
}

QPainterPath star()
{
    const QPointF c(12.0, 12.8);
    QPolygonF points;
    for (int i = 0; i < 10; ++i) {
        const double r = (i % 2 == 0) ? 11.0 : 4.6;
        const double a = -M_PI / 2.0 + M_PI * i / 5.0;
        points << c + QPointF(r * std::cos(a), r * std::sin(a));
    }
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    // Slightly rounded points read softer at small sizes.
    return path.united(stroked(path, 1.2));
}

QPainterPath share()
{
    const QPointF a(17.5, 5.5);
    const QPointF b(6.5, 12.0);
    const QPointF d(17.5, 18.5);
    QPainterPath lines;
    lines.moveTo(a);
    lines.lineTo(b);
    lines.lineTo(d);
    QPainterPath path = stroked(lines, 2.0);
    QPainterPath dots;
    dots.addEllipse(a, 3.4, 3.4);
    dots.addEllipse(b, 3.4, 3.4);
    dots.addEllipse(d, 3.4, 3.4);
    return path.united(dots);
}

QPainterPath question()
{
    QPainterPath ring;
    ring.addEllipse(QPointF(12.0, 12.0), 10.5, 10.5);
    QPainterPath inner;
    inner.addEllipse(QPointF(12.0, 12.0), 8.6, 8.6);
    QPainterPath mark;
    mark.moveTo(8.9, 9.4);
    mark.cubicTo(8.9, 6.0, 15.2, 5.6, 15.2, 9.2);
    mark.cubicTo(15.2, 11.6, 12.0, 11.8, 12.0, 14.3);
    QPainterPath result = ring.subtracted(inner).united(stroked(mark, 2.3));
    QPainterPath dot;
    dot.addEllipse(QPointF(12.0, 17.6), 1.45, 1.45);
    return result.united(dot);
}

QPainterPath threeDots()
{
    QPainterPath path;
    for (int i = 0; i < 3; ++i)
        path.addEllipse(QPointF(4.5 + 7.5 * i, 12.0), 2.6, 2.6);
    return path;
}

QPainterPath people()
{
    QPainterPath back;
    back.addEllipse(QPointF(16.5, 7.6), 3.4, 3.4);
    QPainterPath backBody;
    backBody.moveTo(10.5, 19.5);
    backBody.cubicTo(10.5, 14.0, 13.0, 12.3, 16.5, 12.3);
    backBody.cubicTo(20.0, 12.3, 22.8, 14.0, 22.8, 19.5);
    backBody.closeSubpath();
    QPainterPath front;
    front.addEllipse(QPointF(8.8, 9.0), 4.0, 4.0);
    QPainterPath frontBody;
    frontBody.moveTo(1.5, 22.0);
    frontBody.cubicTo(1.5, 16.0, 4.6, 14.3, 8.8, 14.3);
    frontBody.cubicTo(13.0, 14.3, 16.1, 16.0, 16.1, 22.0);
    frontBody.closeSubpath();
    QPainterPath frontAll = front.united(frontBody);
    // A gap around the front figure separates the two.
    QPainterPath backAll = back.united(backBody).subtracted(frontAll.united(stroked(frontAll, 2.4)));
    return backAll.united(frontAll);
}

QPainterPath tileGrid()
{
    QPainterPath path;
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            path.addRoundedRect(QRectF(2.5 + 7.0 * col, 2.5 + 7.0 * row, 5.0, 5.0), 1.4, 1.4);
    return path;
}

QPainterPath appMark()
{
    // Three stacked rounded squares, the program's logo reduced to an outline.
    QPainterPath back = ArtKit::roundedRect(QRectF(9.0, 1.5, 13.0, 13.0), 3.2);
    QPainterPath middle = ArtKit::roundedRect(QRectF(5.5, 5.0, 13.0, 13.0), 3.2);
    QPainterPath front = ArtKit::roundedRect(QRectF(2.0, 8.5, 13.0, 13.0), 3.2);
    QPainterPath gap = stroked(front, 2.2);
    QPainterPath middleCut = middle.subtracted(front.united(gap));
    QPainterPath gapMiddle = stroked(middle, 2.2);
    QPainterPath backCut = back.subtracted(middle.united(gapMiddle).united(front).united(gap));
    return front.united(middleCut).united(backCut);
}

QPainterPath chevronDown()
{
    return stroked(polyline({ { 6.0, 9.0 }, { 12.0, 15.0 }, { 18.0, 9.0 } }), 2.6);
}

QPainterPath chevronLeft()
{
    return stroked(polyline({ { 15.0, 5.0 }, { 8.0, 12.0 }, { 15.0, 19.0 } }), 2.8);
}

QPainterPath chevronRight()
{
    return stroked(polyline({ { 9.0, 5.0 }, { 16.0, 12.0 }, { 9.0, 19.0 } }), 2.8);
}

QPainterPath envelope()
{
    const QRectF body(2.5, 5.5, 19.0, 13.0);
    QPainterPath outline = ArtKit::roundedRect(body, 2.0);
    QPainterPath inner = ArtKit::roundedRect(body.adjusted(1.8, 1.8, -1.8, -1.8), 0.8);
    const QPainterPath flap = polyline({ { 3.6, 6.8 }, { 12.0, 13.2 }, { 20.4, 6.8 } });
    return outline.subtracted(inner).united(stroked(flap, 1.8));
}

QPainterPath play()
{
    QPainterPath path = polyline({ { 8.5, 5.5 }, { 19.0, 12.0 }, { 8.5, 18.5 } });
    path.closeSubpath();
    return path.united(stroked(path, 1.6));
}

QPainterPath plus()
{
    QPainterPath path = polyline({ { 12.0, 5.0 }, { 12.0, 19.0 } });
    path.addPath(polyline({ { 5.0, 12.0 }, { 19.0, 12.0 } }));
    return stroked(path, 3.6);
}

QPainterPath arrowOut()
{
    QPainterPath path = polyline({ { 6.0, 18.0 }, { 17.0, 7.0 } });
    path.addPath(polyline({ { 9.0, 6.0 }, { 18.0, 6.0 }, { 18.0, 15.0 } }));
    return stroked(path, 3.2);
}

QPainterPath check()
{
    return stroked(polyline({ { 5.0, 12.5 }, { 10.0, 17.5 }, { 19.5, 7.0 } }), 3.4);
}

} // namespace Glyphs
