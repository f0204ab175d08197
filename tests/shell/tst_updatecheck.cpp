// The program's usage ping and update check against a server on 127.0.0.1 inside the test.

#include "desktoprecorder.h"
#include "dialogrunner.h"
#include "dialogseams.h"
#include "hangingresolverchild.h"
#include "loopbackserver.h"
#include "messagebox.h"
#include "productapp.h"
#include "testapp.h"

#include <QDialog>
#include <QtTest>

using QMWidgets::DialogRunner;
using QMWidgets::MessageBox;

namespace {
const QString buildInfoPath = QStringLiteral("/apps/buildsinfo/lumastrand_win");

void store(const QString& key, const QVariant& value)
{
    QSettings(QStringLiteral("Halvick"), QStringLiteral("Lumastrand")).setValue("Lumastrand/" + key, value);
}

QString daysAgo(int days)
{
    return QDate::currentDate().addDays(-days).toString(QStringLiteral("yyyy-MM-dd"));
}

// The program with its server on 127.0.0.1 inside the test, which answers the build information
// (status 0: never).
struct Running
{
    AppArgs args;
    ProductApp app { args.argc, args.argv, QStringLiteral("Halvick"), QStringLiteral("Lumastrand") };
    LoopbackServer server;
    explicit Running(int status = 200, const QByteArray& body = "build:date:2000-01-01;windows:xp")
    {
        qputenv("LUMASTRAND_SERVER", server.address().toLatin1());
        status ? server.setAnswer(buildInfoPath, status, body) : server.setSilent(buildInfoPath);
    }
};
} // namespace

