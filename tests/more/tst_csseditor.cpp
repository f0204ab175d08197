// The style-sheet editor: colours of the text area, loading and saving files,
// applying style sheets to the application, tool-tip information, and the
// shell's slot that opens the editor.

#include "cssdoc.h"
#include "csseditor.h"
#include "dialogseams.h"
#include "os.h"
#include "testapp.h"
#include "tooling.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCodec>
#include <QToolBar>
#include <QtTest>

#include <csignal>
#include <memory>
#include <sys/resource.h>

using QMWidgets::CssDoc;
using QMWidgets::CssEditor;
using namespace TestSupport;

namespace {

// One letter a character: the colour the highlighter gave it ("." none,
// "c" comment grey, "h" hash green, "s" string or digit cyan, "k" keyword white).
QString colourLetters(const QTextBlock& block)
{
    QString letters(block.length() - 1, QLatin1Char('.'));
    const QVector<QTextLayout::FormatRange> formats = block.layout()->formats();
    for (const QTextLayout::FormatRange& range : formats) {
        const QColor colour = range.format.foreground().color();
        QChar letter = QLatin1Char('?');
        if (colour == QColor(Qt::darkGray))
            letter = QLatin1Char('c');
        else if (colour == QColor(Qt::green))
            letter = QLatin1Char('h');
        else if (colour == QColor(Qt::cyan))
            letter = QLatin1Char('s');
        else if (colour == QColor(Qt::white))
            letter = QLatin1Char('k');
        for (int i = range.start; i < range.start + range.length; ++i)
            letters[i] = letter;
    }
    return letters;
}

QAction* editorAction(const CssEditor& editor, const QString& text)
{
    const QList<QAction*> actions = editor.findChildren<QAction*>();
    for (QAction* action : actions) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

// Clicks the tool-bar button of the action, as a user does.
void clickTool(const CssEditor& editor, const QString& text)
{
    QToolBar* toolBar = editor.findChild<QToolBar*>();
    QVERIFY(toolBar);
    QAction* action = editorAction(editor, text);
    QVERIFY(action);
    QWidget* button = toolBar->widgetForAction(action);
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

QList<CssEditor*> openEditors()
{
    QList<CssEditor*> editors;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (auto* editor = qobject_cast<CssEditor*>(window))
            editors.append(editor);
    }
    return editors;
}

// The locale's encoding for the time of a test.
class LocaleCodec
{
public:
    explicit LocaleCodec(const char* name)
        : m_previous(QTextCodec::codecForLocale())
    {
        QTextCodec::setCodecForLocale(QTextCodec::codecForName(name));
    }
    ~LocaleCodec() { QTextCodec::setCodecForLocale(m_previous); }

private:
    QTextCodec* m_previous;
};

} // namespace

class TestCssEditor : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void colours_data();
    void colours();
    void loadReadsUtf8AndOlderFiles_data();
    void loadReadsUtf8AndOlderFiles();
    void nonAsciiStyleSheetRoundTrips();
    void failedWriteKeepsTheOldFile();
    void saveAsAsksWithTheCurrentPath();
    void applyAndResetKeepTheEditorsLook();
    void setInfoStacksNamesIntoToolTips();
    void shellSlotOpensOneEditor();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<CssEditor> m_editor;
};

void TestCssEditor::init()
{
    clearDialogSeams();
    qApp->setStyleSheet(QString());
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_editor = std::make_unique<CssEditor>();
    m_editor->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_editor.get()));
}

void TestCssEditor::cleanup()
{
    m_editor.reset();
    QCOMPARE(clearDialogSeams(), 0);
    qApp->setStyleSheet(QString());
}

void TestCssEditor::colours_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected"); // one row of letters a line

    QTest::newRow("comment over two lines")
        << QStringLiteral("a /* x\ny */ b{") << QStringList { "..cccc", "cccc..k" };
    QTest::newRow("opening star is no closing")
        << QStringLiteral("/*/ a\nb */") << QStringList { "ccccc", "cccc" };
    QTest::newRow("empty comment") << QStringLiteral("/**/1") << QStringList { "ccccs" };
    QTest::newRow("empty line keeps the comment")
        << QStringLiteral("/*\n\nx */ y") << QStringList { "cc", "", "cccc.." };
    QTest::newRow("quote inside a comment") << QStringLiteral("/* \" */ x") << QStringList { "ccccccc.." };
    QTest::newRow("line comment swallows an opening")
        << QStringLiteral("a // b /* c\nd") << QStringList { "..ccccccccc", "." };
    QTest::newRow("string ends at the unescaped quote")
        << QStringLiteral("a = \"b\\\"c\" d;") << QStringList { "..k.ssssss..k" };
    QTest::newRow("apostrophe ends a double-quoted string")
        << QStringLiteral("\"it's\" 1") << QStringList { "ssss.sss" };
    QTest::newRow("string over two lines")
        << QStringLiteral("\"ab\ncd\" x") << QStringList { "sss", "sss.." };
    QTest::newRow("comment opening inside a string") << QStringLiteral("'/*' x") << QStringList { "ssss.." };
    QTest::newRow("hash to the end of the line") << QStringLiteral("QWidget#name { color: #000060; }\nx{")
                                                 << QStringList { "......." + QString(25, 'h'), ".k" };
    QTest::newRow("digits one by one") << QStringLiteral("h1 #a") << QStringList { ".s.hh" };
    QTest::newRow("keywords inside longer words")
        << QStringLiteral("format subclass interface") << QStringList { "kkk.......kkkkk.kkk......" };
    QTest::newRow("longer keywords first") << QStringLiteral("foreach") << QStringList { "kkkkkkk" };
}

