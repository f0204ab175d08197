#pragma once

#include <QFrame>
#include <QPointer>

class QHBoxLayout;

namespace QMWidgets {

// A frame that hosts a widget in a row, for the style sheet to dress as a
// device (object name "MobileSimulator").
class MobileSimulator : public QFrame
{
    Q_OBJECT

public:
    explicit MobileSimulator(QWidget* parent = nullptr);

    // Appends the widget to the row; the frame becomes its parent. A second
    // call appends a second widget. A null widget is ignored.
    void setWidget(QWidget* widget);
    // The widget handed in last; null before the first or once the host deleted it.
    QWidget* widget() const { return m_widget; }

private:
    QHBoxLayout* m_layout;
    QPointer<QWidget> m_widget;
};

} // namespace QMWidgets
