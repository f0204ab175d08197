#include "app.h"

#include "aboutdialog.h"
#include "blenderwidget.h"
#include "dialogrunner.h"
#include "followdialog.h"
#include "helpdialog.h"
#include "platform/desktopservices.h"
#include "platform/systeminfo.h"
#include "ratedialog.h"
#include "sharedialog.h"
#include "shellsettings.h"
#include "translationsmanager.h"
#include "wholefile.h"

#include <QDesktopWidget>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileOpenEvent>
#include <QLabel>
#include <QRandomGenerator>
#include <QScopedValueRollback>
#include <QSettings>
#include <QUrl>

#ifndef LUMASTRAND_DEFAULT_SERVER
#define LUMASTRAND_DEFAULT_SERVER "https://apps.halvick.example"
#endif

namespace QMWidgets {

App::App(int& argc, char** argv, const QString& organization, const QString& application)
    : QApplication(argc, argv)
{
    // The fresh-installation test runs before the names are set, so it looks
    // at the folders that Qt's default names (the executable's) give. The
    // downloads folder is shared by all programs and exists on nearly every
    // system, so it says nothing about this program and is left out.
    m_freshInstallation = true;
    const QString downloads = downloadsDirectory();
    for (const QString& dir : standardDirectories()) {
        if (dir != downloads && QDir(dir).exists()) {
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

    m_aboutCredits = tr("<p><b>Qt %1</b><br>Copyright (C) The Qt Company Ltd. and other contributors.<br>"
                        "Qt is used under the terms of the GNU Lesser General Public License "
                        "version 3; see the licence file that comes with this program.</p>")
                         .arg(QString::fromLatin1(qVersion()));

    m_storeIds.insert(QStringLiteral("lumastrand"), QStringLiteral("9NLUMASTRAND"));

    setShareLinks(QString());
}

App::~App()
{
    // The translators leave while the application object still stands.
    delete m_translations;
}

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

QVariant App::value(const ShellSetting& setting) const
{
    return value(setting.key, setting.defaultValue);
}

void App::setValue(const ShellSetting& setting, const QVariant& value)
{
    setValue(setting.key, value);
}

QVariant App::storedValue(const QString& key, const QVariant& defaultValue)
{
    if (const App* application = instance())
        return application->value(key, defaultValue);
    const QString organization = QCoreApplication::organizationName();
    const QString name = QCoreApplication::applicationName();
    if (!QCoreApplication::instance() || organization.isEmpty() || name.isEmpty())
        return defaultValue;
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, organization, name);
    return settings.value(name + QLatin1Char('/') + key, defaultValue);
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

QString App::workDirectory(bool create)
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

bool App::copyFile(const QString& source, const QString& folder, const QString& name, QString* reason,
                   ExistingTarget existing) const
{
    QDir dir(folder);
    if (!dir.exists())
        dir.mkpath(QStringLiteral("."));

    const QString target = dir.filePath(name.isEmpty() ? QFileInfo(source).fileName() : name);
    return MTools::WholeFile::copy(source, target, existing == ExistingTarget::Replace, reason);
}

void App::setLastOpenDirectory(const QString& path)
{
    m_lastOpenDirectory = QFileInfo(path).absolutePath();
}

void App::setLastSaveDirectory(const QString& path)
{
    m_lastSaveDirectory = QFileInfo(path).absolutePath();
}

namespace {
QRect desktopGeometry()
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return QRect();
    return QApplication::desktop()->geometry();
}
} // namespace

bool App::isSmallScreen()
{
    const QRect screen = desktopGeometry();
    return screen.width() <= 479 || screen.height() <= 479;
}

int App::smallerScreenSide()
{
    const QRect screen = desktopGeometry();
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
    m_blender = new BlenderWidget(widget);
}

QLabel* App::blenderWidget() const
{
    return m_blender;
}

bool App::notify(QObject* receiver, QEvent* event)
{
    if (event->type() != QEvent::MouseButtonPress)
        return QApplication::notify(receiver, event);

    // A press from the window system reaches the window first and, from
    // within that delivery, the widget under the pointer: one press, told
    // once. A press sent to a widget directly is told on its own.
    if (receiver->isWindowType() || !m_deliveringWindowPress)
        emit mouseButtonPress();
    if (!receiver->isWindowType())
        return QApplication::notify(receiver, event);
    const QScopedValueRollback<bool> delivering(m_deliveringWindowPress, true);
    return QApplication::notify(receiver, event);
}

bool App::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::FileOpen:
        emit fileOpenRequest(static_cast<QFileOpenEvent*>(event)->file());
        return true;
    case QEvent::ApplicationActivate:
        emit applicationActivated();
        break;
    case QEvent::ApplicationDeactivate:
        emit applicationDeactivated();
        break;
    default:
        break;
    }
    return QApplication::event(event);
}

