#include "app.h"

#include <QDesktopWidget>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QSaveFile>
#include <QSettings>

namespace QMWidgets {

App::App(int& argc, char** argv, const QString& organization, const QString& application)
    : QApplication(argc, argv)
{
    // The fresh-installation test runs before the names are set, so it looks
    // at the folders that Qt's default names (the executable's) give.
    m_freshInstallation = true;
    for (const QString& dir : standardDirectories()) {
        if (QDir(dir).exists()) {
            m_freshInstallation = false;
            break;
        }
    }

    setOrganizationName(organization);
    setApplicationName(application);

    workDirectory(true);

    m_settings
        = new QSettings(QSettings::NativeFormat, QSettings::UserScope, organization, application, this);
    m_resourcesDirectory = applicationDirPath() + QStringLiteral("/Resources/");
}

App::~App() = default;

App* App::instance()
{
    return qobject_cast<App*>(QCoreApplication::instance());
}

App* app()
{
    return App::instance();
}

QString App::keyPrefix() const
{
    return m_plainKeys ? QString() : applicationName() + QLatin1Char('/');
}

QVariant App::value(const QString& key, const QVariant& defaultValue) const
{
    return m_settings->value(keyPrefix() + key, defaultValue);
}

void App::setValue(const QString& key, const QVariant& value)
{
    m_settings->setValue(keyPrefix() + key, value);
}

QString App::standardDirectory(QStandardPaths::StandardLocation location, bool withNames, bool create) const
{
    QString dir = QStandardPaths::writableLocation(location);
    if (dir.isEmpty())
        dir = QDir::homePath();
    if (withNames)
        dir += QLatin1Char('/') + organizationName() + QLatin1Char('/') + applicationName();
    dir = QDir::cleanPath(dir) + QLatin1Char('/');
    if (create)
        QDir().mkpath(dir);
    return dir;
}

QString App::supportDirectory(bool create) const
{
    return standardDirectory(QStandardPaths::AppConfigLocation, false, create);
}

QString App::dataDirectory(bool create) const
{
    return standardDirectory(QStandardPaths::AppDataLocation, false, create);
}

QString App::cachesDirectory(bool create) const
{
    return standardDirectory(QStandardPaths::CacheLocation, false, create);
}

QString App::documentsDirectory(bool create) const
{
    return standardDirectory(QStandardPaths::DocumentsLocation, true, create);
}

QString App::workDirectory(bool create) const
{
    const QString dir = QDir::homePath() + QLatin1Char('/') + applicationName() + QLatin1Char('/');
    if (create)
        QDir().mkpath(dir);
    return dir;
}

QString App::picturesDirectory(bool create) const
{
    return standardDirectory(QStandardPaths::PicturesLocation, true, create);
}

QString App::musicDirectory(bool create) const
{
    return standardDirectory(QStandardPaths::MusicLocation, true, create);
}

QString App::moviesDirectory(bool create) const
{
    return standardDirectory(QStandardPaths::MoviesLocation, true, create);
}

QString App::downloadsDirectory(bool create) const
{
    return standardDirectory(QStandardPaths::DownloadLocation, false, create);
}

QStringList App::standardDirectories() const
{
    return { supportDirectory(),  dataDirectory(),  cachesDirectory(), documentsDirectory(), workDirectory(),
             picturesDirectory(), musicDirectory(), moviesDirectory(), downloadsDirectory() };
}

bool App::copyFile(const QString& source, const QString& folder, const QString& name) const
{
    QDir dir(folder);
    if (!dir.exists())
        dir.mkpath(QStringLiteral("."));

    const QString target = dir.filePath(name.isEmpty() ? QFileInfo(source).fileName() : name);
    if (QFileInfo::exists(target))
        return true;

    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QByteArray data = in.readAll();

    // Written through a temporary file, so that a failed write never leaves a
    // partial file behind that a later copy would then refuse to replace.
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    if (out.write(data) != data.size()) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

void App::setLastOpenDirectory(const QString& path)
{
    m_lastOpenDirectory = QFileInfo(path).absolutePath();
}

void App::setLastSaveDirectory(const QString& path)
{
    m_lastSaveDirectory = QFileInfo(path).absolutePath();
}

bool App::isSmallScreen() const
{
    const QRect screen = desktop()->geometry();
    return screen.width() <= 479 || screen.height() <= 479;
}

int App::smallerScreenSide() const
{
    const QRect screen = desktop()->geometry();
    return screen.width() < screen.height() ? screen.width() : screen.height();
}

bool App::isChildOf(QObject* object, QObject* parent)
{
    if (!object || !parent)
        return false;
    return parent->findChildren<QObject*>(QString(), Qt::FindChildrenRecursively).contains(object);
}

void App::setMainWidget(QWidget* widget)
{
    m_mainWidget = widget;
    delete m_blender;
    m_blender = nullptr;
    if (!widget)
        return;
    m_blender = new QLabel(widget);
    m_blender->setObjectName(QStringLiteral("MainWidgetBlender"));
    m_blender->setAlignment(Qt::AlignCenter);
    m_blender->setGeometry(widget->rect());
    m_blender->hide();
}

bool App::notify(QObject* receiver, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress)
        emit mouseButtonPress();
    return QApplication::notify(receiver, event);
}

} // namespace QMWidgets
