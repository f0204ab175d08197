#include "mtools.h"

#include <QObject>

namespace MTools {

QString monthName(int month)
{
    switch (month) {
    case 1:
        return QObject::tr("January");
    case 2:
        return QObject::tr("February");
    case 3:
        return QObject::tr("March");
    case 4:
        return QObject::tr("April");
    case 5:
        return QObject::tr("May");
    case 6:
        return QObject::tr("June");
    case 7:
        return QObject::tr("July");
    case 8:
        return QObject::tr("August");
    case 9:
        return QObject::tr("September");
    case 10:
        return QObject::tr("October");
    case 11:
        return QObject::tr("November");
    case 12:
        return QObject::tr("December");
    default:
        return QStringLiteral("Unknown");
    }
}

QRegExp emailRegExp()
{
    return QRegExp(QStringLiteral("[A-Za-z0-9_.\\-]+@[A-Za-z0-9_.\\-]+\\.([A-Za-z]{2,4}|[0-9]{1,3})"),
                   Qt::CaseSensitive, QRegExp::RegExp);
}

} // namespace MTools
