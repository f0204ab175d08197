#include "mainpage.h"

#include "appsettingsdialog.h"
#include "creator.h"
#include "dialogrunner.h"
#include "promomenubar.h"

#include <QPushButton>
#include <QVBoxLayout>

MainPage::MainPage(QWidget* parent)
    : QMWidgets::PromoMainPage(parent, false)
{
    setFixedSize(290, 390);
    setObjectName(QStringLiteral("MainPage"));

    m_creator = new Creator(nullptr);

    menuBar()->hideMoreAppsButton();

    m_settingsButton = new QPushButton;
    m_settingsButton->setFlat(true);
    m_settingsButton->setObjectName(QStringLiteral("SettingsButton"));
    m_settingsButton->setToolTip(tr("Settings"));
    m_settingsButton->setFixedSize(32, 32);
    menuBar()->addWidget(m_settingsButton);
    connect(m_settingsButton, &QPushButton::clicked, this, &MainPage::slotShowSettings);

    auto* layout = new QVBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(5);
    layout->addWidget(menuBar(), 0);
    layout->addWidget(m_creator, 0);
    setLayout(layout);
}

QStringList MainPage::helpSlides(const QString& language, const QString& folder)
{
    const QStringList withSlides = { QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("ru") };
    const QString code = withSlides.contains(language, Qt::CaseSensitive) ? language : QStringLiteral("en");
    QStringList slides;
    for (int i = 1; i <= 5; ++i)
        slides.append(folder + QStringLiteral("Slide%1_%2.jpg").arg(i).arg(code));
    return slides;
}

void MainPage::slotShowSettings()
{
    AppSettingsDialog dialog(m_settingsButton);
    QMWidgets::DialogRunner::exec(dialog);
}

void MainPage::resizeEvent(QResizeEvent*)
{
    // The page's size is fixed; nothing follows a resize.
}
