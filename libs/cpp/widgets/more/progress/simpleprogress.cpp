#include "simpleprogress.h"

#include <QLinearGradient>
#include <QPainter>
#include <QTimerEvent>

namespace QMWidgets {

namespace {
constexpr int kStripeInterval = 100; // ms a stripe step
constexpr int kStripeCount = 11;
} // namespace

SimpleProgress::SimpleProgress(QWidget* parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setMinimumHeight(20);
    m_stripeTimer.start(kStripeInterval, Qt::CoarseTimer, this);
}

void SimpleProgress::setText(const QString& text)
{
    m_text = text;
}

void SimpleProgress::setValue(int value)
{
    m_value = value;
    // A running timer is left alone: restarting it at every call would hold
    // the stripes still under frequent calls, and a second timer would make
    // them run faster.
    if (m_value == 0 && !m_stripeTimer.isActive())
        m_stripeTimer.start(kStripeInterval, Qt::CoarseTimer, this);
    update();
}

void SimpleProgress::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != m_stripeTimer.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    if (m_value != 0)
        m_stripeTimer.stop();
    m_phase = m_phase < width() / 20 ? m_phase + 1 : 0;
    update();
}

void SimpleProgress::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);

    const int w = width();
    const int h = height();

    QLinearGradient background(0, 0, 0, h);
    background.setColorAt(0.0, QColor(100, 100, 100));
    background.setColorAt(0.5, QColor(150, 150, 150));
    background.setColorAt(1.0, QColor(100, 100, 100));
    painter.fillRect(rect(), background);

    QLinearGradient bar(0, 0, 0, h);
    bar.setColorAt(0.0, QColor(0, 140, 0));
    bar.setColorAt(0.5, QColor(0, 230, 0));
    bar.setColorAt(1.0, QColor(0, 140, 0));
    painter.setBrush(bar);

    if (m_value == 0) {
        // Each stripe is g wide and leans so that its foot lies 2 g left of its head.
        const int g = w / 20;
        for (int stripe = 0; stripe < kStripeCount; ++stripe) {
            const int i = 2 * stripe;
            const QPoint corners[4] = { { m_phase + (i - 1) * g, 0 },
                                        { m_phase + i * g, 0 },
                                        { m_phase + (i - 2) * g, h },
                                        { m_phase + (i - 3) * g, h } };
            painter.drawPolygon(corners, 4, Qt::OddEvenFill);
        }
    } else {
        // The share in 64 bits: w x value leaves int long before the value does. A value at or
        // above 100 fills the whole bar, one below 0 leaves it empty.
        const qint64 filled = qBound<qint64>(0, qint64(w) * m_value / 100, w);
        painter.drawRect(QRect(0, 0, int(filled), h));
    }

    QFont font(QStringLiteral("System"), qMax(1, static_cast<int>(h * 0.8f)), QFont::Normal, false);
    painter.setFont(font);
    painter.setPen(QColor(255, 250, 255));
    painter.drawText(rect(), Qt::AlignCenter, painter.fontMetrics().elidedText(m_text, Qt::ElideMiddle, w));
}

} // namespace QMWidgets
