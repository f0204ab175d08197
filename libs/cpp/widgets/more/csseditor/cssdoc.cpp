#include "cssdoc.h"

#include "csssyntaxhighlighter.h"
#include "os.h"
#include "wholefile.h"

#include <QFile>
#include <QTextCodec>

namespace QMWidgets {

namespace {

// The file's text. UTF-8 (with or without a byte-order mark) is the format;
// a file that is not valid UTF-8 is an older one written in the locale's
// encoding and is read in that, so that its characters survive the next save.
QString decodeFile(const QByteArray& bytes)
{
    QTextCodec* utf8 = QTextCodec::codecForName("UTF-8");
    QTextCodec* codec = QTextCodec::codecForUtfText(bytes, utf8);
    QTextCodec::ConverterState state;
    const QString text = codec->toUnicode(bytes.constData(), bytes.size(), &state);
    if (state.invalidChars == 0 || codec != utf8)
        return text;
    return QTextCodec::codecForLocale()->toUnicode(bytes);
}

} // namespace

CssDoc::CssDoc(QWidget* parent)
    : QTextEdit(parent)
{
    new CssSyntaxHighlighter(document());
    applyEditorStyle();
}

void CssDoc::applyEditorStyle()
{
    // The style sheet first: setting it polishes the text area again, which
    // hands an application style sheet's font on to the document.
    setStyleSheet(QStringLiteral("QTextEdit{background: #000060; color: yellow;}"));
    document()->setDefaultFont(QFont(QStringLiteral("Lucida Console"), 12, QFont::Normal, false));
}

bool CssDoc::loadFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    file.close();
    setPlainText(decodeFile(bytes));
    m_fileName = path;
    emit changeWindowTitle(path);
    return true;
}

bool CssDoc::saveFile()
{
    if (m_fileName.isEmpty())
        return false;
    // The raw text keeps non-breaking spaces, which toPlainText() would turn
    // into blanks; only the line breaks need turning into line feeds.
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));

    // A failed write leaves the old file as it was.
    if (!MTools::WholeFile::write(m_fileName, text.toUtf8()))
        return false;
    emit changeWindowTitle(m_fileName);
    return true;
}

void CssDoc::slotLoad()
{
    const QString path = Os::getOpenFileName(this, QString(), QString(), QString(), nullptr, {});
    if (!path.isEmpty())
        loadFile(path);
}

void CssDoc::slotSave()
{
    if (m_fileName.isEmpty())
        slotSaveAs();
    else
        saveFile();
}

void CssDoc::slotSaveAs()
{
    const QString path = Os::getSaveFileName(this, m_fileName, QString(), QString(), nullptr, {});
    if (path.isEmpty())
        return;
    m_fileName = path;
    saveFile();
}

} // namespace QMWidgets
