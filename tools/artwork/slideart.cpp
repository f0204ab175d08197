#include "slideart.h"

#include "artkit.h"
#include "buttonart.h"
#include "glyphs.h"
#include "itemart.h"
#include "logoart.h"
#include "overlayart.h"
#include "slidecaptions.h"

#include <QDir>
#include <QFontMetricsF>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QSaveFile>

#include <cmath>
#include <cstdio>

namespace SlideArt {

namespace {

// The caption band across the top; the illustration fills the rest.
constexpr double kHeaderHeight = 80.0;
// The master pictures are worked out at this size and scaled down.
constexpr int kWorkSide = 512;

const QColor kTitle(240, 243, 248);
const QColor kSoftText(192, 200, 212);
const QColor kAccent(110, 190, 255);

// The words of the slides: DejaVu Sans, which has Cyrillic, with the usual
// hinting so that small texts stay crisp at the slide's size.
QFont textFont(double pixelSize, bool bold = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(1, int(std::lround(pixelSize))));
    font.setBold(bold);
    return font;
}

// The sample master picture with top gloss and rounded edges, the effects the
// slides show switched on.
const QImage& decoratedMaster()
{
    static const QImage master = [] {
        QImage picture
            = OverlayArt::sampleArt(kWorkSide).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        {
            QPainter p(&picture);
            p.drawImage(0, 0, OverlayArt::glossyTop(kWorkSide));
        }
        return OverlayArt::applyMask(picture, OverlayArt::roundRectMask(kWorkSide));
    }();
    return master;
}

QImage scaledSquare(const QImage& picture, int side)
{
    return picture.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// One of the program's effect switches, drawn at its full size and scaled down
// as the program shows it.
QImage effectSwitch(ItemArt::Effect effect, ItemArt::State state, int side)
{
    return scaledSquare(ItemArt::effectItem(ItemArt::effectTile(effect, 56), state, 88), side);
}

void paintBackground(QPainter& p)
{
    const QRectF all(0.0, 0.0, kWidth, kHeight);
    QLinearGradient base(0.0, 0.0, 0.0, kHeight);
    base.setColorAt(0.0, QColor(60, 62, 68));
    base.setColorAt(1.0, QColor(28, 29, 33));
    p.fillRect(all, base);
    QRadialGradient glow(QPointF(kWidth / 2.0, 200.0), 270.0);
    glow.setColorAt(0.0, QColor(70, 130, 220, 56));
    glow.setColorAt(1.0, QColor(70, 130, 220, 0));
    p.fillRect(all, glow);

    QLinearGradient band(0.0, 0.0, 0.0, kHeaderHeight);
    band.setColorAt(0.0, QColor(255, 255, 255, 16));
    band.setColorAt(1.0, QColor(255, 255, 255, 4));
    p.fillRect(QRectF(0.0, 0.0, kWidth, kHeaderHeight), band);

    // The strand of light of the program's menu bar, under the caption.
    QLinearGradient strand(0.0, 0.0, kWidth, 0.0);
    strand.setColorAt(0.0, QColor(40, 110, 230, 0));
    strand.setColorAt(0.5, QColor(120, 210, 255, 235));
    strand.setColorAt(1.0, QColor(40, 110, 230, 0));
    p.fillRect(QRectF(0.0, kHeaderHeight - 1.0, kWidth, 1.5), strand);
    QLinearGradient shine(0.0, 0.0, kWidth, 0.0);
    shine.setColorAt(0.0, QColor(60, 150, 255, 0));
    shine.setColorAt(0.5, QColor(60, 160, 255, 60));
    shine.setColorAt(1.0, QColor(60, 150, 255, 0));
    p.fillRect(QRectF(0.0, kHeaderHeight + 0.5, kWidth, 3.0), shine);
}

// The largest font, from 13 pixels down, with which text fits the box.
QFont fittedFont(const QString& text, const QRectF& box, int flags)
{
    for (double size = 13.0; size > 10.0; size -= 0.5) {
        const QFont font = textFont(size);
        if (QFontMetricsF(font).boundingRect(box, flags, text).height() <= box.height())
            return font;
    }
    return textFont(10.0);
}

void paintCaption(QPainter& p, int number, const SlideCaptions::Caption& caption)
{
    const QPointF c(36.0, 40.0);
    const double r = 21.0;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 100));
    p.drawEllipse(c + QPointF(0.0, 1.5), r + 0.5, r + 0.5);
    QLinearGradient fill(0.0, c.y() - r, 0.0, c.y() + r);
    fill.setColorAt(0.0, QColor(92, 166, 255));
    fill.setColorAt(1.0, QColor(22, 64, 160));
    p.setBrush(fill);
    p.drawEllipse(c, r, r);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(200, 228, 255, 210), 1.5));
    p.drawEllipse(c, r - 1.0, r - 1.0);
    p.setPen(Qt::white);
    p.setFont(textFont(22.0, true));
    p.drawText(QRectF(c.x() - r, c.y() - r, 2.0 * r, 2.0 * r), Qt::AlignCenter, QString::number(number));

    p.setPen(kTitle);
    p.setFont(textFont(20.0, true));
    p.drawText(QRectF(70.0, 9.0, 396.0, 28.0), Qt::AlignLeft | Qt::AlignVCenter, caption.title);

    const QRectF box(70.0, 38.0, 398.0, 38.0);
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    p.setPen(kSoftText);
    p.setFont(fittedFont(caption.text, box, flags));
    p.drawText(box, flags, caption.text);
}

