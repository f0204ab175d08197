#pragma once

#include <QApplication>
#include <QMap>
#include <QPointer>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>
#include <QWidget>

#include <functional>

class QLabel;
class QSettings;

namespace QMWidgets {

struct ShellSetting;
class TranslationsManager;

// The application object: a QApplication with the program's settings store,
// standard directories, language, links to the maker's web pages, help
// material, remembered folders, main widget and reminders. Reached through
// the global instance, see app().
class App : public QApplication
{
    Q_OBJECT

public:
    App(int& argc, char** argv, const QString& organization, const QString& application);
    ~App() override;

    // The global application object, or null when the running application is
    // not an App.
    static App* instance();

    // Settings store. Keys are stored behind the prefix "<application name>/"
    // unless plain keys are switched on.
    QVariant value(const QString& key, const QVariant& defaultValue = QVariant()) const;
    // The same store on any application object: this App's, or where the
    // running application is no App, the store an App of the application's
    // names would open, read with the same key prefix (defaultValue when the
    // application has no names).
    static QVariant storedValue(const QString& key, const QVariant& defaultValue = QVariant());
    // One of the shell's own settings (see ShellSettings).
    QVariant value(const ShellSetting& setting) const;
    void setValue(const ShellSetting& setting, const QVariant& value);
    void setValue(const QString& key, const QVariant& value);
    QSettings* settings() const { return m_settings; }
    QString keyPrefix() const;
    bool plainKeys() const { return m_plainKeys; }
    void setPlainKeys(bool plain) { m_plainKeys = plain; }

    // True when none of the standard directories existed when the application
    // object was made.
    bool isFreshInstallation() const { return m_freshInstallation; }

    // Standard directories; each ends with "/" and is made when create is true.
    QString supportDirectory(bool create = false) const;
    QString dataDirectory(bool create = false) const;
    QString cachesDirectory(bool create = false) const;
    QString documentsDirectory(bool create = false) const;
    // The work folder (home folder + "/" + application name + "/") depends
    // only on the application's name, so it is the same on any application
    // object.
    static QString workDirectory(bool create = false);
    QString picturesDirectory(bool create = false) const;
    QString musicDirectory(bool create = false) const;
    QString moviesDirectory(bool create = false) const;
    QString downloadsDirectory(bool create = false) const;
    QStringList standardDirectories() const;
    QString resourcesDirectory() const { return m_resourcesDirectory; }

    // The interface language code ("en", "de", ...), chosen from the setting
    // "Language" by the translation manager, which is made on first use.
    QString language();
    TranslationsManager* translationsManager();

    // What copyFile does with a file that is already at the target.
    enum class ExistingTarget { Keep, Replace };

    // Copies source (a file or a resource such as ":/manifest.json") into
    // folder under name (an empty name keeps the source's file name). An
    // existing target file is kept unless existing says Replace: the call then
    // copies nothing and returns true. Returns false when the target exists
    // but is no file, the source cannot be read whole or the target cannot be
    // written; reason (if given) then says why. The target is written whole or
    // not at all, so a failed replacement leaves the earlier file.
    bool copyFile(const QString& source, const QString& folder, const QString& name = QString(),
                  QString* reason = nullptr, ExistingTarget existing = ExistingTarget::Keep) const;

    // Folders remembered for the next file dialog of this run: the absolute
    // folder that holds the given path.
    QString lastOpenDirectory() const { return m_lastOpenDirectory; }
    QString lastSaveDirectory() const { return m_lastSaveDirectory; }
    void setLastOpenDirectory(const QString& path);
    void setLastSaveDirectory(const QString& path);

    // Screen helpers: a desktop at most 479 pixels wide or high is small. On
    // any widget application; without one the desktop counts as empty.
    static bool isSmallScreen();
    static int smallerScreenSide();

    // True when object is one of parent's descendants (parent itself is not).
    static bool isChildOf(QObject* object, QObject* parent);

    // Help material of the introduction dialog.
    void setHelpSlides(const QStringList& slides) { m_helpSlides = slides; }
    QStringList helpSlides() const { return m_helpSlides; }
    void setHelpVideoLink(const QString& link) { m_helpVideoLink = link; }
    QString helpVideoLink() const { return m_helpVideoLink; }

    // The main window and the hidden dimming overlay built on it.
    void setMainWidget(QWidget* widget);
    QWidget* mainWidget() const { return m_mainWidget; }
    QLabel* blenderWidget() const;

