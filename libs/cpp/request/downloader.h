#pragma once

#include <QByteArray>
#include <QObject>
#include <QUrl>

#include <memory>

class QTimer;

namespace QMRequest {

// Fetches one document over HTTP(S) with a time and a size limit, through
// libcurl.
//
// start() runs the download in the background and emits finished() once;
// download() waits for it in a nested event loop and returns the body. The
// transfer runs on the calling thread: curl's multi interface is driven by
// the Qt event loop (socket notifiers and a timer), so the thread stays free
// while it waits, also while a name lookup waits for a name server that never
// answers: the download still ends at its time bound, and abort(), start()
// and deleting the downloader return at once. A download fails when the
// address is not an http or https one, the server cannot be reached, its
// certificate does not verify against the system's certificate authorities for
// the host's name, the server answers with anything but status 200, redirects
// (redirects are not followed), sends more than maximumSize() bytes in all
// (headers and the decoded body count together: the download ends as soon as
// they pass the limit, and at once on an announced length over it), the
// connection is reset or ends short of the announced length or the last chunk,
// a compressed body (gzip or deflate; others are not understood) is damaged or
// does not come to its end, or the whole download takes longer than timeout()
// milliseconds. Proxies named by the environment (http_proxy, https_proxy,
// no_proxy) are used. A failed download keeps no data.
class Downloader : public QObject
{
    Q_OBJECT

public:
    explicit Downloader(QObject* parent = nullptr);
    ~Downloader() override;

    static constexpr int DefaultTimeout = 7000;

    void setTimeout(int milliseconds) { m_timeout = milliseconds; }
    int timeout() const { return m_timeout; }
    void setMaximumSize(qint64 bytes) { m_maximumSize = bytes; }
    qint64 maximumSize() const { return m_maximumSize; }
    // Trusts only the certificate authorities in this PEM file instead of the
    // system's. For tests against servers with certificates of their own.
    void setCertificateAuthorities(const QString& pemFile) { m_authorities = pemFile; }

    // Starts a download; a download still running is aborted first (without
    // emitting finished() for it).
    void start(const QUrl& url);
    // Starts a download and waits for it. Returns the body, or an empty array
    // when the download failed (ok, when given, tells which). Deleting the
    // downloader while it waits ends the wait as a failure.
    QByteArray download(const QUrl& url, bool* ok = nullptr);
    // Stops a running download; it finishes as failed.
    void abort();

    bool isRunning() const { return m_transfer != nullptr; }
    QUrl url() const { return m_url; }
    QByteArray data() const { return m_data; }
    bool succeeded() const { return m_succeeded; }
    bool timedOut() const { return m_timedOut; }
    QString errorString() const { return m_errorString; }

signals:
    void finished(bool ok);

private:
    struct Transfer; // curl's handles and socket notifiers of the running download

    // Counts bytes of the answer (headers or decoded body); false once they
    // pass the limit.
    bool count(qint64 bytes);
    // Ends the running download: successfully when reason is empty.
    void finish(const QString& reason);
    void release();

    std::unique_ptr<Transfer> m_transfer;
    QTimer* m_curlTimer; // when curl wants to be called back
    QUrl m_url;
    QByteArray m_data;
    QString m_errorString;
    QString m_authorities;
    qint64 m_received = 0;
    qint64 m_maximumSize = 1024 * 1024;
    int m_timeout = DefaultTimeout;
    bool m_tooLarge = false;
    bool m_succeeded = false;
    bool m_timedOut = false;
};

} // namespace QMRequest
