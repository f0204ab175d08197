#include "testpictures.h"

#include <QApplication>
#include <QDropEvent>
#include <QImage>
#include <QMimeData>
#include <QTemporaryDir>
#include <QWidget>

namespace TestSupport {

QString writePicture(const QTemporaryDir& dir, const QString& name, const QSize& size, const QColor& color)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(color);
    const QString path = dir.filePath(name);
    return image.save(path, "PNG") ? path : QString();
}

Qt::DropAction dropMimeData(QWidget* target, const QMimeData& data, Qt::DropAction* entered)
{
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(QPoint(140, 140), actions, &data, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(target, &enter);
    if (entered)
        *entered = enter.isAccepted() ? enter.dropAction() : Qt::IgnoreAction;
    QDropEvent event(QPointF(140, 140), actions, &data, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(target, &event);
    return event.isAccepted() ? event.dropAction() : Qt::IgnoreAction;
}

Qt::DropAction dropUrls(QWidget* target, const QList<QUrl>& urls)
{
    QMimeData data;
    data.setUrls(urls);
    return dropMimeData(target, data);
}

Qt::DropAction dropFiles(QWidget* target, const QStringList& paths)
{
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls.append(QUrl::fromLocalFile(path));
    return dropUrls(target, urls);
}

} // namespace TestSupport
