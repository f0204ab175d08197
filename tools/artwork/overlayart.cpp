#include "overlayart.h"

#include "artkit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

using ArtKit::Rgba;

namespace OverlayArt {

namespace {

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);

// Distance to the outline of an axis-aligned ellipse, estimated from its implicit
// function; exact enough for antialiasing an edge a pixel or two wide.
double ellipseDistance(double x, double y, double cx, double cy, double rx, double ry)
{
    const double nx = (x - cx) / rx;
    const double ny = (y - cy) / ry;
    const double f = nx * nx + ny * ny - 1.0;
    const double gx = 2.0 * nx / rx;
    const double gy = 2.0 * ny / ry;
    return f / std::max(1e-9, std::hypot(gx, gy));
}

// Outward unit normal of the rounded square at (x, y), from the distance field.
QPointF roundedSquareNormal(double x, double y, double side, double radius)
{
    const double h = 0.75;
    const double dx = ArtKit::roundedSquareDistance(x + h, y, side, radius)
        - ArtKit::roundedSquareDistance(x - h, y, side, radius);
    const double dy = ArtKit::roundedSquareDistance(x, y + h, side, radius)
        - ArtKit::roundedSquareDistance(x, y - h, side, radius);
    const double len = std::hypot(dx, dy);
    if (len < 1e-9)
        return QPointF(0.0, -1.0);
    return QPointF(dx / len, dy / len);
}

} // namespace

QImage glossyTop(int side)
{
    const double s = side;
    const double cx = 0.5 * s;
    const double cy = -0.42 * s;
    const double rx = 1.05 * s;
    const double ry = 0.90 * s;
    const double soft = std::max(1.0, s / 600.0);
    return ArtKit::shadePixels(QSize(side, side), [=](double x, double y) {
        const double inside = ArtKit::coverage(ellipseDistance(x, y, cx, cy, rx, ry) / soft);
        if (inside <= 0.0)
            return Rgba {};
        const double nx = (x - cx) / rx;
        const double arcY = cy + ry * std::sqrt(std::max(0.0, 1.0 - nx * nx));
        const double t = ArtKit::clamp01(y / arcY);
        // Strong at the top, fading towards the arc, with a faint lift at the
        // very edge so the arc reads as the rim of a glass cap.
        const double alpha = 0.10 + 0.52 * std::pow(1.0 - t, 1.7) + 0.08 * ArtKit::smoothStep(0.9, 1.0, t);
        return Rgba { 1.0, 1.0, 1.0, alpha * inside };
    });
}

QImage glossyMiddle(int side)
{
    const double s = side;
    const double cx = 0.5 * s;
    const double cy = 0.47 * s;
    const double rx = 0.44 * s;
    const double ry = 0.33 * s;
    const double soft = std::max(1.0, s / 500.0);
    return ArtKit::shadePixels(QSize(side, side), [=](double x, double y) {
        Rgba c;
        // A broad glow that lifts the middle of the picture.
        const double r = std::hypot(x - cx, y - 0.5 * s) / (0.62 * s);
        ArtKit::blendOver(c, kWhite, 0.22 * std::exp(-3.0 * r * r));
        // The glassy lens: bright along its top, clear towards its bottom.
        const double d = ellipseDistance(x, y, cx, cy, rx, ry);
        const double inside = ArtKit::coverage(d / soft);
        if (inside > 0.0) {
            const double t = ArtKit::clamp01((y - (cy - ry)) / (2.0 * ry));
            const double lens = 0.50 * std::pow(1.0 - t, 2.4);
            // A fine rim of light traces the lens, brightest along its top.
            const double rim = 0.22 * (1.0 - 0.75 * t) * std::exp(std::min(0.0, d) / (0.006 * s));
            ArtKit::blendOver(c, kWhite, (lens + rim) * inside);
        }
        return c;
    });
}

