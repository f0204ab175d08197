// Checks the text files that an export run copies unchanged from the resource
// bundle into the output tree: their exact bytes (size, line ends, byte-order
// mark, last bytes), that JSON and XML tools accept them, and their content.

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

const QByteArray kBom("\xEF\xBB\xBF");

const QString kMainContents(QStringLiteral(":XCode9/main_contents.json"));
const QString kIconContents(QStringLiteral(":XCode9/icon_contents.json"));
const QString kLaunchContents(QStringLiteral(":XCode9/launch_contents.json"));
const QString kReadme(QStringLiteral(":/touchiconsreadme.txt"));
const QString kBrowserConfig(QStringLiteral(":/browserconfig.xml"));
const QString kWebManifest(QStringLiteral(":/manifest.json"));
const QString kAppxManifest(QStringLiteral(":/AppxManifest.xml"));

const QStringList kAllTemplates { kMainContents,  kIconContents, kLaunchContents, kReadme,
                                  kBrowserConfig, kWebManifest,  kAppxManifest };

QByteArray readResource(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

QJsonObject jsonRoot(const QString& path)
{
    return QJsonDocument::fromJson(readResource(path)).object();
}

struct ToolRun
{
    bool started = false;
    int exitCode = -1;
    QByteArray errors;
};

// Feeds `input` to an external checker on its standard input.
ToolRun runChecker(const QString& program, const QStringList& arguments, const QByteArray& input)
{
    ToolRun run;
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted())
        return run;
    run.started = true;
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.errors = process.readAllStandardError();
    return run;
}

// The keys of every JSON object that opens at nesting level `depth` (the root
// object is level 1, counting objects and arrays alike), in the order they are
// written. QJsonObject sorts its keys, so the written order has to be read from
// the raw text.
QList<QStringList> writtenKeys(const QByteArray& json, int depth)
{
    QList<QStringList> objects;
    QByteArray open; // the containers enclosing the current position
    for (int i = 0; i < json.size(); ++i) {
        const char c = json.at(i);
        if (c == '{' || c == '[') {
            open.append(c);
            if (c == '{' && open.size() == depth)
                objects.append(QStringList());
        } else if (c == '}' || c == ']') {
            open.chop(1);
        } else if (c == '"') {
            const int start = i + 1;
            for (++i; i < json.size() && json.at(i) != '"'; ++i) {
                if (json.at(i) == '\\')
                    ++i;
            }
            const QByteArray text = json.mid(start, i - start);
            int next = i + 1;
            while (next < json.size() && QChar::isSpace(uint(json.at(next))))
                ++next;
            const bool isKey = next < json.size() && json.at(next) == ':';
            if (isKey && open.size() == depth && open.endsWith('{') && !objects.isEmpty())
                objects.last().append(QString::fromLatin1(text));
        }
    }
    return objects;
}

// The attribute names of an XML element, in document order.
QStringList attributeNames(const QXmlStreamAttributes& attributes)
{
    QStringList names;
    for (const QXmlStreamAttribute& attribute : attributes)
        names.append(attribute.qualifiedName().toString());
    return names;
}

} // namespace

class TestTemplates : public QObject
{
    Q_OBJECT

private slots:
    void byteForm_data();
    void byteForm();
    void jsonIsValid_data();
    void jsonIsValid();
    void xmlIsWellFormed_data();
    void xmlIsWellFormed();
    void catalogFrame_data();
    void catalogFrame();
    void iconSetEntry_data();
    void iconSetEntry();
    void iconSetFileNames();
    void launchSetEntry_data();
    void launchSetEntry();
    void launchSetFileNames();
    void webManifestIcon_data();
    void webManifestIcon();
    void webManifestKeepsItsFixedName();
    void browserConfig();
    void readmeLine_data();
    void readmeLine();
    void appxPlaceholder_data();
    void appxPlaceholder();
    void appxStructure();
    void noBaseName_data();
    void noBaseName();
};

