#include "imagenoteworkarea.h"

#include "imageeffects.h"
#include "imagefile.h"
#include "messagebox.h"
#include "noteeditwidget.h"
#include "notegeometry.h"
#include "notestrokeimage.h"
#include "notetools.h"
#include "os.h"
#include "shellservices.h"

#include <QDateTime>
#include <QDir>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <QtMath>

namespace QMWidgets {

namespace {
// How long the text tool shows its discarded or accepted state before it is
// ready for the next box.
constexpr int TextRoundTripMs = 100;
constexpr int BlurRadius = 10;
// The in-place text is painted this far inside its box, near where the text
// field shows it.
constexpr int TextInset = 3;
// How far the arrow's head may reach beyond the rectangle of its two points.
constexpr int ArrowHeadReach = 32;

// The tools drawn from the press point to the current point.
bool isShape(ImageNoteWorkArea::Mode mode)
{
    switch (mode) {
    case ImageNoteWorkArea::Rectangle:
    case ImageNoteWorkArea::FilledRectangle:
    case ImageNoteWorkArea::Oval:
    case ImageNoteWorkArea::FilledOval:
    case ImageNoteWorkArea::Line:
    case ImageNoteWorkArea::Arrow:
        return true;
    default:
        return false;
    }
}

bool isFreehand(ImageNoteWorkArea::Mode mode)
{
    return !isShape(mode) && mode != ImageNoteWorkArea::BlurRectangle && mode != ImageNoteWorkArea::Text
        && mode != ImageNoteWorkArea::TextCanceled && mode != ImageNoteWorkArea::TextAccepted;
}

QRect grown(const QRect& rect, int by)
{
    return rect.isNull() ? rect : rect.adjusted(-by, -by, by, by);
}

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
    , m_strokeImage(new NoteStrokeImage)
{
    m_noteEditor->setAutoFillBackground(true);
    m_noteEditor->hide();
    connect(m_noteEditor, &NoteEditWidget::cancelClicked, this, &ImageNoteWorkArea::slotEditCanceled);
    connect(m_noteEditor, &NoteEditWidget::okClicked, this, &ImageNoteWorkArea::slotEditAccepted);
    connect(m_noteEditor->textField()->document(), &QTextDocument::contentsChanged, this,
            &ImageNoteWorkArea::fitNoteEditorToText);
    updateEditorStyle();
}

ImageNoteWorkArea::~ImageNoteWorkArea() = default;

const QPixmap& ImageNoteWorkArea::resultPixmap()
{
    if (m_picture.isNull() || m_staleArea.isEmpty())
        return m_composite;
    // Only the part the layer changed in is drawn again.
    QPainter painter;
    beginPainter(painter, &m_composite);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawPixmap(m_staleArea, m_picture, m_staleArea);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(m_staleArea, m_layer, m_staleArea);
    painter.end();
    m_staleArea = QRect();
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
    // Nothing of the previous picture reaches this one: an open text note is
    // closed without being painted and its text dropped, the text tool's
    // round trip is over, and a drag in progress ends without drawing.
    m_noteEditor->hideAll();
    m_noteEditor->textField()->clear();
    if (m_mode == TextCanceled || m_mode == TextAccepted)
        m_mode = Text;
    m_pressed = false;
    m_dirty = false;
    m_unsaved = true;
    m_picture = pixmap;
    m_composite = pixmap;
    m_staleArea = QRect();
    setFixedSize(pixmap.size());
    m_layer = QImage(pixmap.size(), QImage::Format_ARGB32_Premultiplied);
    m_layer.fill(QColor(0, 0, 0, 0));
    m_history.reset(pixmap.size());
    m_stroke.finish();
    m_strokeImage->clear();
    m_blurred = QImage();
    m_shown = QRect();
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

    // The work counts as saved only once the whole file is in place; a file
    // that cannot be written leaves nothing behind and the work unsaved.
    QString reason;
    if (MGraphX::saveImageFile(resultPixmap().toImage(), fileName, "PNG", -1, &reason)) {
        m_unsaved = m_noteEditor->isVisible() && !m_noteEditor->textField()->toPlainText().isEmpty();
    } else {
        MessageBox::warning(
            this, tr("Save Picture"),
            tr("The picture could not be saved to %1:\n%2").arg(QDir::toNativeSeparators(fileName), reason));
    }
    ShellServices::setLastSaveDirectory(fileName);
}

void ImageNoteWorkArea::slotUndo()
{
    if (m_history.undo(m_layer)) {
        m_staleArea = rect();
        repaint();
        emit changed();
    }
    emit undoAvailable(m_history.canUndo());
    emit redoAvailable(m_history.canRedo());
}

void ImageNoteWorkArea::slotRedo()
{
    if (m_history.redo(m_layer)) {
        m_staleArea = rect();
        repaint();
        emit changed();
    }
    emit redoAvailable(m_history.canRedo());
    emit undoAvailable(m_history.canUndo());
}

void ImageNoteWorkArea::slotEditCanceled()
{
    // Only an open note is cancelled or accepted.
    if (!qobject_cast<QWidget*>(sender()) || m_noteEditor->isHidden())
        return;
    m_noteEditor->hideAll();
    m_noteEditor->textField()->clear();
    m_mode = TextCanceled;
    repaint();
    returnToTextSoon();
}

void ImageNoteWorkArea::slotEditAccepted()
{
    if (!qobject_cast<QWidget*>(sender()) || m_noteEditor->isHidden())
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

void ImageNoteWorkArea::fitNoteEditorToText()
{
    if (m_noteEditor->isHidden())
        return;
    QTextEdit* field = m_noteEditor->textField();
    const int needed = qCeil(field->document()->size().height()) + 2 * field->frameWidth()
        + (m_noteEditor->height() - field->height());
    QRect box = m_noteEditor->geometry();
    if (needed <= box.height())
        return;
    box.setHeight(needed);
    box = NoteGeometry::placeInside(box, rect());
    m_noteEditor->setGeometry(box);
    m_pressPoint = box.topLeft();
    m_currentPoint = box.bottomRight();
}

QRect ImageNoteWorkArea::toolArea() const
{
    const QRect corners = NoteGeometry::cornerRect(m_pressPoint, m_currentPoint);
    const int reach = NoteTools::reach(NoteTools::style(m_mode, m_color, m_thickness, m_dashLine));
    if (isShape(m_mode))
        return grown(corners, reach + (m_mode == Arrow ? ArrowHeadReach : 0));
    switch (m_mode) {
    case BlurRectangle:
        return corners & rect();
    case Text:
        if (m_pressed)
            return grown(corners, 1);
        return grown(
            NoteGeometry::textBox(m_pressPoint, m_currentPoint, rect(), m_noteEditor->minimumSizeHint()), 2);
    case TextCanceled:
    case TextAccepted:
        return rect();
    default:
        return grown(m_pressed ? m_stroke.lastStep() : m_stroke.bounds(), reach);
    }
}

void ImageNoteWorkArea::updateToolArea()
{
    const QRect now = toolArea();
    update(now | m_shown);
    m_shown = now;
}

void ImageNoteWorkArea::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
        m_pressPoint = m_lastPoint = m_currentPoint = pixelPosition(event);
        if (isFreehand(m_mode)) {
            m_stroke.start(m_currentPoint);
            m_strokeImage->clear();
        }
        m_dirty = true;
        updateToolArea();
    }
    QWidget::mousePressEvent(event);
}

void ImageNoteWorkArea::mouseMoveEvent(QMouseEvent* event)
{
    // Only a drag that began with a left press here draws; every point it
    // passes reaches the stroke.
    if (m_pressed && (event->buttons() & Qt::LeftButton)) {
        m_lastPoint = m_currentPoint;
        m_currentPoint = pixelPosition(event);
        if (isFreehand(m_mode))
            m_stroke.moveTo(m_currentPoint);
        m_dirty = true;
        updateToolArea();
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
        updateToolArea();
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
        m_history.pushUndo(m_layer);
        emit undoAvailable(true);
    }
    QWidget::paintEvent(event);
    if (m_mode != Text && m_mode != TextCanceled && m_mode != TextAccepted)
        m_noteEditor->hideAll();

    m_paintArea = event->rect();
    QPainter widgetPainter;
    beginPainter(widgetPainter, this);
    if (!m_picture.isNull())
        widgetPainter.drawPixmap(m_paintArea, m_picture, m_paintArea);
    if (hasPicture && isShape(m_mode)) {
        paintShape(widgetPainter);
    } else if (hasPicture) {
        switch (m_mode) {
        case BlurRectangle:
            paintBlur(widgetPainter);
            break;
        case Text:
            paintText(widgetPainter);
            break;
        case TextCanceled:
            showLayer(widgetPainter);
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

void ImageNoteWorkArea::showLayer(QPainter& widgetPainter)
{
    widgetPainter.drawImage(m_paintArea, m_layer, m_paintArea);
}

void ImageNoteWorkArea::paintLayer(const QRect& area, const std::function<void(QPainter&)>& draw)
{
    m_history.touch(area);
    m_staleArea |= area;
    QPainter layerPainter;
    beginPainter(layerPainter, &m_layer);
    layerPainter.setClipRect(area);
    draw(layerPainter);
}

void ImageNoteWorkArea::paintFreehand(QPainter& widgetPainter)
{
    const NoteTools::Style style = NoteTools::style(m_mode, m_color, m_thickness, m_dashLine);
    // The line being drawn is kept drawn as it grows, so that a move costs
    // what it adds; a line before it (whose release never came) is drawn whole.
    const QVector<QPolygon>& lines = m_stroke.lines();
    const bool kept = !lines.isEmpty() && m_strokeImage->update(lines.constLast(), style, m_layer.size());
    const auto drawStroke = [&](QPainter& painter, const QRect& area) {
        NoteTools::apply(painter, style);
        NoteTools::drawLines(painter, kept ? lines.mid(0, lines.size() - 1) : lines);
        if (kept)
            m_strokeImage->paint(painter, area);
    };
    if (!m_pressed) {
        if (m_dirty && !m_stroke.isEmpty()) {
            const QRect area = grown(m_stroke.bounds(), NoteTools::reach(style));
            paintLayer(area, [&](QPainter& painter) { drawStroke(painter, area); });
            m_stroke.finish();
            m_strokeImage->clear();
        }
        showLayer(widgetPainter);
        return;
    }

    if (m_mode == Eraser) {
        // Erasing shows through to the picture only on a copy of the part
        // being painted until the release.
        QImage erased = m_layer.copy(m_paintArea);
        QPainter copyPainter;
        beginPainter(copyPainter, &erased);
        copyPainter.translate(-m_paintArea.topLeft());
        drawStroke(copyPainter, m_paintArea);
        copyPainter.end();
        widgetPainter.drawImage(m_paintArea.topLeft(), erased);
        return;
    }
    showLayer(widgetPainter);
    drawStroke(widgetPainter, m_paintArea);
}

void ImageNoteWorkArea::paintShape(QPainter& widgetPainter)
{
    const bool smallOval = NoteGeometry::isSmallOval(NoteGeometry::cornerRect(m_pressPoint, m_currentPoint));
    const NoteTools::Style style = NoteTools::style(m_mode, m_color, m_thickness, m_dashLine, smallOval);
    if (!m_pressed) {
        if (m_dirty) {
            paintLayer(toolArea(), [&](QPainter& painter) {
                NoteTools::apply(painter, style);
                NoteTools::drawShape(painter, m_mode, m_pressPoint, m_currentPoint);
            });
        }
        showLayer(widgetPainter);
        return;
    }
    showLayer(widgetPainter);
    NoteTools::apply(widgetPainter, style);
    NoteTools::drawShape(widgetPainter, m_mode, m_pressPoint, m_currentPoint);
}

const QImage& ImageNoteWorkArea::blurredPart(const QRect& area)
{
    // The blur reads nothing outside its rectangle: the cut is blurred as if
    // it were the whole picture. A paint without a move (an expose, the
    // release where the last move ended) finds it ready.
    if (area != m_blurredArea || m_blurred.isNull()) {
        m_blurred = QImage();
        m_blurred = MGraphX::expBlurPart(m_picture.toImage(), area, BlurRadius, false);
        m_blurredArea = area;
    }
    return m_blurred;
}

void ImageNoteWorkArea::paintBlur(QPainter& widgetPainter)
{
    const QRect area = NoteGeometry::cornerRect(m_pressPoint, m_currentPoint) & m_picture.rect();
    if (!m_pressed) {
        if (m_dirty && !area.isEmpty()) {
            const QImage& blurred = blurredPart(area);
            paintLayer(area, [&](QPainter& painter) { painter.drawImage(area.topLeft(), blurred); });
        }
        m_blurred = QImage();
        showLayer(widgetPainter);
        return;
    }
    showLayer(widgetPainter);
    if (!area.isEmpty() && area.intersects(m_paintArea))
        widgetPainter.drawImage(area.topLeft(), blurredPart(area));
}

void ImageNoteWorkArea::paintText(QPainter& widgetPainter)
{
    showLayer(widgetPainter);
    if (!m_dirty)
        return;
    if (m_pressed) {
        widgetPainter.drawRect(NoteGeometry::cornerRect(m_pressPoint, m_currentPoint));
        return;
    }
    m_noteEditor->showAll();
    // The box lies inside the picture, with the editor's buttons in reach, and
    // its corners become the anchor points whichever way it was dragged, so
    // the accepted text is laid out inside it.
    const QRect box
        = NoteGeometry::textBox(m_pressPoint, m_currentPoint, rect(), m_noteEditor->minimumSizeHint());
    m_pressPoint = box.topLeft();
    m_currentPoint = box.bottomRight();
    m_noteEditor->setGeometry(box);
    fitNoteEditorToText();
    widgetPainter.setPen(NoteTools::textFramePen());
    widgetPainter.drawRect(box);
}

void ImageNoteWorkArea::paintAcceptedText(QPainter& widgetPainter)
{
    QTextEdit* field = m_noteEditor->textField();
    const QString text = field->toPlainText();
    const QFont font = field->currentFont();
    // The box grows to hold the whole text, as far as the picture allows.
    QRect box(m_pressPoint + QPoint(TextInset, TextInset), m_currentPoint);
    const QRect needed = QFontMetrics(font).boundingRect(box, Qt::TextWordWrap, text);
    box.setSize(box.size().expandedTo(needed.size()));
    box = NoteGeometry::placeInside(box, rect());
    paintLayer(grown(box, QFontMetrics(font).height()), [&](QPainter& painter) {
        painter.setFont(font);
        NoteTools::apply(painter, NoteTools::style(TextAccepted, m_color, m_thickness, m_dashLine));
        painter.drawText(box, Qt::TextWordWrap, text);
    });
    field->clear();
    showLayer(widgetPainter);
}

} // namespace QMWidgets
