#include "noteart.h"

#include "artkit.h"
#include "glyphs.h"

#include <QLinearGradient>
#include <QPainter>

#include <cmath>

namespace NoteArt {

namespace {

const QColor kGlyphColour(70, 80, 100);
// The colour the editor replaces by the drawing colour.
const QColor kCursorBlue(0, 0, 255);
const QColor kCursorGrey(60, 60, 60);
constexpr int kCursorSide = 32;

QPainterPath outlined(const QPainterPath& shape, double width = 2.2)
{
    return Glyphs::stroked(shape, width);
}

QPainterPath rectShape(const QRectF& rect)
{
    QPainterPath path;
    path.addRect(rect);
    return path;
}

QPainterPath ovalShape(const QRectF& rect)
{
    QPainterPath path;
    path.addEllipse(rect);
    return path;
}

// A pencil lying from the lower left (its tip) to the upper right.
QPainterPath pencil()
{
    QPainterPath body;
    body.addPolygon(QPolygonF({ { 4.0, 20.0 }, { 5.5, 14.5 }, { 16.5, 3.5 }, { 20.5, 7.5 }, { 9.5, 18.5 } }));
    body.closeSubpath();
    return body.subtracted(outlined(Glyphs::polyline({ { 6.5, 13.5 }, { 10.5, 17.5 } }), 1.2));
}

QPainterPath eraser()
{
    QPainterPath block;
    block.addPolygon(
        QPolygonF({ { 3.0, 15.0 }, { 12.0, 6.0 }, { 19.0, 13.0 }, { 12.0, 20.0 }, { 8.0, 20.0 } }));
    block.closeSubpath();
    QPainterPath band = outlined(Glyphs::polyline({ { 7.5, 10.5 }, { 14.5, 17.5 } }), 1.4);
    return block.subtracted(band).united(outlined(Glyphs::polyline({ { 12.0, 20.5 }, { 21.0, 20.5 } }), 1.4));
}

QPainterPath highlighter()
{
    QPainterPath pen;
    pen.addPolygon(QPolygonF({ { 6.0, 15.0 }, { 15.0, 4.0 }, { 20.0, 9.0 }, { 10.0, 18.0 } }));
    pen.closeSubpath();
    QPainterPath tip;
    tip.addPolygon(QPolygonF({ { 6.5, 16.5 }, { 8.5, 18.5 }, { 5.5, 19.5 } }));
    tip.closeSubpath();
    return pen.united(tip).united(rectShape(QRectF(3.0, 20.5, 18.0, 2.0)));
}

QPainterPath blurMark()
{
    QPainterPath dots;
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 4; ++col) {
            const double radius = (row + col) % 2 ? 1.0 : 1.8;
            dots.addEllipse(QPointF(6.0 + 4.0 * col, 6.0 + 4.0 * row), radius, radius);
        }
    }
    return dots.united(outlined(rectShape(QRectF(3.0, 3.0, 18.0, 18.0)), 1.4));
}

QPainterPath arrow()
{
    QPainterPath path = Glyphs::polyline({ { 4.5, 19.5 }, { 18.5, 5.5 } });
    path.addPath(Glyphs::polyline({ { 10.5, 5.5 }, { 18.5, 5.5 }, { 18.5, 13.5 } }));
    return outlined(path, 2.4);
}

QPainterPath letterT()
{
    return rectShape(QRectF(5.0, 4.0, 14.0, 3.2)).united(rectShape(QRectF(10.4, 4.0, 3.2, 16.0)));
}

// A curved arrow turning back to the left (undo) or, mirrored, to the right.
QPainterPath turnArrow(bool mirrored)
{
    QPainterPath curve;
    curve.moveTo(6.0, 10.0);
    curve.cubicTo(11.0, 5.0, 20.0, 6.0, 19.0, 14.0);
    curve.cubicTo(18.5, 17.0, 16.0, 19.0, 13.0, 19.0);
    QPainterPath head;
    head.addPolygon(QPolygonF({ { 3.0, 6.0 }, { 10.5, 5.0 }, { 6.0, 12.5 } }));
    head.closeSubpath();
    QPainterPath glyph = outlined(curve, 2.4).united(head);
    if (!mirrored)
        return glyph;
    QTransform flip;
    flip.translate(24.0, 0.0);
    flip.scale(-1.0, 1.0);
    return flip.map(glyph);
}

