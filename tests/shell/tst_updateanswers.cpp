// The update check against answers that are not what it asks for: pages that
// are no build information, and answers over its 64 KB, headers included.
// The server runs on 127.0.0.1 inside the test.

#include "dialogseams.h"
#include "loopbackserver.h"
#include "messagebox.h"
#include "productapp.h"
#include "testapp.h"

#include <QtTest>

using QMWidgets::MessageBox;

class TestUpdateAnswers : public QObject
{
    Q_OBJECT

private slots:
    void answerIsReadOrRefused_data();
    void answerIsReadOrRefused();
};

void TestUpdateAnswers::answerIsReadOrRefused_data()
{
    QTest::addColumn<bool>("byUser");
    QTest::addColumn<int>("headerBytes"); // of extra header lines
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("outcome");

    const QByteArray sameBuild = "build:date:2024-01-15;windows:7\n";
    const auto row = [](const char* name, bool byUser, int headerBytes, const QByteArray& body, int outcome) {
        QTest::newRow(name) << byUser << headerBytes << body << outcome;
    };
    row("user: web page", true, 0, "<html><body>parked domain</body></html>", ProductApp::AnswerUnreadable);
    row("user: build without date", true, 0, "build:windows:7;version:2.0", ProductApp::AnswerUnreadable);
    row("at start: web page", false, 0, "<html></html>", ProductApp::AnswerUnreadable);
    row("headers within the limit", false, 20 * 1024, sameBuild + QByteArray(20 * 1024, 'x'),
        ProductApp::UpToDate);
    row("headers and body over it together", false, 40 * 1024, sameBuild + QByteArray(30 * 1024, 'x'),
        ProductApp::CheckFailed);
    row("flood of header lines", false, 8 * 1024 * 1024, sameBuild, ProductApp::CheckFailed);
}

void TestUpdateAnswers::answerIsReadOrRefused()
{
    QFETCH(bool, byUser);
    QFETCH(int, headerBytes);
    QFETCH(QByteArray, body);
    QFETCH(int, outcome);

    QSettings settings(QStringLiteral("Halvick"), QStringLiteral("Lumastrand"));
    settings.setValue(QStringLiteral("Lumastrand/checkupdates"), false);
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
    if (byUser)
        app.slotCheckUpdate();
    else
        app.slotAutoCheckUpdate();
    QVERIFY(finished.wait(30000));
    QCOMPARE(finished.first().first().toInt(), outcome);
    // Refused as it comes in, long before the time limit.
    QVERIFY2(clock.elapsed() < 10000, qPrintable(QString::number(clock.elapsed())));
    // A user who asked hears a warning, not that all is up to date.
    QCOMPARE(MessageBox::shown().size(), byUser ? 1 : 0);
    QVERIFY(!byUser || MessageBox::shown().first().icon == QMessageBox::Warning);
    TestSupport::clearDialogSeams();
    settings.clear();
}

QTEST_APPLESS_MAIN(TestUpdateAnswers)

#include "tst_updateanswers.moc"
