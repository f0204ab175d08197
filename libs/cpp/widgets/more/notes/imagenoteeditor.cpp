#include "imagenoteeditor.h"

#include "appbutton.h"
#include "choices/colorwidget.h"
#include "dialogrunner.h"
#include "imagenoteworkarea.h"
#include "messagebox.h"
#include "mmessagebox.h"
#include "moreappsbutton.h"
#include "noteeditdragpreview.h"
#include "notegeometry.h"
#include "os.h"
#include "pictures.h"
#include "widgetutils.h"

#include <QActionGroup>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QDesktopWidget>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace QMWidgets {

namespace {
QPushButton* flatButton(const QString& objectName, const QString& toolTip)
{
    auto* button = new QPushButton;
    setObjectNameAndToolTip(button, objectName, toolTip);
    button->setFlat(true);
    return button;
}

QHBoxLayout* tightRow(std::initializer_list<QWidget*> widgets)
{
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    for (QWidget* widget : widgets)
        row->addWidget(widget);
    return row;
}
} // namespace

ImageNoteEditor::ImageNoteEditor(QWidget* parent)
    : QFrame(parent)
    , m_workArea(new ImageNoteWorkArea)
    , m_scrollArea(new QScrollArea)
    , m_preview(new NoteEditDragPreview)
{
    m_scrollArea->setWidget(m_workArea);

    auto* newScreenShot = new QPushButton(QStringLiteral("New\nScreen\nShot"));
    newScreenShot->setObjectName(QStringLiteral("NewScreenShowButton"));
    newScreenShot->setFixedSize(64, 64);
    connect(newScreenShot, &QPushButton::clicked, this, &ImageNoteEditor::slotNewScreenShot);

    m_preview->setToolTip(tr("Drag&Drop this into Skype, Mail, GoogleDrive-Folder etc."));
    connect(m_workArea, &ImageNoteWorkArea::changed, this, &ImageNoteEditor::slotChanged);
    connect(m_workArea, &ImageNoteWorkArea::changed, this, &ImageNoteEditor::changed);

    auto* right = new QVBoxLayout;
    right->addLayout(buildControlBar());
    right->addWidget(m_scrollArea);

    auto* layout = new QHBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildToolColumn(newScreenShot));
    layout->addLayout(right);
    setLayout(layout);
}

QLayout* ImageNoteEditor::buildControlBar()
{
    QPushButton* thickness = flatButton(QStringLiteral("ImageNoteEditorThikness"), QString());
    QPushButton* undo = flatButton(QStringLiteral("ImageNoteEditorUndo"), tr("Undo"));
    QPushButton* redo = flatButton(QStringLiteral("ImageNoteEditorRedo"), tr("Redo"));
    QPushButton* save = flatButton(QStringLiteral("ImageNoteEditorSave"), tr("Save"));
    QPushButton* quit = flatButton(QStringLiteral("ImageNoteEditorQuit"), tr("Quit"));
    connect(undo, &QPushButton::clicked, m_workArea, &ImageNoteWorkArea::slotUndo);
    connect(m_workArea, &ImageNoteWorkArea::undoAvailable, undo, &QPushButton::setEnabled);
    connect(redo, &QPushButton::clicked, m_workArea, &ImageNoteWorkArea::slotRedo);
    connect(m_workArea, &ImageNoteWorkArea::redoAvailable, redo, &QPushButton::setEnabled);
    connect(save, &QPushButton::clicked, m_workArea, &ImageNoteWorkArea::slotSave);
    connect(quit, &QPushButton::clicked, this, &ImageNoteEditor::slotQuitClicked);

    auto* moreApps = new MoreAppsButton;
    setObjectNameAndToolTip(moreApps, QStringLiteral("ImageNoteEditorMoreApps"), tr("MoreApps"));
    moreApps->setFlat(true);
    moreApps->hide();
    auto* appButton = new AppButton;
    setObjectNameAndToolTip(appButton, QStringLiteral("ImageNoteEditorApp"), tr("App"));
    appButton->setFlat(true);
    appButton->hideSupportPageItem();
    appButton->hideIntroItem();
    connect(appButton, &AppButton::quitPressed, this, &ImageNoteEditor::slotQuitClicked);

    auto* color = new ColorWidget;
    color->setFixedSize(22, 22);
    color->setColor(Qt::yellow);
    connect(color, &ColorWidget::colorChanged, m_workArea, &ImageNoteWorkArea::slotSetColor);
    auto* colorHolder = new QWidget;
    colorHolder->setObjectName(QStringLiteral("ImageNoteEditorColorDecor"));
    auto* holderLayout = new QHBoxLayout(colorHolder);
    holderLayout->setContentsMargins(5, 5, 5, 5);
    holderLayout->addWidget(color);

    auto* widths = new QMenu(thickness);
    auto* widthGroup = new QActionGroup(widths);
    widthGroup->setExclusive(true);
    for (int width : { 1, 2, 3, 4, 5, 10, 15 }) {
        const QString name = QStringLiteral("%1px").arg(width);
        QAction* action
            = widths->addAction(Pictures::icon(QStringLiteral(":/") + name + QStringLiteral(".png")), name);
        action->setCheckable(true);
        action->setChecked(width == 1);
        action->setData(width);
        widthGroup->addAction(action);
    }
    connect(widthGroup, &QActionGroup::triggered, this, &ImageNoteEditor::slotSetThikness);
    widths->addSeparator();
    QAction* dash = widths->addAction(Pictures::icon(QStringLiteral(":/dash.png")), QStringLiteral("Dash"));
    dash->setCheckable(true);
    connect(dash, &QAction::triggered, this, &ImageNoteEditor::slotSetDashLine);
    thickness->setMenu(widths);

    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(12, 12, 12, 12);
    bar->setSpacing(5);
    bar->addLayout(tightRow({ colorHolder, thickness }));
    bar->addStretch(1);
    bar->addLayout(tightRow({ undo, redo }));
    bar->addStretch(1);
    bar->addLayout(tightRow({ save, moreApps, appButton, quit }));
    return bar;
}

