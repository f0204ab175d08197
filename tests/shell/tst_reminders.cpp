// The rate reminder at quit, the review requests after an export, and the
// counts they keep across program runs.

#include "app.h"
#include "appargs.h"
#include "desktoprecorder.h"
#include "dialogrunner.h"
#include "os.h"
#include "ratedialog.h"
#include "reviewrequests.h"

#include <QDialog>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <QtTest>

using QMWidgets::App;
using QMWidgets::DialogRunner;

namespace {
const QString autoReminder = QStringLiteral("AutoReminder");
const QString reminderCount = QStringLiteral("AutoReminderCount");

void clearStore()
{
    QSettings(QStringLiteral("Halvick"), QStringLiteral("Lumastrand")).clear();
}

// Answers the next dialog by clicking the button with the given text (or by
// pressing Escape for an empty text) and notes what it saw.
struct DialogAnswer
{
    QString button;
    int shown = 0;
    QString className;
    QWidget* parent = nullptr;

    void queue()
    {
        DialogRunner::setNextHandler([this](QDialog& dialog) {
            ++shown;
            className = QString::fromLatin1(dialog.metaObject()->className());
            parent = dialog.parentWidget();
            if (button.isEmpty()) {
                QTest::keyClick(&dialog, Qt::Key_Escape);
            } else {
                QPushButton* chosen = nullptr;
                for (QPushButton* candidate : dialog.findChildren<QPushButton*>()) {
                    if (candidate->text() == button)
                        chosen = candidate;
                }
                if (!chosen)
                    return -1;
                QTest::mouseClick(chosen, Qt::LeftButton);
            }
            return dialog.result();
        });
    }
};

// Runs the event loop of app until it quits at once, as when the last
// window closes.
int quitRun(App& app)
{
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
} // namespace

class TestReminders : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void quitReminderAnswers_data();
    void quitReminderAnswers();
    void quitReminderCounting_data();
    void quitReminderCounting();
    void quitReminderShowsHiddenPageAgain();
    void quitReminderNotTwiceInOneRun();

    void reviewRule_data();
    void reviewRule();
    void reviewRequestsAcrossRuns();
    void reviewRequestWithRemindersOff();
};

void TestReminders::init()
{
    clearStore();
    DialogRunner::clearHandlers();
}

void TestReminders::cleanup()
{
    QCOMPARE(DialogRunner::pendingHandlers(), 0);
    DialogRunner::clearHandlers();
}

void TestReminders::quitReminderAnswers_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("opened");
    QTest::addColumn<bool>("remindAgain");

    // The application object of a store build opens the store's review page.
    QTest::newRow("rate") << "Rate" << 0 << "ms-windows-store://review/?ProductId=" << false;
    QTest::newRow("mail") << "Mail" << 1 << "mailto:support@halvick.example" << false;
    QTest::newRow("later") << "Later" << 2 << "" << true;
    QTest::newRow("never") << "Don't ask me again" << 3 << "" << false;
    QTest::newRow("closed") << "" << 4 << "" << true;
}

void TestReminders::quitReminderAnswers()
{
    QFETCH(QString, button);
    QFETCH(int, code);
    QFETCH(QString, opened);
    QFETCH(bool, remindAgain);

    qputenv("LUMASTRAND_SERVER", "http://127.0.0.1:9");
    DesktopRecorder desktop;
    AppArgs args;
    App app(args.argc, args.argv, QStringLiteral("Halvick"), QStringLiteral("Lumastrand"));
    QWidget page;
    page.show();
    app.setMainWidget(&page);
    app.initReminders(2, App::RateReminder);
    app.setValue(reminderCount, 4);

    DialogAnswer answer;
    answer.button = button;
    answer.queue();
    QCOMPARE(quitRun(app), 0);

    QCOMPARE(answer.shown, 1);
    QCOMPARE(answer.className, QStringLiteral("QMWidgets::RateDialog"));
    QCOMPARE(answer.parent, &page);
    QCOMPARE(app.value(autoReminder, true).toBool(), remindAgain);
    QCOMPARE(app.value(reminderCount).toInt(), 5);
    if (opened.isEmpty()) {
        QVERIFY(desktop.urls.isEmpty());
    } else {
        QCOMPARE(desktop.urls.size(), 1);
        QVERIFY2(desktop.urls.first().toString().startsWith(opened),
                 qPrintable(desktop.urls.first().toString()));
    }
    Q_UNUSED(code)
    qunsetenv("LUMASTRAND_SERVER");
}

