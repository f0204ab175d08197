#pragma once

#include <QPushButton>

namespace QMWidgets {

class AppMenu;

// The menu bar's first button ("AppButton"): it opens the application menu and
// passes on the menu's quit request as quitPressed().
class AppButton : public QPushButton
{
    Q_OBJECT

public:
    explicit AppButton(QWidget* parent = nullptr);

    AppMenu* appMenu() const { return m_menu; }
    void hideSupportPageItem();
    void hideIntroItem();

signals:
    void quitPressed();

private:
    AppMenu* m_menu;
};

} // namespace QMWidgets
