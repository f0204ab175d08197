// The application object with its services, reminders, update check and the
// shell's widgets. A test that meets a dialog it did not plan for runs as a
// child of this program ("--unplanned"), so that its end can be seen.

#include "appbutton.h"
#include "appmenu.h"
#include "desktoprecorder.h"
#include "dialogrunner.h"
#include "label.h"
#include "loopbackserver.h"
#include "messagebox.h"
#include "os.h"
#include "pixelcompare.h"
#include "productapp.h"
#include "promomainpage.h"
#include "promomenubar.h"
#include "ratedialog.h"
#include "testapp.h"
#include "tooling.h"

#include <QtWidgets>

using QMWidgets::App;
using QMWidgets::DialogRunner;
using QMWidgets::MessageBox;
using namespace TestSupport;
using QMWidgets::ReminderStateDialog;

namespace {
const QString reminderCount = QStringLiteral("AutoReminderCount");

// The program's application object, with the rate reminder every interval-th quit.
struct ReminderApp : TestApp
{
    ReminderApp(int interval = 2) { initReminders(interval, App::RateReminder); }
};

class Planless : public QObject
{
    Q_OBJECT

private slots:
    void meetsDialog()
    {
        // It gives its cancel answer at once.
        QCOMPARE(MessageBox::warning(nullptr, "Overwrite?", "It exists.", QMessageBox::Yes | QMessageBox::No),
                 QMessageBox::No);
    }
};

// Notes how many signals had come when the press itself arrived.
struct PressProbe : QWidget
{
    using QWidget::QWidget;
    QSignalSpy* spy = nullptr;
    int seenAtPress = -1;
    void mousePressEvent(QMouseEvent*) override { seenAtPress = spy->count(); }
};
} // namespace

class TestShellApp : public QObject
{
    Q_OBJECT

private slots:
    void freshInstallationOnlyOnFirstStart()
    {
        // The home is empty; a downloads folder (there on most systems) does not count.
        QDir().mkpath(QDir::homePath() + QStringLiteral("/Downloads"));
        QVERIFY(TestApp().isFreshInstallation());
        QVERIFY(QDir(QDir::homePath() + QStringLiteral("/Lumastrand")).exists());
        QVERIFY(!TestApp().isFreshInstallation());
    }

    void init()
    {
        QSettings(QStringLiteral("Halvick"), QStringLiteral("Lumastrand")).clear();
        qputenv("LUMASTRAND_SERVER", "http://127.0.0.1:9");
    }

    void cleanup() { QCOMPARE(clearDialogSeams(), 0); }

    void quitReminder_data()
    {
        QTest::addColumn<QVariant>("storedCount");
        QTest::addColumn<bool>("reminderOn");
        QTest::addColumn<int>("interval");
        QTest::addColumn<bool>("reviewFirst"); // an export's review request showed the dialog already
        QTest::addColumn<QString>("answer"); // the button clicked in the dialog ("" Escape), "-": no dialog
        QTest::addColumn<int>("countAfter");
        QTest::addColumn<bool>("remindAgain");

        QTest::newRow("fresh profile") << QVariant() << true << 2 << false << "-" << 2 << true;
        QTest::newRow("second quit: rate") << QVariant(2) << true << 2 << false << "Rate" << 3 << false;
        QTest::newRow("third quit") << QVariant(3) << true << 2 << false << "-" << 4 << true;
        QTest::newRow("later") << QVariant(4) << true << 2 << false << "Later" << 5 << true;
        QTest::newRow("mail") << QVariant(4) << true << 2 << false << "Mail" << 5 << false;
        QTest::newRow("never") << QVariant(4) << true << 2 << false << "Don't ask me again" << 5 << false;
        QTest::newRow("closed") << QVariant(4) << true << 2 << false << "" << 5 << true;
        QTest::newRow("interval 3") << QVariant(6) << true << 3 << false << "Later" << 7 << true;
        QTest::newRow("reminder off") << QVariant(2) << false << 2 << false << "-" << 2 << false;
        QTest::newRow("interval 0 never reminds") << QVariant(2) << true << 0 << false << "-" << 3 << true;
        QTest::newRow("not twice in one run") << QVariant(2) << true << 2 << true << "-" << 3 << true;
    }

