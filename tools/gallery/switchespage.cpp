// The "Switches" page: the animated switch and the check button, tagged list
// items, the centring filter, and a common style that dresses the page.
#include "gallerypages.h"
#include "switches/aniswitch.h"
#include "switches/centerfilter.h"
#include "switches/checkbutton.h"
#include "switches/commonstyle.h"
#include "switches/listwidgetitem.h"

#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The gallery's style for the switches, as a host would keep it.
class SwitchStyle : public QMWidgets::CommonStyle
{
public:
    using QMWidgets::CommonStyle::CommonStyle;

    QString text() const override
    {
        return QStringLiteral(
            "#AniSwitchOnArea { background: #3c9a5f; border: none; min-width: 56px; }"
            "#AniSwitchOffArea { background: #a9adb3; border: none; min-width: 56px; }"
            "#AniSwitchHandler { background: #f4f4f4; border: 1px solid #7b8088; border-radius: 4px; }"
            "#AniSwitchIcon { background: #d9dce0; border: 1px solid #9aa0a8; border-radius: 4px; }"
            "#AniSwitchIcon:checked { background: #3c9a5f; }"
            "QMWidgets--CheckButton:checked { background: #3c9a5f; color: white; }");
    }
};

QWidget* switches()
{
    auto* box = new QGroupBox(QStringLiteral("Animated switch and check button"));
    auto* withIcon = new QMWidgets::AniSwitch;
    withIcon->setFixedSize(150, 32);
    withIcon->init(true, false);
    auto* plain = new QMWidgets::AniSwitch;
    plain->setFixedSize(120, 32);
    plain->init(false, true);
    auto* state = new QLabel;
    auto showState = [state, withIcon, plain] {
        state->setText(QStringLiteral("With icon: %1, without icon: %2")
                           .arg(withIcon->isOn() ? QStringLiteral("on") : QStringLiteral("off"),
                                plain->isOn() ? QStringLiteral("on") : QStringLiteral("off")));
    };
    showState();
    QObject::connect(withIcon, &QMWidgets::AniSwitch::toggled, state, showState);
    QObject::connect(plain, &QMWidgets::AniSwitch::toggled, state, showState);
    auto* flip = new QPushButton(QStringLiteral("Flip both by code"));
    QObject::connect(flip, &QPushButton::clicked, withIcon, [withIcon, plain] {
        withIcon->setOn(!withIcon->isOn());
        plain->setOn(!plain->isOn());
    });

    auto* check = new QMWidgets::CheckButton;
    check->setText(QStringLiteral("Check button"));
    auto* checkState = new QLabel(QStringLiteral("Not clicked yet"));
    QObject::connect(check, &QMWidgets::CheckButton::onClicked, checkState,
                     [checkState] { checkState->setText(QStringLiteral("onClicked()")); });
    QObject::connect(check, &QMWidgets::CheckButton::offClicked, checkState,
                     [checkState] { checkState->setText(QStringLiteral("offClicked()")); });

    auto* row = new QHBoxLayout;
    row->addWidget(withIcon);
    row->addWidget(plain);
    row->addWidget(flip);
    row->addStretch(1);
    auto* checkRow = new QHBoxLayout;
    checkRow->addWidget(check);
    checkRow->addWidget(checkState, 1);
    auto* layout = new QVBoxLayout(box);
    layout->addLayout(row);
    layout->addWidget(state);
    layout->addLayout(checkRow);
    return box;
}

QWidget* taggedList()
{
    auto* box = new QGroupBox(QStringLiteral("List items with a tag"));
    auto* list = new QListWidget;
    const QStringList names = { QStringLiteral("Apple"), QStringLiteral("Carrot"), QStringLiteral("Cherry") };
    const QStringList tags
        = { QStringLiteral("fruit"), QStringLiteral("vegetable"), QStringLiteral("fruit") };
    for (int i = 0; i < names.size(); ++i)
        (new QMWidgets::ListWidgetItem(names.at(i), list))->setTag(tags.at(i));
    auto* tag = new QLabel(QStringLiteral("Choose an item"));
    QObject::connect(list, &QListWidget::currentItemChanged, tag, [tag](QListWidgetItem* item) {
        if (auto* tagged = dynamic_cast<QMWidgets::ListWidgetItem*>(item))
            tag->setText(QStringLiteral("Tag: %1").arg(tagged->tag()));
    });
    auto* layout = new QHBoxLayout(box);
    layout->addWidget(list, 1);
    layout->addWidget(tag, 1);
    return box;
}

QWidget* centring()
{
    auto* box = new QGroupBox(QStringLiteral("Centring filter"));
    auto* stage = new QFrame;
    stage->setFrameShape(QFrame::StyledPanel);
    stage->setFixedSize(260, 110);
    auto* card = new QLabel(QStringLiteral("Centred"), stage);
    card->setAlignment(Qt::AlignCenter);
    card->setStyleSheet(QStringLiteral("background: #ffe9a0; border: 1px solid #b89b3a;"));
    card->resize(110, 40);
    card->hide();
    auto* filter = new QMWidgets::CenterFilter(box);
    card->installEventFilter(filter);
    auto* toggle = new QPushButton(QStringLiteral("Show or hide in the frame"));
    QObject::connect(toggle, &QPushButton::clicked, card, [card] { card->setVisible(card->isHidden()); });
    auto* wider = new QPushButton(QStringLiteral("Wider frame"));
    QObject::connect(wider, &QPushButton::clicked, stage, [stage, filter] {
        stage->setFixedWidth(stage->width() == 260 ? 360 : 260);
        filter->slotResized(stage->width());
    });
    auto* controls = new QVBoxLayout;
    controls->addWidget(toggle);
    controls->addWidget(wider);
    controls->addStretch(1);
    auto* layout = new QHBoxLayout(box);
    layout->addWidget(stage);
    layout->addLayout(controls);
    layout->addStretch(1);
    return box;
}

QWidget* switchesPage()
{
    auto* page = new QWidget;
    SwitchStyle style(page);
    page->setStyleSheet(style.text());
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(switches());
    layout->addWidget(taggedList());
    layout->addWidget(centring());
    layout->addStretch(1);
    return page;
}

} // namespace

LUMASTRAND_GALLERY_PAGE(310, "Switches", switchesPage);
