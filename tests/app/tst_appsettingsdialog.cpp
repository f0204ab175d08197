// The generator's settings: getters read the store at every call; the dialog,
// driven by mouse clicks, shows the store, and only "Ok" writes it, all keys.

#include "app.h"
#include "appsettingsdialog.h"
#include "comboslider.h"
#include "dialogrunner.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabWidget>
#include <QtTest>

namespace {

using Getter = QVariant (*)();

const QString kWatch = QStringLiteral("Create ") + QChar(0xF8FF) + QStringLiteral("Watch Icons");
const QString kLossy = QStringLiteral("Apply lossy compression\nto save more than 60% of image file size");

struct Option
{
    QString caption; // empty for the quality control
    QString key;
    QVariant defaultValue;
    Getter getter;
};

#define FLAG(caption, key, value, getter)                                                                    \
    Option                                                                                                   \
    {                                                                                                        \
        caption, QStringLiteral(key), value, [] { return QVariant(AppSettingsDialog::getter()); }            \
    }

// In the order the dialog loads them.
const QVector<Option> kOptions {
    FLAG(QStringLiteral("Windows Phone"), "KeyWindowsPhone", true, keyWindowsPhone),
    FLAG(QStringLiteral("Windows Store"), "KeyWindowsStore", true, keyWindowsStore),
    FLAG(QStringLiteral("BlackBerry"), "KeyBlackBerry", true, keyBlackBerry),
    FLAG(QStringLiteral("Android"), "KeyAndroid", true, keyAndroid),
    FLAG(QStringLiteral("iOS"), "KeyIOS", true, keyIOS),
    FLAG(QStringLiteral("macOS"), "KeyIcns", true, keyIcns),
    FLAG(QStringLiteral("Windows"), "KeyIco", true, keyIco),
    FLAG(QStringLiteral("App Launch Images"), "KeyLaunchScreens", true, keyLaunchScreens),
    FLAG(QStringLiteral("Not masked icons"), "KeyNotMaskedIconsIOS", false, keyNotMaskedIconsIOS),
    FLAG(QStringLiteral("Create xcassetes"), "KeyXCAssetsIOS", true, keyXCAssetsIOS),
    FLAG(kWatch, "KeyAppleWatchIconsIOS", true, keyAppleWatchIconsIOS),
    FLAG(QStringLiteral("Favicon and touch icons for Web"), "KeyWebFavicons", true, keyWebFavicons),
    FLAG(kLossy, "KeyLossyCompression", false, keyLossyCompression),
    FLAG(QString(), "KeyQuality", 256, keyQuality),
};

QMWidgets::App* store()
{
    return QMWidgets::app();
}

template<typename T> T* child(QWidget& dialog, const QString& text)
{
    for (T* candidate : dialog.findChildren<T*>()) {
        if (candidate->text() == text)
            return candidate;
    }
    return nullptr;
}

QCheckBox* box(QWidget& dialog, const QString& caption)
{
    return child<QCheckBox>(dialog, caption);
}

QMWidgets::ComboSlider* quality(QWidget& dialog)
{
    return dialog.findChild<QMWidgets::ComboSlider*>();
}

// Clicks a button's caption (a check box takes clicks on indicator and
// caption only), showing its tab first.
void click(QWidget& dialog, QAbstractButton* target)
{
    QVERIFY(target);
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

void clickButton(QWidget& dialog, const QString& caption)
{
    click(dialog, child<QPushButton>(dialog, caption));
}

} // namespace

class TstAppSettingsDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void gettersReadTheStore();
    void freshStoreShown();
    void cancelWritesNothing();
    void okWritesEveryKey();
    void qualityShownClamped_data();
    void qualityShownClamped();
    void showingReloadsInOrder();
};

void TstAppSettingsDialog::init()
{
    store()->settings()->clear();
}

void TstAppSettingsDialog::gettersReadTheStore()
{
    for (const Option& option : kOptions) {
        QCOMPARE(option.getter(), option.defaultValue);
        const QVariant other = option.defaultValue.type() == QVariant::Bool
            ? QVariant(!option.defaultValue.toBool())
            : QVariant(1000);
        store()->setValue(option.key, other.toString()); // as text, the way some stores give it back
        QCOMPARE(option.getter(), other);
    }
}

