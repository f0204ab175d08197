// The program's network services: the downloader, the hidden web view's
// usage ping, the build information and the update check, all against a
// server on 127.0.0.1 inside the test.

#include "appargs.h"
#include "customwebview.h"
#include "desktoprecorder.h"
#include "dialogrunner.h"
#include "downloader.h"
#include "loopbackserver.h"
#include "messagebox.h"
#include "platform/systeminfo.h"
#include "productapp.h"
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

// A port on 127.0.0.1 where nothing listens.
quint16 closedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

void setStored(const QString& key, const QVariant& value)
{
    QSettings(QStringLiteral("Halvick"), QStringLiteral("Lumastrand"))
        .setValue(QStringLiteral("Lumastrand/") + key, value);
}
} // namespace

class TestUpdateCheck : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void pingTellsFreshInstallationThenActiveUse();
    void startTimersRunCheckThenPing();
    void startWithoutUpdateChecks();

    void parseBuildInfo_data();
    void parseBuildInfo();
    void systemGenerations_data();
    void systemGenerations();

    void downloader_data();
    void downloader();
    void downloaderWaitsInNestedLoop();

    void automaticCheck_data();
    void automaticCheck();
    void offeredUpdateOpensUpdatePage();
    void checkAskedByUserReports_data();
    void checkAskedByUserReports();
    void automaticCheckAtMostEverySixDays_data();
    void automaticCheckAtMostEverySixDays();
    void directBuildOpensWebPages();
};

void TestUpdateCheck::init()
{
    DialogRunner::clearHandlers();
    MessageBox::clearAnswers();
    MessageBox::clearShown();
    // No test may reach past this machine, whatever it forgets to set.
    qputenv("LUMASTRAND_SERVER", QStringLiteral("http://127.0.0.1:%1").arg(closedPort()).toLatin1());
}

void TestUpdateCheck::cleanup()
{
    QCOMPARE(DialogRunner::pendingHandlers(), 0);
    DialogRunner::clearHandlers();
    MessageBox::clearAnswers();
    QSettings(QStringLiteral("Halvick"), QStringLiteral("Lumastrand")).clear();
}

void TestUpdateCheck::pingTellsFreshInstallationThenActiveUse()
{
    for (const QString& expected : { QStringLiteral("/?f=lumastrand"), QStringLiteral("/?a=lumastrand") }) {
        AppArgs args;
        ProductApp app(args.argc, args.argv, QStringLiteral("Halvick"), QStringLiteral("Lumastrand"));
        LoopbackServer server;
        qputenv("LUMASTRAND_SERVER", server.address().toLatin1());
        server.setAnswer(expected, 200, "ok");

        QSignalSpy navigated(app.webView(), &QMWebView::CustomWebView::navigated);
        app.slotPing();
        QVERIFY(navigated.wait(5000));
        QCOMPARE(navigated.first().first().toBool(), true);
        QCOMPARE(server.requests(), QStringList { expected });
        QVERIFY(app.webView()->isHidden());
    }
}

