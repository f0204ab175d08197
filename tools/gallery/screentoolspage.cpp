// The "Screen tools" page: the screen cropper and measurer over the real
// screen, the image viewer (on the page and in a frameless window with its
// title bar), the screenshot protection and the screen locker, whose Unlock
// button is shown before it locks.
#include "gallerypages.h"
#include "os.h"
#include "screentools/imagearea.h"
#include "screentools/imageviewer.h"
#include "screentools/noscreenshotwidget.h"
#include "screentools/screencropper.h"
#include "screentools/screenlocker.h"
#include "screentools/screenmeasurer.h"
#include "screentools/windowtitle.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

using namespace QMWidgets;

namespace {

// A wide scene with fine detail, so that zooming and scrolling show.
QImage samplePicture()
{
    QImage picture(1600, 900, QImage::Format_RGB32);
    QPainter painter(&picture);
    QLinearGradient sky(0, 0, 0, 900);
    sky.setColorAt(0, QColor(40, 90, 170));
    sky.setColorAt(1, QColor(240, 170, 80));
    painter.fillRect(picture.rect(), sky);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(255, 255, 255, 90), 1));
    for (int x = 0; x < 1600; x += 40)
        painter.drawLine(x, 0, x, 900);
    for (int y = 0; y < 900; y += 40)
        painter.drawLine(0, y, 1600, y);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 240, 200));
    painter.drawEllipse(QPoint(1150, 260), 120, 120);
    painter.setBrush(QColor(30, 50, 60));
    painter.drawPolygon(QPolygon({ { 0, 900 }, { 380, 420 }, { 700, 760 }, { 1000, 380 }, { 1600, 900 } }));
    painter.setPen(Qt::white);
    painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 40, QFont::Bold));
    painter.drawText(QRect(0, 40, 1600, 80), Qt::AlignCenter, QStringLiteral("Lumastrand gallery sample"));
    return picture;
}

// The host's dressing of the buttons that the library leaves without text.
void label(QWidget* parent, const char* objectName, const QString& text)
{
    for (QPushButton* button : parent->findChildren<QPushButton*>(QString::fromLatin1(objectName))) {
        button->setText(text);
        button->setMinimumWidth(32);
    }
}

void dressViewer(ImageViewer* viewer)
{
    label(viewer, "ZoomInButton", QStringLiteral("\u2212"));
    label(viewer, "ZoomOutButton", QStringLiteral("+"));
    label(viewer, "FitToScreenButton", QStringLiteral("Fit"));
    label(viewer, "PreviousImageButton", QStringLiteral("\u2039"));
    label(viewer, "NextImageButton", QStringLiteral("\u203a"));
}