QString App::language()
{
    return translationsManager()->language();
}

TranslationsManager* App::translationsManager()
{
    if (!m_translations)
        m_translations = new TranslationsManager(this);
    return m_translations;
}

QString App::serverAddress()
{
    QString address = qEnvironmentVariable("LUMASTRAND_SERVER");
    if (address.isEmpty())
        address = QStringLiteral(LUMASTRAND_DEFAULT_SERVER);
    while (address.endsWith(QLatin1Char('/')))
        address.chop(1);
    return address;
}

QString App::applicationKey() const
{
    return applicationName().toLower().remove(QLatin1Char(' '));
}

void App::setShareLinks(const QString& slug)
{
    const QString page = slug.isEmpty() ? applicationKey() : slug;
    m_webPageLink = serverAddress() + QLatin1Char('/') + page;
    const QString encoded = QString::fromLatin1(QUrl::toPercentEncoding(m_webPageLink));
    m_shareLink = serverAddress() + QStringLiteral("/social/share.php?link=") + encoded;
    m_followLink = serverAddress() + QStringLiteral("/social/join.php?link=") + encoded;
}

QString App::rateLink() const
{
    return serverAddress() + QStringLiteral("/rate.php?appname=") + applicationKey();
}

QString App::moreAppsLink() const
{
    return serverAddress() + QStringLiteral("/apps/crosspromo.php?appname=") + applicationKey();
}

QString App::updatePageLink() const
{
    return serverAddress() + QStringLiteral("/apps/updatepage.php?appname=") + applicationKey();
}

QString App::supportPageLink() const
{
    return serverAddress() + QStringLiteral("/support.php?appname=") + applicationKey();
}

QString App::privacyPolicyLink() const
{
    return serverAddress() + QStringLiteral("/privacy.php?appname=") + applicationKey();
}

QString App::videoPageLink() const
{
    return serverAddress() + QStringLiteral("/video.php?view=") + applicationKey();
}

QString App::promotionLink(const QString& otherApplicationKey) const
{
    return serverAddress() + QStringLiteral("/apps/") + otherApplicationKey + QStringLiteral("?appname=")
        + applicationKey();
}

QString App::contactAddress()
{
    return QStringLiteral("support@halvick.example");
}

QString App::contactMailLink()
{
    return QStringLiteral("mailto:") + contactAddress() + QStringLiteral("?subject=Contact (")
        + applicationName() + QLatin1Char(' ') + applicationVersion() + QStringLiteral(") ")
        + Platform::SystemInfo::systemName() + QLatin1Char(' ') + language() + QStringLiteral(" I&body=");
}

QString App::tellFriendMailLink() const
{
    return QStringLiteral("mailto:?subject=Check out the cool ") + applicationName()
        + QStringLiteral(" app!&body=") + m_webPageLink;
}

QString App::storeLink(StoreLinkKind kind, const QString& webLink) const
{
    const QString id = m_storeIds.value(applicationKey());
    if (id.isEmpty())
        return webLink;
    switch (kind) {
    case ProductPage:
        return QStringLiteral("ms-windows-store://pdp/?ProductId=") + id;
    case ReviewPage:
        return QStringLiteral("ms-windows-store://review/?ProductId=") + id;
    case PublisherPage:
        return QStringLiteral("ms-windows-store://publisher/?name=") + organizationName();
    }
    return webLink;
}

