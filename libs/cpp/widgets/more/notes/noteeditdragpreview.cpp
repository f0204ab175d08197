#include "noteeditdragpreview.h"

#include "pictures.h"
#include "shellservices.h"

#include <QApplication>
#include <QDateTime>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QTemporaryFile>
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
    m_pixmap = pixmap;
    update();
}

void NoteEditDragPreview::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!m_pixmap.isNull())
        painter.drawPixmap(0, 0, m_pixmap.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
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

QString NoteEditDragPreview::writeDragFile() const
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd_hh-mm-ss"));
    QTemporaryFile file(ShellServices::workDirectory(true) + QStringLiteral("EditedScreenShot_") + stamp
                        + QStringLiteral("_XXXXXX.png"));
    // The file outlives the drag: the drop target may read it at any time.
    file.setAutoRemove(false);
    if (!file.open())
        return QString();
    if (!m_pixmap.save(&file, "PNG")) {
        file.remove();
        return QString();
    }
    file.close();
    return file.fileName();
}

void NoteEditDragPreview::startDrag()
{
    const QString path = writeDragFile();
    if (path.isEmpty())
        return;
    auto* mimeData = new QMimeData;
    mimeData->setUrls({ QUrl::fromLocalFile(path) });
    auto* drag = new QDrag(this);
    drag->setMimeData(mimeData);
    drag->setPixmap(m_pixmap.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    drag->exec(Qt::CopyAction);
    drag->deleteLater();
}

} // namespace QMWidgets
