// Progress widgets, movie label, label/progress combination and speech bubble,
// on a plain QApplication as any host of the library may run them.

#include "bubbleshape.h"
#include "bubblewindow.h"
#include "comboprogress.h"
#include "movielabel.h"
#include "roundprogress.h"
#include "simpleprogress.h"
#include "tooling.h"

#include <QLabel>
#include <QMovie>
#include <QProgressBar>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QtMath>
#include <QtTest>

namespace {

// The widget alone, on a transparent picture.
QImage rendered(QWidget& widget)
{
    QImage image(widget.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

bool isGreen(QRgb pixel)
{
    return qGreen(pixel) > qRed(pixel) + 40 && qGreen(pixel) > qBlue(pixel) + 40;
}

bool isGrey(QRgb pixel)
{
    return qAlpha(pixel) == 255 && qAbs(qRed(pixel) - qGreen(pixel)) < 8
        && qAbs(qGreen(pixel) - qBlue(pixel)) < 8 && qRed(pixel) > 60;
}

// Counts the timer events a widget receives, by timer.
class TimerCounter : public QObject
{
public:
    QMap<int, int> ticks;

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Timer)
            ++ticks[static_cast<QTimerEvent*>(event)->timerId()];
        return false;
    }
};

} // namespace

class TestProgress : public QObject
{
    Q_OBJECT

private slots:
    void roundProgressFillsClockwise_data();
    void roundProgressFillsClockwise();
    void roundProgressCentresItsDial();
    void simpleProgressFillsItsShare_data();
    void simpleProgressFillsItsShare();
    void simpleProgressStripes();
    void simpleProgressKeepsOneTimer();
    void movieLabelStopsAfterEachShow();
    void comboProgressSwitchesBetweenLabelAndBar();
    void bubbleOutline_data();
    void bubbleOutline();
    void bubblePaintsItsTail_data();
    void bubblePaintsItsTail();
    void bubbleHidesOnPresses();
    void bubbleSurvivesDeletedAnimations();
};

void TestProgress::roundProgressFillsClockwise_data()
{
    QTest::addColumn<int>("value");
    for (int value : { 0, 25, 50, 75, 100 })
        QTest::addRow("%d", value) << value;
}

void TestProgress::roundProgressFillsClockwise()
{
    QFETCH(int, value);
    QMWidgets::RoundProgress dial;
    dial.resize(200, 200);
    dial.setValue(value);
    const QImage image = rendered(dial);

    // Sample the ring between the inner disc (radius 80) and the edge (100)
    // near 12 and 6 o'clock, clear of the percentage written across the middle.
    for (double clockwise : { 15.0, 30.0, 150.0, 165.0, 195.0, 210.0, 330.0, 345.0 }) {
        const QPoint at(qRound(99 + 90 * qSin(qDegreesToRadians(clockwise))),
                        qRound(99 - 90 * qCos(qDegreesToRadians(clockwise))));
        const QRgb pixel = image.pixel(at);
        const bool filled = clockwise < value * 3.6;
        QVERIFY2(filled ? isGreen(pixel) : isGrey(pixel),
                 qPrintable(QStringLiteral("at %1 degrees: %2").arg(clockwise).arg(pixel, 8, 16)));
    }
    // The inner disc stays dark whatever the value.
    QCOMPARE(image.pixel(99, 30), qRgb(45, 45, 45));
}

void TestProgress::roundProgressCentresItsDial()
{
    QMWidgets::RoundProgress dial;
    dial.resize(200, 100);
    dial.setValue(50);
    const QImage image = rendered(dial);
    // A 100-pixel dial from x 50 to 150, filled on its right half.
    QCOMPARE(qAlpha(image.pixel(48, 49)), 0);
    QVERIFY(isGrey(image.pixel(52, 49)));
    QCOMPARE(qAlpha(image.pixel(151, 49)), 0);
    QVERIFY(isGrey(image.pixel(58, 25)));
    QVERIFY(isGreen(image.pixel(140, 25)));
}

void TestProgress::simpleProgressFillsItsShare_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("filled");
    QTest::newRow("37 of 100") << 100 << 37 << 37;
    QTest::newRow("1 of 100") << 100 << 1 << 1;
    QTest::newRow("50 of 150") << 150 << 50 << 75;
    QTest::newRow("33 of 250, truncated") << 250 << 33 << 82;
    QTest::newRow("full") << 100 << 100 << 100;
}

void TestProgress::simpleProgressFillsItsShare()
{
    QFETCH(int, width);
    QFETCH(int, value);
    QFETCH(int, filled);
    QMWidgets::SimpleProgress bar;
    bar.resize(width, 20);
    bar.setValue(value);
    QCOMPARE(bar.height(), 20);
    const QImage image = rendered(bar);
    for (int y : { 1, 10, 18 }) {
        QVERIFY(isGreen(image.pixel(0, y)));
        QVERIFY(isGreen(image.pixel(filled - 1, y)));
        if (filled < width) {
            QVERIFY2(isGrey(image.pixel(filled, y)), qPrintable(QString::number(y)));
            QVERIFY(isGrey(image.pixel(width - 1, y)));
        }
    }
}

