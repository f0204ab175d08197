// Settings dialog, its page registry and ".tssettings" files, driven through
// the dialog's buttons and the shell's file-dialog and message-box seams. The
// system encoding is Latin-1 throughout, as on many Windows and older Linux
// systems.

#include "dialogseams.h"
#include "messagebox.h"
#include "os.h"
#include "settings/settingsdialog.h"
#include "settings/settingsfile.h"
#include "settings/settingswidget.h"
#include "testapp.h"
#include "tooling.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

using QMWidgets::MessageBox;
using QMWidgets::SettingsDialog;

namespace {

// A page with three values that it saves as attributes of its element.
class ValuesPage : public QMWidgets::SettingsWidget
{
public:
    explicit ValuesPage(const QString& tag)
        : m_tag(tag)
    {
        number->setRange(0, 1000);
    }

    QString settingsName() override { return m_tag; }
    QDomElement saveSettings(QDomDocument& document) override
    {
        QDomElement element = document.createElement(m_tag);
        element.setAttribute(QStringLiteral("text"), text->text());
        element.setAttribute(QStringLiteral("number"), number->value());
        element.setAttribute(QStringLiteral("flag"), flag->isChecked() ? 1 : 0);
        return element;
    }
    void loadSettings(const QDomElement& element) override
    {
        text->setText(element.attribute(QStringLiteral("text")));
        number->setValue(element.attribute(QStringLiteral("number")).toInt());
        flag->setChecked(element.attribute(QStringLiteral("flag")) == QLatin1String("1"));
    }
    void slotApply() override { applied = values(); }

    void set(const QString& t, int n, bool f)
    {
        text->setText(t);
        number->setValue(n);
        flag->setChecked(f);
    }
    QString values() const
    {
        return QStringLiteral("%1|%2|%3").arg(text->text()).arg(number->value()).arg(int(flag->isChecked()));
    }

    QLineEdit* text = new QLineEdit(this);
    QSpinBox* number = new QSpinBox(this);
    QCheckBox* flag = new QCheckBox(this);
    QString applied;

private:
    QString m_tag;
};

void click(QWidget* dialog, const QString& objectName)
{
    QTest::mouseClick(dialog->findChild<QPushButton*>(objectName), Qt::LeftButton);
}

} // namespace

class TestSettingsDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void pagesOutliveDialogsAndFilesKeepEveryValue_data();
    void pagesOutliveDialogsAndFilesKeepEveryValue();
    void savingNeverLosesAFileSilently_data();
    void savingNeverLosesAFileSilently();
    void loadingFiles_data();
    void loadingFiles();
    void closingButtons_data();
    void closingButtons();
    void pagesMoveBetweenOpenDialogs();

private:
    // Registered in registration order "Beta", "Alpha", "Plain"; made without
    // a parent, so the registry deletes them when the application goes.
    QPointer<ValuesPage> m_alpha;
    QPointer<ValuesPage> m_beta;
    QTemporaryDir m_dir;
};

void TestSettingsDialog::initTestCase()
{
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("ISO-8859-1"));
    m_beta = new ValuesPage(QStringLiteral("Beta"));
    m_alpha = new ValuesPage(QStringLiteral("Alpha"));
    SettingsDialog::registerPage(QStringLiteral("Beta"), m_beta);
    SettingsDialog::registerPage(QStringLiteral("Alpha"), m_alpha);
    SettingsDialog::registerPage(QStringLiteral("Plain"), new QLabel(QStringLiteral("not a settings page")));
}

void TestSettingsDialog::init()
{
    QCOMPARE(TestSupport::clearDialogSeams(), 0);
    m_alpha->set(QStringLiteral("start"), 1, false);
    m_beta->set(QStringLiteral("start"), 1, false);
}