QFrame* ImageNoteEditor::buildToolColumn(QPushButton* newScreenShot)
{
    struct Tool
    {
        const char* objectName;
        const char* toolTip;
        void (ImageNoteEditor::*slot)();
    };
    static const Tool tools[] = {
        { "ImageNoteEditorPen", QT_TR_NOOP("Pen"), &ImageNoteEditor::slotSetPenTool },
        { "ImageNoteEditorEraser", QT_TR_NOOP("Eraser"), &ImageNoteEditor::slotSetEraserTool },
        { "ImageNoteEditorHighlighter", QT_TR_NOOP("Highlighter"), &ImageNoteEditor::slotSetHighlighterTool },
        { "ImageNoteEditorRectangle", QT_TR_NOOP("Rectangle"), &ImageNoteEditor::slotSetRectangleTool },
        { "ImageNoteEditorFilledRectangle", QT_TR_NOOP("Filled Rectangle"),
          &ImageNoteEditor::slotSetFilledRectangleTool },
        { "ImageNoteEditorOval", QT_TR_NOOP("Oval"), &ImageNoteEditor::slotSetOvalTool },
        { "ImageNoteEditorBlur", QT_TR_NOOP("Blur"), &ImageNoteEditor::slotSetBlurRectangleTool },
        { "ImageNoteEditorFilledOval", QT_TR_NOOP("Filled Oval"), &ImageNoteEditor::slotSetFilledOvalTool },
        { "ImageNoteEditorLine", QT_TR_NOOP("Line"), &ImageNoteEditor::slotSetLineTool },
        { "ImageNoteEditorArrow", QT_TR_NOOP("Arrow"), &ImageNoteEditor::slotSetArrowTool },
        { "ImageNoteEditorText", QT_TR_NOOP("Text"), &ImageNoteEditor::slotSetTextTool },
    };

    m_toolColumn = new QFrame;
    auto* column = new QVBoxLayout(m_toolColumn);
    column->setSpacing(0);
    column->addWidget(m_preview);
    column->addStretch(1);
    auto* group = new QButtonGroup(m_toolColumn);
    group->setExclusive(true);
    for (const Tool& tool : tools) {
        QPushButton* button = flatButton(QLatin1String(tool.objectName), tr(tool.toolTip));
        button->setCheckable(true);
        button->setFixedSize(32, 32);
        group->addButton(button);
        connect(button, &QPushButton::clicked, this, tool.slot);
        column->addWidget(button);
    }
    group->buttons().first()->setChecked(true);
    m_toolColumn->findChild<QPushButton*>(QStringLiteral("ImageNoteEditorFilledOval"))->hide();
    column->addStretch(1);
    column->addWidget(newScreenShot);
    return m_toolColumn;
}