void TestTemplates::byteForm_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("lineEnds");
    QTest::addColumn<bool>("crlf");
    QTest::addColumn<bool>("bom");
    QTest::addColumn<QByteArray>("tail");

    QTest::newRow("catalog") << kMainContents << 62 << 5 << false << false << QByteArray("  }\n}");
    QTest::newRow("icon set") << kIconContents << 2420 << 121 << false << false << QByteArray("  }\n}");
    QTest::newRow("launch set") << kLaunchContents << 4046 << 161 << false << false << QByteArray("  }\n}");
    QTest::newRow("readme") << kReadme << 1690 << 22 << true << false
                            << QByteArray("href=\"/vorpix/manifest.json\">\r\n");
    QTest::newRow("browserconfig") << kBrowserConfig << 302 << 1 << false << false
                                   << QByteArray("</tile></msapplication></browserconfig>");
    QTest::newRow("web manifest") << kWebManifest << 762 << 40 << false << false << QByteArray("  }\n ]\n}");
    QTest::newRow("appx manifest") << kAppxManifest << 2637 << 36 << true << true
                                   << QByteArray("  </Applications>\r\n</Package>");
}

void TestTemplates::byteForm()
{
    QFETCH(QString, path);
    QFETCH(int, size);
    QFETCH(int, lineEnds);
    QFETCH(bool, crlf);
    QFETCH(bool, bom);
    QFETCH(QByteArray, tail);

    QVERIFY2(QFile::exists(path), qPrintable(path));
    const QByteArray data = readResource(path);
    QCOMPARE(data.size(), size);

    QCOMPARE(data.startsWith(kBom), bom);
    QCOMPARE(data.count(kBom), bom ? 1 : 0);
    const QByteArray text = bom ? data.mid(kBom.size()) : data;
    for (const char c : text)
        QVERIFY2(uchar(c) < 0x80, "only ASCII after the byte-order mark");

    QCOMPARE(data.count('\n'), lineEnds);
    if (crlf) {
        QCOMPARE(data.count('\r'), lineEnds);
        for (int i = 0; i < data.size(); ++i) {
            if (data.at(i) == '\n')
                QVERIFY2(i > 0 && data.at(i - 1) == '\r', "LF without CR");
            if (data.at(i) == '\r')
                QVERIFY2(i + 1 < data.size() && data.at(i + 1) == '\n', "CR without LF");
        }
    } else {
        QCOMPARE(data.count('\r'), 0);
    }

    QVERIFY2(data.endsWith(tail), data.right(tail.size() + 8).constData());
    // Only the read-me ends with a line end.
    QCOMPARE(data.endsWith("\r\n"), path == kReadme);
    QVERIFY(!data.endsWith("\r\n\r\n"));
}

void TestTemplates::jsonIsValid_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("catalog") << kMainContents;
    QTest::newRow("icon set") << kIconContents;
    QTest::newRow("launch set") << kLaunchContents;
    QTest::newRow("web manifest") << kWebManifest;
}

void TestTemplates::jsonIsValid()
{
    QFETCH(QString, path);
    const QByteArray data = readResource(path);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(data, &error);
    QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
    QVERIFY(document.isObject());

    const QString jq = QStandardPaths::findExecutable(QStringLiteral("jq"));
    if (jq.isEmpty())
        QSKIP("jq is not installed");
    const ToolRun run = runChecker(jq, { QStringLiteral(".") }, data);
    QVERIFY(run.started);
    QVERIFY2(run.exitCode == 0, run.errors.constData());
}

void TestTemplates::xmlIsWellFormed_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("root");
    QTest::newRow("browserconfig") << kBrowserConfig << "browserconfig";
    QTest::newRow("appx manifest") << kAppxManifest << "Package";
}

