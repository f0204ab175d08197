#include "appmenu.h"

#include "app.h"

#include <QIcon>

namespace QMWidgets {

namespace {
// Runs slot on the application object at the time the item is chosen.
template<typename Slot> void connectToApp(QAction* action, Slot slot)
{
    QObject::connect(action, &QAction::triggered, action, [slot] {
        if (App* application = App::instance())
            (application->*slot)();
    });
}
} // namespace

AppMenu::AppMenu(QWidget* parent)
    : QMenu(parent)
{
    setObjectName(QStringLiteral("AppMenu"));
    m_rate = addAction(tr("Rate"));
    m_intro = addAction(tr("Intro"));
    m_share = addAction(tr("Share"));
    m_join = addAction(tr("Join"));
    m_moreApps = addAction(tr("More Apps"));
    addSeparator();
    m_contact = addAction(tr("Contact"));
    m_supportPage = addAction(tr("Support Page"));
    m_checkUpdate = addAction(tr("Check for Updates"));
    m_privacyPolicy = addAction(tr("Privacy Policy"));
    m_about = addAction(QIcon(QStringLiteral(":/appicon.png")), tr("About"));
    addSeparator();
    m_quit = addAction(tr("Quit"));

    connectToApp(m_rate, &App::slotRate);
    connectToApp(m_intro, &App::slotIntro);
    connectToApp(m_share, &App::slotShareApp);
    connectToApp(m_join, &App::slotJoin);
    connectToApp(m_moreApps, &App::slotShowMoreApps);
    connectToApp(m_contact, &App::slotContact);
    connectToApp(m_supportPage, &App::slotSupportPage);
    connectToApp(m_checkUpdate, &App::slotCheckUpdate);
    connectToApp(m_privacyPolicy, &App::slotPrivacyPolicy);
    connectToApp(m_about, &App::slotAbout);
    connect(m_quit, &QAction::triggered, this, &AppMenu::quitRequested);
}

} // namespace QMWidgets
