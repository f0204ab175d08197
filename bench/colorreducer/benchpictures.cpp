#include "benchpictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace BenchPictures {

QImage icon()
{
    const int size = 1024;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QPainterPath shape;
    shape.addRoundedRect(QRectF(24.5, 24.5, size - 49, size - 49), 190, 190);
    p.setClipPath(shape);

    QLinearGradient background(0, 0, size, size);
    background.setColorAt(0.0, QColor(18, 94, 196));
    background.setColorAt(0.55, QColor(118, 64, 200));
    background.setColorAt(1.0, QColor(232, 84, 120));
    p.fillPath(shape, background);

    // A soft sun with a halo that fades out.
    QRadialGradient sun(QPointF(640, 380), 300);
    sun.setColorAt(0.0, QColor(255, 236, 160, 255));
    sun.setColorAt(0.35, QColor(255, 196, 90, 220));
    sun.setColorAt(1.0, QColor(255, 150, 60, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(QPointF(640, 380), 300, 300);

    // Hills with their own gradients.
    QPainterPath hills;
    hills.moveTo(0, 760);
    hills.cubicTo(220, 600, 420, 820, 620, 700);
    hills.cubicTo(800, 600, 900, 700, size, 640);
    hills.lineTo(size, size);
    hills.lineTo(0, size);
    hills.closeSubpath();
    QLinearGradient green(0, 600, 0, size);
    green.setColorAt(0.0, QColor(60, 170, 90));
    green.setColorAt(1.0, QColor(10, 70, 40));
    p.fillPath(hills, green);

    // Fine detail: thin strokes, small dots and a grid of translucent squares.
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 24; ++i) {
        p.setPen(QPen(QColor::fromHsv((i * 15) % 360, 180, 250, 200), 2.5));
        p.drawArc(QRectF(140 + i * 6, 140 + i * 6, 360 - i * 12, 360 - i * 12), i * 320, 2200);
    }
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 60; ++i) {
        p.setBrush(QColor::fromHsv((i * 37) % 360, 120 + (i * 7) % 120, 255, 140 + i % 100));
        p.drawEllipse(QPointF(120 + (i * 73) % 800, 560 + (i * 41) % 120), 6 + i % 9, 6 + i % 9);
    }
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 6; ++x) {
            p.setBrush(QColor(255, 255, 255, 30 + 25 * ((x + y) % 4)));
            p.drawRoundedRect(QRectF(560 + x * 62, 790 + y * 52, 48, 40), 8, 8);
        }
    }

    QFont font(QStringLiteral("Sans"));
    font.setPixelSize(120);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(255, 255, 255, 235));
    p.drawText(QRect(0, 820, size, 160), Qt::AlignCenter, QStringLiteral("Aa 19"));

    // Gloss on the upper half.
    QLinearGradient gloss(0, 0, 0, size / 2);
    gloss.setColorAt(0.0, QColor(255, 255, 255, 90));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillRect(QRect(0, 0, size, size / 2), gloss);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QImage launchScreen(const QImage& icon)
{
    QImage image(2208, 1242, QImage::Format_ARGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);

    QLinearGradient background(0, 0, 0, image.height());
    background.setColorAt(0.0, QColor(250, 250, 252));
    background.setColorAt(0.6, QColor(214, 226, 240));
    background.setColorAt(1.0, QColor(160, 186, 220));
    p.fillRect(image.rect(), background);

    const QRect iconRect(image.width() / 2 - 220, 180, 440, 440);
    p.drawImage(iconRect, icon);

    QFont title(QStringLiteral("Sans"));
    title.setPixelSize(110);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(40, 48, 70));
    p.drawText(QRect(0, 680, image.width(), 160), Qt::AlignCenter, QStringLiteral("Lumastrand"));

    QFont subtitle(QStringLiteral("Sans"));
    subtitle.setPixelSize(48);
    p.setFont(subtitle);
    p.setPen(QColor(90, 100, 120));
    p.drawText(QRect(0, 850, image.width(), 100), Qt::AlignCenter,
               QStringLiteral("Every icon set from one picture"));
    p.end();
    return image;
}

} // namespace BenchPictures
