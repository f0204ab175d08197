// Choice boxes, colour chooser and date fields, under the program's application object.

#include "choices/colorwidget.h"
#include "choices/colorwidgetpopup.h"
#include "choices/datewidget.h"
#include "choices/radiobox.h"
#include "choices/ultraradiobox.h"
#include "choices/ultraradioboxpopup.h"
#include "smallwidgets/dirview.h"
#include "testapp.h"

#include <QtTest>
#include <QtWidgets>

using namespace QMWidgets;

namespace {

// A host button whose picture tells checked (blue) from unchecked (red).
QToolButton* hostButton(const char* name = "")
{
    auto* button = new QToolButton;
    button->setObjectName(QLatin1String(name));
    button->setFixedSize(40, 30);
    button->setStyleSheet(QStringLiteral("QToolButton { background: rgb(200, 0, 0); border: none; }"
                                         "QToolButton:checked { background: rgb(0, 0, 200); }"));
    return button;
}

// The colour the box shows away from its drop-down mark.
QRgb faceColour(UltraRadioBox& box)
{
    return box.grab().toImage().pixel(5, 5);
}

// Whether the popup lists the button and its caption.
bool listed(UltraRadioBox& box, QAbstractButton* button)
{
    auto* popup = box.findChild<UltraRadioBoxPopup*>();
    for (QPushButton* caption : popup->findChildren<QPushButton*>()) {
        if (caption->text() == button->objectName())
            return button->isVisibleTo(popup) && caption->isVisibleTo(popup);
    }
    return false;
}

} // namespace

class TestChoices : public QObject
{
    Q_OBJECT

private slots:
    void radioBoxChecksOnlyTheClickedButton()
    {
        RadioBox box(QBoxLayout::LeftToRight);
        const QList<QPushButton*> buttons = { new QPushButton, new QPushButton, new QPushButton };
        for (QPushButton* button : buttons + QList<QPushButton*> { nullptr })
            box.addButton(button);
        box.show();
        // The second click hits the button that is checked already.
        for (int clicked : { 1, 1, 0, 2 }) {
            QTest::mouseClick(buttons[clicked], Qt::LeftButton);
            for (int i = 0; i < buttons.size(); ++i)
                QCOMPARE(buttons[i]->isChecked(), i == clicked);
        }
    }

