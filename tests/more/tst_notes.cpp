// The note editor: its work area driven by real mouse moves of 1 to 3 pixels; window; drag files.

#include "dialogrunner.h"
#include "dialogseams.h"
#include "imageeffects.h"
#include "messagebox.h"
#include "notes/imagenoteeditor.h"
#include "notes/imagenoteworkarea.h"
#include "notes/notedragfiles.h"
#include "notes/noteeditdragpreview.h"
#include "notes/noteeditwidget.h"
#include "notes/notegeometry.h"
#include "notes/notehistory.h"
#include "notes/notestrokeimage.h"
#include "notes/notetools.h"
#include "os.h"
#include "pixelcompare.h"
#include "shellservices.h"
#include "testapp.h"
#include "tooling.h"

#include <QtTest>
#include <QtWidgets>

using namespace QMWidgets;
using Mode = ImageNoteWorkArea::Mode;

namespace {
const QColor Backdrop(90, 100, 110);

// A picture with vertical stripes (a blur visibly changes it), or a plain one.
QPixmap picture(const QSize& size, bool striped = false)
{
    QImage image(size, QImage::Format_ARGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, striped && (x / 3) % 2 ? qRgb(240, 240, 240) : Backdrop.rgb());
    return QPixmap::fromImage(image);
}

void sendMouse(QWidget* target, QEvent::Type type, const QPoint& at, Qt::MouseButton button,
               Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(at), QPointF(target->mapToGlobal(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// A drag as a real mouse makes it: a press at the first point, moves of 1 to 3 pixels along the
// lines through the others, a release at the last; painted after every event.
void drag(QWidget* target, const QVector<QPoint>& points)
{
    sendMouse(target, QEvent::MouseButtonPress, points.first(), Qt::LeftButton, Qt::LeftButton);
    target->repaint();
    for (int i = 1; i < points.size(); ++i) {
        const QPoint from = points.at(i - 1), to = points.at(i);
        const int length = qMax(qAbs(to.x() - from.x()), qAbs(to.y() - from.y()));
        for (int done = 0, step = 1; done < length; step = step % 3 + 1) {
            done = qMin(length, done + step);
            sendMouse(target, QEvent::MouseMove, from + (to - from) * done / length, Qt::NoButton,
                      Qt::LeftButton);
            target->repaint();
        }
    }
    sendMouse(target, QEvent::MouseButtonRelease, points.last(), Qt::LeftButton, Qt::NoButton);
    target->repaint();
}

bool drawnAt(const QImage& layer, const QPoint& at)
{
    return qAlpha(layer.pixel(at)) > 0;
}

// The points of the layer inside area that carry anything.
int drawnIn(const QImage& layer, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += drawnAt(layer, QPoint(x, y)) ? 1 : 0;
    return count;
}

// Every pixel of a that differs from b lies inside area, and some do.
bool changedOnlyInside(const QImage& a, const QImage& b, const QRect& area)
{
    int inside = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) == b.pixel(x, y))
                continue;
            if (!area.contains(x, y))
                return false;
            ++inside;
        }
    }
    return inside > 0;
}

// A scribble of count points inside area, each 1 to 3 pixels from the one before, running to and fro
// over itself in loops, as a hand filling a region does.
QPolygon scribble(const QRect& area, int count)
{
    const auto at = [&area](double t) {
        return QPointF(area.center())
            + QPointF(area.width() / 2.0 * (0.7 * std::sin(t) + 0.3 * std::sin(0.13 * t)),
                      area.height() / 2.0 * (0.7 * std::sin(1.7 * t + 0.4) + 0.3 * std::cos(0.11 * t)));
    };
    QPolygon points;
    points << at(0).toPoint();
    for (double t = 0; points.size() < count;) {
        double dt = 0.001;
        while (QLineF(at(t), at(t + dt)).length() < 1 + points.size() % 3)
            dt *= 1.5;
        t += dt;
        if (at(t).toPoint() != points.constLast())
            points << at(t).toPoint();
    }
    return points;
}

// What drawing the lines whole in the tool's style over the layer gives.
QImage drawnWhole(const QImage& layer, const QVector<QPolygon>& lines, const NoteTools::Style& style)
{
    QImage result = layer;
    QPainter painter(&result);
    painter.setRenderHint(QPainter::Antialiasing);
    NoteTools::apply(painter, style);
    NoteTools::drawLines(painter, lines);
    return result;
}

// A shown work area drawing in red.
struct Area
{
    ImageNoteWorkArea widget;
    explicit Area(const QPixmap& picture, Mode mode = Mode::Pen, int thickness = 1)
    {
        widget.slotSetPixmap(picture);
        widget.slotSetColor(Qt::red);
        widget.slotSetMode(mode);
        widget.slotSetThikness(thickness);
        widget.show();
        widget.activateWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
    }
    QImage layer() const { return widget.layer(); }
    // Saves through the file dialog's seam.
    void save(const QString& path)
    {
        Os::setNextFileDialogAnswer(path.isEmpty() ? QStringList() : QStringList { path });
        widget.slotSave();
    }
};

QStringList dragFiles()
{
    QStringList files;
    for (QDirIterator it(NoteDragFiles::root(), { "*.png" }, QDir::Files, QDirIterator::Subdirectories);
         it.hasNext();)
        files << it.next();
    return files;
}

