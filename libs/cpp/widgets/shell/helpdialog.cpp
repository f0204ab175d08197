#include "helpdialog.h"

#include "app.h"
#include "label.h"
#include "platform/desktopservices.h"
#include "widgetutils.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace QMWidgets {

HelpDialog::HelpDialog(QWidget* parent)
    : QDialog(parent)
{
    if (App* application = App::instance()) {
        m_slides = application->helpSlides();
        m_videoLink = application->helpVideoLink();
    }
    build();
}

HelpDialog::HelpDialog(const QStringList& slides, const QString& videoLink, QWidget* parent)
    : QDialog(parent)
    , m_slides(slides)
    , m_videoLink(videoLink)
{
    build();
}

void HelpDialog::build()
{
    setObjectName(QStringLiteral("HelpDialog"));
    setWindowTitle(tr("Introduction"));

    m_picture = new Label(this);
    m_picture->setObjectName(QStringLiteral("HelpSlide"));
    m_picture->setAlignment(Qt::AlignCenter);
    m_picture->setMinimumSize(480, 300);

    auto* slideRow = new QHBoxLayout;
    slideRow->addStretch(1);
    m_slideButtons = new QButtonGroup(this);
    m_slideButtons->setExclusive(true);
    for (int i = 0; i < m_slides.size(); ++i) {
        auto* button = new QPushButton(QString::number(i + 1), this);
        button->setObjectName(QStringLiteral("HelpSlideButton"));
        button->setCheckable(true);
        button->setFixedSize(18, 18);
        m_slideButtons->addButton(button, i);
        slideRow->addWidget(button);
    }
    slideRow->addStretch(1);
    connect(m_slideButtons, &QButtonGroup::idClicked, this, [this](int index) {
        showSlide(index);
        m_timer->start();
    });

    m_video = new QPushButton(tr("Watch the Video"), this);
    m_video->setObjectName(QStringLiteral("VideoButton"));
    m_video->setMinimumSize(150, 32);
    m_video->setVisible(!m_videoLink.isEmpty());
    connect(m_video, &QPushButton::clicked, this,
            [this] { Platform::DesktopServices::openUrl(QUrl(m_videoLink, QUrl::TolerantMode)); });

    auto* close = new QPushButton(tr("Close"), this);
    setupPushButton(close);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_video);
    bottom->addStretch(1);
    bottom->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_picture, 1);
    layout->addLayout(slideRow);
    layout->addLayout(bottom);

    m_timer = new QTimer(this);
    m_timer->setInterval(SlideInterval);
    connect(m_timer, &QTimer::timeout, this, &HelpDialog::nextSlide);

    if (!m_slides.isEmpty()) {
        showSlide(0);
        m_timer->start();
    } else {
        m_picture->setText(tr("No introduction is installed."));
    }
}

void HelpDialog::showSlide(int index)
{
    if (index < 0 || index >= m_slides.size())
        return;
    m_current = index;
    const QPixmap slide(m_slides.at(index));
    m_picture->setPixmap(slide);
    // A missing slide file leaves the label's text to say where we are.
    m_picture->setText(slide.isNull() ? tr("Slide %1 of %2").arg(index + 1).arg(m_slides.size()) : QString());
    if (QAbstractButton* button = m_slideButtons->button(index))
        button->setChecked(true);
}

void HelpDialog::nextSlide()
{
    if (!m_slides.isEmpty())
        showSlide((m_current + 1) % m_slides.size());
}

} // namespace QMWidgets
