#pragma once

#include <QDialog>
#include <QVector>

#include <functional>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace QMWidgets {

// Base of the reminder dialogs (rate, share, follow): a logo, a text and a row
// of answer buttons. Every answer ends the dialog with a small result code,
// kept as state() after exec(); closing the dialog without an answer gives
// Closed.
class ReminderStateDialog : public QDialog
{
    Q_OBJECT

public:
    enum Code { Rate = 0, Mail = 1, Later = 2, Never = 3, Closed = 4 };

    // A social network of the share and follow dialogs: the button's object
    // name, the network's key in the link, and its name for the tool tip.
    struct Network
    {
        const char* objectName;
        const char* key;
        const char* label;
    };

    explicit ReminderStateDialog(QWidget* parent = nullptr);

    int state() const { return m_state; }

    void done(int code) override;
    void reject() override;

protected:
    // The text under the logo (an HTML fragment).
    void setText(const QString& html);
    QLabel* textLabel() const { return m_text; }
    // A layout between the text and the answer buttons for extra widgets.
    QHBoxLayout* extraLayout() const { return m_extra; }
    // Adds an answer button that ends the dialog with code.
    QPushButton* addAnswerButton(const QString& text, int code);
    // Adds a 48 x 48 picture button (dressed by the style sheet through its
    // object name) to the extra row; a click runs action, then ends the dialog
    // with code.
    QPushButton* addLinkButton(const QString& objectName, const QString& toolTip, int code,
                               const std::function<void()>& action);

    // One link button per network; a click opens the link that baseLink gives
    // (read at the click) with "&to=" and the network's key, then ends the
    // dialog with Rate. toolTip holds %1 for the network's name.
    void addNetworkButtons(const QVector<Network>& networks, const QString& toolTip,
                           const std::function<QString()>& baseLink);

private:
    QLabel* m_logo;
    QLabel* m_text;
    QHBoxLayout* m_extra;
    QVBoxLayout* m_buttons;
    int m_state = Closed;
};

} // namespace QMWidgets
