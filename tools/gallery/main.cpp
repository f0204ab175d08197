// lumastrand-gallery: every widget of the further widget library, one tab per
// group, for a person to look at and try. It runs on a plain QApplication, as
// any host of the library may, and supplies the host pictures the widgets ask
// for from its own resource bundle.
#include "gallerypages.h"

#include <QApplication>
#include <QTabWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Halvick"));
    QApplication::setApplicationName(QStringLiteral("Lumastrand Gallery"));

    QTabWidget window;
    window.setWindowTitle(QApplication::applicationName());
    for (const GalleryPages::Page& page : GalleryPages::pages())
        window.addTab(page.make(), page.title);
    window.resize(900, 640);
    window.show();
    return application.exec();
}
