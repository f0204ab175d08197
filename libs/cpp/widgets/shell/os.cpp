#include "os.h"

#include "app.h"
#include "dialogwatch.h"
#include "platform/desktopservices.h"
#include "reviewrequests.h"
#include "shellsettings.h"

#include <QDir>
#include <QFileInfo>
#include <QQueue>
#include <QUrl>

namespace {
QQueue<QStringList>& fileAnswers()
{
    static QQueue<QStringList> queue;
    return queue;
}

QList<Os::FileDialogRequest>& fileRequests()
{
    static QList<Os::FileDialogRequest> list;
    return list;
}
} // namespace

bool Os::takeAnswer(const QString& caption, const QString& dir, QFileDialog::Options options,
                    QStringList* answer)
{
    if (QMWidgets::DialogWatch::isRecording())
        fileRequests().append({ caption, dir, options });
    if (!fileAnswers().isEmpty()) {
        *answer = fileAnswers().dequeue();
        return true;
    }
    // Unattended, a dialog without an answer gives what a cancelled one does.
    answer->clear();
    return QMWidgets::DialogWatch::refuseUnplanned(QStringLiteral("File dialog"), caption, dir);
}

QStringList Os::runDialog(QWidget* parent, const QString& caption, const QString& dir, const QString& filter,
                          QFileDialog::Options options, QFileDialog::FileMode mode,
                          QFileDialog::AcceptMode acceptMode)
{
    QFileDialog dialog(parent, caption, dir, filter);
    dialog.setOptions(options);
    dialog.setFileMode(mode);
    dialog.setAcceptMode(acceptMode);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

QString Os::getOpenFileName(QWidget* parent, const QString& caption, const QString& dir,
                            const QString& filter, QString* selectedFilter, QFileDialog::Options options)
{
    QStringList answer;
    if (takeAnswer(caption, dir, options, &answer))
        return answer.value(0);
    if (!parent)
        return QFileDialog::getOpenFileName(parent, caption, dir, filter, selectedFilter, options);
    return runDialog(parent, caption, dir, filter, options, QFileDialog::ExistingFile,
                     QFileDialog::AcceptOpen)
        .value(0);
}

QString Os::getSaveFileName(QWidget* parent, const QString& caption, const QString& dir,
                            const QString& filter, QString* selectedFilter, QFileDialog::Options options)
{
    QStringList answer;
    if (takeAnswer(caption, dir, options, &answer))
        return answer.value(0);
    if (!parent)
        return QFileDialog::getSaveFileName(parent, caption, dir, filter, selectedFilter, options);
    return runDialog(parent, caption, dir, filter, options, QFileDialog::AnyFile, QFileDialog::AcceptSave)
        .value(0);
}

QStringList Os::getOpenFileNames(QWidget* parent, const QString& caption, const QString& dir,
                                 const QString& filter, QString* selectedFilter, QFileDialog::Options options)
{
    QStringList answer;
    if (takeAnswer(caption, dir, options, &answer))
        return answer;
    if (!parent)
        return QFileDialog::getOpenFileNames(parent, caption, dir, filter, selectedFilter, options);
    return runDialog(parent, caption, dir, filter, options, QFileDialog::ExistingFiles,
                     QFileDialog::AcceptOpen);
}

QString Os::getExistingDirectory(QWidget* parent, const QString& caption, const QString& dir,
                                 QFileDialog::Options options)
{
    QStringList answer;
    if (takeAnswer(caption, dir, options, &answer))
        return answer.value(0);
    return QFileDialog::getExistingDirectory(parent, caption, dir, options);
}

void Os::setNextFileDialogAnswer(const QStringList& paths)
{
    fileAnswers().enqueue(paths);
}

void Os::clearFileDialogAnswers()
{
    fileAnswers().clear();
}

QList<Os::FileDialogRequest> Os::fileDialogRequests()
{
    return fileRequests();
}

void Os::clearFileDialogRequests()
{
    fileRequests().clear();
}

double Os::scaleFactor()
{
    return 1.0;
}

void Os::showInExplorer(const QString& path)
{
    QString cleaned = path;
    cleaned.replace(QStringLiteral("//"), QStringLiteral("/"));
    if (Platform::DesktopServices::showItem(QDir::toNativeSeparators(cleaned)))
        return;
    Platform::DesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(cleaned).absolutePath()));
}

bool Os::requestReview(bool force, const QDate& today)
{
    QMWidgets::App* application = QMWidgets::App::instance();
    if (!application || application->reviewRequestedThisRun())
        return false;
    application->setReviewRequestedThisRun();

    const QString dateFormat = QStringLiteral("yyyy-MM-dd");

    ReviewRequests history;
    history.calls = application->value(QMWidgets::ShellSettings::ReviewCalls).toInt();
    history.count = application->value(QMWidgets::ShellSettings::ReviewCount).toInt();
    history.lastDate
        = QDate::fromString(application->value(QMWidgets::ShellSettings::ReviewLastDate).toString(), dateFormat);
    if (history.stopped(today))
        return false;

    const bool request = history.call(today, force);
    application->setValue(QMWidgets::ShellSettings::ReviewCalls, history.calls);
    application->setValue(QMWidgets::ShellSettings::ReviewCount, history.count);
    if (history.lastDate.isValid())
        application->setValue(QMWidgets::ShellSettings::ReviewLastDate, history.lastDate.toString(dateFormat));
    if (!request)
        return false;

    if (application->value(QMWidgets::ShellSettings::AutoReminder).toBool() && !application->rateDialogShown())
        application->showRateDialog();
    return true;
}
