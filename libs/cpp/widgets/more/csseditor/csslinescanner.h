#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

namespace QMWidgets {

// Works out the colours of one line of a style sheet, given the state the line
// before left behind (inside a block comment, inside a quoted string, or plain
// text). Needs no document, so the rules can be checked on plain strings.
class CssLineScanner
{
public:
    // Line states carried from one line to the next. Every other value (the
    // text document starts with -1) means plain text.
    enum State { InComment = 0, InString = 1, PlainText = -1 };

    // A stretch of characters and the foreground colour it gets.
    struct Run
    {
        int start = 0;
        int count = 0;
        Qt::GlobalColor colour = Qt::black;
    };

    struct Result
    {
        QVector<Run> runs; // in the order they are to be applied; later ones win
        int state = PlainText;
    };

    // The words and symbols coloured white, in the order they are tried: the
    // first that matches at a position wins ("foreach" before "for", "->"
    // before "-").
    static QStringList defaultKeywords();

    // The first entry of keywords that the text holds at position (exact,
    // case-sensitive), or an empty string.
    static QString keywordAt(const QStringList& keywords, int position, const QString& text);

    // The colours of one line that starts in incomingState.
    static Result scan(const QString& text, int incomingState, const QStringList& keywords);
};

} // namespace QMWidgets