    // Links to the maker's web services. The server is the build's default
    // (LUMASTRAND_DEFAULT_SERVER) unless the environment variable
    // LUMASTRAND_SERVER names another one; it is read at every use.
    static QString serverAddress();
    // The lower-case application name without blanks.
    QString applicationKey() const;
    // Builds the web-page, share and follow links from slug (empty: the
    // application key).
    void setShareLinks(const QString& slug);
    QString webPageLink() const { return m_webPageLink; }
    QString shareLink() const { return m_shareLink; }
    QString followLink() const { return m_followLink; }
    QString rateLink() const;
    QString moreAppsLink() const;
    QString updatePageLink() const;
    QString supportPageLink() const;
    QString privacyPolicyLink() const;
    QString videoPageLink() const;
    QString promotionLink(const QString& otherApplicationKey) const;
    QString contactMailLink();
    QString tellFriendMailLink() const;
    static QString contactAddress();

    // The credit of the about box for the Qt libraries.
    QString aboutCredits() const { return m_aboutCredits; }

    // Product ids of the maker's applications in the Windows Store, by
    // application key.
    QMap<QString, QString> storeIds() const { return m_storeIds; }
    enum StoreLinkKind { ProductPage, ReviewPage, PublisherPage };
    // The link to open for a store page: the store link for applications with
    // a store id, else webLink.
    virtual QString storeLink(StoreLinkKind kind, const QString& webLink) const;

    // Reminders. initReminders() stores the interval and the kind (flags of
    // ReminderKind; with several flags one is drawn) and counts the program
    // runs at quit: every interval-th quit shows the reminder dialog.
    enum ReminderKind { RateReminder = 1, TellReminder = 2, JoinReminder = 4 };
    void initReminders(int interval, int kinds);
    int reminderInterval() const { return m_reminderInterval; }
    int reminderKind() const { return m_reminderKind; }
    // Runs the reminder at quit (also connected to aboutToQuit()).
    void runQuitReminder();
    // Shows the rate dialog and acts on the answer; returns the dialog's code
    // (0 rate, 1 mail, 2 later, 3 never, 4 closed).
    int showRateDialog();
    bool rateDialogShown() const { return m_rateDialogShown; }
    // Review requests are made at most once a run.
    bool reviewRequestedThisRun() const { return m_reviewRequested; }
    void setReviewRequestedThisRun() { m_reviewRequested = true; }

    bool notify(QObject* receiver, QEvent* event) override;

    // The style-sheet editor lives in the widget library, which builds on the
    // shell; the library registers how to make one (CssEditor::registerWithShell)
    // and slotShowCssEditor() uses that. Without a registration the slot only
    // warns.
    using WindowFactory = std::function<QWidget*()>;
    static void setCssEditorFactory(WindowFactory factory);

public slots:
    void slotAbout();
    void slotShareApp();
    void slotRate();
    void slotIntro();
    void slotJoin();
    virtual void slotShowMoreApps();
    void slotContact();
    void slotSupportPage();
    virtual void slotCheckUpdate();
    void slotPrivacyPolicy();
    // Opens a new style-sheet editor window, which deletes itself when it is
    // closed (or at quit). No menu of the program leads here.
    void slotShowCssEditor();

signals:
    // Emitted once for every mouse-button press anywhere in the application,
    // before the press is delivered.
    void mouseButtonPress();
    void applicationActivated();
    void applicationDeactivated();
    void fileOpenRequest(const QString& path);

protected:
    bool event(QEvent* event) override;
    // Opens a link with the desktop's default program.
    static bool openLink(const QString& link);

private:
    QString standardDirectory(QStandardPaths::StandardLocation location, bool withNames, bool create) const;
    int runReminderDialog(int kind);
    void actOnReminderAnswer(int code);

    bool m_plainKeys = false;
    bool m_freshInstallation = false;
    QSettings* m_settings = nullptr;
    TranslationsManager* m_translations = nullptr;
    QString m_resourcesDirectory;
    QString m_aboutCredits;
    QMap<QString, QString> m_storeIds;
    QString m_webPageLink;
    QString m_shareLink;
    QString m_followLink;
    QString m_lastOpenDirectory;
    QString m_lastSaveDirectory;
    QStringList m_helpSlides;
    QString m_helpVideoLink;
    QPointer<QWidget> m_mainWidget;
    QPointer<QLabel> m_blender;
    int m_reminderInterval = 0;
    int m_reminderKind = RateReminder;
    bool m_remindersConnected = false;
    bool m_rateDialogShown = false;
    bool m_reviewRequested = false;
    // A window delivers a mouse press to one of its widgets just now.
    bool m_deliveringWindowPress = false;
};

// The global application object (shorthand for App::instance()).
App* app();

} // namespace QMWidgets
