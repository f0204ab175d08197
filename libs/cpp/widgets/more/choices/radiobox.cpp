#include "radiobox.h"

#include <QAbstractButton>

namespace QMWidgets {

RadioBox::RadioBox(QBoxLayout::Direction direction, QWidget* parent)
    : QWidget(parent)
    , m_layout(new QBoxLayout(direction))
{
    QPalette green;
    green.setBrush(backgroundRole(), QBrush(Qt::green));
    setPalette(green);

    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    setLayout(m_layout);
}

void RadioBox::addButton(QAbstractButton* button)
{
    if (!button)
        return;
    button->setCheckable(true);
    m_layout->addWidget(button);
    connect(button, &QAbstractButton::clicked, this, &RadioBox::slotButtonClicked);
}

void RadioBox::slotButtonClicked()
{
    auto* clicked = qobject_cast<QAbstractButton*>(sender());
    if (!clicked)
        return;
    // Every button inside the box, also ones a host nested in its own buttons.
    const QList<QAbstractButton*> buttons = findChildren<QAbstractButton*>();
    for (QAbstractButton* button : buttons)
        button->setChecked(false);
    clicked->setChecked(true);
}

} // namespace QMWidgets