QImage volume(int side)
{
    const double s = side;
    const double radius = ArtKit::kCornerRatio * s;
    return ArtKit::shadePixels(QSize(side, side), [=](double x, double y) {
        const double d = ArtKit::roundedSquareDistance(x, y, s, radius);
        const double cov = ArtKit::coverage(d);
        if (cov <= 0.0)
            return Rgba {};
        const double depth = std::max(0.0, -d);
        const double v = y / s;
        const QPointF n = roundedSquareNormal(x, y, s, radius);
        Rgba c;
        // Light falls from above: the lower half sinks into shade...
        ArtKit::blendOver(c, kBlack, 0.46 * ArtKit::smoothStep(0.30, 1.05, v));
        // ...and the upper part is lifted.
        ArtKit::blendOver(c, kWhite, 0.26 * (1.0 - ArtKit::smoothStep(0.0, 0.55, v)));
        // The sides curve away: darker towards the outline, most at the bottom.
        const double towardsBottom = 0.65 + 0.35 * std::max(0.0, n.y());
        ArtKit::blendOver(c, kBlack, 0.50 * towardsBottom * std::exp(-depth / (0.05 * s)));
        // A thin rim of light along the upper edges.
        const double up = std::max(0.0, -n.y());
        ArtKit::blendOver(c, kWhite, 0.60 * up * std::exp(-depth / (0.010 * s)));
        c.a *= cov;
        return c;
    });
}

QImage frame(int side)
{
    const double s = side;
    const double radius = ArtKit::kCornerRatio * s;
    const double width = 0.058 * s;
    const double shadow = 0.03 * s;
    const double lx = -0.45;
    const double ly = -0.89;
    return ArtKit::shadePixels(QSize(side, side), [=](double x, double y) {
        const double d = ArtKit::roundedSquareDistance(x, y, s, radius);
        const double outer = ArtKit::coverage(d);
        const double depth = -d;
        if (outer <= 0.0 || depth > width + 6.0 * shadow)
            return Rgba {};
        Rgba c;
        // Inner shadow that the raised bezel casts on the picture.
        if (depth > width - 1.0)
            ArtKit::blendOver(c, kBlack, 0.42 * std::exp(-(depth - width) / shadow));
        const double band = ArtKit::coverage(depth - width) * outer;
        if (band > 0.0) {
            const QPointF n = roundedSquareNormal(x, y, s, radius);
            const double t = ArtKit::clamp01(depth / width);
            // Rounded profile: the outer half slopes outwards, the inner half inwards.
            const double slope = std::cos(M_PI * t);
            const double facing = (n.x() * lx + n.y() * ly) * slope;
            double light = 0.60 + 0.40 * facing;
            // Fine grooves at both edges of the bezel.
            light *= 1.0 - 0.35 * std::exp(-depth / 2.0) - 0.45 * std::exp(-(width - depth) / 2.5);
            const double specular = 0.55 * std::pow(std::max(0.0, facing), 8.0);
            const double vertical = 1.0 - 0.18 * (y / s);
            const QColor metal = QColor::fromRgbF(ArtKit::clamp01((0.80 * light + specular) * vertical),
                                                  ArtKit::clamp01((0.82 * light + specular) * vertical),
                                                  ArtKit::clamp01((0.87 * light + specular) * vertical));
            ArtKit::blendOver(c, metal, band);
        }
        return c;
    });
}

Band freeBand()
{
    return Band { QStringLiteral("FREE"), QColor(236, 58, 58), QColor(160, 18, 28) };
}

Band liteBand()
{
    return Band { QStringLiteral("LITE"), QColor(255, 184, 40), QColor(206, 112, 0) };
}

QImage cornerBand(int side, const Band& band, double widthScale)
{
    const double s = side;
    const double bw = 0.125 * s * widthScale;
    // Distance of the band's centre line from the corner, along the diagonal;
    // far enough in to clear the rounded corner of the masked icon.
    const double mid = 0.16 * s + bw / 2.0;
    const double halfLength = mid + bw;

    QImage image = ArtKit::blankImage(QSize(side, side));
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    p.translate(s - mid / std::sqrt(2.0), mid / std::sqrt(2.0));
    p.rotate(45.0);
    // In this frame x runs along the band and y points away from the corner.
    const QRectF strip(-halfLength, -bw / 2.0, 2.0 * halfLength, bw);

    QPainterPath stripPath;
    stripPath.addRect(strip);
    ArtKit::drawSoftShadow(p, stripPath, QPointF(0.0, 0.018 * s), 0.02 * s, QColor(0, 0, 0, 80));

    QLinearGradient fill(0.0, strip.top(), 0.0, strip.bottom());
    fill.setColorAt(0.0, band.light.lighter(115));
    fill.setColorAt(0.45, band.light);
    fill.setColorAt(1.0, band.dark);
    p.fillRect(strip, fill);

    // Edges and stitching.
    const double edge = std::max(1.0, 0.004 * s * widthScale);
    p.fillRect(QRectF(strip.left(), strip.top(), strip.width(), edge), QColor(255, 255, 255, 110));
    p.fillRect(QRectF(strip.left(), strip.bottom() - edge, strip.width(), edge), QColor(0, 0, 0, 90));
    QPen stitch(QColor(255, 255, 255, 150), std::max(1.0, 0.005 * s * widthScale), Qt::CustomDashLine);
    stitch.setDashPattern({ 3.0, 2.2 });
    p.setPen(stitch);
    const double inset = 0.095 * bw;
    p.drawLine(QPointF(strip.left(), strip.top() + inset), QPointF(strip.right(), strip.top() + inset));
    p.drawLine(QPointF(strip.left(), strip.bottom() - inset), QPointF(strip.right(), strip.bottom() - inset));
    p.setPen(Qt::NoPen);

    QFont font = ArtKit::wordFont(bw * 0.56);
    font.setLetterSpacing(QFont::PercentageSpacing, 108);
    QPainterPath word;
    word.addText(0.0, 0.0, font, band.word);
    const QRectF box = word.boundingRect();
    word.translate(-box.center());
    p.fillPath(word.translated(0.0, 0.008 * s * widthScale), QColor(0, 0, 0, 110));
    p.fillPath(word, QColor(255, 255, 255));
    p.end();
    return image;
}

