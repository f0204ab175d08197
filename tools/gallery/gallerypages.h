#pragma once

#include <QString>
#include <QVector>

#include <functional>

class QWidget;

// The gallery's pages, one per group of widgets. Each page file registers its
// page with LUMASTRAND_GALLERY_PAGE; the window shows them by ascending order.
namespace GalleryPages {

struct Page
{
    int order = 0;
    QString title;
    std::function<QWidget*()> make;
};

// Registers a page; returns true so that registration can initialise a constant.
bool add(int order, const QString& title, std::function<QWidget*()> make);
// Every registered page, by ascending order.
QVector<Page> pages();

} // namespace GalleryPages

#define LUMASTRAND_GALLERY_PAGE(order, title, make)                                                          \
    static const bool galleryPageAdded = GalleryPages::add(order, QStringLiteral(title), make)
