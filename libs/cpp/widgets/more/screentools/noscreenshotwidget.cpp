#include "noscreenshotwidget.h"

#include "noscreenshotfilter.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>

namespace QMWidgets {

namespace {
// Marks the widgets that the protection hid, so that only they come back.
const char* const hiddenByProtection = "_qmwidgets_hiddenByProtection";

// A dialog window is not hidden: hiding it would end its exec() as rejected.
bool isDialogWindow(const QWidget* widget)
{
    return widget->isWindow() && qobject_cast<const QDialog*>(widget);
}

// Whether the protection hides this widget below the protected one itself: a
// child widget of the protected widget or of a dialog window, or a window
// other than a dialog. Deeper widgets go and come with these.
bool standsForContent(const QWidget* widget, const QWidget* protectedWidget)
{
    if (widget->isWindow())
        return !isDialogWindow(widget);
    const QWidget* parent = widget->parentWidget();
    return parent == protectedWidget || isDialogWindow(parent);
}

bool isBelow(const QWidget* widget, const QWidget* ancestor)
{
    for (const QWidget* parent = widget->parentWidget(); parent; parent = parent->parentWidget()) {
        if (parent == ancestor)
            return true;
    }
    return false;
}

void hideForProtection(QWidget* widget)
{
    widget->setProperty(hiddenByProtection, true);
    widget->hide();
}
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
    // after this object is gone; it must not reach the slots any more. Nor
    // may the events of the children deleted with it reach the watch. A host
    // may also delete it after the application object is gone.
    if (!qApp)
        return;
    disconnect(qApp, nullptr, this, nullptr);
    qApp->removeEventFilter(this);
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
    setContentHidden(true);
    m_changing = false;
}

void NoScreenShotWidget::setChildrenVisible(QWidget* widget, bool visible)
{
    for (QWidget* child : widget->findChildren<QWidget*>()) {
        if (!standsForContent(child, widget))
            continue;
        if (!visible && !child->isHidden()) {
            hideForProtection(child);
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

bool NoScreenShotWidget::eventFilter(QObject* watched, QEvent* event)
{
    // Installed on the application while the content is hidden: a quick look
    // at every event, two kinds of it on widgets matter.
    const QEvent::Type type = event->type();
    if ((type != QEvent::WindowActivate && type != QEvent::ShowToParent) || !m_contentHidden
        || !watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    // Any window of the application becoming active brings the content back
    // before the window gives its focus, so that a widget of the content can
    // take it; the protection's own window tells this by itself.
    if (type == QEvent::WindowActivate && widget->isWindow()) {
        followApplication();
        return false;
    }
    // Every explicit show ends with this event, once the widget is shown: a
    // widget the host adds or shows below is hidden again before anything of
    // it is painted, and comes back with the content.
    if (type != QEvent::ShowToParent || !isBelow(widget, this))
        return false;
    if (isDialogWindow(widget)) {
        for (QWidget* child : widget->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (!child->isWindow() && !child->isHidden())
                hideForProtection(child);
        }
    } else if (standsForContent(widget, this)) {
        hideForProtection(widget);
    }
    return false;
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
    if (!visible && !m_contentHidden)
        rememberFocus();
    setContentHidden(!visible);
    if (visible) {
        // In an inactive window this only chooses the widget that gets the
        // focus once the window is active.
        for (const QPointer<QWidget>& focus : qAsConst(m_focusBeforeHiding)) {
            if (focus && focus->isVisible())
                focus->setFocus(Qt::OtherFocusReason);
        }
        m_focusBeforeHiding.clear();
    }
    m_changing = false;
}

void NoScreenShotWidget::setContentHidden(bool hidden)
{
    // The watch on what the host shows runs exactly while the content is hidden.
    if (hidden && !m_contentHidden)
        qApp->installEventFilter(this);
    if (!hidden && m_contentHidden)
        qApp->removeEventFilter(this);
    m_contentHidden = hidden;
    setChildrenVisible(this, !hidden);
}

void NoScreenShotWidget::rememberFocus()
{
    m_focusBeforeHiding.clear();
    QList<QWidget*> windows { window() };
    for (QDialog* dialog : findChildren<QDialog*>()) {
        if (dialog->isWindow() && dialog->isVisible())
            windows.append(dialog);
    }
    for (QWidget* each : qAsConst(windows)) {
        QWidget* focus = each->focusWidget();
        if (focus && isBelow(focus, this) && focus->isVisible())
            m_focusBeforeHiding.append(focus);
    }
}

} // namespace QMWidgets
