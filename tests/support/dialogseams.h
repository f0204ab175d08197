#pragma once

#include <QString>

class QDialog;

namespace TestSupport {

// Test mode of the dialog seams, on in every test program using these helpers: they record
// what they were asked for, and a dialog with no answer queued is cancelled at once and
// fails the running test, naming its title and text, instead of waiting for a user.
void watchDialogs();

// Forgets every queued answer and every record of the program's dialog seams
// (message boxes, dialogs run through DialogRunner, file dialogs). Returns how
// many DialogRunner handlers were still waiting for a dialog.
int clearDialogSeams();

// Answers a dialog the way a user does: clicks the push button with exactly
// that text, or presses Escape for an empty text. Returns the dialog's result,
// -1 when it has no such button.
int answerDialog(QDialog& dialog, const QString& button);

} // namespace TestSupport