void TestCssEditor::colours()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);

    m_editor->doc()->setPlainText(text);
    const QTextDocument* document = m_editor->doc()->document();
    QCOMPARE(document->blockCount(), expected.size());
    for (int line = 0; line < expected.size(); ++line)
        QCOMPARE(colourLetters(document->findBlockByNumber(line)), expected.at(line));
}

void TestCssEditor::loadReadsUtf8AndOlderFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("UTF-8") << QByteArray("/* Gr\xc3\xb6\xc3\x9f"
                                         "e \xe6\x97\xa5 */")
                           << QStringLiteral(u"/* Größe 日 */");
    QTest::newRow("UTF-8 with mark") << QByteArray("\xef\xbb\xbfp { }") << QStringLiteral("p { }");
    QTest::newRow("older file in the locale's encoding") << QByteArray("/* Gr\xf6\xdf"
                                                                       "e */")
                                                         << QStringLiteral(u"/* Größe */");
}

void TestCssEditor::loadReadsUtf8AndOlderFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);

    const LocaleCodec latin1("ISO-8859-1");
    const QString path = m_dir->filePath(QStringLiteral("in.qss"));
    QVERIFY(writeFile(path, bytes));
    Os::setNextFileDialogAnswer({ path });
    clickTool(*m_editor, QStringLiteral("&Open..."));
    QCOMPARE(m_editor->doc()->toPlainText(), text);
    QCOMPARE(m_editor->windowTitle(), path);
}

void TestCssEditor::nonAsciiStyleSheetRoundTrips()
{
    // A locale whose encoding lacks most of these characters.
    const LocaleCodec latin1("ISO-8859-1");
    const QByteArray bytes
        = QStringLiteral(u"/* Größe – 日本語 ✓\u00a0*/\nQLabel { content: \"ё\"; }\n\n").toUtf8();
    const QString source = m_dir->filePath(QStringLiteral("source.qss"));
    const QString copy = m_dir->filePath(QStringLiteral("copy.qss"));
    QVERIFY(writeFile(source, bytes));

    Os::setNextFileDialogAnswer({ source });
    clickTool(*m_editor, QStringLiteral("&Open..."));
    QVERIFY(m_editor->doc()->toPlainText().contains(QStringLiteral(u"日本語 ✓")));

    Os::setNextFileDialogAnswer({ copy });
    editorAction(*m_editor, QStringLiteral("S&ave As..."))->trigger();
    QCOMPARE(fileContents(copy), bytes);
    QCOMPARE(m_editor->windowTitle(), copy);

    // Text typed in the editor is written as UTF-8 too.
    m_editor->doc()->moveCursor(QTextCursor::End);
    QTest::keyClicks(m_editor->doc(), QStringLiteral("/* "));
    QTest::sendKeyEvent(QTest::Click, m_editor->doc(), Qt::Key_unknown, QStringLiteral(u"ž"), Qt::NoModifier);
    QTest::keyClicks(m_editor->doc(), QStringLiteral(" */"));
    clickTool(*m_editor, QStringLiteral("&Save"));
    QCOMPARE(fileContents(copy), bytes + QStringLiteral(u"/* ž */").toUtf8());
}

void TestCssEditor::failedWriteKeepsTheOldFile()
{
    const QByteArray old("QWidget { color: red; }\n");
    const QString path = m_dir->filePath(QStringLiteral("style.qss"));
    QVERIFY(writeFile(path, old));
    QVERIFY(m_editor->doc()->loadFile(path));
    m_editor->doc()->setPlainText(QString(64 * 1024, QLatin1Char('x')));
    m_editor->setWindowTitle(QStringLiteral("before"));

    // Files may grow to 4 KiB only, so the write fails half-way.
    rlimit previous {};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &previous), 0);
    rlimit small = previous;
    small.rlim_cur = 4096;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    clickTool(*m_editor, QStringLiteral("&Save"));
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    QCOMPARE(fileContents(path), old);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList { "style.qss" });
    QCOMPARE(m_editor->windowTitle(), QStringLiteral("before"));
}

