// The community and menu buttons, under the shell's application object.

#include "buttons/communitybutton.h"
#include "buttons/menubutton.h"
#include "desktoprecorder.h"
#include "dialogrunner.h"
#include "testapp.h"

#include <QtWidgets>

namespace {
// A real click opens the menu; a real click on the entry chooses it (and
// should that miss, the menu is closed so that the test goes on).
void choose(QMWidgets::CommunityButton& button, const QString& entry)
{
    QMenu* menu = button.menu();
    for (QAction* action : menu->actions()) {
        if (action->text() != entry)
            continue;
        QTimer::singleShot(0, menu, [menu, action] {
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
            menu->close();
        });
    }
    QTest::mouseClick(&button, Qt::LeftButton);
}
} // namespace

class TestButtons : public QObject
{
    Q_OBJECT

private slots:
    void communityMenuOpensTheLinkSet()
    {
        DesktopRecorder desktop;
        QMWidgets::CommunityButton button;
        button.show();
        // An address never set opens nothing; "Share" runs the shell's share dialog.
        QString dialogName;
        QMWidgets::DialogRunner::setNextHandler([&](QDialog& dialog) {
            dialogName = dialog.objectName();
            return 0;
        });
        choose(button, "FaceBook");
        choose(button, "Share");
        QCOMPARE(desktop.urls, QList<QUrl>());
        QCOMPARE(dialogName, QStringLiteral("ShareDialog"));

        button.setFaceBookUrl("https://facebook.example/");
        button.setYouTubeUrl("https://youtube.example/");
        button.setXingUrl("https://xing.example/");
        button.setMoiMirUrl("https://moimir.example/");
        for (const char* site : { "FaceBook", "YouTube", "Xing", "MoiMir" })
            choose(button, site);
        QCOMPARE(desktop.urls,
                 QList<QUrl>({ QUrl("https://facebook.example/"), QUrl("https://youtube.example/"),
                               QUrl("https://xing.example/"), QUrl("https://moimir.example/") }));
    }

    void menuButtonWritesMenuInItsLowerHalf()
    {
        // In white over the button's own face and border: none in the upper half.
        QMWidgets::MenuButton button;
        button.setStyleSheet(QStringLiteral("background: rgb(0, 0, 120); border: 2px solid rgb(255, 0, 0)"));
        button.resize(90, 60);
        const QImage shot = button.grab().toImage();
        int white[2] = {};
        for (int y = 0; y < 60; ++y) {
            for (int x = 0; x < 90; ++x) {
                const QRgb pixel = shot.pixel(x, y);
                white[y / 30] += qRed(pixel) > 200 && qBlue(pixel) > 200 ? 1 : 0;
            }
        }
        QCOMPARE(shot.pixel(0, 0), qRgb(255, 0, 0));
        QCOMPARE(shot.pixel(45, 15), qRgb(0, 0, 120));
        QVERIFY2(white[0] == 0 && white[1] > 20, qPrintable(QString::number(white[1])));
    }
};

LUMASTRAND_APP_TEST_MAIN(TestButtons)
#include "tst_buttons.moc"
