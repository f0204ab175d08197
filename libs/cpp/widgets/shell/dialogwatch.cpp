#include "dialogwatch.h"

namespace QMWidgets {

namespace {
struct Switches
{
    bool recording = false;
    DialogWatch::UnplannedHandler unplanned;
};

Switches& switches()
{
    static Switches state;
    return state;
}
} // namespace

void DialogWatch::setRecording(bool on)
{
    switches().recording = on;
}

bool DialogWatch::isRecording()
{
    return switches().recording;
}

void DialogWatch::setUnplannedHandler(UnplannedHandler handler)
{
    switches().unplanned = std::move(handler);
}

bool DialogWatch::isUnattended()
{
    return bool(switches().unplanned);
}

bool DialogWatch::refuseUnplanned(const QString& kind, const QString& title, const QString& text)
{
    if (!isUnattended())
        return false;
    QString dialog = kind + QStringLiteral(" \"") + title + QLatin1Char('"');
    if (!text.isEmpty())
        dialog += QStringLiteral(": ") + text;
    // A copy: the handler may replace itself.
    const UnplannedHandler handler = switches().unplanned;
    handler(dialog);
    return true;
}

} // namespace QMWidgets
