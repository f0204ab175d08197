#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QUrl>

class QNetworkAccessManager;
#include <QNetworkReply>
class QTimer;

namespace QMRequest {

// Fetches one document over HTTP(S) with a time limit.
//
// start() runs the download in the background and emits finished() once;
// download() waits for it in a nested event loop and returns the body. A
// download fails when the server cannot be reached, answers with anything but
// status 200, redirects (redirects are not followed), sends more than
// maximumSize() bytes, or does not finish within timeout() milliseconds.
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

    bool isRunning() const { return m_reply != nullptr; }
    QUrl url() const { return m_url; }
    QByteArray data() const { return m_data; }
    bool succeeded() const { return m_succeeded; }
    bool timedOut() const { return m_timedOut; }
    QString errorString() const { return m_errorString; }

signals:
    void finished(bool ok);

private:
    void onReadyRead();
    void onFinished();
    void fail(const QString& reason);
    void release();

    QNetworkAccessManager* m_manager;
    QTimer* m_timer;
    QPointer<QNetworkReply> m_reply;
    QUrl m_url;
    QByteArray m_data;
    QString m_errorString;
    int m_timeout = DefaultTimeout;
    qint64 m_maximumSize = 1024 * 1024;
    bool m_succeeded = false;
    bool m_timedOut = false;
};

} // namespace QMRequest