void TestCssEditor::saveAsAsksWithTheCurrentPath()
{
    // No current file: Save asks for one; cancelling saves nothing.
    Os::setNextFileDialogAnswer({});
    clickTool(*m_editor, QStringLiteral("&Save"));
    QCOMPARE(Os::fileDialogRequests().size(), 1);
    QCOMPARE(Os::fileDialogRequests().first().caption, QString());
    QVERIFY(m_editor->windowTitle().isEmpty());
    QVERIFY(m_editor->doc()->fileName().isEmpty());
    QVERIFY(QDir(m_dir->path()).entryList(QDir::Files).isEmpty());

    const QString path = m_dir->filePath(QStringLiteral("loaded.qss"));
    QVERIFY(writeFile(path, "p { }"));
    QVERIFY(m_editor->doc()->loadFile(path));
    Os::setNextFileDialogAnswer({});
    editorAction(*m_editor, QStringLiteral("S&ave As..."))->trigger();
    QCOMPARE(Os::fileDialogRequests().last().caption, path);
    QCOMPARE(m_editor->doc()->fileName(), path);
}

void TestCssEditor::applyAndResetKeepTheEditorsLook()
{
    CssDoc* doc = m_editor->doc();
    const QString editorSheet = doc->styleSheet();
    const QString sheet = QStringLiteral("QTextEdit { background: white; font: 20pt \"DejaVu Sans\"; }\n"
                                         "QLabel { color: red; }");
    doc->setPlainText(sheet);

    const auto checkEditorLook = [&] {
        QCOMPARE(doc->document()->defaultFont().family(), QStringLiteral("Lucida Console"));
        QCOMPARE(doc->document()->defaultFont().pointSize(), 12);
        QCOMPARE(doc->styleSheet(), editorSheet);
        const QImage shot = doc->viewport()->grab().toImage();
        const QColor corner = shot.pixelColor(shot.width() - 3, shot.height() - 3);
        QVERIFY2(qAbs(corner.red()) + qAbs(corner.green()) + qAbs(corner.blue() - 0x60) < 12,
                 qPrintable(corner.name()));
    };

    clickTool(*m_editor, QStringLiteral("&Apply"));
    QCOMPARE(qApp->styleSheet(), sheet);
    checkEditorLook();

    clickTool(*m_editor, QStringLiteral("&Reset"));
    QVERIFY(qApp->styleSheet().isEmpty());
    QCOMPARE(doc->toPlainText(), sheet);
    checkEditorLook();

    // Applying an empty text is a reset too.
    qApp->setStyleSheet(sheet);
    doc->clear();
    clickTool(*m_editor, QStringLiteral("&Apply"));
    QVERIFY(qApp->styleSheet().isEmpty());
    checkEditorLook();
}

void TestCssEditor::setInfoStacksNamesIntoToolTips()
{
    QWidget namedWindow;
    namedWindow.setObjectName(QStringLiteral("probeWindow"));
    namedWindow.setToolTip(QStringLiteral("window tip"));
    QWidget plainWindow;
    auto* namedLabel = new QLabel(&plainWindow);
    namedLabel->setObjectName(QStringLiteral("probeLabel"));
    namedLabel->setToolTip(QStringLiteral("label tip"));
    auto* plainButton = new QPushButton(&plainWindow);
    plainButton->setToolTip(QStringLiteral("button tip"));

    m_editor->setObjectName(QStringLiteral("editorWindow"));
    CssDoc* doc = m_editor->doc();
    doc->setObjectName(QStringLiteral("cssDoc"));
    doc->setToolTip(QStringLiteral("doc tip"));
    doc->viewport()->setObjectName(QStringLiteral("cssViewport"));

    clickTool(*m_editor, QStringLiteral("&SetInfo"));
    clickTool(*m_editor, QStringLiteral("&SetInfo"));

    QCOMPARE(namedWindow.toolTip(), QStringLiteral("QWidget\nprobeWindow\nQWidget\nprobeWindow\nwindow tip"));
    QCOMPARE(namedLabel->toolTip(), QStringLiteral("QLabel\nprobeLabel\nQLabel\nprobeLabel\nlabel tip"));
    QCOMPARE(plainWindow.toolTip(), QString());
    QCOMPARE(plainButton->toolTip(), QStringLiteral("button tip"));
    QCOMPARE(m_editor->toolTip(),
             QStringLiteral("QMWidgets::CssEditor\neditorWindow\nQMWidgets::CssEditor\neditorWindow\n"));
    QCOMPARE(doc->toolTip(), QStringLiteral("doc tip"));
    QCOMPARE(doc->viewport()->toolTip(), QString());
}

void TestCssEditor::shellSlotOpensOneEditor()
{
    m_editor.reset();
    auto* application = QMWidgets::App::instance();
    QVERIFY(application);

    // Without a registered editor the slot opens nothing.
    QMWidgets::App::setCssEditorFactory(nullptr);
    QTest::ignoreMessage(QtWarningMsg, "No style-sheet editor is linked into this program");
    application->slotShowCssEditor();
    QVERIFY(openEditors().isEmpty());

    CssEditor::registerWithShell();
    application->slotShowCssEditor();
    QList<CssEditor*> editors = openEditors();
    QCOMPARE(editors.size(), 1);
    QPointer<CssEditor> editor = editors.first();
    QVERIFY(editor->isVisible());

    // Closed, it goes away.
    editor->close();
    QTRY_VERIFY(editor.isNull());
    QVERIFY(openEditors().isEmpty());
}

LUMASTRAND_APP_TEST_MAIN(TestCssEditor)
#include "tst_csseditor.moc"
