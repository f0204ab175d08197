// The style-sheet editor: colours of the text area, loading and saving files,
// applying style sheets to the application, tool-tip information, and the
// shell's slot that opens the editor.

#include "csseditor/cssdoc.h"
#include "csseditor/csseditor.h"
#include "dialogseams.h"
#include "os.h"
#include "testapp.h"
#include "tooling.h"

#include <QLabel>
#include <QPushButton>
#include <QTextBlock>
#include <QToolBar>
#include <QtTest>

#include <memory>

using QMWidgets::CssDoc;
using QMWidgets::CssEditor;
using namespace TestSupport;

namespace {

// One letter a character for the colour the highlighter gave it: "." none,
// "c" comment grey, "h" hash green, "s" string or digit cyan, "k" keyword white.
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
    QWidget* button = editor.findChild<QToolBar*>()->widgetForAction(editorAction(editor, text));
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

QList<CssEditor*> openEditors()
{
    QList<CssEditor*> editors;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* editor = qobject_cast<CssEditor*>(window))
            editors.append(editor);
    }
    return editors;
}

} // namespace

class TestCssEditor : public QObject
{
    Q_OBJECT

private slots:
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
        QTest::newRow("no opening in a line comment")
            << "a // b /* c\nd" << QStringList { "..ccccccccc", "." };
        QTest::newRow("string ends at the unescaped quote")
            << "a = \"b\\\"c\" d;" << QStringList { "..k.ssssss..k" };
        QTest::newRow("either quote ends a string") << "\"it's\" 1" << QStringList { "ssss.sss" };
        QTest::newRow("string over two lines") << "\"a/*\ncd\" x" << QStringList { "ssss", "sss.." };
        QTest::newRow("hash to the end of the line") << "QWidget#name { color: #000060; }\nh1 #a"
                                                     << QStringList { "......." + QString(25, 'h'), ".s.hh" };
        QTest::newRow("keywords inside longer words")
            << "format subclass interface foreach" << QStringList { "kkk.......kkkkk.kkk.......kkkkkkk" };
    }

    void colours()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        m_editor->doc()->setPlainText(text);
        const QTextDocument* document = m_editor->doc()->document();
        QCOMPARE(document->blockCount(), expected.size());
        for (int line = 0; line < expected.size(); ++line)
            QCOMPARE(colourLetters(document->findBlockByNumber(line)), expected.at(line));
    }

    void filesAreUtf8_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("saved");
        const QByteArray utf8
            = QStringLiteral(u"/* Größe – 日本語\u00a0*/\nQLabel { content: \"ё\"; }\n\n").toUtf8();
        QTest::newRow("UTF-8, byte for byte") << utf8 << QString::fromUtf8(utf8) << utf8;
        const QString older = QStringLiteral(u"/* Größe */");
        QTest::newRow("older file in the locale's encoding") << older.toLatin1() << older << older.toUtf8();
    }

    void filesAreUtf8()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(QByteArray, saved);
        // A locale whose encoding lacks most of these characters.
        QTextCodec* const localeCodec = QTextCodec::codecForLocale();
        QTextCodec::setCodecForLocale(QTextCodec::codecForName("ISO-8859-1"));
        const QString source = m_dir->filePath(QStringLiteral("source.qss"));
        const QString copy = m_dir->filePath(QStringLiteral("copy.qss"));
        QVERIFY(writeFile(source, bytes));
        Os::setNextFileDialogAnswer({ source });
        clickTool(*m_editor, QStringLiteral("&Open..."));
        Os::setNextFileDialogAnswer({ copy });
        editorAction(*m_editor, QStringLiteral("S&ave As..."))->trigger();
        QTextCodec::setCodecForLocale(localeCodec);

        QCOMPARE(m_editor->doc()->document()->toRawText().replace(QChar::ParagraphSeparator, '\n'), text);
        QCOMPARE(fileContents(copy), saved);
        QCOMPARE(m_editor->windowTitle(), copy);
    }

    void failedWriteKeepsTheOldFile()
    {
        const QByteArray old("QWidget { color: red; }\n");
        const QString path = m_dir->filePath(QStringLiteral("style.qss"));
        QVERIFY(writeFile(path, old));
        QVERIFY(m_editor->doc()->loadFile(path));
        m_editor->doc()->setPlainText(QString(64 * 1024, QLatin1Char('x')));
        m_editor->setWindowTitle(QStringLiteral("before"));

        {
            // Files may grow to 4 KiB only, so the write fails half-way.
            const FileSizeLimit limit(4096);
            clickTool(*m_editor, QStringLiteral("&Save"));
        }

        QCOMPARE(fileContents(path), old);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList { "style.qss" });
        QCOMPARE(m_editor->windowTitle(), QStringLiteral("before"));
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
            QCOMPARE(doc->toPlainText(), sheet);
            QCOMPARE(doc->document()->defaultFont(), QFont(QStringLiteral("Lucida Console"), 12));
            QCOMPARE(doc->styleSheet(), editorSheet);
            const QImage shot = doc->viewport()->grab().toImage();
            const QColor corner = shot.pixelColor(shot.width() - 3, shot.height() - 3);
            QVERIFY2(corner.red() + corner.green() + qAbs(corner.blue() - 0x60) < 12,
                     qPrintable(corner.name()));
        }
    }

    void setInfoStacksNamesIntoToolTips()
    {
        QWidget plainWindow;
        auto* namedLabel = new QLabel(&plainWindow);
        namedLabel->setObjectName(QStringLiteral("probeLabel"));
        namedLabel->setToolTip(QStringLiteral("tip"));
        auto* plainButton = new QPushButton(&plainWindow);
        plainButton->setToolTip(QStringLiteral("tip"));
        m_editor->setObjectName(QStringLiteral("editor"));
        m_editor->doc()->setObjectName(QStringLiteral("doc"));
        m_editor->doc()->viewport()->setObjectName(QStringLiteral("viewport"));

        clickTool(*m_editor, QStringLiteral("&SetInfo"));
        clickTool(*m_editor, QStringLiteral("&SetInfo"));

        QCOMPARE(namedLabel->toolTip(), QStringLiteral("QLabel\nprobeLabel\nQLabel\nprobeLabel\ntip"));
        QCOMPARE(m_editor->toolTip(),
                 QStringLiteral("QMWidgets::CssEditor\neditor\nQMWidgets::CssEditor\neditor\n"));
        QCOMPARE(plainButton->toolTip(), QStringLiteral("tip"));
        // The text area is left alone, with everything inside it.
        QCOMPARE(m_editor->doc()->toolTip() + m_editor->doc()->viewport()->toolTip(), QString());
    }

    void shellSlotOpensOneEditor()
    {
        m_editor.reset();
        QMWidgets::App* application = QMWidgets::App::instance();
        // Without a registered editor the slot opens nothing.
        QMWidgets::App::setCssEditorFactory(nullptr);
        QTest::ignoreMessage(QtWarningMsg, "No style-sheet editor is linked into this program");
        application->slotShowCssEditor();
        QVERIFY(openEditors().isEmpty());

        CssEditor::registerWithShell();
        application->slotShowCssEditor();
        QCOMPARE(openEditors().size(), 1);
        QPointer<QWidget> editor = openEditors().first();
        QVERIFY(editor->isVisible());
        editor->close();
        QTRY_VERIFY(editor.isNull());
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<CssEditor> m_editor;
};

LUMASTRAND_APP_TEST_MAIN(TestCssEditor)
#include "tst_csseditor.moc"
