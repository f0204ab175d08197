#include "comboboxfilter.h"

#include <QComboBox>
#include <QEvent>
#include <QPainter>

namespace QMWidgets {

ComboBoxFilter::ComboBoxFilter(QObject* parent)
    : QObject(parent)
{
}

bool ComboBoxFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Paint)
        return false;
    m_comboBox = qobject_cast<QComboBox*>(watched);
    if (m_comboBox)
        paint(m_comboBox);
    return true;
}

void ComboBoxFilter::paint(QComboBox* comboBox)
{
    const int w = comboBox->width();
    const int h = comboBox->height();
    const QRect field(0, 0, w, h);
    const QPalette palette = comboBox->palette();
    const QBrush text = palette.brush(QPalette::Text);

    QPainter painter(comboBox);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(text, 2.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.setBrush(palette.brush(QPalette::Base));
    painter.drawRect(field);

    painter.setPen(text.color());
    painter.drawText(field, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextWordWrap, comboBox->currentText());

    // The drop-down mark: a filled right triangle whose right angle sits
    // 7 pixels in from the lower right corner.
    painter.setBrush(text);
    painter.translate(-7, -7);
    const QPointF triangle[3] = { QPointF(w, h), QPointF(w, h / 1.5), QPointF(w - h / 3, h) };
    painter.drawPolygon(triangle, 3, Qt::OddEvenFill);
}

} // namespace QMWidgets