class TestUpdateCheck : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        // No test may reach past this machine, whatever it forgets to set.
        qputenv("LUMASTRAND_SERVER", LoopbackServer::unreachableAddress().toLatin1());
    }

    void cleanup()
    {
        const int pending = TestSupport::clearDialogSeams();
        QSettings(QStringLiteral("Halvick"), QStringLiteral("Lumastrand")).clear();
        QCOMPARE(pending, 0);
    }

    void automaticChecksAndPing_data()
    {
        QTest::addColumn<bool>("checkUpdates");
        QTest::newRow("checks on") << true;
        QTest::newRow("checks off") << false;
    }

    void automaticChecksAndPing()
    {
        QFETCH(bool, checkUpdates);
        store(QStringLiteral("checkupdates"), checkUpdates);
        Running run;
        QStringList asked { QStringLiteral("/?") }; // at start: the check where it is on, then the ping
        if (checkUpdates)
            asked.prepend(buildInfoPath);
        QTRY_COMPARE_WITH_TIMEOUT(run.server.requests().replaceInStrings(QRegularExpression("\\?.+"), "?"),
                                  asked, 15000);
        QCOMPARE(run.app.value(ProductApp::lastUpdateCheckKey()).toString(),
                 checkUpdates ? daysAgo(0) : QString());

        // Later ones run six days or more after the last, or when the last lies in the future.
        for (const auto& [days, checks] : { std::pair(5, false), std::pair(6, true), std::pair(-3, true) }) {
            run.app.setValue(ProductApp::lastUpdateCheckKey(), daysAgo(days));
            run.app.slotAutoCheckUpdate();
            QCOMPARE(run.app.isCheckingForUpdates(), checks);
            QCOMPARE(run.app.value(ProductApp::lastUpdateCheckKey()).toString(), daysAgo(checks ? 0 : days));
            QVERIFY(!checks || QSignalSpy(&run.app, &ProductApp::updateCheckFinished).wait(10000));
        }
    }

    void updateCheck_data()
    {
        QTest::addColumn<QString>("askedBy"); // the checks asked for, in order: "a"utomatic, "u"ser
        QTest::addColumn<int>("status"); // 0: the server never answers
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<int>("icon"); // of the message shown, -1: none
        QTest::addColumn<bool>("download"); // click "Download" in the offer

        const QByteArray newer = "build:date:2024-06-01;windows:7";
        const auto row = [](const char* name, const char* askedBy, int status, const QByteArray& body,
                            int outcome, int icon = -1, bool download = false) {
            QTest::newRow(name) << askedBy << status << body << outcome << icon << download;
        };
        // The check at start never bothers the user with failures or "up to date".
        row("newer build", "a", 200, newer, ProductApp::UpdateOffered);
        row("same build", "a", 200, "build:date:2024-01-15;windows:7", ProductApp::UpToDate);
        row("text around it", "a", 200, "Lumastrand\r\nbuild: date : 2024-06-01 ; windows: 10 \r\n",
            ProductApp::UpdateOffered);
        // The oldest Windows the build runs on, against this system's.
        row("needs Windows 11", "a", 200, "build:date:2024-06-01;windows:11", ProductApp::UpToDate);
        row("keys in capitals", "a", 200, "build:DATE:2024-06-01;Windows:XP", ProductApp::UpdateOffered);
        row("unknown windows", "a", 200, "build:date:2024-06-01;windows:3.1", ProductApp::UpToDate);
        row("bad date", "a", 200, "build:date:2024-13-45;windows:7", ProductApp::AnswerUnreadable);
        row("time-out", "a", 0, QByteArray(), ProductApp::CheckFailed);
        row("user: up to date", "u", 200, "build:date:2020-01-01;windows:7", ProductApp::UpToDate,
            QMessageBox::Information);
        row("user: server error", "u", 503, QByteArray(), ProductApp::CheckFailed, QMessageBox::Warning);
        row("user: download", "u", 200, newer, ProductApp::UpdateOffered, -1, true);
        // One request serves both; the user, having asked, hears the result.
        row("user while the automatic one runs", "au", 0, QByteArray(), ProductApp::CheckFailed,
            QMessageBox::Warning);
        row("automatic while the user's runs", "ua", 200, "build:date:2020-01-01;windows:7",
            ProductApp::UpToDate, QMessageBox::Information);
    }

    void updateCheck()
    {
        QFETCH(QString, askedBy);
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(int, outcome);
        QFETCH(int, icon);
        QFETCH(bool, download);

        store(QStringLiteral("checkupdates"), false); // no check at start
        DesktopRecorder desktop;
        Running run(status, body);
        run.app.setBuildDate(QDate(2024, 1, 15));
        run.app.setUpdateTimeout(300);

        if (outcome == ProductApp::UpdateOffered) { // the offer must come up: a handler left over fails
            DialogRunner::setNextHandler([&](QDialog& dialog) {
                return download ? TestSupport::answerDialog(dialog, QStringLiteral("Download"))
                                : dialog.result();
            });
        }
        if (icon >= 0)
            MessageBox::setNextAnswer(QMessageBox::Ok);
        QSignalSpy finished(&run.app, &ProductApp::updateCheckFinished);
        for (const QChar asked : askedBy)
            asked == 'u' ? run.app.slotCheckUpdate() : run.app.slotAutoCheckUpdate();
        QVERIFY(finished.wait(10000));
        QCOMPARE(finished.first().first().toInt(), outcome);
        QCOMPARE(run.server.requests(), QStringList { buildInfoPath });
        QCOMPARE(MessageBox::shown().isEmpty() ? -1 : int(MessageBox::shown().first().icon), icon);
        const QUrl updatePage(run.server.address()
                              + QStringLiteral("/apps/updatepage.php?appname=lumastrand"));
        QCOMPARE(desktop.urls, download ? QList<QUrl> { updatePage } : QList<QUrl>());
    }

    // Offline behind a name server that never answers, the check at start ends quietly at its time
    // bound while the event loop keeps turning, and quitting while the check and the usage ping wait
    // for the lookup ends the program at once. Each row runs in a child process in which the lookup
    // of names under "hang.test" blocks for good; a child still running after 30 s is killed.
    void lookupNeverAnswers_data()
    {
        QTest::addColumn<bool>("quit"); // quit while the check waits, else wait for its end
        QTest::newRow("check at start") << false;
        QTest::newRow("quit while waiting") << true;
    }

    void lookupNeverAnswers()
    {
        if (!TestSupport::resolverHangs()) {
            const QString failure = TestSupport::runThisRowWithHangingResolver();
            QVERIFY2(failure.isEmpty(), qPrintable(failure));
            return;
        }
        QFETCH(bool, quit);
        store(QStringLiteral("checkupdates"), !quit);
        QElapsedTimer clock;
        {
            Running run;
            qputenv("LUMASTRAND_SERVER", "http://lumastrand.hang.test");
            run.app.setUpdateTimeout(500);
            if (quit) {
                run.app.slotAutoCheckUpdate();
                run.app.slotPing();
                QVERIFY(run.app.isCheckingForUpdates());
                QTimer::singleShot(300, &run.app, [&] {
                    clock.start();
                    QCoreApplication::quit();
                });
                run.app.exec();
            } else {
                QSignalSpy finished(&run.app, &ProductApp::updateCheckFinished);
                QVERIFY(QTest::qWaitFor([&] { return run.app.isCheckingForUpdates(); }, 10000));
                clock.start();
                // The longest time the event loop went without turning while the check ran.
                qint64 longestTurn = 0;
                QElapsedTimer sinceTurn;
                sinceTurn.start();
                QTimer turns;
                turns.setTimerType(Qt::PreciseTimer);
                QObject::connect(&turns, &QTimer::timeout,
                                 [&] { longestTurn = qMax(longestTurn, sinceTurn.restart()); });
                turns.start(10);
                QVERIFY(finished.wait(5000));
                QVERIFY2(clock.elapsed() < 1500, qPrintable(QString::number(clock.elapsed())));
                QCOMPARE(finished.first().first().toInt(), int(ProductApp::CheckFailed));
                QVERIFY(MessageBox::shown().isEmpty());
                QVERIFY2(longestTurn < 500, qPrintable(QString::number(longestTurn)));
            }
        }
        // The program, its check and its ping are gone.
        QVERIFY2(clock.elapsed() < 1500, qPrintable(QString::number(clock.elapsed())));
    }
};

QTEST_APPLESS_MAIN(TestUpdateCheck)

#include "tst_updatecheck.moc"
