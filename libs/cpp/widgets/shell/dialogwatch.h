#pragma once

#include <QString>

#include <functional>

namespace QMWidgets {

// Two switches of the program's dialog seams (MessageBox, DialogRunner and the
// file dialogs of Os). Both are off in the program; tests turn them on.
//
// Recording: the seams keep the message boxes and file dialogs they were asked
// for, for a test to read. Off, nothing is kept, so nothing grows for the life
// of the program.
//
// Unattended: a dialog that reaches a seam with no answer queued is not shown
// (nobody would ever close it); it ends at once as cancelled, and the handler
// hears what it was.
class DialogWatch
{
public:
    static void setRecording(bool on);
    static bool isRecording();

    using UnplannedHandler = std::function<void(const QString& dialog)>;
    // An empty handler shows unplanned dialogs again.
    static void setUnplannedHandler(UnplannedHandler handler);
    static bool isUnattended();

    // For the seams: called for a dialog that has no answer queued. Returns
    // false when it is to be shown; true when it must end at once as
    // cancelled, after the handler was told "<kind> "<title>": <text>".
    static bool refuseUnplanned(const QString& kind, const QString& title, const QString& text = QString());
};

} // namespace QMWidgets
