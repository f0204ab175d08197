#include "centerfilter.h"

#include <QApplication>
#include <QDesktopWidget>
#include <QEvent>
#include <QWidget>

namespace QMWidgets {

namespace {
// Where a widget of the given size sits centred in the reference (each half
// truncated toward zero).
QPoint centredPosition(const QSize& reference, const QSize& widget)
{
    return QPoint(reference.width() / 2 - widget.width() / 2, reference.height() / 2 - widget.height() / 2);
}
} // namespace

CenterFilter::CenterFilter(QObject* parent)
    : QObject(parent)
{
}

bool CenterFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show) {
        m_widget = qobject_cast<QWidget*>(watched);
        if (m_widget)
            centre();
    }
    return false;
}

void CenterFilter::slotResized(int)
{
    if (m_widget && m_widget->isVisible())
        centre();
}

void CenterFilter::centre()
{
    QWidget* reference = qobject_cast<QWidget*>(m_widget->parent());
    if (!reference)
        reference = QApplication::desktop();
    const QPoint position = centredPosition(reference->size(), m_widget->size());
    if (position != m_widget->pos())
        m_widget->move(position);
}

} // namespace QMWidgets
