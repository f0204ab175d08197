#pragma once

#include <QWidget>

class QPushButton;
class QState;
class QStateMachine;

namespace QMWidgets {

class CheckButton;

// An on/off switch whose handle slides over a track in 400 ms, driven by a
// two-state machine and mirrored by a square check button at its left. The
// host gives the switch its size and then calls init() once; before that the
// switch is off and ignores every request to change.
class AniSwitch : public QWidget
{
    Q_OBJECT

public:
    explicit AniSwitch(QWidget* parent = nullptr);

    // Builds the switch for its current size, in the state on, at once; on
    // is reported by toggled(true). A second call does nothing.
    void init(bool showIcon, bool on);
    bool isInitialised() const { return m_initialised; }

    bool isOn() const;

signals:
    // Every change of the state, once; never for a state it already has.
    void toggled(bool on);

public slots:
    void slotSetOn();
    void slotSetOff();
    void setOn(bool on);

private:
    // Follows the check state while the machine has not started yet (it starts
    // in the event loop): the machine is to start in the state the switch
    // shows by then, and the handle stands where that state puts it.
    void followStateBeforeStart(bool on);

    CheckButton* m_iconButton = nullptr;
    QStateMachine* m_machine = nullptr;
    QPushButton* m_handle = nullptr;
    QWidget* m_area = nullptr;
    QState* m_offState = nullptr;
    QState* m_onState = nullptr;
    bool m_initialised = false;
};

} // namespace QMWidgets