void TestSettingsDialog::pagesOutliveDialogsAndFilesKeepEveryValue_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::newRow("suffix given") << "one.tssettings"
                                  << "one.tssettings";
    QTest::newRow("suffix appended") << "two"
                                     << "two.tssettings";
    QTest::newRow("suffix in capitals") << "three.TSSETTINGS"
                                        << "three.TSSETTINGS.tssettings";
}

void TestSettingsDialog::pagesOutliveDialogsAndFilesKeepEveryValue()
{
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    m_alpha->set(QStringLiteral("Grüße €"), 42, true);
    m_beta->set(QStringLiteral("<&\"'>"), 7, false);

    auto* first = new SettingsDialog;
    first->show();
    Os::setNextFileDialogAnswer({ m_dir.filePath(chosen) });
    click(first, QStringLiteral("StorageBrowserSS"));
    delete first;
    QVERIFY(m_alpha && m_beta);

    const QByteArray file = TestSupport::fileContents(m_dir.filePath(written));
    QVERIFY(file.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Settings>\n <Alpha "));
    QVERIFY(file.contains(QStringLiteral("Grüße €").toUtf8()));
    QCOMPARE(QMWidgets::app()->lastSaveDirectory(), QDir(m_dir.path()).absolutePath());

    m_alpha->set(QStringLiteral("changed"), 3, false);
    m_beta->set(QStringLiteral("changed"), 3, true);
    SettingsDialog second;
    second.show();
    QVERIFY(second.tabWidget()->indexOf(m_alpha) >= 0);
    Os::setNextFileDialogAnswer({ m_dir.filePath(written) });
    click(&second, QStringLiteral("StorageBrowserLS"));
    QCOMPARE(m_alpha->values(), QStringLiteral("Grüße €|42|1"));
    QCOMPARE(m_beta->values(), QStringLiteral("<&\"'>|7|0"));

    TestSupport::answerDialog(second, QStringLiteral("&Apply"));
    QCOMPARE(m_alpha->applied, m_alpha->values());
    QVERIFY(MessageBox::shown().isEmpty());
}

void TestSettingsDialog::savingNeverLosesAFileSilently_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("answer"); // to a question or a warning, 0 when none is expected
    QTest::addColumn<bool>("replaced");
    QTest::newRow("appended suffix meets a file, kept") << "keep"
                                                        << "keep.tssettings" << int(QMessageBox::No) << false;
    QTest::newRow("appended suffix meets a file, replaced")
        << "swap"
        << "swap.tssettings" << int(QMessageBox::Yes) << true;
    QTest::newRow("chosen file, asked by the file dialog") << "chosen.tssettings"
                                                           << "chosen.tssettings" << 0 << true;
    QTest::newRow("folder missing") << "missing/x.tssettings"
                                    << "missing/x.tssettings" << int(QMessageBox::Ok) << false;
}

void TestSettingsDialog::savingNeverLosesAFileSilently()
{
    QFETCH(QString, chosen);
    QFETCH(QString, target);
    QFETCH(int, answer);
    QFETCH(bool, replaced);
    const QTemporaryDir dir;
    const QString path = dir.filePath(target);
    if (!target.startsWith(QLatin1String("missing")))
        QVERIFY(TestSupport::writeFile(path, "old"));

    SettingsDialog dialog;
    dialog.show();
    if (answer)
        MessageBox::setNextAnswer(QMessageBox::StandardButton(answer));
    Os::setNextFileDialogAnswer({ dir.filePath(chosen) });
    click(&dialog, QStringLiteral("StorageBrowserSS"));

    QCOMPARE(MessageBox::pendingAnswers(), 0);
    QCOMPARE(MessageBox::shown().size(), answer ? 1 : 0);
    if (answer)
        QVERIFY(MessageBox::shown().first().text.contains(QDir::toNativeSeparators(path)));
    const QByteArray now = TestSupport::fileContents(path);
    QCOMPARE(now.startsWith("<?xml"), replaced);
    if (!replaced && answer != QMessageBox::Ok)
        QCOMPARE(now, QByteArray("old"));
    // Nothing half-written is left next to the target.
    QCOMPARE(QDir(dir.path()).entryList({ QStringLiteral("*.tssettings.*") }, QDir::Files), QStringList());
}

