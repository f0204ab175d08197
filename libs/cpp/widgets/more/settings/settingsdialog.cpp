#include "settingsdialog.h"

#include "messagebox.h"
#include "os.h"
#include "settingsfile.h"
#include "settingspages.h"
#include "settingswidget.h"
#include "shellservices.h"
#include "wholefile.h"
#include "widgetutils.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace QMWidgets {

namespace {
const char FileFilter[] = "*.tssettings";
} // namespace

SettingsDialog::SettingsDialog(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QCoreApplication::applicationName() + tr(" Settings"));
}

SettingsDialog::~SettingsDialog()
{
    // The pages outlive the dialog: later dialogs show them again.
    SettingsPages::release(this);
}

void SettingsDialog::registerPage(const QString& name, QWidget* page)
{
    SettingsPages::add(name, page);
}

void SettingsDialog::showEvent(QShowEvent* event)
{
    if (!m_contentsCreated) {
        createContents();
        m_contentsCreated = true;
    } else {
        reclaimPages();
    }
    QDialog::showEvent(event);
}

void SettingsDialog::createContents()
{
    m_tabWidget = new QTabWidget;
    for (const QString& name : SettingsPages::order()) {
        // A name registered twice gets one tab, where it was first registered.
        QWidget* page = SettingsPages::page(name);
        if (!page || m_tabNames.contains(name))
            continue;
        m_tabWidget->addTab(page, name);
        m_tabNames.append(name);
    }

    auto* okButton = new QPushButton(tr("&Ok"));
    auto* applyButton = new QPushButton(tr("&Apply"));
    auto* cancelButton = new QPushButton(tr("&Cancel"));
    auto* saveButton = new QPushButton;
    auto* loadButton = new QPushButton;
    setObjectNameAndToolTip(saveButton, QStringLiteral("StorageBrowserSS"), tr("Save the Settings"));
    setObjectNameAndToolTip(loadButton, QStringLiteral("StorageBrowserLS"), tr("Load the Settings"));
    for (QPushButton* button : { okButton, applyButton, cancelButton })
        setupPushButton(button);
    setupSquareButton(loadButton);
    setupSquareButton(saveButton);

    connect(saveButton, &QPushButton::clicked, this, &SettingsDialog::slotSaveSettings);
    connect(loadButton, &QPushButton::clicked, this, &SettingsDialog::slotLoadSettings);
    connect(applyButton, &QPushButton::clicked, this, &SettingsDialog::slotApply);
    connect(okButton, &QPushButton::clicked, this, &SettingsDialog::slotOk);
    connect(cancelButton, &QPushButton::clicked, this, &SettingsDialog::reject);

    auto* fileRow = new QHBoxLayout;
    fileRow->setContentsMargins(0, 0, 0, 0);
    fileRow->setSpacing(2);
    fileRow->addWidget(saveButton);
    fileRow->addWidget(loadButton);
    fileRow->addStretch(1);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->setContentsMargins(0, 0, 0, 0);
    buttonRow->setSpacing(2);
    buttonRow->addStretch(1);
    buttonRow->addWidget(okButton);
    buttonRow->addWidget(applyButton);
    buttonRow->addWidget(cancelButton);

    auto* layout = new QVBoxLayout;
    layout->setContentsMargins(7, 7, 7, 7);
    layout->setSpacing(4);
    layout->addLayout(fileRow);
    layout->addWidget(m_tabWidget);
    layout->addLayout(buttonRow);
    setLayout(layout);
}

void SettingsDialog::reclaimPages()
{
    for (int index = 0; index < m_tabNames.size(); ++index) {
        QWidget* page = SettingsPages::page(m_tabNames.at(index));
        if (page && m_tabWidget->indexOf(page) < 0)
            m_tabWidget->insertTab(index, page, m_tabNames.at(index));
    }
}

void SettingsDialog::slotApply()
{
    for (SettingsWidget* page : SettingsPages::settingsWidgets())
        page->slotApply();
}

void SettingsDialog::slotOk()
{
    slotApply();
    accept();
}

void SettingsDialog::slotSaveSettings()
{
    const QString startPath = ShellServices::lastSaveDirectory() + QStringLiteral("/Settings.tssettings");
    const QString fileName
        = Os::getSaveFileName(this, tr("Save Settings"), startPath, QLatin1String(FileFilter), nullptr, {});
    if (fileName.isEmpty())
        return;
    ShellServices::setLastSaveDirectory(fileName);

    const QString target = SettingsFile::targetPath(fileName);
    // The file dialog asked about replacing the name it was given, not about
    // the name with the suffix added.
    if (target != fileName && QFileInfo::exists(target)) {
        const QString question = tr("The file %1 already exists.\nDo you want to replace it?")
                                     .arg(QDir::toNativeSeparators(target));
        if (MessageBox::question(this, tr("Save Settings"), question) != QMessageBox::Yes)
            return;
    }

    QString error;
    if (!SettingsFile::save(target, SettingsFile::write(SettingsPages::settingsWidgets()), &error)) {
        MessageBox::warning(
            this, tr("Save Settings"),
            tr("The settings could not be saved to %1:\n%2").arg(QDir::toNativeSeparators(target), error));
    }
}

void SettingsDialog::slotLoadSettings()
{
    const QString startPath = ShellServices::lastOpenDirectory() + QStringLiteral("/ ");
    const QString fileName
        = Os::getOpenFileName(this, tr("Load Settings"), startPath, QLatin1String(FileFilter), nullptr, {});
    if (fileName.isEmpty())
        return;

    ShellServices::setLastOpenDirectory(fileName);
    // Only a regular file of a settings file's size is read, and only a
    // document of a settings file's depth is built; a refusal is told, while
    // a file that cannot be read or is no XML document loads nothing.
    QByteArray text;
    QString refusal;
    QDomDocument document;
    switch (MTools::WholeFile::read(fileName, SettingsFile::MaxFileSize, &text, &refusal)) {
    case MTools::WholeFile::ReadResult::Read:
        if (SettingsFile::read(text, &document, &refusal))
            SettingsFile::loadPages(document.documentElement(), SettingsPages::settingsWidgets());
        break;
    case MTools::WholeFile::ReadResult::Refused:
        break;
    case MTools::WholeFile::ReadResult::Failed:
        refusal.clear();
        break;
    }
    if (!refusal.isEmpty()) {
        MessageBox::warning(
            this, tr("Load Settings"),
            tr("The settings were not loaded from %1:\n%2").arg(QDir::toNativeSeparators(fileName), refusal));
    }
}

} // namespace QMWidgets
