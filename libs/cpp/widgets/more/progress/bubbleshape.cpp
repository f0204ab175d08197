#include "bubbleshape.h"

namespace QMWidgets {

namespace {
constexpr qreal kTailHalfWidth = 20.0;
constexpr qreal kTailHeight = 20.0;
constexpr qreal kCornerCut = 3.0;
} // namespace

QPolygonF bubbleOutline(int width, int height, bool pointsDown)
{
    const qreal w = width;
    const qreal h = height;
    const qreal middle = w / 2.0;
    if (pointsDown) {
        const qreal body = h - kTailHeight;
        return QPolygonF({ { 0.0, 0.0 },
                           { w, 0.0 },
                           { w, body },
                           { middle + kTailHalfWidth, body },
                           { middle, h },
                           { middle - kTailHalfWidth, body },
                           { 0.0, body } });
    }
    const qreal body = kTailHeight;
    return QPolygonF({ { 0.0, body + kCornerCut },
                       { kCornerCut, body },
                       { middle - kTailHalfWidth, body },
                       { middle, 0.0 },
                       { middle + kTailHalfWidth, body },
                       { w - kCornerCut, body },
                       { w, body + kCornerCut },
                       { w, h - kCornerCut },
                       { w - kCornerCut, h },
                       { kCornerCut, h },
                       { 0.0, h - kCornerCut } });
}

} // namespace QMWidgets
