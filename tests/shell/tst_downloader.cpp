// The download client against answers it must not take as whole documents, served as they are by
// a server on 127.0.0.1 inside the test, against that server's certificates and its service as
// a proxy, and against name lookups and servers that never answer.

#include "downloader.h"
#include "hangingresolverchild.h"
#include "loopbackserver.h"

#include <QtTest>

class TestDownloader : public QObject
{
    Q_OBJECT

    QTemporaryDir m_certificates;
    // One for all answers: nothing of an earlier download may stay.
    QMRequest::Downloader m_downloader;

private slots:
    void initTestCase()
    {
        // Only the proxies a test names, whatever this machine has set.
        for (const char* name :
             { "http_proxy", "https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY", "no_proxy" })
            qunsetenv(name);
        QVERIFY(LoopbackServer::makeCertificates(m_certificates.path()));
    }

    void answerIsTakenOrRefused_data()
    {
        QTest::addColumn<QString>("url"); // %1: the server's host and port
        QTest::addColumn<QByteArray>("answer"); // %1 as in url
        QTest::addColumn<int>("ending"); // the server's, after a byte every interval ms (0: all at once)
        QTest::addColumn<int>("interval");
        QTest::addColumn<QByteArray>("body"); // null: the download fails
        QTest::addColumn<QString>("reason"); // part of the failure's reason, where it matters

        const QByteArray fails;
        const auto row = [](const QString& name, const QByteArray& answer, const QByteArray& body,
                            const char* reason = "", int ending = LoopbackServer::Close, int interval = 0,
                            const char* url = "http://%1/raw") {
            QTest::newRow(qPrintable(name)) << url << answer << ending << interval << body << reason;
        };
        const QByteArray head = "HTTP/1.0 200 OK\r\n\r\n", document = "build:date:2099-01-01;windows:10;";
        const QByteArray exact = head + QByteArray(64 * 1024 - head.size(), 'x'); // just the limit
        const QByteArray gzip = "HTTP/1.1 200 OK\r\nContent-Encoding: gzip\r\n\r\n";
        row("no length, ended by close", head + document, document);
        row("cut short of its length", "HTTP/1.0 200 OK\r\nContent-Length: 40\r\n\r\n" + document, fails);
        row("reset without a length", head + document, fails, "", LoopbackServer::Reset);
        row("status 206", "HTTP/1.1 206 Partial\r\nContent-Length: 3\r\n\r\nabc", fails, "206");
        row("302", "HTTP/1.1 302 Moved\r\nLocation: http://%1/raw\r\nContent-Length: 0\r\n\r\n", fails,
            "302");
        row("gzip", gzip + LoopbackServer::gzip(document), document);
        // 16 KB as it comes, 16 MB decoded.
        row("gzip bomb", gzip + LoopbackServer::gzip(QByteArray(16 << 20, '\0')), fails, "too large");
        // A compressed answer cut short is no whole answer, whatever says it ended.
        const QByteArray packed = LoopbackServer::gzip(document), cut = packed.left(packed.size() / 2);
        row("gzip cut short", gzip + cut, fails, "cut short");
        row("gzip cut short, of its length",
            "HTTP/1.1 200 OK\r\nContent-Encoding: gzip\r\nContent-Length: " + QByteArray::number(cut.size())
                + "\r\n\r\n" + cut,
            fails, "cut short");
        row("gzip cut short, chunked to the end",
            "HTTP/1.1 200 OK\r\nContent-Encoding: gzip\r\nTransfer-Encoding: chunked\r\n\r\n"
                + QByteArray::number(cut.size(), 16) + "\r\n" + cut + "\r\n0\r\n\r\n",
            fails, "cut short", LoopbackServer::StayOpen);
        row("gzip without its trailer", gzip + packed.chopped(8), fails, "cut short");
        row("gzip of nothing", "HTTP/1.1 200 OK\r\nContent-Encoding: gzip\r\nContent-Length: 0\r\n\r\n",
            fails, "cut short");
        row("gzip in two members", gzip + packed + LoopbackServer::gzip("more"), document + "more");
        const QByteArray deflate = "HTTP/1.1 200 OK\r\nContent-Encoding: deflate\r\n\r\n";
        const QByteArray zlib = qCompress(document).mid(4); // without Qt's length in front
        row("deflate", deflate + zlib, document);
        row("deflate cut short", deflate + zlib.chopped(4), fails, "cut short");
        row("brotli, not asked for", "HTTP/1.1 200 OK\r\nContent-Encoding: br\r\n\r\n" + document, fails,
            "unsupported encoding (br)");
        row("exactly the limit", exact, exact.mid(head.size()));
        // Kept open: a client that waited for more would run into its time limit.
        row("over the limit", exact + 'x', fails, "too large", LoopbackServer::StayOpen);
        row("header flood", "HTTP/1.1 200 OK\r\n" + QByteArray("X-Filler: fffff\r\n").repeated(8192), fails,
            "too large", LoopbackServer::StayOpen);
        row("announced too large", "HTTP/1.0 200 OK\r\nContent-Length: 65537\r\n\r\nabc", fails, "too large",
            LoopbackServer::StayOpen);
        row("a byte every 100 ms", head + document, fails, "in time", LoopbackServer::Close, 100);
        row("ftp", QByteArray(), fails, "not supported", LoopbackServer::Close, 0, "ftp://%1/raw");
        row("file", QByteArray(), fails, "not supported", LoopbackServer::Close, 0, "file:///etc/hostname");
    }

