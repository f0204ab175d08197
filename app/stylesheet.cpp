#include "stylesheet.h"

#include <QFile>

namespace {

QString readStyleSheet()
{
    QFile file(QStringLiteral(":/style/lumastrand.qss"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qWarning("The application style sheet is missing from the resources");
        return QString();
    }
    return QString::fromUtf8(file.readAll());
}

} // namespace

QString applicationStyleSheet()
{
    // A function-local static: read once, thread-safe initialisation.
    static const QString sheet = readStyleSheet();
    return sheet;
}
