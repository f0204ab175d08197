#include "widgetutils.h"

#include "os.h"

#include <QApplication>
#include <QDesktopWidget>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

namespace QMWidgets {

void setObjectNameAndToolTip(QWidget* widget, const QString& objectName, const QString& toolTip)
{
    widget->setObjectName(objectName);
    if (!toolTip.isEmpty())
        widget->setToolTip(toolTip);
}

void setupPushButton(QPushButton* button)
{
    button->setObjectName(QStringLiteral("PushButton"));
    button->setFlat(true);
    button->setMinimumHeight(32);
}

void setupSquareButton(QPushButton* button)
{
    button->setFlat(true);
    button->setFixedSize(32, 32);
}

QPixmap grabDesktop()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return QPixmap();
    const QRect geometry = screen->geometry();
    const double factor = Os::scaleFactor();
    return screen->grabWindow(QApplication::desktop()->winId(), geometry.x(), geometry.y(),
                              int(geometry.width() * factor), int(geometry.height() * factor));
}

} // namespace QMWidgets
