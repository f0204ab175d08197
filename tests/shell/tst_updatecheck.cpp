// The program's network services: the downloader, the hidden web view's
// usage ping, the build information and the update check, all against a
// server on 127.0.0.1 inside the test.

#include "customwebview.h"
#include "desktoprecorder.h"
#include "dialogrunner.h"
#include "dialogseams.h"
#include "downloader.h"
#include "loopbackserver.h"
#include "messagebox.h"
#include "platform/systeminfo.h"
#include "productapp.h"
#include "testapp.h"
#include "updateinfo.h"

#include <QDialog>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

using QMWidgets::DialogRunner;
using QMWidgets::MessageBox;

namespace {
const QString buildInfoPath = QStringLiteral("/apps/buildsinfo/lumastrand_win");

void setStored(const QString& key, const QVariant& value)
{
    QSettings(QStringLiteral("Halvick"), QStringLiteral("Lumastrand"))
        .setValue(QStringLiteral("Lumastrand/") + key, value);
}

QString today()
{
    return QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
}

// The program with its server on 127.0.0.1 inside the test.
struct Running
{
    AppArgs args;
    ProductApp app { args.argc, args.argv, QStringLiteral("Halvick"), QStringLiteral("Lumastrand") };
    LoopbackServer server;

    Running() { qputenv("LUMASTRAND_SERVER", server.address().toLatin1()); }
    // Answers the build information (status 0: never answers).
    void answerBuildInfo(int status, const QByteArray& body = QByteArray())
    {
        if (status == 0)
            server.setSilent(buildInfoPath);
        else
            server.setAnswer(buildInfoPath, status, body);
    }
};
} // namespace

class TestUpdateCheck : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void pingTellsFreshInstallationThenActiveUse();
    void startTimersRunCheckThenPing_data();
    void startTimersRunCheckThenPing();

    void parseBuildInfo_data();
    void parseBuildInfo();

    void downloader_data();
    void downloader();

    void updateCheck_data();
    void updateCheck();
    void automaticCheckAtMostEverySixDays_data();
    void automaticCheckAtMostEverySixDays();
    void directBuildOpensWebPages();
};

void TestUpdateCheck::init()
{
    // No test may reach past this machine, whatever it forgets to set.
    qputenv("LUMASTRAND_SERVER", LoopbackServer::unreachableAddress().toLatin1());
}

void TestUpdateCheck::cleanup()
{
    const int pending = TestSupport::clearDialogSeams();
    QSettings(QStringLiteral("Halvick"), QStringLiteral("Lumastrand")).clear();
    QCOMPARE(pending, 0);
}

void TestUpdateCheck::pingTellsFreshInstallationThenActiveUse()
{
    for (const QString& expected : { QStringLiteral("/?f=lumastrand"), QStringLiteral("/?a=lumastrand") }) {
        Running run;
        run.server.setAnswer(expected, 200, "ok");
        QSignalSpy navigated(run.app.webView(), &QMWebView::CustomWebView::navigated);
        run.app.slotPing();
        QVERIFY(navigated.wait(5000));
        QCOMPARE(navigated.first().first().toBool(), true);
        QCOMPARE(run.server.requests(), QStringList { expected });
        QVERIFY(run.app.webView()->isHidden());
    }
}

void TestUpdateCheck::startTimersRunCheckThenPing_data()
{
    QTest::addColumn<bool>("checkUpdates");
    QTest::newRow("checks on") << true;
    QTest::newRow("checks off") << false;
}

void TestUpdateCheck::startTimersRunCheckThenPing()
{
    QFETCH(bool, checkUpdates);
    if (!checkUpdates)
        setStored(QStringLiteral("checkupdates"), false);
    Running run;
    run.answerBuildInfo(200, "build:date:2000-01-01;windows:xp");
    QSignalSpy pinged(&run.server, &LoopbackServer::requested);
    QTRY_VERIFY_WITH_TIMEOUT(
        !pinged.isEmpty() && pinged.last().first().toString().startsWith(QStringLiteral("/?")), 15000);
    QStringList expected { pinged.last().first().toString() };
    if (checkUpdates)
        expected.prepend(buildInfoPath);
    QCOMPARE(run.server.requests(), expected);
    QCOMPARE(run.app.value(ProductApp::lastUpdateCheckKey()).toString(), checkUpdates ? today() : QString());
}

