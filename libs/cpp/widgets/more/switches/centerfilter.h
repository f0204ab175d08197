#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace QMWidgets {

// An event filter that keeps a widget centred in its parent widget, or on the
// desktop when it has none: installed on the widget, it centres it at every
// show, and slotResized() centres it again (connect a resize signal of the
// reference to it). The widget may be deleted at any time.
class CenterFilter : public QObject
{
    Q_OBJECT

public:
    explicit CenterFilter(QObject* parent = nullptr);

    // The widget being centred; null before its first show or once deleted.
    QWidget* widget() const { return m_widget; }

    bool eventFilter(QObject* watched, QEvent* event) override;

public slots:
    // Centres the widget again when it is set and visible.
    void slotResized(int);

private:
    void centre();

    QPointer<QWidget> m_widget;
};

} // namespace QMWidgets