// A surface of the program: a dark rounded panel with a soft shadow.
void paintPanel(QPainter& p, const QRectF& rect, double radius = 8.0)
{
    const QPainterPath path = ArtKit::roundedRect(rect, radius);
    ArtKit::drawSoftShadow(p, path, QPointF(0.0, 3.0), 5.0, QColor(0, 0, 0, 110));
    QLinearGradient fill(0.0, rect.top(), 0.0, rect.bottom());
    fill.setColorAt(0.0, QColor(76, 76, 81));
    fill.setColorAt(1.0, QColor(50, 50, 54));
    p.fillPath(path, fill);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 46), 1.0));
    p.drawPath(ArtKit::roundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius - 0.5));
    p.setPen(Qt::NoPen);
}

// The light grey field of the drop area and preview.
void paintPictureField(QPainter& p, const QRectF& rect)
{
    QLinearGradient grey(rect.topLeft(), rect.bottomRight());
    grey.setColorAt(0.0, QColor(96, 96, 100));
    grey.setColorAt(1.0, QColor(178, 178, 182));
    p.fillPath(ArtKit::roundedRect(rect, 4.0), grey);
}

// A push button of the program; lit shows it blue, as when pressed.
void paintButton(QPainter& p, const QRectF& rect, const QString& text, bool lit, double fontSize = 12.0)
{
    const QPainterPath path = ArtKit::roundedRect(rect, 5.0);
    ArtKit::drawSoftShadow(p, path, QPointF(0.0, 1.5), 2.0, QColor(0, 0, 0, 90));
    QLinearGradient fill(0.0, rect.top(), 0.0, rect.bottom());
    fill.setColorAt(0.0, lit ? QColor(84, 146, 240) : QColor(74, 74, 78));
    fill.setColorAt(1.0, lit ? QColor(26, 70, 166) : QColor(20, 20, 23));
    p.fillPath(path, fill);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(lit ? QColor(170, 212, 255) : QColor(118, 118, 124), 1.0));
    p.drawPath(ArtKit::roundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), 4.5));
    if (!text.isEmpty()) {
        p.setPen(lit ? QColor(255, 255, 255) : QColor(222, 222, 228));
        p.setFont(textFont(fontSize, true));
        p.drawText(rect, Qt::AlignCenter, text);
    }
    p.setPen(Qt::NoPen);
}

void paintCheckBox(QPainter& p, const QPointF& topLeft, bool checked)
{
    const QRectF box(topLeft, QSizeF(11.0, 11.0));
    p.setPen(QPen(QColor(150, 150, 158), 1.0));
    p.setBrush(QColor(34, 34, 38));
    p.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), 2.0, 2.0);
    p.setPen(Qt::NoPen);
    if (checked) {
        QTransform t;
        t.translate(box.left() - 1.0, box.top() - 1.5);
        t.scale(13.0 / 24.0, 13.0 / 24.0);
        p.fillPath(t.map(Glyphs::check()), kAccent);
    }
}

