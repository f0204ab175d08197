#include "notestrokeimage.h"

#include "sharedwork.h"

#include <QPainter>
#include <QPainterPath>

#include <vector>

namespace QMWidgets {

namespace {
// Rows of a band of a line's area drawn on a thread of its own, and the most
// bands.
constexpr int BandRows = 40;
constexpr int MaxBands = 4;

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
    const bool extended = m_size == size && sameStyle(style, m_style) && m_drawn > 0 && m_drawn <= line.size()
        && line.at(m_drawn - 1) == m_last;
    QRect changed;
    if (extended) {
        if (m_drawn == line.size())
            return true;
        // The end of the line as it was changes too: its cap becomes a join.
        changed = QPolygon(line.mid(m_drawn - 1)).boundingRect();
    } else {
        clear();
        m_size = size;
        m_columns = (size.width() + TileSize - 1) / TileSize;
        m_tiles.resize(m_columns * ((size.height() + TileSize - 1) / TileSize));
        m_style = style;
        changed = line.boundingRect();
    }
    const int reach = NoteTools::reach(style);
    draw(line, changed.adjusted(-reach, -reach, reach, reach) & QRect(QPoint(), m_size));
    m_drawn = line.size();
    m_last = line.constLast();
    return true;
}

QRect NoteStrokeImage::tileRect(int index) const
{
    return QRect((index % m_columns) * TileSize, (index / m_columns) * TileSize, TileSize, TileSize)
        & QRect(QPoint(), m_size);
}

QVector<int> NoteStrokeImage::tilesIn(const QRect& area) const
{
    QVector<int> indices;
    const QRect inside = area & QRect(QPoint(), m_size);
    if (inside.isEmpty())
        return indices;
    for (int row = inside.top() / TileSize; row <= inside.bottom() / TileSize; ++row)
        for (int column = inside.left() / TileSize; column <= inside.right() / TileSize; ++column)
            indices << row * m_columns + column;
    return indices;
}

QImage NoteStrokeImage::drawn(const QPolygon& line, const QRect& area) const
{
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
    return part;
}

void NoteStrokeImage::draw(const QPolygon& line, const QRect& area)
{
    if (area.isEmpty())
        return;
    // A wide line's area is drawn in bands, each from the pieces that reach
    // it, on the threads of the pool; the pixels are the same.
    struct Band
    {
        QRect area;
        QImage part;
    };
    std::vector<Band> bands;
    const int count = qBound(1, area.height() / BandRows, MaxBands);
    for (int band = 0; band < count; ++band) {
        const int top = area.top() + area.height() * band / count;
        const int bottom = area.top() + area.height() * (band + 1) / count;
        bands.push_back({ QRect(area.left(), top, area.width(), bottom - top), QImage() });
    }
    MGraphX::shareOut(count, [this, &line, &bands](int index) {
        Band& band = bands[size_t(index)];
        band.part = drawn(line, band.area);
    });
    for (const Band& band : bands)
        store(band.part, band.area);
}

void NoteStrokeImage::store(const QImage& part, const QRect& area)
{
    for (int index : tilesIn(area)) {
        const QRect tile = tileRect(index);
        QImage& image = m_tiles[index];
        if (image.isNull()) {
            image = QImage(tile.size(), QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
        }
        const QRect common = tile & area;
        QPainter into(&image);
        into.setCompositionMode(QPainter::CompositionMode_Source);
        into.drawImage(common.topLeft() - tile.topLeft(), part, common.translated(-area.topLeft()));
    }
}

void NoteStrokeImage::paint(QPainter& painter, const QRect& area) const
{
    painter.save();
    painter.setOpacity(1.0);
    painter.setCompositionMode(erases(m_style) ? QPainter::CompositionMode_DestinationOut
                                               : QPainter::CompositionMode_SourceOver);
    for (int index : tilesIn(area)) {
        const QImage& image = m_tiles.at(index);
        if (image.isNull())
            continue;
        const QRect tile = tileRect(index);
        const QRect common = tile & area;
        painter.drawImage(common.topLeft(), image, common.translated(-tile.topLeft()));
    }
    painter.restore();
}

void NoteStrokeImage::clear()
{
    m_tiles.clear();
    m_size = QSize();
    m_columns = 0;
    m_drawn = 0;
}

} // namespace QMWidgets
