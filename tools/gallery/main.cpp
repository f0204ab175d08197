// lumastrand-gallery: every widget of the further widget library, one tab per
// group, for a person to look at and try. It runs on a plain QApplication, as
// any host of the library may, and supplies the host pictures the widgets ask
// for from its own resource bundle.
//
//   lumastrand-gallery [tab title]
//   lumastrand-gallery --check    shows every page once and quits (run by the tests)
#include "gallerypages.h"

#include <QApplication>
#include <QFile>
#include <QTabWidget>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Halvick"));
    QApplication::setApplicationName(QStringLiteral("Lumastrand Gallery"));

    QFile styleSheet(QStringLiteral(":/gallery/gallery.qss"));
    if (styleSheet.open(QIODevice::ReadOnly))
        application.setStyleSheet(QString::fromUtf8(styleSheet.readAll()));

    QTabWidget window;
    window.setWindowTitle(QApplication::applicationName());
    for (const GalleryPages::Page& page : GalleryPages::pages())
        window.addTab(page.make(), page.title);
    // "lumastrand-gallery <tab title>" opens on that tab.
    const QStringList arguments = QApplication::arguments();
    for (int index = 0; index < window.count() && arguments.size() > 1; ++index) {
        if (window.tabText(index) == arguments.at(1))
            window.setCurrentIndex(index);
    }
    window.resize(1180, 680);
    window.show();
    if (arguments.contains(QStringLiteral("--check"))) {
        // Every page once on screen, then back to the first one and out.
        QTimer::singleShot(0, &window, [&window] {
            for (int index = 0; index < window.count(); ++index) {
                window.setCurrentIndex(index);
                QApplication::processEvents();
            }
            QApplication::quit();
        });
    }
    return application.exec();
}
