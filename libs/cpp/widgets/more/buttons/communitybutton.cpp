#include "communitybutton.h"

#include "pictures.h"
#include "platform/desktopservices.h"
#include "shellservices.h"

#include <QMenu>
#include <QUrl>

namespace QMWidgets {

namespace {
// Opens a site's page; an address the host never set opens nothing.
void openSite(const QString& address)
{
    if (!address.isEmpty())
        Platform::DesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
}
} // namespace

CommunityButton::CommunityButton(QWidget* parent)
    : QPushButton(parent)
{
    auto* menu = new QMenu(this);
    QAction* share = menu->addAction(Pictures::icon(QStringLiteral(":/share_hover.png")), tr("Share"));
    // Only the shell's application object can share the application.
    share->setEnabled(ShellServices::canShareApp());
    connect(share, &QAction::triggered, this, [] { ShellServices::shareApp(); });
    menu->addSeparator();
    // The site names are names, not words to translate.
    menu->addAction(Pictures::icon(QStringLiteral(":/pix/facebook.png")), QStringLiteral("FaceBook"), this,
                    &CommunityButton::slotFaceBook);
    menu->addAction(Pictures::icon(QStringLiteral(":/pix/youtube.png")), QStringLiteral("YouTube"), this,
                    &CommunityButton::slotYouTube);
    menu->addAction(Pictures::icon(QStringLiteral(":/pix/xing.png")), QStringLiteral("Xing"), this,
                    &CommunityButton::slotXing);
    menu->addAction(Pictures::icon(QStringLiteral(":/pix/mailru.png")), QStringLiteral("MoiMir"), this,
                    &CommunityButton::slotMoiMir);
    setMenu(menu);
}

void CommunityButton::setFaceBookUrl(const QString& url)
{
    m_faceBookUrl = url;
}

void CommunityButton::setYouTubeUrl(const QString& url)
{
    m_youTubeUrl = url;
}

void CommunityButton::setTwitterUrl(const QString& url)
{
    m_twitterUrl = url;
}

void CommunityButton::setMoiMirUrl(const QString& url)
{
    m_moiMirUrl = url;
}

void CommunityButton::setXingUrl(const QString& url)
{
    m_xingUrl = url;
}

void CommunityButton::slotFaceBook()
{
    openSite(m_faceBookUrl);
}

void CommunityButton::slotYouTube()
{
    openSite(m_youTubeUrl);
}

void CommunityButton::slotTwitter()
{
    openSite(m_twitterUrl);
}

void CommunityButton::slotMoiMir()
{
    openSite(m_moiMirUrl);
}

void CommunityButton::slotXing()
{
    openSite(m_xingUrl);
}

} // namespace QMWidgets
