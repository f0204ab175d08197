#pragma once

#include <QPixmap>
#include <QWidget>

class CreatorDropArea;
class PictureWriters;
class CreatorEffects;
class QColor;
class QPushButton;

// The working area of the main page: the drop area with the preview, the
// "Save..." and "Options>>" buttons, and the effects panel that the options
// button opens below them.
class Creator : public QWidget
{
    Q_OBJECT

public:
    explicit Creator(QWidget* parent = nullptr);

    // Lays the overlays of the chosen effects over picture (changed in place)
    // and, when mask is set, cuts it to the rounded square.
    static void applyEffects(QPixmap& picture, const QString& effectState, bool mask);

    // The export's saver and writers (see PictureSaver and PictureWriters) for
    // pictures of the user interface, with the stored settings: the one saver
    // of every PNG and of the .icns file, the square icons of a platform
    // folder (named by the marker in its path, see IconNaming::squareSchemeOf),
    // the tiles, and the launch images.
    static void saveImage(const QPixmap& picture, const QString& path, const QString& format);
    void writeSquareIcon(const QString& folder, const int& size, const QPixmap& picture, bool watch);
    void writeTile(const QString& folder, const QSize& size, const QPixmap& picture, const QString& name,
                   float factor);
    void writeLaunchScreens(const QString& folder, const QPixmap& picture);
    QPixmap paintLaunchImage(const QSize& size, const QPixmap& icon, const float& divisor,
                             const QColor& textColor, const QColor& backgroundColor) const;

    CreatorDropArea* dropArea() const { return m_dropArea; }
    CreatorEffects* effects() const { return m_effects; }
    QPushButton* saveButton() const { return m_saveButton; }
    QPushButton* optionsButton() const { return m_optionsButton; }

signals:
    // Every progress value the export run shows, in order.
    void exportProgress(int value);

public slots:
    void slotDropped(bool);
    // The export run: asks for a folder and writes every enabled platform set
    // under its "Icons" folder.
    void slotConvert();
    void slotEffectsClicked();

private:
    // The writers with the stored settings, letting the window catch up
    // between pictures.
    static PictureWriters writers();

    CreatorDropArea* m_dropArea = nullptr;
    CreatorEffects* m_effects = nullptr;
    QPushButton* m_saveButton = nullptr;
    QPushButton* m_optionsButton = nullptr;
};