void TestUpdateCheck::startTimersRunCheckThenPing()
{
    AppArgs args;
    ProductApp app(args.argc, args.argv, QStringLiteral("Halvick"), QStringLiteral("Lumastrand"));
    LoopbackServer server;
    qputenv("LUMASTRAND_SERVER", server.address().toLatin1());
    server.setAnswer(buildInfoPath, 200, "build:date:2000-01-01;windows:xp");

    QTRY_COMPARE_WITH_TIMEOUT(server.requests().size(), 2, 15000);
    QCOMPARE(server.requests().at(0), buildInfoPath);
    QVERIFY(server.requests().at(1).startsWith(QStringLiteral("/?")));
    QCOMPARE(app.value(ProductApp::lastUpdateCheckKey()).toString(),
             QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
}

void TestUpdateCheck::startWithoutUpdateChecks()
{
    setStored(QStringLiteral("checkupdates"), false);
    AppArgs args;
    ProductApp app(args.argc, args.argv, QStringLiteral("Halvick"), QStringLiteral("Lumastrand"));
    LoopbackServer server;
    qputenv("LUMASTRAND_SERVER", server.address().toLatin1());

    QSignalSpy pinged(&server, &LoopbackServer::requested);
    QVERIFY(pinged.wait(15000));
    QCOMPARE(server.requests().size(), 1);
    QVERIFY(server.requests().first().startsWith(QStringLiteral("/?")));
    QVERIFY(!app.value(ProductApp::lastUpdateCheckKey()).isValid());
}

void TestUpdateCheck::parseBuildInfo_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("hasBuild");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<bool>("offered");

    const QByteArray newer = "build:date:2024-06-01;windows:7;version:1.9.3";
    QTest::newRow("newer build for Windows 7") << newer << true << QDate(2024, 6, 1) << true;
    QTest::newRow("text around it") << QByteArray(
        "Lumastrand\r\nbuild: date : 2024-06-01 ; windows: 10 \r\nend")
                                    << true << QDate(2024, 6, 1) << true;
    QTest::newRow("keys in capitals")
        << QByteArray("build:DATE:2024-06-01;Windows:XP") << true << QDate(2024, 6, 1) << true;
    QTest::newRow("same day") << QByteArray("build:date:2024-01-15;windows:7") << true << QDate(2024, 1, 15)
                              << false;
    QTest::newRow("older") << QByteArray("build:date:2023-12-31;windows:7") << true << QDate(2023, 12, 31)
                           << false;
    QTest::newRow("needs Windows 11")
        << QByteArray("build:date:2024-06-01;windows:11") << true << QDate(2024, 6, 1) << false;
    QTest::newRow("no windows entry")
        << QByteArray("build:date:2024-06-01;mac:10.12") << true << QDate(2024, 6, 1) << false;
    QTest::newRow("unknown windows") << QByteArray("build:date:2024-06-01;windows:3.1") << true
                                     << QDate(2024, 6, 1) << false;
    QTest::newRow("bad date") << QByteArray("build:date:2024-13-45;windows:7") << true << QDate() << false;
    QTest::newRow("no build part") << QByteArray("<html>Not found</html>") << false << QDate() << false;
    QTest::newRow("empty") << QByteArray() << false << QDate() << false;
    QTest::newRow("pairs without colon")
        << QByteArray("build:;;date;windows;:7;date:2024-06-01") << true << QDate(2024, 6, 1) << false;
    QTest::newRow("binary junk") << QByteArray("\xff\xfe\x00"
                                               "build:date:\x01;;",
                                               17)
                                 << true << QDate() << false;
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

void TestUpdateCheck::systemGenerations_data()
{
    QTest::addColumn<QString>("oldest");
    QTest::addColumn<bool>("coversThisSystem");

    QTest::newRow("xp") << "xp" << true;
    QTest::newRow("vista") << "Vista" << true;
    QTest::newRow("7") << "7" << true;
    QTest::newRow("8.1") << "8.1" << true;
    QTest::newRow("10") << "10" << true;
    QTest::newRow("11") << "11" << false;
    QTest::newRow("nonsense") << "ten" << false;
    QTest::newRow("empty") << "" << false;
}

void TestUpdateCheck::systemGenerations()
{
    QFETCH(QString, oldest);
    QFETCH(bool, coversThisSystem);
    const UpdateInfo info = UpdateInfo::parse("build:windows:" + oldest.toUtf8());
    QCOMPARE(info.covers(Platform::SystemInfo::windowsGeneration()), coversThisSystem);
    QVERIFY(!Platform::SystemInfo::systemName().isEmpty());
}

void TestUpdateCheck::downloader_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("silent");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<bool>("timedOut");

    QTest::newRow("ok") << 200 << QByteArray("build:date:2024-01-01") << false << false << true << false;
    QTest::newRow("empty ok") << 200 << QByteArray() << false << false << true << false;
    QTest::newRow("not found") << 404 << QByteArray("missing") << false << false << false << false;
    QTest::newRow("server error") << 500 << QByteArray("oops") << false << false << false << false;
    QTest::newRow("redirect is not followed") << 302 << QByteArray() << false << false << false << false;
    QTest::newRow("too large") << 200 << QByteArray(300 * 1024, 'x') << false << false << false << false;
    QTest::newRow("no answer") << 0 << QByteArray() << true << false << false << true;
    QTest::newRow("refused") << 0 << QByteArray() << false << true << false << false;
}

