// The shell's widgets and dialogs, driven by real clicks and keys.

#include "aboutdialog.h"
#include "app.h"
#include "appbutton.h"
#include "appmenu.h"
#include "comboslider.h"
#include "desktoprecorder.h"
#include "dialogrunner.h"
#include "dialogseams.h"
#include "followdialog.h"
#include "helpdialog.h"
#include "label.h"
#include "mmessagebox.h"
#include "moreappsbutton.h"
#include "os.h"
#include "promomainpage.h"
#include "promomenubar.h"
#include "sharedialog.h"
#include "testapp.h"
#include "testpictures.h"
#include "tooling.h"
#include "widgetutils.h"

#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>

#include <functional>
#include <memory>

using QMWidgets::App;
using QMWidgets::app;
using QMWidgets::DialogRunner;

namespace {
// The class of the dialog that act() opens (the dialog is closed at once).
QString dialogOpenedBy(const std::function<void()>& act)
{
    const auto seen = std::make_shared<QString>();
    DialogRunner::setNextHandler([seen](QDialog& dialog) {
        *seen = QString::fromLatin1(dialog.metaObject()->className());
        return 0;
    });
    act();
    return *seen;
}

QStringList actionTexts(const QMenu* menu)
{
    QStringList texts;
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator())
            texts.append(action->text());
    }
    return texts;
}

bool isRed(QRgb pixel)
{
    return qRed(pixel) > 200 && qGreen(pixel) < 60 && qBlue(pixel) < 60;
}
} // namespace

class TestShellWidgets : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void comboSliderFollowsTheUser();
    void labelPaintsItsPixmap_data();
    void labelPaintsItsPixmap();
    void emptyToolTipKeepsTheOldOne();
    void messageBoxButtons_data();
    void messageBoxButtons();

    void menuBar_data();
    void menuBar();
    void appMenuItems();
    void quitGoesTheOrdinaryWayOrThroughTheSignal();
    void moreAppsMenu();

    void aboutDialog();
    void shareAndFollowDialogs_data();
    void shareAndFollowDialogs();
    void helpDialogSlideShow();
    void showInExplorer_data();
    void showInExplorer();
};

void TestShellWidgets::cleanup()
{
    QCOMPARE(TestSupport::clearDialogSeams(), 0);
}

void TestShellWidgets::comboSliderFollowsTheUser()
{
    QMWidgets::ComboSlider combo { QString() };
    combo.setRange(4, 256);
    QVERIFY(combo.captionLabel()->isHidden());
    QVERIFY(!QMWidgets::ComboSlider(QStringLiteral("Quality")).captionLabel()->isHidden());
    for (const QPair<int, int>& setAndGot : { qMakePair(1, 4), qMakePair(1000, 256) }) { // clamped alike
        combo.setValue(setAndGot.first);
        QCOMPARE(combo.value(), setAndGot.second);
        QCOMPARE(combo.spinBox()->value(), setAndGot.second);
    }
    combo.setValue(100);
    combo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&combo));
    QSignalSpy moved(&combo, &QMWidgets::ComboSlider::sliderMoved);

    // Typing into the spin box moves the slider, and the slider's keys the spin box.
    combo.spinBox()->selectAll();
    QTest::keyClicks(combo.spinBox(), QStringLiteral("64"));
    QTest::keyClick(combo.spinBox(), Qt::Key_Enter);
    QCOMPARE(combo.value(), 64);
    QCOMPARE(moved.last().first().toInt(), 64);
    combo.slider()->setFocus();
    QTest::keyClick(combo.slider(), Qt::Key_End);
    QCOMPARE(combo.spinBox()->value(), 256);
    QCOMPARE(moved.last().first().toInt(), 256);

    combo.setEnabled(false);
    QVERIFY(!combo.slider()->isEnabled() && !combo.spinBox()->isEnabled());
}

void TestShellWidgets::labelPaintsItsPixmap_data()
{
    QTest::addColumn<int>("aspectMode");
    QTest::addColumn<double>("opacity");
    QTest::addColumn<bool>("edgeRed");
    QTest::addColumn<bool>("centreFullRed");

    QTest::newRow("kept inside") << 0 << 1.0 << false << true;
    QTest::newRow("expanding fills") << 1 << 1.0 << true << true;
    QTest::newRow("half transparent") << 0 << 0.5 << false << false;
}

