#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace QMWidgets {

// A line edit for an e-mail address with two small buttons, "Send an ecard"
// and "Send an email", that are enabled only while the whole text is a
// well-formed address. The buttons hand the text on, as shown, to the host.
class EmailEdit : public QWidget
{
    Q_OBJECT

public:
    explicit EmailEdit(QWidget* parent = nullptr);

    void setText(const QString& text);
    QString text() const;

    QLineEdit* lineEdit() const { return m_edit; }
    QPushButton* ecardButton() const { return m_ecardButton; }
    QPushButton* emailButton() const { return m_emailButton; }

signals:
    void sendEmail(const QString& address);
    void sendECard(const QString& address);
    void textChanged(const QString& text);

public slots:
    void slotSendEmail();
    void slotSendECard();
    void slotTextChanged();

private:
    void enableButtons();

    QLineEdit* m_edit = nullptr;
    QPushButton* m_ecardButton = nullptr;
    QPushButton* m_emailButton = nullptr;
};

} // namespace QMWidgets