void TestUpdateCheck::parseBuildInfo_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("hasBuild");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<bool>("offered");

    const QDate june(2024, 6, 1);
    const auto row = [](const char* name, const QByteArray& text, bool hasBuild, QDate date, bool offered) {
        QTest::newRow(name) << text << hasBuild << date << offered;
    };
    row("newer build for Windows 7", "build:date:2024-06-01;windows:7;version:1.9.3", true, june, true);
    row("text around it", "Lumastrand\r\nbuild: date : 2024-06-01 ; windows: 10 \r\nend", true, june, true);
    row("keys in capitals", "build:DATE:2024-06-01;Windows:XP", true, june, true);
    row("same day", "build:date:2024-01-15;windows:7", true, QDate(2024, 1, 15), false);
    row("older", "build:date:2023-12-31;windows:7", true, QDate(2023, 12, 31), false);
    // The oldest Windows the build runs on, against this system's.
    row("Vista", "build:date:2024-06-01;windows:Vista", true, june, true);
    row("8.1", "build:date:2024-06-01;windows:8.1", true, june, true);
    row("needs Windows 11", "build:date:2024-06-01;windows:11", true, june, false);
    row("unknown windows", "build:date:2024-06-01;windows:3.1", true, june, false);
    row("windows nonsense", "build:date:2024-06-01;windows:ten", true, june, false);
    row("no windows entry", "build:date:2024-06-01;mac:10.12", true, june, false);
    row("bad date", "build:date:2024-13-45;windows:7", true, QDate(), false);
    row("no build part", "<html>Not found</html>", false, QDate(), false);
    row("empty", QByteArray(), false, QDate(), false);
    row("pairs without colon", "build:;;date;windows;:7;date:2024-06-01", true, june, false);
    row("binary junk", QByteArray::fromHex("fffe00") + "build:date:\x01;;", true, QDate(), false);
}

void TestUpdateCheck::parseBuildInfo()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, hasBuild);
    QFETCH(QDate, date);
    QFETCH(bool, offered);

    const UpdateInfo info = UpdateInfo::parse(text);
    QCOMPARE(info.hasBuild(), hasBuild);
    QCOMPARE(info.date(), date);
    QCOMPARE(info.offersUpdate(QDate(2024, 1, 15), Platform::SystemInfo::windowsGeneration()), offered);
}

void TestUpdateCheck::downloader_data()
{
    QTest::addColumn<int>("status"); // 0: the server never answers
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<bool>("ok");

    QTest::newRow("ok") << 200 << QByteArray("build:date:2024-01-01") << false << true;
    QTest::newRow("empty ok") << 200 << QByteArray() << false << true;
    QTest::newRow("not found") << 404 << QByteArray("missing") << false << false;
    QTest::newRow("redirect is not followed") << 302 << QByteArray() << false << false;
    QTest::newRow("too large") << 200 << QByteArray(300 * 1024, 'x') << false << false;
    QTest::newRow("no answer") << 0 << QByteArray() << false << false;
    QTest::newRow("refused") << 404 << QByteArray() << true << false;
}

void TestUpdateCheck::downloader()
{
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(bool, refused);
    QFETCH(bool, ok);

    AppArgs args;
    QCoreApplication app(args.argc, args.argv);
    LoopbackServer server;
    if (status == 0)
        server.setSilent(QStringLiteral("/doc"));
    else
        server.setAnswer(QStringLiteral("/doc"), status, body);
    const QString base = refused ? LoopbackServer::unreachableAddress() : server.address();

    QMRequest::Downloader downloader;
    downloader.setTimeout(300);
    downloader.setMaximumSize(256 * 1024);
    QSignalSpy finished(&downloader, &QMRequest::Downloader::finished);
    const QUrl url(base + QStringLiteral("/doc"));
    downloader.start(url);
    QVERIFY(downloader.isRunning());
    QVERIFY(finished.wait(10000));
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished.first().first().toBool(), ok);
    QCOMPARE(downloader.succeeded(), ok);
    QCOMPARE(downloader.timedOut(), status == 0);
    QVERIFY(!downloader.isRunning());
    QCOMPARE(downloader.data(), ok ? body : QByteArray());
    QCOMPARE(downloader.errorString().isEmpty(), ok);

    // The blocking form waits in a loop of its own, with the same result.
    bool again = !ok;
    QCOMPARE(downloader.download(url, &again), ok ? body : QByteArray());
    QCOMPARE(again, ok);
}

