#include "downloader.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace QMRequest {

Downloader::Downloader(QObject* parent)
    : QObject(parent)
    , m_manager(new QNetworkAccessManager(this))
    , m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, [this] {
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
    m_data.clear();
    m_errorString.clear();
    m_succeeded = false;
    m_timedOut = false;

    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    m_reply = m_manager->get(request);
    connect(m_reply, &QNetworkReply::readyRead, this, &Downloader::onReadyRead);
    connect(m_reply, &QNetworkReply::finished, this, &Downloader::onFinished);
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

void Downloader::onReadyRead()
{
    if (!m_reply)
        return;
    m_data += m_reply->readAll();
    if (m_data.size() > m_maximumSize)
        fail(tr("The answer is too large"));
}

void Downloader::onFinished()
{
    if (!m_reply)
        return;
    m_data += m_reply->readAll();
    const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (m_reply->error() != QNetworkReply::NoError) {
        fail(m_reply->errorString());
        return;
    }
    if (status != 200) {
        fail(tr("The server answered with status %1").arg(status));
        return;
    }
    if (m_data.size() > m_maximumSize) {
        fail(tr("The answer is too large"));
        return;
    }
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
    if (!m_reply)
        return;
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    reply->disconnect(this);
    if (reply->isRunning())
        reply->abort();
    reply->deleteLater();
}

} // namespace QMRequest