// A frameless window: the title bar over a viewer of the picture.
void openViewerWindow(const QImage& picture, QPlainTextEdit* log)
{
    auto* window = new QFrame(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setFrameShape(QFrame::Box);
    window->setWindowTitle(QStringLiteral("Viewer window"));
    auto* title = new WindowTitle;
    auto* tools = new QHBoxLayout;
    tools->addWidget(new QLabel(QStringLiteral("Drag me")));
    title->setToolsLayout(tools);
    label(title, "ZoomInButton", QStringLiteral("\u2212"));
    label(title, "ZoomOutButton", QStringLiteral("+"));
    label(title, "100PercentButton", QStringLiteral("100%"));
    label(title, "AlwaysOptimizeButton", QStringLiteral("Opt"));
    label(title, "CloseButton", QStringLiteral("\u00d7"));
    auto* viewer = new ImageViewer;
    dressViewer(viewer);
    viewer->setNavigationHidden(true);
    viewer->slotLoad(picture);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    layout->addWidget(title);
    layout->addWidget(viewer, 1);

    QObject::connect(title, &WindowTitle::changePosition, window,
                     [window](const QPoint& topLeft) { window->move(topLeft); });
    QObject::connect(title, &WindowTitle::closeWindow, window, &QWidget::close);
    QObject::connect(title, &WindowTitle::zoomOutClicked, viewer, &ImageViewer::slotDecZoom);
    QObject::connect(title, &WindowTitle::zoomInClicked, viewer, &ImageViewer::slotIncZoom);
    QObject::connect(title, &WindowTitle::hundredPercentClicked, viewer, [viewer] { viewer->slotZoom(100); });
    QObject::connect(title, &WindowTitle::optimizeToggled, log, [log](bool on) {
        log->appendPlainText(QStringLiteral("always optimize: %1").arg(on ? "on" : "off"));
    });
    window->resize(640, 520);
    window->show();
}

QWidget* cropColumn(ImageViewer* viewer, QPlainTextEdit* log)
{
    auto* cropper = new ScreenCropper;
    auto* measurer = new ScreenMeasurer;
    auto* column = new QGroupBox(QStringLiteral("Screen cropper and measurer"));
    // The tools are windows of their own; the page takes them with it.
    QObject::connect(column, &QObject::destroyed, cropper, &QObject::deleteLater);
    QObject::connect(column, &QObject::destroyed, measurer, &QObject::deleteLater);

    auto* mode = new QComboBox;
    mode->addItems({ QStringLiteral("Full screen"), QStringLiteral("Maximized"), QStringLiteral("Window") });
    QObject::connect(mode, qOverload<int>(&QComboBox::currentIndexChanged), cropper,
                     &ScreenCropper::setDisplayMode);
    auto* crop = new QPushButton(QStringLiteral("Crop the screen..."));
    QObject::connect(crop, &QPushButton::clicked, cropper, [cropper, mode] {
        if (mode->currentIndex() == 2)
            cropper->resize(QGuiApplication::primaryScreen()->size() / 2);
        cropper->grabScreen();
    });
    auto* save = new QPushButton(QStringLiteral("Save the last cut"));
    QObject::connect(save, &QPushButton::clicked, cropper, [cropper, log] {
        log->appendPlainText(cropper->slotSave() ? QStringLiteral("saved ") + cropper->savedPath()
                                                 : QStringLiteral("nothing saved"));
    });
    QObject::connect(
        cropper, qOverload<const QPixmap&>(&ScreenCropper::done), viewer, [viewer, log](const QPixmap& cut) {
            log->appendPlainText(QStringLiteral("cut %1 x %2").arg(cut.width()).arg(cut.height()));
            viewer->slotLoad(cut.toImage());
        });
    QObject::connect(cropper, &ScreenCropper::escaped, log,
                     [log] { log->appendPlainText(QStringLiteral("cropping cancelled")); });

    auto* measure = new QPushButton(QStringLiteral("Measure the screen..."));
    QObject::connect(measure, &QPushButton::clicked, measurer, &ScreenMeasurer::grabScreen);
    // The measurer freezes the screen; the host shows it.
    QObject::connect(measurer, qOverload<>(&ScreenCropper::done), measurer, [measurer] {
        measurer->setGeometry(QGuiApplication::primaryScreen()->geometry());
        measurer->showFullScreen();
        measurer->activateWindow();
    });
    QObject::connect(measurer, &ScreenMeasurer::doQuit, log,
                     [log] { log->appendPlainText(QStringLiteral("measuring closed")); });

    auto* form = new QFormLayout(column);
    form->addRow(QStringLiteral("Display mode:"), mode);
    form->addRow(crop);
    form->addRow(save);
    form->addRow(QStringLiteral("Saves to:"), new QLabel(cropper->saveFolder()));
    form->addRow(measure);
    return column;
}

QWidget* guardColumn(QPlainTextEdit* log)
{
    auto* column = new QGroupBox(QStringLiteral("Screenshot protection and screen locker"));
    auto* guard = new NoScreenShotWidget;
    guard->setMinimumHeight(120);
    guard->setAlignment(Qt::AlignCenter);
    guard->setFrameShape(QFrame::StyledPanel);
    auto* secret = new QLineEdit(QStringLiteral("a secret"));
    auto* note = new QLabel(QStringLiteral("Shown only while this program is active."));
    note->setStyleSheet(QStringLiteral("background: #f5d76e; padding: 6px"));
    note->setWordWrap(true);
    auto* guardLayout = new QVBoxLayout(guard);
    guardLayout->addWidget(note);
    guardLayout->addWidget(secret);
    auto* keys = new QCheckBox(QStringLiteral("A key press in it hides it too"));
    QObject::connect(keys, &QCheckBox::toggled, guard, [guard, keys] {
        guard->protectChildren();
        keys->setEnabled(false);
    });

    auto* lock = new QPushButton(QStringLiteral("Lock the screen..."));
    QObject::connect(lock, &QPushButton::clicked, log, [log] {
        auto* locker = new ScreenLocker;
        // The Unlock button is there before the first lock.
        locker->showUnlockButton();
        locker->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        locker->setStyleSheet(QStringLiteral(
            "QLabel { background: #1b2330; color: #d0d8e8; font-size: 28px; padding-top: 200px; }"
            "QPushButton { font-size: 20px; padding: 12px 40px; }"));
        locker->setText(QStringLiteral("The screen is locked."));
        QObject::connect(locker, &ScreenLocker::unlocked, log, [log, locker] {
            log->appendPlainText(QStringLiteral("unlocked"));
            locker->deleteLater();
        });
        log->appendPlainText(QStringLiteral("locked"));
    });

    auto* layout = new QVBoxLayout(column);
    layout->addWidget(guard);
    layout->addWidget(keys);
    layout->addWidget(lock);
    layout->addStretch(1);
    return column;
}

QWidget* screenToolsPage()
{
    auto* page = new QWidget;
    auto* log = new QPlainTextEdit;
    log->setReadOnly(true);
    log->setMaximumHeight(110);
    auto* viewer = new ImageViewer;
    dressViewer(viewer);
    const QImage sample = samplePicture();
    viewer->slotLoad(sample);
    QObject::connect(viewer, &ImageViewer::systemPreviewOpened, log,
                     [log] { log->appendPlainText(QStringLiteral("opened in the picture viewer")); });
    QObject::connect(viewer, &ImageViewer::next, log, [viewer, sample] { viewer->slotLoad(sample); });
    QObject::connect(viewer, &ImageViewer::previous, log,
                     [viewer, sample] { viewer->slotLoad(sample.mirrored(true, false)); });

    auto* open = new QPushButton(QStringLiteral("Open a picture..."));
    QObject::connect(open, &QPushButton::clicked, viewer, [viewer, open] {
        const QString path = Os::getOpenFileName(open->window(), QStringLiteral("Open a picture"), QString(),
                                                 QStringLiteral("Pictures (*.png *.jpg *.jpeg *.bmp *.gif)"));
        if (!path.isEmpty())
            viewer->slotLoad(path);
    });
    auto* window = new QPushButton(QStringLiteral("In a frameless window..."));
    QObject::connect(window, &QPushButton::clicked, viewer,
                     [viewer, log] { openViewerWindow(viewer->area()->pixmap().toImage(), log); });

    auto* tools = new QVBoxLayout;
    tools->addWidget(cropColumn(viewer, log));
    tools->addWidget(guardColumn(log));
    tools->addWidget(open);
    tools->addWidget(window);
    tools->addStretch(1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(tools);
    columns->addWidget(viewer, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(columns, 1);
    layout->addWidget(log);
    return page;
}

} // namespace

LUMASTRAND_GALLERY_PAGE(150, "Screen tools", screenToolsPage);