    void answerIsTakenOrRefused()
    {
        QFETCH(QString, url);
        QFETCH(QByteArray, answer);
        QFETCH(int, ending);
        QFETCH(int, interval);
        QFETCH(QByteArray, body);
        QFETCH(QString, reason);
        LoopbackServer server;
        const QString host = QUrl(server.address()).authority();
        server.setRawAnswer(QStringLiteral("/raw"), answer.replace("%1", host.toLatin1()),
                            LoopbackServer::Ending(ending), interval);
        m_downloader.setTimeout(1500);
        m_downloader.setMaximumSize(64 * 1024);
        QSignalSpy finished(&m_downloader, &QMRequest::Downloader::finished);

        bool ok = false;
        const QByteArray data = m_downloader.download(QUrl(url.replace(QStringLiteral("%1"), host)), &ok);
        QCOMPARE(ok, !body.isNull());
        QCOMPARE(data, body);
        QCOMPARE(m_downloader.data(), data);
        QCOMPARE(finished.count(), 1);
        QVERIFY2(m_downloader.errorString().contains(reason), qPrintable(m_downloader.errorString()));
        QCOMPARE(m_downloader.timedOut(), reason == QLatin1String("in time"));
        // Only http addresses reach the server, and only once: redirects are not followed.
        QCOMPARE(server.requests().size(), url.startsWith(QLatin1String("http")) ? 1 : 0);
    }

    void certificateAndProxy_data()
    {
        QTest::addColumn<QString>("certificate"); // none: plain http
        QTest::addColumn<bool>("proxy"); // the server is the environment's proxy
        QTest::addColumn<QStringList>("requests"); // as the server got them, %1: the address asked for
        QTest::newRow("signed by the authority") << "good" << false << QStringList { "/raw" };
        // Refused before a request is sent.
        QTest::newRow("self-signed") << "self" << false << QStringList();
        QTest::newRow("another host's") << "other" << false << QStringList();
        QTest::newRow("expired") << "expired" << false << QStringList();
        // As a GET of the whole address for http, through a tunnel for https.
        QTest::newRow("https through a proxy") << "good" << true << QStringList { "CONNECT %1", "/raw" };
        QTest::newRow("http through a proxy") << QString() << true << QStringList { "http://%1/raw" };
    }

