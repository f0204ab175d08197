// Image viewer (fit, zoom, scroll bars, zoom bar, navigation, system
// preview) and the title bar of a frameless picture window.

#include "desktoprecorder.h"
#include "screentools/imagearea.h"
#include "screentools/imageviewer.h"
#include "screentools/windowtitle.h"
#include "shellservices.h"
#include "testapp.h"

#include <QtWidgets>

using namespace QMWidgets;

namespace {
QImage picture(const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(30, 140, 200));
    return image;
}

QPushButton* button(const QWidget& parent, const QString& name)
{
    return parent.findChild<QPushButton*>(name);
}
} // namespace

class TestImageViewer : public QObject
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
        QTest::newRow("big, 50 %") << QSize(900, 700) << 50 << QSize(450, 350) << QSize(450, 350) << "hv";
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
        QVERIFY(!viewer.fitButton()->isChecked());
        QVERIFY(!viewer.actualPixelsButton()->isChecked());
        QTest::mouseClick(button(viewer, "ZoomOutButton"), Qt::LeftButton);
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
        QTest::newRow("drag, left button held") << "" << int(Qt::LeftButton) << 5;
        QTest::newRow("move, right button held") << "" << int(Qt::RightButton) << -1;
    }

    void titleBarReports()
    {
        QFETCH(QString, name);
        QFETCH(int, held);
        QFETCH(int, signal);
        WindowTitle title;
        title.setMouseTracking(true);
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

        // The actions menu tells whether it is open.
        title.actionsMenu()->popup(title.mapToGlobal(QPoint(10, 10)));
        QVERIFY(title.isMenuShown());
        title.actionsMenu()->close();
        QVERIFY(!title.isMenuShown());
    }
};

LUMASTRAND_APP_TEST_MAIN(TestImageViewer)
#include "tst_imageviewer.moc"
