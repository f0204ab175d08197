#include "hybridwidget.h"

#include "virtualresolutionwidget.h"

#include <QGraphicsView>
#include <QPointer>
#include <QVBoxLayout>

namespace QMWidgets {

namespace {
// The virtual resolution when the settings dialog was never opened.
const QSize kDefaultVirtualSize(1280, 800);
} // namespace

HybridWidget::HybridWidget(QWidget* parent)
    : QWidget(parent)
    , m_hostWidget(new QWidget)
    , m_resolutionView(new VirtualResolutionWidget)
    , m_contentLayout(new QVBoxLayout)
{
    m_contentLayout->setContentsMargins(0, 0, 0, 0);
    m_contentLayout->setSpacing(0);
    // In virtual mode this widget fills the host widget, whoever sizes that
    // one; the content's minimum size reaches the view through this layout.
    auto* hostLayout = new QVBoxLayout(m_hostWidget);
    hostLayout->setContentsMargins(0, 0, 0, 0);
    hostLayout->setSpacing(0);
    m_resolutionView->setWidget(m_hostWidget);
    setLayout(m_contentLayout);
}

HybridWidget::~HybridWidget()
{
    if (m_resolutionView->isDeliveringEvent()) {
        // Deleted from a slot that an event on the view reached (a click on a
        // button of the content, a key in a field): the view, its scene and
        // proxy and the content's widgets are still in use by that delivery.
        // The content moves to the host widget and goes with the view once
        // the delivery is over; only this container goes now.
        const QList<QWidget*> children = findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        for (QWidget* child : children) {
            if (!child->isWindow())
                child->setParent(m_hostWidget);
        }
        m_resolutionView->deleteAfterDelivery();
    } else {
        // In virtual mode this widget is a child of the host widget, which
        // the view deletes with its scene; it leaves first so it is
        // destroyed once.
        if (parentWidget() == m_hostWidget)
            setParent(nullptr);
        delete m_resolutionView;
    }
    delete m_settingsDialog;
}

void HybridWidget::addWidget(QWidget* w)
{
    m_contentLayout->addWidget(w);
}

void HybridWidget::setWindowTitle(const QString& title)
{
    QWidget::setWindowTitle(title);
    m_resolutionView->setWindowTitle(title);
}

void HybridWidget::slotSetVirtualResolutionMode(bool on)
{
    if (on == m_virtualMode)
        return;
    // Hiding and reparenting take the keyboard away from the content; the
    // widget that had it gets it back in the other window.
    const QPointer<QWidget> focused = contentFocusWidget();
    if (on) {
        const bool active = isActiveWindow();
        // Only the size is kept; leaving the mode puts the window at (50, 50).
        m_normalGeometry = QRect(0, 0, width(), height());
        hide();
        m_hostWidget->setFixedSize(size());
        setParent(m_hostWidget);
        m_hostWidget->layout()->addWidget(this);
        m_resolutionView->show();
        show();
        m_virtualMode = true;
        applyVirtualSize(m_settingsDialog ? m_settingsDialog->virtualResolution() : kDefaultVirtualSize);
        carryFocus(m_resolutionView, active, focused);
    } else {
        const bool active = m_resolutionView->isActiveWindow();
        setParent(nullptr);
        setGeometry(m_normalGeometry);
        move(50, 50);
        show();
        m_resolutionView->hide();
        m_virtualMode = false;
        carryFocus(this, active, focused);
    }
}

void HybridWidget::slotShowFullScreenMode(bool on)
{
    m_fullScreen = on;
    QWidget* window = m_virtualMode ? static_cast<QWidget*>(m_resolutionView) : this;
    if (on)
        window->showFullScreen();
    else
        window->showNormal();
}

void HybridWidget::slotSetSize(QSize s)
{
    if (m_virtualMode)
        applyVirtualSize(s);
}

void HybridWidget::slotSetMode(VirtualResolutionDialog::Mode m)
{
    slotSetVirtualResolutionMode(m == VirtualResolutionDialog::VirtualResolutionMode);
}

void HybridWidget::slotSetSettings()
{
    if (!m_settingsDialog)
        return;
    slotSetMode(m_settingsDialog->mode());
    if (m_virtualMode)
        applyVirtualSize(m_settingsDialog->virtualResolution());
}

void HybridWidget::slotShowSettingsDialog()
{
    if (!m_settingsDialog) {
        m_settingsDialog = new VirtualResolutionDialog;
        connect(m_settingsDialog, &VirtualResolutionDialog::changeSettings, this,
                &HybridWidget::slotSetSettings);
    }
    m_settingsDialog->raise();
    m_settingsDialog->activateWindow();
    m_settingsDialog->show();
}

QWidget* HybridWidget::contentFocusWidget() const
{
    QWidget* focused = focusWidget();
    return focused && isAncestorOf(focused) ? focused : nullptr;
}

void HybridWidget::carryFocus(QWidget* window, bool activate, QWidget* focused)
{
    if (activate) {
        window->raise();
        window->activateWindow();
    }
    // In the view the keys go to the scene, which hands them to the proxy's
    // focus widget.
    if (window == m_resolutionView)
        m_resolutionView->graphicsView()->setFocus(Qt::OtherFocusReason);
    if (focused)
        focused->setFocus(Qt::OtherFocusReason);
}

void HybridWidget::applyVirtualSize(const QSize& s)
{
    m_resolutionView->slotSetSize(s);
    setGeometry(0, 0, m_hostWidget->width(), m_hostWidget->height());
}

} // namespace QMWidgets
