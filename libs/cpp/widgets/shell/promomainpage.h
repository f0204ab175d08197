#pragma once

#include <QFrame>

namespace QMWidgets {

class PromoMenuBar;

// The frame of a main page: it makes and owns the menu bar, which the page
// puts into its own layout.
class PromoMainPage : public QFrame
{
    Q_OBJECT

public:
    // With quitThroughSignal the menu's Quit only emits quitRequested().
    explicit PromoMainPage(QWidget* parent = nullptr, bool quitThroughSignal = false);

    PromoMenuBar* menuBar() const { return m_menuBar; }

signals:
    void quitRequested();

private:
    PromoMenuBar* m_menuBar;
};

} // namespace QMWidgets
