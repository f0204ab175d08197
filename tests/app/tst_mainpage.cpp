// The main page, and the program's start-up as main() runs it (main() is
// built into this test under the name lumastrandMain).

#include "app.h"
#include "appsettingsdialog.h"
#include "creator.h"
#include "dialogrunner.h"
#include "loopbackserver.h"
#include "mainpage.h"
#include "moreappsbutton.h"
#include "promomenubar.h"
#include "testapp.h"

#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>

int lumastrandMain(int argc, char* argv[]);

using QMWidgets::App;
using QMWidgets::DialogRunner;

namespace {
// What the running program looked like once its event loop had started.
struct StartupView
{
    QString organization, application, version, domain, title, videoLink, resources;
    QSize size;
    bool visible = false, pageIsMainWidget = false, overlayOnPage = false, styled = false;
    bool moreAppsHidden = false;
    int reminderInterval = 0, reminderKind = 0;
    QStringList slides;
};

StartupView view;
bool armed = false;

// Runs when the program's application object is made: once the event loop
// turns, it notes what start-up built and ends the loop with exit code 7.
void lookAtStartup()
{
    if (!armed)
        return;
    armed = false;
    QTimer::singleShot(0, qApp, [] {
        App* app = App::instance();
        MainPage* page = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* candidate = qobject_cast<MainPage*>(widget))
                page = candidate;
        }
        if (app && page) {
            view.organization = app->organizationName();
            view.application = app->applicationName();
            view.version = app->applicationVersion();
            view.domain = app->organizationDomain();
            view.title = page->windowTitle();
            view.size = page->size();
            view.visible = page->isVisible();
            view.pageIsMainWidget = app->mainWidget() == page;
            view.overlayOnPage = app->blenderWidget() && app->blenderWidget()->parentWidget() == page;
            view.styled = !app->styleSheet().isEmpty();
            view.reminderInterval = app->reminderInterval();
            view.reminderKind = app->reminderKind();
            view.moreAppsHidden = page->menuBar()->moreAppsButton()->isHidden();
            view.slides = app->helpSlides();
            view.videoLink = app->helpVideoLink();
            view.resources = app->resourcesDirectory();
        }
        QCoreApplication::exit(7);
    });
}
} // namespace

class TestMainPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void startUp_data();
    void startUp();
    void helpSlides_data();
    void helpSlides();
    void pageLayout();
    void settingsDialogIsModalAndLeavesPageAlone();
};

void TestMainPage::initTestCase()
{
    qAddPreRoutine(lookAtStartup);
    // Start-up must never reach beyond this machine.
    qputenv("LUMASTRAND_SERVER", LoopbackServer::unreachableAddress().toLatin1());
}

void TestMainPage::startUp_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("slideLanguage");

    QTest::newRow("system language") << QString() << QStringLiteral("en");
    QTest::newRow("French falls back to English") << QStringLiteral("fr_FR") << QStringLiteral("en");
    QTest::newRow("German") << QStringLiteral("de_DE") << QStringLiteral("de");
}

void TestMainPage::startUp()
{
    QFETCH(QString, language);
    QFETCH(QString, slideLanguage);

    {
        QSettings store(QStringLiteral("Halvick"), QStringLiteral("Lumastrand"));
        store.clear();
        if (!language.isEmpty())
            store.setValue(QStringLiteral("Lumastrand/Language"), language);
    }
    view = StartupView();
    armed = true;
    AppArgs args;
    const int exitCode = lumastrandMain(args.argc, args.argv);
    QVERIFY(!armed);

    QCOMPARE(exitCode, 7);
    QCOMPARE(view.organization, QStringLiteral("Halvick"));
    QCOMPARE(view.application, QStringLiteral("Lumastrand"));
    QCOMPARE(view.version, QStringLiteral("1.9.2"));
    QVERIFY(!view.domain.isEmpty());
    QCOMPARE(view.title, QStringLiteral("Lumastrand"));
    QCOMPARE(view.size, QSize(290, 390));
    QVERIFY(view.visible);
    QVERIFY(view.pageIsMainWidget);
    QVERIFY(view.overlayOnPage);
    QVERIFY(view.styled);
    QVERIFY(view.moreAppsHidden);
    QCOMPARE(view.reminderInterval, 2);
    QCOMPARE(view.reminderKind, int(App::RateReminder));
    QVERIFY(!view.videoLink.isEmpty());

    QVERIFY(view.resources.endsWith(QStringLiteral("/Resources/")));
    QCOMPARE(view.slides, MainPage::helpSlides(slideLanguage, view.resources));

    // Quitting a fresh profile counts the run without asking for a rating.
    QSettings store(QStringLiteral("Halvick"), QStringLiteral("Lumastrand"));
    QCOMPARE(store.value(QStringLiteral("Lumastrand/AutoReminderCount")).toInt(), 2);
    QVERIFY(store.value(QStringLiteral("Lumastrand/AutoReminder"), true).toBool());
}

