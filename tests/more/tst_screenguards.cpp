// Screenshot protection on the offscreen platform; the screen locker is tested under Xvfb.

#include "pixelcompare.h"
#include "screentools/noscreenshotwidget.h"
#include "testapp.h"

#include <QtTest>
#include <QtWidgets>

using namespace QMWidgets;

class TestScreenGuards : public QObject
{
    Q_OBJECT

private slots:
    void protectionHidesAndRestoresExactly()
    {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* elsewhere = new QLineEdit; // outside the protection
        auto* other = new QLineEdit;
        auto* guard = new NoScreenShotWidget;
        auto* secret = new QLineEdit(QStringLiteral("secret"));
        auto* panel = new QWidget; // red, with a child of its own
        auto* inner = new QPushButton(QStringLiteral("inner"), panel);
        auto* hostHidden = new QPushButton(QStringLiteral("kept hidden"));
        auto* guardLayout = new QVBoxLayout(guard);
        for (QWidget* widget : QList<QWidget*> { elsewhere, other, guard })
            layout->addWidget(widget);
        for (QWidget* child : QList<QWidget*> { secret, panel, hostHidden })
            guardLayout->addWidget(child);
        panel->setStyleSheet(QStringLiteral("background: red"));
        panel->setAutoFillBackground(true);
        panel->setMinimumSize(80, 40);
        hostHidden->hide();
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        secret->setFocus();
        const auto shown = [&](bool expected) {
            const bool red = TestSupport::colorsOf(guard->grab().toImage()).contains(qRgb(255, 0, 0));
            const QList<bool> visible { secret->isVisible(), panel->isVisible(), inner->isVisible(), red };
            QCOMPARE(visible, QList<bool>({ expected, expected, expected, expected }));
            QVERIFY(!hostHidden->isVisible());
        };
        shown(true);

        // Another program becomes the active one, then this one again.
        QApplication::setActiveWindow(nullptr);
        shown(false);
        QTest::qWait(50); // and it stays so
        shown(false);
        QApplication::setActiveWindow(&window);
        shown(true);
        QCOMPARE(QApplication::focusWidget(), secret);

        // A key typed into protected content hides it and goes nowhere; the focus the hiding
        // moves brings nothing back, the user's next change does.
        guard->protectChildren();
        QTest::keyClick(secret, Qt::Key_X);
        QCOMPARE(secret->text(), QStringLiteral("secret"));
        QTest::qWait(50);
        shown(false);
        QCOMPARE(QApplication::focusWidget(), elsewhere);
        QTest::mouseClick(other, Qt::LeftButton);
        shown(true);
        QCOMPARE(QApplication::focusWidget(), other);

        // Deleting the protection while its content has the focus: the focus change that
        // deletion causes must not reach the deleted protection.
        secret->setFocus();
        delete guard;
        QCOMPARE(QApplication::focusWidget(), nullptr);
    }
};

LUMASTRAND_APP_TEST_MAIN(TestScreenGuards)
#include "tst_screenguards.moc"
