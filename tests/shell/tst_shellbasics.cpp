// The application object's own services: the settings store and its folders.
// (Its file copy is checked through the export run, which relies on it.)

#include "app.h"
#include "testapp.h"

#include <QDir>
#include <QSettings>
#include <QtTest>

class TestShellBasics : public QObject
{
    Q_OBJECT

private slots:
    void freshInstallationOnlyOnFirstStart();
    void settingsKeysCarryApplicationPrefix();
    void standardDirectories();
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
    app.settings()->setValue(QStringLiteral("AutoReminder"), false);
    QCOMPARE(app.value(QStringLiteral("AutoReminder"), true).toBool(), true);
}

void TestShellBasics::standardDirectories()
{
    TestApp app;
    // Asked with "make it", the folder is made.
    QCOMPARE(app.workDirectory(true), QDir::homePath() + QStringLiteral("/Lumastrand/"));
    QVERIFY(QDir(app.workDirectory()).exists());
    QCOMPARE(app.resourcesDirectory(), app.applicationDirPath() + QStringLiteral("/Resources/"));
}

QTEST_APPLESS_MAIN(TestShellBasics)

#include "tst_shellbasics.moc"
