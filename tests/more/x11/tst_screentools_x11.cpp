// On a private Xvfb display: the screen locker's grabs as another X11 client sees them, the
// screenshot protection while another X11 client has the focus, and the choice popup under a
// window manager.

#include "choices/ultraradiobox.h"
#include "choices/ultraradioboxpopup.h"
#include "screentools/noscreenshotwidget.h"
#include "screentools/screenlocker.h"
#include "testapp.h"
#include "tooling.h"
#include "x11desktop.h"

#include <QtTest>
#include <QtWidgets>

#include <algorithm>

using namespace QMWidgets;
using namespace X11Desktop;

namespace {
const QString Free = QStringLiteral("keyboard 0 pointer 0"), Held = QStringLiteral("keyboard 1 pointer 1");

// What another X11 client gets when it asks for the keyboard and the pointer.
QString probeGrabs()
{
    return TestSupport::runTool(QStringLiteral(GRAB_PROBE), {}).output.trimmed();
}

// The window's state and Motif hints as the window manager reads them.
QString windowHints(const QWidget& window)
{
    return TestSupport::runTool(
               "xprop", { "-id", QString::number(window.winId()), "_NET_WM_STATE", "_MOTIF_WM_HINTS" })
        .output;
}

// Another program with the keyboard focus while it lives, its small window far from the test's.
class OtherProgram
{
public:
    OtherProgram()
    {
        m_client.start(QStringLiteral(FOCUS_TAKER), { QStringLiteral("1100"), QStringLiteral("900") });
        while (m_client.waitForReadyRead(5000) && !m_client.readAll().contains("ready")) { }
    }
    ~OtherProgram() { leave(); }
    void leave()
    {
        m_client.closeWriteChannel();
        m_client.waitForFinished();
    }

private:
    QProcess m_client;
};

// The colour of the protected content, and how many pixels of it the X server shows in the area
// (the whole screen unless given).
const QRgb Secret = qRgb(201, 0, 123);

int secretPixelsOnScreen(const QRect& area = QRect(0, 0, -1, -1))
{
    const QImage shown = QGuiApplication::primaryScreen()
                             ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < shown.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(shown.constScanLine(y));
        count += std::count(line, line + shown.width(), Secret);
    }
    return count;
}

bool secretShownAt(const QWidget* widget)
{
    return secretPixelsOnScreen(QRect(widget->mapToGlobal(widget->rect().center()), QSize(1, 1))) == 1;
}

