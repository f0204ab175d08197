#include "virtualresolutionwidget.h"

#include "deliveryawareview.h"

#include <QDebug>
#include <QEvent>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QPointer>
#include <QVBoxLayout>

namespace QMWidgets {

VirtualResolutionWidget::VirtualResolutionWidget(QWidget* parent)
    : QWidget(parent)
    , m_graphicsScene(new QGraphicsScene(0, 0, 800, 800, this))
    , m_graphicsView(new DeliveryAwareView(m_graphicsScene))
{
    QPalette background = palette();
    background.setBrush(backgroundRole(), QBrush(Qt::green));
    setPalette(background);

    m_graphicsView->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    // The scene is always fitted into the view, so there is never anything
    // to scroll to.
    m_graphicsView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_graphicsView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_graphicsView);
}

void VirtualResolutionWidget::setWidget(QWidget* w)
{
    if (m_proxy && m_proxy->widget() == w)
        return;
    delete m_proxy;
    if (!w)
        return;
    m_proxy = m_graphicsScene->addWidget(w);
    w->installEventFilter(this);
    if (m_virtualSize.isValid())
        applyVirtualSize();
    else
        fitToView();
}

QWidget* VirtualResolutionWidget::widget() const
{
    return m_proxy ? m_proxy->widget() : nullptr;
}

QGraphicsView* VirtualResolutionWidget::graphicsView() const
{
    return m_graphicsView;
}

bool VirtualResolutionWidget::isDeliveringEvent() const
{
    return m_graphicsView->isDelivering();
}

void VirtualResolutionWidget::deleteAfterDelivery()
{
    hide();
    if (isDeliveringEvent())
        connect(m_graphicsView, &DeliveryAwareView::deliveryFinished, this, &QObject::deleteLater,
                Qt::UniqueConnection);
    else
        deleteLater();
}

VirtualResolutionWidget* VirtualResolutionWidget::instance()
{
    // Lives as long as the process, unless someone deletes it.
    static QPointer<VirtualResolutionWidget> shared;
    if (!shared)
        shared = new VirtualResolutionWidget;
    return shared;
}

void VirtualResolutionWidget::slotSetWidth(int width)
{
    m_virtualSize.setWidth(width);
    qDebug() << "Size1:" << m_virtualSize;
    applyVirtualSize();
}

void VirtualResolutionWidget::slotSetHeight(int height)
{
    m_virtualSize.setHeight(height);
    qDebug() << "Size2:" << m_virtualSize;
    applyVirtualSize();
}

void VirtualResolutionWidget::slotSetSize(QSize s)
{
    m_virtualSize = s;
    applyVirtualSize();
}

void VirtualResolutionWidget::resizeEvent(QResizeEvent* event)
{
    if (m_proxy) {
        fitToView();
        m_graphicsView->ensureVisible(m_proxy, 50, 50);
    }
    QWidget::resizeEvent(event);
}

bool VirtualResolutionWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::LayoutRequest && m_proxy && watched == m_proxy->widget())
        applyVirtualSize();
    return QWidget::eventFilter(watched, event);
}

void VirtualResolutionWidget::applyVirtualSize()
{
    if (!m_proxy || !m_virtualSize.isValid())
        return;
    // Squeezed below its minimum size, a widget would keep that size and
    // hang out of the scene: the part outside could be neither seen nor
    // clicked. It gets at least its minimum and is stretched like the rest.
    QWidget* widget = m_proxy->widget();
    const QSize laidOut = m_virtualSize.expandedTo(widget->minimumSizeHint());
    widget->setFixedSize(laidOut);
    m_graphicsScene->setSceneRect(0, 0, laidOut.width(), laidOut.height());
    fitToView();
}

void VirtualResolutionWidget::fitToView()
{
    if (!m_proxy)
        return;
    m_proxy->setPos(0, 0);
    m_graphicsView->fitInView(m_proxy, Qt::IgnoreAspectRatio);
}

} // namespace QMWidgets
