// The test mode of the program's dialog seams: what they record, and how a
// test that meets a dialog it did not plan for ends. That test runs as a child
// of this program ("--unplanned <kind>"), so that its failure can be looked at.

#include "dialogrunner.h"
#include "dialogseams.h"
#include "dialogwatch.h"
#include "messagebox.h"
#include "mmessagebox.h"
#include "os.h"
#include "testapp.h"
#include "tooling.h"

#include <QDialog>
#include <QtTest>

using QMWidgets::DialogWatch;
using QMWidgets::MessageBox;

// Meets one dialog without an answer; the dialog must end as cancelled at once.
class Planless : public QObject
{
    Q_OBJECT

public:
    explicit Planless(const QString& kind)
        : m_kind(kind)
    {
    }

private slots:
    void meetsDialog()
    {
        if (m_kind == QLatin1String("message")) {
            QCOMPARE(MessageBox::warning(nullptr, QStringLiteral("Overwrite?"), QStringLiteral("It exists."),
                                         QMessageBox::Yes | QMessageBox::No),
                     QMessageBox::No);
        } else if (m_kind == QLatin1String("dialog")) {
            QDialog dialog;
            dialog.setWindowTitle(QStringLiteral("Settings"));
            QCOMPARE(QMWidgets::DialogRunner::exec(dialog), int(QDialog::Rejected));
        } else if (m_kind == QLatin1String("box")) {
            QMWidgets::MMessageBox box(QMWidgets::MMessageBox::Question, QStringLiteral("Notes"),
                                       QStringLiteral("Save changes?"),
                                       QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            QCOMPARE(box.exec(), int(QMessageBox::Cancel));
        } else {
            QCOMPARE(Os::getExistingDirectory(nullptr, QStringLiteral("Select"), QStringLiteral("/tmp")),
                     QString());
        }
    }

private:
    QString m_kind;
};

class TestDialogWatch : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void recordsOnlyWhenAsked_data();
    void recordsOnlyWhenAsked();
    void unplannedDialogFailsTheTestAtOnce_data();
    void unplannedDialogFailsTheTestAtOnce();
};

void TestDialogWatch::cleanup()
{
    TestSupport::watchDialogs();
    QCOMPARE(TestSupport::clearDialogSeams(), 0);
}

void TestDialogWatch::recordsOnlyWhenAsked_data()
{
    QTest::addColumn<bool>("recording");
    QTest::newRow("recording") << true;
    QTest::newRow("not recording") << false;
}

void TestDialogWatch::recordsOnlyWhenAsked()
{
    QFETCH(bool, recording);
    DialogWatch::setRecording(recording);
    for (int i = 0; i < 2; ++i) {
        MessageBox::setNextAnswer(QMessageBox::Yes);
        QCOMPARE(MessageBox::question(nullptr, QStringLiteral("Overwrite?"), QStringLiteral("It exists.")),
                 QMessageBox::Yes);
        Os::setNextFileDialogAnswer({ QStringLiteral("/tmp/a.png") });
        QCOMPARE(Os::getOpenFileName(nullptr, QStringLiteral("Open")), QStringLiteral("/tmp/a.png"));
    }
    QCOMPARE(MessageBox::shown().size(), recording ? 2 : 0);
    QCOMPARE(Os::fileDialogRequests().size(), recording ? 2 : 0);
}

void TestDialogWatch::unplannedDialogFailsTheTestAtOnce_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("named");
    QTest::newRow("message box") << "message"
                                 << R"(Message box "Overwrite?": It exists.)";
    QTest::newRow("dialog") << "dialog"
                            << R"(QDialog "Settings")";
    QTest::newRow("own message box") << "box"
                                     << R"(Message box "Notes": Save changes?)";
    QTest::newRow("file dialog") << "file"
                                 << R"(File dialog "Select": /tmp)";
}

void TestDialogWatch::unplannedDialogFailsTheTestAtOnce()
{
    QFETCH(QString, kind);
    QFETCH(QString, named);
    const TestSupport::ToolRun run = TestSupport::runTool(QCoreApplication::applicationFilePath(),
                                                          { QStringLiteral("--unplanned"), kind });
    QVERIFY2(run.finished, "the test waited for the dialog");
    QCOMPARE(run.exitCode, 1);
    // One failure: the dialog's, and the dialog gave the cancel answer.
    QCOMPARE(run.output.count(QStringLiteral("FAIL!")), 1);
    QVERIFY2(run.output.contains(QStringLiteral("Unplanned dialog, cancelled: ") + named),
             qPrintable(run.output));
}

int main(int argc, char** argv)
{
    TestApp app;
    if (argc == 3 && qstrcmp(argv[1], "--unplanned") == 0) {
        Planless planless(QString::fromLatin1(argv[2]));
        return QTest::qExec(&planless, 1, argv);
    }
    TestDialogWatch test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_dialogwatch.moc"