QPainterPath floppy()
{
    QPainterPath body;
    body.addPolygon(QPolygonF({ { 4.0, 4.0 }, { 17.0, 4.0 }, { 20.0, 7.0 }, { 20.0, 20.0 }, { 4.0, 20.0 } }));
    body.closeSubpath();
    return body.subtracted(rectShape(QRectF(8.0, 5.5, 7.0, 4.5)))
        .subtracted(ArtKit::roundedRect(QRectF(7.0, 13.0, 10.0, 5.5), 1.0));
}

QPainterPath powerMark()
{
    QPainterPath ring;
    // A ring open at the top, from 30 degrees left of the top all the way round.
    ring.arcMoveTo(QRectF(4.5, 5.0, 15.0, 15.0), 120.0);
    ring.arcTo(QRectF(4.5, 5.0, 15.0, 15.0), 120.0, 300.0);
    return outlined(ring, 2.4).united(outlined(Glyphs::polyline({ { 12.0, 3.0 }, { 12.0, 11.0 } }), 2.4));
}

QPainterPath widths()
{
    QPainterPath path = rectShape(QRectF(4.0, 5.0, 16.0, 1.2));
    path.addPath(rectShape(QRectF(4.0, 9.0, 16.0, 2.4)));
    path.addPath(rectShape(QRectF(4.0, 14.0, 16.0, 4.5)));
    return path;
}

QPainterPath cross()
{
    QPainterPath lines = Glyphs::polyline({ { 6.0, 6.0 }, { 18.0, 18.0 } });
    lines.addPath(Glyphs::polyline({ { 18.0, 6.0 }, { 6.0, 18.0 } }));
    return outlined(lines, 2.8);
}

QPainterPath minus()
{
    return outlined(Glyphs::polyline({ { 6.0, 12.0 }, { 18.0, 12.0 } }), 2.8);
}

QImage glyphPicture(const QPainterPath& glyph, int side = 24)
{
    return GalleryArt::pictogram(glyph, side, kGlyphColour);
}

// The same pictogram for a button that is switched off.
QImage offPicture(const QPainterPath& glyph)
{
    return GalleryArt::pictogram(glyph, 24, QColor(190, 196, 206));
}

// A cursor: a crosshair at the centre (the hot spot) with a small picture of
// the tool below and to the right of it; both with a white halo.
QImage toolCursor(const QPainterPath& tool, const QColor& colour)
{
    QPainterPath hair = Glyphs::polyline({ { 16.0, 6.0 }, { 16.0, 13.0 } });
    hair.addPath(Glyphs::polyline({ { 16.0, 19.0 }, { 16.0, 26.0 } }));
    hair.addPath(Glyphs::polyline({ { 6.0, 16.0 }, { 13.0, 16.0 } }));
    hair.addPath(Glyphs::polyline({ { 19.0, 16.0 }, { 26.0, 16.0 } }));
    QPainterPath shape = Glyphs::stroked(hair, 1.6);
    if (!tool.isEmpty()) {
        QTransform place;
        place.translate(19.0, 19.0);
        place.scale(0.5, 0.5);
        shape = shape.united(place.map(tool));
    }
    QImage picture = ArtKit::blankImage(QSize(kCursorSide, kCursorSide));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::white);
    painter.drawPath(shape);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(shape);
    return picture;
}

QImage textCursor()
{
    QPainterPath beam = Glyphs::polyline({ { 16.0, 7.0 }, { 16.0, 25.0 } });
    beam.addPath(Glyphs::polyline({ { 12.0, 6.0 }, { 14.5, 7.0 }, { 17.5, 7.0 }, { 20.0, 6.0 } }));
    beam.addPath(Glyphs::polyline({ { 12.0, 26.0 }, { 14.5, 25.0 }, { 17.5, 25.0 }, { 20.0, 26.0 } }));
    QImage picture = ArtKit::blankImage(QSize(kCursorSide, kCursorSide));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPainterPath shape = Glyphs::stroked(beam, 1.8);
    painter.setPen(QPen(Qt::white, 2.0));
    painter.setBrush(Qt::white);
    painter.drawPath(shape);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kCursorBlue);
    painter.drawPath(shape);
    return picture;
}

// A line-width icon: a bar of that many pixels across the middle.
QImage widthIcon(int width)
{
    QImage picture = ArtKit::blankImage(QSize(24, 24));
    QPainter painter(&picture);
    const int height = qMin(width, 16);
    painter.fillRect(QRect(2, 12 - height / 2, 20, height), kGlyphColour);
    return picture;
}

QImage dashIcon()
{
    QImage picture = ArtKit::blankImage(QSize(24, 24));
    QPainter painter(&picture);
    for (int x = 2; x < 22; x += 6)
        painter.fillRect(QRect(x, 11, 4, 3), kGlyphColour);
    return picture;
}

