// The style-sheet editor: colours, files kept byte for byte, style sheets applied, tool-tip help,
// the about box, the shell's slot.

#include "csseditor/cssdoc.h"
#include "csseditor/csseditor.h"
#include "dialogrunner.h"
#include "dialogseams.h"
#include "messagebox.h"
#include "os.h"
#include "testapp.h"
#include "testpictures.h"
#include "tooling.h"

#include <QtTest>
#include <QtWidgets>

#include <memory>
#include <sys/stat.h>

using QMWidgets::CssDoc;
using QMWidgets::CssEditor;
using QMWidgets::MessageBox;
using namespace TestSupport;

namespace {

// One letter a character for the colour the highlighter gave it: "." none, "c" comment grey,
// "h" hash green, "s" string or digit cyan, "k" keyword white.
QString colourLetters(const QTextBlock& block)
{
    const QMap<QRgb, QChar> letters { { QColor(Qt::darkGray).rgb(), 'c' },
                                      { QColor(Qt::green).rgb(), 'h' },
                                      { QColor(Qt::cyan).rgb(), 's' },
                                      { QColor(Qt::white).rgb(), 'k' } };
    QString line(block.length() - 1, QLatin1Char('.'));
    const QVector<QTextLayout::FormatRange> formats = block.layout()->formats();
    for (const QTextLayout::FormatRange& range : formats) {
        for (int i = range.start; i < range.start + range.length; ++i)
            line[i] = letters.value(range.format.foreground().color().rgb(), '?');
    }
    return line;
}

QAction* editorAction(const CssEditor& editor, const QString& text)
{
    for (QAction* action : editor.findChildren<QAction*>()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

// Clicks the tool-bar button of the action, as a user does.
void clickTool(const CssEditor& editor, const QString& text)
{
    QTest::mouseClick(editor.findChild<QToolBar*>()->widgetForAction(editorAction(editor, text)),
                      Qt::LeftButton);
}

} // namespace

class TestCssEditor : public QObject
{
    Q_OBJECT

private slots:
    // Most systems read and write UTF-8.
    void initTestCase() { QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8")); }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_editor = std::make_unique<CssEditor>();
        m_editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_editor.get()));
    }

    void cleanup()
    {
        m_editor.reset();
        QCOMPARE(clearDialogSeams(), 0);
        qApp->setStyleSheet(QString());
    }

