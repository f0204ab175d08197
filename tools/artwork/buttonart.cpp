#include "buttonart.h"

#include "artkit.h"
#include "glyphs.h"

#include <QLinearGradient>
#include <QPainter>

#include <cmath>

namespace ButtonArt {

namespace {

constexpr int kSupersample = 4;

// Maps the 24 x 24 design grid of a pictogram onto a square of the picture.
QPainterPath placed(const QPainterPath& glyph, const QRectF& box)
{
    QTransform t;
    t.translate(box.left(), box.top());
    t.scale(box.width() / 24.0, box.height() / 24.0);
    return t.map(glyph);
}

void paintGlyph(QPainter& p, const QPainterPath& shape, bool hover)
{
    const QRectF r = shape.boundingRect();
    if (hover) {
        ArtKit::drawSoftShadow(p, shape, QPointF(0.0, 0.0), 2.2, QColor(110, 180, 255, 110));
        p.fillPath(shape, QColor(255, 255, 255));
        return;
    }
    p.fillPath(shape.translated(0.0, 1.0), QColor(0, 0, 0, 150));
    QLinearGradient fill(0.0, r.top(), 0.0, r.bottom());
    fill.setColorAt(0.0, QColor(232, 232, 236));
    fill.setColorAt(1.0, QColor(172, 172, 180));
    p.fillPath(shape, fill);
}

void paintPlate(QPainter& p, const QRectF& rect, double radius, bool hover)
{
    const QPainterPath plate = ArtKit::roundedRect(rect, radius);
    QLinearGradient fill(0.0, rect.top(), 0.0, rect.bottom());
    QLinearGradient rim(0.0, rect.top(), 0.0, rect.bottom());
    if (hover) {
        fill.setColorAt(0.0, QColor(120, 170, 255, 120));
        fill.setColorAt(1.0, QColor(40, 90, 200, 95));
        rim.setColorAt(0.0, QColor(170, 210, 255, 210));
        rim.setColorAt(1.0, QColor(80, 130, 230, 140));
    } else {
        fill.setColorAt(0.0, QColor(255, 255, 255, 20));
        fill.setColorAt(1.0, QColor(255, 255, 255, 5));
        rim.setColorAt(0.0, QColor(255, 255, 255, 48));
        rim.setColorAt(1.0, QColor(255, 255, 255, 12));
    }
    p.fillPath(plate, fill);
    p.setPen(QPen(QBrush(rim), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(ArtKit::roundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius - 0.5));
    p.setPen(Qt::NoPen);
}

} // namespace

QImage barButton(const QPainterPath& glyph, bool hover)
{
    const QSize size(50, 32);
    return ArtKit::supersampled(size, kSupersample, [&](QPainter& p) {
        paintPlate(p, QRectF(1.0, 1.0, 48.0, 30.0), 7.0, hover);
        paintGlyph(p, placed(glyph, ArtKit::centredBox(size, 19.0)), hover);
    });
}

QImage videoButton(bool hover)
{
    const QSize size(150, 32);
    return ArtKit::supersampled(size, kSupersample, [&](QPainter& p) {
        const QRectF rect(1.0, 1.0, 148.0, 30.0);
        const QPainterPath plate = ArtKit::roundedRect(rect, 8.0);
        QLinearGradient fill(0.0, rect.top(), 0.0, rect.bottom());
        fill.setColorAt(0.0, hover ? QColor(92, 156, 255) : QColor(60, 122, 232));
        fill.setColorAt(0.5, hover ? QColor(56, 112, 220) : QColor(36, 86, 190));
        fill.setColorAt(1.0, hover ? QColor(40, 90, 196) : QColor(22, 58, 150));
        p.fillPath(plate, fill);
        // Glass highlight over the upper half.
        QLinearGradient gloss(0.0, rect.top(), 0.0, rect.center().y());
        gloss.setColorAt(0.0, QColor(255, 255, 255, hover ? 90 : 70));
        gloss.setColorAt(1.0, QColor(255, 255, 255, 10));
        p.fillPath(
            ArtKit::roundedRect(QRectF(rect.left() + 1.5, rect.top() + 1.0, rect.width() - 3.0, 14.0), 6.5),
            gloss);
        p.setPen(QPen(hover ? QColor(190, 220, 255) : QColor(120, 165, 240), 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawPath(ArtKit::roundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), 7.5));
        p.setPen(Qt::NoPen);
        // A play disc on the left.
        const QPointF c(17.5, 16.0);
        p.setBrush(QColor(0, 0, 0, 60));
        p.drawEllipse(c + QPointF(0.0, 1.0), 11.0, 11.0);
        p.setBrush(QColor(255, 255, 255, hover ? 255 : 235));
        p.drawEllipse(c, 11.0, 11.0);
        const QPainterPath triangle = placed(Glyphs::play(), QRectF(c.x() - 8.0, c.y() - 8.0, 16.0, 16.0));
        p.fillPath(triangle.translated(1.0, 0.0), hover ? QColor(40, 96, 210) : QColor(30, 76, 176));
    });
}

QImage scrollArrow(bool left)
{
    const QSize size(24, 24);
    return ArtKit::supersampled(size, kSupersample, [&](QPainter& p) {
        const QPainterPath shape
            = placed(left ? Glyphs::chevronLeft() : Glyphs::chevronRight(), ArtKit::centredBox(size, 18.0));
        paintGlyph(p, shape, false);
    });
}

QImage menuIndicator()
{
    return ArtKit::supersampled(QSize(8, 8), kSupersample, [](QPainter& p) {
        QPainterPath triangle;
        triangle.moveTo(0.5, 2.0);
        triangle.lineTo(7.5, 2.0);
        triangle.lineTo(4.0, 6.5);
        triangle.closeSubpath();
        p.fillPath(triangle, QColor(225, 225, 230));
    });
}

QImage badge(const QString& letters, const QPainterPath& glyph, BadgeKind kind, bool hover)
{
    const QSize size(48, 48);
    return ArtKit::supersampled(size, kSupersample, [&](QPainter& p) {
        const QPointF c(23.0, 23.0);
        const double r = 20.5;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 70));
        p.drawEllipse(c + QPointF(0.0, 1.5), r + 0.5, r + 0.5);
        QLinearGradient fill(0.0, c.y() - r, 0.0, c.y() + r);
        fill.setColorAt(0.0, hover ? QColor(104, 150, 232) : QColor(96, 102, 116));
        fill.setColorAt(1.0, hover ? QColor(38, 78, 168) : QColor(44, 47, 56));
        p.setBrush(fill);
        p.drawEllipse(c, r, r);
        QLinearGradient gloss(0.0, c.y() - r, 0.0, c.y());
        gloss.setColorAt(0.0, QColor(255, 255, 255, 70));
        gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
        p.setBrush(gloss);
        p.drawEllipse(QPointF(c.x(), c.y() - r * 0.42), r * 0.80, r * 0.52);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 255, 255, hover ? 150 : 60), 1.0));
        p.drawEllipse(c, r - 0.5, r - 0.5);
        p.setPen(Qt::NoPen);

        QPainterPath mark;
        if (!letters.isEmpty()) {
            mark.addText(0.0, 0.0, ArtKit::wordFont(15.0), letters);
            mark.translate(c - mark.boundingRect().center());
        } else {
            mark = placed(glyph, QRectF(c.x() - 12.0, c.y() - 12.0, 24.0, 24.0));
        }
        p.fillPath(mark.translated(0.0, 1.0), QColor(0, 0, 0, 120));
        p.fillPath(mark, QColor(255, 255, 255));

        // Corner mark: an outgoing arrow for sharing, a plus for joining.
        const QPointF m(38.5, 38.5);
        p.setBrush(QColor(0, 0, 0, 90));
        p.drawEllipse(m + QPointF(0.0, 0.8), 8.2, 8.2);
        p.setBrush(kind == BadgeKind::Share ? QColor(40, 120, 230) : QColor(40, 170, 90));
        p.drawEllipse(m, 8.0, 8.0);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 255, 255, 200), 1.2));
        p.drawEllipse(m, 7.4, 7.4);
        p.setPen(Qt::NoPen);
        const QPainterPath sign = placed(kind == BadgeKind::Share ? Glyphs::arrowOut() : Glyphs::plus(),
                                         QRectF(m.x() - 5.5, m.y() - 5.5, 11.0, 11.0));
        p.fillPath(sign, QColor(255, 255, 255));
    });
}

