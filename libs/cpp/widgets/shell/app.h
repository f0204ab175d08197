#pragma once

#include <QApplication>
#include <QMap>
#include <QPointer>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>

class QLabel;
class QSettings;

namespace QMWidgets {

// The application object: a QApplication with the program's settings store,
// standard directories, help material, remembered folders and main widget.
// Reached through the global instance, see app().
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
    QString workDirectory(bool create = false) const;
    QString picturesDirectory(bool create = false) const;
    QString musicDirectory(bool create = false) const;
    QString moviesDirectory(bool create = false) const;
    QString downloadsDirectory(bool create = false) const;
    QStringList standardDirectories() const;
    QString resourcesDirectory() const { return m_resourcesDirectory; }

    // Copies source (a file or a resource such as ":/manifest.json") into
    // folder under name (an empty name keeps the source's file name). An
    // existing target is never overwritten: the call then copies nothing and
    // returns true. Returns false when the source cannot be read or the target
    // cannot be written.
    bool copyFile(const QString& source, const QString& folder, const QString& name = QString()) const;

    // Folders remembered for the next file dialog of this run: the absolute
    // folder that holds the given path.
    QString lastOpenDirectory() const { return m_lastOpenDirectory; }
    QString lastSaveDirectory() const { return m_lastSaveDirectory; }
    void setLastOpenDirectory(const QString& path);
    void setLastSaveDirectory(const QString& path);

    // Screen helpers.
    bool isSmallScreen() const;
    int smallerScreenSide() const;

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
    QLabel* blenderWidget() const { return m_blender; }

signals:
    // Emitted for every mouse-button press anywhere in the application, before
    // the press is delivered.
    void mouseButtonPress();

public:
    bool notify(QObject* receiver, QEvent* event) override;

private:
    QString standardDirectory(QStandardPaths::StandardLocation location, bool withNames, bool create) const;

    bool m_plainKeys = false;
    bool m_freshInstallation = false;
    QSettings* m_settings = nullptr;
    QString m_resourcesDirectory;
    QString m_lastOpenDirectory;
    QString m_lastSaveDirectory;
    QStringList m_helpSlides;
    QString m_helpVideoLink;
    QPointer<QWidget> m_mainWidget;
    QPointer<QLabel> m_blender;
};

// The global application object (shorthand for App::instance()).
App* app();

} // namespace QMWidgets
