#pragma once

#include <QPushButton>

class QMenu;

namespace QMWidgets {

// A button ("MoreAppsButton") with a menu of links to the maker's other
// applications and an item for the whole catalogue page.
class MoreAppsButton : public QPushButton
{
    Q_OBJECT

public:
    explicit MoreAppsButton(QWidget* parent = nullptr);

    // Fills the menu with the applications of one category.
    void fill(const QString& category);
    QMenu* appsMenu() const { return m_menu; }

private:
    QMenu* m_menu;
};

} // namespace QMWidgets
