#pragma once

#include <QLabel>

namespace QMWidgets {

// The dimming overlay of the main window ("MainWidgetBlender"): hidden until
// a caller shows it; it always covers its parent.
class BlenderWidget : public QLabel
{
    Q_OBJECT

public:
    explicit BlenderWidget(QWidget* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace QMWidgets
