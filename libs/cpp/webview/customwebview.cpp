#include "customwebview.h"

#include "downloader.h"

#include <QUrl>

namespace QMWebView {

CustomWebView::CustomWebView(QWidget* parent)
    : QWidget(parent)
    , m_downloader(new QMRequest::Downloader(this))
{
    m_downloader->setTimeout(15000);
    connect(m_downloader, &QMRequest::Downloader::finished, this, &CustomWebView::navigated);
}

CustomWebView::~CustomWebView() = default;

void CustomWebView::setTimeout(int milliseconds)
{
    m_downloader->setTimeout(milliseconds);
}

int CustomWebView::timeout() const
{
    return m_downloader->timeout();
}

void CustomWebView::Navigate(const QString& url)
{
    m_location = url;
    // A load still running is dropped without a signal; an unusable address
    // fails like an unreachable one.
    m_downloader->start(QUrl(url));
}

} // namespace QMWebView
