// Community and menu buttons, and the bubble's hiding on presses, under the
// shell's application object.

#include "bubblewindow.h"
#include "communitybutton.h"
#include "desktoprecorder.h"
#include "dialogrunner.h"
#include "dialogseams.h"
#include "menubutton.h"
#include "pictures.h"
#include "testapp.h"

#include <QDialog>
#include <QMenu>
#include <QTimer>
#include <QtTest>

namespace {

// Opens the button's menu with a real click and clicks the entry with that
// text in it, the way a user does.
void chooseFromMenu(QPushButton& button, const QString& entry)
{
    bool clicked = false;
    QTimer::singleShot(0, &button, [&] {
        QMenu* menu = button.menu();
        for (QAction* action : menu->actions()) {
            if (action->text() == entry) {
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
                clicked = true;
                return;
            }
        }
        menu->close();
    });
    QTest::mouseClick(&button, Qt::LeftButton);
    QVERIFY2(clicked, qPrintable(entry));
}

QImage rendered(QWidget& widget)
{
    QImage image(widget.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

} // namespace

class TestButtons : public QObject
{
    Q_OBJECT

private slots:
    void communityMenuEntries();
    void communityOpensTheLinkSet_data();
    void communityOpensTheLinkSet();
    void communityShareRunsTheShareDialog();
    void menuButtonWritesMenuInItsLowerHalf();
    void bubbleHidesOnPressesInTheApplication();
};

void TestButtons::communityMenuEntries()
{
    QMWidgets::CommunityButton button;
    QVERIFY(button.menu());
    const QList<QAction*> actions = button.menu()->actions();
    QStringList texts;
    for (QAction* action : actions)
        texts.append(action->isSeparator() ? QStringLiteral("--") : action->text());
    QCOMPARE(texts, QStringList({ "Share", "--", "FaceBook", "YouTube", "Xing", "MoiMir" }));
    QVERIFY(actions.first()->isEnabled());
    // The share entry shows the library's share picture.
    const QImage picture = QMWidgets::Pictures::pixmap(QStringLiteral(":/share_hover.png")).toImage();
    QVERIFY(!picture.isNull());
    const QImage shown = actions.first()->icon().pixmap(picture.size()).toImage();
    QCOMPARE(shown.convertToFormat(QImage::Format_ARGB32), picture.convertToFormat(QImage::Format_ARGB32));
}

void TestButtons::communityOpensTheLinkSet_data()
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
    // Twitter has no menu entry; a host connects its slot itself.
    QTest::newRow("Twitter") << QString() << "https://twitter.example/halvick";
}

void TestButtons::communityOpensTheLinkSet()
{
    QFETCH(QString, entry);
    QFETCH(QString, url);
    DesktopRecorder desktop;
    QMWidgets::CommunityButton button;
    button.setFaceBookUrl(QStringLiteral("https://facebook.example/halvick"));
    button.setYouTubeUrl(QStringLiteral("https://youtube.example/halvick"));
    button.setXingUrl(QStringLiteral("https://xing.example/halvick"));
    button.setMoiMirUrl(QStringLiteral("https://my.mail.example/halvick"));
    button.setTwitterUrl(QStringLiteral("https://twitter.example/halvick"));
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));

    if (entry.isEmpty())
        QVERIFY(QMetaObject::invokeMethod(&button, "slotTwitter"));
    else
        chooseFromMenu(button, entry);
    QCOMPARE(desktop.urls, QList<QUrl>({ QUrl(url) }));

    // A site whose address was never set opens nothing.
    QMWidgets::CommunityButton bare;
    bare.show();
    if (entry.isEmpty())
        QVERIFY(QMetaObject::invokeMethod(&bare, "slotTwitter"));
    else
        chooseFromMenu(bare, entry);
    QCOMPARE(desktop.urls.size(), 1);
}

void TestButtons::communityShareRunsTheShareDialog()
{
    DesktopRecorder desktop;
    QMWidgets::CommunityButton button;
    button.show();
    QString dialogName;
    QMWidgets::DialogRunner::setNextHandler([&](QDialog& dialog) {
        dialogName = dialog.objectName();
        return 0;
    });
    chooseFromMenu(button, QStringLiteral("Share"));
    QCOMPARE(dialogName, QStringLiteral("ShareDialog"));
    QCOMPARE(TestSupport::clearDialogSeams(), 0);
    QVERIFY(desktop.urls.isEmpty());
}

void TestButtons::menuButtonWritesMenuInItsLowerHalf()
{
    QMWidgets::MenuButton button(QStringLiteral("Go"));
    QPushButton plain(QStringLiteral("Go"));
    button.resize(90, 61);
    plain.resize(90, 61);
    const QImage withMenu = rendered(button);
    const QImage withoutMenu = rendered(plain);

    // The upper half is the plain button's; the word adds white pixels below.
    int whiter = 0;
    for (int y = 0; y < 61; ++y) {
        for (int x = 0; x < 90; ++x) {
            const QRgb a = withMenu.pixel(x, y);
            const QRgb b = withoutMenu.pixel(x, y);
            if (a == b)
                continue;
            QVERIFY2(y >= 30 && y < 60, qPrintable(QStringLiteral("changed at %1,%2").arg(x).arg(y)));
            if (qGray(a) > qGray(b))
                ++whiter;
        }
    }
    QVERIFY(whiter > 20);
}

void TestButtons::bubbleHidesOnPressesInTheApplication()
{
    QMWidgets::BubbleWindow bubble;
    bubble.resize(200, 100);
    QWidget elsewhere;
    elsewhere.resize(100, 100);
    elsewhere.show();
    bubble.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bubble));

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
