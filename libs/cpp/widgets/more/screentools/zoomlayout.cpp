#include "zoomlayout.h"

namespace QMWidgets {

ZoomLayout ZoomLayout::of(const QSize& scaledSize, const QSize& areaSize)
{
    ZoomLayout layout;
    const bool wide = scaledSize.width() >= areaSize.width();
    const bool tall = scaledSize.height() >= areaSize.height();
    layout.labelSize
        = QSize(wide ? scaledSize.width() : areaSize.width(), tall ? scaledSize.height() : areaSize.height());
    layout.horizontal = wide ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
    layout.vertical = tall ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
    return layout;
}

QSize ZoomLayout::zoomed(const QSize& pictureSize, int percent)
{
    return (pictureSize * percent) / 100.0;
}

} // namespace QMWidgets
