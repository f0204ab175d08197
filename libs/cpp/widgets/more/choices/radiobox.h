#pragma once

#include <QBoxLayout>
#include <QWidget>

class QAbstractButton;

namespace QMWidgets {

// A row or column of checkable buttons of which exactly the last clicked one
// is checked.
class RadioBox : public QWidget
{
    Q_OBJECT

public:
    explicit RadioBox(QBoxLayout::Direction direction, QWidget* parent = nullptr);

    // Makes the host's button checkable and appends it; the box becomes its
    // parent. A null button is ignored.
    void addButton(QAbstractButton* button);

private slots:
    // Checks the sending button, when it is one, and unchecks all others.
    void slotButtonClicked();

private:
    QBoxLayout* m_layout;
};

} // namespace QMWidgets
