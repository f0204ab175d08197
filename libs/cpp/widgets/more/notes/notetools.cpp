#include "notetools.h"

#include "imageeffects.h"
#include "imagenoteworkarea.h"
#include "notegeometry.h"
#include "pictures.h"

#include <QDebug>
#include <QtMath>

#include <cmath>

namespace QMWidgets {
namespace NoteTools {

namespace {
QPen toolPen(const QColor& color, qreal width, bool dashed, Qt::PenCapStyle cap)
{
    // A freehand line is drawn as one path: with round caps it also gets round
    // joins, so that it turns as round as a chain of round-capped segments.
    const Qt::PenJoinStyle join = cap == Qt::RoundCap ? Qt::RoundJoin : Qt::BevelJoin;
    return QPen(QBrush(color), width, dashed ? Qt::DashLine : Qt::SolidLine, cap, join);
}
} // namespace

Style style(Mode mode, const QColor& color, int thickness, bool dashed, bool smallOval)
{
    Style result;
    QColor fill = color;
    fill.setAlpha(200);
    switch (mode) {
    case Mode::Eraser:
        result.pen = toolPen(QColor(0, 0, 0, 0), 10 * thickness, false, Qt::RoundCap);
        result.composition = QPainter::CompositionMode_Source;
        break;
    case Mode::Highlighter:
        result.pen = toolPen(color, 8 * thickness, false, Qt::SquareCap);
        result.opacity = 0.1;
        break;
    case Mode::Rectangle:
    case Mode::Line:
    case Mode::Arrow:
    case Mode::TextAccepted:
        result.pen = toolPen(color, thickness, dashed, Qt::SquareCap);
        break;
    case Mode::FilledRectangle:
        result.pen = toolPen(color, thickness, dashed, Qt::SquareCap);
        result.brush = QBrush(fill);
        break;
    case Mode::Oval:
        result.pen = toolPen(color, thickness, dashed && !smallOval, Qt::SquareCap);
        break;
    case Mode::FilledOval:
        result.pen = toolPen(color, thickness, dashed && !smallOval, Qt::SquareCap);
        result.brush = QBrush(fill);
        break;
    default:
        result.pen = toolPen(color, thickness, dashed, Qt::RoundCap);
        break;
    }
    return result;
}

QPen textFramePen()
{
    return toolPen(Qt::white, 2, true, Qt::SquareCap);
}

void apply(QPainter& painter, const Style& style)
{
    painter.setPen(style.pen);
    painter.setBrush(style.brush);
    painter.setOpacity(style.opacity);
    painter.setCompositionMode(style.composition);
}

void drawShape(QPainter& painter, Mode mode, const QPoint& press, const QPoint& current)
{
    switch (mode) {
    case Mode::Rectangle:
    case Mode::FilledRectangle:
        painter.drawRect(NoteGeometry::cornerRect(press, current));
        break;
    case Mode::Oval:
    case Mode::FilledOval:
        painter.drawEllipse(NoteGeometry::cornerRect(press, current));
        break;
    case Mode::Line:
        painter.drawLine(press, current);
        break;
    case Mode::Arrow:
        drawArrow(painter, press, current);
        break;
    default:
        break;
    }
}

void drawArrow(QPainter& painter, const QPoint& start, const QPoint& end)
{
    painter.drawLine(start, end);
    const QVector<QLineF> head = NoteGeometry::arrowHead(start, end);
    if (head.isEmpty())
        return;
    painter.save();
    QPen solid = painter.pen();
    solid.setStyle(Qt::SolidLine);
    painter.setPen(solid);
    painter.drawLines(head);
    painter.restore();
}

void drawLines(QPainter& painter, const QVector<QPolygon>& lines)
{
    for (const QPolygon& line : lines) {
        // A line without length paints nothing; a point paints the pen's dot.
        if (line.size() == 1)
            painter.drawPoint(line.first());
        else
            painter.drawPolyline(line);
    }
}

int reach(const Style& style)
{
    // Round caps and joins reach half the pen's width from the line, square
    // caps half the diagonal of the pen's square (bevel joins stay within the
    // half width). The antialiased edge takes one pixel more, and one more
    // goes from a pixel's corner, where a point lies, to the far side of it.
    const qreal width = style.pen.widthF();
    const qreal extent = style.pen.capStyle() == Qt::RoundCap ? width / 2 : width * M_SQRT1_2;
    return int(std::ceil(extent)) + 2;
}

QCursor cursor(Mode mode, const QColor& color)
{
    struct ToolCursor
    {
        Mode mode;
        const char* path;
        bool recoloured;
        Qt::CursorShape standIn;
    };
    static const ToolCursor cursors[] = {
        { Mode::Pen, ":/Pen_cur.png", true, Qt::CrossCursor },
        { Mode::Eraser, ":/Eraser_cur.png", false, Qt::CrossCursor },
        { Mode::Highlighter, ":/Highlighter_cur.png", true, Qt::CrossCursor },
        { Mode::Rectangle, ":/Rect_cur.png", true, Qt::CrossCursor },
        { Mode::FilledRectangle, ":/FilledRect_cur.png", true, Qt::CrossCursor },
        { Mode::BlurRectangle, ":/Blur_cur.png", false, Qt::CrossCursor },
        { Mode::Oval, ":/Oval_cur.png", true, Qt::CrossCursor },
        { Mode::Line, ":/Line_cur.png", true, Qt::CrossCursor },
        { Mode::Arrow, ":/Arrow_cur.png", true, Qt::CrossCursor },
        { Mode::Text, ":/Text_cur.png", true, Qt::IBeamCursor },
    };
    for (const ToolCursor& entry : cursors) {
        if (entry.mode != mode)
            continue;
        const QPixmap picture = Pictures::pixmap(QLatin1String(entry.path));
        if (picture.isNull())
            return QCursor(entry.standIn);
        if (!entry.recoloured)
            return QCursor(picture);
        const QImage tinted = MGraphX::replaceColor(picture.toImage(), QColor(0, 0, 255, 255), color);
        return QCursor(QPixmap::fromImage(tinted));
    }
    qDebug("Default");
    return QCursor(Qt::ArrowCursor);
}

} // namespace NoteTools
} // namespace QMWidgets
