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
    return TestSupport::writePicture(dir, name, size, Qt::darkGreen);
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
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("yes"); // the answer to the size question
    QTest::addColumn<QString>("baseName"); // "": the picture is refused, the typed name stays

    // Dots after the first one, blanks and a missing suffix.
    QTest::newRow("rocket.png") << "rocket.png" << QSize(1024, 1024) << false << "rocket";
    QTest::newRow("my.icon.png") << "my.icon.png" << QSize(1024, 1024) << false << "my";
    QTest::newRow("My App Icon.png") << "My App Icon.png" << QSize(1024, 1024) << false << "My App Icon";
    QTest::newRow("master") << "master" << QSize(1024, 1024) << false << "master";
    QTest::newRow("other size taken") << "wide.png" << QSize(512, 256) << true << "wide";
    QTest::newRow("other size refused") << "wide.png" << QSize(512, 256) << false << "";
}

void TestCreator::pictureEnablesButtonsAndNamesOutput()
{
    QFETCH(QString, fileName);
    QFETCH(QSize, size);
    QFETCH(bool, yes);
    QFETCH(QString, baseName);

    Creator creator;
    creator.effects()->setSaveName(QStringLiteral("typed earlier"));
    const QString path = writePicture(*m_dir, fileName, size);
    if (size != QSize(1024, 1024))
        MessageBox::setNextAnswer(yes ? QMessageBox::Yes : QMessageBox::No);
    dropFiles(creator.dropArea(), { path });

    const bool taken = !baseName.isEmpty();
    QCOMPARE(creator.dropArea()->fileName(), taken ? path : QString());
    QCOMPARE(creator.saveButton()->isEnabled(), taken);
    QCOMPARE(creator.optionsButton()->isEnabled(), taken);
    QCOMPARE(creator.effects()->saveName(), taken ? baseName : QStringLiteral("typed earlier"));
}

void TestCreator::optionsOpenAndCloseThePanel()
{
    Page page;
    QVERIFY(QTest::qWaitForWindowExposed(&page.widget));
    Creator* creator = page.creator;
    QPushButton* options = creator->optionsButton();
    QVERIFY(!creator->saveButton()->isEnabled()); // nothing to do before a picture
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
