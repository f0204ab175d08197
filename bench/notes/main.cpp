// Times the screenshot note editor on big pictures, the way a user works with
// it: pen and highlighter moves of 1 to 3 pixels each painted before the next,
// the blur preview of a 400 x 300 rectangle while its corner moves, saving the
// result, starting a drag of the preview, and the memory that undo keeps after
// a number of strokes. Each figure is printed for 1920 x 1080, 3840 x 2160 and
// 8000 x 6000 pictures. Then the long cases: freehand moves late in one long
// scribbled stroke on 1920 x 1080 (pen, dashed pen, highlighter, eraser), and
// the blur preview of a near-full-screen rectangle on 3840 x 2160.
//
// Usage: bench_notes [strokes [moves]]
//   strokes: pen strokes drawn before the undo memory is read (default 20).
//   moves: moves of each long stroke (default 5000).
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise, with a
// home folder of its own that is removed at the end.

#include "notes/imagenoteeditor.h"
#include "notes/imagenoteworkarea.h"
#include "notes/noteeditdragpreview.h"
#include "os.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

using Mode = QMWidgets::ImageNoteWorkArea::Mode;

// Something like a screenshot: window frames, text lines and a photo-like gradient.
QPixmap screenshot(const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, size.width(), size.height());
    sky.setColorAt(0, QColor(40, 90, 160));
    sky.setColorAt(1, QColor(220, 180, 120));
    painter.fillRect(image.rect(), sky);
    for (int y = 20; y + 200 < size.height(); y += 260) {
        for (int x = 20; x + 300 < size.width(); x += 340) {
            painter.fillRect(x, y, 300, 200, QColor(245, 245, 245));
            painter.fillRect(x, y, 300, 24, QColor(60, 60, 70));
            painter.setPen(Qt::black);
            for (int line = 0; line < 8; ++line)
                painter.drawText(x + 8, y + 44 + line * 18,
                                 QStringLiteral("Note editor benchmark text line %1").arg(line));
        }
    }
    painter.end();
    return QPixmap::fromImage(image);
}

qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toLongLong() * 4096;
}

