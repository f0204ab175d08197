// The "Pictures" page: every picture the library carries and the gallery
// supplies as host, with its resource path.
#include "gallerypages.h"
#include "pictures.h"

#include <QDirIterator>
#include <QListWidget>

namespace {

QWidget* picturesPage()
{
    QMWidgets::Pictures::ensureLibraryPictures();
    auto* list = new QListWidget;
    list->setViewMode(QListView::IconMode);
    list->setIconSize(QSize(64, 64));
    list->setGridSize(QSize(170, 110));
    list->setResizeMode(QListView::Adjust);
    list->setMovement(QListView::Static);
    QStringList paths;
    const QStringList pictureFiles = { QStringLiteral("*.png"), QStringLiteral("*.gif"),
                                       QStringLiteral("*.jpg"), QStringLiteral("*.cur") };
    QDirIterator it(QStringLiteral(":/"), pictureFiles, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        // Qt's own resources are not the library's business.
        if (!path.startsWith(QLatin1String(":/qt-project.org")))
            paths.append(path);
    }
    paths.sort();
    for (const QString& path : paths)
        list->addItem(new QListWidgetItem(QMWidgets::Pictures::icon(path), path));
    return list;
}

} // namespace

LUMASTRAND_GALLERY_PAGE(1000, "Pictures", picturesPage);
