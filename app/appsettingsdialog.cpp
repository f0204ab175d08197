#include "appsettingsdialog.h"

#include "app.h"
#include "comboslider.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

int stored(GeneratorSettings::Option option)
{
    const GeneratorSettings::Definition& definition = GeneratorSettings::definition(option);
    return GeneratorSettings::valueOf(
        option, QMWidgets::App::storedValue(GeneratorSettings::key(option), definition.defaultValue));
}

} // namespace

AppSettingsDialog::AppSettingsDialog(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QCoreApplication::applicationName() + tr(" Settings"));

    auto* generalPage = new QFrame;
    androidBox = new QCheckBox(tr("Android"));
    iosBox = new QCheckBox(tr("iOS"));
    macosBox = new QCheckBox(tr("macOS"));
    windowsBox = new QCheckBox(tr("Windows"));
    windowsPhoneBox = new QCheckBox(tr("Windows Phone"));
    windowsStoreBox = new QCheckBox(tr("Windows Store"));
    blackBerryBox = new QCheckBox(tr("BlackBerry"));
    launchImagesBox = new QCheckBox(tr("App Launch Images"));
    webFaviconsBox = new QCheckBox(tr("Favicon and touch icons for Web"));
    lossyBox = new QCheckBox(tr("Apply lossy compression\nto save more than 60% of image file size"));
    qualitySlider = new QMWidgets::ComboSlider(QStringLiteral("Quality"));
    const GeneratorSettings::Definition& quality = GeneratorSettings::definition(GeneratorSettings::Quality);
    qualitySlider->setRange(quality.minimum, quality.maximum);

    // setChecked() emits no clicked(), so loading sets the enabled state too.
    connect(lossyBox, &QCheckBox::clicked, qualitySlider, &QWidget::setEnabled);

    auto* okButton = new QPushButton(tr("Ok"));
    auto* cancelButton = new QPushButton(tr("Cancel"));
    okButton->setObjectName(QStringLiteral("PushButton"));
    cancelButton->setObjectName(QStringLiteral("PushButton"));
    connect(okButton, &QPushButton::clicked, this, &AppSettingsDialog::slotSaveSettings);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    setWindowFlags(Qt::Tool | Qt::WindowSystemMenuHint);

    auto* separator = new QFrame;
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);
    separator->setLineWidth(3);

    auto* generalInner = new QVBoxLayout;
    generalInner->addWidget(new QLabel(tr("<FONT COLOR=lightgray><H3>Create Icons:</H3></FONT>")));
    generalInner->addWidget(iosBox);
    generalInner->addWidget(macosBox);
    generalInner->addWidget(androidBox);
    generalInner->addWidget(windowsBox);
    generalInner->addWidget(windowsPhoneBox);
    generalInner->addWidget(windowsStoreBox);
    generalInner->addWidget(blackBerryBox);
    generalInner->addWidget(launchImagesBox);
    generalInner->addWidget(webFaviconsBox);
    generalInner->addWidget(separator);
    generalInner->addWidget(lossyBox);
    generalInner->addWidget(qualitySlider);
    auto* generalOuter = new QVBoxLayout;
    generalOuter->setContentsMargins(0, 0, 0, 0);
    generalOuter->addLayout(generalInner);
    generalPage->setLayout(generalOuter);

    auto* iosPage = new QFrame;
    notMaskedBox = new QCheckBox(tr("Not masked icons"));
    watchIconsBox = new QCheckBox(tr("Create ") + QChar(0xF8FF) + tr("Watch Icons"));
    xcassetsBox = new QCheckBox(tr("Create xcassetes"));
    auto* iosLayout = new QVBoxLayout;
    iosLayout->addWidget(xcassetsBox);
    iosLayout->addWidget(watchIconsBox);
    iosLayout->addWidget(notMaskedBox);
    iosPage->setLayout(iosLayout);

    auto* tabs = new QTabWidget;
    tabs->addTab(generalPage, QStringLiteral("General"));
    tabs->addTab(iosPage, QStringLiteral("iOS"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cancelButton);
    buttons->addWidget(okButton);

    auto* layout = new QVBoxLayout;
    layout->setContentsMargins(5, 5, 5, 5);
    layout->addWidget(tabs);
    layout->addLayout(buttons);
    setLayout(layout);

    slotLoadSettings();
}

