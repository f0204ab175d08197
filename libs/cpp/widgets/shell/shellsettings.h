#pragma once

#include <QString>
#include <QVariant>

namespace QMWidgets {

// A setting that the shell keeps for itself in the application's store, with
// the value it has until one is stored.
struct ShellSetting
{
    QString key;
    QVariant defaultValue;
};

// The shell's own settings, named once.
namespace ShellSettings {

// Whether the reminders and review requests may still show the rate dialog;
// an answer in one of the reminder dialogs switches it off.
extern const ShellSetting AutoReminder;
// The program runs counted at quit for the reminders.
extern const ShellSetting AutoReminderCount;
// The review-request history (see ReviewRequests); the date as "yyyy-MM-dd".
extern const ShellSetting ReviewCalls;
extern const ShellSetting ReviewCount;
extern const ShellSetting ReviewLastDate;
// Whether the program looks for a newer build after its start.
extern const ShellSetting CheckUpdates;
// The chosen interface language; none stored follows English.
extern const ShellSetting Language;

} // namespace ShellSettings
} // namespace QMWidgets
