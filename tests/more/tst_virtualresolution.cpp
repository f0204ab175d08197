// The virtual-resolution dialog and host: picking a size, the two modes, the
// stretched view, and the container's way back to a normal window.

#include "hybridwidget.h"
#include "resolutionsetupwidget.h"
#include "virtualresolutiondialog.h"
#include "virtualresolutionwidget.h"

#include <QComboBox>
#include <QGraphicsView>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QtTest>

using QMWidgets::HybridWidget;
using QMWidgets::ResolutionSetupWidget;
using QMWidgets::VirtualResolutionDialog;
using QMWidgets::VirtualResolutionWidget;

namespace {

QPushButton* button(const QWidget& parent, const QString& text)
{
    const QList<QPushButton*> buttons = parent.findChildren<QPushButton*>();
    for (QPushButton* candidate : buttons) {
        if (candidate->text() == text)
            return candidate;
    }
    return nullptr;
}

void typeInto(QSpinBox* spinBox, const QString& text)
{
    spinBox->setFocus();
    spinBox->selectAll();
    QTest::keyClicks(spinBox, text);
}

// How far the view stretches the embedded widget, across and down.
QSizeF stretch(const VirtualResolutionWidget& view)
{
    const QTransform transform = view.graphicsView()->transform();
    return QSizeF(transform.m11(), transform.m22());
}

} // namespace

class TestVirtualResolution : public QObject
{
    Q_OBJECT

private slots:
    void sliderPicksAndApplyPassesTypedSize();
    void modeChoiceEnablesTheResolutionBox();
    void positionOutsideTheListIsIgnored();
    void virtualModeLaysContentOutAtTheChosenSize_data();
    void virtualModeLaysContentOutAtTheChosenSize();
    void dialogDrivesTheHost();
    void destroyedInVirtualModeIsClean();
    void sharedViewWithoutAWidget();
};

void TestVirtualResolution::sliderPicksAndApplyPassesTypedSize()
{
    VirtualResolutionDialog dialog;
    QStringList events;
    connect(&dialog, &VirtualResolutionDialog::virtualResolutionChanged, this,
            [&](const QSize& s) { events << QStringLiteral("picked %1x%2").arg(s.width()).arg(s.height()); });
    connect(&dialog, &VirtualResolutionDialog::changeVirtualResolution, this,
            [&](const QSize& s) { events << QStringLiteral("apply %1x%2").arg(s.width()).arg(s.height()); });
    connect(&dialog, &VirtualResolutionDialog::changeSettings, this,
            [&] { events << QStringLiteral("settings"); });
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    ResolutionSetupWidget* box = dialog.resolutionBox();
    QCOMPARE(box->resolution(), QSize(1024, 768));
    QTest::keyClick(box->slider(), Qt::Key_Right);
    QTest::keyClick(box->slider(), Qt::Key_Right);
    QTest::keyClick(box->slider(), Qt::Key_End);
    QCOMPARE(events, QStringList({ "picked 1152x864", "picked 1280x800", "picked 5300x3200" }));
    QCOMPARE(dialog.virtualResolution(), QSize(5300, 3200));

    // Typing says nothing until "&Apply", which passes the typed size on.
    events.clear();
    typeInto(box->widthSpinBox(), QStringLiteral("1500"));
    typeInto(box->heightSpinBox(), QStringLiteral("999"));
    QVERIFY(events.isEmpty());
    QTest::mouseClick(button(dialog, QStringLiteral("&Apply")), Qt::LeftButton);
    QCOMPARE(events, QStringList({ "apply 1500x999", "settings" }));
    QVERIFY(dialog.isVisible());

    events.clear();
    QTest::mouseClick(button(dialog, QStringLiteral("&Ok")), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QVERIFY(events.isEmpty());
}

void TestVirtualResolution::modeChoiceEnablesTheResolutionBox()
{
    VirtualResolutionDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QComboBox* combo = dialog.modeCombo();

    QTest::keyClick(combo, Qt::Key_Down);
    QCOMPARE(dialog.mode(), VirtualResolutionDialog::NormalMode);
    QVERIFY(!dialog.resolutionBox()->isEnabled());

    // Only the user's choice switches the box.
    combo->setCurrentIndex(0);
    QVERIFY(!dialog.resolutionBox()->isEnabled());
    QTest::keyClick(combo, Qt::Key_Down);
    QTest::keyClick(combo, Qt::Key_Up);
    QCOMPARE(dialog.mode(), VirtualResolutionDialog::VirtualResolutionMode);
    QVERIFY(dialog.resolutionBox()->isEnabled());
}

void TestVirtualResolution::positionOutsideTheListIsIgnored()
{
    // A box without entries keeps the slider's default range.
    ResolutionSetupWidget empty;
    QSignalSpy emptySpy(&empty, &ResolutionSetupWidget::resolutionChanged);
    empty.slider()->setValue(50);
    QCOMPARE(emptySpy.count(), 0);
    QCOMPARE(empty.resolution(), QSize(100, 100));

    ResolutionSetupWidget box;
    box.addResolution(800, 600);
    box.addResolution(1920, 1080);
    QCOMPARE(box.resolution(), QSize(800, 600));
    QSignalSpy spy(&box, &ResolutionSetupWidget::resolutionChanged);
    for (const int position : { -1, 2, 1000 })
        box.slotValueChanged(position);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(box.resolution(), QSize(800, 600));
}

void TestVirtualResolution::virtualModeLaysContentOutAtTheChosenSize_data()
{
    QTest::addColumn<int>("sliderPosition"); // -1: the dialog was never opened
    QTest::addColumn<QSize>("virtualSize");
    QTest::newRow("without the dialog") << -1 << QSize(1280, 800);
    QTest::newRow("dialog as it opens") << 0 << QSize(1024, 768);
    QTest::newRow("dialog at 1440 x 900") << 4 << QSize(1440, 900);
}

void TestVirtualResolution::virtualModeLaysContentOutAtTheChosenSize()
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
    QVERIFY(hybrid.isVirtualResolutionMode());
    QVERIFY(!hybrid.isWindow());
    QVERIFY(view->isVisible());
    QCOMPARE(hybrid.size(), virtualSize);
    QCOMPARE(view->widget()->size(), virtualSize);
    QCOMPARE(content->size(), virtualSize);

    // A square view stretches the content by a factor of its own each way.
    view->resize(600, 600);
    QTRY_COMPARE(view->size(), QSize(600, 600));
    const QSize viewport = view->graphicsView()->viewport()->size();
    QTRY_VERIFY(qAbs(stretch(*view).width() * virtualSize.width() - viewport.width()) < 6);
    QVERIFY(qAbs(stretch(*view).height() * virtualSize.height() - viewport.height()) < 6);

    // Back as a window of the old size, at (50, 50).
    hybrid.slotSetVirtualResolutionMode(false);
    QVERIFY(hybrid.isWindow());
    QVERIFY(hybrid.isVisible());
    QVERIFY(!view->isVisible());
    QCOMPARE(hybrid.pos(), QPoint(50, 50));
    QCOMPARE(hybrid.size(), QSize(320, 240));
}

