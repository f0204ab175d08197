// Checks the text files that an export run copies unchanged from the resource
// bundle into the output tree: their exact bytes (size, line ends, byte-order
// mark, layout), that JSON and XML tools accept them, and their content in written order.

#include "tooling.h"

#include <QJsonDocument>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>

using TestSupport::fileContents;

namespace {

const QByteArray kBom("\xEF\xBB\xBF");

const QString kMainContents(QStringLiteral(":XCode9/main_contents.json"));
const QString kIconContents(QStringLiteral(":XCode9/icon_contents.json"));
const QString kLaunchContents(QStringLiteral(":XCode9/launch_contents.json"));
const QString kReadme(QStringLiteral(":/touchiconsreadme.txt"));
const QString kBrowserConfig(QStringLiteral(":/browserconfig.xml"));
const QString kWebManifest(QStringLiteral(":/manifest.json"));
const QString kAppxManifest(QStringLiteral(":/AppxManifest.xml"));

// A JSON text in written order (QJsonObject sorts its keys): "{" where an object
// opens in an array or at the root, then "key=value" for each member. Strings
// appear without quotes but with their escapes, other values after a '#', a nested
// container as its opening bracket.
QStringList jsonTokens(const QByteArray& json)
{
    static const QRegularExpression token(R"re(\{|"([^"]*)"\s*:\s*(?:"((?:[^"\\]|\\.)*)"|([^\s,]+)))re");
    QStringList tokens;
    auto it = token.globalMatch(QString::fromLatin1(json));
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        if (m.capturedLength(1) == 0)
            tokens.append(QStringLiteral("{"));
        else
            tokens.append(m.captured(1) + '=' + (m.capturedLength(3) ? '#' + m.captured(3) : m.captured(2)));
    }
    return tokens;
}

// The lines of an expectation written as a raw string literal that starts with a
// line end; a line that starts with a blank continues the line before.
QStringList lines(const char* text)
{
    return QString::fromLatin1(text).mid(1).replace("\n ", " ").split('\n');
}

// Expected jsonTokens(): each line of `text` holds tokens, or, when its first word
// names a key order in `orders`, the values of one object with those keys.
QStringList expectedJson(const QMap<QString, QString>& orders, const char* text)
{
    QStringList tokens;
    for (const QString& line : lines(text)) {
        QStringList words = line.split(' ');
        if (!orders.contains(words.first())) {
            tokens += words;
            continue;
        }
        const QStringList keys = orders.value(words.takeFirst()).split(' ');
        tokens.append(words.size() == keys.size() ? QStringLiteral("{") : "wrong number of values: " + line);
        for (int i = 0; i < keys.size(); ++i)
            tokens.append(keys.at(i) + '=' + words.value(i));
    }
    return tokens;
}

// The elements of an XML document in order, each as "name attribute=value ..." followed by
// its namespace declarations as "xmlns[:prefix]=uri", and each text that is not blank.
QStringList xmlOutline(const QByteArray& xml)
{
    QStringList outline;
    QXmlStreamReader reader(xml);
    while (reader.readNext() != QXmlStreamReader::Invalid && !reader.atEnd()) {
        if (reader.isStartElement()) {
            QString entry = reader.qualifiedName().toString();
            for (const QXmlStreamAttribute& attribute : reader.attributes())
                entry += ' ' + attribute.qualifiedName().toString() + '=' + attribute.value().toString();
            outline.append(entry);
            for (const QXmlStreamNamespaceDeclaration& declaration : reader.namespaceDeclarations()) {
                const QString prefix = declaration.prefix().toString();
                outline.append((prefix.isEmpty() ? QStringLiteral("xmlns") : "xmlns:" + prefix) + '='
                               + declaration.namespaceUri().toString());
            }
        } else if (reader.isCharacters() && !reader.isWhitespace()) {
            outline.append("text " + reader.text().toString());
        }
    }
    if (reader.hasError())
        outline.append("error " + reader.errorString());
    return outline;
}

} // namespace

class TestTemplates : public QObject
{
    Q_OBJECT

private slots:
    void byteForm_data();
    void byteForm();
    void toolsAccept_data();
    void toolsAccept();
    void content_data();
    void content();
};

