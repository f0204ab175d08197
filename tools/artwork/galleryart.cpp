#include "galleryart.h"

#include "artkit.h"
#include "glyphs.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace GalleryArt {

namespace {

const QColor kGlyphColour(70, 80, 100);

QPainterPath magnifierGlyph()
{
    QPainterPath ring;
    ring.addEllipse(QPointF(10.0, 10.0), 6.4, 6.4);
    QPainterPath glyph = Glyphs::stroked(ring, 2.4);
    return glyph.united(Glyphs::stroked(Glyphs::polyline({ { 14.8, 14.8 }, { 20.5, 20.5 } }), 3.4));
}

// A tray with an arrow going into it (down) or coming out of it (up).
QPainterPath trayArrow(bool down)
{
    QPainterPath tray = Glyphs::polyline({ { 4.0, 14.0 }, { 4.0, 20.0 }, { 20.0, 20.0 }, { 20.0, 14.0 } });
    QPainterPath shaft = Glyphs::polyline({ { 12.0, 3.5 }, { 12.0, 15.0 } });
    const double tip = down ? 15.5 : 3.5;
    const double wing = down ? 10.5 : 8.5;
    shaft.addPath(Glyphs::polyline({ { 7.5, wing }, { 12.0, tip }, { 16.5, wing } }));
    return Glyphs::stroked(tray, 2.2).united(Glyphs::stroked(shaft, 2.2));
}

QPainterPath card()
{
    QPainterPath outline = ArtKit::roundedRect(QRectF(2.5, 4.5, 19.0, 15.0), 2.0);
    outline = outline.subtracted(ArtKit::roundedRect(QRectF(4.3, 6.3, 15.4, 11.4), 0.8));
    QTransform shrink;
    shrink.translate(12.0, 12.0);
    shrink.scale(0.42, 0.42);
    shrink.translate(-12.0, -12.8);
    return outline.united(shrink.map(Glyphs::star()));
}

// A round plate with a cross cut out of it.
QPainterPath clearMark()
{
    QPainterPath plate;
    plate.addEllipse(QPointF(12.0, 12.0), 10.0, 10.0);
    QPainterPath cross = Glyphs::polyline({ { 8.0, 8.0 }, { 16.0, 16.0 } });
    cross.addPath(Glyphs::polyline({ { 16.0, 8.0 }, { 8.0, 16.0 } }));
    return plate.subtracted(Glyphs::stroked(cross, 2.6));
}

// Drawing tools to choose from: a line, a rectangle, an ellipse and an arrow.
QPainterPath toolLine()
{
    return Glyphs::stroked(Glyphs::polyline({ { 4.5, 19.5 }, { 19.5, 4.5 } }), 2.4);
}

QPainterPath toolRectangle()
{
    QPainterPath frame;
    frame.addRect(QRectF(4.0, 6.0, 16.0, 12.0));
    return Glyphs::stroked(frame, 2.2);
}

QPainterPath toolEllipse()
{
    QPainterPath ring;
    ring.addEllipse(QRectF(3.5, 6.0, 17.0, 12.0));
    return Glyphs::stroked(ring, 2.2);
}

QPainterPath toolArrow()
{
    QPainterPath arrow = Glyphs::polyline({ { 4.5, 19.5 }, { 18.5, 5.5 } });
    arrow.addPath(Glyphs::polyline({ { 10.5, 5.5 }, { 18.5, 5.5 }, { 18.5, 13.5 } }));
    return Glyphs::stroked(arrow, 2.4);
}

// The virtual-resolution dialog's logo: a screen whose content, a grid of
// windows, is stretched wider than it was laid out.
QImage virtualResolutionLogo()
{
    return ArtKit::supersampled(QSize(72, 48), 4, [](QPainter& p) {
        const QColor frame(45, 108, 223);
        p.fillPath(ArtKit::roundedRect(QRectF(2.0, 2.0, 68.0, 36.0), 4.0), frame);
        p.fillRect(QRectF(5.0, 5.0, 62.0, 30.0), QColor(221, 232, 250));
        p.fillRect(QRectF(30.0, 38.0, 12.0, 5.0), frame);
        p.fillPath(ArtKit::roundedRect(QRectF(20.0, 42.0, 32.0, 4.0), 1.5), frame);
        for (int row = 0; row < 2; ++row) {
            for (int column = 0; column < 3; ++column)
                p.fillRect(QRectF(8.0 + column * 20.0, 8.0 + row * 13.5, 16.0, 10.5), QColor(120, 160, 230));
        }
    });
}

// A site's badge: a rounded square of its colour with a white sign.
QImage siteBadge(const QColor& colour, const std::function<void(QPainter&)>& sign)
{
    return ArtKit::supersampled(QSize(20, 20), 4, [&](QPainter& p) {
        p.fillPath(ArtKit::roundedRect(QRectF(1.0, 1.0, 18.0, 18.0), 4.0), colour);
        p.setPen(Qt::white);
        p.setBrush(Qt::white);
        sign(p);
    });
}

QImage letterBadge(const QColor& colour, const QString& letter)
{
    return siteBadge(colour, [&](QPainter& p) {
        p.setFont(ArtKit::wordFont(14.0));
        p.drawText(QRectF(0.0, 0.0, 20.0, 20.0), Qt::AlignCenter, letter);
    });
}

// Frames of a loading spinner side by side: eight dots on a ring, the lit one
// green and moving clockwise, the ones behind it fading to light grey.
QImage spinnerStrip(int side, int frames)
{
    QImage strip = ArtKit::blankImage(QSize(side * frames, side));
    QPainter p(&strip);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const double ring = side * 0.34;
    const double dot = side * 0.09;
    for (int frame = 0; frame < frames; ++frame) {
        const QPointF centre(frame * side + side / 2.0, side / 2.0);
        for (int i = 0; i < frames; ++i) {
            const double angle = 2.0 * M_PI * i / frames;
            const int behind = (frame - i + frames) % frames;
            const int grey = std::min(200, 40 + behind * 26);
            p.setBrush(behind == 0 ? QColor(40, 170, 80) : QColor(grey, grey, grey));
            p.drawEllipse(centre + QPointF(ring * std::sin(angle), -ring * std::cos(angle)), dot, dot);
        }
    }
    return strip;
}

} // namespace

