#include "sharedialog.h"

#include "app.h"
#include "platform/desktopservices.h"

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
        auto* button = new QPushButton(this);
        button->setObjectName(QString::fromLatin1(network.objectName));
        button->setToolTip(tr("Share on %1").arg(QString::fromLatin1(network.label)));
        button->setFlat(true);
        button->setFixedSize(48, 48);
        extraLayout()->addWidget(button);
        const QString key = QString::fromLatin1(network.key);
        connect(button, &QPushButton::clicked, this, [this, key] {
            if (App* application = App::instance())
                Platform::DesktopServices::openUrl(QUrl(networkLink(application->shareLink(), key)));
            done(Rate);
        });
    }

    auto* mail = new QPushButton(this);
    mail->setObjectName(QStringLiteral("EmailShareButton"));
    mail->setToolTip(tr("Tell a friend by mail"));
    mail->setFlat(true);
    mail->setFixedSize(48, 48);
    extraLayout()->addWidget(mail);
    connect(mail, &QPushButton::clicked, this, [this] {
        if (App* application = App::instance())
            Platform::DesktopServices::openUrl(QUrl(application->tellFriendMailLink(), QUrl::TolerantMode));
        done(Mail);
    });

    addAnswerButton(tr("Close"), Later);
}

} // namespace QMWidgets
