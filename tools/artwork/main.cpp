// lumastrand-artwork: draws every picture of Lumastrand's resource bundle and
// writes them as PNG files into a folder (normally app/resources/images).
//
//   lumastrand-artwork <output folder> [--sheet <contact sheet .png>]
#include "artworkcatalog.h"
#include "contactsheet.h"

#include <QDir>
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
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: lumastrand-artwork <output folder> [--sheet <contact sheet .png>]\n");
        return 2;
    }

    QDir out(args.first());
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(out.absolutePath()));
        return 1;
    }

    const ArtworkCatalog catalog;
    const auto pictures = catalog.render();
    int failures = 0;
    for (const auto& picture : pictures) {
        const QString path = out.filePath(picture.fileName);
        if (!ArtworkCatalog::writePng(picture.image, path)) {
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