QString group()
{
    return QStringLiteral("Widget gallery");
}

QVector<Picture> pictures()
{
    return {
        { QStringLiteral("pix/search.png"), [] { return magnifier(32); } },
        { QStringLiteral("pix/vrlogo.png"), [] { return virtualResolutionLogo(); } },
        { QStringLiteral("gallery/save.png"), [] { return pictogram(trayArrow(true), 24, kGlyphColour); } },
        { QStringLiteral("gallery/load.png"), [] { return pictogram(trayArrow(false), 24, kGlyphColour); } },
        { QStringLiteral("gallery/ecard.png"), [] { return pictogram(card(), 20, kGlyphColour); } },
        { QStringLiteral("gallery/email.png"),
          [] { return pictogram(Glyphs::envelope(), 20, kGlyphColour); } },
        { QStringLiteral("gallery/clear.png"),
          [] { return pictogram(clearMark(), 16, QColor(200, 205, 215)); } },
        { QStringLiteral("gallery/tool-line.png"), [] { return pictogram(toolLine(), 24, kGlyphColour); } },
        { QStringLiteral("gallery/tool-rectangle.png"),
          [] { return pictogram(toolRectangle(), 24, kGlyphColour); } },
        { QStringLiteral("gallery/tool-ellipse.png"),
          [] { return pictogram(toolEllipse(), 24, kGlyphColour); } },
        { QStringLiteral("gallery/tool-arrow.png"), [] { return pictogram(toolArrow(), 24, kGlyphColour); } },
        // A picture with transparent parts, for the picture label.
        { QStringLiteral("gallery/badge.png"),
          [] { return pictogram(Glyphs::star(), 96, QColor(232, 160, 40)); } },
        { QStringLiteral("pix/facebook.png"),
          [] { return letterBadge(QColor(59, 89, 152), QStringLiteral("f")); } },
        { QStringLiteral("pix/youtube.png"),
          [] {
              return siteBadge(QColor(205, 32, 31), [](QPainter& p) {
                  QTransform shrink;
                  shrink.translate(1.5, 1.5);
                  shrink.scale(0.72, 0.72);
                  p.fillPath(shrink.map(Glyphs::play()), Qt::white);
              });
          } },
        { QStringLiteral("pix/xing.png"),
          [] { return letterBadge(QColor(2, 100, 100), QStringLiteral("X")); } },
        { QStringLiteral("pix/mailru.png"),
          [] { return letterBadge(QColor(240, 130, 20), QStringLiteral("@")); } },
        // An animation: the strip of its frames, written as a GIF.
        { QStringLiteral("loading_image.gif"), [] { return spinnerStrip(48, 8); } },
    };
}

QImage magnifier(int side)
{
    return pictogram(magnifierGlyph(), side, QColor(120, 128, 140));
}

QImage pictogram(const QPainterPath& glyph, int side, const QColor& colour)
{
    return ArtKit::supersampled(QSize(side, side), 4, [&](QPainter& p) {
        p.scale(side / 24.0, side / 24.0);
        p.fillPath(glyph, colour);
    });
}

} // namespace GalleryArt
