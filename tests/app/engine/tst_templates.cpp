// The text files an export run copies from the resource bundle: they are well
// formed, and every picture they name is one the export writes beside them, at
// the size they claim. The export's tree is the listing
// that tst_iconsetexport compares with a real run.

#include "tooling.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>

using TestSupport::fileContents;

class TestTemplates : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void namesPicturesTheExportWrites_data();
    void namesPicturesTheExportWrites();

private:
    QMap<QString, QSize> m_tree; // picture (or other file) -> size
};

void TestTemplates::initTestCase()
{
    for (const QByteArray& line :
         fileContents(QStringLiteral(LUMASTRAND_TEST_DATA "/export-all.txt")).split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() == 2)
            m_tree.insert(
                QString::fromUtf8(fields.at(0)),
                QSize(fields.at(1).split('x').value(0).toInt(), fields.at(1).split('x').value(1).toInt()));
    }
    QVERIFY(m_tree.size() > 100);
}

void TestTemplates::namesPicturesTheExportWrites_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QString>("copy"); // where the export copies it
    QTest::addColumn<int>("pictures"); // how many different pictures it names

    const QString catalog("MyApp.iOS/Assets.xcassets/");
    QTest::newRow("catalog") << ":XCode9/main_contents.json" << catalog + "Contents.json" << 0;
    QTest::newRow("icon set") << ":XCode9/icon_contents.json" << catalog + "AppIcon.appiconset/Contents.json"
                              << 15;
    QTest::newRow("launch set") << ":XCode9/launch_contents.json"
                                << catalog + "LaunchImage.launchimage/Contents.json" << 14;
    QTest::newRow("web manifest") << ":/manifest.json"
                                  << "MyApp.webFavicons/vorpix/manifest.json" << 6;
    QTest::newRow("browserconfig") << ":/browserconfig.xml"
                                   << "MyApp.webFavicons/browserconfig.xml" << 3;
    QTest::newRow("readme") << ":/touchiconsreadme.txt"
                            << "MyApp.webFavicons/readme.txt" << 11;
    QTest::newRow("appx manifest") << ":/AppxManifest.xml"
                                   << "MyApp.windowsStore/AppxManifest.xml" << 6;
}

void TestTemplates::namesPicturesTheExportWrites()
{
    QFETCH(QString, resource);
    QFETCH(QString, copy);
    QFETCH(int, pictures);

    const QByteArray data = fileContents(resource);
    QVERIFY(m_tree.contains(copy));
    const QString folder = copy.section('/', 0, -2) + '/';
    // Well formed, as the tools of the platforms read it.
    QJsonParseError error;
    QJsonDocument::fromJson(data, &error);
    QXmlStreamReader xml(data);
    while (!xml.atEnd())
        xml.readNext();
    QVERIFY(resource.endsWith(".json") ? error.error == QJsonParseError::NoError
                                       : resource.endsWith(".txt") || !xml.hasError());

    // Each picture named lies beside the copy, in the web site's "vorpix"
    // folder, or as the scale variants of a Store logo.
    QSet<QString> named;
    static const QRegularExpression name(R"(([\w.@-]+)\.png)");
    for (auto it = name.globalMatch(QString::fromLatin1(data)); it.hasNext();) {
        const QString stem = it.next().captured(1);
        QVERIFY2(m_tree.contains(folder + stem + ".png")
                     || m_tree.contains(folder + "vorpix/" + stem + ".png")
                     || m_tree.contains(folder + "Assets/" + stem + ".scale-100.png"),
                 qPrintable(stem));
        named.insert(stem);
    }
    QCOMPARE(named.size(), pictures);

    // The sizes the catalogs and the web manifest claim are the sizes written.
    const QJsonObject json = QJsonDocument::fromJson(data).object();
    for (const QJsonValue& value : json.value(json.contains("icons") ? "icons" : "images").toArray()) {
        const QJsonObject entry = value.toObject();
        const QString file
            = entry.value(entry.contains("src") ? "src" : "filename").toString().section('/', -1);
        const QSize size = m_tree.value(folder + file);
        if (entry.contains("sizes")) {
            QCOMPARE(entry.value("sizes").toString(),
                     QStringLiteral("%1x%2").arg(size.width()).arg(size.height()));
        } else if (entry.contains("scale") && entry.contains("size")) {
            const double points = entry.value("size").toString().section('x', 0, 0).toDouble();
            QCOMPARE(size.width(), qRound(points * entry.value("scale").toString().left(1).toInt()));
        } else {
            QCOMPARE(entry.value("orientation").toString() == "portrait", size.height() > size.width());
        }
    }
}

QTEST_GUILESS_MAIN(TestTemplates)
#include "tst_templates.moc"