// The mouse pointer, its tip at tip.
void paintPointer(QPainter& p, const QPointF& tip)
{
    const QPainterPath arrow = Glyphs::polyline({ { 0.0, 0.0 },
                                                  { 0.0, 17.0 },
                                                  { 4.0, 13.3 },
                                                  { 6.8, 19.6 },
                                                  { 9.4, 18.5 },
                                                  { 6.7, 12.3 },
                                                  { 12.0, 12.3 },
                                                  { 0.0, 0.0 } });
    QTransform t;
    t.translate(tip.x(), tip.y());
    t.scale(1.15, 1.15);
    const QPainterPath shape = t.map(arrow);
    ArtKit::drawSoftShadow(p, shape, QPointF(1.0, 2.0), 2.0, QColor(0, 0, 0, 80));
    p.fillPath(shape, Qt::white);
    p.strokePath(shape, QPen(QColor(20, 20, 24), 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

// Rings around the spot of a click.
void paintClick(QPainter& p, const QPointF& at)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(130, 200, 255, 220), 1.8));
    p.drawEllipse(at, 7.0, 7.0);
    p.setPen(QPen(QColor(130, 200, 255, 110), 1.6));
    p.drawEllipse(at, 12.5, 12.5);
    p.setPen(Qt::NoPen);
}

// A dashed curve with an arrow head at its end, leading the eye from one step
// of the illustration to the next.
void paintFlowArrow(QPainter& p, const QPointF& from, const QPointF& control, const QPointF& to)
{
    const QColor colour(130, 200, 255, 225);
    const QLineF tangent(control, to);
    const QPointF u = (to - control) / tangent.length();
    const QPointF n(-u.y(), u.x());
    QPainterPath curve;
    curve.moveTo(from);
    curve.quadTo(control, to - u * 6.0);
    QPen dash(colour, 2.4, Qt::CustomDashLine, Qt::RoundCap);
    dash.setDashPattern({ 2.2, 2.2 });
    p.strokePath(curve, dash);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(QPolygonF({ to, to - u * 10.0 + n * 5.5, to - u * 10.0 - n * 5.5 }));
}

void paintFolder(QPainter& p, const QRectF& rect)
{
    const double w = rect.width();
    const double h = rect.height();
    QPainterPath folder;
    folder.addRoundedRect(QRectF(rect.left(), rect.top(), w * 0.45, h * 0.4), 1.2, 1.2);
    folder.addRoundedRect(QRectF(rect.left(), rect.top() + h * 0.18, w, h * 0.82), 1.5, 1.5);
    QLinearGradient fill(0.0, rect.top(), 0.0, rect.bottom());
    fill.setColorAt(0.0, QColor(255, 212, 96));
    fill.setColorAt(1.0, QColor(224, 150, 30));
    p.fillPath(folder.simplified(), fill);
    p.fillRect(QRectF(rect.left() + 0.5, rect.top() + h * 0.32, w - 1.0, 0.8), QColor(255, 240, 190, 200));
}

void paintFile(QPainter& p, const QRectF& rect)
{
    const double ear = rect.width() * 0.38;
    QPainterPath page = Glyphs::polyline({ rect.topLeft(),
                                           { rect.right() - ear, rect.top() },
                                           { rect.right(), rect.top() + ear },
                                           rect.bottomRight(),
                                           rect.bottomLeft() });
    page.closeSubpath();
    p.fillPath(page, QColor(234, 237, 242));
    QPainterPath fold = Glyphs::polyline({ { rect.right() - ear, rect.top() },
                                           { rect.right() - ear, rect.top() + ear },
                                           { rect.right(), rect.top() + ear } });
    fold.closeSubpath();
    p.fillPath(fold, QColor(170, 176, 186));
}

// A picture with a soft shadow under its rounded outline.
void paintIcon(QPainter& p, const QRectF& rect)
{
    const QPainterPath outline
        = ArtKit::roundedRect(rect.adjusted(1.0, 1.0, -1.0, -1.0), rect.width() * ArtKit::kCornerRatio);
    ArtKit::drawSoftShadow(p, outline, QPointF(0.0, rect.width() * 0.04 + 1.0), rect.width() * 0.05 + 1.0,
                           QColor(0, 0, 0, 100));
    p.drawImage(rect, scaledSquare(decoratedMaster(), int(std::lround(rect.width()))));
}

