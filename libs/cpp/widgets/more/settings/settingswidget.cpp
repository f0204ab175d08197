#include "settingswidget.h"

namespace QMWidgets {

SettingsWidget::SettingsWidget(QWidget* parent)
    : QWidget(parent)
{
}

void SettingsWidget::slotApply() { }

} // namespace QMWidgets