    void ultraRadioPopupOpacity_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<double>("opacity");
        QTest::newRow("no setting") << QVariant() << 0.95;
        QTest::newRow("100") << QVariant(100) << 0.3;
        QTest::newRow("below 30 is limited to opaque") << QVariant(10) << 1.0;
        // 1.3 - 5.0 would make an invisible window that still takes clicks.
        QTest::newRow("500 stays visible") << QVariant(500) << 0.3;
    }

    void ultraRadioPopupOpacity()
    {
        QFETCH(QVariant, stored);
        QFETCH(double, opacity);
        const QString key = QStringLiteral("TransparencyParameters/UltraRadioPopups");
        if (stored.isValid())
            app()->setValue(key, stored);
        else
            app()->settings()->remove(app()->keyPrefix() + key);

        UltraRadioBox box;
        box.addButton(hostButton(), QStringLiteral("Only"));
        box.show();
        auto* popup = box.findChild<UltraRadioBoxPopup*>();
        QTest::mouseClick(&box, Qt::LeftButton);
        QVERIFY(popup->isVisible() && qAbs(popup->windowOpacity() - opacity) < 0.01);
    }

    void ultraRadioChoiceKeepsHiddenButtonsHidden()
    {
        UltraRadioBox box;
        QToolButton *pen = hostButton("Pen"), *marker = hostButton("Marker"), *eraser = hostButton("Eraser");
        for (QToolButton* button : { pen, marker, eraser })
            box.addButton(button, button->objectName());
        box.setButtonVisible(eraser, false);
        box.show();
        QSignalSpy chosen(&box, &UltraRadioBox::buttonClicked);

        // A click on the caption chooses its button.
        QTest::mouseClick(&box, Qt::LeftButton);
        QTest::mouseClick(box.findChildren<QPushButton*>()[1], Qt::LeftButton);
        QCOMPARE(box.currentButton(), marker);
        QVERIFY(!box.findChild<UltraRadioBoxPopup*>()->isVisible());
        QCOMPARE(faceColour(box), qRgb(0, 0, 200));
        QVERIFY(listed(box, pen) && !listed(box, marker) && !listed(box, eraser));

        // Under the pointer the chosen button shows unchecked.
        QEvent enter(QEvent::Enter), leave(QEvent::Leave);
        QApplication::sendEvent(&box, &enter);
        QCOMPARE(faceColour(box), qRgb(200, 0, 0));
        QApplication::sendEvent(&box, &leave);
        QCOMPARE(faceColour(box), qRgb(0, 0, 200));

        // Choosing again brings the former choice back, but not the hidden one.
        QTest::mouseClick(&box, Qt::LeftButton);
        QTest::mouseClick(pen, Qt::LeftButton);
        QCOMPARE(box.currentButton(), pen);
        QVERIFY(listed(box, marker) && !marker->isChecked() && !listed(box, eraser));
        QCOMPARE(chosen.count(), 2);
        // A button the box does not hold changes nothing.
        QToolButton stranger;
        box.setCurrentButton(&stranger);
        box.setButtonVisible(&stranger, false);
        QVERIFY(box.currentButton() == pen && listed(box, marker) && faceColour(box) == qRgb(0, 0, 200));
        box.setButtonVisible(eraser, true);
        box.setButtonVisible(pen, true); // the chosen one is never listed
        QVERIFY(listed(box, eraser) && !listed(box, pen));
        delete marker; // forgotten with its caption
        QTRY_COMPARE(box.findChildren<QPushButton*>().size(), 2);
    }

    void slotsForStringConnections()
    {
        // Hosts connect these by their signatures.
        const QList<QPair<const QMetaObject*, const char*>> named = {
            { &RadioBox::staticMetaObject, "slotButtonClicked()" },
            { &UltraRadioBox::staticMetaObject, "slotButtonClicked()" },
            { &UltraRadioBox::staticMetaObject, "slotFocusChanged(QWidget*,QWidget*)" },
            { &ColorWidget::staticMetaObject, "slotColorChanged(QColor)" },
            { &ColorWidgetPopup::staticMetaObject, "slotColorChanged()" },
            { &DateWidget::staticMetaObject, "slotMonthChanged(int)" },
            { &DirView::staticMetaObject, "slotTreeViewClicked(QModelIndex)" },
        };
        for (const auto& slot : named)
            QVERIFY2(slot.first->indexOfSlot(slot.second) >= 0, slot.second);
    }

    void colourGridCells_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("end of a row") << 1 << 7 << QColor(255, 128, 255);
        QTest::newRow("brown, not dark orange") << 5 << 2 << QColor(128, 64, 64);
        QTest::newRow("last") << 5 << 7 << QColor(64, 0, 64);
    }

    void colourGridCells()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QColor, expected);
        ColorWidget swatch;
        swatch.show();
        QSignalSpy changed(&swatch, &ColorWidget::colorChanged);
        QColor shownWhenEmitted;
        connect(&swatch, &ColorWidget::colorChanged, this, [&] { shownWhenEmitted = swatch.color(); });
        auto* popup = swatch.findChild<ColorWidgetPopup*>();
        QTest::mouseClick(&swatch, Qt::LeftButton);
        QTest::mouseClick(qobject_cast<QGridLayout*>(popup->layout())->itemAtPosition(row, column)->widget(),
                          Qt::LeftButton);
        // Once, the opaque table colour, shown already, and the grid closed.
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().first().value<QColor>(), expected);
        QCOMPARE(shownWhenEmitted, expected);
        QVERIFY(!popup->isVisible());
    }

    void dateSetters_data()
    {
        const int thisYear = QDate::currentDate().year();
        QTest::addColumn<int>("yearOffset");
        QTest::addColumn<QList<int>>("set"); // day, month, then years one after the other
        QTest::addColumn<QList<int>>("expected"); // day, month, year
        QTest::addColumn<int>("changes"); // dataChanged signals
        const auto row = [](const char* name, int offset, const QList<int>& set, const QList<int>& expected,
                            int changes) { QTest::newRow(name) << offset << set << expected << changes; };
        row("a date", 0, { 15, 3, 1990 }, { 15, 3, 1990 }, 3);
        row("day 0, month -5", 0, { 0, -5 }, { 1, 1, -1 }, 0);
        row("February 31", 0, { 31, 2 }, { 31, 2, -1 }, 2);
        row("beyond the lists", 0, { 32, 13 }, { 0, 0, -1 }, 2);
        row("year 0 and -3 keep it", 0, { 1, 1, 2000, 0, -3 }, { 1, 1, 2000 }, 1);
        row("oldest year", 0, { 1, 1, thisYear - 130 }, { 1, 1, thisYear - 130 }, 1);
        row("unlisted years", 0, { 1, 1, 2000, thisYear + 1, 2000, thisYear - 131 }, { 1, 1, -1 }, 4);
        row("offset", 5, { 1, 1, thisYear + 5 }, { 1, 1, thisYear + 5 }, 1);
        row("offset drops", 5, { 1, 1, thisYear - 130 }, { 1, 1, -1 }, 1);
    }

    void dateSetters()
    {
        QFETCH(int, yearOffset);
        QFETCH(QList<int>, set);
        QFETCH(QList<int>, expected);
        QFETCH(int, changes);
        DateWidget date(yearOffset);
        const auto dateOf = [](const DateWidget& date) {
            return QList<int> { date.day(), date.month(), date.year() };
        };
        const QList<int> empty = { 1, 1, -1 };
        QCOMPARE(dateOf(date), empty);
        QSignalSpy changed(&date, &DateWidget::dataChanged);
        date.setDay(set[0]);
        date.setMonth(set[1]);
        for (int year : set.mid(2))
            date.setYear(year);
        QCOMPARE(dateOf(date), expected);
        QCOMPARE(changed.count(), changes);
        // Clearing goes back to the start silently.
        date.clear();
        QCOMPARE(dateOf(date), empty);
        QCOMPARE(changed.count(), changes);
    }
};

LUMASTRAND_APP_TEST_MAIN(TestChoices)
#include "tst_choices.moc"
