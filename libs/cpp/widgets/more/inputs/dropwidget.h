#pragma once

#include "label.h"

#include <QList>
#include <QUrl>

class QPushButton;

namespace QMWidgets {

// A drop field for photos: a picture with a heading that takes files dragged
// onto it, and a button under it that opens a chooser instead. Either way the
// chosen files go to the host as URLs through dropped() and, unless
// hideOnDrop is switched off, the widget hides itself.
class DropWidget : public Label
{
    Q_OBJECT

public:
    explicit DropWidget(QWidget* parent = nullptr);

    // The URLs of the last drop or choice.
    QList<QUrl> urls() const { return m_urls; }
    QPushButton* openButton() const { return m_openButton; }

    // Whether the widget hides itself after dropped() (default true).
    bool hideOnDrop() const { return m_hideOnDrop; }
    void setHideOnDrop(bool hide) { m_hideOnDrop = hide; }
    // The chooser of the button: non-zero opens files (default 1), 0 opens one folder.
    int openFiles() const { return m_openFiles; }
    void setOpenFiles(int openFiles) { m_openFiles = openFiles; }

signals:
    void dropped(QList<QUrl> urls);

public slots:
    void slotOpenClicked();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void hand(const QList<QUrl>& urls);

    QList<QUrl> m_urls;
    QPushButton* m_openButton = nullptr;
    bool m_hideOnDrop = true;
    int m_openFiles = 1;
};

} // namespace QMWidgets
