#include "creator.h"

#include "app.h"
#include "appsettingsdialog.h"
#include "creatordroparea.h"
#include "creatoreffects.h"
#include "effects.h"
#include "iconnaming.h"
#include "iconsetexport.h"
#include "masterpicture.h"
#include "messagebox.h"
#include "os.h"
#include "picture.h"
#include "picturesaver.h"
#include "picturewriters.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QProgressDialog>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int ButtonMinimumHeight = 37;
// Extra height for the panel besides the panel itself: the spacing of the
// creator's layout above it. The creator and the page both grow by it, so
// that the open panel is not cut off at the page's bottom edge.
constexpr int PanelSpacing = 10;

// What the user is told of a run's failures: the folder that could not be
// made, which ended the run and is the fault to mend, else the first file that
// could not be written and how many there were; empty after a whole run.
QString failureMessage(const IconSetExport::Report& report)
{
    const bool folderFailed = !report.failedFolder.isEmpty();
    if (!folderFailed && report.failures.isEmpty())
        return QString();
    const QString first = QDir::toNativeSeparators(
        QDir::cleanPath(folderFailed ? report.failedFolder : report.failures.first().path));
    QString reason = folderFailed ? report.failedFolderReason : report.failures.first().reason;
    if (reason.isEmpty())
        reason = Creator::tr("unknown");
    if (folderFailed)
        return Creator::tr("The export stopped because this folder could not be created:\n%1\n\nReason: %2")
            .arg(first, reason);
    if (report.failures.size() == 1)
        return Creator::tr("1 file could not be written:\n%1\n\nReason: %2").arg(first, reason);
    return Creator::tr("%1 files could not be written. The first of them:\n%2\n\nReason: %3")
        .arg(report.failures.size())
        .arg(first, reason);
}
} // namespace

Creator::Creator(QWidget* parent)
    : QWidget(parent)
{
    setAcceptDrops(true);

    m_saveButton = new QPushButton(tr("Save..."));
    m_optionsButton = new QPushButton(tr("Options>>"));

    m_effects = new CreatorEffects;
    m_effects->hide();

    m_optionsButton->setFlat(true);
    m_optionsButton->setObjectName(QStringLiteral("PushButton"));
    m_optionsButton->setMinimumHeight(ButtonMinimumHeight);
    m_optionsButton->setCheckable(true);
    m_optionsButton->setChecked(false);
    m_optionsButton->setEnabled(false);
    connect(m_optionsButton, &QPushButton::clicked, this, &Creator::slotEffectsClicked);

    m_saveButton->setFlat(true);
    m_saveButton->setObjectName(QStringLiteral("PushButton"));
    m_saveButton->setMinimumHeight(ButtonMinimumHeight);
    m_saveButton->setEnabled(false);
    connect(m_saveButton, &QPushButton::clicked, this, &Creator::slotConvert);

    m_dropArea = new CreatorDropArea(m_effects);

    connect(m_effects, &CreatorEffects::stateChanged, m_dropArea, &CreatorDropArea::slotStateChanged);
    connect(m_dropArea, &CreatorDropArea::dropped, m_saveButton, &QPushButton::setEnabled);
    connect(m_dropArea, &CreatorDropArea::dropped, m_optionsButton, &QPushButton::setEnabled);
    connect(m_dropArea, &CreatorDropArea::dropped, this, &Creator::slotDropped);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->setContentsMargins(0, 0, 0, 0);
    buttonRow->setSpacing(5);
    buttonRow->addWidget(m_saveButton);
    buttonRow->addWidget(m_optionsButton);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->setSpacing(PanelSpacing);
    layout->addWidget(m_dropArea);
    layout->addLayout(buttonRow);
    layout->addWidget(m_effects);
}

void Creator::slotDropped(bool)
{
    // The base name drops the folder and everything from the first dot on.
    m_effects->setSaveName(QFileInfo(m_dropArea->fileName()).baseName());
}

