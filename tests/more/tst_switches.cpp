// Check button, animated switch, tagged list item and centring filter.

#include "aniswitch.h"
#include "centerfilter.h"
#include "checkbutton.h"
#include "listwidgetitem.h"

#include <QApplication>
#include <QDesktopWidget>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

class TestSwitches : public QObject
{
    Q_OBJECT

private slots:
    void checkButtonReportsOnAndOff();
    void switchSlidesItsHandle_data();
    void switchSlidesItsHandle();
    void switchFollowsClicks();
    void switchBeforeAndRightAfterInit();
    void listItemCopyLeavesTagBehind();
    void centerFilterCentres();
    void centerFilterOutlivesItsWidget();
};

void TestSwitches::checkButtonReportsOnAndOff()
{
    QMWidgets::CheckButton button;
    QSignalSpy on(&button, &QMWidgets::CheckButton::onClicked);
    QSignalSpy off(&button, &QMWidgets::CheckButton::offClicked);
    button.setChecked(true);
    QCOMPARE(on.count(), 1);
    QCOMPARE(off.count(), 0);
    QTest::mouseClick(&button, Qt::LeftButton);
    QVERIFY(!button.isChecked());
    QCOMPARE(on.count(), 1);
    QCOMPARE(off.count(), 1);
}

void TestSwitches::switchSlidesItsHandle_data()
{
    QTest::addColumn<bool>("showIcon");
    QTest::addColumn<int>("handleWidth");
    QTest::newRow("with icon") << true << 45;
    QTest::newRow("without icon") << false << 60;
}

void TestSwitches::switchSlidesItsHandle()
{
    QFETCH(bool, showIcon);
    QFETCH(int, handleWidth);
    QMWidgets::AniSwitch toggle;
    toggle.resize(120, 30);
    toggle.init(showIcon, false);
    toggle.show();
    QVERIFY(QTest::qWaitForWindowExposed(&toggle));

    auto* icon = toggle.findChild<QPushButton*>(QStringLiteral("AniSwitchIcon"));
    auto* handle = toggle.findChild<QPushButton*>(QStringLiteral("AniSwitchHandler"));
    QVERIFY(icon && handle);
    QCOMPARE(icon->isVisible(), showIcon);
    QCOMPARE(icon->size(), QSize(30, 30));
    QCOMPARE(handle->size(), QSize(handleWidth, 30));
    QCOMPARE(handle->pos(), QPoint(0, 0));

    QSignalSpy toggled(&toggle, &QMWidgets::AniSwitch::toggled);
    QElapsedTimer clock;
    clock.start();
    toggle.setOn(true);
    QVERIFY(toggle.isOn());
    QCOMPARE(toggled.count(), 1);
    QCOMPARE(toggled.first().first().toBool(), true);

    // The handle slides to the right over 400 ms, passing in between.
    bool passedBetween = false;
    while (handle->x() != handleWidth && clock.elapsed() < 5000) {
        QTest::qWait(15);
        passedBetween = passedBetween || (handle->x() > 0 && handle->x() < handleWidth);
    }
    QCOMPARE(handle->pos(), QPoint(handleWidth, 0));
    QVERIFY(passedBetween);
    QVERIFY2(clock.elapsed() >= 380, qPrintable(QString::number(clock.elapsed())));

    // A state the switch already has changes nothing.
    toggle.setOn(true);
    toggle.slotSetOn();
    QTest::qWait(50);
    QCOMPARE(toggled.count(), 1);
    QCOMPARE(handle->pos(), QPoint(handleWidth, 0));

    toggle.slotSetOff();
    QCOMPARE(toggled.count(), 2);
    QCOMPARE(toggled.last().first().toBool(), false);
    QTRY_COMPARE(handle->pos(), QPoint(0, 0));
    QCOMPARE(toggled.count(), 2);
}

