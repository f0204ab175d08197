#pragma once

#include <QPushButton>

namespace QMWidgets {

// A push button that writes the word "Menu" in white into its lower half,
// over whatever the button itself shows.
class MenuButton : public QPushButton
{
    Q_OBJECT

public:
    explicit MenuButton(QWidget* parent = nullptr);
    explicit MenuButton(const QString& text, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace QMWidgets
