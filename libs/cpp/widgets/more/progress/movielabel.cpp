#include "movielabel.h"

#include <QMovie>
#include <QResizeEvent>

namespace QMWidgets {

MovieLabel::MovieLabel(const QString& fileName, QWidget* parent)
    : QLabel(parent)
    , m_movie(new QMovie(fileName, QByteArray(), this))
{
    setObjectName(QStringLiteral("MovieLabel"));
    setAlignment(Qt::AlignCenter);
    setMovie(m_movie);
    m_stopTimer.setSingleShot(true);
    connect(&m_stopTimer, &QTimer::timeout, m_movie, &QMovie::stop);
}

void MovieLabel::setSpeed(int percent)
{
    m_movie->setSpeed(percent);
}

void MovieLabel::setStopDelay(int milliseconds)
{
    m_stopDelay = milliseconds;
}

void MovieLabel::resizeEvent(QResizeEvent* event)
{
    m_movie->setScaledSize(
        QSize(qRound(event->size().width() / 1.1f), qRound(event->size().height() / 1.1f)));
    QLabel::resizeEvent(event);
}

void MovieLabel::showEvent(QShowEvent* event)
{
    m_movie->start();
    if (m_stopDelay > 0)
        m_stopTimer.start(m_stopDelay);
    QLabel::showEvent(event);
}

void MovieLabel::hideEvent(QHideEvent* event)
{
    m_stopTimer.stop();
    m_movie->stop();
    QLabel::hideEvent(event);
}

} // namespace QMWidgets