void paintText(QPainter& p, const QRectF& rect, const QString& text, const QFont& font, const QColor& colour,
               int flags = Qt::AlignLeft | Qt::AlignVCenter)
{
    p.setFont(font);
    p.setPen(colour);
    p.drawText(rect, flags, text);
    p.setPen(Qt::NoPen);
}

// 1: a picture file dragged onto the drop area, and the button that opens one.
void drawOpenPicture(QPainter& p)
{
    const QRectF window(150.0, 92.0, 180.0, 196.0);
    paintPanel(p, window);
    const QRectF area = window.adjusted(6.0, 6.0, -6.0, -6.0);
    paintPictureField(p, area);
    paintText(p, QRectF(area.left(), area.top() + 4.0, area.width(), 18.0),
              QStringLiteral("Drop 1024x1024 image here"), textFont(9.5, true), Qt::white, Qt::AlignCenter);

    // The program's own hint picture: its dashed field spans 22% to 83% of its height.
    const double hintHeight = 190.0;
    const double hintWidth = hintHeight * 1200.0 / 1078.0;
    const QRectF hint(area.center().x() - hintWidth / 2.0, 126.0 - 0.218 * hintHeight, hintWidth, hintHeight);
    p.drawImage(hint, LogoArt::dropArea());

    const QRectF button(area.left() + 6.0, area.bottom() - 30.0, area.width() - 12.0, 24.0);
    paintButton(p, button, QString(), false);
    const QRectF folderIcon(button.left() + 6.0, button.center().y() - 8.0, 16.0, 16.0);
    p.drawImage(folderIcon, scaledSquare(LogoArt::openFiles(), 16));
    paintText(p,
              QRectF(folderIcon.right() + 3.0, button.top(), button.right() - folderIcon.right() - 3.0,
                     button.height()),
              QStringLiteral("Click to open the image"), textFont(9.0, true), QColor(222, 222, 228));

    // From the left: a folder, opened through the button.
    p.drawImage(QRectF(38.0, 136.0, 80.0, 80.0), scaledSquare(LogoArt::openFiles(), 80));
    paintFlowArrow(p, QPointF(88.0, 224.0), QPointF(100.0, 262.0), QPointF(152.0, 264.0));
    // The pointer rests just below the button, clear of its text.
    paintPointer(p, QPointF(310.0, 276.0));

    // From the right: a picture file dragged in.
    p.save();
    p.translate(404.0, 142.0);
    p.rotate(8.0);
    const QRectF card(-34.0, -34.0, 68.0, 68.0);
    const QPainterPath cardPath = ArtKit::roundedRect(card, 3.0);
    ArtKit::drawSoftShadow(p, cardPath, QPointF(1.0, 4.0), 4.0, QColor(0, 0, 0, 110));
    p.fillPath(cardPath, QColor(250, 250, 252));
    p.drawImage(card.adjusted(4.0, 4.0, -4.0, -4.0), scaledSquare(OverlayArt::sampleArt(kWorkSide), 60));
    p.restore();
    paintText(p, QRectF(360.0, 184.0, 90.0, 16.0), QStringLiteral("icon.png"), textFont(10.5), kSoftText,
              Qt::AlignCenter);
    paintFlowArrow(p, QPointF(378.0, 208.0), QPointF(350.0, 236.0), QPointF(294.0, 206.0));
    paintPointer(p, QPointF(410.0, 150.0));
}

