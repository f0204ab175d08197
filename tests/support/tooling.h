#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Files and external programs, as the tests read, write and run them.
namespace TestSupport {

// The whole content of a file or resource; `missing` when it cannot be read.
QByteArray fileContents(const QString& path, const QByteArray& missing = QByteArray());
// Writes data to a new or truncated file; false when not all of it was written.
bool writeFile(const QString& path, const QByteArray& data);

// While it lives, no file of this process may grow beyond the given size, as on a
// nearly full disk: a write past it fails (EFBIG) instead of ending the process.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(qint64 bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    qint64 m_previous;
    void (*m_previousHandler)(int);
};

// While it lives, the calling thread is refused what file permissions refuse, even
// as root (which gives up its override of them for the while).
class PermissionsEnforced
{
public:
    PermissionsEnforced();
    ~PermissionsEnforced();
    PermissionsEnforced(const PermissionsEnforced&) = delete;
    PermissionsEnforced& operator=(const PermissionsEnforced&) = delete;

private:
    quint32 m_effective = 0; // the capabilities given up, to be taken back
};

// What a run of an external program gave.
struct ToolRun
{
    bool started = false;
    bool finished = false; // within two minutes
    int exitCode = -1;
    QString output; // standard output and standard error, merged
};

// Runs program (looked up on PATH) with the arguments, in workingDirectory if given.
ToolRun runTool(const QString& program, const QStringList& arguments,
                const QString& workingDirectory = QString());

} // namespace TestSupport
