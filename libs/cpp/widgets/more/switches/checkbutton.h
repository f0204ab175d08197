#pragma once

#include <QPushButton>

namespace QMWidgets {

// A checkable push button that reports switching on and switching off as two
// separate signals, whether the user or code changed it.
class CheckButton : public QPushButton
{
    Q_OBJECT

public:
    explicit CheckButton(QWidget* parent = nullptr);

signals:
    void onClicked();
    void offClicked();

public slots:
    void slotClicked(bool on);
};

} // namespace QMWidgets
