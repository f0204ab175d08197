#include "productapp.h"

#include "appupdatedialog.h"
#include "customwebview.h"
#include "dialogrunner.h"
#include "downloader.h"
#include "messagebox.h"
#include "platform/desktopservices.h"
#include "platform/systeminfo.h"
#include "shellsettings.h"
#include "updateinfo.h"

#include <QTimer>
#include <QUrl>

#ifndef LUMASTRAND_BUILD_DATE
#define LUMASTRAND_BUILD_DATE ""
#endif

namespace {
void dropMessage(QtMsgType, const QMessageLogContext&, const QString&) { }

const QString dateFormat = QStringLiteral("yyyy-MM-dd");
} // namespace

ProductApp::ProductApp(int& argc, char** argv, const QString& organization, const QString& application)
    : App(argc, argv, organization, application)
    , m_buildDate(QDate::fromString(QStringLiteral(LUMASTRAND_BUILD_DATE), dateFormat))
    , m_updateTimeout(QMRequest::Downloader::DefaultTimeout)
{
    m_previousHandler = qInstallMessageHandler(dropMessage);

    m_webView = new QMWebView::CustomWebView;
    m_webView->hide();

    QTimer::singleShot(PingDelay, this, &ProductApp::slotPing);
    if (value(QMWidgets::ShellSettings::CheckUpdates).toBool())
        QTimer::singleShot(UpdateCheckDelay, this, &ProductApp::slotAutoCheckUpdate);
}

ProductApp::~ProductApp()
{
    delete m_webView;
    qInstallMessageHandler(m_previousHandler);
}

QString ProductApp::storeLink(StoreLinkKind, const QString& webLink) const
{
    return webLink;
}

QString ProductApp::pingLink() const
{
    return serverAddress() + QStringLiteral("/?")
        + (isFreshInstallation() ? QStringLiteral("f=") : QStringLiteral("a=")) + applicationKey();
}

QString ProductApp::buildInfoLink() const
{
    return serverAddress() + QStringLiteral("/apps/buildsinfo/") + applicationKey() + QStringLiteral("_win");
}

bool ProductApp::isCheckingForUpdates() const
{
    return m_downloader && m_downloader->isRunning();
}

void ProductApp::slotPing()
{
    m_webView->Navigate(pingLink());
}

void ProductApp::slotShowMoreApps()
{
    openLink(moreAppsLink());
}

void ProductApp::slotAutoCheckUpdate()
{
    const QDate today = QDate::currentDate();
    const QDate last = QDate::fromString(value(lastUpdateCheckKey()).toString(), dateFormat);
    // A last check in the future (a clock set back) does not hold checks off.
    if (last.isValid() && last <= today && last.daysTo(today) < UpdateCheckDays)
        return;
    setValue(lastUpdateCheckKey(), today.toString(dateFormat));
    checkForUpdates(true);
}

void ProductApp::slotCheckUpdate()
{
    checkForUpdates(false);
}

void ProductApp::checkForUpdates(bool automatic)
{
    if (isCheckingForUpdates()) {
        // A check asked for by the user while the automatic one runs reports
        // its result when it ends.
        m_automaticCheck = m_automaticCheck && automatic;
        return;
    }
    if (!m_downloader) {
        m_downloader = new QMRequest::Downloader(this);
        connect(m_downloader, &QMRequest::Downloader::finished, this, &ProductApp::onBuildInfo);
    }
    m_automaticCheck = automatic;
    m_downloader->setTimeout(m_updateTimeout);
    m_downloader->setMaximumSize(64 * 1024);
    m_downloader->start(QUrl(buildInfoLink()));
}

void ProductApp::onBuildInfo(bool ok)
{
    if (closingDown())
        return;
    QWidget* parent = mainWidget();
    const QString title = applicationName();

    if (!ok) {
        if (!m_automaticCheck)
            QMWidgets::MessageBox::warning(parent, title,
                                           tr("The update server could not be reached. "
                                              "Please check your connection and try again later."));
        emit updateCheckFinished(CheckFailed);
        return;
    }

    const UpdateInfo info = UpdateInfo::parse(m_downloader->data());
    if (!info.isReadable()) {
        // A parked domain or an error page answers with status 200 too; that
        // says nothing about the version in use.
        if (!m_automaticCheck)
            QMWidgets::MessageBox::warning(parent, title,
                                           tr("The answer of the update server could not be read. "
                                              "Please try again later."));
        emit updateCheckFinished(AnswerUnreadable);
        return;
    }
    if (!info.offersUpdate(m_buildDate, Platform::SystemInfo::windowsGeneration())) {
        if (!m_automaticCheck)
            QMWidgets::MessageBox::information(parent, title,
                                               tr("You are using the latest version of %1.").arg(title));
        emit updateCheckFinished(UpToDate);
        return;
    }

    emit updateCheckFinished(UpdateOffered);
    AppUpdateDialog dialog(info.date(), updatePageLink(), parent);
    QMWidgets::DialogRunner::exec(dialog);
}