void TestTemplates::xmlIsWellFormed()
{
    QFETCH(QString, path);
    QFETCH(QString, root);
    const QByteArray data = readResource(path);

    QXmlStreamReader reader(data);
    QString firstElement;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartDocument()) {
            QCOMPARE(reader.documentVersion().toString(), QStringLiteral("1.0"));
            QCOMPARE(reader.documentEncoding().toString(), QStringLiteral("utf-8"));
        }
        if (reader.isStartElement() && firstElement.isEmpty())
            firstElement = reader.name().toString();
    }
    QVERIFY2(!reader.hasError(), qPrintable(reader.errorString()));
    QCOMPARE(firstElement, root);

    const QString xmllint = QStandardPaths::findExecutable(QStringLiteral("xmllint"));
    if (xmllint.isEmpty())
        QSKIP("xmllint is not installed");
    const ToolRun run = runChecker(xmllint, { QStringLiteral("--noout"), QStringLiteral("-") }, data);
    QVERIFY(run.started);
    QVERIFY2(run.exitCode == 0, run.errors.constData());
}

void TestTemplates::catalogFrame_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("rootKeys");
    QTest::newRow("catalog") << kMainContents << QStringList { "info" };
    QTest::newRow("icon set") << kIconContents << QStringList { "images", "info" };
    QTest::newRow("launch set") << kLaunchContents << QStringList { "images", "info" };
}

void TestTemplates::catalogFrame()
{
    QFETCH(QString, path);
    QFETCH(QStringList, rootKeys);
    const QByteArray data = readResource(path);

    const QList<QStringList> root = writtenKeys(data, 1);
    QCOMPARE(root.size(), 1);
    QCOMPARE(root.first(), rootKeys);

    const QJsonObject info = jsonRoot(path).value("info").toObject();
    QCOMPARE(info, (QJsonObject { { "version", 1 }, { "author", "xcode" } }));
    QVERIFY(info.value("version").isDouble());
    // The only object at the second level is "info" ("images" is an array).
    QCOMPARE(writtenKeys(data, 2), (QList<QStringList> { { "version", "author" } }));
    QVERIFY(data.contains("  \"info\" : {\n    \"version\" : 1,\n    \"author\" : \"xcode\"\n  }\n}"));
}

void TestTemplates::iconSetEntry_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("idiom");
    QTest::addColumn<QString>("filename");
    QTest::addColumn<QString>("scale");

    const struct
    {
        const char* size;
        const char* idiom;
        const char* filename;
        const char* scale;
    } rows[] = {
        { "20x20", "ipad", "Icon-20x20.png", "1x" },
        { "20x20", "iphone", "Icon-20x20@2x.png", "2x" },
        { "20x20", "ipad", "Icon-20x20@2x.png", "2x" },
        { "20x20", "iphone", "Icon-20x20@3x.png", "3x" },
        { "29x29", "iphone", "Icon-29x29.png", "1x" },
        { "29x29", "iphone", "Icon-29x29@2x.png", "2x" },
        { "29x29", "iphone", "Icon-29x29@3x.png", "3x" },
        { "29x29", "ipad", "Icon-29x29.png", "1x" },
        { "29x29", "ipad", "Icon-29x29@2x.png", "2x" },
        { "40x40", "iphone", "Icon-40x40@2x.png", "2x" },
        { "40x40", "iphone", "Icon-40x40@3x.png", "3x" },
        { "40x40", "ipad", "Icon-40x40.png", "1x" },
        { "40x40", "ipad", "Icon-40x40@2x.png", "2x" },
        { "60x60", "iphone", "Icon-60x60@2x.png", "2x" },
        { "60x60", "iphone", "Icon-60x60@3x.png", "3x" },
        { "76x76", "ipad", "Icon-76x76.png", "1x" },
        { "76x76", "ipad", "Icon-76x76@2x.png", "2x" },
        { "83.5x83.5", "ipad", "Icon-83x83@2x.png", "2x" },
        { "1024x1024", "ios-marketing", "Icon-1024x1024.png", "1x" },
    };
    int index = 0;
    for (const auto& row : rows) {
        QTest::addRow("%d %s %s", index + 1, row.idiom, row.filename)
            << index << row.size << row.idiom << row.filename << row.scale;
        ++index;
    }
}

