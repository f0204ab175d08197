#pragma once

#include <QDialog>
#include <QLineEdit>

class QPushButton;
class QSpinBox;
class QStackedWidget;

namespace QMWidgets {

// A small modal dialog that asks for one number (mode 0) or one line of text
// (mode 1), with one-call helpers. The dialogs of the helpers run through the
// shell's DialogRunner, so a test can answer them.
class InputDialog : public QDialog
{
    Q_OBJECT

public:
    explicit InputDialog(const QString& labelText, QWidget* parent = nullptr, int mode = 0);

    // 0 shows the number input, 1 the text input, each with the keyboard
    // focus; any other value is only stored.
    void setMode(int mode);
    int mode() const { return m_mode; }
    QSpinBox* spinBox() const { return m_spinBox; }
    QLineEdit* lineEdit() const { return m_lineEdit; }

    // Asks for a line of text. The result is the text in the field, also when
    // the dialog was cancelled; ok (when given) tells whether it was accepted.
    static QString getText(QWidget* parent, const QString& title, const QString& labelText,
                           QLineEdit::EchoMode echoMode = QLineEdit::Normal, const QString& text = QString(),
                           bool* ok = nullptr);
    // Asks for a number in minimum..maximum. The result is the number in the
    // field, also when the dialog was cancelled; ok tells whether it was accepted.
    static int getInt(QWidget* parent, const QString& title, const QString& labelText, int value = 0,
                      int minimum = -2147483647, int maximum = 2147483647, bool* ok = nullptr);

    // The smaller side of the screen divided by divisor, truncated. A divisor
    // that is not above zero leaves the side as it is; a quotient beyond the
    // range of int gives the largest int.
    static int scaledScreenSide(float divisor);

public slots:
    void accept() override;
    void reject() override;

private:
    QSpinBox* m_spinBox = nullptr;
    QLineEdit* m_lineEdit = nullptr;
    QPushButton* m_okButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    QStackedWidget* m_stack = nullptr;
    int m_mode = 0;
};

} // namespace QMWidgets
