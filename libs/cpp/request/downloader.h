#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QUrl>

class QTcpSocket;
class QTimer;

namespace QMRequest {

// Fetches one document over HTTP(S) with a time and a size limit.
//
// start() runs the download in the background and emits finished() once;
// download() waits for it in a nested event loop and returns the body. A
// download fails when the address is not an http or https one, the server
// cannot be reached, answers with anything but status 200, redirects
// (redirects are not followed), sends more than maximumSize() bytes in all
// (status line and headers count: a flood of header lines ends the download
// as soon as it passes the limit, a larger announced length as soon as the
// headers are read), ends before the length it announced, or
// does not finish within timeout() milliseconds.
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

    // Starts a download; a download still running is aborted first (without
    // emitting finished() for it).
    void start(const QUrl& url);
    // Starts a download and waits for it. Returns the body, or an empty array
    // when the download failed (ok, when given, tells which).
    QByteArray download(const QUrl& url, bool* ok = nullptr);
    // Stops a running download; it finishes as failed.
    void abort();

    bool isRunning() const { return m_running; }
    QUrl url() const { return m_url; }
    QByteArray data() const { return m_data; }
    bool succeeded() const { return m_succeeded; }
    bool timedOut() const { return m_timedOut; }
    QString errorString() const { return m_errorString; }

signals:
    void finished(bool ok);

private:
    void sendRequest();
    void onReadyRead();
    void onDisconnected();
    // Reads the status line and the headers; false when the answer failed.
    bool readHead(const QByteArray& head);
    void succeed();
    void fail(const QString& reason);
    void release();

    QTimer* m_timer;
    QPointer<QTcpSocket> m_socket;
    QUrl m_url;
    QByteArray m_head; // the status line and headers while they come in
    QByteArray m_data;
    QString m_errorString;
    // Why an address is refused; told from the event loop like any failure.
    QString m_refusal;
    qint64 m_received = 0;
    qint64 m_contentLength = -1;
    int m_timeout = DefaultTimeout;
    qint64 m_maximumSize = 1024 * 1024;
    bool m_headRead = false;
    bool m_running = false;
    bool m_succeeded = false;
    bool m_timedOut = false;
};

} // namespace QMRequest
