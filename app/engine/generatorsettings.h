#pragma once

#include <QString>
#include <QVariant>

#include <array>
#include <functional>

// The generator's fourteen stored options: which platform sets an export
// writes, the iOS refinements and the lossy PNG mode. A value of this class
// is a snapshot of them, such as an export run takes at its start.
class GeneratorSettings
{
public:
    enum Option {
        Android,
        IOS,
        Icns,
        Ico,
        WindowsPhone,
        WindowsStore,
        BlackBerry,
        LaunchScreens,
        NotMaskedIconsIOS,
        XCAssetsIOS,
        AppleWatchIconsIOS,
        WebFavicons,
        LossyCompression,
        Quality,
        OptionCount
    };

    // An option's key in the settings store, its value until one is stored,
    // and its range. A switch has the range 0 .. 1.
    struct Definition
    {
        const char* key;
        int defaultValue;
        int minimum;
        int maximum;
    };
    static const Definition& definition(Option option);
    static QString key(Option option);

    // The value of a stored answer: a switch's truth, or a number clamped into
    // the range (anything that is no number gives the default).
    static int valueOf(Option option, const QVariant& stored);

    // Reads every option through read(key, default), as the store answers.
    using Reader = std::function<QVariant(const QString& key, const QVariant& defaultValue)>;
    static GeneratorSettings read(const Reader& read);

    // Every option at its default.
    GeneratorSettings();

    bool isOn(Option option) const { return m_values[option] != 0; }
    int value(Option option) const { return m_values[option]; }
    void set(Option option, int value) { m_values[option] = value; }

private:
    std::array<int, OptionCount> m_values;
};
