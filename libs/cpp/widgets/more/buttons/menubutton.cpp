#include "menubutton.h"

#include <QPainter>

namespace QMWidgets {

MenuButton::MenuButton(QWidget* parent)
    : QPushButton(parent)
{
}

MenuButton::MenuButton(const QString& text, QWidget* parent)
    : QPushButton(text, parent)
{
}

void MenuButton::paintEvent(QPaintEvent* event)
{
    QPushButton::paintEvent(event);
    QPainter painter(this);
    painter.setPen(Qt::white);
    const int half = height() / 2;
    painter.drawText(QRect(0, half, width(), half), Qt::AlignHCenter | Qt::AlignVCenter, tr("Menu"));
}

} // namespace QMWidgets
