#pragma once

#include "reminderstatedialog.h"

namespace QMWidgets {

// Invites the user to follow the maker: one button per network opens the
// follow page for it (result Rate), the mail button the contact mail (result
// Mail).
class FollowDialog : public ReminderStateDialog
{
    Q_OBJECT

public:
    explicit FollowDialog(QWidget* parent = nullptr);
};

} // namespace QMWidgets