void TestTemplates::byteForm_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("lineEnds");
    QTest::addColumn<bool>("crlf");
    QTest::addColumn<bool>("bom");
    QTest::addColumn<QByteArray>("piece"); // shows the layout

    const QByteArray info("\n  \"info\" : {\n    \"version\" : 1,\n    \"author\" : \"xcode\"\n  }\n}");
    QTest::newRow("catalog") << kMainContents << 62 << 5 << false << false << info;
    QTest::newRow("icon set") << kIconContents << 2420 << 121 << false << false << info;
    QTest::newRow("launch set") << kLaunchContents << 4046 << 161 << false << false << info;
    QTest::newRow("browserconfig") << kBrowserConfig << 302 << 1 << false << false
                                   << QByteArray(
                                          "?>\n<browserconfig><msapplication><tile><square70x70logo src=");
    QTest::newRow("web manifest") << kWebManifest << 762 << 40 << false << false
                                  << QByteArray("{\n \"name\": \"App\",\n \"icons\": [\n  {\n   \"src\"");
    // Empty elements close with a blank before the slash.
    QTest::newRow("appx manifest") << kAppxManifest << 2637 << 36 << true << true
                                   << QByteArray("Version=\"1.0.0.0\" />\r\n  <Properties>\r\n");
}

void TestTemplates::byteForm()
{
    QFETCH(QString, path);
    QFETCH(int, size);
    QFETCH(int, lineEnds);
    QFETCH(bool, crlf);
    QFETCH(bool, bom);
    QFETCH(QByteArray, piece);

    const QByteArray data = fileContents(path);
    QCOMPARE(data.size(), size);
    QCOMPARE(data.startsWith(kBom), bom);
    QCOMPARE(data.count(kBom), bom ? 1 : 0);
    const QByteArray text = data.mid(bom ? kBom.size() : 0);
    for (const char c : text)
        QVERIFY2(uchar(c) < 0x80, "only ASCII after the byte-order mark");
    if (path.endsWith(QLatin1String(".xml")))
        QVERIFY(text.startsWith("<?xml version=\"1.0\" encoding=\"utf-8\"?>"));

    // With as many CR and CR LF as LF, every line end is a CR LF pair.
    QCOMPARE(data.count('\n'), lineEnds);
    QCOMPARE(data.count('\r'), crlf ? lineEnds : 0);
    QCOMPARE(data.count("\r\n"), crlf ? lineEnds : 0);
    QVERIFY2(data.contains(piece), piece.constData());
}

void TestTemplates::toolsAccept_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QStringList>("arguments");
    for (const QString& path : { kMainContents, kIconContents, kLaunchContents, kWebManifest })
        QTest::newRow(qPrintable(path)) << path << "jq" << QStringList { "." };
    for (const QString& path : { kBrowserConfig, kAppxManifest })
        QTest::newRow(qPrintable(path)) << path << "xmllint" << QStringList { "--noout", "-" };
}

void TestTemplates::toolsAccept()
{
    QFETCH(QString, path);
    QFETCH(QString, tool);
    QFETCH(QStringList, arguments);
    const QByteArray data = fileContents(path);
    if (tool == QLatin1String("jq")) {
        QJsonParseError error;
        QVERIFY(QJsonDocument::fromJson(data, &error).isObject());
        QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
    } else {
        QVERIFY(!xmlOutline(data).constLast().startsWith(QLatin1String("error ")));
    }

    const TestSupport::ToolRun run = TestSupport::runTool(tool, arguments, QString(), data);
    if (!run.found)
        QSKIP(qPrintable(tool + " is not installed"));
    QVERIFY(run.started);
    QVERIFY(run.finished);
    QVERIFY(!run.crashed);
    QVERIFY2(run.exitCode == 0, qPrintable(run.output));
}

