#pragma once

#include <QAbstractAnimation>
#include <QColor>
#include <QFrame>
#include <QPointer>

namespace QMWidgets {

// A frameless, translucent speech-bubble tool window with its tail at the top
// or bottom centre. It hides on a press on itself and, once
// hideOnMouseButtonPress() was called, on any mouse press in the application.
// Optional animations run when it shows and hides; they stay the host's, and
// one the host deletes is simply no longer run.
class BubbleWindow : public QFrame
{
    Q_OBJECT

public:
    explicit BubbleWindow(QWidget* parent = nullptr, const QColor& color = QColor(255, 255, 225));

    // From now on every mouse-button press anywhere in the application hides
    // the bubble, before the press is delivered.
    void hideOnMouseButtonPress();

    // None of these repaints.
    void setColor(const QColor& color);
    QColor color() const { return m_color; }
    void setPointsDown(bool down);
    bool pointsDown() const { return m_pointsDown; }
    void setShowAnimation(QAbstractAnimation* animation);
    void setHideAnimation(QAbstractAnimation* animation);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private slots:
    // Hides the bubble unless it is the active window; matches
    // QApplication::focusChanged, for the host to connect.
    void slotFocusChanged(QWidget* pwgtOld, QWidget* pwgtNow);

private:
    QPointer<QAbstractAnimation> m_showAnimation;
    QPointer<QAbstractAnimation> m_hideAnimation;
    bool m_pointsDown = false;
    QColor m_color;
    bool m_hidesOnPresses = false;
};

} // namespace QMWidgets
