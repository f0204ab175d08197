#pragma once

#include <QList>
#include <QString>

namespace QMWidgets {

// The catalogue of the maker's other applications shown in the "more apps"
// menus.
class CrossPromo
{
public:
    struct Entry
    {
        QString key; // lower-case name without blanks, as in the promotion link
        QString name;
        QString category;
        QString description;
    };

    static QList<Entry> catalogue();
    // The entries of one category (case-insensitive), without the application
    // whose key is excluded.
    static QList<Entry> entries(const QString& category, const QString& excludedKey = QString());
};

} // namespace QMWidgets