QImage roundRectMask(int side)
{
    const double s = side;
    const double radius = ArtKit::kCornerRatio * s;
    QImage image(side, side, QImage::Format_ARGB32);
    for (int y = 0; y < side; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < side; ++x) {
            // 4 x 4 samples a pixel for an exact, smooth edge.
            double sum = 0.0;
            for (int sy = 0; sy < 4; ++sy)
                for (int sx = 0; sx < 4; ++sx)
                    sum += ArtKit::roundedSquareDistance(x + (sx + 0.5) / 4.0, y + (sy + 0.5) / 4.0, s,
                                                         radius)
                            <= 0.0
                        ? 1.0
                        : 0.0;
            const int v = int(std::lround(sum / 16.0 * 255.0));
            line[x] = qRgba(v, v, v, 255);
        }
    }
    return image;
}

QImage sampleArt(int side)
{
    const double s = side;
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0.0, 0.0, s, s);
    sky.setColorAt(0.0, QColor(30, 190, 250));
    sky.setColorAt(0.5, QColor(70, 90, 230));
    sky.setColorAt(1.0, QColor(150, 40, 190));
    p.fillRect(QRectF(0, 0, s, s), sky);

    QRadialGradient sun(QPointF(0.36 * s, 0.42 * s), 0.24 * s);
    sun.setColorAt(0.0, QColor(255, 250, 200));
    sun.setColorAt(0.55, QColor(255, 214, 70));
    sun.setColorAt(0.62, QColor(255, 170, 40, 120));
    sun.setColorAt(1.0, QColor(255, 140, 40, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(QPointF(0.36 * s, 0.42 * s), 0.24 * s, 0.24 * s);

    QPainterPath far;
    far.moveTo(0.0, 0.78 * s);
    far.cubicTo(0.22 * s, 0.52 * s, 0.40 * s, 0.64 * s, 0.58 * s, 0.56 * s);
    far.cubicTo(0.76 * s, 0.48 * s, 0.90 * s, 0.62 * s, s, 0.60 * s);
    far.lineTo(s, s);
    far.lineTo(0.0, s);
    far.closeSubpath();
    p.setBrush(QColor(40, 36, 120));
    p.drawPath(far);

    QPainterPath near;
    near.moveTo(0.0, 0.86 * s);
    near.cubicTo(0.30 * s, 0.70 * s, 0.55 * s, 0.92 * s, s, 0.74 * s);
    near.lineTo(s, s);
    near.lineTo(0.0, s);
    near.closeSubpath();
    QLinearGradient ground(0.0, 0.72 * s, 0.0, s);
    ground.setColorAt(0.0, QColor(24, 150, 120));
    ground.setColorAt(1.0, QColor(10, 70, 70));
    p.setBrush(ground);
    p.drawPath(near);
    p.end();
    return image;
}

QImage applyMask(const QImage& picture, const QImage& mask)
{
    QImage result = picture.convertToFormat(QImage::Format_ARGB32);
    const QImage m = mask.scaled(result.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation)
                         .convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        const auto* ml = reinterpret_cast<const QRgb*>(m.constScanLine(y));
        for (int x = 0; x < result.width(); ++x)
            line[x] = qRgba(qRed(line[x]), qGreen(line[x]), qBlue(line[x]), qRed(ml[x]));
    }
    return result;
}

} // namespace OverlayArt
