// Settings dialog, page registry and ".tssettings" files; the system encoding is Latin-1.

#include "dialogseams.h"
#include "messagebox.h"
#include "os.h"
#include "settings/settingsdialog.h"
#include "settings/settingswidget.h"
#include "shellservices.h"
#include "testapp.h"
#include "tooling.h"

#include <QtTest>
#include <QtWidgets>

#include <sys/stat.h>

using QMWidgets::MessageBox;
using QMWidgets::SettingsDialog;
using TestSupport::writeFile;

namespace {
// A page with one value, saved as an attribute of its element.
class ValuesPage : public QMWidgets::SettingsWidget
{
public:
    explicit ValuesPage(const QString& tag) { setObjectName(tag); }
    QString settingsName() override { return objectName(); }
    QDomElement saveSettings(QDomDocument& document) override
    {
        QDomElement element = document.createElement(objectName());
        element.setAttribute(QStringLiteral("text"), text);
        return element;
    }
    void loadSettings(const QDomElement& element) override
    {
        text = element.attribute(QStringLiteral("text"));
    }
    void slotApply() override { applied = text; }

    QString text = QStringLiteral("start");
    QString applied;
};

// Clicks the dialog's save or load button with the file dialog answering path.
void clickWith(QWidget* dialog, const char* objectName, const QString& path)
{
    Os::setNextFileDialogAnswer({ path });
    QTest::mouseClick(dialog->findChild<QPushButton*>(QLatin1String(objectName)), Qt::LeftButton);
}
} // namespace

class TestSettingsDialog : public QObject
{
    Q_OBJECT

    // Registered as "Beta", "Alpha", "Twin" and a plain label, all without a parent; the twin's
    // element is named "Alpha" too.
    QPointer<ValuesPage> m_alpha = new ValuesPage(QStringLiteral("Alpha"));
    QPointer<ValuesPage> m_twin = new ValuesPage(QStringLiteral("Alpha"));
    QPointer<ValuesPage> m_beta = new ValuesPage(QStringLiteral("Beta"));

private slots:
    void initTestCase()
    {
        QTextCodec::setCodecForLocale(QTextCodec::codecForName("ISO-8859-1"));
        SettingsDialog::registerPage(QStringLiteral("Beta"), m_beta);
        SettingsDialog::registerPage(QStringLiteral("Alpha"), m_alpha);
        SettingsDialog::registerPage(QStringLiteral("Twin"), m_twin);
        SettingsDialog::registerPage(QStringLiteral("Plain"), new QLabel(QStringLiteral("no settings page")));
    }

    void init()
    {
        QCOMPARE(TestSupport::clearDialogSeams(), 0);
        m_alpha->text = m_twin->text = m_beta->text = QStringLiteral("start");
    }

    void savingKeepsEveryValueAndLosesNoFileSilently_data()
    {
        QTest::addColumn<QString>("chosen"); // in a folder holding "old.tssettings"
        QTest::addColumn<int>("answer"); // to the one question or warning expected, 0 for none
        QTest::addColumn<QString>("written"); // empty: nothing
        QTest::newRow("suffix given") << "one.tssettings" << 0 << "one.tssettings";
        QTest::newRow("suffix appended") << "two" << 0 << "two.tssettings";
        QTest::newRow("suffix in capitals") << "three.TSSETTINGS" << 0 << "three.TSSETTINGS.tssettings";
        QTest::newRow("suffix meets a file, kept") << "old" << int(QMessageBox::No) << "";
        QTest::newRow("suffix meets a file, replaced") << "old" << int(QMessageBox::Yes) << "old.tssettings";
        QTest::newRow("file the dialog asked about") << "old.tssettings" << 0 << "old.tssettings";
        QTest::newRow("folder missing") << "no/old.tssettings" << int(QMessageBox::Ok) << "";
    }

