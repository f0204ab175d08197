#pragma once

#include <QWidget>

class QComboBox;

namespace QMWidgets {

// A date as three combo boxes side by side: day ("1" to "31" whatever the
// month), month (the translated month names) and year (an empty entry, then
// 131 years counting down from the current year plus a year offset).
// Every change of a list is reported by dataChanged.
class DateWidget : public QWidget
{
    Q_OBJECT

public:
    explicit DateWidget(int yearOffset = 0, QWidget* parent = nullptr);

    int day() const;
    int month() const;
    // The chosen year, or -1 while the empty entry (or nothing) is chosen.
    int year() const;

    // A day or month below 1 chooses the first entry; one beyond the list
    // leaves nothing chosen.
    void setDay(int day);
    void setMonth(int month);
    // A year of 0 or below changes nothing; a year that is not listed leaves
    // nothing chosen.
    void setYear(int year);

    void hideMonthAndYear(bool hide);
    // Chooses the first entry of every list without emitting dataChanged.
    void clear();

signals:
    void dataChanged();

private slots:
    // Nothing to do: the day list holds 1 to 31 for every month. Kept for
    // hosts that connect it by its signature.
    void slotMonthChanged(int month);

private:
    QComboBox* m_dayCombo;
    QComboBox* m_monthCombo;
    QComboBox* m_yearCombo;
};

} // namespace QMWidgets
