#include "notestrokeimage.h"

#include <QPainter>
#include <QPainterPath>

#include <cstdlib>

namespace QMWidgets {

namespace {
// The eraser draws in a transparent colour that replaces what it covers.
bool erases(const NoteTools::Style& style)
{
    return style.composition == QPainter::CompositionMode_Source && style.pen.color().alpha() == 0;
}

bool sameStyle(const NoteTools::Style& a, const NoteTools::Style& b)
{
    return a.pen == b.pen && a.brush == b.brush && a.opacity == b.opacity && a.composition == b.composition;
}

// The style the image is drawn in: the line's own, or for the eraser an opaque
// line whose coverage is what it takes away.
NoteTools::Style imageStyle(const NoteTools::Style& style)
{
    if (!erases(style))
        return style;
    NoteTools::Style mask = style;
    mask.pen.setColor(Qt::white);
    mask.composition = QPainter::CompositionMode_SourceOver;
    return mask;
}

// The smallest rectangle holding both points.
QRect span(const QPoint& a, const QPoint& b)
{
    return QRect(QPoint(qMin(a.x(), b.x()), qMin(a.y(), b.y())),
                 QPoint(qMax(a.x(), b.x()), qMax(a.y(), b.y())));
}

// A transparent image of this size. For a big picture the zeroed memory comes
// straight from the system, which gives out its pages as they are first
// written: a line over a small part of the picture takes little memory.
QImage transparentImage(const QSize& size)
{
    const qsizetype bytesPerLine = qsizetype(size.width()) * 4;
    void* data = std::calloc(size_t(bytesPerLine) * size_t(size.height()), 1);
    if (!data)
        return QImage();
    return QImage(
        static_cast<uchar*>(data), size.width(), size.height(), bytesPerLine,
        QImage::Format_ARGB32_Premultiplied, [](void* memory) { std::free(memory); }, data);
}
} // namespace

bool NoteStrokeImage::keeps(const NoteTools::Style& style)
{
    return style.pen.style() == Qt::SolidLine && style.pen.widthF() > 1
        && (style.composition == QPainter::CompositionMode_SourceOver || erases(style));
}

bool NoteStrokeImage::update(const QPolygon& line, const NoteTools::Style& style, const QSize& size)
{
    if (line.isEmpty() || size.isEmpty() || !keeps(style)) {
        clear();
        return false;
    }
    const bool extended = !m_image.isNull() && m_image.size() == size && sameStyle(style, m_style)
        && m_drawn > 0 && m_drawn <= line.size() && line.at(m_drawn - 1) == m_last;
    QRect changed;
    if (extended) {
        if (m_drawn == line.size())
            return true;
        // The end of the line as it was changes too: its cap becomes a join.
        for (int i = m_drawn - 1; i < line.size(); ++i)
            changed |= span(line.at(i), line.at(i));
    } else {
        m_image = transparentImage(size);
        if (m_image.isNull()) {
            clear();
            return false;
        }
        m_style = style;
        changed = line.boundingRect();
    }
    const int reach = NoteTools::reach(style);
    draw(line, changed.adjusted(-reach, -reach, reach, reach) & m_image.rect());
    m_drawn = line.size();
    m_last = line.constLast();
    return true;
}

void NoteStrokeImage::draw(const QPolygon& line, const QRect& area)
{
    if (area.isEmpty())
        return;
    // Every piece of the line that reaches the area goes into one path, so a
    // pixel is covered by the union of the pieces, as when the whole line is
    // drawn. A piece left out lies so far off that neither it nor the end it
    // leaves on its neighbour reaches the area.
    const int reach = NoteTools::reach(m_style);
    const QRect near = area.adjusted(-reach, -reach, reach, reach);
    QPainterPath pieces;
    bool open = false;
    for (int i = 0; i + 1 < line.size(); ++i) {
        if (!span(line.at(i), line.at(i + 1)).intersects(near)) {
            open = false;
            continue;
        }
        if (!open)
            pieces.moveTo(line.at(i));
        pieces.lineTo(line.at(i + 1));
        open = true;
    }
    // Drawn on an image of the area's size: drawing costs as much as the
    // drawing surface takes of the path, not only what a clip lets through.
    QImage part(area.size(), QImage::Format_ARGB32_Premultiplied);
    part.fill(Qt::transparent);
    QPainter painter(&part);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(-area.topLeft());
    const NoteTools::Style style = imageStyle(m_style);
    NoteTools::apply(painter, style);
    if (line.size() == 1)
        painter.drawPoint(line.constFirst());
    else
        painter.strokePath(pieces, style.pen);
    painter.end();

    QPainter image(&m_image);
    image.setCompositionMode(QPainter::CompositionMode_Source);
    image.drawImage(area.topLeft(), part);
}

void NoteStrokeImage::paint(QPainter& painter, const QRect& area) const
{
    if (m_image.isNull())
        return;
    const QRect part = area & m_image.rect();
    painter.save();
    painter.setOpacity(1.0);
    painter.setCompositionMode(erases(m_style) ? QPainter::CompositionMode_DestinationOut
                                               : QPainter::CompositionMode_SourceOver);
    painter.drawImage(part.topLeft(), m_image, part);
    painter.restore();
}

void NoteStrokeImage::clear()
{
    m_image = QImage();
    m_drawn = 0;
}

} // namespace QMWidgets
