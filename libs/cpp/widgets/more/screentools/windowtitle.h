#pragma once

#include <QFrame>
#include <QPoint>

class QHBoxLayout;
class QLayout;
class QMenu;
class QPushButton;

namespace QMWidgets {

// The title bar of a frameless picture window: the host's tools area, zoom,
// 100 % and always-optimize buttons, and a close button; a hidden "Actions"
// button carries a menu of picture actions for the host to place. The bar
// moves nothing itself: dragging it with the left button reports where the
// window's top-left corner has to go (changePosition), and the close button
// reports closeWindow(). The buttons have no text or picture of their own;
// the style sheet dresses them by their object names.
class WindowTitle : public QFrame
{
    Q_OBJECT

public:
    explicit WindowTitle(QWidget* parent = nullptr);

    // Puts the host's tools (a layout) into the tools area.
    void setToolsLayout(QLayout* layout);
    void hideTools();
    bool isMenuShown() const { return m_menuShown; }

    QPushButton* actionsButton() const { return m_actionsButton; }
    QMenu* actionsMenu() const { return m_actionsMenu; }

signals:
    void changePosition(const QPoint& topLeft);
    void closeWindow();
    // The tool buttons. "ZoomInButton" asks for less zoom and "ZoomOutButton"
    // for more, as the viewer's zoom bar pairs them.
    void zoomOutClicked();
    void zoomInClicked();
    void hundredPercentClicked();
    void optimizeToggled(bool on);

public slots:
    void slotMenuAboutToShow();
    void slotMenuAboutToHide();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QWidget* m_extraWidget = nullptr;
    QWidget* m_extraToolWidget = nullptr;
    QPushButton* m_optimizeButton = nullptr;
    QPushButton* m_hundredPercentButton = nullptr;
    QPushButton* m_closeButton = nullptr;
    QPushButton* m_actionsButton = nullptr;
    QMenu* m_actionsMenu = nullptr;
    QHBoxLayout* m_barLayout = nullptr;
    QPoint m_pressPos;
    QWidget* m_toolsWidget = nullptr;
    QFrame* m_bar = nullptr;
    bool m_menuShown = false;
};

} // namespace QMWidgets
