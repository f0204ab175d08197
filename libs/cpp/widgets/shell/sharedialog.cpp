#include "sharedialog.h"

#include "app.h"
#include "platform/desktopservices.h"

#include <QUrl>

namespace QMWidgets {

namespace {
struct Network
{
    const char* objectName;
    const char* key;
    const char* label;
};

const Network shareNetworks[] = {
    { "FaceBookShareButton", "facebook", "Facebook" },
    { "TwitterShareButton", "twitter", "Twitter" },
    { "VKontakteShareButton", "vkontakte", "VKontakte" },
    { "LinkedinShareButton", "linkedin", "LinkedIn" },
};
} // namespace

QString ShareDialog::networkLink(const QString& baseLink, const QString& network)
{
    return baseLink + QStringLiteral("&to=") + network;
}

ShareDialog::ShareDialog(QWidget* parent)
    : ReminderStateDialog(parent)
{
    setObjectName(QStringLiteral("ShareDialog"));
    setText(tr("<H2>Share %1</H2>Tell your friends about it.").arg(QCoreApplication::applicationName()));

    for (const Network& network : shareNetworks) {
        const QString key = QString::fromLatin1(network.key);
        addLinkButton(QString::fromLatin1(network.objectName),
                      tr("Share on %1").arg(QString::fromLatin1(network.label)), Rate, [key] {
                          if (App* application = App::instance())
                              Platform::DesktopServices::openUrl(
                                  QUrl(networkLink(application->shareLink(), key)));
                      });
    }
    addLinkButton(QStringLiteral("EmailShareButton"), tr("Tell a friend by mail"), Mail, [] {
        if (App* application = App::instance())
            Platform::DesktopServices::openUrl(QUrl(application->tellFriendMailLink(), QUrl::TolerantMode));
    });

    addAnswerButton(tr("Close"), Later);
}

} // namespace QMWidgets
