#pragma once

#include <QLabel>
#include <QList>
#include <QPointer>

namespace QMWidgets {

class NoScreeShotFilter;

// A container that hides its content (every child widget) while no window of
// the application is active, so that a screenshot taken from another program
// shows only the label's own text ("No!" unless given another). The content
// comes back exactly as it was: widgets the host had hidden stay hidden, and
// the widgets that had the focus get it back. After protectChildren() a key
// press in the content hides it too, until the next focus change in the
// active application.
//
// While the content is hidden, whatever the host shows or adds below the
// container stays hidden until the content comes back, and is shown then.
// Windows below the container are hidden as well, except dialogs: a dialog
// keeps its window and hides its content, so that a running exec() goes on
// and ends with what the user chooses. (A widget that the protection hid and
// the host hides too before the content comes back shows again with it: Qt
// tells nothing when a hidden widget is hidden.)
//
// Best effort only: on X11 every client may read the screen at any time, so
// content that is on screen while the application is active can still be
// captured, and the hiding takes effect only once the window system has told
// the application that it lost the focus.
class NoScreenShotWidget : public QLabel
{
    Q_OBJECT

public:
    explicit NoScreenShotWidget(QWidget* parent = nullptr);
    explicit NoScreenShotWidget(const QString& text, QWidget* parent = nullptr);
    ~NoScreenShotWidget() override;

    // Filters key presses of every widget below this one (those there now).
    void protectChildren();
    // Hides the content now.
    void hideContent();
    bool isContentHidden() const { return m_contentHidden; }

    // Hides every widget below widget that is shown and stands for the
    // content: its child widgets, the child widgets of dialog windows below
    // it, and other windows below it. Or shows again those that an earlier
    // call hid; widgets hidden otherwise stay hidden.
    static void setChildrenVisible(QWidget* widget, bool visible);

public slots:
    // Shows the content exactly while the application has an active window.
    void slotFocusChanged(QWidget* old, QWidget* now);

protected:
    bool event(QEvent* event) override;
    // While the content is hidden: keeps what the host shows below hidden.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void followApplication();
    void setContentVisible(bool visible);
    void setContentHidden(bool hidden);
    void rememberFocus();

    NoScreeShotFilter* m_filter = nullptr;
    // Per window holding content, the widget that had its focus.
    QList<QPointer<QWidget>> m_focusBeforeHiding;
    bool m_contentHidden = false;
    // Focus changes that the hiding and showing cause are not the user's.
    bool m_changing = false;
};

} // namespace QMWidgets