void TestReminders::quitReminderCounting_data()
{
    QTest::addColumn<QVariant>("storedCount");
    QTest::addColumn<bool>("reminderOn");
    QTest::addColumn<int>("interval");
    QTest::addColumn<bool>("dialog");
    QTest::addColumn<int>("countAfter");

    QTest::newRow("fresh profile: count 1, no dialog") << QVariant() << true << 2 << false << 2;
    QTest::newRow("second quit") << QVariant(2) << true << 2 << true << 3;
    QTest::newRow("third quit") << QVariant(3) << true << 2 << false << 4;
    QTest::newRow("interval 3") << QVariant(6) << true << 3 << true << 7;
    QTest::newRow("reminder off: nothing counts") << QVariant(2) << false << 2 << false << 2;
    QTest::newRow("interval 0 never reminds") << QVariant(2) << true << 0 << false << 3;
}

void TestReminders::quitReminderCounting()
{
    QFETCH(QVariant, storedCount);
    QFETCH(bool, reminderOn);
    QFETCH(int, interval);
    QFETCH(bool, dialog);
    QFETCH(int, countAfter);

    DesktopRecorder desktop;
    AppArgs args;
    App app(args.argc, args.argv, QStringLiteral("Halvick"), QStringLiteral("Lumastrand"));
    app.initReminders(interval, App::RateReminder);
    if (storedCount.isValid())
        app.setValue(reminderCount, storedCount);
    if (!reminderOn)
        app.setValue(autoReminder, false);

    DialogAnswer answer;
    answer.button = QStringLiteral("Later");
    answer.queue();
    quitRun(app);

    QCOMPARE(answer.shown, dialog ? 1 : 0);
    if (!dialog)
        DialogRunner::clearHandlers();
    QCOMPARE(app.value(reminderCount, 1).toInt(), countAfter);
}

void TestReminders::quitReminderShowsHiddenPageAgain()
{
    DesktopRecorder desktop;
    AppArgs args;
    App app(args.argc, args.argv, QStringLiteral("Halvick"), QStringLiteral("Lumastrand"));
    QWidget page;
    page.show();
    app.setMainWidget(&page);
    app.initReminders(2, App::RateReminder);
    app.setValue(reminderCount, 2);
    page.close();
    QVERIFY(page.isHidden());

    bool pageVisibleWhileAsking = false;
    DialogRunner::setNextHandler([&](QDialog&) {
        pageVisibleWhileAsking = page.isVisible();
        return int(QMWidgets::ReminderStateDialog::Later);
    });
    quitRun(app);
    QVERIFY(pageVisibleWhileAsking);
}

void TestReminders::quitReminderNotTwiceInOneRun()
{
    DesktopRecorder desktop;
    AppArgs args;
    App app(args.argc, args.argv, QStringLiteral("Halvick"), QStringLiteral("Lumastrand"));
    app.initReminders(2, App::RateReminder);
    app.setValue(reminderCount, 2);

    // The export's review request showed the rate dialog already.
    DialogRunner::setNextResult(QMWidgets::ReminderStateDialog::Later);
    QVERIFY(Os::requestReview(false));
    QVERIFY(app.rateDialogShown());

    quitRun(app);
    QCOMPARE(DialogRunner::pendingHandlers(), 0);
    QCOMPARE(app.value(reminderCount).toInt(), 3);
}

