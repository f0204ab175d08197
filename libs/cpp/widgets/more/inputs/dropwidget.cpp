#include "dropwidget.h"

#include "os.h"
#include "pictures.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace QMWidgets {

namespace {
const char UriListFormat[] = "text/uri-list";
} // namespace

DropWidget::DropWidget(QWidget* parent)
    : Label(parent)
{
    setAcceptDrops(true);
    setPixmap(Pictures::pixmap(QStringLiteral(":/droparea.png")));
    setObjectName(QStringLiteral("DropArea"));
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setText(tr("<H1>Drop the photos here</H1>"));

    m_openButton = new QPushButton(tr("Click to open the photos"));
    m_openButton->setObjectName(QStringLiteral("PushButton"));
    m_openButton->setIcon(Pictures::icon(QStringLiteral(":/openfiles.png")));
    m_openButton->setFixedHeight(32);
    connect(m_openButton, &QPushButton::clicked, this, &DropWidget::slotOpenClicked);

    auto* column = new QVBoxLayout;
    column->addStretch(1);
    column->addWidget(m_openButton);
    auto* layout = new QHBoxLayout;
    layout->addLayout(column);
    setLayout(layout);
}

void DropWidget::dragEnterEvent(QDragEnterEvent* event)
{
    // Taken as a copy whatever the source proposes: a source told of a move
    // would remove the user's files. A source that allows no copy is refused.
    if (event->mimeData()->hasFormat(QLatin1String(UriListFormat))
        && event->possibleActions().testFlag(Qt::CopyAction)) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    }
    QWidget::dragEnterEvent(event);
}

void DropWidget::dropEvent(QDropEvent* event)
{
    // Only a drag whose entry was accepted ends in a drop here; anything else
    // carries nothing to hand on.
    if (!event->mimeData()->hasFormat(QLatin1String(UriListFormat))) {
        event->ignore();
        return;
    }
    const QList<QUrl> urls = event->mimeData()->urls();
    event->setDropAction(Qt::CopyAction);
    event->accept();
    QWidget::dropEvent(event);
    hand(urls);
}

void DropWidget::slotOpenClicked()
{
    QStringList paths;
    if (m_openFiles == 0) {
        const QString folder
            = Os::getExistingDirectory(this, tr("Open folder"), QString(), QFileDialog::ShowDirsOnly);
        if (!folder.isEmpty())
            paths.append(folder);
    } else {
        paths = Os::getOpenFileNames(this, tr("Open files"), QString(), QString(), nullptr, {});
    }
    if (paths.isEmpty())
        return;

    QList<QUrl> urls;
    for (const QString& path : qAsConst(paths))
        urls.append(QUrl::fromLocalFile(path));
    hand(urls);
}

void DropWidget::hand(const QList<QUrl>& urls)
{
    m_urls = urls;
    // A host may delete the widget when it has the files.
    const QPointer<DropWidget> alive(this);
    emit dropped(m_urls);
    if (alive && m_hideOnDrop)
        hide();
}

} // namespace QMWidgets
