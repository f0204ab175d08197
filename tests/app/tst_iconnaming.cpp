// File names, picture sizes and geometry of the icon writers, checked without
// painting, and against the asset catalog templates that refer to the files.

#include "iconnaming.h"
#include "tooling.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

namespace {

const QString kIos(QStringLiteral("/o/Icons/A.iOS/"));

QJsonArray catalogImages(const QString& resource)
{
    const QByteArray json = TestSupport::fileContents(resource);
    return QJsonDocument::fromJson(json).object().value(QStringLiteral("images")).toArray();
}

QString field(const QJsonValue& image, const char* key)
{
    return image.toObject().value(QLatin1String(key)).toString();
}

} // namespace

class TstIconNaming : public QObject
{
    Q_OBJECT

private slots:
    void folderFiles_data();
    void folderFiles();
    void catalogsNameWrittenFiles();
    void tileGeometry_data();
    void tileGeometry();
    void launchLayout_data();
    void launchLayout();
};

void TstIconNaming::folderFiles_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("watch");
    QTest::addColumn<QString>("files"); // the square icon's "name:side", then the launch images' "name:size"

    const QString set(QStringLiteral("/o/Icons/A.iconset/"));
    const QString phone(QStringLiteral("/o/A.windowsphone/"));
    QTest::newRow("iconset") << set << 83 << true << "icon_83x83.png:83 icon_83x83@2x.png:167";
    QTest::newRow("iOS 83") << kIos << 83 << false << "Icon-83x83@2x.png:167";
    QTest::newRow("iOS 64") << kIos << 64 << false << "Icon-64x64.png:64";
    QTest::newRow("iOS 76") << kIos << 76 << false << "Icon-76x76.png:76 Icon-76x76@2x.png:152";
    QTest::newRow("iOS 20") << kIos << 20 << false
                            << "Icon-20x20.png:20 Icon-20x20@2x.png:40 Icon-20x20@3x.png:60";
    QTest::newRow("watch 27") << kIos << 27 << true << "AppleWatch-27x27@2x.png:55";
    QTest::newRow("watch 29") << kIos << 29 << true
                              << "AppleWatch-29x29@2x.png:58 AppleWatch-29x29@3x.png:87";
    QTest::newRow("watch 83") << kIos << 83 << true << "AppleWatch-83x83@2x.png:167";
    QTest::newRow("android density") << "/o/A.android/drawable-hdpi/" << 72 << false << "icon.png:72";
    QTest::newRow("amazon") << "/o/A.android/AmazonAppStore/" << 114 << false << "icon-114x114.png:114";
    QTest::newRow("windows") << "/o/A.windows/" << 27 << true << "icon_27x27.png:27";
    QTest::newRow("phone 150") << phone << 150 << false << "logo_large.png:150 logo_480x800.png:480x800";
    QTest::newRow("phone 50") << phone << 50 << false << "logo_store.png:50 logo_480x800.png:480x800";
    QTest::newRow("phone 173") << phone << 173 << false << "logo_173x173.png:173 logo_480x800.png:480x800";
    QTest::newRow("iconset tested first")
        << "/o/x.iconset/A.iOS/" << 57 << false << "icon_57x57.png:57 icon_57x57@2x.png:114";
    QTest::newRow("marker mid-path") << "/o/A.blackberry/sub/" << 92 << false << "icon_92x92.png:92";
    QTest::newRow("no marker") << "/o/elsewhere/drawable/" << 57 << false << "logo.png:480x800";
    QTest::newRow("no slash") << "/o/Icons/A.iOS" << 57 << false << "";
    QTest::newRow("case") << "/o/Icons/A.ios/" << 57 << false << "";
    QTest::newRow("store") << "/o/A.windowsStore/" << 50 << false << "";
    QTest::newRow("launch marker not at the end") << "/o/A.iOS_LaunchScreens/sub/" << 57 << false << "";
}

void TstIconNaming::folderFiles()
{
    QFETCH(QString, folder);
    QFETCH(int, size);
    QFETCH(bool, watch);
    QFETCH(QString, files);
    QStringList parts;
    for (const IconNaming::IconFile& file : IconNaming::squareIconFiles(folder, size, watch))
        parts << QStringLiteral("%1:%2").arg(file.fileName).arg(file.pixelSize);
    for (const IconNaming::LaunchImage& image : IconNaming::launchImages(folder))
        parts << image.fileName + QStringLiteral(":%1x%2").arg(image.size.width()).arg(image.size.height());
    QCOMPARE(parts.join(QLatin1Char(' ')), files);
}

