// The application object's own services: its folders, its file copy (which
// the export run relies on as well) and the dimming overlay.

#include "app.h"
#include "testapp.h"
#include "tooling.h"

#include <QLabel>
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

    void copyFile_data()
    {
        QTest::addColumn<QString>("source"); // empty: a file holding "new"
        QTest::addColumn<QString>("atTarget"); // "file": one holding "old"; "folder"
        QTest::addColumn<bool>("copied");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("new copy") << QString() << "" << true << QByteArray("new");
        QTest::newRow("a file is there already: kept") << QString() << "file" << true << QByteArray("old");
        QTest::newRow("folder at the target") << QString() << "folder" << false << QByteArray();
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
