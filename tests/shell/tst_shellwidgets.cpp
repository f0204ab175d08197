// The shell's widgets and dialogs, driven by real clicks and keys.

#include "aboutdialog.h"
#include "app.h"
#include "appargs.h"
#include "appbutton.h"
#include "appmenu.h"
#include "comboslider.h"
#include "desktoprecorder.h"
#include "dialogrunner.h"
#include "followdialog.h"
#include "helpdialog.h"
#include "label.h"
#include "mmessagebox.h"
#include "moreappsbutton.h"
#include "os.h"
#include "promomainpage.h"
#include "promomenubar.h"
#include "sharedialog.h"
#include "widgetutils.h"

#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

using QMWidgets::App;
using QMWidgets::DialogRunner;

namespace {
QPushButton* buttonWithText(QWidget& parent, const QString& text)
{
    for (QPushButton* button : parent.findChildren<QPushButton*>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

// Queues a handler that notes the class of the next dialog and closes it.
QString* expectDialog()
{
    auto* seen = new QString;
    DialogRunner::setNextHandler([seen](QDialog& dialog) {
        *seen = QString::fromLatin1(dialog.metaObject()->className());
        return 0;
    });
    return seen;
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
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void comboSliderKeepsBothInStep_data();
    void comboSliderKeepsBothInStep();
    void comboSliderFollowsTheUser();
    void labelPaintsItsPixmap_data();
    void labelPaintsItsPixmap();
    void objectNameAndToolTip();

    void messageBoxButtons_data();
    void messageBoxButtons();

    void menuBarFitsNarrowPage();
    void menuBarWideShowsAllButtons();
    void menuBarButtonsReachTheApplication();
    void appMenuItems();
    void quitGoesTheOrdinaryWayOrThroughTheSignal();
    void moreAppsMenu();

    void aboutDialog();
    void shareAndFollowDialogs_data();
    void shareAndFollowDialogs();
    void helpDialogSlideShow();
    void showInExplorer_data();
    void showInExplorer();

private:
    std::unique_ptr<AppArgs> m_args;
    std::unique_ptr<App> m_app;
};

void TestShellWidgets::initTestCase()
{
    qputenv("LUMASTRAND_SERVER", "http://127.0.0.1:9");
    m_args = std::make_unique<AppArgs>();
    m_app = std::make_unique<App>(m_args->argc, m_args->argv, QStringLiteral("Halvick"),
                                  QStringLiteral("Lumastrand"));
    m_app->setApplicationVersion(QStringLiteral("1.9.2"));
}

void TestShellWidgets::cleanupTestCase()
{
    m_app.reset();
}

void TestShellWidgets::init()
{
    DialogRunner::clearHandlers();
}

void TestShellWidgets::cleanup()
{
    QCOMPARE(DialogRunner::pendingHandlers(), 0);
    DialogRunner::clearHandlers();
}

void TestShellWidgets::comboSliderKeepsBothInStep_data()
{
    QTest::addColumn<int>("set");
    QTest::addColumn<int>("expected");

    QTest::newRow("inside") << 128 << 128;
    QTest::newRow("lowest") << 4 << 4;
    QTest::newRow("below is clamped") << 1 << 4;
    QTest::newRow("above is clamped") << 1000 << 256;
}

void TestShellWidgets::comboSliderKeepsBothInStep()
{
    QFETCH(int, set);
    QFETCH(int, expected);

    QMWidgets::ComboSlider slider(QStringLiteral("Quality"));
    slider.setRange(4, 256);
    slider.setValue(set);
    QCOMPARE(slider.value(), expected);
    QCOMPARE(slider.spinBox()->value(), expected);
    QVERIFY(!slider.captionLabel()->isHidden());
    QVERIFY(slider.trailingLabel()->isHidden());
    QCOMPARE(slider.slider()->tickInterval(), 20);
}

void TestShellWidgets::comboSliderFollowsTheUser()
{
    QMWidgets::ComboSlider combo { QString() };
    combo.setRange(4, 256);
    combo.setValue(100);
    combo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&combo));
    QVERIFY(combo.captionLabel()->isHidden());
    QSignalSpy moved(&combo, &QMWidgets::ComboSlider::sliderMoved);

    // Typing into the spin box moves the slider.
    combo.spinBox()->selectAll();
    QTest::keyClicks(combo.spinBox(), QStringLiteral("64"));
    QTest::keyClick(combo.spinBox(), Qt::Key_Enter);
    QCOMPARE(combo.value(), 64);
    QVERIFY(!moved.isEmpty());
    QCOMPARE(moved.last().first().toInt(), 64);

    // Dragging the slider (here: its keys) updates the spin box.
    combo.slider()->setFocus();
    QTest::keyClick(combo.slider(), Qt::Key_End);
    QCOMPARE(combo.spinBox()->value(), 256);
    QCOMPARE(moved.last().first().toInt(), 256);

    combo.setEnabled(false);
    QVERIFY(!combo.slider()->isEnabled());
    QVERIFY(!combo.spinBox()->isEnabled());
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
    if (!centreFullRed) {
        // Half red over white.
        QVERIFY(qAbs(qGreen(centre) - 128) < 20);
        QVERIFY(qRed(centre) > 240);
    }
}

void TestShellWidgets::objectNameAndToolTip()
{
    QPushButton button;
    button.setToolTip(QStringLiteral("old"));
    QMWidgets::setObjectNameAndToolTip(&button, QStringLiteral("Named"), QString());
    QCOMPARE(button.objectName(), QStringLiteral("Named"));
    QCOMPARE(button.toolTip(), QStringLiteral("old"));
    QMWidgets::setObjectNameAndToolTip(&button, QStringLiteral("Named"), QStringLiteral("new"));
    QCOMPARE(button.toolTip(), QStringLiteral("new"));

    QMWidgets::setupPushButton(&button);
    QCOMPARE(button.objectName(), QStringLiteral("PushButton"));
    QVERIFY(button.isFlat());
    QCOMPARE(button.minimumHeight(), 32);
    QPushButton square;
    QMWidgets::setupSquareButton(&square);
    QCOMPARE(square.size(), QSize(32, 32));
}

void TestShellWidgets::messageBoxButtons_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<QString>("click");
    QTest::addColumn<int>("result");