void TstIconNaming::catalogsNameWrittenFiles()
{
    // The Xcode icon set names only pictures of the export's iOS sizes, each at
    // the pixel size that its point size and scale ask for ...
    QMap<QString, int> icons;
    for (int size : { 16, 20, 32, 64, 29, 40, 48, 50, 57, 58, 60, 72, 76, 83, 1024, 512 }) {
        for (const IconNaming::IconFile& file : IconNaming::squareIconFiles(kIos, size, false))
            icons.insert(file.fileName, file.pixelSize);
    }
    const QJsonArray iconImages = catalogImages(QStringLiteral(":XCode9/icon_contents.json"));
    QVERIFY(!iconImages.isEmpty());
    for (const QJsonValue& image : iconImages) {
        const QString name = field(image, "filename");
        const double points = field(image, "size").section(QLatin1Char('x'), 0, 0).toDouble();
        QVERIFY2(icons.contains(name), qPrintable(name));
        QCOMPARE(icons.value(name), qRound(points * field(image, "scale").left(1).toInt()));
    }

    // ... and the launch set names all fourteen launch images, each in the
    // orientation it claims.
    QMap<QString, QSize> launch;
    for (const IconNaming::LaunchImage& image :
         IconNaming::launchImages(QStringLiteral("/o/A.iOS_LaunchScreens/")))
        launch.insert(image.fileName, image.size);
    QSet<QString> named;
    for (const QJsonValue& image : catalogImages(QStringLiteral(":XCode9/launch_contents.json"))) {
        const QString name = field(image, "filename");
        QVERIFY2(launch.contains(name), qPrintable(name));
        const bool portrait = field(image, "orientation") == QLatin1String("portrait");
        QCOMPARE(launch.value(name).height() > launch.value(name).width(), portrait);
        named.insert(name);
    }
    QCOMPARE(launch.size(), 14);
    QCOMPARE(named.size(), 14);
}

void TstIconNaming::tileGeometry_data()
{
    QTest::addColumn<QSize>("canvas");
    QTest::addColumn<float>("factor");
    QTest::addColumn<int>("side");
    QTest::addColumn<QPointF>("position");

    QTest::newRow("1240 quarter") << QSize(1240, 1240) << 0.25f << 310 << QPointF(465, 465);
    QTest::newRow("465x225 truncates") << QSize(465, 225) << 0.5f << 112 << QPointF(176.5, 56.5);
    QTest::newRow("1000x800") << QSize(1000, 800) << 1.0f << 800 << QPointF(100, 0);
    QTest::newRow("720x1080") << QSize(720, 1080) << 1.0f << 720 << QPointF(0, 180);
    QTest::newRow("square rounds up") << QSize(5, 5) << 0.5f << 3 << QPointF(1, 1);
    QTest::newRow("too large") << QSize(100, 100) << 2.0f << 200 << QPointF(-50, -50);
}

void TstIconNaming::tileGeometry()
{
    QFETCH(QSize, canvas);
    QFETCH(float, factor);
    QFETCH(int, side);
    QFETCH(QPointF, position);
    QCOMPARE(IconNaming::tileIconSide(canvas, factor), side);
    QCOMPARE(IconNaming::tilePosition(canvas, QSize(side, side)), position);
}

void TstIconNaming::launchLayout_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("icon");
    QTest::addColumn<int>("fontPixelSize");

    QTest::newRow("320x480") << QSize(320, 480) << QRect(80, 160, 160, 160) << 40;
    QTest::newRow("2208x1242") << QSize(2208, 1242) << QRect(793, 310, 621, 621) << 155;
    QTest::newRow("750x1334") << QSize(750, 1334) << QRect(187, 479, 375, 375) << 93;
    QTest::newRow("1024x748") << QSize(1024, 748) << QRect(325, 187, 374, 374) << 93;
}

void TstIconNaming::launchLayout()
{
    QFETCH(QSize, size);
    QFETCH(QRect, icon);
    QFETCH(int, fontPixelSize);
    const IconNaming::LaunchLayout layout = IconNaming::launchLayout(size, 2.0f);
    QCOMPARE(QRect(layout.iconPosition, QSize(layout.iconSide, layout.iconSide)), icon);
    QCOMPARE(layout.fontPixelSize, fontPixelSize);
}

QTEST_GUILESS_MAIN(TstIconNaming)
#include "tst_iconnaming.moc"
