#pragma once

#include <QString>

class QDialog;

namespace TestSupport {

// Forgets every queued answer and every record of the program's dialog seams
// (message boxes, dialogs run through DialogRunner, file dialogs). Returns how
// many DialogRunner handlers were still waiting for a dialog.
int clearDialogSeams();

// Answers a dialog the way a user does: clicks the push button with exactly
// that text, or presses Escape for an empty text. Returns the dialog's result,
// -1 when it has no such button.
int answerDialog(QDialog& dialog, const QString& button);

} // namespace TestSupport
