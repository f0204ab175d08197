#include "settingsfile.h"

#include "settingswidget.h"
#include "wholefile.h"

#include <QHash>
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

// The index just past the first `end` at or after from, or the end of text.
int pastNext(QStringView text, int from, QStringView end)
{
    const int found = text.indexOf(end, from);
    return found < 0 ? text.size() : found + end.size();
}

// The index just past the ">" that closes the declaration ("<!DOCTYPE", or
// one inside its internal subset) whose text starts at from, or the end of
// text. Quoted values, comments and the bracketed internal subset may hold ">".
int pastDeclaration(QStringView text, int from)
{
    int brackets = 0;
    for (int at = from; at < text.size(); ++at) {
        const QChar c = text.at(at);
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            const int close = text.indexOf(c, at + 1);
            if (close < 0)
                return text.size();
            at = close;
        } else if (text.mid(at).startsWith(QLatin1String("<!--"))) {
            at = pastNext(text, at + 4, u"-->") - 1;
        } else if (c == QLatin1Char('[')) {
            ++brackets;
        } else if (c == QLatin1Char(']')) {
            --brackets;
        } else if (c == QLatin1Char('>') && brackets <= 0) {
            return at + 1;
        }
    }
    return text.size();
}

enum class Markup { Fine, TooDeep, TooManyAttributes };

// Whether the tags of text nest deeper than MaxDepth, or one holds more than
// MaxAttributes attributes, counted as the markup reads whatever else is
// wrong with it: a tag runs to its ">", or up to the next "<" when it never
// gets one (no tag may hold a "<", not even in a quoted value), and an end
// tag closes one level whatever its name. For a well-formed text this is the
// nesting of its elements, entities aside.
Markup markupOf(QStringView text)
{
    int depth = 0;
    int at = text.indexOf(QLatin1Char('<'));
    while (at >= 0 && at + 1 < text.size()) {
        const QStringView tag = text.mid(at);
        const QChar first = tag.at(1);
        if (tag.startsWith(QLatin1String("<!--"))) {
            at = pastNext(text, at + 4, u"-->");
        } else if (tag.startsWith(QLatin1String("<![CDATA["))) {
            at = pastNext(text, at + 9, u"]]>");
        } else if (first == QLatin1Char('?')) {
            at = pastNext(text, at + 2, u"?>");
        } else if (first == QLatin1Char('!')) {
            at = pastDeclaration(text, at + 2);
        } else {
            int end = at + 1;
            int attributes = 0;
            QChar quote;
            for (; end < text.size() && text.at(end) != QLatin1Char('<'); ++end) {
                const QChar c = text.at(end);
                if (!quote.isNull()) {
                    if (c == quote)
                        quote = QChar();
                } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
                    quote = c;
                } else if (c == QLatin1Char('=')) {
                    if (++attributes > MaxAttributes)
                        return Markup::TooManyAttributes;
                } else if (c == QLatin1Char('>')) {
                    break;
                }
            }
            const bool closed = end < text.size() && text.at(end) == QLatin1Char('>');
            if (first == QLatin1Char('/')) {
                depth = qMax(0, depth - 1);
            } else if (first.isLetter() || first == QLatin1Char('_') || first == QLatin1Char(':')
                       || first.unicode() >= 0x80) {
                if (!(closed && text.at(end - 1) == QLatin1Char('/')) && ++depth > MaxDepth)
                    return Markup::TooDeep;
            }
            at = closed ? end + 1 : end;
        }
        at = text.indexOf(QLatin1Char('<'), at);
    }
    return Markup::Fine;
}

// How many characters the references to the declared entities in markup
// stand for at the most: the reader replaces each reference on its own, up to
// its expansion limit, however often one entity is named.
qint64 expandedSize(QStringView markup, const QXmlStreamEntityDeclarations& entities, int expansionLimit)
{
    QHash<QString, qint64> size;
    for (const QXmlStreamEntityDeclaration& entity : entities) {
        const QStringView value = entity.value();
        // A value naming other entities may grow with each of them.
        size.insert(entity.name().toString(),
                    value.contains(QLatin1Char('&')) ? expansionLimit
                                                     : qMin<qint64>(value.size(), expansionLimit));
    }
    qint64 total = 0;
    for (int at = markup.indexOf(QLatin1Char('&')); at >= 0; at = markup.indexOf(QLatin1Char('&'), at + 1)) {
        const int end = markup.indexOf(QLatin1Char(';'), at + 1);
        if (end < 0)
            break;
        total += size.value(markup.mid(at + 1, end - at - 1).toString(), 0);
    }
    return total;
}

enum class Structure { WellFormed, Broken, TooDeep, TooManyEntities, TooMuchExpansion };

