#include "wholefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <unistd.h>
#endif

namespace MTools {

bool WholeFile::write(const QString& path, const QByteArray& data, QString* reason)
{
    QSaveFile file(path);
    // A folder that takes no temporary file (the user may not write it) still
    // lets the user save a file there that he may write: in place.
    file.setDirectWriteFallback(true);
    auto fail = [&]() {
        if (reason)
            *reason = file.errorString();
        file.cancelWriting();
        return false;
    };
    // Unbuffered: every write reaches the disk at once, and a failure is seen
    // (with its cause) where it happens, not later when a buffer is flushed.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail();
    // A write may take only part of the data (a disk that fills up midway);
    // the next one then fails and tells why.
    for (qint64 done = 0; done < data.size();) {
        const qint64 written = file.write(data.constData() + done, data.size() - done);
        if (written <= 0)
            return fail();
        done += written;
    }
    // Nothing may be left unwritten before the rename: commit() alone renames
    // even a file whose last bytes could not be written. It also ignores the
    // result of its own sync and of closing, so on NFS or under a quota a file
    // cut short could still take the target's place: the data are synced here,
    // where a failure can still cancel the write.
    if (!file.flush())
        return fail();
#ifdef Q_OS_UNIX
#ifdef Q_OS_DARWIN
    const int synced = ::fsync(file.handle());
#else
    const int synced = ::fdatasync(file.handle());
#endif
    if (synced != 0) {
        const int error = errno;
        if (reason)
            *reason = qt_error_string(error);
        file.cancelWriting();
        return false;
    }
#endif
    if (!file.commit())
        return fail();
    return true;
}

bool WholeFile::copy(const QString& source, const QString& target, bool replace, QString* reason)
{
    // Only a file is "already there"; a folder (or anything else) of that
    // name means the copy is missing.
    const QFileInfo present(target);
    if (present.exists() && !present.isFile()) {
        if (reason)
            *reason = QCoreApplication::translate("MTools::WholeFile", "\"%1\" exists but is not a file")
                          .arg(QDir::toNativeSeparators(target));
        return false;
    }
    if (present.exists() && !replace)
        return true;

    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        if (reason)
            *reason = in.errorString();
        return false;
    }
    const qint64 size = in.size();
    const QByteArray data = in.readAll();
    if (in.error() != QFileDevice::NoError || data.size() < size) {
        if (reason)
            *reason = in.error() != QFileDevice::NoError
                ? in.errorString()
                : QCoreApplication::translate("MTools::WholeFile", "The file was read only in part");
        return false;
    }
    // Written whole or not at all, so that a failed write never leaves a
    // partial file behind that a later copy would then refuse to replace.
    return write(target, data, reason);
}

WholeFile::ReadResult WholeFile::read(const QString& path, qint64 maxSize, QByteArray* data, QString* reason)
{
    data->clear();
    const auto refuse = [reason](ReadResult result, const QString& why) {
        if (reason)
            *reason = why;
        return result;
    };
    const QString tooLarge = QStringLiteral("Larger than %1 MB").arg(maxSize / (1024.0 * 1024.0), 0, 'g', 4);
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return refuse(ReadResult::Refused, QStringLiteral("Not a regular file"));
    if (info.size() > maxSize)
        return refuse(ReadResult::Refused, tooLarge);

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(ReadResult::Failed, file.errorString());
    // One byte more than allowed tells a file that grew since it was looked at.
    QByteArray bytes = file.read(maxSize + 1);
    if (file.error() != QFileDevice::NoError)
        return refuse(ReadResult::Failed, file.errorString());
    if (bytes.size() > maxSize)
        return refuse(ReadResult::Refused, tooLarge);
    *data = std::move(bytes);
    return ReadResult::Read;
}

} // namespace MTools