bool App::openLink(const QString& link)
{
    return Platform::DesktopServices::openUrl(QUrl(link, QUrl::TolerantMode));
}

void App::initReminders(int interval, int kinds)
{
    m_reminderInterval = interval;
    QList<int> chosen;
    for (int kind : { RateReminder, TellReminder, JoinReminder }) {
        if (kinds & kind)
            chosen.append(kind);
    }
    m_reminderKind = chosen.isEmpty() ? RateReminder
                                      : chosen.at(int(QRandomGenerator::global()->bounded(chosen.size())));
    if (!m_remindersConnected) {
        connect(this, &QCoreApplication::aboutToQuit, this, &App::runQuitReminder);
        m_remindersConnected = true;
    }
}

void App::runQuitReminder()
{
    if (m_mainWidget && m_mainWidget->isHidden())
        m_mainWidget->show();
    if (!value(ShellSettings::AutoReminder).toBool())
        return;
    const int count = value(ShellSettings::AutoReminderCount).toInt();
    // An interval below 1 would divide by zero; it means "never remind".
    if (m_reminderInterval > 0 && count % m_reminderInterval == 0 && !m_rateDialogShown)
        runReminderDialog(m_reminderKind);
    setValue(ShellSettings::AutoReminderCount, count + 1);
}

int App::showRateDialog()
{
    return runReminderDialog(RateReminder);
}

int App::runReminderDialog(int kind)
{
    QWidget* parent = m_mainWidget ? m_mainWidget.data() : activeWindow();
    int code = ReminderStateDialog::Closed;
    if (kind == TellReminder) {
        ShareDialog dialog(parent);
        code = DialogRunner::exec(dialog);
    } else if (kind == JoinReminder) {
        FollowDialog dialog(parent);
        code = DialogRunner::exec(dialog);
    } else {
        RateDialog dialog(parent);
        m_rateDialogShown = true;
        code = DialogRunner::exec(dialog);
    }
    actOnReminderAnswer(code);
    return code;
}

void App::actOnReminderAnswer(int code)
{
    // The dialogs open their links themselves; an answer (rate, mail or
    // "don't ask me again") ends the reminders, "later" and closing the
    // dialog keep them.
    if (code == ReminderStateDialog::Rate || code == ReminderStateDialog::Mail
        || code == ReminderStateDialog::Never)
        setValue(ShellSettings::AutoReminder, false);
}

void App::slotAbout()
{
    AboutDialog dialog(m_mainWidget);
    DialogRunner::exec(dialog);
}

void App::slotShareApp()
{
    ShareDialog dialog(activeWindow());
    DialogRunner::exec(dialog);
}

void App::slotRate()
{
    openLink(storeLink(ReviewPage, rateLink()));
}

void App::slotIntro()
{
    HelpDialog dialog(m_mainWidget);
    DialogRunner::exec(dialog);
}

void App::slotJoin()
{
    FollowDialog dialog(activeWindow());
    DialogRunner::exec(dialog);
}

void App::slotShowMoreApps()
{
    openLink(storeLink(PublisherPage, moreAppsLink()));
}

void App::slotContact()
{
    openLink(contactMailLink());
}

void App::slotSupportPage()
{
    openLink(supportPageLink());
}

void App::slotCheckUpdate()
{
    openLink(storeLink(ProductPage, updatePageLink()));
}

void App::slotPrivacyPolicy()
{
    openLink(privacyPolicyLink());
}

namespace {
App::WindowFactory& cssEditorFactory()
{
    static App::WindowFactory factory;
    return factory;
}
} // namespace

void App::setCssEditorFactory(WindowFactory factory)
{
    cssEditorFactory() = std::move(factory);
}

void App::slotShowCssEditor()
{
    const WindowFactory& factory = cssEditorFactory();
    QWidget* editor = factory ? factory() : nullptr;
    if (!editor) {
        qWarning("No style-sheet editor is linked into this program");
        return;
    }
    editor->setAttribute(Qt::WA_DeleteOnClose);
    connect(this, &QCoreApplication::aboutToQuit, editor, &QObject::deleteLater);
    editor->show();
}

} // namespace QMWidgets
