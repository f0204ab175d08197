#pragma once

#include <QPixmap>
#include <QPoint>
#include <QWidget>

namespace QMWidgets {

// A small picture of the edited result at the top of the note editor's tool
// column, with a "Drag" band over it. Dragging it hands the result to another
// program as a PNG file: each drag writes a file of its own in the work folder,
// so a drop target that reads its file late still finds the picture that was
// dragged.
class NoteEditDragPreview : public QWidget
{
    Q_OBJECT

public:
    explicit NoteEditDragPreview(QWidget* parent = nullptr);

    const QPixmap& pixmap() const { return m_pixmap; }
    // Writes the picture to a new file for one drag; returns its path, or an
    // empty text (and no file) when it could not be written.
    QString writeDragFile() const;

public slots:
    void slotSetPixmap(const QPixmap& pixmap);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void startDrag();

    QPixmap m_pixmap;
    QPoint m_dragStartPosition;
};

} // namespace QMWidgets