void TestProgress::simpleProgressStripes()
{
    QMWidgets::SimpleProgress bar;
    bar.resize(100, 20);
    QCOMPARE(bar.value(), 0);
    QCOMPARE(bar.phase(), 0);
    const QImage image = rendered(bar);
    // Stripes 5 pixels wide leaning left by 10 pixels over the height: on the
    // middle row they cover every other 5-pixel block from the left edge.
    for (int block = 0; block < 20; ++block) {
        const QRgb pixel = image.pixel(block * 5 + 2, 10);
        QVERIFY2(block % 2 == 0 ? isGreen(pixel) : isGrey(pixel), qPrintable(QString::number(block)));
    }
    // ... and on the top row they start one block further right.
    QVERIFY(isGrey(image.pixel(2, 0)));
    QVERIFY(isGreen(image.pixel(7, 0)));
}

void TestProgress::simpleProgressKeepsOneTimer()
{
    QMWidgets::SimpleProgress bar;
    bar.resize(100, 20);
    TimerCounter counter;
    bar.installEventFilter(&counter);
    for (int i = 0; i < 5; ++i)
        bar.setValue(0);
    QTest::qWait(450);
    QCOMPARE(counter.ticks.size(), 1);
    const int ticks = counter.ticks.first();
    QVERIFY2(ticks >= 2 && ticks <= 5, qPrintable(QString::number(ticks)));
    // The stripes move one pixel a tick and start over after w / 20 + 1 positions.
    QCOMPARE(bar.phase(), ticks % 6);

    // A value stops the stripes at the next tick; busy again starts one timer.
    bar.setValue(40);
    QTest::qWait(150);
    counter.ticks.clear();
    QTest::qWait(250);
    QVERIFY(counter.ticks.isEmpty());
    bar.setValue(0);
    bar.setValue(0);
    QTRY_VERIFY(!counter.ticks.isEmpty());
    QTest::qWait(250);
    QCOMPARE(counter.ticks.size(), 1);
}

void TestProgress::movieLabelStopsAfterEachShow()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("spinner.gif"));
    const TestSupport::ToolRun convert
        = TestSupport::runTool(QStringLiteral("convert"),
                               { QStringLiteral("-size"), QStringLiteral("8x8"), QStringLiteral("xc:red"),
                                 QStringLiteral("xc:blue"), QStringLiteral("-set"), QStringLiteral("delay"),
                                 QStringLiteral("5"), QStringLiteral("-loop"), QStringLiteral("0"), file });
    if (!convert.found)
        QSKIP("ImageMagick's convert is needed to make an animation");
    QVERIFY2(convert.exitCode == 0, qPrintable(convert.output));

    QMWidgets::MovieLabel label(file);
    QMovie* movie = label.movie();
    QVERIFY(movie && movie->isValid());
    label.resize(110, 55);
    label.setStopDelay(-1);
    label.show();
    QCOMPARE(movie->scaledSize(), QSize(100, 50));
    QCOMPARE(movie->state(), QMovie::Running);
    QTest::qWait(100);
    QCOMPARE(movie->state(), QMovie::Running);
    label.hide();
    QCOMPARE(movie->state(), QMovie::NotRunning);

    // The stop of the first show must not cut the second one short.
    label.setStopDelay(400);
    QElapsedTimer clock;
    clock.start();
    label.show();
    QTest::qWait(200);
    label.hide();
    label.show();
    const qint64 secondShow = clock.elapsed();
    QTest::qWait(300);
    if (clock.elapsed() - secondShow < 390)
        QCOMPARE(movie->state(), QMovie::Running);
    QTRY_COMPARE(movie->state(), QMovie::NotRunning);
    QVERIFY(clock.elapsed() - secondShow >= 390);
}

void TestProgress::comboProgressSwitchesBetweenLabelAndBar()
{
    QWidget window;
    auto* combo = new QMWidgets::ComboProgress(&window);
    combo->label()->setText(QStringLiteral("Ready"));
    auto* bar = combo->findChild<QProgressBar*>();
    auto* stop = combo->findChild<QPushButton*>(QStringLiteral("ComboProgressStop"));
    QVERIFY(bar && stop);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    auto showsBar = [&] { return bar->isVisible() && stop->isVisible() && !combo->label()->isVisible(); };
    auto showsLabel = [&] { return !bar->isVisible() && !stop->isVisible() && combo->label()->isVisible(); };
    QVERIFY(showsLabel());

    combo->slotSetProgress(50);
    QVERIFY(showsBar());
    QCOMPARE(combo->value(), 50);
    QTest::mouseClick(stop, Qt::LeftButton);
    QVERIFY(showsLabel());
    QVERIFY(combo->isStopped());

    combo->slotSetProgress(60);
    QVERIFY(showsBar());
    QVERIFY(!combo->isStopped());

    combo->slotSetProgress(100);
    QVERIFY(showsLabel());
    QCOMPARE(combo->value(), 60);
}

