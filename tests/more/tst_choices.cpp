// The choice boxes, the colour chooser and the date fields, under the
// program's application object (whose settings store the choice popup reads).

#include "colorwidget.h"
#include "colorwidgetpopup.h"
#include "datewidget.h"
#include "mtools.h"
#include "pixelcompare.h"
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

const QString kTransparencyKey = QStringLiteral("TransparencyParameters/UltraRadioPopups");
const QRgb kUncheckedFace = qRgb(200, 0, 0);
const QRgb kCheckedFace = qRgb(0, 0, 200);

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

QPushButton* captionOf(UltraRadioBoxPopup* popup, const QString& caption)
{
    const QList<QPushButton*> buttons = popup->findChildren<QPushButton*>();
    for (QPushButton* button : buttons) {
        if (button->text() == caption)
            return button;
    }
    return nullptr;
}

} // namespace

class TestChoices : public QObject
{
    Q_OBJECT

private slots:
    void radioBoxChecksOnlyTheClickedButton();

    void ultraRadioPopupOpacity_data();
    void ultraRadioPopupOpacity();
    void ultraRadioChoiceKeepsHiddenButtonsHidden();
    void ultraRadioIgnoresUnknownButtons();

    void colourGridCells_data();
    void colourGridCells();
    void colourGridClosesWhenLeft();

    void dateSetters_data();
    void dateSetters();
    void dateListsAndClear();
};

void TestChoices::radioBoxChecksOnlyTheClickedButton()
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

void TestChoices::ultraRadioPopupOpacity_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<double>("opacity");
    QTest::newRow("no setting") << QVariant() << 0.95;
    QTest::newRow("100") << QVariant(100) << 0.3;
    QTest::newRow("below 30 is limited to opaque") << QVariant(10) << 1.0;
    // 1.3 - 5.0 would make an invisible window that still takes clicks.
    QTest::newRow("500 stays visible") << QVariant(500) << 0.3;
}

void TestChoices::ultraRadioPopupOpacity()
{
    QFETCH(QVariant, stored);
    QFETCH(double, opacity);
    if (stored.isValid())
        app()->setValue(kTransparencyKey, stored);
    else
        app()->settings()->remove(app()->keyPrefix() + kTransparencyKey);

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

void TestChoices::ultraRadioChoiceKeepsHiddenButtonsHidden()
{
    UltraRadioBox box;
    QToolButton* pen = hostButton();
    QToolButton* marker = hostButton();
    QToolButton* eraser = hostButton();
    box.addButton(pen, QStringLiteral("Pen"));
    box.addButton(marker, QStringLiteral("Marker"));
    box.addButton(eraser, QStringLiteral("Eraser"));
    box.setButtonVisible(eraser, false);
    box.show();
    auto* popup = box.findChild<UltraRadioBoxPopup*>();
    QSignalSpy chosen(&box, &UltraRadioBox::buttonClicked);
    QCOMPARE(box.size(), pen->size());

    // A click on the caption chooses its button.
    QTest::mouseClick(&box, Qt::LeftButton);
    QTest::mouseClick(captionOf(popup, QStringLiteral("Marker")), Qt::LeftButton);
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(box.currentButton(), marker);
    QVERIFY(!popup->isVisible());
    QCOMPARE(box.toolTip(), QStringLiteral("Marker"));
    QCOMPARE(faceColour(box), kCheckedFace);

    // The chosen one is not listed, the hidden one stays hidden.
    QVERIFY(pen->isVisibleTo(popup) && captionOf(popup, QStringLiteral("Pen"))->isVisibleTo(popup));
    QVERIFY(!marker->isVisibleTo(popup) && !captionOf(popup, QStringLiteral("Marker"))->isVisibleTo(popup));
    QVERIFY(!eraser->isVisibleTo(popup) && !captionOf(popup, QStringLiteral("Eraser"))->isVisibleTo(popup));

    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(&box, &enter);
    QCOMPARE(faceColour(box), kUncheckedFace);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&box, &leave);
    QCOMPARE(faceColour(box), kCheckedFace);

    // Choosing again brings the former choice back, and still not the hidden one.
    QTest::mouseClick(&box, Qt::LeftButton);
    QTest::mouseClick(pen, Qt::LeftButton);
    QCOMPARE(box.currentButton(), pen);
    QVERIFY(marker->isVisibleTo(popup) && !marker->isChecked());
    QVERIFY(!eraser->isVisibleTo(popup) && !captionOf(popup, QStringLiteral("Eraser"))->isVisibleTo(popup));

    box.setButtonVisible(eraser, true);
    QVERIFY(eraser->isVisibleTo(popup) && captionOf(popup, QStringLiteral("Eraser"))->isVisibleTo(popup));
}

