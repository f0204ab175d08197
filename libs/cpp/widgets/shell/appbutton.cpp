#include "appbutton.h"

#include "appmenu.h"

#include <QAction>

namespace QMWidgets {

AppButton::AppButton(QWidget* parent)
    : QPushButton(parent)
    , m_menu(new AppMenu(this))
{
    setObjectName(QStringLiteral("AppButton"));
    setToolTip(tr("Menu"));
    setFlat(true);
    setFixedSize(50, 32);
    setMenu(m_menu);
    connect(m_menu, &AppMenu::quitRequested, this, &AppButton::quitPressed);
}

void AppButton::hideSupportPageItem()
{
    m_menu->supportPageAction()->setVisible(false);
}

void AppButton::hideIntroItem()
{
    m_menu->introAction()->setVisible(false);
}

} // namespace QMWidgets
