#include "screencropper.h"

#include "imagefile.h"
#include "os.h"
#include "screencut.h"
#include "shellservices.h"
#include "widgetutils.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QStandardPaths>

namespace QMWidgets {

ScreenCropper::ScreenCropper(QWidget* parent)
    : QFrame(parent)
{
    auto* closeAction = new QAction(QStringLiteral("Close"), this);
    closeAction->setShortcut(Qt::Key_Escape);
    addAction(closeAction);
    connect(closeAction, &QAction::triggered, this, &ScreenCropper::closeByEscape);
    ScreenCropper::updateSaveLocation();
}

ScreenCropper::~ScreenCropper()
{
    releaseToolCursor();
}

void ScreenCropper::setHelpText(const QString& text)
{
    m_helpText = text;
    update();
}

void ScreenCropper::setDisplayMode(int mode)
{
    m_displayMode = mode;
}

QPixmap ScreenCropper::pixmap() const
{
    return m_croppedPixmap;
}

void ScreenCropper::restoreScreen()
{
    m_displayPixmap = m_screenPixmap;
}

QString ScreenCropper::defaultHelpText() const
{
    // A tool without a save location (the measurer) saves nothing.
    const QString saving = m_saveLocationText.isEmpty()
        ? QString()
        : tr("The image file will be saved ") + m_saveLocationText + QStringLiteral("\n");
    return tr("Select the area you want to crop.\n") + saving
        + tr("Hold [ALT] to go, after screenshot is done, to its location\n")
        + tr("Press [A] to see about dialog\n") + tr("Press [ESC] to cancel this operation");
}

QString ScreenCropper::shortHelpText() const
{
    return tr("Select the area you want to crop. \n") + tr("(to cancel this operation press ESC button)");
}

void ScreenCropper::setScreenGrabber(Grabber grabber)
{
    m_grabber = std::move(grabber);
}

QPixmap ScreenCropper::grabDesktopPicture() const
{
    return m_grabber ? m_grabber() : grabDesktop();
}

void ScreenCropper::grabScreen()
{
    m_selecting = false;
    m_screenPixmap = grabDesktopPicture();
    showByDisplayMode();
    raise();
    activateWindow();
    m_displayPixmap = m_screenPixmap;
    repaint();
    setFocus(Qt::ActiveWindowFocusReason);
    setCursor(Qt::CrossCursor);
    setToolCursor(Qt::CrossCursor);
}

void ScreenCropper::slotClose()
{
    releaseToolCursor();
    m_selecting = false;
    hide();
    emit closed();
}

bool ScreenCropper::slotSave()
{
    if (m_croppedPixmap.isNull())
        return false;
    const QString path = m_saveFolder + QLatin1Char('/') + ScreenCut::fileName(QDateTime::currentDateTime());
    // The file appears whole or not at all.
    if (!MGraphX::saveImageFile(m_croppedPixmap.toImage(), path, "PNG", -1))
        return false;
    m_savedPath = path;
    if (m_revealAfterSave)
        Os::showInExplorer(path);
    emit saved();
    return true;
}

void ScreenCropper::updateSaveLocation()
{
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (!desktop.isEmpty() && QDir(desktop).exists()) {
        m_saveFolder = desktop;
        m_saveLocationText = tr("on Desktop");
    } else {
        m_saveFolder = QStandardPaths::writableLocation(QStandardPaths::HomeLocation);
        m_saveLocationText = tr("in Home Location");
    }
}

void ScreenCropper::showByDisplayMode()
{
    // The window manager makes the window full screen or maximized; without
    // one (or with one that ignores the request) the window covers the same
    // place by its own geometry.
    QScreen* screen = QGuiApplication::primaryScreen();
    if (m_displayMode == 0) {
        if (isWindow() && screen)
            setGeometry(screen->geometry());
        showFullScreen();
    } else if (m_displayMode == 1) {
        if (isWindow() && screen)
            setGeometry(screen->availableGeometry());
        showMaximized();
    } else {
        show();
    }
}

void ScreenCropper::setToolCursor(Qt::CursorShape shape)
{
    if (m_toolCursorSet) {
        QApplication::changeOverrideCursor(shape);
        return;
    }
    QApplication::setOverrideCursor(shape);
    m_toolCursorSet = true;
}

void ScreenCropper::releaseToolCursor()
{
    if (!m_toolCursorSet)
        return;
    m_toolCursorSet = false;
    QApplication::restoreOverrideCursor();
}

void ScreenCropper::startSelection(const QPoint& position)
{
    m_startPoint = position;
    m_endPoint = position;
    m_selecting = true;
}

void ScreenCropper::mousePressEvent(QMouseEvent* event)
{
    startSelection(event->pos());
    QFrame::mousePressEvent(event);
    repaint();
}

void ScreenCropper::mouseMoveEvent(QMouseEvent* event)
{
    QFrame::mouseMoveEvent(event);
    m_endPoint = event->pos();
    repaint();
}

void ScreenCropper::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->modifiers() & Qt::AltModifier)
        m_revealAfterSave = true;
    QFrame::mouseReleaseEvent(event);
    // A release without a press here (the press went to another widget) cuts nothing.
    if (!m_selecting)
        return;
    m_endPoint = event->pos();
    // The screen picture is painted stretched over the whole widget: the cut
    // is the part of it under the rectangle the user saw.
    const QRect area
        = ScreenCut::onPicture(ScreenCut::between(m_startPoint, m_endPoint), size(), m_screenPixmap.size());
    m_croppedPixmap = area.isEmpty() ? QPixmap() : m_screenPixmap.copy(area);
    // A host may delete the tool from any of its signals: nothing touches it
    // afterwards, and the accepted release goes on to no other widget.
    event->accept();
    const QPointer<ScreenCropper> alive(this);
    slotClose();
    if (!alive)
        return;
    const QPixmap cut = m_croppedPixmap;
    emit done(cut);
    if (alive)
        emit done();
}