void TestChoices::ultraRadioIgnoresUnknownButtons()
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
    box.setCurrentButton(&stranger);
    box.setButtonVisible(nullptr, false);
    box.setButtonVisible(&stranger, false);
    QCOMPARE(box.currentButton(), pen);
    QVERIFY(!stranger.isCheckable());
    QCOMPARE(box.toolTip(), QStringLiteral("Pen"));

    // A button the host deletes is forgotten.
    delete doomed;
    box.setCurrentButton(pen);
    QCOMPARE(box.currentButton(), pen);
    QTRY_COMPARE(box.findChildren<QPushButton*>().size(), 1);
}

void TestChoices::colourGridCells_data()
{
    static const int table[ColorWidgetPopup::kRows][ColorWidgetPopup::kColumns][3] = {
        { { 255, 255, 255 },
          { 255, 192, 192 },
          { 255, 224, 192 },
          { 255, 255, 192 },
          { 192, 255, 192 },
          { 192, 255, 255 },
          { 192, 192, 255 },
          { 255, 192, 255 } },
        { { 224, 224, 224 },
          { 255, 128, 128 },
          { 255, 192, 128 },
          { 255, 255, 128 },
          { 128, 255, 128 },
          { 128, 255, 255 },
          { 128, 128, 255 },
          { 255, 128, 255 } },
        { { 192, 192, 192 },
          { 255, 0, 0 },
          { 255, 128, 0 },
          { 255, 255, 0 },
          { 0, 255, 0 },
          { 0, 255, 255 },
          { 0, 0, 255 },
          { 255, 0, 255 } },
        { { 128, 128, 128 },
          { 192, 0, 0 },
          { 192, 64, 0 },
          { 192, 192, 0 },
          { 0, 192, 0 },
          { 0, 192, 192 },
          { 0, 0, 192 },
          { 192, 0, 192 } },
        { { 64, 64, 64 },
          { 128, 0, 0 },
          { 128, 64, 0 },
          { 128, 128, 0 },
          { 0, 128, 0 },
          { 0, 128, 128 },
          { 0, 0, 128 },
          { 128, 0, 128 } },
        { { 0, 0, 0 },
          { 64, 0, 0 },
          { 128, 64, 64 },
          { 64, 64, 0 },
          { 0, 64, 0 },
          { 0, 64, 64 },
          { 0, 0, 64 },
          { 64, 0, 64 } },
    };
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QColor>("expected");
    for (int row = 0; row < ColorWidgetPopup::kRows; ++row) {
        for (int column = 0; column < ColorWidgetPopup::kColumns; ++column) {
            const int* rgb = table[row][column];
            QTest::addRow("%d,%d", row, column) << row << column << QColor(rgb[0], rgb[1], rgb[2]);
        }
    }
}

void TestChoices::colourGridCells()
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
    QCOMPARE(swatch.color(), expected);
    QVERIFY(!popup->isVisible());
}

void TestChoices::colourGridClosesWhenLeft()
{
    ColorWidget swatch;
    swatch.resize(40, 24);
    swatch.show();
    QSignalSpy changed(&swatch, &ColorWidget::colorChanged);
    auto* popup = swatch.findChild<ColorWidgetPopup*>();

    QTest::mouseClick(&swatch, Qt::LeftButton);
    QVERIFY(popup->isVisible());
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(popup, &enter);
    QVERIFY(popup->isHovered());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(popup, &leave);
    QVERIFY(!popup->isVisible());
    QVERIFY(!popup->isHovered());
    QCOMPARE(changed.count(), 0);
    QCOMPARE(swatch.color(), QColor(Qt::green));
}