// 2: the options opened, two effects switched on, and the preview with them.
void drawEffects(QPainter& p)
{
    const QRectF preview(24.0, 94.0, 188.0, 188.0);
    paintPanel(p, preview);
    const QRectF field = preview.adjusted(6.0, 6.0, -6.0, -6.0);
    paintPictureField(p, field);
    paintIcon(p, QRectF(field.center() - QPointF(75.0, 75.0), QSizeF(150.0, 150.0)));

    paintButton(p, QRectF(232.0, 94.0, 108.0, 28.0), QStringLiteral("Save..."), false);
    paintButton(p, QRectF(348.0, 94.0, 108.0, 28.0), QStringLiteral("Options>>"), true);

    const QRectF panel(232.0, 130.0, 224.0, 152.0);
    paintPanel(p, panel);
    paintText(p, QRectF(242.0, 139.0, 92.0, 20.0), QStringLiteral("Save Icons As:"), textFont(10.5),
              kSoftText);
    const QRectF edit(336.0, 139.0, 110.0, 20.0);
    p.setPen(QPen(QColor(150, 150, 158), 1.0));
    p.setBrush(QColor(96, 96, 102));
    p.drawRoundedRect(edit.adjusted(0.5, 0.5, -0.5, -0.5), 3.0, 3.0);
    paintText(p, edit.adjusted(5.0, 0.0, 0.0, 0.0), QStringLiteral("icon"), textFont(10.5), Qt::white);

    // The seven switches in the program's rows of four and three.
    using ItemArt::Effect;
    using ItemArt::State;
    const Effect effects[] = { Effect::TopGlossy, Effect::CenterGlossy, Effect::Volume,      Effect::Frame,
                               Effect::FreeLabel, Effect::LiteLabel,    Effect::RoundedEdges };
    const double side = 40.0;
    const double gap = 10.0;
    QPointF clicked;
    for (int i = 0; i < 7; ++i) {
        const int row = i < 4 ? 0 : 1;
        const int column = i < 4 ? i : i - 4;
        const int inRow = i < 4 ? 4 : 3;
        const double width = inRow * side + (inRow - 1) * gap;
        const QRectF at(panel.center().x() - width / 2.0 + column * (side + gap), 170.0 + row * 52.0, side,
                        side);
        const bool on = effects[i] == Effect::TopGlossy || effects[i] == Effect::RoundedEdges;
        p.drawImage(at, effectSwitch(effects[i], on ? State::Checked : State::Normal, int(side)));
        if (effects[i] == Effect::RoundedEdges)
            clicked = at.center();
    }
    paintClick(p, clicked);
    paintPointer(p, clicked + QPointF(7.0, 7.0));
}

