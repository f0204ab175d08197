// The download client against answers it must not take as whole documents,
// served as they are by a server on 127.0.0.1 inside the test.

#include "downloader.h"
#include "loopbackserver.h"

#include <QtTest>

class TestDownloader : public QObject
{
    Q_OBJECT

private slots:
    void answerIsTakenOrRefused_data();
    void answerIsTakenOrRefused();
};

void TestDownloader::answerIsTakenOrRefused_data()
{
    QTest::addColumn<QString>("url"); // %1: the server's address
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QByteArray>("body"); // null: the download fails
    QTest::addColumn<QString>("reason"); // part of the failure's reason, where it matters

    const QString raw = QStringLiteral("%1/raw");
    QTest::newRow("cut short of its length")
        << raw << QByteArray("HTTP/1.0 200 OK\r\nContent-Length: 10\r\n\r\nabc") << QByteArray() << QString();
    QTest::newRow("chunked")
        << raw << QByteArray("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n3\r\nabc\r\n0\r\n\r\n")
        << QByteArray() << QString();
    QTest::newRow("no length, ended by close") << raw << QByteArray("HTTP/1.0 200 OK\r\n\r\nthe whole body")
                                               << QByteArray("the whole body") << QString();
    QTest::newRow("redirect") << raw
                              << QByteArray(
                                     "HTTP/1.0 301 Moved\r\nLocation: /other\r\nContent-Length: 0\r\n\r\n")
                              << QByteArray() << QString();
    // Announced over the 1 MB limit: refused on the headers, not as cut short at the close.
    QTest::newRow("announced too large")
        << raw << QByteArray("HTTP/1.0 200 OK\r\nContent-Length: 1048577\r\n\r\nabc") << QByteArray()
        << QStringLiteral("too large");
    QTest::newRow("ftp") << QStringLiteral("ftp://127.0.0.1/raw") << QByteArray() << QByteArray()
                         << QString();
    QTest::newRow("file") << QStringLiteral("file:///etc/hostname") << QByteArray() << QByteArray()
                          << QString();
}

void TestDownloader::answerIsTakenOrRefused()
{
    QFETCH(QString, url);
    QFETCH(QByteArray, answer);
    QFETCH(QByteArray, body);
    QFETCH(QString, reason);
    LoopbackServer server;
    server.setRawAnswer(QStringLiteral("/raw"), answer);
    QMRequest::Downloader downloader;

    bool ok = false;
    const QByteArray data = downloader.download(QUrl(url.arg(server.address())), &ok);
    QCOMPARE(ok, !body.isNull());
    QCOMPARE(data, body);
    QVERIFY2(downloader.errorString().contains(reason), qPrintable(downloader.errorString()));
    // Only http addresses reach the server.
    QCOMPARE(server.requests().size(), url.startsWith(QLatin1String("%1")) ? 1 : 0);
}

QTEST_GUILESS_MAIN(TestDownloader)

#include "tst_downloader.moc"