void ImageNoteEditor::slotSetPixmap(const QPixmap& pixmap)
{
    const double scale = Os::scaleFactor();
    const QPixmap scaled = pixmap.scaled(qRound(pixmap.width() / scale), qRound(pixmap.height() / scale),
                                         Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    resize(NoteGeometry::editorWindowSize(scaled.size(), QApplication::desktop()->geometry().size()));
    m_workArea->slotSetPixmap(scaled);
    m_preview->slotSetPixmap(scaled);
}

void ImageNoteEditor::slotAbout()
{
    MessageBox::information(this, QStringLiteral("About"), QStringLiteral("Note Editor"));
}

void ImageNoteEditor::slotSetThikness(QAction* action)
{
    if (action)
        m_workArea->slotSetThikness(action->data().toInt());
}

void ImageNoteEditor::slotSetDashLine(bool dashed)
{
    m_workArea->slotSetDashLine(dashed);
}

void ImageNoteEditor::slotSetDrawTool(QAction* action)
{
    if (action)
        m_workArea->slotSetMode(static_cast<ImageNoteWorkArea::Mode>(action->data().toInt()));
}

void ImageNoteEditor::slotSetFont()
{
    QFontDialog dialog;
    if (DialogRunner::exec(dialog) == QDialog::Accepted)
        m_workArea->slotSetFont(dialog.selectedFont());
}

void ImageNoteEditor::slotSetPenTool()
{
    m_workArea->slotSetMode(ImageNoteWorkArea::Pen);
}

void ImageNoteEditor::slotSetEraserTool()
{
    m_workArea->slotSetMode(ImageNoteWorkArea::Eraser);
}

void ImageNoteEditor::slotSetHighlighterTool()
{
    m_workArea->slotSetMode(ImageNoteWorkArea::Highlighter);
}

void ImageNoteEditor::slotSetRectangleTool()
{
    m_workArea->slotSetMode(ImageNoteWorkArea::Rectangle);
}

void ImageNoteEditor::slotSetFilledRectangleTool()
{
    m_workArea->slotSetMode(ImageNoteWorkArea::FilledRectangle);
}

void ImageNoteEditor::slotSetBlurRectangleTool()
{
    m_workArea->slotSetMode(ImageNoteWorkArea::BlurRectangle);
}

void ImageNoteEditor::slotSetOvalTool()
{
    m_workArea->slotSetMode(ImageNoteWorkArea::Oval);
}

void ImageNoteEditor::slotSetFilledOvalTool()
{
    m_workArea->slotSetMode(ImageNoteWorkArea::FilledOval);
}

void ImageNoteEditor::slotSetLineTool()
{
    m_workArea->slotSetMode(ImageNoteWorkArea::Line);
}

void ImageNoteEditor::slotSetArrowTool()
{
    m_workArea->slotSetMode(ImageNoteWorkArea::Arrow);
}

void ImageNoteEditor::slotSetTextTool()
{
    m_workArea->slotSetMode(ImageNoteWorkArea::Text);
}

void ImageNoteEditor::slotChanged()
{
    // The preview lets go of the last result first, so that the work area
    // can bring it up to date in place instead of copying the whole picture.
    m_preview->slotSetPixmap(QPixmap());
    m_preview->slotSetPixmap(m_workArea->resultPixmap());
}

int ImageNoteEditor::askAboutChanges(const QString& text, int buttons)
{
    MMessageBox box(MMessageBox::Information, QString(), text, QMessageBox::StandardButtons(buttons), this,
                    QString());
    return box.exec();
}

void ImageNoteEditor::slotNewScreenShot()
{
    // Only an explicit Yes gives up the unsaved changes; No and a dismissed
    // box keep them.
    if (m_workArea->hasUnsavedChanges()
        && askAboutChanges(tr("The changes of the curent image are not saved.\nAfter creation of the new "
                              "screen shot these changes will be lost.\nContinue?"),
                           QMessageBox::Yes | QMessageBox::No)
            != QMessageBox::Yes)
        return;
    hide();
    emit doNewScreenShot();
}

void ImageNoteEditor::slotQuitClicked()
{
    if (m_workArea->hasUnsavedChanges()
        && askAboutChanges(tr("The changes of the curent image are not saved.\nQuit anyway?"),
                           QMessageBox::Yes | QMessageBox::No)
            != QMessageBox::Yes)
        return;
    QCoreApplication::quit();
}

void ImageNoteEditor::closeEvent(QCloseEvent* event)
{
    const int answer = m_workArea->hasUnsavedChanges()
        ? askAboutChanges(tr("Do you want to save the current changes to the file?"),
                          QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)
        : QMessageBox::No;
    if (answer == QMessageBox::No) {
        // Whatever was dropped somewhere has been read by now.
        m_preview->removeDragFiles();
        QFrame::closeEvent(event);
        return;
    }
    if (answer == QMessageBox::Yes)
        m_workArea->slotSave();
    event->ignore();
    show();
}

void ImageNoteEditor::showEvent(QShowEvent* event)
{
    QFrame::showEvent(event);
    emit shown();
}

} // namespace QMWidgets
