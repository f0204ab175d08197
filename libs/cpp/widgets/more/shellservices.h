#pragma once

#include <QString>
#include <QVariant>

namespace QMWidgets {

// The services of the shell's application object that the widget library uses,
// safe on a plain QApplication as well: without the shell's application object
// the remembered folders are empty and are not remembered, settings are read
// from the native store of the application's names under the same key prefix,
// and the screen sizes are worked out the way the shell does.
namespace ShellServices {

QString lastOpenDirectory();
QString lastSaveDirectory();
// The application's work folder (home folder + "/" + application name + "/"),
// made when create is true and it is missing.
QString workDirectory(bool create = false);
void setLastOpenDirectory(const QString& path);
void setLastSaveDirectory(const QString& path);

// A stored setting, or defaultValue when it is not stored (or when the
// application has no names to find its store by).
QVariant value(const QString& key, const QVariant& defaultValue = QVariant());

bool isSmallScreen();
int smallerScreenSide();

} // namespace ShellServices
} // namespace QMWidgets