void ScreenCropper::closeByEscape()
{
    const QPointer<ScreenCropper> alive(this);
    slotClose();
    if (alive)
        emit escaped();
}

void ScreenCropper::clearSaveLocation()
{
    m_saveFolder.clear();
    m_saveLocationText.clear();
}

void ScreenCropper::keyPressEvent(QKeyEvent* event)
{
    QFrame::keyPressEvent(event);
    if (event->key() == Qt::Key_Return)
        m_revealAfterSave = true;
    else if (event->key() == Qt::Key_A)
        ShellServices::showAboutDialog();
}

QPen ScreenCropper::selectionPen()
{
    return QPen(QColor(210, 210, 210), 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
}

QBrush ScreenCropper::selectionBrush()
{
    return QBrush(QColor(10, 10, 80, 100));
}

void ScreenCropper::paintHelpBox(QPainter& painter, int pixelSize, double horizontalDivisor)
{
    QFont helpFont = font();
    helpFont.setPixelSize(pixelSize);
    painter.setFont(helpFont);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(QColor(200, 200, 200), 4, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.setBrush(QColor(0, 0, 0, 180));
    const int sides = int(width() / horizontalDivisor);
    const int ends = int(height() / 2.5);
    const QRect box = rect().adjusted(sides, ends, -sides, -ends);
    painter.drawRoundedRect(box, 5, 20, Qt::RelativeSize);
    painter.drawText(box, Qt::AlignCenter | Qt::TextWordWrap,
                     m_helpText.isEmpty() ? defaultHelpText() : m_helpText);
}

void ScreenCropper::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPen frame(QColor(255, 255, 255, 128), 7, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
    painter.fillRect(rect(), Qt::black);
    painter.drawPixmap(rect(), m_displayPixmap);
    painter.setPen(frame);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect());
    if (m_selecting) {
        painter.setPen(selectionPen());
        painter.setBrush(selectionBrush());
        painter.drawRect(ScreenCut::between(m_startPoint, m_endPoint).adjusted(0, 0, -1, -1));
        return;
    }
    paintHelpBox(painter, 20, 3.7);
}

void ScreenCropper::resizeEvent(QResizeEvent* event)
{
    restoreScreen();
    QFrame::resizeEvent(event);
}

void ScreenCropper::closeEvent(QCloseEvent* event)
{
    event->ignore();
    hide();
}

void ScreenCropper::hideEvent(QHideEvent* event)
{
    // However the tool goes away, the application's cursor goes back.
    releaseToolCursor();
    QFrame::hideEvent(event);
}

void ScreenCropper::changeEvent(QEvent* event)
{
    QFrame::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        updateSaveLocation();
}

} // namespace QMWidgets
