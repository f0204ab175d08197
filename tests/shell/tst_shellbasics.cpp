// The application object's own services: settings, folders, file copy,
// language, links, the mouse-press signal and the main-widget overlay.

#include "app.h"
#include "testapp.h"
#include "tooling.h"
#include "translationsmanager.h"

#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using QMWidgets::App;

using TestSupport::writeFile;

namespace {
// Remembers how many mouseButtonPress signals had been seen when the press
// itself arrived.
class PressProbe : public QWidget
{
public:
    QSignalSpy* spy = nullptr;
    int seenAtPress = -1;

protected:
    void mousePressEvent(QMouseEvent*) override { seenAtPress = spy->count(); }
};
} // namespace

class TestShellBasics : public QObject
{
    Q_OBJECT

private slots:
    void freshInstallationOnlyOnFirstStart();
    void settingsKeysCarryApplicationPrefix();
    void copyFile_data();
    void copyFile();
    void lastDirectories_data();
    void lastDirectories();
    void standardDirectories();
    void isChildOf();
    void languageCode_data();
    void languageCode();
    void languageFromSettingsAndRightToLeft_data();
    void languageFromSettingsAndRightToLeft();
    void links();
    void mouseButtonPressComesBeforeDelivery();
    void mainWidgetGetsHiddenOverlay();
};

void TestShellBasics::freshInstallationOnlyOnFirstStart()
{
    // The test's home is empty; a downloads folder (there on most systems)
    // does not count against a fresh installation.
    QDir().mkpath(QDir::homePath() + QStringLiteral("/Downloads"));
    QVERIFY(TestApp().isFreshInstallation());
    QVERIFY(QDir(QDir::homePath() + QStringLiteral("/Lumastrand")).exists());
    QVERIFY(!TestApp().isFreshInstallation());
}

void TestShellBasics::settingsKeysCarryApplicationPrefix()
{
    TestApp app;
    app.setValue(QStringLiteral("KeyQuality"), 64);
    QCOMPARE(app.value(QStringLiteral("KeyQuality"), 256).toInt(), 64);
    QVERIFY(!app.settings()->contains(QStringLiteral("KeyQuality")));
    // The store is the native one of organisation and application, so a
    // later run (or another reader) finds the value.
    app.settings()->sync();
    QSettings store(QStringLiteral("Halvick"), QStringLiteral("Lumastrand"));
    QCOMPARE(store.value(QStringLiteral("Lumastrand/KeyQuality")).toInt(), 64);

    // Missing keys give the default; a key stored without the prefix is not the prefixed one.
    QCOMPARE(app.value(QStringLiteral("NeverStored"), 35).toInt(), 35);
    QVERIFY(!app.value(QStringLiteral("NeverStored")).isValid());
    app.settings()->setValue(QStringLiteral("AutoReminder"), false);
    QCOMPARE(app.value(QStringLiteral("AutoReminder"), true).toBool(), true);

    app.setPlainKeys(true);
    app.setValue(QStringLiteral("Plain"), true);
    QVERIFY(app.settings()->value(QStringLiteral("Plain")).toBool());
}

void TestShellBasics::copyFile_data()
{
    QTest::addColumn<QString>("source"); // "FILE": a plain file made by the test
    QTest::addColumn<QString>("subFolder");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("existing"); // made beforehand in the target folder
    QTest::addColumn<QString>("expectedName");
    QTest::addColumn<QByteArray>("content"); // "<missing>": the copy fails

    const auto row = [](const char* name, const char* source, const char* subFolder, const char* newName,
                        const char* existing, const char* expectedName, const char* content) {
        QTest::newRow(name) << QString::fromLatin1(source) << QString::fromLatin1(subFolder)
                            << QString::fromLatin1(newName) << QString::fromLatin1(existing)
                            << QString::fromLatin1(expectedName) << QByteArray(content);
    };
    const char* resource = ":/shelltest/sample.txt";
    row("resource, own name", resource, "", "", "", "sample.txt", "resource text\n");
    row("resource, new name", resource, "", "Contents.json", "", "Contents.json", "resource text\n");
    row("missing folders are made", resource, "a/b/c", "readme.txt", "", "readme.txt", "resource text\n");
    row("plain file", "FILE", "x", "", "", "plain.txt", "a plain file");
    row("never overwrites", resource, "", "", "sample.txt", "sample.txt", "edited by the user");
    row("missing source", ":/shelltest/none.txt", "", "x.txt", "", "x.txt", "<missing>");
    row("a file where the folder should be", resource, "blocked", "", "blocked", "sample.txt", "<missing>");
}

