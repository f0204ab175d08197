#pragma once

#include <QDate>
#include <QDialog>

// Tells the user that a newer build is available. "Download" opens the update
// page and ends the dialog with Accepted, "Later" with Rejected.
class AppUpdateDialog : public QDialog
{
    Q_OBJECT

public:
    AppUpdateDialog(const QDate& buildDate, const QString& updatePage, QWidget* parent = nullptr);
};
