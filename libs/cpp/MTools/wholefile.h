#pragma once

#include <QByteArray>
#include <QString>

namespace MTools {

// Writes files whole or not at all, and reads small files whole.
//
// Writing: the data go into a temporary file beside the target, which takes
// the target's place only after every byte has been written and flushed and,
// on Unix, synced to the disk. (A failure that a file system reports only when
// the file is closed is not seen.) When anything fails, the target stays as it
// was (absent, or the earlier file) and no temporary file remains, so a full
// disk never leaves an empty or cut-off file behind. A link is followed: the
// file it points to is replaced and the link stays. Where the folder allows no
// new file but the file itself may be written, the file is overwritten in
// place instead, every write checked; a failure then is still reported, but
// the file may be left cut off.
class WholeFile
{
public:
    // Writes data to path. Returns whether the file was written; when not,
    // reason (if given) says why in plain words, such as "No space left on
    // device" or "Permission denied".
    static bool write(const QString& path, const QByteArray& data, QString* reason = nullptr);

    // Copies source (a file, or a resource such as ":/manifest.json") to
    // target, written as write() does. An existing target file is kept unless
    // replace is set: the call then copies nothing and returns true. Fails
    // when something other than a file is in the target's place, the source
    // cannot be read whole or the target cannot be written.
    static bool copy(const QString& source, const QString& target, bool replace, QString* reason = nullptr);
    enum class ReadResult {
        Read,
        // Not read on purpose: no regular file (a folder, a device, a named
        // pipe, also behind a link) or larger than the limit.
        Refused,
        // Missing or unreadable.
        Failed,
    };

    // Reads the whole regular file at path when it holds at most maxSize
    // bytes. Nothing that is not a regular file is opened, so a named pipe or
    // a device never blocks or floods the reader. On anything but Read, data
    // is left empty and reason (if given) says why in plain words.
    static ReadResult read(const QString& path, qint64 maxSize, QByteArray* data, QString* reason = nullptr);
};

} // namespace MTools