void TestShellWidgets::labelPaintsItsPixmap()
{
    QFETCH(int, aspectMode);
    QFETCH(double, opacity);
    QFETCH(bool, edgeRed);
    QFETCH(bool, centreFullRed);

    QMWidgets::Label label;
    label.setStyleSheet(QStringLiteral("background: white; border: none; padding: 0px"));
    label.resize(80, 40);
    QPixmap red(10, 10);
    red.fill(Qt::red);
    label.setPixmap(red);
    label.setAspectMode(aspectMode);
    label.setOpacity(opacity);

    const QImage shot = label.grab().toImage();
    const QRgb centre = shot.pixel(40, 20);
    QCOMPARE(isRed(shot.pixel(3, 20)), edgeRed);
    QCOMPARE(isRed(centre), centreFullRed);
    if (!centreFullRed) // half red over white
        QVERIFY(qAbs(qGreen(centre) - 128) < 20 && qRed(centre) > 240);
}

void TestShellWidgets::emptyToolTipKeepsTheOldOne()
{
    QPushButton button;
    button.setToolTip(QStringLiteral("old"));
    QMWidgets::setObjectNameAndToolTip(&button, QStringLiteral("Named"), QString());
    QCOMPARE(button.objectName(), QStringLiteral("Named"));
    QCOMPARE(button.toolTip(), QStringLiteral("old"));
    QMWidgets::setObjectNameAndToolTip(&button, QStringLiteral("Named"), QStringLiteral("new"));
    QCOMPARE(button.toolTip(), QStringLiteral("new"));
}

void TestShellWidgets::messageBoxButtons_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<QString>("click");
    QTest::addColumn<int>("result");

    const int yesNo = QMessageBox::Yes | QMessageBox::No;
    const auto row = [](const char* name, int buttons, const char* click, int result) {
        QTest::newRow(name) << buttons << QString::fromLatin1(click) << result;
    };
    row("yes", yesNo, "Yes", QMessageBox::Yes);
    row("escape with cancel", yesNo | QMessageBox::Cancel, "", QMessageBox::Cancel);
    row("escape without cancel", yesNo, "", QMessageBox::NoButton);
    row("yes to all", QMessageBox::YesToAll | QMessageBox::NoToAll, "Yes to All", QMessageBox::YesToAll);
    row("user button", QMessageBox::Ok, "Mine", QMWidgets::MMessageBox::UserButton);
}

void TestShellWidgets::messageBoxButtons()
{
    QFETCH(int, buttons);
    QFETCH(QString, click);
    QFETCH(int, result);

    QWidget parent;
    QMWidgets::MMessageBox box(QMWidgets::MMessageBox::Information, QString(),
                               QStringLiteral("Save changes?"), QMessageBox::StandardButtons(buttons),
                               &parent, QStringLiteral("Mine"));
    QCOMPARE(box.windowTitle(), QStringLiteral("Lumastrand"));
    DialogRunner::setNextHandler(
        [&click](QDialog& dialog) { return TestSupport::answerDialog(dialog, click); });
    QCOMPARE(box.exec(), result);
    QVERIFY(box.findChild<QLabel*>(QStringLiteral("MessageBoxIcon")));
}

void TestShellWidgets::menuBar_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<QStringList>("folded");

    // The narrow row is the main page's bar: no More Apps button, a settings button added.
    QTest::newRow("narrow page") << 290 << QStringList({ "Share", "Join" });
    QTest::newRow("wide") << 600 << QStringList();
}

