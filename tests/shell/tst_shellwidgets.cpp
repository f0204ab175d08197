// The shell's widgets and dialogs, driven by real clicks and keys; clicks come
// from the window system, as a user makes them.

#define QTEST_QPA_MOUSE_HANDLING

#include "appbutton.h"
#include "appmenu.h"
#include "desktoprecorder.h"
#include "dialogrunner.h"
#include "label.h"
#include "os.h"
#include "pixelcompare.h"
#include "promomainpage.h"
#include "promomenubar.h"
#include "testapp.h"

#include <QtWidgets>

using QMWidgets::app;
using QMWidgets::DialogRunner;

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

class TestShellWidgets : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(TestSupport::clearDialogSeams(), 0); }

    void mouseButtonPressOncePerPress_data()
    {
        QTest::addColumn<bool>("onChild");
        QTest::addColumn<bool>("sent"); // by the program, straight to the widget
        QTest::addColumn<int>("button");
        QTest::newRow("child") << true << false << int(Qt::RightButton);
        QTest::newRow("window itself") << false << false << int(Qt::LeftButton);
        QTest::newRow("sent to the child") << true << true << int(Qt::LeftButton);
    }

    void mouseButtonPressOncePerPress()
    {
        QFETCH(bool, onChild);
        QFETCH(bool, sent);
        QFETCH(int, button);
        // The application tells of a press before the widget under the pointer hears of it.
        QSignalSpy spy(app(), &QMWidgets::App::mouseButtonPress);
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

    void labelPaintsItsPixmap_data()
    {
        QTest::addColumn<int>("aspectMode");
        QTest::addColumn<double>("opacity");
        QTest::addColumn<QRgb>("edge");
        QTest::addColumn<QRgb>("centre");

        QTest::newRow("kept inside") << 0 << 1.0 << qRgb(255, 255, 255) << qRgb(255, 0, 0);
        QTest::newRow("expanding fills") << 1 << 1.0 << qRgb(255, 0, 0) << qRgb(255, 0, 0);
        QTest::newRow("half transparent") << 0 << 0.5 << qRgb(255, 255, 255) << qRgb(255, 128, 128);
    }

    void labelPaintsItsPixmap()
    {
        QFETCH(int, aspectMode);
        QFETCH(double, opacity);
        QFETCH(QRgb, edge);
        QFETCH(QRgb, centre);

        QMWidgets::Label label;
        label.setStyleSheet("background: white; border: none; padding: 0px");
        label.resize(80, 40);
        QPixmap red(10, 10);
        red.fill(Qt::red);
        label.setPixmap(red);
        label.setAspectMode(aspectMode);
        label.setOpacity(opacity);

        const QImage shot = label.grab().toImage();
        QVERIFY(TestSupport::pixelsClose(shot.pixel(3, 20), edge, 20));
        QVERIFY(TestSupport::pixelsClose(shot.pixel(40, 20), centre, 20));
    }

    void barAndMenuOpenTheirTargets_data()
    {
        // A button of the main page's bar (or of its "more" menu), or an item of the application menu.
        QTest::addColumn<bool>("inBar");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("target"); // the dialog's class, or text in the link opened

        const auto row = [](bool inBar, const char* item, const char* target) {
            QTest::addRow("%s %s", inBar ? "bar" : "menu", item) << inBar << item << target;
        };
        for (const bool inBar : { true, false }) {
            row(inBar, "Rate", "ms-windows-store://review/");
            row(inBar, inBar ? "Introduction" : "Intro", "QMWidgets::HelpDialog");
            row(inBar, "Share", "QMWidgets::ShareDialog");
            row(inBar, "Join", "QMWidgets::FollowDialog");
        }
        row(false, "More Apps", "ms-windows-store://publisher/");
        row(false, "Contact", "mailto:support@halvick.example");
        row(false, "Support Page", "support");
        row(false, "Privacy Policy", "privacy");
        row(false, "About", "QMWidgets::AboutDialog");
    }

    void barAndMenuOpenTheirTargets()
    {
        QFETCH(bool, inBar);
        QFETCH(QString, item);
        QFETCH(QString, target);

        // The main page's bar: no More Apps button, a settings button added.
        DesktopRecorder desktop;
        QMWidgets::PromoMainPage page;
        page.setFixedSize(290, 390);
        QMWidgets::PromoMenuBar* bar = page.menuBar();
        bar->hideMoreAppsButton();
        auto* settings = new QPushButton;
        settings->setFixedSize(50, 32);
        bar->addWidget(settings);
        auto* layout = new QVBoxLayout(&page);
        layout->addWidget(bar);
        layout->addStretch(1);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        app()->setMainWidget(&page);

        QString opened; // the dialog's class, or the link
        DialogRunner::setNextHandler([&opened](QDialog& dialog) {
            opened = dialog.metaObject()->className();
            return 0;
        });
        for (QPushButton* button :
             { bar->rateButton(), bar->introButton(), bar->shareButton(), bar->joinButton() }) {
            if (inBar && button->isVisible() && button->toolTip() == item)
                QTest::mouseClick(button, Qt::LeftButton);
        }
        for (QAction* action : inBar ? bar->moreMenu()->actions() : bar->appButton()->appMenu()->actions()) {
            if (action->text() == item)
                action->trigger();
        }
        DialogRunner::clearHandlers();
        for (const QUrl& url : desktop.urls)
            opened += url.toString();
        QVERIFY2(opened.contains(target), qPrintable(opened));
        app()->setMainWidget(nullptr);
    }

    void showInExplorer_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("fileManagerAnswers");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("opened");

        QTest::newRow("selected") << "/tmp/out//Icons" << true << "/tmp/out/Icons" << QString();
        QTest::newRow("no file manager: the folder") << "/tmp/out//Icons" << false << "/tmp/out/Icons"
                                                     << "file:///tmp/out";
        QTest::newRow("file") << "/tmp/shot.png" << false << "/tmp/shot.png"
                              << "file:///tmp";
    }

    void showInExplorer()
    {
        QFETCH(QString, path);
        QFETCH(bool, fileManagerAnswers);
        QFETCH(QString, shown);
        QFETCH(QString, opened);

        DesktopRecorder desktop;
        desktop.fileManagerAnswers = fileManagerAnswers;
        Os::showInExplorer(path);
        QCOMPARE(desktop.shownItems, QStringList { shown });
        QCOMPARE(desktop.urls, opened.isEmpty() ? QList<QUrl>() : QList<QUrl> { QUrl(opened) });
    }
};

int main(int argc, char** argv)
{
    qputenv("LUMASTRAND_SERVER", "http://127.0.0.1:9");
    TestApp app;
    TestShellWidgets test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_shellwidgets.moc"
