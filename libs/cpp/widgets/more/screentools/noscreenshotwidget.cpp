#include "noscreenshotwidget.h"

#include "noscreenshotfilter.h"

#include <QApplication>
#include <QEvent>

namespace QMWidgets {

namespace {
// Marks the widgets that the protection hid, so that only they come back.
const char* const hiddenByProtection = "_qmwidgets_hiddenByProtection";
} // namespace

NoScreenShotWidget::NoScreenShotWidget(QWidget* parent)
    : NoScreenShotWidget(QString(), parent)
{
}

NoScreenShotWidget::NoScreenShotWidget(const QString& text, QWidget* parent)
    : QLabel(parent)
{
    setText(text.isEmpty() ? QStringLiteral("<H1><CENTER>") + tr("No!") + QStringLiteral("</CENTER></H1>")
                           : text);
    connect(qApp, &QApplication::focusChanged, this, &NoScreenShotWidget::slotFocusChanged);
    // The application state follows the focus window only after the active
    // window is settled; looked at once that is done.
    connect(qApp, &QGuiApplication::applicationStateChanged, this, &NoScreenShotWidget::followApplication,
            Qt::QueuedConnection);
}

NoScreenShotWidget::~NoScreenShotWidget()
{
    // Deleting a focused child makes the application announce a focus change
    // after this object is gone; it must not reach the slots any more.
    disconnect(qApp, nullptr, this, nullptr);
}

void NoScreenShotWidget::protectChildren()
{
    if (!m_filter)
        m_filter = new NoScreeShotFilter(this);
    // Installing the same filter again on a widget keeps it there once.
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(m_filter);
}

void NoScreenShotWidget::hideContent()
{
    // The user's next focus change is meant: the focus is not taken back.
    m_focusBeforeHiding.clear();
    m_changing = true;
    setChildrenVisible(this, false);
    m_contentHidden = true;
    m_changing = false;
}

void NoScreenShotWidget::setChildrenVisible(QWidget* widget, bool visible)
{
    for (QWidget* child : widget->findChildren<QWidget*>()) {
        // A child's own children go and come with it; windows below do not.
        if (child->parentWidget() != widget && !child->isWindow())
            continue;
        if (!visible && !child->isHidden()) {
            child->setProperty(hiddenByProtection, true);
            child->hide();
        } else if (visible && child->property(hiddenByProtection).toBool()) {
            child->setProperty(hiddenByProtection, QVariant());
            child->show();
        }
    }
}

void NoScreenShotWidget::slotFocusChanged(QWidget* old, QWidget* now)
{
    Q_UNUSED(old)
    Q_UNUSED(now)
    followApplication();
}

bool NoScreenShotWidget::event(QEvent* event)
{
    const bool result = QLabel::event(event);
    // The own window's activation, also when no widget takes the focus.
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::WindowDeactivate
        || event->type() == QEvent::Show)
        followApplication();
    return result;
}

void NoScreenShotWidget::followApplication()
{
    if (!m_changing)
        setContentVisible(QApplication::activeWindow() != nullptr);
}

void NoScreenShotWidget::setContentVisible(bool visible)
{
    m_changing = true;
    // Left for another program: the focus comes back where it was.
    if (!visible && !m_contentHidden) {
        QWidget* focus = window()->focusWidget();
        if (focus && isAncestorOf(focus) && focus->isVisible())
            m_focusBeforeHiding = focus;
    }
    setChildrenVisible(this, visible);
    if (visible && m_focusBeforeHiding && window()->isActiveWindow())
        m_focusBeforeHiding->setFocus(Qt::OtherFocusReason);
    if (visible)
        m_focusBeforeHiding.clear();
    m_contentHidden = !visible;
    m_changing = false;
}

} // namespace QMWidgets