void TestTemplates::iconSetEntry()
{
    QFETCH(int, index);
    QFETCH(QString, size);
    QFETCH(QString, idiom);
    QFETCH(QString, filename);
    QFETCH(QString, scale);

    const QJsonArray images = jsonRoot(kIconContents).value("images").toArray();
    QCOMPARE(images.size(), 19);
    const QJsonObject expected {
        { "size", size }, { "idiom", idiom }, { "filename", filename }, { "scale", scale }
    };
    QCOMPARE(images.at(index).toObject(), expected);

    const QList<QStringList> keys = writtenKeys(readResource(kIconContents), 3);
    QCOMPARE(keys.size(), 19);
    QCOMPARE(keys.at(index), (QStringList { "size", "idiom", "filename", "scale" }));
}

void TestTemplates::iconSetFileNames()
{
    // The fifteen pictures that the asset catalog step copies into the icon set.
    const QSet<QString> copied { "Icon-20x20.png",    "Icon-20x20@2x.png", "Icon-20x20@3x.png",
                                 "Icon-29x29.png",    "Icon-29x29@2x.png", "Icon-29x29@3x.png",
                                 "Icon-40x40.png",    "Icon-40x40@2x.png", "Icon-40x40@3x.png",
                                 "Icon-60x60@2x.png", "Icon-60x60@3x.png", "Icon-76x76.png",
                                 "Icon-76x76@2x.png", "Icon-83x83@2x.png", "Icon-1024x1024.png" };
    QCOMPARE(copied.size(), 15);

    const QJsonArray images = jsonRoot(kIconContents).value("images").toArray();
    QSet<QString> named;
    int twentyAt2x = 0;
    for (const QJsonValue& image : images) {
        const QString filename = image.toObject().value("filename").toString();
        named.insert(filename);
        if (filename == QLatin1String("Icon-20x20@2x.png"))
            ++twentyAt2x;
    }
    QCOMPARE(named, copied);
    // One picture serves both the iPhone and the iPad entry.
    QCOMPARE(twentyAt2x, 2);
}

