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

constexpr int MinimumQuality = 4;
constexpr int MaximumQuality = 256;
constexpr int DefaultQuality = 256;

QVariant storedValue(const QString& key, const QVariant& defaultValue)
{
    // Without the program's application object (a tool linking the library
    // alone) there is no store, and every option keeps its default.
    const QMWidgets::App* app = QMWidgets::app();
    return app ? app->value(key, defaultValue) : defaultValue;
}

bool storedFlag(const char* key, bool defaultValue)
{
    return storedValue(QLatin1String(key), defaultValue).toBool();
}

void store(const char* key, const QVariant& value)
{
    if (QMWidgets::App* app = QMWidgets::app())
        app->setValue(QLatin1String(key), value);
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
    qualitySlider->setRange(MinimumQuality, MaximumQuality);

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
    return storedFlag("KeyAndroid", true);
}

bool AppSettingsDialog::keyIOS()
{
    return storedFlag("KeyIOS", true);
}

bool AppSettingsDialog::keyIcns()
{
    return storedFlag("KeyIcns", true);
}

bool AppSettingsDialog::keyIco()
{
    return storedFlag("KeyIco", true);
}

bool AppSettingsDialog::keyWindowsPhone()
{
    return storedFlag("KeyWindowsPhone", true);
}

bool AppSettingsDialog::keyWindowsStore()
{
    return storedFlag("KeyWindowsStore", true);
}

bool AppSettingsDialog::keyBlackBerry()
{
    return storedFlag("KeyBlackBerry", true);
}

bool AppSettingsDialog::keyLaunchScreens()
{
    return storedFlag("KeyLaunchScreens", true);
}

bool AppSettingsDialog::keyNotMaskedIconsIOS()
{
    return storedFlag("KeyNotMaskedIconsIOS", false);
}

bool AppSettingsDialog::keyXCAssetsIOS()
{
    return storedFlag("KeyXCAssetsIOS", true);
}

bool AppSettingsDialog::keyAppleWatchIconsIOS()
{
    return storedFlag("KeyAppleWatchIconsIOS", true);
}

bool AppSettingsDialog::keyWebFavicons()
{
    return storedFlag("KeyWebFavicons", true);
}

bool AppSettingsDialog::keyLossyCompression()
{
    return storedFlag("KeyLossyCompression", false);
}

int AppSettingsDialog::keyQuality()
{
    // The saver uses what the dialog shows: a number out of the dialog's range
    // is clamped into it, anything that is no number gives the default.
    bool isNumber = false;
    const int quality = storedValue(QStringLiteral("KeyQuality"), DefaultQuality).toInt(&isNumber);
    return isNumber ? qBound(MinimumQuality, quality, MaximumQuality) : DefaultQuality;
}

void AppSettingsDialog::slotSaveSettings()
{
    // Every key is written on every save, changed or not.
    store("KeyWindowsStore", windowsStoreBox->isChecked());
    store("KeyWindowsPhone", windowsPhoneBox->isChecked());
    store("KeyBlackBerry", blackBerryBox->isChecked());
    store("KeyAndroid", androidBox->isChecked());
    store("KeyIOS", iosBox->isChecked());
    store("KeyIcns", macosBox->isChecked());
    store("KeyIco", windowsBox->isChecked());
    store("KeyLaunchScreens", launchImagesBox->isChecked());
    store("KeyNotMaskedIconsIOS", notMaskedBox->isChecked());
    store("KeyXCAssetsIOS", xcassetsBox->isChecked());
    store("KeyAppleWatchIconsIOS", watchIconsBox->isChecked());
    store("KeyWebFavicons", webFaviconsBox->isChecked());
    store("KeyLossyCompression", lossyBox->isChecked());
    store("KeyQuality", qualitySlider->value());
    accept();
}

void AppSettingsDialog::slotLoadSettings()
{
    windowsPhoneBox->setChecked(keyWindowsPhone());
    windowsStoreBox->setChecked(keyWindowsStore());
    blackBerryBox->setChecked(keyBlackBerry());
    androidBox->setChecked(keyAndroid());
    iosBox->setChecked(keyIOS());
    macosBox->setChecked(keyIcns());
    windowsBox->setChecked(keyIco());
    launchImagesBox->setChecked(keyLaunchScreens());
    notMaskedBox->setChecked(keyNotMaskedIconsIOS());
    xcassetsBox->setChecked(keyXCAssetsIOS());
    watchIconsBox->setChecked(keyAppleWatchIconsIOS());
    webFaviconsBox->setChecked(keyWebFavicons());
    lossyBox->setChecked(keyLossyCompression());
    qualitySlider->setValue(keyQuality());
    qualitySlider->setEnabled(keyLossyCompression());
}

void AppSettingsDialog::showEvent(QShowEvent* event)
{
    // The store may have changed since the last showing; show what it holds.
    slotLoadSettings();
    QDialog::showEvent(event);
}
