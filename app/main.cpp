#include "csseditor/csseditor.h"
#include "mainpage.h"
#include "productapp.h"
#include "promomenubar.h"
#include "stylesheet.h"

int main(int argc, char* argv[])
{
    ProductApp application(argc, argv, QStringLiteral("Halvick"), QStringLiteral("Lumastrand"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.9.2"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("halvick.example"));
    application.setStyleSheet(applicationStyleSheet());
    application.setShareLinks(QString());
    // The shell's style-sheet editor slot opens the widget library's editor.
    QMWidgets::CssEditor::registerWithShell();

    MainPage page;
    page.menuBar()->fillCrossPromo(QStringLiteral("graphics"));
    application.setHelpSlides(MainPage::helpSlides(application.language(), application.resourcesDirectory()));
    application.setHelpVideoLink(application.videoPageLink());
    page.setWindowTitle(QCoreApplication::applicationName());
    page.show();
    application.setMainWidget(&page);
    application.initReminders(2, QMWidgets::App::RateReminder);

    return application.exec();
}
