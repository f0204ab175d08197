#include "creatordroparea.h"
#include "creatoreffects.h"
#include "messagebox.h"
#include "os.h"

#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using QMWidgets::MessageBox;

namespace {
QString writePicture(const QTemporaryDir& dir, const QString& name, const QSize& size, const QColor& color)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(color);
    const QString path = dir.filePath(name);
    return image.save(path, "PNG") ? path : QString();
}

// Sends a real drag entry and drop of the given MIME data, as a drag from a
// file manager does; returns whether the widget accepted the drop.
bool drop(QWidget* target, const QMimeData& data)
{
    QDragEnterEvent enter(QPoint(140, 140), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent event(QPointF(140, 140), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
    return event.isAccepted();
}

bool dropUrls(QWidget* target, const QList<QUrl>& urls)
{
    QMimeData data;
    data.setUrls(urls);
    return drop(target, data);
}

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
    void cleanup();

    void dragEnterWantsUriList_data();
    void dragEnterWantsUriList();
    void dropOfMasterIsTakenWithoutQuestion();
    void otherSizeAsksFirst_data();
    void otherSizeAsksFirst();
    void unreadableFileIsRefused_data();
    void unreadableFileIsRefused();
    void dropTakesFirstOfSeveralUrls();
    void dropWithoutUrlsIsIgnored();
    void openDialogTakesFirstFile();
    void cancelledOpenDialogChangesNothing();
    void openedOtherSizeAsksWithOpenWording();
    void previewIsRebuiltFromFileOnStateChange();

private:
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
    m_effects = std::make_unique<CreatorEffects>();
    m_area = std::make_unique<CreatorDropArea>(m_effects.get());
    MessageBox::clearAnswers();
    MessageBox::clearShown();
    Os::clearFileDialogAnswers();
    Os::clearFileDialogRequests();
}

void TestCreatorDropArea::cleanup()
{
    m_area.reset();
    m_effects.reset();
    m_dir.reset();
    MessageBox::clearAnswers();
    Os::clearFileDialogAnswers();
}

void TestCreatorDropArea::dragEnterWantsUriList_data()
{
    QTest::addColumn<bool>("withUrls");
    QTest::addColumn<bool>("withText");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("uri list") << true << false << true;
    QTest::newRow("plain text only") << false << true << false;
    QTest::newRow("both") << true << true << true;
}

void TestCreatorDropArea::dragEnterWantsUriList()
{
    QFETCH(bool, withUrls);
    QFETCH(bool, withText);
    QFETCH(bool, accepted);

    QMimeData data;
    if (withUrls)
        data.setUrls({ QUrl::fromLocalFile(m_master) });
    if (withText)
        data.setText(m_master);
    QDragEnterEvent event(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_area.get(), &event);
    QCOMPARE(event.isAccepted(), accepted);
}

void TestCreatorDropArea::dropOfMasterIsTakenWithoutQuestion()
{
    QSignalSpy spy(m_area.get(), &CreatorDropArea::dropped);
    dropUrls(m_area.get(), { QUrl::fromLocalFile(m_master) });

    QVERIFY(MessageBox::shown().isEmpty());
    QCOMPARE(m_area->fileName(), m_master);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toBool(), true);
    QVERIFY(m_area->text().isEmpty());
    QVERIFY(m_area->findChild<QPushButton*>()->isHidden());
    // The preview is the picture at twice the field's size.
    QCOMPARE(m_area->pixmap().size(), QSize(560, 560));
    QCOMPARE(previewPixel(*m_area, 280, 280), qRgb(20, 40, 200));
}

void TestCreatorDropArea::otherSizeAsksFirst_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("taken");
    QTest::newRow("512x256, yes") << QSize(512, 256) << int(QMessageBox::Yes) << true;
    QTest::newRow("512x256, no") << QSize(512, 256) << int(QMessageBox::No) << false;
    QTest::newRow("2048x2048, yes") << QSize(2048, 2048) << int(QMessageBox::Yes) << true;
    QTest::newRow("1024x1023, no") << QSize(1024, 1023) << int(QMessageBox::No) << false;
}

