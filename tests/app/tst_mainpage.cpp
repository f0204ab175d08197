// The program's start-up as main() runs it (main() is built into this test
// under the name lumastrandMain, beside the program and its Resources
// folder), and the style sheet it gives the shell's dialogs.

#include "aboutdialog.h"
#include "app.h"
#include "helpdialog.h"
#include "loopbackserver.h"
#include "mainpage.h"
#include "moreappsbutton.h"
#include "promomenubar.h"
#include "stylesheet.h"
#include "testapp.h"
#include "tooling.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTimer>
#include <QtTest>

int lumastrandMain(int argc, char* argv[]);

using QMWidgets::App;

namespace {
// What the running program showed once its event loop had started.
QStringList view;
bool armed = false;
int styleWarnings = 0;

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
            // Every slide is a picture; the slides beside the English ones are other files.
            QSet<QByteArray> slides;
            int pictures = 0;
            for (const QString& slide :
                 app->helpSlides() + MainPage::helpSlides(QStringLiteral("en"), app->resourcesDirectory())) {
                pictures += QImage(slide).size() == QSize(480, 300);
                slides.insert(TestSupport::fileContents(slide));
            }
            view << QStringLiteral("%1 pictures, %2 different").arg(pictures).arg(slides.size());
        }
        // The shell's style-sheet slot reaches the widget library's editor.
        if (App* app = App::instance()) {
            app->slotShowCssEditor();
            int editors = 0;
            for (QWidget* widget : QApplication::topLevelWidgets())
                editors += widget->inherits("QMWidgets::CssEditor") && widget->isVisible();
            view << QStringLiteral("style-sheet editors %1, warnings %2").arg(editors).arg(styleWarnings);
        }
        QCoreApplication::exit(7);
    });
}

QRect rectIn(const QWidget* widget, const QWidget* ancestor)
{
    return QRect(widget->mapTo(ancestor, QPoint(0, 0)), widget->size());
}

// What drawn looks like with the text of widget and without it.
template<class W> QPair<QImage, QImage> withAndWithoutText(W* widget, QWidget* drawn)
{
    widget->setFixedSize(widget->size());
    const QImage with = drawn->grab().toImage();
    widget->setText(QString());
    return { with, drawn->grab().toImage() };
}
} // namespace

class TestMainPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void startUp_data();
    void startUp();
    // The sheet's pictures, and the shell's dialogs readable under it.
    void styledDialogs();
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
    AppArgs args;
    const QtMessageHandler previous = qInstallMessageHandler(countStyleWarnings);
    QCOMPARE(lumastrandMain(args.argc, args.argv), 7);
    qInstallMessageHandler(previous);
    QStringList slides;
    for (int i = 1; i <= 5; ++i)
        slides << QStringLiteral("Slide%1_%2.jpg").arg(i).arg(slideLanguage);
    QCOMPARE(view,
             QStringList({ "Halvick Lumastrand Lumastrand", "290x390 1", "more apps 0", "reminders 2 1",
                           slides.join(' '),
                           QStringLiteral("10 pictures, %1 different").arg(slideLanguage == "en" ? 5 : 10),
                           "style-sheet editors 1, warnings 0" }));

    // Quitting a fresh profile counts the run without asking for a rating.
    QSettings store(QStringLiteral("Halvick"), QStringLiteral("Lumastrand"));
    QCOMPARE(store.value(QStringLiteral("Lumastrand/AutoReminderCount")).toInt(), 2);
    QVERIFY(store.value(QStringLiteral("Lumastrand/AutoReminder"), true).toBool());
}

void TestMainPage::styledDialogs()
{
    TestApp app;
    app.setStyleSheet(applicationStyleSheet());
    int count = 0;
    for (auto it = QRegularExpression("url\\(\\s*([^)\\s]+)\\s*\\)").globalMatch(app.styleSheet());
         it.hasNext(); ++count) {
        const QString name = it.next().captured(1);
        QVERIFY2(name.startsWith(":/") && !QImage(name).isNull(), qPrintable(name));
    }
    QVERIFY(count >= 60);
    // The licence that the about box offers is the LGPL of the version its credits name.
    QCOMPARE(TestSupport::fileContents(QMWidgets::AboutDialog::licenseFile()).simplified().left(57),
             "GNU LESSER GENERAL PUBLIC LICENSE Version 3, 29 June 2007");
    QVERIFY(app.aboutCredits().contains("Lesser General Public License version 3"));

    QMWidgets::HelpDialog help({}, "https://video.example");
    help.show();
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    QPushButton* video = help.videoButton();
    const auto [with, without] = withAndWithoutText(video, video);
    // The disc is the white of the middle rows of the bare button's left half.
    const int width = video->width(), height = video->height();
    int discRight = -1, textLeft = width;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (x < width / 2 && y > height / 4 && y < height * 3 / 4 && qRed(without.pixel(x, y)) > 200)
                discRight = qMax(discRight, x);
            if (with.pixel(x, y) != without.pixel(x, y))
                textLeft = qMin(textLeft, x);
        }
    }
    QVERIFY(discRight > 0 && textLeft < width);
    QVERIFY2(textLeft > discRight,
             qPrintable(QString("text from x %1, disc to %2").arg(textLeft).arg(discRight)));

    QMWidgets::AboutDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* legal = dialog.findChild<QFrame*>("AboutLegalInfo");
    auto* label = legal->findChild<QLabel*>();
    const QRect text = rectIn(label, legal);
    const auto [withLegal, withoutLegal] = withAndWithoutText(label, legal);

    // Every 24 x 16 patch that holds text has a pixel that stands well apart from what lies behind it.
    for (int top = text.top(); top < text.bottom(); top += 16) {
        for (int left = text.left(); left < text.right(); left += 24) {
            int pixels = 0, contrast = 0;
            for (int y = top; y < qMin(top + 16, text.bottom()); ++y) {
                for (int x = left; x < qMin(left + 24, text.right()); ++x) {
                    const int difference
                        = qAbs(qGray(withLegal.pixel(x, y)) - qGray(withoutLegal.pixel(x, y)));
                    pixels += difference > 0;
                    contrast = qMax(contrast, difference);
                }
            }
            QVERIFY2(pixels < 12 || contrast >= 128,
                     qPrintable(QString("contrast %1 at %2, %3").arg(contrast).arg(left).arg(top)));
        }
    }
}

QTEST_APPLESS_MAIN(TestMainPage)

#include "tst_mainpage.moc"
