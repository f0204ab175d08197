#pragma once

#include <QColor>
#include <QWidget>

class QPushButton;

namespace QMWidgets {

// The colour grid of a ColorWidget: 6 rows of 8 opaque colours, one flat
// button each, in a popup window that closes on a choice and as soon as the
// pointer leaves it. Object name "ColorWidgetPopup".
class ColorWidgetPopup : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kRows = 6;
    static constexpr int kColumns = 8;
    // The colour of a grid cell; an invalid colour outside the grid.
    static QColor gridColor(int row, int column);

    explicit ColorWidgetPopup(QWidget* parent = nullptr);

    // Whether the pointer is inside the grid.
    bool isHovered() const { return m_hovered; }

signals:
    // A cell was clicked; the colour is opaque.
    void colorChanged(const QColor& color);

protected:
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;

private slots:
    // Reports the colour of the sending cell button, opaque, and closes the grid.
    void slotColorChanged();

private:
    QPushButton* createColorButton(const QColor& color);
    void dismiss();

    bool m_hovered = false;
};

} // namespace QMWidgets