    void colours_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected"); // letters of each line
        QTest::newRow("comment over two lines") << "a /* x\ny */ b{" << QStringList { "..cccc", "cccc..k" };
        QTest::newRow("opening star is no closing") << "/*/ a\nb */" << QStringList { "ccccc", "cccc" };
        QTest::newRow("empty comment, empty line")
            << "/**/1 /*\n\nx */ '" << QStringList { "ccccs.cc", "", "cccc.s" };
        QTest::newRow("string ends at the unescaped quote")
            << "a = \"b\\\"c\" d;" << QStringList { "..k.ssssss..k" };
        QTest::newRow("either quote ends a string") << "\"it's\" 1" << QStringList { "ssss.sss" };
        QTest::newRow("no opening in a line comment")
            << "a // b /* c\nd" << QStringList { "..ccccccccc", "." };
        QTest::newRow("string over two lines") << "\"a/*\ncd\" x" << QStringList { "ssss", "sss.." };
        QTest::newRow("hash to the end of the line") << "QWidget#name { color: #000060; }\nh1 #a"
                                                     << QStringList { "......." + QString(25, 'h'), ".s.hh" };
    }

    void colours()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        m_editor->doc()->setPlainText(text);
        const QTextDocument* document = m_editor->doc()->document();
        for (int line = 0; line < expected.size(); ++line)
            QCOMPARE(colourLetters(document->findBlockByNumber(line)), expected.at(line));
    }

    void filesKeepTheirBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("typed"); // at the end, before the save
        QTest::addColumn<QString>("text"); // shown, with what was typed
        QTest::addColumn<QByteArray>("saved");
        const QString text = QStringLiteral(u"/* Größe – 日本語\u00a0*/\nQLabel { content: \"ё\"; }\n\n");
        QTest::newRow("UTF-8") << text.toUtf8() << "" << text << text.toUtf8();
        QTest::newRow("UTF-8 with byte-order mark")
            << "\xEF\xBB\xBF" + text.toUtf8() << "" << text << "\xEF\xBB\xBF" + text.toUtf8();
        const QString older = QStringLiteral(u"/* Größe */");
        QTest::newRow("Latin-1") << older.toLatin1() << "" << older << older.toLatin1();
        QTest::newRow("Latin-1, typed what it cannot hold")
            << older.toLatin1() << "€" << older + "€" << QString(older + "€").toUtf8();
    }

    void filesKeepTheirBytes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(QByteArray, saved);
        const QString path = m_dir->filePath(QStringLiteral("style.qss"));
        QVERIFY(writeFile(path, bytes));
        Os::setNextFileDialogAnswer({ path });
        clickTool(*m_editor, QStringLiteral("&Open..."));
        m_editor->doc()->moveCursor(QTextCursor::End);
        if (!typed.isEmpty())
            QTest::sendKeyEvent(QTest::Click, m_editor->doc(), Qt::Key_unknown, typed, Qt::NoModifier);
        clickTool(*m_editor, QStringLiteral("&Save"));

        QCOMPARE(m_editor->doc()->document()->toRawText().replace(QChar::ParagraphSeparator, '\n'), text);
        QCOMPARE(fileContents(path), saved);
        if (!typed.isEmpty()) { // once written in UTF-8, the file stays so
            QTest::keyClick(m_editor->doc(), Qt::Key_Backspace);
            clickTool(*m_editor, QStringLiteral("&Save"));
            QCOMPARE(fileContents(path), text.chopped(typed.size()).toUtf8());
        }
    }

    void failuresChangeNothingAndAreTold_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::newRow("opening a named pipe") << "pipe";
        QTest::newRow("opening a file over the size limit") << "large";
        QTest::newRow("Save As into a missing folder") << "save as";
        QTest::newRow("disk full") << "full";
    }

    void failuresChangeNothingAndAreTold()
    {
        QFETCH(QString, failure);
        const QString path = m_dir->filePath(QStringLiteral("style.qss"));
        const QString other = m_dir->filePath(QStringLiteral("other.qss"));
        QVERIFY(writeFile(path, "old"));
        QVERIFY(m_editor->doc()->loadFile(path));
        m_editor->doc()->setPlainText(QString(64 * 1024, QLatin1Char('x')));

        MessageBox::setNextAnswer(QMessageBox::Ok);
        if (failure == QLatin1String("pipe") || failure == QLatin1String("large")) {
            QFile large(other);
            QVERIFY(failure == QLatin1String("pipe")
                        ? mkfifo(QFile::encodeName(other).constData(), 0600) == 0
                        : large.open(QIODevice::WriteOnly) && large.resize(CssDoc::MaxFileSize + 1));
            Os::setNextFileDialogAnswer({ other });
            clickTool(*m_editor, QStringLiteral("&Open..."));
        } else if (failure == QLatin1String("save as")) {
            Os::setNextFileDialogAnswer({ m_dir->filePath(QStringLiteral("missing/other.qss")) });
            editorAction(*m_editor, QStringLiteral("S&ave As..."))->trigger();
        } else {
            const FileSizeLimit limit(4096); // the write fails half-way
            clickTool(*m_editor, QStringLiteral("&Save"));
        }
        QCOMPARE(MessageBox::shown().size(), 1);
        QVERIFY(MessageBox::shown().first().text.contains(failure.startsWith('s') ? "missing" : other)
                || failure == QLatin1String("full"));
        QCOMPARE(fileContents(path), QByteArray("old"));
        QCOMPARE(m_editor->doc()->toPlainText(), QString(64 * 1024, QLatin1Char('x')));
        QCOMPARE(m_editor->windowTitle(), path);

        // The current file is still the one saved by the next Ctrl+S.
        QTest::keyClick(m_editor.get(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(fileContents(path).size(), 64 * 1024);
    }

    void applyAndResetKeepTheEditorsLook()
    {
        CssDoc* doc = m_editor->doc();
        const QString editorSheet = doc->styleSheet();
        const QString sheet = QStringLiteral("QTextEdit { background: white; font: 20pt \"DejaVu Sans\"; }");
        doc->setPlainText(sheet);
        for (const QString& tool : { QStringLiteral("&Apply"), QStringLiteral("&Reset") }) {
            clickTool(*m_editor, tool);
            QCOMPARE(qApp->styleSheet(), tool == QLatin1String("&Apply") ? sheet : QString());
            const QFont font = doc->document()->defaultFont();
            QCOMPARE(font.family() + QString::number(font.pointSize()), QStringLiteral("Lucida Console12"));
            QCOMPARE(doc->styleSheet(), editorSheet);
            // Dark behind its white keywords, whatever the application's sheet says.
            const QImage shot = doc->viewport()->grab().toImage();
            QCOMPARE(shot.pixelColor(shot.width() - 3, shot.height() - 3), QColor(0, 0, 0x60));
        }
    }

    void setInfoStacksNamesIntoToolTips()
    {
        QWidget window;
        auto* named = new QLabel(&window);
        auto* nameless = new QPushButton(&window);
        named->setObjectName(QStringLiteral("probeLabel"));
        named->setToolTip(QStringLiteral("tip"));
        nameless->setToolTip(QStringLiteral("tip"));
        m_editor->doc()->setObjectName(QStringLiteral("doc"));
        m_editor->doc()->viewport()->setObjectName(QStringLiteral("viewport"));
        clickTool(*m_editor, QStringLiteral("&SetInfo"));
        clickTool(*m_editor, QStringLiteral("&SetInfo"));
        QCOMPARE(named->toolTip(), QStringLiteral("QLabel\nprobeLabel\nQLabel\nprobeLabel\ntip"));
        QCOMPARE(nameless->toolTip(), QStringLiteral("tip"));
        // The text area is left alone, with everything inside it.
        QCOMPARE(m_editor->doc()->toolTip() + m_editor->doc()->viewport()->toolTip(), QString());
    }

    void aboutShowsTheApplicationsIcon()
    {
        qApp->setWindowIcon(QIcon(writePicture(*m_dir, QStringLiteral("icon.png"), QSize(32, 32), Qt::red)));
        QString shown;
        QMWidgets::DialogRunner::setNextHandler([&](QDialog& dialog) {
            const auto& box = static_cast<const QMessageBox&>(dialog);
            shown = box.text() + QColor(box.iconPixmap().toImage().pixel(5, 5)).name();
            return int(QMessageBox::Ok);
        });
        QTest::keyClick(m_editor.get(), Qt::Key_F1);
        qApp->setWindowIcon(QIcon());
        QCOMPARE(shown, QStringLiteral("CSS Style Editor#ff0000"));
    }

    void shellSlotOpensOneEditor()
    {
        // Hosts call it by name; without a registered editor it opens nothing.
        QMWidgets::App::setCssEditorFactory(nullptr);
        QTest::ignoreMessage(QtWarningMsg, "No style-sheet editor is linked into this program");
        QVERIFY(QMetaObject::invokeMethod(QMWidgets::App::instance(), "slotShowCssEditor"));
        CssEditor::registerWithShell();
        QVERIFY(QMetaObject::invokeMethod(QMWidgets::App::instance(), "slotShowCssEditor"));
        QList<QPointer<QWidget>> opened;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (qobject_cast<CssEditor*>(window) && window != m_editor.get())
                opened << window;
        QVERIFY(opened.size() == 1 && opened.first()->isVisible());
        opened.first()->close();
        QTRY_VERIFY(opened.first().isNull());
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<CssEditor> m_editor;
};

LUMASTRAND_APP_TEST_MAIN(TestCssEditor)
#include "tst_csseditor.moc"
