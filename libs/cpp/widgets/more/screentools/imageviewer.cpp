#include "imageviewer.h"

#include "imagearea.h"
#include "imagefile.h"
#include "platform/desktopservices.h"
#include "shellservices.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QImage>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QUrl>
#include <QVBoxLayout>

namespace QMWidgets {

ImageViewer::ImageViewer(QWidget* parent)
    : QFrame(parent)
{
    setMinimumHeight(400);
    m_area = new ImageArea;
    m_slider = new QSlider(Qt::Horizontal);
    m_slider->setObjectName(QStringLiteral("ImageViewSlider"));
    m_slider->setRange(1, 100);
    m_slider->setValue(100);
    m_slider->setMinimumWidth(200);
    m_slider->setTickPosition(QSlider::TicksBothSides);
    m_fitButton = new QPushButton;
    m_fitButton->setObjectName(QStringLiteral("FitToScreenButton"));
    m_fitButton->setToolTip(tr("Fit To Window"));
    m_fitButton->setCheckable(true);
    m_fitButton->setChecked(true);
    m_fitButton->setFlat(true);
    m_actualPixelsButton = new QPushButton(tr("Actual Pixels"));
    m_actualPixelsButton->setObjectName(QStringLiteral("ActualPixelsButton"));
    m_actualPixelsButton->setToolTip(tr("100%"));
    m_actualPixelsButton->setFixedHeight(32);
    m_actualPixelsButton->setCheckable(true);
    m_actualPixelsButton->setFlat(true);
    auto* previewButton = new QPushButton(tr("Open with Preview"));
    previewButton->setObjectName(QStringLiteral("SysPreviewButton"));
    previewButton->setFixedHeight(32);
    previewButton->setFlat(true);
    auto* zoomInButton = new QPushButton;
    zoomInButton->setObjectName(QStringLiteral("ZoomInButton"));
    zoomInButton->setFixedSize(44, 44);
    zoomInButton->setFlat(true);
    auto* zoomOutButton = new QPushButton;
    zoomOutButton->setObjectName(QStringLiteral("ZoomOutButton"));
    zoomOutButton->setFixedSize(44, 44);
    zoomOutButton->setFlat(true);

    auto* top = new QHBoxLayout;
    top->addStretch(1);
    top->addWidget(previewButton);
    top->addStretch(1);
    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(5, 5, 5, 5);
    bar->addStretch(1);
    bar->addWidget(zoomInButton);
    bar->addWidget(m_slider);
    bar->addWidget(zoomOutButton);
    bar->addSpacing(5);
    bar->addWidget(m_actualPixelsButton);
    bar->addSpacing(20);
    bar->addWidget(m_fitButton);
    bar->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(top);
    layout->addWidget(m_area);
    layout->addLayout(bar);

    connect(m_area, &ImageArea::next, this, &ImageViewer::next);
    connect(m_area, &ImageArea::previous, this, &ImageViewer::previous);
    connect(m_area, &ImageArea::infoChanged, this, &ImageViewer::infoChanged);
    connect(m_slider, &QSlider::valueChanged, this, &ImageViewer::slotZoom);
    connect(m_slider, &QSlider::sliderPressed, this, &ImageViewer::slotShowInfo);
    connect(m_slider, &QSlider::sliderReleased, m_area, &ImageArea::slotHideInfo);
    connect(m_fitButton, &QPushButton::clicked, this, &ImageViewer::slotFitScreen);
    connect(m_actualPixelsButton, &QPushButton::clicked, this, &ImageViewer::slotActualPixels);
    connect(previewButton, &QPushButton::clicked, this, &ImageViewer::slotSysPreview);
    // The button named for zooming in lies left of the slider and steps down.
    connect(zoomOutButton, &QPushButton::clicked, this, &ImageViewer::slotIncZoom);
    connect(zoomInButton, &QPushButton::clicked, this, &ImageViewer::slotDecZoom);
}

void ImageViewer::setInfo(const QString& text)
{
    m_area->setInfo(text);
}

void ImageViewer::setNavigationHidden(bool hidden)
{
    m_area->setNavigationHidden(hidden);
}

void ImageViewer::slotLoad(const QString& path)
{
    slotLoad(QImage(path));
}

void ImageViewer::slotLoad(const QImage& image)
{
    m_area->setPixmap(QPixmap::fromImage(image, Qt::AutoColor));
}

void ImageViewer::slotActualPixels()
{
    {
        const QSignalBlocker blocker(m_fitButton);
        m_fitButton->setChecked(false);
    }
    if (!m_actualPixelsButton->isChecked())
        return;
    if (m_slider->value() == 100)
        slotZoom(100);
    else
        m_slider->setValue(100);
}

void ImageViewer::slotZoom(int percent)
{
    m_area->setInfo(QStringLiteral("<H1>%1%</H1>").arg(percent));
    {
        const QSignalBlocker blocker(m_fitButton);
        m_fitButton->setChecked(false);
    }
    {
        const QSignalBlocker blocker(m_actualPixelsButton);
        m_actualPixelsButton->setChecked(m_slider->value() == 100);
    }
    m_area->slotZoom(percent);
}

void ImageViewer::slotFitScreen()
{
    m_area->setInfo(QString());
    m_area->slotHideInfo();
    m_actualPixelsButton->setChecked(false);
    m_area->slotFitScreen();
}

void ImageViewer::slotIncZoom()
{
    if (m_slider->value() <= 99)
        m_slider->setValue(m_slider->value() + 1);
}

void ImageViewer::slotDecZoom()
{
    if (m_slider->value() > 1)
        m_slider->setValue(m_slider->value() - 1);
}

void ImageViewer::slotSysPreview()
{
    const QPixmap picture = m_area->pixmap();
    if (picture.isNull())
        return;
    const QString path = ShellServices::workDirectory(true) + QStringLiteral("preview.png");
    // A picture that cannot be written leaves the previous file as it was,
    // and that file, of another picture, is not opened.
    if (!MGraphX::saveImageFile(picture.toImage(), path, "png", -1))
        return;
    if (Platform::DesktopServices::openUrl(QUrl::fromLocalFile(path)))
        emit systemPreviewOpened();
}

void ImageViewer::slotShowInfo()
{
    slotZoom(m_slider->value());
}

bool openWithSystem(const QString& name)
{
    if (QFileInfo::exists(name))
        return Platform::DesktopServices::openUrl(QUrl::fromLocalFile(name));
    return Platform::DesktopServices::openUrl(QUrl(name, QUrl::TolerantMode));
}

} // namespace QMWidgets