void TestChoices::dateSetters_data()
{
    const int thisYear = QDate::currentDate().year();
    QTest::addColumn<int>("yearOffset");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<QList<int>>("years"); // set one after the other
    QTest::addColumn<int>("expectedDay");
    QTest::addColumn<int>("expectedMonth");
    QTest::addColumn<int>("expectedYear");

    QTest::newRow("a date") << 0 << 15 << 3 << QList<int> { 1990 } << 15 << 3 << 1990;
    QTest::newRow("day 0 and month -5 choose the first") << 0 << 0 << -5 << QList<int>() << 1 << 1 << -1;
    QTest::newRow("day -5") << 0 << -5 << 12 << QList<int>() << 1 << 12 << -1;
    QTest::newRow("February 31 is listed") << 0 << 31 << 2 << QList<int>() << 31 << 2 << -1;
    QTest::newRow("day beyond the list") << 0 << 32 << 13 << QList<int>() << 0 << 0 << -1;
    QTest::newRow("year 0 keeps the year") << 0 << 1 << 1 << QList<int> { 2000, 0 } << 1 << 1 << 2000;
    QTest::newRow("negative year keeps the year") << 0 << 1 << 1 << QList<int> { 2000, -3 } << 1 << 1 << 2000;
    QTest::newRow("oldest listed year")
        << 0 << 1 << 1 << QList<int> { thisYear - 130 } << 1 << 1 << thisYear - 130;
    QTest::newRow("year before the list")
        << 0 << 1 << 1 << QList<int> { 2000, thisYear - 131 } << 1 << 1 << -1;
    QTest::newRow("next year is not listed")
        << 0 << 1 << 1 << QList<int> { 2000, thisYear + 1 } << 1 << 1 << -1;
    QTest::newRow("offset moves the list")
        << 5 << 1 << 1 << QList<int> { thisYear + 5 } << 1 << 1 << thisYear + 5;
    QTest::newRow("offset drops the oldest") << 5 << 1 << 1 << QList<int> { thisYear - 130 } << 1 << 1 << -1;
}

void TestChoices::dateSetters()
{
    QFETCH(int, yearOffset);
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(QList<int>, years);
    QFETCH(int, expectedDay);
    QFETCH(int, expectedMonth);
    QFETCH(int, expectedYear);

    DateWidget date(yearOffset);
    QCOMPARE(date.day(), 1);
    QCOMPARE(date.month(), 1);
    QCOMPARE(date.year(), -1);

    date.setDay(day);
    date.setMonth(month);
    for (int year : years)
        date.setYear(year);
    QCOMPARE(date.day(), expectedDay);
    QCOMPARE(date.month(), expectedMonth);
    QCOMPARE(date.year(), expectedYear);
}

void TestChoices::dateListsAndClear()
{
    DateWidget date;
    const QList<QComboBox*> combos = date.findChildren<QComboBox*>();
    QCOMPARE(combos.size(), 3);
    QComboBox* months = combos[1];
    QCOMPARE(months->count(), 12);
    QCOMPARE(months->itemText(0), MTools::monthName(1));
    QCOMPARE(months->itemText(11), MTools::monthName(12));
    QCOMPARE(combos[2]->itemText(1), QString::number(QDate::currentDate().year()));

    QSignalSpy changed(&date, &DateWidget::dataChanged);
    date.setDay(20);
    date.setMonth(6);
    date.setYear(1980);
    QCOMPARE(changed.count(), 3);

    date.clear();
    QCOMPARE(changed.count(), 3);
    QCOMPARE(date.day(), 1);
    QCOMPARE(date.month(), 1);
    QCOMPARE(date.year(), -1);

    date.hideMonthAndYear(true);
    QVERIFY(!months->isVisibleTo(&date) && !combos[2]->isVisibleTo(&date) && combos[0]->isVisibleTo(&date));
}

LUMASTRAND_APP_TEST_MAIN(TestChoices)
#include "tst_choices.moc"
