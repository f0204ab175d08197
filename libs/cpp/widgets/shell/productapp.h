#pragma once

#include "app.h"

#include <QDate>

namespace QMRequest {
class Downloader;
}
namespace QMWebView {
class CustomWebView;
}

// The program's application object. On top of App it drops Qt's messages,
// tells the maker's web site that the program runs (4000 ms after start) and
// looks for a newer build (2000 ms after start, when "checkupdates" is on and
// the last automatic look is at least 6 days old, and whenever the user asks).
// Network failures and answers that are no build information only ever end a
// check quietly (or, when the user asked, with a message). The answer may be
// 64 KB at most, headers included.
class ProductApp : public QMWidgets::App
{
    Q_OBJECT

public:
    static constexpr int PingDelay = 4000;
    static constexpr int UpdateCheckDelay = 2000;
    static constexpr int UpdateCheckDays = 6;

    // AnswerUnreadable: the server answered, but not with build information.
    enum UpdateOutcome { CheckFailed, UpToDate, UpdateOffered, AnswerUnreadable };

    ProductApp(int& argc, char** argv, const QString& organization, const QString& application);
    ~ProductApp() override;

    // This build opens the web pages, never store pages.
    QString storeLink(StoreLinkKind kind, const QString& webLink) const override;

    // The day this program was built (the build's configuration day).
    QDate buildDate() const { return m_buildDate; }
    void setBuildDate(const QDate& date) { m_buildDate = date; }
    // How long the update check waits for the server (7000 ms).
    int updateTimeout() const { return m_updateTimeout; }
    void setUpdateTimeout(int milliseconds) { m_updateTimeout = milliseconds; }

    QString pingLink() const;
    QString buildInfoLink() const;
    QMWebView::CustomWebView* webView() const { return m_webView; }
    bool isCheckingForUpdates() const;

    // The setting that keeps the day of the last automatic update check.
    static QString lastUpdateCheckKey() { return QStringLiteral("LastUpdateCheck"); }

public slots:
    void slotCheckUpdate() override;
    void slotShowMoreApps() override;
    // Sends the usage ping through the hidden web view.
    void slotPing();
    // The check at start: runs when the last automatic one is 6 or more days
    // old (or unknown).
    void slotAutoCheckUpdate();

signals:
    void updateCheckFinished(int outcome);

private:
    void checkForUpdates(bool automatic);
    void onBuildInfo(bool ok);

    QMWebView::CustomWebView* m_webView = nullptr;
    QMRequest::Downloader* m_downloader = nullptr;
    QtMessageHandler m_previousHandler = nullptr;
    QDate m_buildDate;
    int m_updateTimeout;
    bool m_automaticCheck = false;
};
