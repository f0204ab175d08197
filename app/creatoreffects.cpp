#include "creatoreffects.h"

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

QStringList CreatorEffects::effectNames()
{
    return { QStringLiteral("TopGlossyItem"),   QStringLiteral("CenterGlossyItem"),
             QStringLiteral("VolumeItem"),      QStringLiteral("FrameItem"),
             QStringLiteral("FreeLabelItem"),   QStringLiteral("LiteLabelItem"),
             QStringLiteral("RoundedEdgesItem") };
}

bool CreatorEffects::isOn(const QString& effectState, const QString& effectName)
{
    // No name is part of another one, so a plain search is exact.
    return effectState.indexOf(effectName, 0, Qt::CaseSensitive) != -1;
}

CreatorEffects::CreatorEffects(QWidget* parent)
    : QWidget(parent)
{
    setFixedHeight(PanelHeight);

    const QStringList toolTips = { tr("Top Glossy"), tr("Center Glossy"), tr("Volume"),       tr("Frame"),
                                   tr("Free Label"), tr("Lite Label"),    tr("Rounded Edges") };
    const QStringList names = effectNames();

    m_nameEdit = new QLineEdit;
    for (int i = 0; i < names.size(); ++i) {
        auto* item = new QPushButton;
        item->setObjectName(names.at(i));
        item->setToolTip(toolTips.at(i));
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
    const QStringList names = effectNames();
    QString state;
    for (int i = 0; i < m_items.size(); ++i) {
        if (m_items.at(i)->isChecked())
            state += names.at(i) + QLatin1Char(';');
    }
    return state;
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
