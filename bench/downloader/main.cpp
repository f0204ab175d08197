// Runs the downloader with the update check's limits (7000 ms, 64 KB) against
// hostile and ordinary answers of a server on 127.0.0.1 (on a thread of its
// own) and prints, for each, the result, the time it took, the bytes kept, the
// requests the server got and the longest time the downloader's event loop
// went without turning while the download ran.
//
// Then, each in a child process whose name server never answers (the lookup
// gives up after 20 s, as a resolver's retries do), the time a download takes
// to its bound of 7000 ms with the longest stall of the event loop, and how
// long abort(), deleting the downloader and quitting the application (until
// the process has ended) take 500 ms into the lookup.
//
// Last, how far downloads from a server that never answers, or answers a byte
// every 300 ms, run past time bounds of 1000 and 7000 ms.
#include "downloader.h"
#include "hangingresolverchild.h"
#include "loopbackserver.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

// The longest time the event loop went without turning while it lives.
class StallMeter
{
public:
    StallMeter()
    {
        m_turns.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_turns, &QTimer::timeout,
                         [this] { m_longest = qMax(m_longest, m_sinceTurn.restart()); });
        m_turns.start(1);
        m_sinceTurn.start();
    }
    qint64 longest() const { return qMax(m_longest, m_sinceTurn.elapsed()); }

private:
    QTimer m_turns;
    QElapsedTimer m_sinceTurn;
    qint64 m_longest = 0;
};

// The monotonic clock, the same in every process.
qint64 now()
{
    QElapsedTimer clock;
    clock.start();
    return clock.msecsSinceReference();
}

const QString hangingLookup = QStringLiteral("--hanging-lookup");
const QUrl hangingUrl(QStringLiteral("http://updates.hang.test/apps/buildsinfo/lumastrand_win"));

// In the child: ends a download that waits for the lookup as told and prints the time it took
// and the longest stall; for "quit", the monotonic clock when the application was told to quit.
int runWithHangingLookup(QCoreApplication& app, const QString& ending)
{
    auto* downloader = new QMRequest::Downloader(&app);
    downloader->setMaximumSize(64 * 1024);
    StallMeter stall;
    QElapsedTimer clock;
    clock.start();
    if (ending == QLatin1String("bound")) {
        downloader->download(hangingUrl);
        std::printf("%lld %lld\n", static_cast<long long>(clock.elapsed()),
                    static_cast<long long>(stall.longest()));
        return 0;
    }
    downloader->start(hangingUrl);
    QTimer::singleShot(500, &app, [&] {
        clock.restart();
        if (ending == QLatin1String("abort"))
            downloader->abort();
        else if (ending == QLatin1String("delete"))
            delete downloader;
        std::printf("%lld %lld\n",
                    static_cast<long long>(ending == QLatin1String("quit") ? now() : clock.elapsed()),
                    static_cast<long long>(stall.longest()));
        std::fflush(stdout);
        QCoreApplication::quit();
    });
    return app.exec();
}

