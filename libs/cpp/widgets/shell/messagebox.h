#pragma once

#include <QList>
#include <QMessageBox>

namespace QMWidgets {

// The program's one road to QMessageBox's static questions. A test queues the
// answers of the next boxes with setNextAnswer(); a queued answer is returned
// without showing anything. While DialogWatch records, every box's title and
// text are kept for the test to read. With no queued answer the real box runs,
// unless DialogWatch runs dialogs unattended: then the box gives Cancel (or
// No, or no button) at once.
class MessageBox
{
public:
    struct Shown
    {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString title;
        QString text;
        QMessageBox::StandardButtons buttons;
    };

    static QMessageBox::StandardButton warning(QWidget* parent, const QString& title, const QString& text,
                                               QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                               QMessageBox::StandardButton defaultButton
                                               = QMessageBox::NoButton);
    static QMessageBox::StandardButton information(QWidget* parent, const QString& title, const QString& text,
                                                   QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                                   QMessageBox::StandardButton defaultButton
                                                   = QMessageBox::NoButton);
    static QMessageBox::StandardButton
    question(QWidget* parent, const QString& title, const QString& text,
             QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No,
             QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

    // Test seam.
    static void setNextAnswer(QMessageBox::StandardButton answer);
    static void clearAnswers();
    static int pendingAnswers();
    // Every box asked for while DialogWatch records, since the last
    // clearShown(), answered by the seam or not.
    static QList<Shown> shown();
    static void clearShown();

private:
    static QMessageBox::StandardButton ask(QMessageBox::Icon icon, QWidget* parent, const QString& title,
                                           const QString& text, QMessageBox::StandardButtons buttons,
                                           QMessageBox::StandardButton defaultButton);
};

} // namespace QMWidgets
