#pragma once

#include <QFrame>

class QLabel;
class QSlider;
class QSpinBox;

namespace QMWidgets {

// A horizontal slider and a spin box that follow each other, with a caption
// before them and a trailing label after them.
class ComboSlider : public QFrame
{
    Q_OBJECT

public:
    explicit ComboSlider(const QString& caption, QWidget* parent = nullptr);

    void setRange(int minimum, int maximum);
    void setValue(int value);
    int value() const;

    QSlider* slider() const { return m_slider; }
    QSpinBox* spinBox() const { return m_spinBox; }
    QLabel* captionLabel() const { return m_caption; }
    QLabel* trailingLabel() const { return m_trailing; }

signals:
    // Emitted when the user changes the value in the spin box.
    void sliderMoved(int value);

private:
    QLabel* m_caption;
    QSlider* m_slider;
    QSpinBox* m_spinBox;
    QLabel* m_trailing;
};

} // namespace QMWidgets
