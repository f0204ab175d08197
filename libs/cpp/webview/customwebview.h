#pragma once

#include <QWidget>

namespace QMRequest {
class Downloader;
}

namespace QMWebView {

// A web view that loads pages without showing them: Navigate() fetches the
// page with a plain HTTP GET and drops what comes back. The program keeps one
// hidden to tell its web site that it runs. A load that takes longer than
// timeout() milliseconds is abandoned.
class CustomWebView : public QWidget
{
    Q_OBJECT

public:
    explicit CustomWebView(QWidget* parent = nullptr);
    ~CustomWebView() override;

    void setTimeout(int milliseconds);
    int timeout() const;
    QString location() const { return m_location; }

public slots:
    // Loads the page at url; a load still running is abandoned.
    void Navigate(const QString& url);

signals:
    // The page at location() finished loading (ok) or failed.
    void navigated(bool ok);

private:
    QMRequest::Downloader* m_downloader;
    QString m_location;
};

} // namespace QMWebView
