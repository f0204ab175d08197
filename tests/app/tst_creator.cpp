#include "creator.h"
#include "creatordroparea.h"
#include "creatoreffects.h"
#include "dialogseams.h"
#include "messagebox.h"
#include "testpictures.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

using QMWidgets::MessageBox;
using TestSupport::dropFiles;

namespace {
QString writePicture(const QTemporaryDir& dir, const QString& name, const QSize& size)
{
    return TestSupport::writePicture(dir, name, size, QColor(90, 160, 40));
}

// The creator inside a shown page of the main window's fixed size, as the program has it.
struct Page
{
    QWidget widget;
    Creator* creator = new Creator;

    Page()
    {
        widget.setFixedSize(290, 390);
        auto* layout = new QVBoxLayout(&widget);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(creator);
        widget.show();
    }
};
} // namespace

class TestCreator : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void pictureEnablesButtonsAndNamesOutput_data();
    void pictureEnablesButtonsAndNamesOutput();
    void refusedPictureKeepsTypedName();
    void optionsOpenAndCloseThePanel();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestCreator::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    TestSupport::clearDialogSeams();
}

void TestCreator::pictureEnablesButtonsAndNamesOutput_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("baseName");
    // Dots after the first one, blanks and a missing suffix.
    const char* rows[][2] = { { "rocket.png", "rocket" },
                              { "my.icon.png", "my" },
                              { "My App Icon.png", "My App Icon" },
                              { "master", "master" } };
    for (const auto& row : rows)
        QTest::newRow(row[0]) << QString(row[0]) << QString(row[1]);
}

void TestCreator::pictureEnablesButtonsAndNamesOutput()
{
    QFETCH(QString, fileName);
    QFETCH(QString, baseName);

    Creator creator;
    creator.effects()->setSaveName(QStringLiteral("typed earlier"));
    const QString path = writePicture(*m_dir, fileName, QSize(1024, 1024));
    dropFiles(creator.dropArea(), { path });

    QCOMPARE(creator.dropArea()->fileName(), path);
    QVERIFY(creator.saveButton()->isEnabled());
    QVERIFY(creator.optionsButton()->isEnabled());
    QCOMPARE(creator.effects()->saveName(), baseName);
}

void TestCreator::refusedPictureKeepsTypedName()
{
    Creator creator;
    dropFiles(creator.dropArea(), { writePicture(*m_dir, QStringLiteral("first.png"), QSize(1024, 1024)) });
    creator.effects()->setSaveName(QStringLiteral("chosen"));

    MessageBox::setNextAnswer(QMessageBox::No);
    dropFiles(creator.dropArea(), { writePicture(*m_dir, QStringLiteral("second.png"), QSize(512, 256)) });
    QCOMPARE(MessageBox::shown().size(), 1);
    QCOMPARE(creator.effects()->saveName(), QStringLiteral("chosen"));
    QVERIFY(creator.dropArea()->fileName().endsWith(QStringLiteral("first.png")));
    QVERIFY(creator.saveButton()->isEnabled());
    QVERIFY(creator.optionsButton()->isEnabled());

    // A taken picture overwrites the typed name.
    MessageBox::setNextAnswer(QMessageBox::Yes);
    dropFiles(creator.dropArea(), { writePicture(*m_dir, QStringLiteral("third.png"), QSize(512, 256)) });
    QCOMPARE(creator.effects()->saveName(), QStringLiteral("third"));
}

void TestCreator::optionsOpenAndCloseThePanel()
{
    Page page;
    QVERIFY(QTest::qWaitForWindowExposed(&page.widget));
    Creator* creator = page.creator;
    QPushButton* options = creator->optionsButton();
    QCOMPARE(creator->saveButton()->text(), QStringLiteral("Save..."));
    QCOMPARE(options->text(), QStringLiteral("Options>>"));
    for (QPushButton* button : { creator->saveButton(), options }) {
        QVERIFY(!button->isEnabled()); // nothing to do before a picture
        QCOMPARE(button->objectName(), QStringLiteral("PushButton")); // dressed by the style sheet
    }
    // A click on the disabled toggle cannot open the panel.
    const int creatorHeight = creator->height();
    const int pageHeight = page.widget.height();
    QTest::mouseClick(options, Qt::LeftButton);
    QVERIFY(!options->isChecked());
    QVERIFY(creator->effects()->isHidden());
    QCOMPARE(creator->height(), creatorHeight);

    dropFiles(creator->dropArea(), { writePicture(*m_dir, QStringLiteral("icon.png"), QSize(1024, 1024)) });
    auto corner = [creator] { return creator->dropArea()->pixmap().toImage().pixelColor(0, 0).alpha(); };
    QCOMPARE(corner(), 255);

    // Open and close twice: the sizes do not drift.
    for (int round = 0; round < 2; ++round) {
        QTest::mouseClick(options, Qt::LeftButton);
        QVERIFY(options->isChecked());
        QCOMPARE(options->text(), QStringLiteral("<<Options"));
        QVERIFY(creator->effects()->isVisible());
        QCOMPARE(creator->height(), creatorHeight + 190);
        QCOMPARE(page.widget.height(), pageHeight + 190);

        // The creator passes each click on an effect to the preview.
        auto* rounded = creator->effects()->findChild<QPushButton*>(QStringLiteral("RoundedEdgesItem"));
        QTest::mouseClick(rounded, Qt::LeftButton);
        QCOMPARE(rounded->isChecked(), round == 0);
        QCOMPARE(corner(), round == 0 ? 0 : 255);

        QTest::mouseClick(options, Qt::LeftButton);
        QVERIFY(!options->isChecked());
        QCOMPARE(options->text(), QStringLiteral("Options>>"));
        QVERIFY(creator->effects()->isHidden());
        QCOMPARE(creator->height(), creatorHeight);
        QCOMPARE(page.widget.height(), pageHeight);
    }
}

QTEST_MAIN(TestCreator)
#include "tst_creator.moc"
