// lumastrand-artwork: draws every picture of Lumastrand's resource bundle and
// writes them as PNG files into a folder (normally app/resources/images); with
// --slides it also writes the introduction slides of the program's Resources
// folder (normally app/resources/Resources).
//
//   lumastrand-artwork <output folder> [--sheet <contact sheet .png>] [--slides <folder>]
//                      [--group <name>]
//
// With --group only the pictures of that catalogue group are written. The
// pictures of the widget gallery's group are written only when asked for, as
// they belong to the gallery's bundle, not to the program's.
#include "artworkcatalog.h"
#include "contactsheet.h"
#include "galleryart.h"
#include "slideart.h"
#include "gifwriter.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char* argv[])
{
    // The pictures need no screen; run headless unless told otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QStringList args = QCoreApplication::arguments().mid(1);
    // Takes "<option> <value>" out of args; false when the value is missing.
    auto takeOption = [&args](const QString& option, QString& value) {
        const int at = args.indexOf(option);
        if (at < 0)
            return true;
        if (at + 1 >= args.size())
            return false;
        value = args.at(at + 1);
        args.erase(args.begin() + at, args.begin() + at + 2);
        return true;
    };
    QString sheetPath;
    QString slidesFolder;
    if (!takeOption(QStringLiteral("--sheet"), sheetPath)) {
        std::fprintf(stderr, "--sheet needs a file name\n");
        return 2;
    }
    if (!takeOption(QStringLiteral("--slides"), slidesFolder)) {
        std::fprintf(stderr, "--slides needs a folder\n");
        return 2;
    }
    QString group;
    if (!takeOption(QStringLiteral("--group"), group)) {
        std::fprintf(stderr, "--group needs a group name\n");
        return 2;
    }
    if (args.size() != 1) {
        std::fprintf(stderr,
                     "usage: lumastrand-artwork <output folder> [--sheet <contact sheet .png>] "
                     "[--slides <folder>] [--group <name>]\n");
        return 2;
    }

    QDir out(args.first());
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(out.absolutePath()));
        return 1;
    }

    const ArtworkCatalog catalog;
    QVector<ArtworkCatalog::Picture> pictures;
    for (const ArtworkCatalog::Entry& entry : catalog.entries()) {
        if (group.isEmpty() ? entry.group != GalleryArt::group() : entry.group == group)
            pictures.append(ArtworkCatalog::Picture { entry.fileName, entry.group, entry.draw() });
    }
    int failures = 0;
    for (const auto& picture : pictures) {
        const QString path = out.filePath(picture.fileName);
        // Some pictures live in subfolders of their bundle ("pix/search.png").
        out.mkpath(QFileInfo(picture.fileName).path());
        // An animation is drawn as the strip of its frames.
        const bool written = picture.fileName.endsWith(QLatin1String(".gif"))
            ? GifWriter::writeAnimation(GifWriter::framesOfStrip(picture.image), 8, path)
            : ArtworkCatalog::writePng(picture.image, path);
        if (!written) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ++failures;
        }
    }
    std::printf("%d pictures written to %s\n", int(pictures.size()) - failures,
                qPrintable(out.absolutePath()));

    if (!sheetPath.isEmpty()) {
        if (!ArtworkCatalog::writePng(ContactSheet(pictures).render(), sheetPath)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(sheetPath));
            ++failures;
        } else {
            std::printf("contact sheet written to %s\n", qPrintable(sheetPath));
        }
    }
    if (!slidesFolder.isEmpty())
        failures += SlideArt::writeAll(slidesFolder);
    return failures == 0 ? 0 : 1;
}