// 3: the gear button of the menu bar and the settings it opens.
void drawSettings(QPainter& p)
{
    const QRectF bar(24.0, 96.0, 156.0, 42.0);
    p.save();
    p.setClipPath(ArtKit::roundedRect(bar, 6.0));
    p.drawImage(bar, ButtonArt::backgroundBar());
    p.restore();
    p.drawImage(QRectF(30.0, 100.0, 50.0, 32.0), ButtonArt::barButton(Glyphs::appMark(), false));
    p.drawImage(QRectF(82.0, 100.0, 50.0, 32.0), ButtonArt::barButton(Glyphs::gear(), true));
    paintFlowArrow(p, QPointF(124.0, 144.0), QPointF(150.0, 176.0), QPointF(198.0, 168.0));
    paintClick(p, QPointF(110.0, 120.0));
    paintPointer(p, QPointF(110.0, 120.0));

    // Lossy compression: the same picture in a much smaller file.
    const QRectF plain(48.0, 210.0, 132.0, 11.0);
    const QRectF lossy(48.0, 246.0, 132.0 * 0.4, 11.0);
    paintFile(p, QRectF(26.0, 205.0, 15.0, 20.0));
    paintFile(p, QRectF(26.0, 241.0, 15.0, 20.0));
    QLinearGradient grey(0.0, plain.top(), 0.0, plain.bottom());
    grey.setColorAt(0.0, QColor(176, 178, 186));
    grey.setColorAt(1.0, QColor(120, 122, 130));
    p.fillPath(ArtKit::roundedRect(plain, 3.0), grey);
    QLinearGradient green(0.0, lossy.top(), 0.0, lossy.bottom());
    green.setColorAt(0.0, QColor(120, 230, 140));
    green.setColorAt(1.0, QColor(30, 160, 70));
    p.fillPath(ArtKit::roundedRect(lossy, 3.0), green);
    paintText(p, QRectF(lossy.right() + 8.0, 240.0, 80.0, 22.0), QStringLiteral("\u221260%"),
              textFont(14.0, true), QColor(130, 230, 150));

    const QRectF dialog(204.0, 92.0, 254.0, 196.0);
    paintPanel(p, dialog);
    paintText(p, QRectF(214.0, 97.0, 200.0, 20.0), QStringLiteral("Create Icons:"), textFont(12.0, true),
              QColor(214, 214, 220));
    struct Option
    {
        const char* name;
        bool on;
    };
    const Option platforms[] = { { "iOS", true },
                                 { "macOS", true },
                                 { "Android", true },
                                 { "Windows", true },
                                 { "Windows Phone", false },
                                 { "Windows Store", true },
                                 { "BlackBerry", false },
                                 { "App Launch Images", true } };
    const QFont itemFont = textFont(10.0);
    for (int i = 0; i < 8; ++i) {
        const QPointF at(216.0 + (i / 4) * 118.0, 122.0 + (i % 4) * 16.0);
        paintCheckBox(p, at, platforms[i].on);
        paintText(p, QRectF(at.x() + 16.0, at.y() - 3.0, 104.0, 17.0), QString::fromLatin1(platforms[i].name),
                  itemFont, QColor(220, 220, 226));
    }
    paintCheckBox(p, QPointF(216.0, 186.0), true);
    paintText(p, QRectF(232.0, 183.0, 220.0, 17.0), QStringLiteral("Favicon and touch icons for Web"),
              itemFont, QColor(220, 220, 226));
    p.fillRect(QRectF(212.0, 206.0, 238.0, 1.0), QColor(255, 255, 255, 40));
    paintCheckBox(p, QPointF(216.0, 213.0), true);
    paintText(p, QRectF(232.0, 210.0, 220.0, 17.0), QStringLiteral("Apply lossy compression"), itemFont,
              Qt::white);

    // The quality slider, enabled with the lossy compression.
    paintText(p, QRectF(216.0, 229.0, 50.0, 17.0), QStringLiteral("Quality"), itemFont,
              QColor(220, 220, 226));
    const QRectF track(264.0, 236.0, 130.0, 4.0);
    p.fillPath(ArtKit::roundedRect(track, 2.0), QColor(24, 24, 28));
    p.fillPath(ArtKit::roundedRect(QRectF(track.left(), track.top(), track.width() * 0.5, 4.0), 2.0),
               kAccent);
    p.setBrush(QColor(236, 236, 240));
    p.setPen(QPen(QColor(90, 90, 96), 1.0));
    p.drawRoundedRect(QRectF(track.left() + track.width() * 0.5 - 5.0, 231.0, 10.0, 14.0), 2.0, 2.0);
    const QRectF value(402.0, 230.0, 46.0, 16.0);
    p.setBrush(QColor(34, 34, 38));
    p.setPen(QPen(QColor(150, 150, 158), 1.0));
    p.drawRoundedRect(value.adjusted(0.5, 0.5, -0.5, -0.5), 2.0, 2.0);
    paintText(p, value.adjusted(5.0, 0.0, 0.0, 0.0), QStringLiteral("128"), itemFont, Qt::white);

    paintButton(p, QRectF(214.0, 256.0, 114.0, 24.0), QStringLiteral("Cancel"), false, 11.0);
    paintButton(p, QRectF(334.0, 256.0, 114.0, 24.0), QStringLiteral("Ok"), false, 11.0);
}

