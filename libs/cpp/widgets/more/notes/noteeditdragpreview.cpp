#include "noteeditdragpreview.h"

#include "messagebox.h"
#include "pictures.h"

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>

namespace QMWidgets {

namespace {
constexpr int BandHeight = 15;
} // namespace

NoteEditDragPreview::NoteEditDragPreview(QWidget* parent)
    : QWidget(parent)
{
    setMinimumWidth(60);
    setMinimumHeight(50);
}

void NoteEditDragPreview::slotSetPixmap(const QPixmap& pixmap)
{
    // The work area hands the same result again after every mouse move that
    // did not change it.
    if (pixmap.cacheKey() == m_pixmap.cacheKey())
        return;
    m_pixmap = pixmap;
    update();
}

void NoteEditDragPreview::removeDragFiles()
{
    m_files.clear();
}

void NoteEditDragPreview::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!m_pixmap.isNull() && (m_scaledKey != m_pixmap.cacheKey() || m_scaled.size() != size())) {
        // A big picture is first brought near the size quickly; the smooth
        // step then has little left to read.
        const QPixmap near = m_pixmap.width() > 4 * width() && m_pixmap.height() > 4 * height()
            ? m_pixmap.scaled(size() * 4, Qt::IgnoreAspectRatio, Qt::FastTransformation)
            : m_pixmap;
        m_scaled = near.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        m_scaledKey = m_pixmap.cacheKey();
    }
    if (!m_pixmap.isNull())
        painter.drawPixmap(0, 0, m_scaled);
    const QRect band(0, 0, width(), BandHeight);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 127));
    painter.drawRect(band);
    painter.setPen(Qt::white);
    painter.drawText(band, Qt::AlignCenter, tr("Drag"));
    const QPixmap glass = Pictures::scaled(QStringLiteral(":/steklo.png"), size());
    if (!glass.isNull())
        painter.drawPixmap(0, 0, glass);
}

void NoteEditDragPreview::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_dragStartPosition = event->localPos().toPoint();
    QWidget::mousePressEvent(event);
}

void NoteEditDragPreview::mouseMoveEvent(QMouseEvent* event)
{
    if ((event->buttons() & Qt::LeftButton)
        && (event->localPos().toPoint() - m_dragStartPosition).manhattanLength()
            > QApplication::startDragDistance())
        startDrag();
    QWidget::mouseMoveEvent(event);
}

void NoteEditDragPreview::startDrag()
{
    QString reason;
    const QString path = m_files.write(m_pixmap.toImage(), &reason);
    if (path.isEmpty()) {
        MessageBox::warning(this, tr("Drag"),
                            tr("The picture could not be written for dragging:\n%1").arg(reason));
        return;
    }
    auto* mimeData = new QMimeData;
    mimeData->setUrls({ QUrl::fromLocalFile(path) });
    auto* drag = new QDrag(this);
    drag->setMimeData(mimeData);
    drag->setPixmap(m_scaledKey == m_pixmap.cacheKey()
                        ? m_scaled
                        : m_pixmap.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    drag->exec(Qt::CopyAction);
    drag->deleteLater();
}

} // namespace QMWidgets
