#pragma once

#include <QByteArray>
#include <QString>

namespace MTools {

// Writes files whole or not at all. The data go into a temporary file beside
// the target, which takes the target's place only after every byte has been
// written and flushed and, on Unix, synced to the disk. (A failure that a file
// system reports only when the file is closed is not seen.) When anything
// fails, the target stays as it was (absent, or the earlier file) and no
// temporary file remains, so a full disk never leaves an empty or cut-off file
// behind.
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
};

} // namespace MTools