// 4: "Save...", the folder chooser and the progress of the run.
void drawSave(QPainter& p, const QString& language)
{
    const QRectF window(24.0, 92.0, 190.0, 196.0);
    paintPanel(p, window);
    const QRectF field(30.0, 98.0, 178.0, 146.0);
    paintPictureField(p, field);
    paintIcon(p, QRectF(field.center().x() - 58.0, field.center().y() - 58.0, 116.0, 116.0));
    paintButton(p, QRectF(30.0, 252.0, 86.0, 30.0), QStringLiteral("Save..."), true);
    paintButton(p, QRectF(122.0, 252.0, 86.0, 30.0), QStringLiteral("Options>>"), false);
    paintFlowArrow(p, QPointF(112.0, 250.0), QPointF(190.0, 214.0), QPointF(248.0, 170.0));
    paintClick(p, QPointF(104.0, 274.0));
    paintPointer(p, QPointF(104.0, 274.0));

    const QRectF chooser(254.0, 92.0, 204.0, 130.0);
    paintPanel(p, chooser);
    p.save();
    p.setClipPath(ArtKit::roundedRect(chooser, 8.0));
    QLinearGradient title(0.0, chooser.top(), 0.0, chooser.top() + 22.0);
    title.setColorAt(0.0, QColor(104, 104, 110));
    title.setColorAt(1.0, QColor(70, 70, 76));
    p.fillRect(QRectF(chooser.left(), chooser.top(), chooser.width(), 22.0), title);
    p.restore();
    paintText(p, QRectF(chooser.left() + 8.0, chooser.top(), chooser.width() - 16.0, 22.0),
              QStringLiteral("Select Path to Store the Icons"), textFont(9.5, true), QColor(236, 236, 240));

    // The folders carry the names a user of the slide's language sees.
    QStringList folders = { QStringLiteral("Desktop"), QStringLiteral("Documents"),
                            QStringLiteral("Projects"), QStringLiteral("Pictures") };
    if (language == QLatin1String("de")) {
        folders = QStringList { QStringLiteral("Schreibtisch"), QStringLiteral("Dokumente"),
                                QStringLiteral("Projekte"), QStringLiteral("Bilder") };
    } else if (language == QLatin1String("ru")) {
        folders = QStringList { QStringLiteral("Рабочий стол"), QStringLiteral("Документы"),
                                QStringLiteral("Проекты"), QStringLiteral("Изображения") };
    }
    for (int i = 0; i < folders.size(); ++i) {
        const QRectF row(chooser.left() + 6.0, chooser.top() + 28.0 + i * 24.0, chooser.width() - 12.0, 22.0);
        const bool chosen = i == 2;
        if (chosen) {
            QLinearGradient lit(0.0, row.top(), 0.0, row.bottom());
            lit.setColorAt(0.0, QColor(70, 136, 236));
            lit.setColorAt(1.0, QColor(34, 84, 190));
            p.fillPath(ArtKit::roundedRect(row, 4.0), lit);
        }
        paintFolder(p, QRectF(row.left() + 7.0, row.top() + 4.0, 18.0, 14.0));
        paintText(p, row.adjusted(32.0, 0.0, 0.0, 0.0), folders.at(i), textFont(11.0, chosen),
                  chosen ? Qt::white : QColor(222, 222, 228));
    }

    const QRectF progress(254.0, 232.0, 204.0, 56.0);
    paintPanel(p, progress);
    paintText(p, QRectF(progress.left() + 10.0, progress.top() + 6.0, 180.0, 18.0),
              QStringLiteral("Please, Wait..."), textFont(10.5), QColor(222, 222, 228));
    const QRectF track(progress.left() + 10.0, progress.top() + 30.0, progress.width() - 20.0, 12.0);
    p.fillPath(ArtKit::roundedRect(track, 4.0), QColor(24, 24, 28));
    const QRectF done(track.left(), track.top(), track.width() * 0.7, track.height());
    QLinearGradient bar(0.0, done.top(), 0.0, done.bottom());
    bar.setColorAt(0.0, QColor(120, 196, 255));
    bar.setColorAt(1.0, QColor(30, 100, 210));
    p.fillPath(ArtKit::roundedRect(done, 4.0), bar);
}

