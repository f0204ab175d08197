#include "notestroke.h"

namespace QMWidgets {

void NoteStroke::start(const QPoint& point)
{
    m_lines.append(QPolygon({ point }));
}

void NoteStroke::moveTo(const QPoint& point)
{
    if (m_lines.isEmpty())
        start(point);
    else if (m_lines.last().constLast() != point)
        m_lines.last().append(point);
}

QVector<QPolygon> NoteStroke::finish()
{
    QVector<QPolygon> lines;
    lines.swap(m_lines);
    return lines;
}

QRect NoteStroke::bounds() const
{
    QRect result;
    for (const QPolygon& line : m_lines)
        result |= line.boundingRect();
    return result;
}

QRect NoteStroke::lastStep() const
{
    if (m_lines.isEmpty())
        return QRect();
    const QPolygon& line = m_lines.last();
    const QPoint& end = line.constLast();
    const QPoint& start = line.size() > 1 ? line.at(line.size() - 2) : end;
    return QRect(QPoint(qMin(start.x(), end.x()), qMin(start.y(), end.y())),
                 QPoint(qMax(start.x(), end.x()), qMax(start.y(), end.y())));
}

} // namespace QMWidgets
