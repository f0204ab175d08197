#include "imagenoteworkarea.h"

#include "imageeffects.h"
#include "imagefile.h"
#include "noteeditwidget.h"
#include "notegeometry.h"
#include "notetools.h"
#include "os.h"
#include "shellservices.h"

#include <QDateTime>
#include <QMouseEvent>
#include <QPainter>
#include <QTextEdit>
#include <QTimer>

namespace QMWidgets {

namespace {
// How long the text tool shows its discarded or accepted state before it is
// ready for the next box.
constexpr int TextRoundTripMs = 100;
constexpr int BlurRadius = 10;
// The in-place text is painted this far inside its box, near where the text
// field shows it.
constexpr int TextInset = 3;

QPoint pixelPosition(const QMouseEvent* event)
{
    return event->localPos().toPoint();
}

void beginPainter(QPainter& painter, QPaintDevice* device)
{
    painter.begin(device);
    painter.setRenderHint(QPainter::Antialiasing);
}
} // namespace

ImageNoteWorkArea::ImageNoteWorkArea(QWidget* parent)
    : QWidget(parent)
    , m_noteEditor(new NoteEditWidget(this))
{
    m_noteEditor->setAutoFillBackground(true);
    m_noteEditor->hide();
    connect(m_noteEditor, &NoteEditWidget::cancelClicked, this, &ImageNoteWorkArea::slotEditCanceled);
    connect(m_noteEditor, &NoteEditWidget::okClicked, this, &ImageNoteWorkArea::slotEditAccepted);
    updateEditorStyle();
}

const QPixmap& ImageNoteWorkArea::resultPixmap()
{
    if (m_picture.isNull())
        return m_composite;
    m_composite = QPixmap(m_picture.size());
    m_composite.fill(Qt::transparent);
    QPainter painter;
    beginPainter(painter, &m_composite);
    painter.drawPixmap(0, 0, m_picture);
    painter.drawPixmap(0, 0, m_layer);
    return m_composite;
}

void ImageNoteWorkArea::updateEditorStyle()
{
    m_noteEditor->textField()->setStyleSheet(
        QStringLiteral("QTextEdit{color: %1; background: rgba(10, 10, 10, 5);}").arg(m_color.name()));
}

void ImageNoteWorkArea::drawArrow(QPainter* painter)
{
    NoteTools::drawArrow(*painter, m_pressPoint, m_currentPoint);
}

void ImageNoteWorkArea::slotSetPixmap(const QPixmap& pixmap)
{
    m_unsaved = true;
    m_picture = pixmap;
    m_composite = pixmap;
    setFixedSize(pixmap.size());
    m_layer = QPixmap(pixmap.size());
    m_layer.fill(QColor(0, 0, 0, 0));
    m_undoStack.clear();
    m_redoStack.clear();
    emit redoAvailable(false);
    emit undoAvailable(false);
    update();
}

void ImageNoteWorkArea::slotSetMode(Mode mode)
{
    m_mode = mode;
}

void ImageNoteWorkArea::slotSetColor(const QColor& color)
{
    m_color = color;
    updateEditorStyle();
}

void ImageNoteWorkArea::slotSetFont(const QFont& font)
{
    m_font = font;
    m_noteEditor->textField()->setFont(font);
    updateEditorStyle();
}

void ImageNoteWorkArea::slotSetThikness(int thickness)
{
    m_thickness = thickness;
}

void ImageNoteWorkArea::slotSetDashLine(bool dashed)
{
    m_dashLine = dashed;
}

void ImageNoteWorkArea::slotSave()
{
    QString folder = ShellServices::lastSaveDirectory();
    if (folder.isEmpty()) {
        folder = ShellServices::workDirectory(true);
        folder.chop(1);
    }
    const QString proposed = folder + QStringLiteral("/EditedScreenShot_")
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd_hh-mm-ss"))
        + QStringLiteral(".png");
    const QString fileName = Os::getSaveFileName(this, tr("Save Picture"), proposed, QStringLiteral("*.png"));
    if (fileName.isEmpty())
        return;

    QPixmap shown(size());
    render(&shown, QPoint(), QRegion(), RenderFlags(DrawWindowBackground | DrawChildren));
    // The work counts as saved only once the whole file is in place; a file
    // that cannot be written leaves nothing behind and the work unsaved.
    if (MGraphX::saveImageFile(shown.toImage(), fileName, "PNG", -1))
        m_unsaved = false;
    ShellServices::setLastSaveDirectory(fileName);
}

void ImageNoteWorkArea::slotUndo()
{
    if (!m_undoStack.isEmpty()) {
        m_redoStack.append(m_layer);
        m_layer = m_undoStack.takeLast();
        repaint();
        emit changed();
    }
    emit undoAvailable(!m_undoStack.isEmpty());
    emit redoAvailable(!m_redoStack.isEmpty());
}

void ImageNoteWorkArea::slotRedo()
{
    if (!m_redoStack.isEmpty()) {
        m_undoStack.append(m_layer);
        m_layer = m_redoStack.takeLast();
        repaint();
        emit changed();
    }
    emit redoAvailable(!m_redoStack.isEmpty());
    emit undoAvailable(!m_undoStack.isEmpty());
}

void ImageNoteWorkArea::slotEditCanceled()
{
    if (!qobject_cast<QWidget*>(sender()))
        return;
    m_noteEditor->hideAll();
    m_noteEditor->textField()->clear();
    m_mode = TextCanceled;
    repaint();
    returnToTextSoon();
}

void ImageNoteWorkArea::slotEditAccepted()
{
    if (!qobject_cast<QWidget*>(sender()))
        return;
    m_noteEditor->hideAll();
    m_mode = TextAccepted;
    repaint();
    returnToTextSoon();
}

void ImageNoteWorkArea::slotSwitchToEdit()
{
    m_mode = Text;
}

void ImageNoteWorkArea::returnToTextSoon()
{
    QTimer::singleShot(TextRoundTripMs, this, [this] {
        if (m_mode == TextCanceled || m_mode == TextAccepted)
            slotSwitchToEdit();
    });
}

void ImageNoteWorkArea::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
        m_pressPoint = m_lastPoint = m_currentPoint = pixelPosition(event);
        m_stroke.start(m_currentPoint);
        m_dirty = true;
        update();
    }
    QWidget::mousePressEvent(event);
}