    void savingKeepsEveryValueAndLosesNoFileSilently()
    {
        QFETCH(QString, chosen);
        QFETCH(int, answer);
        QFETCH(QString, written);
        const QTemporaryDir dir;
        const QString old = dir.filePath(QStringLiteral("old.tssettings"));
        writeFile(old, "old");
        m_alpha->text = m_twin->text = QStringLiteral("Grüße €");
        m_beta->text = QStringLiteral("<&\"'>");
        auto* first = new SettingsDialog;
        first->show();
        if (answer)
            MessageBox::setNextAnswer(QMessageBox::StandardButton(answer));
        clickWith(first, "StorageBrowserSS", dir.filePath(chosen));
        delete first;
        QVERIFY(m_alpha && m_beta);
        QCOMPARE(MessageBox::shown().size(), answer ? 1 : 0);
        QVERIFY(!answer
                || MessageBox::shown().first().text.contains(QDir::toNativeSeparators(dir.filePath(chosen))));
        QCOMPARE(TestSupport::fileContents(old) == "old", !written.startsWith("old"));
        // Nothing half-written is left beside the target.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(),
                 written.isEmpty() || written.startsWith("old") ? 1 : 2);
        if (written.isEmpty())
            return;
        QVERIFY(TestSupport::fileContents(dir.filePath(written))
                    .startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Settings>"));
        QCOMPARE(QMWidgets::ShellServices::lastSaveDirectory(), QDir(dir.path()).absolutePath());

        // A second dialog shows the same pages, loads the file back and applies it with "&Ok".
        m_alpha->text = m_beta->text = QStringLiteral("changed");
        SettingsDialog second;
        second.show();
        clickWith(&second, "StorageBrowserLS", dir.filePath(written));
        QCOMPARE(m_alpha->text + m_beta->text, QStringLiteral("Grüße €<&\"'>"));
        QCOMPARE(TestSupport::answerDialog(second, QStringLiteral("&Ok")), int(QDialog::Accepted));
        QCOMPARE(m_alpha->applied + m_beta->applied, m_alpha->text + m_beta->text);
        QCOMPARE(MessageBox::shown().size(), answer ? 1 : 0); // nothing more
    }

