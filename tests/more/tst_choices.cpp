// The choice boxes, the colour chooser and the date fields, under the
// program's application object (whose settings store the choice popup reads).

#include "colorwidget.h"
#include "colorwidgetpopup.h"
#include "datewidget.h"
#include "mtools.h"
#include "radiobox.h"
#include "testapp.h"
#include "ultraradiobox.h"
#include "ultraradioboxpopup.h"

#include <QComboBox>
#include <QGridLayout>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

using namespace QMWidgets;

namespace {

// A host button whose picture tells checked (blue) from unchecked (red).
QToolButton* hostButton()
{
    auto* button = new QToolButton;
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
        QList<QPushButton*> buttons;
        for (int i = 0; i < 3; ++i) {
            buttons.append(new QPushButton(QString::number(i)));
            box.addButton(buttons.last());
        }
        box.addButton(nullptr);
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
        QSignalSpy pressed(&box, &UltraRadioBox::actionPerformed);

        QTest::mouseClick(&box, Qt::LeftButton);
        QVERIFY(popup->isVisible());
        QVERIFY(qAbs(popup->windowOpacity() - opacity) < 0.01);
        QCOMPARE(popup->pos(), box.mapToGlobal(QPoint(0, box.height())));
        QTest::mouseClick(&box, Qt::LeftButton);
        QVERIFY(!popup->isVisible());
        QCOMPARE(pressed.count(), 2);
    }

    void ultraRadioChoiceKeepsHiddenButtonsHidden()
    {
        UltraRadioBox box;
        QList<QToolButton*> buttons;
        for (const char* name : { "Pen", "Marker", "Eraser" }) {
            buttons.append(hostButton());
            buttons.last()->setObjectName(QLatin1String(name));
            box.addButton(buttons.last(), QLatin1String(name));
        }
        QToolButton *pen = buttons[0], *marker = buttons[1], *eraser = buttons[2];
        box.setButtonVisible(eraser, false);
        box.show();
        QSignalSpy chosen(&box, &UltraRadioBox::buttonClicked);
        QCOMPARE(box.size(), pen->size());

        // A click on the caption chooses its button.
        QTest::mouseClick(&box, Qt::LeftButton);
        const QList<QPushButton*> captions = box.findChildren<QPushButton*>();
        QTest::mouseClick(captions[1], Qt::LeftButton);
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(box.currentButton(), marker);
        QVERIFY(!box.findChild<UltraRadioBoxPopup*>()->isVisible());
        QCOMPARE(box.toolTip(), QStringLiteral("Marker"));
        QCOMPARE(faceColour(box), qRgb(0, 0, 200));
        QVERIFY(listed(box, pen) && !listed(box, marker) && !listed(box, eraser));

        // Under the pointer the chosen button shows unchecked.
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(&box, &enter);
        QCOMPARE(faceColour(box), qRgb(200, 0, 0));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&box, &leave);
        QCOMPARE(faceColour(box), qRgb(0, 0, 200));