void TestShellBasics::copyFile()
{
    QFETCH(QString, source);
    QFETCH(QString, subFolder);
    QFETCH(QString, name);
    QFETCH(QString, existing);
    QFETCH(QString, expectedName);
    QFETCH(QByteArray, content);

    TestApp app;
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("target")));
    const QString target = dir.filePath(QStringLiteral("target/"));
    if (source == QLatin1String("FILE")) {
        source = dir.filePath(QStringLiteral("plain.txt"));
        QVERIFY(writeFile(source, "a plain file"));
    }
    if (!existing.isEmpty())
        QVERIFY(writeFile(target + existing, "edited by the user"));

    QCOMPARE(app.copyFile(source, target + subFolder, name), content != "<missing>");
    QCOMPARE(TestSupport::fileContents(target + subFolder + QLatin1Char('/') + expectedName, "<missing>"),
             content);
}

void TestShellBasics::lastDirectories_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("expected");

    const QString home = QDir::homePath();
    QTest::newRow("file") << home + "/pictures/master.png" << home + "/pictures";
    QTest::newRow("folder gives its parent") << home + "/exports/chosen" << home + "/exports";
    QTest::newRow("trailing slash") << home + "/exports/chosen/" << home + "/exports/chosen";
    QTest::newRow("relative") << "rel/file.png" << QDir::currentPath() + "/rel";
}

void TestShellBasics::lastDirectories()
{
    QFETCH(QString, given);
    QFETCH(QString, expected);

    TestApp app;
    QVERIFY(app.lastOpenDirectory().isEmpty() && app.lastSaveDirectory().isEmpty());
    app.setLastOpenDirectory(given);
    QCOMPARE(app.lastOpenDirectory(), expected);
    QVERIFY(app.lastSaveDirectory().isEmpty());
    app.setLastSaveDirectory(given);
    QCOMPARE(app.lastSaveDirectory(), expected);
}

void TestShellBasics::standardDirectories()
{
    TestApp app;
    for (const QString& dir : app.standardDirectories())
        QVERIFY2(dir.endsWith(QLatin1Char('/')), qPrintable(dir));
    QCOMPARE(app.workDirectory(), QDir::homePath() + QStringLiteral("/Lumastrand/"));
    for (const QString& dir :
         { app.documentsDirectory(), app.picturesDirectory(), app.musicDirectory(), app.moviesDirectory() })
        QVERIFY2(dir.endsWith(QStringLiteral("/Halvick/Lumastrand/")), qPrintable(dir));

    // Asked with "make it", the folder is made.
    QVERIFY(!QDir(app.picturesDirectory()).exists());
    QVERIFY(QDir(app.picturesDirectory(true)).exists());
    QCOMPARE(app.resourcesDirectory(), app.applicationDirPath() + QStringLiteral("/Resources/"));
}

void TestShellBasics::isChildOf()
{
    QObject parent;
    auto* child = new QObject(&parent);
    auto* grandChild = new QObject(child);
    QObject stranger;

    QVERIFY(App::isChildOf(child, &parent) && App::isChildOf(grandChild, &parent));
    QVERIFY(!App::isChildOf(&parent, &parent));
    QVERIFY(!App::isChildOf(&parent, grandChild));
    QVERIFY(!App::isChildOf(&stranger, &parent));
    QVERIFY(!App::isChildOf(nullptr, &parent));
}

void TestShellBasics::languageCode_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QString>("code");

    const auto row = [](const char* name, const char* setting, const char* code) {
        QTest::newRow(name) << QString::fromLatin1(setting) << QString::fromLatin1(code);
    };
    row("German locale", "de_DE", "de");
    row("French", "fr", "fr");
    row("Brazilian", "pt_BR", "pt");
    row("Taiwan before mainland", "zh_TW", "zh_TW");
    row("mainland", "zh_CN", "zh_CN");
    row("Arabic", "ar_EG", "ar");
    row("capitals are not a code", "DE", "en");
    row("unknown", "sv_SE", "en");
    row("empty", "", "en");
}

void TestShellBasics::languageCode()
{
    QFETCH(QString, setting);
    QFETCH(QString, code);
    QCOMPARE(QMWidgets::TranslationsManager::codeFor(setting), code);
}

