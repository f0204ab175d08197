#include "mobilesimulator.h"

#include <QHBoxLayout>

namespace QMWidgets {

MobileSimulator::MobileSimulator(QWidget* parent)
    : QFrame(parent)
    , m_layout(new QHBoxLayout)
{
    setObjectName(QStringLiteral("MobileSimulator"));
    m_layout->setContentsMargins(5, 5, 5, 5);
    m_layout->setSpacing(3);
    setLayout(m_layout);
}

void MobileSimulator::setWidget(QWidget* widget)
{
    if (!widget)
        return;
    m_widget = widget;
    m_layout->addWidget(widget);
}

} // namespace QMWidgets
