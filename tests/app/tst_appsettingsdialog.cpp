// The generator's settings: getters read the store at every call; the dialog,
// driven by mouse clicks, shows the store, and only "Ok" writes it, all keys.

#include "app.h"
#include "appsettingsdialog.h"
#include "comboslider.h"
#include "dialogrunner.h"
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

const QString kWatch = QStringLiteral("Create ") + QChar(0xF8FF) + QStringLiteral("Watch Icons");
const QString kLossy = QStringLiteral("Apply lossy compression\nto save more than 60% of image file size");

template<auto getter> QVariant get()
{
    return QVariant(getter());
}

struct Option
{
    QString caption; // empty for the quality control
    QString key;
    QVariant defaultValue;
    QVariant (*getter)();
};

// In the order the dialog loads them.
const QVector<Option> kOptions {
    { "Windows Phone", "KeyWindowsPhone", true, get<&AppSettingsDialog::keyWindowsPhone> },
    { "Windows Store", "KeyWindowsStore", true, get<&AppSettingsDialog::keyWindowsStore> },
    { "BlackBerry", "KeyBlackBerry", true, get<&AppSettingsDialog::keyBlackBerry> },
    { "Android", "KeyAndroid", true, get<&AppSettingsDialog::keyAndroid> },
    { "iOS", "KeyIOS", true, get<&AppSettingsDialog::keyIOS> },
    { "macOS", "KeyIcns", true, get<&AppSettingsDialog::keyIcns> },
    { "Windows", "KeyIco", true, get<&AppSettingsDialog::keyIco> },
    { "App Launch Images", "KeyLaunchScreens", true, get<&AppSettingsDialog::keyLaunchScreens> },
    { "Not masked icons", "KeyNotMaskedIconsIOS", false, get<&AppSettingsDialog::keyNotMaskedIconsIOS> },
    { "Create xcassetes", "KeyXCAssetsIOS", true, get<&AppSettingsDialog::keyXCAssetsIOS> },
    { kWatch, "KeyAppleWatchIconsIOS", true, get<&AppSettingsDialog::keyAppleWatchIconsIOS> },
    { "Favicon and touch icons for Web", "KeyWebFavicons", true, get<&AppSettingsDialog::keyWebFavicons> },
    { kLossy, "KeyLossyCompression", false, get<&AppSettingsDialog::keyLossyCompression> },
    { QString(), "KeyQuality", 256, get<&AppSettingsDialog::keyQuality> },
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

} // namespace

class TstAppSettingsDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void showsTheStore();
    void cancelWritesNothing();
    void okWritesEveryKey();
    void qualityShownClamped_data();
    void qualityShownClamped();
};

void TstAppSettingsDialog::init()
{
    QMWidgets::app()->settings()->clear();
}

void TstAppSettingsDialog::showsTheStore()
{
    AppSettingsDialog dialog;
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Lumastrand Settings"));
    QCOMPARE(dialog.findChildren<QCheckBox*>().size(), 13);
    QCOMPARE(child<QPushButton>(dialog, QStringLiteral("Ok"))->objectName(), QStringLiteral("PushButton"));
    QCOMPARE(quality(dialog)->spinBox()->value(), 256);
    QVERIFY(!quality(dialog)->isEnabled());

    // A fresh store gives the defaults, and the getters read the store at every
    // call (values stored as text, the way some stores give them back).
    QStringList flipped;
    for (const Option& option : kOptions) {
        QCOMPARE(option.getter(), option.defaultValue);
        const QVariant other
            = option.caption.isEmpty() ? QVariant(32) : QVariant(!option.defaultValue.toBool());
        QMWidgets::app()->setValue(option.key, other.toString());
        QCOMPARE(option.getter(), other);
        if (option.caption.isEmpty())
            continue;
        QVERIFY2(child<QCheckBox>(dialog, option.caption), qPrintable(option.caption));
        QCOMPARE(child<QCheckBox>(dialog, option.caption)->isChecked(), option.defaultValue.toBool());
        flipped << option.caption;
    }

    // Showing the dialog again reloads every control from the store, in order.
    QStringList order;
    for (QCheckBox* target : dialog.findChildren<QCheckBox*>())
        connect(target, &QCheckBox::toggled, &dialog, [&order, target] { order << target->text(); });
    dialog.hide();
    dialog.show();
    QCOMPARE(order, flipped);
    QVERIFY(quality(dialog)->isEnabled());
    QCOMPARE(quality(dialog)->value(), 32);
}

void TstAppSettingsDialog::cancelWritesNothing()
{
    AppSettingsDialog dialog;
    dialog.show();
    click(dialog, kLossy);
    QVERIFY(quality(dialog)->isEnabled()); // at once, by the click
    click(dialog, QStringLiteral("iOS"));
    QVERIFY(child<QCheckBox>(dialog, kWatch)->isEnabled()); // refinements stay editable
    click(dialog, QStringLiteral("Cancel"));

    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(QMWidgets::app()->settings()->allKeys().isEmpty());
    dialog.show();
    QVERIFY(!child<QCheckBox>(dialog, kLossy)->isChecked());
    QVERIFY(child<QCheckBox>(dialog, QStringLiteral("iOS"))->isChecked());
    QVERIFY(!quality(dialog)->isEnabled());
}

void TstAppSettingsDialog::okWritesEveryKey()
{
    // Run the way the main page runs it, through the dialog seam.
    const QStringList clicked { QStringLiteral("Windows Store"), kWatch, kLossy };
    QMWidgets::DialogRunner::setNextHandler([&clicked](QDialog& shown) {
        for (const QString& caption : clicked)
            click(shown, caption);
        quality(shown)->spinBox()->selectAll();
        QTest::keyClicks(quality(shown)->spinBox(), QStringLiteral("64"));
        click(shown, QStringLiteral("Ok"));
        return shown.result();
    });
    AppSettingsDialog dialog;
    QCOMPARE(QMWidgets::DialogRunner::exec(dialog), int(QDialog::Accepted));

    QSettings* settings = QMWidgets::app()->settings();
    QCOMPARE(settings->allKeys().size(), kOptions.size());
    for (const Option& option : kOptions) {
        QVERIFY2(settings->contains(QMWidgets::app()->keyPrefix() + option.key), qPrintable(option.key));
        const bool flipped = clicked.contains(option.caption);
        QCOMPARE(option.getter(),
                 option.caption.isEmpty() ? QVariant(64) : QVariant(option.defaultValue.toBool() != flipped));
    }
}

void TstAppSettingsDialog::qualityShownClamped_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("shown");
    QTest::newRow("above") << 1000 << 256;
    QTest::newRow("below") << 0 << 4;
}

void TstAppSettingsDialog::qualityShownClamped()
{
    QFETCH(int, stored);
    QFETCH(int, shown);
    QMWidgets::app()->setValue(QStringLiteral("KeyQuality"), stored);
    AppSettingsDialog dialog;
    dialog.show();
    QCOMPARE(quality(dialog)->value(), shown);
    // The store keeps the value until "Ok"; the getter clamps it as the dialog does.
    QCOMPARE(QMWidgets::app()->value(QStringLiteral("KeyQuality")).toInt(), stored);
    click(dialog, QStringLiteral("Ok"));
    QCOMPARE(AppSettingsDialog::keyQuality(), shown);
}

LUMASTRAND_APP_TEST_MAIN(TstAppSettingsDialog)

#include "tst_appsettingsdialog.moc"
