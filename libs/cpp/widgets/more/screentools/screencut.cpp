#include "screencut.h"

#include <QDateTime>
#include <QPair>

namespace QMWidgets {
namespace ScreenCut {

QRect between(const QPoint& a, const QPoint& b)
{
    return QRect(QPoint(qMin(a.x(), b.x()), qMin(a.y(), b.y())),
                 QPoint(qMax(a.x(), b.x()), qMax(a.y(), b.y())));
}

namespace {
// The first picture pixel under widget pixel `first` and the last one under
// widget pixel `last`, for a picture of `picture` pixels stretched over
// `widget` pixels; first and last lie inside the widget.
QPair<int, int> span(int first, int last, int widget, int picture)
{
    const qint64 from = qint64(first) * picture / widget;
    const qint64 to = (qint64(last + 1) * picture + widget - 1) / widget - 1;
    return { int(from), int(qMax(from, to)) };
}
} // namespace

QRect onPicture(const QRect& area, const QSize& widgetSize, const QSize& pictureSize)
{
    if (widgetSize.isEmpty() || pictureSize.isEmpty())
        return QRect();
    const QRect onWidget = area & QRect(QPoint(0, 0), widgetSize);
    if (onWidget.isEmpty())
        return QRect();
    const auto columns = span(onWidget.left(), onWidget.right(), widgetSize.width(), pictureSize.width());
    const auto rows = span(onWidget.top(), onWidget.bottom(), widgetSize.height(), pictureSize.height());
    return QRect(QPoint(columns.first, rows.first), QPoint(columns.second, rows.second))
        & QRect(QPoint(0, 0), pictureSize);
}

QString fileName(const QDateTime& time)
{
    return QStringLiteral("ScreenShot_") + time.toString(QStringLiteral("yyyy-MM-dd_hh-mm-ss"))
        + QStringLiteral(".png");
}

QString sizeText(const QRect& area, double scale)
{
    return QStringLiteral("%1x%2").arg(qAbs(int(area.width() * scale))).arg(qAbs(int(area.height() * scale)));
}

} // namespace ScreenCut
} // namespace QMWidgets