void TestUpdateCheck::downloader()
{
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(bool, silent);
    QFETCH(bool, refused);
    QFETCH(bool, ok);
    QFETCH(bool, timedOut);

    AppArgs args;
    QCoreApplication app(args.argc, args.argv);
    LoopbackServer server;
    if (silent)
        server.setSilent(QStringLiteral("/doc"));
    else
        server.setAnswer(QStringLiteral("/doc"), status, body);
    const QString base = refused ? QStringLiteral("http://127.0.0.1:%1").arg(closedPort()) : server.address();

    QMRequest::Downloader downloader;
    downloader.setTimeout(300);
    downloader.setMaximumSize(256 * 1024);
    QSignalSpy finished(&downloader, &QMRequest::Downloader::finished);
    downloader.start(QUrl(base + QStringLiteral("/doc")));
    QVERIFY(downloader.isRunning());
    QVERIFY(finished.wait(10000));
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished.first().first().toBool(), ok);
    QCOMPARE(downloader.succeeded(), ok);
    QCOMPARE(downloader.timedOut(), timedOut);
    QVERIFY(!downloader.isRunning());
    QCOMPARE(downloader.data(), ok ? body : QByteArray());
    QCOMPARE(downloader.errorString().isEmpty(), ok);
}

void TestUpdateCheck::downloaderWaitsInNestedLoop()
{
    AppArgs args;
    QCoreApplication app(args.argc, args.argv);
    LoopbackServer server;
    server.setAnswer(QStringLiteral("/x"), 200, "payload");
    QMRequest::Downloader downloader;
    bool ok = false;
    QCOMPARE(downloader.download(QUrl(server.address() + QStringLiteral("/x")), &ok), QByteArray("payload"));
    QVERIFY(ok);
    QCOMPARE(downloader.download(QUrl(server.address() + QStringLiteral("/y")), &ok), QByteArray());
    QVERIFY(!ok);
}

void TestUpdateCheck::automaticCheck_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("silent");
    QTest::addColumn<int>("outcome");

    QTest::newRow("newer build") << 200 << QByteArray("build:date:2024-06-01;windows:7") << false
                                 << int(ProductApp::UpdateOffered);
    QTest::newRow("same build") << 200 << QByteArray("build:date:2024-01-15;windows:7") << false
                                << int(ProductApp::UpToDate);
    QTest::newRow("newer build for newer Windows")
        << 200 << QByteArray("build:date:2024-06-01;windows:11") << false << int(ProductApp::UpToDate);
    QTest::newRow("malformed answer")
        << 200 << QByteArray("build:date=2024-06-01,windows=7") << false << int(ProductApp::UpToDate);
    QTest::newRow("html instead") << 200 << QByteArray("<html><body>parked domain</body></html>") << false
                                  << int(ProductApp::UpToDate);
    QTest::newRow("not found") << 404 << QByteArray() << false << int(ProductApp::CheckFailed);
    QTest::newRow("time-out") << 0 << QByteArray() << true << int(ProductApp::CheckFailed);
}

void TestUpdateCheck::automaticCheck()
{
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(bool, silent);
    QFETCH(int, outcome);

    setStored(QStringLiteral("checkupdates"), false);
    DesktopRecorder desktop;
    AppArgs args;
    ProductApp app(args.argc, args.argv, QStringLiteral("Halvick"), QStringLiteral("Lumastrand"));
    app.setBuildDate(QDate(2024, 1, 15));
    app.setUpdateTimeout(300);
    LoopbackServer server;
    qputenv("LUMASTRAND_SERVER", server.address().toLatin1());
    if (silent)
        server.setSilent(buildInfoPath);
    else
        server.setAnswer(buildInfoPath, status, body);

    QString dialogClass;
    if (outcome == ProductApp::UpdateOffered) {
        DialogRunner::setNextHandler([&](QDialog& dialog) {
            dialogClass = QString::fromLatin1(dialog.metaObject()->className());
            return int(QDialog::Rejected);
        });
    }
    QSignalSpy finished(&app, &ProductApp::updateCheckFinished);
    app.slotAutoCheckUpdate();
    QVERIFY(finished.wait(10000));
    QCOMPARE(finished.first().first().toInt(), outcome);
    QCOMPARE(server.requests(), QStringList { buildInfoPath });
    // The check at start never bothers the user with failures or "up to date".
    QVERIFY(MessageBox::shown().isEmpty());
    if (outcome == ProductApp::UpdateOffered)
        QCOMPARE(dialogClass, QStringLiteral("AppUpdateDialog"));
    QVERIFY(desktop.urls.isEmpty());
}

