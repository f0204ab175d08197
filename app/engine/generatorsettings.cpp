#include "generatorsettings.h"

#include <QtGlobal>

namespace {

const GeneratorSettings::Definition Definitions[GeneratorSettings::OptionCount] = {
    { "KeyAndroid", 1, 0, 1 },
    { "KeyIOS", 1, 0, 1 },
    { "KeyIcns", 1, 0, 1 },
    { "KeyIco", 1, 0, 1 },
    { "KeyWindowsPhone", 1, 0, 1 },
    { "KeyWindowsStore", 1, 0, 1 },
    { "KeyBlackBerry", 1, 0, 1 },
    { "KeyLaunchScreens", 1, 0, 1 },
    { "KeyNotMaskedIconsIOS", 0, 0, 1 },
    { "KeyXCAssetsIOS", 1, 0, 1 },
    { "KeyAppleWatchIconsIOS", 1, 0, 1 },
    { "KeyWebFavicons", 1, 0, 1 },
    { "KeyLossyCompression", 0, 0, 1 },
    // The number of palette colours of a lossy save.
    { "KeyQuality", 256, 4, 256 },
};

bool isSwitch(const GeneratorSettings::Definition& definition)
{
    return definition.minimum == 0 && definition.maximum == 1;
}

} // namespace

const GeneratorSettings::Definition& GeneratorSettings::definition(Option option)
{
    return Definitions[option];
}

QString GeneratorSettings::key(Option option)
{
    return QLatin1String(Definitions[option].key);
}

int GeneratorSettings::valueOf(Option option, const QVariant& stored)
{
    const Definition& s = Definitions[option];
    if (isSwitch(s))
        return stored.toBool() ? 1 : 0;
    // What the settings dialog shows: a number out of its range is clamped
    // into it.
    bool isNumber = false;
    const int number = stored.toInt(&isNumber);
    return isNumber ? qBound(s.minimum, number, s.maximum) : s.defaultValue;
}

GeneratorSettings GeneratorSettings::read(const Reader& read)
{
    GeneratorSettings settings;
    for (int option = 0; option < OptionCount; ++option) {
        const Definition& s = Definitions[option];
        const QVariant defaultValue = isSwitch(s) ? QVariant(s.defaultValue != 0) : QVariant(s.defaultValue);
        settings.m_values[option] = valueOf(Option(option), read(QLatin1String(s.key), defaultValue));
    }
    return settings;
}

GeneratorSettings::GeneratorSettings()
{
    for (int option = 0; option < OptionCount; ++option)
        m_values[option] = Definitions[option].defaultValue;
}
