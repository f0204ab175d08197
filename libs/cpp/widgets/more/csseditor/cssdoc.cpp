#include "cssdoc.h"

#include "csssyntaxhighlighter.h"
#include "messagebox.h"
#include "os.h"
#include "wholefile.h"

#include <QDir>
#include <QTextCodec>

namespace QMWidgets {

namespace {
QTextCodec* utf8Codec()
{
    return QTextCodec::codecForMib(106);
}
} // namespace

CssDoc::CssDoc(QWidget* parent)
    : QTextEdit(parent)
    , m_codec(utf8Codec())
{
    new CssSyntaxHighlighter(document());
    applyEditorStyle();
}

void CssDoc::applyEditorStyle()
{
    // The style sheet first: setting it polishes the text area again, which
    // hands an application style sheet's font on to the document.
    setStyleSheet(QStringLiteral("QTextEdit{background: #000060; color: yellow;}"));
    QFont font(QStringLiteral("Lucida Console"), 12, QFont::Normal, false);
    // Style sheets need no ligatures or kerning; without them a minified style
    // sheet of one endless line is laid out in half the time. Scripts that do
    // need shaping are still shaped.
    font.setStyleStrategy(QFont::PreferNoShaping);
    document()->setDefaultFont(font);
}

bool CssDoc::loadFile(const QString& path)
{
    QByteArray bytes;
    QString reason;
    const MTools::WholeFile::ReadResult result = MTools::WholeFile::read(path, MaxFileSize, &bytes, &reason);
    if (result == MTools::WholeFile::ReadResult::Refused) {
        MessageBox::warning(
            this, QStringLiteral("Open"),
            QStringLiteral("The file %1 was not opened:\n%2").arg(QDir::toNativeSeparators(path), reason));
    }
    if (result != MTools::WholeFile::ReadResult::Read)
        return false;

    // A byte-order mark names the encoding; otherwise a file that is valid
    // UTF-8 is read as such, and any other in Latin-1, which maps every byte.
    QTextCodec* codec = QTextCodec::codecForUtfText(bytes, nullptr);
    const bool byteOrderMark = codec != nullptr;
    QString text;
    if (!codec) {
        QTextCodec::ConverterState state;
        text = utf8Codec()->toUnicode(bytes.constData(), bytes.size(), &state);
        codec = state.invalidChars == 0 ? utf8Codec() : QTextCodec::codecForMib(4);
    }
    if (codec != utf8Codec() || byteOrderMark)
        text = codec->toUnicode(bytes);
    setPlainText(text);
    m_fileName = path;
    m_codec = codec;
    m_byteOrderMark = byteOrderMark;
    emit changeWindowTitle(path);
    return true;
}

bool CssDoc::saveFile(const QString& path)
{
    // The raw text keeps non-breaking spaces, which toPlainText() would turn
    // into blanks; only the line breaks need turning into line feeds.
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));

    // The file's own encoding, unless it cannot hold what was typed.
    QTextCodec* codec = m_codec->canEncode(text) ? m_codec : utf8Codec();
    QTextCodec::ConverterState state(m_byteOrderMark ? QTextCodec::DefaultConversion
                                                     : QTextCodec::IgnoreHeader);
    const QByteArray bytes = codec->fromUnicode(text.constData(), text.size(), &state);

    // A failed write leaves the old file as it was.
    QString reason;
    if (!MTools::WholeFile::write(path, bytes, &reason)) {
        MessageBox::warning(this, QStringLiteral("Save"),
                            QStringLiteral("The style sheet could not be saved to %1:\n%2")
                                .arg(QDir::toNativeSeparators(path), reason));
        return false;
    }
    m_fileName = path;
    m_codec = codec;
    emit changeWindowTitle(path);
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
        saveFile(m_fileName);
}

void CssDoc::slotSaveAs()
{
    // The chosen name becomes the current file only once it is saved.
    const QString path = Os::getSaveFileName(this, m_fileName, QString(), QString(), nullptr, {});
    if (!path.isEmpty())
        saveFile(path);
}

} // namespace QMWidgets
