#pragma once

#include <QObject>

class QComboBox;

namespace QMWidgets {

// An event filter that paints the combo boxes it is installed on in a flat
// way of its own: a framed field in the base colour, the current text centred
// and a filled triangle in the lower right corner; the style does not paint
// them. Installed on anything but a combo box it swallows the paint events, so
// that the object paints nothing. Other events pass untouched.
class ComboBoxFilter : public QObject
{
    Q_OBJECT

public:
    explicit ComboBoxFilter(QObject* parent = nullptr);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void paint(QComboBox* comboBox);

    QComboBox* m_comboBox = nullptr; // the combo box painted last
};

} // namespace QMWidgets
