#pragma once

#include <QMap>
#include <QPixmap>
#include <QSet>
#include <QWidget>

class QAbstractButton;
class QPushButton;
class QVBoxLayout;

namespace QMWidgets {

class UltraRadioBoxPopup;

// A one-of-many choice that shows only the picture of the chosen button. A
// press on the box opens a translucent window below it listing the other
// buttons, each with a caption button beside it; a choice there closes the
// window and makes the chosen button's picture the face of the box.
//
// The window's opacity follows the setting "TransparencyParameters/UltraRadioPopups"
// (a transparency percentage, default 35), read at every opening.
class UltraRadioBox : public QWidget
{
    Q_OBJECT

public:
    explicit UltraRadioBox(QWidget* parent = nullptr);
    ~UltraRadioBox() override;

    // Adds a host-made button with the caption shown beside it in the window.
    // The box takes the button's size as its own fixed size and shows the
    // button's picture until a choice is made. A null or already added button
    // is ignored.
    void addButton(QAbstractButton* button, const QString& caption);

    // Chooses an added button: it becomes the face and leaves the window,
    // which closes. Buttons that were never added (or null) are ignored.
    void setCurrentButton(QAbstractButton* button);
    QAbstractButton* currentButton() const { return m_current; }

    // Shows or hides an added button and its caption in the window; a hidden
    // button stays hidden whatever is chosen later. The chosen button is never
    // listed. Buttons that were never added (or null) are ignored.
    void setButtonVisible(QAbstractButton* button, bool visible);

    void hidePopup();
    void setPopupOpacity(float opacity);

    // The window opacity for a stored transparency percentage: 1.3 - percent / 100,
    // at most 1.0; percentages above 100 count as 100, so that the window
    // never fades out to an invisible window that still takes clicks.
    static qreal popupOpacityFor(int transparencyPercent);

signals:
    // A button was chosen in the window.
    void buttonClicked();
    // The box was pressed (the window opened or closed).
    void actionPerformed();

private slots:
    // Chooses the sending button, when it is one, and reports buttonClicked().
    void slotButtonClicked();
    // Nothing to do; kept for hosts that connect it by its signature.
    void slotFocusChanged(QWidget* pwgtOld, QWidget* pwgtNow);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void forget(QAbstractButton* button);

    QVBoxLayout* m_popupLayout;
    UltraRadioBoxPopup* m_popup;
    QPixmap m_face;
    QMap<QAbstractButton*, QPushButton*> m_captionButtons;
    QSet<QAbstractButton*> m_hiddenButtons; // hidden by the host
    QAbstractButton* m_current = nullptr;
    QPixmap m_normalFace; // the chosen button checked: the face while the pointer is outside
    QPixmap m_hoverFace; // the chosen button unchecked: the face while the pointer is inside
};

} // namespace QMWidgets
