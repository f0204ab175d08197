#include "creatoreffects.h"

#include "effects.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int PanelHeight = 180;
constexpr int ItemSize = 44;
// Items 1 to 4 form the first row of switches, the rest the second.
constexpr int FirstRowItems = 4;
} // namespace

CreatorEffects::CreatorEffects(QWidget* parent)
    : QWidget(parent)
{
    setFixedHeight(PanelHeight);

    m_nameEdit = new QLineEdit;
    for (const Effect& effect : Effects::all()) {
        auto* item = new QPushButton;
        item->setObjectName(effect.name);
        item->setToolTip(tr(effect.toolTip));
        item->setFlat(true);
        item->setCheckable(true);
        item->setChecked(false);
        item->setFixedSize(ItemSize, ItemSize);
        connect(item, &QPushButton::clicked, this, &CreatorEffects::slotStateChanged);
        m_items.append(item);
    }

    auto* nameRow = new QHBoxLayout;
    nameRow->addStretch(1);
    nameRow->addWidget(new QLabel(tr("Save Icons As:")));
    nameRow->addWidget(m_nameEdit);
    nameRow->addStretch(1);

    auto* firstRow = new QHBoxLayout;
    auto* secondRow = new QHBoxLayout;
    for (int i = 0; i < m_items.size(); ++i)
        (i < FirstRowItems ? firstRow : secondRow)->addWidget(m_items.at(i));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(nameRow);
    layout->addLayout(firstRow);
    layout->addLayout(secondRow);
}

QString CreatorEffects::effectState() const
{
    // The names are the fixed words of the state, not read back from the widgets.
    const QVector<Effect>& effects = Effects::all();
    QStringList on;
    for (int i = 0; i < m_items.size(); ++i) {
        if (m_items.at(i)->isChecked())
            on.append(effects.at(i).name);
    }
    return Effects::stateOf(on);
}

QString CreatorEffects::saveName() const
{
    return m_nameEdit->text();
}

void CreatorEffects::setSaveName(const QString& name)
{
    m_nameEdit->setText(name);
}

void CreatorEffects::slotStateChanged()
{
    emit stateChanged(effectState());
}
