// The application object's own services: the settings store, its folders
// and its file copy (which the export run relies on as well).

#include "app.h"
#include "testapp.h"
#include "tooling.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class TestShellBasics : public QObject
{
    Q_OBJECT

private slots:
    void freshInstallationOnlyOnFirstStart();
    void settingsKeysCarryApplicationPrefix();
    void standardDirectories();
    void copyFile_data();
    void copyFile();
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

void TestShellBasics::copyFile_data()
{
    QTest::addColumn<QString>("source"); // empty: a file holding "new"
    QTest::addColumn<bool>("folderAtTarget");
    QTest::addColumn<bool>("copied");
    QTest::newRow("new copy") << QString() << false << true;
    QTest::newRow("folder at the target") << QString() << true << false;
    // Reading the start of a process's memory fails.
    QTest::newRow("source read fails") << "/proc/self/mem" << false << false;
}

void TestShellBasics::copyFile()
{
    QFETCH(QString, source);
    QFETCH(bool, folderAtTarget);
    QFETCH(bool, copied);
    TestApp app;
    QTemporaryDir dir;
    if (source.isEmpty()) {
        source = dir.filePath(QStringLiteral("in"));
        QVERIFY(TestSupport::writeFile(source, "new"));
    }
    const QString target = dir.filePath(QStringLiteral("copy"));
    QVERIFY(!folderAtTarget || QDir().mkpath(target));

    QString reason;
    QCOMPARE(app.copyFile(source, dir.path(), QStringLiteral("copy"), &reason), copied);
    QCOMPARE(reason.isEmpty(), copied);
    QCOMPARE(TestSupport::fileContents(target), QByteArray(copied ? "new" : ""));
}

QTEST_APPLESS_MAIN(TestShellBasics)

#include "tst_shellbasics.moc"