void TestTemplates::launchSetEntry_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QJsonObject>("expected");
    QTest::addColumn<QStringList>("keyOrder");

    const QStringList a { "extent",      "idiom", "subtype", "filename", "minimum-system-version",
                          "orientation", "scale" };
    const QStringList b { "orientation", "idiom", "filename", "extent", "minimum-system-version", "scale" };
    const QStringList c { "orientation", "idiom", "filename", "extent", "scale" };
    const QStringList d { "orientation", "idiom", "filename", "extent", "subtype", "scale" };

    // Empty texts mark keys the entry does not have.
    const struct
    {
        const char* idiom;
        const char* subtype;
        const char* orientation;
        const char* extent;
        const char* minimumVersion;
        const char* scale;
        const char* filename;
        const QStringList* order;
    } rows[] = {
        { "iphone", "736h", "portrait", "full-screen", "8.0", "3x", "iPhonePortraitRetinaHD55.png", &a },
        { "iphone", "736h", "landscape", "full-screen", "8.0", "3x", "iPhoneLandscapeRetinaHD55.png", &a },
        { "iphone", "667h", "portrait", "full-screen", "8.0", "2x", "iPhonePortraitRetinaHD47.png", &a },
        { "iphone", "", "portrait", "full-screen", "7.0", "2x", "iPhonePortrait_2x.png", &b },
        { "iphone", "retina4", "portrait", "full-screen", "7.0", "2x", "iPhonePortrait_Retina4.png", &a },
        { "ipad", "", "portrait", "full-screen", "7.0", "1x", "iPadPortrait_1x.png", &b },
        { "ipad", "", "landscape", "full-screen", "7.0", "1x", "iPadLandscape_1x.png", &b },
        { "ipad", "", "portrait", "full-screen", "7.0", "2x", "iPadPortrait_2x.png", &b },
        { "ipad", "", "landscape", "full-screen", "7.0", "2x", "iPadLandscape_2x.png", &b },
        { "iphone", "", "portrait", "full-screen", "", "1x", "iPhonePortrait_1x.png", &c },
        { "iphone", "", "portrait", "full-screen", "", "2x", "iPhonePortrait_2x.png", &c },
        { "iphone", "retina4", "portrait", "full-screen", "", "2x", "iPhonePortrait_Retina4.png", &d },
        { "ipad", "", "portrait", "to-status-bar", "", "1x", "iPadPortraitWithoutStatusBar_1x.png", &c },
        { "ipad", "", "portrait", "full-screen", "", "1x", "iPadPortrait_1x.png", &c },
        { "ipad", "", "landscape", "to-status-bar", "", "1x", "iPadLandscapeWithoutStatusBar_1x.png", &c },
        { "ipad", "", "landscape", "full-screen", "", "1x", "iPadLandscape_1x.png", &c },
        { "ipad", "", "portrait", "to-status-bar", "", "2x", "iPadPortraitWithoutStatusBar_2x.png", &c },
        { "ipad", "", "portrait", "full-screen", "", "2x", "iPadPortrait_2x.png", &c },
        { "ipad", "", "landscape", "to-status-bar", "", "2x", "iPadLandscapeWithoutStatusBar_2x.png", &c },
        { "ipad", "", "landscape", "full-screen", "", "2x", "iPadLandscape_2x.png", &c },
    };
    int index = 0;
    for (const auto& row : rows) {
        QJsonObject expected { { "idiom", row.idiom },
                               { "orientation", row.orientation },
                               { "extent", row.extent },
                               { "scale", row.scale },
                               { "filename", row.filename } };
        if (*row.subtype)
            expected.insert("subtype", row.subtype);
        if (*row.minimumVersion)
            expected.insert("minimum-system-version", row.minimumVersion);
        QTest::addRow("%d %s", index + 1, row.filename) << index << expected << *row.order;
        ++index;
    }
}

void TestTemplates::launchSetEntry()
{
    QFETCH(int, index);
    QFETCH(QJsonObject, expected);
    QFETCH(QStringList, keyOrder);

    const QJsonArray images = jsonRoot(kLaunchContents).value("images").toArray();
    QCOMPARE(images.size(), 20);
    QCOMPARE(images.at(index).toObject(), expected);

    const QList<QStringList> keys = writtenKeys(readResource(kLaunchContents), 3);
    QCOMPARE(keys.size(), 20);
    QCOMPARE(keys.at(index), keyOrder);
}

void TestTemplates::launchSetFileNames()
{
    QSet<QString> named;
    for (const QJsonValue& image : jsonRoot(kLaunchContents).value("images").toArray())
        named.insert(image.toObject().value("filename").toString());
    QCOMPARE(named.size(), 14);
    QVERIFY(named.contains("iPhonePortraitRetinaHD55.png"));
    QVERIFY(named.contains("iPadLandscapeWithoutStatusBar_2x.png"));
}

void TestTemplates::webManifestIcon_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("sizes");
    QTest::addColumn<QString>("density");
    QTest::newRow("36") << 0 << "36x36"
                        << "0.75";
    QTest::newRow("48") << 1 << "48x48"
                        << "1.0";
    QTest::newRow("72") << 2 << "72x72"
                        << "1.5";
    QTest::newRow("96") << 3 << "96x96"
                        << "2.0";
    QTest::newRow("144") << 4 << "144x144"
                         << "3.0";
    QTest::newRow("192") << 5 << "192x192"
                         << "4.0";
}

