#include "ultraradioboxpopup.h"

#include <QCursor>
#include <QEvent>

namespace QMWidgets {

UltraRadioBoxPopup::UltraRadioBoxPopup(QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
{
}

bool UltraRadioBoxPopup::event(QEvent* event)
{
    // A press on the box under the popup makes the box's window the active
    // one, which may come before the press itself: the popup then stays
    // open for the press to close it, instead of closing here and being
    // opened again by the same press.
    if (event->type() == QEvent::WindowDeactivate && !pointerOverBox())
        hide();
    return QWidget::event(event);
}

bool UltraRadioBoxPopup::pointerOverBox() const
{
    const QWidget* box = parentWidget();
    return box && box->isVisible() && box->rect().contains(box->mapFromGlobal(QCursor::pos()));
}

void UltraRadioBoxPopup::enterEvent(QEvent*)
{
    m_hovered = true;
}

void UltraRadioBoxPopup::leaveEvent(QEvent*)
{
    m_hovered = false;
}

} // namespace QMWidgets
