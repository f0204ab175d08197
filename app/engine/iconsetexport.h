#pragma once

#include "generatorsettings.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

class PictureWriters;

// One export: writes the icon sets of every enabled platform under
// "<chosen folder>/Icons/", in the fixed block order macOS, iOS, Android,
// Windows, web, Windows Phone, Windows Store, BlackBerry. The options are the
// snapshot given at the start; a block is skipped when its option is off or
// the run was cancelled before it, and once begun it runs to its end.
class IconSetExport
{
public:
    struct Failure
    {
        QString path;
        QString reason;
    };

    // What happened.
    struct Report
    {
        // The base name is not usable (see isUsableBaseName): nothing was written.
        bool baseNameRefused = false;
        // The master could not be decorated (out of memory): nothing was written.
        bool masterTooLarge = false;
        // Every file written, in order.
        QStringList written;
        // Every file that could not be written, with the reason.
        QVector<Failure> failures;
        // A folder that could not be made ended the run there.
        QString failedFolder;
        QString failedFolderReason;

        bool complete() const
        {
            return !baseNameRefused && !masterTooLarge && failures.isEmpty() && failedFolder.isEmpty();
        }
    };

    // How the run talks to its caller. progress gets each progress value (0
    // to 100), betweenPictures is called between pictures (where a user
    // interface processes its events), canceled is asked before each block.
    // Any of them may be empty.
    struct Callbacks
    {
        std::function<void(int value)> progress;
        std::function<void()> betweenPictures;
        std::function<bool()> canceled;
    };

    // Whether every file named after name stays inside "Icons" and can be
    // named in the resource script and on Windows: the name may contain
    // neither "/" nor "\\", nor a quotation mark, a control character or any
    // of < > : | ? *, and may not be empty, blanks only, "." or "..".
    static bool isUsableBaseName(const QString& name);

    IconSetExport(const QString& chosenFolder, const QString& baseName, const QString& effectState,
                  const GeneratorSettings& settings);

    // Writes the tree from master, the square master picture before any
    // effect. With a base name that is not usable nothing is written.
    Report run(const QImage& master, const Callbacks& callbacks = Callbacks());

private:
    void progress(int value) const;
    bool on(GeneratorSettings::Option option) const { return m_settings.isOn(option); }
    bool makeFolder(const QString& folder);
    bool save(const QImage& picture, const QString& path, const QString& format, QString* reason);
    void record(bool written, const QString& path, const QString& reason);
    void copyFile(const QString& source, const QString& folder, const QString& name, bool replace = false);
    void saveIcon(const QImage& picture, int side, const QString& path);
    void saveIco(const QImage& picture, int side, const QString& path);

    void writeMacOS(const QString& folder);
    void writeIOS(const QString& folder);
    void writeAssetCatalog(const QString& iosFolder);
    void writeAndroid(const QString& folder);
    void writeWindows(const QString& folder);
    void writeWebIcons(const QString& folder);
    void writeWindowsPhone(const QString& folder);
    void writeWindowsStore(const QString& folder);
    void writeBlackBerry(const QString& folder);

    QString m_icons;
    QString m_baseName;
    QString m_base;
    QString m_effectState;
    GeneratorSettings m_settings;
    Callbacks m_callbacks;
    Report m_report;
    QImage m_plain;
    QImage m_decorated;
    const PictureWriters* m_writers = nullptr;
};