void TestShellBasics::languageFromSettingsAndRightToLeft_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("rightToLeft");

    QTest::newRow("Russian") << QStringLiteral("ru_RU") << QStringLiteral("ru") << false;
    QTest::newRow("Arabic") << QStringLiteral("ar") << QStringLiteral("ar") << true;
    QTest::newRow("Swedish") << QStringLiteral("sv") << QStringLiteral("en") << false;
    // Nothing stored: English, although the test runs on an Arabic system
    // (see the test's environment).
    QTest::newRow("not stored") << QString() << QStringLiteral("en") << false;
}

void TestShellBasics::languageFromSettingsAndRightToLeft()
{
    QFETCH(QString, setting);
    QFETCH(QString, code);
    QFETCH(bool, rightToLeft);

    QSettings store(QStringLiteral("Halvick"), QStringLiteral("Lumastrand"));
    if (setting.isEmpty())
        store.remove(QStringLiteral("Lumastrand/Language"));
    else
        store.setValue(QStringLiteral("Lumastrand/Language"), setting);
    store.sync();
    TestApp app;
    QCOMPARE(app.language(), code);
    QCOMPARE(app.layoutDirection() == Qt::RightToLeft, rightToLeft);
    // The program carries no translations: nothing is installed.
    QCOMPARE(app.translationsManager()->loadedTranslators(), 0);
    app.setLayoutDirection(Qt::LeftToRight);
}

void TestShellBasics::links()
{
    qputenv("LUMASTRAND_SERVER", "http://127.0.0.1:9/");
    TestApp app;
    app.setApplicationVersion(QStringLiteral("1.9.2"));
    QCOMPARE(App::serverAddress(), QStringLiteral("http://127.0.0.1:9"));

    app.setShareLinks(QString());
    QCOMPARE(app.webPageLink(), QStringLiteral("http://127.0.0.1:9/lumastrand"));
    QCOMPARE(
        app.shareLink(),
        QStringLiteral("http://127.0.0.1:9/social/share.php?link=http%3A%2F%2F127.0.0.1%3A9%2Flumastrand"));
    QVERIFY(app.followLink().startsWith(QStringLiteral("http://127.0.0.1:9/social/join.php?link=")));
    app.setShareLinks(QStringLiteral("icons"));
    QCOMPARE(app.webPageLink(), QStringLiteral("http://127.0.0.1:9/icons"));

    const QString mail = app.contactMailLink();
    QVERIFY2(
        mail.startsWith(QStringLiteral("mailto:support@halvick.example?subject=Contact (Lumastrand 1.9.2) ")),
        qPrintable(mail));
    QVERIFY2(mail.endsWith(QStringLiteral(" ") + app.language() + QStringLiteral(" I&body=")),
             qPrintable(mail));
    QVERIFY(app.tellFriendMailLink().startsWith(
        QStringLiteral("mailto:?subject=Check out the cool Lumastrand app!&body=")));

    // Application keys lose their blanks.
    app.setApplicationName(QStringLiteral("Icon Maker"));
    QCOMPARE(app.applicationKey(), QStringLiteral("iconmaker"));
    qunsetenv("LUMASTRAND_SERVER");
}

void TestShellBasics::mouseButtonPressComesBeforeDelivery()
{
    TestApp app;
    QSignalSpy spy(&app, &App::mouseButtonPress);
    PressProbe probe;
    probe.spy = &spy;
    probe.resize(50, 50);
    probe.show();
    QVERIFY(QTest::qWaitForWindowExposed(&probe));

    QTest::mouseClick(&probe, Qt::LeftButton);
    QCOMPARE(probe.seenAtPress, 1);
    QTest::mouseClick(&probe, Qt::RightButton);
    QCOMPARE(spy.count(), 2);
}

void TestShellBasics::mainWidgetGetsHiddenOverlay()
{
    TestApp app;
    QWidget first;
    first.resize(290, 390);
    first.show();
    app.setMainWidget(&first);
    QPointer<QLabel> overlay = app.blenderWidget();
    QVERIFY(overlay);
    QCOMPARE(overlay->objectName(), QStringLiteral("MainWidgetBlender"));
    QCOMPARE(overlay->parentWidget(), &first);
    QVERIFY(overlay->isHidden());
    QCOMPARE(overlay->geometry(), first.rect());
    // It follows the main widget's size.
    first.resize(290, 500);
    QCOMPARE(overlay->geometry(), first.rect());

    // A new main widget gets a new overlay.
    QWidget second;
    app.setMainWidget(&second);
    QVERIFY(!overlay);
    QCOMPARE(app.blenderWidget()->parentWidget(), &second);
}

QTEST_APPLESS_MAIN(TestShellBasics)

#include "tst_shellbasics.moc"
