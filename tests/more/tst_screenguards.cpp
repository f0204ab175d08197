// Screenshot protection on the offscreen platform; the screen locker is tested
// under Xvfb (x11/tst_screentools_x11.cpp).

#include "pixelcompare.h"
#include "screentools/noscreenshotwidget.h"
#include "testapp.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

using namespace QMWidgets;

namespace {
bool hasRed(QWidget* widget)
{
    return TestSupport::colorsOf(widget->grab().toImage()).contains(qRgb(255, 0, 0));
}
} // namespace

class TestScreenGuards : public QObject
{
    Q_OBJECT

private slots:
    void protectionHidesAndRestoresExactly()
    {
        QWidget window;
        auto* elsewhere = new QLineEdit(&window); // outside the protection
        auto* other = new QLineEdit(&window);
        auto* guard = new NoScreenShotWidget(&window);
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(elsewhere);
        layout->addWidget(other);
        layout->addWidget(guard, 1);
        auto* secret = new QLineEdit(QStringLiteral("secret"), guard);
        auto* panel = new QWidget(guard); // red, with a child of its own
        panel->setStyleSheet(QStringLiteral("background: red"));
        panel->setAutoFillBackground(true);
        auto* inner = new QPushButton(QStringLiteral("inner"), panel);
        auto* hostHidden = new QPushButton(QStringLiteral("kept hidden"), guard);
        auto* guardLayout = new QVBoxLayout(guard);
        for (QWidget* child : QList<QWidget*> { secret, panel, hostHidden })
            guardLayout->addWidget(child);
        panel->setMinimumSize(80, 40);
        hostHidden->hide();
        window.resize(300, 300);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        secret->setFocus();
        QVERIFY(hasRed(guard));
        const auto shownAsBefore = [&] {
            QVERIFY(secret->isVisible() && panel->isVisible() && inner->isVisible());
            QVERIFY(!hostHidden->isVisible());
            QVERIFY(hasRed(guard));
        };
        const auto allHidden = [&] {
            QVERIFY(!secret->isVisible() && !panel->isVisible() && !inner->isVisible()
                    && !hostHidden->isVisible());
            QVERIFY(!hasRed(guard));
            QCOMPARE(guard->text(), QStringLiteral("<H1><CENTER>No!</CENTER></H1>"));
        };

        // Another program becomes the active one, then this one again.
        QApplication::setActiveWindow(nullptr);
        allHidden();
        QTest::qWait(50);
        allHidden();
        QApplication::setActiveWindow(&window);
        shownAsBefore();
        QCOMPARE(QApplication::focusWidget(), secret);

        // A key typed into protected content hides it and goes nowhere; the
        // focus the hiding moves brings nothing back, the user's next change does.
        guard->protectChildren();
        QTest::keyClick(secret, Qt::Key_X);
        QCOMPARE(secret->text(), QStringLiteral("secret"));
        allHidden();
        QTest::qWait(50);
        allHidden();
        QCOMPARE(QApplication::focusWidget(), elsewhere);
        QTest::mouseClick(other, Qt::LeftButton);
        shownAsBefore();
        QCOMPARE(QApplication::focusWidget(), other);

        // Deleting the protection while its content has the focus: the focus
        // change that deletion causes must not reach the deleted protection.
        secret->setFocus();
        delete guard;
        QCOMPARE(QApplication::focusWidget(), nullptr);
    }
};

LUMASTRAND_APP_TEST_MAIN(TestScreenGuards)
#include "tst_screenguards.moc"