void TestShellWidgets::menuBar()
{
    QFETCH(int, width);
    QFETCH(QStringList, folded);

    DesktopRecorder desktop;
    QMWidgets::PromoMainPage page;
    page.setFixedSize(width, 390);
    QMWidgets::PromoMenuBar* bar = page.menuBar();
    const bool narrow = width < 400;
    if (narrow) {
        bar->hideMoreAppsButton();
        auto* settings = new QPushButton;
        settings->setFixedSize(50, 32);
        bar->addWidget(settings);
        QCOMPARE(settings->parentWidget(), bar);
    }
    auto* layout = new QVBoxLayout(&page);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(bar);
    layout->addStretch(1);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));

    QCOMPARE(bar->objectName(), QStringLiteral("MenuBar")); // the style sheet's names
    QCOMPARE(bar->height(), 45);

    // Nothing sticks out of the bar or lies on top of another button.
    QList<QRect> taken;
    for (QPushButton* button : bar->findChildren<QPushButton*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (button->isHidden())
            continue;
        QVERIFY2(bar->rect().contains(button->geometry()), qPrintable(button->objectName()));
        for (const QRect& other : qAsConst(taken))
            QVERIFY2(!other.intersects(button->geometry()), qPrintable(button->objectName()));
        taken.append(button->geometry());
    }
    // What did not fit is reachable from the "more" menu, in bar order.
    QCOMPARE(actionTexts(bar->moreMenu()), folded);
    QCOMPARE(bar->moreButton()->isVisible(), narrow);
    QCOMPARE(bar->moreAppsButton()->isVisible(), !narrow);
    QVERIFY(bar->appButton()->isVisible());
    const auto press = [&](QPushButton* button) {
        QCOMPARE(button->isVisible(), !folded.contains(button->toolTip()));
        if (button->isVisible())
            return QTest::mouseClick(button, Qt::LeftButton);
        for (QAction* action : bar->moreMenu()->actions()) {
            if (action->text() == button->toolTip())
                action->trigger();
        }
    };
    press(bar->rateButton());
    QCOMPARE(desktop.urls, QList<QUrl> { QUrl(app()->storeLink(App::ReviewPage, app()->rateLink())) });
    const QList<QPair<QPushButton*, QString>> dialogs = {
        { bar->introButton(), QStringLiteral("QMWidgets::HelpDialog") },
        { bar->shareButton(), QStringLiteral("QMWidgets::ShareDialog") },
        { bar->joinButton(), QStringLiteral("QMWidgets::FollowDialog") },
    };
    for (const auto& pair : dialogs)
        QCOMPARE(dialogOpenedBy([&] { press(pair.first); }), pair.second);
}

void TestShellWidgets::appMenuItems()
{
    DesktopRecorder desktop;
    QWidget mainWidget;
    app()->setMainWidget(&mainWidget);
    QMWidgets::AppButton button;
    QMWidgets::AppMenu* menu = button.appMenu();
    QCOMPARE(button.objectName(), QStringLiteral("AppButton"));
    QCOMPARE(button.menu(), menu);
    QCOMPARE(actionTexts(menu),
             QStringList({ "Rate", "Intro", "Share", "Join", "More Apps", "Contact", "Support Page",
                           "Check for Updates", "Privacy Policy", "About", "Quit" }));

    button.hideSupportPageItem();
    button.hideIntroItem();
    QVERIFY(!menu->supportPageAction()->isVisible() && !menu->introAction()->isVisible());
    QVERIFY(menu->rateAction()->isVisible());

    menu->contactAction()->trigger();
    menu->privacyPolicyAction()->trigger();
    menu->supportPageAction()->trigger();
    QCOMPARE(desktop.urls.size(), 3);
    QCOMPARE(desktop.urls.at(0).scheme(), QStringLiteral("mailto"));
    QVERIFY(desktop.urls.at(1).toString().contains(QStringLiteral("privacy")));
    QVERIFY(desktop.urls.at(2).toString().contains(QStringLiteral("support")));

    // The about box belongs to the main widget.
    QWidget* parent = nullptr;
    DialogRunner::setNextHandler([&parent](QDialog& dialog) {
        parent = dialog.parentWidget();
        return 0;
    });
    menu->aboutAction()->trigger();
    QCOMPARE(parent, &mainWidget);
    app()->setMainWidget(nullptr);
}

void TestShellWidgets::quitGoesTheOrdinaryWayOrThroughTheSignal()
{
    QMWidgets::PromoMainPage bySignal(nullptr, true);
    QMWidgets::PromoMainPage ordinary(nullptr, false);
    bySignal.show();
    ordinary.show();
    QSignalSpy requested(&bySignal, &QMWidgets::PromoMainPage::quitRequested);
    QSignalSpy notRequested(&ordinary, &QMWidgets::PromoMainPage::quitRequested);

    bySignal.menuBar()->appButton()->appMenu()->quitAction()->trigger();
    QCOMPARE(requested.count(), 1);
    QVERIFY(bySignal.isVisible());

    ordinary.menuBar()->appButton()->appMenu()->quitAction()->trigger();
    QCOMPARE(notRequested.count(), 0);
    QVERIFY(!ordinary.isVisible() && !bySignal.isVisible());
}

