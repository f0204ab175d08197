#include "ultraradioboxpopup.h"

#include <QEvent>

namespace QMWidgets {

UltraRadioBoxPopup::UltraRadioBoxPopup(QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
{
}

bool UltraRadioBoxPopup::event(QEvent* event)
{
    if (event->type() == QEvent::WindowDeactivate)
        hide();
    return QWidget::event(event);
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
