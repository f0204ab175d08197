#include "followdialog.h"

#include "app.h"
#include "platform/desktopservices.h"
#include "sharedialog.h"

#include <QUrl>

namespace QMWidgets {

namespace {
struct Network
{
    const char* objectName;
    const char* key;
    const char* label;
};

const Network followNetworks[] = {
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

    for (const Network& network : followNetworks) {
        const QString key = QString::fromLatin1(network.key);
        addLinkButton(QString::fromLatin1(network.objectName),
                      tr("Follow on %1").arg(QString::fromLatin1(network.label)), Rate, [key] {
                          if (App* application = App::instance())
                              Platform::DesktopServices::openUrl(
                                  QUrl(ShareDialog::networkLink(application->followLink(), key)));
                      });
    }
    addLinkButton(QStringLiteral("EmailJoinButton"), tr("Write to us"), Mail, [] {
        if (App* application = App::instance())
            application->slotContact();
    });

    addAnswerButton(tr("Close"), Later);
}

} // namespace QMWidgets