void TestProgress::bubbleOutline_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("down");
    QTest::addColumn<int>("corners");
    QTest::addColumn<QPointF>("tip");
    QTest::addColumn<QRectF>("bounds");
    QTest::newRow("down") << 200 << true << 7 << QPointF(100, 100) << QRectF(0, 0, 200, 100);
    QTest::newRow("up") << 200 << false << 11 << QPointF(100, 0) << QRectF(0, 0, 200, 100);
    QTest::newRow("odd width keeps the half pixel")
        << 201 << false << 11 << QPointF(100.5, 0) << QRectF(0, 0, 201, 100);
}

void TestProgress::bubbleOutline()
{
    QFETCH(int, width);
    QFETCH(bool, down);
    QFETCH(int, corners);
    QFETCH(QPointF, tip);
    QFETCH(QRectF, bounds);
    const QPolygonF outline = QMWidgets::bubbleOutline(width, 100, down);
    QCOMPARE(outline.size(), corners);
    QVERIFY(outline.contains(tip));
    QCOMPARE(outline.boundingRect(), bounds);
    // The tail is 40 wide where it meets the body, 20 pixels from the tip.
    const double bodyEdge = down ? 80 : 20;
    QVERIFY(outline.contains(QPointF(tip.x() - 20, bodyEdge)));
    QVERIFY(outline.contains(QPointF(tip.x() + 20, bodyEdge)));
}

void TestProgress::bubblePaintsItsTail_data()
{
    QTest::addColumn<bool>("down");
    QTest::addColumn<QPoint>("tip");
    QTest::addColumn<QPoint>("besideTail");
    QTest::addColumn<QPoint>("oppositeCorner");
    QTest::newRow("down") << true << QPoint(100, 97) << QPoint(60, 90) << QPoint(0, 0);
    QTest::newRow("up") << false << QPoint(100, 2) << QPoint(60, 10) << QPoint(0, 99);
}

void TestProgress::bubblePaintsItsTail()
{
    QFETCH(bool, down);
    QFETCH(QPoint, tip);
    QFETCH(QPoint, besideTail);
    QFETCH(QPoint, oppositeCorner);
    QMWidgets::BubbleWindow bubble(nullptr, QColor(200, 30, 30));
    bubble.resize(200, 100);
    bubble.setPointsDown(down);
    const QImage image = rendered(bubble);
    QCOMPARE(image.pixel(tip), qRgb(200, 30, 30));
    QCOMPARE(image.pixel(100, 50), qRgb(200, 30, 30));
    QCOMPARE(qAlpha(image.pixel(besideTail)), 0);
    QCOMPARE(qAlpha(image.pixel(QPoint(199 - besideTail.x(), besideTail.y()))), 0);
    // Only the body with the tail at the top has cut corners.
    QCOMPARE(qAlpha(image.pixel(oppositeCorner)), down ? 255 : 0);
}

void TestProgress::bubbleHidesOnPresses()
{
    QMWidgets::BubbleWindow bubble;
    bubble.resize(200, 100);
    QWidget elsewhere;
    elsewhere.resize(100, 100);
    elsewhere.show();
    bubble.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bubble));

    QTest::mouseClick(&elsewhere, Qt::LeftButton);
    QVERIFY(bubble.isVisible());

    bubble.hideOnMouseButtonPress();
    QTest::mouseClick(&elsewhere, Qt::RightButton);
    QVERIFY(!bubble.isVisible());

    // A press on the bubble itself always hides it.
    QMWidgets::BubbleWindow other;
    other.resize(200, 100);
    other.show();
    QTest::mouseClick(&other, Qt::LeftButton, {}, QPoint(100, 50));
    QVERIFY(!other.isVisible());
}

void TestProgress::bubbleSurvivesDeletedAnimations()
{
    QMWidgets::BubbleWindow bubble;
    bubble.resize(200, 100);
    auto* appear = new QPropertyAnimation(&bubble, "windowOpacity");
    appear->setDuration(5000);
    appear->setEndValue(1.0);
    auto* vanish = new QPropertyAnimation(&bubble, "windowOpacity");
    vanish->setDuration(5000);
    vanish->setEndValue(0.0);
    bubble.setShowAnimation(appear);
    bubble.setHideAnimation(vanish);

    bubble.show();
    QCOMPARE(appear->state(), QAbstractAnimation::Running);
    QCOMPARE(vanish->state(), QAbstractAnimation::Stopped);
    bubble.hide();
    QCOMPARE(vanish->state(), QAbstractAnimation::Running);

    // The host deletes its animations; the bubble goes on without them.
    delete appear;
    delete vanish;
    bubble.show();
    bubble.hide();
    QVERIFY(!bubble.isVisible());
}

QTEST_MAIN(TestProgress)
#include "tst_progress.moc"