// The widget, filled with the secret colour.
template<typename Widget> Widget* secret(Widget* widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Secret);
    palette.setColor(QPalette::Base, Secret);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
    widget->setMinimumSize(60, 30);
    return widget;
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

    void protectionKeepsWhatAppearsLaterHidden_data()
    {
        // What the host does while another program has the focus.
        QTest::addColumn<QString>("action");
        QTest::newRow("adds a widget to the layout") << "add";
        QTest::newRow("shows a panel the protection hid") << "show";
        QTest::newRow("shows a window below the guard") << "window";
        QTest::newRow("opens a dialog below the guard") << "dialog";
    }

    void protectionKeepsWhatAppearsLaterHidden()
    {
        QFETCH(QString, action);
        const WindowManager openbox;
        QVERIFY(openbox.isRunning());
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* guard = new NoScreenShotWidget;
        auto* guardLayout = new QHBoxLayout(guard);
        QWidget* panel = secret(new QWidget);
        guardLayout->addWidget(panel);
        layout->addWidget(guard);
        window.setGeometry(100, 100, 300, 200);
        window.show();
        QVERIFY(activate(window));
        QTRY_VERIFY(secretShownAt(panel));

        OtherProgram other;
        QTRY_VERIFY(guard->isContentHidden());
        QWidget* late = panel; // what the host brings, in the secret colour
        QPointer<QDialog> dialog;
        if (action == "add") {
            late = secret(new QWidget);
            guardLayout->addWidget(late);
        } else if (action == "show") {
            panel->show();
        } else if (action == "window") {
            late = secret(new QWidget(panel, Qt::Tool));
            late->setAttribute(Qt::WA_ShowWithoutActivating);
            late->setGeometry(600, 150, 80, 60);
            late->show();
        } else {
            dialog = new QDialog(panel);
            dialog->setAttribute(Qt::WA_ShowWithoutActivating);
            late = secret(new QWidget(dialog));
            (new QVBoxLayout(dialog))->addWidget(late);
            dialog->setGeometry(600, 150, 120, 80);
            dialog->show();
        }
        QTest::qWait(300); // painted and on the screen, if shown
        QCOMPARE(QApplication::activeWindow(), nullptr);
        QCOMPARE(secretPixelsOnScreen(), 0);
        QVERIFY(guard->isContentHidden() && (!dialog || dialog->isVisible()));

        // Back in the program everything the host meant shows.
        other.leave();
        QVERIFY(clickAt(guard));
        QTRY_VERIFY(!guard->isContentHidden());
        QTRY_VERIFY(secretShownAt(late));
        QVERIFY(secretShownAt(panel));
    }

    void dialogInProtectedContentEndsWithTheUsersAnswer_data()
    {
        QTest::addColumn<QStringList>("answer"); // xdotool arguments
        QTest::addColumn<int>("result");
        QTest::newRow("Return") << QStringList { "key", "Return" } << int(QDialog::Accepted);
        QTest::newRow("Escape") << QStringList { "key", "Escape" } << int(QDialog::Rejected);
    }

    void dialogInProtectedContentEndsWithTheUsersAnswer()
    {
        QFETCH(QStringList, answer);
        QFETCH(int, result);
        const WindowManager openbox;
        QVERIFY(openbox.isRunning());
        QWidget window;
        auto* guard = new NoScreenShotWidget(&window);
        auto* panel = new QWidget(guard);
        window.setGeometry(100, 100, 300, 200);
        window.show();
        QDialog dialog(panel);
        auto* layout = new QVBoxLayout(&dialog);
        auto* edit = secret(new QLineEdit);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
        layout->addWidget(edit);
        layout->addWidget(buttons);
        dialog.setGeometry(500, 150, 240, 120);

        // The user types, switches to another program and back, types on and answers.
        QTimer::singleShot(0, &dialog, [&] {
            const auto endOnFailure = qScopeGuard([&] {
                if (QTest::currentTestFailed())
                    dialog.done(-1);
            });
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            QVERIFY(xdotool({ "type", "abc" }));
            QTRY_COMPARE(edit->text(), QStringLiteral("abc"));
            OtherProgram other;
            QTRY_VERIFY(guard->isContentHidden());
            QTest::qWait(300);
            QVERIFY(dialog.isVisible() && !edit->isVisible());
            QCOMPARE(secretPixelsOnScreen(), 0);
            other.leave();
            QVERIFY(clickAt(&dialog));
            QTRY_VERIFY(!guard->isContentHidden() && edit->isVisible());
            QTRY_COMPARE(QApplication::focusWidget(), edit);
            QVERIFY(xdotool({ "type", "def" }));
            QTRY_COMPARE(edit->text(), QStringLiteral("abcdef"));
            QVERIFY(xdotool(answer));
        });
        QTimer::singleShot(60000, &dialog, [&] { dialog.done(-2); }); // never waits for ever
        QCOMPARE(dialog.exec(), result);
        QCOMPARE(edit->text(), QStringLiteral("abcdef"));
    }

    void choicePopupClosesByPressingItsBoxUnderAWindowManager()
    {
        const WindowManager openbox;
        QVERIFY(openbox.isRunning());

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
        QVERIFY(activate(window));
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
    }
};

LUMASTRAND_APP_TEST_MAIN(TestScreenToolsX11)
#include "tst_screentools_x11.moc"
