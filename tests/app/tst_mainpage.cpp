// The program's start-up as main() runs it: main() is built into this test
// under the name lumastrandMain, beside the program and its Resources folder.
// And the files of the source tree as a checkout writes them.

#include "aboutdialog.h"
#include "app.h"
#include "loopbackserver.h"
#include "mainpage.h"
#include "moreappsbutton.h"
#include "promomenubar.h"
#include "testapp.h"
#include "tooling.h"

#include <QtTest>
#include <QtWidgets>

int lumastrandMain(int argc, char* argv[]);

using QMWidgets::App;
using TestSupport::fileContents;

namespace {
// What the running program showed once its event loop had started.
QStringList view;
bool armed = false;
int styleWarnings;

void countStyleWarnings(QtMsgType, const QMessageLogContext&, const QString& message)
{
    styleWarnings
        += message.contains("stylesheet", Qt::CaseInsensitive) || message.contains("Unknown property");
}

// Runs when the program's application object is made: once the event loop
// turns, it notes what start-up built and ends the loop with exit code 7.
void lookAtStartup()
{
    if (!armed)
        return;
    armed = false;
    QTimer::singleShot(0, qApp, [] {
        App* app = App::instance();
        if (auto* page = qobject_cast<MainPage*>(app->mainWidget())) {
            // The main widget, shown, styled, with the hidden dimming overlay on it.
            const QLabel* overlay = app->blenderWidget();
            const bool shown = page->isVisible() && !app->styleSheet().isEmpty() && overlay
                && overlay->parentWidget() == page && overlay->isHidden();
            view << app->organizationName() + ' ' + app->applicationName() + ' ' + page->windowTitle()
                 << QStringLiteral("%1x%2 %3").arg(page->width()).arg(page->height()).arg(shown)
                 << QStringLiteral("more apps %1").arg(page->menuBar()->moreAppsButton()->isVisible())
                 << QStringLiteral("reminders %1 %2").arg(app->reminderInterval()).arg(app->reminderKind())
                 << app->helpSlides().join(' ').remove(app->resourcesDirectory());
            // Every slide is a picture; the slides beside the English ones are other files.
            QSet<QByteArray> slides;
            int pictures = 0;
            for (const QString& slide :
                 app->helpSlides() + MainPage::helpSlides("en", app->resourcesDirectory())) {
                pictures += QImage(slide).size() == QSize(480, 300);
                slides.insert(fileContents(slide));
            }
            view << QStringLiteral("%1 pictures, %2 different").arg(pictures).arg(slides.size());
        }
        // The style sheet's pictures, the licence the about box offers (the
        // LGPL its credits name), and the style-sheet slot reaching the editor.
        int pictures = 0, missing = 0;
        const QRegularExpression url("url\\(\\s*([^)\\s]+)\\s*\\)");
        for (auto it = url.globalMatch(app->styleSheet()); it.hasNext(); ++pictures)
            missing += QImage(it.next().captured(1)).isNull();
        view << QStringLiteral("%1 style pictures, %2 missing").arg(pictures > 60).arg(missing)
             << QString(fileContents(QMWidgets::AboutDialog::licenseFile()).simplified().left(57)) + ' '
                + QString::number(app->aboutCredits().contains("Lesser General Public License version 3"));
        app->slotShowCssEditor();
        int editors = 0;
        for (QWidget* widget : QApplication::topLevelWidgets())
            editors += widget->inherits("QMWidgets::CssEditor") && widget->isVisible();
        // Qt parses the whole sheet when it polishes a widget with it, and warns of what it cannot read.
        const QtMessageHandler previous = qInstallMessageHandler(countStyleWarnings);
        QWidget probe;
        probe.setStyleSheet(app->styleSheet());
        probe.ensurePolished();
        qInstallMessageHandler(previous);
        view << QStringLiteral("style-sheet editors %1, warnings %2").arg(editors).arg(styleWarnings);
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
    void checkoutNamesDifferBeyondCase();
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
    QTest::newRow("Russian") << QStringLiteral("ru") << QStringLiteral("ru");
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
    styleWarnings = 0;
    AppArgs args;
    QCOMPARE(lumastrandMain(args.argc, args.argv), 7);
    QStringList slides;
    for (int i = 1; i <= 5; ++i)
        slides << QStringLiteral("Slide%1_%2.jpg").arg(i).arg(slideLanguage);
    QCOMPARE(view,
             QStringList({ "Halvick Lumastrand Lumastrand", "290x390 1", "more apps 0", "reminders 2 1",
                           slides.join(' '),
                           QStringLiteral("10 pictures, %1 different").arg(slideLanguage == "en" ? 5 : 10),
                           "1 style pictures, 0 missing",
                           "GNU LESSER GENERAL PUBLIC LICENSE Version 3, 29 June 2007 1",
                           "style-sheet editors 1, warnings 0" }));
}

void TestMainPage::checkoutNamesDifferBeyondCase()
{
    // On a file system that ignores case, two names that differ only by case would leave one file.
    const QDir root(QDir::cleanPath(LUMASTRAND_TEST_DATA "/../../.."));
    QHash<QString, QString> byLowerCase;
    for (const char* folder : { "app", "libs", "tests", "tools", "bench", "cmake", "scripts" }) {
        for (QDirIterator it(root.filePath(folder), QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                             QDirIterator::Subdirectories);
             it.hasNext();) {
            const QString path = root.relativeFilePath(it.next());
            QVERIFY2(!byLowerCase.contains(path.toLower()),
                     qPrintable(byLowerCase.value(path.toLower()) + " and " + path));
            byLowerCase.insert(path.toLower(), path);
        }
    }
    QVERIFY(byLowerCase.contains("app/resources/images/overlay_frame.png") && byLowerCase.size() > 100);
}

QTEST_APPLESS_MAIN(TestMainPage)

#include "tst_mainpage.moc"
