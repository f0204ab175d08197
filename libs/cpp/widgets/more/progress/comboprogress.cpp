#include "comboprogress.h"

#include "widgetutils.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace QMWidgets {

ComboProgress::ComboProgress(QWidget* parent)
    : QWidget(parent)
    , m_progressBar(new QProgressBar)
    , m_stopButton(new QPushButton)
    , m_label(new QLabel)
{
    setObjectNameAndToolTip(m_stopButton, QStringLiteral("ComboProgressStop"), tr("Stop"));
    m_stopButton->setFixedSize(20, 20);
    m_stopButton->setFlat(true);
    connect(m_stopButton, &QPushButton::clicked, this, &ComboProgress::slotStopPressed);

    auto* layout = new QHBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_progressBar);
    layout->addWidget(m_stopButton);
    layout->addWidget(m_label);
    setLayout(layout);

    showLabel(true);
}

void ComboProgress::showLabel(bool on)
{
    m_label->setVisible(on);
    m_progressBar->setVisible(!on);
    m_stopButton->setVisible(!on);
}

int ComboProgress::value() const
{
    return m_progressBar->value();
}

void ComboProgress::slotSetProgress(int value)
{
    if (value > 99) {
        showLabel(true);
        return;
    }
    if (!m_label->isHidden())
        showLabel(false);
    m_stopped = false;
    m_progressBar->setValue(value);
}

void ComboProgress::slotStopPressed()
{
    m_stopped = true;
    if (m_label->isHidden())
        showLabel(true);
}

} // namespace QMWidgets
