#include "picturewriters.h"

#include "iconnaming.h"
#include "picture.h"

#include <QCoreApplication>
#include <QFont>
#include <QPainter>
#include <QVector>

namespace {
const QString Png = QStringLiteral("png");
} // namespace

PictureWriters::PictureWriters(Save save, std::function<void()> betweenPictures)
    : m_save(std::move(save))
    , m_betweenPictures(std::move(betweenPictures))
{
}

bool PictureWriters::save(const QImage& picture, const QString& path, bool* allWritten, QString* reason) const
{
    QString why;
    if (m_save(picture, path, Png, &why))
        return true;
    // The first failure's reason stands for the call.
    if (*allWritten && reason)
        *reason = why;
    *allWritten = false;
    return false;
}

void PictureWriters::between() const
{
    if (m_betweenPictures)
        m_betweenPictures();
}

bool PictureWriters::writeSquareIcon(const QString& folder, IconNaming::SquareScheme scheme, int size,
                                     const QImage& picture, bool watch, QString* reason) const
{
    const QVector<IconNaming::IconFile> files = IconNaming::squareIconFiles(scheme, size, watch);

    QVector<QImage> pictures;
    pictures.reserve(files.size());
    for (const IconNaming::IconFile& file : files)
        pictures.append(Picture::scaledSquare(picture, file.pixelSize));

    between();

    bool allWritten = true;
    for (int i = 0; i < files.size(); ++i)
        save(pictures.at(i), folder + files.at(i).fileName, &allWritten, reason);
    return allWritten;
}

bool PictureWriters::writeTile(const QString& folder, const QSize& size, const QImage& picture,
                               const QString& name, float factor, QString* reason) const
{
    QImage canvas;
    if (!size.isEmpty())
        canvas = QImage(size, QImage::Format_RGB32);
    if (!canvas.isNull()) {
        canvas.fill(QColor(255, 255, 255, 255));
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::Antialiasing, true);

        const int side = IconNaming::tileIconSide(size, factor);
        if (side > 0 && !picture.isNull()) {
            QImage icon;
            if (size.width() == size.height())
                icon = Picture::scaledSquare(picture, side);
            else if (size.width() < size.height())
                icon = Picture::normalized(picture.scaledToWidth(side, Qt::SmoothTransformation));
            else
                icon = Picture::normalized(picture.scaledToHeight(side, Qt::SmoothTransformation));
            // The point is real-valued; the raster engine draws an untransformed
            // picture at whole pixels, so a half-pixel offset rounds up.
            painter.drawImage(IconNaming::tilePosition(size, icon.size()), icon);
        }
        painter.end();
    }

    between();
    bool allWritten = true;
    save(canvas, folder + name + QStringLiteral(".png"), &allWritten, reason);
    return allWritten;
}

bool PictureWriters::writeLaunchScreens(const QString& folder, const QImage& picture, QString* reason) const
{
    bool allWritten = true;
    for (const IconNaming::LaunchImage& image : IconNaming::launchImages(folder)) {
        if (image.processEventsBefore)
            between();
        save(paintLaunchImage(image.size, picture, 2.0f, Qt::white, Qt::black), folder + image.fileName,
             &allWritten, reason);
    }
    return allWritten;
}

QImage PictureWriters::paintLaunchImage(const QSize& size, const QImage& icon, float divisor,
                                        const QColor& textColor, const QColor& backgroundColor)
{
    if (size.isEmpty())
        return QImage();
    // Never show uninitialised memory. An opaque background keeps the picture
    // without an alpha channel (smaller and faster PNG files); a translucent
    // one is painted over a transparent start.
    const bool opaque = backgroundColor.alpha() == 255;
    QImage image(size, opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return image;
    image.fill(opaque ? backgroundColor : QColor(Qt::transparent));

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
        painter.drawImage(layout.iconPosition, Picture::scaledSquare(icon, layout.iconSide));

    painter.end();
    return image;
}
