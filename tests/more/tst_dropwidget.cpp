// The drop widget, through real drag-and-drop events and the shell's
// file-dialog seam.

#include "dialogseams.h"
#include "inputs/dropwidget.h"
#include "os.h"
#include "testapp.h"
#include "testpictures.h"

#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using QMWidgets::DropWidget;

class TestDropWidget : public QObject
{
    Q_OBJECT

private slots:
    void init() { QCOMPARE(TestSupport::clearDialogSeams(), 0); }
    void drops_data();
    void drops();
    void chooser_data();
    void chooser();
};

void TestDropWidget::drops_data()
{
    QTest::addColumn<bool>("textOnly");
    QTest::addColumn<QList<QUrl>>("urls");
    QTest::addColumn<bool>("hideOnDrop");
    const QList<QUrl> files = { QUrl::fromLocalFile(QStringLiteral("/photos/c.jpg")),
                                QUrl::fromLocalFile(QStringLiteral("/photos/a.jpg")),
                                QUrl::fromLocalFile(QStringLiteral("/other/b.png")) };
    QTest::newRow("text only") << true << QList<QUrl>() << true;
    QTest::newRow("three files") << false << files << true;
    QTest::newRow("three files, stays shown") << false << files << false;
    QTest::newRow("web addresses passed on")
        << false << QList<QUrl> { QUrl(QStringLiteral("https://example.org/x.png")) } << true;
}

void TestDropWidget::drops()
{
    QFETCH(bool, textOnly);
    QFETCH(QList<QUrl>, urls);
    QFETCH(bool, hideOnDrop);
    DropWidget widget;
    widget.setHideOnDrop(hideOnDrop);
    widget.resize(280, 280);
    widget.show();
    QSignalSpy dropped(&widget, &DropWidget::dropped);

    QMimeData data;
    if (textOnly)
        data.setText(QStringLiteral("/photos/c.jpg"));
    else
        data.setUrls(urls);
    QDragEnterEvent enter(QPoint(140, 140), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &enter);
    QCOMPARE(enter.isAccepted(), !textOnly);
    TestSupport::dropMimeData(&widget, data);

    QCOMPARE(dropped.count(), textOnly ? 0 : 1);
    if (!textOnly)
        QCOMPARE(dropped.first().first().value<QList<QUrl>>(), urls);
    QCOMPARE(widget.isVisible(), textOnly || !hideOnDrop);
}

void TestDropWidget::chooser_data()
{
    QTest::addColumn<int>("openFiles");
    QTest::addColumn<QStringList>("answer");
    QTest::addColumn<bool>("folderDialog");
    const QStringList files = { QStringLiteral("/photos/b.jpg"), QStringLiteral("/photos/a b.jpg") };
    QTest::newRow("files") << 1 << files << false;
    QTest::newRow("files cancelled") << 1 << QStringList() << false;
    QTest::newRow("folder") << 0 << QStringList { QStringLiteral("/photos") } << true;
    QTest::newRow("folder cancelled") << 0 << QStringList() << true;
}

void TestDropWidget::chooser()
{
    QFETCH(int, openFiles);
    QFETCH(QStringList, answer);
    QFETCH(bool, folderDialog);
    DropWidget widget;
    widget.setOpenFiles(openFiles);
    widget.resize(280, 280);
    widget.show();
    QSignalSpy dropped(&widget, &DropWidget::dropped);

    Os::setNextFileDialogAnswer(answer);
    QTest::mouseClick(widget.openButton(), Qt::LeftButton);

    QCOMPARE(Os::fileDialogRequests().size(), 1);
    QCOMPARE(Os::fileDialogRequests().first().options.testFlag(QFileDialog::ShowDirsOnly), folderDialog);
    QCOMPARE(dropped.count(), answer.isEmpty() ? 0 : 1);
    QCOMPARE(widget.isVisible(), answer.isEmpty());
    if (!answer.isEmpty()) {
        const QList<QUrl> urls = dropped.first().first().value<QList<QUrl>>();
        QCOMPARE(urls.size(), answer.size());
        QCOMPARE(urls.last().toLocalFile(), answer.last());
    }
}

LUMASTRAND_APP_TEST_MAIN(TestDropWidget)
#include "tst_dropwidget.moc"