void TestTemplates::webManifestIcon()
{
    QFETCH(int, index);
    QFETCH(QString, sizes);
    QFETCH(QString, density);

    const QByteArray data = readResource(kWebManifest);
    const QJsonArray icons = QJsonDocument::fromJson(data).object().value("icons").toArray();
    QCOMPARE(icons.size(), 6);
    const QJsonObject expected { { "src", "/vorpix/android-icon-" + sizes + ".png" },
                                 { "sizes", sizes },
                                 { "type", "image/png" },
                                 { "density", density } };
    QCOMPARE(icons.at(index).toObject(), expected);

    // Only the first slash of the path is escaped.
    const QString src = "\"src\": \"\\/vorpix/android-icon-" + sizes + ".png\"";
    QVERIFY2(data.contains(src.toLatin1()), qPrintable(src));

    const QList<QStringList> keys = writtenKeys(data, 3);
    QCOMPARE(keys.size(), 6);
    QCOMPARE(keys.at(index), (QStringList { "src", "sizes", "type", "density" }));
}

void TestTemplates::webManifestKeepsItsFixedName()
{
    const QByteArray data = readResource(kWebManifest);
    QCOMPARE(jsonRoot(kWebManifest).value("name").toString(), QStringLiteral("App"));
    QVERIFY(data.startsWith("{\n \"name\": \"App\",\n \"icons\": [\n  {\n   \"src\""));
    QCOMPARE(writtenKeys(data, 1), (QList<QStringList> { { "name", "icons" } }));
    QCOMPARE(data.count("\"type\": \"image\\/png\""), 6);
    QCOMPARE(data.count("\\/"), 12);
}

void TestTemplates::browserConfig()
{
    const QByteArray data = readResource(kBrowserConfig);
    QVERIFY(data.startsWith("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<browserconfig>"));
    // Everything after the declaration stands on one line with nothing between the elements.
    QVERIFY(!data.contains("> "));
    QVERIFY(!data.contains(" <"));
    QVERIFY(!data.contains(" />"));

    QStringList elements;
    QXmlStreamReader reader(data);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            QString entry = reader.name().toString();
            for (const QXmlStreamAttribute& attribute : reader.attributes())
                entry += ' ' + attribute.name().toString() + '=' + attribute.value().toString();
            elements.append(entry);
        } else if (reader.isCharacters()) {
            elements.append("text " + reader.text().toString());
        }
    }
    QVERIFY(!reader.hasError());
    const QStringList expected { "browserconfig",
                                 "msapplication",
                                 "tile",
                                 "square70x70logo src=/vorpix/ms-icon-70x70.png",
                                 "square150x150logo src=/vorpix/ms-icon-150x150.png",
                                 "square310x310logo src=/vorpix/ms-icon-310x310.png",
                                 "TileColor",
                                 "text #ffffff" };
    QCOMPARE(elements, expected);
}

void TestTemplates::readmeLine_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("text");
    QTest::newRow("1") << 1 << "1. Copy the \"vorpix\" directory into the root location of the web site";
    QTest::newRow("2")
        << 2
        << "2. Copy \"browserconfig.xml\", \"favicon.ico\" and \"apple-touch-icon.png\" into the "
           "root location of the web site";
    QTest::newRow("3") << 3 << "3. Add the folowing lines into the HEAD-section of your HTML page:";
    QTest::newRow("4") << 4 << "";
    QTest::newRow("5") << 5 << "<meta name=\"msapplication-TileColor\" content=\"#ffffff\">";
    QTest::newRow("6") << 6
                       << "<meta name=\"msapplication-TileImage\" content=\"/vorpix/ms-icon-144x144.png\">";
    QTest::newRow("8")
        << 8 << "<link rel=\"icon\" type=\"image/png\" sizes=\"16x16\" href=\"/vorpix/favicon-16x16.png\">";
    QTest::newRow("11") << 11
                        << "<link rel=\"icon\" type=\"image/png\" sizes=\"192x192\"  "
                           "href=\"/vorpix/android-icon-192x192.png\">";
    QTest::newRow("12") << 12 << "<link rel=\"apple-touch-icon\" href=\"/vorpix/apple-icon-60x60.png\">";
    QTest::newRow("16")
        << 16 << "<link rel=\"apple-touch-icon\" sizes=\"180x180\" href=\"/vorpix/apple-icon-180x180.png\">";
    QTest::newRow("18") << 18
                        << "<link rel=\"apple-touch-icon-precomposed\" sizes=\"76x76\" "
                           "href=\"/vorpix/apple-icon-76x76.png\">";
    QTest::newRow("22") << 22 << "<link rel=\"manifest\" href=\"/vorpix/manifest.json\">";
}