    const int yesNo = QMessageBox::Yes | QMessageBox::No;
    const int yesNoCancel = yesNo | QMessageBox::Cancel;
    QTest::newRow("yes") << yesNo << "Yes" << int(QMessageBox::Yes);
    QTest::newRow("no") << yesNo << "No" << int(QMessageBox::No);
    QTest::newRow("cancel") << yesNoCancel << "Cancel" << int(QMessageBox::Cancel);
    QTest::newRow("escape with cancel") << yesNoCancel << "" << int(QMessageBox::Cancel);
    QTest::newRow("escape without cancel") << yesNo << "" << int(QMessageBox::NoButton);
    QTest::newRow("yes to all") << int(QMessageBox::YesToAll | QMessageBox::NoToAll) << "Yes to All"
                                << int(QMessageBox::YesToAll);
    QTest::newRow("retry") << int(QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore) << "Retry"
                           << int(QMessageBox::Retry);
    QTest::newRow("user button") << int(QMessageBox::Ok) << "Mine" << int(QMWidgets::MMessageBox::UserButton);
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
    DialogRunner::setNextHandler([&click](QDialog& dialog) {
        if (click.isEmpty())
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else if (QPushButton* button = buttonWithText(dialog, click))
            QTest::mouseClick(button, Qt::LeftButton);
        return dialog.result();
    });
    QCOMPARE(box.exec(), result);
    QVERIFY(box.findChild<QLabel*>(QStringLiteral("MessageBoxIcon")));
}