// A pane of glass: a soft sheen over the upper part and a light rim.
QImage glass()
{
    const QSize size(120, 100);
    return ArtKit::supersampled(size, 2, [&](QPainter& painter) {
        painter.scale(2.0, 2.0);
        QLinearGradient sheen(0.0, 0.0, 0.0, size.height());
        sheen.setColorAt(0.0, QColor(255, 255, 255, 110));
        sheen.setColorAt(0.45, QColor(255, 255, 255, 30));
        sheen.setColorAt(0.46, QColor(255, 255, 255, 0));
        painter.fillRect(QRectF(QPointF(0.0, 0.0), QSizeF(size)), sheen);
        painter.setPen(QPen(QColor(255, 255, 255, 150), 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(0.75, 0.75, size.width() - 1.5, size.height() - 1.5));
    });
}

// A picture to annotate: a window of a made-up reporting program with a
// sidebar, a headline, lines of text and a bar chart.
QImage sampleScreenshot()
{
    const QSize size(720, 460);
    QImage picture(size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(QColor(226, 230, 236));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    const QRect window(20, 16, 680, 428);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 40));
    painter.drawRoundedRect(window.translated(0, 4), 8, 8);
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(window, 8, 8);
    painter.setBrush(QColor(52, 60, 76));
    painter.drawRoundedRect(QRect(window.left(), window.top(), window.width(), 34), 8, 8);
    painter.drawRect(QRect(window.left(), window.top() + 20, window.width(), 14));
    const QColor lights[] = { QColor(237, 106, 94), QColor(245, 191, 79), QColor(97, 195, 84) };
    for (int i = 0; i < 3; ++i) {
        painter.setBrush(lights[i]);
        painter.drawEllipse(QPointF(window.left() + 18 + 20 * i, window.top() + 17), 6, 6);
    }
    painter.setPen(QColor(220, 226, 236));
    painter.setFont(ArtKit::wordFont(14, false));
    painter.drawText(QRect(window.left(), window.top(), window.width(), 34), Qt::AlignCenter,
                     QStringLiteral("Quarterly report"));

    const QRect sidebar(window.left(), window.top() + 34, 150, window.height() - 34);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(243, 245, 249));
    painter.drawRect(sidebar);
    painter.setFont(ArtKit::wordFont(13, false));
    const char* const items[] = { "Overview", "Sales", "Customers", "Products", "Settings" };
    for (int i = 0; i < 5; ++i) {
        const QRect item(sidebar.left() + 10, sidebar.top() + 16 + 34 * i, sidebar.width() - 20, 26);
        if (i == 1) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(66, 133, 244));
            painter.drawRoundedRect(item, 5, 5);
            painter.setPen(Qt::white);
        } else {
            painter.setPen(QColor(70, 80, 100));
        }
        painter.drawText(item.adjusted(10, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
                         QLatin1String(items[i]));
    }

    const int left = sidebar.right() + 24;
    painter.setPen(QColor(30, 36, 48));
    painter.setFont(ArtKit::wordFont(22));
    painter.drawText(QPoint(left, window.top() + 74), QStringLiteral("Sales by month"));
    painter.setFont(ArtKit::wordFont(13, false));
    painter.setPen(QColor(100, 108, 122));
    painter.drawText(QPoint(left, window.top() + 98),
                     QStringLiteral("Orders grew in spring; the dip in June follows the price change."));

    const QRect chart(left, window.top() + 120, window.right() - left - 24, 220);
    painter.setPen(QPen(QColor(225, 229, 236), 1));
    for (int i = 0; i <= 4; ++i)
        painter.drawLine(chart.left(), chart.bottom() - i * 50, chart.right(), chart.bottom() - i * 50);
    const int values[] = { 80, 95, 120, 150, 172, 110, 135, 160, 185 };
    const char* const months[] = { "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep" };
    const int barWidth = chart.width() / 9;
    painter.setFont(ArtKit::wordFont(11, false));
    for (int i = 0; i < 9; ++i) {
        const QRect bar(chart.left() + i * barWidth + 8, chart.bottom() - values[i], barWidth - 16,
                        values[i]);
        painter.setPen(Qt::NoPen);
        painter.setBrush(i == 5 ? QColor(234, 67, 53) : QColor(66, 133, 244));
        painter.drawRoundedRect(bar, 3, 3);
        painter.setPen(QColor(100, 108, 122));
        painter.drawText(QRect(bar.left() - 6, chart.bottom() + 4, bar.width() + 12, 16), Qt::AlignCenter,
                         QLatin1String(months[i]));
    }
    painter.setFont(ArtKit::wordFont(12, false));
    painter.drawText(QPoint(left, window.bottom() - 40),
                     QStringLiteral("Customer e-mail: anna.berg@example.com"));
    painter.drawText(QPoint(left, window.bottom() - 20),
                     QStringLiteral("Account number: 4021 7730 1185 0092"));
    return picture;
}

} // namespace

