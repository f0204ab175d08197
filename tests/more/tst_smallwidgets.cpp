// The small widgets, and a choice popup's setting, on a plain QApplication
// host without the shell's application object.

#include "advancedlabel.h"
#include "comboboxfilter.h"
#include "dirview.h"
#include "pixelcompare.h"
#include "tooling.h"
#include "ultraradiobox.h"
#include "ultraradioboxpopup.h"

#include <QComboBox>
#include <QFileSystemModel>
#include <QLabel>
#include <QPainter>
#include <QSettings>
#include <QToolButton>
#include <QTreeView>
#include <QtTest>

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
    void dirViewClicks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("folder");
        QTest::newRow("folder") << QStringLiteral("notes") << true;
        QTest::newRow("file") << QStringLiteral("notes.txt") << false;
    }

    void dirViewClicks()
    {
        QFETCH(QString, name);
        QFETCH(bool, folder);
        QTemporaryDir dir;
        QVERIFY(QDir().mkdir(dir.filePath(QStringLiteral("notes"))));
        QVERIFY(TestSupport::writeFile(dir.filePath(QStringLiteral("notes.txt")), "text"));

        DirView view;
        QSignalSpy contents(&view, &DirView::showContent);
        QSignalSpy items(&view, &DirView::showItem);
        view.setRootPath(dir.path());
        view.show();
        // The model belongs to the view and reads the folder in the background.
        auto* model = view.findChild<QFileSystemModel*>();
        QCOMPARE(model->parent(), &view);
        auto* tree = view.findChild<QTreeView*>();
        const QModelIndex index = model->index(dir.filePath(name));
        QTRY_VERIFY(tree->visualRect(index).isValid());

        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(index).center());
        QSignalSpy& expected = folder ? contents : items;
        QCOMPARE(contents.count() + items.count(), 1);
        QCOMPARE(QFileInfo(expected.first().first().toString()), QFileInfo(dir.filePath(name)));
    }

    void advancedLabelPicture_data()
    {
        QTest::addColumn<bool>("hovered");
        QTest::addColumn<QRgb>("opaquePart");
        QTest::newRow("pointer outside") << false << qRgb(240, 150, 200);
        // Lighter by 30 in every channel, red saturating at 255.
        QTest::newRow("pointer over it") << true << qRgb(255, 180, 230);
    }

    void advancedLabelPicture()
    {
        QFETCH(bool, hovered);
        QFETCH(QRgb, opaquePart);
        // Left half opaque, right half transparent.
        QImage picture(40, 20, QImage::Format_ARGB32);
        picture.fill(Qt::transparent);
        QPainter(&picture).fillRect(0, 0, 20, 20, QColor(240, 150, 200));

        AdvancedLabel label;
        label.resize(100, 60);
        label.setMargin(10);
        label.setPixmap(QPixmap::fromImage(picture));
        if (hovered) {
            QEvent enter(QEvent::Enter);
            QApplication::sendEvent(&label, &enter);
        }
        // The picture fills 80 x 40 from (10, 10).
        const QImage shown = painted(&label);
        QVERIFY(pixelsClose(shown.pixel(30, 30), opaquePart, 2));
        QVERIFY(pixelsClose(shown.pixel(12, 12), opaquePart, 2));
        QCOMPARE(qAlpha(shown.pixel(70, 30)), 0);
        QCOMPARE(qAlpha(shown.pixel(87, 47)), 0);
        QCOMPARE(qAlpha(shown.pixel(5, 30)), 0);
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
        QVERIFY(pixelsClose(comboPicture.pixel(85, 15), qRgb(255, 255, 255), 8));
        QVERIFY(pixelsClose(comboPicture.pixel(96, 21), qRgb(255, 255, 255), 8));
        // Anything but a combo box paints nothing at all.
        QCOMPARE(TestSupport::colorsOf(painted(&label)), QSet<QRgb> { 0u });
    }

    void ultraRadioSettingOnPlainApplication()
    {
        // The store a host of these names keeps, under the same key prefix as the shell's.
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

QTEST_MAIN(TestSmallWidgets)
#include "tst_smallwidgets.moc"