void TestShellWidgets::menuBarFitsNarrowPage()
{
    QMWidgets::PromoMainPage page;
    page.setFixedSize(290, 390);
    QMWidgets::PromoMenuBar* bar = page.menuBar();
    bar->hideMoreAppsButton();
    auto* settings = new QPushButton;
    settings->setFixedSize(50, 32);
    bar->addWidget(settings);
    auto* layout = new QVBoxLayout(&page);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(bar);
    layout->addStretch(1);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));

    QCOMPARE(settings->parentWidget(), bar);
    QVERIFY(bar->moreAppsButton()->isHidden());
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
    QVERIFY(bar->moreButton()->isVisible());
    QStringList folded;
    for (QAction* action : bar->moreMenu()->actions())
        folded.append(action->text());
    QCOMPARE(folded, QStringList({ QStringLiteral("Share"), QStringLiteral("Join") }));
    QVERIFY(bar->introButton()->isVisible());
    QVERIFY(bar->rateButton()->isVisible());

    QString* seen = expectDialog();
    bar->moreMenu()->actions().first()->trigger();
    QCOMPARE(*seen, QStringLiteral("QMWidgets::ShareDialog"));
    delete seen;
}

void TestShellWidgets::menuBarWideShowsAllButtons()
{
    QMWidgets::PromoMenuBar bar;
    bar.resize(600, 45);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    for (QPushButton* button :
         { bar.introButton(), bar.rateButton(), bar.shareButton(), bar.joinButton(),
           static_cast<QPushButton*>(bar.moreAppsButton()), static_cast<QPushButton*>(bar.appButton()) })
        QVERIFY2(button->isVisible(), qPrintable(button->objectName()));
    QVERIFY(bar.moreButton()->isHidden());
    QCOMPARE(bar.objectName(), QStringLiteral("MenuBar"));
    QCOMPARE(bar.height(), 45);
}

void TestShellWidgets::menuBarButtonsReachTheApplication()
{
    DesktopRecorder desktop;
    QMWidgets::PromoMenuBar bar;
    bar.resize(600, 45);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));

    QTest::mouseClick(bar.rateButton(), Qt::LeftButton);
    QCOMPARE(desktop.urls.size(), 1);
    QCOMPARE(desktop.urls.first().toString(), m_app->storeLink(App::ReviewPage, m_app->rateLink()));

    const QList<QPair<QPushButton*, QString>> dialogs = {
        { bar.introButton(), QStringLiteral("QMWidgets::HelpDialog") },
        { bar.shareButton(), QStringLiteral("QMWidgets::ShareDialog") },
        { bar.joinButton(), QStringLiteral("QMWidgets::FollowDialog") },
    };
    for (const auto& pair : dialogs) {
        QString* seen = expectDialog();
        QTest::mouseClick(pair.first, Qt::LeftButton);
        QCOMPARE(*seen, pair.second);
        delete seen;
    }
}

void TestShellWidgets::appMenuItems()
{
    DesktopRecorder desktop;
    QWidget mainWidget;
    m_app->setMainWidget(&mainWidget);
    QMWidgets::AppButton button;
    QCOMPARE(button.objectName(), QStringLiteral("AppButton"));
    QCOMPARE(button.menu(), button.appMenu());

    QStringList texts;
    for (QAction* action : button.appMenu()->actions()) {
        if (!action->isSeparator())
            texts.append(action->text());
    }
    QCOMPARE(texts,
             QStringList({ "Rate", "Intro", "Share", "Join", "More Apps", "Contact", "Support Page",
                           "Check for Updates", "Privacy Policy", "About", "Quit" }));

    button.hideSupportPageItem();
    button.hideIntroItem();
    QVERIFY(!button.appMenu()->supportPageAction()->isVisible());
    QVERIFY(!button.appMenu()->introAction()->isVisible());
    QVERIFY(button.appMenu()->rateAction()->isVisible());

    button.appMenu()->contactAction()->trigger();
    button.appMenu()->privacyPolicyAction()->trigger();
    button.appMenu()->supportPageAction()->trigger();
    QCOMPARE(desktop.urls.size(), 3);
    QCOMPARE(desktop.urls.at(0).scheme(), QStringLiteral("mailto"));
    QVERIFY(desktop.urls.at(1).toString().contains(QStringLiteral("privacy")));
    QVERIFY(desktop.urls.at(2).toString().contains(QStringLiteral("support")));

    QWidget* parent = nullptr;
    DialogRunner::setNextHandler([&parent](QDialog& dialog) {
        parent = dialog.parentWidget();
        return 0;
    });
    button.appMenu()->aboutAction()->trigger();
    QCOMPARE(parent, &mainWidget);

    QSignalSpy quit(&button, &QMWidgets::AppButton::quitPressed);
    button.appMenu()->quitAction()->trigger();
    QCOMPARE(quit.count(), 1);
    m_app->setMainWidget(nullptr);
}