QVector<GalleryArt::Picture> pictures()
{
    QVector<GalleryArt::Picture> list;
    const auto add = [&list](const QString& path, std::function<QImage()> draw) {
        list.append(GalleryArt::Picture { path, std::move(draw) });
    };

    struct Tool
    {
        const char* name; // button picture under gallery/notes/
        const char* cursor; // cursor picture, or null
        bool recoloured;
        std::function<QPainterPath()> glyph;
    };
    const Tool tools[] = {
        { "pen", "Pen_cur.png", true, pencil },
        { "eraser", "Eraser_cur.png", false, eraser },
        { "highlighter", "Highlighter_cur.png", true, highlighter },
        { "rectangle", "Rect_cur.png", true,
          [] { return outlined(rectShape(QRectF(4.0, 6.0, 16.0, 12.0))); } },
        { "filledrectangle", "FilledRect_cur.png", true,
          [] { return rectShape(QRectF(3.0, 5.0, 18.0, 14.0)); } },
        { "oval", "Oval_cur.png", true, [] { return outlined(ovalShape(QRectF(3.5, 6.0, 17.0, 12.0))); } },
        { "filledoval", nullptr, true, [] { return ovalShape(QRectF(2.5, 5.0, 19.0, 14.0)); } },
        { "blur", "Blur_cur.png", false, blurMark },
        { "line", "Line_cur.png", true,
          [] {
              return outlined(Glyphs::polyline({ { 4.5, 19.5 }, { 19.5, 4.5 } }), 2.4);
          } },
        { "arrow", "Arrow_cur.png", true, arrow },
        { "text", nullptr, true, letterT },
    };
    for (const Tool& tool : tools) {
        const auto glyph = tool.glyph;
        add(QStringLiteral("gallery/notes/%1.png").arg(QLatin1String(tool.name)),
            [glyph] { return glyphPicture(glyph()); });
        if (tool.cursor) {
            const QColor colour = tool.recoloured ? kCursorBlue : kCursorGrey;
            add(QLatin1String(tool.cursor), [glyph, colour] { return toolCursor(glyph(), colour); });
        }
    }
    add(QStringLiteral("Text_cur.png"), textCursor);

    for (int width : { 1, 2, 3, 4, 5, 10, 15 })
        add(QStringLiteral("%1px.png").arg(width), [width] { return widthIcon(width); });
    add(QStringLiteral("dash.png"), dashIcon);
    add(QStringLiteral("steklo.png"), glass);

    add(QStringLiteral("gallery/notes/undo.png"), [] { return glyphPicture(turnArrow(false)); });
    add(QStringLiteral("gallery/notes/redo.png"), [] { return glyphPicture(turnArrow(true)); });
    add(QStringLiteral("gallery/notes/undo-off.png"), [] { return offPicture(turnArrow(false)); });
    add(QStringLiteral("gallery/notes/redo-off.png"), [] { return offPicture(turnArrow(true)); });
    add(QStringLiteral("gallery/notes/save.png"), [] { return glyphPicture(floppy()); });
    add(QStringLiteral("gallery/notes/quit.png"), [] { return glyphPicture(powerMark()); });
    add(QStringLiteral("gallery/notes/widths.png"), [] { return glyphPicture(widths()); });
    add(QStringLiteral("gallery/notes/menu.png"), [] { return glyphPicture(Glyphs::gear()); });
    add(QStringLiteral("gallery/notes/accept.png"),
        [] { return GalleryArt::pictogram(Glyphs::check(), 20, QColor(40, 150, 70)); });
    add(QStringLiteral("gallery/notes/reject.png"),
        [] { return GalleryArt::pictogram(cross(), 20, QColor(200, 60, 50)); });
    add(QStringLiteral("gallery/notes/larger.png"),
        [] { return GalleryArt::pictogram(Glyphs::plus(), 20, kGlyphColour); });
    add(QStringLiteral("gallery/notes/smaller.png"),
        [] { return GalleryArt::pictogram(minus(), 20, kGlyphColour); });
    add(QStringLiteral("gallery/notes/sample.png"), sampleScreenshot);
    return list;
}

} // namespace NoteArt
