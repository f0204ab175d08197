#include "aboutdialog.h"

#include "app.h"
#include "platform/desktopservices.h"
#include "widgetutils.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace QMWidgets {

QString AboutDialog::licenseFile()
{
    App* application = App::instance();
    const QString folder = application
        ? application->resourcesDirectory()
        : QCoreApplication::applicationDirPath() + QStringLiteral("/Resources/");
    return folder + QStringLiteral("LICENSE.LGPL");
}

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent)
    , m_license(new QPushButton(tr("License"), this))
{
    setObjectName(QStringLiteral("AboutDialog"));
    setWindowTitle(tr("About %1").arg(QCoreApplication::applicationName()));

    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("LogoLabel"));
    logo->setFixedSize(64, 64);

    auto* title = new QLabel(this);
    title->setTextFormat(Qt::RichText);
    title->setText(QStringLiteral("<H2>%1</H2>%2<br>%3")
                       .arg(QCoreApplication::applicationName().toHtmlEscaped(),
                            tr("Version %1").arg(QCoreApplication::applicationVersion()),
                            tr("Copyright (C) %1").arg(QCoreApplication::organizationName())));

    auto* header = new QHBoxLayout;
    header->addWidget(logo);
    header->addWidget(title, 1);

    auto* legal = new QFrame(this);
    legal->setObjectName(QStringLiteral("AboutLegalInfo"));
    auto* credits = new QLabel(legal);
    credits->setTextFormat(Qt::RichText);
    credits->setWordWrap(true);
    App* application = App::instance();
    credits->setText(QStringLiteral("<H3>This Application Uses:</H3>")
                     + (application ? application->aboutCredits() : QString()));
    auto* legalLayout = new QVBoxLayout(legal);
    legalLayout->addWidget(credits);

    setupPushButton(m_license);
    m_license->setEnabled(QFileInfo::exists(licenseFile()));
    connect(m_license, &QPushButton::clicked, this,
            [] { Platform::DesktopServices::openUrl(QUrl::fromLocalFile(licenseFile())); });

    auto* ok = new QPushButton(tr("Ok"), this);
    setupPushButton(ok);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_license);
    buttons->addStretch(1);
    buttons->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addLayout(header);
    layout->addWidget(legal, 1);
    layout->addLayout(buttons);
    setMinimumWidth(320);
}

} // namespace QMWidgets
