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
    void masterIsTakenWithoutQuestion_data();
    void masterIsTakenWithoutQuestion();
    void otherFileAsksOrIsRefused_data();
    void otherFileAsksOrIsRefused();
    void nothingOfferedChangesNothing_data();
    void nothingOfferedChangesNothing();
    void previewIsRebuiltFromFileOnStateChange();

private:
    // Offers the files by a drop, or through the open dialog by a click on the open button.
    void offer(bool viaDialog, const QStringList& paths);
    QPushButton* openButton() const { return m_area->findChild<QPushButton*>(); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<CreatorEffects> m_effects;
    std::unique_ptr<CreatorDropArea> m_area;
    QString m_master;
};

void TestCreatorDropArea::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_master = writePicture(*m_dir, QStringLiteral("master.png"), QSize(1024, 1024), QColor(20, 40, 200));
    QVERIFY(!m_master.isEmpty());
    m_area.reset(); // before the panel it asks
    m_effects = std::make_unique<CreatorEffects>();
    m_area = std::make_unique<CreatorDropArea>(m_effects.get());
    m_area->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_area.get()));
    clearDialogSeams();
}

void TestCreatorDropArea::offer(bool viaDialog, const QStringList& paths)
{
    if (!viaDialog) {
        dropFiles(m_area.get(), paths);
        return;
    }
    Os::setNextFileDialogAnswer(paths);
    QTest::mouseClick(openButton(), Qt::LeftButton);
}

void TestCreatorDropArea::dragEnterWantsUriList()
{
    for (const bool withUrls : { false, true }) {
        QMimeData data;
        data.setText(m_master);
        if (withUrls)
            data.setUrls({ QUrl::fromLocalFile(m_master) });
        QDragEnterEvent event(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_area.get(), &event);
        QCOMPARE(event.isAccepted(), withUrls);
    }
}

void TestCreatorDropArea::masterIsTakenWithoutQuestion_data()
{
    QTest::addColumn<bool>("viaDialog");
    QTest::addColumn<int>("files");
    QTest::newRow("dropped") << false << 1;
    QTest::newRow("first of three dropped") << false << 3;
    QTest::newRow("first of three opened") << true << 3;
}

void TestCreatorDropArea::masterIsTakenWithoutQuestion()
{
    QFETCH(bool, viaDialog);
    QFETCH(int, files);

    // The others would ask (wrong size) or show another colour.
    const QStringList paths
        = QStringList { m_master,
                        writePicture(*m_dir, QStringLiteral("second.png"), QSize(1024, 1024), Qt::green),
                        writePicture(*m_dir, QStringLiteral("third.png"), QSize(16, 16), Qt::red) }
              .mid(0, files);
    QSignalSpy spy(m_area.get(), &CreatorDropArea::dropped);
    offer(viaDialog, paths);

    QCOMPARE(Os::fileDialogRequests().size(), viaDialog ? 1 : 0);
    if (viaDialog) {
        QCOMPARE(Os::fileDialogRequests().first().caption, QStringLiteral("Open the image"));
        QVERIFY(Os::fileDialogRequests().first().dir.isEmpty());
    }
    QVERIFY(MessageBox::shown().isEmpty());
    QCOMPARE(m_area->fileName(), m_master);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toBool(), true);
    QVERIFY(m_area->text().isEmpty());
    QVERIFY(openButton()->isHidden());
    // The preview is the picture at twice the field's size.
    QCOMPARE(m_area->pixmap().size(), QSize(560, 560));
    QCOMPARE(previewPixel(*m_area, 280, 280), qRgb(20, 40, 200));
}

void TestCreatorDropArea::otherFileAsksOrIsRefused_data()
{
    QTest::addColumn<QString>("kind"); // "size": a picture of another size, else an unreadable file
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("viaDialog");
    QTest::addColumn<bool>("afterPicture");
    QTest::addColumn<bool>("yes");
    QTest::newRow("dropped 512x256, yes") << "size" << QSize(512, 256) << false << true << true;
    QTest::newRow("dropped 512x256, no") << "size" << QSize(512, 256) << false << true << false;
    QTest::newRow("dropped 2048x2048, yes") << "size" << QSize(2048, 2048) << false << true << true;
    QTest::newRow("dropped 1024x1023, no") << "size" << QSize(1024, 1023) << false << true << false;
    QTest::newRow("opened 512x256, yes") << "size" << QSize(512, 256) << true << false << true;
    QTest::newRow("opened 512x256, no") << "size" << QSize(512, 256) << true << false << false;
    // Even a Yes must not make an unreadable file the master.
    for (const bool after : { false, true }) {
        for (const char* kind : { "not a picture", "missing", "folder", "web" })
            QTest::addRow("%s%s", kind, after ? ", after a picture" : ", first")
                << kind << QSize() << false << after << true;
    }
}

