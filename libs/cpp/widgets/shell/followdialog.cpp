#include "followdialog.h"

#include "app.h"
#include "platform/desktopservices.h"

#include <QUrl>

namespace QMWidgets {

namespace {
const QVector<ReminderStateDialog::Network> followNetworks = {
    { "YouTubeJoinButton", "youtube", "YouTube" },
    { "FaceBookJoinButton", "facebook", "Facebook" },
    { "TwitterJoinButton", "twitter", "Twitter" },
    { "VKontakteJoinButton", "vkontakte", "VKontakte" },
};
} // namespace

FollowDialog::FollowDialog(QWidget* parent)
    : ReminderStateDialog(parent)
{
    setObjectName(QStringLiteral("FollowDialog"));
    setText(tr("<H2>Join us</H2>Follow %1 to hear about new versions and applications first.")
                .arg(QCoreApplication::organizationName()));

    addNetworkButtons(followNetworks, tr("Follow on %1"), [] {
        App* application = App::instance();
        return application ? application->followLink() : QString();
    });
    addLinkButton(QStringLiteral("EmailJoinButton"), tr("Write to us"), Mail, [] {
        if (App* application = App::instance())
            application->slotContact();
    });

    addAnswerButton(tr("Close"), Later);
}

} // namespace QMWidgets
