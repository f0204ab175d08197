#include "emailedit.h"

#include "mtools.h"
#include "widgetutils.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace QMWidgets {

EmailEdit::EmailEdit(QWidget* parent)
    : QWidget(parent)
{
    m_edit = new QLineEdit;
    m_ecardButton = new QPushButton;
    m_emailButton = new QPushButton;
    setObjectNameAndToolTip(m_ecardButton, QStringLiteral("CardEditButton"), tr("Send an ecard"));
    setObjectNameAndToolTip(m_emailButton, QStringLiteral("EmailEditButton"), tr("Send an email"));
    for (QPushButton* button : { m_ecardButton, m_emailButton }) {
        button->setFixedSize(24, 24);
        button->setFlat(true);
        button->setEnabled(false);
    }
    connect(m_edit, &QLineEdit::textChanged, this, &EmailEdit::slotTextChanged);
    connect(m_ecardButton, &QPushButton::clicked, this, &EmailEdit::slotSendECard);
    connect(m_emailButton, &QPushButton::clicked, this, &EmailEdit::slotSendEmail);

    auto* layout = new QHBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_edit);
    layout->addWidget(m_ecardButton);
    layout->addWidget(m_emailButton);
    setLayout(layout);
}

void EmailEdit::setText(const QString& text)
{
    // A host may delete the field from textChanged(): nothing touches it afterwards.
    const QPointer<EmailEdit> alive(this);
    m_edit->setText(text);
    if (alive)
        enableButtons();
}

QString EmailEdit::text() const
{
    return m_edit->text();
}

void EmailEdit::slotTextChanged()
{
    const QPointer<EmailEdit> alive(this);
    emit textChanged(m_edit->text());
    if (alive)
        enableButtons();
}

void EmailEdit::slotSendEmail()
{
    emit sendEmail(m_edit->text());
}

void EmailEdit::slotSendECard()
{
    emit sendECard(m_edit->text());
}

void EmailEdit::enableButtons()
{
    // The whole text must be an address, not merely contain one.
    const bool address = MTools::emailRegExp().exactMatch(m_edit->text());
    m_ecardButton->setEnabled(address);
    m_emailButton->setEnabled(address);
}

} // namespace QMWidgets
