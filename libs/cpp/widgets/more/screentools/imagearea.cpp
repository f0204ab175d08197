#include "imagearea.h"

#include "pictures.h"
#include "zoomlayout.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMovie>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace QMWidgets {

namespace {
// The loading animation is supplied by the host; without it the label stays empty.
const char* const loadingPicture = ":/loading_image.gif";
} // namespace

ImageArea::ImageArea(QWidget* parent)
    : QFrame(parent)
{
    // Created first, so that the buttons and labels lie above it.
    m_scrollArea = new QScrollArea(this);
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    m_previewLabel = new QLabel;
    m_previewLabel->setObjectName(QStringLiteral("PreviewLabel"));
    m_previewLabel->setAlignment(Qt::AlignCenter);
    m_scrollArea->setWidget(m_previewLabel);

    m_nextButton = new QPushButton(this);
    m_nextButton->setObjectName(QStringLiteral("NextImageButton"));
    m_previousButton = new QPushButton(this);
    m_previousButton->setObjectName(QStringLiteral("PreviousImageButton"));
    m_infoLabel = new QLabel(this);
    m_infoLabel->setTextFormat(Qt::RichText);
    m_loadingLabel = new QLabel(this);
    m_loadingLabel->setObjectName(QStringLiteral("ImageLoadingLabel"));
    m_loadingLabel->setAlignment(Qt::AlignCenter);
    m_loadingLabel->setFixedSize(144, 144);
    m_loadingLabel->hide();
    if (Pictures::exists(QString::fromLatin1(loadingPicture))) {
        m_loadingMovie = new QMovie(QString::fromLatin1(loadingPicture), QByteArray(), this);
        m_loadingMovie->setScaledSize(QSize(96, 96));
        m_loadingLabel->setMovie(m_loadingMovie);
    }
    // The navigation shows while the mouse is over the area.
    m_nextButton->hide();
    m_previousButton->hide();
    m_infoLabel->hide();

    auto* navigation = new QHBoxLayout;
    navigation->setContentsMargins(0, 0, 0, 0);
    navigation->setSpacing(0);
    navigation->addWidget(m_previousButton);
    navigation->addStretch(1);
    navigation->addWidget(m_loadingLabel);
    navigation->addStretch(1);
    navigation->addWidget(m_nextButton);
    auto* info = new QHBoxLayout;
    info->setContentsMargins(0, 0, 0, 0);
    info->setSpacing(0);
    info->addStretch(1);
    info->addWidget(m_infoLabel);
    info->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addStretch(1);
    layout->addLayout(navigation);
    layout->addStretch(1);
    layout->addLayout(info);

    connect(m_nextButton, &QPushButton::clicked, this, &ImageArea::slotNextClicked);
    connect(m_previousButton, &QPushButton::clicked, this, &ImageArea::slotPreviousClicked);
}

void ImageArea::setPixmap(const QPixmap& pixmap)
{
    m_pixmap = pixmap;
    refresh();
    if (m_loadingMovie)
        m_loadingMovie->stop();
    m_loadingLabel->hide();
}

QPixmap ImageArea::pixmap() const
{
    return m_pixmap;
}

void ImageArea::setInfo(const QString& text)
{
    if (text.isEmpty()) {
        m_infoLabel->hide();
        return;
    }
    m_infoLabel->setText(text);
    m_infoLabel->show();
}

void ImageArea::setNavigationHidden(bool hidden)
{
    m_navigationHidden = hidden;
    if (hidden) {
        m_nextButton->hide();
        m_previousButton->hide();
        m_infoLabel->hide();
    }
}

void ImageArea::slotZoom(int percent)
{
    m_fitToWindow = false;
    zoomStep(percent);
}

void ImageArea::slotFitScreen()
{
    m_infoLabel->setText(tr("<H1>Fit to Window</H1>"));
    m_fitToWindow = true;
    fitStep();
}

void ImageArea::slotHideInfo()
{
    m_infoLabel->hide();
}

void ImageArea::slotShowInfo()
{
    m_infoLabel->show();
}

void ImageArea::slotNextClicked()
{
    startLoading();
    emit next();
    emit infoChanged();
}

void ImageArea::slotPreviousClicked()
{
    startLoading();
    emit previous();
    emit infoChanged();
}

void ImageArea::startLoading()
{
    if (m_loadingMovie)
        m_loadingMovie->start();
    m_loadingLabel->show();
}

void ImageArea::refresh()
{
    if (m_fitToWindow)
        fitStep();
    else
        zoomStep(m_zoom);
}

QPixmap ImageArea::scaledTo(const QSize& size) const
{
    if (m_pixmap.isNull())
        return QPixmap();
    return m_pixmap.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

void ImageArea::zoomStep(int percent)
{
    m_zoom = percent;
    const QPixmap scaled = scaledTo(ZoomLayout::zoomed(m_pixmap.size(), percent));
    m_previewLabel->setPixmap(scaled);
    const ZoomLayout layout = ZoomLayout::of(scaled.size(), size());
    m_previewLabel->setFixedSize(layout.labelSize);
    m_scrollArea->setHorizontalScrollBarPolicy(layout.horizontal);
    m_scrollArea->setVerticalScrollBarPolicy(layout.vertical);
    m_scrollArea->setGeometry(rect());
}

void ImageArea::fitStep()
{
    m_previewLabel->setPixmap(scaledTo(size()));
    m_scrollArea->setGeometry(rect());
    m_previewLabel->setFixedSize(size());
    m_scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void ImageArea::enterEvent(QEvent* event)
{
    if (!m_navigationHidden) {
        m_nextButton->show();
        m_previousButton->show();
    }
    m_infoLabel->show();
    QFrame::enterEvent(event);
}

void ImageArea::leaveEvent(QEvent* event)
{
    m_nextButton->hide();
    m_previousButton->hide();
    m_infoLabel->hide();
    QFrame::leaveEvent(event);
}

void ImageArea::resizeEvent(QResizeEvent* event)
{
    refresh();
    QFrame::resizeEvent(event);
}

} // namespace QMWidgets
