#include "notehistory.h"

#include <QHash>

namespace QMWidgets {

namespace {
bool isTransparent(const QImage& tile)
{
    for (int y = 0; y < tile.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(tile.constScanLine(y));
        for (int x = 0; x < tile.width(); ++x)
            if (qAlpha(line[x]) != 0)
                return false;
    }
    return true;
}

// Copies of one tile in several states share their data, and so their key.
bool sameTile(const QImage& a, const QImage& b)
{
    return a.cacheKey() == b.cacheKey();
}
} // namespace

NoteHistory::NoteHistory(qint64 limit)
    : m_limit(limit)
{
}

void NoteHistory::reset(const QSize& size)
{
    m_size = size;
    m_columns = (size.width() + TileSize - 1) / TileSize;
    const int rows = (size.height() + TileSize - 1) / TileSize;
    m_current = State(m_columns * rows);
    m_touched = QRect();
    m_undo.clear();
    m_redo.clear();
}

void NoteHistory::touch(const QRect& area)
{
    m_touched |= area & QRect(QPoint(), m_size);
}

QRect NoteHistory::tileRect(int index) const
{
    const QRect tile((index % m_columns) * TileSize, (index / m_columns) * TileSize, TileSize, TileSize);
    return tile & QRect(QPoint(), m_size);
}

NoteHistory::State NoteHistory::capture(const QImage& layer)
{
    if (!m_touched.isEmpty()) {
        for (int i = 0; i < m_current.size(); ++i) {
            const QRect rect = tileRect(i);
            if (!rect.intersects(m_touched))
                continue;
            const QImage tile = layer.copy(rect);
            // A tile painted over with what it held already stays shared.
            if (isTransparent(tile))
                m_current[i] = QImage();
            else if (tile != m_current.at(i))
                m_current[i] = tile;
        }
        m_touched = QRect();
    }
    return m_current;
}

void NoteHistory::restore(QImage& layer, const State& state)
{
    for (int i = 0; i < state.size(); ++i) {
        if (sameTile(state.at(i), m_current.at(i)))
            continue;
        const QRect rect = tileRect(i);
        for (int y = 0; y < rect.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(layer.scanLine(rect.top() + y)) + rect.left();
            if (state.at(i).isNull())
                std::fill(line, line + rect.width(), QRgb(0));
            else
                std::copy_n(reinterpret_cast<const QRgb*>(state.at(i).constScanLine(y)), rect.width(), line);
        }
    }
    m_current = state;
}

void NoteHistory::pushUndo(const QImage& layer)
{
    m_undo.append(capture(layer));
    trim();
}

bool NoteHistory::undo(QImage& layer)
{
    if (m_undo.isEmpty())
        return false;
    m_redo.append(capture(layer));
    restore(layer, m_undo.takeLast());
    trim();
    return true;
}

bool NoteHistory::redo(QImage& layer)
{
    if (m_redo.isEmpty())
        return false;
    m_undo.append(capture(layer));
    restore(layer, m_redo.takeLast());
    trim();
    return true;
}

qint64 NoteHistory::memory() const
{
    QHash<qint64, qint64> tiles;
    const auto add = [&](const State& state) {
        for (const QImage& tile : state)
            if (!tile.isNull())
                tiles.insert(tile.cacheKey(), tile.sizeInBytes());
    };
    add(m_current);
    for (const State& state : m_undo)
        add(state);
    for (const State& state : m_redo)
        add(state);
    qint64 total = 0;
    for (qint64 bytes : tiles)
        total += bytes;
    return total;
}

void NoteHistory::trim()
{
    // How many kept states hold each tile, and what all of them take.
    QHash<qint64, int> users;
    qint64 total = 0;
    const auto count = [&](const State& state, int change) {
        for (const QImage& tile : state) {
            if (tile.isNull())
                continue;
            int& n = users[tile.cacheKey()];
            if (n == 0 && change > 0)
                total += tile.sizeInBytes();
            n += change;
            if (n == 0)
                total -= tile.sizeInBytes();
        }
    };
    count(m_current, 1);
    for (const State& state : m_undo)
        count(state, 1);
    for (const State& state : m_redo)
        count(state, 1);
    while (total > m_limit && (m_undo.size() > 1 || !m_redo.isEmpty())) {
        if (m_undo.size() > 1)
            count(m_undo.takeFirst(), -1);
        else
            count(m_redo.takeFirst(), -1);
    }
}

} // namespace QMWidgets
