#pragma once

#include <QFrame>

class QFileSystemModel;
class QModelIndex;
class QTreeView;

namespace QMWidgets {

// A tree of the file system that shows only names. A click on a folder emits
// showContent with its path, a click on a file showItem. The view owns its
// model, which loads folders in the background as they are opened.
class DirView : public QFrame
{
    Q_OBJECT

public:
    explicit DirView(QWidget* parent = nullptr);

    // Shows only the tree below path (the whole file system at start).
    void setRootPath(const QString& path);

signals:
    void showContent(const QString& folderPath);
    void showItem(const QString& filePath);

protected:
    void resizeEvent(QResizeEvent* event) override;

protected slots:
    void slotTreeViewClicked(const QModelIndex& index);

private:
    QFileSystemModel* m_model;
    QTreeView* m_treeView;
};

} // namespace QMWidgets
