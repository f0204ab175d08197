#pragma once

#include "reminderstatedialog.h"

namespace QMWidgets {

// Offers to share the application's web page: one button per network opens
// the share page for it (result Rate), the mail button a "tell a friend" mail
// (result Mail).
class ShareDialog : public ReminderStateDialog
{
    Q_OBJECT

public:
    explicit ShareDialog(QWidget* parent = nullptr);
};

} // namespace QMWidgets
