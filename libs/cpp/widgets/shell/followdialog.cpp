#include "followdialog.h"

#include "app.h"
#include "platform/desktopservices.h"
#include "sharedialog.h"

#include <QHBoxLayout>
#include <QPushButton>
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
        auto* button = new QPushButton(this);
        button->setObjectName(QString::fromLatin1(network.objectName));
        button->setToolTip(tr("Follow on %1").arg(QString::fromLatin1(network.label)));
        button->setFlat(true);
        button->setFixedSize(48, 48);
        extraLayout()->addWidget(button);
        const QString key = QString::fromLatin1(network.key);
        connect(button, &QPushButton::clicked, this, [this, key] {
            if (App* application = App::instance())
                Platform::DesktopServices::openUrl(
                    QUrl(ShareDialog::networkLink(application->followLink(), key)));
            done(Rate);
        });
    }

    auto* mail = new QPushButton(this);
    mail->setObjectName(QStringLiteral("EmailJoinButton"));
    mail->setToolTip(tr("Write to us"));
    mail->setFlat(true);
    mail->setFixedSize(48, 48);
    extraLayout()->addWidget(mail);
    connect(mail, &QPushButton::clicked, this, [this] {
        if (App* application = App::instance())
            application->slotContact();
        done(Mail);
    });

    addAnswerButton(tr("Close"), Later);
}

} // namespace QMWidgets