void TestShellWidgets::quitGoesTheOrdinaryWayOrThroughTheSignal()
{
    QMWidgets::PromoMainPage bySignal(nullptr, true);
    bySignal.show();
    QSignalSpy requested(&bySignal, &QMWidgets::PromoMainPage::quitRequested);
    bySignal.menuBar()->appButton()->appMenu()->quitAction()->trigger();
    QCOMPARE(requested.count(), 1);
    QVERIFY(bySignal.isVisible());

    QMWidgets::PromoMainPage ordinary(nullptr, false);
    ordinary.show();
    QSignalSpy notRequested(&ordinary, &QMWidgets::PromoMainPage::quitRequested);
    ordinary.menuBar()->appButton()->appMenu()->quitAction()->trigger();
    QCOMPARE(notRequested.count(), 0);
    QVERIFY(!ordinary.isVisible());
    QVERIFY(!bySignal.isVisible());
}

void TestShellWidgets::moreAppsMenu()
{
    DesktopRecorder desktop;
    QMWidgets::MoreAppsButton button;
    QCOMPARE(button.objectName(), QStringLiteral("MoreAppsButton"));
    button.fill(QStringLiteral("graphics"));

    QStringList names;
    for (QAction* action : button.appsMenu()->actions()) {
        if (!action->isSeparator())
            names.append(action->text());
    }
    QVERIFY(names.size() >= 2);
    QVERIFY(!names.contains(QStringLiteral("Lumastrand")));
    QCOMPARE(names.last(), QStringLiteral("More Apps..."));

    button.appsMenu()->actions().first()->trigger();
    button.appsMenu()->actions().last()->trigger();
    QCOMPARE(desktop.urls.size(), 2);
    QVERIFY(desktop.urls.at(0).toString().endsWith(QStringLiteral("?appname=lumastrand")));
    QCOMPARE(desktop.urls.at(1).toString(), m_app->storeLink(App::PublisherPage, m_app->moreAppsLink()));
}

void TestShellWidgets::aboutDialog()
{
    DesktopRecorder desktop;
    const QString resources = m_app->resourcesDirectory();
    {
        QMWidgets::AboutDialog dialog;
        QVERIFY(!dialog.licenseButton()->isEnabled());
    }

    QVERIFY(QDir().mkpath(resources));
    QFile license(resources + QStringLiteral("LICENSE.LGPL"));
    QVERIFY(license.open(QIODevice::WriteOnly));
    license.write("GNU LESSER GENERAL PUBLIC LICENSE");
    license.close();

    QMWidgets::AboutDialog dialog;
    QStringList texts;
    for (QLabel* label : dialog.findChildren<QLabel*>())
        texts.append(label->text());
    const QString all = texts.join(QLatin1Char('\n'));
    QVERIFY(all.contains(QStringLiteral("<H3>This Application Uses:</H3>")));
    QVERIFY(all.contains(QStringLiteral("Qt ") + QString::fromLatin1(qVersion())));
    QVERIFY(all.contains(QStringLiteral("1.9.2")));
    QVERIFY(dialog.findChild<QFrame*>(QStringLiteral("AboutLegalInfo")));

    QVERIFY(dialog.licenseButton()->isEnabled());
    QTest::mouseClick(dialog.licenseButton(), Qt::LeftButton);
    QCOMPARE(desktop.urls.size(), 1);
    QCOMPARE(desktop.urls.first(), QUrl::fromLocalFile(license.fileName()));
    QDir(resources).removeRecursively();
}