void TestSettingsDialog::loadingFiles_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("alpha"); // the values of the pages named "Alpha" afterwards
    QTest::newRow("earlier file in Latin-1, no declaration")
        << QByteArray("<Settings>\n <Alpha text=\"Gr\xfc\xdf"
                      "e\" number=\"5\" flag=\"1\"/>\n</Settings>\n")
        << "Grüße|5|1";
    QTest::newRow("earlier file in UTF-8, no declaration")
        << QStringLiteral("<Settings><Alpha text=\"Grüße €\" number=\"6\"/></Settings>").toUtf8()
        << "Grüße €|6|0";
    QTest::newRow("root of another name") << QByteArray("<?xml version=\"1.0\"?><Other><Alpha text=\"x\" "
                                                        "number=\"2\"/></Other>")
                                          << "x|2|0";
    QTest::newRow("text, comments and instructions skipped")
        << QByteArray("<Settings>junk<!-- c --><?pi x?><Alpha text=\"y\" number=\"3\"/></Settings>")
        << "y|3|0";
    QTest::newRow("no element for the page")
        << QByteArray("<Settings><Gamma text=\"z\"/></Settings>") << "start|1|0";
    QTest::newRow("broken file") << QByteArray("<Settings><Alpha text=\"q\"></Settings") << "start|1|0";
}

void TestSettingsDialog::loadingFiles()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, alpha);
    // Two pages of one name both take the element.
    ValuesPage first(QStringLiteral("Alpha"));
    ValuesPage twin(QStringLiteral("Alpha"));
    ValuesPage other(QStringLiteral("Beta"));
    for (ValuesPage* page : { &first, &twin, &other })
        page->set(QStringLiteral("start"), 1, false);

    QDomDocument document;
    if (QMWidgets::SettingsFile::read(file, &document))
        QMWidgets::SettingsFile::loadPages(document.documentElement(), { &first, &twin, &other });
    QCOMPARE(first.values(), alpha);
    QCOMPARE(twin.values(), alpha);
    QCOMPARE(other.values(), QStringLiteral("start|1|0"));
}

void TestSettingsDialog::closingButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("applied");
    QTest::addColumn<bool>("open");
    QTest::newRow("ok") << "&Ok" << int(QDialog::Accepted) << true << false;
    QTest::newRow("apply") << "&Apply" << int(QDialog::Rejected) << true << true;
    QTest::newRow("cancel") << "&Cancel" << int(QDialog::Rejected) << false << false;
}

void TestSettingsDialog::closingButtons()
{
    QFETCH(QString, button);
    QFETCH(int, result);
    QFETCH(bool, applied);
    QFETCH(bool, open);
    m_alpha->applied.clear();
    m_beta->applied.clear();

    SettingsDialog dialog;
    dialog.show();
    QCOMPARE(TestSupport::answerDialog(dialog, button), result);
    QCOMPARE(dialog.isVisible(), open);
    QCOMPARE(!m_alpha->applied.isEmpty(), applied);
    QCOMPARE(!m_beta->applied.isEmpty(), applied);
}

void TestSettingsDialog::pagesMoveBetweenOpenDialogs()
{
    SettingsDialog first;
    first.show();
    {
        SettingsDialog second;
        second.show();
        QVERIFY(second.tabWidget()->indexOf(m_alpha) >= 0);
        second.hide();
        first.hide();
        first.show();
        QCOMPARE(first.tabWidget()->indexOf(m_alpha), 1);
    }
    // The dialog that went held no pages any more; the first one keeps them.
    QVERIFY(m_alpha && first.tabWidget()->indexOf(m_alpha) == 1);
}

LUMASTRAND_APP_TEST_MAIN(TestSettingsDialog)
#include "tst_settingsdialog.moc"
