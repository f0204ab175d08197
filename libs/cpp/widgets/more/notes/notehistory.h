#pragma once

#include <QImage>
#include <QRect>
#include <QVector>

namespace QMWidgets {

// Undo and redo of the note layer as whole states. A state is kept as tiles
// of the layer, and a tile that two states have in common is stored once, so
// a step costs memory only for the tiles it changed and fully transparent
// tiles cost nothing. The owner tells which parts of the layer it paints
// (touch) between the steps.
//
// The memory of all kept tiles is bounded: when a new step would go over the
// limit, the oldest undo steps are dropped first, then the redo steps farthest
// from the present. The most recent undo step is always kept, even when it
// alone is over the limit.
class NoteHistory
{
public:
    static constexpr qint64 DefaultLimit = qint64(256) << 20;
    static constexpr int TileSize = 128;

    explicit NoteHistory(qint64 limit = DefaultLimit);

    // Forgets every step; the layer is now fully transparent and of this size.
    void reset(const QSize& size);
    // The layer has been (or is about to be) painted inside area.
    void touch(const QRect& area);

    // Puts the layer as it is now on the undo stack; the redo stack stays.
    void pushUndo(const QImage& layer);
    // Puts the layer on the redo (undo) stack and makes it the most recent
    // undo (redo) state. False, with nothing changed, when there is none.
    bool undo(QImage& layer);
    bool redo(QImage& layer);

    bool canUndo() const { return !m_undo.isEmpty(); }
    bool canRedo() const { return !m_redo.isEmpty(); }
    // Bytes of all tiles the history holds.
    qint64 memory() const;

private:
    using State = QVector<QImage>; // tiles row by row; a null tile is fully transparent

    QRect tileRect(int index) const;
    // The layer as a state, copying only the tiles touched since the last time.
    State capture(const QImage& layer);
    void restore(QImage& layer, const State& state);
    void trim();

    qint64 m_limit;
    QSize m_size;
    int m_columns = 0;
    State m_current;
    QRect m_touched;
    QVector<State> m_undo;
    QVector<State> m_redo;
};

} // namespace QMWidgets
