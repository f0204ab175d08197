// The generator's settings dialog, driven by mouse clicks: each box shows and
// stores its own key, only "Ok" writes, and it writes every key.

#include "app.h"
#include "appsettingsdialog.h"
#include "comboslider.h"
#include "testapp.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabWidget>
#include <QtTest>

namespace {

const QString kLossy = QStringLiteral("Apply lossy compression\nto save more than 60% of image file size");

struct Option
{
    QString caption;
    const char* key;
    bool on; // by default
};

const Option kOptions[] = {
    { "Android", "KeyAndroid", true },
    { "iOS", "KeyIOS", true },
    { "macOS", "KeyIcns", true },
    { "Windows", "KeyIco", true },
    { "Windows Phone", "KeyWindowsPhone", true },
    { "Windows Store", "KeyWindowsStore", true },
    { "BlackBerry", "KeyBlackBerry", true },
    { "App Launch Images", "KeyLaunchScreens", true },
    { "Favicon and touch icons for Web", "KeyWebFavicons", true },
    { "Not masked icons", "KeyNotMaskedIconsIOS", false },
    { "Create xcassetes", "KeyXCAssetsIOS", true },
    { QStringLiteral("Create ") + QChar(0xF8FF) + QStringLiteral("Watch Icons"), "KeyAppleWatchIconsIOS",
      true },
    { kLossy, "KeyLossyCompression", false },
};

template<typename T = QAbstractButton> T* child(QWidget& dialog, const QString& text)
{
    for (T* candidate : dialog.findChildren<T*>()) {
        if (candidate->text() == text)
            return candidate;
    }
    return nullptr;
}

QMWidgets::ComboSlider* quality(QWidget& dialog)
{
    return dialog.findChild<QMWidgets::ComboSlider*>();
}

// Clicks the button with that caption (a check box takes clicks on indicator
// and caption only), showing its tab first.
void click(QWidget& dialog, const QString& caption)
{
    QAbstractButton* target = child(dialog, caption);
    QVERIFY2(target, qPrintable(caption));
    auto* tabs = dialog.findChild<QTabWidget*>();
    for (int i = 0; i < tabs->count(); ++i) {
        if (tabs->widget(i)->isAncestorOf(target))
            tabs->setCurrentIndex(i);
    }
    QStyleOptionButton option;
    option.initFrom(target);
    option.text = target->text();
    const QPoint point = qobject_cast<QCheckBox*>(target)
        ? target->style()->subElementRect(QStyle::SE_CheckBoxClickRect, &option, target).center()
        : target->rect().center();
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, point);
}

QVariant stored(const QString& key)
{
    return QMWidgets::app()->settings()->value(QMWidgets::app()->keyPrefix() + key);
}

} // namespace

class TstAppSettingsDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void eachBoxShowsAndStoresItsKey_data();
    void eachBoxShowsAndStoresItsKey();
    void cancelWritesNothing();
};

void TstAppSettingsDialog::init()
{
    QMWidgets::app()->settings()->clear();
}

void TstAppSettingsDialog::eachBoxShowsAndStoresItsKey_data()
{
    QTest::addColumn<int>("flipped"); // the option stored against its default; -1: none
    QTest::newRow("fresh store") << -1;
    for (int i = 0; i < int(std::size(kOptions)); ++i)
        QTest::newRow(kOptions[i].key) << i;
}

void TstAppSettingsDialog::eachBoxShowsAndStoresItsKey()
{
    QFETCH(int, flipped);
    if (flipped >= 0)
        QMWidgets::app()->setValue(QLatin1String(kOptions[flipped].key), !kOptions[flipped].on);
    AppSettingsDialog dialog;
    dialog.show();
    // Only the box of that key shows the other state ...
    for (const Option& option : kOptions) {
        QCheckBox* box = child<QCheckBox>(dialog, option.caption);
        QVERIFY2(box, option.key);
        QCOMPARE(box->isChecked(), option.on != (&option == kOptions + flipped));
    }
    QCOMPARE(quality(dialog)->value(), 256);
    QCOMPARE(quality(dialog)->isEnabled(), child<QCheckBox>(dialog, kLossy)->isChecked());
    const bool typed = quality(dialog)->isEnabled(); // in the row of the lossy box: follows at once
    if (typed) {
        quality(dialog)->spinBox()->selectAll();
        QTest::keyClicks(quality(dialog)->spinBox(), QStringLiteral("64"));
    }

    // ... and "Ok" stores every key, that one under its own name.
    click(dialog, QStringLiteral("Ok"));
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(QMWidgets::app()->settings()->allKeys().size(), int(std::size(kOptions)) + 1);
    for (const Option& option : kOptions)
        QCOMPARE(stored(QLatin1String(option.key)).toBool(), option.on != (&option == kOptions + flipped));
    QCOMPARE(stored(QStringLiteral("KeyQuality")).toInt(), typed ? 64 : 256);
}

void TstAppSettingsDialog::cancelWritesNothing()
{
    AppSettingsDialog dialog;
    dialog.show();
    click(dialog, kLossy);
    QVERIFY(quality(dialog)->isEnabled()); // at once, by the click
    quality(dialog)->spinBox()->selectAll();
    QTest::keyClicks(quality(dialog)->spinBox(), QStringLiteral("64"));
    click(dialog, QStringLiteral("iOS"));
    QVERIFY(child<QCheckBox>(dialog, kOptions[11].caption)->isEnabled()); // refinements stay editable
    click(dialog, QStringLiteral("Cancel"));

    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(QMWidgets::app()->settings()->allKeys().isEmpty());
    // Shown again, it shows the store.
    dialog.show();
    QVERIFY(!child<QCheckBox>(dialog, kLossy)->isChecked());
    QVERIFY(child<QCheckBox>(dialog, QStringLiteral("iOS"))->isChecked());
    QVERIFY(!quality(dialog)->isEnabled());
    QCOMPARE(quality(dialog)->value(), 256);
}

LUMASTRAND_APP_TEST_MAIN(TstAppSettingsDialog)

#include "tst_appsettingsdialog.moc"
