#include "commonstyle.h"

namespace QMWidgets {

CommonStyle::CommonStyle(QObject* parent)
    : QObject(parent)
{
}

QString CommonStyle::text() const
{
    return QString();
}

} // namespace QMWidgets
