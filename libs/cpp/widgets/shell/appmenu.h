#pragma once

#include <QMenu>

namespace QMWidgets {

// The application menu: rate, introduction, share, join, more applications,
// contact, support page, check for updates, privacy policy, about and quit.
// Each item runs the slot of the same name of the application object; quit is
// announced by quitRequested().
class AppMenu : public QMenu
{
    Q_OBJECT

public:
    explicit AppMenu(QWidget* parent = nullptr);

    QAction* rateAction() const { return m_rate; }
    QAction* introAction() const { return m_intro; }
    QAction* shareAction() const { return m_share; }
    QAction* joinAction() const { return m_join; }
    QAction* moreAppsAction() const { return m_moreApps; }
    QAction* contactAction() const { return m_contact; }
    QAction* supportPageAction() const { return m_supportPage; }
    QAction* checkUpdateAction() const { return m_checkUpdate; }
    QAction* privacyPolicyAction() const { return m_privacyPolicy; }
    QAction* aboutAction() const { return m_about; }
    QAction* quitAction() const { return m_quit; }

signals:
    void quitRequested();

private:
    QAction* m_rate;
    QAction* m_intro;
    QAction* m_share;
    QAction* m_join;
    QAction* m_moreApps;
    QAction* m_contact;
    QAction* m_supportPage;
    QAction* m_checkUpdate;
    QAction* m_privacyPolicy;
    QAction* m_about;
    QAction* m_quit;
};

} // namespace QMWidgets
