#include "itemart.h"

#include "artkit.h"
#include "glyphs.h"
#include "overlayart.h"

#include <QLinearGradient>
#include <QPainter>

namespace ItemArt {

namespace {

// The tile is worked out at this size and then scaled down, so the effects keep
// their proportions.
constexpr int kWorkSide = 512;

void lay(QImage& picture, const QImage& overlay)
{
    QPainter p(&picture);
    p.drawImage(0, 0, overlay);
}

} // namespace

QString stem(Effect effect)
{
    switch (effect) {
    case Effect::TopGlossy:
        return QStringLiteral("TopGlossy");
    case Effect::CenterGlossy:
        return QStringLiteral("CenterGlossy");
    case Effect::Volume:
        return QStringLiteral("Volume");
    case Effect::Frame:
        return QStringLiteral("Frame");
    case Effect::FreeLabel:
        return QStringLiteral("FreeLabel");
    case Effect::LiteLabel:
        return QStringLiteral("LiteLabel");
    case Effect::RoundedEdges:
        return QStringLiteral("RoundedEdges");
    }
    return QString();
}

QString suffix(State state)
{
    switch (state) {
    case State::Normal:
        return QString();
    case State::Hover:
        return QStringLiteral("_hvr");
    case State::Checked:
        return QStringLiteral("_chk");
    case State::CheckedHover:
        return QStringLiteral("_chk_hvr");
    }
    return QString();
}

QImage effectTile(Effect effect, int side)
{
    QImage picture = OverlayArt::sampleArt(kWorkSide).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    bool rounded = false;
    switch (effect) {
    case Effect::TopGlossy:
        lay(picture, OverlayArt::glossyTop(kWorkSide));
        break;
    case Effect::CenterGlossy:
        lay(picture, OverlayArt::glossyMiddle(kWorkSide));
        break;
    case Effect::Volume:
        lay(picture, OverlayArt::volume(kWorkSide));
        rounded = true;
        break;
    case Effect::Frame:
        lay(picture, OverlayArt::frame(kWorkSide));
        rounded = true;
        break;
    case Effect::FreeLabel:
        lay(picture, OverlayArt::cornerBand(kWorkSide, OverlayArt::freeBand(), 1.7));
        break;
    case Effect::LiteLabel:
        lay(picture, OverlayArt::cornerBand(kWorkSide, OverlayArt::liteBand(), 1.7));
        break;
    case Effect::RoundedEdges:
        rounded = true;
        break;
    }
    if (rounded)
        picture = OverlayArt::applyMask(picture, OverlayArt::roundRectMask(kWorkSide));
    return picture.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage effectItem(const QImage& tile, State state, int side)
{
    const bool checked = state == State::Checked || state == State::CheckedHover;
    const bool hover = state == State::Hover || state == State::CheckedHover;
    const double u = side / 88.0;
    QImage image = ArtKit::blankImage(QSize(side, side));
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);

    // The key.
    const QRectF key(2.0 * u, 2.0 * u, side - 4.0 * u, side - 4.0 * u);
    const QPainterPath keyPath = ArtKit::roundedRect(key, 16.0 * u);
    QLinearGradient fill(0.0, key.top(), 0.0, key.bottom());
    QColor rimTop;
    QColor rimBottom;
    if (checked) {
        fill.setColorAt(0.0, hover ? QColor(92, 166, 255) : QColor(54, 134, 240));
        fill.setColorAt(1.0, hover ? QColor(34, 92, 196) : QColor(18, 60, 156));
        rimTop = hover ? QColor(215, 238, 255) : QColor(150, 210, 255);
        rimBottom = hover ? QColor(120, 190, 255) : QColor(70, 150, 255);
    } else {
        fill.setColorAt(0.0, hover ? QColor(96, 96, 102) : QColor(66, 66, 70));
        fill.setColorAt(1.0, hover ? QColor(64, 64, 70) : QColor(40, 40, 44));
        rimTop = hover ? QColor(178, 178, 186) : QColor(116, 116, 122);
        rimBottom = hover ? QColor(100, 100, 108) : QColor(54, 54, 58);
    }
    p.fillPath(keyPath, fill);
    QLinearGradient rim(0.0, key.top(), 0.0, key.bottom());
    rim.setColorAt(0.0, rimTop);
    rim.setColorAt(1.0, rimBottom);
    const double rimWidth = (checked ? 2.6 : 1.5) * u;
    p.setPen(QPen(QBrush(rim), rimWidth));
    p.setBrush(Qt::NoBrush);
    p.drawPath(ArtKit::roundedRect(key.adjusted(rimWidth / 2, rimWidth / 2, -rimWidth / 2, -rimWidth / 2),
                                   16.0 * u - rimWidth / 2));
    p.setPen(Qt::NoPen);

    // The icon, a little dimmed while the switch rests.
    const QRectF tileRect(16.0 * u, 14.0 * u, 56.0 * u, 56.0 * u);
    QPainterPath tileShadow;
    tileShadow.addRoundedRect(tileRect.adjusted(2.0 * u, 3.0 * u, -2.0 * u, 1.0 * u), 8.0 * u, 8.0 * u);
    ArtKit::drawSoftShadow(p, tileShadow, QPointF(0.0, 1.0 * u), 3.0 * u, QColor(0, 0, 0, 90));
    p.setOpacity(state == State::Normal ? 0.82 : 1.0);
    p.drawImage(tileRect, tile);
    p.setOpacity(1.0);

    if (checked) {
        // A lit check mark in the lower right corner.
        const QPointF c(69.0 * u, 69.0 * u);
        const double r = 13.0 * u;
        p.setBrush(QColor(0, 0, 0, 90));
        p.drawEllipse(c + QPointF(0.0, 1.2 * u), r + 0.6 * u, r + 0.6 * u);
        QLinearGradient badge(0.0, c.y() - r, 0.0, c.y() + r);
        badge.setColorAt(0.0, QColor(110, 226, 130));
        badge.setColorAt(1.0, QColor(22, 150, 64));
        p.setBrush(badge);
        p.drawEllipse(c, r, r);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 255, 255), 2.0 * u));
        p.drawEllipse(c, r - 1.0 * u, r - 1.0 * u);
        p.setPen(Qt::NoPen);
        QTransform t;
        t.translate(c.x() - 8.0 * u, c.y() - 8.0 * u);
        t.scale(16.0 * u / 24.0, 16.0 * u / 24.0);
        p.fillPath(t.map(Glyphs::check()), QColor(255, 255, 255));
    }
    p.end();
    return image;
}

} // namespace ItemArt
