#pragma once

#include <QDate>
#include <QFileDialog>
#include <QStringList>

// Static services of the operating system: file dialogs, the file manager,
// review requests, the screen scale factor.
class Os
{
public:
    // File dialogs. Without a parent they are Qt's static dialogs; with a
    // parent a modal QFileDialog of that parent runs with the given options.
    // The selected filter is used only without a parent. A cancelled dialog
    // gives the empty text (or list).
    static QString getOpenFileName(QWidget* parent = nullptr, const QString& caption = QString(),
                                   const QString& dir = QString(), const QString& filter = QString(),
                                   QString* selectedFilter = nullptr, QFileDialog::Options options = {});
    static QString getSaveFileName(QWidget* parent = nullptr, const QString& caption = QString(),
                                   const QString& dir = QString(), const QString& filter = QString(),
                                   QString* selectedFilter = nullptr, QFileDialog::Options options = {});
    static QStringList getOpenFileNames(QWidget* parent = nullptr, const QString& caption = QString(),
                                        const QString& dir = QString(), const QString& filter = QString(),
                                        QString* selectedFilter = nullptr, QFileDialog::Options options = {});
    static QString getExistingDirectory(QWidget* parent = nullptr, const QString& caption = QString(),
                                        const QString& dir = QString(),
                                        QFileDialog::Options options = QFileDialog::ShowDirsOnly);

    // Test seam: the next file or folder dialog returns these paths without
    // showing anything (an empty list answers as a cancelled dialog). While
    // QMWidgets::DialogWatch records, the caption and start folder of every
    // dialog asked for are kept; while it runs dialogs unattended, a dialog
    // without an answer is cancelled at once.
    struct FileDialogRequest
    {
        QString caption;
        QString dir;
        QFileDialog::Options options;
    };
    static void setNextFileDialogAnswer(const QStringList& paths);
    static void clearFileDialogAnswers();
    static QList<FileDialogRequest> fileDialogRequests();
    static void clearFileDialogRequests();

    // The screen scale factor; always 1.0.
    static double scaleFactor();

    // Shows the file or folder selected in the file manager; when no file
    // manager takes the request, opens the folder that holds it.
    static void showInExplorer(const QString& path);

    // Asks the user for a review, at most once a run and as the stored
    // counts ("RequestedReviewsCalls", "RequestedReviewsCount",
    // "RequestedReviewsLastDate") allow (see ReviewRequests). A request shows
    // the rate dialog when "AutoReminder" is on and the dialog has not been
    // shown in this run. Returns true when a request was made.
    static bool requestReview(bool force, const QDate& today = QDate::currentDate());

private:
    static bool takeAnswer(const QString& caption, const QString& dir, QFileDialog::Options options,
                           QStringList* answer);
    static QStringList runDialog(QWidget* parent, const QString& caption, const QString& dir,
                                 const QString& filter, QFileDialog::Options options,
                                 QFileDialog::FileMode mode, QFileDialog::AcceptMode acceptMode);
};