bool AppSettingsDialog::keyAndroid()
{
    return stored(GeneratorSettings::Android) != 0;
}

bool AppSettingsDialog::keyIOS()
{
    return stored(GeneratorSettings::IOS) != 0;
}

bool AppSettingsDialog::keyIcns()
{
    return stored(GeneratorSettings::Icns) != 0;
}

bool AppSettingsDialog::keyIco()
{
    return stored(GeneratorSettings::Ico) != 0;
}

bool AppSettingsDialog::keyWindowsPhone()
{
    return stored(GeneratorSettings::WindowsPhone) != 0;
}

bool AppSettingsDialog::keyWindowsStore()
{
    return stored(GeneratorSettings::WindowsStore) != 0;
}

bool AppSettingsDialog::keyBlackBerry()
{
    return stored(GeneratorSettings::BlackBerry) != 0;
}

bool AppSettingsDialog::keyLaunchScreens()
{
    return stored(GeneratorSettings::LaunchScreens) != 0;
}

bool AppSettingsDialog::keyNotMaskedIconsIOS()
{
    return stored(GeneratorSettings::NotMaskedIconsIOS) != 0;
}

bool AppSettingsDialog::keyXCAssetsIOS()
{
    return stored(GeneratorSettings::XCAssetsIOS) != 0;
}

bool AppSettingsDialog::keyAppleWatchIconsIOS()
{
    return stored(GeneratorSettings::AppleWatchIconsIOS) != 0;
}

bool AppSettingsDialog::keyWebFavicons()
{
    return stored(GeneratorSettings::WebFavicons) != 0;
}

bool AppSettingsDialog::keyLossyCompression()
{
    return stored(GeneratorSettings::LossyCompression) != 0;
}

int AppSettingsDialog::keyQuality()
{
    return stored(GeneratorSettings::Quality);
}

GeneratorSettings AppSettingsDialog::storedSettings()
{
    return GeneratorSettings::read(&QMWidgets::App::storedValue);
}

void AppSettingsDialog::slotSaveSettings()
{
    // Every key is written on every save, changed or not.
    if (QMWidgets::App* app = QMWidgets::app()) {
        for (const Box& entry : boxes())
            app->setValue(GeneratorSettings::key(entry.option), entry.box->isChecked());
        app->setValue(GeneratorSettings::key(GeneratorSettings::Quality), qualitySlider->value());
    }
    accept();
}

void AppSettingsDialog::slotLoadSettings()
{
    for (const Box& entry : boxes())
        entry.box->setChecked(stored(entry.option) != 0);
    qualitySlider->setValue(keyQuality());
    qualitySlider->setEnabled(keyLossyCompression());
}

QVector<AppSettingsDialog::Box> AppSettingsDialog::boxes() const
{
    // In the order the options are written.
    return {
        { GeneratorSettings::WindowsStore, windowsStoreBox },
        { GeneratorSettings::WindowsPhone, windowsPhoneBox },
        { GeneratorSettings::BlackBerry, blackBerryBox },
        { GeneratorSettings::Android, androidBox },
        { GeneratorSettings::IOS, iosBox },
        { GeneratorSettings::Icns, macosBox },
        { GeneratorSettings::Ico, windowsBox },
        { GeneratorSettings::LaunchScreens, launchImagesBox },
        { GeneratorSettings::NotMaskedIconsIOS, notMaskedBox },
        { GeneratorSettings::XCAssetsIOS, xcassetsBox },
        { GeneratorSettings::AppleWatchIconsIOS, watchIconsBox },
        { GeneratorSettings::WebFavicons, webFaviconsBox },
        { GeneratorSettings::LossyCompression, lossyBox },
    };
}

void AppSettingsDialog::showEvent(QShowEvent* event)
{
    // The store may have changed since the last showing; show what it holds.
    slotLoadSettings();
    QDialog::showEvent(event);
}