    void loadingFiles_data()
    {
        QTest::addColumn<QString>("kind"); // of what stands at the chosen path
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("alpha"); // the text of both pages named "Alpha" afterwards
        QTest::addColumn<bool>("refused"); // and told
        const auto file
            = [](const char* name, const QByteArray& text, const QString& alpha, bool refused = false) {
                  QTest::newRow(name) << "file" << text << alpha << refused;
              };
        file("earlier Latin-1 file",
             "<Settings>\n <Alpha text=\"Gr\xfc\xdf"
             "e\"/>\n</Settings>\n",
             "Grüße");
        file("earlier UTF-8 file", QStringLiteral("<Settings><Alpha text=\"Grüße €\"/></Settings>").toUtf8(),
             "Grüße €");
        file("broken file", "<Settings><Alpha text=\"q\"></Settings", "start");
        file("a thousand pages",
             "<Settings>" + QByteArray("<G><H/></G>").repeated(1000) + "<Alpha text=\"m\"/></Settings>", "m");
        const QString utf16 = QStringLiteral(u"<Settings><Alpha text=\"Grüße €\"/></Settings>");
        file("UTF-16 with byte-order mark", QTextCodec::codecForName("UTF-16LE")->fromUnicode(utf16),
             "Grüße €");
        file("nested 30,000 deep",
             "<Settings><Alpha text=\"deep\"/>" + QByteArray("<x>").repeated(30000)
                 + QByteArray("</x>").repeated(30000) + "</Settings>",
             "start", true);
        // Deep nesting is refused whatever else is wrong before it; the root is the first level.
        const auto nested = [](const QByteArray& head, const QByteArray& slip, int levels) {
            return head + "<Settings><Alpha text=\"m\"/>" + slip + QByteArray("<a>").repeated(levels - 1)
                + QByteArray("</a>").repeated(levels - 1) + "</Settings>";
        };
        const auto deep = [&](const char* name, const QByteArray& head, const QByteArray& slip) {
            file(name, nested(head, slip, 30001), "start", true);
        };
        deep("undeclared prefix, then 30,000 deep", "", "<x:b/>");
        deep("unknown encoding, then 30,000 deep", "<?xml version=\"1.0\" encoding=\"nonsense\"?>", "");
        deep("unknown version, then 30,000 deep", "<?xml version=\"9.0\"?>", "");
        deep("control character, then 30,000 deep", "", "\x01");
        deep("attribute given twice, then 30,000 deep", "", "<b c=\"1\" c=\"2\"/>");
        deep("undeclared entity, then 30,000 deep", "", "&nope;");
        deep("attribute value never closed, then 30,000 deep", "", "<b c=\"1/>");
        file("256 levels", nested("", "", 256), "m");
        file("257 levels", nested("", "", 257), "start", true);
        file("control character, then 256 levels", nested("", "\x01", 256), "start");
        file("control character, then 257 levels", nested("", "\x01", 257), "start", true);
        // What only looks like tags, and tags holding what looks like their end, nest nothing.
        file("markup in comments, sections, declarations and values",
             nested("<!DOCTYPE Settings [<!-- ]> --><!ENTITY e '<a>\"&gt;</a>'><!ENTITY u '<a>'>]>",
                    "<!--" + QByteArray("<a>").repeated(300) + "--><![CDATA["
                        + QByteArray("<a>").repeated(300) + "]]><?pi <a>?><b c='>' d=\"'>\"/>&e;&lt;a>",
                    256),
             "m");
        // Each entity nests ten levels more than the one it names.
        QByteArray entities = "<!ENTITY e0 \"<a/>\">";
        for (int entity = 1; entity <= 30; ++entity)
            entities += QString("<!ENTITY e%1 \"%2&e%3;%4\">")
                            .arg(entity)
                            .arg(QString("<a>").repeated(10))
                            .arg(entity - 1)
                            .arg(QString("</a>").repeated(10))
                            .toLatin1();
        file("entities 300 deep",
             "<!DOCTYPE Settings [" + entities + "]><Settings><Alpha text=\"deep\"/>&e30;</Settings>",
             "start", true);
        // Declarations the document reader would take minutes for.
        QByteArray many;
        for (int entity = 0; entity < 10000; ++entity)
            many += QString("<!ENTITY e%1 \"x\">").arg(entity).toLatin1();
        file("10,000 entities declared",
             "<!DOCTYPE Settings [" + many + "]><Settings><Alpha text=\"m\"/></Settings>", "start", true);
        // What would take the stream reader gigabytes or hours, and what is only long.
        const QByteArray fourThousand = "<!DOCTYPE Settings [<!ENTITY e \"" + QByteArray(4000, 'x') + "\">]>";
        file("a long entity named 30,000 times",
             fourThousand + "<Settings><Alpha text=\"m\"/><G>" + QByteArray("&e;").repeated(30000)
                 + "</G></Settings>",
             "start", true);
        file("a short entity named 30,000 times",
             "<!DOCTYPE Settings [<!ENTITY e \"x\">]><Settings><Alpha text=\"m\"/><G>"
                 + QByteArray("&e;").repeated(30000) + "</G></Settings>",
             "m");
        QByteArray attributes;
        for (int attribute = 0; attribute < 2000; ++attribute)
            attributes += QString(" a%1=\"=\"").arg(attribute).toLatin1();
        file("2,000 attributes on one element",
             "<Settings><Alpha text=\"m\"/><G" + attributes + "/></Settings>", "start", true);
        file("1,000 attributes on one element",
             "<Settings><Alpha text=\"m\"/><G" + attributes.left(attributes.indexOf(" a1000="))
                 + "/></Settings>",
             "m");
        // Entities whose text is no element of its own make no XML document.
        file("entities opening 30,000 levels",
             "<!DOCTYPE Settings [<!ENTITY o \"<a>\"><!ENTITY c \"</a>\">]><Settings><Alpha text=\"deep\"/>"
                 + QByteArray("&o;").repeated(30000) + QByteArray("&c;").repeated(30000) + "</Settings>",
             "start");
        for (const char* codec : { "UTF-16LE", "UTF-16BE" }) {
            for (const QString& head :
                 { QString(), QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n") }) {
                // The codec puts a byte-order mark first, which is left out.
                const QString name = QStringLiteral("%1 without byte-order mark%2")
                                         .arg(QLatin1String(codec), head.isEmpty() ? "" : ", declared");
                QTest::newRow(qPrintable(name))
                    << "file" << QTextCodec::codecForName(codec)->fromUnicode(head + utf16).mid(2)
                    << "Grüße €" << false;
            }
        }
        QTest::newRow("larger than 16 MB") << "large" << QByteArray() << "start" << true;
        QTest::newRow("named pipe") << "pipe" << QByteArray() << "start" << true;
        QTest::newRow("link to an endless device") << "device" << QByteArray() << "start" << true;
        // Gone before it was read: nothing to load, and nothing refused.
        QTest::newRow("missing") << "missing" << QByteArray() << "start" << false;
    }

    void loadingFiles()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, file);
        QFETCH(QString, alpha);
        QFETCH(bool, refused);
        const QTemporaryDir dir, other;
        const QString path = other.filePath(QStringLiteral("chosen.tssettings"));
        if (kind == QLatin1String("pipe"))
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (kind == QLatin1String("device"))
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
        else if (kind == QLatin1String("large")) // a settings file, and then a 16 MB gap
            QVERIFY(writeFile(path, "<Settings><Alpha text=\"x\"/></Settings>")
                    && QFile::resize(path, 16 << 20 | 1));
        else if (kind == QLatin1String("file"))
            QVERIFY(writeFile(path, file));

