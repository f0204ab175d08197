// The "Settings" page: two settings pages registered once, and a button that
// opens a new settings dialog each time (the pages live on between dialogs).
#include "demosettingspage.h"
#include "dialogrunner.h"
#include "gallerypages.h"
#include "settings/settingsdialog.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QWidget* settingsPage()
{
    auto* page = new QWidget;
    auto* log = new QPlainTextEdit;
    log->setReadOnly(true);
    for (const QString& name : { QStringLiteral("General"), QStringLiteral("Advanced") }) {
        auto* settings = new DemoSettingsPage(name);
        QObject::connect(settings, &DemoSettingsPage::applied, log, &QPlainTextEdit::appendPlainText);
        QMWidgets::SettingsDialog::registerPage(name, settings);
    }

    auto* open = new QPushButton(QStringLiteral("Open a settings dialog..."));
    QObject::connect(open, &QPushButton::clicked, page, [page, log] {
        QMWidgets::SettingsDialog dialog(page);
        const int result = QMWidgets::DialogRunner::exec(dialog);
        log->appendPlainText(result == QDialog::Accepted ? QStringLiteral("Dialog closed with Ok")
                                                         : QStringLiteral("Dialog closed without Ok"));
    });

    auto* note = new QLabel(QStringLiteral(
        "Each click opens a new SettingsDialog over the same two registered pages. The buttons at its "
        "top save and load all pages as one .tssettings file."));
    note->setWordWrap(true);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(note);
    layout->addWidget(open, 0, Qt::AlignLeft);
    layout->addWidget(log, 1);
    return page;
}

} // namespace

LUMASTRAND_GALLERY_PAGE(10, "Settings", settingsPage);
