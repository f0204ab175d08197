#include "comboslider.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>

namespace QMWidgets {

ComboSlider::ComboSlider(const QString& caption, QWidget* parent)
    : QFrame(parent)
    , m_caption(new QLabel(caption, this))
    , m_slider(new QSlider(Qt::Horizontal, this))
    , m_spinBox(new QSpinBox(this))
    , m_trailing(new QLabel(this))
{
    m_caption->setVisible(!caption.isEmpty());
    m_trailing->hide();
    m_slider->setTickPosition(QSlider::TicksBothSides);
    m_slider->setTickInterval(20);

    auto* layout = new QHBoxLayout(this);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_caption);
    layout->addWidget(m_slider);
    layout->addWidget(m_spinBox);
    layout->addWidget(m_trailing);

    connect(m_slider, &QSlider::valueChanged, m_spinBox, &QSpinBox::setValue);
    connect(m_spinBox, QOverload<int>::of(&QSpinBox::valueChanged), this, [this](int value) {
        {
            const QSignalBlocker blocker(m_slider);
            m_slider->setValue(value);
        }
        emit sliderMoved(value);
    });
}

void ComboSlider::setRange(int minimum, int maximum)
{
    // The spin box first: a slider value clamped by the new range is then
    // passed on to a spin box that already accepts it.
    m_spinBox->setRange(minimum, maximum);
    m_slider->setRange(minimum, maximum);
}

void ComboSlider::setValue(int value)
{
    m_slider->setValue(value);
    m_spinBox->setValue(value);
}

int ComboSlider::value() const
{
    return m_slider->value();
}

} // namespace QMWidgets
