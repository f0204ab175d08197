#pragma once

#include <QLine>
#include <QList>
#include <QPoint>

namespace QMWidgets {

// The segments of one freehand stroke. Every pointer move queues the segment
// it travelled; a paint takes the queue into the stroke. However many moves
// arrive between two paints, every one of their segments reaches the stroke.
class NoteStroke
{
public:
    // Starts a new stroke, forgetting any earlier one, with a dot at point.
    void start(const QPoint& point);
    // Queues the segment from the last point to point.
    void moveTo(const QPoint& point);

    // Takes the queued segments into the stroke; returns the whole stroke.
    const QList<QLine>& take();
    // The whole stroke, queued segments included; the stroke is then empty.
    QList<QLine> finish();

    bool isEmpty() const { return m_segments.isEmpty() && m_queued.isEmpty(); }

private:
    QList<QLine> m_segments;
    QList<QLine> m_queued;
    QPoint m_last;
};

} // namespace QMWidgets