void TestShellWidgets::shareAndFollowDialogs_data()
{
    QTest::addColumn<bool>("follow");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("opened");

    QTest::newRow("share on facebook")
        << false << "FaceBookShareButton" << 0 << "http://127.0.0.1:9/social/share.php?link=";
    QTest::newRow("tell a friend") << false << "EmailShareButton" << 1
                                   << "mailto:?subject=Check out the cool";
    QTest::newRow("follow on youtube")
        << true << "YouTubeJoinButton" << 0 << "http://127.0.0.1:9/social/join.php?link=";
    QTest::newRow("write to us") << true << "EmailJoinButton" << 1 << "mailto:support@halvick.example";
}

void TestShellWidgets::shareAndFollowDialogs()
{
    QFETCH(bool, follow);
    QFETCH(QString, button);
    QFETCH(int, code);
    QFETCH(QString, opened);

    DesktopRecorder desktop;
    m_app->setShareLinks(QString());
    std::unique_ptr<QMWidgets::ReminderStateDialog> dialog;
    if (follow)
        dialog = std::make_unique<QMWidgets::FollowDialog>();
    else
        dialog = std::make_unique<QMWidgets::ShareDialog>();

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
    const QList<QColor> colours = { Qt::red, Qt::green, Qt::blue };
    for (int i = 0; i < colours.size(); ++i) {
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(colours.at(i));
        slides.append(dir.filePath(QStringLiteral("Slide%1_en.jpg").arg(i + 1)));
        QVERIFY(image.save(slides.last(), "PNG"));
    }
    slides.append(dir.filePath(QStringLiteral("missing.jpg")));

    QMWidgets::HelpDialog dialog(slides, QStringLiteral("https://video.example/list"));
    QCOMPARE(dialog.slideCount(), 4);
    QCOMPARE(dialog.currentSlide(), 0);
    QCOMPARE(dialog.slideTimer()->interval(), 5000);
    QVERIFY(dialog.slideTimer()->isActive());

    // Each tick of the slide timer shows the next slide, round and round.
    for (int expected : { 1, 2, 3, 0 }) {
        QMetaObject::invokeMethod(dialog.slideTimer(), "timeout");
        QCOMPARE(dialog.currentSlide(), expected);
    }
    const QList<QPushButton*> jumpButtons
        = dialog.findChildren<QPushButton*>(QStringLiteral("HelpSlideButton"));
    QCOMPARE(jumpButtons.size(), 4);
    QTest::mouseClick(jumpButtons.at(2), Qt::LeftButton);
    QCOMPARE(dialog.currentSlide(), 2);
    QVERIFY(jumpButtons.at(2)->isChecked());
    QMetaObject::invokeMethod(dialog.slideTimer(), "timeout");
    QCOMPARE(dialog.currentSlide(), 3);
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

    QTest::newRow("selected in the file manager") << "/tmp/out//Icons" << true << "/tmp/out/Icons"
                                                  << "";
    QTest::newRow("no file manager: open the folder") << "/tmp/out//Icons" << false << "/tmp/out/Icons"
                                                      << "file:///tmp/out";
    QTest::newRow("file") << "/tmp/shot.png" << false << "/tmp/shot.png"
                          << "file:///tmp";
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
    if (opened.isEmpty())
        QVERIFY(desktop.urls.isEmpty());
    else
        QCOMPARE(desktop.urls, QList<QUrl> { QUrl(opened) });
}

int main(int argc, char** argv)
{
    TestShellWidgets test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_shellwidgets.moc"
