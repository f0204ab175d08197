// The small widgets and the shell services on a plain
// QApplication host, without the shell's application object.

#include "choices/ultraradiobox.h"
#include "choices/ultraradioboxpopup.h"
#include "notes/noteeditdragpreview.h"
#include "pixelcompare.h"
#include "privatehome.h"
#include "shellservices.h"
#include "smallwidgets/advancedlabel.h"
#include "smallwidgets/comboboxfilter.h"
#include "smallwidgets/dirview.h"
#include "smallwidgets/mobilesimulator.h"
#include "tooling.h"

#include <QtTest>
#include <QtWidgets>

using namespace QMWidgets;
using TestSupport::pixelsClose;

namespace {
// What the widget paints itself, on a transparent picture (no window background).
QImage painted(QWidget* widget)
{
    QImage picture(widget->size(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    widget->render(&picture, QPoint(), QRegion(), QWidget::DrawChildren);
    return picture.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class TestSmallWidgets : public QObject
{
    Q_OBJECT

private slots:
    void dirViewClicks()
    {
        QTemporaryDir dir;
        QVERIFY(QDir().mkdir(dir.filePath(QStringLiteral("notes"))));
        QVERIFY(TestSupport::writeFile(dir.filePath(QStringLiteral("notes.txt")), "text"));
        DirView view;
        QSignalSpy contents(&view, &DirView::showContent);
        QSignalSpy items(&view, &DirView::showItem);
        view.setRootPath(dir.path());
        view.show();
        auto* model = view.findChild<QFileSystemModel*>(); // reads the folder in the background
        auto* tree = view.findChild<QTreeView*>();
        for (const QString& name : { QStringLiteral("notes"), QStringLiteral("notes.txt") }) {
            const QModelIndex index = model->index(dir.filePath(name));
            QTRY_VERIFY(tree->visualRect(index).isValid());
            QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(index).center());
        }
        // A folder shows its content, a file is shown as an item.
        QCOMPARE(QFileInfo(contents.value(0).value(0).toString()), QFileInfo(dir.filePath("notes")));
        QCOMPARE(QFileInfo(items.value(0).value(0).toString()), QFileInfo(dir.filePath("notes.txt")));
    }

    void advancedLabelPicture()
    {
        // Left half opaque, right half transparent.
        QImage picture(40, 20, QImage::Format_ARGB32);
        picture.fill(Qt::transparent);
        QPainter(&picture).fillRect(0, 0, 20, 20, QColor(240, 150, 200));
        AdvancedLabel label;
        label.resize(100, 60);
        label.setMargin(10);
        label.setPixmap(QPixmap::fromImage(picture));
        // Under the pointer lighter by 30 in every channel, red saturating at 255; as before once it
        // left. The picture fills 80 x 40 from (10, 10).
        QEvent enter(QEvent::Enter), leave(QEvent::Leave);
        for (QEvent* event : { &leave, &enter, &leave }) {
            QApplication::sendEvent(&label, event);
            const QRgb opaquePart = event == &enter ? qRgb(255, 180, 230) : qRgb(240, 150, 200);
            const QImage shown = painted(&label);
            QVERIFY(pixelsClose(shown.pixel(47, 48), opaquePart, 2));
            QVERIFY(pixelsClose(shown.pixel(11, 11), opaquePart, 2));
            QCOMPARE(qAlpha(shown.pixel(52, 30)) + qAlpha(shown.pixel(88, 48)) + qAlpha(shown.pixel(5, 30)),
                     0);
        }
    }

    void advancedLabelMayBeDeletedFromClicked()
    {
        // A real press through the window: the label deleted from clicked() is not touched
        // afterwards, and the release goes to the window.
        QWidget window;
        QPointer<AdvancedLabel> label = new AdvancedLabel(&window);
        label->setGeometry(10, 10, 40, 30);
        connect(label, &AdvancedLabel::clicked, this, [&label] { delete label; });
        window.resize(100, 60);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(30, 25));
        QVERIFY(label.isNull());
    }

    void mobileSimulatorHoldsWidgetsInARow()
    {
        MobileSimulator frame;
        auto *first = new QLabel(QStringLiteral("first")), *second = new QLabel(QStringLiteral("second"));
        frame.setWidget(first);
        frame.setWidget(second);
        frame.setWidget(nullptr);
        frame.show();
        QCOMPARE(frame.widget(), second);
        QVERIFY(first->parent() == &frame && second->parent() == &frame);
        QVERIFY(first->isVisible() && second->geometry().left() > first->geometry().right());
        // The host deletes the widget handed in last: the frame no longer names it.
        delete second;
        QCOMPARE(frame.widget(), nullptr);
    }

    void comboBoxFilterPaints()
    {
        ComboBoxFilter filter;
        QComboBox combo;
        combo.resize(100, 30);
        QPalette palette = combo.palette();
        palette.setColor(QPalette::Base, Qt::white);
        palette.setColor(QPalette::Text, QColor(0, 0, 160));
        combo.setPalette(palette);
        combo.installEventFilter(&filter);
        QLabel label(QStringLiteral("Painted by the style"));
        label.installEventFilter(&filter);

        // The triangle's corners are (93, 23), (93, 13) and (83, 23).
        const QImage comboPicture = combo.grab().toImage();
        QVERIFY(pixelsClose(comboPicture.pixel(91, 21), qRgb(0, 0, 160), 8));
        QVERIFY(pixelsClose(comboPicture.pixel(82, 22), qRgb(255, 255, 255), 8));
        QVERIFY(pixelsClose(comboPicture.pixel(96, 21), qRgb(255, 255, 255), 8));
        // Anything but a combo box paints nothing at all.
        QCOMPARE(TestSupport::colorsOf(painted(&label)), QSet<QRgb> { 0u });
    }

    void missingHostPictureIsWarnedAboutOnce()
    {
        static QStringList warnings;
        const QtMessageHandler previous
            = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
                  if (type == QtWarningMsg)
                      warnings << message;
              });
        NoteEditDragPreview preview; // paints the host's glass picture over itself
        preview.resize(60, 40);
        for (int paint = 0; paint < 3; ++paint)
            preview.grab();
        qInstallMessageHandler(previous);
        QCOMPARE(warnings.size(), 1);
        QVERIFY(warnings.first().contains(":/steklo.png"));
    }

    void shellServicesOnPlainApplication()
    {
        using namespace QMWidgets::ShellServices;
        setLastSaveDirectory(QStringLiteral("/tmp/a/b.tssettings"));
        QCOMPARE(lastSaveDirectory(), QString());
        const QRect desktop = QApplication::desktop()->geometry();
        QCOMPARE(smallerScreenSide(), qMin(desktop.width(), desktop.height()));
        // A choice popup reads the store a host of these names keeps, under the shell's key prefix.
        QCoreApplication::setOrganizationName(QStringLiteral("Halvick"));
        QCoreApplication::setApplicationName(QStringLiteral("Lumastrand"));
        QSettings().setValue(QStringLiteral("Lumastrand/TransparencyParameters/UltraRadioPopups"), 80);
        UltraRadioBox box;
        box.addButton(new QToolButton, QStringLiteral("Only"));
        box.show();
        QTest::mouseClick(&box, Qt::LeftButton);
        QVERIFY(qAbs(box.findChild<UltraRadioBoxPopup*>()->windowOpacity() - 0.5) < 0.01);
    }
};

int main(int argc, char** argv)
{
    const TestSupport::PrivateHome home; // the popup's setting goes there
    QApplication application(argc, argv);
    TestSmallWidgets test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_smallwidgets.moc"
