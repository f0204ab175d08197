// The test mode of the program's dialog seams: what they record, and how a
// test that meets a dialog it did not plan for ends. Such a test runs as a
// child of this program ("--unplanned <row>"), so that its end can be seen.

#include "dialogrunner.h"
#include "dialogwatch.h"
#include "messagebox.h"
#include "mmessagebox.h"
#include "os.h"
#include "testapp.h"
#include "tooling.h"

#include <QDialog>
#include <QtTest>

using QMWidgets::MessageBox;

namespace {
// Each dialog without an answer, with the cancel answer it must give at once.
const QMap<QString, std::function<bool()>> unplanned {
    { "message box",
      [] {
          return MessageBox::warning(nullptr, "Overwrite?", "It exists.", QMessageBox::Yes | QMessageBox::No)
              == QMessageBox::No;
      } },
    { "dialog",
      [] {
          QDialog dialog;
          dialog.setWindowTitle("Settings");
          return QMWidgets::DialogRunner::exec(dialog) == QDialog::Rejected;
      } },
    { "own box",
      [] {
          QMWidgets::MMessageBox box(0, "Notes", "Save?", QMessageBox::Yes | QMessageBox::Cancel);
          return box.exec() == QMessageBox::Cancel;
      } },
    { "file dialog", [] { return Os::getOpenFileName(nullptr, "Open", "/tmp").isEmpty(); } },
};

class Planless : public QObject
{
    Q_OBJECT

public:
    QString row;

private slots:
    void meetsDialog() { QVERIFY(unplanned.value(row)()); }
};
} // namespace

class TestDialogWatch : public QObject
{
    Q_OBJECT

private slots:
    void recordsOnlyWhenAsked()
    {
        for (bool recording : { false, true }) {
            QMWidgets::DialogWatch::setRecording(recording);
            MessageBox::setNextAnswer(QMessageBox::Yes);
            QCOMPARE(MessageBox::question(nullptr, "Overwrite?", "It exists."), QMessageBox::Yes);
            Os::setNextFileDialogAnswer({ "/tmp/a.png" });
            QCOMPARE(Os::getOpenFileName(nullptr, "Open"), QStringLiteral("/tmp/a.png"));
            QCOMPARE(MessageBox::shown().size(), int(recording));
            QCOMPARE(Os::fileDialogRequests().size(), int(recording));
        }
    }

    void unplannedDialogFailsTheTestAtOnce_data()
    {
        QTest::addColumn<QString>("named");
        QTest::newRow("message box") << R"(Message box "Overwrite?": It exists.)";
        QTest::newRow("dialog") << R"(QDialog "Settings")";
        QTest::newRow("own box") << R"(Message box "Notes": Save?)";
        QTest::newRow("file dialog") << R"(File dialog "Open": /tmp)";
    }

    void unplannedDialogFailsTheTestAtOnce()
    {
        QFETCH(QString, named);
        const TestSupport::ToolRun run = TestSupport::runTool(QCoreApplication::applicationFilePath(),
                                                              { "--unplanned", QTest::currentDataTag() });
        QVERIFY2(run.finished, "the test waited for the dialog");
        // One failure, the dialog's, which gave its cancel answer.
        QCOMPARE(run.exitCode, 1);
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
