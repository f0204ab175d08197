// The application object's own services: settings, folders and file copy.

#include "app.h"
#include "testapp.h"
#include "tooling.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using QMWidgets::App;

using TestSupport::writeFile;

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
    // Asked with "make it", the folder is made.
    QCOMPARE(app.workDirectory(true), QDir::homePath() + QStringLiteral("/Lumastrand/"));
    QVERIFY(QDir(app.workDirectory()).exists());
    QCOMPARE(app.resourcesDirectory(), app.applicationDirPath() + QStringLiteral("/Resources/"));
}

QTEST_APPLESS_MAIN(TestShellBasics)

#include "tst_shellbasics.moc"
