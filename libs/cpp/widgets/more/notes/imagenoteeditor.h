#pragma once

#include <QFrame>

class QAction;
class QPushButton;
class QScrollArea;

namespace QMWidgets {

class ImageNoteWorkArea;
class NoteEditDragPreview;

// The window of the screenshot note editor: a tool column on the left (a drag
// preview of the result, the tool buttons, a new-screenshot button) and, on
// the right, a bar of controls (colour, line width and dash, undo, redo, save,
// the application menu, quit) above a scroll area holding the work area. Its
// owner hands it a screenshot with slotSetPixmap, shows it, and answers
// doNewScreenShot() with a new screenshot. Unsaved work is guarded by prompts
// before quitting, closing and taking a new screenshot.
class ImageNoteEditor : public QFrame
{
    Q_OBJECT

public:
    explicit ImageNoteEditor(QWidget* parent = nullptr);

    ImageNoteWorkArea* workArea() const { return m_workArea; }
    QScrollArea* scrollArea() const { return m_scrollArea; }
    NoteEditDragPreview* preview() const { return m_preview; }

signals:
    void changed();
    void shown();
    void doNewScreenShot();

public slots:
    // Takes a new picture to annotate and sizes the window for it.
    void slotSetPixmap(const QPixmap& pixmap);
    void slotAbout();
    void slotSetThikness(QAction* action);
    void slotSetDashLine(bool dashed);
    void slotSetDrawTool(QAction* action);
    void slotSetFont();
    void slotSetPenTool();
    void slotSetEraserTool();
    void slotSetHighlighterTool();
    void slotSetRectangleTool();
    void slotSetFilledRectangleTool();
    void slotSetBlurRectangleTool();
    void slotSetOvalTool();
    void slotSetFilledOvalTool();
    void slotSetLineTool();
    void slotSetArrowTool();
    void slotSetTextTool();
    void slotChanged();
    void slotNewScreenShot();
    void slotQuitClicked();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QLayout* buildControlBar();
    QFrame* buildToolColumn(QPushButton* newScreenShot);
    // Asks about the unsaved changes; the box's answer, or NoButton when it was dismissed.
    int askAboutChanges(const QString& text, int buttons);

    ImageNoteWorkArea* m_workArea;
    QScrollArea* m_scrollArea;
    QFrame* m_toolColumn = nullptr;
    NoteEditDragPreview* m_preview;
};

} // namespace QMWidgets
