#pragma once

#include <QString>

namespace QMWidgets {

// The services of the shell's application object that the widget library uses,
// safe on a plain QApplication as well: without the shell's application object
// the remembered folders are empty and are not remembered, the screen sizes
// and the work folder are worked out the way the shell does, and there is no
// about dialog.
namespace ShellServices {

QString lastOpenDirectory();
QString lastSaveDirectory();
void setLastOpenDirectory(const QString& path);
void setLastSaveDirectory(const QString& path);

bool isSmallScreen();
int smallerScreenSide();

// The per-user work folder: home + "/" + application name + "/" (made when
// create is set and it is missing).
QString workDirectory(bool create = false);
// Runs the shell's about dialog; does nothing without the shell's application object.
void showAboutDialog();

} // namespace ShellServices
} // namespace QMWidgets