// Runs one ending in a child and prints its line.
void measureHangingLookup(const char* name, const QString& ending)
{
    QProcess child;
    child.setProcessEnvironment(TestSupport::hangingResolverEnvironment(20000));
    child.start(QCoreApplication::applicationFilePath(), { hangingLookup, ending });
    const bool ended = child.waitForFinished(60000);
    const qint64 end = now();
    const QList<QByteArray> figures = child.readAllStandardOutput().simplified().split(' ');
    qint64 took = figures.value(0).toLongLong();
    if (ending == QLatin1String("quit"))
        took = end - took;
    if (!ended || figures.size() != 2) {
        child.kill();
        child.waitForFinished();
        std::printf("%-34s %s\n", name, ended ? "failed" : "still running after 60 s");
        return;
    }
    std::printf("%-34s %8lld %8lld\n", name, static_cast<long long>(took), figures.value(1).toLongLong());
}

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
    if (app.arguments().value(1) == hangingLookup)
        return runWithHangingLookup(app, app.arguments().value(2));
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
    const QByteArray cutGzip = S::gzip(document).left(30);
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
        { "gzip cut short, closed", [&](S& s, const QString&) { return raw(s, gzip + cutGzip); } },
        { "gzip cut short, of its length",
          [&](S& s, const QString&) {
              return raw(s,
                         "HTTP/1.1 200 OK\r\nContent-Encoding: gzip\r\nContent-Length: "
                             + QByteArray::number(cutGzip.size()) + "\r\n\r\n" + cutGzip);
          } },
        { "gzip without its trailer",
          [&](S& s, const QString&) { return raw(s, gzip + S::gzip(document).chopped(8)); } },
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

        auto stall = std::make_unique<StallMeter>();
        QElapsedTimer clock;
        clock.start();
        bool ok = false;
        const QByteArray data = downloader.download(QUrl(url), &ok);
        const qint64 elapsed = clock.elapsed();
        const qint64 longestStall = stall->longest();
        stall.reset();
        int requests = 0;
        QMetaObject::invokeMethod(
            server, [&] { requests = server->requests().size(); }, Qt::BlockingQueuedConnection);
        server->deleteLater();
        std::printf("%-34s %-7s %8lld %7d %9d %8lld  %s\n", c.name, ok ? "ok" : "failed",
                    static_cast<long long>(elapsed), int(data.size()), requests,
                    static_cast<long long>(longestStall), qPrintable(downloader.errorString()));
        qunsetenv("http_proxy");
        qunsetenv("https_proxy");
    }

    std::printf("\n%-34s %8s %8s\n", "name lookup never answers", "ms", "stall ms");
    measureHangingLookup("time bound of 7000 ms", QStringLiteral("bound"));
    measureHangingLookup("abort() after 500 ms", QStringLiteral("abort"));
    measureHangingLookup("delete after 500 ms", QStringLiteral("delete"));
    measureHangingLookup("quit after 500 ms, to process end", QStringLiteral("quit"));

    // Eight downloads at once, started 125 ms apart, so that their timers fall at
    // different points of the clock.
    std::printf("\n%-34s %8s %8s %8s %8s\n", "time bound", "bound ms", "runs", "mean over", "max over");
    for (const int interval : { 0, 300 }) {
        for (const int bound : { 1000, 7000 }) {
            auto* server = new LoopbackServer;
            const QString url
                = raw(*server, interval ? head + QByteArray(100, 'x') : QByteArray(), S::StayOpen, interval)
                      .replace(QStringLiteral("%1"), QUrl(server->address()).authority());
            server->moveToThread(&serverThread);
            constexpr int runs = 8;
            std::vector<std::unique_ptr<QMRequest::Downloader>> downloaders;
            std::vector<QElapsedTimer> clocks(runs);
            qint64 total = 0, longest = 0;
            int finished = 0;
            QEventLoop allFinished;
            for (int run = 0; run < runs; ++run) {
                downloaders.push_back(std::make_unique<QMRequest::Downloader>());
                QMRequest::Downloader* downloader = downloaders.back().get();
                downloader->setTimeout(bound);
                QObject::connect(downloader, &QMRequest::Downloader::finished, [&, run, bound] {
                    const qint64 over = clocks[run].elapsed() - bound;
                    total += over;
                    longest = qMax(longest, over);
                    if (++finished == runs)
                        allFinished.quit();
                });
                QTimer::singleShot(run * 125, Qt::PreciseTimer, downloader, [&, run, downloader] {
                    clocks[run].start();
                    downloader->start(QUrl(url));
                });
            }
            allFinished.exec();
            server->deleteLater();
            std::printf("%-34s %8d %8d %8lld %8lld\n", interval ? "a byte every 300 ms" : "never answers",
                        bound, runs, static_cast<long long>(total / runs), static_cast<long long>(longest));
        }
    }
    serverThread.quit();
    serverThread.wait();
    return 0;
}
