#include "moreappsbutton.h"

#include "app.h"
#include "crosspromo.h"
#include "platform/desktopservices.h"

#include <QMenu>
#include <QUrl>

namespace QMWidgets {

MoreAppsButton::MoreAppsButton(QWidget* parent)
    : QPushButton(parent)
    , m_menu(new QMenu(this))
{
    setObjectName(QStringLiteral("MoreAppsButton"));
    setToolTip(tr("More Apps"));
    setFlat(true);
    setFixedSize(50, 32);
    setMenu(m_menu);
    fill(QString());
}

void MoreAppsButton::fill(const QString& category)
{
    m_menu->clear();
    App* application = App::instance();
    const QString ownKey = application ? application->applicationKey() : QString();
    for (const CrossPromo::Entry& entry : CrossPromo::entries(category, ownKey)) {
        QAction* action = m_menu->addAction(entry.name);
        action->setToolTip(entry.description);
        const QString key = entry.key;
        connect(action, &QAction::triggered, this, [key] {
            if (App* app = App::instance())
                Platform::DesktopServices::openUrl(QUrl(app->promotionLink(key)));
        });
    }
    if (!m_menu->isEmpty())
        m_menu->addSeparator();
    QAction* all = m_menu->addAction(tr("More Apps..."));
    connect(all, &QAction::triggered, this, [] {
        if (App* app = App::instance())
            app->slotShowMoreApps();
    });
}

} // namespace QMWidgets