void TestUpdateCheck::updateCheck_data()
{
    QTest::addColumn<bool>("byUser");
    QTest::addColumn<int>("status"); // 0: the server never answers
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<int>("icon"); // of the message shown, -1: none
    QTest::addColumn<bool>("download"); // click "Download" in the offer

    const QByteArray newer = "build:date:2024-06-01;windows:7";
    const auto row = [](const char* name, bool byUser, int status, const QByteArray& body, int outcome,
                        int icon = -1, bool download = false) {
        QTest::newRow(name) << byUser << status << body << outcome << icon << download;
    };
    // The check at start never bothers the user with failures or "up to date".
    row("newer build", false, 200, newer, ProductApp::UpdateOffered);
    row("same build", false, 200, "build:date:2024-01-15;windows:7", ProductApp::UpToDate);
    row("html instead", false, 200, "<html><body>parked domain</body></html>", ProductApp::AnswerUnreadable);
    row("not found", false, 404, QByteArray(), ProductApp::CheckFailed);
    row("time-out", false, 0, QByteArray(), ProductApp::CheckFailed);
    row("user: up to date", true, 200, "build:date:2020-01-01;windows:7", ProductApp::UpToDate,
        QMessageBox::Information);
    row("user: server error", true, 503, QByteArray(), ProductApp::CheckFailed, QMessageBox::Warning);
    row("user: download", true, 200, newer, ProductApp::UpdateOffered, -1, true);
}

void TestUpdateCheck::updateCheck()
{
    QFETCH(bool, byUser);
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(int, outcome);
    QFETCH(int, icon);
    QFETCH(bool, download);

    setStored(QStringLiteral("checkupdates"), false);
    DesktopRecorder desktop;
    Running run;
    run.app.setBuildDate(QDate(2024, 1, 15));
    run.app.setUpdateTimeout(300);
    run.answerBuildInfo(status, body);

    QString dialogClass;
    if (outcome == ProductApp::UpdateOffered) {
        DialogRunner::setNextHandler([&](QDialog& dialog) {
            dialogClass = QString::fromLatin1(dialog.metaObject()->className());
            return download ? TestSupport::answerDialog(dialog, QStringLiteral("Download")) : dialog.result();
        });
    }
    if (icon >= 0)
        MessageBox::setNextAnswer(QMessageBox::Ok);
    QSignalSpy finished(&run.app, &ProductApp::updateCheckFinished);
    if (byUser)
        run.app.slotCheckUpdate();
    else
        run.app.slotAutoCheckUpdate();
    QVERIFY(finished.wait(10000));
    QCOMPARE(finished.first().first().toInt(), outcome);
    QCOMPARE(run.server.requests(), QStringList { buildInfoPath });
    QCOMPARE(MessageBox::shown().size(), icon >= 0 ? 1 : 0);
    if (icon >= 0)
        QCOMPARE(int(MessageBox::shown().first().icon), icon);
    if (outcome == ProductApp::UpdateOffered)
        QCOMPARE(dialogClass, QStringLiteral("AppUpdateDialog"));
    const QUrl updatePage(run.server.address() + QStringLiteral("/apps/updatepage.php?appname=lumastrand"));
    QCOMPARE(desktop.urls, download ? QList<QUrl> { updatePage } : QList<QUrl>());
}

void TestUpdateCheck::automaticCheckAtMostEverySixDays_data()
{
    QTest::addColumn<int>("daysAgo");
    QTest::addColumn<bool>("checks");

    QTest::newRow("never checked") << -1000 << true;
    QTest::newRow("five days") << 5 << false;
    QTest::newRow("six days") << 6 << true;
    QTest::newRow("in the future") << -3 << true;
}

void TestUpdateCheck::automaticCheckAtMostEverySixDays()
{
    QFETCH(int, daysAgo);
    QFETCH(bool, checks);

    setStored(QStringLiteral("checkupdates"), false);
    if (daysAgo != -1000)
        setStored(ProductApp::lastUpdateCheckKey(),
                  QDate::currentDate().addDays(-daysAgo).toString(QStringLiteral("yyyy-MM-dd")));
    Running run;
    run.app.slotAutoCheckUpdate();
    QCOMPARE(run.app.isCheckingForUpdates(), checks);
    if (checks) {
        QCOMPARE(run.app.value(ProductApp::lastUpdateCheckKey()).toString(), today());
        QVERIFY(QSignalSpy(&run.app, &ProductApp::updateCheckFinished).wait(10000));
    }
}

void TestUpdateCheck::directBuildOpensWebPages()
{
    setStored(QStringLiteral("checkupdates"), false);
    DesktopRecorder desktop;
    Running run;
    run.app.slotRate();
    run.app.slotShowMoreApps();
    const QString server = run.server.address();
    QCOMPARE(desktop.urls,
             QList<QUrl>({ QUrl(server + QStringLiteral("/rate.php?appname=lumastrand")),
                           QUrl(server + QStringLiteral("/apps/crosspromo.php?appname=lumastrand")) }));
}

QTEST_APPLESS_MAIN(TestUpdateCheck)

#include "tst_updatecheck.moc"
