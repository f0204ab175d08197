#include "notedragfiles.h"

#include "imagefile.h"

#include <QDateTime>
#include <QDir>
#include <QImage>
#include <QLockFile>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace QMWidgets {

namespace {
// Held by a running session in its folder; a lock whose process is gone is stale.
const char LockName[] = "session.lock";
} // namespace

NoteDragFiles::NoteDragFiles()
{
    const QDir folders(root());
    for (const QString& name : folders.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden)) {
        const QString folder = folders.filePath(name);
        QLockFile lock(folder + QLatin1Char('/') + QLatin1String(LockName));
        // Only a lock whose process has ended counts as stale, however old it is.
        lock.setStaleLockTime(0);
        if (!lock.tryLock(0))
            continue;
        lock.unlock();
        QDir(folder).removeRecursively();
    }
}

NoteDragFiles::~NoteDragFiles()
{
    clear();
}

QString NoteDragFiles::root()
{
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/NoteDrags");
}

QString NoteDragFiles::write(const QImage& image, QString* reason)
{
    if (!m_folder) {
        QDir().mkpath(root());
        auto folder = std::make_unique<QTemporaryDir>(root() + QStringLiteral("/session-XXXXXX"));
        if (!folder->isValid()) {
            *reason = folder->errorString();
            return QString();
        }
        m_lock = std::make_unique<QLockFile>(folder->filePath(QLatin1String(LockName)));
        m_lock->setStaleLockTime(0);
        m_lock->tryLock(0);
        m_folder = std::move(folder);
    }
    // The name is what the drop target shows, so it says what the picture is.
    const QString path = m_folder->filePath(
        QStringLiteral("EditedScreenShot_%1_%2.png")
            .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd_hh-mm-ss")))
            .arg(++m_written));
    if (!MGraphX::saveImageFile(image, path, "PNG", -1, reason))
        return QString();
    return path;
}

void NoteDragFiles::clear()
{
    m_lock.reset();
    m_folder.reset();
}

} // namespace QMWidgets
