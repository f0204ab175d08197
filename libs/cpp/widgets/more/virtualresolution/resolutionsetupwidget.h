#pragma once

#include <QGroupBox>
#include <QSize>
#include <QVector>

class QSlider;
class QSpinBox;

namespace QMWidgets {

// A group box that picks a screen size: a slider runs over a list of sizes
// ("Low" to "High") and shows the chosen one in two spin boxes, where it can
// be fine-tuned.
class ResolutionSetupWidget : public QGroupBox
{
    Q_OBJECT

public:
    explicit ResolutionSetupWidget(QWidget* parent = nullptr);

    // Appends a size to the list; the spin boxes then show the first entry.
    void addResolution(int width, int height);
    int count() const { return m_widths.size(); }
    // The size in the spin boxes, typed or picked.
    QSize resolution() const;

    QSlider* slider() const { return m_slider; }
    QSpinBox* widthSpinBox() const { return m_widthSpin; }
    QSpinBox* heightSpinBox() const { return m_heightSpin; }

signals:
    // A size picked with the slider (typing in the spin boxes says nothing).
    void resolutionChanged(const QSize& size);

public slots:
    // Shows entry n in the spin boxes and passes it on; a position outside the
    // list (a slider of a box without entries) is ignored.
    void slotValueChanged(int n);

private:
    QVector<int> m_widths;
    QVector<int> m_heights;
    QSlider* m_slider;
    QSpinBox* m_widthSpin;
    QSpinBox* m_heightSpin;
};

} // namespace QMWidgets
