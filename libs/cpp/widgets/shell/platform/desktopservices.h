#pragma once

#include <QString>
#include <QUrl>

#include <functional>

namespace Platform {

// The desktop's services: open a link (web page, "mailto:", file) with the
// user's default program, and show a file or folder selected in the file
// manager.
//
// On Linux the file manager is asked through the freedesktop
// org.freedesktop.FileManager1 ShowItems call on the session bus; links go to
// QDesktopServices. Tests install their own handlers so that nothing is ever
// launched.
class DesktopServices
{
public:
    using UrlHandler = std::function<bool(const QUrl&)>;
    using ShowItemHandler = std::function<bool(const QString&)>;

    // Opens url with the default program; false when nothing could take it.
    static bool openUrl(const QUrl& url);
    // Asks the file manager to show the item (a native path) selected. False
    // when no file manager answers the request.
    static bool showItem(const QString& nativePath);

    // Replaces the handlers (an empty handler restores the desktop's own).
    static void setUrlHandler(UrlHandler handler);
    static void setShowItemHandler(ShowItemHandler handler);
};

} // namespace Platform
