#include "logoart.h"

#include "artkit.h"
#include "glyphs.h"
#include "overlayart.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>

namespace LogoArt {

namespace {

constexpr int kLogoWorkSide = 512;

void paintLayer(QPainter& p, const QRectF& rect, const QLinearGradient& fill, double opacity)
{
    const QPainterPath path = ArtKit::roundedRect(rect, ArtKit::kCornerRatio * rect.width());
    p.setOpacity(opacity);
    ArtKit::drawSoftShadow(p, path, QPointF(0.0, rect.width() * 0.025), rect.width() * 0.03,
                           QColor(0, 0, 0, 90));
    p.fillPath(path, fill);
    p.setPen(QPen(QColor(255, 255, 255, 70), rect.width() * 0.008));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setOpacity(1.0);
}

QImage logoWork()
{
    const double s = kLogoWorkSide;
    QImage image = ArtKit::blankImage(QSize(kLogoWorkSide, kLogoWorkSide));
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    const double side = 0.64 * s;
    const QRectF back(0.32 * s, 0.04 * s, side, side);
    const QRectF middle(0.18 * s, 0.17 * s, side, side);
    const QRectF front(0.04 * s, 0.31 * s, side, side);

    QLinearGradient backFill(back.topLeft(), back.bottomRight());
    backFill.setColorAt(0.0, QColor(170, 90, 230));
    backFill.setColorAt(1.0, QColor(90, 30, 150));
    paintLayer(p, back, backFill, 0.75);

    QLinearGradient middleFill(middle.topLeft(), middle.bottomRight());
    middleFill.setColorAt(0.0, QColor(90, 150, 255));
    middleFill.setColorAt(1.0, QColor(40, 60, 190));
    paintLayer(p, middle, middleFill, 0.88);

    QLinearGradient frontFill(front.topLeft(), front.bottomRight());
    frontFill.setColorAt(0.0, QColor(40, 210, 255));
    frontFill.setColorAt(0.55, QColor(50, 110, 235));
    frontFill.setColorAt(1.0, QColor(110, 40, 200));
    paintLayer(p, front, frontFill, 1.0);

    // The front square carries the program's own top gloss.
    const QPainterPath frontPath = ArtKit::roundedRect(front, ArtKit::kCornerRatio * front.width());
    p.save();
    p.setClipPath(frontPath);
    p.drawImage(front, OverlayArt::glossyTop(int(side)));
    p.restore();

    // The strand of light, swinging through all three layers.
    QPainterPath strand;
    strand.moveTo(0.02 * s, 0.80 * s);
    strand.cubicTo(0.30 * s, 0.98 * s, 0.40 * s, 0.38 * s, 0.62 * s, 0.44 * s);
    strand.cubicTo(0.80 * s, 0.49 * s, 0.80 * s, 0.16 * s, 0.98 * s, 0.10 * s);
    const QPointF from(0.02 * s, 0.80 * s);
    const QPointF to(0.98 * s, 0.10 * s);
    auto along = [&](const QColor& colour) {
        QLinearGradient g(from, to);
        QColor clear = colour;
        clear.setAlpha(0);
        g.setColorAt(0.0, clear);
        g.setColorAt(0.18, colour);
        g.setColorAt(0.82, colour);
        g.setColorAt(1.0, clear);
        return QBrush(g);
    };
    p.setBrush(Qt::NoBrush);
    const double widths[] = { 0.11, 0.075, 0.05, 0.032 };
    const int alphas[] = { 26, 40, 60, 110 };
    for (int i = 0; i < 4; ++i) {
        p.setPen(QPen(along(QColor(120, 230, 255, alphas[i])), widths[i] * s, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(strand);
    }
    p.setPen(QPen(along(QColor(255, 255, 255, 255)), 0.016 * s, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(strand);
    p.end();
    return image;
}

} // namespace

QImage logo(int side)
{
    return logoWork().scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage dropArea()
{
    const QSize size(1200, 1078);
    QImage image = ArtKit::blankImage(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // The field between the hint text above and the open button below: the
    // picture is painted into the 280 x 280 drop area at about a quarter of its
    // size, so this leaves room for two lines of text and the 32 pixel button.
    const QRectF field(200.0, 235.0, 800.0, 655.0);
    QRadialGradient lift(field.center(), 420.0);
    lift.setColorAt(0.0, QColor(255, 255, 255, 46));
    lift.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillPath(ArtKit::roundedRect(field, 70.0), lift);

    QPen dash(QColor(255, 255, 255, 190), 9.0, Qt::CustomDashLine, Qt::RoundCap, Qt::RoundJoin);
    dash.setDashPattern({ 3.2, 2.6 });
    QPen dashShadow = dash;
    dashShadow.setColor(QColor(0, 0, 0, 60));
    p.setBrush(Qt::NoBrush);
    p.setPen(dashShadow);
    p.drawPath(ArtKit::roundedRect(field.translated(0.0, 4.0), 70.0));
    p.setPen(dash);
    p.drawPath(ArtKit::roundedRect(field, 70.0));
    p.setPen(Qt::NoPen);

    // An arrow falling into a tray, centred in the field.
    QPainterPath tray;
    tray.moveTo(420.0, 650.0);
    tray.lineTo(420.0, 790.0);
    tray.lineTo(780.0, 790.0);
    tray.lineTo(780.0, 650.0);
    QPainterPath lip;
    lip.moveTo(420.0, 650.0);
    lip.lineTo(515.0, 650.0);
    lip.lineTo(540.0, 698.0);
    lip.lineTo(660.0, 698.0);
    lip.lineTo(685.0, 650.0);
    lip.lineTo(780.0, 650.0);
    QPainterPath arrow;
    arrow.moveTo(600.0, 330.0);
    arrow.lineTo(600.0, 580.0);
    QPainterPath head;
    head.moveTo(525.0, 508.0);
    head.lineTo(600.0, 583.0);
    head.lineTo(675.0, 508.0);

    const QPainterPath shape = Glyphs::stroked(tray, 30.0)
                                   .united(Glyphs::stroked(lip, 22.0))
                                   .united(Glyphs::stroked(arrow, 34.0))
                                   .united(Glyphs::stroked(head, 34.0));
    ArtKit::drawSoftShadow(p, shape, QPointF(0.0, 8.0), 10.0, QColor(0, 0, 0, 70));
    QLinearGradient fill(0.0, 330.0, 0.0, 850.0);
    fill.setColorAt(0.0, QColor(255, 255, 255, 250));
    fill.setColorAt(1.0, QColor(226, 236, 250, 250));
    p.fillPath(shape, fill);
    p.end();
    return image;
}

QImage openFiles()
{
    return ArtKit::supersampled(QSize(96, 96), 4, [](QPainter& p) {
        // Back of the folder with its tab.
        QPainterPath back;
        back.moveTo(8.0, 20.0);
        back.quadTo(8.0, 14.0, 14.0, 14.0);
        back.lineTo(34.0, 14.0);
        back.lineTo(41.0, 21.0);
        back.lineTo(82.0, 21.0);
        back.quadTo(88.0, 21.0, 88.0, 27.0);
        back.lineTo(88.0, 78.0);
        back.lineTo(8.0, 78.0);
        back.closeSubpath();
        ArtKit::drawSoftShadow(p, back, QPointF(0.0, 3.0), 3.0, QColor(0, 0, 0, 70));
        QLinearGradient backFill(0.0, 14.0, 0.0, 78.0);
        backFill.setColorAt(0.0, QColor(222, 160, 44));
        backFill.setColorAt(1.0, QColor(168, 104, 16));
        p.fillPath(back, backFill);

        // A picture sticking out of the folder.
        p.save();
        p.translate(48.0, 44.0);
        p.rotate(-6.0);
        const QRectF sheet(-28.0, -20.0, 56.0, 40.0);
        p.fillRect(sheet.translated(0.0, 1.5), QColor(0, 0, 0, 60));
        p.fillRect(sheet, QColor(250, 250, 252));
        const QRectF photo = sheet.adjusted(4.0, 4.0, -4.0, -4.0);
        QLinearGradient sky(photo.topLeft(), photo.bottomLeft());
        sky.setColorAt(0.0, QColor(60, 170, 250));
        sky.setColorAt(1.0, QColor(90, 90, 230));
        p.fillRect(photo, sky);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 220, 90));
        p.drawEllipse(QPointF(photo.left() + 12.0, photo.top() + 9.0), 5.0, 5.0);
        QPainterPath hill;
        hill.moveTo(photo.bottomLeft());
        hill.lineTo(photo.left() + 16.0, photo.top() + 14.0);
        hill.lineTo(photo.left() + 28.0, photo.bottom() - 8.0);
        hill.lineTo(photo.left() + 36.0, photo.top() + 18.0);
        hill.lineTo(photo.bottomRight());
        hill.closeSubpath();
        p.setBrush(QColor(30, 120, 100));
        p.drawPath(hill);
        p.restore();

        // The front flap, opened a little.
        QPainterPath flap;
        flap.moveTo(4.0, 42.0);
        flap.lineTo(92.0, 42.0);
        flap.lineTo(86.0, 80.0);
        flap.quadTo(85.0, 84.0, 81.0, 84.0);
        flap.lineTo(15.0, 84.0);
        flap.quadTo(11.0, 84.0, 10.0, 80.0);
        flap.closeSubpath();
        ArtKit::drawSoftShadow(p, flap, QPointF(0.0, -1.0), 2.5, QColor(0, 0, 0, 60));
        QLinearGradient flapFill(0.0, 42.0, 0.0, 84.0);
        flapFill.setColorAt(0.0, QColor(255, 214, 96));
        flapFill.setColorAt(1.0, QColor(232, 150, 28));
        p.fillPath(flap, flapFill);
        p.fillRect(QRectF(5.0, 42.0, 86.0, 1.6), QColor(255, 245, 200, 200));
    });
}

} // namespace LogoArt
