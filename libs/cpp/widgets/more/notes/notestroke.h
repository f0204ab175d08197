#pragma once

#include <QPolygon>
#include <QRect>
#include <QVector>

namespace QMWidgets {

// The freehand lines of a stroke, each the points the pointer passed through
// from a press on. Every move reaches the line, however many arrive between
// two paints, and the line is drawn as one path, so that a dash pattern runs
// on along it and a translucent line is blended once. A line whose release
// never arrived stays in the stroke and is finished together with the next one.
class NoteStroke
{
public:
    // Begins a new line at point.
    void start(const QPoint& point);
    // Extends the current line to point; a move that stays on the same pixel
    // adds nothing.
    void moveTo(const QPoint& point);

    const QVector<QPolygon>& lines() const { return m_lines; }
    // The lines of the stroke; the stroke is then empty.
    QVector<QPolygon> finish();
    bool isEmpty() const { return m_lines.isEmpty(); }

    // The rectangle of every point of the stroke, and that of the last step
    // (the last two points of the current line).
    QRect bounds() const;
    QRect lastStep() const;

private:
    QVector<QPolygon> m_lines;
};

} // namespace QMWidgets
