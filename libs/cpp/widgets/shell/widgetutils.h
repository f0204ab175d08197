#pragma once

#include <QPixmap>
#include <QString>

class QPushButton;
class QWidget;

namespace QMWidgets {

// Sets the object name, and the tool tip when the text is not empty.
void setObjectNameAndToolTip(QWidget* widget, const QString& objectName, const QString& toolTip);
// A flat button with the object name "PushButton" and a minimum height of 32.
void setupPushButton(QPushButton* button);
// A flat button of the fixed size 32 x 32.
void setupSquareButton(QPushButton* button);
// A picture of the primary screen; null when the grab is refused.
QPixmap grabDesktop();

} // namespace QMWidgets