void TestCreatorDropArea::otherSizeAsksFirst()
{
    QFETCH(QSize, size);
    QFETCH(int, answer);
    QFETCH(bool, taken);

    // An earlier picture is in place; a refused one must leave it untouched.
    dropUrls(m_area.get(), { QUrl::fromLocalFile(m_master) });
    QCOMPARE(m_area->fileName(), m_master);
    const QImage earlierPreview = m_area->pixmap().toImage();

    const QString other = writePicture(*m_dir, QStringLiteral("other.png"), size, QColor(200, 30, 30));
    QSignalSpy spy(m_area.get(), &CreatorDropArea::dropped);
    MessageBox::setNextAnswer(QMessageBox::StandardButton(answer));
    dropUrls(m_area.get(), { QUrl::fromLocalFile(other) });

    QCOMPARE(MessageBox::pendingAnswers(), 0);
    QCOMPARE(MessageBox::shown().size(), 1);
    const MessageBox::Shown box = MessageBox::shown().first();
    QCOMPARE(box.icon, QMessageBox::Warning);
    QCOMPARE(box.title, QStringLiteral("Warning"));
    QCOMPARE(box.text,
             QStringLiteral("The resolution of the dropped image is %1x%2, it does not match "
                            "1024x1024.\n\nContinue anyway?")
                 .arg(size.width())
                 .arg(size.height()));
    QCOMPARE(box.buttons, QMessageBox::Yes | QMessageBox::No);

    QCOMPARE(spy.count(), taken ? 1 : 0);
    QCOMPARE(m_area->fileName(), taken ? other : m_master);
    if (taken) {
        QCOMPARE(m_area->pixmap().size(), QSize(560, 560));
        QCOMPARE(previewPixel(*m_area, 280, 280), qRgb(200, 30, 30));
    } else {
        QCOMPARE(m_area->pixmap().toImage(), earlierPreview);
    }
}

void TestCreatorDropArea::unreadableFileIsRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("afterPicture");
    for (const bool after : { false, true }) {
        const char* when = after ? ", after a picture" : ", first";
        QTest::addRow("not a picture%s", when) << "junk" << after;
        QTest::addRow("missing file%s", when) << "missing" << after;
        QTest::addRow("folder%s", when) << "folder" << after;
        QTest::addRow("web address%s", when) << "web" << after;
    }
}

void TestCreatorDropArea::unreadableFileIsRefused()
{
    QFETCH(QString, kind);
    QFETCH(bool, afterPicture);

    if (afterPicture)
        dropUrls(m_area.get(), { QUrl::fromLocalFile(m_master) });
    const QString pathBefore = m_area->fileName();
    const QString textBefore = m_area->text();
    const QImage previewBefore = m_area->pixmap().toImage();

    QUrl url;
    QString shownName;
    if (kind == QLatin1String("junk")) {
        QFile file(m_dir->filePath(QStringLiteral("notes.png")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("this is plain text, not a picture\n");
        file.close();
        url = QUrl::fromLocalFile(file.fileName());
        shownName = QStringLiteral("notes.png");
    } else if (kind == QLatin1String("missing")) {
        url = QUrl::fromLocalFile(m_dir->filePath(QStringLiteral("gone.png")));
        shownName = QStringLiteral("gone.png");
    } else if (kind == QLatin1String("folder")) {
        url = QUrl::fromLocalFile(m_dir->path());
        shownName = QFileInfo(m_dir->path()).fileName();
    } else {
        url = QUrl(QStringLiteral("https://example.com/pictures/icon.png"));
        shownName = url.toString();
    }

    QSignalSpy spy(m_area.get(), &CreatorDropArea::dropped);
    // Even a Yes must not make an unreadable file the master.
    MessageBox::setNextAnswer(QMessageBox::Yes);
    dropUrls(m_area.get(), { url });

    QCOMPARE(MessageBox::shown().size(), 1);
    const MessageBox::Shown box = MessageBox::shown().first();
    QCOMPARE(box.title, QStringLiteral("Warning"));
    QCOMPARE(box.text,
             QStringLiteral("The file \"%1\" is not a picture that Lumastrand can read.").arg(shownName));
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));

    QCOMPARE(spy.count(), 0);
    QCOMPARE(m_area->fileName(), pathBefore);
    QCOMPARE(m_area->text(), textBefore);
    QCOMPARE(m_area->pixmap().toImage(), previewBefore);
    QCOMPARE(m_area->findChild<QPushButton*>()->isHidden(), afterPicture);
}

