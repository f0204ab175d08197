#include "shellsettings.h"

namespace QMWidgets {
namespace ShellSettings {

const ShellSetting AutoReminder { QStringLiteral("AutoReminder"), true };
const ShellSetting AutoReminderCount { QStringLiteral("AutoReminderCount"), 1 };
const ShellSetting ReviewCalls { QStringLiteral("RequestedReviewsCalls"), 0 };
const ShellSetting ReviewCount { QStringLiteral("RequestedReviewsCount"), 0 };
const ShellSetting ReviewLastDate { QStringLiteral("RequestedReviewsLastDate"), QVariant() };
const ShellSetting CheckUpdates { QStringLiteral("checkupdates"), true };
const ShellSetting Language { QStringLiteral("Language"), QVariant() };

} // namespace ShellSettings
} // namespace QMWidgets
