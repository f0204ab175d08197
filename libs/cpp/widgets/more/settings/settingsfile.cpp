#include "settingsfile.h"

#include "settingswidget.h"
#include "wholefile.h"

#include <QTextCodec>
#include <QXmlStreamReader>

namespace QMWidgets {
namespace SettingsFile {

const char Suffix[] = ".tssettings";

QString targetPath(const QString& chosenName)
{
    const QString suffix = QLatin1String(Suffix);
    return chosenName.endsWith(suffix) ? chosenName : chosenName + suffix;
}

QByteArray write(const QList<SettingsWidget*>& pages)
{
    QDomDocument document { QString() };
    document.appendChild(document.createProcessingInstruction(
        QStringLiteral("xml"), QStringLiteral("version=\"1.0\" encoding=\"UTF-8\"")));
    QDomElement root = document.createElement(QStringLiteral("Settings"));
    document.appendChild(root);
    for (SettingsWidget* page : pages)
        root.appendChild(page->saveSettings(document));
    // With the declaration above, the text comes out in UTF-8.
    return document.toByteArray(1);
}

namespace {

// Whether the elements nest deeper than MaxDepth, found without recursion.
// The walk stops at the first XML error; the document reader reports it.
template<typename Text> bool nestsTooDeep(const Text& text)
{
    QXmlStreamReader reader(text);
    int depth = 0;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement && ++depth > MaxDepth)
            return true;
        if (token == QXmlStreamReader::EndElement)
            --depth;
    }
    return false;
}

template<typename Text> bool readChecked(const Text& text, QDomDocument* document, QString* refusal)
{
    if (nestsTooDeep(text)) {
        if (refusal)
            *refusal = QStringLiteral("Elements nested more than %1 levels deep").arg(MaxDepth);
        return false;
    }
    return document->setContent(text);
}

} // namespace

bool read(const QByteArray& text, QDomDocument* document, QString* refusal)
{
    if (refusal)
        refusal->clear();
    // A declared document, or one with a byte-order mark, is read by the XML
    // rules, which take the encoding from these.
    if (text.trimmed().startsWith("<?xml") || QTextCodec::codecForUtfText(text, nullptr))
        return readChecked(text, document, refusal);
    QTextCodec::ConverterState state;
    const QString asUtf8 = QTextCodec::codecForMib(106)->toUnicode(text.constData(), text.size(), &state);
    if (state.invalidChars == 0)
        return readChecked(asUtf8, document, refusal);
    // Earlier versions wrote the system's encoding without saying so.
    return readChecked(QTextCodec::codecForLocale()->toUnicode(text), document, refusal);
}

void loadPages(const QDomElement& root, const QList<SettingsWidget*>& pages)
{
    for (QDomNode node = root.firstChild(); !node.isNull(); node = node.nextSibling()) {
        const QDomElement element = node.toElement();
        if (element.isNull())
            continue;
        for (SettingsWidget* page : pages) {
            if (page->settingsName() == element.tagName())
                page->loadSettings(element);
        }
    }
}

bool save(const QString& path, const QByteArray& text, QString* error)
{
    return MTools::WholeFile::write(path, text, error);
}

} // namespace SettingsFile
} // namespace QMWidgets
