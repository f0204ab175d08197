// The application object's own services: the settings store, its folders
// and its file copy (which the export run relies on as well).

#include "app.h"
#include "testapp.h"
#include "tooling.h"

#include <QDir>
#include <QLabel>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class TestShellBasics : public QObject
{
    Q_OBJECT

private slots:
    void freshInstallationOnlyOnFirstStart()
    {
        // The test's home is empty; a downloads folder (there on most systems)
        // does not count against a fresh installation.
        QDir().mkpath(QDir::homePath() + QStringLiteral("/Downloads"));
        QVERIFY(TestApp().isFreshInstallation());
        QVERIFY(QDir(QDir::homePath() + QStringLiteral("/Lumastrand")).exists());
        QVERIFY(!TestApp().isFreshInstallation());
    }

    void settingsKeysCarryApplicationPrefix()
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

    void standardDirectories()
    {
        TestApp app;
        // Asked with "make it", the folder is made.
        QCOMPARE(app.workDirectory(true), QDir::homePath() + QStringLiteral("/Lumastrand/"));
        QVERIFY(QDir(app.workDirectory()).exists());
        QCOMPARE(app.resourcesDirectory(), app.applicationDirPath() + QStringLiteral("/Resources/"));
    }

    void copyFile_data()
    {
        QTest::addColumn<QString>("source"); // empty: a file holding "new"
        QTest::addColumn<QString>("atTarget"); // "file": one holding "old"; "folder"
        QTest::addColumn<bool>("copied");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("new copy") << QString() << "" << true << QByteArray("new");
        QTest::newRow("a file is there already: kept") << QString() << "file" << true << QByteArray("old");
        QTest::newRow("folder at the target") << QString() << "folder" << false << QByteArray();
        // Reading the start of a process's memory fails.
        QTest::newRow("source read fails") << "/proc/self/mem"
                                           << "" << false << QByteArray();
    }

    void copyFile()
    {
        QFETCH(QString, source);
        QFETCH(QString, atTarget);
        QFETCH(bool, copied);
        QFETCH(QByteArray, content);
        TestApp app;
        QTemporaryDir dir;
        if (source.isEmpty()) {
            source = dir.filePath(QStringLiteral("in"));
            QVERIFY(TestSupport::writeFile(source, "new"));
        }
        const QString target = dir.filePath(QStringLiteral("copy"));
        QVERIFY(atTarget != "folder" || QDir().mkpath(target));
        QVERIFY(atTarget != "file" || TestSupport::writeFile(target, "old"));

        QString reason;
        QCOMPARE(app.copyFile(source, dir.path(), QStringLiteral("copy"), &reason), copied);
        QCOMPARE(reason.isEmpty(), copied);
        QCOMPARE(TestSupport::fileContents(target), content);
    }

    void dimmingOverlayCoversTheMainWidget()
    {
        TestApp app;
        QWidget page;
        page.resize(290, 390);
        page.show();
        app.setMainWidget(&page);
        QLabel* blender = app.blenderWidget();
        QVERIFY(blender->parentWidget() == &page && blender->isHidden());
        page.resize(290, 580);
        QCOMPARE(blender->geometry(), page.rect());
        app.setMainWidget(nullptr);
        QVERIFY(!app.blenderWidget());
    }
};

QTEST_APPLESS_MAIN(TestShellBasics)

#include "tst_shellbasics.moc"
