// Input dialog, e-mail field and search field, driven by real keys and clicks;
// the input dialog is answered through the shell's dialog seam.

#include "dialogrunner.h"
#include "dialogseams.h"
#include "inputs/emailedit.h"
#include "inputs/inputdialog.h"
#include "inputs/searchfilter.h"
#include "testapp.h"

#include <QApplication>
#include <QDesktopWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QtTest>

#include <cmath>
#include <limits>

using QMWidgets::DialogRunner;
using QMWidgets::InputDialog;
using QMWidgets::SearchFilter;

namespace {
// Types into the dialog's input and closes it with the button.
void answerWith(const QString& typed, const QString& button)
{
    DialogRunner::setNextHandler([typed, button](QDialog& dialog) {
        auto& input = static_cast<InputDialog&>(dialog);
        QWidget* field = input.mode() == 0 ? static_cast<QWidget*>(input.spinBox()) : input.lineEdit();
        if (!typed.isNull()) {
            QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(field, typed);
        }
        return TestSupport::answerDialog(dialog, button);
    });
}

void activate(QWidget* window, QWidget* focus)
{
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    focus->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), focus);
}

bool hasColour(const QImage& image, const QRect& area, QRgb colour)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) == colour)
                return true;
    return false;
}
} // namespace

class TestInputs : public QObject
{
    Q_OBJECT

private slots:
    void init() { QCOMPARE(TestSupport::clearDialogSeams(), 0); }
    void askForText_data();
    void askForText();
    void askForNumber_data();
    void askForNumber();
    void scaledScreenSide_data();
    void scaledScreenSide();
    void emailButtonsFollowTheWholeText_data();
    void emailButtonsFollowTheWholeText();
    void searchFieldClearButton();
    void escapeBelongsToTheField_data();
    void escapeBelongsToTheField();
    void searchFieldHintAndMagnifier();
};

void TestInputs::askForText_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("result");
    QTest::addColumn<bool>("ok");
    QTest::newRow("kept") << QString() << "Ok"
                          << "first" << true;
    QTest::newRow("typed") << "second"
                           << "Ok"
                           << "second" << true;
    QTest::newRow("typed then cancelled") << "third"
                                          << "Cancel"
                                          << "third" << false;
    QTest::newRow("escape") << "fourth" << QString() << "fourth" << false;
}

void TestInputs::askForText()
{
    QFETCH(QString, typed);
    QFETCH(QString, button);
    QFETCH(QString, result);
    QFETCH(bool, ok);
    answerWith(typed, button);
    bool accepted = !ok;
    QCOMPARE(InputDialog::getText(nullptr, QStringLiteral("Name"), QStringLiteral("Your name:"),
                                  QLineEdit::Normal, QStringLiteral("first"), &accepted),
             result);
    QCOMPARE(accepted, ok);
}

void TestInputs::askForNumber_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("ok");
    QTest::newRow("initial value shown") << QString() << "Ok" << 500 << true;
    QTest::newRow("typed") << "750"
                           << "Ok" << 750 << true;
    QTest::newRow("typed then cancelled") << "20"
                                          << "Cancel" << 20 << false;
}

void TestInputs::askForNumber()
{
    QFETCH(QString, typed);
    QFETCH(QString, button);
    QFETCH(int, result);
    QFETCH(bool, ok);
    answerWith(typed, button);
    bool accepted = !ok;
    QCOMPARE(InputDialog::getInt(nullptr, QStringLiteral("Size"), QStringLiteral("Size:"), 500, 0, 1000,
                                 &accepted),
             result);
    QCOMPARE(accepted, ok);
}

void TestInputs::scaledScreenSide_data()
{
    const QRect desktop = QApplication::desktop()->geometry();
    const int side = qMin(desktop.width(), desktop.height());
    QTest::addColumn<float>("divisor");
    QTest::addColumn<int>("result");
    QTest::newRow("half") << 2.0f << side / 2;
    QTest::newRow("truncated") << 7.0f << side / 7;
    QTest::newRow("zero") << 0.0f << side;
    QTest::newRow("negative") << -3.0f << side;
    QTest::newRow("not a number") << std::nanf("") << side;
    QTest::newRow("tiny") << 1e-30f << std::numeric_limits<int>::max();
}

void TestInputs::scaledScreenSide()
{
    QFETCH(float, divisor);
    QFETCH(int, result);
    QCOMPARE(InputDialog::scaledScreenSide(divisor), result);
}

void TestInputs::emailButtonsFollowTheWholeText_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("two-letter top level") << "jo.doe@example.de" << true;
    QTest::newRow("top level cut off") << "jo.doe@example." << false;
    QTest::newRow("no top level") << "jo.doe@example" << false;
    QTest::newRow("address inside more text") << "mail jo@example.de now" << false;
    QTest::newRow("leading blank") << " jo@example.de" << false;
    QTest::newRow("numeric top level") << "jo@10.0.0.1" << true;
}