void send(QWidget* target, QEvent::Type type, const QPoint& at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(at), QPointF(target->mapToGlobal(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// Counts the paints of a widget, to show that every move was painted.
class PaintCounter : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

struct Timing
{
    double mean = 0.0;
    double worst = 0.0;
};

// Presses at the first point of path, moves through the others, each move
// handled and painted before the next, and releases at the last. The last
// timed moves are timed, and the release with its commit apart.
Timing drag(QWidget* area, const QVector<QPoint>& path, int timed, double* release = nullptr)
{
    send(area, QEvent::MouseButtonPress, path.first(), Qt::LeftButton, Qt::LeftButton);
    QApplication::processEvents();
    Timing t;
    QElapsedTimer timer;
    for (int i = 1; i < path.size(); ++i) {
        timer.start();
        send(area, QEvent::MouseMove, path.at(i), Qt::NoButton, Qt::LeftButton);
        QApplication::processEvents();
        if (i >= path.size() - timed) {
            const double ms = timer.nsecsElapsed() / 1e6;
            t.mean += ms / timed;
            t.worst = std::max(t.worst, ms);
        }
    }
    timer.start();
    send(area, QEvent::MouseButtonRelease, path.last(), Qt::LeftButton, Qt::NoButton);
    QApplication::processEvents();
    if (release)
        *release = timer.nsecsElapsed() / 1e6;
    return t;
}

// Presses at start, moves in steps of 1 to 3 pixels along direction for the
// given number of moves and releases; every move is timed.
Timing stroke(QWidget* area, const QPoint& start, const QPoint& direction, int moves,
              double* release = nullptr)
{
    QVector<QPoint> path { start };
    for (int i = 0; i < moves; ++i)
        path << path.last() + direction * (1 + i % 3);
    return drag(area, path, moves, release);
}

// Drags a blur rectangle from corner to corner and then moves its far
// corner back and forth by a pixel or two; those moves are timed.
Timing blurDrag(QWidget* area, const QRect& rect, int moves, double* release = nullptr)
{
    QVector<QPoint> path { rect.topLeft(), rect.bottomRight() };
    for (int i = 0; i < moves; ++i)
        path << rect.bottomRight() + QPoint(i % 3 + 1, i % 2 + 1);
    return drag(area, path, moves, release);
}

void showEditor(QMWidgets::ImageNoteEditor& editor, const QSize& size)
{
    editor.slotSetPixmap(screenshot(size));
    editor.resize(1600, 1000);
    editor.show();
    // Nothing is painted before the window is exposed.
    QElapsedTimer waited;
    waited.start();
    while (!(editor.windowHandle() && editor.windowHandle()->isExposed()) && waited.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    QApplication::processEvents();
}

void measure(const QSize& size, int strokes, const QString& folder)
{
    QMWidgets::ImageNoteEditor editor;
    showEditor(editor, size);
    QMWidgets::ImageNoteWorkArea* area = editor.workArea();
    const qint64 startMemory = residentBytes();

    PaintCounter counter;
    area->installEventFilter(&counter);
    std::printf("%d x %d\n", size.width(), size.height());
    double release = 0.0;
    area->slotSetThikness(3);
    area->slotSetMode(Mode::Pen);
    Timing t = stroke(area, QPoint(100, 100), QPoint(1, 0), 400, &release);
    std::printf(
        "  pen move (with paint)        mean %7.2f ms  worst %7.2f ms  stroke end %7.1f ms  (%d paints)\n",
        t.mean, t.worst, release, counter.paints);
    area->slotSetMode(Mode::Highlighter);
    t = stroke(area, QPoint(100, 160), QPoint(1, 0), 400, &release);
    std::printf("  highlighter move             mean %7.2f ms  worst %7.2f ms  stroke end %7.1f ms\n", t.mean,
                t.worst, release);
    area->slotSetMode(Mode::BlurRectangle);
    t = blurDrag(area, QRect(QPoint(200, 200), QPoint(598, 499)), 60);
    std::printf("  blur preview 400x300 move    mean %7.2f ms  worst %7.2f ms\n", t.mean, t.worst);

    const QString path = folder + QStringLiteral("/saved.png");
    Os::setNextFileDialogAnswer({ path });
    QElapsedTimer timer;
    timer.start();
    area->slotSave();
    std::printf("  save                         %7.0f ms  (%s)\n", timer.nsecsElapsed() / 1e6,
                QFile::exists(path) ? "written" : "NOT WRITTEN");
    QFile::remove(path);

    QWidget* preview = editor.preview();
    timer.start();
    send(preview, QEvent::MouseButtonPress, QPoint(10, 30), Qt::LeftButton, Qt::LeftButton);
    send(preview, QEvent::MouseMove, QPoint(40, 45), Qt::NoButton, Qt::LeftButton);
    std::printf("  drag start (file written)    %7.0f ms\n", timer.nsecsElapsed() / 1e6);
    send(preview, QEvent::MouseButtonRelease, QPoint(40, 45), Qt::LeftButton, Qt::NoButton);

    area->slotSetMode(Mode::Pen);
    const qint64 before = residentBytes();
    for (int i = 0; i < strokes; ++i)
        stroke(area, QPoint(50 + 7 * i, 300 + 11 * i), QPoint(1, 1), 60);
    const qint64 after = residentBytes();
    std::printf("  undo memory after %d strokes  %7.1f MB more resident (picture loaded: %.1f MB)\n", strokes,
                (after - before) / 1e6, startMemory / 1e6);
    std::printf("  undo history holds           %7.1f MB in %d steps\n", area->undoMemory() / 1e6,
                strokes + 4);
}

// A point of a scribble that stays inside the area: it runs to and fro along
// slowly turning loops, as a user filling a region with a highlighter does.
QPointF scribble(double t, const QRectF& inside)
{
    const QPointF centre = inside.center();
    const double rx = inside.width() / 2, ry = inside.height() / 2;
    return centre
        + QPointF(rx * (0.7 * std::sin(t) + 0.3 * std::sin(0.13 * t)),
                  ry * (0.7 * std::sin(1.7 * t + 0.4) + 0.3 * std::cos(0.11 * t)));
}

// One stroke of the given number of moves of 1 to 3 pixels along a scribble,
// each painted before the next. Prints the moves near the end (the last
// hundred) and the release with its commit.
void longStroke(QWidget* area, const char* name, int moves, const QRectF& inside)
{
    QVector<QPoint> points { scribble(0, inside).toPoint() };
    for (double t = 0; points.size() <= moves;) {
        const double stepLength = 1 + points.size() % 3;
        double dt = 0.001;
        // Advance t until the next point is stepLength away.
        while (QLineF(scribble(t, inside), scribble(t + dt, inside)).length() < stepLength)
            dt *= 1.5;
        t += dt;
        const QPoint next = scribble(t, inside).toPoint();
        if (next != points.last())
            points << next;
    }
    double release = 0.0;
    const Timing t = drag(area, points, 100, &release);
    std::printf("  %-18s move %5d  mean %7.2f ms  worst %7.2f ms  stroke end %7.1f ms\n", name, moves, t.mean,
                t.worst, release);
}

void measureLongStrokes(int moves)
{
    const QSize size(1920, 1080);
    QMWidgets::ImageNoteEditor editor;
    showEditor(editor, size);
    QMWidgets::ImageNoteWorkArea* area = editor.workArea();
    std::printf("%d x %d, one long stroke\n", size.width(), size.height());
    // Inside the part of the picture the window shows.
    const QRectF inside(60, 60, 1200, 760);
    struct Case
    {
        const char* name;
        Mode mode;
        int thickness;
        bool dashed;
    };
    for (const Case& c :
         { Case { "pen 3px", Mode::Pen, 3, false }, Case { "pen 15px", Mode::Pen, 15, false },
           Case { "dashed pen 1px", Mode::Pen, 1, true }, Case { "dashed pen 3px", Mode::Pen, 3, true },
           Case { "dashed pen 15px", Mode::Pen, 15, true },
           Case { "highlighter 3px", Mode::Highlighter, 3, false },
           Case { "highlighter 15px", Mode::Highlighter, 15, false },
           Case { "eraser 3px", Mode::Eraser, 3, false }, Case { "eraser 15px", Mode::Eraser, 15, false } }) {
        area->slotSetMode(c.mode);
        area->slotSetThikness(c.thickness);
        area->slotSetDashLine(c.dashed);
        longStroke(area, c.name, moves, inside);
    }
}

void measureBigBlur()
{
    const QSize size(3840, 2160);
    QMWidgets::ImageNoteEditor editor;
    showEditor(editor, size);
    QMWidgets::ImageNoteWorkArea* area = editor.workArea();
    std::printf("%d x %d, near-full-screen blur\n", size.width(), size.height());
    area->slotSetMode(Mode::BlurRectangle);
    double release = 0.0;
    const Timing t = blurDrag(area, QRect(QPoint(120, 80), QPoint(3700, 2060)), 20, &release);
    std::printf("  blur preview 3580x1980 move  mean %7.2f ms  worst %7.2f ms  blur end %7.1f ms\n", t.mean,
                t.worst, release);
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(home.path() + QStringLiteral("/.cache")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + QStringLiteral("/.config")));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const int strokes = argc > 1 ? std::max(1, atoi(argv[1])) : 20;
    const int moves = argc > 2 ? std::max(100, atoi(argv[2])) : 5000;
    for (const QSize& size : { QSize(1920, 1080), QSize(3840, 2160), QSize(8000, 6000) })
        measure(size, strokes, home.path());
    measureLongStrokes(moves);
    measureBigBlur();
    return 0;
}
