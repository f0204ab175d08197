// The application object's own services: settings, folders, file copy,
// language, links, the mouse-press signal and the main-widget overlay.

#include "app.h"
#include "appargs.h"
#include "translationsmanager.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using QMWidgets::App;

namespace {
QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& data)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(data);
}

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
    void missingSettingsGiveTheDefault();
    void copyFile_data();
    void copyFile();
    void copyFileNeverOverwrites();
    void copyFileFailures();
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
    {
        AppArgs args;
        App app(args.argc, args.argv, QStringLiteral("Halvick"), QStringLiteral("Lumastrand"));
        QVERIFY(app.isFreshInstallation());
        QCOMPARE(app.organizationName(), QStringLiteral("Halvick"));
        QCOMPARE(app.applicationName(), QStringLiteral("Lumastrand"));
        QVERIFY(QDir(QDir::homePath() + QStringLiteral("/Lumastrand")).exists());
    }
    AppArgs args;
    App second(args.argc, args.argv, QStringLiteral("Halvick"), QStringLiteral("Lumastrand"));
    QVERIFY(!second.isFreshInstallation());
}

void TestShellBasics::settingsKeysCarryApplicationPrefix()
{
    AppArgs args;
    App app(args.argc, args.argv, QStringLiteral("Halvick"), QStringLiteral("Lumastrand"));
    app.setValue(QStringLiteral("KeyQuality"), 64);
    QCOMPARE(app.value(QStringLiteral("KeyQuality"), 256).toInt(), 64);
    QCOMPARE(app.settings()->value(QStringLiteral("Lumastrand/KeyQuality")).toInt(), 64);
    QVERIFY(!app.settings()->contains(QStringLiteral("KeyQuality")));

    // The store is the native one of organisation and application, so a
    // later run (or another reader) finds the value.
    app.settings()->sync();
    QSettings store(QStringLiteral("Halvick"), QStringLiteral("Lumastrand"));
    QCOMPARE(store.value(QStringLiteral("Lumastrand/KeyQuality")).toInt(), 64);

    app.setPlainKeys(true);
    app.setValue(QStringLiteral("Plain"), true);
    QVERIFY(app.settings()->value(QStringLiteral("Plain")).toBool());
}

void TestShellBasics::missingSettingsGiveTheDefault()
{
    AppArgs args;
    App app(args.argc, args.argv, QStringLiteral("Halvick"), QStringLiteral("Lumastrand"));
    QCOMPARE(app.value(QStringLiteral("NeverStored"), 35).toInt(), 35);
    QVERIFY(!app.value(QStringLiteral("NeverStored")).isValid());
    // A key stored without the prefix is not the prefixed one.
    app.settings()->setValue(QStringLiteral("AutoReminder"), false);
    QCOMPARE(app.value(QStringLiteral("AutoReminder"), true).toBool(), true);
}

void TestShellBasics::copyFile_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("subFolder");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expectedName");

    QTest::newRow("resource, own name") << ":/shelltest/sample.txt"
                                        << ""
                                        << ""
                                        << "sample.txt";
    QTest::newRow("resource, new name") << ":/shelltest/sample.txt"
                                        << ""
                                        << "Contents.json"
                                        << "Contents.json";
    QTest::newRow("missing folders are made") << ":/shelltest/sample.txt"
                                              << "a/b/c"
                                              << "readme.txt"
                                              << "readme.txt";
    QTest::newRow("plain file") << "FILE"
                                << "x"
                                << ""
                                << "plain.txt";
}

void TestShellBasics::copyFile()
{
    QFETCH(QString, source);
    QFETCH(QString, subFolder);
    QFETCH(QString, name);
    QFETCH(QString, expectedName);

    AppArgs args;
    App app(args.argc, args.argv, QStringLiteral("Halvick"), QStringLiteral("Lumastrand"));
    QTemporaryDir dir;
    QByteArray expected = "resource text\n";
    if (source == QLatin1String("FILE")) {
        source = dir.filePath(QStringLiteral("plain.txt"));
        expected = "a plain file";
        writeFile(source, expected);
    }
    const QString folder = dir.filePath(QStringLiteral("target/") + subFolder);

    QVERIFY(app.copyFile(source, folder, name));
    QCOMPARE(readAll(folder + QLatin1Char('/') + expectedName), expected);
}

void TestShellBasics::copyFileNeverOverwrites()
{
    AppArgs args;
    App app(args.argc, args.argv, QStringLiteral("Halvick"), QStringLiteral("Lumastrand"));
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("sample.txt")), "edited by the user");

    QVERIFY(app.copyFile(QStringLiteral(":/shelltest/sample.txt"), dir.path()));
    QCOMPARE(readAll(dir.filePath(QStringLiteral("sample.txt"))), QByteArray("edited by the user"));
}

void TestShellBasics::copyFileFailures()
{
    AppArgs args;
    App app(args.argc, args.argv, QStringLiteral("Halvick"), QStringLiteral("Lumastrand"));
    QTemporaryDir dir;

    QVERIFY(!app.copyFile(QStringLiteral(":/shelltest/none.txt"), dir.path(), QStringLiteral("x.txt")));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("x.txt"))));

    // A file where the target folder should be: nothing can be written.
    writeFile(dir.filePath(QStringLiteral("blocked")), "file");
    QVERIFY(!app.copyFile(QStringLiteral(":/shelltest/sample.txt"), dir.filePath(QStringLiteral("blocked"))));
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

    AppArgs args;
    App app(args.argc, args.argv, QStringLiteral("Halvick"), QStringLiteral("Lumastrand"));
    QVERIFY(app.lastOpenDirectory().isEmpty());
    QVERIFY(app.lastSaveDirectory().isEmpty());

    app.setLastOpenDirectory(given);
    QCOMPARE(app.lastOpenDirectory(), expected);
    QVERIFY(app.lastSaveDirectory().isEmpty());
    app.setLastSaveDirectory(given);
    QCOMPARE(app.lastSaveDirectory(), expected);
}

