#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QSize>

#include <functional>

class QPainter;

// Small drawing helpers shared by every picture of the artwork generator.
namespace ArtKit {

// Corner radius of the rounded icon square, as a fraction of its side.
constexpr double kCornerRatio = 0.225;

// A colour with straight (not premultiplied) floating-point channels in 0..1,
// used where pictures are computed pixel by pixel.
struct Rgba
{
    double r = 0.0;
    double g = 0.0;
    double b = 0.0;
    double a = 0.0;
};

// Lays a straight colour with the given opacity over dst (source-over).
void blendOver(Rgba& dst, const QColor& colour, double opacity);
QRgb toQRgb(const Rgba& c);

double clamp01(double v);
double smoothStep(double edge0, double edge1, double x);

// Signed distance in pixels from (x, y) to the outline of a rounded square that
// fills a side x side picture: negative inside, positive outside.
double roundedSquareDistance(double x, double y, double side, double radius);

// Pixel coverage of a shape whose signed distance at the pixel centre is d.
inline double coverage(double d)
{
    return clamp01(0.5 - d);
}

// A transparent ARGB picture.
QImage blankImage(const QSize& size);

// Computes a picture pixel by pixel; shade gets the pixel centre.
QImage shadePixels(const QSize& size, const std::function<Rgba(double x, double y)>& shade);

// Paints at factor times the size with antialiasing and scales the result down
// with area averaging, which gives small pictures clean edges.
QImage supersampled(const QSize& size, int factor, const std::function<void(QPainter&)>& paint);

// A square of the given side centred in a picture of the given size.
QRectF centredBox(const QSizeF& size, double side);

// Bold sans-serif face for the words on the artwork.
QFont wordFont(double pixelSize, bool bold = true);

// A rounded rectangle as a path.
QPainterPath roundedRect(const QRectF& rect, double radius);

// Paints path with a soft drop shadow (several widening strokes of decreasing opacity).
void drawSoftShadow(QPainter& painter, const QPainterPath& path, const QPointF& offset, double spread,
                    const QColor& colour);

} // namespace ArtKit
