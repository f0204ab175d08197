#pragma once

#include <QPixmap>
#include <QWidget>

namespace QMWidgets {

// A clickable picture with a caption over it. The picture fills the label
// less the margin on every side (ignoring its aspect ratio) and is drawn
// brighter while the pointer is over the label; transparent parts stay
// transparent.
class AdvancedLabel : public QWidget
{
    Q_OBJECT

public:
    explicit AdvancedLabel(QWidget* parent = nullptr);

    QString text() const { return m_text; }
    QPixmap pixmap() const { return m_pixmap; }
    int margin() const { return m_margin; }
    // Each repaints at once.
    void setText(const QString& text);
    void setPixmap(const QPixmap& pixmap);
    void setMargin(int margin);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
    QPixmap m_pixmap;
    int m_margin = 0;
    bool m_hovered = false;
};

} // namespace QMWidgets
