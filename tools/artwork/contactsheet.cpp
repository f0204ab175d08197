#include "contactsheet.h"

#include "artkit.h"
#include "overlayart.h"

#include <QPainter>
#include <QStringList>

#include <algorithm>

namespace {

const int kSheetWidth = 1560;
const int kCell = 176;
const int kLabel = 30;
const int kMargin = 20;
const QColor kSheet(38, 38, 40);
const QColor kText(220, 220, 224);

void paintChecker(QPainter& p, const QRect& rect)
{
    p.save();
    p.setClipRect(rect);
    const int step = 8;
    for (int y = rect.top(); y < rect.bottom(); y += step)
        for (int x = rect.left(); x < rect.right(); x += step)
            p.fillRect(x, y, step, step,
                       ((x - rect.left()) / step + (y - rect.top()) / step) % 2 ? QColor(62, 62, 66)
                                                                                : QColor(78, 78, 82));
    p.restore();
}

// Fits a picture into a box: large ones shrink, small ones grow up to 3 times.
QRect fitted(const QSize& picture, const QRect& box)
{
    const double scale
        = std::min({ 3.0, double(box.width()) / picture.width(), double(box.height()) / picture.height() });
    const QSize s(int(picture.width() * scale), int(picture.height() * scale));
    return QRect(box.center().x() - s.width() / 2 + 1, box.center().y() - s.height() / 2 + 1, s.width(),
                 s.height());
}

void paintTitle(QPainter& p, int& y, const QString& title)
{
    p.setPen(kText);
    p.setFont(ArtKit::wordFont(22.0));
    p.drawText(QRect(kMargin, y, kSheetWidth - 2 * kMargin, 34), Qt::AlignLeft | Qt::AlignVCenter, title);
    y += 42;
}

QImage composite(const QImage& sample, const QVector<QImage>& overlays, const QImage* mask)
{
    QImage picture = sample.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (const QImage& overlay : overlays) {
        QPainter p(&picture);
        p.drawImage(QRectF(0, 0, picture.width(), picture.height()), overlay);
    }
    if (mask)
        picture = OverlayArt::applyMask(picture, *mask);
    return picture;
}

} // namespace

ContactSheet::ContactSheet(const QVector<ArtworkCatalog::Picture>& pictures)
    : m_pictures(pictures)
{
}

QImage ContactSheet::find(const QString& fileName) const
{
    for (const auto& picture : m_pictures)
        if (picture.fileName == fileName)
            return picture.image;
    return QImage();
}