void TestUpdateCheck::offeredUpdateOpensUpdatePage()
{
    DesktopRecorder desktop;
    AppArgs args;
    ProductApp app(args.argc, args.argv, QStringLiteral("Halvick"), QStringLiteral("Lumastrand"));
    app.setBuildDate(QDate(2024, 1, 15));
    LoopbackServer server;
    qputenv("LUMASTRAND_SERVER", server.address().toLatin1());
    server.setAnswer(buildInfoPath, 200, "build:date:2024-06-01;windows:7");

    bool answered = false;
    DialogRunner::setNextHandler([&](QDialog& dialog) {
        for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
            if (button->text() == QLatin1String("Download"))
                QTest::mouseClick(button, Qt::LeftButton);
        }
        answered = true;
        return dialog.result();
    });
    app.slotCheckUpdate();
    QTRY_VERIFY_WITH_TIMEOUT(answered, 10000);
    QCOMPARE(desktop.urls.size(), 1);
    QCOMPARE(desktop.urls.first().toString(),
             server.address() + QStringLiteral("/apps/updatepage.php?appname=lumastrand"));
}

void TestUpdateCheck::checkAskedByUserReports_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("icon");

    QTest::newRow("up to date") << 200 << QByteArray("build:date:2020-01-01;windows:7")
                                << int(QMessageBox::Information);
    QTest::newRow("server error") << 503 << QByteArray() << int(QMessageBox::Warning);
}

void TestUpdateCheck::checkAskedByUserReports()
{
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(int, icon);

    setStored(QStringLiteral("checkupdates"), false);
    AppArgs args;
    ProductApp app(args.argc, args.argv, QStringLiteral("Halvick"), QStringLiteral("Lumastrand"));
    app.setBuildDate(QDate(2024, 1, 15));
    LoopbackServer server;
    qputenv("LUMASTRAND_SERVER", server.address().toLatin1());
    server.setAnswer(buildInfoPath, status, body);

    MessageBox::setNextAnswer(QMessageBox::Ok);
    QSignalSpy finished(&app, &ProductApp::updateCheckFinished);
    app.slotCheckUpdate();
    QVERIFY(finished.wait(10000));
    QCOMPARE(MessageBox::shown().size(), 1);
    QCOMPARE(int(MessageBox::shown().first().icon), icon);
}

void TestUpdateCheck::automaticCheckAtMostEverySixDays_data()
{
    QTest::addColumn<int>("daysAgo");
    QTest::addColumn<bool>("checks");

    QTest::newRow("never checked") << -1000 << true;
    QTest::newRow("yesterday") << 1 << false;
    QTest::newRow("five days") << 5 << false;
    QTest::newRow("six days") << 6 << true;
    QTest::newRow("a month") << 30 << true;
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
    AppArgs args;
    ProductApp app(args.argc, args.argv, QStringLiteral("Halvick"), QStringLiteral("Lumastrand"));
    LoopbackServer server;
    qputenv("LUMASTRAND_SERVER", server.address().toLatin1());

    app.slotAutoCheckUpdate();
    QCOMPARE(app.isCheckingForUpdates(), checks);
    if (checks) {
        QCOMPARE(app.value(ProductApp::lastUpdateCheckKey()).toString(),
                 QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
        QSignalSpy finished(&app, &ProductApp::updateCheckFinished);
        QVERIFY(finished.wait(10000));
    }
}

void TestUpdateCheck::directBuildOpensWebPages()
{
    setStored(QStringLiteral("checkupdates"), false);
    DesktopRecorder desktop;
    AppArgs args;
    ProductApp app(args.argc, args.argv, QStringLiteral("Halvick"), QStringLiteral("Lumastrand"));
    const QString server = ProductApp::serverAddress();

    app.slotRate();
    app.slotShowMoreApps();
    QCOMPARE(desktop.urls.size(), 2);
    QCOMPARE(desktop.urls.at(0).toString(), server + QStringLiteral("/rate.php?appname=lumastrand"));
    QCOMPARE(desktop.urls.at(1).toString(),
             server + QStringLiteral("/apps/crosspromo.php?appname=lumastrand"));
}

int main(int argc, char** argv)
{
    TestUpdateCheck test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_updatecheck.moc"
