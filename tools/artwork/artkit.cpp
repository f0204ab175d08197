#include "artkit.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace ArtKit {

void blendOver(Rgba& dst, const QColor& colour, double opacity)
{
    const double a = clamp01(colour.alphaF() * opacity);
    if (a <= 0.0)
        return;
    const double outA = a + dst.a * (1.0 - a);
    // Straight colours: weight both sides by their share of the result.
    const double keep = dst.a * (1.0 - a);
    dst.r = (colour.redF() * a + dst.r * keep) / outA;
    dst.g = (colour.greenF() * a + dst.g * keep) / outA;
    dst.b = (colour.blueF() * a + dst.b * keep) / outA;
    dst.a = outA;
}

QRgb toQRgb(const Rgba& c)
{
    auto channel = [](double v) { return int(std::lround(clamp01(v) * 255.0)); };
    return qRgba(channel(c.r), channel(c.g), channel(c.b), channel(c.a));
}

double clamp01(double v)
{
    return std::min(1.0, std::max(0.0, v));
}

double smoothStep(double edge0, double edge1, double x)
{
    const double t = clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3.0 - 2.0 * t);
}

double roundedSquareDistance(double x, double y, double side, double radius)
{
    const double half = side / 2.0;
    const double qx = std::abs(x - half) - (half - radius);
    const double qy = std::abs(y - half) - (half - radius);
    const double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
    const double inside = std::min(std::max(qx, qy), 0.0);
    return outside + inside - radius;
}

QImage blankImage(const QSize& size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage shadePixels(const QSize& size, const std::function<Rgba(double x, double y)>& shade)
{
    QImage image(size, QImage::Format_ARGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            line[x] = toQRgb(shade(x + 0.5, y + 0.5));
    }
    return image;
}

QImage supersampled(const QSize& size, int factor, const std::function<void(QPainter&)>& paint)
{
    QImage big = blankImage(size * factor);
    {
        QPainter painter(&big);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform
                               | QPainter::TextAntialiasing);
        painter.scale(factor, factor);
        paint(painter);
    }
    if (factor == 1)
        return big;
    return big.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QRectF centredBox(const QSizeF& size, double side)
{
    return QRectF((size.width() - side) / 2.0, (size.height() - side) / 2.0, side, side);
}

QFont wordFont(double pixelSize, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(1, int(std::lround(pixelSize))));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QPainterPath roundedRect(const QRectF& rect, double radius)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

void drawSoftShadow(QPainter& painter, const QPainterPath& path, const QPointF& offset, double spread,
                    const QColor& colour)
{
    const int steps = 8;
    const QPainterPath moved = path.translated(offset);
    painter.save();
    painter.setBrush(Qt::NoBrush);
    for (int i = steps; i >= 1; --i) {
        QColor c = colour;
        c.setAlphaF(colour.alphaF() / steps);
        painter.setPen(QPen(c, spread * 2.0 * i / steps, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(moved);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(moved);
    painter.restore();
}

} // namespace ArtKit
