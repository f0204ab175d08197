#include "notestroke.h"

namespace QMWidgets {

void NoteStroke::start(const QPoint& point)
{
    m_segments.clear();
    m_queued = { QLine(point, point) };
    m_last = point;
}

void NoteStroke::moveTo(const QPoint& point)
{
    m_queued.append(QLine(m_last, point));
    m_last = point;
}

const QList<QLine>& NoteStroke::take()
{
    m_segments.append(m_queued);
    m_queued.clear();
    return m_segments;
}

QList<QLine> NoteStroke::finish()
{
    take();
    QList<QLine> stroke;
    stroke.swap(m_segments);
    return stroke;
}

} // namespace QMWidgets
