#pragma once

#include "app.h"

#include <QObject>
#include <QPixmap>
#include <QString>

#include <functional>

// Writes the icon sets of every enabled platform under "<folder>/Icons/", in the
// fixed block order macOS, iOS, Android, Windows, web, Windows Phone, Windows
// Store, BlackBerry. Each block reads its setting when it is reached and asks
// the cancel test first; a block once begun runs to its end.
class ExportRun : public QObject
{
    Q_OBJECT

public:
    ExportRun(const QString& chosenFolder, const QString& baseName, const QString& effectState,
              QObject* parent = nullptr);

    // Whether every file named after name stays inside "Icons" and can be
    // named in the resource script and on Windows: the name may contain neither "/" nor "\\", nor a quotation
    // mark, a control character or any of < > : | ? *, and may not be empty, blanks only, "." or "..".
    static bool isUsableBaseName(const QString& name);

    // The base path: chosen folder + "/Icons/" + base name.
    QString basePath() const { return m_base; }

    // Runs every block. decorated is the 1024 x 1024 master with the effects
    // and the mask; plain is the same master before any effect. canceled is
    // asked between blocks. With a base name that is not usable nothing is
    // written. A folder that cannot be made ends the run before anything is
    // written into it, as a cancel does.
    void run(const QPixmap& decorated, const QPixmap& plain, const std::function<bool()>& canceled);

    // The folder that could not be made (empty when every one was), and why in
    // plain words.
    QString failedFolder() const { return m_failedFolder; }
    QString failedFolderReason() const { return m_failedFolderReason; }

signals:
    // The progress value (0 to 100) after each block and at the points inside
    // the iOS block.
    void progress(int value);

private:
    bool enterBlock(bool enabled, const QString& folder);
    bool makeFolder(const QString& folder);
    void copyFile(const QString& source, const QString& folder, const QString& name,
                  QMWidgets::App::ExistingTarget existing = QMWidgets::App::ExistingTarget::Keep) const;
    void saveIcon(const QPixmap& picture, int side, const QString& path) const;
    void saveIco(const QPixmap& picture, int side, const QString& path) const;

    void writeMacOS(const QPixmap& decorated);
    void writeIOS(const QPixmap& decorated, const QPixmap& plain);
    void writeAssetCatalog();
    void writeAndroid(const QPixmap& decorated);
    void writeWindows(const QPixmap& decorated);
    void writeWebIcons(const QPixmap& decorated);
    void writeWindowsPhone(const QPixmap& decorated);
    void writeWindowsStore(const QPixmap& plain);
    void writeBlackBerry(const QPixmap& decorated);

    QString m_icons;
    QString m_baseName;
    QString m_base;
    QString m_effectState;
    std::function<bool()> m_canceled;
    QString m_failedFolder;
    QString m_failedFolderReason;
};
