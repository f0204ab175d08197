// On a private Xvfb display: the screen locker's grabs as another X11 client sees them, and the
// choice popup under a window manager.

#include "choices/ultraradiobox.h"
#include "choices/ultraradioboxpopup.h"
#include "screentools/screenlocker.h"
#include "testapp.h"
#include "tooling.h"

#include <QtTest>
#include <QtWidgets>

using namespace QMWidgets;

namespace {
const QString Free = QStringLiteral("keyboard 0 pointer 0"), Held = QStringLiteral("keyboard 1 pointer 1");

// What another X11 client gets when it asks for the keyboard and the pointer.
QString probeGrabs()
{
    return TestSupport::runTool(QStringLiteral(GRAB_PROBE), {}).output.trimmed();
}

// Real input through the X server, as the window manager and the grabs see it.
bool xdotool(const QStringList& arguments)
{
    return TestSupport::runTool(QStringLiteral("xdotool"), arguments).exitCode == 0;
}

// The window's state and Motif hints as the window manager reads them.
QString windowHints(const QWidget& window)
{
    return TestSupport::runTool(
               "xprop", { "-id", QString::number(window.winId()), "_NET_WM_STATE", "_MOTIF_WM_HINTS" })
        .output;
}

bool clickAt(const QWidget* widget)
{
    const QPoint centre = widget->mapToGlobal(widget->rect().center());
    return xdotool({ "mousemove", QString::number(centre.x()), QString::number(centre.y()), "click", "1" });
}
} // namespace

class TestScreenToolsX11 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb")); }

    void lockerHoldsKeyboardAndPointerUntilUnlock()
    {
        QCOMPARE(probeGrabs(), Free);
        ScreenLocker locker;
        QSignalSpy unlocked(&locker, &ScreenLocker::unlocked);
        QTRY_COMPARE(probeGrabs(), Held);
        QTRY_COMPARE(locker.geometry(), QGuiApplication::primaryScreen()->geometry());
        const QWindow* window = locker.windowHandle(); // re-locking keeps the one window
        // Above every other window, and no frame: the hints' decorations are 0.
        const QString hints = windowHints(locker);
        QVERIFY2(
            hints.contains("_NET_WM_STATE_ABOVE")
                && hints.contains(QRegularExpression("_MOTIF_WM_HINTS\\) = 0x[0-9a-f]+, 0x[0-9a-f]+, 0x0,")),
            qPrintable(hints));

        // While the button is hidden, neither its key nor a click where it lies unlocks.
        QVERIFY(xdotool({ "key", "space", "mousemove", "5", "5", "click", "1" })
                && clickAt(locker.unlockButton()));
        QTest::qWait(200);
        QCOMPARE(unlocked.count(), 0);
        QCOMPARE(probeGrabs(), Held);
        QCOMPARE(locker.windowHandle(), window);

        locker.showUnlockButton();
        QTRY_VERIFY(locker.unlockButton()->isVisible());
        QVERIFY(clickAt(locker.unlockButton()));
        QTRY_COMPARE(unlocked.count(), 1);
        QCOMPARE(probeGrabs(), Free);
        // The program's other windows get the keys and clicks again.
        QVERIFY(!QWidget::keyboardGrabber() && !QWidget::mouseGrabber() && !locker.isVisible());
        QTest::qWait(200); // and keep them while the event loop runs on
        QVERIFY(!QWidget::keyboardGrabber() && !locker.isVisible());
        QCOMPARE(probeGrabs(), Free);
        locker.slotLock(); // locks again as the first time
        QTRY_COMPARE(probeGrabs(), Held);
    }

    void choicePopupClosesByPressingItsBoxUnderAWindowManager()
    {
        QProcess openbox;
        openbox.start(QStringLiteral("openbox"), { QStringLiteral("--sm-disable") });
        if (!openbox.waitForStarted())
            QSKIP("openbox is not installed (scripts/install-deps.sh installs it)");
        QTRY_VERIFY(TestSupport::runTool("xprop", { "-root", "_NET_SUPPORTING_WM_CHECK" })
                        .output.contains("window id"));

        QWidget window;
        auto* box = new UltraRadioBox(&window);
        for (const char* name : { "Pen", "Marker", "Eraser" }) {
            auto* button = new QPushButton(QLatin1String(name));
            button->setFixedSize(60, 30);
            box->addButton(button, QLatin1String(name));
            box->setCurrentButton(button); // before the popup was ever shown
        }
        box->move(40, 40);
        window.setGeometry(100, 100, 300, 200);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::qWait(300); // the window manager's frame around it settles
        auto* popup = box->findChild<UltraRadioBoxPopup*>();
        QSignalSpy pressed(box, &UltraRadioBox::actionPerformed);

        QVERIFY(clickAt(box));
        QTRY_COMPARE(QApplication::activeWindow(), popup); // the window manager gives it the focus
        const int firstHeight = popup->height();
        QVERIFY(clickAt(box));
        QTRY_COMPARE(pressed.count(), 2);
        QTest::qWait(300);
        QVERIFY(!popup->isVisible());
        QVERIFY(clickAt(box)); // and it opens at the same height again
        QTRY_VERIFY(popup->isVisible());
        QCOMPARE(popup->height(), firstHeight);
        openbox.terminate();
        openbox.waitForFinished();
    }
};

LUMASTRAND_APP_TEST_MAIN(TestScreenToolsX11)
#include "tst_screentools_x11.moc"
