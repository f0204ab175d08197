#pragma once

#include <QPointer>
#include <QSize>
#include <QWidget>

class QGraphicsProxyWidget;
class QGraphicsScene;
class QGraphicsView;

namespace QMWidgets {

class DeliveryAwareView;

// A scaling view: embeds one widget into a graphics scene, lays it out at a
// fixed pixel size (the virtual resolution) and stretches it over the whole
// view, in each direction by its own factor. A widget that cannot be made as
// small as the virtual resolution is laid out at its minimum size in that
// direction instead, so that all of it is shown and can be reached.
class VirtualResolutionWidget : public QWidget
{
    Q_OBJECT

public:
    explicit VirtualResolutionWidget(QWidget* parent = nullptr);

    // Embeds w, which the scene owns from then on. A virtual resolution set
    // before is given to it at once. A widget embedded before is deleted.
    void setWidget(QWidget* w);
    // The embedded widget, or null before setWidget().
    QWidget* widget() const;
    QSize virtualSize() const { return m_virtualSize; }
    QGraphicsView* graphicsView() const;
    // True while the view delivers an event to the scene, such as a click on
    // the embedded widget: deleting the view then has to wait.
    bool isDeliveringEvent() const;
    // Hides the view and deletes it, with the scene and the embedded widget,
    // once no event is being delivered (deleteLater() at the earliest).
    void deleteAfterDelivery();

    // The process-wide view, made on first use; it embeds nothing until
    // setWidget() is called on it.
    static VirtualResolutionWidget* instance();

public slots:
    void slotSetWidth(int width);
    void slotSetHeight(int height);
    // Lays the embedded widget out at s and stretches it over the view;
    // without an embedded widget the size is only remembered.
    void slotSetSize(QSize s);

protected:
    void resizeEvent(QResizeEvent* event) override;
    // Lays the embedded widget out again when its minimum size changes.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyVirtualSize();
    void fitToView();

    QGraphicsScene* m_graphicsScene;
    DeliveryAwareView* m_graphicsView;
    // Deleted with the embedded widget when a host deletes that one.
    QPointer<QGraphicsProxyWidget> m_proxy;
    QSize m_virtualSize;
};

} // namespace QMWidgets
