#include "pictures.h"

#include <QFileInfo>
#include <QSet>

// Outside any namespace, as Q_INIT_RESOURCE asks.
static void initLibraryResources()
{
    Q_INIT_RESOURCE(morepictures);
}

namespace QMWidgets {
namespace Pictures {

namespace {
void reportMissing(const QString& path)
{
    static QSet<QString> reported;
    if (reported.contains(path))
        return;
    reported.insert(path);
    qWarning("Picture %s is missing; the host program has to supply it", qPrintable(path));
}
} // namespace

void ensureLibraryPictures()
{
    static const bool initialised = [] {
        initLibraryResources();
        return true;
    }();
    Q_UNUSED(initialised)
}

QPixmap pixmap(const QString& path)
{
    ensureLibraryPictures();
    QPixmap picture(path);
    if (picture.isNull())
        reportMissing(path);
    return picture;
}

QPixmap scaled(const QString& path, const QSize& size, Qt::AspectRatioMode aspectMode)
{
    const QPixmap picture = pixmap(path);
    if (picture.isNull() || size.isEmpty())
        return QPixmap();
    return picture.scaled(size, aspectMode, Qt::SmoothTransformation);
}

QIcon icon(const QString& path)
{
    const QPixmap picture = pixmap(path);
    return picture.isNull() ? QIcon() : QIcon(picture);
}

QCursor cursor(const QString& path, int hotX, int hotY, Qt::CursorShape fallback)
{
    const QPixmap picture = pixmap(path);
    return picture.isNull() ? QCursor(fallback) : QCursor(picture, hotX, hotY);
}

bool exists(const QString& path)
{
    ensureLibraryPictures();
    return QFileInfo::exists(path);
}

} // namespace Pictures
} // namespace QMWidgets
