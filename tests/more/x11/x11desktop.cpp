#include "x11desktop.h"

#include "tooling.h"

#include <QPoint>
#include <QRect>
#include <QTest>
#include <QWidget>

namespace X11Desktop {

namespace {
bool windowManagerMarked()
{
    return TestSupport::runTool("xprop", { "-root", "_NET_SUPPORTING_WM_CHECK" })
        .output.contains("window id");
}
} // namespace

bool xdotool(const QStringList& arguments)
{
    return TestSupport::runTool(QStringLiteral("xdotool"), arguments).exitCode == 0;
}

bool clickAt(const QPoint& global)
{
    return xdotool({ "mousemove", QString::number(global.x()), QString::number(global.y()), "click", "1" });
}

bool clickAt(const QWidget* widget)
{
    return clickAt(widget->mapToGlobal(widget->rect().center()));
}

bool activate(QWidget& window)
{
    window.raise();
    window.activateWindow();
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (QTest::qWaitForWindowActive(&window, 2000))
            return true;
        // openbox may refuse a program's own request (its guard against windows that steal the
        // focus); a click on the title bar, as a user gives the focus, it always follows.
        const QRect frame = window.frameGeometry(), inside = window.geometry();
        const int titleBar = inside.top() > frame.top() ? (frame.top() + inside.top()) / 2 : inside.top() + 2;
        clickAt(QPoint(frame.center().x(), titleBar));
    }
    return QTest::qWaitForWindowActive(&window, 2000);
}

WindowManager::WindowManager()
{
    m_openbox.start(QStringLiteral("openbox"), { QStringLiteral("--sm-disable") });
    m_running = m_openbox.waitForStarted();
    for (int tries = 0; m_running && tries < 200; ++tries) {
        if (windowManagerMarked())
            return;
        QTest::qWait(50);
    }
    m_running = false;
}

WindowManager::~WindowManager()
{
    m_openbox.terminate();
    m_openbox.waitForFinished();
    // Left behind, the mark would tell the next test that a window manager runs.
    TestSupport::runTool("xprop", { "-root", "-remove", "_NET_SUPPORTING_WM_CHECK" });
}

} // namespace X11Desktop
