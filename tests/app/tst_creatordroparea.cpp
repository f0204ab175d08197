#include "creatordroparea.h"
#include "creatoreffects.h"
#include "dialogseams.h"
#include "messagebox.h"
#include "os.h"
#include "testpictures.h"
#include "tooling.h"

#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using QMWidgets::MessageBox;
using namespace TestSupport;

namespace {
QRgb previewPixel(const CreatorDropArea& area, int x, int y)
{
    return area.pixmap().toImage().convertToFormat(QImage::Format_ARGB32).pixel(x, y);
}
} // namespace

class TestCreatorDropArea : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void dragEnterWantsUriList();
    void offeredFile_data();
    void offeredFile();
    void previewIsRebuiltFromFileOnStateChange();

private:
    QPushButton* openButton() const { return m_area->findChild<QPushButton*>(); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<CreatorEffects> m_effects;
    std::unique_ptr<CreatorDropArea> m_area;
    QString m_master;
};

void TestCreatorDropArea::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_master = writePicture(*m_dir, QStringLiteral("master.png"), QSize(1024, 1024), QColor(20, 40, 200));
    QVERIFY(!m_master.isEmpty());
    m_area.reset(); // before the panel it asks
    m_effects = std::make_unique<CreatorEffects>();
    m_area = std::make_unique<CreatorDropArea>(m_effects.get());
    m_area->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_area.get()));
    clearDialogSeams();
}

void TestCreatorDropArea::dragEnterWantsUriList()
{
    for (const bool withUrls : { false, true }) {
        QMimeData data;
        data.setText(m_master);
        if (withUrls)
            data.setUrls({ QUrl::fromLocalFile(m_master) });
        // Shift proposes a move; the field takes a copy.
        QDragEnterEvent event(QPoint(10, 10), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                              Qt::ShiftModifier);
        QApplication::sendEvent(m_area.get(), &event);
        QCOMPARE(event.isAccepted() ? event.dropAction() : Qt::IgnoreAction,
                 withUrls ? Qt::CopyAction : Qt::IgnoreAction);
    }
}

void TestCreatorDropArea::offeredFile_data()
{
    // What is offered: "master" (1024 x 1024, first of the files), "WxH" a
    // picture of another size, or a file that is no picture; "none" nothing.
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("files"); // how many are offered; the others would ask or show another colour
    QTest::addColumn<bool>("viaDialog"); // through the open button, else by a drop
    QTest::addColumn<bool>("afterPicture"); // the master was taken before
    QTest::addColumn<bool>("yes"); // the answer to a question

    const auto row = [](const char* kind, int files, bool viaDialog, bool after, bool yes) {
        QTest::addRow("%s, %d %s%s%s", kind, files, viaDialog ? "opened" : "dropped",
                      after ? ", after a picture" : "", yes ? ", yes" : "")
            << kind << files << viaDialog << after << yes;
    };
    row("master", 1, false, false, false);
    row("master", 3, false, false, false);
    row("master", 3, true, false, false);
    row("512x256", 1, false, true, true);
    row("512x256", 1, false, true, false);
    row("1024x1023", 1, false, true, false);
    row("512x256", 1, true, false, true);
    row("512x256", 1, true, false, false);
    // Even a Yes must not make an unreadable file the master.
    row("not a picture", 1, false, false, true);
    row("missing", 1, false, true, true);
    row("folder", 1, false, false, true);
    row("web", 1, false, true, true);
    row("none", 0, false, false, true); // an empty uri list
    row("none", 0, true, false, true); // the open dialog cancelled
}