void TestReminders::reviewRule_data()
{
    QTest::addColumn<QList<int>>("days");
    QTest::addColumn<bool>("force");
    QTest::addColumn<QString>("requests");

    QTest::newRow("first at once, then every second call, three at most")
        << QList<int> { 0, 1, 2, 3, 4, 5, 6, 7 } << false << "YYNYNNNN";
    QTest::newRow("counts start again 367 days after the last")
        << QList<int> { 0, 1, 2, 3, 369, 370, 371, 372, 373 } << false << "YYNYNYYNY";
    QTest::newRow("forced calls still stop after three")
        << QList<int> { 0, 0, 0, 0, 366, 367 } << true << "YYYNNY";
}

void TestReminders::reviewRule()
{
    QFETCH(QList<int>, days);
    QFETCH(bool, force);
    QFETCH(QString, requests);

    const QDate start(2024, 1, 10);
    ReviewRequests history;
    QString made;
    for (int day : days)
        made += history.call(start.addDays(day), force) ? QLatin1Char('Y') : QLatin1Char('N');
    QCOMPARE(made, requests);
    QVERIFY(history.count <= ReviewRequests::MaximumRequests);
}

void TestReminders::reviewRequestsAcrossRuns()
{
    DesktopRecorder desktop;
    const QDate start(2024, 5, 1);
    // One program run a day, each with two exports.
    const QString expected = QStringLiteral("YYNYNN");
    QString made;
    int dialogs = 0;
    for (int run = 0; run < expected.size(); ++run) {
        AppArgs args;
        App app(args.argc, args.argv, QStringLiteral("Halvick"), QStringLiteral("Lumastrand"));
        DialogRunner::setNextHandler([&](QDialog& dialog) {
            ++dialogs;
            return qobject_cast<QMWidgets::RateDialog*>(&dialog) ? int(QMWidgets::ReminderStateDialog::Later)
                                                                 : -1;
        });
        made += Os::requestReview(false, start.addDays(run)) ? QLatin1Char('Y') : QLatin1Char('N');
        QVERIFY(!Os::requestReview(false, start.addDays(run)));
        DialogRunner::clearHandlers();
    }
    QCOMPARE(made, expected);
    QCOMPARE(dialogs, 3);

    QSettings store(QStringLiteral("Halvick"), QStringLiteral("Lumastrand"));
    QCOMPARE(store.value(QStringLiteral("Lumastrand/RequestedReviewsCount")).toInt(), 3);
    QCOMPARE(store.value(QStringLiteral("Lumastrand/RequestedReviewsCalls")).toInt(), 4);
    QCOMPARE(store.value(QStringLiteral("Lumastrand/RequestedReviewsLastDate")).toString(),
             QStringLiteral("2024-05-04"));

    // 367 days after the last request the counts start again (366 are not
    // enough).
    {
        AppArgs args;
        App app(args.argc, args.argv, QStringLiteral("Halvick"), QStringLiteral("Lumastrand"));
        QVERIFY(!Os::requestReview(false, QDate(2025, 5, 5)));
    }
    AppArgs args;
    App app(args.argc, args.argv, QStringLiteral("Halvick"), QStringLiteral("Lumastrand"));
    DialogRunner::setNextResult(QMWidgets::ReminderStateDialog::Later);
    QVERIFY(Os::requestReview(false, QDate(2025, 5, 6)));
    QCOMPARE(app.value(QStringLiteral("RequestedReviewsCount")).toInt(), 1);
    QCOMPARE(app.value(QStringLiteral("RequestedReviewsCalls")).toInt(), 1);
}

void TestReminders::reviewRequestWithRemindersOff()
{
    DesktopRecorder desktop;
    AppArgs args;
    App app(args.argc, args.argv, QStringLiteral("Halvick"), QStringLiteral("Lumastrand"));
    app.setValue(autoReminder, false);

    // Counts as made although nothing is shown.
    QVERIFY(Os::requestReview(false, QDate(2024, 2, 2)));
    QVERIFY(!app.rateDialogShown());
    QCOMPARE(app.value(QStringLiteral("RequestedReviewsCount")).toInt(), 1);
    QCOMPARE(app.value(QStringLiteral("RequestedReviewsLastDate")).toString(), QStringLiteral("2024-02-02"));
}

int main(int argc, char** argv)
{
    TestReminders test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_reminders.moc"
