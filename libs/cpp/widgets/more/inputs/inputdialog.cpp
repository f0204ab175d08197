#include "inputdialog.h"

#include "dialogrunner.h"
#include "shellservices.h"
#include "widgetutils.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>

#include <cmath>
#include <limits>

namespace QMWidgets {

InputDialog::InputDialog(const QString& labelText, QWidget* parent, int mode)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("InputDialog"));
    m_stack = new QStackedWidget;
    m_spinBox = new QSpinBox;
    m_lineEdit = new QLineEdit;
    m_lineEdit->setFixedHeight(32);
    m_stack->addWidget(m_spinBox);
    m_stack->addWidget(m_lineEdit);
    setMode(mode);

    m_okButton = new QPushButton(tr("Ok"));
    m_cancelButton = new QPushButton(QStringLiteral("Cancel"));
    setupPushButton(m_okButton);
    setupPushButton(m_cancelButton);
    connect(m_okButton, &QPushButton::clicked, this, &InputDialog::accept);
    connect(m_cancelButton, &QPushButton::clicked, this, &InputDialog::reject);

    // On a small screen the buttons stand under each other.
    auto* buttons
        = new QBoxLayout(ShellServices::isSmallScreen() ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
    buttons->addStretch(1);
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);

    auto* content = new QVBoxLayout;
    content->addWidget(new QLabel(labelText));
    content->addWidget(m_stack);

    auto* layout = new QVBoxLayout;
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(7);
    layout->addLayout(content);
    layout->addLayout(buttons);
    setLayout(layout);
}

void InputDialog::setMode(int mode)
{
    m_mode = mode;
    QWidget* input = mode == 0 ? static_cast<QWidget*>(m_spinBox) : mode == 1 ? m_lineEdit : nullptr;
    if (!input)
        return;
    m_stack->setCurrentWidget(input);
    input->setFocus(Qt::OtherFocusReason);
}

QString InputDialog::getText(QWidget* parent, const QString& title, const QString& labelText,
                             QLineEdit::EchoMode echoMode, const QString& text, bool* ok)
{
    // The dialog goes with its parent should the parent be destroyed while it runs.
    const QPointer<InputDialog> dialog = new InputDialog(labelText, parent, 1);
    dialog->setWindowTitle(title);
    dialog->lineEdit()->setEchoMode(echoMode);
    dialog->lineEdit()->setText(text);
    dialog->lineEdit()->setFocus();
    const int result = DialogRunner::exec(*dialog);
    if (ok)
        *ok = dialog && result == QDialog::Accepted;
    if (!dialog)
        return QString();
    const QString answer = dialog->lineEdit()->text();
    delete dialog.data();
    return answer;
}

int InputDialog::getInt(QWidget* parent, const QString& title, const QString& labelText, int value,
                        int minimum, int maximum, bool* ok)
{
    const QPointer<InputDialog> dialog = new InputDialog(labelText, parent, 0);
    dialog->setWindowTitle(title);
    dialog->spinBox()->setRange(minimum, maximum);
    dialog->spinBox()->setValue(value);
    const int result = DialogRunner::exec(*dialog);
    if (ok)
        *ok = dialog && result == QDialog::Accepted;
    if (!dialog)
        return value;
    const int answer = dialog->spinBox()->value();
    delete dialog.data();
    return answer;
}

int InputDialog::scaledScreenSide(float divisor)
{
    const int side = ShellServices::smallerScreenSide();
    if (!(divisor > 0.0f))
        return side;
    const double quotient = std::trunc(double(side) / double(divisor));
    if (quotient >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    return int(quotient);
}

void InputDialog::accept()
{
    QDialog::accept();
}

void InputDialog::reject()
{
    QDialog::reject();
}

} // namespace QMWidgets
