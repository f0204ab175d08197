#include "csssyntaxhighlighter.h"

#include "csslinescanner.h"

namespace QMWidgets {

CssSyntaxHighlighter::CssSyntaxHighlighter(QTextDocument* parent)
    : QSyntaxHighlighter(parent)
    , m_keywords(CssLineScanner::defaultKeywords())
{
}

QString CssSyntaxHighlighter::keywordAt(int position, const QString& text) const
{
    return CssLineScanner::keywordAt(m_keywords, position, text);
}

void CssSyntaxHighlighter::highlightBlock(const QString& text)
{
    const CssLineScanner::Result result = CssLineScanner::scan(text, previousBlockState(), m_keywords);
    for (const CssLineScanner::Run& run : result.runs)
        setFormat(run.start, run.count, QColor(run.colour));
    // An open comment or string goes on in the next line.
    setCurrentBlockState(result.state);
}

} // namespace QMWidgets
