// A test that meets a dialog it did not plan for fails at once, naming the
// dialog, which gives its cancel answer instead of waiting for a user. Such a
// test runs as a child of this program ("--unplanned <row>"), so that its end
// can be seen.

#include "dialogrunner.h"
#include "messagebox.h"
#include "testapp.h"
#include "tooling.h"

#include <QDialog>
#include <QtTest>

using QMWidgets::MessageBox;

namespace {
class Planless : public QObject
{
    Q_OBJECT

public:
    QString row;

private slots:
    void meetsDialog()
    {
        // Each gives its cancel answer at once.
        QDialog dialog;
        dialog.setWindowTitle("Settings");
        if (row == "message box")
            QCOMPARE(
                MessageBox::warning(nullptr, "Overwrite?", "It exists.", QMessageBox::Yes | QMessageBox::No),
                QMessageBox::No);
        else
            QCOMPARE(QMWidgets::DialogRunner::exec(dialog), int(QDialog::Rejected));
    }
};
} // namespace

class TestDialogWatch : public QObject
{
    Q_OBJECT

private slots:
    void unplannedDialogFailsTheTestAtOnce_data()
    {
        QTest::addColumn<QString>("named");
        QTest::newRow("message box") << R"(Message box "Overwrite?": It exists.)";
        QTest::newRow("dialog") << R"(QDialog "Settings")";
    }

    void unplannedDialogFailsTheTestAtOnce()
    {
        QFETCH(QString, named);
        const TestSupport::ToolRun run = TestSupport::runTool(QCoreApplication::applicationFilePath(),
                                                              { "--unplanned", QTest::currentDataTag() });
        QVERIFY2(run.finished, "the test waited for the dialog");
        QCOMPARE(run.exitCode, 1); // one failure, the dialog's
        QCOMPARE(run.output.count("FAIL!"), 1);
        QVERIFY2(run.output.contains("Unplanned dialog, cancelled: " + named), qPrintable(run.output));
    }
};

int main(int argc, char** argv)
{
    TestApp app;
    if (argc == 3 && qstrcmp(argv[1], "--unplanned") == 0) {
        Planless planless;
        planless.row = QString::fromUtf8(argv[2]);
        return QTest::qExec(&planless, 1, argv);
    }
    TestDialogWatch test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_dialogwatch.moc"