void TestShellBasics::standardDirectories()
{
    AppArgs args;
    App app(args.argc, args.argv, QStringLiteral("Halvick"), QStringLiteral("Lumastrand"));
    const QStringList dirs = app.standardDirectories();
    QCOMPARE(dirs.size(), 9);
    for (const QString& dir : dirs)
        QVERIFY2(dir.endsWith(QLatin1Char('/')), qPrintable(dir));

    QCOMPARE(app.workDirectory(), QDir::homePath() + QStringLiteral("/Lumastrand/"));
    for (const QString& dir :
         { app.documentsDirectory(), app.picturesDirectory(), app.musicDirectory(), app.moviesDirectory() })
        QVERIFY2(dir.endsWith(QStringLiteral("/Halvick/Lumastrand/")), qPrintable(dir));

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

    QVERIFY(App::isChildOf(child, &parent));
    QVERIFY(App::isChildOf(grandChild, &parent));
    QVERIFY(!App::isChildOf(&parent, &parent));
    QVERIFY(!App::isChildOf(&parent, grandChild));
    QVERIFY(!App::isChildOf(&stranger, &parent));
    QVERIFY(!App::isChildOf(nullptr, &parent));
}

void TestShellBasics::languageCode_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QString>("code");

    QTest::newRow("German locale") << "de_DE"
                                   << "de";
    QTest::newRow("French") << "fr"
                            << "fr";
    QTest::newRow("Brazilian") << "pt_BR"
                               << "pt";
    QTest::newRow("Taiwan before mainland") << "zh_TW"
                                            << "zh_TW";
    QTest::newRow("mainland") << "zh_CN"
                              << "zh_CN";
    QTest::newRow("Arabic") << "ar_EG"
                            << "ar";
    QTest::newRow("English") << "en_US"
                             << "en";
    QTest::newRow("capitals are not a code") << "DE"
                                             << "en";
    QTest::newRow("unknown") << "sv_SE"
                             << "en";
    QTest::newRow("empty") << ""
                           << "en";
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

    QTest::newRow("Russian") << "ru_RU"
                             << "ru" << false;
    QTest::newRow("Arabic") << "ar"
                            << "ar" << true;
    QTest::newRow("Swedish") << "sv"
                             << "en" << false;
}

void TestShellBasics::languageFromSettingsAndRightToLeft()
{
    QFETCH(QString, setting);
    QFETCH(QString, code);
    QFETCH(bool, rightToLeft);

    {
        QSettings store(QStringLiteral("Halvick"), QStringLiteral("Lumastrand"));
        store.setValue(QStringLiteral("Lumastrand/Language"), setting);
    }
    AppArgs args;
    App app(args.argc, args.argv, QStringLiteral("Halvick"), QStringLiteral("Lumastrand"));
    QCOMPARE(app.language(), code);
    QCOMPARE(app.layoutDirection() == Qt::RightToLeft, rightToLeft);
    // The program carries no translations: nothing is installed.
    QCOMPARE(app.translationsManager()->loadedTranslators(), 0);
    app.setLayoutDirection(Qt::LeftToRight);
}

void TestShellBasics::links()
{
    qputenv("LUMASTRAND_SERVER", "http://127.0.0.1:9/");
    AppArgs args;
    App app(args.argc, args.argv, QStringLiteral("Halvick"), QStringLiteral("Lumastrand"));
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

    QCOMPARE(app.rateLink(), QStringLiteral("http://127.0.0.1:9/rate.php?appname=lumastrand"));
    QCOMPARE(app.moreAppsLink(), QStringLiteral("http://127.0.0.1:9/apps/crosspromo.php?appname=lumastrand"));
    QCOMPARE(app.updatePageLink(),
             QStringLiteral("http://127.0.0.1:9/apps/updatepage.php?appname=lumastrand"));

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
    AppArgs args;
    App app(args.argc, args.argv, QStringLiteral("Halvick"), QStringLiteral("Lumastrand"));
    QSignalSpy spy(&app, &App::mouseButtonPress);
    PressProbe probe;
    probe.spy = &spy;
    probe.resize(50, 50);
    probe.show();
    QVERIFY(QTest::qWaitForWindowExposed(&probe));

    QTest::mouseClick(&probe, Qt::LeftButton);
    QCOMPARE(probe.seenAtPress, 1);
    QCOMPARE(spy.count(), 1);
    QTest::mouseClick(&probe, Qt::RightButton);
    QCOMPARE(spy.count(), 2);
}

void TestShellBasics::mainWidgetGetsHiddenOverlay()
{
    AppArgs args;
    App app(args.argc, args.argv, QStringLiteral("Halvick"), QStringLiteral("Lumastrand"));
    QWidget first;
    first.resize(290, 390);
    first.show();
    app.setMainWidget(&first);
    QCOMPARE(app.mainWidget(), &first);
    QPointer<QLabel> overlay = app.blenderWidget();
    QVERIFY(overlay);
    QCOMPARE(overlay->objectName(), QStringLiteral("MainWidgetBlender"));
    QCOMPARE(overlay->parentWidget(), &first);
    QVERIFY(overlay->isHidden());
    QCOMPARE(overlay->geometry(), first.rect());

    first.resize(290, 500);
    QCOMPARE(overlay->geometry(), first.rect());

    QWidget second;
    app.setMainWidget(&second);
    QVERIFY(!overlay);
    QCOMPARE(app.blenderWidget()->parentWidget(), &second);
}

int main(int argc, char** argv)
{
    TestShellBasics test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_shellbasics.moc"
