#include "shellservices.h"

#include "app.h"

#include <QApplication>
#include <QDesktopWidget>
#include <QDir>
#include <QEvent>
#include <QSettings>

namespace QMWidgets {
namespace ShellServices {

namespace {
// The desktop the shell measures; empty without a widget application.
QRect desktopGeometry()
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return QRect();
    return QApplication::desktop()->geometry();
}

// Watches every event of the application for mouse-button presses.
class PressFilter : public QObject
{
public:
    PressFilter(QObject* context, std::function<void()> action)
        : QObject(context)
        , m_action(std::move(action))
    {
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress)
            m_action();
        return false;
    }

private:
    std::function<void()> m_action;
};
} // namespace

QString lastOpenDirectory()
{
    const App* application = App::instance();
    return application ? application->lastOpenDirectory() : QString();
}

QString lastSaveDirectory()
{
    const App* application = App::instance();
    return application ? application->lastSaveDirectory() : QString();
}

QString workDirectory(bool create)
{
    if (const App* application = App::instance())
        return application->workDirectory(create);
    const QString folder
        = QDir::homePath() + QLatin1Char('/') + QCoreApplication::applicationName() + QLatin1Char('/');
    if (create)
        QDir().mkpath(folder);
    return folder;
}

void setLastOpenDirectory(const QString& path)
{
    if (App* application = App::instance())
        application->setLastOpenDirectory(path);
}

void setLastSaveDirectory(const QString& path)
{
    if (App* application = App::instance())
        application->setLastSaveDirectory(path);
}

QVariant value(const QString& key, const QVariant& defaultValue)
{
    if (const App* application = App::instance())
        return application->value(key, defaultValue);
    // The store the shell would use, with the shell's key prefix, so that a
    // host on a plain QApplication reads what it wrote the same way.
    const QString organization = QCoreApplication::organizationName();
    const QString name = QCoreApplication::applicationName();
    if (!QCoreApplication::instance() || organization.isEmpty() || name.isEmpty())
        return defaultValue;
    const QSettings settings(organization, name);
    return settings.value(name + QLatin1Char('/') + key, defaultValue);
}

bool isSmallScreen()
{
    if (const App* application = App::instance())
        return application->isSmallScreen();
    const QRect screen = desktopGeometry();
    return screen.width() <= 479 || screen.height() <= 479;
}

int smallerScreenSide()
{
    if (const App* application = App::instance())
        return application->smallerScreenSide();
    const QRect screen = desktopGeometry();
    return qMin(screen.width(), screen.height());
}

void onMouseButtonPress(QObject* context, std::function<void()> action)
{
    if (App* application = App::instance()) {
        QObject::connect(application, &App::mouseButtonPress, context, std::move(action));
        return;
    }
    if (QCoreApplication* application = QCoreApplication::instance())
        application->installEventFilter(new PressFilter(context, std::move(action)));
}

bool canShareApp()
{
    return App::instance() != nullptr;
}

void shareApp()
{
    if (App* application = App::instance())
        application->slotShareApp();
}

void showAboutDialog()
{
    if (App* application = App::instance())
        application->slotAbout();
}

} // namespace ShellServices
} // namespace QMWidgets
