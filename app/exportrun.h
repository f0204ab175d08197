#pragma once

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
    // named in the resource script and on Windows: the name may contain
    // neither "/" nor "\\", nor a quotation mark, a control character or any of
    // < > : | ? *, and may not be "." or "..". The empty name is usable (it
    // gives hidden names such as ".icns").
    static bool isUsableBaseName(const QString& name);

    // The base path: chosen folder + "/Icons/" + base name.
    QString basePath() const { return m_base; }

    // Runs every block. decorated is the 1024 x 1024 master with the effects
    // and the mask; plain is the same master before any effect. canceled is
    // asked between blocks. With a base name that is not usable nothing is
    // written.
    void run(const QPixmap& decorated, const QPixmap& plain, const std::function<bool()>& canceled);

signals:
    // The progress value (0 to 100) after each block and at the points inside
    // the iOS block.
    void progress(int value);

private:
    bool enterBlock(bool enabled, const QString& folder) const;
    void copyTemplate(const QString& source, const QString& folder, const QString& name) const;
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
};
