// The rate reminder at quit, the review requests after an export, and the
// counts they keep across program runs.

#include "app.h"
#include "desktoprecorder.h"
#include "dialogrunner.h"
#include "dialogseams.h"
#include "os.h"
#include "ratedialog.h"
#include "testapp.h"

#include <QtTest>

using QMWidgets::App;
using QMWidgets::DialogRunner;
using QMWidgets::ReminderStateDialog;

namespace {
const QString reminderCount = QStringLiteral("AutoReminderCount");

// The program's application object, with the rate reminder every interval-th quit.
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
} // namespace

class TestReminders : public QObject
{
    Q_OBJECT

private slots:
    void init() { QSettings(QStringLiteral("Halvick"), QStringLiteral("Lumastrand")).clear(); }

    void cleanup() { QCOMPARE(TestSupport::clearDialogSeams(), 0); }

    void quitReminder_data()
    {
        QTest::addColumn<QVariant>("storedCount");
        QTest::addColumn<bool>("reminderOn");
        QTest::addColumn<int>("interval");
        QTest::addColumn<bool>("reviewFirst"); // an export's review request showed the dialog already
        QTest::addColumn<QString>("answer"); // the button clicked in the dialog ("" Escape), "-": no dialog
        QTest::addColumn<int>("countAfter");
        QTest::addColumn<bool>("remindAgain");

        QTest::newRow("fresh profile: count 1, no dialog")
            << QVariant() << true << 2 << false << "-" << 2 << true;
        QTest::newRow("second quit: rate") << QVariant(2) << true << 2 << false << "Rate" << 3 << false;
        QTest::newRow("later") << QVariant(4) << true << 2 << false << "Later" << 5 << true;
        QTest::newRow("mail") << QVariant(4) << true << 2 << false << "Mail" << 5 << false;
        QTest::newRow("never") << QVariant(4) << true << 2 << false << "Don't ask me again" << 5 << false;
        QTest::newRow("closed") << QVariant(4) << true << 2 << false << "" << 5 << true;
        QTest::newRow("third quit") << QVariant(3) << true << 2 << false << "-" << 4 << true;
        QTest::newRow("interval 3") << QVariant(6) << true << 3 << false << "Later" << 7 << true;
        QTest::newRow("reminder off: nothing counts")
            << QVariant(2) << false << 2 << false << "-" << 2 << false;
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

        qputenv("LUMASTRAND_SERVER", "http://127.0.0.1:9");
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
            return TestSupport::answerDialog(dialog, answer);
        });
        QCOMPARE(app.quitRun(), 0);
        qunsetenv("LUMASTRAND_SERVER");
        if (answer == QLatin1String("-"))
            DialogRunner::clearHandlers();
        QCOMPARE(shown, answer == QLatin1String("-") ? 0 : 1);
        QCOMPARE(parentShown, shown == 1);
        QCOMPARE(app.value(reminderCount, 1).toInt(), countAfter);
        QCOMPARE(app.value(QStringLiteral("AutoReminder"), true).toBool(), remindAgain);
        // "Rate" opens the store's review page, "Mail" a mail to the maker.
        const QString link = answer == QLatin1String("Rate") ? "ms-windows-store://review/"
            : answer == QLatin1String("Mail")                ? "mailto:support@"
                                                             : "";
        QCOMPARE(desktop.urls.size(), link.isEmpty() ? 0 : 1);
        QVERIFY(link.isEmpty() || desktop.urls.first().toString().startsWith(link));
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

        // The last request's date is kept too: 367 days later the counts start
        // again, and a request with reminders off counts although nothing is shown.
        ReminderApp app;
        QCOMPARE(app.value(QStringLiteral("RequestedReviewsLastDate")).toString(),
                 QStringLiteral("2024-05-04"));
        app.setValue(QStringLiteral("AutoReminder"), false);
        QVERIFY(Os::requestReview(false, QDate(2025, 5, 6)));
        QVERIFY(!app.rateDialogShown());
        QCOMPARE(app.value(QStringLiteral("RequestedReviewsCount")).toInt(), 1);
        QCOMPARE(app.value(QStringLiteral("RequestedReviewsCalls")).toInt(), 1);
    }
};

QTEST_APPLESS_MAIN(TestReminders)

#include "tst_reminders.moc"
