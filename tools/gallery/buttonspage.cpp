// The "Buttons" page: the community button with its menu and the menu button.
#include "buttons/communitybutton.h"
#include "buttons/menubutton.h"
#include "gallerypages.h"
#include "platform/desktopservices.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QWidget* buttonsPage()
{
    auto* page = new QWidget;

    auto* community = new QGroupBox(QStringLiteral("Community button"));
    auto* button = new QMWidgets::CommunityButton;
    button->setText(QStringLiteral("Community"));
    button->setFaceBookUrl(QStringLiteral("https://www.example.com/facebook/halvick"));
    button->setYouTubeUrl(QStringLiteral("https://www.example.com/youtube/halvick"));
    button->setXingUrl(QStringLiteral("https://www.example.com/xing/halvick"));
    button->setMoiMirUrl(QStringLiteral("https://www.example.com/moimir/halvick"));
    auto* opened = new QLabel(QStringLiteral("Choose a site from the menu"));
    // The gallery shows the link instead of starting a browser.
    Platform::DesktopServices::setUrlHandler([opened](const QUrl& url) {
        opened->setText(QStringLiteral("Would open %1").arg(url.toString()));
        return true;
    });
    auto* communityLayout = new QHBoxLayout(community);
    communityLayout->addWidget(button);
    communityLayout->addWidget(opened, 1);

    auto* menus = new QGroupBox(QStringLiteral("Menu button"));
    menus->setStyleSheet(QStringLiteral("QMWidgets--MenuButton { background: #3a6ea5; color: #ffe38a;"
                                        " border-radius: 5px; font-weight: bold; }"
                                        "QMWidgets--MenuButton:pressed { background: #2b5480; }"));
    auto* withText = new QMWidgets::MenuButton(QStringLiteral("Go"));
    withText->setFixedSize(90, 60);
    auto* withoutText = new QMWidgets::MenuButton;
    withoutText->setFixedSize(90, 60);
    auto* menusLayout = new QHBoxLayout(menus);
    menusLayout->addWidget(withText);
    menusLayout->addWidget(withoutText);
    menusLayout->addStretch(1);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(community);
    layout->addWidget(menus);
    layout->addStretch(1);
    return page;
}

} // namespace

LUMASTRAND_GALLERY_PAGE(320, "Buttons", buttonsPage);
