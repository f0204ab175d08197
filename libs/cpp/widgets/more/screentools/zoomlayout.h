#pragma once

#include <QSize>
#include <Qt>

namespace QMWidgets {

// How the image area lays out a picture scaled to a zoom: the picture label
// fills the area at least, grows with the picture beyond it, and a scroll bar
// appears only in a direction where the picture does not fit.
struct ZoomLayout
{
    QSize labelSize;
    Qt::ScrollBarPolicy horizontal = Qt::ScrollBarAlwaysOff;
    Qt::ScrollBarPolicy vertical = Qt::ScrollBarAlwaysOff;

    // The layout of a picture of scaledSize in an area of areaSize.
    static ZoomLayout of(const QSize& scaledSize, const QSize& areaSize);
    // The size of a picture of pictureSize at zoom percent, rounded to whole pixels.
    static QSize zoomed(const QSize& pictureSize, int percent);
};

} // namespace QMWidgets
