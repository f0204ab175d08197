#include "appupdatedialog.h"

#include "platform/desktopservices.h"
#include "widgetutils.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

AppUpdateDialog::AppUpdateDialog(const QDate& buildDate, const QString& updatePage, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("AppUpdateDialog"));
    setWindowTitle(tr("Update"));

    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("LogoLabel"));
    logo->setFixedSize(64, 64);

    auto* text = new QLabel(this);
    text->setTextFormat(Qt::RichText);
    text->setWordWrap(true);
    text->setText(tr("<H2>A new version of %1 is available</H2>The build of %2 is ready to download.")
                      .arg(QCoreApplication::applicationName().toHtmlEscaped(),
                           QLocale().toString(buildDate, QLocale::LongFormat)));

    auto* download = new QPushButton(tr("Download"), this);
    QMWidgets::setupPushButton(download);
    download->setDefault(true);
    connect(download, &QPushButton::clicked, this, [this, updatePage] {
        Platform::DesktopServices::openUrl(QUrl(updatePage));
        accept();
    });
    auto* later = new QPushButton(tr("Later"), this);
    QMWidgets::setupPushButton(later);
    connect(later, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(download);
    buttons->addWidget(later);

    auto* header = new QHBoxLayout;
    header->addWidget(logo, 0, Qt::AlignTop);
    header->addWidget(text, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addLayout(header);
    layout->addLayout(buttons);
    setMinimumWidth(320);
}