    void quitReminder()
    {
        QFETCH(QVariant, storedCount);
        QFETCH(bool, reminderOn);
        QFETCH(int, interval);
        QFETCH(bool, reviewFirst);
        QFETCH(QString, answer);
        QFETCH(int, countAfter);
        QFETCH(bool, remindAgain);

        DesktopRecorder desktop;
        ReminderApp app(interval);
        QWidget page;
        page.show();
        app.setMainWidget(&page);
        if (storedCount.isValid())
            app.setValue(reminderCount, storedCount);
        app.setValue(QStringLiteral("AutoReminder"), reminderOn);
        if (reviewFirst) {
            DialogRunner::setNextResult(ReminderStateDialog::Later);
            QVERIFY(Os::requestReview(false));
        }
        page.close(); // as when the last window closes; the page comes back for the question

        int shown = 0;
        bool parentShown = false;
        DialogRunner::setNextHandler([&](QDialog& dialog) {
            ++shown;
            parentShown = qobject_cast<QMWidgets::RateDialog*>(&dialog) && dialog.parentWidget() == &page
                && page.isVisible();
            return answerDialog(dialog, answer);
        });
        QTimer::singleShot(0, &app, &QCoreApplication::quit); // as when the last window closes
        QCOMPARE(app.exec(), 0);
        if (answer == QLatin1String("-"))
            DialogRunner::clearHandlers();
        QCOMPARE(shown, answer == QLatin1String("-") ? 0 : 1);
        QCOMPARE(parentShown, shown == 1);
        QCOMPARE(app.value(reminderCount, 1).toInt(), countAfter);
        QCOMPARE(app.value(QStringLiteral("AutoReminder"), true).toBool(), remindAgain);
        // "Rate" opens the store's review page, "Mail" a mail to the maker.
        const QString link = QMap<QString, QString> {
            { "Rate", "ms-windows-store://review/" }, { "Mail", "mailto:support@" }
        }.value(answer);
        QCOMPARE(desktop.urls.size() == 1 && desktop.urls.first().toString().startsWith(link),
                 !link.isEmpty());
    }

    void reviewRequestsAcrossRuns()
    {
        DesktopRecorder desktop;
        const QDate start(2024, 5, 1);
        // One program run a day, each with two exports; the last run with reminders off.
        const QString expected = QStringLiteral("YYNYNN");
        QString made;
        int dialogs = 0;
        for (int run = 0; run < expected.size(); ++run) {
            ReminderApp app;
            DialogRunner::setNextHandler([&](QDialog& dialog) {
                ++dialogs;
                return qobject_cast<QMWidgets::RateDialog*>(&dialog) ? int(ReminderStateDialog::Later) : -1;
            });
            made += Os::requestReview(false, start.addDays(run)) ? QLatin1Char('Y') : QLatin1Char('N');
            QVERIFY(!Os::requestReview(false, start.addDays(run)));
            DialogRunner::clearHandlers();
        }
        QCOMPARE(made, expected);
        QCOMPARE(dialogs, 3);
        // 367 days after the last request the counts start again, shown or not.
        ReminderApp app;
        app.setValue(QStringLiteral("AutoReminder"), false);
        QVERIFY(Os::requestReview(false, QDate(2025, 5, 6)));
    }

    void copyFile_data()
    {
        QTest::addColumn<QString>("source"); // empty: a file holding "new"
        QTest::addColumn<QString>("atTarget"); // "file": one holding "old"; "folder"; "no folder" yet
        QTest::addColumn<bool>("copied");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("new copy") << QString() << "" << true << QByteArray("new");
        QTest::newRow("a file is there already: kept") << QString() << "file" << true << QByteArray("old");
        QTest::newRow("folder at the target") << QString() << "folder" << false << QByteArray();
        QTest::newRow("target folder made") << QString() << "no folder" << true << QByteArray("new");
        QTest::newRow("read fails") << "/proc/self/mem" << QString() << false << QByteArray();
    }

    void copyFile()
    {
        QFETCH(QString, source);
        QFETCH(QString, atTarget);
        QFETCH(bool, copied);
        QFETCH(QByteArray, content);
        TestApp app;
        QTemporaryDir dir;
        if (source.isEmpty()) {
            source = dir.filePath(QStringLiteral("in"));
            QVERIFY(writeFile(source, "new"));
        }
        const QString folder
            = atTarget == "no folder" ? dir.filePath(QStringLiteral("new/deeper")) : dir.path();
        const QString target = folder + QStringLiteral("/copy");
        QVERIFY(atTarget != "folder" || QDir().mkpath(target));
        QVERIFY(atTarget != "file" || writeFile(target, "old"));

        QString reason;
        QCOMPARE(app.copyFile(source, folder, QStringLiteral("copy"), &reason), copied);
        QCOMPARE(reason.isEmpty(), copied);
        QCOMPARE(fileContents(target), content);
    }

