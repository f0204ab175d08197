#include "gallerypages.h"

#include <algorithm>

namespace GalleryPages {

namespace {
QVector<Page>& registry()
{
    static QVector<Page> list;
    return list;
}
} // namespace

bool add(int order, const QString& title, std::function<QWidget*()> make)
{
    registry().append(Page { order, title, std::move(make) });
    return true;
}

QVector<Page> pages()
{
    QVector<Page> sorted = registry();
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const Page& a, const Page& b) { return a.order < b.order; });
    return sorted;
}

} // namespace GalleryPages