void TestInputs::emailButtonsFollowTheWholeText()
{
    QFETCH(QString, typed);
    QFETCH(bool, enabled);
    QMWidgets::EmailEdit edit;
    edit.show();
    QSignalSpy changed(&edit, &QMWidgets::EmailEdit::textChanged);
    QSignalSpy email(&edit, &QMWidgets::EmailEdit::sendEmail);
    QSignalSpy ecard(&edit, &QMWidgets::EmailEdit::sendECard);

    QTest::keyClicks(edit.lineEdit(), typed);
    QCOMPARE(changed.last().first().toString(), typed);
    QCOMPARE(edit.emailButton()->isEnabled(), enabled);
    QCOMPARE(edit.ecardButton()->isEnabled(), enabled);
    QTest::mouseClick(edit.emailButton(), Qt::LeftButton);
    QTest::mouseClick(edit.ecardButton(), Qt::LeftButton);
    QCOMPARE(email.count(), enabled ? 1 : 0);
    QCOMPARE(ecard.count(), enabled ? 1 : 0);
    if (enabled)
        QCOMPARE(email.first().first().toString(), typed);

    // A text set by the host is judged the same way.
    edit.setText(enabled ? QStringLiteral("nobody") : QStringLiteral("jo@example.org"));
    QCOMPARE(edit.emailButton()->isEnabled(), !enabled);
}

void TestInputs::searchFieldClearButton()
{
    QWidget window;
    auto* field = new SearchFilter(&window);
    activate(&window, field);
    QTest::keyClick(field, Qt::Key_X);
    QVERIFY(field->clearButton()->isVisible());
    QTest::keyClick(field, Qt::Key_Backspace);
    QVERIFY(!field->clearButton()->isVisible());
    QTest::keyClicks(field, QStringLiteral("abc"));
    QTest::mouseClick(field->clearButton(), Qt::LeftButton);
    QCOMPARE(field->text(), QString());
    QVERIFY(!field->clearButton()->isVisible());
}

void TestInputs::escapeBelongsToTheField_data()
{
    QTest::addColumn<int>("focused"); // 0 the first field, 1 the second, 2 a button
    QTest::addColumn<QStringList>("afterEscape"); // texts of the two fields
    QTest::addColumn<bool>("dialogOpen");
    QTest::newRow("in the first field") << 0 << QStringList { "", "two" } << true;
    QTest::newRow("in the second field") << 1 << QStringList { "one", "" } << true;
    QTest::newRow("on a button") << 2 << QStringList { "one", "two" } << false;
}

void TestInputs::escapeBelongsToTheField()
{
    QFETCH(int, focused);
    QFETCH(QStringList, afterEscape);
    QFETCH(bool, dialogOpen);
    QDialog dialog;
    auto* first = new SearchFilter;
    auto* second = new SearchFilter;
    auto* button = new QPushButton(QStringLiteral("Button"));
    auto* layout = new QVBoxLayout(&dialog);
    const QList<QWidget*> widgets = { first, second, button };
    for (QWidget* widget : widgets)
        layout->addWidget(widget);
    first->setText(QStringLiteral("one"));
    second->setText(QStringLiteral("two"));
    QWidget* target = widgets.at(focused);
    activate(&dialog, target);

    QTest::keyClick(target, Qt::Key_Escape);
    QCOMPARE((QStringList { first->text(), second->text() }), afterEscape);
    QCOMPARE(dialog.isVisible(), dialogOpen);
    // Once the field is empty, Escape goes on and closes the dialog.
    if (dialogOpen) {
        QTest::keyClick(target, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }
}

void TestInputs::searchFieldHintAndMagnifier()
{
    // The field is dark, so that the white hint shows; the test's magnifier is red.
    QWidget window;
    auto* field = new SearchFilter(&window);
    auto* other = new QPushButton(&window);
    field->setGeometry(0, 0, 200, 30);
    other->setGeometry(0, 40, 50, 30);
    QPalette dark = field->palette();
    dark.setColor(QPalette::Base, Qt::black);
    field->setPalette(dark);

    for (bool focused : { false, true }) {
        activate(&window, focused ? static_cast<QWidget*>(field) : other);
        const QImage shown = field->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRect hint(5, 0, 100, 30);
        const QRect magnifier(170, 0, 30, 30);
        QCOMPARE(hasColour(shown, hint, qRgb(255, 255, 255)), !focused);
        QVERIFY(hasColour(shown, magnifier, qRgb(255, 0, 0)));
    }
}

LUMASTRAND_APP_TEST_MAIN(TestInputs)
#include "tst_inputs.moc"
