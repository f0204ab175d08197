#include "messagebox.h"

#include "dialogwatch.h"

#include <QQueue>

namespace QMWidgets {

namespace {
QQueue<QMessageBox::StandardButton>& answers()
{
    static QQueue<QMessageBox::StandardButton> queue;
    return queue;
}

QList<MessageBox::Shown>& shownBoxes()
{
    static QList<MessageBox::Shown> list;
    return list;
}

// What a box left without an answer gives: Cancel, else No, else no button.
QMessageBox::StandardButton escapeAnswer(QMessageBox::StandardButtons buttons)
{
    if (buttons.testFlag(QMessageBox::Cancel))
        return QMessageBox::Cancel;
    return buttons.testFlag(QMessageBox::No) ? QMessageBox::No : QMessageBox::NoButton;
}
} // namespace

QMessageBox::StandardButton MessageBox::ask(QMessageBox::Icon icon, QWidget* parent, const QString& title,
                                            const QString& text, QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton defaultButton)
{
    if (DialogWatch::isRecording())
        shownBoxes().append({ icon, title, text, buttons });
    if (!answers().isEmpty())
        return answers().dequeue();
    if (DialogWatch::refuseUnplanned(QStringLiteral("Message box"), title, text))
        return escapeAnswer(buttons);

    switch (icon) {
    case QMessageBox::Warning:
        return QMessageBox::warning(parent, title, text, buttons, defaultButton);
    case QMessageBox::Question:
        return QMessageBox::question(parent, title, text, buttons, defaultButton);
    default:
        return QMessageBox::information(parent, title, text, buttons, defaultButton);
    }
}

QMessageBox::StandardButton MessageBox::warning(QWidget* parent, const QString& title, const QString& text,
                                                QMessageBox::StandardButtons buttons,
                                                QMessageBox::StandardButton defaultButton)
{
    return ask(QMessageBox::Warning, parent, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton MessageBox::information(QWidget* parent, const QString& title,
                                                    const QString& text, QMessageBox::StandardButtons buttons,
                                                    QMessageBox::StandardButton defaultButton)
{
    return ask(QMessageBox::Information, parent, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton MessageBox::question(QWidget* parent, const QString& title, const QString& text,
                                                 QMessageBox::StandardButtons buttons,
                                                 QMessageBox::StandardButton defaultButton)
{
    return ask(QMessageBox::Question, parent, title, text, buttons, defaultButton);
}

void MessageBox::setNextAnswer(QMessageBox::StandardButton answer)
{
    answers().enqueue(answer);
}

void MessageBox::clearAnswers()
{
    answers().clear();
}

int MessageBox::pendingAnswers()
{
    return answers().size();
}

QList<MessageBox::Shown> MessageBox::shown()
{
    return shownBoxes();
}

void MessageBox::clearShown()
{
    shownBoxes().clear();
}

} // namespace QMWidgets