void TestShellWidgets::moreAppsMenu()
{
    DesktopRecorder desktop;
    QMWidgets::MoreAppsButton button;
    QCOMPARE(button.objectName(), QStringLiteral("MoreAppsButton"));
    button.fill(QStringLiteral("graphics"));
    const QStringList names = actionTexts(button.appsMenu());
    QVERIFY(names.size() >= 2);
    QVERIFY(!names.contains(QStringLiteral("Lumastrand")));
    QCOMPARE(names.last(), QStringLiteral("More Apps..."));

    button.appsMenu()->actions().first()->trigger();
    button.appsMenu()->actions().last()->trigger();
    QCOMPARE(desktop.urls.size(), 2);
    QVERIFY(desktop.urls.at(0).toString().endsWith(QStringLiteral("?appname=lumastrand")));
    QCOMPARE(desktop.urls.at(1).toString(), app()->storeLink(App::PublisherPage, app()->moreAppsLink()));
}

void TestShellWidgets::aboutDialog()
{
    DesktopRecorder desktop;
    const QString resources = app()->resourcesDirectory();
    QVERIFY(!QMWidgets::AboutDialog().licenseButton()->isEnabled()); // no licence file yet

    QVERIFY(QDir().mkpath(resources));
    const QString license = resources + QStringLiteral("LICENSE.LGPL");
    QVERIFY(TestSupport::writeFile(license, "GNU LESSER GENERAL PUBLIC LICENSE"));

    QMWidgets::AboutDialog dialog;
    QStringList texts;
    for (QLabel* label : dialog.findChildren<QLabel*>())
        texts.append(label->text());
    const QString all = texts.join(QLatin1Char('\n'));
    QVERIFY(all.contains(QStringLiteral("<H3>This Application Uses:</H3>")));
    QVERIFY(all.contains(QStringLiteral("Qt ") + QString::fromLatin1(qVersion())));
    QVERIFY(all.contains(QStringLiteral("1.9.2")));
    QVERIFY(dialog.findChild<QFrame*>(QStringLiteral("AboutLegalInfo")));

    QTest::mouseClick(dialog.licenseButton(), Qt::LeftButton);
    QCOMPARE(desktop.urls, QList<QUrl> { QUrl::fromLocalFile(license) });
    QDir(resources).removeRecursively();
}

void TestShellWidgets::shareAndFollowDialogs_data()
{
    QTest::addColumn<bool>("follow");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("opened");

    const auto row = [](const char* name, bool follow, const char* button, int code, const char* opened) {
        QTest::newRow(name) << follow << QString::fromLatin1(button) << code << QString::fromLatin1(opened);
    };
    row("share on facebook", false, "FaceBookShareButton", 0, "http://127.0.0.1:9/social/share.php?link=");
    row("tell a friend", false, "EmailShareButton", 1, "mailto:?subject=Check out the cool");
    row("follow on youtube", true, "YouTubeJoinButton", 0, "http://127.0.0.1:9/social/join.php?link=");
    row("write to us", true, "EmailJoinButton", 1, "mailto:support@halvick.example");
}

void TestShellWidgets::shareAndFollowDialogs()
{
    QFETCH(bool, follow);
    QFETCH(QString, button);
    QFETCH(int, code);
    QFETCH(QString, opened);

    DesktopRecorder desktop;
    app()->setShareLinks(QString());
    const std::unique_ptr<QMWidgets::ReminderStateDialog> dialog(
        follow ? static_cast<QMWidgets::ReminderStateDialog*>(new QMWidgets::FollowDialog)
               : new QMWidgets::ShareDialog);

    DialogRunner::setNextHandler([&button](QDialog& shown) {
        QTest::mouseClick(shown.findChild<QPushButton*>(button), Qt::LeftButton);
        return shown.result();
    });
    QCOMPARE(DialogRunner::exec(*dialog), code);
    QCOMPARE(dialog->state(), code);
    QCOMPARE(desktop.urls.size(), 1);
    QVERIFY2(desktop.urls.first().toString(QUrl::FullyDecoded).startsWith(opened),
             qPrintable(desktop.urls.first().toString()));
}

