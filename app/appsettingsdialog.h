#pragma once

#include "generatorsettings.h"

#include <QDialog>
#include <QVector>

class QCheckBox;
class QShowEvent;

namespace QMWidgets {
class ComboSlider;
}

// The generator's settings: which platform sets an export writes, the iOS
// refinements and the lossy PNG mode. The static getters read the settings
// store at every call, so a change saved here takes effect at the next use.
class AppSettingsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AppSettingsDialog(QWidget* parent = nullptr);

    static bool keyAndroid();
    static bool keyIOS();
    static bool keyIcns();
    static bool keyIco();
    static bool keyWindowsPhone();
    static bool keyWindowsStore();
    static bool keyBlackBerry();
    static bool keyLaunchScreens();
    static bool keyNotMaskedIconsIOS();
    static bool keyXCAssetsIOS();
    static bool keyAppleWatchIconsIOS();
    static bool keyWebFavicons();
    static bool keyLossyCompression();
    static int keyQuality();
    // All of them at once, as an export run takes them at its start.
    static GeneratorSettings storedSettings();

public slots:
    void slotSaveSettings();
    void slotLoadSettings();

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct Box
    {
        GeneratorSettings::Option option;
        QCheckBox* box;
    };
    // Every check box with its option.
    QVector<Box> boxes() const;

    QCheckBox* blackBerryBox;
    QCheckBox* windowsPhoneBox;
    QCheckBox* windowsStoreBox;
    QCheckBox* androidBox;
    QCheckBox* iosBox;
    QCheckBox* macosBox;
    QCheckBox* windowsBox;
    QCheckBox* launchImagesBox;
    QCheckBox* notMaskedBox;
    QCheckBox* watchIconsBox;
    QCheckBox* xcassetsBox;
    QCheckBox* webFaviconsBox;
    QCheckBox* lossyBox;
    QMWidgets::ComboSlider* qualitySlider;
};
