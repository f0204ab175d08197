// The Resources folder that the build puts beside the program. This test is
// built into the program's own folder, so the application object finds the
// folder exactly as the program does.

#include "aboutdialog.h"
#include "app.h"
#include "helpdialog.h"
#include "label.h"
#include "mainpage.h"
#include "testapp.h"

#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QtTest>

using QMWidgets::App;

class TestResourcesFolder : public QObject
{
    Q_OBJECT

private slots:
    void slidesOfEveryLanguage_data();
    void slidesOfEveryLanguage();
    void introductionShowsFirstSlide();
    void aboutBoxLicence();
};

void TestResourcesFolder::slidesOfEveryLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << QStringLiteral("en");
    QTest::newRow("German") << QStringLiteral("de");
    QTest::newRow("Russian") << QStringLiteral("ru");
}

void TestResourcesFolder::slidesOfEveryLanguage()
{
    QFETCH(QString, language);
    const QString folder = App::instance()->resourcesDirectory();
    const QStringList slides = MainPage::helpSlides(language, folder);
    const QStringList english = MainPage::helpSlides(QStringLiteral("en"), folder);
    QCOMPARE(slides.size(), 5);

    // Five different pictures; beside English, each carries its own words.
    QList<QImage> seen;
    for (int i = 0; i < slides.size(); ++i) {
        const QImage slide(slides.at(i));
        QVERIFY2(!slide.isNull(), qPrintable(slides.at(i)));
        QCOMPARE(slide.size(), QSize(480, 300));
        QVERIFY2(!seen.contains(slide), qPrintable(slides.at(i)));
        seen.append(slide);
        if (language != QLatin1String("en"))
            QVERIFY2(slide != QImage(english.at(i)), qPrintable(slides.at(i)));
    }
}

void TestResourcesFolder::introductionShowsFirstSlide()
{
    App* app = App::instance();
    app->setHelpSlides(MainPage::helpSlides(app->language(), app->resourcesDirectory()));

    QMWidgets::HelpDialog dialog;
    auto* picture = dialog.findChild<QMWidgets::Label*>(QStringLiteral("HelpSlide"));
    QVERIFY(picture);
    QCOMPARE(dialog.currentSlide(), 0);
    QVERIFY(picture->text().isEmpty()); // no "Slide 1 of 5" placeholder
    const QImage shown = picture->pixmap().toImage();
    const QImage first(app->resourcesDirectory() + QStringLiteral("Slide1_en.jpg"));
    QVERIFY(!first.isNull());
    QCOMPARE(shown.convertToFormat(QImage::Format_RGB32), first.convertToFormat(QImage::Format_RGB32));
    // Drawn at the size the dialog gives the slide, so it is never scaled.
    QCOMPARE(shown.size(), picture->minimumSize());
}

void TestResourcesFolder::aboutBoxLicence()
{
    QMWidgets::AboutDialog dialog;
    QVERIFY(dialog.licenseButton()->isEnabled());

    // The licence file holds the LGPL of the version the credits name.
    QFile licence(QMWidgets::AboutDialog::licenseFile());
    QVERIFY(licence.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString text = QString::fromUtf8(licence.readAll());
    QCOMPARE(text.section(QLatin1Char('\n'), 0, 0).trimmed(),
             QStringLiteral("GNU LESSER GENERAL PUBLIC LICENSE"));
    QVERIFY(
        App::instance()->aboutCredits().contains(QStringLiteral("Lesser General Public License version 3")));
    QCOMPARE(text.section(QLatin1Char('\n'), 1, 1).trimmed(), QStringLiteral("Version 3, 29 June 2007"));
}

LUMASTRAND_APP_TEST_MAIN(TestResourcesFolder)
#include "tst_resourcesfolder.moc"