    void certificateAndProxy()
    {
        QFETCH(QString, certificate);
        QFETCH(bool, proxy);
        QFETCH(QStringList, requests);
        const QString dir = m_certificates.path() + QLatin1Char('/');
        LoopbackServer server;
        if (!certificate.isEmpty())
            server.setCertificate(dir + certificate + QStringLiteral(".pem"), dir + QStringLiteral("key.pem"),
                                  proxy);
        server.setAnswer(QStringLiteral("/raw"), 200, "document");
        // Through the proxy the address asked for is one where nothing listens.
        const QString host
            = QUrl(proxy ? LoopbackServer::unreachableAddress() : server.address()).authority();
        qputenv(certificate.isEmpty() ? "http_proxy" : "https_proxy",
                proxy ? server.address().toLatin1() : "");
        m_downloader.setCertificateAuthorities(dir + QStringLiteral("ca.pem"));
        bool ok = false;
        const QByteArray data = m_downloader.download(
            QUrl(QStringLiteral("%1://%2/raw").arg(certificate.isEmpty() ? "http" : "https", host)), &ok);
        QCOMPARE(data, ok ? QByteArray("document") : QByteArray());
        QCOMPARE(server.requests(), requests.replaceInStrings(QStringLiteral("%1"), host));
        QCOMPARE(ok, !requests.isEmpty());
    }

    // A download that waits for a name lookup or a server that never answers ends at its time bound,
    // and abort(), deleting the downloader and deleting it while download() waits return at once.
    // Each row runs in a child process in which the lookup of names under "hang.test" blocks for
    // good; a child still waiting after 30 s is killed.
    void stopsAtOnce_data()
    {
        QTest::addColumn<bool>("lookupHangs"); // else the server never answers
        QTest::addColumn<QString>("ending");
        QTest::newRow("lookup: time bound") << true << "bound";
        QTest::newRow("lookup: abort") << true << "abort";
        QTest::newRow("lookup: delete") << true << "delete";
        QTest::newRow("lookup: deleteLater while download() waits") << true << "deleteLater in download";
        QTest::newRow("server: delete while download() waits") << false << "delete in download";
    }

    void stopsAtOnce()
    {
        if (!TestSupport::resolverHangs()) {
            const QString failure = TestSupport::runThisRowWithHangingResolver();
            QVERIFY2(failure.isEmpty(), qPrintable(failure));
            return;
        }
        QFETCH(bool, lookupHangs);
        QFETCH(QString, ending);
        LoopbackServer server;
        server.setSilent(QStringLiteral("/raw"));
        const QUrl url(lookupHangs ? QStringLiteral("http://updates.hang.test/raw")
                                   : server.address() + "/raw");
        QPointer<QMRequest::Downloader> downloader = new QMRequest::Downloader;
        const int bound = ending == QLatin1String("bound") ? 500 : 60000;
        downloader->setTimeout(bound);
        QSignalSpy finished(downloader.data(), &QMRequest::Downloader::finished);
        QElapsedTimer clock;

        if (ending.endsWith(QLatin1String("in download"))) {
            QTimer::singleShot(300, this, [&] {
                clock.start();
                if (!downloader)
                    return;
                ending.startsWith(QLatin1String("deleteLater")) ? downloader->deleteLater()
                                                                : delete downloader.data();
            });
            bool ok = true;
            const QByteArray data = downloader->download(url, &ok);
            QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
            QVERIFY(!downloader);
            QVERIFY(!ok);
            QVERIFY(data.isEmpty());
            return;
        }

        clock.start();
        downloader->start(url);
        if (ending == QLatin1String("bound")) {
            QVERIFY(finished.wait(5000));
            QVERIFY2(clock.elapsed() < bound + 1000, qPrintable(QString::number(clock.elapsed())));
            QVERIFY(downloader->timedOut());
            QCOMPARE(finished.first().first().toBool(), false);
        } else {
            QTest::qWait(300);
            QVERIFY(downloader->isRunning());
            clock.restart();
            ending == QLatin1String("abort") ? downloader->abort() : delete downloader.data();
            QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
            QCOMPARE(finished.count(), downloader ? 1 : 0);
        }
        delete downloader.data();
    }
};

QTEST_GUILESS_MAIN(TestDownloader)

#include "tst_downloader.moc"