void TestShellWidgets::helpDialogSlideShow()
{
    DesktopRecorder desktop;
    QTemporaryDir dir;
    QStringList slides;
    for (int i = 1; i <= 3; ++i) {
        slides.append(
            TestSupport::writePicture(dir, QStringLiteral("Slide%1_en.jpg").arg(i), QSize(40, 30), Qt::red));
        QVERIFY(!slides.last().isEmpty());
    }
    slides.append(dir.filePath(QStringLiteral("missing.jpg")));

    QMWidgets::HelpDialog dialog(slides, QStringLiteral("https://video.example/list"));
    QCOMPARE(dialog.slideCount(), 4);
    QCOMPARE(dialog.currentSlide(), 0);
    QCOMPARE(dialog.slideTimer()->interval(), 5000);
    QVERIFY(dialog.slideTimer()->isActive());

    // Each tick of the slide timer shows the next slide, round and round; a
    // jump button goes straight to its slide and the show goes on from there.
    for (int expected : { 1, 2, 3, 0 }) {
        QMetaObject::invokeMethod(dialog.slideTimer(), "timeout");
        QCOMPARE(dialog.currentSlide(), expected);
    }
    const auto jumpButtons = dialog.findChildren<QPushButton*>(QStringLiteral("HelpSlideButton"));
    QCOMPARE(jumpButtons.size(), 4);
    QTest::mouseClick(jumpButtons.at(2), Qt::LeftButton);
    QCOMPARE(dialog.currentSlide(), 2);
    QVERIFY(jumpButtons.at(2)->isChecked());
    QMetaObject::invokeMethod(dialog.slideTimer(), "timeout");
    QCOMPARE(dialog.currentSlide(), 3);
    // A missing slide shows a text instead of a picture.
    auto* picture = dialog.findChild<QMWidgets::Label*>();
    QVERIFY(picture->pixmap().isNull());
    QVERIFY(picture->text().contains(QStringLiteral("4")));

    QTest::mouseClick(dialog.videoButton(), Qt::LeftButton);
    QCOMPARE(desktop.urls, QList<QUrl> { QUrl(QStringLiteral("https://video.example/list")) });

    QMWidgets::HelpDialog empty { QStringList(), QString() };
    QVERIFY(empty.videoButton()->isHidden());
    QVERIFY(!empty.slideTimer()->isActive());
}

void TestShellWidgets::showInExplorer_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("fileManagerAnswers");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("opened");

    const auto row
        = [](const char* name, const char* path, bool answers, const char* shown, const char* opened) {
              QTest::newRow(name) << QString::fromLatin1(path) << answers << QString::fromLatin1(shown)
                                  << QString::fromLatin1(opened);
          };
    row("selected in the file manager", "/tmp/out//Icons", true, "/tmp/out/Icons", "");
    row("no file manager: open the folder", "/tmp/out//Icons", false, "/tmp/out/Icons", "file:///tmp/out");
    row("file", "/tmp/shot.png", false, "/tmp/shot.png", "file:///tmp");
}

void TestShellWidgets::showInExplorer()
{
    QFETCH(QString, path);
    QFETCH(bool, fileManagerAnswers);
    QFETCH(QString, shown);
    QFETCH(QString, opened);

    DesktopRecorder desktop;
    desktop.fileManagerAnswers = fileManagerAnswers;
    Os::showInExplorer(path);
    QCOMPARE(desktop.shownItems, QStringList { shown });
    QCOMPARE(desktop.urls, opened.isEmpty() ? QList<QUrl>() : QList<QUrl> { QUrl(opened) });
}

int main(int argc, char** argv)
{
    qputenv("LUMASTRAND_SERVER", "http://127.0.0.1:9");
    TestApp app;
    app.setApplicationVersion(QStringLiteral("1.9.2"));
    TestShellWidgets test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_shellwidgets.moc"
