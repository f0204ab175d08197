#include "screenlocker.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

namespace QMWidgets {

namespace {
const Qt::WindowFlags lockFlags = Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint;
} // namespace

ScreenLocker::ScreenLocker(QWidget* parent)
    : QLabel(parent)
{
    m_lockTimer = new QTimer(this);
    m_unlockButton = new QPushButton(QStringLiteral("Unlock"));
    m_unlockButton->hide();
    // The hidden button still holds the grabs and so gets every key and
    // click: disabled, it lets none of them unlock until it is shown.
    m_unlockButton->setEnabled(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_unlockButton, 0, Qt::AlignCenter);
    m_lockTimer->setInterval(10);
    m_lockTimer->start();
    connect(m_lockTimer, &QTimer::timeout, this, &ScreenLocker::slotCheck);
    connect(m_unlockButton, &QPushButton::clicked, this, &ScreenLocker::slotReleaseInputDevices);
}

ScreenLocker::~ScreenLocker()
{
    m_lockTimer->stop();
    releaseGrabs();
}

void ScreenLocker::showUnlockButton()
{
    m_unlockButton->setEnabled(true);
    m_unlockButton->show();
}

bool ScreenLocker::isLocked() const
{
    return m_lockTimer->isActive();
}

void ScreenLocker::slotLock()
{
    // Changing the flags makes a new native window: done once, not on every tick.
    if ((windowFlags() & lockFlags) != lockFlags)
        setWindowFlags(lockFlags);
    if (!isVisible() || !isFullScreen()) {
        // Covers the screen also where no window manager makes it full screen.
        if (QScreen* screen = QGuiApplication::primaryScreen())
            setGeometry(screen->geometry());
        showFullScreen();
    }
    raise();
    // All keys and clicks go to the unlock button, wherever the pointer is.
    if (QWidget::keyboardGrabber() != m_unlockButton)
        m_unlockButton->grabKeyboard();
    if (QWidget::mouseGrabber() != m_unlockButton)
        m_unlockButton->grabMouse();
    // The window system refuses a grab while the window is not mapped yet and
    // drops it when the window is unmapped; taking it again while holding it
    // changes nothing.
    if (QWindow* handle = windowHandle()) {
        handle->setKeyboardGrabEnabled(true);
        handle->setMouseGrabEnabled(true);
    }
    m_grabbing = true;
    if (!m_lockTimer->isActive())
        m_lockTimer->start();
}

void ScreenLocker::slotTest()
{
    slotLock();
}

void ScreenLocker::slotCheck()
{
    slotLock();
}

void ScreenLocker::slotFocusChanged(QWidget* old, QWidget* now)
{
    Q_UNUSED(old)
    Q_UNUSED(now)
}

void ScreenLocker::slotReleaseInputDevices()
{
    m_lockTimer->stop();
    releaseGrabs();
    hide();
    emit unlocked();
}

void ScreenLocker::releaseGrabs()
{
    if (!m_grabbing)
        return;
    m_grabbing = false;
    if (QWidget::keyboardGrabber() == m_unlockButton)
        m_unlockButton->releaseKeyboard();
    if (QWidget::mouseGrabber() == m_unlockButton)
        m_unlockButton->releaseMouse();
    if (QWindow* handle = windowHandle()) {
        handle->setKeyboardGrabEnabled(false);
        handle->setMouseGrabEnabled(false);
    }
}

} // namespace QMWidgets