void TestTemplates::readmeLine()
{
    QFETCH(int, line);
    QFETCH(QString, text);

    const QList<QByteArray> lines = readResource(kReadme).split('\n');
    QCOMPARE(lines.size(), 23); // 22 lines, each ended by CR LF
    QVERIFY(lines.last().isEmpty());
    QCOMPARE(QString::fromLatin1(lines.at(line - 1)), text + '\r');
    if (line >= 5) {
        QVERIFY(text.startsWith("<meta ") || text.startsWith("<link "));
        QVERIFY(!text.contains("/>"));
    }
}

void TestTemplates::appxPlaceholder_data()
{
    QTest::addColumn<QString>("placeholder");
    QTest::addColumn<int>("count");
    QTest::newRow("name") << "Name=\"!!NAME!!\"" << 1;
    QTest::newRow("id") << "Publisher=\"CN=!!ID!!\"" << 1;
    QTest::newRow("display name") << "!!DisplayName!!" << 2;
    QTest::newRow("description") << "Description=\"!!Description!!\"" << 1;
    QTest::newRow("executable") << "Executable=\"!!AppName!!.exe\"" << 1;
    QTest::newRow("domain") << "Id=\"com.!!yourdomain.AppName!!\"" << 1;
}

void TestTemplates::appxPlaceholder()
{
    QFETCH(QString, placeholder);
    QFETCH(int, count);
    QCOMPARE(readResource(kAppxManifest).count(placeholder.toLatin1()), count);
}