void TestVirtualResolution::dialogDrivesTheHost()
{
    HybridWidget hybrid;
    hybrid.addWidget(new QLabel(QStringLiteral("content")));
    hybrid.resize(300, 200);
    hybrid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&hybrid));

    // In normal mode a size is neither used nor kept.
    hybrid.slotSetSize(QSize(640, 480));
    QCOMPARE(hybrid.size(), QSize(300, 200));

    hybrid.slotShowSettingsDialog();
    VirtualResolutionDialog* dialog = hybrid.settingsDialog();
    QVERIFY(dialog->isVisible());
    QPushButton* apply = button(*dialog, QStringLiteral("&Apply"));
    QTest::mouseClick(apply, Qt::LeftButton);
    QVERIFY(hybrid.isVirtualResolutionMode());
    QCOMPARE(hybrid.size(), QSize(1024, 768));

    // Applying again in virtual mode only changes the size.
    QTest::keyClick(dialog->resolutionBox()->slider(), Qt::Key_End);
    QTest::mouseClick(apply, Qt::LeftButton);
    QVERIFY(hybrid.isVirtualResolutionMode());
    QCOMPARE(hybrid.size(), QSize(5300, 3200));
    hybrid.slotSetSize(QSize(800, 600));
    QCOMPARE(hybrid.size(), QSize(800, 600));

    // Full screen follows the window on screen, the view in virtual mode.
    hybrid.slotShowFullScreenMode(true);
    QVERIFY(hybrid.resolutionView()->isFullScreen());
    hybrid.slotShowFullScreenMode(false);
    QVERIFY(!hybrid.resolutionView()->isFullScreen());

    QTest::keyClick(dialog->modeCombo(), Qt::Key_Down);
    QTest::mouseClick(apply, Qt::LeftButton);
    QVERIFY(!hybrid.isVirtualResolutionMode());
    QCOMPARE(hybrid.size(), QSize(300, 200));
    hybrid.slotShowSettingsDialog();
    QCOMPARE(hybrid.settingsDialog(), dialog);
}

void TestVirtualResolution::destroyedInVirtualModeIsClean()
{
    auto* hybrid = new HybridWidget;
    QPointer<QLabel> content = new QLabel(QStringLiteral("content"));
    hybrid->addWidget(content);
    hybrid->show();
    hybrid->slotShowSettingsDialog();
    hybrid->slotSetVirtualResolutionMode(true);
    QPointer<VirtualResolutionWidget> view = hybrid->resolutionView();
    QPointer<VirtualResolutionDialog> dialog = hybrid->settingsDialog();

    delete hybrid;
    QVERIFY(content.isNull());
    QVERIFY(view.isNull());
    QVERIFY(dialog.isNull());
}

void TestVirtualResolution::sharedViewWithoutAWidget()
{
    VirtualResolutionWidget* shared = VirtualResolutionWidget::instance();
    QCOMPARE(VirtualResolutionWidget::instance(), shared);
    QVERIFY(!shared->widget());

    // Sizes and resizes before a widget is embedded are harmless, and the
    // last size is given to the widget when it comes.
    shared->slotSetSize(QSize(640, 480));
    shared->slotSetWidth(700);
    shared->resize(300, 200);
    shared->show();
    QVERIFY(QTest::qWaitForWindowExposed(shared));
    shared->resize(400, 300);
    auto* label = new QLabel(QStringLiteral("late"));
    shared->setWidget(label);
    QCOMPARE(shared->widget(), label);
    QCOMPARE(label->size(), QSize(700, 480));
    shared->hide();
}

QTEST_MAIN(TestVirtualResolution)
#include "tst_virtualresolution.moc"
