#pragma once

#include <QWidget>

class QPushButton;
class QTextEdit;

namespace QMWidgets {

// The small in-place editor of a text note: a translucent text field above a
// bar with Accept and Cancel on the left and larger and smaller text on the
// right. It only edits and reports its two buttons; the note work area places
// it, styles its field and reads the text and font when the user accepts. The
// buttons carry no text or picture of their own: the host's style sheet
// dresses them by their object names.
class NoteEditWidget : public QWidget
{
    Q_OBJECT

public:
    explicit NoteEditWidget(QWidget* parent = nullptr);

    // Shows the editor with its field and buttons and focuses the field.
    void showAll();
    // Hides the editor with its field and buttons.
    void hideAll();
    // The point size of the field's current font.
    double fontPointSize() const;
    QTextEdit* textField() const { return m_textField; }

signals:
    void cancelClicked();
    void okClicked();

public slots:
    // Makes the whole text 5 points larger (or smaller); the text stays selected.
    void slotIncrease();
    void slotDecrease();

private:
    void changeSize(double points);

    QTextEdit* m_textField;
    QPushButton* m_acceptButton;
    QPushButton* m_rejectButton;
};

} // namespace QMWidgets
