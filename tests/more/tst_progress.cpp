// Progress widgets, movie label and speech bubble on a plain QApplication, as any host may run them.

#include "progress/bubblewindow.h"
#include "progress/comboprogress.h"
#include "progress/movielabel.h"
#include "progress/roundprogress.h"
#include "progress/simpleprogress.h"
#include "tooling.h"

#include <QtTest>
#include <QtWidgets>

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
    return qAlpha(pixel) == 255 && qAbs(qRed(pixel) - qGreen(pixel)) < 8 && qRed(pixel) > 60;
}

} // namespace

class TestProgress : public QObject
{
    Q_OBJECT

private slots:
    void roundProgressFillsClockwise()
    {
        QMWidgets::RoundProgress dial;
        dial.resize(200, 200);
        for (int value : { 0, 25, 50, 75, 100 }) {
            dial.setValue(value);
            const QImage image = rendered(dial);
            // The ring between the inner disc (radius 80) and the edge (100), near 12
            // and 6 o'clock, clear of the percentage written across the middle.
            for (double clockwise : { 15.0, 30.0, 150.0, 165.0, 195.0, 210.0, 330.0, 345.0 }) {
                const QRgb pixel = image.pixel(qRound(99 + 90 * qSin(qDegreesToRadians(clockwise))),
                                               qRound(99 - 90 * qCos(qDegreesToRadians(clockwise))));
                QVERIFY2(clockwise < value * 3.6 ? isGreen(pixel) : isGrey(pixel),
                         qPrintable(QStringLiteral("%1 at %2").arg(value).arg(clockwise)));
            }
        }
    }

    void simpleProgressFillsItsShare_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("filled");
        QTest::newRow("1 of 100") << 100 << 1 << 1;
        QTest::newRow("33 of 250, truncated") << 250 << 33 << 82;
    }

    void simpleProgressFillsItsShare()
    {
        QFETCH(int, width);
        QFETCH(int, value);
        QFETCH(int, filled);
        QMWidgets::SimpleProgress bar;
        bar.resize(width, 20);
        bar.setValue(value);
        const QImage image = rendered(bar);
        QVERIFY(isGreen(image.pixel(0, 1)) && isGreen(image.pixel(filled - 1, 18)));
        QVERIFY(isGrey(image.pixel(filled, 1)) && isGrey(image.pixel(width - 1, 18)));
    }

    void simpleProgressKeepsOneTimer()
    {
        QMWidgets::SimpleProgress bar;
        // The stripes move although the host reports "busy" more often than they step.
        for (int i = 0; i < 20 && bar.phase() == 0; ++i) {
            bar.setValue(0);
            QTest::qWait(20);
        }
        QVERIFY(bar.phase() > 0);
        QCOMPARE(QAbstractEventDispatcher::instance()->registeredTimers(&bar).size(), 1);
    }

    void comboProgressSwapsLabelAndBar()
    {
        QMWidgets::ComboProgress combo;
        combo.show();
        auto* bar = combo.findChild<QProgressBar*>();
        auto* stop = combo.findChild<QPushButton*>(QStringLiteral("ComboProgressStop"));
        // What shows: "L" the label, "BS" the bar and its stop button.
        const auto shown = [&] {
            return QString(combo.label()->isVisible() ? "L" : "") + (bar->isVisible() ? "B" : "")
                + (stop->isVisible() ? "S" : "");
        };
        QCOMPARE(shown(), QStringLiteral("L"));
        combo.slotSetProgress(40);
        QCOMPARE(shown(), QStringLiteral("BS"));
        QCOMPARE(combo.value(), 40);
        QTest::mouseClick(stop, Qt::LeftButton);
        QVERIFY(combo.isStopped());
        QCOMPARE(shown(), QStringLiteral("L"));
        // The next report clears the stop; 100 shows the label, the bar keeps 99.
        combo.slotSetProgress(99);
        QVERIFY(!combo.isStopped());
        QCOMPARE(shown(), QStringLiteral("BS"));
        combo.slotSetProgress(100);
        QCOMPARE(shown(), QStringLiteral("L"));
        QCOMPARE(combo.value(), 99);
    }

    void movieLabelStopsAfterEachShow()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("spinner.gif");
        // Two frames of one pixel, 50 ms each, looping.
        const QByteArray gif(
            "GIF89a\1\0\1\0\x80\0\0\xff\0\0\0\0\xff!\xff\x0bNETSCAPE2.0\3\1\0\0\0!\xf9\4\0\5\0\0\0"
            ",\0\0\0\0\1\0\1\0\0\2\2\x44\1\0!\xf9\4\0\5\0\0\0,\0\0\0\0\1\0\1\0\0\2\2\x4c\1\0;",
            85);
        QVERIFY(TestSupport::writeFile(file, gif));
        QMWidgets::MovieLabel label(file);
        label.resize(110, 55);
        label.setStopDelay(100);
        label.show();
        QCOMPARE(label.movie()->scaledSize(), QSize(100, 50));
        QCOMPARE(label.movie()->state(), QMovie::Running);
        QTRY_COMPARE(label.movie()->state(), QMovie::NotRunning);
    }

    void bubblePaintsItsTail()
    {
        QMWidgets::BubbleWindow bubble(nullptr, QColor(200, 30, 30));
        bubble.resize(200, 100);
        for (bool down : { true, false }) {
            bubble.setPointsDown(down);
            const QImage image = rendered(bubble);
            const int beside = down ? 82 : 17;
            QCOMPARE(image.pixel(100, down ? 97 : 2), image.pixel(100, 50));
            QCOMPARE(image.pixel(100, 50), qRgb(200, 30, 30));
            // The tail is 40 wide: the band beside it stays clear on both sides.
            QCOMPARE(qAlpha(image.pixel(60, beside)) + qAlpha(image.pixel(139, beside)), 0);
            // Only the body under a tail at the top has cut corners.
            QCOMPARE(qAlpha(image.pixel(0, down ? 0 : 99)), down ? 255 : 0);
        }
    }

    void bubbleHidesOnPressesAndOutlivesItsAnimations()
    {
        QMWidgets::BubbleWindow bubble;
        bubble.resize(200, 100);
        auto* appear = new QPropertyAnimation(&bubble, "windowOpacity");
        appear->setEndValue(1.0);
        bubble.setShowAnimation(appear);
        QWidget elsewhere;
        elsewhere.show();
        bubble.show();
        QCOMPARE(appear->state(), QAbstractAnimation::Running);
        QTest::mouseClick(&elsewhere, Qt::LeftButton);
        QVERIFY(bubble.isVisible());
        QTest::mouseClick(&bubble, Qt::LeftButton, {}, QPoint(100, 50));
        QVERIFY(!bubble.isVisible());

        // Without the shell's application object presses elsewhere are watched too;
        // the host deletes its animation and the next show goes on without it.
        delete appear;
        bubble.show();
        bubble.hideOnMouseButtonPress();
        QTest::mouseClick(&elsewhere, Qt::RightButton);
        QVERIFY(!bubble.isVisible());
    }
};

QTEST_MAIN(TestProgress)
#include "tst_progress.moc"