void TestTemplates::appxStructure()
{
    const QByteArray data = readResource(kAppxManifest);
    // Empty elements close with a blank before the slash.
    QVERIFY(!data.contains("\"/>"));
    QVERIFY(data.contains("\r\n  <Identity Name=\"!!NAME!!\" ProcessorArchitecture=\"x86\""));

    const QString ns = QStringLiteral("http://schemas.microsoft.com/appx/manifest/");
    const QMap<QString, QString> expectedNamespaces {
        { "", ns + "foundation/windows10" },
        { "uap", ns + "uap/windows10" },
        { "uap2", ns + "uap/windows10/2" },
        { "uap3", ns + "uap/windows10/3" },
        { "uap4", ns + "uap/windows10/4" },
        { "rescap", ns + "foundation/windows10/restrictedcapabilities" },
        { "rescap3", ns + "foundation/windows10/restrictedcapabilities/3" },
        { "desktop", ns + "desktop/windows10" },
        { "desktop2", ns + "desktop/windows10/2" },
        { "com", ns + "com/windows10" },
        { "wincap3", ns + "foundation/windows10/windowscapabilities/3" },
    };

    QXmlStreamReader reader(data);
    QStringList resourceScales;
    QStringList tiles;
    QStringList capabilities;
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement())
            continue;
        const QString name = reader.qualifiedName().toString();
        const QXmlStreamAttributes attributes = reader.attributes();
        if (name == QLatin1String("Package")) {
            QMap<QString, QString> declared;
            for (const QXmlStreamNamespaceDeclaration& declaration : reader.namespaceDeclarations())
                declared.insert(declaration.prefix().toString(), declaration.namespaceUri().toString());
            QCOMPARE(declared, expectedNamespaces);
            QCOMPARE(attributes.value("IgnorableNamespaces").toString(),
                     QStringLiteral("uap4 wincap3 rescap3 desktop2 com"));
        } else if (name == QLatin1String("Identity")) {
            QCOMPARE(attributeNames(attributes),
                     (QStringList { "Name", "ProcessorArchitecture", "Publisher", "Version" }));
            QCOMPARE(attributes.value("Version").toString(), QStringLiteral("1.0.0.0"));
        } else if (name == QLatin1String("PublisherDisplayName")) {
            QCOMPARE(reader.readElementText(), QStringLiteral("Halvick"));
        } else if (name == QLatin1String("Logo")) {
            QCOMPARE(reader.readElementText(), QStringLiteral("Assets\\StoreLogo.png"));
        } else if (name == QLatin1String("Resource")) {
            const QString language = attributes.value("Language").toString();
            resourceScales.append(
                language.isEmpty() ? attributes.value(ns + "uap/windows10", "Scale").toString() : language);
        } else if (name == QLatin1String("TargetDeviceFamily")) {
            QCOMPARE(attributeNames(attributes), (QStringList { "Name", "MinVersion", "MaxVersionTested" }));
            QCOMPARE(attributes.value("MinVersion").toString(), QStringLiteral("10.0.14393.0"));
            QCOMPARE(attributes.value("MaxVersionTested").toString(), QStringLiteral("10.0.16299.15"));
        } else if (name.endsWith(QLatin1String("Capability"))) {
            capabilities.append(name + ' ' + attributes.value("Name").toString());
        } else if (name == QLatin1String("Application")) {
            QCOMPARE(attributes.value("EntryPoint").toString(),
                     QStringLiteral("Windows.FullTrustApplication"));
        } else if (name == QLatin1String("uap:VisualElements")) {
            QCOMPARE(attributeNames(attributes),
                     (QStringList { "DisplayName", "Description", "BackgroundColor", "Square150x150Logo",
                                    "Square44x44Logo" }));
            QCOMPARE(attributes.value("BackgroundColor").toString(), QStringLiteral("transparent"));
        } else if (name == QLatin1String("uap:DefaultTile")) {
            QCOMPARE(attributeNames(attributes),
                     (QStringList { "Wide310x150Logo", "Square310x310Logo", "Square71x71Logo" }));
        } else if (name == QLatin1String("uap:ShowOn")) {
            tiles.append(attributes.value("Tile").toString());
        }
    }
    QVERIFY2(!reader.hasError(), qPrintable(reader.errorString()));
    QCOMPARE(resourceScales, (QStringList { "en-us", "100", "125", "150", "200", "400" }));
    QCOMPARE(capabilities, (QStringList { "rescap:Capability runFullTrust", "Capability internetClient" }));
    QCOMPARE(tiles, (QStringList { "square150x150Logo", "wide310x150Logo", "square310x310Logo" }));

    // The root's children, in order, each two blanks in.
    const QStringList packageChildren { "Identity",     "Properties",   "Resources",
                                        "Dependencies", "Capabilities", "Applications" };
    int from = 0;
    for (const QString& child : packageChildren) {
        const int at = data.indexOf(("\r\n  <" + child).toLatin1(), from);
        QVERIFY2(at > from, qPrintable(child));
        from = at;
    }
}

void TestTemplates::noBaseName_data()
{
    QTest::addColumn<QString>("baseName");
    QTest::newRow("program name") << "Lumastrand";
    QTest::newRow("typical") << "MyApp";
    QTest::newRow("lower case") << "myicon";
    QTest::newRow("dotted file") << "my.icon";
    QTest::newRow("master") << "master";
}

void TestTemplates::noBaseName()
{
    QFETCH(QString, baseName);
    for (const QString& path : kAllTemplates) {
        const QByteArray data = readResource(path);
        QVERIFY2(!data.isEmpty(), qPrintable(path));
        QVERIFY2(!QString::fromUtf8(data).contains(baseName, Qt::CaseInsensitive), qPrintable(path));
    }
}

QTEST_GUILESS_MAIN(TestTemplates)
#include "tst_templates.moc"
