#pragma once

#include <QLabel>
#include <QTimer>

class QMovie;

namespace QMWidgets {

// A label that plays an animation file while it is shown: every show starts
// the movie (and, with a positive stop delay, stops it that many milliseconds
// later), every hide stops it. The movie is scaled to the label's size / 1.1.
class MovieLabel : public QLabel
{
    Q_OBJECT

public:
    explicit MovieLabel(const QString& fileName, QWidget* parent = nullptr);

    void setSpeed(int percent);
    // Milliseconds after each show at which the movie stops; 0 or less plays on.
    void setStopDelay(int milliseconds);
    int stopDelay() const { return m_stopDelay; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // Owned by the label, and released with it.
    QMovie* m_movie;
    int m_stopDelay = -1;
    // One restartable timer, so that the stop of an earlier show never cuts a
    // later one short; stopped at every hide.
    QTimer m_stopTimer;
};

} // namespace QMWidgets