void ImageNoteWorkArea::mouseMoveEvent(QMouseEvent* event)
{
    // Only a drag that began with a left press here draws; every segment it
    // travels is queued for the next paint.
    if (m_pressed && (event->buttons() & Qt::LeftButton)) {
        m_lastPoint = m_currentPoint;
        m_currentPoint = pixelPosition(event);
        m_stroke.moveTo(m_currentPoint);
        m_dirty = true;
        update();
    }
    QWidget::mouseMoveEvent(event);
}

void ImageNoteWorkArea::mouseReleaseEvent(QMouseEvent* event)
{
    // Other buttons commit nothing: a shape always starts at a left press.
    if (m_pressed && event->button() == Qt::LeftButton) {
        m_pressed = false;
        m_lastPoint = m_currentPoint;
        m_currentPoint = pixelPosition(event);
        m_dirty = true;
        update();
    }
    QWidget::mouseReleaseEvent(event);
}

void ImageNoteWorkArea::enterEvent(QEvent* event)
{
    // The widget's own cursor rather than an application-wide one: it is
    // gone as soon as the pointer leaves, and nothing is left to restore.
    setCursor(NoteTools::cursor(m_mode, m_color));
    QWidget::enterEvent(event);
}

void ImageNoteWorkArea::leaveEvent(QEvent* event)
{
    unsetCursor();
    QWidget::leaveEvent(event);
}

void ImageNoteWorkArea::paintEvent(QPaintEvent* event)
{
    const bool hasPicture = !m_layer.isNull();
    // The first paint after a release keeps the layer as it was before the
    // release's annotation goes into it.
    if (hasPicture && m_dirty && !m_pressed && m_noteEditor->isHidden()) {
        m_undoStack.append(m_layer);
        emit undoAvailable(true);
    }
    QWidget::paintEvent(event);
    if (m_mode != Text && m_mode != TextCanceled && m_mode != TextAccepted)
        m_noteEditor->hideAll();

    QPainter widgetPainter;
    beginPainter(widgetPainter, this);
    widgetPainter.drawPixmap(0, 0, m_picture);
    if (hasPicture) {
        switch (m_mode) {
        case Rectangle:
        case FilledRectangle:
        case Oval:
        case FilledOval:
        case Line:
        case Arrow:
            paintShape(widgetPainter);
            break;
        case BlurRectangle:
            paintBlur(widgetPainter);
            break;
        case Text:
            paintText(widgetPainter);
            break;
        case TextCanceled:
            widgetPainter.drawPixmap(0, 0, m_layer);
            break;
        case TextAccepted:
            paintAcceptedText(widgetPainter);
            break;
        default:
            paintFreehand(widgetPainter);
            break;
        }
    }
    widgetPainter.end();

    if (hasPicture && (m_dirty || m_mode == TextAccepted)) {
        emit changed();
        m_unsaved = true;
    }
    m_dirty = false;
}