// 5: the "Icons" folder with one set per platform, and icons of several sizes.
void drawOutput(QPainter& p)
{
    const QRectF browser(20.0, 90.0, 236.0, 202.0);
    paintPanel(p, browser);
    struct Entry
    {
        const char* name;
        bool folder;
    };
    const Entry entries[] = {
        { "icon.android", true },
        { "icon.blackberry", true },
        { "icon.icns", false },
        { "icon.ico", false },
        { "icon.iconset", true },
        { "icon.iOS", true },
        { "icon.iOS_LaunchScreens", true },
        { "icon.webFavicons", true },
        { "icon.windows", true },
        { "icon.windowsphone", true },
        { "icon.windowsStore", true },
        { "winappicon.rc", false },
    };
    const double step = 14.6;
    const double top = browser.top() + 6.0;
    paintFolder(p, QRectF(browser.left() + 10.0, top + 1.5, 14.0, 11.0));
    paintText(p, QRectF(browser.left() + 30.0, top - 1.0, 120.0, 16.0), QStringLiteral("Icons"),
              textFont(11.0, true), Qt::white);
    const QFont entryFont = textFont(10.0);
    for (int i = 0; i < 12; ++i) {
        const double y = top + (i + 1) * step;
        if (i % 2 == 0)
            p.fillRect(QRectF(browser.left() + 4.0, y - 1.0, browser.width() - 8.0, step),
                       QColor(255, 255, 255, 10));
        const double x = browser.left() + 28.0;
        // Tree line from the "Icons" folder.
        p.fillRect(QRectF(browser.left() + 16.0, y + 6.0, 7.0, 1.0), QColor(255, 255, 255, 60));
        if (entries[i].folder)
            paintFolder(p, QRectF(x, y + 1.5, 13.0, 10.0));
        else
            paintFile(p, QRectF(x + 2.0, y, 9.0, 12.0));
        paintText(p, QRectF(x + 19.0, y - 1.5, 190.0, 16.0), QString::fromLatin1(entries[i].name), entryFont,
                  QColor(222, 222, 228));
    }
    p.fillRect(QRectF(browser.left() + 16.0, top + 14.0, 1.0, 12 * step - 7.0), QColor(255, 255, 255, 60));

    // The same icon at several of the written sizes.
    struct Size
    {
        int side;
        const char* label;
    };
    const Size large[] = { { 88, "512" }, { 64, "256" } };
    const Size small[] = { { 44, "128" }, { 32, "64" }, { 22, "32" }, { 14, "16" } };
    auto paintRow = [&](const Size* sizes, int count, double baseline) {
        const double gap = 14.0;
        double width = gap * (count - 1);
        for (int i = 0; i < count; ++i)
            width += sizes[i].side;
        double x = 364.0 - width / 2.0;
        for (int i = 0; i < count; ++i) {
            const QRectF at(x, baseline - sizes[i].side, sizes[i].side, sizes[i].side);
            paintIcon(p, at);
            paintText(p, QRectF(at.center().x() - 20.0, baseline + 4.0, 40.0, 14.0),
                      QString::fromLatin1(sizes[i].label), textFont(9.5), kSoftText, Qt::AlignCenter);
            x += sizes[i].side + gap;
        }
    };
    paintRow(large, 2, 192.0);
    paintRow(small, 4, 266.0);
}

} // namespace

QString fileName(int number, const QString& language)
{
    return QStringLiteral("Slide%1_%2.jpg").arg(number).arg(language);
}

QImage slide(int number, const QString& language)
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
    paintBackground(p);
    paintCaption(p, number, SlideCaptions::caption(number, language));
    switch (number) {
    case 1:
        drawOpenPicture(p);
        break;
    case 2:
        drawEffects(p);
        break;
    case 3:
        drawSettings(p);
        break;
    case 4:
        drawSave(p, language);
        break;
    case 5:
        drawOutput(p);
        break;
    default:
        break;
    }
    p.end();
    return image;
}

bool writeJpeg(const QImage& image, const QString& path)
{
    // Written beside the target and renamed into place, so a failed write
    // leaves no half picture behind.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QImageWriter writer(&file, "jpeg");
    writer.setQuality(85);
    writer.setOptimizedWrite(true);
    if (!writer.write(image.convertToFormat(QImage::Format_RGB32))) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

int writeAll(const QString& folder)
{
    QDir out(folder);
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(out.absolutePath()));
        return kSlideCount * SlideCaptions::languages().size();
    }
    int failures = 0;
    int written = 0;
    for (const QString& language : SlideCaptions::languages()) {
        for (int number = 1; number <= kSlideCount; ++number) {
            const QString path = out.filePath(fileName(number, language));
            if (writeJpeg(slide(number, language), path)) {
                ++written;
            } else {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
                ++failures;
            }
        }
    }
    std::printf("%d slides written to %s\n", written, qPrintable(out.absolutePath()));
    return failures;
}

} // namespace SlideArt
