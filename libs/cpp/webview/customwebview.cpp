#include "customwebview.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

namespace QMWebView {

CustomWebView::CustomWebView(QWidget* parent)
    : QWidget(parent)
    , m_manager(new QNetworkAccessManager(this))
    , m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, [this] { finish(false); });
}

CustomWebView::~CustomWebView()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
    }
}

void CustomWebView::Navigate(const QString& url)
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
    }
    m_location = url;
    const QUrl target(url);
    if (!target.isValid() || target.scheme().isEmpty()) {
        m_timer->stop();
        QTimer::singleShot(0, this, [this] { emit navigated(false); });
        return;
    }
    QNetworkRequest request(target);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    m_reply = m_manager->get(request);
    // The page itself is not kept: read and drop whatever arrives.
    connect(m_reply, &QNetworkReply::readyRead, this, [this] {
        if (m_reply)
            m_reply->readAll();
    });
    connect(m_reply, &QNetworkReply::finished, this,
            [this] { finish(m_reply && m_reply->error() == QNetworkReply::NoError); });
    m_timer->start(m_timeout);
}

void CustomWebView::finish(bool ok)
{
    m_timer->stop();
    if (m_reply) {
        QNetworkReply* reply = m_reply;
        m_reply = nullptr;
        reply->disconnect(this);
        if (reply->isRunning())
            reply->abort();
        reply->deleteLater();
    }
    emit navigated(ok);
}

} // namespace QMWebView
