#include "advancedlabel.h"

#include "brightening.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

namespace QMWidgets {

namespace {
// How much the picture brightens under the pointer, per colour channel.
const int kHoverBrightening = 30;
} // namespace

AdvancedLabel::AdvancedLabel(QWidget* parent)
    : QWidget(parent)
{
    setMinimumSize(16, 16);
}

void AdvancedLabel::setText(const QString& text)
{
    m_text = text;
    repaint();
}

void AdvancedLabel::setPixmap(const QPixmap& pixmap)
{
    m_pixmap = pixmap;
    repaint();
}

void AdvancedLabel::setMargin(int margin)
{
    m_margin = margin;
    repaint();
}

void AdvancedLabel::mousePressEvent(QMouseEvent* event)
{
    // A host may delete the label from clicked(): nothing touches it afterwards,
    // and the press, taken, goes on to no other widget.
    const QPointer<AdvancedLabel> alive(this);
    emit clicked();
    if (!alive) {
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void AdvancedLabel::enterEvent(QEvent* event)
{
    m_hovered = true;
    setCursor(Qt::PointingHandCursor);
    QWidget::enterEvent(event);
    repaint();
}

void AdvancedLabel::leaveEvent(QEvent* event)
{
    m_hovered = false;
    setCursor(Qt::ArrowCursor);
    QWidget::leaveEvent(event);
    repaint();
}

void AdvancedLabel::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    const QSize pictureSize(width() - 2 * m_margin, height() - 2 * m_margin);
    if (!m_pixmap.isNull() && !pictureSize.isEmpty()) {
        QImage picture
            = m_pixmap.toImage().scaled(pictureSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        if (m_hovered)
            picture = brightened(picture, kHoverBrightening);
        painter.drawImage(QPoint(m_margin, m_margin), picture);
    }

    if (!m_text.isEmpty()) {
        painter.setFont(QFont(QStringLiteral("Courier"), 8, QFont::Bold, false));
        painter.drawText(rect(), Qt::AlignHCenter | Qt::TextWordWrap, m_text);
    }
    painter.end();

    QWidget::paintEvent(event);
}

} // namespace QMWidgets