void TestSwitches::switchFollowsClicks()
{
    QMWidgets::AniSwitch toggle;
    toggle.resize(120, 30);
    toggle.init(true, false);
    toggle.show();
    QVERIFY(QTest::qWaitForWindowExposed(&toggle));
    auto* icon = toggle.findChild<QPushButton*>(QStringLiteral("AniSwitchIcon"));
    auto* handle = toggle.findChild<QPushButton*>(QStringLiteral("AniSwitchHandler"));
    auto* area = handle->parentWidget();
    QSignalSpy toggled(&toggle, &QMWidgets::AniSwitch::toggled);

    // Off: the handle covers the left of the track; a click on the uncovered
    // right switches on.
    QWidget* uncovered = area->childAt(QPoint(area->width() - 5, 15));
    QVERIFY(uncovered && uncovered != handle);
    QCOMPARE(uncovered->objectName(), QStringLiteral("AniSwitchOffArea"));
    QTest::mouseClick(uncovered, Qt::LeftButton);
    QCOMPARE(toggled.count(), 1);
    QTRY_COMPARE(handle->x(), 45);

    // On: the left of the track is uncovered; a click there switches off.
    uncovered = area->childAt(QPoint(5, 15));
    QCOMPARE(uncovered->objectName(), QStringLiteral("AniSwitchOnArea"));
    QTest::mouseClick(uncovered, Qt::LeftButton);
    QCOMPARE(toggled.count(), 2);
    QTRY_COMPARE(handle->x(), 0);

    // The handle itself and the icon button switch too.
    QTest::mouseClick(handle, Qt::LeftButton);
    QTRY_COMPARE(handle->x(), 45);
    QVERIFY(toggle.isOn());
    QTest::mouseClick(icon, Qt::LeftButton);
    QTRY_COMPARE(handle->x(), 0);
    QVERIFY(!toggle.isOn());
    QCOMPARE(toggled.count(), 4);
    QCOMPARE(toggled.at(2).first().toBool(), true);
    QCOMPARE(toggled.at(3).first().toBool(), false);
}

void TestSwitches::switchBeforeAndRightAfterInit()
{
    QMWidgets::AniSwitch toggle;
    toggle.resize(120, 30);
    QSignalSpy toggled(&toggle, &QMWidgets::AniSwitch::toggled);
    // Before init the switch is off and takes no orders.
    toggle.setOn(true);
    toggle.slotSetOn();
    toggle.slotSetOff();
    QVERIFY(!toggle.isOn());

    toggle.init(true, true);
    auto* handle = toggle.findChild<QPushButton*>(QStringLiteral("AniSwitchHandler"));
    QVERIFY(toggle.isOn());
    QCOMPARE(handle->pos(), QPoint(45, 0));

    // Switched off before the event loop ran: the machine must not put it back on.
    toggle.setOn(false);
    QVERIFY(!toggle.isOn());
    QTest::qWait(100);
    QVERIFY(!toggle.isOn());
    QCOMPARE(handle->pos(), QPoint(0, 0));
    QCOMPARE(toggled.count(), 1);

    // A second init changes nothing.
    toggle.resize(200, 40);
    toggle.init(false, true);
    QVERIFY(!toggle.isOn());
    QCOMPARE(handle->size(), QSize(45, 30));

    // ... and the machine runs in the state the switch shows.
    toggle.setOn(true);
    QTRY_COMPARE(handle->pos(), QPoint(45, 0));
    QCOMPARE(toggled.count(), 2);
}

void TestSwitches::listItemCopyLeavesTagBehind()
{
    QMWidgets::ListWidgetItem item(QStringLiteral("Apple"));
    item.setTag(QStringLiteral("fruit"));
    QCOMPARE(item.tag(), QStringLiteral("fruit"));
    const QMWidgets::ListWidgetItem copy(item);
    QCOMPARE(copy.text(), QStringLiteral("Apple"));
    QCOMPARE(copy.tag(), QString());
}

void TestSwitches::centerFilterCentres()
{
    QWidget parent;
    parent.resize(800, 600);
    auto* child = new QWidget(&parent);
    child->resize(300, 200);
    child->hide();
    QMWidgets::CenterFilter filter;
    child->installEventFilter(&filter);
    parent.show();
    child->show();
    QCOMPARE(child->pos(), QPoint(250, 200));

    // Hidden, it stays where it is; shown again, it is centred again.
    child->hide();
    child->move(0, 0);
    filter.slotResized(0);
    QCOMPARE(child->pos(), QPoint(0, 0));
    child->show();
    QCOMPARE(child->pos(), QPoint(250, 200));
    parent.resize(700, 500);
    filter.slotResized(700);
    QCOMPARE(child->pos(), QPoint(200, 150));

    QWidget window;
    window.resize(301, 201);
    window.installEventFilter(&filter);
    window.show();
    const QRect desktop = QApplication::desktop()->geometry();
    QCOMPARE(window.pos(), QPoint(desktop.width() / 2 - 150, desktop.height() / 2 - 100));
}

void TestSwitches::centerFilterOutlivesItsWidget()
{
    QMWidgets::CenterFilter filter;
    auto* widget = new QWidget;
    widget->installEventFilter(&filter);
    widget->show();
    QCOMPARE(filter.widget(), widget);
    delete widget;
    QCOMPARE(filter.widget(), nullptr);
    filter.slotResized(0);
}

QTEST_MAIN(TestSwitches)
#include "tst_switches.moc"
