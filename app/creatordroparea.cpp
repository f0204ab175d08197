#include "creatordroparea.h"

#include "creator.h"
#include "creatoreffects.h"
#include "masterpicture.h"
#include "messagebox.h"
#include "os.h"
#include "picture.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QIcon>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {
constexpr int AreaSide = 280;
constexpr int OpenButtonHeight = 32;
const char UriListFormat[] = "text/uri-list";
} // namespace

CreatorDropArea::CreatorDropArea(CreatorEffects* effects, QWidget* parent)
    : QMWidgets::Label(parent)
    , m_effects(effects)
{
    setFixedSize(AreaSide, AreaSide);
    setAcceptDrops(true);
    setPixmap(QPixmap(QStringLiteral(":/droparea.png")));
    setObjectName(QStringLiteral("DropArea"));
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setText(tr("<H2>Drop 1024x1024 image<br>here</H2>"));

    m_openButton = new QPushButton(tr("Click to open the image"));
    m_openButton->setObjectName(QStringLiteral("PushButton"));
    m_openButton->setIcon(QIcon(QPixmap(QStringLiteral(":/openfiles.png"))));
    m_openButton->setFixedHeight(OpenButtonHeight);
    connect(m_openButton, &QPushButton::clicked, this, &CreatorDropArea::slotOpenClicked);

    auto* column = new QVBoxLayout;
    column->addStretch(1);
    column->addWidget(m_openButton);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(column);
}

QString CreatorDropArea::fileName() const
{
    return m_path;
}

void CreatorDropArea::dragEnterEvent(QDragEnterEvent* event)
{
    // Taken as a copy whatever the source proposes: a source told of a move
    // would remove the user's file. A source that allows no copy is refused.
    if (event->mimeData()->hasFormat(QLatin1String(UriListFormat))
        && event->possibleActions().testFlag(Qt::CopyAction)) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void CreatorDropArea::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    // A uri-list without any usable URL carries nothing to take.
    if (urls.isEmpty()) {
        event->ignore();
        return;
    }
    // A URL that is no local file gives an empty candidate, which does not load
    // and is refused.
    const QUrl& url = urls.first();
    const QString shownName = url.isLocalFile() ? QFileInfo(url.toLocalFile()).fileName()
                                                : url.toDisplayString(QUrl::RemovePassword);
    if (!takePicture(url.toLocalFile(), shownName, tr("The resolution of the dropped image is "))) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    QWidget::dropEvent(event);
}

void CreatorDropArea::slotOpenClicked()
{
    const QStringList files = Os::getOpenFileNames(this, tr("Open the image"));
    if (files.isEmpty())
        return;
    // Several files may be chosen; only the first one is used.
    const QString candidate = QUrl::fromLocalFile(files.first()).toLocalFile();
    takePicture(candidate, QFileInfo(candidate).fileName(), tr("The resolution of the image is "));
}

bool CreatorDropArea::takePicture(const QString& candidate, const QString& shownName,
                                  const QString& questionStart)
{
    const QPixmap picture = MasterPicture::read(candidate);
    const QString title = QStringLiteral("Warning");
    // A file that is no picture (or no regular file at all) would be taken as an
    // empty master and the export would write nothing, so it is refused outright.
    if (picture.isNull()) {
        QMWidgets::MessageBox::warning(
            this, title, tr("The file \"%1\" is not a picture that Lumastrand can read.").arg(shownName));
        return false;
    }
    // A picture that cannot even be scaled for the preview could not be
    // exported either; refused before the user is asked anything.
    const QPixmap preview = previewOf(picture);
    if (preview.isNull()) {
        QMWidgets::MessageBox::warning(
            this, title,
            tr("The picture \"%1\" is too large to be processed with the memory available.").arg(shownName));
        return false;
    }
    if (picture.size() != QSize(Picture::MasterSide, Picture::MasterSide)) {
        const QString text = questionStart + QString::number(picture.width()) + QLatin1Char('x')
            + QString::number(picture.height()) + tr(", it does not match 1024x1024.")
            + tr("\n\nContinue anyway?");
        const auto answer
            = QMWidgets::MessageBox::warning(this, title, text, QMessageBox::Yes | QMessageBox::No);
        if (answer != QMessageBox::Yes)
            return false;
    }

    m_path = candidate;
    setPixmap(preview);
    setText(QString());
    emit dropped(true);
    m_openButton->hide();
    return true;
}

void CreatorDropArea::slotStateChanged(const QString&)
{
    // The panel is asked for the state again, so the text itself is not needed.
    updatePreview();
}

void CreatorDropArea::updatePreview()
{
    if (m_path.isEmpty())
        return;
    // Rebuilt from the file each time, so that a master saved again is shown as it is now.
    const QPixmap picture = MasterPicture::read(m_path);
    if (picture.isNull()) {
        setPixmap(QPixmap());
        return;
    }
    // A preview that cannot be made now keeps the one shown.
    const QPixmap preview = previewOf(picture);
    if (!preview.isNull())
        setPixmap(preview);
}

QPixmap CreatorDropArea::previewOf(const QPixmap& picture) const
{
    QPixmap preview = MasterPicture::scaled(picture, size() * 2);
    Creator::applyEffects(preview, m_effects ? m_effects->effectState() : QString(), true);
    return preview;
}
