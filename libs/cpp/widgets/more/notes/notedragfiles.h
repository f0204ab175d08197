#pragma once

#include <QString>

#include <memory>

class QImage;
class QLockFile;
class QTemporaryDir;

namespace QMWidgets {

// The PNG files that drags of the note editor's preview hand to other
// programs. Each drag gets a file of its own, so a drop target that reads its
// file late still finds the picture that was dragged. The files live in a
// folder of this session under the program's cache folder, never among the
// user's own pictures, and go when clear() is called or this object ends. A
// session that ended without cleaning up (a crash) leaves a folder that the
// next one removes.
class NoteDragFiles
{
public:
    // Removes the folders of sessions that are no longer running.
    NoteDragFiles();
    ~NoteDragFiles();
    NoteDragFiles(const NoteDragFiles&) = delete;
    NoteDragFiles& operator=(const NoteDragFiles&) = delete;

    // Writes the picture whole to a new file; returns its path, or an empty
    // text and (in reason) why, with no file left behind.
    QString write(const QImage& image, QString* reason);
    // Removes every file written so far.
    void clear();

    // The folder that holds the sessions' folders.
    static QString root();

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<QLockFile> m_lock;
    int m_written = 0;
};

} // namespace QMWidgets
