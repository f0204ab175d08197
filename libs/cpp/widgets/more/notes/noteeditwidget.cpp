#include "noteeditwidget.h"

#include "shellservices.h"
#include "widgetutils.h"

#include <QFontInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace QMWidgets {

namespace {
// The smallest size the two size buttons leave the text at.
constexpr double SmallestPointSize = 1.0;

QPushButton* barButton(const QString& objectName, const QString& toolTip)
{
    auto* button = new QPushButton;
    setObjectNameAndToolTip(button, objectName, toolTip);
    button->setFlat(true);
    // Without the host's picture a button still offers something to click.
    button->setMinimumSize(24, 24);
    return button;
}
} // namespace

NoteEditWidget::NoteEditWidget(QWidget* parent)
    : QWidget(parent)
{
    // Pictures saved from the note editor go to the work folder until the user picks another.
    ShellServices::setLastSaveDirectory(ShellServices::workDirectory(true));
    setObjectName(QStringLiteral("NoteEditWidget"));

    m_acceptButton = barButton(QStringLiteral("NoteEditWidgetAccept"), tr("Accept"));
    m_rejectButton = barButton(QStringLiteral("NoteEditWidgetReject"), tr("Cancel"));
    QPushButton* increase = barButton(QStringLiteral("NoteEditWidgetInc"), tr("Increase"));
    QPushButton* decrease = barButton(QStringLiteral("NoteEditWidgetDec"), tr("Decrease"));
    connect(m_acceptButton, &QPushButton::clicked, this, &NoteEditWidget::okClicked);
    connect(m_rejectButton, &QPushButton::clicked, this, &NoteEditWidget::cancelClicked);
    connect(increase, &QPushButton::clicked, this, &NoteEditWidget::slotIncrease);
    connect(decrease, &QPushButton::clicked, this, &NoteEditWidget::slotDecrease);

    m_textField = new QTextEdit;
    m_textField->setAttribute(Qt::WA_TranslucentBackground);

    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(0, 0, 0, 0);
    bar->setSpacing(0);
    bar->addWidget(m_acceptButton);
    bar->addWidget(m_rejectButton);
    bar->addStretch(1);
    bar->addWidget(increase);
    bar->addWidget(decrease);

    auto* layout = new QVBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_textField);
    layout->addLayout(bar);
    setLayout(layout);
}

void NoteEditWidget::showAll()
{
    show();
    m_textField->show();
    m_acceptButton->show();
    m_rejectButton->show();
    m_textField->setFocus(Qt::OtherFocusReason);
}

void NoteEditWidget::hideAll()
{
    hide();
    m_textField->hide();
    m_acceptButton->hide();
    m_rejectButton->hide();
}

double NoteEditWidget::fontPointSize() const
{
    return m_textField->fontPointSize();
}

void NoteEditWidget::slotIncrease()
{
    changeSize(5.0);
}

void NoteEditWidget::slotDecrease()
{
    changeSize(-5.0);
}

void NoteEditWidget::changeSize(double points)
{
    m_textField->selectAll();
    const QFont font = m_textField->currentFont();
    // A font given in pixels has no point size of its own; its displayed size counts.
    const double current = font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF();
    m_textField->setFontPointSize(qMax(SmallestPointSize, current + points));
}

} // namespace QMWidgets
