#pragma once

#include <QList>
#include <QStringList>
#include <QUrl>

// Stands in for the desktop while it lives: links and file-manager requests
// are recorded instead of launching anything.
class DesktopRecorder
{
public:
    DesktopRecorder();
    ~DesktopRecorder();

    QList<QUrl> urls;
    QStringList shownItems;
    // What the stand-in file manager answers.
    bool fileManagerAnswers = true;
};
