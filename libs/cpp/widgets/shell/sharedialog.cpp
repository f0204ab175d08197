#include "sharedialog.h"

#include "app.h"
#include "platform/desktopservices.h"

#include <QUrl>

namespace QMWidgets {

namespace {
const QVector<ReminderStateDialog::Network> shareNetworks = {
    { "FaceBookShareButton", "facebook", "Facebook" },
    { "TwitterShareButton", "twitter", "Twitter" },
    { "VKontakteShareButton", "vkontakte", "VKontakte" },
    { "LinkedinShareButton", "linkedin", "LinkedIn" },
};
} // namespace

ShareDialog::ShareDialog(QWidget* parent)
    : ReminderStateDialog(parent)
{
    setObjectName(QStringLiteral("ShareDialog"));
    setText(tr("<H2>Share %1</H2>Tell your friends about it.").arg(QCoreApplication::applicationName()));

    addNetworkButtons(shareNetworks, tr("Share on %1"), [] {
        App* application = App::instance();
        return application ? application->shareLink() : QString();
    });
    addLinkButton(QStringLiteral("EmailShareButton"), tr("Tell a friend by mail"), Mail, [] {
        if (App* application = App::instance())
            Platform::DesktopServices::openUrl(QUrl(application->tellFriendMailLink(), QUrl::TolerantMode));
    });

    addAnswerButton(tr("Close"), Later);
}

} // namespace QMWidgets