void TestCreatorDropArea::offeredFile()
{
    QFETCH(QString, kind);
    QFETCH(int, files);
    QFETCH(bool, viaDialog);
    QFETCH(bool, afterPicture);
    QFETCH(bool, yes);

    // A refused file must leave an earlier picture, or the empty field, untouched.
    if (afterPicture)
        dropFiles(m_area.get(), { m_master });
    const QString pathBefore = m_area->fileName();
    const QString textBefore = m_area->text();
    const QImage previewBefore = m_area->pixmap().toImage();

    const QSize size(kind.section('x', 0, 0).toInt(), kind.section('x', 1).toInt());
    const bool sized = !size.isEmpty();
    QUrl url = QUrl::fromLocalFile(m_dir->filePath(QStringLiteral("other.png")));
    if (kind == "master")
        url = QUrl::fromLocalFile(m_master);
    else if (sized)
        QVERIFY(!writePicture(*m_dir, QStringLiteral("other.png"), size, QColor(200, 30, 30)).isEmpty());
    else if (kind == "not a picture")
        QVERIFY(writeFile(url.toLocalFile(), "this is plain text, not a picture\n"));
    else if (kind == "folder")
        url = QUrl::fromLocalFile(m_dir->path());
    else if (kind == "web")
        url = QUrl(QStringLiteral("https://example.com/pictures/icon.png"));
    const QList<QUrl> urls
        = QList<QUrl> { url, QUrl::fromLocalFile(writePicture(*m_dir, "2.png", { 1024, 1024 }, Qt::green)),
                        QUrl::fromLocalFile(writePicture(*m_dir, "3.png", { 16, 16 }, Qt::red)) }
              .mid(0, files);

    QSignalSpy spy(m_area.get(), &CreatorDropArea::dropped);
    Qt::DropAction action = Qt::IgnoreAction;
    MessageBox::setNextAnswer(yes ? QMessageBox::Yes : QMessageBox::No);
    if (viaDialog) {
        QStringList paths;
        for (const QUrl& offered : urls)
            paths << offered.toLocalFile();
        Os::setNextFileDialogAnswer(paths);
        QTest::mouseClick(openButton(), Qt::LeftButton);
        QCOMPARE(Os::fileDialogRequests().size(), 1);
        QCOMPARE(Os::fileDialogRequests().first().caption, QStringLiteral("Open the image"));
    } else {
        QMimeData data;
        data.setUrls(urls);
        action = dropMimeData(m_area.get(), data);
    }

    const bool unreadable = !sized && kind != "master" && kind != "none";
    QCOMPARE(MessageBox::shown().size(), int(sized || unreadable));
    if (sized) {
        QCOMPARE(
            MessageBox::shown().first().text,
            QStringLiteral(
                "The resolution of the %1image is %2x%3, it does not match 1024x1024.\n\nContinue anyway?")
                .arg(viaDialog ? "" : "dropped ")
                .arg(size.width())
                .arg(size.height()));
        QCOMPARE(MessageBox::shown().first().buttons, QMessageBox::Yes | QMessageBox::No);
    } else if (unreadable) {
        QCOMPARE(MessageBox::shown().first().icon, QMessageBox::Warning);
        QVERIFY(
            MessageBox::shown().first().text.contains(url.isLocalFile() ? url.fileName() : url.toString()));
    } else {
        MessageBox::clearAnswers();
    }

    const bool taken = kind == "master" || (sized && yes);
    QCOMPARE(spy.count(), int(taken));
    // The source is told of a copy, whatever it proposed, and of nothing when refused.
    QCOMPARE(action, taken && !viaDialog ? Qt::CopyAction : Qt::IgnoreAction);
    QCOMPARE(openButton()->isHidden(), taken || afterPicture);
    if (taken) {
        QCOMPARE(m_area->fileName(), url.toLocalFile());
        QVERIFY(m_area->text().isEmpty());
        // The preview is the picture at twice the field's size.
        QCOMPARE(m_area->pixmap().size(), QSize(560, 560));
        QCOMPARE(previewPixel(*m_area, 280, 280), QImage(url.toLocalFile()).pixel(0, 0));
    } else {
        QCOMPARE(m_area->fileName(), pathBefore);
        QCOMPARE(m_area->text(), textBefore);
        QCOMPARE(m_area->pixmap().toImage(), previewBefore);
    }
}

void TestCreatorDropArea::previewIsRebuiltFromFileOnStateChange()
{
    dropFiles(m_area.get(), { m_master });
    QCOMPARE(previewPixel(*m_area, 10, 10), qRgb(20, 40, 200));

    // The preview keeps no decoded picture: a changed file shows at the next rebuild.
    QVERIFY(!writePicture(*m_dir, QStringLiteral("master.png"), QSize(1024, 1024), QColor(250, 250, 0))
                 .isEmpty());
    m_area->slotStateChanged(QString());
    QCOMPARE(previewPixel(*m_area, 10, 10), qRgb(250, 250, 0));

    // The state is asked from the panel: rounded edges cut the corner away.
    connect(m_effects.get(), &CreatorEffects::stateChanged, m_area.get(), &CreatorDropArea::slotStateChanged);
    m_effects->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_effects.get()));
    QTest::mouseClick(m_effects->findChild<QPushButton*>(QStringLiteral("RoundedEdgesItem")), Qt::LeftButton);
    QCOMPARE(qAlpha(previewPixel(*m_area, 0, 0)), 0);
    QCOMPARE(previewPixel(*m_area, 280, 280), qRgb(250, 250, 0));
}

QTEST_MAIN(TestCreatorDropArea)
#include "tst_creatordroparea.moc"
