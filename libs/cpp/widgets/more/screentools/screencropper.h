#pragma once

#include <QFrame>
#include <QPixmap>

#include <functional>

class QPainter;

namespace QMWidgets {

// A full-screen tool that freezes the desktop and lets the user drag a
// rectangle over the frozen picture. The release cuts what the user saw under
// the rectangle out of the screen picture (at the screen's full resolution,
// whatever the display mode stretched it to), hides the tool and hands the cut
// to the host by done(QPixmap); slotSave() then writes it as
// "ScreenShot_<date>_<time>.png" into the Desktop folder, or the home folder
// when there is no Desktop.
//
// The host calls grabScreen(). Escape (or a window-manager close) hides the
// tool; A shows the about dialog of the shell; Return, or Alt held at the
// release, makes the next save show the file in the file manager. While the
// tool is up the whole application shows a cross cursor; closing the tool
// leaves the cursor as it found it. A host may delete the tool from any of
// its signals.
class ScreenCropper : public QFrame
{
    Q_OBJECT

public:
    // Gives the picture of the whole screen; null when the grab is refused.
    using Grabber = std::function<QPixmap()>;

    explicit ScreenCropper(QWidget* parent = nullptr);
    ~ScreenCropper() override;

    // The host's help text in place of defaultHelpText(); empty for the default.
    void setHelpText(const QString& text);
    // 0 full screen, 1 maximized, any other value a normal window.
    void setDisplayMode(int mode);
    int displayMode() const { return m_displayMode; }
    // The last cut; null before the first one.
    QPixmap pixmap() const;
    // Paints the last screen grab again.
    void restoreScreen();
    QString defaultHelpText() const;
    QString shortHelpText() const;

    // The folder slotSave() writes to, and the path of the last file it wrote.
    QString saveFolder() const { return m_saveFolder; }
    QString savedPath() const { return m_savedPath; }
    bool revealAfterSave() const { return m_revealAfterSave; }

    // Replaces the desktop grab, for hosts and tests that hand in the picture
    // themselves; an empty grabber restores the grab of the primary screen.
    void setScreenGrabber(Grabber grabber);

signals:
    void done();
    void done(const QPixmap& pixmap);
    // A screenshot file was written (see savedPath()).
    void saved();
    void closed();
    void escaped();

public slots:
    // Freezes the screen and shows the tool.
    virtual void grabScreen();
    // Hides the tool.
    virtual void slotClose();
    // Writes the last cut; false, with nothing written, without a cut or when
    // the file cannot be written.
    bool slotSave();

protected:
    // Settles the save folder: the Desktop when it exists, else home.
    virtual void updateSaveLocation();

    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

    QPixmap grabDesktopPicture() const;
    // The application-wide cursor while the tool is up: set once, changed
    // afterwards, and given back by releaseToolCursor().
    void setToolCursor(Qt::CursorShape shape);
    void releaseToolCursor();
    // Leaves the tool without a save folder (and its help text without the
    // sentence naming it), for a tool that saves nothing.
    void clearSaveLocation();
    // Starts a drag at the press position.
    void startSelection(const QPoint& position);
    // The help box in the middle of the widget: pixelSize is the font's pixel
    // size, the box is inset by width / horizontalDivisor at the sides.
    void paintHelpBox(QPainter& painter, int pixelSize, double horizontalDivisor);
    static QPen selectionPen();
    static QBrush selectionBrush();

    QPixmap m_screenPixmap;
    bool m_selecting = false;
    QPoint m_startPoint;
    QPoint m_endPoint;
    QPixmap m_displayPixmap;
    double m_measureScale = 1.0;

private:
    void showByDisplayMode();
    // The "Close" action: slotClose(), then escaped().
    void closeByEscape();

    QString m_saveFolder;
    QString m_saveLocationText;
    QString m_helpText;
    QPixmap m_croppedPixmap;
    bool m_revealAfterSave = false;
    int m_displayMode = 0;
    QString m_savedPath;
    Grabber m_grabber;
    bool m_toolCursorSet = false;
};

} // namespace QMWidgets
