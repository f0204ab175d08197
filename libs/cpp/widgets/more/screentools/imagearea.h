#pragma once

#include <QFrame>
#include <QPixmap>

class QLabel;
class QMovie;
class QPushButton;
class QScrollArea;

namespace QMWidgets {

// One picture in a scroll area, fitted to the area (keeping its aspect ratio)
// or at a zoom in percent of its own size, with scroll bars only where the
// picture does not fit. Previous/next buttons and an information label show
// while the mouse is over the area; a click on previous or next starts the
// loading animation and asks the host for another picture (previous(),
// next()), which it hands in by setPixmap().
class ImageArea : public QFrame
{
    Q_OBJECT

public:
    explicit ImageArea(QWidget* parent = nullptr);

    void setPixmap(const QPixmap& pixmap);
    QPixmap pixmap() const;
    // Shows the rich text in the information label; an empty text hides it.
    void setInfo(const QString& text);
    // Keeps the previous/next buttons hidden.
    void setNavigationHidden(bool hidden);

    int zoom() const { return m_zoom; }
    bool fitsToWindow() const { return m_fitToWindow; }
    QScrollArea* scrollArea() const { return m_scrollArea; }
    QLabel* previewLabel() const { return m_previewLabel; }
    QLabel* infoLabel() const { return m_infoLabel; }

signals:
    void next();
    void previous();
    void infoChanged();

public slots:
    void slotZoom(int percent);
    void slotFitScreen();
    void slotHideInfo();
    void slotShowInfo();
    void slotNextClicked();
    void slotPreviousClicked();

protected:
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void refresh();
    // The picture scaled into size, keeping its aspect ratio; null without a picture.
    QPixmap scaledTo(const QSize& size) const;
    void zoomStep(int percent);
    void fitStep();
    void startLoading();

    QScrollArea* m_scrollArea = nullptr;
    QLabel* m_previewLabel = nullptr;
    int m_zoom = 100;
    QPixmap m_pixmap;
    bool m_fitToWindow = true;
    QPushButton* m_nextButton = nullptr;
    QPushButton* m_previousButton = nullptr;
    QLabel* m_infoLabel = nullptr;
    QLabel* m_loadingLabel = nullptr;
    QMovie* m_loadingMovie = nullptr;
    bool m_navigationHidden = false;
};

} // namespace QMWidgets
