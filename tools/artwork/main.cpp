// lumastrand-artwork: draws every picture of Lumastrand's resource bundle and
// writes them as PNG files into a folder (normally app/resources/images).
//
//   lumastrand-artwork <output folder> [--sheet <contact sheet .png>] [--group <name>]
//
// With --group only the pictures of that catalogue group are written. The
// pictures of the widget gallery's group are written only when asked for, as
// they belong to the gallery's bundle, not to the program's.
#include "artworkcatalog.h"
#include "contactsheet.h"
#include "galleryart.h"
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
    QString sheetPath;
    const int sheetAt = args.indexOf(QStringLiteral("--sheet"));
    if (sheetAt >= 0) {
        if (sheetAt + 1 >= args.size()) {
            std::fprintf(stderr, "--sheet needs a file name\n");
            return 2;
        }
        sheetPath = args.at(sheetAt + 1);
        args.erase(args.begin() + sheetAt, args.begin() + sheetAt + 2);
    }
    QString group;
    const int groupAt = args.indexOf(QStringLiteral("--group"));
    if (groupAt >= 0) {
        if (groupAt + 1 >= args.size()) {
            std::fprintf(stderr, "--group needs a group name\n");
            return 2;
        }
        group = args.at(groupAt + 1);
        args.erase(args.begin() + groupAt, args.begin() + groupAt + 2);
    }
    if (args.size() != 1) {
        std::fprintf(stderr,
                     "usage: lumastrand-artwork <output folder> [--sheet <contact sheet .png>]"
                     " [--group <name>]\n");
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
    return failures == 0 ? 0 : 1;
}