        // Choosing again brings the former choice back, but not the hidden one.
        QTest::mouseClick(&box, Qt::LeftButton);
        QTest::mouseClick(pen, Qt::LeftButton);
        QCOMPARE(box.currentButton(), pen);
        QVERIFY(listed(box, marker) && !marker->isChecked() && !listed(box, eraser));
        box.setButtonVisible(eraser, true);
        QVERIFY(listed(box, eraser));
    }

    void ultraRadioIgnoresUnknownButtons()
    {
        UltraRadioBox box;
        QToolButton* pen = hostButton();
        QToolButton* doomed = hostButton();
        box.addButton(pen, QStringLiteral("Pen"));
        box.addButton(doomed, QStringLiteral("Doomed"));
        box.setCurrentButton(pen);
        QToolButton stranger;

        box.addButton(nullptr, QStringLiteral("Nothing"));
        box.setCurrentButton(nullptr);
        box.setButtonVisible(nullptr, false);
        box.setCurrentButton(&stranger);
        box.setButtonVisible(&stranger, false);
        QCOMPARE(box.currentButton(), pen);
        QCOMPARE(box.toolTip(), QStringLiteral("Pen"));

        // A button the host deletes is forgotten with its caption.
        delete doomed;
        box.setCurrentButton(pen);
        QTRY_COMPARE(box.findChildren<QPushButton*>().size(), 1);
    }

    void colourGridCells_data()
    {
        static const char* const table[ColorWidgetPopup::kRows] = {
            "#ffffff #ffc0c0 #ffe0c0 #ffffc0 #c0ffc0 #c0ffff #c0c0ff #ffc0ff",
            "#e0e0e0 #ff8080 #ffc080 #ffff80 #80ff80 #80ffff #8080ff #ff80ff",
            "#c0c0c0 #ff0000 #ff8000 #ffff00 #00ff00 #00ffff #0000ff #ff00ff",
            "#808080 #c00000 #c04000 #c0c000 #00c000 #00c0c0 #0000c0 #c000c0",
            "#404040 #800000 #804000 #808000 #008000 #008080 #000080 #800080",
            "#000000 #400000 #804040 #404000 #004000 #004040 #000040 #400040",
        };
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QColor>("expected");
        for (int row = 0; row < ColorWidgetPopup::kRows; ++row) {
            const QStringList colours = QString::fromLatin1(table[row]).split(QLatin1Char(' '));
            for (int column = 0; column < ColorWidgetPopup::kColumns; ++column)
                QTest::addRow("%d,%d", row, column) << row << column << QColor(colours[column]);
        }
    }

    void colourGridCells()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QColor, expected);

        ColorWidget swatch;
        swatch.resize(40, 24);
        swatch.show();
        QCOMPARE(swatch.color(), QColor(Qt::green));
        QSignalSpy changed(&swatch, &ColorWidget::colorChanged);
        QColor shownWhenEmitted;
        connect(&swatch, &ColorWidget::colorChanged, this, [&] { shownWhenEmitted = swatch.color(); });
        swatch.setColor(QColor(10, 20, 30, 40));
        QCOMPARE(changed.count(), 0);
        QCOMPARE(swatch.color(), QColor(10, 20, 30, 40));

        auto* popup = swatch.findChild<ColorWidgetPopup*>(QStringLiteral("ColorWidgetPopup"));
        QTest::mouseClick(&swatch, Qt::LeftButton);
        QVERIFY(popup->isVisible());
        auto* grid = qobject_cast<QGridLayout*>(popup->layout());
        QTest::mouseClick(grid->itemAtPosition(row, column)->widget(), Qt::LeftButton);
        QCOMPARE(changed.count(), 1);
        const QColor emitted = changed.first().first().value<QColor>();
        QCOMPARE(emitted, expected);
        QCOMPARE(emitted.alpha(), 255);
        QCOMPARE(shownWhenEmitted, expected);
        QVERIFY(!popup->isVisible());
    }

    void dateSetters_data()
    {
        const int thisYear = QDate::currentDate().year();
        QTest::addColumn<int>("yearOffset");
        QTest::addColumn<QList<int>>("set"); // day, month, then years one after the other
        QTest::addColumn<QList<int>>("expected"); // day, month, year

        QTest::newRow("a date") << 0 << QList<int> { 15, 3, 1990 } << QList<int> { 15, 3, 1990 };
        QTest::newRow("day 0, month -5") << 0 << QList<int> { 0, -5 } << QList<int> { 1, 1, -1 };
        QTest::newRow("February 31") << 0 << QList<int> { 31, 2 } << QList<int> { 31, 2, -1 };
        QTest::newRow("beyond the lists") << 0 << QList<int> { 32, 13 } << QList<int> { 0, 0, -1 };
        QTest::newRow("year 0 and -3 keep it")
            << 0 << QList<int> { 1, 1, 2000, 0, -3 } << QList<int> { 1, 1, 2000 };
        QTest::newRow("oldest year") << 0 << QList<int> { 1, 1, thisYear - 130 }
                                     << QList<int> { 1, 1, thisYear - 130 };
        QTest::newRow("unlisted years")
            << 0 << QList<int> { 1, 1, 2000, thisYear + 1 } << QList<int> { 1, 1, -1 };
        QTest::newRow("offset") << 5 << QList<int> { 1, 1, thisYear + 5 }
                                << QList<int> { 1, 1, thisYear + 5 };
        QTest::newRow("offset drops") << 5 << QList<int> { 1, 1, thisYear - 130 } << QList<int> { 1, 1, -1 };
    }

    void dateSetters()
    {
        QFETCH(int, yearOffset);
        QFETCH(QList<int>, set);
        QFETCH(QList<int>, expected);

        DateWidget date(yearOffset);
        QCOMPARE(QList<int>({ date.day(), date.month(), date.year() }), QList<int>({ 1, 1, -1 }));
        date.setDay(set[0]);
        date.setMonth(set[1]);
        for (int year : set.mid(2))
            date.setYear(year);
        QCOMPARE(QList<int>({ date.day(), date.month(), date.year() }), expected);
    }

    void dateListsAndClear()
    {
        DateWidget date;
        const QList<QComboBox*> combos = date.findChildren<QComboBox*>();
        QCOMPARE(combos[1]->itemText(0), MTools::monthName(1));
        QCOMPARE(combos[1]->itemText(11), MTools::monthName(12));
        QCOMPARE(combos[2]->itemText(1), QString::number(QDate::currentDate().year()));

        QSignalSpy changed(&date, &DateWidget::dataChanged);
        date.setDay(20);
        date.setMonth(6);
        date.setYear(1980);
        QCOMPARE(changed.count(), 3);
        date.clear();
        QCOMPARE(changed.count(), 3);
        QCOMPARE(QList<int>({ date.day(), date.month(), date.year() }), QList<int>({ 1, 1, -1 }));
    }
};

LUMASTRAND_APP_TEST_MAIN(TestChoices)
#include "tst_choices.moc"
