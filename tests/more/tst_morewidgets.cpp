// The library's viewers, virtual-resolution host, buttons, progress widgets and
// speech bubble, under the shell's application object.

#include "buttons/communitybutton.h"
#include "buttons/menubutton.h"
#include "desktoprecorder.h"
#include "progress/bubblewindow.h"
#include "progress/comboprogress.h"
#include "progress/movielabel.h"
#include "progress/roundprogress.h"
#include "progress/simpleprogress.h"
#include "screentools/imagearea.h"
#include "screentools/imageviewer.h"
#include "screentools/windowtitle.h"
#include "shellservices.h"
#include "testapp.h"
#include "tooling.h"
#include "virtualresolution/hybridwidget.h"
#include "virtualresolution/resolutionsetupwidget.h"
#include "virtualresolution/virtualresolutiondialog.h"
#include "virtualresolution/virtualresolutionwidget.h"

#include <QtWidgets>

#include <limits>

using namespace QMWidgets;

namespace {
QImage picture(const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(30, 140, 200));
    return image;
}

// The push button of that object name or text.
QPushButton* button(const QWidget& parent, const QString& key)
{
    for (QPushButton* each : parent.findChildren<QPushButton*>()) {
        if (each->objectName() == key || each->text() == key)
            return each;
    }
    return nullptr;
}

// Real clicks open the menu and choose the entry (the menu closes should that miss).
void choose(QMWidgets::CommunityButton& button, const QString& entry)
{
    QMenu* menu = button.menu();
    for (QAction* action : menu->actions()) {
        if (action->text() != entry)
            continue;
        QTimer::singleShot(0, menu, [menu, action] {
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
            menu->close();
        });
    }
    QTest::mouseClick(&button, Qt::LeftButton);
}

