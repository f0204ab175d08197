#pragma once

#include <QTextEdit>

namespace QMWidgets {

// The text area of the style-sheet editor: coloured by CssSyntaxHighlighter,
// yellow on dark blue in "Lucida Console", with loading and saving of the
// style-sheet file. Files are read and written as UTF-8; a save replaces the
// file only once the new content is completely written.
class CssDoc : public QTextEdit
{
    Q_OBJECT

public:
    explicit CssDoc(QWidget* parent = nullptr);

    // The path of the current file; empty until a load or a Save As.
    QString fileName() const { return m_fileName; }

    // Gives the document its font and the text area its colours again (an
    // application style sheet may have replaced the font).
    void applyEditorStyle();

    // Loads path and makes it the current file; false, with nothing changed,
    // when it cannot be read.
    bool loadFile(const QString& path);
    // Saves the text to the current file; false when there is none or it
    // cannot be written (the file on disk is then untouched).
    bool saveFile();

signals:
    void changeWindowTitle(const QString& title);

public slots:
    void slotLoad();
    void slotSave();
    void slotSaveAs();

private:
    QString m_fileName;
};

} // namespace QMWidgets
