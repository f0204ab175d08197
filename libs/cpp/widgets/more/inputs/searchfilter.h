#pragma once

#include <QLineEdit>

class QAction;
class QPushButton;

namespace QMWidgets {

// A search field: while empty it shows the hint "Search:" (unless it has the
// focus) and a magnifier picture (":/pix/search.png", supplied by the host);
// while it holds text a clear button sits at its right end. Escape in the
// field clears it; on an empty field Escape goes on to the window, so a dialog
// holding the field still closes with Escape.
class SearchFilter : public QLineEdit
{
    Q_OBJECT

public:
    explicit SearchFilter(QWidget* parent = nullptr);

    QPushButton* clearButton() const { return m_clearButton; }

public slots:
    void slotTextChanged(const QString& text);
    void slotClearClicked();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPushButton* m_clearButton = nullptr;
    QAction* m_closeAction = nullptr;
};

} // namespace QMWidgets
