#pragma once

#include <QColor>
#include <QWidget>

namespace QMWidgets {

class ColorWidgetPopup;

// A colour swatch with a drop-down mark. A press on it opens a grid of 48
// colours directly below it (a second press closes it); a click on a cell makes
// that colour the swatch's colour and emits colorChanged. Starts green.
class ColorWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ColorWidget(QWidget* parent = nullptr);

    QColor color() const { return m_color; }
    // Shows the colour at once; emits nothing.
    void setColor(const QColor& color);

    // The opacity of the colour grid's window (1.0 at start).
    void setPopupOpacity(float opacity);

signals:
    // The user chose a colour in the grid (always opaque); the swatch already shows it.
    void colorChanged(const QColor& color);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private slots:
    // Shows the colour chosen in the grid and reports it by colorChanged.
    void slotColorChanged(const QColor& color);

private:
    ColorWidgetPopup* m_popup;
    QColor m_color = Qt::green;
};

} // namespace QMWidgets
