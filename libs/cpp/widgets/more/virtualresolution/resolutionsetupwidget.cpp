#include "resolutionsetupwidget.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

namespace QMWidgets {

namespace {
const int kMinimumSide = 100;
const int kMaximumSide = 30000;
} // namespace

ResolutionSetupWidget::ResolutionSetupWidget(QWidget* parent)
    : QGroupBox(parent)
    , m_slider(new QSlider(Qt::Horizontal))
    , m_widthSpin(new QSpinBox)
    , m_heightSpin(new QSpinBox)
{
    m_slider->setTickInterval(1);
    m_slider->setTickPosition(QSlider::TicksBelow);
    m_widthSpin->setRange(kMinimumSide, kMaximumSide);
    m_heightSpin->setRange(kMinimumSide, kMaximumSide);
    connect(m_slider, &QSlider::valueChanged, this, &ResolutionSetupWidget::slotValueChanged);

    auto* times = new QLabel(QStringLiteral("x"));
    times->setMaximumWidth(10);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(1);
    auto* sliderRow = new QHBoxLayout;
    sliderRow->setContentsMargins(1, 1, 1, 1);
    sliderRow->setSpacing(1);
    sliderRow->addWidget(new QLabel(tr("Low")));
    sliderRow->addWidget(m_slider);
    sliderRow->addWidget(new QLabel(tr("High")));
    auto* sizeRow = new QHBoxLayout;
    sizeRow->setContentsMargins(1, 1, 1, 1);
    sizeRow->setSpacing(1);
    sizeRow->addWidget(m_widthSpin);
    sizeRow->addWidget(times);
    sizeRow->addWidget(m_heightSpin);
    layout->addLayout(sliderRow);
    layout->addLayout(sizeRow);
}

void ResolutionSetupWidget::addResolution(int width, int height)
{
    // The entry comes first, so that a slider position clamped by the new
    // range already finds it.
    m_widths.append(width);
    m_heights.append(height);
    m_slider->setRange(0, m_widths.size() - 1);
    m_widthSpin->setValue(m_widths.first());
    m_heightSpin->setValue(m_heights.first());
}

QSize ResolutionSetupWidget::resolution() const
{
    return QSize(m_widthSpin->value(), m_heightSpin->value());
}

void ResolutionSetupWidget::slotValueChanged(int n)
{
    if (n < 0 || n >= m_widths.size())
        return;
    m_widthSpin->setValue(m_widths.at(n));
    m_heightSpin->setValue(m_heights.at(n));
    emit resolutionChanged(resolution());
}

} // namespace QMWidgets
