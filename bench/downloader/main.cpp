// Runs the downloader with the update check's limits (7000 ms, 64 KB) against
// hostile and ordinary answers of a server on 127.0.0.1 (on a thread of its
// own) and prints, for each, the result, the time it took, the bytes kept, the
// requests the server got and the longest time the downloader's event loop
// went without turning while the download ran.
#include "downloader.h"
#include "loopbackserver.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include <cstdio>
#include <functional>

namespace {

struct Case
{
    const char* name;
    // Sets the server up and returns the address to fetch (%1: the server's host and port).
    std::function<QString(LoopbackServer&, const QString& certificates)> setUp;
};

const QByteArray head = "HTTP/1.0 200 OK\r\n\r\n";
const QByteArray document = "build:date:2099-01-01;windows:10;";

QString raw(LoopbackServer& server, const QByteArray& bytes,
            LoopbackServer::Ending ending = LoopbackServer::Close, int interval = 0)
{
    server.setRawAnswer(QStringLiteral("/raw"), bytes, ending, interval);
    return QStringLiteral("http://%1/raw");
}

QString tls(LoopbackServer& server, const QString& certificates, const char* name)
{
    server.setCertificate(certificates + QLatin1String(name) + QStringLiteral(".pem"),
                          certificates + QStringLiteral("key.pem"));
    server.setAnswer(QStringLiteral("/raw"), 200, document);
    return QStringLiteral("https://%1/raw");
}

QString redirect(LoopbackServer& server, const char* status, const char* to)
{
    return raw(server,
               "HTTP/1.1 " + QByteArray(status) + " Moved\r\nLocation: " + to
                   + "\r\nContent-Length: 0\r\n\r\n");
}

QString throughProxy(LoopbackServer& server, const QString& certificates, bool secure)
{
    if (secure)
        server.setCertificate(certificates + QStringLiteral("good.pem"),
                              certificates + QStringLiteral("key.pem"), true);
    server.setAnswer(QStringLiteral("/raw"), 200, document);
    qputenv(secure ? "https_proxy" : "http_proxy", server.address().toLatin1());
    const QString unreachable = QUrl(LoopbackServer::unreachableAddress()).authority();
    return QStringLiteral("%1://%2/raw").arg(QLatin1String(secure ? "https" : "http"), unreachable);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    for (const char* name :
         { "http_proxy", "https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY", "no_proxy" })
        qunsetenv(name);
    QTemporaryDir dir;
    if (!LoopbackServer::makeCertificates(dir.path())) {
        std::fprintf(stderr, "could not make the test certificates\n");
        return 1;
    }
    const QString certificates = dir.path() + QLatin1Char('/');
    const QByteArray gzip = "HTTP/1.1 200 OK\r\nContent-Encoding: gzip\r\n\r\n";
    using S = LoopbackServer;
    const QByteArray bomb = S::gzip(QByteArray(32 << 20, '\0'));
    const QByteArray flood = "HTTP/1.1 200 OK\r\n" + QByteArray("X-Filler: fffff\r\n").repeated(1 << 20);

    const std::vector<Case> cases {
        { "ordinary answer", [&](S& s, const QString&) { return raw(s, head + document); } },
        { "gzip answer", [&](S& s, const QString&) { return raw(s, gzip + S::gzip(document)); } },
        { "one byte a second",
          [&](S& s, const QString&) { return raw(s, head + document, S::Close, 1000); } },
        { "never answers", [&](S& s, const QString&) { return raw(s, QByteArray(), S::StayOpen); } },
        { "reset mid-body, no length",
          [&](S& s, const QString&) { return raw(s, head + document, S::Reset); } },
        { "cut short of its length",
          [&](S& s, const QString&) {
              return raw(s, "HTTP/1.0 200 OK\r\nContent-Length: 40\r\n\r\n" + document);
          } },
        { "gzip bomb (32 MB of zeros)", [&](S& s, const QString&) { return raw(s, gzip + bomb); } },
        { "header flood (17 MB), kept open",
          [&](S& s, const QString&) { return raw(s, flood, S::StayOpen); } },
        { "body of 16 MB, kept open",
          [&](S& s, const QString&) { return raw(s, head + QByteArray(16 << 20, 'x'), S::StayOpen); } },
        { "announced 16 MB, kept open",
          [&](S& s, const QString&) {
              return raw(s, "HTTP/1.0 200 OK\r\nContent-Length: 16777216\r\n\r\nabc", S::StayOpen);
          } },
        { "TLS signed by the authority", [&](S& s, const QString& c) { return tls(s, c, "good"); } },
        { "TLS self-signed", [&](S& s, const QString& c) { return tls(s, c, "self"); } },
        { "TLS for another host", [&](S& s, const QString& c) { return tls(s, c, "other"); } },
        { "TLS expired", [&](S& s, const QString& c) { return tls(s, c, "expired"); } },
        { "http through a proxy", [&](S& s, const QString& c) { return throughProxy(s, c, false); } },
        { "https through a proxy", [&](S& s, const QString& c) { return throughProxy(s, c, true); } },
        { "301 to http", [&](S& s, const QString&) { return redirect(s, "301", "http://127.0.0.1:1/"); } },
        { "302 to https", [&](S& s, const QString&) { return redirect(s, "302", "https://127.0.0.1:1/"); } },
        { "302 to file", [&](S& s, const QString&) { return redirect(s, "302", "file:///etc/passwd"); } },
        { "ftp address", [&](S&, const QString&) { return QStringLiteral("ftp://%1/raw"); } },
        { "file address", [&](S&, const QString&) { return QStringLiteral("file:///etc/passwd"); } },
    };

    std::printf("%-34s %-7s %8s %7s %9s %8s  %s\n", "answer", "result", "ms", "kept", "requests", "stall ms",
                "reason");
    QThread serverThread;
    serverThread.start();
    for (const Case& c : cases) {
        auto* server = new LoopbackServer;
        const QString host = QUrl(server->address()).authority();
        const QString url = c.setUp(*server, certificates).replace(QStringLiteral("%1"), host);
        server->moveToThread(&serverThread);
        QMRequest::Downloader downloader;
        downloader.setMaximumSize(64 * 1024);
        downloader.setCertificateAuthorities(certificates + QStringLiteral("ca.pem"));

        // The longest gap between turns of the event loop while the download runs.
        QElapsedTimer sinceTurn;
        qint64 stall = 0;
        QTimer turns;
        QObject::connect(&turns, &QTimer::timeout, [&] { stall = qMax(stall, sinceTurn.restart()); });
        turns.start(1);
        sinceTurn.start();
        QElapsedTimer clock;
        clock.start();
        bool ok = false;
        const QByteArray data = downloader.download(QUrl(url), &ok);
        const qint64 elapsed = clock.elapsed();
        turns.stop();
        int requests = 0;
        QMetaObject::invokeMethod(
            server, [&] { requests = server->requests().size(); }, Qt::BlockingQueuedConnection);
        server->deleteLater();
        std::printf("%-34s %-7s %8lld %7d %9d %8lld  %s\n", c.name, ok ? "ok" : "failed",
                    static_cast<long long>(elapsed), int(data.size()), requests,
                    static_cast<long long>(stall), qPrintable(downloader.errorString()));
        qunsetenv("http_proxy");
        qunsetenv("https_proxy");
    }
    serverThread.quit();
    serverThread.wait();
    return 0;
}
