#pragma once

#include "notehistory.h"
#include "notestroke.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <functional>
#include <memory>

namespace QMWidgets {

class NoteEditWidget;
class NoteStrokeImage;

// The drawing surface of the screenshot note editor. It shows one picture at
// its natural size and lets the user annotate it with eleven tools. The
// annotations live on a transparent layer over the untouched picture; undo and
// redo keep whole states of that layer (see NoteHistory for the memory they
// take). Mouse input is collected between paints and each paint previews the
// shape being dragged on the widget or, after the left button is released,
// commits it into the layer. Only the part of the widget that a mouse event
// changes is repainted, so big pictures draw as fast as small ones.
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
    ~ImageNoteWorkArea() override;

    // The picture with the layer drawn over it, drawn again only when the
    // layer has changed since it was last asked for.
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
    const QImage& layer() const { return m_layer; }
    // Bytes the undo and redo steps hold.
    qint64 undoMemory() const { return m_history.memory(); }
    NoteEditWidget* noteEditor() const { return m_noteEditor; }

signals:
    void changed();
    void redoAvailable(bool available);
    void undoAvailable(bool available);

public slots:
    // Takes a new picture with an empty layer and no undo steps. An open text
    // note is closed without being painted and a drag in progress is dropped.
    void slotSetPixmap(const QPixmap& pixmap);
    void slotSetMode(QMWidgets::ImageNoteWorkArea::Mode mode);
    void slotSetColor(const QColor& color);
    void slotSetFont(const QFont& font);
    void slotSetThikness(int thickness);
    void slotSetDashLine(bool dashed);
    // Asks for a file and saves the picture with its annotations as PNG. A
    // text note that is still open is not part of the file: it is no
    // annotation until it is accepted, and the work stays unsaved while it
    // holds text. A failed save is told with its reason.
    void slotSave();
    void slotUndo();
    void slotRedo();
    // Discard or paint the open text note; without one they do nothing.
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
    void showLayer(QPainter& widgetPainter);
    void paintFreehand(QPainter& widgetPainter);
    void paintShape(QPainter& widgetPainter);
    void paintBlur(QPainter& widgetPainter);
    void paintText(QPainter& widgetPainter);
    void paintAcceptedText(QPainter& widgetPainter);
    // The blurred picture inside area, kept for the paints of the same area.
    const QImage& blurredPart(const QRect& area);
    // Paints into the layer inside area (nothing outside it may change).
    void paintLayer(const QRect& area, const std::function<void(QPainter&)>& draw);
    // The part of the widget that the current tool's preview or commit covers.
    QRect toolArea() const;
    // Repaints what the last preview covered and what the tool covers now.
    void updateToolArea();
    // Grows the open text box to hold its text.
    void fitNoteEditorToText();
    // Ends the text tool's round trip after a short while, unless the user has
    // chosen another tool meanwhile.
    void returnToTextSoon();
    bool committing() const { return !m_pressed && m_dirty; }

    QPixmap m_picture;
    QImage m_layer;
    QPixmap m_composite;
    // Where the layer changed since the composite was last drawn.
    QRect m_staleArea;
    // What the last paint of a preview covered.
    QRect m_shown;
    // The part of the widget the paint in progress draws.
    QRect m_paintArea;
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
    NoteHistory m_history;
    NoteStroke m_stroke;
    // The line being drawn, kept drawn as it grows.
    std::unique_ptr<NoteStrokeImage> m_strokeImage;
    // The blur rectangle being dragged and its blurred picture.
    QRect m_blurredArea;
    QImage m_blurred;
    bool m_unsaved = true;
};

} // namespace QMWidgets
