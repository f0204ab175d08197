#include "label.h"

#include <QPainter>

namespace QMWidgets {

Label::Label(QWidget* parent)
    : QLabel(parent)
{
}

void Label::setPixmap(const QPixmap& pixmap)
{
    m_pixmap = pixmap;
    update();
}

void Label::setAspectMode(int mode)
{
    m_aspectMode = mode;
    update();
}

void Label::setOpacity(double opacity)
{
    m_opacity = opacity;
    update();
}

void Label::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (m_pixmap.isNull() || width() <= 0 || height() <= 0)
        return;

    const qreal ratio = devicePixelRatioF();
    QPixmap scaled = m_pixmap.scaled(size() * ratio,
                                     m_aspectMode == 0 ? Qt::KeepAspectRatio : Qt::KeepAspectRatioByExpanding,
                                     Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    const QSizeF drawn = QSizeF(scaled.size()) / ratio;
    const QPointF topLeft((width() - drawn.width()) / 2.0, (height() - drawn.height()) / 2.0);

    QPainter painter(this);
    if (m_opacity < 1.0)
        painter.setOpacity(m_opacity);
    painter.drawPixmap(topLeft, scaled);
}

} // namespace QMWidgets
