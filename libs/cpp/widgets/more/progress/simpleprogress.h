#pragma once

#include <QBasicTimer>
#include <QWidget>

namespace QMWidgets {

// A flat bar that fills to a percentage, or at value 0 shows diagonal stripes
// moving to the right as a busy indicator; a caption is painted over it,
// shortened in the middle when it is wider than the bar.
class SimpleProgress : public QWidget
{
    Q_OBJECT

public:
    explicit SimpleProgress(QWidget* parent = nullptr);

    // The caption; it shows at the next repaint.
    void setText(const QString& text);
    QString text() const { return m_text; }

    int value() const { return m_value; }
    // Sets the percentage, kept as given; 0 means busy and keeps the stripes moving. Any
    // value from 100 up draws a full bar, any below 0 an empty one.
    void setValue(int value);

    // Horizontal offset of the stripes in pixels.
    int phase() const { return m_phase; }

protected:
    void timerEvent(QTimerEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int m_value = 0;
    QString m_text;
    int m_phase = 0;
    // Moves the stripes; one timer however often the bar is set busy.
    QBasicTimer m_stripeTimer;
};

} // namespace QMWidgets
