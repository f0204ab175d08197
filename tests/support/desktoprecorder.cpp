#include "desktoprecorder.h"

#include "platform/desktopservices.h"

DesktopRecorder::DesktopRecorder()
{
    Platform::DesktopServices::setUrlHandler([this](const QUrl& url) {
        urls.append(url);
        return true;
    });
    Platform::DesktopServices::setShowItemHandler([this](const QString& path) {
        shownItems.append(path);
        return fileManagerAnswers;
    });
}

DesktopRecorder::~DesktopRecorder()
{
    Platform::DesktopServices::setUrlHandler({});
    Platform::DesktopServices::setShowItemHandler({});
}
