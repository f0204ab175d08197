#pragma once

#include <QColor>
#include <QSize>
#include <QStringList>
#include <QUrl>

class QMimeData;
class QTemporaryDir;
class QWidget;

// Pictures for the program to take: written to files, and offered by real drops.
namespace TestSupport {

// Saves a picture of one colour as PNG (whatever the name's suffix) in dir;
// returns its path, or an empty text when it could not be saved.
QString writePicture(const QTemporaryDir& dir, const QString& name, const QSize& size, const QColor& color);

// Sends a real drag entry and drop of the MIME data at (140, 140) as a file manager
// does: a copy or a move allowed, a move proposed (Shift held). Returns the action
// the widget accepted the drop with, or Qt::IgnoreAction when it refused it;
// entered, when given, receives the same for the drag's entry.
Qt::DropAction dropMimeData(QWidget* target, const QMimeData& data, Qt::DropAction* entered = nullptr);
// The same with the addresses, or the local files, as an uri list.
Qt::DropAction dropUrls(QWidget* target, const QList<QUrl>& urls);
Qt::DropAction dropFiles(QWidget* target, const QStringList& paths);

} // namespace TestSupport
