#include "aniswitch.h"

#include "checkbutton.h"
#include "widgetutils.h"

#include <QHBoxLayout>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QSignalTransition>
#include <QState>
#include <QStateMachine>

namespace QMWidgets {

namespace {
constexpr int kSlideDuration = 400; // ms

QPropertyAnimation* slide(QPushButton* handle, QObject* parent)
{
    auto* animation = new QPropertyAnimation(handle, "pos", parent);
    animation->setDuration(kSlideDuration);
    return animation;
}
} // namespace

AniSwitch::AniSwitch(QWidget* parent)
    : QWidget(parent)
{
}

void AniSwitch::init(bool showIcon, bool on)
{
    if (m_initialised)
        return;
    m_initialised = true;

    const int w = width();
    const int h = height();

    m_iconButton = new CheckButton;
    m_iconButton->setFixedSize(h, h);
    m_iconButton->setFlat(true);
    setObjectNameAndToolTip(m_iconButton, QStringLiteral("AniSwitchIcon"), QString());

    m_area = new QWidget;
    auto* onArea = new QPushButton;
    onArea->setObjectName(QStringLiteral("AniSwitchOnArea"));
    auto* offArea = new QPushButton;
    offArea->setObjectName(QStringLiteral("AniSwitchOffArea"));
    // Each area shows where the handle is not, and clicking it moves the handle there.
    connect(onArea, &QPushButton::clicked, this, &AniSwitch::slotSetOff);
    connect(offArea, &QPushButton::clicked, this, &AniSwitch::slotSetOn);
    auto* areaLayout = new QHBoxLayout(m_area);
    areaLayout->setContentsMargins(0, 0, 0, 0);
    areaLayout->setSpacing(0);
    areaLayout->addWidget(onArea);
    areaLayout->addStretch(1);
    areaLayout->addWidget(offArea);

    m_handle = new QPushButton(m_area);
    m_handle->setAutoFillBackground(true);
    m_handle->setFlat(true);
    if (showIcon) {
        m_handle->setFixedSize(w / 2 - h / 2, h);
    } else {
        m_handle->setFixedSize(w / 2, h);
        m_iconButton->hide();
    }
    m_handle->setObjectName(QStringLiteral("AniSwitchHandler"));

    // The switch starts in its state at once, before the machine runs, and
    // reports it to a host that is listening already, as entering the on
    // state does.
    connect(m_iconButton, &CheckButton::toggled, this, &AniSwitch::toggled);
    m_iconButton->setChecked(on);
    m_handle->move(on ? m_handle->width() : 0, 0);
    m_handle->show();
    m_handle->raise();

    m_machine = new QStateMachine(this);
    m_offState = new QState(m_machine);
    m_offState->assignProperty(m_handle, "pos", QPoint(0, 0));
    m_offState->assignProperty(m_iconButton, "checked", false);
    m_onState = new QState(m_machine);
    m_onState->assignProperty(m_handle, "pos", QPoint(m_handle->width(), 0));
    m_onState->assignProperty(m_iconButton, "checked", true);
    m_machine->setInitialState(on ? m_onState : m_offState);

    QPropertyAnimation* slideOn = slide(m_handle, m_machine);
    QPropertyAnimation* slideOff = slide(m_handle, m_machine);
    m_offState->addTransition(m_handle, &QPushButton::clicked, m_onState)->addAnimation(slideOn);
    m_offState->addTransition(m_iconButton, &CheckButton::onClicked, m_onState)->addAnimation(slideOn);
    m_onState->addTransition(m_handle, &QPushButton::clicked, m_offState)->addAnimation(slideOff);
    m_onState->addTransition(m_iconButton, &CheckButton::offClicked, m_offState)->addAnimation(slideOff);

    connect(m_iconButton, &CheckButton::toggled, this, &AniSwitch::followStateBeforeStart);
    m_machine->start();

    auto* switchLayout = new QHBoxLayout(this);
    switchLayout->setContentsMargins(0, 0, 0, 0);
    switchLayout->setSpacing(0);
    switchLayout->addWidget(m_iconButton);
    switchLayout->addWidget(m_area);
}

bool AniSwitch::isOn() const
{
    return m_iconButton && m_iconButton->isChecked();
}

void AniSwitch::slotSetOn()
{
    setOn(true);
}

void AniSwitch::slotSetOff()
{
    setOn(false);
}

void AniSwitch::setOn(bool on)
{
    if (m_iconButton)
        m_iconButton->setChecked(on);
}

void AniSwitch::followStateBeforeStart(bool on)
{
    if (m_machine->isRunning())
        return;
    m_machine->setInitialState(on ? m_onState : m_offState);
    m_handle->move(on ? m_handle->width() : 0, 0);
}

} // namespace QMWidgets
