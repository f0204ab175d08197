// The application's mouseButtonPress signal for clicks as a user makes them:
// they travel from the window system to the window and on to the widget.

#define QTEST_QPA_MOUSE_HANDLING

#include "app.h"
#include "testapp.h"

#include <QMouseEvent>
#include <QSignalSpy>
#include <QtTest>

using QMWidgets::App;

namespace {
// Remembers how many signals had been told when the press itself arrived.
class PressProbe : public QWidget
{
public:
    using QWidget::QWidget;
    QSignalSpy* spy = nullptr;
    int seenAtPress = -1;

protected:
    void mousePressEvent(QMouseEvent*) override { seenAtPress = spy->count(); }
};
} // namespace

class TestMousePress : public QObject
{
    Q_OBJECT

private slots:
    void oncePerPress_data();
    void oncePerPress();
};

void TestMousePress::oncePerPress_data()
{
    QTest::addColumn<bool>("onChild");
    QTest::addColumn<bool>("sentDirectly"); // by the program, not through the window
    QTest::addColumn<int>("button");
    QTest::newRow("child, left") << true << false << int(Qt::LeftButton);
    QTest::newRow("child, right") << true << false << int(Qt::RightButton);
    QTest::newRow("window itself") << false << false << int(Qt::LeftButton);
    QTest::newRow("sent to the child") << true << true << int(Qt::LeftButton);
}

void TestMousePress::oncePerPress()
{
    QFETCH(bool, onChild);
    QFETCH(bool, sentDirectly);
    QFETCH(int, button);
    const auto pressed = Qt::MouseButton(button);

    TestApp app;
    QSignalSpy spy(&app, &App::mouseButtonPress);
    PressProbe window;
    window.resize(200, 200);
    auto* child = new PressProbe(&window);
    child->setGeometry(50, 50, 80, 80);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.spy = child->spy = &spy;

    PressProbe* target = onChild ? child : &window;
    if (sentDirectly) {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), pressed, pressed, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
    } else {
        QTest::mouseClick(target, pressed, Qt::NoModifier, QPoint(5, 5));
    }
    QCOMPARE(spy.count(), 1);
    QCOMPARE(target->seenAtPress, 1);
}

QTEST_APPLESS_MAIN(TestMousePress)

#include "tst_mousepress.moc"
