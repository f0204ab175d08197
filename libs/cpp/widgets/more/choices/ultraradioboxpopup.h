#pragma once

#include <QWidget>

namespace QMWidgets {

// The window of an UltraRadioBox (its parent) that lists the buttons to choose
// from. It hides itself as soon as it stops being the active window, unless
// the pointer is over the box, whose press then closes it.
class UltraRadioBoxPopup : public QWidget
{
    Q_OBJECT

public:
    UltraRadioBoxPopup(QWidget* parent, Qt::WindowFlags flags);

    // Whether the pointer is inside the window.
    bool isHovered() const { return m_hovered; }

protected:
    bool event(QEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool pointerOverBox() const;

    bool m_hovered = false;
};

} // namespace QMWidgets
