// Screen cropper and measurer over a known screen picture handed in through the grab seam.

#include "desktoprecorder.h"
#include "screentools/screenmeasurer.h"
#include "testapp.h"
#include "tooling.h"

#include <QScreen>
#include <QtTest>

using namespace QMWidgets;

namespace {
// A picture of the screen's size in which every pixel has a colour of its own.
QPixmap screenPicture()
{
    const QSize size = QGuiApplication::primaryScreen()->size();
    QImage picture(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            picture.setPixel(x, y, qRgb(x % 256, y % 256, 16 * (x / 256) + y / 256));
    return QPixmap::fromImage(picture);
}

QImage rgb(const QPixmap& pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
}

// Grabs the known picture and brings the tool up as a user sees it.
void bringUp(ScreenCropper& tool, int displayMode, const QSize& windowSize)
{
    tool.setScreenGrabber(screenPicture);
    tool.setDisplayMode(displayMode);
    if (displayMode == 2)
        tool.resize(windowSize);
    tool.grabScreen();
    if (qobject_cast<ScreenMeasurer*>(&tool)) {
        // The measurer grabs hidden and is shown by its host; until then the application keeps
        // its own cursor.
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        tool.showFullScreen();
    }
    QVERIFY(QTest::qWaitForWindowActive(&tool));
    QTRY_COMPARE(tool.size(), displayMode == 2 ? windowSize : QGuiApplication::primaryScreen()->size());
}

// Drags with the left button; returns the measurer's read-out before the release,
// and what the tool showed then in shown.
QString drag(ScreenCropper& tool, const QPoint& from, const QPoint& to,
             Qt::KeyboardModifiers release = Qt::NoModifier, QImage* shown = nullptr)
{
    QTest::mousePress(&tool, Qt::LeftButton, Qt::NoModifier, from);
    QMouseEvent move(QEvent::MouseMove, to, tool.mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&tool, &move);
    auto* measurer = qobject_cast<ScreenMeasurer*>(&tool);
    const QString readOut = measurer ? measurer->readOut() : QString();
    if (shown)
        *shown = rgb(tool.grab());
    QTest::mouseRelease(&tool, Qt::LeftButton, release, to);
    return readOut;
}

} // namespace

class TestScreenCropper : public QObject
{
    Q_OBJECT

private slots:
    void cutsWhatTheUserSaw_data()
    {
        // On the offscreen platform's screen of 800 x 600 pixels.
        QCOMPARE(QGuiApplication::primaryScreen()->size(), QSize(800, 600));
        QTest::addColumn<QSize>("window"); // shown stretched; empty: full screen
        QTest::addColumn<QLine>("drag");
        QTest::addColumn<QRect>("cut"); // on the screen picture
        const QRect cut(10, 20, 300, 260);
        QTest::newRow("down and right") << QSize() << QLine(10, 20, 309, 279) << cut;
        QTest::newRow("up and left") << QSize() << QLine(309, 279, 10, 20) << cut;
        QTest::newRow("click") << QSize() << QLine(257, 3, 257, 3) << QRect(257, 3, 1, 1);
        // A window of another shape shows the whole screen: a window pixel is 4/3 screen pixels
        // wide and 2 high; the cut holds every screen pixel the selection touched.
        QTest::newRow("stretched") << QSize(600, 300) << QLine(7, 9, 4, 5) << QRect(5, 10, 6, 10);
        QTest::newRow("stretched click") << QSize(600, 300) << QLine(7, 9, 7, 9) << QRect(9, 18, 2, 2);
        QTest::newRow("stretched, past the edge")
            << QSize(600, 300) << QLine(590, 5, 640, -30) << QRect(786, 0, 14, 12);
    }