    void dimmingOverlayCoversTheMainWidget()
    {
        TestApp app;
        QWidget page;
        page.resize(290, 390);
        page.show();
        app.setMainWidget(&page);
        QLabel* blender = app.blenderWidget();
        QVERIFY(blender->parentWidget() == &page && blender->isHidden());
        page.resize(290, 580);
        QCOMPARE(blender->geometry(), page.rect());
        app.setMainWidget(nullptr);
        QVERIFY(!app.blenderWidget());
    }

    void answerIsReadOrRefused_data()
    {
        QTest::addColumn<bool>("byUser");
        QTest::addColumn<int>("headerBytes"); // of extra header lines
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("outcome");
        const QByteArray build = "build:date:2024-01-15;windows:7\n"; // the running one
        const int unreadable = ProductApp::AnswerUnreadable;
        QTest::newRow("user: web page") << true << 0 << QByteArray("<html>parked</html>") << unreadable;
        QTest::newRow("at start: web page") << false << 0 << QByteArray("<html></html>") << unreadable;
        QTest::newRow("headers within the limit")
            << false << 20 * 1024 << build + QByteArray(20 * 1024, 'x') << int(ProductApp::UpToDate);
        QTest::newRow("headers and body over it together")
            << false << 40 * 1024 << build + QByteArray(30 * 1024, 'x') << int(ProductApp::CheckFailed);
        QTest::newRow("flood of header lines")
            << false << 8 * 1024 * 1024 << build << int(ProductApp::CheckFailed);
    }

    void answerIsReadOrRefused()
    {
        QFETCH(bool, byUser);
        QFETCH(int, headerBytes);
        QFETCH(QByteArray, body);
        QFETCH(int, outcome);
        QSettings("Halvick", "Lumastrand").setValue("Lumastrand/checkupdates", false);
        AppArgs args;
        ProductApp app(args.argc, args.argv, QStringLiteral("Halvick"), QStringLiteral("Lumastrand"));
        LoopbackServer server;
        qputenv("LUMASTRAND_SERVER", server.address().toLatin1());
        app.setBuildDate(QDate(2024, 1, 15));
        app.setUpdateTimeout(20000);
        QByteArray headers;
        while (headers.size() < headerBytes)
            headers += "X-Filler-" + QByteArray::number(headers.size()) + ": " + QByteArray(60, 'f') + "\r\n";
        server.setAnswer(QStringLiteral("/apps/buildsinfo/lumastrand_win"), 200, body, headers);
        if (byUser)
            MessageBox::setNextAnswer(QMessageBox::Ok);
        QSignalSpy finished(&app, &ProductApp::updateCheckFinished);
        QElapsedTimer clock;
        clock.start();
        byUser ? app.slotCheckUpdate() : app.slotAutoCheckUpdate();
        QVERIFY(finished.wait(30000));
        QCOMPARE(finished.first().first().toInt(), outcome);
        // Refused as it comes in, long before the time limit.
        QVERIFY2(clock.elapsed() < 10000, qPrintable(QString::number(clock.elapsed())));
        // A user who asked hears a warning, not that all is up to date.
        QCOMPARE(MessageBox::shown().size(), byUser ? 1 : 0);
        QVERIFY(!byUser || MessageBox::shown().first().icon == QMessageBox::Warning);
    }

    void unplannedDialogFailsTheTestAtOnce()
    {
        const TestApp app;
        const ToolRun run = runTool(QCoreApplication::applicationFilePath(), { "--unplanned" });
        QVERIFY2(run.finished, "the test waited for the dialog");
        QCOMPARE(run.exitCode, 1); // one failure, the dialog's
        QCOMPARE(run.output.count("FAIL!"), 1);
        QVERIFY2(run.output.contains(R"(Unplanned dialog, cancelled: Message box "Overwrite?": It exists.)"),
                 qPrintable(run.output));
    }

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
        TestApp app;
        // The application tells of a press before the widget under the pointer hears of it.
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
            QTest::mouseClick(window.windowHandle(), pressed, {}, target->mapTo(&window, QPoint(5, 5)));
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
        TestApp app;

        QMWidgets::Label label;
        label.setStyleSheet("background: white; border: none; padding: 0px");
        label.resize(80, 40);
        QPixmap red(10, 10);
        red.fill(Qt::red);
        label.setPixmap(red);
        label.setAspectMode(aspectMode);
        label.setOpacity(opacity);

        const QImage shot = label.grab().toImage();
        QVERIFY(pixelsClose(shot.pixel(3, 20), edge, 20));
        QVERIFY(pixelsClose(shot.pixel(40, 20), centre, 20));
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
        TestApp app;

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
        app.setMainWidget(&page);

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
    if (argc == 2 && qstrcmp(argv[1], "--unplanned") == 0) {
        TestApp app;
        Planless planless;
        return QTest::qExec(&planless, 1, argv);
    }
    TestShellApp test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_shellapp.moc"