// The widget alone, on a transparent picture.
QImage rendered(QWidget& widget)
{
    QImage image(widget.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// Where the centre of a widget of the content lies in the viewport of the scaling view.
QPoint inView(const QMWidgets::VirtualResolutionWidget& view, const QWidget& content)
{
    const QPointF inScene = QPointF(content.mapTo(view.widget(), QPoint())) + QRectF(content.rect()).center();
    return view.graphicsView()->mapFromScene(inScene);
}

bool isGreen(QRgb pixel)
{
    return qGreen(pixel) > qRed(pixel) + 40 && qGreen(pixel) > qBlue(pixel) + 40;
}

bool isGrey(QRgb pixel)
{
    return qAlpha(pixel) == 255 && qAbs(qRed(pixel) - qGreen(pixel)) < 8 && qRed(pixel) > 60;
}
} // namespace

class TestMoreWidgets : public QObject
{
    Q_OBJECT

private slots:
    void fitAndZoom_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<int>("zoom"); // 0: fit to the area
        QTest::addColumn<QSize>("shown");
        QTest::addColumn<QSize>("label");
        QTest::addColumn<QString>("bars"); // h, v
        // The area is 200 x 200.
        QTest::newRow("wide, fitted") << QSize(400, 100) << 0 << QSize(200, 50) << QSize(200, 200) << "";
        QTest::newRow("wide, 30 %") << QSize(800, 150) << 30 << QSize(240, 45) << QSize(240, 200) << "h";
        QTest::newRow("tall, fitted") << QSize(150, 600) << 0 << QSize(50, 200) << QSize(200, 200) << "";
        QTest::newRow("tall, 100 %") << QSize(150, 600) << 100 << QSize(150, 600) << QSize(200, 600) << "v";
    }

    void fitAndZoom()
    {
        QFETCH(QSize, picture);
        QFETCH(int, zoom);
        QFETCH(QSize, shown);
        QFETCH(QSize, label);
        QFETCH(QString, bars);
        ImageArea area;
        area.resize(200, 200);
        area.show();
        if (zoom)
            area.slotZoom(zoom);
        area.setPixmap(QPixmap::fromImage(::picture(picture)));

        QCOMPARE(area.previewLabel()->pixmap(Qt::ReturnByValue).size(), shown);
        QCOMPARE(area.previewLabel()->size(), label);
        QCOMPARE(QString(area.scrollArea()->horizontalScrollBar()->isVisible() ? "h" : "")
                     + (area.scrollArea()->verticalScrollBar()->isVisible() ? "v" : ""),
                 bars);

        // The mode lasts through a resize: a fitted picture follows the area.
        area.resize(100, 300);
        QCOMPARE(area.previewLabel()->pixmap(Qt::ReturnByValue).size(),
                 zoom ? shown : shown.scaled(100, 300, Qt::KeepAspectRatio));
    }

    void zoomBar()
    {
        ImageViewer viewer;
        viewer.resize(600, 500);
        viewer.show();
        viewer.slotLoad(picture(QSize(400, 100)));
        QLabel* shown = viewer.area()->previewLabel();
        QVERIFY(viewer.fitButton()->isChecked());

        // "ZoomInButton", left of the slider, steps down; "ZoomOutButton" up.
        QTest::mouseClick(button(viewer, "ZoomInButton"), Qt::LeftButton);
        QCOMPARE(viewer.slider()->value(), 99);
        QCOMPARE(shown->pixmap(Qt::ReturnByValue).size(), QSize(396, 99));
        QVERIFY(!viewer.fitButton()->isChecked() && !viewer.actualPixelsButton()->isChecked());
        for (int click = 0; click < 2; ++click)
            QTest::mouseClick(button(viewer, "ZoomOutButton"), Qt::LeftButton);
        QCOMPARE(viewer.slider()->value(), 100);
        QVERIFY(viewer.actualPixelsButton()->isChecked());

        QTest::mouseClick(viewer.fitButton(), Qt::LeftButton);
        QVERIFY(!viewer.actualPixelsButton()->isChecked());

        viewer.slider()->setValue(2);
        QTest::mouseClick(button(viewer, "ZoomInButton"), Qt::LeftButton);
        QTest::mouseClick(button(viewer, "ZoomInButton"), Qt::LeftButton);
        QCOMPARE(viewer.slider()->value(), 1);
        QCOMPARE(shown->pixmap(Qt::ReturnByValue).size(), QSize(4, 1));
    }

    void navigationShowsWhileThePointerIsOver_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("hidden"); // by the host
        QTest::newRow("next") << "NextImageButton" << false;
        QTest::newRow("previous") << "PreviousImageButton" << false;
        QTest::newRow("kept hidden") << "NextImageButton" << true;
    }

    void navigationShowsWhileThePointerIsOver()
    {
        QFETCH(QString, name);
        QFETCH(bool, hidden);
        ImageViewer viewer;
        viewer.resize(600, 500);
        viewer.show();
        viewer.slotLoad(picture(QSize(400, 100)));
        viewer.setNavigationHidden(hidden);
        QSignalSpy next(&viewer, &ImageViewer::next);
        QSignalSpy previous(&viewer, &ImageViewer::previous);
        QSignalSpy infoChanged(&viewer, &ImageViewer::infoChanged);
        QPushButton* go = button(viewer, name);
        auto* loading = viewer.findChild<QLabel*>("ImageLoadingLabel");
        QVERIFY(!go->isVisible());

        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(viewer.area(), &enter);
        QCOMPARE(go->isVisible(), !hidden);
        if (!hidden) {
            // A click asks the host for the picture and shows that one is loading until it comes.
            QTest::mouseClick(go, Qt::LeftButton);
            QCOMPARE(QVector<int>({ next.count(), previous.count(), infoChanged.count() }),
                     QVector<int>({ name.startsWith("Next"), name.startsWith("Previous"), 1 }));
            QVERIFY(loading->isVisible());
            viewer.slotLoad(picture(QSize(30, 20)));
            QVERIFY(!loading->isVisible());
        }
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(viewer.area(), &leave);
        QVERIFY(!go->isVisible() && !viewer.area()->infoLabel()->isVisible());
    }

    void systemPreviewOpensOnlyWhatWasWritten_data()
    {
        QTest::addColumn<QString>("load"); // empty: a picture is loaded
        QTest::addColumn<bool>("blocked"); // a folder stands where the file goes
        QTest::newRow("picture") << QString() << false;
        QTest::newRow("a file that does not load") << "/no/such/picture.png" << false;
        QTest::newRow("the file cannot be written") << QString() << true;
    }

    void systemPreviewOpensOnlyWhatWasWritten()
    {
        QFETCH(QString, load);
        QFETCH(bool, blocked);
        // A stale preview, or a folder where it goes.
        const QString preview = ShellServices::workDirectory(true) + "preview.png";
        QVERIFY(blocked ? QDir().mkpath(preview) : picture(QSize(7, 7)).save(preview));
        DesktopRecorder recorder;
        ImageViewer viewer;
        QSignalSpy opened(&viewer, &ImageViewer::systemPreviewOpened);
        if (load.isEmpty())
            viewer.slotLoad(picture(QSize(30, 20)));
        else
            viewer.slotLoad(load);
        QTest::mouseClick(button(viewer, "SysPreviewButton"), Qt::LeftButton);
        const bool written = load.isEmpty() && !blocked;
        QCOMPARE(opened.count(), int(written));
        QCOMPARE(recorder.urls, written ? QList<QUrl> { QUrl::fromLocalFile(preview) } : QList<QUrl>());
        QCOMPARE(QImage(preview).size(), blocked ? QSize(0, 0) : written ? QSize(30, 20) : QSize(7, 7));
        QVERIFY(blocked ? QDir(preview).removeRecursively() : QFile::remove(preview));
    }

    void titleBarReports_data()
    {
        // A click on a button, or a move with the buttons held after a click at (10, 5).
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("held");
        QTest::addColumn<int>("signal"); // of the list below, -1 none
        QTest::newRow("close") << "CloseButton" << 0 << 0;
        QTest::newRow("zoom-in button: less") << "ZoomInButton" << 0 << 1;
        QTest::newRow("zoom-out button: more") << "ZoomOutButton" << 0 << 2;
        QTest::newRow("100 %") << "100PercentButton" << 0 << 3;
        QTest::newRow("always optimize, switched off") << "AlwaysOptimizeButton" << 0 << 4;
        QTest::newRow("drag, left button held") << "" << int(Qt::LeftButton) << 5;
        QTest::newRow("move, right button held") << "" << int(Qt::RightButton) << -1;
    }

    void titleBarReports()
    {
        QFETCH(QString, name);
        QFETCH(int, held);
        QFETCH(int, signal);
        WindowTitle title;
        title.resize(400, 42);
        title.show();
        QList<QSharedPointer<QSignalSpy>> spies;
        for (const char* each : { SIGNAL(closeWindow()), SIGNAL(zoomOutClicked()), SIGNAL(zoomInClicked()),
                                  SIGNAL(hundredPercentClicked()), SIGNAL(optimizeToggled(bool)),
                                  SIGNAL(changePosition(QPoint)) })
            spies.append(QSharedPointer<QSignalSpy>::create(&title, each));
        if (name.isEmpty()) {
            QTest::mouseClick(&title, Qt::LeftButton, Qt::NoModifier, QPoint(10, 5));
            QMouseEvent move(QEvent::MouseMove, QPointF(50, 20), QPointF(300, 200), Qt::NoButton,
                             Qt::MouseButtons(held), Qt::NoModifier);
            QApplication::sendEvent(&title, &move);
        } else {
            QTest::mouseClick(button(title, name), Qt::LeftButton);
        }
        for (int i = 0; i < spies.size(); ++i)
            QCOMPARE(spies.at(i)->count(), i == signal ? 1 : 0);
        // The window's corner goes where the pointer is less the press.
        QVERIFY(signal != 5 || spies.last()->first().first().toPoint() == QPoint(290, 195));
        QVERIFY(signal != 4 || !spies.at(4)->first().first().toBool());

        // The actions menu tells whether it is open.
        title.actionsMenu()->popup(title.mapToGlobal(QPoint(10, 10)));
        QVERIFY(title.isMenuShown());
        title.actionsMenu()->close();
        QVERIFY(!title.isMenuShown());
    }

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

        // Sizes set before a widget is embedded are kept for it; deleted, it leaves the view empty.
        VirtualResolutionWidget view;
        view.slotSetSize(QSize(640, 480));
        view.slotSetWidth(700);
        view.show();
        auto* label = new QLabel("late");
        view.setWidget(label);
        QCOMPARE(label->size(), QSize(700, 480));
        delete label;
        QCOMPARE(view.widget(), nullptr);
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
        auto* hybrid = new HybridWidget; // deleted at the end
        QPointer<QLabel> content = new QLabel("content");
        hybrid->addWidget(content);
        hybrid->resize(300, 200);
        hybrid->show();
        // In normal mode a size is neither used nor kept.
        hybrid->slotSetSize(QSize(640, 480));
        QCOMPARE(hybrid->size(), QSize(300, 200));

        hybrid->slotShowSettingsDialog();
        QPointer<VirtualResolutionDialog> dialog = hybrid->settingsDialog();
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
        QTest::mouseClick(button(*dialog, "&Apply"), Qt::LeftButton);
        QCOMPARE(applied.count(), 1);
        QVERIFY(hybrid->isVirtualResolutionMode() && dialog->isVisible());
        QCOMPARE(hybrid->size(), QSize(1500, 3200));
        hybrid->slotSetSize(QSize(800, 600));
        QCOMPARE(hybrid->size(), QSize(800, 600));
        // Full screen is for the view in virtual mode.
        hybrid->slotShowFullScreenMode(true);
        QVERIFY(hybrid->resolutionView()->isFullScreen());

        // Normal mode switches the box off and, applied, brings the window back.
        QTest::keyClick(dialog->modeCombo(), Qt::Key_Down);
        QVERIFY(!box->isEnabled());
        QTest::mouseClick(button(*dialog, "&Apply"), Qt::LeftButton);
        QVERIFY(!hybrid->isVirtualResolutionMode());
        QCOMPARE(hybrid->size(), QSize(300, 200));
        QTest::mouseClick(button(*dialog, "&Ok"), Qt::LeftButton);
        QVERIFY(!dialog->isVisible());

        // Deleted in virtual mode, the host takes its view, dialog and content along.
        hybrid->slotSetVirtualResolutionMode(true);
        QPointer<VirtualResolutionWidget> view = hybrid->resolutionView();
        delete hybrid;
        QVERIFY(content.isNull() && view.isNull() && dialog.isNull());
    }

    void contentFillsTheViewWhateverSetsTheSize_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QSize>("laidOut");
        // Entered at 1280 x 800; the content cannot be smaller than 200 x 425.
        QTest::newRow("view's width") << "view width" << QSize(1400, 0) << QSize(1400, 800);
        QTest::newRow("view's height") << "view height" << QSize(0, 600) << QSize(1280, 600);
        QTest::newRow("view's width, too narrow") << "view width" << QSize(150, 0) << QSize(200, 800);
        QTest::newRow("view's size, too low") << "view size" << QSize(640, 300) << QSize(640, 425);
        QTest::newRow("host's size, too small") << "host size" << QSize(100, 100) << QSize(200, 425);
        QTest::newRow("content grows") << "content minimum" << QSize(300, 1000) << QSize(1280, 1000);
    }

    void contentFillsTheViewWhateverSetsTheSize()
    {
        QFETCH(QString, change);
        QFETCH(QSize, size);
        QFETCH(QSize, laidOut);
        HybridWidget hybrid;
        auto* content = new QLabel("content");
        content->setMinimumSize(200, 425);
        hybrid.addWidget(content);
        hybrid.resize(320, 480);
        hybrid.show();
        hybrid.slotSetVirtualResolutionMode(true);
        VirtualResolutionWidget* view = hybrid.resolutionView();
        view->resize(500, 400);
        QVERIFY(QTest::qWaitForWindowExposed(view));

        if (change == "view width")
            view->slotSetWidth(size.width());
        else if (change == "view height")
            view->slotSetHeight(size.height());
        else if (change == "view size")
            view->slotSetSize(size);
        else if (change == "host size")
            hybrid.slotSetSize(size);
        else
            content->setMinimumSize(size);
        QTRY_COMPARE(hybrid.size(), laidOut);
        QCOMPARE(view->widget()->size(), laidOut);
        // All of it is stretched over the view.
        const QRect shown
            = view->graphicsView()->mapFromScene(QRectF(QPointF(), QSizeF(laidOut))).boundingRect();
        const QRect viewport = view->graphicsView()->viewport()->rect();
        QVERIFY(viewport.adjusted(-1, -1, 1, 1).contains(shown));
        QVERIFY(shown.width() >= viewport.width() - 6 && shown.height() >= viewport.height() - 6);
    }

    void hostDeletedFromASignalItSendsGoesCleanly_data()
    {
        QTest::addColumn<bool>("virtualMode");
        QTest::addColumn<QString>("signal");
        QTest::newRow("content button, virtual mode") << true << "clicked";
        QTest::newRow("content button, normal mode") << false << "clicked";
        QTest::newRow("content button, from a nested event loop") << true << "clicked, waiting";
        QTest::newRow("Return in a content field, virtual mode") << true << "returnPressed";
        QTest::newRow("dialog's Apply, virtual mode") << true << "changeVirtualResolution";
        QTest::newRow("dialog's Apply, normal mode") << false << "changeVirtualResolution";
        QTest::newRow("dialog's Apply, second signal") << true << "changeSettings";
        QTest::newRow("dialog's slider") << true << "virtualResolutionChanged";
    }

    void hostDeletedFromASignalItSendsGoesCleanly()
    {
        QFETCH(bool, virtualMode);
        QFETCH(QString, signal);
        QPointer<HybridWidget> hybrid = new HybridWidget;
        QPointer<QPushButton> content = new QPushButton("Close");
        auto* field = new QLineEdit;
        hybrid->addWidget(content);
        hybrid->addWidget(field);
        hybrid->resize(300, 200);
        hybrid->show();
        hybrid->slotShowSettingsDialog();
        QPointer<VirtualResolutionDialog> dialog = hybrid->settingsDialog();
        dialog->resolutionBox()->slider()->setValue(0); // 1024 x 768
        hybrid->slotSetVirtualResolutionMode(virtualMode);
        QPointer<VirtualResolutionWidget> view = hybrid->resolutionView();
        QWidget* window = virtualMode ? static_cast<QWidget*>(view) : hybrid;
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));

        const auto deleteHost = [&hybrid] { delete hybrid; };
        if (signal == "clicked")
            connect(content, &QPushButton::clicked, deleteHost);
        else if (signal == "clicked, waiting") {
            // The host waits in an event loop of its own and deletes the container while it waits.
            connect(content, &QPushButton::clicked, [&hybrid] {
                QEventLoop waiting;
                QTimer::singleShot(0, &waiting, [&hybrid] { delete hybrid; });
                QTimer::singleShot(50, &waiting, &QEventLoop::quit);
                waiting.exec();
            });
        } else if (signal == "returnPressed")
            connect(field, &QLineEdit::returnPressed, deleteHost);
        else if (signal == "changeVirtualResolution")
            connect(dialog, &VirtualResolutionDialog::changeVirtualResolution, deleteHost);
        else if (signal == "changeSettings")
            connect(dialog, &VirtualResolutionDialog::changeSettings, deleteHost);
        else
            connect(dialog, &VirtualResolutionDialog::virtualResolutionChanged, deleteHost);
        // The press and release go the way a user's do: in virtual mode through the view's scene.
        if (signal.startsWith("clicked") && virtualMode)
            QTest::mouseClick(view->graphicsView()->viewport(), Qt::LeftButton, {}, inView(*view, *content));
        else if (signal == "clicked")
            QTest::mouseClick(content, Qt::LeftButton);
        else if (signal == "returnPressed") {
            field->setFocus();
            QTRY_VERIFY(field->hasFocus());
            QTest::keyClick(view->graphicsView(), Qt::Key_Return);
        } else if (signal == "virtualResolutionChanged")
            QTest::keyClick(dialog->resolutionBox()->slider(), Qt::Key_Right);
        else
            QTest::mouseClick(button(*dialog, "&Apply"), Qt::LeftButton);
        QVERIFY(hybrid.isNull());
        QTRY_VERIFY(content.isNull() && view.isNull() && dialog.isNull());
    }

    void communityMenuOpensTheLinkSet()
    {
        DesktopRecorder desktop;
        QMWidgets::CommunityButton button;
        button.show();
        // An address never set opens nothing.
        choose(button, "FaceBook");
        QCOMPARE(desktop.urls, QList<QUrl>());

        button.setFaceBookUrl("https://facebook.example/");
        button.setYouTubeUrl("https://youtube.example/");
        button.setXingUrl("https://xing.example/");
        button.setMoiMirUrl("https://moimir.example/");
        for (const char* site : { "FaceBook", "YouTube", "Xing", "MoiMir" })
            choose(button, site);
        QCOMPARE(desktop.urls,
                 QList<QUrl>({ QUrl("https://facebook.example/"), QUrl("https://youtube.example/"),
                               QUrl("https://xing.example/"), QUrl("https://moimir.example/") }));
    }

    void menuButtonWritesMenuInItsLowerHalf()
    {
        // In white over the button's own face and border: none in the upper half.
        QMWidgets::MenuButton button;
        button.setStyleSheet("background: rgb(0, 0, 120); border: 2px solid rgb(255, 0, 0)");
        button.resize(90, 60);
        const QImage shot = button.grab().toImage();
        int white[2] = {};
        for (int i = 0; i < 90 * 60; ++i)
            white[i / 90 / 30]
                += qRed(shot.pixel(i % 90, i / 90)) > 200 && qBlue(shot.pixel(i % 90, i / 90)) > 200;
        QCOMPARE(shot.pixel(0, 0), qRgb(255, 0, 0));
        QCOMPARE(shot.pixel(45, 15), qRgb(0, 0, 120));
        QVERIFY2(white[0] == 0 && white[1] > 20, qPrintable(QString::number(white[1])));
    }

    void roundProgressFillsClockwise_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<double>("degrees"); // of the sector, clockwise from 12 o'clock
        for (int value : { 0, 25, 50, 75, 100 })
            QTest::addRow("%d", value) << value << value * 3.6;
        // Far beyond the range the sector is full, below it empty; the span must not leave int.
        QTest::newRow("just above 100") << 101 << 360.0;
        QTest::newRow("37.3 million") << 37'300'000 << 360.0;
        QTest::newRow("largest int") << std::numeric_limits<int>::max() << 360.0;
        QTest::newRow("-1") << -1 << 0.0;
        QTest::newRow("smallest int") << std::numeric_limits<int>::min() << 0.0;
    }

    void roundProgressFillsClockwise()
    {
        QFETCH(int, value);
        QFETCH(double, degrees);
        QMWidgets::RoundProgress dial;
        dial.resize(200, 200);
        dial.setValue(value);
        const QImage image = rendered(dial);
        // The ring (radius 80 to 100) near 12 and 6 o'clock, clear of the percentage.
        for (double clockwise : { 15.0, 30.0, 150.0, 165.0, 195.0, 210.0, 330.0, 345.0, 358.0 }) {
            const QRgb pixel = image.pixel(qRound(99 + 90 * qSin(qDegreesToRadians(clockwise))),
                                           qRound(99 - 90 * qCos(qDegreesToRadians(clockwise))));
            QVERIFY2(clockwise < degrees ? isGreen(pixel) : isGrey(pixel),
                     qPrintable(QStringLiteral("%1 at %2").arg(value).arg(clockwise)));
        }
    }

    void simpleProgressFillsItsShare_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("filled");
        QTest::newRow("1 of 100") << 100 << 1 << 1;
        QTest::newRow("33 of 250, truncated") << 250 << 33 << 82;
        // At or above the maximum the bar is full, below the minimum empty, up to the int limits.
        QTest::newRow("100") << 250 << 100 << 250;
        QTest::newRow("101") << 250 << 101 << 250;
        QTest::newRow("21.5 million") << 100 << 21'474'837 << 100;
        QTest::newRow("30 million") << 250 << 30'000'000 << 250;
        QTest::newRow("largest int") << 250 << std::numeric_limits<int>::max() << 250;
        QTest::newRow("-1") << 250 << -1 << 0;
        QTest::newRow("smallest int") << 250 << std::numeric_limits<int>::min() << 0;
    }

    void simpleProgressFillsItsShare()
    {
        QFETCH(int, width);
        QFETCH(int, value);
        QFETCH(int, filled);
        QMWidgets::SimpleProgress bar;
        bar.resize(width, 20);
        bar.setValue(value);
        const QImage image = rendered(bar);
        // Green from the left edge up to the share, grey after it, at the top and the bottom.
        for (int x = 0; x < width; ++x) {
            for (int y : { 1, 18 })
                QVERIFY2(x < filled ? isGreen(image.pixel(x, y)) : isGrey(image.pixel(x, y)),
                         qPrintable(QStringLiteral("at %1, %2").arg(x).arg(y)));
        }
    }

    void simpleProgressKeepsOneTimer()
    {
        QMWidgets::SimpleProgress bar;
        // The stripes move although the host reports "busy" more often than they step.
        for (int i = 0; i < 20 && bar.phase() == 0; ++i) {
            bar.setValue(0);
            QTest::qWait(20);
        }
        QVERIFY(bar.phase() > 0);
        QCOMPARE(QAbstractEventDispatcher::instance()->registeredTimers(&bar).size(), 1);
    }

    void comboProgressSwapsLabelAndBar()
    {
        QMWidgets::ComboProgress combo;
        combo.show();
        auto* bar = combo.findChild<QProgressBar*>();
        QPushButton* stop = button(combo, "ComboProgressStop");
        // What shows: "L" the label, "BS" the bar and its stop button.
        const auto shown = [&] {
            return QString(combo.label()->isVisible() ? "L" : "") + (bar->isVisible() ? "B" : "")
                + (stop->isVisible() ? "S" : "");
        };
        QCOMPARE(shown(), QStringLiteral("L"));
        combo.slotSetProgress(40);
        QCOMPARE(shown(), QStringLiteral("BS"));
        QCOMPARE(combo.value(), 40);
        QTest::mouseClick(stop, Qt::LeftButton);
        QVERIFY(combo.isStopped());
        QCOMPARE(shown(), QStringLiteral("L"));
        // The next report clears the stop; 100 shows the label, the bar keeps 99.
        combo.slotSetProgress(99);
        QVERIFY(!combo.isStopped());
        QCOMPARE(shown(), QStringLiteral("BS"));
        combo.slotSetProgress(100);
        QCOMPARE(shown(), QStringLiteral("L"));
        QCOMPARE(combo.value(), 99);
    }

    void movieLabelStopsAfterItsDelay()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("spinner.gif");
        // Two frames of one pixel, 50 ms each, looping.
        QVERIFY(TestSupport::writeFile(
            file,
            QByteArray("GIF89a\1\0\1\0\x80\0\0\xff\0\0\0\0\xff!\xff\x0bNETSCAPE2.0\3\1\0\0\0!\xf9\4\0\5\0\0\0"
                       ",\0\0\0\0\1\0\1\0\0\2\2\x44\1\0!\xf9\4\0\5\0\0\0,\0\0\0\0\1\0\1\0\0\2\2\x4c\1\0;",
                       85)));
        QMWidgets::MovieLabel label(file);
        label.setStopDelay(100);
        label.show();
        QCOMPARE(label.movie()->state(), QMovie::Running);
        QTRY_COMPARE(label.movie()->state(), QMovie::NotRunning);
    }

    void bubblePaintsItsTail()
    {
        QMWidgets::BubbleWindow bubble(nullptr, QColor(200, 30, 30));
        bubble.resize(200, 100);
        for (bool down : { true, false }) {
            bubble.setPointsDown(down);
            const QImage image = rendered(bubble);
            const int beside = down ? 82 : 17;
            QCOMPARE(image.pixel(100, down ? 97 : 2), image.pixel(100, 50));
            QCOMPARE(image.pixel(100, 50), qRgb(200, 30, 30));
            // The tail is 40 wide: the band beside it stays clear on both sides.
            QCOMPARE(qAlpha(image.pixel(60, beside)) + qAlpha(image.pixel(139, beside)), 0);
            // Only the body under a tail at the top has cut corners.
            QCOMPARE(qAlpha(image.pixel(0, down ? 0 : 99)), down ? 255 : 0);
        }
    }

    void bubbleHidesOnPressesAndOutlivesItsAnimations()
    {
        QMWidgets::BubbleWindow bubble;
        bubble.resize(200, 100);
        auto* appear = new QPropertyAnimation(&bubble, "windowOpacity");
        appear->setEndValue(1.0);
        bubble.setShowAnimation(appear);
        QWidget elsewhere;
        elsewhere.show();
        bubble.show();
        QCOMPARE(appear->state(), QAbstractAnimation::Running);
        QTest::mouseClick(&elsewhere, Qt::LeftButton);
        QVERIFY(bubble.isVisible());
        QTest::mouseClick(&bubble, Qt::LeftButton, {}, QPoint(100, 50));
        QVERIFY(!bubble.isVisible());

        // Asked to, it hides on presses elsewhere; a deleted animation is not used.
        delete appear;
        bubble.show();
        bubble.hideOnMouseButtonPress();
        QTest::mouseClick(&elsewhere, Qt::RightButton);
        QVERIFY(!bubble.isVisible());
    }
};

LUMASTRAND_APP_TEST_MAIN(TestMoreWidgets)
#include "tst_morewidgets.moc"
