// How the writers read a folder path: the platform marker anywhere in it, the
// launch-image endings only at its end. The names and sizes of a whole export
// are checked against a real run in tst_exportrun.

#include "iconnaming.h"

#include <QtTest>

class TstIconNaming : public QObject
{
    Q_OBJECT

private slots:
    void folderFiles_data();
    void folderFiles();
};

void TstIconNaming::folderFiles_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("watch");
    QTest::addColumn<QString>("files"); // the square icon's "name:side", then the launch images' "name:size"

    const auto row = [](const char* name, const char* folder, int size, bool watch, const char* files) {
        QTest::newRow(name) << QString::fromLatin1(folder) << size << watch << QString::fromLatin1(files);
    };
    row("watch 83", "/o/A.iOS/", 83, true, "AppleWatch-83x83@2x.png:167");
    row("watch flag elsewhere", "/o/A.windows/", 27, true, "icon_27x27.png:27");
    row("phone 150 and launch", "/o/A.windowsphone/", 150, false,
        "logo_large.png:150 logo_480x800.png:480x800");
    row("iconset tested first", "/o/x.iconset/A.iOS/", 57, false, "icon_57x57.png:57 icon_57x57@2x.png:114");
    row("marker mid-path", "/o/A.blackberry/sub/", 92, false, "icon_92x92.png:92");
    row("drawable of any platform", "/o/elsewhere/drawable/", 57, false, "logo.png:480x800");
    row("density folder has no launch image", "/o/A.android/drawable-hdpi/", 72, false, "icon.png:72");
    row("no slash", "/o/Icons/A.iOS", 57, false, "");
    row("case", "/o/Icons/A.ios/", 57, false, "");
    row("store", "/o/A.windowsStore/", 50, false, "");
    row("launch marker not at the end", "/o/A.iOS_LaunchScreens/sub/", 57, false, "");
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

QTEST_GUILESS_MAIN(TstIconNaming)
#include "tst_iconnaming.moc"
