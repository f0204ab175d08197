#include "roundprogress.h"

#include <QPainter>
#include <QRadialGradient>

namespace QMWidgets {

namespace {
constexpr int kFullTurn = 360 * 16; // sixteenths of a degree
} // namespace

RoundProgress::RoundProgress(QWidget* parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void RoundProgress::setValue(int value)
{
    m_value = value;
    update();
}

void RoundProgress::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);

    const int w = width();
    const int h = height();
    const int side = qMin(w, h);
    const QRect square((w - side) / 2, (h - side) / 2, side, side);
    const QPointF centre((square.left() + square.right()) / 2, (square.top() + square.bottom()) / 2);
    const qreal radius = side / 2;

    QRadialGradient dial(centre, radius, centre);
    dial.setColorAt(0.0, QColor(70, 70, 70));
    dial.setColorAt(0.9, QColor(200, 200, 200));
    dial.setColorAt(1.0, QColor(100, 100, 100));
    painter.setBrush(dial);
    painter.drawEllipse(square);

    // The span in sixteenths of a degree, with the single-precision 3.6 the
    // dial has always used (so 100 % leaves a hair's gap at 12 o'clock). It is
    // bounded to one full turn before it becomes an int, which large values
    // would leave; a value below 0 shows no sector.
    const long double exactSpan = static_cast<long double>(m_value) * 3.6f * 16;
    const int span = static_cast<int>(qBound<long double>(0, exactSpan, kFullTurn));
    QRadialGradient sector(centre, radius, centre);
    sector.setColorAt(0.0, QColor(0, 10, 0));
    sector.setColorAt(0.9, QColor(0, 100, 0));
    sector.setColorAt(1.0, QColor(0, 255, 0));
    painter.setBrush(sector);
    painter.drawPie(QRectF(square), 90 * 16, -span);

    const int inner = side - side / 5;
    painter.setBrush(QColor(45, 45, 45));
    painter.drawEllipse(QRect((w - inner) / 2, (h - inner) / 2, inner, inner));

    QFont font(QStringLiteral("System"), qMax(1, side / 3), QFont::Normal, false);
    painter.setFont(font);
    painter.setPen(QColor(0, 210, 0));
    painter.drawText(rect(), Qt::AlignCenter, QString::number(m_value) + QLatin1Char('%'));
}

} // namespace QMWidgets
