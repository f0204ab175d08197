#include "datewidget.h"

#include "mtools.h"

#include <QComboBox>
#include <QDate>
#include <QHBoxLayout>
#include <QSignalBlocker>

namespace QMWidgets {

namespace {
const int kYearCount = 131;
const int kDayCount = 31;
} // namespace

DateWidget::DateWidget(int yearOffset, QWidget* parent)
    : QWidget(parent)
    , m_dayCombo(new QComboBox)
    , m_monthCombo(new QComboBox)
    , m_yearCombo(new QComboBox)
{
    setMinimumWidth(300);
    m_dayCombo->setMaximumWidth(80);
    m_monthCombo->setMaximumWidth(110);
    m_yearCombo->setMaximumWidth(90);
    m_dayCombo->setMinimumWidth(50);
    m_monthCombo->setMinimumWidth(90);
    m_yearCombo->setMinimumWidth(70);

    for (QComboBox* combo : { m_dayCombo, m_monthCombo, m_yearCombo })
        connect(combo, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &DateWidget::dataChanged);

    for (int month = 1; month <= 12; ++month)
        m_monthCombo->addItem(MTools::monthName(month));
    connect(m_monthCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &DateWidget::slotMonthChanged);

    const int newestYear = QDate::currentDate().year() + yearOffset;
    m_yearCombo->addItem(QString());
    for (int year = newestYear; year > newestYear - kYearCount; --year)
        m_yearCombo->addItem(QString::number(year));

    auto* layout = new QHBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    layout->addWidget(m_dayCombo);
    layout->addWidget(m_monthCombo);
    layout->addWidget(m_yearCombo);
    layout->addStretch(1);
    setLayout(layout);

    for (int day = 1; day <= kDayCount; ++day)
        m_dayCombo->addItem(QString::number(day));
}

int DateWidget::day() const
{
    return m_dayCombo->currentIndex() + 1;
}

int DateWidget::month() const
{
    return m_monthCombo->currentIndex() + 1;
}

int DateWidget::year() const
{
    bool isNumber = false;
    const int value = m_yearCombo->currentText().toInt(&isNumber, 10);
    return isNumber ? value : -1;
}

void DateWidget::setDay(int day)
{
    m_dayCombo->setCurrentIndex(day < 1 ? 0 : day - 1);
}

void DateWidget::setMonth(int month)
{
    m_monthCombo->setCurrentIndex(month < 1 ? 0 : month - 1);
}

void DateWidget::setYear(int year)
{
    if (year <= 0)
        return;
    m_yearCombo->setCurrentIndex(
        m_yearCombo->findText(QString::number(year), Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void DateWidget::hideMonthAndYear(bool hide)
{
    m_monthCombo->setVisible(!hide);
    m_yearCombo->setVisible(!hide);
}

void DateWidget::clear()
{
    const QSignalBlocker blockYear(m_yearCombo);
    const QSignalBlocker blockMonth(m_monthCombo);
    const QSignalBlocker blockDay(m_dayCombo);
    m_yearCombo->setCurrentIndex(0);
    m_monthCombo->setCurrentIndex(0);
    m_dayCombo->setCurrentIndex(0);
}

void DateWidget::slotMonthChanged(int month)
{
    Q_UNUSED(month)
}

} // namespace QMWidgets