void TstAppSettingsDialog::freshStoreShown()
{
    AppSettingsDialog dialog;
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Lumastrand Settings"));
    QCOMPARE(dialog.findChildren<QCheckBox*>().size(), 13);
    for (const Option& option : kOptions) {
        if (!option.caption.isEmpty()) {
            QVERIFY2(box(dialog, option.caption), qPrintable(option.caption));
            QCOMPARE(box(dialog, option.caption)->isChecked(), option.defaultValue.toBool());
        }
    }
    QCOMPARE(quality(dialog)->spinBox()->value(), 256);
    QVERIFY(!quality(dialog)->isEnabled());
    QCOMPARE(child<QPushButton>(dialog, QStringLiteral("Ok"))->objectName(), QStringLiteral("PushButton"));
}

void TstAppSettingsDialog::cancelWritesNothing()
{
    AppSettingsDialog dialog;
    dialog.show();
    click(dialog, box(dialog, kLossy));
    QVERIFY(quality(dialog)->isEnabled()); // at once, by the click
    click(dialog, box(dialog, QStringLiteral("iOS")));
    QVERIFY(box(dialog, kWatch)->isEnabled()); // refinements stay editable
    clickButton(dialog, QStringLiteral("Cancel"));

    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(store()->settings()->allKeys().isEmpty());
    dialog.show();
    QVERIFY(!box(dialog, kLossy)->isChecked());
    QVERIFY(box(dialog, QStringLiteral("iOS"))->isChecked());
    QVERIFY(!quality(dialog)->isEnabled());
}

void TstAppSettingsDialog::okWritesEveryKey()
{
    // Run the way the main page runs it, through the dialog seam.
    QMWidgets::DialogRunner::setNextHandler([](QDialog& shown) {
        click(shown, box(shown, QStringLiteral("Windows Store")));
        click(shown, box(shown, kWatch));
        click(shown, box(shown, kLossy));
        quality(shown)->spinBox()->selectAll();
        QTest::keyClicks(quality(shown)->spinBox(), QStringLiteral("64"));
        clickButton(shown, QStringLiteral("Ok"));
        return shown.result();
    });
    AppSettingsDialog dialog;
    QCOMPARE(QMWidgets::DialogRunner::exec(dialog), int(QDialog::Accepted));

    QCOMPARE(store()->settings()->allKeys().size(), kOptions.size());
    for (const Option& option : kOptions) {
        const bool changed = option.caption == QLatin1String("Windows Store") || option.caption == kWatch
            || option.caption == kLossy;
        const QVariant expected = option.caption.isEmpty() ? QVariant(64)
            : changed                                      ? QVariant(!option.defaultValue.toBool())
                                                           : option.defaultValue;
        QVERIFY2(store()->settings()->contains(store()->keyPrefix() + option.key), qPrintable(option.key));
        QCOMPARE(option.getter(), expected);
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

    store()->setValue(QStringLiteral("KeyQuality"), stored);
    AppSettingsDialog dialog;
    dialog.show();
    QCOMPARE(quality(dialog)->value(), shown);
    QCOMPARE(AppSettingsDialog::keyQuality(), stored); // the store keeps it until "Ok"
    clickButton(dialog, QStringLiteral("Ok"));
    QCOMPARE(AppSettingsDialog::keyQuality(), shown);
}

void TstAppSettingsDialog::showingReloadsInOrder()
{
    AppSettingsDialog dialog;
    QStringList order;
    for (QCheckBox* target : dialog.findChildren<QCheckBox*>())
        connect(target, &QCheckBox::toggled, &dialog, [&order, target] { order << target->text(); });
    for (const Option& option : kOptions)
        store()->setValue(option.key,
                          option.caption.isEmpty() ? QVariant(32) : !option.defaultValue.toBool());

    dialog.show();
    QStringList expected;
    for (const Option& option : kOptions)
        expected << option.caption;
    expected.removeLast();
    QCOMPARE(order, expected);
    QVERIFY(quality(dialog)->isEnabled());
    QCOMPARE(quality(dialog)->value(), 32);
}

int main(int argc, char** argv)
{
    QMWidgets::App app(argc, argv, QStringLiteral("Halvick"), QStringLiteral("Lumastrand"));
    TstAppSettingsDialog test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_appsettingsdialog.moc"
