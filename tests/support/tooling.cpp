#include "tooling.h"

#include <QFile>

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

} // namespace TestSupport
