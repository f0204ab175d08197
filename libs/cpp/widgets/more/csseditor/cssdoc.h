#pragma once

#include <QTextEdit>

class QTextCodec;

namespace QMWidgets {

// The text area of the style-sheet editor: coloured by CssSyntaxHighlighter,
// yellow on dark blue in "Lucida Console", with loading and saving of the
// style-sheet file. A file is written back in the encoding it was read in:
// UTF-8 (with its byte-order mark, when it had one) or, for a file that is not
// valid UTF-8, Latin-1, which keeps every byte, so that a save without edits
// writes the very bytes that were read. New files, and text that Latin-1
// cannot hold, are written in UTF-8. A save replaces the file only once the
// new content is completely written; failures are told to the user.
class CssDoc : public QTextEdit
{
    Q_OBJECT

public:
    // Style sheets are small; larger files are not opened.
    static constexpr qint64 MaxFileSize = 16 * 1024 * 1024;

    explicit CssDoc(QWidget* parent = nullptr);

    // The path of the current file; empty until a load or a Save As.
    QString fileName() const { return m_fileName; }

    // Gives the document its font and the text area its colours again (an
    // application style sheet may have replaced the font).
    void applyEditorStyle();

    // Loads path and makes it the current file; false, with nothing changed,
    // when it cannot be read or is refused (no regular file, or larger than
    // MaxFileSize; a refusal is told to the user).
    bool loadFile(const QString& path);
    // Saves the text to path and makes it the current file; false, with the
    // user told why and nothing changed, when it cannot be written (the file
    // on disk is then untouched).
    bool saveFile(const QString& path);

signals:
    void changeWindowTitle(const QString& title);

public slots:
    void slotLoad();
    void slotSave();
    void slotSaveAs();

private:
    QString m_fileName;
    QTextCodec* m_codec; // of the current file
    bool m_byteOrderMark = false; // the current file begins with one
};

} // namespace QMWidgets
