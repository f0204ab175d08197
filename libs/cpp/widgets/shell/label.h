#pragma once

#include <QLabel>
#include <QPixmap>

namespace QMWidgets {

// A label that paints its own pixmap over the label, scaled to the widget
// keeping the aspect ratio, smoothly and centred, with an optional opacity.
class Label : public QLabel
{
    Q_OBJECT

public:
    explicit Label(QWidget* parent = nullptr);

    void setPixmap(const QPixmap& pixmap);
    QPixmap pixmap() const { return m_pixmap; }

    // 0 keeps the whole pixmap inside the widget, any other value fills it.
    void setAspectMode(int mode);
    int aspectMode() const { return m_aspectMode; }
    void setOpacity(double opacity);
    double opacity() const { return m_opacity; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_pixmap;
    int m_aspectMode = 0;
    double m_opacity = 1.0;
};

} // namespace QMWidgets
