#include "dirview.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QResizeEvent>
#include <QTreeView>

namespace QMWidgets {

DirView::DirView(QWidget* parent)
    : QFrame(parent)
    , m_model(new QFileSystemModel(this))
    , m_treeView(new QTreeView(this))
{
    setMinimumSize(180, 100);
    m_model->setRootPath(QDir::rootPath());
    m_treeView->setModel(m_model);
    m_treeView->setWindowTitle(tr("Dir View"));
    // Only the names: size, type and date are hidden.
    for (int column = 1; column <= 3; ++column)
        m_treeView->hideColumn(column);
    connect(m_treeView, &QTreeView::clicked, this, &DirView::slotTreeViewClicked);
}

void DirView::setRootPath(const QString& path)
{
    m_treeView->setRootIndex(m_model->setRootPath(path));
}

void DirView::resizeEvent(QResizeEvent* event)
{
    m_treeView->resize(event->size());
    m_treeView->header()->resizeSection(0, event->size().width());
    QWidget::resizeEvent(event);
}

void DirView::slotTreeViewClicked(const QModelIndex& index)
{
    if (index.row() == -1 || index.column() != 0)
        return;
    const QString path = m_model->filePath(index);
    if (QFileInfo(path).isDir())
        emit showContent(path);
    else
        emit showItem(path);
}

} // namespace QMWidgets