void TestMainPage::helpSlides_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("used");

    // Only English, German and Russian slides exist, under their exact codes.
    const auto row = [](const char* language, const char* used) {
        QTest::newRow(*language ? language : "empty")
            << QString::fromLatin1(language) << QString::fromLatin1(used);
    };
    row("de", "de");
    row("ru", "ru");
    row("fr", "en");
    row("EN", "en");
    row("zh_CN", "en");
    row("", "en");
}

void TestMainPage::helpSlides()
{
    QFETCH(QString, language);
    QFETCH(QString, used);

    const QStringList slides = MainPage::helpSlides(language, QStringLiteral("/opt/x/Resources/"));
    QStringList expected;
    for (int i = 1; i <= 5; ++i)
        expected.append(QStringLiteral("/opt/x/Resources/Slide%1_%2.jpg").arg(i).arg(used));
    QCOMPARE(slides, expected);
}

void TestMainPage::pageLayout()
{
    TestApp app;
    // Unstyled: the style sheet (which a start-up before may have left on the
    // application) draws the settings button wider.
    app.setStyleSheet(QString());
    MainPage page;
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));

    QCOMPARE(page.objectName(), QStringLiteral("MainPage"));
    QCOMPARE(page.size(), QSize(290, 390));
    QCOMPARE(page.minimumSize(), page.maximumSize());

    auto* layout = qobject_cast<QVBoxLayout*>(page.layout());
    QVERIFY(layout);
    QCOMPARE(layout->spacing(), 5);
    QCOMPARE(layout->contentsMargins(), QMargins());
    QCOMPARE(layout->indexOf(page.menuBar()), 0);
    QCOMPARE(layout->indexOf(page.creator()), 1);

    // No More Apps button on this page; the settings button sits in the bar.
    QVERIFY(page.menuBar()->moreAppsButton()->isHidden());
    QPushButton* settings = page.settingsButton();
    QCOMPARE(settings->objectName(), QStringLiteral("SettingsButton"));
    QCOMPARE(settings->parentWidget(), page.menuBar());
    QVERIFY(settings->isFlat());
    QVERIFY(settings->text().isEmpty());
    QCOMPARE(settings->size(), QSize(32, 32));
    QVERIFY(settings->isVisible());
    QVERIFY(page.rect().contains(settings->mapTo(&page, settings->rect().bottomRight())));
}

void TestMainPage::settingsDialogIsModalAndLeavesPageAlone()
{
    TestApp app;
    MainPage page;
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    const QSize before = page.size();

    QString shown;
    QWidget* parent = nullptr;
    DialogRunner::setNextHandler([&](QDialog& dialog) {
        shown = QString::fromLatin1(dialog.metaObject()->className());
        parent = dialog.parentWidget();
        return int(QDialog::Rejected);
    });
    QTest::mouseClick(page.settingsButton(), Qt::LeftButton);
    QCOMPARE(DialogRunner::pendingHandlers(), 0);
    QCOMPARE(shown, QStringLiteral("AppSettingsDialog"));
    QCOMPARE(parent, page.settingsButton());
    QCOMPARE(page.size(), before);
    QVERIFY(page.findChildren<AppSettingsDialog*>().isEmpty());
}

QTEST_APPLESS_MAIN(TestMainPage)

#include "tst_mainpage.moc"
