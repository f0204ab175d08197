#include "downloader.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QSslSocket>
#include <QTimer>

namespace QMRequest {

Downloader::Downloader(QObject* parent)
    : QObject(parent)
    , m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, [this] {
        if (!m_refusal.isEmpty()) {
            fail(m_refusal);
            return;
        }
        m_timedOut = true;
        fail(tr("The server did not answer in time"));
    });
}

Downloader::~Downloader()
{
    release();
}

void Downloader::start(const QUrl& url)
{
    release();
    m_url = url;
    m_head.clear();
    m_data.clear();
    m_errorString.clear();
    m_refusal.clear();
    m_received = 0;
    m_contentLength = -1;
    m_headRead = false;
    m_succeeded = false;
    m_timedOut = false;
    m_running = true;

    const QString scheme = url.scheme().toLower();
    const bool secure = scheme == QLatin1String("https");
    if (!url.isValid() || url.host().isEmpty() || (!secure && scheme != QLatin1String("http"))) {
        m_refusal = tr("%1 is no web address").arg(url.toDisplayString());
        m_timer->start(0);
        return;
    }

    QTcpSocket* socket = secure ? new QSslSocket(this) : new QTcpSocket(this);
    m_socket = socket;
    connect(socket, &QTcpSocket::readyRead, this, &Downloader::onReadyRead);
    connect(socket, &QTcpSocket::disconnected, this, &Downloader::onDisconnected);
    connect(socket, &QAbstractSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
        // A server that closes after its answer ends the body.
        if (error == QAbstractSocket::RemoteHostClosedError)
            onDisconnected();
        else if (m_socket)
            fail(m_socket->errorString());
    });
    const quint16 port = quint16(url.port(secure ? 443 : 80));
    if (secure) {
        auto* ssl = static_cast<QSslSocket*>(socket);
        connect(ssl, &QSslSocket::encrypted, this, &Downloader::sendRequest);
        ssl->connectToHostEncrypted(url.host(), port);
    } else {
        connect(socket, &QTcpSocket::connected, this, &Downloader::sendRequest);
        socket->connectToHost(url.host(), port);
    }
    m_timer->start(m_timeout);
}

QByteArray Downloader::download(const QUrl& url, bool* ok)
{
    QEventLoop loop;
    connect(this, &Downloader::finished, &loop, &QEventLoop::quit);
    start(url);
    if (isRunning())
        loop.exec();
    if (ok)
        *ok = m_succeeded;
    return m_succeeded ? m_data : QByteArray();
}

void Downloader::abort()
{
    if (isRunning())
        fail(tr("The download was stopped"));
}

void Downloader::sendRequest()
{
    if (!m_socket)
        return;
    QByteArray target = m_url.path(QUrl::FullyEncoded).toLatin1();
    if (target.isEmpty())
        target = "/";
    if (m_url.hasQuery())
        target += '?' + m_url.query(QUrl::FullyEncoded).toLatin1();
    const QByteArray host = m_url.adjusted(QUrl::RemoveUserInfo).authority(QUrl::FullyEncoded).toLatin1();
    const QByteArray agent
        = (QCoreApplication::applicationName() + QLatin1Char('/') + QCoreApplication::applicationVersion())
              .toUtf8();
    // HTTP/1.0 with a Host header: the body comes whole, never in chunks, and
    // ends with its announced length or with the connection.
    m_socket->write("GET " + target + " HTTP/1.0\r\nHost: " + host + "\r\nUser-Agent: " + agent
                    + "\r\nAccept: */*\r\nConnection: close\r\n\r\n");
}

void Downloader::onReadyRead()
{
    if (!m_socket)
        return;
    const QByteArray bytes = m_socket->readAll();
    m_received += bytes.size();
    if (m_received > m_maximumSize) {
        fail(tr("The answer is too large"));
        return;
    }
    if (m_headRead) {
        m_data += bytes;
    } else {
        // Looked for from a little before the new bytes, where the blank line may have begun.
        const int from = qMax(0, m_head.size() - 3);
        m_head += bytes;
        const int end = m_head.indexOf("\r\n\r\n", from);
        if (end < 0)
            return;
        m_data = m_head.mid(end + 4);
        if (!readHead(m_head.left(end)))
            return;
        m_head.clear();
        m_headRead = true;
    }
    if (m_contentLength >= 0 && m_data.size() >= m_contentLength) {
        m_data.truncate(int(m_contentLength));
        succeed();
    }
}

bool Downloader::readHead(const QByteArray& head)
{
    const QList<QByteArray> lines = head.split('\n');
    // "HTTP/1.1 200 OK"
    const QList<QByteArray> statusLine = lines.first().trimmed().split(' ');
    bool numeric = false;
    const int status = statusLine.value(1).toInt(&numeric);
    if (!statusLine.first().startsWith("HTTP/") || !numeric) {
        fail(tr("The server's answer is not HTTP"));
        return false;
    }
    if (status != 200) {
        fail(tr("The server answered with status %1").arg(status));
        return false;
    }
    for (int i = 1; i < lines.size(); ++i) {
        const int colon = lines.at(i).indexOf(':');
        if (colon <= 0)
            continue;
        const QByteArray name = lines.at(i).left(colon).trimmed().toLower();
        const QByteArray value = lines.at(i).mid(colon + 1).trimmed().toLower();
        if (name == "content-length") {
            bool valid = false;
            m_contentLength = value.toLongLong(&valid);
            if (!valid || m_contentLength < 0) {
                fail(tr("The server announced no valid length"));
                return false;
            }
            // Refused now rather than after receiving up to the limit.
            if (m_contentLength > m_maximumSize) {
                fail(tr("The answer is too large"));
                return false;
            }
        } else if (name == "transfer-encoding" && value != "identity") {
            fail(tr("The server sent its answer in an encoding that is not supported"));
            return false;
        }
    }
    return true;
}

void Downloader::onDisconnected()
{
    if (!m_socket)
        return;
    onReadyRead();
    if (!m_socket)
        return;
    if (!m_headRead)
        fail(tr("The server closed the connection without an answer"));
    else if (m_contentLength >= 0 && m_data.size() < m_contentLength)
        fail(tr("The answer was cut short"));
    else
        succeed();
}

void Downloader::succeed()
{
    release();
    m_succeeded = true;
    emit finished(true);
}

void Downloader::fail(const QString& reason)
{
    release();
    m_data.clear();
    m_errorString = reason;
    m_succeeded = false;
    emit finished(false);
}

void Downloader::release()
{
    m_timer->stop();
    m_running = false;
    m_head.clear();
    if (!m_socket)
        return;
    QTcpSocket* socket = m_socket;
    m_socket = nullptr;
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
}

} // namespace QMRequest
