#pragma once

#include <QPushButton>

namespace QMWidgets {

// A push button with a drop-down menu: the application's share dialog, then
// the pages on four social sites, each opened with the desktop's default
// program at the address the host sets. Twitter has no menu item; its slot
// works when a host connects it.
class CommunityButton : public QPushButton
{
    Q_OBJECT

public:
    explicit CommunityButton(QWidget* parent = nullptr);

    void setFaceBookUrl(const QString& url);
    void setYouTubeUrl(const QString& url);
    void setTwitterUrl(const QString& url);
    void setMoiMirUrl(const QString& url);
    void setXingUrl(const QString& url);

private slots:
    void slotFaceBook();
    void slotYouTube();
    void slotTwitter();
    void slotMoiMir();
    void slotXing();

private:
    QString m_faceBookUrl;
    QString m_youTubeUrl;
    QString m_twitterUrl;
    QString m_moiMirUrl;
    QString m_xingUrl;
};

} // namespace QMWidgets
