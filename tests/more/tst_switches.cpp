// The animated switch, the centring filter and the tagged list item.

#include "switches/aniswitch.h"
#include "switches/centerfilter.h"
#include "switches/listwidgetitem.h"

#include <QPushButton>
#include <QtTest>

using QMWidgets::AniSwitch;

class TestSwitches : public QObject
{
    Q_OBJECT

    static QPushButton* handleOf(AniSwitch& toggle)
    {
        return toggle.findChild<QPushButton*>(QStringLiteral("AniSwitchHandler"));
    }

private slots:
    void switchSlidesItsHandle_data()
    {
        QTest::addColumn<bool>("showIcon");
        QTest::addColumn<int>("handleWidth");
        QTest::newRow("with icon") << true << 45;
        QTest::newRow("without icon") << false << 60;
    }

    void switchSlidesItsHandle()
    {
        QFETCH(bool, showIcon);
        QFETCH(int, handleWidth);
        AniSwitch toggle;
        toggle.resize(120, 30);
        toggle.init(showIcon, false);
        toggle.show();
        QVERIFY(QTest::qWaitForWindowExposed(&toggle));
        QPushButton* handle = handleOf(toggle);
        QCOMPARE(handle->geometry(), QRect(0, 0, handleWidth, 30));
        QString toggled; // 1 on, 0 off, as reported
        connect(&toggle, &AniSwitch::toggled, this, [&](bool on) { toggled += on ? '1' : '0'; });
        // A real click on the track's uncovered right end switches on; the handle slides to the
        // right for 400 ms, passing in between.
        QWidget* area = handle->parentWidget();
        QElapsedTimer slide;
        slide.start();
        QTest::mouseClick(area->childAt(area->width() - 3, 15), Qt::LeftButton);
        bool passedBetween = false;
        while (handle->x() != handleWidth && slide.elapsed() < 5000) {
            QTest::qWait(15);
            passedBetween = passedBetween || (handle->x() > 0 && handle->x() < handleWidth);
        }
        QCOMPARE(handle->pos(), QPoint(handleWidth, 0));
        QVERIFY(passedBetween && slide.elapsed() >= 390);
        toggle.setOn(true); // a state the switch already has changes nothing

        // Now the left end is uncovered, and a click there switches off; the handle itself switches too.
        QTest::mouseClick(area->childAt(3, 15), Qt::LeftButton);
        QTRY_COMPARE(handle->x(), 0);
        QTest::mouseClick(handle, Qt::LeftButton);
        QTRY_COMPARE(handle->x(), handleWidth);
        QCOMPARE(toggled, QStringLiteral("101"));
    }

    void switchBeforeAndRightAfterInit()
    {
        AniSwitch toggle;
        toggle.resize(120, 30);
        QString toggled; // 1 on, 0 off, as reported
        connect(&toggle, &AniSwitch::toggled, this, [&](bool on) { toggled += on ? '1' : '0'; });
        toggle.setOn(true); // before init the switch is off and takes no orders
        QVERIFY(!toggle.isOn());

        // Starting on is reported to a host listening already.
        toggle.init(true, true);
        QVERIFY(toggle.isOn());
        QCOMPARE(handleOf(toggle)->pos(), QPoint(45, 0));

        // Switched off before the event loop ran: the machine must not put it back on.
        toggle.setOn(false);
        QTest::qWait(100);
        QVERIFY(!toggle.isOn() && handleOf(toggle)->pos() == QPoint(0, 0));

        // A second init changes nothing, and the machine runs from the shown state.
        toggle.init(false, true);
        toggle.setOn(true);
        QTRY_COMPARE(handleOf(toggle)->pos(), QPoint(45, 0));
        QCOMPARE(toggled, QStringLiteral("101"));
    }

    void centerFilterCentresAndOutlivesItsWidget()
    {
        QWidget parent;
        parent.resize(800, 600);
        auto* child = new QWidget(&parent);
        child->resize(300, 200);
        QMWidgets::CenterFilter filter;
        child->installEventFilter(&filter);
        parent.show();
        QCOMPARE(child->pos(), QPoint(250, 200));

        // Hidden, it stays where it is.
        child->hide();
        child->move(0, 0);
        parent.resize(701, 501);
        filter.slotResized(0);
        QCOMPARE(child->pos(), QPoint(0, 0));
        child->show();
        QCOMPARE(child->pos(), QPoint(200, 150));

        delete child;
        QCOMPARE(filter.widget(), nullptr);
        filter.slotResized(0);
    }

    void listItemCopyStartsUntagged()
    {
        QMWidgets::ListWidgetItem item(QStringLiteral("text"));
        item.setTag(QStringLiteral("tag"));
        const QMWidgets::ListWidgetItem copy(item);
        QCOMPARE(item.tag() + copy.tag() + copy.text(), QStringLiteral("tagtext"));
    }
};

QTEST_MAIN(TestSwitches)
#include "tst_switches.moc"
