#include "dialogseams.h"

#include "dialogrunner.h"
#include "dialogwatch.h"
#include "messagebox.h"
#include "os.h"

#include <QDialog>
#include <QPushButton>
#include <QtTest>

namespace TestSupport {

void watchDialogs()
{
    QMWidgets::DialogWatch::setRecording(true);
    QMWidgets::DialogWatch::setUnplannedHandler([](const QString& dialog) {
        const QByteArray message = "Unplanned dialog, cancelled: " + dialog.toUtf8();
        QTest::qFail(message.constData(), __FILE__, __LINE__);
    });
}
// Every application object of a test program that uses these helpers turns it on.
Q_COREAPP_STARTUP_FUNCTION(watchDialogs)

int clearDialogSeams()
{
    const int pending = QMWidgets::DialogRunner::pendingHandlers();
    QMWidgets::DialogRunner::clearHandlers();
    QMWidgets::MessageBox::clearAnswers();
    QMWidgets::MessageBox::clearShown();
    Os::clearFileDialogAnswers();
    Os::clearFileDialogRequests();
    return pending;
}

int answerDialog(QDialog& dialog, const QString& button)
{
    if (button.isEmpty()) {
        QTest::keyClick(&dialog, Qt::Key_Escape);
        return dialog.result();
    }
    for (QPushButton* candidate : dialog.findChildren<QPushButton*>()) {
        if (candidate->text() == button) {
            QTest::mouseClick(candidate, Qt::LeftButton);
            return dialog.result();
        }
    }
    return -1;
}

} // namespace TestSupport
