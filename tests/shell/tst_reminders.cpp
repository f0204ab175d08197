// The rate reminder at quit, the review requests after an export, and the
// counts they keep across program runs.

#include "app.h"
#include "desktoprecorder.h"
#include "dialogrunner.h"
#include "dialogseams.h"
#include "os.h"
#include "ratedialog.h"
#include "reviewrequests.h"
#include "testapp.h"

#include <QDialog>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <QtTest>

using QMWidgets::App;
using QMWidgets::DialogRunner;
using QMWidgets::ReminderStateDialog;

namespace {
const QString autoReminder = QStringLiteral("AutoReminder");
const QString reminderCount = QStringLiteral("AutoReminderCount");

// The program's application object, with the rate reminder every second quit.
struct ReminderApp : TestApp
{
    ReminderApp(int interval = 2) { initReminders(interval, App::RateReminder); }
    // Runs the event loop until it quits at once, as when the last window closes.
    int quitRun()
    {
        QTimer::singleShot(0, this, &QCoreApplication::quit);
        return exec();
    }
};

// Answers the next dialog by clicking the button with the given text (or by
// pressing Escape for an empty text) and notes what it saw.
struct DialogAnswer
{
    QString button;
    int shown = 0;
    QString className;
    QWidget* parent = nullptr;
    bool parentVisible = false;

    explicit DialogAnswer(const QString& text)
        : button(text)
    {
        DialogRunner::setNextHandler([this](QDialog& dialog) {
            ++shown;
            className = QString::fromLatin1(dialog.metaObject()->className());
            parent = dialog.parentWidget();
            parentVisible = parent && parent->isVisible();
            return TestSupport::answerDialog(dialog, button);
        });
    }
};
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

    void reviewRule_data();
    void reviewRule();
    void reviewRequestsAcrossRuns();
    void reviewRequestWithRemindersOff();
};

void TestReminders::init()
{
    QSettings(QStringLiteral("Halvick"), QStringLiteral("Lumastrand")).clear();
}

void TestReminders::cleanup()
{
    QCOMPARE(TestSupport::clearDialogSeams(), 0);
}

void TestReminders::quitReminderAnswers_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("opened");
    QTest::addColumn<bool>("remindAgain");

    // The application object of a store build opens the store's review page.
    QTest::newRow("rate") << "Rate" << QStringLiteral("ms-windows-store://review/?ProductId=") << false;
    QTest::newRow("mail") << "Mail" << QStringLiteral("mailto:support@halvick.example") << false;
    QTest::newRow("later") << "Later" << QString() << true;
    QTest::newRow("never") << "Don't ask me again" << QString() << false;
    QTest::newRow("closed") << "" << QString() << true;
}

void TestReminders::quitReminderAnswers()
{
    QFETCH(QString, button);
    QFETCH(QString, opened);
    QFETCH(bool, remindAgain);

    qputenv("LUMASTRAND_SERVER", "http://127.0.0.1:9");
    DesktopRecorder desktop;
    ReminderApp app;
    QWidget page;
    page.show();
    app.setMainWidget(&page);
    app.setValue(reminderCount, 4);
    page.close(); // as when the last window closes; the page comes back for the question
    QVERIFY(page.isHidden());

    DialogAnswer answer(button);
    QCOMPARE(app.quitRun(), 0);
    qunsetenv("LUMASTRAND_SERVER");
    QCOMPARE(answer.shown, 1);
    QCOMPARE(answer.className, QStringLiteral("QMWidgets::RateDialog"));
    QCOMPARE(answer.parent, &page);
    QVERIFY(answer.parentVisible);
    QCOMPARE(app.value(autoReminder, true).toBool(), remindAgain);
    QCOMPARE(app.value(reminderCount).toInt(), 5);
    QCOMPARE(desktop.urls.size(), opened.isEmpty() ? 0 : 1);
    if (!opened.isEmpty())
        QVERIFY2(desktop.urls.first().toString().startsWith(opened),
                 qPrintable(desktop.urls.first().toString()));
}

void TestReminders::quitReminderCounting_data()
{
    QTest::addColumn<QVariant>("storedCount");
    QTest::addColumn<bool>("reminderOn");
    QTest::addColumn<int>("interval");
    QTest::addColumn<bool>("reviewFirst"); // an export's review request showed the dialog already
    QTest::addColumn<bool>("dialog");
    QTest::addColumn<int>("countAfter");

    QTest::newRow("fresh profile: count 1, no dialog") << QVariant() << true << 2 << false << false << 2;
    QTest::newRow("second quit") << QVariant(2) << true << 2 << false << true << 3;
    QTest::newRow("third quit") << QVariant(3) << true << 2 << false << false << 4;
    QTest::newRow("interval 3") << QVariant(6) << true << 3 << false << true << 7;
    QTest::newRow("reminder off: nothing counts") << QVariant(2) << false << 2 << false << false << 2;
    QTest::newRow("interval 0 never reminds") << QVariant(2) << true << 0 << false << false << 3;
    QTest::newRow("not twice in one run") << QVariant(2) << true << 2 << true << false << 3;
}

void TestReminders::quitReminderCounting()
{
    QFETCH(QVariant, storedCount);
    QFETCH(bool, reminderOn);
    QFETCH(int, interval);
    QFETCH(bool, reviewFirst);
    QFETCH(bool, dialog);
    QFETCH(int, countAfter);

    DesktopRecorder desktop;
    ReminderApp app(interval);
    if (storedCount.isValid())
        app.setValue(reminderCount, storedCount);
    if (!reminderOn)
        app.setValue(autoReminder, false);
    if (reviewFirst) {
        DialogRunner::setNextResult(ReminderStateDialog::Later);
        QVERIFY(Os::requestReview(false));
        QVERIFY(app.rateDialogShown());
    }

    DialogAnswer answer(QStringLiteral("Later"));
    app.quitRun();
    QCOMPARE(answer.shown, dialog ? 1 : 0);
    if (!dialog)
        DialogRunner::clearHandlers();
    QCOMPARE(app.value(reminderCount, 1).toInt(), countAfter);
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

    // The last request's date is kept too: 367 days later the counts start again.
    ReminderApp app;
    QCOMPARE(app.value(QStringLiteral("RequestedReviewsCount")).toInt(), 3);
    QCOMPARE(app.value(QStringLiteral("RequestedReviewsCalls")).toInt(), 4);
    QCOMPARE(app.value(QStringLiteral("RequestedReviewsLastDate")).toString(), QStringLiteral("2024-05-04"));
    DialogRunner::setNextResult(ReminderStateDialog::Later);
    QVERIFY(Os::requestReview(false, QDate(2025, 5, 6)));
    QCOMPARE(app.value(QStringLiteral("RequestedReviewsCount")).toInt(), 1);
    QCOMPARE(app.value(QStringLiteral("RequestedReviewsCalls")).toInt(), 1);
}

void TestReminders::reviewRequestWithRemindersOff()
{
    DesktopRecorder desktop;
    ReminderApp app;
    app.setValue(autoReminder, false);

    // Counts as made although nothing is shown.
    QVERIFY(Os::requestReview(false, QDate(2024, 2, 2)));
    QVERIFY(!app.rateDialogShown());
    QCOMPARE(app.value(QStringLiteral("RequestedReviewsCount")).toInt(), 1);
    QCOMPARE(app.value(QStringLiteral("RequestedReviewsLastDate")).toString(), QStringLiteral("2024-02-02"));
}

QTEST_APPLESS_MAIN(TestReminders)

#include "tst_reminders.moc"
