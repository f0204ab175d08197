#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace QMWidgets {

// Pictures of the widget library, loaded at each use by resource path. Some of
// them come with the library (":/droparea.png"), others are supplied by the
// host program (":/pix/...", the cursors, ":/loading_image.gif"). A picture
// that is missing gives a quiet stand-in and one warning per path for the whole
// run, never a warning at every paint.
namespace Pictures {

// Makes the library's own pictures reachable; called by every function below.
void ensureLibraryPictures();

// The picture, or a null pixmap when it is missing.
QPixmap pixmap(const QString& path);
// The picture scaled to size (smoothly), or a null pixmap when it is missing.
QPixmap scaled(const QString& path, const QSize& size,
               Qt::AspectRatioMode aspectMode = Qt::IgnoreAspectRatio);
// An icon of the picture, or an empty icon when it is missing.
QIcon icon(const QString& path);
// A cursor of the picture with the hot spot, or the fallback shape when it is missing.
QCursor cursor(const QString& path, int hotX = -1, int hotY = -1, Qt::CursorShape fallback = Qt::ArrowCursor);
// Whether the picture can be loaded (no warning when not).
bool exists(const QString& path);

} // namespace Pictures
} // namespace QMWidgets
