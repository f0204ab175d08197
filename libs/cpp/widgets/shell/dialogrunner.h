#pragma once

#include <functional>

class QDialog;

namespace QMWidgets {

// Runs modal dialogs of the program (about, rate, settings, ...). A test queues
// handlers with setNextHandler(); the next dialog is then shown non-modally,
// handed to the handler, which may inspect and drive it, and closed with the
// handler's result instead of entering a nested event loop. With no handler
// queued while DialogWatch runs dialogs unattended, the dialog is rejected
// without being shown.
class DialogRunner
{
public:
    using Handler = std::function<int(QDialog&)>;

    static int exec(QDialog& dialog);

    static void setNextHandler(Handler handler);
    // Shorthand: the next dialog ends at once with this result code.
    static void setNextResult(int result);
    static void clearHandlers();
    static int pendingHandlers();
};

} // namespace QMWidgets