void TestCreatorDropArea::dropTakesFirstOfSeveralUrls()
{
    const QString second = writePicture(*m_dir, QStringLiteral("second.png"), QSize(1024, 1024), Qt::green);
    const QString third = writePicture(*m_dir, QStringLiteral("third.png"), QSize(16, 16), Qt::red);
    QSignalSpy spy(m_area.get(), &CreatorDropArea::dropped);
    dropUrls(m_area.get(),
             { QUrl::fromLocalFile(m_master), QUrl::fromLocalFile(second), QUrl::fromLocalFile(third) });

    QVERIFY(MessageBox::shown().isEmpty());
    QCOMPARE(spy.count(), 1);
    QCOMPARE(m_area->fileName(), m_master);
}

void TestCreatorDropArea::dropWithoutUrlsIsIgnored()
{
    QSignalSpy spy(m_area.get(), &CreatorDropArea::dropped);
    QMimeData data;
    data.setData(QStringLiteral("text/uri-list"), QByteArray());
    QVERIFY(!drop(m_area.get(), data));

    QVERIFY(MessageBox::shown().isEmpty());
    QCOMPARE(spy.count(), 0);
    QVERIFY(m_area->fileName().isEmpty());
    QCOMPARE(m_area->text(), QStringLiteral("<H2>Drop 1024x1024 image<br>here</H2>"));
}

void TestCreatorDropArea::openDialogTakesFirstFile()
{
    const QString second = writePicture(*m_dir, QStringLiteral("second.png"), QSize(1024, 1024), Qt::green);
    const QString third = writePicture(*m_dir, QStringLiteral("third.png"), QSize(8, 8), Qt::red);
    m_area->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_area.get()));
    QSignalSpy spy(m_area.get(), &CreatorDropArea::dropped);

    Os::setNextFileDialogAnswer({ m_master, second, third });
    auto* open = m_area->findChild<QPushButton*>();
    QTest::mouseClick(open, Qt::LeftButton);

    QCOMPARE(Os::fileDialogRequests().size(), 1);
    QCOMPARE(Os::fileDialogRequests().first().caption, QStringLiteral("Open the image"));
    QVERIFY(Os::fileDialogRequests().first().dir.isEmpty());
    QVERIFY(MessageBox::shown().isEmpty());
    QCOMPARE(spy.count(), 1);
    QCOMPARE(m_area->fileName(), m_master);
    QVERIFY(open->isHidden());
    QVERIFY(m_area->text().isEmpty());
}

void TestCreatorDropArea::cancelledOpenDialogChangesNothing()
{
    QSignalSpy spy(m_area.get(), &CreatorDropArea::dropped);
    Os::setNextFileDialogAnswer({});
    m_area->slotOpenClicked();

    QCOMPARE(Os::fileDialogRequests().size(), 1);
    QVERIFY(MessageBox::shown().isEmpty());
    QCOMPARE(spy.count(), 0);
    QVERIFY(m_area->fileName().isEmpty());
    QVERIFY(!m_area->findChild<QPushButton*>()->isHidden());
}

void TestCreatorDropArea::openedOtherSizeAsksWithOpenWording()
{
    const QString small = writePicture(*m_dir, QStringLiteral("small.png"), QSize(512, 256), Qt::red);
    Os::setNextFileDialogAnswer({ small });
    MessageBox::setNextAnswer(QMessageBox::No);
    m_area->slotOpenClicked();

    QCOMPARE(MessageBox::shown().size(), 1);
    QCOMPARE(MessageBox::shown().first().text,
             QStringLiteral("The resolution of the image is 512x256, it does not match 1024x1024.\n\n"
                            "Continue anyway?"));
    QVERIFY(m_area->fileName().isEmpty());
    QVERIFY(!m_area->findChild<QPushButton*>()->isHidden());
}

void TestCreatorDropArea::previewIsRebuiltFromFileOnStateChange()
{
    dropUrls(m_area.get(), { QUrl::fromLocalFile(m_master) });
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
