#pragma once

#include <QStringList>
#include <QSyntaxHighlighter>

class QTextDocument;

namespace QMWidgets {

// Colours a style sheet line by line: block comments (which may span lines)
// and line comments dark grey, everything from a "#" green, quoted strings
// (which may span lines) and digits cyan, keywords and operator symbols white.
// Only the foreground colour is set. The document owns the highlighter.
class CssSyntaxHighlighter : public QSyntaxHighlighter
{
    Q_OBJECT

public:
    explicit CssSyntaxHighlighter(QTextDocument* parent);

    // The first keyword that text holds at position, or an empty string.
    QString keywordAt(int position, const QString& text) const;

protected:
    void highlightBlock(const QString& text) override;

private:
    const QStringList m_keywords;
};

} // namespace QMWidgets
