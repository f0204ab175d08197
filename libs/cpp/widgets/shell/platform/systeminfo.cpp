#include "systeminfo.h"

#include <QSysInfo>

namespace Platform {

int SystemInfo::generationOf(const QString& versionName)
{
    const QString name = versionName.trimmed().toLower();
    if (name == QLatin1String("xp"))
        return 51;
    if (name == QLatin1String("vista"))
        return 60;
    if (name == QLatin1String("7"))
        return 61;
    if (name == QLatin1String("8"))
        return 62;
    if (name == QLatin1String("8.1"))
        return 63;
    if (name == QLatin1String("10"))
        return 100;
    if (name == QLatin1String("11"))
        return 110;
    return 0;
}

int SystemInfo::windowsGeneration()
{
    return generationOf(QStringLiteral("10"));
}

QString SystemInfo::systemName()
{
    QString kernel = QSysInfo::kernelType();
    if (!kernel.isEmpty())
        kernel[0] = kernel.at(0).toUpper();
    const QString product = QSysInfo::prettyProductName();
    if (product.startsWith(kernel, Qt::CaseInsensitive))
        return product;
    return kernel + QLatin1Char(' ') + product;
}

} // namespace Platform
