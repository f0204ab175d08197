// The community button and the bubble's hiding on presses, under the shell's
// application object.

#include "bubblewindow.h"
#include "communitybutton.h"
#include "desktoprecorder.h"
#include "dialogrunner.h"
#include "testapp.h"

#include <QDialog>
#include <QMenu>
#include <QTimer>
#include <QtTest>

class TestButtons : public QObject
{
    Q_OBJECT

private slots:
    void communityMenuOpensTheLinkSet_data();
    void communityMenuOpensTheLinkSet();
    void bubbleHidesOnPressesInTheApplication();
};

void TestButtons::communityMenuOpensTheLinkSet_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("url");
    QTest::newRow("FaceBook") << "FaceBook"
                              << "https://facebook.example/halvick";
    QTest::newRow("YouTube") << "YouTube"
                             << "https://youtube.example/halvick";
    QTest::newRow("Xing") << "Xing"
                          << "https://xing.example/halvick";
    QTest::newRow("MoiMir") << "MoiMir"
                            << "https://my.mail.example/halvick";
    QTest::newRow("never set") << "FaceBook" << QString();
    QTest::newRow("Share runs the share dialog") << "Share" << QString();
}

void TestButtons::communityMenuOpensTheLinkSet()
{
    QFETCH(QString, entry);
    QFETCH(QString, url);
    DesktopRecorder desktop;
    QMWidgets::CommunityButton button;
    if (!url.isEmpty()) {
        button.setFaceBookUrl(QStringLiteral("https://facebook.example/halvick"));
        button.setYouTubeUrl(QStringLiteral("https://youtube.example/halvick"));
        button.setXingUrl(QStringLiteral("https://xing.example/halvick"));
        button.setMoiMirUrl(QStringLiteral("https://my.mail.example/halvick"));
    }
    QMenu* menu = button.menu();
    QStringList texts;
    for (QAction* action : menu->actions())
        texts.append(action->isSeparator() ? QStringLiteral("--") : action->text());
    QCOMPARE(texts, QStringList({ "Share", "--", "FaceBook", "YouTube", "Xing", "MoiMir" }));
    // The share picture comes with the library; the site badges are the host's.
    QVERIFY(!menu->actions().first()->icon().isNull());

    QString dialogName;
    QMWidgets::DialogRunner::setNextHandler([&](QDialog& dialog) {
        dialogName = dialog.objectName();
        return 0;
    });
    // A real click opens the menu; a real click on the entry chooses it (and
    // should that miss, the menu is closed so that the test goes on).
    QAction* chosen = menu->actions().at(texts.indexOf(entry));
    QTimer::singleShot(0, menu, [&] {
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(chosen).center());
        menu->close();
    });
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);

    QCOMPARE(desktop.urls, url.isEmpty() ? QList<QUrl>() : QList<QUrl>({ QUrl(url) }));
    QCOMPARE(dialogName, entry == QLatin1String("Share") ? QStringLiteral("ShareDialog") : QString());
    QMWidgets::DialogRunner::clearHandlers();
}

void TestButtons::bubbleHidesOnPressesInTheApplication()
{
    QMWidgets::BubbleWindow bubble;
    bubble.resize(200, 100);
    QWidget elsewhere;
    elsewhere.show();
    bubble.show();
    QTest::mouseClick(&elsewhere, Qt::LeftButton);
    QVERIFY(bubble.isVisible());

    bubble.hideOnMouseButtonPress();
    QTest::mouseClick(&elsewhere, Qt::LeftButton);
    QVERIFY(!bubble.isVisible());
    bubble.show();
    QTest::mousePress(&elsewhere, Qt::MiddleButton);
    QVERIFY(!bubble.isVisible());
    QTest::mouseRelease(&elsewhere, Qt::MiddleButton);
}

LUMASTRAND_APP_TEST_MAIN(TestButtons)
#include "tst_buttons.moc"
