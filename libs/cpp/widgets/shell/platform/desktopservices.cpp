#include "desktopservices.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

namespace Platform {

namespace {

DesktopServices::UrlHandler& urlHandler()
{
    static DesktopServices::UrlHandler handler;
    return handler;
}

DesktopServices::ShowItemHandler& showItemHandler()
{
    static DesktopServices::ShowItemHandler handler;
    return handler;
}

const char* const fileManagerService = "org.freedesktop.FileManager1";

// True when a file manager is running on the session bus or the bus can start
// one on demand.
bool fileManagerAvailable(QDBusConnection& bus)
{
    QDBusConnectionInterface* busInterface = bus.interface();
    if (!busInterface)
        return false;
    const QString service = QString::fromLatin1(fileManagerService);
    if (busInterface->isServiceRegistered(service).value())
        return true;
    const QDBusMessage list = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("ListActivatableNames"));
    const QDBusMessage answer = bus.call(list, QDBus::Block, 2000);
    return answer.type() == QDBusMessage::ReplyMessage && !answer.arguments().isEmpty()
        && answer.arguments().first().toStringList().contains(service);
}

bool showItemWithFileManager(const QString& nativePath)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !fileManagerAvailable(bus))
        return false;

    const QString path = QDir::fromNativeSeparators(nativePath);
    QDBusMessage call = QDBusMessage::createMethodCall(
        QString::fromLatin1(fileManagerService), QStringLiteral("/org/freedesktop/FileManager1"),
        QString::fromLatin1(fileManagerService), QStringLiteral("ShowItems"));
    call << QStringList { QUrl::fromLocalFile(path).toString() } << QString();

    // The answer comes later; when the file manager refuses after all, the
    // folder is opened instead so that the user still sees the result.
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), QCoreApplication::instance());
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, [path](QDBusPendingCallWatcher* w) {
        if (w->isError())
            DesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absolutePath()));
        w->deleteLater();
    });
    return true;
}

} // namespace

bool DesktopServices::openUrl(const QUrl& url)
{
    if (urlHandler())
        return urlHandler()(url);
    return QDesktopServices::openUrl(url);
}

bool DesktopServices::showItem(const QString& nativePath)
{
    if (showItemHandler())
        return showItemHandler()(nativePath);
    return showItemWithFileManager(nativePath);
}

void DesktopServices::setUrlHandler(UrlHandler handler)
{
    urlHandler() = std::move(handler);
}

void DesktopServices::setShowItemHandler(ShowItemHandler handler)
{
    showItemHandler() = std::move(handler);
}

} // namespace Platform
