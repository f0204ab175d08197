#include "csslinescanner.h"

namespace QMWidgets {

namespace {

const Qt::GlobalColor kCommentColour = Qt::darkGray;
const Qt::GlobalColor kHashColour = Qt::green;
const Qt::GlobalColor kStringColour = Qt::cyan;
const Qt::GlobalColor kKeywordColour = Qt::white;

bool isQuote(QChar c)
{
    return c == QLatin1Char('"') || c == QLatin1Char('\'');
}

// Whether the two characters from position i are first and second; false when
// the line ends before the second one.
bool pairAt(const QString& text, int i, char first, char second)
{
    return i + 1 < text.size() && text.at(i) == QLatin1Char(first) && text.at(i + 1) == QLatin1Char(second);
}

void addRun(CssLineScanner::Result& result, int start, int count, Qt::GlobalColor colour)
{
    if (count > 0)
        result.runs.append(CssLineScanner::Run { start, count, colour });
}

} // namespace

QStringList CssLineScanner::defaultKeywords()
{
    return {
        QStringLiteral("foreach"), QStringLiteral("bool"),      QStringLiteral("int"),
        QStringLiteral("void"),    QStringLiteral("double"),    QStringLiteral("float"),
        QStringLiteral("char"),    QStringLiteral("delete"),    QStringLiteral("class"),
        QStringLiteral("const"),   QStringLiteral("virtual"),   QStringLiteral("mutable"),
        QStringLiteral("this"),    QStringLiteral("struct"),    QStringLiteral("union"),
        QStringLiteral("throw"),   QStringLiteral("for"),       QStringLiteral("if"),
        QStringLiteral("else"),    QStringLiteral("false"),     QStringLiteral("namespace"),
        QStringLiteral("switch"),  QStringLiteral("case"),      QStringLiteral("public"),
        QStringLiteral("private"), QStringLiteral("protected"), QStringLiteral("new"),
        QStringLiteral("return"),  QStringLiteral("using"),     QStringLiteral("true"),
        QStringLiteral("->"),      QStringLiteral(">>"),        QStringLiteral("<<"),
        QStringLiteral(">"),       QStringLiteral("<"),         QStringLiteral("("),
        QStringLiteral(")"),       QStringLiteral("{"),         QStringLiteral("}"),
        QStringLiteral("["),       QStringLiteral("]"),         QStringLiteral("+"),
        QStringLiteral("-"),       QStringLiteral("*"),         QStringLiteral("/"),
        QStringLiteral("="),       QStringLiteral("!"),         QStringLiteral("."),
        QStringLiteral(","),       QStringLiteral(";"),         QStringLiteral(":"),
        QStringLiteral("&"),       QStringLiteral("emit"),      QStringLiteral("connect"),
        QStringLiteral("SIGNAL"),  QStringLiteral("|"),         QStringLiteral("SLOT"),
        QStringLiteral("slots"),   QStringLiteral("signals"),
    };
}

QString CssLineScanner::keywordAt(const QStringList& keywords, int position, const QString& text)
{
    for (const QString& keyword : keywords) {
        if (text.midRef(position, keyword.size()) == keyword)
            return keyword;
    }
    return QString();
}

CssLineScanner::Result CssLineScanner::scan(const QString& text, int incomingState,
                                            const QStringList& keywords)
{
    Result result;
    int state = incomingState;
    int start = 0; // where the open comment or string began on this line
    int i = 0;
    const int n = text.size();
    while (i < n) {
        if (state == InComment) {
            if (pairAt(text, i, '*', '/')) {
                addRun(result, start, i - start + 2, kCommentColour);
                i += 2;
                state = PlainText;
            } else {
                ++i;
            }
        } else if (state == InString) {
            // Either quote ends a string, unless a backslash stands before it.
            if (isQuote(text.at(i)) && !(i > 0 && text.at(i - 1) == QLatin1Char('\\'))) {
                addRun(result, start, i - start + 1, kStringColour);
                state = PlainText;
            }
            ++i;
        } else if (pairAt(text, i, '/', '/')) {
            addRun(result, i, n - i, kCommentColour);
            result.state = state;
            return result;
        } else if (text.at(i) == QLatin1Char('#')) {
            addRun(result, i, n - i, kHashColour);
            result.state = state;
            return result;
        } else if (text.at(i).isNumber()) {
            addRun(result, i, 1, kStringColour);
            ++i;
        } else if (pairAt(text, i, '/', '*')) {
            // Both characters of the opening belong to it, so its "*" cannot
            // also be the first half of a closing "*/".
            state = InComment;
            start = i;
            i += 2;
        } else if (isQuote(text.at(i))) {
            state = InString;
            start = i;
            ++i;
        } else {
            const QString keyword = keywordAt(keywords, i, text);
            if (keyword.isEmpty()) {
                ++i;
            } else {
                addRun(result, i, keyword.size(), kKeywordColour);
                i += keyword.size();
            }
        }
    }
    if (state == InComment)
        addRun(result, start, n - start, kCommentColour);
    else if (state == InString)
        addRun(result, start, n - start, kStringColour);
    result.state = state;
    return result;
}

} // namespace QMWidgets
