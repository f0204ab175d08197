#pragma once

#include <QWidget>

namespace QMWidgets {

// A circular dial that fills clockwise from 12 o'clock with a green sector and
// shows the percentage in its middle. The value is kept and shown as given;
// the sector is full from a little above 100 up and empty below 0.
class RoundProgress : public QWidget
{
    Q_OBJECT

public:
    explicit RoundProgress(QWidget* parent = nullptr);

    int value() const { return m_value; }
    void setValue(int value);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_value = 0;
};

} // namespace QMWidgets
