#pragma once

#include "reminderstatedialog.h"

namespace QMWidgets {

// Asks the user to rate the application: "Rate" opens the rating page, "Mail"
// the contact mail, "Later" and "Don't ask me again" open nothing.
class RateDialog : public ReminderStateDialog
{
    Q_OBJECT

public:
    explicit RateDialog(QWidget* parent = nullptr);
};

} // namespace QMWidgets
