// The main page, and the program's start-up as main() runs it (main() is
// built into this test under the name lumastrandMain).

#include "app.h"
#include "appsettingsdialog.h"
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
#include <QtTest>

int lumastrandMain(int argc, char* argv[]);

using QMWidgets::App;
using QMWidgets::DialogRunner;

namespace {
// What the running program showed once its event loop had started.
QStringList view;
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
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* page = qobject_cast<MainPage*>(widget);
            if (!page || !app)
                continue;
            // Shown, styled, the main widget, with the hidden dimming overlay on it.
            const QLabel* overlay = app->blenderWidget();
            const bool shown = page->isVisible() && app->mainWidget() == page && !app->styleSheet().isEmpty()
                && overlay && overlay->parentWidget() == page && overlay->isHidden();
            view << app->organizationName() + ' ' + app->applicationName() + ' ' + page->windowTitle()
                 << QStringLiteral("%1x%2 %3").arg(page->width()).arg(page->height()).arg(shown)
                 << QStringLiteral("more apps %1").arg(page->menuBar()->moreAppsButton()->isVisible())
                 << QStringLiteral("reminders %1 %2").arg(app->reminderInterval()).arg(app->reminderKind())
                 << app->helpSlides().join(' ').remove(app->resourcesDirectory());
        }
        // The shell's style-sheet slot reaches the widget library's editor.
        if (App* app = App::instance()) {
            app->slotShowCssEditor();
            int editors = 0;
            for (QWidget* widget : QApplication::topLevelWidgets())
                editors += widget->inherits("QMWidgets::CssEditor") && widget->isVisible();
            view << QStringLiteral("style-sheet editors %1").arg(editors);
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
    view.clear();
    armed = true;
    AppArgs args;
    QCOMPARE(lumastrandMain(args.argc, args.argv), 7);
    // Slides exist in English, German and Russian; other languages get the English ones.
    QStringList slides;
    for (int i = 1; i <= 5; ++i)
        slides << QStringLiteral("Slide%1_%2.jpg").arg(i).arg(slideLanguage);
    QCOMPARE(view,
             QStringList({ "Halvick Lumastrand Lumastrand", "290x390 1", "more apps 0", "reminders 2 1",
                           slides.join(' '), "style-sheet editors 1" }));

    // Quitting a fresh profile counts the run without asking for a rating.
    QSettings store(QStringLiteral("Halvick"), QStringLiteral("Lumastrand"));
    QCOMPARE(store.value(QStringLiteral("Lumastrand/AutoReminderCount")).toInt(), 2);
    QVERIFY(store.value(QStringLiteral("Lumastrand/AutoReminder"), true).toBool());
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
