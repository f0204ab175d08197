#include "iconwriter.h"

#include "iconnaming.h"
#include "imagesaver.h"

#include <QCoreApplication>
#include <QFont>
#include <QPainter>
#include <QVector>

namespace {

const QString kPng = QStringLiteral("png");

} // namespace

QPixmap IconWriter::scaledSquare(const QPixmap& picture, int side)
{
    return picture.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void IconWriter::writeSquareIcon(const QString& folder, const int& size, const QPixmap& picture, bool watch)
{
    const QVector<IconNaming::IconFile> files = IconNaming::squareIconFiles(folder, size, watch);

    QVector<QPixmap> pictures;
    pictures.reserve(files.size());
    for (const IconNaming::IconFile& file : files)
        pictures.append(scaledSquare(picture, file.pixelSize));

    // Once per icon, so that the export's progress dialog stays responsive.
    QCoreApplication::processEvents();

    for (int i = 0; i < files.size(); ++i)
        ImageSaver::save(pictures.at(i), folder + files.at(i).fileName, kPng);
}

void IconWriter::writeTile(const QString& folder, const QSize& size, const QPixmap& picture,
                           const QString& name, float factor)
{
    QPixmap canvas(size);
    if (!canvas.isNull()) {
        canvas.fill(QColor(255, 255, 255, 255));
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::Antialiasing, true);

        const int side = IconNaming::tileIconSide(size, factor);
        if (side > 0 && !picture.isNull()) {
            QPixmap icon;
            if (size.width() == size.height())
                icon = scaledSquare(picture, side);
            else if (size.width() < size.height())
                icon = picture.scaledToWidth(side, Qt::SmoothTransformation);
            else
                icon = picture.scaledToHeight(side, Qt::SmoothTransformation);
            // The point is real-valued; the raster engine draws an untransformed
            // picture at whole pixels, so a half-pixel offset rounds up.
            painter.drawPixmap(IconNaming::tilePosition(size, icon.size()), icon);
        }
        painter.end();
    }

    QCoreApplication::processEvents();
    ImageSaver::save(canvas, folder + name + QStringLiteral(".png"), kPng);
}

void IconWriter::writeLaunchScreens(const QString& folder, const QPixmap& picture)
{
    for (const IconNaming::LaunchImage& image : IconNaming::launchImages(folder)) {
        if (image.processEventsBefore)
            QCoreApplication::processEvents();
        ImageSaver::save(paintLaunchImage(image.size, picture, 2.0f, Qt::white, Qt::black),
                         folder + image.fileName, kPng);
    }
}

QPixmap IconWriter::paintLaunchImage(const QSize& size, const QPixmap& icon, const float& divisor,
                                     const QColor& textColor, const QColor& backgroundColor)
{
    QPixmap image(size);
    if (image.isNull())
        return image;
    // Never show uninitialised memory. An opaque background keeps the picture
    // without an alpha channel (smaller and faster PNG files); a translucent
    // one is painted over a transparent start.
    image.fill(backgroundColor.alpha() == 255 ? backgroundColor : QColor(Qt::transparent));

    const IconNaming::LaunchLayout layout = IconNaming::launchLayout(size, divisor);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);

    painter.setBrush(QBrush(backgroundColor, Qt::SolidPattern));
    painter.setPen(Qt::NoPen);
    painter.drawRect(QRect(QPoint(0, 0), size));

    painter.setPen(textColor);
    QFont font(QStringLiteral("Arial"));
    if (layout.fontPixelSize > 0)
        font.setPixelSize(layout.fontPixelSize);
    painter.setFont(font);
    painter.drawText(QRect(10, 10, size.width() - 20, size.height() - 20), Qt::AlignHCenter | Qt::AlignBottom,
                     QCoreApplication::translate("Creator", "Please wait..."));

    if (layout.iconSide > 0 && !icon.isNull())
        painter.drawPixmap(layout.iconPosition, scaledSquare(icon, layout.iconSide));

    painter.end();
    return image;
}