    void cutsWhatTheUserSaw()
    {
        QFETCH(QSize, window);
        QFETCH(QLine, drag);
        QFETCH(QRect, cut);
        ScreenCropper cropper;
        bringUp(cropper, window.isEmpty() ? 0 : 2, window);
        QSignalSpy done(&cropper, qOverload<const QPixmap&>(&ScreenCropper::done));

        ::drag(cropper, drag.p1(), drag.p2());
        const QPixmap result = done.value(0).value(0).value<QPixmap>();
        QCOMPARE(rgb(result), rgb(screenPicture()).copy(cut));
        QCOMPARE(rgb(cropper.pixmap()), rgb(result));
        QVERIFY(!cropper.isVisible());
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    void measurerReadsTheDrag_data()
    {
        QTest::addColumn<QPoint>("to"); // from (100, 100)
        QTest::addColumn<QString>("readOut");
        QTest::addColumn<QPoint>("covered"); // by the read-out or its label
        QTest::addColumn<QRect>("clear"); // shows the screen
        QTest::newRow("large, inside")
            << QPoint(399, 199) << "300x100" << QPoint(250, 150) << QRect(100, 75, 300, 24);
        QTest::newRow("up and left") << QPoint(40, 20) << "61x81" << QPoint(70, 60) << QRect(40, 0, 61, 19);
        // Too small to read inside: a label on a dark box above it.
        QTest::newRow("small, label above")
            << QPoint(120, 104) << "21x5" << QPoint(99, 96) << QRect(95, 106, 40, 20);
    }

    void measurerReadsTheDrag()
    {
        QFETCH(QPoint, to);
        QFETCH(QString, readOut);
        QFETCH(QPoint, covered);
        QFETCH(QRect, clear);
        ScreenMeasurer measurer;
        bringUp(measurer, 0, QSize());
        const QImage screen = rgb(screenPicture());
        QImage shown;
        QCOMPARE(drag(measurer, QPoint(100, 100), to, Qt::NoModifier, &shown), readOut);
        QCOMPARE(shown.copy(clear), screen.copy(clear));
        QVERIFY(shown.pixel(covered) != screen.pixel(covered));
    }

    void savesOnlyAWrittenCut_data()
    {
        // "desktop": the home folder has a Desktop folder; "cut": one was made, released with Alt
        // for "alt"; "blocked": folders stand where the files go; "full": the disk fills up.
        QTest::addColumn<QString>("setup");
        QTest::newRow("on the Desktop, revealed") << "desktop cut alt";
        QTest::newRow("at home") << "cut";
        QTest::newRow("no cut yet") << "";
        QTest::newRow("cannot be written") << "desktop cut alt blocked";
        QTest::newRow("disk full") << "desktop cut alt full";
    }

    void savesOnlyAWrittenCut()
    {
        QFETCH(QString, setup);
        const bool desktop = setup.contains("desktop"), cut = setup.contains("cut");
        const bool blocked = setup.contains("blocked"), full = setup.contains("full");
        const QString desktopFolder = QDir::home().filePath(QStringLiteral("Desktop"));
        QVERIFY(desktop ? QDir().mkpath(desktopFolder) : QDir(desktopFolder).removeRecursively());
        DesktopRecorder recorder;
        ScreenCropper cropper;
        const QDir folder(cropper.saveFolder());
        QCOMPARE(folder.path(), desktop ? desktopFolder : QDir::homePath());
        QVERIFY(cropper.defaultHelpText().contains(desktop ? "saved on Desktop" : "saved in Home Location"));
        QVERIFY(!ScreenMeasurer().defaultHelpText().contains("saved")); // the measurer saves nothing
        if (cut) {
            bringUp(cropper, 0, QSize());
            drag(cropper, QPoint(40, 30), QPoint(3, 4),
                 setup.contains("alt") ? Qt::AltModifier : Qt::NoModifier);
        }
        QStringList names; // of the seconds to come, to the second
        for (int second = -1; second < 4; ++second)
            names << QDateTime::currentDateTime().addSecs(second).toString(
                "'ScreenShot_'yyyy-MM-dd_hh-mm-ss'.png'");
        for (const QString& name : names)
            QVERIFY(!blocked || folder.mkpath(name));
        QSignalSpy saved(&cropper, &ScreenCropper::saved);

        const bool written = cut && !blocked && !full;
        {
            std::unique_ptr<TestSupport::FileSizeLimit> limit(full ? new TestSupport::FileSizeLimit(100)
                                                                   : nullptr);
            QCOMPARE(cropper.slotSave(), written);
        }
        QCOMPARE(saved.count(), written ? 1 : 0);
        const QStringList files
            = folder.entryList({ QStringLiteral("ScreenShot_*") }, QDir::Files | QDir::Hidden);
        QCOMPARE(files.size(), written ? 1 : 0);
        QCOMPARE(cropper.savedPath(), written ? folder.filePath(files.first()) : QString());
        QCOMPARE(recorder.shownItems,
                 written && desktop ? QStringList { cropper.savedPath() } : QStringList());
        if (written) {
            QVERIFY2(names.contains(files.first()), qPrintable(files.first()));
            QCOMPARE(QImage(cropper.savedPath()).convertToFormat(QImage::Format_RGB32),
                     rgb(screenPicture()).copy(3, 4, 38, 27));
            // A shot a second later is a file of its own.
            const QString first = cropper.savedPath();
            QTest::qWait(1000);
            QVERIFY(cropper.slotSave() && names.contains(QFileInfo(cropper.savedPath()).fileName()));
            QVERIFY(QFile::remove(first) && QFile::remove(cropper.savedPath()));
        }
        for (const QString& name : names)
            QVERIFY(!blocked || QDir(folder.filePath(name)).removeRecursively());
    }
    void hostMayDeleteTheToolFromAnySignal_data()
    {
        // The host deletes the tool, named first in "action", from "signal", as hosts connect.
        QTest::addColumn<QByteArray>("signal");
        QTest::addColumn<QString>("action");
        QTest::newRow("done with the cut") << QByteArray(SIGNAL(done(QPixmap))) << "cropper release";
        QTest::newRow("done") << QByteArray(SIGNAL(done())) << "cropper release";
        QTest::newRow("closed after a cut") << QByteArray(SIGNAL(closed())) << "cropper release";
        QTest::newRow("closed by Escape") << QByteArray(SIGNAL(closed())) << "cropper escape";
        QTest::newRow("escaped") << QByteArray(SIGNAL(escaped())) << "cropper escape";
        QTest::newRow("saved") << QByteArray(SIGNAL(saved())) << "cropper save";
        QTest::newRow("measurer, grabbed") << QByteArray(SIGNAL(done())) << "measurer grab";
        QTest::newRow("measurer, quit") << QByteArray(SIGNAL(doQuit())) << "measurer escape";
        QTest::newRow("measurer, escaped") << QByteArray(SIGNAL(escaped())) << "measurer escape";
    }

    void hostMayDeleteTheToolFromAnySignal()
    {
        QFETCH(QByteArray, signal);
        QFETCH(QString, action);
        m_tool = action.startsWith("measurer") ? new ScreenMeasurer : new ScreenCropper;
        m_tool->setScreenGrabber(screenPicture);
        if (!action.endsWith("grab"))
            bringUp(*m_tool, 0, QSize());
        connect(m_tool, signal.constData(), this, SLOT(deleteTool()));
        if (action.endsWith("grab"))
            m_tool->grabScreen();
        else if (action.endsWith("escape"))
            QTest::keyPress(m_tool, Qt::Key_Escape); // the release would go to the deleted tool
        else
            drag(*m_tool, QPoint(1, 1), QPoint(9, 9));
        if (action.endsWith("save"))
            m_tool->slotSave();
        QVERIFY(m_tool.isNull());
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

public slots:
    void deleteTool() { delete m_tool.data(); }

private:
    QPointer<ScreenCropper> m_tool;
};

LUMASTRAND_APP_TEST_MAIN(TestScreenCropper)
#include "tst_screencropper.moc"
