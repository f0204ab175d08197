// The application's mouseButtonPress for clicks as a user makes them: from the
// window system to the window, and on to the widget under the pointer.

#define QTEST_QPA_MOUSE_HANDLING

#include "testapp.h"

#include <QMouseEvent>
#include <QSignalSpy>
#include <QtTest>

namespace {
// Notes how many signals had come when the press itself arrived.
struct PressProbe : QWidget
{
    using QWidget::QWidget;
    QSignalSpy* spy = nullptr;
    int seenAtPress = -1;
    void mousePressEvent(QMouseEvent*) override { seenAtPress = spy->count(); }
};
} // namespace

class TestMousePress : public QObject
{
    Q_OBJECT

private slots:
    void oncePerPress_data()
    {
        QTest::addColumn<bool>("onChild");
        QTest::addColumn<bool>("sent"); // by the program, straight to the widget
        QTest::addColumn<int>("button");
        QTest::newRow("child") << true << false << int(Qt::RightButton);
        QTest::newRow("window itself") << false << false << int(Qt::LeftButton);
        QTest::newRow("sent to the child") << true << true << int(Qt::LeftButton);
    }

    void oncePerPress()
    {
        QFETCH(bool, onChild);
        QFETCH(bool, sent);
        QFETCH(int, button);
        TestApp app;
        QSignalSpy spy(&app, &QMWidgets::App::mouseButtonPress);
        PressProbe window;
        auto* child = new PressProbe(&window);
        child->setGeometry(50, 50, 80, 80);
        window.resize(200, 200);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.spy = child->spy = &spy;

        PressProbe* target = onChild ? child : &window;
        const auto pressed = Qt::MouseButton(button);
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), pressed, pressed, Qt::NoModifier);
        if (sent)
            QApplication::sendEvent(target, &press);
        else
            QTest::mouseClick(target, pressed, Qt::NoModifier, QPoint(5, 5));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(target->seenAtPress, 1);
    }
};

QTEST_APPLESS_MAIN(TestMousePress)

#include "tst_mousepress.moc"
