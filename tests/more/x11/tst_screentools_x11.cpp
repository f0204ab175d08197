// The screen tools on a real X11 screen (a private Xvfb display): the
// cropper's grab of the real screen, and the locker's keyboard and pointer
// grabs as another X11 client sees them.

#include "screentools/screencropper.h"
#include "screentools/screenlocker.h"
#include "testapp.h"

#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QtTest>

using namespace QMWidgets;

namespace {
// What another X11 client gets when it asks for the keyboard and the pointer:
// "keyboard 0 pointer 0" when both are free, 1 for one held by another client.
QString probeGrabs()
{
    QProcess probe;
    probe.start(QStringLiteral(GRAB_PROBE), QStringList());
    if (!probe.waitForFinished(10000) || probe.exitCode() != 0)
        return QStringLiteral("probe failed: ") + QString::fromLocal8Bit(probe.readAllStandardError());
    return QString::fromLatin1(probe.readAllStandardOutput()).trimmed();
}
} // namespace

class TestScreenToolsX11 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb")); }
    void cropperCutsTheRealScreen();
    void lockerHoldsKeyboardAndPointerUntilUnlock();
};

void TestScreenToolsX11::cropperCutsTheRealScreen()
{
    // A window of one colour at a known place on the screen.
    const QColor colour(200, 30, 60);
    QWidget patch(nullptr, Qt::FramelessWindowHint);
    patch.setStyleSheet(QStringLiteral("background: rgb(200, 30, 60)"));
    patch.setGeometry(300, 200, 160, 120);
    patch.show();
    QVERIFY(QTest::qWaitForWindowExposed(&patch));
    QTest::qWait(300);

    ScreenCropper cropper;
    QSignalSpy done(&cropper, qOverload<const QPixmap&>(&ScreenCropper::done));
    cropper.grabScreen();
    QVERIFY(QTest::qWaitForWindowExposed(&cropper));
    QTRY_COMPARE(cropper.geometry(), QGuiApplication::primaryScreen()->geometry());
    // From outside the patch's top-left corner into it.
    QTest::mousePress(&cropper, Qt::LeftButton, Qt::NoModifier, QPoint(329, 229));
    QTest::mouseRelease(&cropper, Qt::LeftButton, Qt::NoModifier, QPoint(290, 190));
    QCOMPARE(done.count(), 1);
    const QImage cut = cropper.pixmap().toImage();
    QCOMPARE(cut.size(), QSize(40, 40));
    for (const QPoint& inside : { QPoint(10, 10), QPoint(39, 39), QPoint(25, 12) })
        QCOMPARE(cut.pixelColor(inside), colour);
    for (const QPoint& outside : { QPoint(9, 9), QPoint(9, 39), QPoint(39, 9) })
        QVERIFY(cut.pixelColor(outside) != colour);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void TestScreenToolsX11::lockerHoldsKeyboardAndPointerUntilUnlock()
{
    const QString free = QStringLiteral("keyboard 0 pointer 0");
    QCOMPARE(probeGrabs(), free);
    ScreenLocker locker;
    locker.showUnlockButton();
    QSignalSpy unlocked(&locker, &ScreenLocker::unlocked);
    QTRY_COMPARE(probeGrabs(), QStringLiteral("keyboard 1 pointer 1"));
    QTRY_COMPARE(locker.geometry(), QGuiApplication::primaryScreen()->geometry());
    QTest::qWait(100);
    QCOMPARE(probeGrabs(), QStringLiteral("keyboard 1 pointer 1"));

    QTest::mouseClick(locker.unlockButton(), Qt::LeftButton);
    QCOMPARE(unlocked.count(), 1);
    QCOMPARE(probeGrabs(), free);
    QTest::qWait(200);
    QVERIFY(!locker.isVisible());
    QCOMPARE(probeGrabs(), free);
    QCOMPARE(unlocked.count(), 1);
}

LUMASTRAND_APP_TEST_MAIN(TestScreenToolsX11)
#include "tst_screentools_x11.moc"