// Reads text through to its end as an XML document, with entities replaced,
// and counts the nesting of its elements without recursion, and the entities
// its document type declares. Before the body is read, the references to
// those entities in markup (the text's characters) are weighed: a few short
// declarations named a million times would take gigabytes. Prefixes are taken
// as parts of names, as the document reader takes them.
template<typename Text> Structure structureOf(const Text& text, QStringView markup)
{
    QXmlStreamReader reader(text);
    reader.setNamespaceProcessing(false);
    int depth = 0;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::DTD && reader.entityDeclarations().size() > MaxEntities)
            return Structure::TooManyEntities;
        if (token == QXmlStreamReader::DTD && !reader.entityDeclarations().isEmpty()
            && expandedSize(markup, reader.entityDeclarations(), reader.entityExpansionLimit()) > MaxFileSize)
            return Structure::TooMuchExpansion;
        if (token == QXmlStreamReader::StartElement && ++depth > MaxDepth)
            return Structure::TooDeep;
        if (token == QXmlStreamReader::EndElement)
            --depth;
    }
    return reader.hasError() ? Structure::Broken : Structure::WellFormed;
}

// Builds the document from text; markup holds the characters of text, read
// so that its ASCII markup shows. The document reader takes the stack for
// each level and accepts some texts that are no XML, in which entities may
// open elements they do not close; so it only gets a text that the stream
// reader has read whole, at the depth that reader has counted, and with few
// entities, whose declarations take it a time that grows with the square of
// their number. Deep nesting of the markup is refused also where the stream
// reader stops at an error.
template<typename Text>
bool readChecked(const Text& text, QStringView markup, QDomDocument* document, QString* refusal)
{
    // The markup is looked at first: the stream reader takes a time that grows
    // with the square of the attributes of one element.
    const Markup shape = markupOf(markup);
    if (shape == Markup::TooManyAttributes) {
        if (refusal)
            *refusal = QStringLiteral("An element with more than %1 attributes").arg(MaxAttributes);
        return false;
    }
    const Structure structure = shape == Markup::TooDeep ? Structure::TooDeep : structureOf(text, markup);
    if (structure == Structure::TooDeep) {
        if (refusal)
            *refusal = QStringLiteral("Elements nested more than %1 levels deep").arg(MaxDepth);
        return false;
    }
    if (structure == Structure::TooMuchExpansion) {
        if (refusal)
            *refusal = QStringLiteral("Entities that stand for more than %1 characters").arg(MaxFileSize);
        return false;
    }
    if (structure == Structure::TooManyEntities) {
        if (refusal)
            *refusal = QStringLiteral("More than %1 entities declared").arg(MaxEntities);
        return false;
    }
    return structure == Structure::WellFormed && document->setContent(text);
}

// The codec of a UTF-16 text without a byte-order mark. The first character
// of an XML document ("<" or a blank) is ASCII, so one of its two bytes is
// zero; no text in a one-byte encoding has a zero there.
QTextCodec* utf16WithoutMark(const QByteArray& text)
{
    if (text.size() < 2 || (text.at(0) == 0) == (text.at(1) == 0))
        return nullptr;
    return QTextCodec::codecForName(text.at(0) == 0 ? "UTF-16BE" : "UTF-16LE");
}

} // namespace

bool read(const QByteArray& text, QDomDocument* document, QString* refusal)
{
    if (refusal)
        refusal->clear();
    // A document with a byte-order mark, or a declared one, is read by the
    // XML rules, which take the encoding from these. A UTF-16 document
    // without a mark is decoded here: its declaration, if any, has no say.
    if (QTextCodec* codec = QTextCodec::codecForUtfText(text, nullptr))
        return readChecked(text, codec->toUnicode(text), document, refusal);
    if (QTextCodec* codec = utf16WithoutMark(text)) {
        const QString decoded = codec->toUnicode(text);
        return readChecked(decoded, decoded, document, refusal);
    }
    // The markup of the encodings a declaration may name is ASCII; read byte
    // by byte, it shows even where the declaration is wrong.
    if (text.trimmed().startsWith("<?xml"))
        return readChecked(text, QString::fromLatin1(text), document, refusal);
    QTextCodec::ConverterState state;
    const QString asUtf8 = QTextCodec::codecForMib(106)->toUnicode(text.constData(), text.size(), &state);
    if (state.invalidChars == 0)
        return readChecked(asUtf8, asUtf8, document, refusal);
    // Earlier versions wrote the system's encoding without saying so.
    const QString asLocal = QTextCodec::codecForLocale()->toUnicode(text);
    return readChecked(asLocal, asLocal, document, refusal);
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
