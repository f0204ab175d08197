#include "blenderwidget.h"

#include <QEvent>

namespace QMWidgets {

BlenderWidget::BlenderWidget(QWidget* parent)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("MainWidgetBlender"));
    setAlignment(Qt::AlignCenter);
    setGeometry(parent->rect());
    hide();
    parent->installEventFilter(this);
}

bool BlenderWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QLabel::eventFilter(watched, event);
}

} // namespace QMWidgets
