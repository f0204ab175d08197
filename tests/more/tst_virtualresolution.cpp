// The virtual-resolution dialog and host: picking a size, the two modes, the
// stretched view, and the container's way back to a normal window.

#include "virtualresolution/hybridwidget.h"
#include "virtualresolution/resolutionsetupwidget.h"
#include "virtualresolution/virtualresolutiondialog.h"
#include "virtualresolution/virtualresolutionwidget.h"

#include <QtTest>
#include <QtWidgets>

using namespace QMWidgets;

namespace {
void clickButton(const QWidget& parent, const QString& text)
{
    for (QPushButton* button : parent.findChildren<QPushButton*>()) {
        if (button->text() == text)
            return QTest::mouseClick(button, Qt::LeftButton);
    }
    QFAIL(qPrintable("no button " + text));
}
} // namespace

class TestVirtualResolution : public QObject
{
    Q_OBJECT

private slots:
    void outOfRangeAndEarlySizesAreHarmless()
    {
        ResolutionSetupWidget box;
        box.addResolution(800, 600);
        box.addResolution(1920, 1080);
        QSignalSpy spy(&box, &ResolutionSetupWidget::resolutionChanged);
        for (const int position : { -1, 2, 1000 })
            box.slotValueChanged(position);
        QCOMPARE(spy.count(), 0);
        QCOMPARE(box.resolution(), QSize(800, 600));

        // Sizes before a widget is embedded are kept for it; a host deleting
        // it leaves the view empty, not pointing at it.
        VirtualResolutionWidget view;
        view.slotSetSize(QSize(640, 480));
        view.slotSetWidth(700);
        view.show();
        auto* label = new QLabel(QStringLiteral("late"));
        view.setWidget(label);
        view.setWidget(label);
        QCOMPARE(view.widget(), label);
        QCOMPARE(label->size(), QSize(700, 480));
        delete label;
        QCOMPARE(view.widget(), nullptr);
        view.setWidget(new QLabel(QStringLiteral("next")));
        QCOMPARE(view.widget()->size(), QSize(700, 480));
    }

    void virtualModeLaysContentOutAtTheChosenSize_data()
    {
        QTest::addColumn<int>("sliderPosition"); // -1: the dialog was never opened
        QTest::addColumn<QSize>("virtualSize");
        QTest::newRow("without the dialog") << -1 << QSize(1280, 800);
        QTest::newRow("dialog as it opens") << 0 << QSize(1024, 768);
        QTest::newRow("dialog at 1440 x 900") << 4 << QSize(1440, 900);
    }

    void virtualModeLaysContentOutAtTheChosenSize()
    {
        QFETCH(int, sliderPosition);
        QFETCH(QSize, virtualSize);
        HybridWidget hybrid;
        auto* content = new QLabel(QStringLiteral("content"));
        hybrid.addWidget(content);
        hybrid.move(200, 150);
        hybrid.resize(320, 240);
        hybrid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&hybrid));
        if (sliderPosition >= 0) {
            hybrid.slotShowSettingsDialog();
            hybrid.settingsDialog()->resolutionBox()->slider()->setValue(sliderPosition);
        }
        hybrid.slotSetVirtualResolutionMode(true);
        VirtualResolutionWidget* view = hybrid.resolutionView();
        QVERIFY(!hybrid.isWindow() && view->isVisible());
        QCOMPARE(content->size(), virtualSize);

        // A square view stretches the content by a factor of its own each way.
        view->resize(600, 600);
        QTRY_COMPARE(view->size(), QSize(600, 600));
        const QSize viewport = view->graphicsView()->viewport()->size();
        const QTransform stretch = view->graphicsView()->transform();
        QVERIFY(qAbs(stretch.m11() * virtualSize.width() - viewport.width()) < 6);
        QVERIFY(qAbs(stretch.m22() * virtualSize.height() - viewport.height()) < 6);

        // Back as a window of the old size, at (50, 50).
        hybrid.slotSetVirtualResolutionMode(false);
        QVERIFY(hybrid.isWindow() && hybrid.isVisible() && !view->isVisible());
        QCOMPARE(QRect(hybrid.pos(), hybrid.size()), QRect(50, 50, 320, 240));
    }

    void dialogDrivesTheHost()
    {
        HybridWidget hybrid;
        hybrid.resize(300, 200);
        hybrid.show();
        // In normal mode a size is neither used nor kept.
        hybrid.slotSetSize(QSize(640, 480));
        QCOMPARE(hybrid.size(), QSize(300, 200));

        hybrid.slotShowSettingsDialog();
        VirtualResolutionDialog* dialog = hybrid.settingsDialog();
        ResolutionSetupWidget* box = dialog->resolutionBox();
        QSignalSpy picked(dialog, &VirtualResolutionDialog::virtualResolutionChanged);
        QSignalSpy applied(dialog, &VirtualResolutionDialog::changeVirtualResolution);
        QTest::keyClick(box->slider(), Qt::Key_Right);
        QTest::keyClick(box->slider(), Qt::Key_End);
        QCOMPARE(picked.count(), 2);
        QCOMPARE(picked.at(0).first().toSize(), QSize(1152, 864));
        QCOMPARE(picked.at(1).first().toSize(), QSize(5300, 3200));

        // A typed size says nothing until "&Apply", which takes the host into virtual mode.
        box->widthSpinBox()->selectAll();
        QTest::keyClicks(box->widthSpinBox(), QStringLiteral("1500"));
        QCOMPARE(picked.count() + applied.count(), 2);
        clickButton(*dialog, QStringLiteral("&Apply"));
        QCOMPARE(applied.count(), 1);
        QVERIFY(hybrid.isVirtualResolutionMode() && dialog->isVisible());
        QCOMPARE(hybrid.size(), QSize(1500, 3200));
        hybrid.slotSetSize(QSize(800, 600));
        QCOMPARE(hybrid.size(), QSize(800, 600));
        // Full screen is for the view in virtual mode.
        hybrid.slotShowFullScreenMode(true);
        QVERIFY(hybrid.resolutionView()->isFullScreen());

        // Normal mode switches the box off and, applied, brings the window back.
        QTest::keyClick(dialog->modeCombo(), Qt::Key_Down);
        QVERIFY(!box->isEnabled());
        clickButton(*dialog, QStringLiteral("&Apply"));
        QVERIFY(!hybrid.isVirtualResolutionMode());
        QCOMPARE(hybrid.size(), QSize(300, 200));
        clickButton(*dialog, QStringLiteral("&Ok"));
        QVERIFY(!dialog->isVisible());

        // Deleted in virtual mode, the host takes its view, dialog and content along.
        auto* other = new HybridWidget;
        QPointer<QLabel> content = new QLabel(QStringLiteral("content"));
        other->addWidget(content);
        other->show();
        other->slotShowSettingsDialog();
        other->slotSetVirtualResolutionMode(true);
        QPointer<VirtualResolutionWidget> view = other->resolutionView();
        QPointer<VirtualResolutionDialog> otherDialog = other->settingsDialog();
        delete other;
        QVERIFY(content.isNull() && view.isNull() && otherDialog.isNull());
    }
};

QTEST_MAIN(TestVirtualResolution)
#include "tst_virtualresolution.moc"
