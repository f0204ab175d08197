#include "hangingresolverchild.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

#include <link.h>

namespace TestSupport {

namespace {
const QString marker = QStringLiteral("LUMASTRAND_RESOLVER_HANGS");

// AddressSanitizer's runtime insists on being the first library of a process; a program built
// with it preloads it before anything else.
QString sanitizerRuntime()
{
    QString runtime;
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void* found) {
            const QString path = QFile::decodeName(info->dlpi_name);
            if (!QFileInfo(path).fileName().startsWith(QLatin1String("libasan.so")))
                return 0;
            *static_cast<QString*>(found) = path;
            return 1;
        },
        &runtime);
    return runtime;
}
} // namespace

QProcessEnvironment hangingResolverEnvironment(int hangMilliseconds)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const QString runtime = sanitizerRuntime();
    environment.insert(QStringLiteral("LD_PRELOAD"),
                       (runtime.isEmpty() ? QString() : runtime + QLatin1Char(' '))
                           + QStringLiteral(LUMASTRAND_HANGING_RESOLVER));
    environment.insert(marker, QStringLiteral("1"));
    if (hangMilliseconds >= 0)
        environment.insert(QStringLiteral("LUMASTRAND_RESOLVER_HANG_MS"), QString::number(hangMilliseconds));
    else
        environment.remove(QStringLiteral("LUMASTRAND_RESOLVER_HANG_MS"));
    return environment;
}

bool resolverHangs()
{
    return qEnvironmentVariableIsSet(qPrintable(marker));
}

QString runThisRowWithHangingResolver(int timeout)
{
    const QString function = QString::fromLatin1(QTest::currentTestFunction());
    const QString row = QString::fromLatin1(QTest::currentDataTag());
    QProcess child;
    child.setProcessEnvironment(hangingResolverEnvironment());
    child.setProcessChannelMode(QProcess::MergedChannels);
    // The test programs may run without an application object.
    child.start(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath(),
                { function + QLatin1Char(':') + row });
    if (!child.waitForStarted())
        return QStringLiteral("could not start: ") + child.errorString();
    const bool ended = child.waitForFinished(timeout);
    if (!ended) {
        child.kill();
        child.waitForFinished();
    }
    const QString output = QString::fromLocal8Bit(child.readAll());
    if (!ended)
        return QStringLiteral("still running after %1 ms:\n").arg(timeout) + output;
    if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        return QStringLiteral("ended with %1:\n").arg(child.exitCode()) + output;
    return QString();
}

} // namespace TestSupport
