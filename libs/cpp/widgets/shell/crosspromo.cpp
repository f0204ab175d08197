#include "crosspromo.h"

#include <QCoreApplication>

namespace QMWidgets {

QList<CrossPromo::Entry> CrossPromo::catalogue()
{
    auto tr = [](const char* text) { return QCoreApplication::translate("QMWidgets::CrossPromo", text); };
    return {
        { QStringLiteral("lumastrand"), QStringLiteral("Lumastrand"), QStringLiteral("graphics"),
          tr("Icon sets for every platform from one picture") },
        { QStringLiteral("pixelquay"), QStringLiteral("Pixelquay"), QStringLiteral("graphics"),
          tr("Screenshots with notes and arrows") },
        { QStringLiteral("tintwell"), QStringLiteral("Tintwell"), QStringLiteral("graphics"),
          tr("Colour picker and palette keeper") },
        { QStringLiteral("framelark"), QStringLiteral("Framelark"), QStringLiteral("graphics"),
          tr("Frame animations from picture series") },
        { QStringLiteral("notebramble"), QStringLiteral("Notebramble"), QStringLiteral("office"),
          tr("Quick notes on the desktop") },
        { QStringLiteral("chordmoss"), QStringLiteral("Chordmoss"), QStringLiteral("music"),
          tr("Guitar tuner and chord finder") },
    };
}

QList<CrossPromo::Entry> CrossPromo::entries(const QString& category, const QString& excludedKey)
{
    QList<Entry> result;
    for (const Entry& entry : catalogue()) {
        if (entry.category.compare(category, Qt::CaseInsensitive) == 0 && entry.key != excludedKey)
            result.append(entry);
    }
    return result;
}

} // namespace QMWidgets
