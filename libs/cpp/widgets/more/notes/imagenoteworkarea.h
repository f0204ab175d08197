#pragma once

#include "notestroke.h"

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QVector>
#include <QWidget>

namespace QMWidgets {

class NoteEditWidget;

// The drawing surface of the screenshot note editor. It shows one picture at
// its natural size and lets the user annotate it with eleven tools. The
// annotations live on a transparent layer over the untouched picture; undo and
// redo keep whole snapshots of that layer. Mouse input is collected between
// paints and each paint previews the shape being dragged on the widget or,
// after the left button is released, commits it into the layer.
class ImageNoteWorkArea : public QWidget
{
    Q_OBJECT

public:
    enum Mode {
        Pen = 0,
        Eraser = 1,
        Highlighter = 2,
        Rectangle = 3,
        FilledRectangle = 4,
        BlurRectangle = 5,
        Oval = 6,
        FilledOval = 7,
        Line = 8,
        Arrow = 9,
        Text = 10,
        // Transient modes of the text tool: the text was discarded, or is to be
        // painted into the layer. The tool returns to Text shortly after.
        TextCanceled = 11,
        TextAccepted = 12
    };
    Q_ENUM(Mode)

    explicit ImageNoteWorkArea(QWidget* parent = nullptr);

    // The picture with the layer drawn over it.
    const QPixmap& resultPixmap();
    bool hasUnsavedChanges() const { return m_unsaved; }
    // Colours the in-place editor's text in the drawing colour.
    void updateEditorStyle();
    // Draws the arrow from the last press to the current point.
    void drawArrow(QPainter* painter);

    Mode mode() const { return m_mode; }
    QColor color() const { return m_color; }
    int thickness() const { return m_thickness; }
    bool dashLine() const { return m_dashLine; }
    const QPixmap& picture() const { return m_picture; }
    const QPixmap& layer() const { return m_layer; }
    NoteEditWidget* noteEditor() const { return m_noteEditor; }

signals:
    void changed();
    void redoAvailable(bool available);
    void undoAvailable(bool available);

public slots:
    void slotSetPixmap(const QPixmap& pixmap);
    void slotSetMode(QMWidgets::ImageNoteWorkArea::Mode mode);
    void slotSetColor(const QColor& color);
    void slotSetFont(const QFont& font);
    void slotSetThikness(int thickness);
    void slotSetDashLine(bool dashed);
    // Asks for a file and saves what the widget shows as PNG.
    void slotSave();
    void slotUndo();
    void slotRedo();
    void slotEditCanceled();
    void slotEditAccepted();
    void slotSwitchToEdit();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The steps of one paint: what the widget shows over the picture, after
    // anything the tool commits has gone into the layer.
    void paintFreehand(QPainter& widgetPainter);
    void paintShape(QPainter& widgetPainter);
    void paintBlur(QPainter& widgetPainter);
    void paintText(QPainter& widgetPainter);
    void paintAcceptedText(QPainter& widgetPainter);
    QPixmap blurredPart(const QRect& area) const;
    // Ends the text tool's round trip after a short while, unless the user has
    // chosen another tool meanwhile.
    void returnToTextSoon();
    bool committing() const { return !m_pressed && m_dirty; }

    QPixmap m_picture;
    QPixmap m_layer;
    QPixmap m_composite;
    QPoint m_lastPoint;
    QPoint m_currentPoint;
    QPoint m_pressPoint;
    Mode m_mode = Pen;
    QColor m_color = Qt::yellow;
    QFont m_font;
    int m_thickness = 1;
    bool m_dashLine = false;
    bool m_pressed = false;
    NoteEditWidget* m_noteEditor;
    bool m_dirty = false;
    QVector<QPixmap> m_undoStack;
    QVector<QPixmap> m_redoStack;
    NoteStroke m_stroke;
    bool m_unsaved = true;
};

} // namespace QMWidgets