void Creator::slotConvert()
{
    // The base name names files inside "Icons"; one that is a path could
    // write anywhere, over files of the user, without a question.
    const QString baseName = m_effects->saveName();
    if (!IconSetExport::isUsableBaseName(baseName)) {
        QMWidgets::MessageBox::warning(
            this, QStringLiteral("Warning"),
            tr("The name \"%1\" cannot be used for the icon files. A name may not be empty, blanks only, "
               "\".\" or \"..\" and may contain neither \"/\" nor \"\\\", so that every file stays inside "
               "the folder \"Icons\" and can be seen there; nor may it contain a quotation mark, a control "
               "character or any of < > : | ? *.")
                .arg(baseName));
        return;
    }

    QMWidgets::App* app = QMWidgets::app();
    const QString folder = Os::getExistingDirectory(this, tr("Select Path to Store the Icons"),
                                                    app->lastOpenDirectory(), QFileDialog::ShowDirsOnly);
    if (folder.isEmpty())
        return;

    const QString icons = folder + QStringLiteral("/Icons/");
    if (QDir(icons).exists()) {
        const QString text = tr("The directory \"") + icons + tr("\" already exists.") + tr(" Overwrite?");
        if (QMWidgets::MessageBox::warning(this, QStringLiteral("Warning"), text,
                                           QMessageBox::Yes | QMessageBox::No)
            == QMessageBox::No)
            return;
    }
    app->setLastOpenDirectory(folder);

    QProgressDialog progress(tr("Please, Wait..."), tr("Cancel"), 0, 100, this);
    progress.setWindowModality(Qt::WindowModal);
    auto setProgress = [&](int value) {
        progress.setValue(value);
        emit exportProgress(value);
    };
    setProgress(20);
    progress.open();

    // A picture that can no longer be read, or not be scaled or decorated
    // with the memory available, stops the run before anything is written.
    const QString picture = m_dropArea->fileName();
    QPixmap plain;
    const MasterPicture::Result loaded
        = MasterPicture::load(picture, QSize(Picture::MasterSide, Picture::MasterSide), &plain);
    IconSetExport::Report report;
    if (loaded == MasterPicture::Scaled) {
        IconSetExport::Callbacks callbacks;
        callbacks.progress = setProgress;
        // The one GUI thread keeps the window and the Cancel button alive.
        callbacks.betweenPictures = [] { QCoreApplication::processEvents(); };
        callbacks.canceled = [&progress] { return progress.wasCanceled(); };
        IconSetExport run(folder, baseName, m_effects->effectState(), AppSettingsDialog::storedSettings());
        report = run.run(plain.toImage(), callbacks);
    }
    if (loaded != MasterPicture::Scaled || report.masterTooLarge) {
        progress.close();
        const QString shown = QDir::toNativeSeparators(picture);
        QMWidgets::MessageBox::warning(
            this, QStringLiteral("Warning"),
            loaded == MasterPicture::Unreadable
                ? tr("The picture \"%1\" can no longer be read. Nothing was saved.").arg(shown)
                : tr("The picture \"%1\" is too large to be processed with the memory available. Nothing was "
                     "saved.")
                      .arg(shown));
        return;
    }

    const QString failure = failureMessage(report);
    if (!failure.isEmpty())
        QMWidgets::MessageBox::warning(this, QStringLiteral("Warning"), failure);
    // A run stopped by a folder it could not make may have made no "Icons".
    if (QDir(icons).exists())
        Os::showInExplorer(folder + QStringLiteral("/Icons"));
    // A review is asked for only after a run that wrote all its files: a user
    // just told that files are missing is in no mood to rate the program.
    if (report.complete())
        Os::requestReview(false);
}

PictureWriters Creator::writers()
{
    return PictureWriters(
        [](const QImage& picture, const QString& path, const QString& format, QString* reason) {
            return PictureSaver::save(picture, path, format, AppSettingsDialog::storedSettings(), reason);
        },
        [] { QCoreApplication::processEvents(); });
}

void Creator::saveImage(const QPixmap& picture, const QString& path, const QString& format)
{
    PictureSaver::save(picture.toImage(), path, format, AppSettingsDialog::storedSettings());
}

void Creator::writeSquareIcon(const QString& folder, const int& size, const QPixmap& picture, bool watch)
{
    writers().writeSquareIcon(folder, IconNaming::squareSchemeOf(folder), size, picture.toImage(), watch);
}

void Creator::writeTile(const QString& folder, const QSize& size, const QPixmap& picture, const QString& name,
                        float factor)
{
    writers().writeTile(folder, size, picture.toImage(), name, factor);
}

void Creator::writeLaunchScreens(const QString& folder, const QPixmap& picture)
{
    writers().writeLaunchScreens(folder, picture.toImage());
}

QPixmap Creator::paintLaunchImage(const QSize& size, const QPixmap& icon, const float& divisor,
                                  const QColor& textColor, const QColor& backgroundColor) const
{
    return QPixmap::fromImage(
        PictureWriters::paintLaunchImage(size, icon.toImage(), divisor, textColor, backgroundColor));
}

void Creator::slotEffectsClicked()
{
    QWidget* page = parentWidget();
    if (!page)
        return;

    const int panelHeight = m_effects->height();
    if (m_optionsButton->isChecked()) {
        setFixedHeight(height() + panelHeight + PanelSpacing);
        page->setFixedHeight(page->height() + panelHeight + PanelSpacing);
        m_effects->show();
        m_optionsButton->setText(tr("<<Options"));
    } else {
        m_effects->hide();
        setFixedHeight(height() - panelHeight - PanelSpacing);
        page->setFixedHeight(page->height() - panelHeight - PanelSpacing);
        m_optionsButton->setText(tr("Options>>"));
    }
}

void Creator::applyEffects(QPixmap& picture, const QString& effectState, bool mask)
{
    if (picture.isNull())
        return;
    QImage image = picture.toImage();
    Effects::apply(image, effectState, mask);
    picture = QPixmap::fromImage(image);
}