void TestCreatorDropArea::otherFileAsksOrIsRefused()
{
    QFETCH(QString, kind);
    QFETCH(QSize, size);
    QFETCH(bool, viaDialog);
    QFETCH(bool, afterPicture);
    QFETCH(bool, yes);

    // A refused file must leave an earlier picture, or the empty field, untouched.
    if (afterPicture)
        dropFiles(m_area.get(), { m_master });
    const QString pathBefore = m_area->fileName();
    const QString textBefore = m_area->text();
    const QImage previewBefore = m_area->pixmap().toImage();

    QUrl url = QUrl::fromLocalFile(m_dir->filePath(QStringLiteral("other.png")));
    if (kind == QLatin1String("size")) {
        QVERIFY(!writePicture(*m_dir, QStringLiteral("other.png"), size, QColor(200, 30, 30)).isEmpty());
    } else if (kind == QLatin1String("not a picture")) {
        QVERIFY(writeFile(url.toLocalFile(), "this is plain text, not a picture\n"));
    } else if (kind == QLatin1String("folder")) {
        url = QUrl::fromLocalFile(m_dir->path());
    } else if (kind == QLatin1String("web")) {
        url = QUrl(QStringLiteral("https://example.com/pictures/icon.png"));
    }
    QSignalSpy spy(m_area.get(), &CreatorDropArea::dropped);
    MessageBox::setNextAnswer(yes ? QMessageBox::Yes : QMessageBox::No);
    if (viaDialog)
        offer(true, { url.toLocalFile() });
    else
        dropUrls(m_area.get(), { url });

    QCOMPARE(MessageBox::pendingAnswers(), 0);
    QCOMPARE(MessageBox::shown().size(), 1);
    const MessageBox::Shown box = MessageBox::shown().first();
    QCOMPARE(box.icon, QMessageBox::Warning);
    QCOMPARE(box.title, QStringLiteral("Warning"));
    const bool asked = kind == QLatin1String("size");
    if (asked) {
        QCOMPARE(box.text,
                 QStringLiteral("The resolution of the %1image is %2x%3, it does not match "
                                "1024x1024.\n\nContinue anyway?")
                     .arg(viaDialog ? "" : "dropped ")
                     .arg(size.width())
                     .arg(size.height()));
        QCOMPARE(box.buttons, QMessageBox::Yes | QMessageBox::No);
    } else {
        const QString shownName
            = url.isLocalFile() ? QFileInfo(url.toLocalFile()).fileName() : url.toString();
        QCOMPARE(box.text,
                 QStringLiteral("The file \"%1\" is not a picture that Lumastrand can read.").arg(shownName));
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }

    const bool taken = asked && yes;
    QCOMPARE(spy.count(), taken ? 1 : 0);
    QCOMPARE(openButton()->isHidden(), taken || afterPicture);
    if (taken) {
        QCOMPARE(m_area->fileName(), url.toLocalFile());
        QCOMPARE(m_area->pixmap().size(), QSize(560, 560));
        QCOMPARE(previewPixel(*m_area, 280, 280), qRgb(200, 30, 30));
    } else {
        QCOMPARE(m_area->fileName(), pathBefore);
        QCOMPARE(m_area->text(), textBefore);
        QCOMPARE(m_area->pixmap().toImage(), previewBefore);
    }
}

void TestCreatorDropArea::nothingOfferedChangesNothing_data()
{
    QTest::addColumn<bool>("viaDialog");
    QTest::newRow("drop of an empty uri list") << false;
    QTest::newRow("cancelled open dialog") << true;
}

void TestCreatorDropArea::nothingOfferedChangesNothing()
{
    QFETCH(bool, viaDialog);
    QSignalSpy spy(m_area.get(), &CreatorDropArea::dropped);
    if (viaDialog) {
        offer(true, {});
        QCOMPARE(Os::fileDialogRequests().size(), 1);
    } else {
        QMimeData data;
        data.setData(QStringLiteral("text/uri-list"), QByteArray());
        QVERIFY(!dropMimeData(m_area.get(), data));
    }

    QVERIFY(MessageBox::shown().isEmpty());
    QCOMPARE(spy.count(), 0);
    QVERIFY(m_area->fileName().isEmpty());
    QVERIFY(!openButton()->isHidden());
    QCOMPARE(m_area->text(), QStringLiteral("<H2>Drop 1024x1024 image<br>here</H2>"));
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
    QCOMPARE(m_area->pixmap().size(), QSize(560, 560));
    QCOMPARE(qAlpha(previewPixel(*m_area, 0, 0)), 0);
    QCOMPARE(previewPixel(*m_area, 280, 280), qRgb(250, 250, 0));
}

QTEST_MAIN(TestCreatorDropArea)
#include "tst_creatordroparea.moc"
