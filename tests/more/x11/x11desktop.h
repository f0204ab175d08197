#pragma once

#include <QProcess>
#include <QStringList>

class QPoint;
class QWidget;

// What the X11 tests share on their private Xvfb display: real input through the X server
// (xdotool) and openbox as the window manager.
namespace X11Desktop {

// Runs xdotool with the arguments; true when it succeeded.
bool xdotool(const QStringList& arguments);

// A real click of the first button at a point of the screen, or in the middle of a widget.
bool clickAt(const QPoint& global);
bool clickAt(const QWidget* widget);

// Gives the shown window the focus under the window manager and waits until it has it: asks the
// window manager first, then clicks the window's title bar as a user would.
bool activate(QWidget& window);

// openbox as the window manager while it lives.
class WindowManager
{
public:
    WindowManager();
    ~WindowManager();
    WindowManager(const WindowManager&) = delete;
    WindowManager& operator=(const WindowManager&) = delete;

    bool isRunning() const { return m_running; }

private:
    QProcess m_openbox;
    bool m_running = false;
};

} // namespace X11Desktop
