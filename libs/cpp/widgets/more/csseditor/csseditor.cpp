#include "csseditor.h"

#include "app.h"
#include "cssdoc.h"
#include "dialogrunner.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QToolBar>

namespace QMWidgets {

CssEditor::CssEditor(QWidget* parent)
    : QMainWindow(parent)
{
    auto* fileMenu = new QMenu(QStringLiteral("&File"), this);
    auto* helpMenu = new QMenu(QStringLiteral("&Help"), this);
    m_doc = new CssDoc;

    QAction* open = fileMenu->addAction(QStringLiteral("&Open..."), m_doc, &CssDoc::slotLoad,
                                        QKeySequence(QStringLiteral("CTRL+O")));
    QAction* save = fileMenu->addAction(QStringLiteral("&Save"), m_doc, &CssDoc::slotSave,
                                        QKeySequence(QStringLiteral("CTRL+S")));
    QAction* setInfo
        = fileMenu->addAction(QStringLiteral("&SetInfo"), this, &CssEditor::slotApplyToolTipsInfo,
                              QKeySequence(QStringLiteral("CTRL+I")));
    QAction* apply = fileMenu->addAction(QStringLiteral("&Apply"), this, &CssEditor::slotApply,
                                         QKeySequence(QStringLiteral("CTRL+A")));
    fileMenu->addAction(QStringLiteral("S&ave As..."), m_doc, &CssDoc::slotSaveAs);
    fileMenu->addSeparator();
    helpMenu->addAction(QStringLiteral("&About"), this, &CssEditor::slotAbout, QKeySequence(Qt::Key_F1));
    QAction* reset
        = helpMenu->addAction(QStringLiteral("&Reset"), this, &CssEditor::slotReset, QKeySequence(Qt::Key_R));

    menuBar()->addMenu(fileMenu);
    menuBar()->addMenu(helpMenu);

    auto* toolBar = new QToolBar(QStringLiteral("Operations"), this);
    toolBar->addAction(open);
    toolBar->addAction(save);
    toolBar->addAction(apply);
    toolBar->addAction(reset);
    toolBar->addAction(setInfo);
    addToolBar(Qt::TopToolBarArea, toolBar);

    setCentralWidget(m_doc);
    connect(m_doc, &CssDoc::changeWindowTitle, this, &CssEditor::slotChangeWindowTitle);
    statusBar()->showMessage(QStringLiteral("Ready"), 2000);
}

void CssEditor::registerWithShell()
{
    App::setCssEditorFactory([] { return new CssEditor; });
}

void CssEditor::slotApply()
{
    qApp->setStyleSheet(m_doc->toPlainText());
    // An application style sheet may have given the text area another font.
    m_doc->applyEditorStyle();
}

void CssEditor::slotAbout()
{
    // The about box: the application's icon beside the text, as
    // QMessageBox::about() shows it, run through the program's dialog runner.
    QMessageBox box(QMessageBox::Information, QStringLiteral("About"), QStringLiteral("CSS Style Editor"),
                    QMessageBox::Ok, this);
    const QIcon icon = box.windowIcon();
    box.setIconPixmap(icon.pixmap(icon.actualSize(QSize(64, 64))));
    DialogRunner::exec(box);
}

void CssEditor::slotReset()
{
    qApp->setStyleSheet(QString());
    // Without the application style sheet the text area's font falls back to
    // the inherited one; the editor keeps its own look.
    m_doc->applyEditorStyle();
}

void CssEditor::slotChangeWindowTitle(const QString& str)
{
    setWindowTitle(str);
}

void CssEditor::slotApplyToolTipsInfo()
{
    const QWidgetList topLevels = QApplication::topLevelWidgets();
    for (QWidget* topLevel : topLevels) {
        if (!topLevel)
            continue;
        stampToolTip(topLevel);
        const QList<QWidget*> descendants = topLevel->findChildren<QWidget*>();
        for (QWidget* descendant : descendants) {
            // The text area is left alone, with everything inside it. The
            // shell's test is static and works on a plain QApplication too.
            if (descendant == m_doc || App::isChildOf(descendant, m_doc))
                continue;
            stampToolTip(descendant);
        }
    }
}

void CssEditor::stampToolTip(QWidget* widget) const
{
    if (widget->objectName().isEmpty())
        return;
    widget->setToolTip(QString::fromLatin1(widget->metaObject()->className()) + QLatin1Char('\n')
                       + widget->objectName() + QLatin1Char('\n') + widget->toolTip());
}

} // namespace QMWidgets
