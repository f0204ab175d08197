#pragma once

#include <QRect>
#include <QString>

class QDateTime;

namespace QMWidgets {

// The arithmetic of the screen cropper and measurer, free of widgets.
namespace ScreenCut {

// The rectangle that has a and b as its two inclusive corner pixels, whichever
// way the drag went: a click gives 1 x 1.
QRect between(const QPoint& a, const QPoint& b);

// The part of a picture of pictureSize, painted stretched over a widget of
// widgetSize, that the widget rectangle area shows: every picture pixel that
// lies wholly or partly under it, clipped to the picture. Empty when the area
// misses the widget.
QRect onPicture(const QRect& area, const QSize& widgetSize, const QSize& pictureSize);

// "ScreenShot_" + the time as yyyy-MM-dd_hh-mm-ss + ".png".
QString fileName(const QDateTime& time);

// The measurer's read-out of area: "<width>x<height>", both multiplied by
// scale and truncated.
QString sizeText(const QRect& area, double scale);

} // namespace ScreenCut
} // namespace QMWidgets