void ImageNoteWorkArea::paintFreehand(QPainter& widgetPainter)
{
    const NoteTools::Style style = NoteTools::style(m_mode, m_color, m_thickness, m_dashLine);
    if (!m_pressed) {
        if (m_dirty) {
            const QList<QLine> stroke = m_stroke.finish();
            QPainter layerPainter;
            beginPainter(layerPainter, &m_layer);
            NoteTools::apply(layerPainter, style);
            NoteTools::drawSegments(layerPainter, stroke);
        }
        widgetPainter.drawPixmap(0, 0, m_layer);
        return;
    }

    const QList<QLine>& stroke = m_stroke.take();
    if (m_mode == Eraser) {
        // Erasing shows through to the picture only on a copy until the release.
        QPixmap erased = m_layer;
        QPainter copyPainter;
        beginPainter(copyPainter, &erased);
        NoteTools::apply(copyPainter, style);
        NoteTools::drawSegments(copyPainter, stroke);
        copyPainter.end();
        widgetPainter.drawPixmap(0, 0, erased);
        return;
    }
    widgetPainter.drawPixmap(0, 0, m_layer);
    NoteTools::apply(widgetPainter, style);
    NoteTools::drawSegments(widgetPainter, stroke);
}

void ImageNoteWorkArea::paintShape(QPainter& widgetPainter)
{
    const bool smallOval = NoteGeometry::isSmallOval(NoteGeometry::cornerRect(m_pressPoint, m_currentPoint));
    const NoteTools::Style style = NoteTools::style(m_mode, m_color, m_thickness, m_dashLine, smallOval);
    if (!m_pressed) {
        if (m_dirty) {
            QPainter layerPainter;
            beginPainter(layerPainter, &m_layer);
            NoteTools::apply(layerPainter, style);
            NoteTools::drawShape(layerPainter, m_mode, m_pressPoint, m_currentPoint);
        }
        widgetPainter.drawPixmap(0, 0, m_layer);
        return;
    }
    widgetPainter.drawPixmap(0, 0, m_layer);
    NoteTools::apply(widgetPainter, style);
    NoteTools::drawShape(widgetPainter, m_mode, m_pressPoint, m_currentPoint);
}

QPixmap ImageNoteWorkArea::blurredPart(const QRect& area) const
{
    // The blur reads nothing outside its rectangle, so blurring the cut-out
    // alone gives the same pixels as blurring that part of the whole picture.
    const QImage part = m_picture.copy(area).toImage();
    return QPixmap::fromImage(MGraphX::expBlur(part, part.rect(), BlurRadius, false));
}

void ImageNoteWorkArea::paintBlur(QPainter& widgetPainter)
{
    const QRect area = NoteGeometry::cornerRect(m_pressPoint, m_currentPoint) & m_picture.rect();
    if (!m_pressed) {
        if (m_dirty && !area.isEmpty()) {
            QPainter layerPainter;
            beginPainter(layerPainter, &m_layer);
            layerPainter.drawPixmap(area.topLeft(), blurredPart(area));
        }
        widgetPainter.drawPixmap(0, 0, m_layer);
        return;
    }
    widgetPainter.drawPixmap(0, 0, m_layer);
    if (!area.isEmpty())
        widgetPainter.drawPixmap(area.topLeft(), blurredPart(area));
}

void ImageNoteWorkArea::paintText(QPainter& widgetPainter)
{
    widgetPainter.drawPixmap(0, 0, m_layer);
    if (!m_dirty)
        return;
    if (m_pressed) {
        widgetPainter.drawRect(NoteGeometry::cornerRect(m_pressPoint, m_currentPoint));
        return;
    }
    m_noteEditor->showAll();
    // The box's corners become the anchor points whichever way it was
    // dragged, so the accepted text is laid out inside it.
    const QRect box = NoteGeometry::textBox(m_pressPoint, m_currentPoint);
    m_pressPoint = box.topLeft();
    m_currentPoint = box.bottomRight();
    m_noteEditor->setGeometry(box);
    widgetPainter.setPen(NoteTools::textFramePen());
    widgetPainter.drawRect(box);
}

void ImageNoteWorkArea::paintAcceptedText(QPainter& widgetPainter)
{
    QTextEdit* field = m_noteEditor->textField();
    QPainter layerPainter;
    beginPainter(layerPainter, &m_layer);
    layerPainter.setFont(field->currentFont());
    NoteTools::apply(layerPainter, NoteTools::style(TextAccepted, m_color, m_thickness, m_dashLine));
    layerPainter.drawText(QRect(m_pressPoint + QPoint(TextInset, TextInset), m_currentPoint),
                          Qt::TextWordWrap, field->toPlainText());
    layerPainter.end();
    field->clear();
    widgetPainter.drawPixmap(0, 0, m_layer);
}

} // namespace QMWidgets
