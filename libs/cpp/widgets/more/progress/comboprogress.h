#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

namespace QMWidgets {

// One place shared by a label and a progress bar with a stop button: while a
// task reports progress below 100 the bar and the stop button show, otherwise
// the label. The host polls isStopped() to learn whether stop was pressed.
class ComboProgress : public QWidget
{
    Q_OBJECT

public:
    explicit ComboProgress(QWidget* parent = nullptr);

    // Shows the label (on) or the bar with its stop button (off).
    void showLabel(bool on);

    int value() const;
    // Whether stop was pressed since the last progress report below 100.
    bool isStopped() const { return m_stopped; }
    // The label shown when no progress runs, for the host to fill.
    QLabel* label() const { return m_label; }

public slots:
    // Below 100: shows the bar at that value and clears the stop; 100 or more:
    // shows the label and keeps the bar's last value.
    void slotSetProgress(int value);

private slots:
    void slotStopPressed();

private:
    QProgressBar* m_progressBar;
    QPushButton* m_stopButton;
    QLabel* m_label;
    bool m_stopped = false;
};

} // namespace QMWidgets
