#include "noscreenshotfilter.h"

#include "noscreenshotwidget.h"

#include <QEvent>

namespace QMWidgets {

NoScreeShotFilter::NoScreeShotFilter(QObject* parent)
    : QObject(parent)
{
}

bool NoScreeShotFilter::eventFilter(QObject* watched, QEvent* event)
{
    Q_UNUSED(watched)
    if (event->type() != QEvent::KeyPress)
        return false;
    if (auto* protector = qobject_cast<NoScreenShotWidget*>(parent()))
        protector->hideContent();
    else if (auto* widget = qobject_cast<QWidget*>(parent()))
        NoScreenShotWidget::setChildrenVisible(widget, false);
    return true;
}

} // namespace QMWidgets
