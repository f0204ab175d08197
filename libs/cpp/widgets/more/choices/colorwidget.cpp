#include "colorwidget.h"

#include "colorwidgetpopup.h"
#include "dropdownmark.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRadialGradient>

namespace QMWidgets {

ColorWidget::ColorWidget(QWidget* parent)
    : QWidget(parent)
    , m_popup(new ColorWidgetPopup(this))
{
    setAttribute(Qt::WA_MouseTracking);
    setMinimumSize(10, 10);
    m_popup->hide();
    m_popup->setWindowOpacity(1.0);
    connect(m_popup, &ColorWidgetPopup::colorChanged, this, &ColorWidget::slotColorChanged);
}

void ColorWidget::setColor(const QColor& color)
{
    m_color = color;
    repaint();
}

void ColorWidget::setPopupOpacity(float opacity)
{
    m_popup->setWindowOpacity(opacity);
}

void ColorWidget::slotColorChanged(const QColor& color)
{
    setColor(color);
    emit colorChanged(color);
}

void ColorWidget::mousePressEvent(QMouseEvent* event)
{
    m_popup->move(mapToGlobal(QPoint(0, height())));
    m_popup->setVisible(!m_popup->isVisible());
    QWidget::mousePressEvent(event);
}

void ColorWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setBrush(m_color);
    painter.drawRect(rect());

    // A soft highlight from the upper left corner.
    QRadialGradient highlight(QPointF(5, 5), width() / 2, QPointF(5, 5));
    highlight.setColorAt(0, Qt::white);
    highlight.setColorAt(1, Qt::gray);
    painter.setOpacity(0.5);
    painter.setBrush(highlight);
    painter.drawRect(rect());
    painter.setOpacity(1.0);

    drawDropDownMark(painter, size());
}

} // namespace QMWidgets
