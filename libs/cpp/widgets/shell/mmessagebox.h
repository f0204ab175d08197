#pragma once

#include <QDialog>
#include <QMap>
#include <QMessageBox>

class QAbstractButton;

namespace QMWidgets {

// A message box as a dialog of the program's look: an icon by kind, the
// text, one push button per standard button and optionally one button with
// a text of the caller's. Each standard button ends exec() with its
// QMessageBox::StandardButton value, the caller's button with UserButton;
// closing the box without a button gives QMessageBox::NoButton. exec() runs
// through the program's dialog seam (DialogRunner).
class MMessageBox : public QDialog
{
    Q_OBJECT

public:
    enum Kind { NoIcon = 0, Information = 1, Warning = 2, Critical = 3, Question = 4 };
    static constexpr int UserButton = 0x10000000;

    MMessageBox(int kind, const QString& title, const QString& text, QMessageBox::StandardButtons buttons,
                QWidget* parent = nullptr, const QString& userButtonText = QString());

    int exec() override;
    void reject() override;

    // The button for a standard button value (or UserButton); null when the
    // box has none.
    QAbstractButton* button(int value) const { return m_buttons.value(value); }
    QString text() const { return m_text; }

private:
    QMap<int, QAbstractButton*> m_buttons;
    QString m_text;
};

} // namespace QMWidgets
