#pragma once

#include <QString>
#include <QVariant>

#include <functional>

class QObject;

namespace QMWidgets {

// The services of the shell's application object that the widget library uses,
// safe on a plain QApplication as well: without the shell's application object
// the remembered folders are empty and are not remembered, and there is no
// about dialog; settings, the work folder and the screen sizes come from the
// shell's static services, which work on any application object.
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

// Calls action for every mouse-button press anywhere in the application,
// before the press is delivered, for as long as context lives: through the
// shell's mouseButtonPress() signal, or on a plain QApplication through an
// application-wide event filter, which also sees the press again at each
// parent widget it is passed on to (so the action should not mind repeats).
void onMouseButtonPress(QObject* context, std::function<void()> action);

// Whether the application can be shared: only the shell's application object
// knows the links of the share dialog.
bool canShareApp();
// Runs the shell's share dialog; does nothing on a plain QApplication.
void shareApp();

// Runs the shell's about dialog; does nothing without the shell's application object.
void showAboutDialog();

} // namespace ShellServices
} // namespace QMWidgets
