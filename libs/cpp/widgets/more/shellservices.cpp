#include "shellservices.h"

#include "app.h"

#include <QCoreApplication>
#include <QEvent>

namespace QMWidgets {
namespace ShellServices {

namespace {
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
    return App::workDirectory(create);
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
    return App::storedValue(key, defaultValue);
}

bool isSmallScreen()
{
    return App::isSmallScreen();
}

int smallerScreenSide()
{
    return App::smallerScreenSide();
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