QImage ContactSheet::render() const
{
    const int perRow = (kSheetWidth - 2 * kMargin) / kCell;
    QStringList groups;
    for (const auto& picture : m_pictures)
        if (!groups.contains(picture.group))
            groups << picture.group;

    // Height: each group's grid, then the composites and the switches.
    int height = kMargin;
    for (const QString& group : groups) {
        const int count = int(std::count_if(m_pictures.begin(), m_pictures.end(),
                                            [&](const auto& picture) { return picture.group == group; }));
        height += 42 + ((count + perRow - 1) / perRow) * (kCell + kLabel) + 16;
    }
    const int compositeSide = 280;
    height += 2 * (42 + compositeSide + kLabel + 16) + 42 + 140 + kMargin;

    QImage sheet(kSheetWidth, height, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(kSheet);
    QPainter p(&sheet);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
    int y = kMargin;

    for (const QString& group : groups) {
        paintTitle(p, y, group);
        int index = 0;
        for (const auto& picture : m_pictures) {
            if (picture.group != group)
                continue;
            const int col = index % perRow;
            const int row = index / perRow;
            const QRect cell(kMargin + col * kCell, y + row * (kCell + kLabel), kCell - 8, kCell - 8);
            paintChecker(p, cell);
            p.drawImage(fitted(picture.image.size(), cell.adjusted(4, 4, -4, -4)), picture.image);
            p.setPen(kText);
            p.setFont(ArtKit::wordFont(11.0, false));
            // A long name puts the size on a second line rather than run into the next caption.
            p.drawText(QRect(cell.left(), cell.bottom() + 2, cell.width(), kLabel - 4),
                       Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                       QStringLiteral("%1 %2x%3")
                           .arg(picture.fileName)
                           .arg(picture.image.width())
                           .arg(picture.image.height()));
            ++index;
        }
        y += ((index + perRow - 1) / perRow) * (kCell + kLabel) + 16;
    }

    // The overlays over a colourful master, the way the program lays them on.
    const QImage sample = OverlayArt::sampleArt(1024);
    const QImage mask = find(QStringLiteral("roundrectmask.png"));
    struct Combo
    {
        const char* title;
        QStringList overlays;
        bool masked;
    };
    const QVector<Combo> combos = {
        { "master", {}, false },
        { "top gloss", { QStringLiteral("glossytop.png") }, false },
        { "centre gloss", { QStringLiteral("glossymiddle.png") }, false },
        { "volume", { QStringLiteral("overlay_volume.png") }, true },
        { "frame", { QStringLiteral("overlay_frame.png") }, true },
        { "rounded edges", {}, true },
        { "lite + free",
          { QStringLiteral("overlay_litelabel.png"), QStringLiteral("overlay_freelabel.png") },
          false },
        { "lite", { QStringLiteral("overlay_litelabel.png") }, true },
        { "top gloss + volume + frame",
          { QStringLiteral("glossytop.png"), QStringLiteral("overlay_volume.png"),
            QStringLiteral("overlay_frame.png") },
          true },
        { "all",
          { QStringLiteral("glossytop.png"), QStringLiteral("glossymiddle.png"),
            QStringLiteral("overlay_volume.png"), QStringLiteral("overlay_frame.png"),
            QStringLiteral("overlay_litelabel.png"), QStringLiteral("overlay_freelabel.png") },
          true },
    };
    paintTitle(p, y, QStringLiteral("Effects over a sample master (560 preview scale)"));
    const int perCompositeRow = 5;
    for (int i = 0; i < combos.size(); ++i) {
        if (i == perCompositeRow)
            y += compositeSide + kLabel + 16 + 42;
        QVector<QImage> overlays;
        for (const QString& name : combos[i].overlays)
            overlays << find(name);
        const QImage result = composite(sample, overlays, combos[i].masked ? &mask : nullptr);
        const QRect cell(kMargin + (i % perCompositeRow) * (compositeSide + 14), y, compositeSide,
                         compositeSide);
        paintChecker(p, cell);
        p.drawImage(cell, result);
        p.setPen(kText);
        p.setFont(ArtKit::wordFont(13.0, false));
        p.drawText(QRect(cell.left(), cell.bottom() + 4, compositeSide, kLabel), Qt::AlignLeft | Qt::AlignTop,
                   QLatin1String(combos[i].title));
    }
    y += compositeSide + kLabel + 16;

    // The switches at their size on the page's colour: rest, hover, checked, checked + hover.
    paintTitle(p, y, QStringLiteral("Effect switches at 44 x 44 on the page"));
    p.fillRect(QRect(kMargin, y, kSheetWidth - 2 * kMargin, 130), QColor(71, 71, 71));
    const QStringList stems
        = { QStringLiteral("TopGlossy"),   QStringLiteral("CenterGlossy"), QStringLiteral("Volume"),
            QStringLiteral("Frame"),       QStringLiteral("FreeLabel"),    QStringLiteral("LiteLabel"),
            QStringLiteral("RoundedEdges") };
    const QStringList suffixes
        = { QString(), QStringLiteral("_hvr"), QStringLiteral("_chk"), QStringLiteral("_chk_hvr") };
    for (int s = 0; s < suffixes.size(); ++s) {
        for (int i = 0; i < stems.size(); ++i) {
            const QImage item = find(stems[i] + suffixes[s] + QStringLiteral(".png"));
            const QRect target(kMargin + 12 + s * 370 + (i % 7) * 50, y + 12 + 0, 44, 44);
            p.drawImage(target, item.scaled(44, 44, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        }
    }
    // And the menu bar with its buttons.
    const QImage bar = find(QStringLiteral("backgroundbar.png"));
    const QRect barRect(kMargin + 12, y + 70, 290, 45);
    p.drawImage(barRect, bar);
    const QStringList barButtons
        = { QStringLiteral("AppButton"),   QStringLiteral("MoreAppsButton"), QStringLiteral("RateButton"),
            QStringLiteral("share_hover"), QStringLiteral("Help"),           QStringLiteral("join") };
    for (int i = 0; i < barButtons.size(); ++i)
        p.drawImage(QPoint(barRect.left() + 4 + i * 50, barRect.top() + 3),
                    find(barButtons[i] + QStringLiteral(".png")));
    p.drawImage(QPoint(kMargin + 330, y + 76), find(QStringLiteral("settings.png")));
    p.drawImage(QPoint(kMargin + 390, y + 76), find(QStringLiteral("settings_hover.png")));
    p.drawImage(QPoint(kMargin + 460, y + 76), find(QStringLiteral("videobutton.png")));
    p.drawImage(QPoint(kMargin + 620, y + 76), find(QStringLiteral("videobutton_hover.png")));
    p.end();
    return sheet;
}