        // The file dialog starts where the last file was loaded, not where one was saved.
        QMWidgets::ShellServices::setLastOpenDirectory(dir.filePath(QStringLiteral("earlier.tssettings")));
        QMWidgets::ShellServices::setLastSaveDirectory(other.filePath(QStringLiteral("saved.tssettings")));
        SettingsDialog dialog;
        dialog.show();
        if (refused)
            MessageBox::setNextAnswer(QMessageBox::Ok);
        clickWith(&dialog, "StorageBrowserLS", path);
        QVERIFY(Os::fileDialogRequests().value(0).dir.startsWith(dir.path() + QLatin1Char('/')));
        QCOMPARE(QStringList({ m_alpha->text, m_twin->text, m_beta->text }),
                 QStringList({ alpha, alpha, "start" }));
        QCOMPARE(MessageBox::shown().size(), int(refused));
        QVERIFY(!refused || MessageBox::shown().first().text.contains(path));
        QCOMPARE(QMWidgets::ShellServices::lastOpenDirectory(), other.path());
    }

    void pagesMoveBetweenOpenDialogs()
    {
        SettingsDialog first;
        first.show();
        {
            SettingsDialog second;
            second.show();
            first.hide();
            first.show();
        }
        // The second dialog held no pages any more when it went; the first keeps them.
        QVERIFY(m_alpha);
        QCOMPARE(first.tabWidget()->indexOf(m_alpha), 1);
        // A page a host took away comes back to its own place.
        first.hide();
        m_alpha->setParent(nullptr);
        first.show();
        QCOMPARE(first.tabWidget()->indexOf(m_alpha), 1);
    }
};

LUMASTRAND_APP_TEST_MAIN(TestSettingsDialog)
#include "tst_settingsdialog.moc"
