#include "creator.h"
#include "creatordroparea.h"
#include "creatoreffects.h"
#include "messagebox.h"

#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>

using QMWidgets::MessageBox;

namespace {
QString writePicture(const QTemporaryDir& dir, const QString& name, const QSize& size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(QColor(90, 160, 40));
    const QString path = dir.filePath(name);
    return image.save(path, "PNG") ? path : QString();
}

void dropFile(QWidget* target, const QString& path)
{
    QMimeData data;
    data.setUrls({ QUrl::fromLocalFile(path) });
    QDragEnterEvent enter(QPoint(140, 140), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent event(QPointF(140, 140), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// The creator inside a page of the main window's fixed size, as the program has it.
struct Page
{
    QWidget widget;
    Creator* creator = nullptr;

    Page()
    {
        widget.setFixedSize(290, 390);
        auto* layout = new QVBoxLayout(&widget);
        layout->setContentsMargins(0, 0, 0, 0);
        creator = new Creator;
        layout->addWidget(creator);
    }
};
} // namespace

class TestCreator : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void nothingToDoBeforeAPicture();
    void pictureEnablesButtonsAndNamesOutput_data();
    void pictureEnablesButtonsAndNamesOutput();
    void refusedPictureKeepsTypedName();
    void optionsOpenAndCloseThePanel();
    void effectClickRebuildsPreview();

private:
    QTemporaryDir* m_dir = nullptr;
};

void TestCreator::init()
{
    m_dir = new QTemporaryDir;
    QVERIFY(m_dir->isValid());
    MessageBox::clearAnswers();
    MessageBox::clearShown();
}

void TestCreator::cleanup()
{
    delete m_dir;
    m_dir = nullptr;
    MessageBox::clearAnswers();
}

void TestCreator::nothingToDoBeforeAPicture()
{
    Page page;
    page.widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page.widget));
    Creator* creator = page.creator;

    QVERIFY(!creator->saveButton()->isEnabled());
    QVERIFY(!creator->optionsButton()->isEnabled());
    QVERIFY(!creator->optionsButton()->isChecked());
    QCOMPARE(creator->optionsButton()->text(), QStringLiteral("Options>>"));
    QCOMPARE(creator->saveButton()->text(), QStringLiteral("Save..."));
    QCOMPARE(creator->saveButton()->objectName(), QStringLiteral("PushButton"));
    QCOMPARE(creator->optionsButton()->objectName(), QStringLiteral("PushButton"));
    QVERIFY(creator->effects()->isHidden());

    // A click on the disabled toggle cannot open the panel.
    const int height = creator->height();
    QTest::mouseClick(creator->optionsButton(), Qt::LeftButton);
    QVERIFY(creator->effects()->isHidden());
    QCOMPARE(creator->height(), height);
}

void TestCreator::pictureEnablesButtonsAndNamesOutput_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("baseName");
    QTest::newRow("plain") << "rocket.png"
                           << "rocket";
    QTest::newRow("dots in the name") << "my.icon.png"
                                      << "my";
    QTest::newRow("blanks") << "My App Icon.png"
                            << "My App Icon";
    QTest::newRow("no suffix") << "master"
                               << "master";
}

void TestCreator::pictureEnablesButtonsAndNamesOutput()
{
    QFETCH(QString, fileName);
    QFETCH(QString, baseName);

    Creator creator;
    creator.effects()->setSaveName(QStringLiteral("typed earlier"));
    const QString path = writePicture(*m_dir, fileName, QSize(1024, 1024));
    QVERIFY(!path.isEmpty());
    dropFile(creator.dropArea(), path);

    QCOMPARE(creator.dropArea()->fileName(), path);
    QVERIFY(creator.saveButton()->isEnabled());
    QVERIFY(creator.optionsButton()->isEnabled());
    QCOMPARE(creator.effects()->saveName(), baseName);
}

void TestCreator::refusedPictureKeepsTypedName()
{
    Creator creator;
    dropFile(creator.dropArea(), writePicture(*m_dir, QStringLiteral("first.png"), QSize(1024, 1024)));
    creator.effects()->setSaveName(QStringLiteral("chosen"));

    MessageBox::setNextAnswer(QMessageBox::No);
    dropFile(creator.dropArea(), writePicture(*m_dir, QStringLiteral("second.png"), QSize(512, 256)));
    QCOMPARE(MessageBox::shown().size(), 1);
    QCOMPARE(creator.effects()->saveName(), QStringLiteral("chosen"));
    QVERIFY(creator.dropArea()->fileName().endsWith(QStringLiteral("first.png")));
    QVERIFY(creator.saveButton()->isEnabled());
    QVERIFY(creator.optionsButton()->isEnabled());

    // A taken picture overwrites the typed name.
    MessageBox::setNextAnswer(QMessageBox::Yes);
    dropFile(creator.dropArea(), writePicture(*m_dir, QStringLiteral("third.png"), QSize(512, 256)));
    QCOMPARE(creator.effects()->saveName(), QStringLiteral("third"));
}

void TestCreator::optionsOpenAndCloseThePanel()
{
    Page page;
    page.widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page.widget));
    Creator* creator = page.creator;
    dropFile(creator->dropArea(), writePicture(*m_dir, QStringLiteral("icon.png"), QSize(1024, 1024)));
    QVERIFY(creator->optionsButton()->isEnabled());

    const int creatorHeight = creator->height();
    const int pageHeight = page.widget.height();

    QTest::mouseClick(creator->optionsButton(), Qt::LeftButton);
    QVERIFY(creator->optionsButton()->isChecked());
    QCOMPARE(creator->optionsButton()->text(), QStringLiteral("<<Options"));
    QVERIFY(creator->effects()->isVisible());
    QCOMPARE(creator->height(), creatorHeight + 190);
    QCOMPARE(page.widget.height(), pageHeight + 180);

    QTest::mouseClick(creator->optionsButton(), Qt::LeftButton);
    QVERIFY(!creator->optionsButton()->isChecked());
    QCOMPARE(creator->optionsButton()->text(), QStringLiteral("Options>>"));
    QVERIFY(creator->effects()->isHidden());
    QCOMPARE(creator->height(), creatorHeight);
    QCOMPARE(page.widget.height(), pageHeight);

    // Open and close again: the sizes do not drift.
    QTest::mouseClick(creator->optionsButton(), Qt::LeftButton);
    QTest::mouseClick(creator->optionsButton(), Qt::LeftButton);
    QCOMPARE(creator->height(), creatorHeight);
    QCOMPARE(page.widget.height(), pageHeight);
}

void TestCreator::effectClickRebuildsPreview()
{
    Page page;
    page.widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page.widget));
    Creator* creator = page.creator;
    dropFile(creator->dropArea(), writePicture(*m_dir, QStringLiteral("icon.png"), QSize(1024, 1024)));
    auto corner = [creator] { return creator->dropArea()->pixmap().toImage().pixelColor(0, 0); };
    QCOMPARE(corner().alpha(), 255);

    QTest::mouseClick(creator->optionsButton(), Qt::LeftButton);
    auto* rounded = creator->effects()->findChild<QPushButton*>(QStringLiteral("RoundedEdgesItem"));
    QTest::mouseClick(rounded, Qt::LeftButton);
    QCOMPARE(corner().alpha(), 0);

    QTest::mouseClick(rounded, Qt::LeftButton);
    QCOMPARE(corner().alpha(), 255);
}

QTEST_MAIN(TestCreator)
#include "tst_creator.moc"