void TestTemplates::content_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("catalog") << kMainContents << QStringList { "{", "info=#{", "version=#1", "author=xcode" };

    // One picture, Icon-20x20@2x.png, serves both an iPhone and an iPad entry.
    QTest::newRow("icon set") << kIconContents << expectedJson({ { "i", "size idiom filename scale" } }, R"(
{ images=#[
i 20x20 ipad Icon-20x20.png 1x
i 20x20 iphone Icon-20x20@2x.png 2x
i 20x20 ipad Icon-20x20@2x.png 2x
i 20x20 iphone Icon-20x20@3x.png 3x
i 29x29 iphone Icon-29x29.png 1x
i 29x29 iphone Icon-29x29@2x.png 2x
i 29x29 iphone Icon-29x29@3x.png 3x
i 29x29 ipad Icon-29x29.png 1x
i 29x29 ipad Icon-29x29@2x.png 2x
i 40x40 iphone Icon-40x40@2x.png 2x
i 40x40 iphone Icon-40x40@3x.png 3x
i 40x40 ipad Icon-40x40.png 1x
i 40x40 ipad Icon-40x40@2x.png 2x
i 60x60 iphone Icon-60x60@2x.png 2x
i 60x60 iphone Icon-60x60@3x.png 3x
i 76x76 ipad Icon-76x76.png 1x
i 76x76 ipad Icon-76x76@2x.png 2x
i 83.5x83.5 ipad Icon-83x83@2x.png 2x
i 1024x1024 ios-marketing Icon-1024x1024.png 1x
info=#{ version=#1 author=xcode)");

    // The launch images come in four key orders.
    const QMap<QString, QString> launchOrders {
        { "a", "extent idiom subtype filename minimum-system-version orientation scale" },
        { "b", "orientation idiom filename extent minimum-system-version scale" },
        { "c", "orientation idiom filename extent scale" },
        { "d", "orientation idiom filename extent subtype scale" },
    };
    QTest::newRow("launch set") << kLaunchContents << expectedJson(launchOrders, R"(
{ images=#[
a full-screen iphone 736h iPhonePortraitRetinaHD55.png 8.0 portrait 3x
a full-screen iphone 736h iPhoneLandscapeRetinaHD55.png 8.0 landscape 3x
a full-screen iphone 667h iPhonePortraitRetinaHD47.png 8.0 portrait 2x
b portrait iphone iPhonePortrait_2x.png full-screen 7.0 2x
a full-screen iphone retina4 iPhonePortrait_Retina4.png 7.0 portrait 2x
b portrait ipad iPadPortrait_1x.png full-screen 7.0 1x
b landscape ipad iPadLandscape_1x.png full-screen 7.0 1x
b portrait ipad iPadPortrait_2x.png full-screen 7.0 2x
b landscape ipad iPadLandscape_2x.png full-screen 7.0 2x
c portrait iphone iPhonePortrait_1x.png full-screen 1x
c portrait iphone iPhonePortrait_2x.png full-screen 2x
d portrait iphone iPhonePortrait_Retina4.png full-screen retina4 2x
c portrait ipad iPadPortraitWithoutStatusBar_1x.png to-status-bar 1x
c portrait ipad iPadPortrait_1x.png full-screen 1x
c landscape ipad iPadLandscapeWithoutStatusBar_1x.png to-status-bar 1x
c landscape ipad iPadLandscape_1x.png full-screen 1x
c portrait ipad iPadPortraitWithoutStatusBar_2x.png to-status-bar 2x
c portrait ipad iPadPortrait_2x.png full-screen 2x
c landscape ipad iPadLandscapeWithoutStatusBar_2x.png to-status-bar 2x
c landscape ipad iPadLandscape_2x.png full-screen 2x
info=#{ version=#1 author=xcode)");

    // Only the first slash of each path is escaped.
    QTest::newRow("web manifest") << kWebManifest << expectedJson({ { "w", "src sizes type density" } }, R"(
{ name=App icons=#[
w \/vorpix/android-icon-36x36.png 36x36 image\/png 0.75
w \/vorpix/android-icon-48x48.png 48x48 image\/png 1.0
w \/vorpix/android-icon-72x72.png 72x72 image\/png 1.5
w \/vorpix/android-icon-96x96.png 96x96 image\/png 2.0
w \/vorpix/android-icon-144x144.png 144x144 image\/png 3.0
w \/vorpix/android-icon-192x192.png 192x192 image\/png 4.0)");

    QTest::newRow("browserconfig") << kBrowserConfig << lines(R"(
browserconfig
msapplication
tile
square70x70logo src=/vorpix/ms-icon-70x70.png
square150x150logo src=/vorpix/ms-icon-150x150.png
square310x310logo src=/vorpix/ms-icon-310x310.png
TileColor
text #ffffff)");

    // "@" stands for the common start of the namespaces.
    QTest::newRow("appx manifest") << kAppxManifest
                                   << lines(R"(
Package IgnorableNamespaces=uap4 wincap3 rescap3 desktop2 com
xmlns=@foundation/windows10
xmlns:uap=@uap/windows10
xmlns:uap2=@uap/windows10/2
xmlns:uap3=@uap/windows10/3
xmlns:uap4=@uap/windows10/4
xmlns:rescap=@foundation/windows10/restrictedcapabilities
xmlns:rescap3=@foundation/windows10/restrictedcapabilities/3
xmlns:desktop=@desktop/windows10
xmlns:desktop2=@desktop/windows10/2
xmlns:com=@com/windows10
xmlns:wincap3=@foundation/windows10/windowscapabilities/3
Identity Name=!!NAME!! ProcessorArchitecture=x86 Publisher=CN=!!ID!! Version=1.0.0.0
Properties
DisplayName
text !!DisplayName!!
PublisherDisplayName
text Halvick
Logo
text Assets\StoreLogo.png
Resources
Resource Language=en-us
Resource uap:Scale=100
Resource uap:Scale=125
Resource uap:Scale=150
Resource uap:Scale=200
Resource uap:Scale=400
Dependencies
TargetDeviceFamily Name=Windows.Desktop MinVersion=10.0.14393.0 MaxVersionTested=10.0.16299.15
Capabilities
rescap:Capability Name=runFullTrust
Capability Name=internetClient
Applications
Application Id=com.!!yourdomain.AppName!! Executable=!!AppName!!.exe EntryPoint=Windows.FullTrustApplication
uap:VisualElements DisplayName=!!DisplayName!! Description=!!Description!! BackgroundColor=transparent
 Square150x150Logo=Assets\Square150x150Logo.png Square44x44Logo=Assets\Square44x44Logo.png
uap:DefaultTile Wide310x150Logo=Assets\Wide310x150Logo.png Square310x310Logo=Assets\Square310x310Logo.png
 Square71x71Logo=Assets\Square71x71Logo.png
uap:ShowNameOnTiles
uap:ShowOn Tile=square150x150Logo
uap:ShowOn Tile=wide310x150Logo
uap:ShowOn Tile=square310x310Logo)")
                                          .replaceInStrings("@",
                                                            "http://schemas.microsoft.com/appx/manifest/");

    // The instructions users follow, with the HTML lines to paste; the typing error
    // and the double blank belong to the text.
    QTest::newRow("readme") << kReadme << lines(R"(
1. Copy the "vorpix" directory into the root location of the web site
2. Copy "browserconfig.xml", "favicon.ico" and "apple-touch-icon.png" into the root location of the web site
3. Add the folowing lines into the HEAD-section of your HTML page:

<meta name="msapplication-TileColor" content="#ffffff">
<meta name="msapplication-TileImage" content="/vorpix/ms-icon-144x144.png">
<meta name="theme-color" content="#ffffff">
<link rel="icon" type="image/png" sizes="16x16" href="/vorpix/favicon-16x16.png">
<link rel="icon" type="image/png" sizes="32x32" href="/vorpix/favicon-32x32.png">
<link rel="icon" type="image/png" sizes="48x48" href="/vorpix/favicon-48x48.png">
<link rel="icon" type="image/png" sizes="192x192"  href="/vorpix/android-icon-192x192.png">
<link rel="apple-touch-icon" href="/vorpix/apple-icon-60x60.png">
<link rel="apple-touch-icon" sizes="76x76" href="/vorpix/apple-icon-76x76.png">
<link rel="apple-touch-icon" sizes="120x120" href="/vorpix/apple-icon-120x120.png">
<link rel="apple-touch-icon" sizes="152x152" href="/vorpix/apple-icon-152x152.png">
<link rel="apple-touch-icon" sizes="180x180" href="/vorpix/apple-icon-180x180.png">
<link rel="apple-touch-icon-precomposed" href="/vorpix/apple-icon-60x60.png">
<link rel="apple-touch-icon-precomposed" sizes="76x76" href="/vorpix/apple-icon-76x76.png">
<link rel="apple-touch-icon-precomposed" sizes="120x120" href="/vorpix/apple-icon-120x120.png">
<link rel="apple-touch-icon-precomposed" sizes="152x152" href="/vorpix/apple-icon-152x152.png">
<link rel="apple-touch-icon-precomposed" sizes="180x180" href="/vorpix/apple-icon-180x180.png">
<link rel="manifest" href="/vorpix/manifest.json">
)");
}

void TestTemplates::content()
{
    QFETCH(QString, path);
    QFETCH(QStringList, expected);
    const QByteArray data = fileContents(path);
    if (path.endsWith(QLatin1String(".json")))
        QCOMPARE(jsonTokens(data), expected);
    else if (path.endsWith(QLatin1String(".xml")))
        QCOMPARE(xmlOutline(data), expected);
    else
        QCOMPARE(QString::fromLatin1(data).split(QStringLiteral("\r\n")), expected);
}

QTEST_GUILESS_MAIN(TestTemplates)
#include "tst_templates.moc"
