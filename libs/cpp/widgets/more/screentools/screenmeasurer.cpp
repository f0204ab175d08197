#include "screenmeasurer.h"

#include "os.h"
#include "screencut.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

namespace QMWidgets {

ScreenMeasurer::ScreenMeasurer(QWidget* parent)
    : ScreenCropper(parent)
{
    clearSaveLocation();
}

QString ScreenMeasurer::readOut() const
{
    if (!m_selecting)
        return QString();
    return ScreenCut::sizeText(ScreenCut::between(m_startPoint, m_endPoint),
                               m_measureScale / Os::scaleFactor());
}

void ScreenMeasurer::grabScreen()
{
    m_selecting = false;
    m_screenPixmap = grabDesktopPicture();
    // Shown at once when the host shows the tool again at the same size.
    restoreScreen();
    // The host may delete the tool when the grab is done.
    const QPointer<ScreenMeasurer> alive(this);
    emit done();
    if (!alive)
        return;
    repaint();
    setFocus(Qt::ActiveWindowFocusReason);
    setCursor(Qt::CrossCursor);
    // A hidden measurer takes the cursor only once the host shows it.
    if (isVisible())
        setToolCursor(Qt::CrossCursor);
}

void ScreenMeasurer::showEvent(QShowEvent* event)
{
    ScreenCropper::showEvent(event);
    setToolCursor(Qt::CrossCursor);
}

void ScreenMeasurer::slotClose()
{
    releaseToolCursor();
    m_selecting = false;
    setWindowState(windowState() & ~(Qt::WindowFullScreen | Qt::WindowMaximized));
    hide();
    emit doQuit();
}

void ScreenMeasurer::updateSaveLocation() { }

void ScreenMeasurer::mousePressEvent(QMouseEvent* event)
{
    startSelection(event->pos());
    QWidget::mousePressEvent(event);
    repaint();
}

void ScreenMeasurer::mouseMoveEvent(QMouseEvent* event)
{
    if (m_selecting) {
        m_endPoint = event->pos();
        repaint();
    }
    QWidget::mouseMoveEvent(event);
}

void ScreenMeasurer::mouseReleaseEvent(QMouseEvent* event)
{
    QWidget::mouseReleaseEvent(event);
    m_selecting = false;
    update();
}

void ScreenMeasurer::enterEvent(QEvent* event)
{
    setToolCursor(Qt::CrossCursor);
    ScreenCropper::enterEvent(event);
}

void ScreenMeasurer::leaveEvent(QEvent* event)
{
    // Outside the tool the rest of the application has its own cursors.
    releaseToolCursor();
    ScreenCropper::leaveEvent(event);
}

void ScreenMeasurer::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(71, 71, 71));
    painter.drawPixmap((width() - m_displayPixmap.width()) / 2, (height() - m_displayPixmap.height()) / 2,
                       m_displayPixmap);
    if (!m_selecting) {
        paintHelpBox(painter, 24, 3.5);
        return;
    }

    const QRect area = ScreenCut::between(m_startPoint, m_endPoint);
    painter.setPen(selectionPen());
    painter.setBrush(selectionBrush());
    painter.drawRect(area.adjusted(0, 0, -1, -1));

    painter.setRenderHint(QPainter::Antialiasing, true);
    QFont readOutFont(QStringLiteral("Times"), qMax(1, int(area.width() / 4.5)), QFont::Bold);
    if (area.height() < QFontMetrics(readOutFont).height())
        readOutFont = QFont(QStringLiteral("Times"), qMax(1, int(area.height() / 1.5)), QFont::Bold);
    const QString text = readOut();
    if (QFontMetrics(readOutFont).height() >= 9) {
        painter.setFont(readOutFont);
        painter.drawText(area, Qt::AlignCenter, text);
        return;
    }
    // Too small to read inside: a label above the rectangle.
    const QFont labelFont(QStringLiteral("Times"), 13, QFont::Bold);
    const QFontMetrics metrics(labelFont);
    const int textWidth = metrics.horizontalAdvance(text);
    painter.setPen(Qt::NoPen);
    painter.drawRect(QRect(QPoint(area.left() - 2, area.top() - metrics.height() - 3),
                           QPoint(area.left() + textWidth + 1, area.top())));
    painter.setPen(selectionPen());
    painter.setFont(labelFont);
    painter.drawText(QPoint(area.left(), area.top() - 3), text);
}

} // namespace QMWidgets
