#pragma once

#include <QLabel>

class QPushButton;
class QTimer;

namespace QMWidgets {

// A full-screen, frameless, always-on-top window that holds the keyboard and
// the mouse of the whole desktop (on X11 a real keyboard and pointer grab)
// until it is unlocked. It locks by itself right after construction and
// re-asserts the lock every 10 ms: shown full screen, raised, grabs taken
// again when the window system dropped them. The "Unlock" button, hidden
// until showUnlockButton() (and until then no key or click unlocks), gives
// back every grab, stops the re-locking, hides the locker and reports
// unlocked(); slotLock() locks again.
class ScreenLocker : public QLabel
{
    Q_OBJECT

public:
    explicit ScreenLocker(QWidget* parent = nullptr);
    ~ScreenLocker() override;

    void showUnlockButton();
    // The lock is on: unlocked() has not come since the last lock.
    bool isLocked() const;
    QPushButton* unlockButton() const { return m_unlockButton; }

signals:
    void unlocked();

public slots:
    void slotLock();
    void slotTest();
    void slotCheck();
    void slotFocusChanged(QWidget* old, QWidget* now);
    void slotReleaseInputDevices();

private:
    void releaseGrabs();

    QPushButton* m_unlockButton = nullptr;
    QTimer* m_lockTimer = nullptr;
    // The locker asked for the grabs and has not given them back.
    bool m_grabbing = false;
};

} // namespace QMWidgets
