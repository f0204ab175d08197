#pragma once

#include <QFrame>
#include <QList>

class QHBoxLayout;
class QMenu;
class QPushButton;

namespace QMWidgets {

class AppButton;
class MoreAppsButton;

// The menu bar above the main page ("MenuBar"): the application menu button,
// a box for the page's own widgets, and the buttons for the introduction,
// rating, sharing, following and the maker's other applications.
//
// When the bar is too narrow for all of them, the introduction, rate, share
// and follow buttons that do not fit move, last first, into the menu of a
// "MoreButton" at the bar's end.
class PromoMenuBar : public QFrame
{
    Q_OBJECT

public:
    // With quitThroughSignal the menu's Quit only emits quitRequested();
    // otherwise it closes all windows, which ends the program.
    explicit PromoMenuBar(QWidget* parent = nullptr, bool quitThroughSignal = false);

    // Fills the menu of other applications with those of a category.
    void fillCrossPromo(const QString& category);
    void hideMoreAppsButton();
    // Adds a widget to the first box of extra widgets; the bar takes it over.
    void addWidget(QWidget* widget);

    AppButton* appButton() const { return m_appButton; }
    MoreAppsButton* moreAppsButton() const { return m_moreAppsButton; }
    QPushButton* introButton() const { return m_introButton; }
    QPushButton* rateButton() const { return m_rateButton; }
    QPushButton* shareButton() const { return m_shareButton; }
    QPushButton* joinButton() const { return m_joinButton; }
    QPushButton* moreButton() const { return m_moreButton; }
    QMenu* moreMenu() const { return m_moreMenu; }

signals:
    void quitRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QPushButton* addBarButton(const QString& objectName, const QString& toolTip);
    void fitButtons();

    bool m_quitThroughSignal;
    QHBoxLayout* m_extraWidgets;
    AppButton* m_appButton;
    MoreAppsButton* m_moreAppsButton;
    QPushButton* m_introButton;
    QPushButton* m_rateButton;
    QPushButton* m_shareButton;
    QPushButton* m_joinButton;
    QPushButton* m_moreButton;
    QMenu* m_moreMenu;
    QList<QPushButton*> m_foldable;
    bool m_moreAppsHidden = false;
    bool m_fitting = false;
};

} // namespace QMWidgets
