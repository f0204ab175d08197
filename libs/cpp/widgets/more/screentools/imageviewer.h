#pragma once

#include <QFrame>

class QImage;
class QPushButton;
class QSlider;

namespace QMWidgets {

class ImageArea;

// A picture viewer: an ImageArea under an "Open with Preview" button and over
// a zoom bar. The bar holds the zoom slider (1 to 100 %) between two buttons
// that step it ("ZoomInButton", left of the slider, steps down; "ZoomOutButton",
// right of it, steps up, as the style sheet's pictures show them), "Actual
// Pixels" (100 %) and the fit-to-window button. The host keeps the list of
// pictures and answers previous() and next() by slotLoad().
class ImageViewer : public QFrame
{
    Q_OBJECT

public:
    explicit ImageViewer(QWidget* parent = nullptr);

    void setInfo(const QString& text);
    void setNavigationHidden(bool hidden);

    ImageArea* area() const { return m_area; }
    QSlider* slider() const { return m_slider; }
    QPushButton* fitButton() const { return m_fitButton; }
    QPushButton* actualPixelsButton() const { return m_actualPixelsButton; }

signals:
    void next();
    void previous();
    // The picture was handed to the desktop's picture viewer.
    void systemPreviewOpened();
    void infoChanged();

public slots:
    // Loads the picture file (format guessed from the file); a file that does
    // not load shows nothing.
    void slotLoad(const QString& path);
    void slotLoad(const QImage& image);
    void slotActualPixels();
    void slotZoom(int percent);
    void slotFitScreen();
    void slotIncZoom();
    void slotDecZoom();
    // Writes the picture as "preview.png" into the work folder and opens that
    // file with the desktop's picture viewer; nothing is opened when the
    // picture could not be written.
    void slotSysPreview();
    void slotShowInfo();

private:
    ImageArea* m_area = nullptr;
    QSlider* m_slider = nullptr;
    QPushButton* m_fitButton = nullptr;
    QPushButton* m_actualPixelsButton = nullptr;
};

// Opens a file, or else an address, with the desktop's own program for it;
// false when nothing could take it.
bool openWithSystem(const QString& name);

} // namespace QMWidgets
