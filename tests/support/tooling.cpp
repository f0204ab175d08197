#include "tooling.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <csignal>
#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace TestSupport {

QByteArray fileContents(const QString& path, const QByteArray& missing)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : missing;
}

bool writeFile(const QString& path, const QByteArray& data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size();
}

FileSizeLimit::FileSizeLimit(qint64 bytes)
{
    m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit {};
    getrlimit(RLIMIT_FSIZE, &limit);
    m_previous = qint64(limit.rlim_cur);
    limit.rlim_cur = rlim_t(bytes);
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    rlimit limit {};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = rlim_t(m_previous);
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, m_previousHandler);
}

namespace {
// capget or capset on the calling thread; 0 when it succeeded.
long capabilityCall(long call, __user_cap_data_struct* data)
{
    __user_cap_header_struct header { _LINUX_CAPABILITY_VERSION_3, 0 };
    return syscall(call, &header, data);
}
} // namespace

PermissionsEnforced::PermissionsEnforced()
{
    __user_cap_data_struct data[2] {};
    if (capabilityCall(SYS_capget, data) != 0)
        return;
    m_effective = data[0].effective & (1u << CAP_DAC_OVERRIDE);
    data[0].effective &= ~m_effective;
    if (capabilityCall(SYS_capset, data) != 0)
        m_effective = 0;
}

PermissionsEnforced::~PermissionsEnforced()
{
    __user_cap_data_struct data[2] {};
    if (!m_effective || capabilityCall(SYS_capget, data) != 0)
        return;
    data[0].effective |= m_effective;
    capabilityCall(SYS_capset, data);
}

ToolRun runTool(const QString& program, const QStringList& arguments, const QString& workingDirectory)
{
    ToolRun run;
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty())
        return run;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setWorkingDirectory(workingDirectory);
    process.start(path, arguments);
    run.started = process.waitForStarted(10000);
    if (!run.started)
        return run;
    run.finished = process.waitForFinished(120000);
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.output = QString::fromLocal8Bit(process.readAll());
    return run;
}

} // namespace TestSupport
