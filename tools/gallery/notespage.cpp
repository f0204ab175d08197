// The "Notes" page: the screenshot note editor in a window of its own, opened
// on a sample picture or on a screenshot of the screen, and a shelf to drop
// its drag preview on. The gallery dresses the editor's text-less buttons
// with the pictures the artwork generator draws for it, as a host does.
#include "gallerypages.h"
#include "notes/imagenoteeditor.h"
#include "pictures.h"
#include "widgetutils.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

using namespace QMWidgets;

namespace {

QString editorStyleSheet()
{
    QString sheet;
    const char* const pictures[][2] = {
        { "ImageNoteEditorPen", "pen" },
        { "ImageNoteEditorEraser", "eraser" },
        { "ImageNoteEditorHighlighter", "highlighter" },
        { "ImageNoteEditorRectangle", "rectangle" },
        { "ImageNoteEditorFilledRectangle", "filledrectangle" },
        { "ImageNoteEditorOval", "oval" },
        { "ImageNoteEditorBlur", "blur" },
        { "ImageNoteEditorFilledOval", "filledoval" },
        { "ImageNoteEditorLine", "line" },
        { "ImageNoteEditorArrow", "arrow" },
        { "ImageNoteEditorText", "text" },
        { "ImageNoteEditorThikness", "widths" },
        { "ImageNoteEditorUndo", "undo" },
        { "ImageNoteEditorRedo", "redo" },
        { "ImageNoteEditorSave", "save" },
        { "ImageNoteEditorApp", "menu" },
        { "ImageNoteEditorQuit", "quit" },
        { "NoteEditWidgetAccept", "accept" },
        { "NoteEditWidgetReject", "reject" },
        { "NoteEditWidgetInc", "larger" },
        { "NoteEditWidgetDec", "smaller" },
    };
    for (const auto& entry : pictures)
        sheet += QStringLiteral("QPushButton#%1 { image: url(:/gallery/notes/%2.png); }\n")
                     .arg(QLatin1String(entry[0]), QLatin1String(entry[1]));
    sheet += QStringLiteral(
        "QPushButton#ImageNoteEditorUndo:disabled { image: url(:/gallery/notes/undo-off.png); }\n"
        "QPushButton#ImageNoteEditorRedo:disabled { image: url(:/gallery/notes/redo-off.png); }\n"
        "QPushButton#ImageNoteEditorThikness, QPushButton#ImageNoteEditorUndo, "
        "QPushButton#ImageNoteEditorRedo,"
        " QPushButton#ImageNoteEditorSave, QPushButton#ImageNoteEditorQuit { min-width: 34px; min-height: "
        "32px; }\n"
        "QPushButton#ImageNoteEditorThikness::menu-indicator { subcontrol-position: right bottom; }\n"
        "QPushButton:checked { background: #cfe3ff; border: none; border-radius: 4px; }\n"
        "QPushButton:hover { background: #e4edf9; border: none; border-radius: 4px; }\n"
        "QPushButton#NewScreenShowButton { background: #3b4250; color: white; border-radius: 6px;"
        " font-weight: bold; }\n"
        "QWidget#NoteEditWidget { background: transparent; }\n"
        "QWidget#NoteEditWidget QPushButton { background: rgba(255, 255, 255, 200); border-radius: 3px; }\n");
    return sheet;
}

// Takes what the editor's preview drops: shows the picture and its file.
class DropShelf : public QLabel
{
public:
    DropShelf()
    {
        setAcceptDrops(true);
        setMinimumSize(260, 200);
        setAlignment(Qt::AlignCenter);
        setWordWrap(true);
        setFrameShape(QFrame::StyledPanel);
        setText(QStringLiteral("Drag the editor's preview (top left of its window) here."));
    }

protected:
    void dragEnterEvent(QDragEnterEvent* event) override
    {
        if (event->mimeData()->hasUrls())
            event->acceptProposedAction();
    }
    void dropEvent(QDropEvent* event) override
    {
        const QList<QUrl> urls = event->mimeData()->urls();
        if (urls.isEmpty())
            return;
        const QString path = urls.first().toLocalFile();
        const QPixmap picture(path);
        setToolTip(path);
        if (picture.isNull()) {
            setText(QStringLiteral("Dropped, but not a picture: ") + path);
            return;
        }
        setPixmap(picture.scaled(size() - QSize(20, 20), Qt::KeepAspectRatio, Qt::SmoothTransformation));
        event->acceptProposedAction();
    }
};

QWidget* notesPage()
{
    auto* page = new QWidget;
    auto* intro = new QLabel(QStringLiteral(
        "<p>The screenshot note editor opens in a window of its own. Draw with the tools on the left, choose "
        "the colour and the line width (with dashes) above the picture, undo and redo, save the result as a "
        "PNG file, or drag the small preview at the top left out of the window.</p>"
        "<p>\"New Screen Shot\" hides the editor and reopens it on a screenshot of the screen. "
        "Quit ends the gallery, as it ends a host program.</p>"));
    intro->setWordWrap(true);
    auto* openSample = new QPushButton(QStringLiteral("Annotate the sample picture"));
    auto* openScreen = new QPushButton(QStringLiteral("Annotate a screenshot of the screen"));
    auto* status = new QLabel;
    auto* shelf = new DropShelf;

    auto editor = std::make_shared<QPointer<ImageNoteEditor>>();
    const auto ensureEditor = [page, editor, status]() -> ImageNoteEditor* {
        if (!*editor) {
            auto* window = new ImageNoteEditor(page);
            window->setWindowFlag(Qt::Window);
            window->setWindowTitle(QStringLiteral("Note editor"));
            window->setStyleSheet(editorStyleSheet());
            QObject::connect(window, &ImageNoteEditor::changed, status,
                             [status] { status->setText(QStringLiteral("The picture has changed.")); });
            QObject::connect(window, &ImageNoteEditor::doNewScreenShot, window, [window] {
                // Give the window time to disappear before the screen is taken.
                QTimer::singleShot(400, window, [window] {
                    window->slotSetPixmap(grabDesktop());
                    window->show();
                });
            });
            *editor = window;
        }
        return *editor;
    };
    QObject::connect(openSample, &QPushButton::clicked, page, [ensureEditor] {
        ImageNoteEditor* window = ensureEditor();
        window->slotSetPixmap(Pictures::pixmap(QStringLiteral(":/gallery/notes/sample.png")));
        window->show();
        window->raise();
    });
    QObject::connect(openScreen, &QPushButton::clicked, page, [ensureEditor] {
        ImageNoteEditor* window = ensureEditor();
        window->slotSetPixmap(grabDesktop());
        window->show();
        window->raise();
    });

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(intro);
    layout->addWidget(openSample);
    layout->addWidget(openScreen);
    layout->addWidget(status);
    layout->addWidget(shelf, 1);
    return page;
}

} // namespace

LUMASTRAND_GALLERY_PAGE(50, "Notes", notesPage);
