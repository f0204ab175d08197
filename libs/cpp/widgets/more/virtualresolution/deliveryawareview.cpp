#include "deliveryawareview.h"

namespace QMWidgets {

DeliveryAwareView::DeliveryAwareView(QGraphicsScene* scene, QWidget* parent)
    : QGraphicsView(scene, parent)
{
}

template<typename Deliver> bool DeliveryAwareView::deliver(Deliver deliverEvent)
{
    ++m_depth;
    const bool result = deliverEvent();
    // A deletion asked for within the delivery waits for this signal, so the
    // view is still alive here.
    if (--m_depth == 0)
        emit deliveryFinished();
    return result;
}

bool DeliveryAwareView::event(QEvent* event)
{
    return deliver([this, event] { return QGraphicsView::event(event); });
}

bool DeliveryAwareView::viewportEvent(QEvent* event)
{
    return deliver([this, event] { return QGraphicsView::viewportEvent(event); });
}

} // namespace QMWidgets