void clickButton(QWidget* parent, const char* name)
{
    QTest::mouseClick(parent->findChild<QPushButton*>(QLatin1String(name)), Qt::LeftButton);
}

// The width of the red ink of each line of text inside area, from the top.
QList<int> lineWidths(const QImage& image, const QRect& area)
{
    QList<int> widths;
    bool inLine = false;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        int left = -1, right = -1;
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) > 0 && qRed(pixel) > qGreen(pixel) + 60) {
                left = left < 0 ? x : left;
                right = x;
            }
        }
        if (right >= 0 && !inLine)
            widths << 0;
        inLine = right >= 0;
        if (inLine)
            widths.last() = qMax(widths.last(), right - left + 1);
    }
    return widths;
}
} // namespace

class TestNotes : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    // Closing the editor window must not end the test's application.
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void cleanup() { QCOMPARE(TestSupport::clearDialogSeams(), 0); }

    void tools_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QLine>("stroke");
        QTest::addColumn<QPoint>("drawn");
        QTest::addColumn<QPoint>("untouched");
        QTest::addColumn<int>("alpha"); // of the drawn point, roughly
        const auto row
            = [](const char* name, Mode mode, QLine stroke, QPoint drawn, QPoint untouched, int alpha) {
                  QTest::newRow(name) << int(mode) << stroke << drawn << untouched << alpha;
              };
        row("pen", Mode::Pen, { 20, 40, 120, 40 }, { 70, 40 }, { 70, 50 }, 255);
        row("pen click", Mode::Pen, { 70, 40, 70, 40 }, { 70, 40 }, { 73, 40 }, 255);
        // One stroke is one translucent mark, however many moves made it.
        row("highlighter", Mode::Highlighter, { 20, 40, 120, 40 }, { 35, 45 }, { 70, 70 }, 26);
        row("rectangle", Mode::Rectangle, { 120, 80, 20, 20 }, { 20, 50 }, { 70, 50 }, 255);
        row("filled rectangle", Mode::FilledRectangle, { 20, 20, 120, 80 }, { 70, 50 }, { 130, 50 }, 200);
        row("oval", Mode::Oval, { 20, 20, 120, 80 }, { 70, 20 }, { 22, 22 }, 255);
        row("line", Mode::Line, { 20, 20, 120, 80 }, { 70, 50 }, { 20, 80 }, 255);
        row("arrow head, one side", Mode::Arrow, { 20, 50, 120, 50 }, { 105, 44 }, { 135, 44 }, 255);
        row("arrow head, other side", Mode::Arrow, { 20, 50, 120, 50 }, { 105, 56 }, { 60, 56 }, 255);
        row("arrow head up", Mode::Arrow, { 60, 100, 60, 20 }, { 66, 35 }, { 66, 5 }, 255);
    }

    void tools()
    {
        QFETCH(int, mode);
        QFETCH(QLine, stroke);
        QFETCH(QPoint, drawn);
        QFETCH(QPoint, untouched);
        QFETCH(int, alpha);
        const QPixmap striped = picture(QSize(200, 120), true);
        Area area(striped, Mode(mode), 3);
        QSignalSpy changed(&area.widget, &ImageNoteWorkArea::changed);
        drag(&area.widget, { stroke.p1(), stroke.center(), stroke.p2() });

        const QImage layer = area.layer();
        QVERIFY(qAbs(qAlpha(layer.pixel(drawn)) - alpha) <= 6);
        QCOMPARE(QColor(layer.pixel(drawn)).hue(), 0); // red
        QVERIFY(!drawnAt(layer, untouched) && !changed.isEmpty());
        QCOMPARE(area.widget.picture().toImage(), striped.toImage()); // never drawn on

        // A click of the eraser takes a dot of its width (30) off the layer, and nothing else.
        area.widget.slotSetMode(Mode::Eraser);
        drag(&area.widget, { drawn });
        QVERIFY(!drawnAt(area.layer(), drawn) && !drawnAt(area.layer(), drawn + QPoint(13, 0)));
        QVERIFY(changedOnlyInside(layer, area.layer(), QRect(drawn - QPoint(16, 16), QSize(33, 33))));
    }

    void dashes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QPoint>("to"); // from (10, 10)
        QTest::addColumn<QLine>("scan");
        QTest::addColumn<bool>("dashed");
        QTest::newRow("slow pen stroke")
            << int(Mode::Pen) << QPoint(190, 10) << QLine(12, 10, 188, 10) << true;
        QTest::newRow("oval") << int(Mode::Oval) << QPoint(16, 110) << QLine(10, 40, 10, 80) << true;
        // Too narrow for its dashes to show: drawn solid.
        QTest::newRow("oval 4 wide") << int(Mode::Oval) << QPoint(14, 110) << QLine(10, 40, 10, 80) << false;
    }

    void dashes()
    {
        QFETCH(int, mode);
        QFETCH(QPoint, to);
        QFETCH(QLine, scan);
        QFETCH(bool, dashed);
        Area area(picture(QSize(200, 120)), Mode(mode), 2);
        area.widget.slotSetDashLine(true);
        drag(&area.widget, { QPoint(10, 10), to });
        int gaps = 0, length = 0; // dashes of 8 and gaps of 4 pixels
        const QPoint step = (scan.p2() - scan.p1()) / (scan.p2() - scan.p1()).manhattanLength();
        for (QPoint at = scan.p1() + step; at != scan.p2(); at += step, ++length)
            gaps += drawnAt(area.layer(), at - step) && !drawnAt(area.layer(), at) ? 1 : 0;
        QVERIFY2(dashed ? gaps >= length / 15 : gaps == 0, qPrintable(QString::number(gaps)));
    }

    void blurCoversItsRectangleOnly()
    {
        // The blur reads only the picture inside its rectangle: a white block outside changes
        // nothing inside; a pen stroke inside is covered by the blur, not blurred.
        QImage blocked = picture(QSize(200, 120), true).toImage();
        QPainter(&blocked).fillRect(0, 0, 30, 30, Qt::white);
        QImage inside;
        for (const QPixmap& shot : { picture(QSize(200, 120), true), QPixmap::fromImage(blocked) }) {
            Area area(shot);
            drag(&area.widget, { QPoint(50, 60), QPoint(90, 60) });
            area.widget.slotSetMode(Mode::BlurRectangle);
            drag(&area.widget, { QPoint(100, 90), QPoint(40, 40) });

            const QRect blurred(40, 40, 61, 51);
            const QImage result = area.widget.resultPixmap().toImage();
            QVERIFY(changedOnlyInside(result, shot.toImage(), blurred));
            QCOMPARE(drawnIn(area.layer(), QRect(0, 0, 200, 120)), blurred.width() * blurred.height());
            QVERIFY(inside.isNull() || result.copy(blurred) == inside);
            inside = result.copy(blurred);
            QVERIFY(result.pixelColor(70, 60).red() <= result.pixelColor(70, 60).green()); // no red
        }
    }

    void blurFollowsTheDraggedCorner()
    {
        // The corner goes round the press point: two rectangles of one size over different stripes.
        const QPixmap shot = picture(QSize(200, 120), true);
        Area area(shot, Mode::BlurRectangle);
        const QPoint press(60, 50);
        sendMouse(&area.widget, QEvent::MouseButtonPress, press, Qt::LeftButton, Qt::LeftButton);
        const auto blurred = [&shot](const QRect& rect) {
            return MGraphX::expBlurPart(shot.toImage(), rect, 10, false)
                .convertToFormat(QImage::Format_RGB32);
        };
        QRect rect;
        for (const QPoint& corner : { QPoint(92, 80), QPoint(28, 20) }) {
            sendMouse(&area.widget, QEvent::MouseMove, corner, Qt::NoButton, Qt::LeftButton);
            area.widget.repaint();
            rect = NoteGeometry::cornerRect(press, corner);
            const QImage shown = area.widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
            QCOMPARE(shown.copy(rect), blurred(rect));
        }
        sendMouse(&area.widget, QEvent::MouseButtonRelease, QPoint(28, 20), Qt::LeftButton, Qt::NoButton);
        area.widget.repaint();
        const QImage result = area.widget.resultPixmap().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(result.copy(rect), blurred(rect));
        QVERIFY(changedOnlyInside(result, shot.toImage().convertToFormat(QImage::Format_RGB32), rect));
    }

    void strokeImageHoldsTheWholeLine_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("thickness");
        QTest::addColumn<int>("points");
        QTest::addColumn<QColor>("switchTo"); // halfway through; invalid: none
        const auto row
            = [](const char* name, Mode mode, int thickness, int points, QColor switchTo = QColor()) {
                  QTest::newRow(name) << int(mode) << thickness << points << switchTo;
              };
        row("pen 2 px", Mode::Pen, 2, 900);
        row("pen 15 px", Mode::Pen, 15, 900);
        row("highlighter 24 px", Mode::Highlighter, 3, 900);
        row("highlighter 120 px", Mode::Highlighter, 15, 200);
        row("eraser 30 px", Mode::Eraser, 3, 900);
        row("eraser 150 px", Mode::Eraser, 15, 200);
        row("colour changed halfway", Mode::Pen, 5, 900, Qt::blue);
    }

    void strokeImageHoldsTheWholeLine()
    {
        QFETCH(int, mode);
        QFETCH(int, thickness);
        QFETCH(int, points);
        QFETCH(QColor, switchTo);
        // Over something to draw on or to take away: a translucent band and an opaque block.
        QImage layer(320, 240, QImage::Format_ARGB32_Premultiplied);
        layer.fill(Qt::transparent);
        QPainter(&layer).fillRect(40, 60, 240, 50, QColor(0, 128, 0, 140));
        QPainter(&layer).fillRect(150, 20, 60, 200, QColor(20, 20, 200));
        const QPolygon line = scribble(QRect(30, 30, 260, 180), points);
        NoteTools::Style style = NoteTools::style(Mode(mode), Qt::red, thickness, false);
        QVERIFY(NoteStrokeImage::keeps(style));

        // Points come one to three at a time, as moves between two paints do.
        NoteStrokeImage image;
        for (int count = 1; count <= line.size(); count += 1 + count % 3) {
            if (switchTo.isValid() && count > line.size() / 2)
                style = NoteTools::style(Mode(mode), switchTo, thickness, false);
            QVERIFY(image.update(line.mid(0, count), style, layer.size()));
        }
        QVERIFY(image.update(line, style, layer.size()));
        QImage kept = layer;
        QPainter painter(&kept);
        image.paint(painter, QRect(100, 0, 220, 240)); // a part, as a paint of the part that changed
        image.paint(painter, QRect(0, 0, 100, 240));
        painter.end();
        QCOMPARE(kept, drawnWhole(layer, { line }, style));

        // Dashed and one-pixel lines are drawn whole.
        QVERIFY(!image.update(line, NoteTools::style(Mode::Pen, Qt::red, 3, true), layer.size()));
        QVERIFY(!image.update(line, NoteTools::style(Mode::Pen, Qt::red, 1, false), layer.size()));
    }

    void longStrokeLooksAsDrawnWhole_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("thickness");
        QTest::addColumn<bool>("dashed");
        QTest::addColumn<bool>("releaseLost"); // a first line whose release never came
        QTest::newRow("pen") << int(Mode::Pen) << 3 << false << false;
        QTest::newRow("dashed pen") << int(Mode::Pen) << 3 << true << false;
        QTest::newRow("highlighter") << int(Mode::Highlighter) << 5 << false << false;
        QTest::newRow("eraser") << int(Mode::Eraser) << 2 << false << false;
        QTest::newRow("highlighter, release lost") << int(Mode::Highlighter) << 2 << false << true;
    }

    void longStrokeLooksAsDrawnWhole()
    {
        QFETCH(int, mode);
        QFETCH(int, thickness);
        QFETCH(bool, dashed);
        QFETCH(bool, releaseLost);
        const QPixmap shot = picture(QSize(320, 240), true);
        Area area(shot, Mode::FilledRectangle);
        drag(&area.widget, { QPoint(60, 50), QPoint(250, 150) }); // something to draw over and to erase
        const QImage before = area.layer();
        area.widget.slotSetMode(Mode(mode));
        area.widget.slotSetThikness(thickness);
        area.widget.slotSetDashLine(dashed);
        QVector<QPolygon> lines;
        if (releaseLost) {
            lines << scribble(QRect(20, 120, 150, 100), 150);
            sendMouse(&area.widget, QEvent::MouseButtonPress, lines[0][0], Qt::LeftButton, Qt::LeftButton);
            for (const QPoint& point : lines[0])
                sendMouse(&area.widget, QEvent::MouseMove, point, Qt::NoButton, Qt::LeftButton);
        }
        lines << scribble(QRect(20, 20, 280, 200), 700);
        sendMouse(&area.widget, QEvent::MouseButtonPress, lines.last()[0], Qt::LeftButton, Qt::LeftButton);
        area.widget.repaint();
        for (const QPoint& point : lines.last()) {
            sendMouse(&area.widget, QEvent::MouseMove, point, Qt::NoButton, Qt::LeftButton);
            area.widget.repaint();
        }

        // What is shown while drawing and what the release leaves in the layer are the lines drawn whole.
        const NoteTools::Style style = NoteTools::style(Mode(mode), Qt::red, thickness, dashed);
        const QImage layer = drawnWhole(before, lines, style);
        QImage shown = shot.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QPainter(&shown).drawImage(0, 0, mode == Mode::Eraser ? layer : before);
        if (mode != Mode::Eraser)
            shown = drawnWhole(shown, lines, style);
        const QImage grabbed = area.widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(grabbed, shown.convertToFormat(QImage::Format_RGB32));
        sendMouse(&area.widget, QEvent::MouseButtonRelease, lines.last().constLast(), Qt::LeftButton,
                  Qt::NoButton);
        area.widget.repaint();
        QCOMPARE(area.layer(), layer);
    }

    void undoRedoRestoreWholeStates()
    {
        Area area(picture(QSize(200, 120)));
        QString record; // U/u: undo available or not, R/r: redo, c: changed
        connect(&area.widget, &ImageNoteWorkArea::undoAvailable, this,
                [&](bool on) { record += on ? 'U' : 'u'; });
        connect(&area.widget, &ImageNoteWorkArea::redoAvailable, this,
                [&](bool on) { record += on ? 'R' : 'r'; });
        connect(&area.widget, &ImageNoteWorkArea::changed, this, [&] { record += 'c'; });

        QVector<QImage> states { area.layer() };
        for (int y : { 20, 60 }) {
            drag(&area.widget, { QPoint(20, y), QPoint(100, y) });
            states << area.layer();
        }
        record.clear();
        for (int state : { 1, 0, 0 }) { // the last undo finds nothing: only the two signals
            area.widget.slotUndo();
            QCOMPARE(area.layer(), states[state]);
        }
        area.widget.slotRedo();
        QCOMPARE(area.layer(), states[1]);
        QCOMPARE(record, QStringLiteral("cURcuRuRcRU"));

        // A stroke whose release never came (the grab was lost) goes into the layer with the next.
        sendMouse(&area.widget, QEvent::MouseButtonPress, QPoint(20, 90), Qt::LeftButton, Qt::LeftButton);
        sendMouse(&area.widget, QEvent::MouseMove, QPoint(60, 90), Qt::NoButton, Qt::LeftButton);
        drag(&area.widget, { QPoint(20, 110), QPoint(60, 110) });
        QVERIFY(drawnAt(area.layer(), QPoint(40, 90)) && drawnAt(area.layer(), QPoint(40, 110)));

        // A new picture forgets everything: neither Undo nor Redo brings anything back.
        record.clear();
        area.widget.slotSetPixmap(picture(QSize(120, 80)));
        area.widget.slotRedo();
        area.widget.slotUndo();
        QCOMPARE(record, QStringLiteral("ruruur"));
        QCOMPARE(area.layer(), states[0].copy(0, 0, 120, 80));
    }

    void strayButtonsCommitNoShape()
    {
        Area area(picture(QSize(200, 120)), Mode::Rectangle);
        drag(&area.widget, { QPoint(20, 20), QPoint(60, 60) });
        const QImage before = area.layer();
        QSignalSpy undo(&area.widget, &ImageNoteWorkArea::undoAvailable);
        // A right click after the rectangle: no second one from its corner.
        sendMouse(&area.widget, QEvent::MouseButtonPress, QPoint(150, 100), Qt::RightButton, Qt::RightButton);
        sendMouse(&area.widget, QEvent::MouseButtonRelease, QPoint(150, 100), Qt::RightButton, Qt::NoButton);
        area.widget.repaint();
        // A right button released during a left drag leaves the drag going.
        sendMouse(&area.widget, QEvent::MouseButtonPress, QPoint(100, 20), Qt::LeftButton, Qt::LeftButton);
        sendMouse(&area.widget, QEvent::MouseButtonRelease, QPoint(110, 30), Qt::RightButton, Qt::LeftButton);
        area.widget.repaint();
        QCOMPARE(area.layer(), before);
        QVERIFY(undo.isEmpty());
        sendMouse(&area.widget, QEvent::MouseMove, QPoint(180, 60), Qt::NoButton, Qt::LeftButton);
        sendMouse(&area.widget, QEvent::MouseButtonRelease, QPoint(180, 60), Qt::LeftButton, Qt::NoButton);
        area.widget.repaint();
        QVERIFY(drawnAt(area.layer(), QPoint(100, 40)) && !drawnAt(area.layer(), QPoint(110, 30)));
        QCOMPARE(undo.size(), 1);
    }

    void increaseEnlargesTheWholeText()
    {
        // Two lines typed, then Increase (or not): the lines as the open note shows them, and
        // as the accepted note paints them.
        QList<QList<int>> shown, painted;
        for (bool increase : { false, true }) {
            Area area(picture(QSize(320, 240)), Mode::Text);
            drag(&area.widget, { QPoint(30, 40) });
            NoteEditWidget* editor = area.widget.noteEditor();
            QTextEdit* field = editor->textField();
            QVERIFY(QTest::qWaitForWindowActive(&area.widget));
            QTRY_VERIFY(field->hasFocus());
            QTest::keyClicks(field, QStringLiteral("WWW"));
            QTest::keyClick(field, Qt::Key_Return);
            QTest::keyClicks(field, QStringLiteral("WW"));
            if (increase)
                clickButton(editor, "NoteEditWidgetInc");
            QTest::keyClick(field, Qt::Key_End, Qt::ControlModifier); // the text no longer selected
            shown << lineWidths(area.widget.grab().toImage(),
                                QRect(field->mapTo(&area.widget, QPoint()), field->size()));
            clickButton(editor, "NoteEditWidgetAccept");
            painted << lineWidths(area.layer(), area.layer().rect());
        }
        for (const QList<QList<int>>& widths : { shown, painted }) {
            QCOMPARE(widths.first().size(), 2);
            QCOMPARE(widths.last().size(), 2);
            for (int line : { 0, 1 })
                QVERIFY2(widths.last().at(line) > widths.first().at(line) * 1.2,
                         qPrintable(QString::number(line)));
        }
    }

    void penCursorCarriesTheDrawingColour()
    {
        // The blue of the host's pen cursor comes in the drawing colour, chosen before the
        // pointer enters; every other pixel stays.
        Area area(picture(QSize(200, 120)));
        const QImage host = QImage(QStringLiteral(":/Pen_cur.png")).convertToFormat(QImage::Format_ARGB32);
        for (const QColor& colour : { QColor(0, 200, 0), QColor(230, 140, 20) }) {
            area.widget.slotSetColor(colour);
            QEvent enter(QEvent::Enter);
            QApplication::sendEvent(&area.widget, &enter);
            const QImage shown
                = area.widget.cursor().pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(shown.size(), host.size());
            for (int i = 0; i < host.width() * host.height(); ++i) {
                const QPoint p(i % host.width(), i / host.width());
                const QRgb want = host.pixel(p) == qRgb(0, 0, 255) ? colour.rgb() : host.pixel(p);
                QVERIFY2(TestSupport::pixelsClose(shown.pixel(p), want, 2), qPrintable(QString::number(i)));
            }
        }
    }

    void undoMemoryStaysWithinItsBound()
    {
        // Six steps, each painting one of four tiles, under a bound of four tiles.
        constexpr int Tile = NoteHistory::TileSize;
        NoteHistory history(4 * Tile * Tile * 4);
        QImage layer(4 * Tile, Tile, QImage::Format_ARGB32_Premultiplied);
        layer.fill(Qt::transparent);
        history.reset(layer.size());
        QVector<QImage> states { layer };
        for (int step = 1; step <= 6; ++step) {
            history.pushUndo(layer);
            layer.fill(Qt::transparent); // all of the layer changes, only one tile keeps anything
            QPainter(&layer).fillRect((step % 4) * Tile + 5, 7, 9, 11, QColor::fromHsv(step * 50, 255, 255));
            history.touch(layer.rect());
            states << layer;
        }
        QVERIFY(history.memory() <= 4 * Tile * Tile * 4);
        int back = 0; // the oldest steps went; the three kept bring back exactly their states

        while (history.undo(layer))
            QCOMPARE(layer, states.at(6 - ++back));
        QCOMPARE(back, 3);
    }

    void acceptedTextIsSavedInsideItsBox_data()
    {
        QTest::addColumn<QLine>("drag");
        QTest::addColumn<QRect>("box"); // inside the 320 x 240 picture
        QTest::addColumn<int>("lines"); // typed; 0: cancelled
        QTest::newRow("click") << QLine(30, 40, 30, 40) << QRect(30, 40, 220, 90) << 1;
        QTest::newRow("long drag up and left") << QLine(280, 200, 40, 30) << QRect(40, 30, 241, 171) << 1;
        QTest::newRow("click near right and bottom")
            << QLine(300, 220, 300, 220) << QRect(100, 150, 220, 90) << 1;
        QTest::newRow("drag past the edges") << QLine(100, 100, 400, 300) << QRect(100, 100, 220, 140) << 1;
        QTest::newRow("six lines") << QLine(30, 5, 30, 5) << QRect(30, 5, 220, 90) << 6;
        QTest::newRow("cancelled") << QLine(30, 40, 30, 40) << QRect(30, 40, 220, 90) << 0;
    }

    void acceptedTextIsSavedInsideItsBox()
    {
        QFETCH(QLine, drag);
        QFETCH(QRect, box);
        QFETCH(int, lines);
        const QPixmap shot = picture(QSize(320, 240));
        const QImage plainShot = shot.toImage().convertToFormat(QImage::Format_RGB32);
        Area area(shot, Mode::Text);
        ::drag(&area.widget, { drag.p1(), drag.p2() });
        NoteEditWidget* editor = area.widget.noteEditor();
        QCOMPARE(editor->geometry(), box);

        QTextEdit* field = editor->textField();
        QVERIFY(QTest::qWaitForWindowActive(&area.widget));
        QTRY_VERIFY(field->hasFocus());
        QTest::keyClicks(field, QStringLiteral("WWW WWW"));
        for (int line = 1; line < lines; ++line) {
            QTest::keyClick(field, Qt::Key_Return);
            QTest::keyClicks(field, QStringLiteral("WWW"));
        }
        const int lineSpacing = QFontMetrics(field->currentFont()).lineSpacing();

        // Saved while open, the note and the editor's controls are not in the picture, and the
        // work stays unsaved.
        const QString path = m_dir.filePath(QStringLiteral("text.png"));
        area.save(path);
        QCOMPARE(QImage(path).convertToFormat(QImage::Format_RGB32), plainShot);
        QVERIFY(area.widget.hasUnsavedChanges());

        clickButton(editor, lines ? "NoteEditWidgetAccept" : "NoteEditWidgetReject");
        QVERIFY(editor->isHidden() && field->toPlainText().isEmpty());
        if (!lines) // a tool chosen during the short round trip stays chosen
            area.widget.slotSetMode(Mode::Arrow);
        QTest::qWait(250);
        QCOMPARE(area.widget.mode(), lines ? Mode::Text : Mode::Arrow);

        area.save(path);
        const QImage result = QImage(path).convertToFormat(QImage::Format_RGB32);
        // The text, all of its lines, in its box grown downwards as needed, and nothing else.
        QVERIFY(lines ? changedOnlyInside(result, plainShot, box.adjusted(0, 0, 0, 240))
                      : result == plainShot);
        const int lastLine = box.top() + 3 + (lines - 1) * lineSpacing;
        QCOMPARE(drawnIn(area.layer(), QRect(box.left(), lastLine, box.width(), lineSpacing)) > 0, lines > 0);
    }

    void newPictureDropsWhatWasOpen_data()
    {
        QTest::addColumn<int>("mode"); // of the work left open when a new screenshot comes
        QTest::addColumn<bool>("toolChanged"); // the pen was chosen after typing
        QTest::newRow("open text note") << int(Mode::Text) << false;
        QTest::newRow("text note hidden by another tool") << int(Mode::Text) << true;
        QTest::newRow("rectangle still being dragged") << int(Mode::Rectangle) << false;
    }

    void newPictureDropsWhatWasOpen()
    {
        QFETCH(int, mode);
        QFETCH(bool, toolChanged);
        ImageNoteEditor editor;
        editor.slotSetPixmap(picture(QSize(320, 240)));
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        ImageNoteWorkArea* area = editor.workArea();
        area->slotSetMode(Mode(mode));
        NoteEditWidget* note = area->noteEditor();
        QTextEdit* field = note->textField();
        sendMouse(area, QEvent::MouseButtonPress, QPoint(30, 40), Qt::LeftButton, Qt::LeftButton);
        sendMouse(area, QEvent::MouseMove, QPoint(150, 120), Qt::NoButton, Qt::LeftButton);
        area->repaint();
        if (mode == Mode::Text) {
            sendMouse(area, QEvent::MouseButtonRelease, QPoint(150, 120), Qt::LeftButton, Qt::NoButton);
            area->repaint();
            QVERIFY(note->isVisible());
            QTest::keyClicks(field, QStringLiteral("WWW WWW"));
        }
        if (toolChanged) {
            area->slotSetMode(Mode::Pen);
            area->repaint();
            QVERIFY(note->isHidden() && !field->toPlainText().isEmpty());
        }

        // The host answers "New Screen Shot" with the next picture.
        const QPixmap next = picture(QSize(300, 200), true);
        connect(&editor, &ImageNoteEditor::doNewScreenShot, &editor, [&] {
            editor.slotSetPixmap(next);
            editor.show();
        });
        DialogRunner::setNextHandler([](QDialog& box) { return TestSupport::answerDialog(box, "Yes"); });
        clickButton(&editor, "NewScreenShowButton");
        QVERIFY(QTest::qWaitForWindowExposed(&editor));

        // Nothing is left open: a release ends no drag, the note is gone and its Accept paints nothing.
        sendMouse(area, QEvent::MouseButtonRelease, QPoint(150, 120), Qt::LeftButton, Qt::NoButton);
        QTest::qWait(50); // painted
        QVERIFY(note->isHidden());
        note->findChild<QPushButton*>(QStringLiteral("NoteEditWidgetAccept"))->click();
        QTest::qWait(150);
        const QString path = m_dir.filePath(QStringLiteral("next.png"));
        Os::setNextFileDialogAnswer({ path });
        area->slotSave();
        QCOMPARE(QImage(path).convertToFormat(QImage::Format_RGB32),
                 next.toImage().convertToFormat(QImage::Format_RGB32));
        QCOMPARE(drawnIn(area->layer(), area->rect()), 0);

        // The next note starts empty.
        area->slotSetMode(Mode::Text);
        drag(area, { QPoint(40, 40) });
        QVERIFY(note->isVisible() && field->toPlainText().isEmpty());
    }

    void saving_data()
    {
        QTest::addColumn<QString>("answer"); // empty: the dialog is cancelled
        QTest::addColumn<bool>("written");
        QTest::addColumn<qint64>("room"); // the most a file may take; 0: no limit
        QTest::newRow("written") << QStringLiteral("shot.png") << true << qint64(0);
        QTest::newRow("cancelled") << QString() << false << qint64(0);
        QTest::newRow("folder missing") << QStringLiteral("missing/shot.png") << false << qint64(0);
        QTest::newRow("not a folder") << QStringLiteral("file/shot.png") << false << qint64(0);
        QTest::newRow("disk full") << QStringLiteral("shot.png") << false << qint64(100);
    }

    void saving()
    {
        QFETCH(QString, answer);
        QFETCH(bool, written);
        QFETCH(qint64, room);
        QTemporaryDir dir;
        QVERIFY(TestSupport::writeFile(dir.filePath(QStringLiteral("file")), "x"));
        Area area(picture(QSize(140, 90)), Mode::Pen, 3);
        drag(&area.widget, { QPoint(20, 20), QPoint(100, 20) });
        const QString path = answer.isEmpty() ? QString() : dir.filePath(answer);
        const bool told = !written && !path.isEmpty();
        if (told)
            MessageBox::setNextAnswer(QMessageBox::Ok);
        {
            std::unique_ptr<TestSupport::FileSizeLimit> limit(room ? new TestSupport::FileSizeLimit(room)
                                                                   : nullptr);
            area.save(path);
        }
        QCOMPARE(area.widget.hasUnsavedChanges(), !written);
        // A failed save is told, with the file's name, and leaves nothing behind.
        QCOMPARE(MessageBox::shown().size(), told ? 1 : 0);
        QVERIFY(!told || MessageBox::shown().first().text.contains(QDir::toNativeSeparators(path)));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 written ? QStringList({ "file", "shot.png" }) : QStringList({ "file" }));
        if (!path.isEmpty())
            QCOMPARE(ShellServices::lastSaveDirectory(), QFileInfo(path).absolutePath());
        if (written)
            QCOMPARE(QImage(path).pixel(60, 20), qRgb(255, 0, 0));
        // Drawing after a save makes the work unsaved again.
        drag(&area.widget, { QPoint(20, 60), QPoint(22, 60) });
        QVERIFY(area.widget.hasUnsavedChanges());
    }

    void windowSize_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("window"); // before the controls' own minimum
        const QSize desktop = QApplication::desktop()->geometry().size();
        const QSize limit(int(desktop.width() / 1.5), int(desktop.height() / 1.5));
        QTest::newRow("just fits") << QSize(limit.width() - 100, 100) << QSize(limit.width(), 190);
        QTest::newRow("too wide") << QSize(limit.width() - 99, 100) << limit;
        QTest::newRow("too high") << QSize(100, limit.height() - 89) << limit;
    }

    void windowSize()
    {
        QFETCH(QSize, picture);
        QFETCH(QSize, window);
        ImageNoteEditor editor;
        editor.slotSetPixmap(::picture(picture));
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        // Before the controls' minimum, which may hide it on a small screen.
        QCOMPARE(NoteGeometry::editorWindowSize(picture, QApplication::desktop()->geometry().size()), window);
        QCOMPARE(editor.size(), window.expandedTo(editor.minimumSizeHint()));
        QCOMPARE(editor.preview()->pixmap().size(), picture);
    }

    void prompts_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("answer"); // empty: the box is dismissed with Escape
        for (const char* answer : { "Yes", "No", "", "Cancel" }) {
            const QString a = QLatin1String(answer), name = a.isEmpty() ? QStringLiteral("Escape") : a;
            if (a != "Cancel")
                QTest::newRow(qPrintable("new, " + name)) << QStringLiteral("new") << a;
            if (!a.isEmpty() && a != "Cancel")
                QTest::newRow(qPrintable("quit, " + name)) << QStringLiteral("quit") << a;
            QTest::newRow(qPrintable("close, " + name)) << QStringLiteral("close") << a;
        }
    }

    void prompts()
    {
        QFETCH(QString, action);
        QFETCH(QString, answer);
        const bool goesAhead = answer == (action == "close" ? "No" : "Yes");
        ImageNoteEditor editor;
        editor.slotSetPixmap(picture(QSize(160, 100)));
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        QSignalSpy newShot(&editor, &ImageNoteEditor::doNewScreenShot);
        DialogRunner::setNextHandler([&](QDialog& box) { return TestSupport::answerDialog(box, answer); });
        const QString saved = m_dir.filePath(QStringLiteral("prompt.png"));
        Os::setNextFileDialogAnswer({ saved });

        // Quitting ends the application's event loop with 0; anything else lets it run on until
        // the fallback ends it with 1.
        QTimer::singleShot(0, &editor, [&] {
            QTimer::singleShot(100, &editor, [] { QCoreApplication::exit(1); });
            if (action == "close")
                editor.close();
            else
                clickButton(&editor, action == "new" ? "NewScreenShowButton" : "ImageNoteEditorQuit");
        });
        const bool quit = QCoreApplication::exec() == 0;

        QCOMPARE(quit, action == "quit" && goesAhead);
        QCOMPARE(newShot.size(), action == "new" && goesAhead ? 1 : 0);
        QCOMPARE(editor.isVisible(), !(goesAhead && action != "quit"));
        // Yes on closing saves, and the window stays open all the same.
        const bool savedHere = action == "close" && answer == "Yes";
        QCOMPARE(QFile::remove(saved), savedHere);
        QCOMPARE(editor.workArea()->hasUnsavedChanges(), !savedHere);
    }

    void dragFiles()
    {
        // A session that ended without cleaning up left a folder behind.
        const QString stale = NoteDragFiles::root() + QStringLiteral("/session-old");
        QVERIFY(QDir().mkpath(stale) && TestSupport::writeFile(stale + QStringLiteral("/a.png"), "x"));
        ImageNoteEditor editor;
        QVERIFY(!QFileInfo::exists(stale));
        NoteEditDragPreview* preview = editor.preview();
        preview->resize(80, 60);

        for (const QColor& colour : { QColor(Qt::red), QColor(Qt::blue), QColor(Qt::green) }) {
            const int earlier = ::dragFiles().size();
            QPixmap shot(30, 20);
            shot.fill(colour);
            preview->slotSetPixmap(shot);
            const bool full = colour == Qt::green;
            std::unique_ptr<TestSupport::FileSizeLimit> limit(full ? new TestSupport::FileSizeLimit(20)
                                                                   : nullptr);
            if (full)
                MessageBox::setNextAnswer(QMessageBox::Ok);
            QTest::mousePress(preview, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
            sendMouse(preview, QEvent::MouseMove, QPoint(40, 40), Qt::NoButton, Qt::LeftButton);
            QTest::mouseRelease(preview, Qt::LeftButton, Qt::NoModifier, QPoint(40, 40));
            // A file that cannot be written is told, and no drag hands out an empty one.
            QCOMPARE(MessageBox::shown().size(), full ? 1 : 0);
            QCOMPARE(::dragFiles().size(), earlier + (full ? 0 : 1));
        }
        // Each file still holds the picture of its own drag, away from the user's pictures.
        const QStringList written = ::dragFiles();
        QCOMPARE(QSet<QRgb>({ QImage(written.first()).pixel(5, 5), QImage(written.last()).pixel(5, 5) }),
                 QSet<QRgb>({ QColor(Qt::red).rgb(), QColor(Qt::blue).rgb() }));
        // Closing the editor removes them.
        DialogRunner::setNextHandler([](QDialog& box) { return TestSupport::answerDialog(box, "No"); });
        editor.close();
        QVERIFY(::dragFiles().isEmpty());
    }
};

LUMASTRAND_APP_TEST_MAIN(TestNotes)
#include "tst_notes.moc"
