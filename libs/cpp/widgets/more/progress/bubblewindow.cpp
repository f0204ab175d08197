#include "bubblewindow.h"

#include "bubbleshape.h"
#include "shellservices.h"

#include <QApplication>
#include <QPainter>

namespace QMWidgets {

BubbleWindow::BubbleWindow(QWidget* parent, const QColor& color)
    : QFrame(parent)
    , m_color(color)
{
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
}

void BubbleWindow::hideOnMouseButtonPress()
{
    if (m_hidesOnPresses)
        return;
    m_hidesOnPresses = true;
    ShellServices::onMouseButtonPress(this, [this] { hide(); });
}

void BubbleWindow::setColor(const QColor& color)
{
    m_color = color;
}

void BubbleWindow::setPointsDown(bool down)
{
    m_pointsDown = down;
}

void BubbleWindow::setShowAnimation(QAbstractAnimation* animation)
{
    m_showAnimation = animation;
}

void BubbleWindow::setHideAnimation(QAbstractAnimation* animation)
{
    m_hideAnimation = animation;
}

void BubbleWindow::slotFocusChanged(QWidget*, QWidget*)
{
    if (QApplication::activeWindow() != this)
        hide();
}

void BubbleWindow::mousePressEvent(QMouseEvent* event)
{
    hide();
    QFrame::mousePressEvent(event);
}

void BubbleWindow::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(QBrush(m_color), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(m_color);
    painter.drawPolygon(bubbleOutline(width(), height(), m_pointsDown), Qt::OddEvenFill);
}

void BubbleWindow::showEvent(QShowEvent* event)
{
    if (m_showAnimation)
        m_showAnimation->start(QAbstractAnimation::KeepWhenStopped);
    QFrame::showEvent(event);
}

void BubbleWindow::hideEvent(QHideEvent* event)
{
    if (m_hideAnimation)
        m_hideAnimation->start(QAbstractAnimation::KeepWhenStopped);
    QFrame::hideEvent(event);
}

} // namespace QMWidgets
