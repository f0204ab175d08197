#pragma once

#include "notedragfiles.h"

#include <QPixmap>
#include <QPoint>
#include <QWidget>

namespace QMWidgets {

// A small picture of the edited result at the top of the note editor's tool
// column, with a "Drag" band over it. Dragging it hands the result to another
// program as a PNG file of its own (see NoteDragFiles). When the file cannot be
// written, no drag starts and the user is told why.
class NoteEditDragPreview : public QWidget
{
    Q_OBJECT

public:
    explicit NoteEditDragPreview(QWidget* parent = nullptr);

    const QPixmap& pixmap() const { return m_pixmap; }
    // Removes the files of the drags so far.
    void removeDragFiles();

public slots:
    void slotSetPixmap(const QPixmap& pixmap);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void startDrag();

    QPixmap m_pixmap;
    // The pixmap at the widget's size, made when first painted, and the cache
    // key of the pixmap it was made of.
    QPixmap m_scaled;
    qint64 m_scaledKey = 0;
    QPoint m_dragStartPosition;
    NoteDragFiles m_files;
};

} // namespace QMWidgets
