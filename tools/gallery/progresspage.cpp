// The "Progress" page: the round and striped progress indicators, the movie
// label, the label/progress combination and the speech bubbles.
#include "gallerypages.h"
#include "progress/bubblewindow.h"
#include "progress/comboprogress.h"
#include "progress/movielabel.h"
#include "progress/roundprogress.h"
#include "progress/simpleprogress.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QWidget* indicators()
{
    auto* box = new QGroupBox(QStringLiteral("Round and simple progress"));
    auto* round = new QMWidgets::RoundProgress;
    round->setFixedSize(130, 130);
    auto* bar = new QMWidgets::SimpleProgress;
    bar->setText(QStringLiteral("Copying the holiday pictures from the camera into the archive folder"));
    auto* busy = new QMWidgets::SimpleProgress;
    busy->setText(QStringLiteral("Busy"));
    auto* slider = new QSlider(Qt::Horizontal);
    slider->setRange(0, 100);
    auto* busyBox = new QCheckBox(QStringLiteral("Busy at 0"));
    QObject::connect(slider, &QSlider::valueChanged, round, &QMWidgets::RoundProgress::setValue);
    QObject::connect(slider, &QSlider::valueChanged, bar, &QMWidgets::SimpleProgress::setValue);
    QObject::connect(busyBox, &QCheckBox::toggled, slider, [slider, bar](bool on) {
        slider->setEnabled(!on);
        bar->setValue(on ? 0 : slider->value());
    });
    slider->setValue(50);

    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel(QStringLiteral("Value")));
    right->addWidget(slider);
    right->addWidget(busyBox);
    right->addWidget(bar);
    right->addWidget(new QLabel(QStringLiteral("Always busy:")));
    right->addWidget(busy);
    right->addStretch(1);
    auto* layout = new QHBoxLayout(box);
    layout->addWidget(round);
    layout->addLayout(right, 1);
    return box;
}

QWidget* movie()
{
    auto* box = new QGroupBox(QStringLiteral("Movie label"));
    auto* label = new QMWidgets::MovieLabel(QStringLiteral(":/loading_image.gif"));
    label->setFixedSize(66, 66);
    auto* stopping = new QCheckBox(QStringLiteral("Stop 2 s after each show"));
    auto* again = new QPushButton(QStringLiteral("Hide and show"));
    QObject::connect(stopping, &QCheckBox::toggled, label,
                     [label](bool on) { label->setStopDelay(on ? 2000 : -1); });
    QObject::connect(again, &QPushButton::clicked, label, [label] {
        label->hide();
        label->show();
    });
    auto* layout = new QHBoxLayout(box);
    layout->addWidget(label);
    auto* controls = new QVBoxLayout;
    controls->addWidget(stopping);
    controls->addWidget(again);
    layout->addLayout(controls, 1);
    return box;
}

QWidget* combo()
{
    auto* box = new QGroupBox(QStringLiteral("Combo progress"));
    auto* progress = new QMWidgets::ComboProgress;
    progress->label()->setText(QStringLiteral("Nothing runs"));
    progress->setStyleSheet(
        QStringLiteral("#ComboProgressStop { background: #c84040; border-radius: 3px; }"));
    auto* run = new QPushButton(QStringLiteral("Run a task"));
    auto* timer = new QTimer(box);
    timer->setInterval(60);
    QObject::connect(run, &QPushButton::clicked, timer, [progress, timer] {
        progress->label()->setText(QStringLiteral("Running..."));
        progress->slotSetProgress(0);
        timer->start();
    });
    QObject::connect(timer, &QTimer::timeout, progress, [progress, timer] {
        if (progress->isStopped()) {
            timer->stop();
            progress->label()->setText(QStringLiteral("Stopped at %1 %").arg(progress->value()));
            return;
        }
        const int next = progress->value() + 1;
        progress->slotSetProgress(next);
        if (next >= 100) {
            timer->stop();
            progress->label()->setText(QStringLiteral("Done"));
        }
    });
    auto* layout = new QHBoxLayout(box);
    layout->addWidget(progress, 1);
    layout->addWidget(run);
    return box;
}

// A bubble pointing at the button, above it with the tail down or below it
// with the tail up.
void showBubble(QPushButton* anchor, QMWidgets::BubbleWindow* bubble, bool pointsDown)
{
    bubble->setPointsDown(pointsDown);
    bubble->layout()->setContentsMargins(12, pointsDown ? 10 : 30, 12, pointsDown ? 30 : 10);
    bubble->adjustSize();
    const QPoint tip = anchor->mapToGlobal(QPoint(anchor->width() / 2, pointsDown ? 0 : anchor->height()));
    bubble->move(tip.x() - bubble->width() / 2, pointsDown ? tip.y() - bubble->height() : tip.y());
    bubble->show();
    bubble->update();
}

QWidget* bubbles()
{
    auto* box = new QGroupBox(QStringLiteral("Bubble window"));
    auto* above = new QPushButton(QStringLiteral("Bubble above (tail down)"));
    auto* below = new QPushButton(QStringLiteral("Bubble below (tail up)"));
    auto* bubble = new QMWidgets::BubbleWindow(box, QColor(255, 236, 150));
    auto* text = new QLabel(QStringLiteral("Any press in the application\nhides this bubble."));
    auto* bubbleLayout = new QVBoxLayout(bubble);
    bubbleLayout->addWidget(text);
    auto* fade = new QPropertyAnimation(bubble, "windowOpacity", bubble);
    fade->setStartValue(0.0);
    fade->setEndValue(1.0);
    fade->setDuration(250);
    bubble->setShowAnimation(fade);
    bubble->hideOnMouseButtonPress();
    QObject::connect(above, &QPushButton::clicked, bubble, [=] { showBubble(above, bubble, true); });
    QObject::connect(below, &QPushButton::clicked, bubble, [=] { showBubble(below, bubble, false); });
    auto* layout = new QHBoxLayout(box);
    layout->addWidget(above);
    layout->addWidget(below);
    layout->addStretch(1);
    return box;
}

QWidget* progressPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(indicators());
    layout->addWidget(movie());
    layout->addWidget(combo());
    layout->addWidget(bubbles());
    layout->addStretch(1);
    return page;
}

} // namespace

LUMASTRAND_GALLERY_PAGE(300, "Progress", progressPage);
