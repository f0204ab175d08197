#pragma once

#include <QGraphicsView>

namespace QMWidgets {

// A graphics view that tells whether it is delivering an event: while a
// press, a key or a wheel turn goes from the view through its scene to an
// item, the view, the scene and the item must stay alive, whatever a slot
// reached from there deletes. A deletion asked for meanwhile waits for
// deliveryFinished(); Qt's deleteLater() alone is not enough, as an event
// loop that a slot runs within the delivery would carry it out.
class DeliveryAwareView : public QGraphicsView
{
    Q_OBJECT

public:
    explicit DeliveryAwareView(QGraphicsScene* scene, QWidget* parent = nullptr);

    // True from the start to the end of an event to the view or its viewport,
    // including whatever runs from within it (signals, nested event loops).
    bool isDelivering() const { return m_depth > 0; }

signals:
    // The outermost event the view was delivering has been delivered.
    void deliveryFinished();

protected:
    bool event(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    template<typename Deliver> bool deliver(Deliver deliverEvent);

    int m_depth = 0;
};

} // namespace QMWidgets