QImage backgroundBar()
{
    const int width = 300;
    const int height = 45;
    const int barBottom = 38;
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(71, 71, 71));
    QPainter p(&image);
    QLinearGradient body(0.0, 0.0, 0.0, barBottom);
    body.setColorAt(0.0, QColor(84, 84, 90));
    body.setColorAt(0.5, QColor(58, 58, 63));
    body.setColorAt(1.0, QColor(40, 40, 44));
    p.fillRect(0, 0, width, barBottom, body);
    p.fillRect(0, 0, width, 1, QColor(255, 255, 255, 60));
    p.fillRect(0, 1, width, 1, QColor(255, 255, 255, 18));

    // A thin strand of light along the lower edge of the bar.
    QLinearGradient strand(0.0, 0.0, width, 0.0);
    strand.setColorAt(0.0, QColor(40, 110, 230, 60));
    strand.setColorAt(0.5, QColor(120, 210, 255, 255));
    strand.setColorAt(1.0, QColor(40, 110, 230, 60));
    p.fillRect(0, barBottom - 1, width, 1, QColor(0, 0, 0, 140));
    p.fillRect(0, barBottom, width, 2, strand);
    QLinearGradient glow(0.0, 0.0, width, 0.0);
    glow.setColorAt(0.0, QColor(60, 140, 255, 0));
    glow.setColorAt(0.5, QColor(60, 160, 255, 70));
    glow.setColorAt(1.0, QColor(60, 140, 255, 0));
    p.fillRect(0, barBottom - 2, width, 1, glow);

    // The ledge below fades into the page colour.
    QLinearGradient ledge(0.0, barBottom + 2, 0.0, height);
    ledge.setColorAt(0.0, QColor(30, 30, 33));
    ledge.setColorAt(1.0, QColor(71, 71, 71));
    p.fillRect(0, barBottom + 2, width, height - barBottom - 2, ledge);
    p.end();
    return image;
}

} // namespace ButtonArt
