#include "updateinfo.h"

#include "platform/systeminfo.h"

#include <QStringList>

UpdateInfo UpdateInfo::parse(const QByteArray& text)
{
    UpdateInfo info;
    // Read the whole text: a stray NUL byte must not hide what follows it.
    const QString all = QString::fromUtf8(text.constData(), text.size());
    const QString marker = QStringLiteral("build:");
    const int start = all.indexOf(marker);
    if (start < 0)
        return info;
    info.m_hasBuild = true;

    QString rest = all.mid(start + marker.size());
    const int lineEnd = rest.indexOf(QLatin1Char('\n'));
    if (lineEnd >= 0)
        rest.truncate(lineEnd);

    const QStringList pairs = rest.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString& pair : pairs) {
        const int colon = pair.indexOf(QLatin1Char(':'));
        if (colon <= 0)
            continue;
        const QString key = pair.left(colon).trimmed().toLower();
        if (!key.isEmpty())
            info.m_values.insert(key, pair.mid(colon + 1).trimmed());
    }
    return info;
}

bool UpdateInfo::isReadable() const
{
    return m_hasBuild && date().isValid();
}

QDate UpdateInfo::date() const
{
    return QDate::fromString(value(QStringLiteral("date")), QStringLiteral("yyyy-MM-dd"));
}

bool UpdateInfo::covers(int generation) const
{
    const int oldest = Platform::SystemInfo::generationOf(value(QStringLiteral("windows")));
    return oldest > 0 && oldest <= generation;
}

bool UpdateInfo::offersUpdate(const QDate& buildDate, int generation) const
{
    const QDate offered = date();
    return m_hasBuild && offered.isValid() && buildDate.isValid() && offered > buildDate
        && covers(generation);
}
